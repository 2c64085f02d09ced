#include "cli/Invocation.h"

#include "cli/Console.h"
#include "cli/NativeArguments.h"

#include <QCommandLineParser>

#include <utility>

namespace {

struct CommandSpec
{
    QLatin1StringView name;
    bool takesMode; // a word before the files, such as convert's conversion
    QStringList ownOptions; // options besides --settings and --help
    bool singleFile;
    int texts = 0; // texts before the files, such as search's find text
};

const CommandSpec Commands[] = {
    {QLatin1StringView("check"), false, {}, false},
    {QLatin1StringView("convert"), true, {QStringLiteral("stdout")}, false},
    {QLatin1StringView("date"), false, {QStringLiteral("insert")}, false},
    {QLatin1StringView("links"), false, {}, true},
    {QLatin1StringView("changed"), false, {QStringLiteral("site"), QStringLiteral("to")}, true},
    {QLatin1StringView("publish"), false, {QStringLiteral("site"), QStringLiteral("to"), QStringLiteral("dry-run")}, true},
    {QLatin1StringView("search"), false, {QStringLiteral("i"), QStringLiteral("w")}, false, 1},
    {QLatin1StringView("replace"), false, {QStringLiteral("i"), QStringLiteral("backup")}, false, 2},
};

const CommandSpec *findCommand(const QString &name)
{
    for (const CommandSpec &spec : Commands) {
        if (spec.name == name)
            return &spec;
    }
    return nullptr;
}

QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

std::nullopt_t usageError(const QString &message)
{
    Console::complain(message);
    Console::complain(QStringLiteral("Skriv \"pwtool --help\" for at se, hvordan pwtool bruges."));
    return std::nullopt;
}

} // namespace

