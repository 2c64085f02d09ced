#include "filepanel/TransferPage.h"

#include "files/FileTexts.h"
#include "filepanel/ReferenceItem.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QLabel *valueLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

TransferPage::TransferPage(QWidget *parent)
    : QWidget(parent)
    , m_list(new QTreeWidget(this))
    , m_document(valueLabel("lblManuskript", this))
    , m_files(valueLabel("lblFiler", this))
    , m_total(valueLabel("lblIAlt", this))
    , m_modem144(valueLabel("lblModem144", this))
    , m_modem288(valueLabel("lblModem288", this))
    , m_isdn(valueLabel("lblISDN", this))
{
    setObjectName(QStringLiteral("tsOverfoerselstid"));
    m_list->setObjectName(QStringLiteral("lwOverfoersel"));
    m_list->setHeaderLabels({QStringLiteral("Fil"), QStringLiteral("Størrelse")});
    m_list->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    m_list->setColumnWidth(0, 260);
    m_list->setColumnWidth(1, 60);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    sortOnHeaderClicks(*m_list);

    auto *values = new QFormLayout;
    values->addRow(heading(QStringLiteral("Størrelse:"), this));
    values->addRow(QStringLiteral("Manuskript:"), m_document);
    values->addRow(QStringLiteral("Filer:"), m_files);
    values->addRow(QStringLiteral("I alt:"), m_total);
    values->addRow(heading(QStringLiteral("Overførselstid:"), this));
    values->addRow(QStringLiteral("14.4 modem"), m_modem144);
    values->addRow(QStringLiteral("28.8 modem"), m_modem288);
    values->addRow(QStringLiteral("ISDN"), m_isdn);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    auto *side = new QVBoxLayout;
    side->addLayout(values);
    side->addStretch();
    layout->addLayout(side);
}

void TransferPage::showTimes(const TransferTimes &times)
{
    m_list->clear();
    QList<QTreeWidgetItem *> items;
    for (const TransferFile &file : times.files) {
        auto *item = new ReferenceItem(nullptr, {file.address, FormatSize(file.bytes)}, file.icon);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    const TransferTexts texts = TransferTimeTexts(times);
    m_document->setText(texts.document);
    m_files->setText(texts.files);
    m_total->setText(texts.total);
    m_modem144->setText(texts.modem144);
    m_modem288->setText(texts.modem288);
    m_isdn->setText(texts.isdn);
}
