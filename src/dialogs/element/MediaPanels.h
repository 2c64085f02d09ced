#pragma once

#include "dialogs/element/ElementPanel.h"
#include "dialogs/element/ElementPanels.h"
#include "dialogs/element/ImageValues.h"
#include "dialogs/element/SoundValues.h"

#include <QImage>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// A file chosen for a panel's field: where it lies, and the path the
// document refers to it by.
struct ChosenFile
{
    QString path;
    QString relative;
};

// "Grafik": the picture with a preview, its alt text, size, border, spaces,
// alignment and image map.
class ImagePanel : public ElementPanel
{
    Q_OBJECT
public:
    // Offers a picture, starting on the field's current file; nothing when cancelled.
    using FileChooser = std::function<std::optional<ChosenFile>(const QString &currentFile)>;

    ImagePanel(const ImageValues &start, const QString &documentPath, PanelServices services, FileChooser chooseFile,
               QWidget *parent = nullptr);
    QString elementName() const override { return QStringLiteral("img"); }
    void apply(PanelContext &context) override;
    ImageValues values() const;

private:
    // Shows the picture of a file; a chosen one also gives the size fields its size.
    void showPicture(const QString &path, bool takeSize);
    void updatePreview();

    SettingsStore &m_settings;
    FileChooser m_chooseFile;
    QImage m_picture;
    QLineEdit *m_file;
    QLabel *m_preview;
    QCheckBox *m_fit;
    QLineEdit *m_altText;
    QSpinBox *m_width;
    QCheckBox *m_widthPercent;
    QSpinBox *m_height;
    QCheckBox *m_heightPercent;
    QSpinBox *m_border;
    QCheckBox *m_borderAlways;
    QSpinBox *m_marginTopBottom;
    QSpinBox *m_marginLeftRight;
    QComboBox *m_alignment;
    QLineEdit *m_map;
};

// "Lydfil:": a sound file in an embed element.
class SoundPanel : public ElementPanel
{
    Q_OBJECT
public:
    // Offers a sound file: the path the document refers to it by, or nothing.
    using FileChooser = std::function<std::optional<QString>()>;

    SoundPanel(const SoundValues &start, PanelServices services, FileChooser chooseFile, QWidget *parent = nullptr);
    QString elementName() const override { return QStringLiteral("embed"); }
    void apply(PanelContext &context) override;
    SoundValues values() const;

private:
    QLineEdit *m_file;
    QSpinBox *m_width;
    QSpinBox *m_height;
    QCheckBox *m_autostart;
    QCheckBox *m_loop;
    QLineEdit *m_type;
};
