#include "workbench/CommandTable.h"

namespace CommandTable {

namespace {

QList<CommandEntry> build()
{
    // clang-format off
    return {
        CommandEntry{QStringLiteral("mnuFiler"), QStringLiteral("&Filer"), QStringLiteral(""), {
            CommandEntry{QStringLiteral("actNy"), QStringLiteral("&Ny..."), QStringLiteral("Ctrl+N")},
            CommandEntry{QStringLiteral("actAabn"), QStringLiteral("&Åbn..."), QStringLiteral("Ctrl+O")},
            CommandEntry{QStringLiteral("mnuSenesteFiler"), QStringLiteral("Senest å&bnede filer"), QStringLiteral(""), {

            }},
            CommandEntry{},
            CommandEntry{QStringLiteral("actLuk"), QStringLiteral("&Luk"), QStringLiteral("Ctrl+F4")},
            CommandEntry{QStringLiteral("actLukAlle"), QStringLiteral("Luk a&lle"), QStringLiteral("")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actGem"), QStringLiteral("&Gem"), QStringLiteral("Ctrl+S")},
            CommandEntry{QStringLiteral("actGemSom"), QStringLiteral("Gem &som..."), QStringLiteral("")},
            CommandEntry{QStringLiteral("actGemAlle"), QStringLiteral("Gem all&e"), QStringLiteral("")},
            CommandEntry{QStringLiteral("actGemKoder"), QStringLiteral("Gem med ÆØÅ-&koder"), QStringLiteral("Ctrl+Æ")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actRetFilnavne"), QStringLiteral("&Ret filnavne..."), QStringLiteral("")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actUdskriv"), QStringLiteral("&Udskriv..."), QStringLiteral("Ctrl+P")},
            CommandEntry{QStringLiteral("actIndstilPrinter"), QStringLiteral("&Indstil printer..."), QStringLiteral("")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actBilledfremviser"), QStringLiteral("&Billedfremviser"), QStringLiteral("")},
            CommandEntry{QStringLiteral("actEgenskaber"), QStringLiteral("Egens&kaber"), QStringLiteral("")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actAfslut"), QStringLiteral("&Afslut"), QStringLiteral("Alt+F4")},
        }},
        CommandEntry{QStringLiteral("mnuRediger"), QStringLiteral("&Rediger"), QStringLiteral(""), {
            CommandEntry{QStringLiteral("actFortryd"), QStringLiteral("&Fortryd"), QStringLiteral("Ctrl+Z")},
            CommandEntry{QStringLiteral("actAnnullerFortryd"), QStringLiteral("&Annuller fortryd"), QStringLiteral("Ctrl+Shift+Z")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actKlip"), QStringLiteral("&Klip"), QStringLiteral("")},
            CommandEntry{QStringLiteral("actKopier"), QStringLiteral("K&opier"), QStringLiteral("")},
            CommandEntry{QStringLiteral("actSaetInd"), QStringLiteral("&Sæt ind"), QStringLiteral("")},
            CommandEntry{QStringLiteral("actSlet"), QStringLiteral("S&let"), QStringLiteral("")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actMarkerAlt"), QStringLiteral("&Marker alt"), QStringLiteral("Ctrl+A")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actRedigerElement"), QStringLiteral("&Rediger HTML-element"), QStringLiteral("F4")},
            CommandEntry{},
            CommandEntry{QStringLiteral("mnuTekstkonvertering"), QStringLiteral("&Tekstkonvertering"), QStringLiteral(""), {
                CommandEntry{QStringLiteral("actStoreBogstaver"), QStringLiteral("Konverter til &store bogstaver"), QStringLiteral("")},
                CommandEntry{QStringLiteral("actSmaaBogstaver"), QStringLiteral("Konverter til s&må bogstaver"), QStringLiteral("")},
                CommandEntry{QStringLiteral("actSkiftAlle"), QStringLiteral("Skift &alle"), QStringLiteral("")},
                CommandEntry{QStringLiteral("actStartOrd"), QStringLiteral("Start &ord med stort"), QStringLiteral("")},
                CommandEntry{QStringLiteral("actStartSaetninger"), QStringLiteral("Start s&ætninger med stort"), QStringLiteral("")},
                CommandEntry{QStringLiteral("actIndsaetMellemrum"), QStringLiteral("&Indsæt mellemrum"), QStringLiteral("")},
            }},
            CommandEntry{QStringLiteral("mnuDanskeTegn"), QStringLiteral("&Danske tegn"), QStringLiteral(""), {
                CommandEntry{QStringLiteral("actDanskTilKoder"), QStringLiteral("Erstat æ, ø, å med &koder"), QStringLiteral("")},
                CommandEntry{QStringLiteral("actKoderTilDansk"), QStringLiteral("Erstat koder med &æ, ø, å"), QStringLiteral("")},
            }},
            CommandEntry{QStringLiteral("mnuSpecialtegn"), QStringLiteral("S&pecialtegn"), QStringLiteral(""), {
                CommandEntry{QStringLiteral("actSpecialTilKoder"), QStringLiteral("Erstat specialtegn med &koder"), QStringLiteral("")},
                CommandEntry{QStringLiteral("actKoderTilSpecial"), QStringLiteral("Erstat koder med &specialtegn"), QStringLiteral("")},
            }},
            CommandEntry{},
            CommandEntry{QStringLiteral("actXhtml"), QStringLiteral("Konverter koder til &XHTML-standard"), QStringLiteral("")},
            CommandEntry{QStringLiteral("actKoderStore"), QStringLiteral("Konverter koder til store &bogstaver"), QStringLiteral("")},
            CommandEntry{QStringLiteral("actKoderSmaa"), QStringLiteral("Konverter koder til små bo&gstaver"), QStringLiteral("")},
            CommandEntry{QStringLiteral("actSletKoder"), QStringLiteral("Slet alle &HTML-koder"), QStringLiteral("")},
        }},
        CommandEntry{QStringLiteral("mnuSoeg"), QStringLiteral("&Søg"), QStringLiteral(""), {
            CommandEntry{QStringLiteral("actSoeg"), QStringLiteral("&Søg"), QStringLiteral("Ctrl+F")},
            CommandEntry{QStringLiteral("actFindNaeste"), QStringLiteral("&Find næste"), QStringLiteral("F3")},
            CommandEntry{QStringLiteral("actErstat"), QStringLiteral("&Erstat..."), QStringLiteral("Ctrl+R")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actUdvidetSoegning"), QStringLiteral("&Udvidet søgning..."), QStringLiteral("")},
            CommandEntry{QStringLiteral("actUdvidetErstat"), QStringLiteral("Udvidet e&rstat..."), QStringLiteral("")},
            CommandEntry{},
            CommandEntry{QStringLiteral("mnuSaetBogmaerke"), QStringLiteral("Sæt &bogmærke"), QStringLiteral(""), {
                CommandEntry{QStringLiteral("actSaetBogmaerke1"), QStringLiteral("Sæt bogmærke &1"), QStringLiteral("Shift+Alt+1")},
                CommandEntry{QStringLiteral("actSaetBogmaerke2"), QStringLiteral("Sæt bogmærke &2"), QStringLiteral("Shift+Alt+2")},
                CommandEntry{QStringLiteral("actSaetBogmaerke3"), QStringLiteral("Sæt bogmærke &3"), QStringLiteral("Shift+Alt+3")},
                CommandEntry{QStringLiteral("actSaetBogmaerke4"), QStringLiteral("Sæt bogmærke &4"), QStringLiteral("Shift+Alt+4")},
                CommandEntry{QStringLiteral("actSaetBogmaerke5"), QStringLiteral("Sæt bogmærke &5"), QStringLiteral("Shift+Alt+5")},
            }},
            CommandEntry{QStringLiteral("mnuGaaTilBogmaerke"), QStringLiteral("&Gå til bogmærke"), QStringLiteral(""), {
                CommandEntry{QStringLiteral("actGaaTilBogmaerke1"), QStringLiteral("Gå til bogmærke &1"), QStringLiteral("Alt+1")},
                CommandEntry{QStringLiteral("actGaaTilBogmaerke2"), QStringLiteral("Gå til bogmærke &2"), QStringLiteral("Alt+2")},
                CommandEntry{QStringLiteral("actGaaTilBogmaerke3"), QStringLiteral("Gå til bogmærke &3"), QStringLiteral("Alt+3")},
                CommandEntry{QStringLiteral("actGaaTilBogmaerke4"), QStringLiteral("Gå til bogmærke &4"), QStringLiteral("Alt+4")},
                CommandEntry{QStringLiteral("actGaaTilBogmaerke5"), QStringLiteral("Gå til bogmærke &5"), QStringLiteral("Alt+5")},
            }},
            CommandEntry{QStringLiteral("actGaaTilLinie"), QStringLiteral("Gå til &linie..."), QStringLiteral("Ctrl+G")},
        }},
        CommandEntry{QStringLiteral("mnuVis"), QStringLiteral("&Vis"), QStringLiteral(""), {
            CommandEntry{QStringLiteral("mnuVisninger"), QStringLiteral("&Vis"), QStringLiteral(""), {
                CommandEntry{QStringLiteral("actStoreIkoner"), QStringLiteral("&Store ikoner"), QStringLiteral(""), {}, true},
                CommandEntry{QStringLiteral("actSmaaIkoner"), QStringLiteral("S&må ikoner"), QStringLiteral(""), {}, true},
                CommandEntry{QStringLiteral("actOversigt"), QStringLiteral("&Oversigt"), QStringLiteral(""), {}, true},
                CommandEntry{QStringLiteral("actDetaljer"), QStringLiteral("&Detaljer"), QStringLiteral(""), {}, true},
            }},
            CommandEntry{QStringLiteral("mnuFiltyper"), QStringLiteral("&Filtyper"), QStringLiteral(""), {
                CommandEntry{QStringLiteral("actFilterHtml"), QStringLiteral("&HTML-filer"), QStringLiteral(""), {}, true},
                CommandEntry{QStringLiteral("actFilterBilleder"), QStringLiteral("&Billedfiler"), QStringLiteral(""), {}, true},
                CommandEntry{QStringLiteral("actFilterLyd"), QStringLiteral("&Lydfiler"), QStringLiteral(""), {}, true},
                CommandEntry{QStringLiteral("actFilterTypografi"), QStringLiteral("&Typografiark"), QStringLiteral(""), {}, true},
                CommandEntry{QStringLiteral("actFilterSkript"), QStringLiteral("&Skriptfiler"), QStringLiteral(""), {}, true},
                CommandEntry{QStringLiteral("actFilterArkiver"), QStringLiteral("&Downloadarkiver"), QStringLiteral(""), {}, true},
                CommandEntry{QStringLiteral("actFilterAlle"), QStringLiteral("&Alle filer"), QStringLiteral(""), {}, true},
            }},
            CommandEntry{QStringLiteral("mnuBiblioteker"), QStringLiteral("&Biblioteker"), QStringLiteral(""), {
                CommandEntry{QStringLiteral("actHtmlBibliotek"), QStringLiteral("&HTML-bibliotek"), QStringLiteral("F8")},
                CommandEntry{QStringLiteral("actCssBibliotek"), QStringLiteral("&CSS-bibliotek"), QStringLiteral("")},
                CommandEntry{QStringLiteral("actJsBibliotek"), QStringLiteral("&JavaScript-bibliotek"), QStringLiteral("")},
                CommandEntry{QStringLiteral("actSpecialtegnBibliotek"), QStringLiteral("&Specialtegn"), QStringLiteral("")},
                CommandEntry{QStringLiteral("actBrugerkoderBibliotek"), QStringLiteral("&Brugerkoder"), QStringLiteral("")},
            }},
            CommandEntry{},
            CommandEntry{QStringLiteral("actResursefaner"), QStringLiteral("&Resursefaner"), QStringLiteral("F7"), {}, true},
            CommandEntry{QStringLiteral("actSoegeresultater"), QStringLiteral("S&øgeresultater"), QStringLiteral("")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actOpdater"), QStringLiteral("&Opdater"), QStringLiteral("F5")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actKodeeditor"), QStringLiteral("&Kodeeditor"), QStringLiteral("Ctrl+Shift+F12"), {}, true},
            CommandEntry{QStringLiteral("actInternBrowser"), QStringLiteral("&Intern browser"), QStringLiteral("Shift+F12"), {}, true},
            CommandEntry{QStringLiteral("actArbejdOffline"), QStringLiteral("&Arbejd offline"), QStringLiteral(""), {}, true},
            CommandEntry{QStringLiteral("mnuBrowserstoerrelse"), QStringLiteral("Intern browser&størrelse"), QStringLiteral(""), {
                CommandEntry{QStringLiteral("actStoerrelse640"), QStringLiteral("&640x480"), QStringLiteral("")},
                CommandEntry{QStringLiteral("actStoerrelse800"), QStringLiteral("&800x600"), QStringLiteral("")},
                CommandEntry{QStringLiteral("actStoerrelse1024"), QStringLiteral("&1024x768"), QStringLiteral("")},
            }},
            CommandEntry{},
            CommandEntry{QStringLiteral("actEksternBrowser"), QStringLiteral("Vis side i &ekstern browser"), QStringLiteral("F11")},
        }},
        CommandEntry{QStringLiteral("mnuFormater"), QStringLiteral("F&ormater"), QStringLiteral(""), {
            CommandEntry{QStringLiteral("actFed"), QStringLiteral("&Fed"), QStringLiteral("Ctrl+B")},
            CommandEntry{QStringLiteral("actKursiv"), QStringLiteral("&Kursiv"), QStringLiteral("Ctrl+I")},
            CommandEntry{QStringLiteral("actUnderstreget"), QStringLiteral("&Understreget"), QStringLiteral("Ctrl+U")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actFontPlus"), QStringLiteral("Fontstørrelse &+1"), QStringLiteral("Ctrl++")},
            CommandEntry{QStringLiteral("actFontMinus"), QStringLiteral("Fontstørrelse &-1"), QStringLiteral("Ctrl+/")},
            CommandEntry{},
            CommandEntry{QStringLiteral("mnuOverskrift"), QStringLiteral("&Overskrift"), QStringLiteral(""), {
                CommandEntry{QStringLiteral("actOverskrift1"), QStringLiteral("Overskrift &1"), QStringLiteral("Ctrl+Shift+1")},
                CommandEntry{QStringLiteral("actOverskrift2"), QStringLiteral("Overskrift &2"), QStringLiteral("Ctrl+Shift+2")},
                CommandEntry{QStringLiteral("actOverskrift3"), QStringLiteral("Overskrift &3"), QStringLiteral("Ctrl+Shift+3")},
                CommandEntry{QStringLiteral("actOverskrift4"), QStringLiteral("Overskrift &4"), QStringLiteral("Ctrl+Shift+4")},
                CommandEntry{QStringLiteral("actOverskrift5"), QStringLiteral("Overskrift &5"), QStringLiteral("Ctrl+Shift+5")},
                CommandEntry{QStringLiteral("actOverskrift6"), QStringLiteral("Overskrift &6"), QStringLiteral("Ctrl+Shift+6")},
            }},
            CommandEntry{QStringLiteral("actOrd"), QStringLiteral("&Ord..."), QStringLiteral("")},
            CommandEntry{QStringLiteral("actBlok"), QStringLiteral("&Blok..."), QStringLiteral("")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actSkrivemaskine"), QStringLiteral("&Skrivemaskine"), QStringLiteral("")},
            CommandEntry{QStringLiteral("actPraeformateret"), QStringLiteral("&Præformateret"), QStringLiteral("")},
            CommandEntry{QStringLiteral("actFjernFormatering"), QStringLiteral("Fjern forma&tering"), QStringLiteral("")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actCentrer"), QStringLiteral("&Centrér"), QStringLiteral("Ctrl+Shift+C")},
            CommandEntry{QStringLiteral("actHoejrejuster"), QStringLiteral("&Højrejustér"), QStringLiteral("")},
            CommandEntry{QStringLiteral("actLigeMarginer"), QStringLiteral("&Lige marginer"), QStringLiteral("")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actSkrifttype"), QStringLiteral("Skrift&type..."), QStringLiteral("Ctrl+Shift+S")},
        }},
        CommandEntry{QStringLiteral("mnuIndsaet"), QStringLiteral("&Indsæt"), QStringLiteral(""), {
            CommandEntry{QStringLiteral("mnuBrugerkoder"), QStringLiteral("&Brugerkoder"), QStringLiteral(""), {
                CommandEntry{QStringLiteral("actBrugerkode1"), QStringLiteral("&1"), QStringLiteral("Ctrl+1")},
                CommandEntry{QStringLiteral("actBrugerkode2"), QStringLiteral("&2"), QStringLiteral("Ctrl+2")},
                CommandEntry{QStringLiteral("actBrugerkode3"), QStringLiteral("&3"), QStringLiteral("Ctrl+3")},
                CommandEntry{QStringLiteral("actBrugerkode4"), QStringLiteral("&4"), QStringLiteral("Ctrl+4")},
                CommandEntry{QStringLiteral("actBrugerkode5"), QStringLiteral("&5"), QStringLiteral("Ctrl+5")},
                CommandEntry{QStringLiteral("actBrugerkode6"), QStringLiteral("&6"), QStringLiteral("Ctrl+6")},
                CommandEntry{QStringLiteral("actBrugerkode7"), QStringLiteral("&7"), QStringLiteral("Ctrl+7")},
                CommandEntry{QStringLiteral("actBrugerkode8"), QStringLiteral("&8"), QStringLiteral("Ctrl+8")},
                CommandEntry{QStringLiteral("actBrugerkode9"), QStringLiteral("&9"), QStringLiteral("Ctrl+9")},
            }},
            CommandEntry{},
            CommandEntry{QStringLiteral("actHaardtMellemrum"), QStringLiteral("&Hårdt mellemrum"), QStringLiteral("Ctrl+Space")},
            CommandEntry{QStringLiteral("actLinieskift"), QStringLiteral("&Linieskift"), QStringLiteral("Ctrl+Return")},
            CommandEntry{QStringLiteral("actAfsnit"), QStringLiteral("&Afsnit"), QStringLiteral("Shift+Return")},
            CommandEntry{QStringLiteral("actVandretLinie"), QStringLiteral("&Vandret linie"), QStringLiteral("Ctrl+Shift+V")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actBasiskoder"), QStringLiteral("Basis&koder, ny side..."), QStringLiteral("Ctrl+Shift+Q")},
            CommandEntry{QStringLiteral("actHenvisning"), QStringLiteral("H&envisning..."), QStringLiteral("Ctrl+Shift+H")},
            CommandEntry{QStringLiteral("actGrafik"), QStringLiteral("&Grafik..."), QStringLiteral("Ctrl+Shift+G")},
            CommandEntry{QStringLiteral("actLyd"), QStringLiteral("L&yd..."), QStringLiteral("")},
            CommandEntry{QStringLiteral("actLinie"), QStringLiteral("L&inie..."), QStringLiteral("Ctrl+Shift+L")},
            CommandEntry{QStringLiteral("actEmail"), QStringLiteral("E-&mail..."), QStringLiteral("Ctrl+Shift+E")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actWebfarve"), QStringLiteral("&Farve, Webfarvedialog..."), QStringLiteral("")},
            CommandEntry{QStringLiteral("actSystemfarve"), QStringLiteral("Farve, &Windowsdialog..."), QStringLiteral("")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actOpdateringsdato"), QStringLiteral("&Opdateringsdato"), QStringLiteral("F6")},
            CommandEntry{QStringLiteral("actKommentar"), QStringLiteral("Kommen&tar"), QStringLiteral("Ctrl+Shift+K")},
        }},
        CommandEntry{QStringLiteral("mnuStruktur"), QStringLiteral("S&truktur"), QStringLiteral(""), {
            CommandEntry{QStringLiteral("actTabel"), QStringLiteral("&Tabel..."), QStringLiteral("Ctrl+Shift+T")},
            CommandEntry{QStringLiteral("actRaekke"), QStringLiteral("&Række"), QStringLiteral("Ctrl+Shift+R")},
            CommandEntry{QStringLiteral("actTabelcelle"), QStringLiteral("Tabel&celle"), QStringLiteral("Ctrl+Shift+D")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actPunktopstilling"), QStringLiteral("&Punktopstilling..."), QStringLiteral("Ctrl+Shift+O")},
            CommandEntry{QStringLiteral("actPunkt"), QStringLiteral("P&unkt"), QStringLiteral("Ctrl+Shift+U")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actRammer"), QStringLiteral("R&ammer..."), QStringLiteral("")},
            CommandEntry{QStringLiteral("actFormular"), QStringLiteral("&Formular..."), QStringLiteral("Ctrl+Shift+F")},
        }},
        CommandEntry{QStringLiteral("mnuFunktioner"), QStringLiteral("F&unktioner"), QStringLiteral(""), {
            CommandEntry{QStringLiteral("actTekstombrydning"), QStringLiteral("&Tekstombrydning"), QStringLiteral("Ctrl+W"), {}, true},
            CommandEntry{QStringLiteral("actSkrivebeskyttet"), QStringLiteral("&Skrivebeskyttet"), QStringLiteral(""), {}, true},
            CommandEntry{QStringLiteral("actModerside"), QStringLiteral("&Moderside"), QStringLiteral(""), {}, true},
            CommandEntry{},
            CommandEntry{QStringLiteral("actTjekHtml"), QStringLiteral("Tjek &HTML-koder"), QStringLiteral("F9")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actTitel"), QStringLiteral("T&itel..."), QStringLiteral("")},
            CommandEntry{QStringLiteral("actDeaktiverHenvisning"), QStringLiteral("&Deaktiver henvisning"), QStringLiteral("")},
            CommandEntry{QStringLiteral("actMetaInformation"), QStringLiteral("M&eta-information"), QStringLiteral("Ctrl+Shift+M")},
            CommandEntry{QStringLiteral("actEksterneResursefiler"), QStringLiteral("Eksterne &resursefiler..."), QStringLiteral("")},
            CommandEntry{QStringLiteral("actBilledkorteditor"), QStringLiteral("&Billedkorteditor..."), QStringLiteral("")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actSkripteditor"), QStringLiteral("S&kripteditor..."), QStringLiteral("Ctrl+Shift+J")},
            CommandEntry{QStringLiteral("actTypografiarkeditor"), QStringLiteral("T&ypografiarkeditor..."), QStringLiteral("Ctrl+Shift+Y")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actOverfoersel"), QStringLiteral("&Overførsel til Internet..."), QStringLiteral("Ctrl+Shift+W")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actIndstillinger"), QStringLiteral("I&ndstillinger..."), QStringLiteral("Ctrl+Shift+I")},
        }},
        CommandEntry{QStringLiteral("mnuHjaelp"), QStringLiteral("&Hjælp"), QStringLiteral(""), {
            CommandEntry{QStringLiteral("actHjaelp"), QStringLiteral("&Hjælp"), QStringLiteral("F1")},
            CommandEntry{QStringLiteral("actSoegHjaelp"), QStringLiteral("&Søg hjælp om..."), QStringLiteral("")},
            CommandEntry{QStringLiteral("actTastaturgenveje"), QStringLiteral("&Tastaturgenveje"), QStringLiteral("")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actHjaelpefil1"), QStringLiteral("Hjælpefil &1"), QStringLiteral("Shift+F1")},
            CommandEntry{QStringLiteral("actHjaelpefil2"), QStringLiteral("Hjælpefil &2"), QStringLiteral("Ctrl+Shift+F1")},
            CommandEntry{QStringLiteral("actHjaelpefil3"), QStringLiteral("Hjælpefil &3"), QStringLiteral("Alt+F1")},
            CommandEntry{},
            CommandEntry{QStringLiteral("actOm"), QStringLiteral("&Om Pagewick..."), QStringLiteral("")},
        }},
    };
    // clang-format on
}

const CommandEntry *findIn(const QList<CommandEntry> &entries, const QString &id)
{
    for (const CommandEntry &e : entries) {
        if (e.id == id)
            return &e;
        if (const CommandEntry *found = findIn(e.children, id))
            return found;
    }
    return nullptr;
}

} // namespace

const QList<CommandEntry> &menuBar()
{
    static const QList<CommandEntry> menus = build();
    return menus;
}

const CommandEntry *find(const QString &id)
{
    return findIn(menuBar(), id);
}

} // namespace CommandTable
