#include "dialogs/element/HelperDialogs.h"

#include "core/Prompter.h"
#include "dialogs/element/DialogKinds.h"
#include "dialogs/element/HelperPanels.h"
#include "workbench/Workbench.h"

namespace {

ElementEdit editing(bool editMode)
{
    ElementEdit edit;
    edit.EditMode = editMode;
    return edit;
}

// The dialog of one helper kind with the edit values it needs for itself.
class HelperDialog
{
public:
    HelperDialog(int kind, bool editMode, const TfrmDialog::Services &services, QWidget *parent)
        : m_edit(editing(editMode))
        , m_dialog(kind, m_edit, services, parent ? parent : &services.workbench.window())
        , m_prompter(services.workbench.prompter())
    {
    }

    template <typename Panel> Panel &panel() { return static_cast<Panel &>(m_dialog.panel()); }
    // Whether OK ended the dialog.
    bool run() { return m_prompter.runDialog(m_dialog); }

private:
    ElementEdit m_edit;
    TfrmDialog m_dialog;
    Prompter &m_prompter;
};

} // namespace

std::optional<BrowserEntry> editBrowserEntry(const TfrmDialog::Services &services, const BrowserEntry &entry, QWidget *parent)
{
    HelperDialog dialog(DialogKind::BrowserEntry, entry != BrowserEntry(), services, parent);
    auto &panel = dialog.panel<BrowserEntryPanel>();
    panel.setEntry(entry);
    if (!dialog.run())
        return std::nullopt;
    return panel.entry();
}

std::optional<UserCode> editUserCode(const TfrmDialog::Services &services, std::optional<int> row, const UserCode &code,
                                     QWidget *parent)
{
    HelperDialog dialog(DialogKind::UserCode, row.has_value(), services, parent);
    auto &panel = dialog.panel<UserCodePanel>();
    panel.setCode(code);
    if (!dialog.run())
        return std::nullopt;
    const UserCode stored = panel.code();
    UserCodes::save(services.workbench.settings(), row, stored);
    return stored;
}

std::optional<QString> askPassword(const TfrmDialog::Services &services, QWidget *parent)
{
    HelperDialog dialog(DialogKind::Password, false, services, parent);
    if (!dialog.run())
        return std::nullopt;
    return dialog.panel<PasswordPanel>().password();
}

std::optional<QString> askWindowOpenCall(const TfrmDialog::Services &services, QWidget *parent)
{
    HelperDialog dialog(DialogKind::WindowOpenCall, false, services, parent);
    if (!dialog.run())
        return std::nullopt;
    return buildWindowOpenCall(dialog.panel<WindowOpenPanel>().values());
}
