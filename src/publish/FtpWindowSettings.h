#pragma once

class SettingsStore;

// The publishing window's own values in the section "Start".
struct FtpWindowSettings
{
    int width = 446; // "FtpBredde"
    int view = 3; // "FtpVisning": 1 small icons, 2 large icons, 3 list, 4 details
    int site = 0; // "Forbindelse": index of the selected site

    static FtpWindowSettings read(const SettingsStore &store, int defaultWidth);
    void write(SettingsStore &store) const;
};

// "FTP142": how often the notice about sending a single project document
// has been shown.
namespace SingleDocumentNotice {

// Shown while the count is 3 or less.
constexpr int LastShownAt = 3;
int shownCount(const SettingsStore &store);
void countShowing(SettingsStore &store);

} // namespace SingleDocumentNotice
