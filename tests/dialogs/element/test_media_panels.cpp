// The image and sound elements built from their panels' values, and the
// values taken from an edited element.
#include "dialogs/element/ImageValues.h"
#include "dialogs/element/MediaFileDialogs.h"
#include "dialogs/element/SoundValues.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Alignment = ImageValues::Alignment;

const QString Xhtml = QStringLiteral(" /");

ImageValues image(int width, bool widthPercent, int height, bool heightPercent)
{
    ImageValues values;
    values.file = QStringLiteral("a.png");
    values.width = width;
    values.widthPercent = widthPercent;
    values.height = height;
    values.heightPercent = heightPercent;
    return values;
}

CommonFields common()
{
    CommonFields fields;
    fields.text.className = QStringLiteral("c");
    fields.events = {{QStringLiteral("onclick"), QStringLiteral("f()")}, {QStringLiteral("onload"), QString()}};
    fields.remainder = QStringLiteral(" data-x=\"1\"");
    return fields;
}

// An edited element as element editing hands it over: slots 1 to n in the
// element's attribute order, and an img's percent markers (0 for the width,
// 10 for the height) saying "no percent".
ElementEdit edited(std::initializer_list<std::pair<int, const char *>> filled, const char *remainder = "")
{
    ElementEdit edit;
    edit.EditMode = true;
    for (int marker : {0, 10})
        edit.ElementValues[marker] = QStringLiteral("-1");
    for (const auto &[slot, value] : filled)
        edit.ElementValues[slot] = QString::fromUtf8(value);
    edit.PreservedRemainder = QString::fromUtf8(remainder);
    return edit;
}

