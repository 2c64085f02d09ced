#include "workbench/ToolBarTable.h"

namespace ToolBarTable {

const QList<ToolBarButton> &mainToolBar()
{
    // clang-format off
    static const QList<ToolBarButton> buttons = {
        {QStringLiteral("actNytDokument"), QStringLiteral("Nyt dokument"), QStringLiteral("N")},
        {QStringLiteral("actGem"), QStringLiteral("Gem"), QStringLiteral("G")},
        {},
        {QStringLiteral("actFortryd"), QStringLiteral("Fortryd"), QStringLiteral("↶")},
        {QStringLiteral("actAnnullerFortryd"), QStringLiteral("Annuller fortryd"), QStringLiteral("↷")},
        {QStringLiteral("actResursefaner"), QStringLiteral("Vis/skjul resursefaner"), QStringLiteral("▤")},
        {},
        {QStringLiteral("actFed"), QStringLiteral("Fed skrift"), QStringLiteral("F")},
        {QStringLiteral("actKursiv"), QStringLiteral("Kursiv skrift"), QStringLiteral("K")},
        {QStringLiteral("actUnderstreget"), QStringLiteral("Understreget skrift"), QStringLiteral("U")},
        {QStringLiteral("actSkrifttypeKnap"), QStringLiteral("Skrifttype"), QStringLiteral("H")},
        {},
        {QStringLiteral("actCentrer"), QStringLiteral("Centrér"), QStringLiteral("≡")},
        {QStringLiteral("actLigeMarginer"), QStringLiteral("Lige marginer"), QStringLiteral("☰")},
        {},
        {QStringLiteral("actLinieskift"), QStringLiteral("Linieskift"), QStringLiteral("br")},
        {QStringLiteral("actAfsnit"), QStringLiteral("Afsnit"), QStringLiteral("¶")},
        {QStringLiteral("actVandretLinie"), QStringLiteral("Linie"), QStringLiteral("hr")},
        {},
        {QStringLiteral("actBasiskoder"), QStringLiteral("Basiskoder, ny side"), QStringLiteral("ny")},
        {QStringLiteral("actHenvisning"), QStringLiteral("Henvisning"), QStringLiteral("a")},
        {QStringLiteral("actGrafik"), QStringLiteral("Grafik"), QStringLiteral("img")},
        {QStringLiteral("actLyd"), QStringLiteral("Lyd"), QStringLiteral("♪")},
        {QStringLiteral("actLinie"), QStringLiteral("Linie"), QStringLiteral("—")},
        {QStringLiteral("actEmail"), QStringLiteral("E-mail"), QStringLiteral("@")},
        {},
        {QStringLiteral("actTabelKnap"), QStringLiteral("Tabel"), QStringLiteral("▦")},
        {QStringLiteral("actPunktopstilling"), QStringLiteral("Punktopstilling"), QStringLiteral("•")},
        {QStringLiteral("actRammer"), QStringLiteral("Rammer"), QStringLiteral("▥")},
        {QStringLiteral("actFormular"), QStringLiteral("Formular"), QStringLiteral("frm")},
        {QStringLiteral("actBilledkorteditor"), QStringLiteral("Billedkorteditor"), QStringLiteral("map")},
        {},
        {QStringLiteral("actKommentar"), QStringLiteral("Kommentar"), QStringLiteral("!--")},
        {QStringLiteral("actOpdateringsdato"), QStringLiteral("Opdateringsdato"), QStringLiteral("dato")},
        {},
        {QStringLiteral("actOverfoersel"), QStringLiteral("Overførsel til Internet"), QStringLiteral("ftp")},
        {QStringLiteral("actIndstillinger"), QStringLiteral("Indstillinger"), QStringLiteral("⚙")},
    };
    // clang-format on
    return buttons;
}

} // namespace ToolBarTable
