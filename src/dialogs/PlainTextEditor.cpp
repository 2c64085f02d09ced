#include "dialogs/PlainTextEditor.h"

#include "core/Prompter.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

std::optional<QString> editPlainText(Prompter &prompter, QWidget *parent, const QString &caption, const QString &text)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmTekstEditor"));
    dialog.setWindowTitle(caption);
    auto *editor = new QPlainTextEdit(text, &dialog);
    editor->setObjectName(QStringLiteral("txtTekst"));
    editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto *buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Annuller"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(editor);
    layout->addWidget(buttons);
    dialog.resize(480, 320);
    if (!prompter.runDialog(dialog))
        return std::nullopt;
    return editor->toPlainText();
}
