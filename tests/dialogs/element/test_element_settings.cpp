// What the element dialog keeps in the settings store, and its version list.
#include "core/SettingsStore.h"
#include "dialogs/element/DialogKinds.h"
#include "dialogs/element/ElementDialogSettings.h"
#include "dialogs/element/HorizontalLinePanel.h"
#include "dialogs/element/HtmlVersions.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ElementSettingsTest : public ::testing::Test
{
protected:
    QTemporaryDir m_dir;
    SettingsStore m_store{m_dir.filePath(QStringLiteral("Pagewick.ini"))};
};

TEST_F(ElementSettingsTest, LineDefaultsAreSavedAndReadBack)
{
    EXPECT_EQ(HorizontalLineValues::read(m_store), HorizontalLineValues());

    const HorizontalLineValues saved{50, false, 4, false, HorizontalLineValues::Alignment::Right};
    saved.write(m_store);
    EXPECT_EQ(m_store.readText(QStringLiteral("Linie"), QStringLiteral("Laengde"), {}), QStringLiteral("50"));
    EXPECT_EQ(m_store.readText(QStringLiteral("Linie"), QStringLiteral("3D"), {}), QStringLiteral("0"));
    EXPECT_EQ(m_store.readText(QStringLiteral("Linie"), QStringLiteral("Justering"), {}), QStringLiteral("3"));
    EXPECT_EQ(HorizontalLineValues::read(m_store), saved);

    // A line without a length leaves the stored length; a stored alignment out of range reads as centred.
    HorizontalLineValues noLength = saved;
    noLength.length.reset();
    noLength.write(m_store);
    EXPECT_EQ(HorizontalLineValues::read(m_store).length, 50);
    m_store.writeInt(QStringLiteral("Linie"), QStringLiteral("Justering"), 7);
    EXPECT_EQ(HorizontalLineValues::read(m_store).alignment, HorizontalLineValues::Alignment::Center);
}

TEST_F(ElementSettingsTest, DialogValues)
{
    using namespace ElementDialogSettings;
    EXPECT_FALSE(advancedOpen(m_store, DialogKind::List));
    setAdvancedOpen(m_store, DialogKind::List, true);
    EXPECT_EQ(m_store.readText(QStringLiteral("Dialog"), QStringLiteral("AvD31"), {}), QStringLiteral("1"));
    EXPECT_TRUE(advancedOpen(m_store, DialogKind::List));
    EXPECT_FALSE(advancedOpen(m_store, DialogKind::Page));

    EXPECT_EQ(docType(m_store), 0);
    setDocType(m_store, 3);
    EXPECT_EQ(docType(m_store), 3);

    EXPECT_FALSE(imageBorderAlways(m_store));
    setImageBorderAlways(m_store, true);
    EXPECT_TRUE(m_store.readBool(QStringLiteral("Dialog"), QStringLiteral("RammeGrafik"), false));

    EXPECT_TRUE(lastTarget(m_store).isEmpty());
    setLastTarget(m_store, QStringLiteral("_blank"));
    EXPECT_EQ(m_store.readText(QStringLiteral("Bokse"), QStringLiteral("Target"), {}), QStringLiteral("_blank"));

    const UserCode code{QStringLiteral("Fed"), QStringLiteral("<b>"), QStringLiteral("</b>")};
    setUserCode(m_store, 12, code);
    EXPECT_EQ(m_store.readText(QStringLiteral("Koder"), QStringLiteral("Kode12b"), {}), QStringLiteral("<b>"));
    EXPECT_EQ(userCode(m_store, 12), code);
    EXPECT_EQ(userCode(m_store, 1), UserCode());
}

TEST_F(ElementSettingsTest, ClassHistoryKeepsTheNineNewestOnce)
{
    using namespace ElementDialogSettings;
    addToClassHistory(m_store, QString());
    EXPECT_TRUE(classHistory(m_store).isEmpty());
    for (int i = 1; i <= 10; ++i)
        addToClassHistory(m_store, QStringLiteral("k%1").arg(i));
    addToClassHistory(m_store, QStringLiteral("k5"));
    EXPECT_EQ(classHistory(m_store), (QStringList{"k5", "k10", "k9", "k8", "k7", "k6", "k4", "k3", "k2"}));
    EXPECT_EQ(m_store.readText(QStringLiteral("Klasser"), QStringLiteral("H0"), {}), QStringLiteral("k5"));
    EXPECT_EQ(m_store.readSection(QStringLiteral("Klasser")).size(), 9);
}

TEST_F(ElementSettingsTest, VersionList)
{
    EXPECT_EQ(HtmlVersions::items(std::nullopt), QStringList{QString()});
    EXPECT_EQ(HtmlVersions::items(QStringList()), QStringList{QString()});
    EXPECT_EQ(HtmlVersions::load(m_dir.path()), QStringList{QString()}); // no file

    QFile file(m_dir.filePath(HtmlVersions::FileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("-//W3C//DTD HTML 4.01//EN\r\n-//W3C//DTD XHTML 1.0 Strict//EN\r\n");
    file.close();
    EXPECT_EQ(HtmlVersions::load(m_dir.path()),
              (QStringList{QStringLiteral("-//W3C//DTD HTML 4.01//EN"), QStringLiteral("-//W3C//DTD XHTML 1.0 Strict//EN")}));
}

} // namespace
