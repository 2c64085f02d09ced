// The commands of the editing aids and of find and replace in the document.
#include "app/CodeCompletion.h"
#include "search/DocumentSearch.h"
#include "app/EditingAids.h"
#include "app/TfrmPW4.h"

#include <QShortcut>

void TfrmPW4::attachEditingAids()
{
    m_aids = new EditingAids(*this, m_prompter);
    m_search = new DocumentSearch(m_prompter, [this] { return ActiveEditor(); }, this);
    m_completion = new CodeCompletion(*this, m_prompter);

    handle(QStringLiteral("actFortryd"), [this] { m_aids->undo(); });
    handle(QStringLiteral("actAnnullerFortryd"), [this] { m_aids->redo(); });
    handle(QStringLiteral("actTekstombrydning"), [this] { m_aids->toggleWordWrap(); });
    handle(QStringLiteral("actSkrivebeskyttet"), [this] { m_aids->toggleReadOnly(); });
    handle(QStringLiteral("actGaaTilLinie"), [this] { m_aids->goToLine(); });
    for (int slot = 1; slot <= EditorBookmarks::Count; ++slot) {
        handle(QStringLiteral("actSaetBogmaerke%1").arg(slot), [this, slot] { m_aids->setBookmark(slot); });
        handle(QStringLiteral("actGaaTilBogmaerke%1").arg(slot), [this, slot] { m_aids->goToBookmark(slot); });
    }
    auto *keyboardMenu = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    keyboardMenu->setContext(Qt::WindowShortcut);
    connect(keyboardMenu, &QShortcut::activated, m_aids, &EditingAids::contextMenuFromKeyboard);

    handle(QStringLiteral("actSoeg"), [this] { m_search->showFind(); });
    handle(QStringLiteral("actFindNaeste"), [this] { m_search->findAgain(); });
    handle(QStringLiteral("actErstat"), [this] { m_search->showReplace(); });
}

void TfrmPW4::watchEditor(TLEdit &editor)
{
    m_aids->watch(editor);
    m_search->watch(editor);
    m_completion->watch(editor);
}
