#include "dialogs/element/ElementPanels.h"

#include "workbench/HelpLine.h"
#include "dialogs/colour/TEditWebColor.h"
#include "dialogs/element/ElementDialogSettings.h"
#include "dialogs/element/PanelControls.h"
#include "dialogs/element/TitlePanel.h"
#include "editor/EditableText.h"
#include "html/MarkupWriting.h"
#include "resources/DialogHelpKeys.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

} // namespace

// ---------------------------------------------------------------------------

LinePanel::LinePanel(const HorizontalLineValues &start, PanelServices services, QWidget *parent)
    : ElementPanel(parent)
    , m_settings(services.settings)
    , m_hadLength(start.length.has_value())
    , m_length(numberField("seLaengde", 0, 2000, start.length.value_or(100), this))
    , m_percent(new QCheckBox(QStringLiteral("&%"), this))
    , m_thickness(numberField("seTykkelse", 0, 100, start.thickness, this))
    , m_shaded(new QCheckBox(QStringLiteral("&3D-skygge"), this))
    , m_alignment(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("panLinie"));
    m_length->setSingleStep(5);
    m_percent->setObjectName(QStringLiteral("cbProcent"));
    m_percent->setChecked(start.percent);
    m_shaded->setObjectName(QStringLiteral("cb3D"));
    m_shaded->setChecked(start.shaded);
    // A length typed in makes the line have one.
    connect(m_length, &QSpinBox::valueChanged, this, [this] { m_hadLength = true; });

    auto *grid = new QGridLayout(this);
    grid->addWidget(labelFor(QStringLiteral("&Længde:"), m_length), 0, 0);
    grid->addWidget(m_length, 0, 1);
    grid->addWidget(m_percent, 0, 2);
    grid->addWidget(labelFor(QStringLiteral("&Tykkelse:"), m_thickness), 1, 0);
    grid->addWidget(m_thickness, 1, 1);
    grid->addWidget(m_shaded, 2, 0, 1, 3);
    const QString captions[] = {QStringLiteral("&Venstrestillet"), QStringLiteral("&Centreret"), QStringLiteral("&Højrestillet")};
    for (int i = 0; i < 3; ++i) {
        auto *button = new QRadioButton(captions[i], this);
        button->setObjectName(QStringLiteral("rbJustering%1").arg(i + 1));
        m_alignment->addButton(button, i + 1);
        grid->addWidget(button, 3 + i, 0, 1, 3);
    }
    m_alignment->button(int(start.alignment))->setChecked(true);
    auto *store = new QPushButton(QStringLiteral("Gem som standard"), this);
    store->setObjectName(QStringLiteral("btnGemStandard"));
    connect(store, &QPushButton::clicked, this, [this] { values().write(m_settings); });
    grid->addWidget(store, 6, 0, 1, 3);

    using namespace DialogHelpKeys::ElementDialog;
    services.help.attach(m_length, services.helpText(LineWidth));
    services.help.attach(m_thickness, services.helpText(LineSize));
    services.help.attach(m_shaded, services.helpText(LineNoShade));
    for (QAbstractButton *button : m_alignment->buttons())
        services.help.attach(button, services.helpText(LineAlignment));
    services.help.attach(m_percent,
                         QStringLiteral("Bestemmer, om værdien skal være absolut (i procent) eller relativ (i pixels)."));
    services.help.attach(store, QStringLiteral("Gemmer værdierne som standard for nye linier."));
}

HorizontalLineValues LinePanel::values() const
{
    HorizontalLineValues values;
    if (m_hadLength)
        values.length = m_length->value();
    else
        values.length.reset();
    values.percent = m_percent->isChecked();
    values.thickness = m_thickness->value();
    values.shaded = m_shaded->isChecked();
    values.alignment = HorizontalLineValues::Alignment(m_alignment->checkedId());
    return values;
}

void LinePanel::apply(PanelContext &context)
{
    InsertAtCaret(context.text, buildHorizontalLine(values(), context.common, context.emptyElementSuffix));
}

// ---------------------------------------------------------------------------

