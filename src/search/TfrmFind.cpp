#include "search/TfrmFind.h"

#include "workbench/HelpLine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QPlainTextEdit *textField(const QString &name)
{
    auto *field = new QPlainTextEdit;
    field->setObjectName(name);
    field->setTabChangesFocus(true);
    field->setFixedHeight(field->fontMetrics().lineSpacing() * 3 + 10);
    return field;
}

} // namespace

TfrmFind::TfrmFind(QWidget *parent)
    : QDialog(parent)
    , m_find(textField(QStringLiteral("memFind")))
    , m_replaceLabel(new QLabel(QStringLiteral("Er&stat:")))
    , m_replace(textField(QStringLiteral("memErstat")))
    , m_wholeWord(new QCheckBox(QStringLiteral("Find kun &hele ord")))
    , m_matchCase(new QCheckBox(QStringLiteral("Fors&kel på store og små bogstaver")))
    , m_backup(new QCheckBox(QStringLiteral("Lav backup")))
    , m_scope(new QGroupBox)
    , m_openDocuments(new QRadioButton(QStringLiteral("Alle åbne dokumenter")))
    , m_inProject(new QRadioButton(QStringLiteral("Alle dokumenter i projektet:")))
    , m_projects(new QComboBox)
    , m_inFolder(new QRadioButton(QStringLiteral("Alle dokumenter i mappen:")))
    , m_folder(new QLabel)
    , m_chooseFolder(new QPushButton(QStringLiteral("Vælg...")))
    , m_action(new QPushButton)
    , m_close(new QPushButton(QStringLiteral("Luk")))
    , m_help(new HelpLine)
{
    setObjectName(QStringLiteral("frmFind"));
    auto *findLabel = new QLabel(QStringLiteral("Fi&nd:"));
    findLabel->setBuddy(m_find);
    m_replaceLabel->setBuddy(m_replace);
    m_openDocuments->setChecked(true);
    m_folder->setObjectName(QStringLiteral("lblMappe"));
    m_projects->setObjectName(QStringLiteral("cbProjekt"));
    m_help->setObjectName(QStringLiteral("lblHjaelp"));
    // Room for the longest help text, so that the fields keep their place.
    m_help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_help->setFixedHeight(m_help->fontMetrics().lineSpacing() * 4 + 2 * m_help->frameWidth() + 4);

    auto *scopeLayout = new QGridLayout(m_scope);
    scopeLayout->addWidget(m_openDocuments, 0, 0, 1, 2);
    scopeLayout->addWidget(m_inProject, 1, 0, 1, 2);
    scopeLayout->addWidget(m_projects, 2, 0, 1, 2);
    scopeLayout->addWidget(m_inFolder, 3, 0, 1, 2);
    scopeLayout->addWidget(m_folder, 4, 0);
    scopeLayout->addWidget(m_chooseFolder, 4, 1);
    scopeLayout->setColumnStretch(0, 1);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_action);
    buttons->addWidget(m_close);
    buttons->addStretch();

    auto *fields = new QVBoxLayout;
    fields->addWidget(findLabel);
    fields->addWidget(m_find);
    fields->addWidget(m_replaceLabel);
    fields->addWidget(m_replace);
    fields->addWidget(m_wholeWord);
    fields->addWidget(m_matchCase);
    fields->addWidget(m_backup);
    fields->addWidget(m_scope);

    auto *columns = new QHBoxLayout;
    columns->addLayout(fields, 1);
    columns->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(m_help);

    m_action->setDefault(true);
    connect(m_find, &QPlainTextEdit::textChanged, this, [this] {
        limitSearchText();
        updateActionButton();
    });
    connect(m_action, &QPushButton::clicked, this, [this] {
        if (m_running)
            Q_EMIT stopRequested();
        else
            Q_EMIT runRequested();
    });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_inProject, &QRadioButton::toggled, this, &TfrmFind::updateProjectList);
    connect(m_chooseFolder, &QPushButton::clicked, this, [this] {
        m_inFolder->setChecked(true);
        Q_EMIT chooseFolderRequested();
    });
}

void TfrmFind::prepare(Mode mode, const QString &startFolder)
{
    m_mode = mode;
    const bool replacing = mode == Mode::Replace;
    setWindowTitle(replacing ? QStringLiteral("Udvidet erstat") : QStringLiteral("Udvidet søgning"));
    m_action->setText(replacing ? QStringLiteral("&Erstat alle") : QStringLiteral("&Find alle"));
    m_scope->setTitle(replacing ? QStringLiteral(" Erstat i ") : QStringLiteral(" Søg i "));
    m_wholeWord->setVisible(!replacing);
    m_replaceLabel->setVisible(replacing);
    m_replace->setVisible(replacing);
    m_backup->setVisible(replacing);
    attachHelp();
    m_help->reset();
    limitSearchText();
    if (m_folder->text().isEmpty())
        m_folder->setText(startFolder);
    m_find->setFocus();
    m_find->selectAll();
    updateActionButton();
}

