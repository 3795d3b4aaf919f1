#include "frmMAIN.h"

#include "data/RecordQueries.h"
#include "input/SessionContext.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/ErrorTrap.h"
#include "platform/MessageService.h"
#include "platform/Recordset.h"
#include "platform/TextPair.h"
#include "platform/VbError.h"
#include "shell/AccessKeys.h"
#include "shell/CloseThroughCommand.h"
#include "shell/AgsCommands.h"
#include "shell/EvaluationRuns.h"
#include "shell/HelpWindow.h"
#include "shell/PageTools.h"
#include "shell/PrintService.h"
#include "shell/RecordCommands.h"
#include "shell/StatusPanel.h"
#include "shell/WaitCursor.h"
#include "shell/frmAUSWAHL.h"
#include "shell/frmEXPIMP.h"
#include "shell/frmINFO.h"
#include "shell/mdiAUTOSTART.h"
#include "shell/mdiEINGABE.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QUrl>

#include <QAction>
#include <QKeySequence>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

#include <cmath>
#include <filesystem>
#include <optional>
#include <tuple>

namespace {

// The menu tree: name, parent menu, caption, help context, enabled.
struct MenuItem {
    const char* name;
    const char* parent;
    TextPair caption;
    int help;
    bool enabled;
};

const MenuItem menuItems[] = {
    {"mnuDATEI", "", {"&Datei", "&File"}, 0, true},
    {"mnuNEU", "mnuDATEI", {"&Neu", "&New"}, 11, true},
    {"mnuOEFFNEN", "mnuDATEI", {"&Öffnen", "&Open"}, 12, true},
    {"mnuAUSWAHL", "mnuDATEI", {"&Auswahl", "&Select"}, 13, true},
    {"mnuTRENN0", "mnuDATEI", {"-", "-"}, 0, true},
    {"mnuEXPIMP", "mnuDATEI", {"&Export-Import", "&Export-Import"}, 14, true},
    {"mnuAGSIMPORT", "mnuDATEI", {"AGS &importieren…", "AGS &import…"}, 14, true},
    {"mnuEXPINF", "mnuDATEI", {"Export-&Inf.system", "Export-&Inf.system"}, 0, false},
    {"mnuLOESCHEN", "mnuDATEI", {"&Löschen", "&Delete"}, 16, true},
    {"mnuSCHLIESSEN", "mnuDATEI", {"&Schließen", "&Done"}, 17, true},
    {"mnuTRENN1", "mnuDATEI", {"-", "-"}, 0, true},
    {"mnuSPEICHERN", "mnuDATEI", {"&Speichern", "&Save"}, 18, true},
    {"mnuBEENDEN", "mnuDATEI", {"&Beenden", "&Quit"}, 19, true},
    {"mnuAUSWERTEN", "", {"&Auswerten", "&Evaluate"}, 20, true},
    {"mnuEINGABEGRAFIK", "mnuAUSWERTEN", {"&Eingabegrafik", "&Graphics of Input Data"}, 21, false},
    {"mnuBERECHNEN", "mnuAUSWERTEN", {"&Berechnen", "&Calculate"}, 22, true},
    {"mnuMBERECHNEN", "mnuAUSWERTEN", {"&MBerechnen", "Calculate &Multiple"}, 23, false},
    {"mnuFBERECHNEN", "mnuAUSWERTEN", {"&FBerechnen", "Calculate &Next"}, 24, false},
    {"mnuNEUBERECHNEN", "mnuAUSWERTEN", {"&Neuberechnen", "Calculate &First"}, 25, true},
    {"mnuTRENN5", "mnuAUSWERTEN", {"-", "-"}, 0, true},
    {"mnuAGSEXPORT", "mnuAUSWERTEN", {"AGS e&xportieren…", "AGS e&xport…"}, 14, true},
    {"mnuEXTRAS", "", {"E&xtras", "Tools"}, 30, true},
    {"mnuVVORGABEN", "mnuEXTRAS", {"&Vorgaben", "Preset Data"}, 30, false},
    {"mnuVEVORGABEN", "mnuEXTRAS", {"&Elektronikvorgaben", "Preset Electronic Data"}, 32, false},
    {"mnuTRENN2", "mnuEXTRAS", {"-", "-"}, 0, true},
    {"mnuWERKZEUGE", "mnuEXTRAS", {"&Werkzeuge", "Grafic Tools"}, 33, false},
    {"mnuTEXT", "mnuWERKZEUGE", {"&Text", "Text"}, 30, true},
    {"mnuPOLYGON", "mnuWERKZEUGE", {"&Polygon", "Polygon"}, 30, true},
    {"mnuKREIS", "mnuWERKZEUGE", {"&Kreisbogen", "Circle"}, 30, true},
    {"mnuKOMPRIMIEREN", "mnuEXTRAS", {"&Komprimieren", "Compact Database"}, 34, true},
    {"mnuFRAGEZEICHEN", "", {"&?", "&?"}, 0, true},
    {"mnuHILFE", "mnuFRAGEZEICHEN", {"&Hilfe", "Help"}, 0, true},
    {"mnuREADME", "mnuFRAGEZEICHEN", {"&ReadMe", "&ReadMe"}, 42, true},
    {"mnuHINWEISE", "mnuFRAGEZEICHEN", {"Hin&weise", "Hin&weise"}, 43, true},
    {"mnuTRENN4", "mnuFRAGEZEICHEN", {"-", "-"}, 0, true},
    {"mnuINFO", "mnuFRAGEZEICHEN", {"&Info", "&Info"}, 44, true},
};

bool isMenu(const MenuItem& item)
{
    for (const MenuItem& other : menuItems) {
        if (QString::fromLatin1(other.parent) == QString::fromUtf8(item.name))
            return true;
    }
    return false;
}

// Panels: text and tooltip.
struct PanelText {
    TextPair text;
    TextPair tip;
};

const PanelText panelTexts[15] = {
    {{"Projektspfad\\", "Projektspfad\\"}, {"", ""}},
    {{"Projekt", "Projekt"}, {"", ""}},
    {{"/", "/"}, {"", ""}},
    {{"Programm", "Programm"}, {"", ""}},
    {{"/", "/"}, {"", ""}},
    {{"Datensatz", "Datensatz"}, {"", ""}},
    {{"", ""}, {"", ""}},
    {{"OK", "OK"}, {"Eingabedaten speichern", "Save input-data"}},
    {{"Abbrechen", "Cancel"}, {"Eingabedaten verwerfen", "Discard input-data"}},
    {{"Anzeigen", "Show"}, {"Ausgabeseite anzeigen", "Show another page"}},
    {{"Drucken", "Print"}, {"Ausgabeseite drucken", "Print loaded pages"}},
    {{"Kopie", "Copy"}, {"Bildschirmkopie speichern", "Save Screenshot"}},
    {{"Word", "Word"}, {"Ausgabeseite in ein Word-Dokument übertragen", "Send current page to word"}},
    {{"AutoCAD", "AutoCAD"}, {"Ausgabeseite in eine AutoCAD-Zeichnung übertragen", "Send current page to AutoCAD"}},
    {{"Schließen", "Close"}, {"Zurück zum Startbildschirm", "Back to the front window"}},
};

}  // namespace

