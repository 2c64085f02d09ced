#pragma once

#include <QString>

#include <optional>

class SettingsStore;

// A code of the user's own: a description, and the texts put before and
// after the selection. Code n is kept in section "Koder" under "Kode<n>a",
// "Kode<n>b" and "Kode<n>c".
struct UserCode
{
    QString description;
    QString startCode;
    QString endCode;

    friend bool operator==(const UserCode &, const UserCode &) = default;
};

namespace UserCodes {

UserCode read(const SettingsStore &store, int number);
void write(SettingsStore &store, int number, const UserCode &code);

// The number a new code takes: the first from 1 with none of its three keys
// set, so that a start or end code left without a description is not
// overwritten.
int freeNumber(const SettingsStore &store);

// Stores the code of the list's row (counted from 0), or a new code when
// there is no row; the number it was stored under.
int save(SettingsStore &store, std::optional<int> row, const UserCode &code);

} // namespace UserCodes
