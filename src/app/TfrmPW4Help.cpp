// Help: the program's own pages and the user's three help files.
#include "core/AppFolders.h"
#include "app/HelpKeyword.h"
#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "core/SettingsOptions.h"
#include "dialogs/settings/TfrmIndstil.h"
#include "app/TfrmPW4.h"
#include "editor/TLEdit.h"

#include <QUrl>

void TfrmPW4::openHelpPage(const QString &page)
{
    m_openUrl(QUrl::fromLocalFile(AppFolders::join(m_programFolder, QStringLiteral("help/") + page)));
}

void TfrmPW4::openUserHelpFile(int index)
{
    const SettingsOptions &o = options();
    const QString files[] = {o.helpFile1, o.helpFile2, o.helpFile3};
    const QString file = files[index];
    if (file.isEmpty()) {
        m_prompter.message({Product::Caption,
                            QStringLiteral("Du skal angive stien til den fil, du ønsker at bruge som hjælpefil"),
                            Prompter::Icon::Warning, Prompter::Ok});
        m_settingsDialog->showHelpFileField(index);
        m_settingsDialog->show();
        return;
    }
    // A help file of any kind is opened by the desktop; an HTML help file is
    // opened at the keyword's anchor when there is one.
    TLEdit *editor = ActiveEditor();
    const SelectionRecord selection = editor->GetSelection();
    const QString keyword = helpKeyword(editor->GetLine(selection.caretLine), selection.caretColumn, editor->GetSelText());
    QUrl url = QUrl::fromLocalFile(file);
    if (!keyword.isEmpty() && (file.endsWith(QLatin1String(".htm")) || file.endsWith(QLatin1String(".html"))))
        url.setFragment(keyword);
    m_openUrl(url);
}
