// The image and sound panels of the element dialog in the real window:
// choosing files beside a saved page, what OK writes, and edited elements.
#include "dialogs/DialogCommands.h"
#include "workbench/HelpLine.h"
#include "dialogs/element/DialogKinds.h"
#include "dialogs/element/ElementDialogCommands.h"
#include "dialogs/element/TfrmDialog.h"
#include "support/MainWindowFixture.h"

#include "core/OptionsModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

class MediaDialogTest : public MainWindowFixture
{
protected:
    template <typename T> static T *field(QDialog &dialog, const char *name)
    {
        T *found = dialog.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    ElementDialogCommands &dialogs() { return m_window->dialogCommands().elementDialogs(); }
    // Runs the command; its dialog is filled by `fill` and answered with OK.
    void runDialog(const char *command, const std::function<void(QDialog &)> &fill)
    {
        m_prompter.expectDialog(QString(), fill);
        run(command);
        EXPECT_TRUE(m_prompter.allAnswered()) << command;
    }
    // A saved, empty page in a folder of its own; its path.
    QString openSavedPage()
    {
        const QString page = m_dir.filePath(QStringLiteral("site/side.htm"));
        QDir().mkpath(m_dir.filePath(QStringLiteral("site/billeder")));
        QFile(page).open(QIODevice::WriteOnly);
        m_window->documentCommands().FilAabn(page);
        return page;
    }
    QString writePicture(const char *name, QSize size)
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(picture.save(path, "PNG"));
        return path;
    }
    void setXhtml(bool on)
    {
        SettingsOptions options = m_window->options().options();
        options.xhtml = on;
        m_window->options().apply(options);
    }
};

TEST_F(MediaDialogTest, AChosenPictureIsShownAndGivesItsSize)
{
    openSavedPage();
    const QString logo = writePicture("site/billeder/logo.png", {12, 7});
    runDialog("actGrafik", [&](QDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Grafik"));
        EXPECT_FALSE(field<QPushButton>(dialog, "btnOpretBilledkort")->isEnabled());
        EXPECT_EQ(field<QComboBox>(dialog, "cbTekstjustering")->currentText(), QStringLiteral("Bund"));
        field<QCheckBox>(dialog, "cbBreddeProcent")->setChecked(true);
        field<QCheckBox>(dialog, "cbHoejdeProcent")->setChecked(true);
        m_prompter.expectFiles({logo});
        field<QPushButton>(dialog, "btnBilledfil")->click();
        EXPECT_EQ(field<QLineEdit>(dialog, "edBilledfil")->text(), QStringLiteral("billeder/logo.png"));
        EXPECT_EQ(field<QSpinBox>(dialog, "seBredde")->value(), 12);
        EXPECT_EQ(field<QSpinBox>(dialog, "seHoejde")->value(), 7);
        EXPECT_FALSE(field<QCheckBox>(dialog, "cbBreddeProcent")->isChecked());
        EXPECT_FALSE(field<QCheckBox>(dialog, "cbHoejdeProcent")->isChecked());
        auto *preview = field<QLabel>(dialog, "imgEksempel");
        EXPECT_EQ(preview->pixmap().size(), QSize(12, 7));
        // Fitted into the box, keeping the picture's shape.
        field<QCheckBox>(dialog, "cbTilpas")->setChecked(true);
        const QSize box = preview->contentsRect().size();
        EXPECT_EQ(preview->pixmap().size(), QSize(12, 7).scaled(box, Qt::KeepAspectRatio));
        field<QLineEdit>(dialog, "edAltTekst")->setText(QStringLiteral("Logo"));
        // Choosing again starts on the current picture; cancelling keeps it.
        m_prompter.expectFiles({});
        field<QPushButton>(dialog, "btnBilledfil")->click();
        EXPECT_EQ(field<QLineEdit>(dialog, "edBilledfil")->text(), QStringLiteral("billeder/logo.png"));
    });
    ASSERT_EQ(m_prompter.fileDialogs().size(), 2);
    const Prompter::FileDialog &first = m_prompter.fileDialogs().first();
    EXPECT_EQ(first.caption, QStringLiteral("Grafik"));
    EXPECT_EQ(first.folder, m_dir.filePath(QStringLiteral("site")));
    const Prompter::FileDialog &again = m_prompter.fileDialogs().last();
    EXPECT_EQ(again.folder, m_dir.filePath(QStringLiteral("site/billeder")));
    EXPECT_EQ(again.fileName, QStringLiteral("logo.png"));
    EXPECT_EQ(editor().GetText(),
              QStringLiteral("<img src=\"billeder/logo.png\" width=\"12\" height=\"7\" align=\"bottom\" alt=\"Logo\">"));
}

