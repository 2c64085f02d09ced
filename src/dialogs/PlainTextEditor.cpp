#include "dialogs/PlainTextEditor.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

std::optional<QString> editPlainText(QWidget *parent, const QString &caption, const QString &text)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(caption);
    auto *editor = new QPlainTextEdit(text, &dialog);
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
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return editor->toPlainText();
}