ListItemsPanel::ListItemsPanel(const ListValues &start, PanelServices services, QWidget *parent)
    : ElementPanel(parent)
    , m_bullets(new QRadioButton(QStringLiteral("&Punkttegn"), this))
    , m_numbers(new QRadioButton(QStringLiteral("&Tal"), this))
    , m_type(new QComboBox(this))
    , m_count(numberField("seAntal", 1, 999, 2, this))
    , m_items(new QTableWidget(this))
    , m_text(new QLineEdit(this))
{
    setObjectName(QStringLiteral("panPunktopstilling"));
    m_bullets->setObjectName(QStringLiteral("rbPunkttegn"));
    m_numbers->setObjectName(QStringLiteral("rbTal"));
    m_type->setObjectName(QStringLiteral("cbType"));
    m_items->setObjectName(QStringLiteral("sgPunkter"));
    m_text->setObjectName(QStringLiteral("edTekst"));
    m_items->setColumnCount(1);
    m_items->setHorizontalHeaderLabels({QStringLiteral("Punktopstilling")});
    m_items->horizontalHeader()->setStretchLastSection(true);

    const bool numbered = start.kind == ListValues::Kind::Numbers;
    (numbered ? m_numbers : m_bullets)->setChecked(true);
    fillTypes(start.kind);
    m_type->setCurrentIndex(start.type);
    const auto switchKind = [this](ListValues::Kind kind) {
        fillTypes(kind);
        m_type->setCurrentIndex(0);
    };
    connect(m_bullets, &QRadioButton::clicked, this, [switchKind] { switchKind(ListValues::Kind::Bullets); });
    connect(m_numbers, &QRadioButton::clicked, this, [switchKind] { switchKind(ListValues::Kind::Numbers); });

    connect(m_count, &QSpinBox::valueChanged, this, &ListItemsPanel::setCount);
    setCount(std::max(1, int(start.items.size())));
    m_count->setValue(std::max(1, int(start.items.size())));
    for (int row = 0; row < start.items.size(); ++row)
        m_items->item(row, 0)->setText(start.items[row]);
    // "Te&kst:" edits the current row; Enter moves on, after the last to the first.
    connect(m_items, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0)
            m_text->setText(m_items->item(row, 0)->text());
    });
    connect(m_text, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (m_items->currentRow() >= 0)
            m_items->item(m_items->currentRow(), 0)->setText(text);
    });
    connect(m_text, &QLineEdit::returnPressed, this, [this] {
        m_items->setCurrentCell((m_items->currentRow() + 1) % m_count->value(), 0);
        m_text->setFocus();
    });
    m_items->setCurrentCell(0, 0);

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_bullets, 0, 0);
    layout->addWidget(m_numbers, 0, 1);
    layout->addWidget(labelFor(QStringLiteral("Typ&e:"), m_type), 1, 0);
    layout->addWidget(m_type, 1, 1);
    layout->addWidget(labelFor(QStringLiteral("&Antal:"), m_count), 2, 0);
    layout->addWidget(m_count, 2, 1);
    layout->addWidget(m_items, 3, 0, 1, 2);
    layout->addWidget(labelFor(QStringLiteral("Te&kst:"), m_text), 4, 0);
    layout->addWidget(m_text, 4, 1);
    services.help.attach(m_type, services.helpText(DialogHelpKeys::ElementDialog::ListType));
    services.help.attach(m_count, QStringLiteral("Sætter antallet af punkter i opstillingen."));
    services.help.attach(m_text, QStringLiteral("Teksten i det markerede punkt. Tast Enter for at gå til næste punkt."));
}

void ListItemsPanel::fillTypes(ListValues::Kind kind)
{
    m_type->clear();
    if (kind == ListValues::Kind::Bullets)
        m_type->addItems({QStringLiteral("Runde"), QStringLiteral("Firkantede")});
    else
        m_type->addItems({QStringLiteral("1, 2, 3..."), QStringLiteral("I, II, III..."), QStringLiteral("i, ii, iii..."),
                          QStringLiteral("A, B, C..."), QStringLiteral("a, b, c...")});
}

void ListItemsPanel::setCount(int count)
{
    const int before = m_items->rowCount();
    m_items->setRowCount(count);
    for (int row = before; row < count; ++row)
        m_items->setItem(row, 0, new QTableWidgetItem);
}

QString ListItemsPanel::elementName() const
{
    return m_numbers->isChecked() ? QStringLiteral("ol") : QStringLiteral("ul");
}

ListValues ListItemsPanel::values() const
{
    ListValues values;
    values.kind = m_numbers->isChecked() ? ListValues::Kind::Numbers : ListValues::Kind::Bullets;
    values.type = m_type->currentIndex();
    for (int row = 0; row < m_count->value(); ++row)
        values.items.append(m_items->item(row, 0)->text());
    return values;
}