TEST_F(MediaDialogTest, AnUnnamedPageThatIsNotSavedGetsNoPicture)
{
    runDialog("actGrafik", [this](QDialog &dialog) {
        m_prompter.expect(QStringLiteral("Du bør gemme dokumentet"), Prompter::No);
        field<QPushButton>(dialog, "btnBilledfil")->click();
        EXPECT_TRUE(field<QLineEdit>(dialog, "edBilledfil")->text().isEmpty());
    });
    EXPECT_TRUE(m_prompter.fileDialogs().isEmpty());
}

TEST_F(MediaDialogTest, TheBorderBoxMapNameAndHelpOfTheImagePanel)
{
    runDialog("actGrafik", [](QDialog &dialog) {
        auto *always = field<QCheckBox>(dialog, "cbRammeAltid");
        EXPECT_FALSE(always->isChecked());
        auto &frame = *qobject_cast<TfrmDialog *>(&dialog);
        EXPECT_EQ(frame.helpLine().helpFor(always),
                  QStringLiteral("Sæt kryds, hvis du ønsker rammeværdien inkluderet, selvom den er nul. (border=)"));
        // A border of its own ticks the box, which then also keeps a 0.
        field<QSpinBox>(dialog, "seRamme")->setValue(3);
        EXPECT_TRUE(always->isChecked());
        field<QSpinBox>(dialog, "seRamme")->setValue(0);
        auto *map = field<QLineEdit>(dialog, "edBilledkort");
        map->setText(QStringLiteral("kort"));
        Q_EMIT map->editingFinished();
        EXPECT_EQ(map->text(), QStringLiteral("#kort"));
        field<QLineEdit>(dialog, "edBilledfil")->setText(QStringLiteral("a.gif"));
    });
    EXPECT_EQ(editor().GetText(), QStringLiteral("<img src=\"a.gif\" border=\"0\" align=\"bottom\" alt=\"\" usemap=\"#kort\">"));
    EXPECT_TRUE(m_window->settings().readBool(QStringLiteral("Dialog"), QStringLiteral("RammeGrafik"), false));

    // The next image starts with the stored box, and XHTML closes it.
    editor().SetText(QString());
    setXhtml(true);
    runDialog("actGrafik", [](QDialog &dialog) {
        EXPECT_TRUE(field<QCheckBox>(dialog, "cbRammeAltid")->isChecked());
        field<QLineEdit>(dialog, "edBilledfil")->setText(QStringLiteral("b.gif"));
    });
    EXPECT_EQ(editor().GetText(), QStringLiteral("<img src=\"b.gif\" border=\"0\" align=\"bottom\" alt=\"\" />"));
}

