#include "PrintService.h"

#include "platform/PaperSurface.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

bool QtPrintService::print(int pages, int current, const std::function<void(int page, Surface& sheet)>& draw)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPrintDialog dialog(&printer, owner_);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setMinMax(1, pages);
    dialog.setFromTo(current, current);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    int first = 1, last = pages;
    if (dialog.printRange() == QAbstractPrintDialog::PageRange) {
        first = printer.fromPage();
        last = printer.toPage();
    }
    PaperSurface sheet(&printer);
    for (int page = first; page <= last; ++page) {
        if (page > first)
            sheet.newPage();
        draw(page, sheet);
    }
    return sheet.finish();
}
