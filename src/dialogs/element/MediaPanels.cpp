#include "dialogs/element/MediaPanels.h"

#include "workbench/HelpLine.h"
#include "dialogs/element/ElementDialogSettings.h"
#include "dialogs/element/PanelControls.h"
#include "files/RelativePaths.h"
#include "html/MarkupWriting.h"
#include "picture/LoadPicture.h"
#include "resources/DialogHelpKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QString ChooseFileHelp = QStringLiteral("Klik for at vælge en fil.");
const QString PercentHelp = QStringLiteral("Bestemmer, om værdien skal være absolut (i procent) eller relativ (i pixels).");
const QSize PreviewSize(160, 120);

QPushButton *chooseButton(const char *name, QWidget *parent)
{
    return namedButton(QStringLiteral("Vælg..."), name, parent);
}

} // namespace

ImagePanel::ImagePanel(const ImageValues &start, const QString &documentPath, PanelServices services, FileChooser chooseFile,
                       QWidget *parent)
    : ElementPanel(parent)
    , m_settings(services.settings)
    , m_chooseFile(std::move(chooseFile))
    , m_file(new QLineEdit(start.file, this))
    , m_preview(new QLabel(this))
    , m_fit(tickBox(QStringLiteral("Tilp&as billede"), "cbTilpas", false, this))
    , m_altText(new QLineEdit(start.altText, this))
    , m_width(numberField("seBredde", 0, 10000, start.width, this))
    , m_widthPercent(tickBox(QStringLiteral("%"), "cbBreddeProcent", start.widthPercent, this))
    , m_height(numberField("seHoejde", 0, 10000, start.height, this))
    , m_heightPercent(tickBox(QStringLiteral("%"), "cbHoejdeProcent", start.heightPercent, this))
    , m_border(numberField("seRamme", 0, 100, start.border, this))
    , m_borderAlways(tickBox(QStringLiteral("Altid"), "cbRammeAltid", start.borderAlways || start.border != 0, this))
    , m_marginTopBottom(numberField("seMarginTopBund", 0, 100, start.marginTopBottom, this))
    , m_marginLeftRight(numberField("seMarginHoejreVenstre", 0, 100, start.marginLeftRight, this))
    , m_alignment(new QComboBox(this))
    , m_map(new QLineEdit(start.mapName, this))
{
    setObjectName(QStringLiteral("panGrafik"));
    m_file->setObjectName(QStringLiteral("edBilledfil"));
    m_preview->setObjectName(QStringLiteral("imgEksempel"));
    m_preview->setFixedSize(PreviewSize);
    m_preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_preview->setFrameShape(QFrame::Panel);
    m_preview->setFrameShadow(QFrame::Sunken);
    m_altText->setObjectName(QStringLiteral("edAltTekst"));
    m_alignment->setObjectName(QStringLiteral("cbTekstjustering"));
    m_alignment->addItems({QStringLiteral("Top"), QStringLiteral("Midten"), QStringLiteral("Bund"), QStringLiteral("Højre om"),
                           QStringLiteral("Venstre om")});
    m_alignment->setCurrentIndex(int(start.alignment));
    m_map->setObjectName(QStringLiteral("edBilledkort"));
    auto *createMap = new QPushButton(QStringLiteral("O&pret billedkort"), this);
    createMap->setObjectName(QStringLiteral("btnOpretBilledkort"));
    // There is no image map editor to open yet.
    createMap->setEnabled(false);
    QPushButton *choose = chooseButton("btnBilledfil", this);

    connect(choose, &QPushButton::clicked, this, [this] {
        if (const std::optional<ChosenFile> chosen = m_chooseFile(m_file->text())) {
            m_file->setText(chosen->relative);
            showPicture(chosen->path, true);
        }
    });
    connect(m_fit, &QCheckBox::toggled, this, &ImagePanel::updatePreview);
    // A border of its own is worth writing.
    connect(m_border, &QSpinBox::valueChanged, m_borderAlways, [this](int border) {
        if (border != 0)
            m_borderAlways->setChecked(true);
    });
    connect(m_map, &QLineEdit::editingFinished, m_map, [this] { m_map->setText(mapReference(m_map->text())); });

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(choose);
    auto *top = new QGridLayout;
    top->addWidget(labelFor(QStringLiteral("Bille&dfil:"), m_file), 0, 0);
    top->addLayout(fileRow, 0, 1);
    top->addWidget(labelFor(QStringLiteral("Alt. &tekst:"), m_altText), 1, 0);
    top->addWidget(m_altText, 1, 1);
    top->addWidget(m_preview, 2, 1, Qt::AlignLeft);
    top->addWidget(m_fit, 3, 1);

    // The second part: size, border, spaces, alignment and image map.
    auto *fields = new QWidget(this);
    fields->setObjectName(QStringLiteral("panGrafik2"));
    auto *grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(labelFor(QStringLiteral("&Bredde:"), m_width), 0, 0);
    grid->addWidget(m_width, 0, 1);
    grid->addWidget(m_widthPercent, 0, 2);
    grid->addWidget(labelFor(QStringLiteral("&Højde:"), m_height), 1, 0);
    grid->addWidget(m_height, 1, 1);
    grid->addWidget(m_heightPercent, 1, 2);
    grid->addWidget(labelFor(QStringLiteral("&Ramme:"), m_border), 2, 0);
    grid->addWidget(m_border, 2, 1);
    grid->addWidget(m_borderAlways, 2, 2);
    grid->addWidget(labelFor(QStringLiteral("&Margin, top/bund:"), m_marginTopBottom), 3, 0);
    grid->addWidget(m_marginTopBottom, 3, 1);
    grid->addWidget(labelFor(QStringLiteral("Margin, h&øjre/venstre:"), m_marginLeftRight), 4, 0);
    grid->addWidget(m_marginLeftRight, 4, 1);
    grid->addWidget(labelFor(QStringLiteral("T&ekstjustering:"), m_alignment), 5, 0);
    grid->addWidget(m_alignment, 5, 1, 1, 2);
    grid->addWidget(labelFor(QStringLiteral("Bi&lledkort:"), m_map), 6, 0);
    grid->addWidget(m_map, 6, 1, 1, 2);
    grid->addWidget(createMap, 7, 1, 1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(fields);

    if (!start.file.isEmpty() && !documentPath.isEmpty())
        showPicture(ResolvePath(QFileInfo(documentPath).absolutePath(), start.file), false);

    using namespace DialogHelpKeys::ElementDialog;
    HelpLine &help = services.help;
    help.attach(m_file, services.helpText(ImageFile));
    help.attach(choose, ChooseFileHelp);
    help.attach(m_altText, services.helpText(ImageAltText));
    help.attach(m_width, services.helpText(ImageWidth));
    help.attach(m_height, services.helpText(ImageHeight));
    help.attach(m_widthPercent, PercentHelp);
    help.attach(m_heightPercent, PercentHelp);
    help.attach(m_border, services.helpText(ImageBorder));
    help.attach(m_borderAlways,
                QStringLiteral("Sæt kryds, hvis du ønsker rammeværdien inkluderet, selvom den er nul. (border=)"));
    help.attach(m_marginTopBottom, services.helpText(ImageMarginTopBottom));
    help.attach(m_marginLeftRight, services.helpText(ImageMarginLeftRight));
    help.attach(m_alignment, services.helpText(ImageAlignment));
    help.attach(m_map, services.helpText(ImageMap));
    help.attach(m_fit, QStringLiteral("Tilpasser billedet til eksempelfeltet, så hele billedet kan ses."));
    help.attach(createMap, QStringLiteral("Opretter et billedkort til billedet."));
}

void ImagePanel::showPicture(const QString &path, bool takeSize)
{
    const std::optional<LoadedPicture> loaded = LoadPicture(path, true);
    // Files that are no pictures leave the preview as it was.
    if (!loaded)
        return;
    m_picture = loaded->image;
    updatePreview();
    if (!takeSize || m_picture.isNull())
        return;
    m_width->setValue(loaded->size.width());
    m_height->setValue(loaded->size.height());
    m_widthPercent->setChecked(false);
    m_heightPercent->setChecked(false);
}

void ImagePanel::updatePreview()
{
    if (m_picture.isNull()) {
        m_preview->clear();
        return;
    }
    const QImage shown = m_fit->isChecked()
        ? m_picture.scaled(m_preview->contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)
        : m_picture;
    m_preview->setPixmap(QPixmap::fromImage(shown));
}

ImageValues ImagePanel::values() const
{
    ImageValues values;
    values.file = m_file->text().trimmed();
    values.altText = m_altText->text();
    values.width = m_width->value();
    values.widthPercent = m_widthPercent->isChecked();
    values.height = m_height->value();
    values.heightPercent = m_heightPercent->isChecked();
    values.border = m_border->value();
    values.borderAlways = m_borderAlways->isChecked();
    values.marginTopBottom = m_marginTopBottom->value();
    values.marginLeftRight = m_marginLeftRight->value();
    values.alignment = ImageValues::Alignment(m_alignment->currentIndex());
    values.mapName = mapReference(m_map->text().trimmed());
    return values;
}

void ImagePanel::apply(PanelContext &context)
{
    InsertAtCaret(context.text, buildImage(values(), context.common, context.emptyElementSuffix));
    ElementDialogSettings::setImageBorderAlways(m_settings, m_borderAlways->isChecked());
}

// ---------------------------------------------------------------------------

SoundPanel::SoundPanel(const SoundValues &start, PanelServices services, FileChooser chooseFile, QWidget *parent)
    : ElementPanel(parent)
    , m_file(new QLineEdit(start.file, this))
    , m_width(numberField("seBredde", 0, 1600, start.width, this))
    , m_height(numberField("seHoejde", 0, 2000, start.height, this))
    , m_autostart(tickBox(QStringLiteral("&Autostart"), "cbAutostart", start.autostart, this))
    , m_loop(tickBox(QStringLiteral("&Kør i løkke"), "cbLoekke", start.loop, this))
    , m_type(new QLineEdit(start.type, this))
{
    setObjectName(QStringLiteral("panLydfil"));
    m_file->setObjectName(QStringLiteral("edLydfil"));
    m_type->setObjectName(QStringLiteral("edType"));
    QPushButton *choose = chooseButton("btnLydfil", this);
    connect(choose, &QPushButton::clicked, this, [this, chooseFile = std::move(chooseFile)] {
        if (const std::optional<QString> path = chooseFile())
            m_file->setText(*path);
    });

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(choose);
    auto *grid = new QGridLayout(this);
    grid->addWidget(labelFor(QStringLiteral("&Lydfil:"), m_file), 0, 0);
    grid->addLayout(fileRow, 0, 1);
    grid->addWidget(labelFor(QStringLiteral("&Bredde:"), m_width), 1, 0);
    grid->addWidget(m_width, 1, 1, Qt::AlignLeft);
    grid->addWidget(labelFor(QStringLiteral("&Højde:"), m_height), 2, 0);
    grid->addWidget(m_height, 2, 1, Qt::AlignLeft);
    grid->addWidget(m_autostart, 3, 1);
    grid->addWidget(m_loop, 4, 1);
    grid->addWidget(labelFor(QStringLiteral("&Type:"), m_type), 5, 0);
    grid->addWidget(m_type, 5, 1);

    using namespace DialogHelpKeys::ElementDialog;
    HelpLine &help = services.help;
    help.attach(m_file, services.helpText(SoundFile));
    help.attach(choose, ChooseFileHelp);
    help.attach(m_width, services.helpText(SoundWidth));
    help.attach(m_height, services.helpText(SoundHeight));
    help.attach(m_type, services.helpText(SoundType));
    help.attach(m_autostart, QStringLiteral("Sæt kryds, hvis lyden skal spilles, så snart siden er hentet. (autostart=)"));
    help.attach(m_loop, QStringLiteral("Sæt kryds, hvis lyden skal gentages, så længe siden vises. (loop=)"));
}

SoundValues SoundPanel::values() const
{
    SoundValues values;
    values.file = m_file->text().trimmed();
    values.width = m_width->value();
    values.height = m_height->value();
    values.autostart = m_autostart->isChecked();
    values.loop = m_loop->isChecked();
    values.type = m_type->text().trimmed();
    return values;
}

void SoundPanel::apply(PanelContext &context)
{
    InsertAtCaret(context.text, buildSound(values(), context.common, context.emptyElementSuffix));
}
