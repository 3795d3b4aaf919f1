#pragma once

#include <QString>

#include <functional>

class frmAGS;
class frmMAIN;

// The AGS4 commands of the main window: "AGS importieren…" fills a new record's input form
// from shear-box test sets of a file (the user looks it over and stores it with "OK"), and
// "AGS exportieren…" writes the selected records with their laws and test results.
class AgsCommands {
public:
    explicit AgsCommands(frmMAIN& window);

    void mnuAGSIMPORT();
    void mnuAGSEXPORT();

    // The file to read (or, with true, to write); empty when the user cancelled. A file
    // dialog unless a test answers.
    std::function<QString(bool write, const QString& proposed)> chooseFile;
    // Whether the user confirmed the choice of test sets; the dialog unless a test answers.
    std::function<bool(frmAGS& dialog)> confirm;

private:
    void warn(const std::string& title, const std::string& text);

    frmMAIN& window_;
};
