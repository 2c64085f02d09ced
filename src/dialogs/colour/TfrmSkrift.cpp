#include "dialogs/colour/TfrmSkrift.h"

#include "workbench/HelpLine.h"
#include "dialogs/colour/ColourGrid.h"
#include "dialogs/colour/FontFamilyList.h"
#include "dialogs/colour/TEditWebColor.h"
#include "resources/DialogHelpKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

const QString Title = QStringLiteral("Skrifttype");
const QString ColourSwitchHint = QStringLiteral(". Tast SHIFT+F8 for at skifte farvedialogboks.");
const QString EmptyListPreviewFont = QStringLiteral("Times New Roman");

const QList<RgbColour> &htmlColours()
{
    static const QList<RgbColour> colours{
        {0, 0, 0},       {128, 0, 0}, {0, 128, 0}, {128, 128, 0}, {0, 0, 128}, {128, 0, 128}, {0, 128, 128}, {128, 128, 128},
        {192, 192, 192}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0}, {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
    };
    return colours;
}

bool isWholeNumber(const QString &text)
{
    bool ok = false;
    text.toUInt(&ok);
    return ok;
}

QComboBox *editableBox(QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

} // namespace

TfrmSkrift::TfrmSkrift(FontDialogMode mode, const FontDialogContext &context, QWidget *parent)
    : QDialog(parent)
    , m_mode(mode)
    , m_context(context)
{
    setWindowTitle(Title);
    m_help = new HelpLine(this);
    m_help->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    m_ok->setDefault(true);
    buttons->addButton(QStringLiteral("Annuller"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mode == FontDialogMode::FontElement ? buildElementPanel() : buildListPanel());
    m_preview = new QLabel(this);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setMinimumHeight(QFontMetrics(QFont(QString(), 36)).height());
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_preview->setAutoFillBackground(true);
    layout->addWidget(new QLabel(QStringLiteral("Eksempel:"), this));
    layout->addWidget(m_preview);
    layout->addWidget(m_help);
    layout->addWidget(buttons);
    showPreview();
}

QWidget *TfrmSkrift::buildElementPanel()
{
    auto *panel = new QWidget(this);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    m_family = editableBox(panel);
    m_family->addItems(m_context.webFonts ? WebFontList() : QFontDatabase::families());
    m_family->setCurrentText(QString());
    m_size = editableBox(panel);
    for (int size = 7; size >= 1; --size)
        m_size->addItem(QString::number(size));
    m_size->setCurrentText(QString());
    m_sign = editableBox(panel);
    m_sign->addItems({QString(), QStringLiteral("+"), QStringLiteral("-")});
    const std::pair<const char *, QComboBox *> boxes[] = {
        {"&Skrifttype:", m_family}, {"Stø&rrelse:", m_size}, {"T&egn:", m_sign}};
    int column = 0;
    for (const auto &[caption, box] : boxes) {
        auto *label = new QLabel(QString::fromUtf8(caption), panel);
        label->setBuddy(box);
        grid->addWidget(label, 0, column);
        grid->addWidget(box, 1, column++);
    }
    grid->setColumnStretch(0, 1);
    m_help->attach(m_family, m_context.helpText(DialogHelpKeys::FontDialog::Face));
    m_help->attach(m_size, m_context.helpText(DialogHelpKeys::FontDialog::Size));
    m_help->attach(m_sign, m_context.helpText(DialogHelpKeys::FontDialog::Size));

    auto *colourGroup = new QGroupBox(QStringLiteral(" Farve "), panel);
    auto *colourLayout = new QGridLayout(colourGroup);
    m_insertColour = new QCheckBox(QStringLiteral("Indsæt farvekode"), colourGroup);
    m_colour = new TEditWebColor(m_context.prompter, m_context.settings, colourGroup);
    m_colour->setWebDialog(m_context.webColourDialog);
    m_colour->setText(QStringLiteral("#FFFFFF"));
    m_sixteen = new ColourGrid(8, colourGroup);
    m_sixteen->setColours(htmlColours());
    colourLayout->addWidget(m_insertColour, 0, 0);
    colourLayout->addWidget(m_colour, 1, 0);
    colourLayout->addWidget(m_sixteen, 0, 1, 2, 1);
    grid->addWidget(colourGroup, 2, 0, 1, 3);
    const QString colourHelp = m_context.helpText(DialogHelpKeys::FontDialog::Colour) + ColourSwitchHint;
    const QList<QWidget *> colourControls{m_insertColour, m_colour->lineEdit(), m_sixteen};
    for (QWidget *control : colourControls)
        m_help->attach(control, colourHelp);

    connect(m_family, &QComboBox::currentTextChanged, this, &TfrmSkrift::showPreview);
    connect(m_sign, &QComboBox::currentTextChanged, this, &TfrmSkrift::showPreview);
    connect(m_size, &QComboBox::currentTextChanged, this, [this](const QString &size) {
        if (!size.isEmpty() && !isWholeNumber(size))
            m_size->setCurrentText(QString());
        showPreview();
    });
    connect(m_colour, &TEditWebColor::textChanged, this, [this] {
        m_insertColour->setChecked(true);
        showPreview();
    });
    connect(m_insertColour, &QCheckBox::toggled, this, &TfrmSkrift::showPreview);
    connect(m_sixteen, &ColourGrid::picked, this, [this](RgbColour colour) { m_colour->setText(ColorToHtml(colour)); });
    auto *toggle = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F8), this);
    connect(toggle, &QShortcut::activated, this, &TfrmSkrift::toggleColourDialog);
    return panel;
}

