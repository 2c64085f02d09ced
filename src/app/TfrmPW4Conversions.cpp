// The main window's side of the text engine's commands: the conversions of
// the "Rediger" menu, the Danish-letter conversion of opened and saved
// documents, the HTML check and the update date.
#include "core/AppFolders.h"
#include "html/AutoDateCommands.h"
#include "workbench/BusyDisplay.h"
#include "app/DocumentArea.h"
#include "app/TFriendlyStatusBar.h"
#include "html/TextConversions.h"
#include "app/TfrmPW4.h"
#include "editor/TLEdit.h"
#include "html/CharacterReferences.h"
#include "html/HtmlCheck.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace {

const QString HtmlCheckCaption = QStringLiteral("Tjek HTML-koder");
const QString SpecialCharacterFile = QStringLiteral("specialtegn.dat");

} // namespace

void TfrmPW4::attachConversionCommands()
{
    m_conversions = new TextConversions(m_prompter, m_status->progressBar(),
                                        AppFolders::join(m_programFolder, SpecialCharacterFile), this);
    m_autoDate = new AutoDateCommands(m_prompter, this);

    m_hooks.openConversion = [this](const QString &text) { return m_conversions->openConversion(text); };
    m_hooks.saveConversion = [this](const QString &text) { return m_conversions->saveConversion(text); };
    m_hooks.captionOfTitle = [](const QString &title) { return ReferencesToDanish(title); };

    const std::pair<const char *, TextCaseMode> cases[] = {
        {"actStoreBogstaver", TextCaseMode::Upper},
        {"actSmaaBogstaver", TextCaseMode::Lower},
        {"actSkiftAlle", TextCaseMode::Swap},
        {"actStartOrd", TextCaseMode::WordInitials},
        {"actStartSaetninger", TextCaseMode::SentenceInitials},
        {"actIndsaetMellemrum", TextCaseMode::LetterSpacing},
    };
    for (const auto &[id, mode] : cases)
        handle(QString::fromLatin1(id), [this, mode = mode] { m_conversions->convertCase(*ActiveEditor(), mode); });

    using Characters = TextConversions::Characters;
    const std::pair<const char *, Characters> characters[] = {
        {"actDanskTilKoder", Characters::DanishToReferences},
        {"actKoderTilDansk", Characters::ReferencesToDanish},
        {"actSpecialTilKoder", Characters::SpecialToReferences},
        {"actKoderTilSpecial", Characters::ReferencesToSpecial},
    };
    for (const auto &[id, conversion] : characters) {
        handle(QString::fromLatin1(id),
               [this, conversion = conversion] { m_conversions->convertCharacters(*ActiveEditor(), conversion); });
    }

    handle(QStringLiteral("actXhtml"), [this] { m_conversions->convertMarkup(*ActiveEditor(), false, true); });
    handle(QStringLiteral("actKoderStore"), [this] { m_conversions->convertMarkup(*ActiveEditor(), true, false); });
    handle(QStringLiteral("actKoderSmaa"), [this] { m_conversions->convertMarkup(*ActiveEditor(), false, false); });
    handle(QStringLiteral("actSletKoder"), [this] { m_conversions->stripMarkup(*ActiveEditor()); });

    handle(QStringLiteral("actTjekHtml"), [this] {
        QString report;
        {
            BusyDisplay busy;
            report = CheckHtml(*ActiveEditor(), m_libraryLists.TagCheckElements);
        }
        m_prompter.message({HtmlCheckCaption, report, Prompter::Icon::Information, Prompter::Ok});
    });
    connect(m_menus.value(QStringLiteral("mnuFunktioner")), &QMenu::aboutToShow, this,
            [this] { command(QStringLiteral("actTjekHtml"))->setEnabled(ActiveEditor()->GetTextLength() > 0); });

    handle(QStringLiteral("actOpdateringsdato"), [this] {
        m_autoDate->updateDateCommand(*ActiveEditor(), documentName(m_documents->currentIndex()), options());
    });
}

QString TfrmPW4::documentName(int tab) const
{
    const QString path = m_documents->pathAt(tab);
    return path.isEmpty() ? m_documents->captionAt(tab) : QDir::toNativeSeparators(path);
}
