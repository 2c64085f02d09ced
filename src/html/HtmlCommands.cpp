#include "html/HtmlCommands.h"

#include "core/AppFolders.h"
#include "core/OptionsModel.h"
#include "core/Prompter.h"
#include "documents/DocumentList.h"
#include "editor/TLEdit.h"
#include "files/FileClasses.h"
#include "html/AutoDateCommands.h"
#include "html/FixedMarkup.h"
#include "html/GeneratorElement.h"
#include "html/HtmlCheck.h"
#include "html/MarkupMenus.h"
#include "html/MarkupWriting.h"
#include "html/TextConversions.h"
#include "resources/LibraryLists.h"
#include "workbench/BusyDisplay.h"
#include "workbench/CommandRegistry.h"
#include "workbench/TFriendlyStatusBar.h"
#include "workbench/Workbench.h"

#include <QWidget>

namespace {

const QString HtmlCheckCaption = QStringLiteral("Tjek HTML-koder");
const QString SpecialCharacterFile = QStringLiteral("specialtegn.dat");

} // namespace

HtmlCommands::HtmlCommands(Workbench &workbench, const LibraryLists &lists)
    : QObject(&workbench.window())
    , m_workbench(workbench)
    , m_lists(lists)
    , m_conversions(new TextConversions(workbench.prompter(), workbench.status().progressBar(),
                                        AppFolders::join(workbench.programFolder(), SpecialCharacterFile), this))
    , m_autoDate(new AutoDateCommands(workbench.prompter(), this))
{
    attachMarkup();
    attachConversions();
    attachCheckAndDate();
    followDocuments();
    new MarkupMenus(workbench);
}

void HtmlCommands::attachMarkup()
{
    CommandRegistry &commands = m_workbench.commands();
    const auto wrap = [this, &commands](const QString &id, const QString &open, const QString &close) {
        commands.handle(id, [this, open, close] { WrapSelection(m_workbench.activeEditor(), open, close); });
    };
    const auto insert = [this, &commands](const QString &id, const std::function<QString()> &markup) {
        commands.handle(id, [this, markup] { InsertAtCaret(m_workbench.activeEditor(), markup()); });
    };
    wrap(QStringLiteral("actFed"), QStringLiteral("<strong>"), QStringLiteral("</strong>"));
    wrap(QStringLiteral("actKursiv"), QStringLiteral("<em>"), QStringLiteral("</em>"));
    wrap(QStringLiteral("actUnderstreget"), QStringLiteral("<u>"), QStringLiteral("</u>"));
    wrap(QStringLiteral("actFontPlus"), QStringLiteral("<font size=\"+1\">"), QStringLiteral("</font>"));
    wrap(QStringLiteral("actFontMinus"), QStringLiteral("<font size=\"-1\">"), QStringLiteral("</font>"));
    for (int level = 1; level <= 6; ++level)
        wrap(QStringLiteral("actOverskrift%1").arg(level), QStringLiteral("<h%1>").arg(level),
             QStringLiteral("</h%1>").arg(level));
    wrap(QStringLiteral("actSkrivemaskine"), QStringLiteral("<tt>"), QStringLiteral("</tt>"));
    wrap(QStringLiteral("actPraeformateret"), QStringLiteral("<pre>"), QStringLiteral("</pre>"));
    wrap(QStringLiteral("actAfsnit"), QStringLiteral("<p>"), QStringLiteral("</p>"));
    wrap(QStringLiteral("actKommentar"), QStringLiteral("<!-- "), QStringLiteral(" -->"));
    wrap(QStringLiteral("actRaekke"), QStringLiteral("<tr>"), QStringLiteral("</tr>"));
    wrap(QStringLiteral("actTabelcelle"), QStringLiteral("<td>"), QStringLiteral("</td>"));
    const std::pair<const char *, FixedMarkup::Alignment> alignments[] = {
        {"actCentrer", FixedMarkup::Alignment::Center},
        {"actHoejrejuster", FixedMarkup::Alignment::Right},
        {"actLigeMarginer", FixedMarkup::Alignment::Justify},
    };
    for (const auto &[id, kind] : alignments) {
        const FixedMarkup::Alignment alignment = kind;
        commands.handle(QString::fromLatin1(id), [this, alignment] {
            const auto [open, close] = FixedMarkup::alignment(alignment, m_workbench.options().options().safeAlignment);
            WrapSelection(m_workbench.activeEditor(), open, close);
        });
    }
    commands.handle(QStringLiteral("actPunkt"), [this] { FixedMarkup::wrapListItem(m_workbench.activeEditor()); });
    const auto emptyElement = [this](const char *name) {
        return QStringLiteral("<%1%2>").arg(QLatin1String(name), m_workbench.options().options().emptyElementSuffix());
    };
    insert(QStringLiteral("actLinieskift"), [emptyElement] { return emptyElement("br"); });
    insert(QStringLiteral("actVandretLinie"), [emptyElement] { return emptyElement("hr"); });
    insert(QStringLiteral("actHaardtMellemrum"), [] { return QStringLiteral("&nbsp;"); });
}

