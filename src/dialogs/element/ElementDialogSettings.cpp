#include "dialogs/element/ElementDialogSettings.h"

#include "core/SettingsStore.h"

namespace {

const QString Dialog = QStringLiteral("Dialog");
const QString Bokse = QStringLiteral("Bokse");
const QString Koder = QStringLiteral("Koder");
const QString Klasser = QStringLiteral("Klasser");
constexpr int ClassHistorySize = 9;

QString advancedKey(int kind)
{
    return QStringLiteral("AvD%1").arg(kind);
}

QString userCodeKey(int number, char part)
{
    return QStringLiteral("Kode%1%2").arg(number).arg(QLatin1Char(part));
}

} // namespace

namespace ElementDialogSettings {

bool advancedOpen(const SettingsStore &store, int kind)
{
    return store.readBool(Dialog, advancedKey(kind), false);
}

void setAdvancedOpen(SettingsStore &store, int kind, bool open)
{
    store.writeBool(Dialog, advancedKey(kind), open);
}

int docType(const SettingsStore &store)
{
    return store.readInt(Dialog, QStringLiteral("DocType"), 0);
}

void setDocType(SettingsStore &store, int index)
{
    store.writeInt(Dialog, QStringLiteral("DocType"), index);
}

bool imageBorderAlways(const SettingsStore &store)
{
    return store.readBool(Dialog, QStringLiteral("RammeGrafik"), false);
}

void setImageBorderAlways(SettingsStore &store, bool always)
{
    store.writeBool(Dialog, QStringLiteral("RammeGrafik"), always);
}

QString lastTarget(const SettingsStore &store)
{
    return store.readText(Bokse, QStringLiteral("Target"), QString());
}

void setLastTarget(SettingsStore &store, const QString &target)
{
    store.writeText(Bokse, QStringLiteral("Target"), target);
}

UserCode userCode(const SettingsStore &store, int number)
{
    return {store.readText(Koder, userCodeKey(number, 'a'), QString()),
            store.readText(Koder, userCodeKey(number, 'b'), QString()),
            store.readText(Koder, userCodeKey(number, 'c'), QString())};
}

void setUserCode(SettingsStore &store, int number, const UserCode &code)
{
    store.writeText(Koder, userCodeKey(number, 'a'), code.description);
    store.writeText(Koder, userCodeKey(number, 'b'), code.startCode);
    store.writeText(Koder, userCodeKey(number, 'c'), code.endCode);
}

QStringList classHistory(const SettingsStore &store)
{
    QStringList names;
    for (int i = 0; i < ClassHistorySize; ++i) {
        const QString name = store.readText(Klasser, QStringLiteral("H%1").arg(i), QString());
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

void addToClassHistory(SettingsStore &store, const QString &className)
{
    if (className.isEmpty())
        return;
    QStringList names = classHistory(store);
    names.removeAll(className);
    names.prepend(className);
    for (int i = 0; i < ClassHistorySize; ++i) {
        const QString key = QStringLiteral("H%1").arg(i);
        if (i < names.size())
            store.writeText(Klasser, key, names.at(i));
        else
            store.eraseKey(Klasser, key);
    }
}

} // namespace ElementDialogSettings
