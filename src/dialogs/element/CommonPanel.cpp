#include "dialogs/element/CommonPanel.h"

#include "core/SettingsStore.h"
#include "workbench/HelpLine.h"
#include "dialogs/element/ElementDialogSettings.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

CommonPanel::CommonPanel(const CommonFields &start, const QString &element, SettingsStore &settings, int kind, HelpLine &help,
                         const HelpTexts &helpText, TextEditor editor, QWidget *parent)
    : QWidget(parent)
    , m_element(element)
    , m_settings(settings)
    , m_kind(kind)
    , m_editor(std::move(editor))
    , m_remainder(start.remainder)
    , m_class(new QComboBox(this))
    , m_id(new QLineEdit(start.text.id, this))
    , m_style(new QLineEdit(start.text.style, this))
    , m_advanced(new QToolButton(this))
    , m_events(new QTableWidget(int(start.events.size()), 2, this))
{
    setObjectName(QStringLiteral("panCSS"));
    m_class->setObjectName(QStringLiteral("cbKlasse"));
    m_class->setEditable(true);
    QStringList names = ElementDialogSettings::classHistory(settings);
    names.sort(Qt::CaseInsensitive);
    m_class->addItems(names);
    m_class->setEditText(start.text.className);
    m_id->setObjectName(QStringLiteral("edID"));
    m_style->setObjectName(QStringLiteral("edTypografi"));

    auto *styleButton = new QPushButton(QStringLiteral("..."), this);
    styleButton->setObjectName(QStringLiteral("btnTypografi"));
    styleButton->setFixedWidth(styleButton->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 16);
    connect(styleButton, &QPushButton::clicked, this, [this] {
        if (const auto edited = m_editor(QStringLiteral("Typografi"), styleEditorText(m_element, m_style->text())))
            m_style->setText(styleFromEditorText(*edited));
    });
    auto *styleRow = new QHBoxLayout;
    styleRow->addWidget(m_style, 1);
    styleRow->addWidget(styleButton);

    m_events->setObjectName(QStringLiteral("sgHaendelser"));
    m_events->setHorizontalHeaderLabels({QStringLiteral("Hændelse"), QStringLiteral("Handling")});
    m_events->verticalHeader()->hide();
    m_events->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < start.events.size(); ++row) {
        auto *name = new QTableWidgetItem(start.events[row].first);
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        m_events->setItem(row, 0, name);
        m_events->setItem(row, 1, new QTableWidgetItem(start.events[row].second));
    }
    // The action of an event opens in the editor on a double click.
    connect(m_events, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column != 1)
            return;
        QTableWidgetItem *cell = m_events->item(row, 1);
        if (const auto edited = m_editor(m_events->item(row, 0)->text(), cell->text()))
            cell->setText(edited->trimmed());
    });

    m_advanced->setObjectName(QStringLiteral("btnAvanceret"));
    m_advanced->setText(QStringLiteral("Avanceret"));
    m_advanced->setCheckable(true);
    m_advanced->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(m_advanced, &QToolButton::toggled, this, &CommonPanel::showAdvanced);

    auto *form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    const auto row = [&form](const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    row(QStringLiteral("&Klasse:"), m_class);
    row(QStringLiteral("&ID:"), m_id);
    auto *styleLabel = new QLabel(QStringLiteral("T&ypografi:"));
    styleLabel->setBuddy(m_style);
    form->addRow(styleLabel, styleRow);
    form->addRow(m_advanced);
    form->addRow(m_events);

    help.attach(m_class, helpText(370));
    help.attach(m_id, helpText(371));
    help.attach(m_style, helpText(372));
    help.attach(styleButton, QStringLiteral("Klik for at redigere typografiregler."));
    help.attach(m_events, helpText(248));
    help.attach(m_advanced, QStringLiteral("Klik på pilen for at slå avancerede muligheder til/fra"));

    const bool open = ElementDialogSettings::advancedOpen(settings, kind);
    m_advanced->setChecked(open);
    showAdvanced(open);
}

void CommonPanel::showAdvanced(bool shown)
{
    m_advanced->setArrowType(shown ? Qt::DownArrow : Qt::RightArrow);
    m_events->setVisible(shown);
}

bool CommonPanel::advancedShown() const
{
    return m_advanced->isChecked();
}

CommonFields CommonPanel::fields() const
{
    CommonFields fields;
    fields.text = {m_class->currentText().trimmed(), m_id->text().trimmed(), m_style->text().trimmed()};
    for (int row = 0; row < m_events->rowCount(); ++row)
        fields.events.append({m_events->item(row, 0)->text(), m_events->item(row, 1)->text()});
    fields.remainder = m_remainder;
    return fields;
}

void CommonPanel::remember() const
{
    ElementDialogSettings::setAdvancedOpen(m_settings, m_kind, advancedShown());
    const QString className = m_class->currentText().trimmed();
    if (!className.isEmpty())
        ElementDialogSettings::addToClassHistory(m_settings, className);
}
