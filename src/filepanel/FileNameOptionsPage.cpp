#include "filepanel/FileNameOptionsPage.h"

#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The longest text that replaces a space or a Danish letter.
constexpr int MaxReplacementLength = 3;

} // namespace

FileNameOptionsPage::FileNameOptionsPage(QWidget *parent)
    : QWidget(parent)
    , m_folder(new QLabel)
    , m_mask(new QLabel)
    , m_case(new QGroupBox(QStringLiteral("Store/små bogstaver")))
    , m_upper(new QRadioButton(QStringLiteral("Kun store bogstaver")))
    , m_lower(new QRadioButton(QStringLiteral("Kun små bogstaver")))
    , m_replaceSpaces(new QCheckBox(QStringLiteral("Erstat mellemrum med:")))
    , m_space(replacementField(QStringLiteral("spaceReplacement")))
    , m_replaceLetters(new QCheckBox(QStringLiteral("Erstat danske karakterer,")))
    , m_ae(replacementField(QStringLiteral("aeReplacement")))
    , m_oe(replacementField(QStringLiteral("oeReplacement")))
    , m_aa(replacementField(QStringLiteral("aaReplacement")))
{
    m_folder->setObjectName(QStringLiteral("folder"));
    m_mask->setObjectName(QStringLiteral("mask"));
    auto *files = new QFormLayout;
    files->addRow(QStringLiteral("Mappe:"), m_folder);
    files->addRow(QStringLiteral("Filtyper:"), m_mask);

    auto *explanation = new QLabel(
        QStringLiteral("Mange webservere kan ikke håndtere filnavne med de danske bogstaver æ, ø, å og mellemrum. "
                       "Angiv hvilke rettelser du ønsker at foretage på de udvalgte filer.\n"
                       "BEMÆRK! Eventuelle henvisninger til disse filer vil ikke længere virke, når filnavnet er "
                       "ændret."));
    explanation->setWordWrap(true);

    m_case->setCheckable(true);
    auto *caseLayout = new QVBoxLayout(m_case);
    caseLayout->addWidget(m_upper);
    caseLayout->addWidget(m_lower);

    auto *spaces = new QHBoxLayout;
    spaces->addWidget(m_replaceSpaces);
    spaces->addWidget(m_space);
    spaces->addStretch();
    connect(m_replaceSpaces, &QCheckBox::toggled, m_space, &QWidget::setEnabled);

    auto *letters = new QHBoxLayout;
    letters->addWidget(m_replaceLetters);
    const std::pair<QString, QLineEdit *> fields[] = {
        {QStringLiteral("æ:"), m_ae}, {QStringLiteral("ø:"), m_oe}, {QStringLiteral("å:"), m_aa}};
    for (const auto &[caption, field] : fields) {
        auto *label = new QLabel(caption);
        label->setBuddy(field);
        letters->addWidget(label);
        letters->addWidget(field);
        connect(m_replaceLetters, &QCheckBox::toggled, field, &QWidget::setEnabled);
        connect(m_replaceLetters, &QCheckBox::toggled, label, &QWidget::setEnabled);
    }
    letters->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addWidget(explanation);
    layout->addWidget(m_case);
    layout->addLayout(spaces);
    layout->addLayout(letters);
    layout->addStretch();

    setRules(FileNameRules());
}

QLineEdit *FileNameOptionsPage::replacementField(const QString &objectName)
{
    auto *field = new QLineEdit;
    field->setObjectName(objectName);
    field->setMaxLength(MaxReplacementLength);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("MMMMM")));
    // The replacements are typed in small letters; capitals come from the letter replaced.
    connect(field, &QLineEdit::textEdited, field, [field](const QString &text) {
        if (text != text.toLower()) {
            const int cursor = field->cursorPosition();
            field->setText(text.toLower());
            field->setCursorPosition(cursor);
        }
    });
    return field;
}

void FileNameOptionsPage::setFiles(const QString &folder, const QString &mask)
{
    m_folder->setText(QDir::toNativeSeparators(folder));
    m_mask->setText(mask);
}

void FileNameOptionsPage::setRules(const FileNameRules &rules)
{
    m_case->setChecked(rules.changeCase);
    (rules.upperCase ? m_upper : m_lower)->setChecked(true);
    m_replaceSpaces->setChecked(rules.replaceSpaces);
    m_space->setText(rules.spaceReplacement);
    m_space->setEnabled(rules.replaceSpaces);
    m_replaceLetters->setChecked(rules.replaceDanishLetters);
    m_ae->setText(rules.aeReplacement);
    m_oe->setText(rules.oeReplacement);
    m_aa->setText(rules.aaReplacement);
    for (QLineEdit *field : {m_ae, m_oe, m_aa})
        field->setEnabled(rules.replaceDanishLetters);
}

FileNameRules FileNameOptionsPage::rules() const
{
    FileNameRules rules;
    rules.changeCase = m_case->isChecked();
    rules.upperCase = m_upper->isChecked();
    rules.replaceSpaces = m_replaceSpaces->isChecked();
    rules.spaceReplacement = m_space->text();
    rules.replaceDanishLetters = m_replaceLetters->isChecked();
    rules.aeReplacement = m_ae->text();
    rules.oeReplacement = m_oe->text();
    rules.aaReplacement = m_aa->text();
    return rules;
}
