#include "publish/FtpWindowSettings.h"

#include "core/SettingsKeys.h"
#include "core/SettingsStore.h"

namespace {

const QString WidthKey = QStringLiteral("FtpBredde");
const QString ViewKey = QStringLiteral("FtpVisning");
const QString SiteKey = QStringLiteral("Forbindelse");
const QString NoticeKey = QStringLiteral("FTP142");

} // namespace

FtpWindowSettings FtpWindowSettings::read(const SettingsStore &store, int defaultWidth)
{
    FtpWindowSettings settings;
    settings.width = store.readInt(Keys::Start, WidthKey, defaultWidth);
    settings.view = store.readInt(Keys::Start, ViewKey, settings.view);
    settings.site = store.readInt(Keys::Start, SiteKey, settings.site);
    return settings;
}

void FtpWindowSettings::write(SettingsStore &store) const
{
    store.writeInt(Keys::Start, WidthKey, width);
    store.writeInt(Keys::Start, ViewKey, view);
    store.writeInt(Keys::Start, SiteKey, site);
}

namespace SingleDocumentNotice {

int shownCount(const SettingsStore &store)
{
    return store.readInt(Keys::Start, NoticeKey, 0);
}

void countShowing(SettingsStore &store)
{
    store.writeInt(Keys::Start, NoticeKey, shownCount(store) + 1);
}

} // namespace SingleDocumentNotice
