#include "html/AutoDate.h"

#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "core/SettingsOptions.h"
#include "editor/EditableText.h"
#include "html/DatePattern.h"
#include "html/HeadPlacement.h"

namespace {

const QString QuestionCaption = QStringLiteral("Pagewick Autodato");

// Where a place ends up after the text between `from` and `to` was replaced by
// text ending at `newEnd`: before the change it stays, inside it goes to the
// change's start, after it moves with the text that follows. At the place of
// a pure insertion it moves too, so a selection keeps its text.
TextPos afterReplace(TextPos place, TextPos from, TextPos to, TextPos newEnd)
{
    if (place < from || (place == from && from != to))
        return place;
    if (place < to)
        return from;
    if (place.line == to.line)
        return {newEnd.line, newEnd.column + place.column - to.column};
    return {place.line + newEnd.line - to.line, place.column};
}

// Puts the text in place of the stretch and keeps the selection and the first
// line shown on their text.
void replaceKeepingPlaces(EditableText &text, TextPos from, TextPos to, const QString &replacement, SelectionRecord &selection,
                          int &firstLine)
{
    text.SetSelection(SelectionRecord::between(from, to));
    text.ReplaceSelection(replacement);
    const TextPos newEnd = text.GetSelection().caret();
    selection = SelectionRecord::between(afterReplace(selection.anchor(), from, to, newEnd),
                                         afterReplace(selection.caret(), from, to, newEnd));
    if (firstLine > from.line)
        firstLine += newEnd.line - to.line;
}

QString dateFor(const AutoDateSettings &settings, Prompter &prompter)
{
    if (const auto date = FormatDatePattern(settings.format, settings.now))
        return *date;
    prompter.message({Product::Caption,
                      QStringLiteral("Det angivne datoformat under Indstillinger er ikke lovligt.Pagewick indsætter "
                                     "et gyldigt format. Læs om datoformat i hjælpefilen."),
                      Prompter::Icon::Warning, Prompter::Ok});
    return FormatDatePattern(QStringLiteral("d.m.yyyy"), settings.now).value_or(QString());
}

// Where a date line goes on save: before </body>, else before </html>, else at the end.
TextPos closingPlace(const EditableText &text)
{
    if (const auto body = text.findFrom(QStringLiteral("</BODY>"), {1, 0}))
        return body->start;
    if (const auto html = text.findFrom(QStringLiteral("</HTML>"), {1, 0}))
        return html->start;
    const int last = text.GetLineCount();
    return {last, text.GetLineLength(last)};
}

} // namespace

AutoDateSettings AutoDateSettings::fromOptions(const SettingsOptions &options, const QDateTime &now)
{
    return {options.dateFormat, options.existingDateOnly, now};
}

bool UpdateAutoDate(EditableText &text, const QString &fileName, AutoDateMode mode, const AutoDateSettings &settings,
                    Prompter &prompter)
{
    if (text.IsReadOnly())
        return false;
    const QString date = dateFor(settings, prompter);
    if (text.findFrom(AutoDateStartMarker + date, {1, 0}) || text.findFrom(NoAutoDateMarker, {1, 0}))
        return false;

    SelectionRecord selection = text.GetSelection();
    int firstLine = text.firstShownLine();
    bool changed = true;
    text.beginEdit();
    if (const auto start = text.findFrom(AutoDateStartMarker, {1, 0})) {
        if (const auto end = text.findFrom(AutoDateEndMarker, start->end)) {
            replaceKeepingPlaces(text, start->end, end->start, date, selection, firstLine);
        } else {
            text.SetSelection(SelectionRecord::between(start->start, start->end));
            prompter.message({Product::Caption,
                              QStringLiteral("Auto-opdateringsdatoen i %1 er blevet ødelagt.\nSlet det markerede og den "
                                             "gamle dato og lad Pagewick indsætte en ny.")
                                  .arg(fileName),
                              Prompter::Icon::Warning, Prompter::Ok});
            changed = false;
        }
    } else {
        const QString dateLine = AutoDateStartMarker + date + AutoDateEndMarker + QStringLiteral("\r\n");
        if (mode == AutoDateMode::Command) {
            const TextPos at = selection.start();
            replaceKeepingPlaces(text, at, at, dateLine, selection, firstLine);
        } else if (settings.existingOnly) {
            changed = false;
        } else if (prompter.message({QuestionCaption,
                                     QStringLiteral("%1 indeholder ikke en Auto-opdateringsdato.\nØnsker du, at "
                                                    "Pagewick skal indsætte en opdateringsdato?")
                                         .arg(fileName),
                                     Prompter::Icon::Question, Prompter::Yes | Prompter::No})
                   == Prompter::Yes) {
            const TextPos at = closingPlace(text);
            replaceKeepingPlaces(text, at, at, dateLine, selection, firstLine);
        } else {
            // The refusal is remembered in the page, so later saves do not ask again.
            PositionInHead(text, QStringLiteral("meta"), true, prompter, QuestionCaption);
            const TextPos at = text.GetSelection().caret();
            replaceKeepingPlaces(text, at, at, NoAutoDateMarker + QStringLiteral("\r\n"), selection, firstLine);
        }
    }
    text.endEdit();
    text.setFirstShownLine(firstLine);
    text.SetSelection(selection);
    return changed;
}

bool RunUpdateDateCommand(EditableText &text, const QString &fileName, const AutoDateSettings &settings, Prompter &prompter)
{
    if (text.IsReadOnly())
        return false;
    SelectionRecord selection = text.GetSelection();
    int firstLine = text.firstShownLine();
    bool removedRefusal = false;
    if (const auto refusal = text.findFrom(NoAutoDateMarker, {1, 0})) {
        replaceKeepingPlaces(text, refusal->start, refusal->end, QString(), selection, firstLine);
        text.SetSelection(selection);
        removedRefusal = true;
    }
    return UpdateAutoDate(text, fileName, AutoDateMode::Command, settings, prompter) || removedRefusal;
}