TEST(MediaPanels, ImageSizesAreWrittenOnlyWhenAboveZero)
{
    const struct
    {
        ImageValues values;
        const char *markup;
    } cases[] = {
        {image(0, false, 0, false), "<img src=\"a.png\" align=\"bottom\" alt=\"\">"},
        {image(120, false, 0, false), "<img src=\"a.png\" width=\"120\" align=\"bottom\" alt=\"\">"},
        {image(0, false, 80, true), "<img src=\"a.png\" height=\"80%\" align=\"bottom\" alt=\"\">"},
        {image(50, true, 20, false), "<img src=\"a.png\" width=\"50%\" height=\"20\" align=\"bottom\" alt=\"\">"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(buildImage(c.values, {}, {}), QString::fromUtf8(c.markup));
}

TEST(MediaPanels, ImageBorderSpacesAlignmentMapAndSuffix)
{
    ImageValues values = image(0, false, 0, false);
    values.borderAlways = true;
    EXPECT_EQ(buildImage(values, {}, {}), QStringLiteral("<img src=\"a.png\" border=\"0\" align=\"bottom\" alt=\"\">"));
    values.borderAlways = false;
    values.border = 2;
    EXPECT_EQ(buildImage(values, {}, Xhtml), QStringLiteral("<img src=\"a.png\" border=\"2\" align=\"bottom\" alt=\"\" />"));

    // Either margin gives both spaces.
    values = image(10, false, 10, false);
    values.marginTopBottom = 4;
    values.alignment = Alignment::Left;
    values.altText = QStringLiteral("Logo");
    values.mapName = QStringLiteral("#kort");
    EXPECT_EQ(buildImage(values, common(), Xhtml),
              QStringLiteral("<img src=\"a.png\" vspace=\"4\" hspace=\"0\" width=\"10\" height=\"10\" align=\"left\" "
                             "alt=\"Logo\" usemap=\"#kort\" class=\"c\" onclick=\"f()\" data-x=\"1\" />"));
    values.marginTopBottom = 0;
    values.marginLeftRight = 6;
    values.alignment = Alignment::Middle;
    EXPECT_TRUE(buildImage(values, {}, {}).contains(QStringLiteral(" vspace=\"0\" hspace=\"6\" width=\"10\"")));
    EXPECT_TRUE(buildImage(values, {}, {}).contains(QStringLiteral(" align=\"middle\" ")));
}

TEST(MediaPanels, AnEditedImageComesBackAsItWas)
{
    ElementEdit edit = edited({{1, "a.png"}, {2, "TOP"}, {3, "50"}, {4, "20"}, {5, "0"}, {8, "x"}, {9, "#k"}}, " data-x=\"1\"");
    edit.ElementValues[0] = QStringLiteral("%");
    const ImageValues values = ImageValues::fromEdit(edit);
    EXPECT_EQ(values.alignment, Alignment::Top);
    EXPECT_TRUE(values.widthPercent);
    EXPECT_FALSE(values.heightPercent);
    EXPECT_TRUE(values.borderAlways); // its border="0" stays
    EXPECT_EQ(buildImage(values, CommonFields::fromEdit(edit, {}), {}),
              QStringLiteral("<img src=\"a.png\" border=\"0\" width=\"50%\" height=\"20\" align=\"top\" alt=\"x\" "
                             "usemap=\"#k\" data-x=\"1\">"));

    // Only a width: no height="0" is added; spaces, the other alignments.
    edit = edited({{1, "b.gif"}, {2, "left"}, {3, "120"}, {6, "3"}, {7, "5"}});
    EXPECT_EQ(buildImage(ImageValues::fromEdit(edit), {}, {}),
              QStringLiteral("<img src=\"b.gif\" vspace=\"3\" hspace=\"5\" width=\"120\" align=\"left\" alt=\"\">"));
    const std::pair<const char *, Alignment> alignments[] = {{"middle", Alignment::Middle},
                                                             {"Right", Alignment::Right},
                                                             {"bottom", Alignment::Bottom},
                                                             {"absmiddle", Alignment::Bottom},
                                                             {"", Alignment::Bottom}};
    for (const auto &[align, expected] : alignments) {
        edit = edited({{2, align}});
        EXPECT_EQ(ImageValues::fromEdit(edit).alignment, expected) << align;
    }
    edit = edited({{4, "20"}});
    edit.ElementValues[10] = QStringLiteral("%");
    EXPECT_TRUE(ImageValues::fromEdit(edit).heightPercent);
}

TEST(MediaPanels, ImageValuesNoFieldHoldsAreKept)
{
    ElementEdit edit = edited({{1, "a.png"}, {3, "auto"}, {5, "thin"}});
    const ImageValues values = ImageValues::fromEdit(edit);
    EXPECT_EQ(values.width, 0);
    EXPECT_FALSE(values.borderAlways);
    EXPECT_EQ(buildImage(values, CommonFields::fromEdit(edit, {}), {}),
              QStringLiteral("<img src=\"a.png\" align=\"bottom\" alt=\"\" width=\"auto\" border=\"thin\">"));
}

TEST(MediaPanels, MapNamesGetTheirHash)
{
    const std::pair<const char *, const char *> cases[] = {{"kort", "#kort"}, {"#kort", "#kort"}, {"", ""}};
    for (const auto &[name, reference] : cases)
        EXPECT_EQ(mapReference(QString::fromUtf8(name)), QString::fromUtf8(reference));
}

TEST(MediaPanels, SoundsAreWrittenWithTheCommonFields)
{
    SoundValues values;
    values.file = QStringLiteral("lyd/a.mid");
    EXPECT_EQ(buildSound(values, {}, {}),
              QStringLiteral("<embed src=\"lyd/a.mid\" width=\"150\" height=\"70\" autostart=\"false\" loop=\"false\" "
                             "type=\"audio/midi\">"));
    values.autostart = true;
    values.loop = true;
    values.type.clear();
    values.width = 0;
    EXPECT_EQ(buildSound(values, common(), Xhtml),
              QStringLiteral("<embed src=\"lyd/a.mid\" width=\"0\" height=\"70\" autostart=\"true\" loop=\"true\" class=\"c\" "
                             "onclick=\"f()\" data-x=\"1\" />"));
}

TEST(MediaPanels, EditedEmbedAndBgsoundElements)
{
    // embed: src, autostart, loop, width, height, type.
    ElementEdit edit = edited({{1, "a.wav"}, {2, "TRUE"}, {3, "no"}, {4, "200"}, {5, "40px"}, {6, "audio/wav"}},
                              " hidden=\"true\"");
    SoundValues values = SoundValues::fromEdit(edit);
    EXPECT_EQ(values.width, 200);
    EXPECT_EQ(values.height, 70); // written anyway, so the default stands in
    EXPECT_EQ(buildSound(values, CommonFields::fromEdit(edit, {}), {}),
              QStringLiteral("<embed src=\"a.wav\" width=\"200\" height=\"70\" autostart=\"true\" loop=\"false\" "
                             "type=\"audio/wav\" hidden=\"true\">"));

    // bgsound: src alone; its loop attribute becomes the loop box.
    const std::pair<const char *, bool> loops[] = {{" loop=\"infinite\"", true}, {" loop=\"-1\"", true}, {" loop=\"1\"", false}};
    for (const auto &[remainder, loop] : loops) {
        edit = edited({{1, "b.mid"}}, remainder);
        values = SoundValues::fromEdit(edit);
        EXPECT_EQ(values.loop, loop) << remainder;
        EXPECT_TRUE(edit.PreservedRemainder.isEmpty()) << remainder;
        EXPECT_TRUE(values.type.isEmpty());
    }
}

TEST(MediaPanels, FileDialogsStartBesideTheDocument)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("site/billeder")));
    QFile(dir.filePath(QStringLiteral("site/billeder/logo.png"))).open(QIODevice::WriteOnly);
    const QString document = dir.filePath(QStringLiteral("site/side.htm"));

    Prompter::FileDialog dialog = pictureFileDialog(document, QStringLiteral("billeder/logo.png"));
    EXPECT_EQ(dialog.caption, QStringLiteral("Grafik"));
    EXPECT_EQ(dialog.folder, dir.filePath(QStringLiteral("site/billeder")));
    EXPECT_EQ(dialog.fileName, QStringLiteral("logo.png"));
    dialog = pictureFileDialog(document, QStringLiteral("billeder/mangler.png"));
    EXPECT_EQ(dialog.folder, dir.filePath(QStringLiteral("site")));
    EXPECT_TRUE(dialog.fileName.isEmpty());

    dialog = soundFileDialog(document);
    EXPECT_EQ(dialog.caption, QStringLiteral("Lydfiler"));
    EXPECT_EQ(dialog.folder, dir.filePath(QStringLiteral("site")));
    ASSERT_EQ(dialog.filters.size(), 2);
    EXPECT_EQ(dialog.filters[0].description, QStringLiteral("Lydfiler"));
    EXPECT_EQ(dialog.filters[0].patterns, QStringLiteral("*.wav;*.au;*.mid"));
    EXPECT_EQ(dialog.filters[1].description, QStringLiteral("Alle filer"));
}

} // namespace
