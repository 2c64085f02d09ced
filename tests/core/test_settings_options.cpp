#include "core/SettingsKeys.h"
#include "core/SettingsOptions.h"
#include "core/SettingsStore.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const SyntaxColours::Pair Desktop{0x111111, 0xEEEEEE};

class SettingsOptionsTest : public ::testing::Test
{
protected:
    QString storePath(const QString &name) const { return m_dir.filePath(name + QStringLiteral(".ini")); }
    SettingsDefaults defaults() const { return {m_dir.path(), Desktop}; }
    SettingsOptions read(const SettingsStore &store) const { return SettingsOptions::read(store, defaults()); }
    // Saves into a fresh store, expecting no message.
    void saveFresh(SettingsOptions &options, SettingsStore &store)
    {
        ScriptedPrompter prompter;
        options.save(store, prompter, m_dir.path());
    }
    QString text(const SettingsStore &store, const QString &key, const QString &section = Keys::Indstillinger) const
    {
        return store.readText(section, key, QStringLiteral("<none>"));
    }

    QTemporaryDir m_dir;
};

TEST_F(SettingsOptionsTest, AFirstStartSavesEveryDefault)
{
    SettingsStore empty(storePath(QStringLiteral("empty")));
    SettingsOptions options = read(empty);
    SettingsStore saved(storePath(QStringLiteral("saved")));
    saveFresh(options, saved);

    const struct
    {
        const char *key;
        QString value;
    } cases[] = {
        {"Tabulator", "2"},
        {"AutoIndryk", "0"},
        {"Font", "Courier New"},
        {"FontSize", "10"},
        {"FontStyle", ""},
        {"CodeCmpl", "1"},
        {"Forsinkelse", "1000"},
        {"Overfoer", "0"},
        {"Desktop", "0"},
        {"Ombrydning", "1"},
        {"VisMenu", "1"},
        {"MSIE", "0"},
        {"Viewer", "1"},
        {"Filnavn", "0"},
        {"AnvendLokalServer", "0"},
        {"LokalServer", "http://localhost/"},
        {"ServerMappe", ""},
        {"HTMLhjælp", ""},
        {"CSShjælp", ""},
        {"HjaelpeFil3", ""},
        {"Hjaelp1", "HTML"},
        {"Hjaelp2", "Typografikark"},
        {"Hjaelp3", "JavaScript"},
        {"AabnDialog", ""},
        {"BrugerdataMappe", m_dir.path()},
        {"HTMLfilter", "*.*htm*;*.asp;*.inc;*.php"},
        {"Skriptfilter", "*.js;*.java;*.cgi;*.pl"},
        {"GemHTML", "0"},
        {"Email", ""},
        {"Beskrivelse", ""},
        {"Ny", "1"},
        {"ÆØÅkoder", "0"},
        {"Autodato", "0"},
        {"EksistDato", "0"},
        {"Datoformat", "\"Opdateret d.\" d.m.yyyy"},
        {"HTMLtype", "0"},
        {"FarveDialog", "0"},
        {"WebFonte", "0"},
        {"SikkerJustering", "0"},
        {"XHTML", "0"},
        {"Kodefarve", "2"},
        {"Lineal", "1"},
        {"BevarUkendtAttrib", "1"},
        {"Generator", "1"},
        {"Kodetjek", "<none>"}, // unchanged: not written
        {"Browser1", "<none>"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(text(saved, QString::fromUtf8(c.key)), c.value) << c.key;
    EXPECT_EQ(options.checkExclusions, QStringLiteral("P, PARAM"));
    EXPECT_TRUE(options.useArchiveFlag);
    EXPECT_TRUE(saved.readSection(Keys::Editor).isEmpty()) << "colours are saved only for the user's own scheme";
}

TEST_F(SettingsOptionsTest, EveryStoredValueSurvivesReadAndSave)
{
    // Values unlike the defaults; keys as other spellings where the program reads two.
    const struct
    {
        const char *key;
        const char *stored;
        const char *savedKey;
    } cases[] = {
        {"Tabulator", "5", nullptr},
        {"AutoIndryk", "1", nullptr},
        {"Font", "DejaVu Sans Mono", nullptr},
        {"FontSize", "13", nullptr},
        {"FontStyle", "fed kursiv", nullptr},
        {"CodeCmpl", "0", nullptr},
        {"Forsinkelse", "300", nullptr},
        {"BrowserSti1", "/usr/bin/firefox", "Browsersti1"},
        {"Browser1", "Firefox", nullptr},
        {"Browsersti2", "/usr/bin/chromium", nullptr},
        {"Browser2", "Chromium", nullptr},
        {"Overfoer", "1", nullptr},
        {"Desktop", "1", nullptr},
        {"Ombrydning", "0", nullptr},
        {"VisMenu", "0", nullptr},
        {"MSIE", "1", nullptr},
        {"Viewer", "0", nullptr},
        {"Filnavn", "1", nullptr},
        {"AnvendLokalServer", "1", nullptr},
        {"LokalServer", "http://127.0.0.1:8080/", nullptr},
        {"ServerMappe", "/srv/www", nullptr},
        {"HTMLhjælp", "/doc/html.pdf", nullptr},
        {"CSShjælp", "/doc/css.pdf", nullptr},
        {"HjaelpeFil3", "/doc/js.pdf", nullptr},
        {"Hjaelp1", "H1", nullptr},
        {"Hjaelp2", "H2", nullptr},
        {"Hjaelp3", "H3", nullptr},
        {"AabnDialog", "/home", nullptr},
        {"HTMLfilter", "*.html", nullptr},
        {"Skriptfilter", "*.js", nullptr},
        {"GemHTML", "1", nullptr},
        {"Email", "a@b.dk", nullptr},
        {"Beskrivelse", "Skriv til mig", nullptr},
        {"Ny", "0", nullptr},
        {"ÆØÅkoder", "1", nullptr},
        {"Autodato", "1", nullptr},
        {"EksistDato", "1", nullptr},
        {"DatoFormat", "\"Rettet\" yyyy-mm-dd", "Datoformat"},
        {"HTMLtype", "1", nullptr},
        {"FarveDialog", "1", nullptr},
        {"WebFonte", "1", nullptr},
        {"SikkerJustering", "1", nullptr},
        {"XHTML", "1", nullptr},
        {"Kodefarve", "1", nullptr},
        {"Lineal", "0", nullptr},
        {"BevarUkendtAttrib", "0", nullptr},
        {"Generator", "0", nullptr},
        {"Kodetjek", "P, PARAM, LI", nullptr},
    };
    SettingsStore stored(storePath(QStringLiteral("stored")));
    for (const auto &c : cases)
        stored.writeText(Keys::Indstillinger, QString::fromUtf8(c.key), QString::fromUtf8(c.stored));
    stored.writeText(Keys::Indstillinger, QStringLiteral("BrugerdataMappe"), m_dir.path());
    SettingsOptions options = read(stored);

    SettingsStore saved(storePath(QStringLiteral("saved")));
    saveFresh(options, saved);
    for (const auto &c : cases) {
        const QString key = QString::fromUtf8(c.savedKey ? c.savedKey : c.key);
        EXPECT_EQ(text(saved, key), QString::fromUtf8(c.stored)) << c.key;
    }
    EXPECT_EQ(read(saved), options);
}

TEST_F(SettingsOptionsTest, SavesInItsOrder)
{
    SettingsStore empty(storePath(QStringLiteral("empty")));
    SettingsOptions options = read(empty);
    options.browsers = {{QStringLiteral("Firefox"), QStringLiteral("/usr/bin/firefox")}};
    options.checkExclusions = QStringLiteral("P");
    options.colourScheme = SyntaxColours::UserDefined;
    SettingsStore saved(storePath(QStringLiteral("saved")));
    saveFresh(options, saved);

    QStringList keys;
    for (const QString &line : saved.readSection(Keys::Indstillinger))
        keys << line.section(QLatin1Char('='), 0, 0);
    EXPECT_EQ(keys.join(QLatin1Char(' ')),
              QStringLiteral("Tabulator AutoIndryk Font FontSize FontStyle CodeCmpl Forsinkelse Browser1 Browsersti1 "
                             "Overfoer Desktop Ombrydning VisMenu MSIE Viewer Filnavn AnvendLokalServer LokalServer "
                             "ServerMappe HTMLhjælp CSShjælp HjaelpeFil3 Hjaelp1 Hjaelp2 Hjaelp3 AabnDialog "
                             "BrugerdataMappe HTMLfilter Skriptfilter GemHTML Email Beskrivelse Ny ÆØÅkoder Autodato "
                             "EksistDato Datoformat HTMLtype FarveDialog WebFonte SikkerJustering XHTML Kodefarve "
                             "Lineal BevarUkendtAttrib Generator Kodetjek"));
    keys.clear();
    for (const QString &line : saved.readSection(Keys::Editor))
        keys << line.section(QLatin1Char('='), 0, 0);
    EXPECT_EQ(keys.join(QLatin1Char(' ')),
              QStringLiteral("AlmT AlmB ElemT AttribT VaerdiT KomT EnsBg AspT PhpT ElemB AttribB VaerdiB KomB AspB PhpB"));
}

TEST_F(SettingsOptionsTest, CheckListIsWrittenOnlyWhenItChanges)
{
    SettingsStore store(storePath(QStringLiteral("s")));
    store.writeText(Keys::Indstillinger, QStringLiteral("Kodetjek"), QStringLiteral("P"));
    SettingsOptions options = read(store);
    ScriptedPrompter prompter;
    EXPECT_FALSE(options.save(store, prompter, m_dir.path()));

    options.checkExclusions = QStringLiteral("P, LI");
    EXPECT_TRUE(options.save(store, prompter, m_dir.path()));
    EXPECT_EQ(text(store, QStringLiteral("kodetjek")), QStringLiteral("P, LI"));
    EXPECT_FALSE(options.save(store, prompter, m_dir.path()));
}

TEST_F(SettingsOptionsTest, UserColoursAreColourNumbersAndBackgroundsOnlyWhenTheyDiffer)
{
    SettingsStore empty(storePath(QStringLiteral("empty")));
    SettingsOptions options = read(empty);
    EXPECT_EQ(options.userColours.normal, Desktop);
    EXPECT_EQ(options.userColours.attribute, (SyntaxColours::Pair{0x800080, 0xFFFFFF}));
    options.colourScheme = SyntaxColours::UserDefined;
    options.userColours.element = {0xFF0000, 0x0000FF};
    options.sameBackground = true;

    SettingsStore saved(storePath(QStringLiteral("saved")));
    saveFresh(options, saved);
    EXPECT_EQ(text(saved, QStringLiteral("ElemT"), Keys::Editor), QStringLiteral("255")); // 0x00BBGGRR
    EXPECT_EQ(text(saved, QStringLiteral("AlmB"), Keys::Editor), QString::number(0xEEEEEE));
    EXPECT_EQ(text(saved, QStringLiteral("EnsBg"), Keys::Editor), QStringLiteral("1"));
    EXPECT_EQ(text(saved, QStringLiteral("ElemB"), Keys::Editor), QStringLiteral("<none>"));

    const SettingsOptions again = read(saved);
    EXPECT_EQ(again.colours().element, (SyntaxColours::Pair{0xFF0000, 0xEEEEEE}));
    EXPECT_EQ(again.colours().php.background, 0xEEEEEEu);
    EXPECT_EQ(again.userColours.element.text, 0xFF0000u);
}

TEST_F(SettingsOptionsTest, DeletedBrowserLeavesNoGapAndNoEntryAfterTheLast)
{
    SettingsStore store(storePath(QStringLiteral("s")));
    for (int i = 1; i <= 3; ++i) {
        store.writeText(Keys::Indstillinger, QStringLiteral("Browser%1").arg(i), QStringLiteral("B%1").arg(i));
        store.writeText(Keys::Indstillinger, QStringLiteral("BrowserSti%1").arg(i), QStringLiteral("/bin/b%1").arg(i));
    }
    SettingsOptions options = read(store);
    ASSERT_EQ(options.browsers.size(), 3);
    options.browsers.removeAt(1);
    ScriptedPrompter prompter;
    options.save(store, prompter, m_dir.path());

    const QList<BrowserEntry> expected{{QStringLiteral("B1"), QStringLiteral("/bin/b1")},
                                       {QStringLiteral("B3"), QStringLiteral("/bin/b3")}};
    EXPECT_EQ(read(store).browsers, expected);
    EXPECT_EQ(text(store, QStringLiteral("Browser3")), QStringLiteral("<none>"));
    EXPECT_EQ(text(store, QStringLiteral("Browsersti3")), QStringLiteral("<none>"));
}

TEST_F(SettingsOptionsTest, BrowserListEndsAtTheFirstMissingPathAndAfterTen)
{
    SettingsStore store(storePath(QStringLiteral("s")));
    for (int i = 1; i <= 12; ++i) {
        if (i == 4)
            continue;
        store.writeText(Keys::Indstillinger, QStringLiteral("Browser%1").arg(i), QStringLiteral("B%1").arg(i));
        store.writeText(Keys::Indstillinger, QStringLiteral("Browsersti%1").arg(i), QStringLiteral("/b%1").arg(i));
    }
    EXPECT_EQ(read(store).browsers.size(), 3);
    store.writeText(Keys::Indstillinger, QStringLiteral("Browsersti4"), QStringLiteral("/b4"));
    EXPECT_EQ(read(store).browsers.size(), SettingsOptions::MaxBrowsers);
}

TEST_F(SettingsOptionsTest, MissingUserDataFolderIsToldAndReplacedByTheDefault)
{
    const QString missing = m_dir.filePath(QStringLiteral("borte"));
    const QString defaultFolder = m_dir.filePath(QStringLiteral("standard"));
    SettingsStore store(storePath(QStringLiteral("s")));
    SettingsOptions options = read(store);
    options.userDataFolder = missing;
    ScriptedPrompter prompter;
    prompter.expect(QStringLiteral("Fejl | Den angivne brugerdatamappe, \"%1\", findes ikke. Brindle's Pagewick "
                                   "sætter brugerdatamappen til \"%2\".")
                        .arg(missing, defaultFolder));
    options.save(store, prompter, defaultFolder);
    EXPECT_TRUE(prompter.allAnswered());
    EXPECT_EQ(prompter.seen().value(0).icon, Prompter::Icon::Stop);
    EXPECT_EQ(options.userDataFolder, defaultFolder);
    EXPECT_EQ(text(store, QStringLiteral("BrugerdataMappe")), defaultFolder);

    options.userDataFolder = m_dir.path(); // exists: no message
    options.save(store, prompter, defaultFolder);
    EXPECT_EQ(text(store, QStringLiteral("BrugerdataMappe")), m_dir.path());
}

TEST_F(SettingsOptionsTest, XhtmlShapesTheGeneratorElement)
{
    SettingsOptions options;
    EXPECT_EQ(options.generatorElement(), QStringLiteral("<meta name=\"Generator\" content=\"Brindle's Pagewick 4\">"));
    options.xhtml = true;
    EXPECT_EQ(options.emptyElementSuffix(), QStringLiteral(" /"));
    EXPECT_EQ(options.generatorElement(), QStringLiteral("<meta name=\"Generator\" content=\"Brindle's Pagewick 4\" />"));
}

} // namespace
