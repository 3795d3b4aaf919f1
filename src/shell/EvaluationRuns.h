#pragma once

#include "shell/mdiSEITE1.h"

#include <QMdiSubWindow>
#include <QPointer>

#include <memory>

class frmMAIN;

// The "Auswerten" menu: which runs a selection allows, and the runs themselves, which
// load output page 1 of the selected record with or without rebuilding its geometry, and
// page 2 where the record has a slope check.
class EvaluationRuns : public mdiSEITE1::Commands {
public:
    explicit EvaluationRuns(frmMAIN& window) : window_(window) {}

    void mnuAUSWERTEN();
    void mnuBERECHNEN();
    void mnuNEUBERECHNEN();

    // The page window's requests.
    void panelClick(int panel) override;
    void quit() override;
    void openContext() override;
    void pageActivated() override;

    // The pause with a full progress bar after a page is shown.
    int pauseMilliseconds = 1500;

private:
    // Loads and shows the pages; false when the record was refused.
    bool showPage();
    // A page window in the main window, not yet shown.
    QMdiSubWindow* addPage(std::unique_ptr<OutputPage> page);
    void finish();

    frmMAIN& window_;
    QPointer<QMdiSubWindow> shown_;  // the page the last run showed
};
