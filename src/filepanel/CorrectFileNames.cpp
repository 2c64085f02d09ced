#include "filepanel/CorrectFileNames.h"

#include "core/Prompter.h"
#include "filepanel/FileNameOptionsPage.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The options stay as the user left them for the rest of the run.
FileNameRules &lastRules()
{
    static FileNameRules rules;
    return rules;
}

} // namespace

FileNameCorrectionResult correctFileNames(Prompter &prompter, QWidget *parent, const QString &folder, const QString &mask,
                                          const QStringList &fileNames)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Ret filnavne"));
    auto *page = new FileNameOptionsPage;
    page->setFiles(folder, mask);
    page->setRules(lastRules());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuller"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(page);
    layout->addWidget(buttons);
    if (!prompter.runDialog(dialog))
        return {};

    lastRules() = page->rules();
    const FileNameCorrectionResult result = applyFileNameCorrection(folder, planFileNameCorrection(fileNames, lastRules()));
    if (!result.failed.isEmpty()) {
        QString text = QStringLiteral("Følgende filer blev ikke omdøbt:\n");
        for (const QString &name : result.failed)
            text += QLatin1Char('\n') + name;
        prompter.message({QStringLiteral("Der skete en fejl under omdøbningen."), text, Prompter::Icon::Warning, Prompter::Ok});
    }
    return result;
}
