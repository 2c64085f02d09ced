#include "resources/ResolvePlaceholder.h"

#include "core/Prompter.h"
#include "files/RelativePaths.h"
#include "html/ColourText.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>

namespace {

const QString AllFiles = QStringLiteral("Alle filer (*.*)");
constexpr int MaxValueLength = 255;

QString chooseColour(const QString &value, const PlaceholderContext &context, Prompter &prompter)
{
    RgbColour start = HtmlToColor(value);
    if (context.webColourDialog && context.chooseWebColour)
        return context.chooseWebColour(start) ? ColorToHtml(start) : value;
    QColor colour(start.red, start.green, start.blue);
    if (!prompter.chooseColour(colour))
        return value;
    return ColorToHtml({colour.red(), colour.green(), colour.blue()});
}

QString chooseFonts(const QString &value, bool styleMode, const PlaceholderContext &context)
{
    if (!context.editFontFamilies)
        return value;
    return context.editFontFamilies(value, styleMode).value_or(value);
}

// The file a reference names: without a url( ) wrapper or single quotes,
// read from the base file's folder.
QString referencedFile(QString reference, const QString &baseFile)
{
    if (reference.startsWith(QStringLiteral("url("), Qt::CaseInsensitive) && reference.endsWith(QLatin1Char(')')))
        reference = reference.mid(4, reference.size() - 5);
    if (reference.size() >= 2 && reference.startsWith(QLatin1Char('\'')) && reference.endsWith(QLatin1Char('\'')))
        reference = reference.mid(1, reference.size() - 2);
    if (QDir::isAbsolutePath(reference) || baseFile.isEmpty())
        return reference;
    return ResolvePath(QFileInfo(baseFile).absolutePath(), reference);
}

QString chooseFile(const QString &value, bool pictures, bool styleMode, const PlaceholderContext &context, Prompter &prompter)
{
    const QString base = context.styleEditorPath.isEmpty() ? context.documentPath : context.styleEditorPath;
    const QString start = referencedFile(value, base);
    const qsizetype slash = start.lastIndexOf(QLatin1Char('/'));
    Prompter::FileDialog dialog;
    dialog.folder = slash < 0 ? QString() : start.left(qMax(slash, qsizetype(1)));
    dialog.fileName = start.mid(slash + 1);
    if (pictures)
        dialog.filters = {{QStringLiteral("Grafikfiler"), QStringLiteral("*.gif;*.jpg;*.jpeg;*.png")},
                          {AllFiles, QStringLiteral("*.*")}};
    else
        dialog.filters = {{QStringLiteral("HTML-dokumenter"), context.htmlFilter}, {AllFiles, QStringLiteral("*.*")}};
    const QString chosen = prompter.openFile(dialog);
    if (chosen.isEmpty())
        return value;
    if (styleMode)
        return QStringLiteral("url(%1)").arg(RelativePath(base, chosen, true));
    return RelativePath(context.documentPath, chosen, true);
}

QString askForValue(const QString &value, const QString &placeholder, Prompter &prompter)
{
    QString name = placeholder;
    if (name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']')))
        name = name.mid(1, name.size() - 2);
    const std::optional<QString> answer = prompter.inputText(QStringLiteral("Værdi"), QStringLiteral("Indtast %1:").arg(name),
                                                             value);
    if (!answer)
        return value;
    QString result = answer->left(MaxValueLength);
    if (placeholder == QLatin1String("[procent]") && !result.isEmpty() && !result.contains(QLatin1Char('%')))
        result += QLatin1Char('%');
    return result;
}

} // namespace

QString ResolvePlaceholder(const QString &value, const QString &placeholder, bool styleMode, const PlaceholderContext &context,
                           Prompter &prompter)
{
    if (placeholder == QLatin1String("[farve]"))
        return chooseColour(value, context, prompter);
    if (placeholder == QLatin1String("[font]"))
        return chooseFonts(value, styleMode, context);
    if (placeholder == QLatin1String("[url]") || placeholder == QLatin1String("[url(grafik)]"))
        return chooseFile(value, placeholder != QLatin1String("[url]"), styleMode, context, prompter);
    return askForValue(value, placeholder, prompter);
}
