#pragma once

#include <functional>

class QWidget;
class Surface;

// The printer: asks which pages to print (all, or a range preset to the current page) and
// draws each chosen page on a sheet of one print job.
class PrintService {
public:
    virtual ~PrintService() = default;
    // False when the user cancelled the print dialog.
    virtual bool print(int pages, int current, const std::function<void(int page, Surface& sheet)>& draw) = 0;
};

// Qt's print dialog: real printers, or printing to a PDF file.
class QtPrintService : public PrintService {
public:
    explicit QtPrintService(QWidget* owner) : owner_(owner) {}
    bool print(int pages, int current, const std::function<void(int page, Surface& sheet)>& draw) override;

private:
    QWidget* owner_;
};