void ListItemsPanel::apply(PanelContext &context)
{
    InsertAtCaret(context.text, buildList(values(), context.common));
}

// ---------------------------------------------------------------------------

AlignmentPanel::AlignmentPanel(const AlignmentValues &start, PanelServices services, QWidget *parent)
    : ElementPanel(parent)
    , m_values(start)
    , m_alignment(new QComboBox(this))
{
    setObjectName(QStringLiteral("panJustering"));
    m_alignment->setObjectName(QStringLiteral("cbJustering"));
    m_alignment->addItems({QString(), QStringLiteral("Venstrestillet"), QStringLiteral("Centreret"),
                           QStringLiteral("Højrestillet"), QStringLiteral("Lige margener")});
    m_alignment->setCurrentIndex(int(start.alignment));
    auto *form = new QFormLayout(this);
    form->addRow(labelFor(QStringLiteral("&Tekstjustering:"), m_alignment), m_alignment);
    services.help.attach(m_alignment, services.helpText(DialogHelpKeys::ElementDialog::BlockAlignment));
}

void AlignmentPanel::apply(PanelContext &context)
{
    AlignmentValues values = m_values;
    values.alignment = AlignmentValues::Alignment(m_alignment->currentIndex());
    const auto [open, close] = buildAlignment(values, context.common);
    if (context.editMode)
        InsertAtCaret(context.text, open);
    else
        WrapSelection(context.text, open, close);
}

// ---------------------------------------------------------------------------

TitlePanel::TitlePanel(const QString &title, PanelServices services, QWidget *parent)
    : ElementPanel(parent)
    , m_title(new QLineEdit(title, this))
{
    setObjectName(QStringLiteral("panTitel"));
    m_title->setObjectName(QStringLiteral("edTitel"));
    auto *form = new QFormLayout(this);
    form->addRow(labelFor(QStringLiteral("&Titel:"), m_title), m_title);
    services.help.attach(m_title, services.helpText(DialogHelpKeys::ElementDialog::Title));
}

QString TitlePanel::title() const
{
    return m_title->text();
}

void TitlePanel::apply(PanelContext &context)
{
    // The title element the caller selected is replaced; else a new one goes
    // into the head on a line of its own.
    const bool replaces = !context.text.GetSelection().isEmpty();
    if (!replaces && placeInHead && !placeInHead(context.text))
        return;
    InsertAtCaret(context.text, buildTitle(title(), replaces));
}

// ---------------------------------------------------------------------------

