#include "platform/Surface.h"
#include "platform/VbError.h"
#include "shell/PrintService.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The pages of a PDF file Qt wrote: its page objects.
int pageCount(const QString& pdf)
{
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type /Page\\b")));
}

TEST(QtPrintServiceTest, APrintIntoAFileHasEveryPageOnItsOwnSheet)
{
    QTemporaryDir folder;
    QtPrintService printer(nullptr);
    printer.setOutputFile(folder.filePath("Kies 0_32.pdf"));
    std::vector<int> drawn;
    EXPECT_TRUE(printer.print("Kies 0/32-Seite1", 2, 2, [&](int page, Surface& sheet) {
        drawn.push_back(page);
        sheet.line(10, 10, 100, 100);
    }));
    EXPECT_EQ(drawn, (std::vector<int>{1, 2}));
    EXPECT_EQ(pageCount(folder.filePath("Kies 0_32.pdf")), 2);
}

TEST(QtPrintServiceTest, AJobThatCannotBeWrittenIsAPrinterErrorNotACancel)
{
    QTemporaryDir folder;
    QtPrintService printer(nullptr);
    printer.setOutputFile(folder.filePath("no such folder/sheet.pdf"));
    try {
        printer.print("Kies 0/32-Seite1", 1, 1, [](int, Surface& sheet) { sheet.line(10, 10, 100, 100); });
        FAIL() << "a sheet that went nowhere was reported as printed";
    } catch (const VbError& error) {
        EXPECT_EQ(error.number(), VbError::PrinterError);
        EXPECT_FALSE(error.description().empty());
    }
}

}  // namespace
