#include "documents/DocumentPrinter.h"
#include "editor/TLEdit.h"
#include "support/ScriptedPrompter.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(DocumentPrinter, PrintsTheWholeTextWhenTheDialogIsAccepted)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("side.pdf"));
    TLEdit editor;
    editor.SetText(QStringLiteral("<p>Første side</p>\n").repeated(200));
    DocumentPrinter printer;
    printer.printer().setOutputFormat(QPrinter::PdfFormat);
    printer.printer().setOutputFileName(pdf);
    ScriptedPrompter prompter;

    prompter.expectPrintDialog(false);
    EXPECT_FALSE(printer.print(editor, prompter));
    EXPECT_FALSE(QFileInfo::exists(pdf));

    prompter.expectPrinterSetup(true).expectPrintDialog(true);
    EXPECT_TRUE(printer.setUp(prompter));
    EXPECT_TRUE(printer.print(editor, prompter));
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    EXPECT_TRUE(prompter.allAnswered());
}

} // namespace