PagePanel::PagePanel(const Start &start, PanelServices services, bool editMode, FileChooser chooseFile, QWidget *parent)
    : ElementPanel(parent)
    , m_settings(services.settings)
    , m_chooseFile(std::move(chooseFile))
    , m_encoding(start.encoding)
    , m_version(new QComboBox(this))
    , m_title(new QLineEdit(start.values.title, this))
    , m_stylesheet(new QLineEdit(start.values.stylesheet, this))
    , m_target(new QComboBox(this))
    , m_body(new QCheckBox(QStringLiteral("&<BODY>"), this))
    , m_background(new QLineEdit(start.values.bodyValues.backgroundFile, this))
    , m_colours(new QCheckBox(QStringLiteral("&Medtag farver:"), this))
{
    setObjectName(QStringLiteral("panBasis"));
    m_version->setObjectName(QStringLiteral("cbVersion"));
    m_version->addItems(start.versions);
    m_version->setCurrentIndex(std::clamp(start.version, 0, int(start.versions.size()) - 1));
    m_title->setObjectName(QStringLiteral("edTitel"));
    m_stylesheet->setObjectName(QStringLiteral("edTypografiark"));
    m_target->setObjectName(QStringLiteral("cbDestination"));
    m_target->setEditable(true);
    m_target->addItems(
        {QString(), QStringLiteral("_blank"), QStringLiteral("_self"), QStringLiteral("_parent"), QStringLiteral("_top")});
    m_target->setEditText(start.values.target);
    m_body->setObjectName(QStringLiteral("cbBody"));
    m_body->setChecked(start.values.body);
    m_background->setObjectName(QStringLiteral("edBaggrundsfil"));
    m_colours->setObjectName(QStringLiteral("cbFarver"));
    m_colours->setChecked(start.values.bodyValues.includeColours);

    auto *form = new QFormLayout(this);
    form->addRow(labelFor(QStringLiteral("HTML-&version:"), m_version), m_version);
    form->addRow(labelFor(QStringLiteral("&Titel:"), m_title), m_title);
    // A field with its "Vælg..." button, which fills it with a chosen file.
    const auto withChooser = [this](QLineEdit *field, const char *name, const QString &caption, bool picture) {
        auto *row = new QHBoxLayout;
        auto *choose = new QPushButton(QStringLiteral("Vælg..."), this);
        choose->setObjectName(QString::fromLatin1(name));
        connect(choose, &QPushButton::clicked, this, [this, field, caption, picture] {
            if (const std::optional<QString> path = m_chooseFile(caption, picture))
                field->setText(*path);
        });
        row->addWidget(field, 1);
        row->addWidget(choose);
        return row;
    };
    form->addRow(labelFor(QStringLiteral("T&ypografiark:"), m_stylesheet),
                 withChooser(m_stylesheet, "btnTypografiark", QStringLiteral("Typografiark"), false));
    form->addRow(labelFor(QStringLiteral("Standar&ddestinationsramme:"), m_target), m_target);
    form->addRow(m_body);
    form->addRow(labelFor(QStringLiteral("&Baggrundsfil:"), m_background),
                 withChooser(m_background, "btnBaggrundsfil", QStringLiteral("Baggrundsbillede"), true));
    form->addRow(m_colours);
    const BodyValues &body = start.values.bodyValues;
    const std::pair<QString, QString> colours[] = {{QStringLiteral("Baggr&und:"), body.background},
                                                   {QStringLiteral("T&ekst:"), body.text},
                                                   {QStringLiteral("&Henvisning:"), body.link},
                                                   {QStringLiteral("Be&søgt henvisning:"), body.visitedLink},
                                                   {QStringLiteral("&Aktiv henvisning:"), body.activeLink}};
    for (const auto &[caption, value] : colours) {
        auto *field = new TEditWebColor(services.prompter, &services.settings, this);
        field->setObjectName(QStringLiteral("edFarve%1").arg(m_colourFields.size() + 1));
        field->setText(value);
        field->setWebDialog(services.webColourDialog);
        // Changing a colour includes the colours.
        connect(field, &TEditWebColor::textChanged, m_colours, [this] { m_colours->setChecked(true); });
        form->addRow(labelFor(caption, field->lineEdit()), field);
        m_colourFields.append(field);
    }
    // Without the BODY element there is nothing for the body's fields.
    const auto followBody = [this] {
        const bool on = m_body->isChecked();
        m_background->setEnabled(on);
        m_colours->setEnabled(on);
        for (TEditWebColor *field : std::as_const(m_colourFields))
            field->setEnabled(on);
        Q_EMIT commonPanelEnabledChanged(on);
    };
    connect(m_body, &QCheckBox::toggled, this, followBody);
    followBody();
    for (QWidget *newPageOnly :
         {static_cast<QWidget *>(m_version), static_cast<QWidget *>(m_title), static_cast<QWidget *>(m_stylesheet),
          static_cast<QWidget *>(m_target), static_cast<QWidget *>(m_body)})
        newPageOnly->setEnabled(!editMode);

    using namespace DialogHelpKeys::ElementDialog;
    services.help.attach(m_title, services.helpText(Title));
    const int colourKeys[] = {BackgroundColour, TextColour, LinkColour, VisitedLinkColour, ActiveLinkColour};
    for (int i = 0; i < 5; ++i)
        services.help.attach(m_colourFields[i]->lineEdit(), services.helpText(colourKeys[i]), m_colourFields[i]->button());
}

bool PagePanel::commonPanelEnabled() const
{
    return m_body->isChecked();
}

QString PagePanel::title() const
{
    return m_title->text();
}

PageValues PagePanel::values() const
{
    PageValues values;
    values.version = m_version->currentText();
    values.title = m_title->text();
    values.stylesheet = m_stylesheet->text();
    values.target = m_target->currentText().trimmed();
    values.body = m_body->isChecked();
    BodyValues &body = values.bodyValues;
    body.backgroundFile = m_background->text();
    body.includeColours = m_colours->isChecked();
    QString *colours[] = {&body.background, &body.text, &body.link, &body.visitedLink, &body.activeLink};
    for (int i = 0; i < 5; ++i)
        *colours[i] = m_colourFields[i]->text().trimmed();
    return values;
}

