#include "filepanel/GeneralPage.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>

namespace {

QLabel *factLabel(const char *name, QWidget *parent, const QString &text = QStringLiteral("-"))
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

GeneralPage::GeneralPage(QWidget *parent)
    : QWidget(parent)
    , m_form(new QFormLayout(this))
    , m_fileName(factLabel("lblFilnavn", this, {}))
    , m_typeIcon(new QLabel(this))
    , m_typeName(factLabel("lblFiltype", this, {}))
    , m_titleCaption(new QLabel(QStringLiteral("Titel:"), this))
    , m_title(factLabel("lblTitel", this, {}))
    , m_folder(factLabel("lblAdresse", this, {}))
    , m_size(factLabel("lblStoerrelse", this, {}))
    , m_created(factLabel("lblOprettet", this))
    , m_modified(factLabel("lblAendret", this))
    , m_lastOpened(factLabel("lblSidstAabnet", this))
{
    setObjectName(QStringLiteral("tsGenerelt"));
    m_titleCaption->setObjectName(QStringLiteral("lblTitelTekst"));
    m_folder->setWordWrap(true);
    auto *type = new QHBoxLayout;
    type->addWidget(m_typeIcon);
    type->addWidget(m_typeName, 1);
    m_form->addRow(QStringLiteral("Filnavn:"), m_fileName);
    m_form->addRow(QStringLiteral("Filtype:"), type);
    m_form->addRow(m_titleCaption, m_title);
    m_form->addRow(QStringLiteral("Adresse:"), m_folder);
    m_form->addRow(QStringLiteral("Størrelse:"), m_size);
    m_form->addRow(QStringLiteral("Oprettet:"), m_created);
    m_form->addRow(QStringLiteral("Ændret:"), m_modified);
    m_form->addRow(QStringLiteral("Sidst åbnet:"), m_lastOpened);
}

void GeneralPage::showFacts(const GeneralFacts &facts, const QIcon &typeIcon)
{
    m_fileName->setText(facts.fileName);
    m_typeIcon->setPixmap(typeIcon.pixmap(16, 16));
    m_typeName->setText(facts.typeName);
    m_folder->setText(facts.folder);
    m_size->setText(facts.size);
    m_created->setText(facts.created);
    m_modified->setText(facts.modified);
    m_lastOpened->setText(facts.lastOpened);
}

void GeneralPage::setTitle(const QString &title)
{
    m_title->setText(title);
}

void GeneralPage::setDimensions(const QSize &size)
{
    m_form->setRowVisible(m_titleCaption, true);
    m_titleCaption->setText(QStringLiteral("Dimensioner:"));
    m_title->setText(
        QStringLiteral("%1 x %2 %3").arg(size.width()).arg(size.height()).arg(QStringLiteral("(bredde x højde i pixels)")));
}

void GeneralPage::hideTitle()
{
    m_form->setRowVisible(m_titleCaption, false);
}
