// The options in force: read at the start, replaced when applied, written
// only when saved, and the stored ones back on a cancel.
#include "core/OptionsModel.h"
#include "core/SettingsKeys.h"
#include "core/SettingsStore.h"
#include "support/ScriptedPrompter.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(OptionsModel, AppliedOptionsAreInForceWithoutBeingStoredUntilSaved)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
    store.writeInt(Keys::Indstillinger, QStringLiteral("Tabulator"), 4);
    OptionsModel model(store, {dir.path(), {0, 0xFFFFFF}});
    QSignalSpy changed(&model, &OptionsModel::changed);
    EXPECT_EQ(model.options().tabSize, 4);

    SettingsOptions options = model.options();
    options.tabSize = 8;
    options.useArchiveFlag = false;
    model.apply(options);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(model.options().tabSize, 8);
    EXPECT_EQ(model.stored().tabSize, 4) << "applying stores nothing";
    EXPECT_TRUE(model.stored().useArchiveFlag);

    ScriptedPrompter prompter;
    options.checkExclusions = QStringLiteral("P");
    EXPECT_TRUE(model.save(options, prompter)) << "the check list changed";
    EXPECT_FALSE(model.save(options, prompter));
    EXPECT_EQ(model.stored().tabSize, 8);
    EXPECT_FALSE(model.stored().useArchiveFlag) << "kept for the run, though not stored";
    EXPECT_EQ(changed.count(), 1) << "saving brings nothing into force by itself";
    EXPECT_TRUE(prompter.allAnswered());
}

} // namespace
