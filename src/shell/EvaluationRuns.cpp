#include "EvaluationRuns.h"

#include "data/EvaluationState.h"
#include "data/RecordQueries.h"
#include "shell/CloseThroughCommand.h"

#include "page/Seite1.h"
#include "page/Seite2.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/ErrorTrap.h"
#include "platform/Recordset.h"
#include "input/SessionContext.h"
#include "shell/StatusPanel.h"
#include "shell/WaitCursor.h"
#include "shell/frmKONTEXT.h"
#include "shell/frmMAIN.h"
#include "shell/mdiAUTOSTART.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>

#include <optional>

namespace {

void yield()
{
    QApplication::processEvents();
}

}  // namespace

void EvaluationRuns::mnuAUSWERTEN()
{
    SessionContext& session = window_.session();
    const auto enable = [this](const char* name, bool on) {
        window_.action(QString::fromLatin1(name))->setEnabled(on);
    };
    const WaitCursor wait;
    ErrorTrap(session.messages(), window_.caption(QStringLiteral("mnuAUSWERTEN")).toStdString(), ErrorPrefix::window)
        .run({[&] {
            Recordset selected(session.cnnX(), RecordQueries::records("[ID],[KEN]", RecordQueries::Selected));
            const long n = selected.recordCount();
            const int32_t id = n == 1 ? selected.field("ID").toLong() : 0;
            selected.close();
            for (const char* name : {"mnuEINGABEGRAFIK", "mnuMBERECHNEN", "mnuFBERECHNEN"})
                enable(name, false);
            if (n != 1) {
                enable("mnuBERECHNEN", false);
                enable("mnuNEUBERECHNEN", false);
                return;
            }
            enable("mnuBERECHNEN", !EvaluationState::rebuildPending(session.cnnX(), id));
            enable("mnuNEUBERECHNEN", true);
        }});
}

bool EvaluationRuns::showPage()
{
    mdiAUTOSTART* start = window_.startScreen();
    auto page = std::make_unique<Seite1>(window_.session(), window_.clock(), start);
    if (!page->load())
        return false;
    Seite1& first = *page;
    QMdiSubWindow* frame = addPage(std::move(page));
    frame->showMaximized();
    shown_ = frame;
    if (first.state().slope) {
        // The record's second page, shown through "Anzeigen"; it reads page 1's record and goes
        // with page 1's window.
        auto second = std::make_unique<Seite2>(first);
        second->draw();
        const QPointer<QMdiSubWindow> secondFrame = addPage(std::move(second));
        QObject::connect(frame, &QObject::destroyed, window_.mdiArea(), [secondFrame] { delete secondFrame; });
    }
    return true;
}

QMdiSubWindow* EvaluationRuns::addPage(std::unique_ptr<OutputPage> page)
{
    auto* view = new mdiSEITE1(std::move(page), *this);
    view->setProperty("HelpContextID", 20);
    QMdiSubWindow* frame = window_.mdiArea()->addSubWindow(view);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setObjectName(view->objectName());
    // Closing a page any other way runs "Schließen" too (panel 15).
    new CloseThroughCommand(frame, [this] { window_.panelClick(15); });
    QObject::connect(window_.mdiArea(), &QMdiArea::subWindowActivated, view, [frame, view](QMdiSubWindow* active) {
        if (active == frame)
            view->setFocus();
    });
    return frame;
}

void EvaluationRuns::finish()
{
    for (int number = 10; number <= 15; ++number) {
        window_.panel(number)->setVisible(true);
        window_.panel(number)->setFrameShadow(QFrame::Raised);
    }
    QProgressBar* bar = window_.startScreen()->pgbBERECHNEN();
    bar->setValue(100);
    yield();
    if (pauseMilliseconds > 0) {
        QEventLoop pause;
        QTimer::singleShot(pauseMilliseconds, &pause, &QEventLoop::quit);
        pause.exec();
    }
    bar->hide();
    bar->setValue(0);
    window_.session().GEAENDERT = true;
    window_.menu(QStringLiteral("mnuDATEI"))->menuAction()->setEnabled(false);
    // The new page is in front with the keys: the window was disabled while it was made.
    if (shown_) {
        window_.mdiArea()->setActiveSubWindow(shown_);
        shown_->widget()->setFocus();
    }
}

void EvaluationRuns::mnuBERECHNEN()
{
    const WaitCursor wait;
    window_.setEnabled(false);
    window_.startScreen()->pgbBERECHNEN()->show();
    yield();
    const bool shown = showPage();
    window_.setEnabled(true);
    if (shown)
        finish();
    else
        window_.startScreen()->pgbBERECHNEN()->hide();
}

void EvaluationRuns::mnuNEUBERECHNEN()
{
    SessionContext& session = window_.session();
    window_.setEnabled(false);
    window_.startScreen()->pgbBERECHNEN()->show();
    std::optional<int32_t> id;
    ErrorTrap trap(session.messages(), window_.caption(QStringLiteral("mnuNEUBERECHNEN")).toStdString(),
                   ErrorPrefix::window);
    const bool prepared = trap.run({[&] {
        Recordset selected(session.cnnX(), RecordQueries::records("[ID],[KEN]", RecordQueries::Selected, true));
        const int32_t selectedId = selected.field("ID").toLong();
        selected.close();
        // The state is replaced, never updated: the run always passes through "rebuild".
        EvaluationState::requireRebuild(session.cnnX(), selectedId);
        id = selectedId;
    }});
    yield();
    const WaitCursor wait;
    window_.startScreen()->setValue(0);  // the calculation object binds and resets the bar
    const bool shown = prepared && id && showPage();
    window_.setEnabled(true);
    if (!shown) {
        window_.startScreen()->pgbBERECHNEN()->hide();
        return;
    }
    trap.run({[&] { EvaluationState::built(session.cnnX(), *id); }});
    finish();
}

void EvaluationRuns::panelClick(int panel)
{
    window_.panelClick(panel);
}

void EvaluationRuns::quit()
{
    window_.mnuBEENDEN();
}

void EvaluationRuns::openContext()
{
    auto* view = qobject_cast<mdiSEITE1*>(
        window_.mdiArea()->activeSubWindow() ? window_.mdiArea()->activeSubWindow()->widget() : nullptr);
    if (!view)
        return;
    OutputPage& page = view->page();
    auto* dialog = new frmKONTEXT(
        window_.session().SPRACHE(), page.state().header, page.state().numbering, page.page().backColor,
        page.boxes().front().surface->backColor,
        [view](bool header, bool numbering, uint32_t pageColour, uint32_t pictureColour) {
            const WaitCursor wait;
            view->page().KONTEXT(header, numbering, pageColour, pictureColour);
            view->refresh();
        },
        {}, &window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void EvaluationRuns::pageActivated()
{
    window_.panel(14)->setVisible(false);
}
