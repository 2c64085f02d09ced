#include "core/SettingsOptions.h"

#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "core/SettingsKeys.h"
#include "core/SettingsStore.h"

#include <QDir>

#include <variant>

namespace {

using S = SettingsOptions;

// Options written in their own way, at their place in the order.
enum class Special { Browsers, UserDataFolder };

struct Field
{
    const char *key;
    std::variant<bool S::*, int S::*, QString S::*, Special> member;
};

// Every option of section "Indstillinger" in the order it is saved, the
// defaults being those of a default-constructed SettingsOptions.
const Field Fields[] = {
    {"Tabulator", &S::tabSize},
    {"AutoIndryk", &S::autoIndent},
    {"Font", &S::fontName},
    {"FontSize", &S::fontSize},
    {"FontStyle", &S::fontStyle},
    {"CodeCmpl", &S::codeCompletion},
    {"Forsinkelse", &S::completionDelay},
    {nullptr, Special::Browsers},
    {"Overfoer", &S::sendToShortcut},
    {"Desktop", &S::desktopShortcut},
    {"Ombrydning", &S::wordWrap},
    {"VisMenu", &S::browserMenu},
    {"MSIE", &S::internalExplorer},
    {"Viewer", &S::imagesInFileList},
    {"Filnavn", &S::fileNameOnTabs},
    {"AnvendLokalServer", &S::useLocalServer},
    {"LokalServer", &S::localServer},
    {"ServerMappe", &S::serverFolder},
    {"HTMLhjælp", &S::helpFile1},
    {"CSShjælp", &S::helpFile2},
    {"HjaelpeFil3", &S::helpFile3},
    {"Hjaelp1", &S::helpName1},
    {"Hjaelp2", &S::helpName2},
    {"Hjaelp3", &S::helpName3},
    {"AabnDialog", &S::openFolder},
    {"BrugerdataMappe", Special::UserDataFolder},
    {"HTMLfilter", &S::htmlFilter},
    {"Skriptfilter", &S::scriptFilter},
    {"GemHTML", &S::saveBeforeBrowsing},
    {"Email", &S::email},
    {"Beskrivelse", &S::description},
    {"Ny", &S::templateDialog},
    {"ÆØÅkoder", &S::danishLetterCodes},
    {"Autodato", &S::autoDate},
    {"EksistDato", &S::existingDateOnly},
    {"Datoformat", &S::dateFormat},
    {"HTMLtype", &S::htmlExtension},
    {"FarveDialog", &S::webColourDialog},
    {"WebFonte", &S::webFonts},
    {"SikkerJustering", &S::safeAlignment},
    {"XHTML", &S::xhtml},
    {"Kodefarve", &S::colourScheme},
    {"Lineal", &S::browserRuler},
    {"BevarUkendtAttrib", &S::keepUnknownAttributes},
    {"Generator", &S::generator},
};

// Hands every field to the visitor in the saved order, as its key and its
// member (or its special kind); reading and saving both walk the fields so.
template <typename Visitor> void walkFields(Visitor &&visitor)
{
    for (const Field &field : Fields)
        std::visit([&](auto member) { visitor(QString::fromUtf8(field.key), member); }, field.member);
}

bool readValue(const SettingsStore &store, const QString &key, bool fallback)
{
    return store.readBool(Keys::Indstillinger, key, fallback);
}

int readValue(const SettingsStore &store, const QString &key, int fallback)
{
    return store.readInt(Keys::Indstillinger, key, fallback);
}

QString readValue(const SettingsStore &store, const QString &key, const QString &fallback)
{
    return store.readText(Keys::Indstillinger, key, fallback);
}

void writeValue(SettingsStore &store, const QString &key, bool value)
{
    store.writeBool(Keys::Indstillinger, key, value);
}

void writeValue(SettingsStore &store, const QString &key, int value)
{
    store.writeInt(Keys::Indstillinger, key, value);
}

void writeValue(SettingsStore &store, const QString &key, const QString &value)
{
    store.writeText(Keys::Indstillinger, key, value);
}

const QString CheckExclusionsKey = QStringLiteral("Kodetjek");

QString browserNameKey(int number)
{
    return QStringLiteral("Browser%1").arg(number);
}

QString browserPathKey(int number)
{
    return QStringLiteral("Browsersti%1").arg(number);
}

QList<BrowserEntry> readBrowsers(const SettingsStore &store)
{
    QList<BrowserEntry> browsers;
    for (int i = 1; i <= S::MaxBrowsers; ++i) {
        const QString path = store.readText(Keys::Indstillinger, browserPathKey(i), QString());
        if (path.isEmpty())
            break;
        browsers.append({store.readText(Keys::Indstillinger, browserNameKey(i), QString()), path});
    }
    return browsers;
}

void saveBrowsers(SettingsStore &store, const QList<BrowserEntry> &browsers)
{
    for (int i = 1; i <= S::MaxBrowsers; ++i) {
        if (i <= browsers.size()) {
            store.writeText(Keys::Indstillinger, browserNameKey(i), browsers.at(i - 1).name);
            store.writeText(Keys::Indstillinger, browserPathKey(i), browsers.at(i - 1).path);
        } else {
            store.eraseKey(Keys::Indstillinger, browserNameKey(i));
            store.eraseKey(Keys::Indstillinger, browserPathKey(i));
        }
    }
}

// An empty field means the default folder; a missing one is replaced by it
// with a message.
QString settledUserDataFolder(const QString &typed, Prompter &prompter, const QString &defaultFolder)
{
    if (typed.isEmpty())
        return defaultFolder;
    if (QDir(typed).exists())
        return typed;
    prompter.message({QStringLiteral("Fejl"),
                      QStringLiteral("Den angivne brugerdatamappe, \"%1\", findes ikke. %2 sætter brugerdatamappen til \"%3\".")
                          .arg(typed, Product::Caption, defaultFolder),
                      Prompter::Icon::Stop, Prompter::Ok});
    return defaultFolder;
}

void saveUserColours(SettingsStore &store, const SettingsOptions &options)
{
    const auto write = [&](const char *key, quint32 rgb) {
        store.writeInt(Keys::Editor, QString::fromLatin1(key), SyntaxColours::toColourNumber(rgb));
    };
    // The text colours and the normal background first, then "EnsBg" in among
    // them, then the other backgrounds unless the normal one serves them all.
    for (const SyntaxColours::PairKeys &keys : SyntaxColours::UserKeys) {
        if (keys.pair == &SyntaxColours::Scheme::asp)
            store.writeBool(Keys::Editor, QString::fromLatin1(SyntaxColours::SameBackgroundKey), options.sameBackground);
        write(keys.textKey, (options.userColours.*keys.pair).text);
        if (keys.pair == &SyntaxColours::Scheme::normal)
            write(keys.backgroundKey, options.userColours.normal.background);
    }
    if (options.sameBackground)
        return;
    for (const SyntaxColours::PairKeys &keys : SyntaxColours::UserKeys) {
        if (keys.pair != &SyntaxColours::Scheme::normal)
            write(keys.backgroundKey, (options.userColours.*keys.pair).background);
    }
}

} // namespace