void HtmlCommands::attachConversions()
{
    CommandRegistry &commands = m_workbench.commands();
    const std::pair<const char *, TextCaseMode> cases[] = {
        {"actStoreBogstaver", TextCaseMode::Upper},
        {"actSmaaBogstaver", TextCaseMode::Lower},
        {"actSkiftAlle", TextCaseMode::Swap},
        {"actStartOrd", TextCaseMode::WordInitials},
        {"actStartSaetninger", TextCaseMode::SentenceInitials},
        {"actIndsaetMellemrum", TextCaseMode::LetterSpacing},
    };
    for (const auto &[id, mode] : cases) {
        commands.handle(QString::fromLatin1(id),
                        [this, mode = mode] { m_conversions->convertCase(m_workbench.activeEditor(), mode); });
    }

    using Characters = TextConversions::Characters;
    const std::pair<const char *, Characters> characters[] = {
        {"actDanskTilKoder", Characters::DanishToReferences},
        {"actKoderTilDansk", Characters::ReferencesToDanish},
        {"actSpecialTilKoder", Characters::SpecialToReferences},
        {"actKoderTilSpecial", Characters::ReferencesToSpecial},
    };
    for (const auto &[id, conversion] : characters) {
        commands.handle(QString::fromLatin1(id), [this, conversion = conversion] {
            m_conversions->convertCharacters(m_workbench.activeEditor(), conversion);
        });
    }

    commands.handle(QStringLiteral("actXhtml"),
                    [this] { m_conversions->convertMarkup(m_workbench.activeEditor(), false, true); });
    commands.handle(QStringLiteral("actKoderStore"),
                    [this] { m_conversions->convertMarkup(m_workbench.activeEditor(), true, false); });
    commands.handle(QStringLiteral("actKoderSmaa"),
                    [this] { m_conversions->convertMarkup(m_workbench.activeEditor(), false, false); });
    commands.handle(QStringLiteral("actSletKoder"), [this] { m_conversions->stripMarkup(m_workbench.activeEditor()); });
}

void HtmlCommands::attachCheckAndDate()
{
    CommandRegistry &commands = m_workbench.commands();
    commands.handle(QStringLiteral("actTjekHtml"), [this] {
        QString report;
        {
            BusyDisplay busy;
            report = CheckHtml(m_workbench.activeEditor(), m_lists.TagCheckElements);
        }
        m_workbench.prompter().message({HtmlCheckCaption, report, Prompter::Icon::Information, Prompter::Ok});
    });
    commands.enableWhile(QStringLiteral("actTjekHtml"), CommandCause::Modified,
                         [this] { return m_workbench.activeEditor().GetTextLength() > 0; });

    commands.handle(QStringLiteral("actOpdateringsdato"), [this] {
        m_autoDate->updateDateCommand(m_workbench.activeEditor(), m_workbench.documents().active().name(),
                                      m_workbench.options().options());
    });
}

void HtmlCommands::followDocuments()
{
    DocumentList &documents = m_workbench.documents();
    // The generator element goes in before the date, and both before the
    // letters become references in what is written.
    connect(&documents, &DocumentList::aboutToSave, this, [this](Document &document, SaveRequest &) {
        const SettingsOptions &options = m_workbench.options().options();
        if (!FileClasses::isHtmlFile(document.path, options.htmlFilter))
            return;
        if (options.generator) {
            refreshGeneratorElement(*document.text, options.generatorElement(), m_workbench.prompter(),
                                    m_workbench.window().windowTitle());
        }
        m_autoDate->beforeSave(*document.text, document.name(), options);
    });
    connect(&documents, &DocumentList::aboutToSave, this, [this](Document &document, SaveRequest &request) {
        if (request.danishCodesAsked || m_workbench.options().options().danishLetterCodes)
            request.textToWrite = m_conversions->saveConversion(document.text->GetText());
    });
    connect(&documents, &DocumentList::opened, this, [this](Document &document) {
        if (m_workbench.options().options().danishLetterCodes)
            document.text->SetText(m_conversions->openConversion(document.text->GetText()));
    });
}