frmMAIN::frmMAIN(SessionContext& session, FrameStarter startFrame, QWidget* parent)
    : QMainWindow(parent), session_(session), startFrame_(std::move(startFrame)), area_(new QMdiArea(this)),
      records_(std::make_unique<RecordCommands>(*this)), ownPrinter_(std::make_unique<QtPrintService>(this)),
      printer_(ownPrinter_.get()), ownClock_(std::make_unique<SystemClock>()), clock_(ownClock_.get()),
      open_([](const std::string& path) {
          return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
      }),
      runs_(std::make_unique<EvaluationRuns>(*this)), tools_(std::make_unique<PageTools>(*this, *ownPrinter_, open_)),
      ags_(std::make_unique<AgsCommands>(*this))
{
    selection_ = [this](const QString& mode) {
        frmAUSWAHL dialog(session_, mode, session_.SPRACHE(), this);
        dialog.exec();
        return dialog.Tag;
    };
    setObjectName(QStringLiteral("frmMAIN"));
    setProperty("HelpContextID", 0);
    setWindowTitle(QStringLiteral("Kalmora"));
    area_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(area_);
    createActions();
    createMenus();
    createStatusBar();
    AccessKeys::assign(menuBar());
    DATENSATZANZEIGE();
    // The start screen fills the window behind every other child window.
    autostart_ = new mdiAUTOSTART(session_.SPRACHE());
    QMdiSubWindow* start = area_->addSubWindow(autostart_, Qt::FramelessWindowHint);
    start->showMaximized();
}