void PagePanel::apply(PanelContext &context)
{
    if (context.editMode) {
        InsertAtCaret(context.text, buildBody(values().bodyValues, context.common));
        return;
    }
    ElementDialogSettings::setDocType(m_settings, m_version->currentIndex());
    const PageMarkup page = buildPage(values(), context.common, context.emptyElementSuffix, m_encoding);
    const TextPos start = context.text.GetSelection().start();
    InsertAtCaret(context.text, page.text);
    context.text.SetSelection(SelectionRecord::at(placeAfter(start, page.text, page.caret)));
    m_caret = page.caret;
}

// ---------------------------------------------------------------------------

FramesetFieldsPanel::FramesetFieldsPanel(const FramesetValues &start, PanelServices services, QWidget *parent)
    : ElementPanel(parent)
    , m_rows(new QLineEdit(start.rows, this))
    , m_columns(new QLineEdit(start.columns, this))
    , m_border(new QCheckBox(QStringLiteral("&Kant"), this))
    , m_thickness(numberField("seTykkelse", 0, 100, start.thickness, this))
{
    setObjectName(QStringLiteral("panFrameset"));
    m_rows->setObjectName(QStringLiteral("edRaekker"));
    m_columns->setObjectName(QStringLiteral("edKolonner"));
    m_border->setObjectName(QStringLiteral("cbKant"));
    m_border->setChecked(start.border);
    // The one of rows and columns not in use is greyed.
    (start.rowsGreyed() ? m_rows : m_columns)->setEnabled(false);
    auto *form = new QFormLayout(this);
    form->addRow(labelFor(QStringLiteral("&Rækker:"), m_rows), m_rows);
    form->addRow(labelFor(QStringLiteral("&Kolonner:"), m_columns), m_columns);
    form->addRow(m_border);
    form->addRow(labelFor(QStringLiteral("&Tykkelse:"), m_thickness), m_thickness);
    services.help.attach(m_rows, QStringLiteral("Rækkernes højder, adskilt af komma, fx 100,*. (ROWS=\"\")"));
    services.help.attach(m_columns, QStringLiteral("Kolonnernes bredder, adskilt af komma, fx 25%,*. (COLS=\"\")"));
    services.help.attach(m_border, QStringLiteral("Bestemmer, om rammerne skal have kant. (FRAMEBORDER=\"\")"));
    services.help.attach(m_thickness, QStringLiteral("Kantens tykkelse i pixels. (BORDER=\"\")"));
}

void FramesetFieldsPanel::apply(PanelContext &context)
{
    FramesetValues values;
    values.rows = m_rows->text().trimmed();
    values.columns = m_columns->text().trimmed();
    values.border = m_border->isChecked();
    values.thickness = m_thickness->value();
    InsertAtCaret(context.text, buildFrameset(values, context.common));
}

// ---------------------------------------------------------------------------

