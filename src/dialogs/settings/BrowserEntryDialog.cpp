#include "dialogs/settings/BrowserEntryDialog.h"

#include "core/ProductTexts.h"
#include "core/Prompter.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

BrowserEntryDialog::BrowserEntryDialog(Prompter &prompter, const BrowserEntry &entry, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
{
    setWindowTitle(QStringLiteral("Browser"));
    auto *form = new QFormLayout;
    m_name = new QLineEdit(entry.name, this);
    auto *nameLabel = new QLabel(QStringLiteral("&Navn:"), this);
    nameLabel->setBuddy(m_name);
    form->addRow(nameLabel, m_name);

    m_path = new QLineEdit(entry.path, this);
    auto *browse = new QPushButton(QStringLiteral("Vælg..."), this);
    connect(browse, &QPushButton::clicked, this, &BrowserEntryDialog::choosePath);
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(browse);
    auto *pathLabel = new QLabel(QStringLiteral("&Sti og filnavn:"), this);
    pathLabel->setBuddy(m_path);
    form->addRow(pathLabel, pathRow);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Annuller"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &BrowserEntryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &BrowserEntryDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(420, sizeHint().height());
}

BrowserEntry BrowserEntryDialog::entry() const
{
    return {m_name->text().trimmed(), m_path->text().trimmed()};
}

void BrowserEntryDialog::accept()
{
    const BrowserEntry e = entry();
    if (e.name.isEmpty() || e.path.isEmpty()) {
        m_prompter.message({Product::Caption, QStringLiteral("Du skal angive både stien til browseren og et navn."),
                            Prompter::Icon::Warning, Prompter::Ok});
        return;
    }
    QDialog::accept();
}

void BrowserEntryDialog::choosePath()
{
    // Programs have no common file name ending here, so every file is offered.
    Prompter::FileDialog dialog;
    dialog.caption = QStringLiteral("Find Web-browser");
    if (!m_path->text().isEmpty())
        dialog.folder = QFileInfo(m_path->text()).absolutePath();
    dialog.filters = {{QStringLiteral("Programfiler"), QStringLiteral("*")}};
    const QString path = m_prompter.openFile(dialog);
    if (!path.isEmpty())
        m_path->setText(path);
}