frmMAIN::~frmMAIN() = default;

void frmMAIN::setPrintService(PrintService& printer)
{
    printer_ = &printer;
    tools_ = std::make_unique<PageTools>(*this, *printer_, open_);
}

void frmMAIN::setOpenDocument(OpenDocument open)
{
    open_ = std::move(open);
    tools_ = std::make_unique<PageTools>(*this, *printer_, open_);
}

bool frmMAIN::english() const
{
    return session_.english();
}

void frmMAIN::createActions()
{
    for (const MenuItem& item : menuItems) {
        if (isMenu(item))
            continue;
        const bool separator = item.caption.german == "-";
        auto* action = new QAction(separator ? QString() : item.caption.inQt(english()), this);
        action->setObjectName(QString::fromLatin1(item.name));
        action->setSeparator(separator);
        action->setEnabled(item.enabled);
        action->setData(item.help);
        actions_[action->objectName()] = action;
    }
    // The keys people expect where the program's own keys leave them free; the menus show them.
    action("mnuNEU")->setShortcut(QKeySequence::New);
    action("mnuOEFFNEN")->setShortcut(QKeySequence::Open);
    // F5 recalculates the selected record. The evaluation menu decides what is possible when
    // it opens, so the key asks it first; the item only shows the key.
    action("mnuNEUBERECHNEN")->setShortcut(QKeySequence(Qt::Key_F5));
    action("mnuNEUBERECHNEN")->setShortcutContext(Qt::WidgetShortcut);
    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(f5, &QShortcut::activated, this, [this] {
        if (!menu("mnuAUSWERTEN")->menuAction()->isEnabled())
            return;
        runs_->mnuAUSWERTEN();
        if (action("mnuNEUBERECHNEN")->isEnabled())
            action("mnuNEUBERECHNEN")->trigger();
    });
    connect(action("mnuNEU"), &QAction::triggered, this, &frmMAIN::mnuNEU);
    connect(action("mnuOEFFNEN"), &QAction::triggered, this, &frmMAIN::mnuOEFFNEN);
    connect(action("mnuAUSWAHL"), &QAction::triggered, this, &frmMAIN::mnuAUSWAHL);
    connect(action("mnuLOESCHEN"), &QAction::triggered, this, &frmMAIN::mnuLOESCHEN);
    connect(action("mnuSPEICHERN"), &QAction::triggered, this, &frmMAIN::mnuSPEICHERN);
    connect(action("mnuSCHLIESSEN"), &QAction::triggered, this, &frmMAIN::mnuSCHLIESSEN);
    connect(action("mnuBEENDEN"), &QAction::triggered, this, &frmMAIN::mnuBEENDEN);
    // Commands whose windows are not built yet stay visibly unavailable.
    connect(action("mnuINFO"), &QAction::triggered, this, [this] { frmINFO(session_.SPRACHE(), this).exec(); });
    connect(action("mnuBERECHNEN"), &QAction::triggered, this, [this] { runs_->mnuBERECHNEN(); });
    connect(action("mnuNEUBERECHNEN"), &QAction::triggered, this, [this] { runs_->mnuNEUBERECHNEN(); });
    connect(action("mnuKOMPRIMIEREN"), &QAction::triggered, this, &frmMAIN::mnuKOMPRIMIEREN);
    connect(action("mnuHILFE"), &QAction::triggered, this, &frmMAIN::mnuHILFE);
    // F1 anywhere in the program, dialogs included: the help at the focused control.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, &frmMAIN::mnuHILFE);
    for (const auto& [name, file, title] :
         {std::tuple{"mnuREADME", "KVX.doc", "?/ReadMe"}, std::tuple{"mnuHINWEISE", "KVX_H.doc", "?/Hinweise"}}) {
        const std::string path = session_.programFolder() + "/" + file;
        connect(action(name), &QAction::triggered, this, [this, path, title = std::string(title)] {
            if (!open_(path))
                documentNotOpened(title, path);
        });
    }
    connect(action("mnuEXPIMP"), &QAction::triggered, this, &frmMAIN::mnuEXPIMP);
    connect(action("mnuAGSIMPORT"), &QAction::triggered, this, [this] { ags_->mnuAGSIMPORT(); });
    connect(action("mnuAGSEXPORT"), &QAction::triggered, this, [this] { ags_->mnuAGSEXPORT(); });
}

