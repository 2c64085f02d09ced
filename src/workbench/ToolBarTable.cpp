#include "workbench/ToolBarTable.h"

namespace ToolBarTable {

const QList<ToolBarButton> &mainToolBar()
{
    // clang-format off
    static const QList<ToolBarButton> buttons = {
        {QStringLiteral("actNytDokument"), QStringLiteral("Nyt dokument"), QStringLiteral("new-document")},
        {QStringLiteral("actGem"), QStringLiteral("Gem"), QStringLiteral("save")},
        {},
        {QStringLiteral("actFortryd"), QStringLiteral("Fortryd"), QStringLiteral("undo")},
        {QStringLiteral("actAnnullerFortryd"), QStringLiteral("Annuller fortryd"), QStringLiteral("redo")},
        {QStringLiteral("actResursefaner"), QStringLiteral("Vis/skjul resursefaner"), QStringLiteral("side-panel")},
        {},
        {QStringLiteral("actFed"), QStringLiteral("Fed skrift"), QStringLiteral("bold")},
        {QStringLiteral("actKursiv"), QStringLiteral("Kursiv skrift"), QStringLiteral("italic")},
        {QStringLiteral("actUnderstreget"), QStringLiteral("Understreget skrift"), QStringLiteral("underline")},
        {QStringLiteral("actSkrifttypeKnap"), QStringLiteral("Skrifttype"), QStringLiteral("font")},
        {},
        {QStringLiteral("actCentrer"), QStringLiteral("Centrér"), QStringLiteral("align-center")},
        {QStringLiteral("actLigeMarginer"), QStringLiteral("Lige marginer"), QStringLiteral("justify")},
        {},
        {QStringLiteral("actLinieskift"), QStringLiteral("Linieskift"), QStringLiteral("line-break")},
        {QStringLiteral("actAfsnit"), QStringLiteral("Afsnit"), QStringLiteral("paragraph")},
        {QStringLiteral("actVandretLinie"), QStringLiteral("Linie"), QStringLiteral("horizontal-rule")},
        {},
        {QStringLiteral("actBasiskoder"), QStringLiteral("Basiskoder, ny side"), QStringLiteral("page-skeleton")},
        {QStringLiteral("actHenvisning"), QStringLiteral("Henvisning"), QStringLiteral("link")},
        {QStringLiteral("actGrafik"), QStringLiteral("Grafik"), QStringLiteral("image")},
        {QStringLiteral("actLyd"), QStringLiteral("Lyd"), QStringLiteral("sound")},
        {QStringLiteral("actLinie"), QStringLiteral("Linie"), QStringLiteral("line-dialog")},
        {QStringLiteral("actEmail"), QStringLiteral("E-mail"), QStringLiteral("email")},
        {},
        {QStringLiteral("actTabelKnap"), QStringLiteral("Tabel"), QStringLiteral("table")},
        {QStringLiteral("actPunktopstilling"), QStringLiteral("Punktopstilling"), QStringLiteral("bullet-list")},
        {QStringLiteral("actRammer"), QStringLiteral("Rammer"), QStringLiteral("frames")},
        {QStringLiteral("actFormular"), QStringLiteral("Formular"), QStringLiteral("form")},
        {QStringLiteral("actBilledkorteditor"), QStringLiteral("Billedkorteditor"), QStringLiteral("image-map")},
        {},
        {QStringLiteral("actKommentar"), QStringLiteral("Kommentar"), QStringLiteral("comment")},
        {QStringLiteral("actOpdateringsdato"), QStringLiteral("Opdateringsdato"), QStringLiteral("date")},
        {},
        {QStringLiteral("actOverfoersel"), QStringLiteral("Overførsel til Internet"), QStringLiteral("publish")},
        {QStringLiteral("actIndstillinger"), QStringLiteral("Indstillinger"), QStringLiteral("settings")},
    };
    // clang-format on
    return buttons;
}

} // namespace ToolBarTable
