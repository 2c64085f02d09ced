#include "dialogs/element/DialogTitles.h"

#include "dialogs/element/AlignmentPanel.h"
#include "dialogs/element/DialogKinds.h"

namespace {

struct KindTitle
{
    int kind;
    const char *title;
    bool editTitle; // "%s - redigering" when editing
};

// clang-format off
const KindTitle Titles[] = {
    {DialogKind::Sound, "Lydfil:", true},
    {DialogKind::BackgroundSound, "Lydfil:", true},
    {DialogKind::Email, "E-mail", true},
    {DialogKind::Frameset, "Rammer - rediger antal og størrelse", false},
    {DialogKind::UserCode, "Rediger HTML-kode", true},
    {DialogKind::Title, "Titel - rediger", false},
    {DialogKind::TableCell, "Tabelcelle - redigering", false},
    {DialogKind::BrowserEntry, "Browser - rediger", true},
    {DialogKind::NoFrames, "Rammer - alternativ tekst", false},
    {DialogKind::Block, "Blokformatering", true},
    {DialogKind::Word, "Ordformatering", true},
    {DialogKind::Password, "Adgangskode", false},
    {DialogKind::HorizontalLine, "Vandret linie", true},
    {DialogKind::TableRow, "Tabelrække - redigering", false},
    {DialogKind::Link, "Henvisning", true},
    {DialogKind::WindowOpenCall, "Browservindue", false},
    {DialogKind::List, "Punktopstilling", true},
    {DialogKind::Page, "Basiskoder", true},
    {DialogKind::Image, "Grafik", true},
    {DialogKind::Paragraph, "Afsnitsformatering", true},
};
// clang-format on

} // namespace

QString dialogTitle(int kind, bool editMode)
{
    QString title;
    bool editTitle = true;
    if (kind >= DialogKind::Heading1 && kind < DialogKind::Heading1 + 6) {
        title = QStringLiteral("%1 %2").arg(QStringLiteral("Overskrift"), AlignmentValues::forKind(kind).element);
    } else {
        for (const KindTitle &entry : Titles) {
            if (entry.kind == kind) {
                title = QString::fromUtf8(entry.title);
                editTitle = entry.editTitle;
            }
        }
    }
    if (editMode && editTitle && !title.isEmpty())
        return QStringLiteral("%1 - %2").arg(title, QStringLiteral("redigering"));
    return title;
}