void frmMAIN::documentNotOpened(const std::string& title, const std::string& path)
{
    const std::filesystem::path file(path);
    std::error_code missing;
    const bool there = std::filesystem::exists(file, missing);
    const std::string name = file.filename().string(), folder = file.parent_path().string();
    session_.messages().show(
        {title,
         there ? session_.text({"Das Dokument " + name + " konnte nicht geöffnet werden: kein Programm zum Anzeigen "
                                "gefunden.\nEs liegt in " + folder + ".",
                                "The document " + name + " could not be opened: no program to show it was found.\n"
                                "It lies in " + folder + "."})
               : session_.text({"Das Dokument " + name + " fehlt in " + folder + ".",
                                "The document " + name + " is missing from " + folder + "."}),
         MessageService::Buttons::Ok, MessageService::Icon::Warning});
}

void frmMAIN::createMenus()
{
    for (const MenuItem& item : menuItems) {
        if (!isMenu(item))
            continue;
        const QString parentName = QString::fromLatin1(item.parent);
        const QString caption = item.caption.inQt(english());
        QMenu* menu = parentName.isEmpty() ? menuBar()->addMenu(caption) : menus_.at(parentName)->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(item.name));
        menu->menuAction()->setEnabled(item.enabled);
        menu->installEventFilter(this);
        menus_[menu->objectName()] = menu;
        if (menu->objectName() == u"mnuAUSWERTEN")
            connect(menu, &QMenu::aboutToShow, this, [this] { runs_->mnuAUSWERTEN(); });
        if (menu->objectName() == u"mnuFRAGEZEICHEN")
            connect(menu, &QMenu::aboutToShow, this, &frmMAIN::mnuFRAGEZEICHEN);
    }
    // Items in tree order, each into its parent menu.
    for (const MenuItem& item : menuItems) {
        const QString name = QString::fromLatin1(item.name);
        const QString parentName = QString::fromLatin1(item.parent);
        if (parentName.isEmpty())
            continue;
        if (isMenu(item)) {
            menus_.at(parentName)->addAction(menus_.at(name)->menuAction());
            continue;
        }
        menus_.at(parentName)->addAction(actions_.at(name));
    }
}

void frmMAIN::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("stbMAIN"));
    for (int number = 1; number <= 15; ++number) {
        auto* panel = new StatusPanel(number, bar);
        panels_[number - 1] = panel;
        panel->setText(panelTexts[number - 1].text.inQt(english()));
        panel->setToolTip(panelTexts[number - 1].tip.inQt(english()));
        panel->setVisible(number < 8);
        bar->addWidget(panel, number == 7 ? 1 : 0);
        connect(panel, &StatusPanel::clicked, this, &frmMAIN::panelClick);
    }
    savedShown_.setSingleShot(true);
    connect(&savedShown_, &QTimer::timeout, panel(7), &StatusPanel::clear);
    const SessionContext& s = session_;
    panel(1)->setText(QString::fromStdString(SessionContext::shortenedPath(s.PROJEKTSPFAD()) + "/"));
    panel(1)->setToolTip(QString::fromStdString(s.PROJEKTSPFAD()));
    panel(2)->setText(QString::fromStdString(s.PROJEKT()));
    panel(2)->setToolTip(QString::fromStdString(s.BEARBEITER()));
    panel(4)->setText(QStringLiteral("KVX"));
    panel(4)->setToolTip(QStringLiteral("Tarvelo"));
}

