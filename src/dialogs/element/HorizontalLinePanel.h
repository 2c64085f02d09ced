#pragma once

#include "dialogs/element/CommonFields.h"

#include <optional>

class SettingsStore;

// The horizontal line panel. A new line starts from the values last saved
// with "Gem som standard" (section "Linie").
struct HorizontalLineValues
{
    enum class Alignment { Left = 1, Center = 2, Right = 3 };

    std::optional<int> length = 100; // none: the line has no width
    bool percent = true;
    int thickness = 2;
    bool shaded = true; // "&3D-skygge"
    Alignment alignment = Alignment::Center;

    friend bool operator==(const HorizontalLineValues &, const HorizontalLineValues &) = default;

    static HorizontalLineValues read(const SettingsStore &store);
    // "Gem som standard"; a line without a length leaves the stored one.
    void write(SettingsStore &store) const;

    static HorizontalLineValues fromEdit(ElementEdit &edit);
};

// The hr element; `suffix` is what elements without an end tag end with.
QString buildHorizontalLine(const HorizontalLineValues &values, CommonFields common, const QString &suffix);
