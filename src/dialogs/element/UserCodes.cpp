#include "dialogs/element/UserCodes.h"

#include "core/SettingsStore.h"

namespace {

const QString Section = QStringLiteral("Koder");

QString key(int number, char part)
{
    return QStringLiteral("Kode%1%2").arg(number).arg(QLatin1Char(part));
}

} // namespace

namespace UserCodes {

UserCode read(const SettingsStore &store, int number)
{
    return {store.readText(Section, key(number, 'a'), QString()), store.readText(Section, key(number, 'b'), QString()),
            store.readText(Section, key(number, 'c'), QString())};
}

void write(SettingsStore &store, int number, const UserCode &code)
{
    store.writeText(Section, key(number, 'a'), code.description);
    store.writeText(Section, key(number, 'b'), code.startCode);
    store.writeText(Section, key(number, 'c'), code.endCode);
}

int freeNumber(const SettingsStore &store)
{
    int number = 1;
    while (read(store, number) != UserCode())
        ++number;
    return number;
}

int save(SettingsStore &store, std::optional<int> row, const UserCode &code)
{
    const int number = row ? *row + 1 : freeNumber(store);
    write(store, number, code);
    return number;
}

} // namespace UserCodes