TEST_F(MediaDialogTest, AnEditedImageIsWrittenBackUnchanged)
{
    openSavedPage();
    writePicture("site/a.png", {30, 20});
    ElementEdit &edit = dialogs().edit();
    edit.EditMode = true;
    const char *values[] = {"%", "a.png", "top", "50", "20", "0", "", "", "x", "#k", "-1"};
    for (int slot = 0; slot < 11; ++slot)
        edit.ElementValues[slot] = QString::fromUtf8(values[slot]);
    edit.CommonValues.className = QStringLiteral("c");
    edit.EventAttributeList = {QStringLiteral("onclick=f()")};
    edit.PreservedRemainder = QStringLiteral(" data-x=\"1\"");
    m_prompter.expectDialog(QStringLiteral("Grafik - redigering"), [](QDialog &dialog) {
        // The picture is previewed, and the size fields keep the element's values.
        EXPECT_EQ(field<QLabel>(dialog, "imgEksempel")->pixmap().size(), QSize(30, 20));
        EXPECT_EQ(field<QSpinBox>(dialog, "seBredde")->value(), 50);
        EXPECT_TRUE(field<QCheckBox>(dialog, "cbBreddeProcent")->isChecked());
    });
    EXPECT_TRUE(dialogs().open(DialogKind::Image));
    EXPECT_EQ(editor().GetText(),
              QStringLiteral("<img src=\"a.png\" border=\"0\" width=\"50%\" height=\"20\" align=\"top\" "
                             "alt=\"x\" usemap=\"#k\" class=\"c\" onclick=\"f()\" data-x=\"1\">"));
}

TEST_F(MediaDialogTest, SoundsAreChosenRelativeToThePageAndWrittenAsEmbed)
{
    openSavedPage();
    QDir().mkpath(m_dir.filePath(QStringLiteral("site/lyd")));
    runDialog("actLyd", [this](QDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Lydfil:"));
        m_prompter.expectFiles({m_dir.filePath(QStringLiteral("site/lyd/tema.MID"))});
        field<QPushButton>(dialog, "btnLydfil")->click();
        field<QCheckBox>(dialog, "cbAutostart")->setChecked(true);
        field<QComboBox>(dialog, "cbKlasse")->setEditText(QStringLiteral("lyd"));
    });
    const Prompter::FileDialog &shown = m_prompter.fileDialogs().last();
    EXPECT_EQ(shown.caption, QStringLiteral("Lydfiler"));
    EXPECT_EQ(shown.folder, m_dir.filePath(QStringLiteral("site")));
    EXPECT_EQ(editor().GetText(),
              QStringLiteral("<embed src=\"lyd/tema.MID\" width=\"150\" height=\"70\" autostart=\"true\" "
                             "loop=\"false\" type=\"audio/midi\" class=\"lyd\">"));
}

TEST_F(MediaDialogTest, AnEditedBgsoundBecomesAnEmbedThatKeepsEverything)
{
    ElementEdit &edit = dialogs().edit();
    edit.EditMode = true;
    edit.ElementValues[1] = QStringLiteral("baggrund.wav");
    edit.CommonValues.id = QStringLiteral("b");
    edit.PreservedRemainder = QStringLiteral(" loop=\"infinite\" volume=\"-200\"");
    m_prompter.expectDialog(QStringLiteral("Lydfil: - redigering"), [](QDialog &dialog) {
        EXPECT_TRUE(field<QCheckBox>(dialog, "cbLoekke")->isChecked());
        EXPECT_EQ(field<QLineEdit>(dialog, "edLydfil")->text(), QStringLiteral("baggrund.wav"));
    });
    EXPECT_TRUE(dialogs().open(DialogKind::BackgroundSound));
    EXPECT_EQ(editor().GetText(),
              QStringLiteral("<embed src=\"baggrund.wav\" width=\"150\" height=\"70\" autostart=\"false\" "
                             "loop=\"true\" id=\"b\" volume=\"-200\">"));
}

TEST_F(MediaDialogTest, AReadOnlyPageGetsNoImageAndStoresNothing)
{
    editor().SetText(QStringLiteral("<p>uændret</p>"));
    editor().SetReadOnly(true);
    for (const char *command : {"actGrafik", "actLyd"}) {
        runDialog(command, [](QDialog &dialog) {
            if (auto *border = dialog.findChild<QSpinBox *>(QStringLiteral("seRamme")))
                border->setValue(2);
        });
        EXPECT_EQ(editor().GetText(), QStringLiteral("<p>uændret</p>")) << command;
    }
    EXPECT_EQ(m_window->settings().readInt(QStringLiteral("Dialog"), QStringLiteral("RammeGrafik"), -1), -1);
}

} // namespace