std::optional<Invocation> parseInvocation(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption settings(QStringLiteral("settings"), QString(), QStringLiteral("fil"));
    const QCommandLineOption toStdout(QStringLiteral("stdout"), QString());
    const QCommandLineOption insert(QStringLiteral("insert"), QString());
    const QCommandLineOption ignoreCase(QStringLiteral("i"), QString());
    const QCommandLineOption wholeWord(QStringLiteral("w"), QString());
    const QCommandLineOption backup(QStringLiteral("backup"), QString());
    const QCommandLineOption site(QStringLiteral("site"), QString(), QStringLiteral("titel"));
    const QCommandLineOption to(QStringLiteral("to"), QString(), QStringLiteral("adresse"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"), QString());
    parser.addOptions({help, settings, toStdout, insert, ignoreCase, wholeWord, backup, site, to, dryRun});
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return usageError(QStringLiteral("Ukendt tilvalg: %1").arg(dashed(unknown.first())));
        // Only an option at the end can lack its value.
        if (arguments.last() != QLatin1String("--settings"))
            return usageError(QStringLiteral("Tilvalget %1 skal efterfølges af en værdi.").arg(arguments.last()));
        return usageError(QStringLiteral("Tilvalget --settings skal efterfølges af en fil."));
    }

    Invocation invocation;
    if (parser.isSet(help)) {
        invocation.help = true;
        return invocation;
    }
    QStringList words = parser.positionalArguments();
    if (words.isEmpty())
        return usageError(
            QStringLiteral("Angiv en kommando: check, convert, date, links, changed, publish, search eller replace."));
    invocation.command = words.takeFirst();
    const CommandSpec *spec = findCommand(invocation.command);
    if (spec == nullptr)
        return usageError(QStringLiteral("Ukendt kommando: %1").arg(invocation.command));
    for (const QString &option :
         {toStdout.names().first(), insert.names().first(), ignoreCase.names().first(), wholeWord.names().first(),
          backup.names().first(), site.names().first(), to.names().first(), dryRun.names().first()}) {
        if (parser.isSet(option) && !spec->ownOptions.contains(option))
            return usageError(QStringLiteral("Tilvalget %1 kan ikke bruges med %2.").arg(dashed(option), invocation.command));
    }
    if (spec->takesMode) {
        if (words.isEmpty())
            return usageError(QStringLiteral("Angiv, hvilken konvertering %1 skal lave.").arg(invocation.command));
        invocation.mode = words.takeFirst();
    }
    if (words.size() < spec->texts)
        return usageError(spec->texts == 1 ? QStringLiteral("Angiv teksten, der søges efter.")
                                           : QStringLiteral("Angiv teksten, der søges efter, og teksten, den erstattes med."));
    invocation.texts = words.mid(0, spec->texts);
    words.remove(0, spec->texts);
    if (spec->texts > 0 && invocation.texts.first().isEmpty())
        return usageError(QStringLiteral("Teksten, der søges efter, må ikke være tom."));
    if (words.isEmpty())
        return usageError(QStringLiteral("Angiv mindst én fil."));
    if (spec->singleFile && words.size() > 1)
        return usageError(QStringLiteral("%1 tager præcis én fil.").arg(invocation.command));
    for (const QString &word : std::as_const(words))
        invocation.files.append(FileArgument::fromNative(encodeArgument(word)));
    // The settings are read through Qt, which takes names as UTF-8.
    invocation.settingsFile = QString::fromUtf8(encodeArgument(parser.value(settings)));
    invocation.toStdout = parser.isSet(toStdout);
    invocation.insert = parser.isSet(insert);
    invocation.ignoreCase = parser.isSet(ignoreCase);
    invocation.wholeWord = parser.isSet(wholeWord);
    invocation.backup = parser.isSet(backup);
    invocation.siteTitle = parser.value(site);
    invocation.siteAddress = parser.value(to);
    invocation.dryRun = parser.isSet(dryRun);
    return invocation;
}

QString helpText()
{
    return QStringLiteral("Brug: pwtool KOMMANDO [TILVALG] FIL...\n"
                          "\n"
                          "Pagewicks kommandolinjeværktøj: kør editorens tjek og konverteringer på filer\n"
                          "uden at åbne dem.\n"
                          "\n"
                          "Kommandoer:\n"
                          "  check FIL...                  Tjek HTML-koderne i hver fil. Skriver filens sti\n"
                          "                                og derefter tjekkets rapport.\n"
                          "  convert MÅDE [--stdout] FIL...\n"
                          "                                Konverter hele filen (uden markering) som\n"
                          "                                menukommandoen gør, og gem den på stedet.\n"
                          "  date [--insert] FIL...        Opdater en eksisterende automatisk dato, som når\n"
                          "                                filen gemmes. Med --insert får en fil uden dato\n"
                          "                                en datolinje der, hvor gem ville sætte den.\n"
                          "  links FIL                     Vis filens henvisninger, én pr. linje, adskilt af\n"
                          "                                tabulatorer: mål, beskrivelse, type og størrelse.\n"
                          "  changed (--site TITEL | --to ADRESSE) STI\n"
                          "                                Vis filerne i mappen STI (med undermapper), der er\n"
                          "                                ændret, siden de sidst blev overført til serveren.\n"
                          "  publish (--site TITEL | --to ADRESSE) [--dry-run] STI\n"
                          "                                Overfør de ændrede filer til serveren: STI er\n"
                          "                                titlen på et projekt (dets dokumenter og deres\n"
                          "                                filer) eller en mappe (./NAVN, hvis et projekt\n"
                          "                                hedder det samme). Viser én linje pr. fil og til\n"
                          "                                sidst, hvor mange filer der blev overført.\n"
                          "  search [-i] [-w] TEKST FIL... Vis hver linje med TEKST som sti:linje:tekst.\n"
                          "  replace [-i] [--backup] TEKST ERSTATNING FIL...\n"
                          "                                Erstat TEKST i filerne og vis antallet pr. fil som\n"
                          "                                sti:antal. Filens tegnsæt og linjeskift bevares.\n"
                          "\n"
                          "Konverteringer (MÅDE):\n"
                          "  danish-to-refs     æ, ø og å bliver til koder (&aelig; ...)\n"
                          "  refs-to-danish     koder bliver til æ, ø og å\n"
                          "  special-to-refs    specialtegn bliver til koder\n"
                          "  refs-to-special    koder bliver til specialtegn\n"
                          "  tags-upper         elementer og attributter med store bogstaver\n"
                          "  tags-lower         elementer og attributter med små bogstaver\n"
                          "  xhtml              koderne skrives som XHTML\n"
                          "  strip              alle HTML-koder slettes\n"
                          "\n"
                          "Tilvalg:\n"
                          "  --stdout           Skriv resultatet på standard-output i stedet for i filen.\n"
                          "  --insert           Indsæt en dato i filer, der ikke har en.\n"
                          "  -i                 Søg uden forskel på store og små bogstaver.\n"
                          "  -w                 Find kun hele ord.\n"
                          "  --backup           Gem en kopi af hver fil som FIL.BAK, før den ændres.\n"
                          "  --site TITEL       Serveren er forbindelsen, der er gemt med denne titel.\n"
                          "  --to ADRESSE       Serveren er ftp://, ftps:// eller sftp://[bruger@]vært[:port]/mappe.\n"
                          "  --dry-run          Vis, hvilke filer publish ville overføre, uden at forbinde.\n"
                          "  --settings FIL     Læs indstillingerne fra FIL i stedet for brugerens egne.\n"
                          "  -h, --help         Vis denne hjælp.\n"
                          "\n"
                          "Indstillingerne Datoformat, HTMLfilter, Skriptfilter og Kodetjek læses fra\n"
                          "Pagewicks indstillinger. Biblioteksfilerne findes i programmappen\n"
                          "(PAGEWICK_PROGRAM_DIR, ellers share/pagewick ved siden af bin).\n"
                          "\n"
                          "Adgangskoden til serveren er den, der er gemt med forbindelsen, ellers\n"
                          "miljøvariablen PAGEWICK_PASSWORD, ellers spørger publish om den i terminalen.\n"
                          "Den skrives aldrig på kommandolinjen. Filer uden for projektets rodmappe\n"
                          "overføres kun, når du har svaret ja til at sende dem.\n"
                          "\n"
                          "Afslutningskoder:\n"
                          "  0  alt gik godt (check: ingen fejl i nogen fil)\n"
                          "  1  check: mindst én fil har fejl; date: en ødelagt dato blev ikke rørt;\n"
                          "     search: teksten blev ikke fundet; publish: ikke alle filer blev overført\n"
                          "  2  forkerte argumenter, eller en fil kunne ikke læses eller skrives;\n"
                          "     publish: der kunne ikke forbindes til serveren\n");
}
