#include "dialogs/colour/FontFamilyEditor.h"

#include "core/Prompter.h"
#include "dialogs/colour/TfrmSkrift.h"

std::optional<QString> EditFontFamilies(Prompter &prompter, const QString &value, bool genericFamilies, QWidget *parent)
{
    const FontDialogContext context{prompter, nullptr, false, false, [](int) { return QString(); }};
    TfrmSkrift dialog(genericFamilies ? FontDialogMode::FamilyListWithGeneric : FontDialogMode::FamilyList, context, parent);
    dialog.setFamilyList(value);
    if (!prompter.runDialog(dialog))
        return std::nullopt;
    return dialog.resultText();
}
