#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/DocumentAccess.h"
#include "cli/EncodedWriter.h"
#include "cli/Invocation.h"
#include "cli/ToolContext.h"
#include "editor/AtomicFileWriter.h"
#include "html/CharacterReferences.h"
#include "html/ConversionCommands.h"
#include "html/MarkupCase.h"
#include "html/MarkupStrip.h"
#include "resources/SpecialCharacters.h"

#include <QStringList>

// A page may be large, so it is never held twice: the converted text is
// handed on in pieces and written as it comes, each piece compared with the
// page to see whether the conversion changed anything.

namespace {

// A conversion of a whole page. `prepare`, where there is one, converts the
// page in its own memory and answers whether that changed it; `pieces` hands
// on the converted page, and can do so again.
struct Conversion
{
    std::function<bool(QString &page)> prepare;
    std::function<void(QStringView page, const TextPieces &write)> pieces;
};

// The character conversions keep to the body (or noframes) element, else the whole page.
Conversion characterConversion(const Converter &convert)
{
    return {{}, [convert](QStringView page, const TextPieces &write) {
                CharacterConversionRange(page).applyInPieces(page, convert, write);
            }};
}

Conversion markupCase(bool upper, bool xhtml)
{
    return {{}, [upper, xhtml](QStringView page, const TextPieces &write) { ConvertMarkupCase(page, upper, xhtml, write); }};
}

// Stripping only deletes, so it works in the page's memory, and whether it
// deleted anything shows in the length.
Conversion strip()
{
    return {[](QString &page) {
                const qsizetype length = page.size();
                page = StripMarkup(std::move(page));
                return page.size() != length;
            },
            [](QStringView page, const TextPieces &write) { write(page); }};
}

std::optional<Conversion> conversionFor(const QString &mode, const ToolContext &context)
{
    if (mode == QLatin1String("danish-to-refs"))
        return characterConversion([](const QString &text) { return DanishToReferences(text); });
    if (mode == QLatin1String("refs-to-danish"))
        return characterConversion([](const QString &text) { return ReferencesToDanish(text); });
    if (mode == QLatin1String("tags-upper"))
        return markupCase(true, false);
    if (mode == QLatin1String("tags-lower"))
        return markupCase(false, false);
    if (mode == QLatin1String("xhtml"))
        return markupCase(false, true);
    if (mode == QLatin1String("strip"))
        return strip();

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
        return characterConversion([rows = *rows](const QString &text) { return SpecialToReferences(text, rows); });
    return characterConversion([rows = *rows](const QString &text) { return ReferencesToSpecial(text, rows); });
}

// Whether the pieces handed on differ from the page.
class ChangeWatch
{
public:
    ChangeWatch(QStringView page, bool changedAlready)
        : m_page(page)
        , m_changed(changedAlready)
    {
    }

    void see(QStringView piece)
    {
        if (!m_changed)
            m_changed = piece.size() > m_page.size() - m_seen || m_page.sliced(m_seen, piece.size()) != piece;
        m_seen += piece.size();
    }

    bool changed() const { return m_changed || m_seen != m_page.size(); }

private:
    QStringView m_page;
    bool m_changed;
    qsizetype m_seen = 0;
};

using PagePieces = std::function<void(const TextPieces &)>;

// The bytes the file would hold, so the output can stand in for it.
bool writeToStandardOutput(const PagePieces &pieces, FileEncoding encoding)
{
    EncodedWriter output(encoding, Console::writeBytes);
    pieces([&](QStringView piece) { output.write(piece); });
    return !output.failed();
}

// The new file takes the old one's place only when the conversion changed
// the page, and never over a write-protected file.
bool writeInPlace(const FileArgument &file, QStringView page, bool changedAlready, const PagePieces &pieces,
                  FileEncoding encoding)
{
    ChangeWatch watch(page, changedAlready);
    if (isWriteProtected(file)) {
        pieces([&](QStringView piece) { watch.see(piece); });
        if (!watch.changed())
            return true;
        complainWriteProtected(file);
        return false;
    }
    AtomicFileWriter writer(file.native);
    EncodedWriter output(encoding, [&](QByteArrayView bytes) { return writer.write(bytes); });
    pieces([&](QStringView piece) {
        watch.see(piece);
        output.write(piece);
    });
    if (!watch.changed() || (!output.failed() && writer.commit()))
        return true;
    complainUnwritable(file, writer.error());
    return false;
}

} // namespace

int runConvert(const Invocation &invocation, const ToolContext &context)
{
    const std::optional<Conversion> conversion = conversionFor(invocation.mode, context);
    if (!conversion)
        return ExitFailure;
    int exitCode = ExitSuccess;
    for (const FileArgument &file : invocation.files) {
        std::optional<DocumentFile> document = readDocument(file);
        if (!document) {
            exitCode = ExitFailure;
            continue;
        }
        const bool changedAlready = conversion->prepare && conversion->prepare(document->text);
        const QStringView page = document->text;
        const PagePieces pieces = [&](const TextPieces &write) { conversion->pieces(page, write); };
        const FileEncoding encoding = fittingEncoding(document->encoding, pieces);
        if (invocation.toStdout) {
            // Standard output takes nothing more once it has failed; main() tells why.
            if (!writeToStandardOutput(pieces, encoding))
                return ExitFailure;
        } else if (!writeInPlace(file, page, changedAlready, pieces, encoding)) {
            exitCode = ExitFailure;
        }
    }
    return exitCode;
}
