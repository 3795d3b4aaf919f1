#include "PrintService.h"

#include "platform/FileName.h"
#include "platform/PaperSurface.h"
#include "platform/VbError.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace {

const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));

}  // namespace

bool QtPrintService::print(const std::string& document, int pages, int current,
                           const std::function<void(int page, Surface& sheet)>& draw)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(a4);
    // The dialog makes the offered file's name from this, cutting what follows its last
    // dot: a name without "/" that ends in ".pdf" arrives whole.
    printer.setDocName(QString::fromStdString(FileName::safe(document) + ".pdf"));
    int first = 1, last = pages;
    if (outputFile_.isEmpty()) {
        QPrintDialog dialog(&printer, owner_);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setMinMax(1, pages);
        dialog.setFromTo(current, current);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        if (dialog.printRange() == QAbstractPrintDialog::PageRange) {
            first = printer.fromPage();
            last = printer.toPage();
        }
        // The sheet is laid out in millimetres on A4 portrait, whatever paper the dialog chose.
        printer.setPageLayout(a4);
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(outputFile_);
    }
    PaperSurface sheet(&printer);
    for (int page = first; page <= last; ++page) {
        if (page > first)
            sheet.newPage();
        draw(page, sheet);
    }
    // A file that cannot be written or a printer that refuses the job must not pass for
    // a sheet on its way.
    if (!sheet.finish() || printer.printerState() == QPrinter::Error)
        throw VbError::of(VbError::PrinterError);
    return true;
}
