#pragma once

#include "core/SettingsOptions.h"
#include "dialogs/element/TfrmDialog.h"
#include "dialogs/element/UserCodes.h"

#include <optional>

// The element dialog's services to other parts of the program. Each shows
// the dialog modally through the prompter over `parent` (the main window
// when none) and writes nothing into the document, so a read-only document
// does not stand in the way.

// A browser's name and program, starting from `entry` (empty for a new
// browser); nothing when cancelled.
std::optional<BrowserEntry> editBrowserEntry(const TfrmDialog::Services &services, const BrowserEntry &entry,
                                             QWidget *parent = nullptr);

// The user code of the list's `row` (counted from 0), starting from `code`,
// or a new code when there is no row. OK stores it; the code stored, or
// nothing when cancelled.
std::optional<UserCode> editUserCode(const TfrmDialog::Services &services, std::optional<int> row, const UserCode &code,
                                     QWidget *parent = nullptr);

// The password typed; nothing when cancelled.
std::optional<QString> askPassword(const TfrmDialog::Services &services, QWidget *parent = nullptr);

// A script's window.open call built from the fields; nothing when cancelled.
std::optional<QString> askWindowOpenCall(const TfrmDialog::Services &services, QWidget *parent = nullptr);
