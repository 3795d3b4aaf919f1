#pragma once

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <functional>
#include <map>
#include <memory>

class Clock;
class EvaluationRuns;
class PageTools;
class AgsCommands;
class RecordCommands;
class PrintService;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class frmEXPIMP;
class mdiAUTOSTART;
class mdiEINGABE;
class QMenu;
class SessionContext;
class StatusPanel;

// The main window: menus, the fifteen-panel status bar and the area of the child
// windows. It owns the session's life from the first display to the end.
class frmMAIN : public QMainWindow {
    Q_OBJECT

public:
    // Starts the frame program at the end of a session where that is asked for.
    using FrameStarter = std::function<void(const std::string& program)>;
    // Shows the selection dialog in a mode and returns the tag it left ("OK", "Abbrechen").
    using SelectionDialog = std::function<QString(const QString& mode)>;

    // Opens a document in the user's viewer; false when none could open it.
    using OpenDocument = std::function<bool(const std::string& path)>;

    frmMAIN(SessionContext& session, FrameStarter startFrame = {}, QWidget* parent = nullptr);
    ~frmMAIN() override;
    void setSelectionDialog(SelectionDialog dialog) { selection_ = std::move(dialog); }
    // Tests put a printer that writes files, a fixed clock and a viewer that only records.
    void setPrintService(PrintService& printer);
    void setClock(const Clock& clock) { clock_ = &clock; }
    void setOpenDocument(OpenDocument open);
    const Clock& clock() const { return *clock_; }
    EvaluationRuns& runs() { return *runs_; }
    PageTools& pageTools() { return *tools_; }
    AgsCommands& ags() { return *ags_; }
    QString caption(const QString& name) const;

    // Status panel 6: the selected records.
    void DATENSATZANZEIGE();

    QString Tag;  // the channel of the dialogs
    QMdiArea* mdiArea() const { return area_; }
    StatusPanel* panel(int number) const { return panels_.at(number - 1); }
    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const;
    SessionContext& session() { return session_; }

    void mnuNEU();
    void mnuOEFFNEN();
    void mnuAUSWAHL();
    void mnuLOESCHEN();
    // True when the working copy reached the project database.
    bool mnuSPEICHERN();
    void mnuSCHLIESSEN();
    void mnuBEENDEN();
    void mnuKOMPRIMIEREN();
    void mnuEXPIMP();
    frmEXPIMP* exportImport() const { return exportImport_; }
    void mnuFRAGEZEICHEN();
    void mnuHILFE();  // the "?" menu: documents are offered when they exist
    // Status-bar panels acting as buttons: 8 saves the input form, 9 discards it, 10 to 15
    // are the page tools.
    void panelClick(int number);
    mdiEINGABE* inputForm() const;
    // Shows the selection dialog in a mode; the tag it left.
    QString selection(const QString& mode);
    mdiAUTOSTART* startScreen() const { return autostart_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void showHelp(int context);
    void createMenus();
    void createStatusBar();
    // What the last save wrote where, in the status bar for a few seconds.
    void showSaved();
    // A ReadMe or notes document that no viewer opened: which file, and where it lies.
    void documentNotOpened(const std::string& title, const std::string& path);
    // The frame program's reason to close: the user's close box (true) or the program.
    bool queryUnload(bool byUser);
    void unload();
    bool english() const;

    SessionContext& session_;
    FrameStarter startFrame_;
    QMdiArea* area_;
    std::array<StatusPanel*, 15> panels_{};
    std::map<QString, QAction*> actions_;
    std::map<QString, QMenu*> menus_;
    SelectionDialog selection_;
    std::unique_ptr<RecordCommands> records_;
    std::unique_ptr<PrintService> ownPrinter_;
    PrintService* printer_;
    std::unique_ptr<Clock> ownClock_;
    const Clock* clock_;
    OpenDocument open_;
    std::unique_ptr<EvaluationRuns> runs_;
    std::unique_ptr<PageTools> tools_;
    std::unique_ptr<AgsCommands> ags_;
    mdiAUTOSTART* autostart_ = nullptr;
    frmEXPIMP* exportImport_ = nullptr;
    bool closingByProgram_ = false;
    bool unloaded_ = false;
    QTimer savedShown_;
};