SettingsOptions SettingsOptions::read(const SettingsStore &store, const SettingsDefaults &defaults)
{
    S d;
    d.userDataFolder = defaults.userDataFolder;
    S o = d;
    const QString &section = Keys::Indstillinger;
    walkFields([&](const QString &key, auto member) {
        if constexpr (std::is_same_v<decltype(member), Special>) {
            if (member == Special::Browsers)
                o.browsers = readBrowsers(store);
            else
                o.userDataFolder = store.readText(section, key, d.userDataFolder);
        } else {
            o.*member = readValue(store, key, d.*member);
        }
    });
    o.checkExclusions = store.readText(section, CheckExclusionsKey, d.checkExclusions);
    o.sameBackground = store.readBool(Keys::Editor, QString::fromLatin1(SyntaxColours::SameBackgroundKey), false);
    o.userColours = SyntaxColours::userScheme(store, defaults.desktopNormal);
    return o;
}

bool SettingsOptions::save(SettingsStore &store, Prompter &prompter, const QString &defaultUserDataFolder)
{
    const QString &section = Keys::Indstillinger;
    walkFields([&](const QString &key, auto member) {
        if constexpr (std::is_same_v<decltype(member), Special>) {
            if (member == Special::Browsers) {
                saveBrowsers(store, browsers);
            } else {
                userDataFolder = settledUserDataFolder(userDataFolder, prompter, defaultUserDataFolder);
                store.writeText(section, key, userDataFolder);
            }
        } else {
            writeValue(store, key, this->*member);
        }
    });
    const bool checkListChanged = checkExclusions != store.readText(section, CheckExclusionsKey, S().checkExclusions);
    if (checkListChanged)
        store.writeText(section, CheckExclusionsKey, checkExclusions);
    if (colourScheme == SyntaxColours::UserDefined)
        saveUserColours(store, *this);
    return checkListChanged;
}

SyntaxColours::Scheme CompletionOptions::colours() const
{
    if (colourScheme != SyntaxColours::UserDefined)
        return SyntaxColours::builtInScheme(colourScheme);
    SyntaxColours::Scheme s = userColours;
    if (sameBackground)
        s.useNormalBackground();
    return s;
}

QString HtmlOptions::emptyElementSuffix() const
{
    return xhtml ? QStringLiteral(" /") : QString();
}

QString HtmlOptions::generatorElement() const
{
    return QStringLiteral("<meta name=\"Generator\"")
        + QStringLiteral(" content=\"%1 %2\"%3>").arg(Product::Caption, Product::VersionText, emptyElementSuffix());
}
