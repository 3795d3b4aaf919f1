#pragma once

#include "shell/mdiEINGABE.h"

#include <QString>

#include <cstdint>
#include <functional>

class QMdiSubWindow;
class frmMAIN;

// The record commands of the main window: a new record, opening, selecting and deleting
// records, and the input form's status-bar buttons "OK" (save) and "Abbrechen".
class RecordCommands : public mdiEINGABE::Commands {
public:
    explicit RecordCommands(frmMAIN& window) : window_(window) {}

    void mnuNEU();
    void mnuOEFFNEN();
    void mnuAUSWAHL();
    void mnuLOESCHEN();
    void saveInputForm();
    void closeInputForm();
    mdiEINGABE* form() const { return form_; }

    // The input form's keys: Ctrl+S saves, Alt+Q quits, Esc leaves the form.
    void save() override;
    void quit() override;
    void cancel() override;
    // Whether the form may go: it holds nothing new, or the user took it over (as "OK"
    // does) or discarded it when asked; false keeps the form and what is typed in it.
    bool mayLeaveInputForm();

private:
    void showInputForm();
    void setInputState(bool input);
    // The selection dialog of a mode; false unless the user confirmed it.
    bool select(const QString& mode);
    void deleteRecord(int32_t id);
    // Runs database work as one transaction: all of it, or nothing when it raises.
    void inTransaction(const std::function<void()>& work);

    frmMAIN& window_;
    mdiEINGABE* form_ = nullptr;
    QMdiSubWindow* formWindow_ = nullptr;
};
