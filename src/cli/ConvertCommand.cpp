#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/DocumentAccess.h"
#include "cli/Invocation.h"
#include "cli/ToolContext.h"
#include "html/CharacterReferences.h"
#include "html/ConversionCommands.h"
#include "html/MarkupCase.h"
#include "html/MarkupStrip.h"
#include "resources/SpecialCharacters.h"

#include <QStringList>

namespace {

enum class Scope {
    Body, // the character conversions: the body (or noframes) element, else everything
    WholeText, // the markup conversions
};

struct Conversion
{
    Converter convert;
    Scope scope;
};

std::optional<Conversion> conversionFor(const QString &mode, const ToolContext &context)
{
    if (mode == QLatin1String("danish-to-refs"))
        return Conversion{[](const QString &text) { return DanishToReferences(text); }, Scope::Body};
    if (mode == QLatin1String("refs-to-danish"))
        return Conversion{[](const QString &text) { return ReferencesToDanish(text); }, Scope::Body};
    if (mode == QLatin1String("tags-upper"))
        return Conversion{[](const QString &text) { return ConvertMarkupCase(text, true, false); }, Scope::WholeText};
    if (mode == QLatin1String("tags-lower"))
        return Conversion{[](const QString &text) { return ConvertMarkupCase(text, false, false); }, Scope::WholeText};
    if (mode == QLatin1String("xhtml"))
        return Conversion{[](const QString &text) { return ConvertMarkupCase(text, false, true); }, Scope::WholeText};
    if (mode == QLatin1String("strip"))
        return Conversion{StripMarkup, Scope::WholeText};

    const bool toReferences = mode == QLatin1String("special-to-refs");
    if (!toReferences && mode != QLatin1String("refs-to-special")) {
        Console::complain(QStringLiteral("Ukendt konvertering: %1").arg(mode));
        Console::complain(QStringLiteral("Skriv \"pwtool --help\" for at se konverteringerne."));
        return std::nullopt;
    }
    const QString library = context.libraryFile(QStringLiteral("specialtegn.dat"));
    const std::optional<QList<SpecialCharacterRow>> rows = LoadSpecialCharacterRows(library);
    if (!rows) {
        Console::complain(QStringLiteral("Kan ikke læse biblioteksfilen %1.").arg(library));
        return std::nullopt;
    }
    if (toReferences)
        return Conversion{[rows = *rows](const QString &text) { return SpecialToReferences(text, rows); }, Scope::Body};
    return Conversion{[rows = *rows](const QString &text) { return ReferencesToSpecial(text, rows); }, Scope::Body};
}

} // namespace

int runConvert(const Invocation &invocation, const ToolContext &context)
{
    const std::optional<Conversion> conversion = conversionFor(invocation.mode, context);
    if (!conversion)
        return ExitFailure;
    int exitCode = ExitSuccess;
    for (const FileArgument &file : invocation.files) {
        const std::optional<DocumentFile> document = readDocument(file);
        if (!document) {
            exitCode = ExitFailure;
            continue;
        }
        const QString &text = document->text;
        const QString converted = conversion->scope == Scope::Body
            ? CharacterConversionRange(text).apply(text, conversion->convert)
            : conversion->convert(text);
        if (invocation.toStdout) {
            // The bytes the file would hold, so the output can stand in for it.
            FileEncoding encoding = document->encoding;
            Console::writeBytes(encodedFromUtf8(converted.toUtf8(), encoding));
        } else if (converted != text && !writeDocument(file, *document, converted)) {
            exitCode = ExitFailure;
        }
    }
    return exitCode;
}