SearchQuery TfrmFind::query() const
{
    SearchQuery query;
    query.text = m_find->toPlainText();
    query.wholeWord = m_mode == Mode::Search && m_wholeWord->isChecked();
    query.matchCase = m_matchCase->isChecked();
    return query;
}

QString TfrmFind::replacement() const
{
    return m_replace->toPlainText();
}

bool TfrmFind::backup() const
{
    return m_backup->isChecked();
}

void TfrmFind::setBackup(bool backup)
{
    m_backup->setChecked(backup);
}

TfrmFind::Scope TfrmFind::scope() const
{
    if (m_inProject->isChecked())
        return Scope::Project;
    return m_inFolder->isChecked() ? Scope::Folder : Scope::OpenDocuments;
}

void TfrmFind::setProjects(const QStringList &titles)
{
    m_projects->clear();
    m_projects->addItems(titles);
    m_inProject->setEnabled(!titles.isEmpty());
    if (titles.isEmpty() && m_inProject->isChecked())
        m_openDocuments->setChecked(true);
    updateProjectList();
}

void TfrmFind::chooseProject(int project)
{
    m_projects->setCurrentIndex(project);
    m_inProject->setChecked(true);
}

int TfrmFind::project() const
{
    return m_projects->currentIndex();
}

QString TfrmFind::folder() const
{
    return m_folder->text();
}

void TfrmFind::setFolder(const QString &folder)
{
    m_folder->setText(folder);
}

void TfrmFind::setRunning(bool running)
{
    m_running = running;
    for (QWidget *field :
         std::initializer_list<QWidget *>{m_find, m_replace, m_wholeWord, m_matchCase, m_backup, m_scope, m_close})
        field->setEnabled(!running);
    m_action->setText(running                       ? QStringLiteral("Stop")
                          : m_mode == Mode::Replace ? QStringLiteral("&Erstat alle")
                                                    : QStringLiteral("&Find alle"));
}

void TfrmFind::updateActionButton()
{
    m_action->setEnabled(m_running || !m_find->toPlainText().isEmpty());
}

void TfrmFind::limitSearchText()
{
    if (m_mode != Mode::Search || m_find->toPlainText().size() <= SearchTextLimit)
        return;
    m_find->setPlainText(m_find->toPlainText().left(SearchTextLimit));
    m_find->moveCursor(QTextCursor::End);
}

void TfrmFind::updateProjectList()
{
    m_projects->setEnabled(m_inProject->isChecked());
}

void TfrmFind::attachHelp()
{
    const bool replacing = m_mode == Mode::Replace;
    const QString doing = replacing ? QStringLiteral("Der erstattes") : QStringLiteral("Der søges");
    m_help->attach(m_find, QStringLiteral("Teksten, der søges efter."));
    m_help->attach(m_replace, QStringLiteral("Teksten, det fundne erstattes med."));
    m_help->attach(m_wholeWord,
                   QStringLiteral("Sæt kryds, hvis det, der søges efter ikke må være en del af et ord.  "
                                  "Du vil fx kun finde \"ja\" og ikke \"jamen\""));
    m_help->attach(m_matchCase,
                   QStringLiteral("Sæt kryds, hvis der skal skelnes mellem store og små bogstaver i søgningen. "
                                  "Ellers findes fx både \"Hans\" og \"hans\"."));
    m_help->attach(m_backup,
                   QStringLiteral("Laver en kopi af filen/-erne med filtypenavnet \".BAK\" før ændringerne "
                                  "bliver foretaget. Der bliver ikke lavet backup af åbne filer, da ændringerne "
                                  "i disse kun bliver foretaget i tekstbehandleren."));
    m_help->attach(m_openDocuments, doing + QStringLiteral(" i alle åbne dokumenter."));
    m_help->attach(m_inProject, doing + QStringLiteral(" i alle dokumenter i det valgte projekt."), m_projects);
    m_help->attach(m_inFolder, doing + QStringLiteral(" i alle HTML-dokumenter i den valgte mappe."), m_folder);
    m_help->attach(m_action,
                   replacing ? QStringLiteral("Erstatter alle forekomster af søgeteksten. Hvis dokumentet er åbent "
                                              "foretages ændringen kun i tekstbehandleren. Hvis dokumentet ikke er åbent "
                                              "foretages ændringen i filen.")
                             : QStringLiteral("Finder alle forekomster af søgeteksten. Resultatet vises i en liste, "
                                              "hvorfra du kan klikke dig til det fundne."));
    m_help->attach(m_chooseFolder, HelpLine::InitialText);
    m_help->attach(m_close, QStringLiteral("Lukker dialogboksen."));
}