QAction* frmMAIN::action(const QString& name) const
{
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

QMenu* frmMAIN::menu(const QString& name) const
{
    const auto found = menus_.find(name);
    return found == menus_.end() ? nullptr : found->second;
}

QString frmMAIN::caption(const QString& name) const
{
    // Captions serve as message titles, where an access-key marker has no place.
    if (QAction* item = action(name))
        return AccessKeys::plain(item->text());
    return menu(name) ? AccessKeys::plain(menu(name)->title()) : QString();
}

void frmMAIN::DATENSATZANZEIGE()
{
    QString text = QStringLiteral("-"), tip;
    try {
        Recordset rows(session_.cnnX(), RecordQueries::records("[KEN],[KOM]", RecordQueries::Selected, true));
        QStringList all;
        for (; !rows.isEOF(); rows.moveNext())
            all << QString::fromStdString(rows.field("KEN").text());
        if (all.size() == 1) {
            rows.moveFirst();
            text = all.front();
            tip = QString::fromStdString(rows.field("KOM").text());
        } else if (all.size() > 1) {
            text = all.front() + QStringLiteral(",...");
            tip = all.join(QStringLiteral(", "));
        }
        rows.close();
    } catch (const std::exception&) {
        // Without a working copy the panel shows no record.
    }
    panel(6)->setText(text);
    panel(6)->setToolTip(tip);
}

bool frmMAIN::mnuSPEICHERN()
{
    bool saved = false;
    std::optional<WaitCursor> wait;
    const std::string title = caption(QStringLiteral("mnuSPEICHERN")).toStdString();
    ErrorTrap trap(session_.messages(), title, ErrorPrefix::window);
    trap.run({
        [&] {
            // Offer to compact a working copy above 10 MB first.
            const double megabytes = session_.workingCopyBytes() / 1e6;
            const float rounded = static_cast<float>(std::nearbyint(megabytes * 10) / 10);
            if (rounded > 10) {
                const std::string size = vb::singleText(rounded);
                const MessageService::Answer answer = session_.messages().show(
                    {title,
                     session_.text({"Datenbank hat " + size + " MB erreicht! \nSoll die Datei komprimiert werden?",
                                    "Database reaches " + size + " MB! \nDo you want to compact the file?"}),
                     MessageService::Buttons::YesNo,
                     MessageService::Icon::Question,
                     {session_.programFolder() + "/KVX.hlp", 34, english()}});
                if (answer == MessageService::Answer::Yes)
                    mnuKOMPRIMIEREN();
            }
        },
        [&] {
            wait.emplace();
            // Saved as a separate file, the work is safe as well; cancelled, it is not.
            saved = session_.save(title) != SessionContext::SaveOutcome::Cancelled;
        },
        [&] {
            // Only a save that worked makes the changes safe.
            if (saved) {
                session_.GEAENDERT = false;
                showSaved();
            }
        },
    });
    return saved;
}

void frmMAIN::showSaved()
{
    // For a few seconds in the free panel; a later save restarts the time.
    const QString time = QTime::currentTime().toString(QStringLiteral("HH:mm"));
    panel(7)->setText(QString::fromStdString(session_.text({"Gespeichert um ", "Saved at "})) + time + u' ' +
                      QString::fromStdString(session_.text({"in ", "to "}) + session_.savedTo()));
    savedShown_.start(5000);
}

void frmMAIN::mnuSCHLIESSEN()
{
    session_.RAHMENSTART = true;
    closingByProgram_ = true;
    close();
}

void frmMAIN::mnuBEENDEN()
{
    session_.RAHMENSTART = false;
    closingByProgram_ = true;
    close();
}

bool frmMAIN::queryUnload(bool byUser)
{
    // What is typed in the input form is asked about before the project.
    if (!records_->mayLeaveInputForm())
        return false;
    if (session_.GEAENDERT) {
        const MessageService::Answer answer = session_.messages().show(
            {caption(QStringLiteral("mnuBEENDEN")).toStdString(),
             session_.text({"Sollen die Änderungen in Projekt " + session_.PROJEKT() + " gespeichert werden?",
                            "Do you want to save changes to project " + session_.PROJEKT() + "?"}),
             MessageService::Buttons::YesNoCancel, MessageService::Icon::Question});
        if (answer == MessageService::Answer::Cancel)
            return false;
        if (answer == MessageService::Answer::Yes && !mnuSPEICHERN())
            return false;  // the changes are not safe yet: the window stays
    }
    if (byUser || session_.RAHMENSTART) {
        const auto frame = std::filesystem::path(session_.programFolder()).parent_path() / "KALMORA";
        std::error_code ignored;
        if (std::filesystem::exists(frame, ignored) && startFrame_)
            startFrame_(frame.string());
    }
    return true;
}

void frmMAIN::closeEvent(QCloseEvent* event)
{
    const bool byUser = !closingByProgram_;
    closingByProgram_ = false;
    if (unloaded_ || !queryUnload(byUser)) {
        event->setAccepted(unloaded_);
        return;
    }
    unload();
    event->accept();
}

void frmMAIN::unload()
{
    for (QMdiSubWindow* window : area_->subWindowList())
        CloseThroughCommand::close(window);
    session_.end();
    unloaded_ = true;
}

void frmMAIN::mnuNEU()
{
    records_->mnuNEU();
}
void frmMAIN::mnuOEFFNEN()
{
    records_->mnuOEFFNEN();
}
void frmMAIN::mnuAUSWAHL()
{
    records_->mnuAUSWAHL();
}
void frmMAIN::mnuLOESCHEN()
{
    records_->mnuLOESCHEN();
}

mdiEINGABE* frmMAIN::inputForm() const
{
    return records_->form();
}

QString frmMAIN::selection(const QString& mode)
{
    return selection_(mode);
}

void frmMAIN::panelClick(int number)
{
    if (number == 8 && inputForm())
        records_->saveInputForm();
    else if (number == 9 && inputForm())
        records_->closeInputForm();
    if (number < 10 || number > 15)
        return;
    // A cancelled print dialog and an invalid property value end a page tool without a word.
    try {
        switch (number) {
        case 10: tools_->anzeigen(); break;
        case 11: tools_->drucken(); break;
        case 12: tools_->kopie(); break;
        case 13: tools_->word(); break;
        case 15: tools_->schliessen(); break;
        default: break;
        }
    } catch (const VbError& error) {
        if (error.number() != VbError::DialogCancelled && error.number() != VbError::InvalidPropertyValue)
            ErrorTrap(session_.messages(), "KVX", ErrorPrefix::window).report(error);
    }
    panel(number)->setFrameShadow(QFrame::Raised);
}

void frmMAIN::mnuEXPIMP()
{
    for (const char* name : {"mnuDATEI", "mnuAUSWERTEN", "mnuEXTRAS"})
        menu(QString::fromLatin1(name))->menuAction()->setEnabled(false);
    frmEXPIMP dialog(session_, this);
    exportImport_ = &dialog;
    dialog.exec();
    exportImport_ = nullptr;
    Tag = dialog.opened() ? QStringLiteral("OK") : QString();
    if (Tag == u"OK")
        session_.GEAENDERT = true;
    for (const char* name : {"mnuDATEI", "mnuAUSWERTEN", "mnuEXTRAS"})
        menu(QString::fromLatin1(name))->menuAction()->setEnabled(true);
    DATENSATZANZEIGE();
}

void frmMAIN::mnuHILFE()
{
    // The context of the active control, else of the active child window, else of the window.
    QWidget* focus = QApplication::focusWidget();
    if (!focus && area_->activeSubWindow())
        focus = area_->activeSubWindow()->widget();
    showHelp(HelpWindow::contextOf(focus ? focus : this));
}

void frmMAIN::showHelp(int context)
{
    const QString file = QString::fromStdString(session_.programFolder() + "/KVX.hlp");
    if (!QFileInfo::exists(file))
        return;
    HelpWindow help(file, context, english(),
                    QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this);
    help.exec();
}

bool frmMAIN::eventFilter(QObject* watched, QEvent* event)
{
    // F1 on an open menu: the help of the item under the pointer or the keyboard.
    auto* open = qobject_cast<QMenu*>(watched);
    const bool f1 = (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
                    static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1;
    // The program-wide F1 would answer first with the help of the window behind the menu.
    if (open && f1 && event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (open && f1) {
        const int context = open->activeAction() ? open->activeAction()->data().toInt() : 0;
        open->close();
        QTimer::singleShot(0, this, [this, context] { showHelp(context); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMAIN::mnuFRAGEZEICHEN()
{
    const std::pair<const char*, const char*> documents[] = {
        {"mnuHILFE", "KVX.hlp"}, {"mnuREADME", "KVX.doc"}, {"mnuHINWEISE", "KVX_H.doc"}};
    for (const auto& [name, file] : documents) {
        std::error_code ignored;
        action(name)->setEnabled(std::filesystem::exists(session_.programFolder() + "/" + file, ignored));
    }
}

void frmMAIN::mnuKOMPRIMIEREN()
{
    const std::string title = caption(QStringLiteral("mnuKOMPRIMIEREN")).toStdString();
    const WaitCursor wait;
    ErrorTrap(session_.messages(), title, ErrorPrefix::window).run({[&] {
        const SessionContext::Compaction sizes = session_.compact();
        const std::string reduction = vb::singleText(sizes.reduction);
        const std::string after = vb::singleText(sizes.after) + (sizes.megabytes ? " MB" : " KB");
        session_.messages().show(
            {title,
             session_.text({"Datenbank wurde um " + reduction + " % auf " + after + " komprimiert !",
                            "Database was compact about " + reduction + " % to " + after + "!"}),
             MessageService::Buttons::Ok, MessageService::Icon::Information});
    }});
}
