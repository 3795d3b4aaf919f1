#pragma once

#include <QString>

#include <functional>
#include <string>

class QWidget;
class Surface;

// The printer: asks which pages to print (all, or a range preset to the current page) and
// draws each chosen page on a sheet of one print job.
class PrintService {
public:
    virtual ~PrintService() = default;
    // False when the user cancelled the print dialog; a job the printer did not take
    // throws VbError::PrinterError. `document` names the job in the print queue and, when
    // the user prints into a file, the file.
    virtual bool print(const std::string& document, int pages, int current,
                       const std::function<void(int page, Surface& sheet)>& draw) = 0;
};

// Qt's print dialog: real printers, or printing to a PDF file.
class QtPrintService : public PrintService {
public:
    explicit QtPrintService(QWidget* owner) : owner_(owner) {}
    bool print(const std::string& document, int pages, int current,
               const std::function<void(int page, Surface& sheet)>& draw) override;
    // Every page into this PDF file, through the same printer set-up but without asking
    // (scripted runs); empty: ask with the dialog.
    void setOutputFile(const QString& path) { outputFile_ = path; }

private:
    QWidget* owner_;
    QString outputFile_;
};
