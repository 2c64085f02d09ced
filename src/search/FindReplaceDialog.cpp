#include "search/FindReplaceDialog.h"

#include "workbench/UiFont.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FindReplaceDialog::FindReplaceDialog(Mode mode, QWidget *parent)
    : QDialog(parent)
    , m_mode(mode)
{
    const bool replacing = mode == Mode::Replace;
    setObjectName(replacing ? QStringLiteral("dlgErstat") : QStringLiteral("dlgSoeg"));
    setWindowTitle(replacing ? QStringLiteral("Erstat") : QStringLiteral("Søg"));
    setModal(false);
    applyUiFont(this);

    auto *fields = new QGridLayout;
    m_find = new QLineEdit;
    m_find->setObjectName(QStringLiteral("txtSoegEfter"));
    auto *findLabel = new QLabel(QStringLiteral("&Søg efter:"));
    findLabel->setBuddy(m_find);
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(m_find, 0, 1);
    if (replacing) {
        m_replace = new QLineEdit;
        m_replace->setObjectName(QStringLiteral("txtErstatMed"));
        auto *replaceLabel = new QLabel(QStringLiteral("E&rstat med:"));
        replaceLabel->setBuddy(m_replace);
        fields->addWidget(replaceLabel, 1, 0);
        fields->addWidget(m_replace, 1, 1);
    }

    m_wholeWord = new QCheckBox(QStringLiteral("Kun &hele ord"));
    m_wholeWord->setEnabled(false);
    m_matchCase = new QCheckBox(QStringLiteral("Forskel på s&tore og små bogstaver"));
    m_matchCase->setObjectName(QStringLiteral("chkStoreSmaa"));
    auto *options = new QVBoxLayout;
    options->addWidget(m_wholeWord);
    options->addWidget(m_matchCase);
    auto *lower = new QHBoxLayout;
    lower->addLayout(options);
    if (!replacing) {
        auto *direction = new QGroupBox(QStringLiteral("Retning"));
        m_up = new QRadioButton(QStringLiteral("&Op"));
        m_up->setObjectName(QStringLiteral("optOp"));
        m_down = new QRadioButton(QStringLiteral("&Ned"));
        m_down->setObjectName(QStringLiteral("optNed"));
        m_down->setChecked(true);
        auto *directionLayout = new QHBoxLayout(direction);
        directionLayout->addWidget(m_up);
        directionLayout->addWidget(m_down);
        lower->addWidget(direction);
    }

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(lower);
    left->addStretch(1);

    auto *buttons = new QVBoxLayout;
    m_findNext = new QPushButton(QStringLiteral("&Find næste"));
    m_findNext->setObjectName(QStringLiteral("cmdFindNaeste"));
    m_findNext->setDefault(true);
    buttons->addWidget(m_findNext);
    connect(m_findNext, &QPushButton::clicked, this, &FindReplaceDialog::findNextRequested);
    if (replacing) {
        m_replaceOne = new QPushButton(QStringLiteral("&Erstat"));
        m_replaceOne->setObjectName(QStringLiteral("cmdErstat"));
        m_replaceAll = new QPushButton(QStringLiteral("Erstat &alle"));
        m_replaceAll->setObjectName(QStringLiteral("cmdErstatAlle"));
        buttons->addWidget(m_replaceOne);
        buttons->addWidget(m_replaceAll);
        connect(m_replaceOne, &QPushButton::clicked, this, &FindReplaceDialog::replaceRequested);
        connect(m_replaceAll, &QPushButton::clicked, this, &FindReplaceDialog::replaceAllRequested);
    }
    auto *cancel = new QPushButton(QStringLiteral("Annuller"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel);
    buttons->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_find, &QLineEdit::textChanged, this, &FindReplaceDialog::refreshButtons);
    refreshButtons();
}

QString FindReplaceDialog::findText() const
{
    return m_find->text();
}

void FindReplaceDialog::setFindText(const QString &text)
{
    m_find->setText(text);
}

QString FindReplaceDialog::replaceText() const
{
    return m_replace ? m_replace->text() : QString();
}

bool FindReplaceDialog::matchCase() const
{
    return m_matchCase->isChecked();
}

bool FindReplaceDialog::wholeWord() const
{
    return m_wholeWord->isChecked();
}

bool FindReplaceDialog::searchDown() const
{
    return !m_up || !m_up->isChecked();
}

void FindReplaceDialog::present()
{
    show();
    raise();
    activateWindow();
    m_find->setFocus();
    m_find->selectAll();
}

void FindReplaceDialog::refreshButtons()
{
    // Nothing to search for: the buttons that search wait for a text.
    const bool hasText = !m_find->text().isEmpty();
    for (QPushButton *button : {m_findNext, m_replaceOne, m_replaceAll}) {
        if (button)
            button->setEnabled(hasText);
    }
}
