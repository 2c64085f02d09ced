#pragma once

#include <QString>
#include <QStringList>

class SettingsStore;

// The plain values the element dialog keeps in the settings store, besides
// the line defaults (HorizontalLineValues). Whether colour fields open the
// web colour dialog is the "FarveDialog" option of HtmlOptions.
namespace ElementDialogSettings {

// Whether the advanced part of the common panel is open for a panel kind
// ("Dialog"/"AvD" and the kind).
bool advancedOpen(const SettingsStore &store, int kind);
void setAdvancedOpen(SettingsStore &store, int kind, bool open);

// The last chosen line of the version box ("Dialog"/"DocType").
int docType(const SettingsStore &store);
void setDocType(SettingsStore &store, int index);

// An image's border is written even when 0 ("Dialog"/"RammeGrafik").
bool imageBorderAlways(const SettingsStore &store);
void setImageBorderAlways(SettingsStore &store, bool always);

// The last link target written ("Bokse"/"Target").
QString lastTarget(const SettingsStore &store);
void setLastTarget(SettingsStore &store, const QString &target);

// User code n ("Koder"/"Kode<n>a", "b", "c").
struct UserCode
{
    QString description;
    QString startCode;
    QString endCode;
    friend bool operator==(const UserCode &, const UserCode &) = default;
};
UserCode userCode(const SettingsStore &store, int number);
void setUserCode(SettingsStore &store, int number, const UserCode &code);

// The class names the class fields remember ("Klasser"/"H0" to "H8"),
// newest first; the element dialog shows them sorted.
QStringList classHistory(const SettingsStore &store);
// Puts a class name first in the history, once, keeping the nine newest.
void addToClassHistory(SettingsStore &store, const QString &className);

} // namespace ElementDialogSettings
