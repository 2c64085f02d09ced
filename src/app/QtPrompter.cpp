#include "app/QtPrompter.h"

#include "core/ProductTexts.h"
#include "filepanel/TBrowseDirectoryDlg.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>

namespace {

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Warning:
        return QMessageBox::Warning;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::Stop:
        return QMessageBox::Critical;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// "Name (*.a *.b);;Other (*.c)" from the program's filters.
QStringList qtFilters(const QList<Prompter::FileFilter> &filters)
{
    QStringList list;
    for (const Prompter::FileFilter &f : filters) {
        QString patterns = f.patterns;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' ')).replace(QLatin1Char(','), QLatin1Char(' '));
        list.append(QStringLiteral("%1 (%2)").arg(f.description, patterns.simplified()));
    }
    return list;
}

void prepare(QFileDialog &box, const Prompter::FileDialog &dialog)
{
    // Qt's own dialog matches the filters without regard to case, as the
    // program's filters ("*.URL", "*.wav") expect; a desktop's may not.
    box.setOption(QFileDialog::DontUseNativeDialog);
    box.setWindowTitle(dialog.caption);
    if (!dialog.folder.isEmpty())
        box.setDirectory(dialog.folder);
    const QStringList filters = qtFilters(dialog.filters);
    box.setNameFilters(filters);
    if (dialog.chosenFilter >= 0 && dialog.chosenFilter < filters.size())
        box.selectNameFilter(filters.at(dialog.chosenFilter));
    if (!dialog.fileName.isEmpty())
        box.selectFile(dialog.fileName);
    box.setDefaultSuffix(dialog.defaultSuffix);
}

} // namespace

QStringList QtPrompter::openFiles(const FileDialog &dialog)
{
    QFileDialog box(QApplication::activeWindow());
    prepare(box, dialog);
    box.setFileMode(QFileDialog::ExistingFiles);
    return box.exec() == QDialog::Accepted ? box.selectedFiles() : QStringList();
}

QString QtPrompter::openFile(const FileDialog &dialog)
{
    QFileDialog box(QApplication::activeWindow());
    prepare(box, dialog);
    box.setFileMode(QFileDialog::ExistingFile);
    return box.exec() == QDialog::Accepted ? box.selectedFiles().value(0) : QString();
}

QString QtPrompter::saveFile(const FileDialog &dialog)
{
    QFileDialog box(QApplication::activeWindow());
    prepare(box, dialog);
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setFileMode(QFileDialog::AnyFile);
    return box.exec() == QDialog::Accepted ? box.selectedFiles().value(0) : QString();
}

QString QtPrompter::chooseFolder(const QString &caption, const QString &startFolder)
{
    TBrowseDirectoryDlg dialog(QApplication::activeWindow());
    dialog.setCaption(Product::Caption);
    dialog.setTitle(caption);
    dialog.setShowSelectionInStatus(true);
    dialog.setSelection(startFolder.isEmpty() ? QDir::homePath() : startFolder);
    if (!dialog.execute())
        return {};
    const QString folder = dialog.selection();
    return folder.size() > 1 && folder.endsWith(QLatin1Char('/')) ? folder.chopped(1) : folder;
}

std::optional<QString> QtPrompter::inputText(const QString &caption, const QString &prompt, const QString &value)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), caption, prompt, QLineEdit::Normal, value, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

Prompter::Button QtPrompter::message(const Message &message)
{
    QMessageBox box(boxIcon(message.icon), message.caption, message.text, QMessageBox::NoButton, QApplication::activeWindow());
    const std::pair<Button, QMessageBox::StandardButton> pairs[] = {
        {Yes, QMessageBox::Yes}, {No, QMessageBox::No}, {Ok, QMessageBox::Ok}, {Cancel, QMessageBox::Cancel}};
    for (const auto &[ours, theirs] : pairs) {
        if (message.buttons.testFlag(ours))
            box.addButton(theirs);
    }
    const int answer = box.exec();
    for (const auto &[ours, theirs] : pairs) {
        if (answer == theirs)
            return ours;
    }
    return message.buttons.testFlag(Cancel) ? Cancel : message.buttons.testFlag(No) ? No : Ok;
}

bool QtPrompter::printDialog(QPrinter &printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrompter::printerSetup(QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrompter::chooseFont(QFont &font)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, QApplication::activeWindow());
    if (ok)
        font = chosen;
    return ok;
}

bool QtPrompter::chooseColour(QColor &colour)
{
    const QColor chosen = QColorDialog::getColor(colour, QApplication::activeWindow());
    if (chosen.isValid())
        colour = chosen;
    return chosen.isValid();
}

bool QtPrompter::runDialog(QDialog &dialog)
{
    return dialog.exec() == QDialog::Accepted;
}