TableCellFieldsPanel::TableCellFieldsPanel(const TableCellValues &start, bool row, PanelServices services, QWidget *parent)
    : ElementPanel(parent)
    , m_row(row)
    , m_vertical(new QComboBox(this))
    , m_horizontal(new QComboBox(this))
{
    setObjectName(QStringLiteral("panTabel"));
    m_vertical->setObjectName(QStringLiteral("cbLodret"));
    m_vertical->addItems({QStringLiteral("Top"), QStringLiteral("Midten"), QStringLiteral("Bund")});
    m_vertical->setCurrentIndex(int(start.vertical));
    m_horizontal->setObjectName(QStringLiteral("cbVandret"));
    m_horizontal->addItems({QStringLiteral("Venstrestillet"), QStringLiteral("Centreret"), QStringLiteral("Højrestillet")});
    m_horizontal->setCurrentIndex(int(start.horizontal));
    auto *grid = new QGridLayout(this);
    grid->addWidget(labelFor(QStringLiteral("&Tekstjustering top/bund:"), m_vertical), 0, 0);
    grid->addWidget(m_vertical, 0, 1, 1, 2);
    grid->addWidget(labelFor(QStringLiteral("Tekstjustering h&øjre/venstre:"), m_horizontal), 1, 0);
    grid->addWidget(m_horizontal, 1, 1, 1, 2);
    using namespace DialogHelpKeys;
    services.help.attach(m_vertical, services.helpText(TableDialog::VerticalAlignment));
    services.help.attach(m_horizontal, services.helpText(TableDialog::HorizontalAlignment));
    if (row)
        return;

    m_rowSpan = numberField("seRaekker", 1, 50, start.rowSpan, this);
    m_columnSpan = numberField("seKolonner", 1, 50, start.columnSpan, this);
    grid->addWidget(labelFor(QStringLiteral("Antal &rækker cellen spænder over:"), m_rowSpan), 2, 0);
    grid->addWidget(m_rowSpan, 2, 1);
    grid->addWidget(labelFor(QStringLiteral("&Antal kolonner cellen spænder over:"), m_columnSpan), 3, 0);
    grid->addWidget(m_columnSpan, 3, 1);
    // A size's box is ticked as soon as its value is changed.
    const auto sizeRow = [&](int line, const QString &caption, const char *name, int maximum, int value, bool on, bool percent,
                             int minimum, QCheckBox *&box, QSpinBox *&field, QCheckBox *&percentBox) {
        box = new QCheckBox(caption, this);
        box->setObjectName(QString::fromLatin1(name));
        box->setChecked(on);
        field = numberField(name, minimum, maximum, value, this);
        field->setObjectName(QString::fromLatin1(name) + QStringLiteral("Vaerdi"));
        percentBox = new QCheckBox(QStringLiteral("%"), this);
        percentBox->setChecked(percent);
        connect(field, &QSpinBox::valueChanged, box, [box] { box->setChecked(true); });
        grid->addWidget(box, line, 0);
        grid->addWidget(field, line, 1);
        grid->addWidget(percentBox, line, 2);
        services.help.attach(percentBox,
                             QStringLiteral("Bestemmer, om værdien skal være absolut (i procent) eller relativ (i pixels)."));
    };
    sizeRow(4, QStringLiteral("Celle&bredde:"), "cbBredde", 2000, start.width, start.widthOn, start.widthPercent, 0, m_widthOn,
            m_width, m_widthPercent);
    sizeRow(5, QStringLiteral("Celle&højde:"), "cbHoejde", 1600, start.height, start.heightOn, start.heightPercent, 1, m_heightOn,
            m_height, m_heightPercent);
    m_colourOn = new QCheckBox(QStringLiteral("&Farve"), this);
    m_colourOn->setObjectName(QStringLiteral("cbFarve"));
    m_colourOn->setChecked(start.colourOn);
    m_colour = new TEditWebColor(services.prompter, &services.settings, this);
    m_colour->setObjectName(QStringLiteral("edFarve"));
    m_colour->setText(start.colour);
    m_colour->setWebDialog(services.webColourDialog);
    connect(m_colour, &TEditWebColor::textChanged, m_colourOn, [this] { m_colourOn->setChecked(true); });
    grid->addWidget(m_colourOn, 6, 0);
    grid->addWidget(m_colour, 6, 1, 1, 2);
    services.help.attach(m_colour->lineEdit(), services.helpText(ElementDialog::CellColour), m_colour->button());
}

TableCellValues TableCellFieldsPanel::values() const
{
    TableCellValues values;
    values.vertical = TableCellValues::Vertical(m_vertical->currentIndex());
    values.horizontal = TableCellValues::Horizontal(m_horizontal->currentIndex());
    if (m_row)
        return values;
    values.rowSpan = m_rowSpan->value();
    values.columnSpan = m_columnSpan->value();
    values.widthOn = m_widthOn->isChecked();
    values.width = m_width->value();
    values.widthPercent = m_widthPercent->isChecked();
    values.heightOn = m_heightOn->isChecked();
    values.height = m_height->value();
    values.heightPercent = m_heightPercent->isChecked();
    values.colourOn = m_colourOn->isChecked();
    values.colour = m_colour->text().trimmed();
    return values;
}

void TableCellFieldsPanel::apply(PanelContext &context)
{
    InsertAtCaret(context.text, m_row ? buildTableRow(values(), context.common) : buildTableCell(values(), context.common));
}

// ---------------------------------------------------------------------------

NoFramesPanel::NoFramesPanel(QString &text, PanelServices services, QWidget *parent)
    : ElementPanel(parent)
    , m_text(text)
    , m_field(new QPlainTextEdit(text, this))
{
    setObjectName(QStringLiteral("panNoFrames"));
    m_field->setObjectName(QStringLiteral("mmTekst"));
    m_field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(labelFor(QStringLiteral("&Tekst:"), m_field));
    layout->addWidget(m_field);
    services.help.attach(m_field, QStringLiteral("Den tekst, browsere uden rammer viser i stedet for rammerne."));
}

void NoFramesPanel::apply(PanelContext &)
{
    m_text = m_field->toPlainText();
}