QWidget *TfrmSkrift::buildListPanel()
{
    auto *panel = new QWidget(this);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    m_family = editableBox(panel);
    if (m_mode == FontDialogMode::FamilyListWithGeneric)
        m_family->addItems(FontFamilyList::genericFamilies());
    m_family->addItems(QFontDatabase::families());
    m_family->setCurrentText(QString());
    m_family->lineEdit()->installEventFilter(this);
    auto *label = new QLabel(QStringLiteral("&Skrifttype:"), panel);
    label->setBuddy(m_family);
    m_chosen = new QListWidget(panel);
    m_help->attach(m_family, m_context.helpText(DialogHelpKeys::FontDialog::Face));
    m_help->attach(m_chosen, m_context.helpText(DialogHelpKeys::FontDialog::Face));

    auto *add = new QPushButton(QStringLiteral("&Tilføj"), panel);
    auto *remove = new QPushButton(QStringLiteral("Sl&et"), panel);
    auto *up = new QPushButton(QStringLiteral("Flyt &op"), panel);
    auto *down = new QPushButton(QStringLiteral("Flyt &ned"), panel);
    connect(add, &QPushButton::clicked, this, &TfrmSkrift::addFont);
    connect(remove, &QPushButton::clicked, this, &TfrmSkrift::removeFont);
    connect(up, &QPushButton::clicked, this, [this] { moveFont(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveFont(1); });
    auto *column = new QVBoxLayout;
    for (QPushButton *button : {add, remove, up, down}) {
        button->setAutoDefault(false);
        column->addWidget(button);
    }
    column->addStretch();
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_family, 1, 0);
    grid->addWidget(m_chosen, 2, 0);
    grid->addLayout(column, 2, 1);
    m_ok->setEnabled(false);
    return panel;
}

void TfrmSkrift::editElement(const FontElementFields &fields)
{
    setWindowTitle(QStringLiteral("%1 - %2").arg(Title, QStringLiteral("redigering")));
    m_kept = fields;
    m_family->setCurrentText(fields.face);
    m_sign->setCurrentText(fields.sign);
    m_size->setCurrentText(fields.size);
    if (fields.insertColour)
        m_colour->setText(fields.colour);
    m_insertColour->setChecked(fields.insertColour);
}

void TfrmSkrift::setFamilyList(const QString &value)
{
    m_chosen->clear();
    m_chosen->addItems(FontFamilyList::read(value));
    showPreview();
}

FontElementFields TfrmSkrift::fields() const
{
    FontElementFields fields = m_kept;
    fields.face = m_family->currentText();
    fields.sign = m_sign->currentText();
    fields.size = m_size->currentText();
    fields.colour = m_colour->text();
    fields.insertColour = m_insertColour->isChecked();
    return fields;
}

QString TfrmSkrift::resultText() const
{
    if (m_mode == FontDialogMode::FontElement)
        return FontElement(fields());
    QStringList chosen;
    for (int row = 0; row < m_chosen->count(); ++row)
        chosen.append(m_chosen->item(row)->text());
    QStringList boxItems;
    for (int index = 0; index < m_family->count(); ++index)
        boxItems.append(m_family->itemText(index));
    return FontFamilyList::write(chosen, boxItems);
}

void TfrmSkrift::addFont()
{
    const QString font = m_family->currentText().trimmed();
    if (font.isEmpty())
        return;
    m_chosen->addItem(font);
    m_chosen->setCurrentRow(m_chosen->count() - 1);
    listChanged();
}

void TfrmSkrift::removeFont()
{
    delete m_chosen->takeItem(m_chosen->currentRow());
    listChanged();
}

void TfrmSkrift::moveFont(int step)
{
    const int row = m_chosen->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_chosen->count())
        return;
    m_chosen->insertItem(target, m_chosen->takeItem(row));
    m_chosen->setCurrentRow(target);
    listChanged();
}

void TfrmSkrift::listChanged()
{
    m_ok->setEnabled(m_chosen->count() > 0);
    showPreview();
}

void TfrmSkrift::toggleColourDialog()
{
    m_colour->setWebDialog(!m_colour->webDialog());
}

void TfrmSkrift::showPreview()
{
    QFont font = this->font();
    QPalette colours = m_preview->palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    if (m_mode != FontDialogMode::FontElement) {
        font.setFamily(m_chosen->count() > 0 ? m_chosen->item(0)->text() : EmptyListPreviewFont);
        font.setPointSize(12);
        m_preview->setText(QStringLiteral("AaBbØøÅå"));
    } else {
        const QString family = m_family->currentText();
        font.setFamily(family.section(QLatin1Char(','), 0, 0).trimmed());
        const FontPreview preview = FontPreviewFor(m_sign->currentText(), m_size->currentText());
        font.setPointSize(preview.points);
        m_preview->setText(preview.text);
        if (m_insertColour->isChecked())
            colours.setColor(QPalette::WindowText, m_colour->buttonColour());
    }
    m_preview->setFont(font);
    m_preview->setPalette(colours);
}

bool TfrmSkrift::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && m_family && watched == m_family->lineEdit()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            addFont();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
