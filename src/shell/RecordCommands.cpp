#include "RecordCommands.h"

#include "data/RecordQueries.h"
#include "data/SlopeChecks.h"
#include "data/TestPoints.h"
#include "input/RecordRules.h"
#include "input/SessionContext.h"
#include "platform/Connection.h"
#include "platform/ErrorTrap.h"
#include "platform/MessageService.h"
#include "platform/Recordset.h"
#include "platform/TextPair.h"
#include "platform/VbError.h"
#include "shell/CloseThroughCommand.h"
#include "shell/KeepInFront.h"
#include "shell/StatusPanel.h"
#include "shell/WaitCursor.h"
#include "shell/frmMAIN.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include <optional>

void RecordCommands::save()
{
    window_.panelClick(8);
}

void RecordCommands::quit()
{
    window_.mnuBEENDEN();  // the main window asks about the form first
}

void RecordCommands::cancel()
{
    if (mayLeaveInputForm() && form_)
        closeInputForm();
}

bool RecordCommands::mayLeaveInputForm()
{
    if (!form_ || !form_->changed())
        return true;
    const MessageService::Answer answer = window_.session().messages().show(
        {window_.session().text({"Eingabe", "Input"}),
         window_.session().text({"Die Eingaben im Formular sind noch nicht übernommen.\nJa: übernehmen (wie OK)\n"
                                 "Nein: verwerfen\nAbbrechen: im Formular bleiben",
                                 "What is typed in the form has not been taken over.\nYes: take it over (as OK "
                                 "does)\nNo: discard it\nCancel: stay in the form"}),
         MessageService::Buttons::YesNoCancel, MessageService::Icon::Question});
    if (answer == MessageService::Answer::Yes) {
        saveInputForm();
        return form_ == nullptr;  // a refused value keeps the form open, with its message
    }
    return answer == MessageService::Answer::No;
}
void RecordCommands::setInputState(bool input)
{
    for (const char* name : {"mnuDATEI", "mnuAUSWERTEN", "mnuEXTRAS"})
        window_.menu(QString::fromLatin1(name))->menuAction()->setEnabled(!input);
    window_.panel(8)->setVisible(input);
    window_.panel(9)->setVisible(input);
}

void RecordCommands::showInputForm()
{
    form_ = new mdiEINGABE(window_.session(), window_.session().SPRACHE(), window_.session().DEZIMALPUNKT(), *this);
    form_->setProperty("HelpContextID", 11);
    formWindow_ = window_.mdiArea()->addSubWindow(form_);
    formWindow_->setAttribute(Qt::WA_DeleteOnClose);
    new CloseThroughCommand(formWindow_, [this] { cancel(); });
    formWindow_->resize(780, 450);
    form_->show();
    new KeepInFront(formWindow_, [form = form_](int step) { form->turnTab(step); });
}

void RecordCommands::closeInputForm()
{
    if (formWindow_)
        CloseThroughCommand::close(formWindow_);
    form_ = nullptr;
    formWindow_ = nullptr;
    setInputState(false);
}

bool RecordCommands::select(const QString& mode)
{
    window_.Tag = mode;
    window_.Tag = window_.selection(mode);
    return window_.Tag == u"OK";
}

void RecordCommands::mnuNEU()
{
    showInputForm();
    window_.panel(6)->setText(QStringLiteral("-"));
    window_.panel(6)->setToolTip({});
    setInputState(true);
}

void RecordCommands::mnuOEFFNEN()
{
    const std::string title = window_.caption(QStringLiteral("mnuOEFFNEN")).toStdString();
    for (;;) {
        if (!select(QStringLiteral("O")))
            return;
        Recordset rows(window_.session().cnnX(),
                       RecordQueries::records("[ID],[KEN]", RecordQueries::Selected | RecordQueries::Listed, true));
        if (rows.recordCount() == 1) {
            const int32_t id = rows.field("ID").toLong();
            rows.close();
            const WaitCursor wait;
            showInputForm();
            window_.DATENSATZANZEIGE();
            form_->OEFFNEN(id);
            setInputState(true);
            return;
        }
        const bool none = rows.recordCount() == 0;
        rows.close();
        const MessageService::Answer answer = window_.session().messages().show(
            {title,
             none ? window_.session().text({"Es gibt keinen aktuellen Datensatz!", "There is no selected file!"})
                  : window_.session().text(
                        {"Es kann nur ein aktueller Datensatz geöffnet werden!", "Only one file can be opened!"}),
             MessageService::Buttons::OkCancel, MessageService::Icon::Warning});
        if (answer == MessageService::Answer::Cancel)
            return;
    }
}

void RecordCommands::mnuAUSWAHL()
{
    if (select(QStringLiteral("A")))
        window_.DATENSATZANZEIGE();
}

void RecordCommands::deleteRecord(int32_t id)
{
    // A record lives in up to five tables; leaving its rows behind would hand them to the
    // next record that gets the same identifier.
    auto db = window_.session().cnnX();
    TestPoints::remove(*db, id);
    SlopeChecks::remove(*db, id);
    for (const std::string& table : RecordQueries::recordTables())
        db->execute("DELETE FROM [" + table + "] WHERE [ID]=" + std::to_string(id));
}

void RecordCommands::inTransaction(const std::function<void()>& work)
{
    auto db = window_.session().cnnX();
    if (!db)
        throw VbError::of(VbError::ObjectNotSet);
    Connection::Savepoint unit(*db);
    work();
    unit.commit();
}

void RecordCommands::mnuLOESCHEN()
{
    const std::string title = window_.caption(QStringLiteral("mnuLOESCHEN")).toStdString();
    if (!select(QStringLiteral("L")))
        return;
    ErrorTrap(window_.session().messages(), title, ErrorPrefix::window).run({[&] {
        Recordset rows(window_.session().cnnX(), RecordQueries::records("*", RecordQueries::Selected));
        for (; !rows.isEOF(); rows.moveNext()) {
            const std::string ken = rows.field("KEN").text();
            const MessageService::Answer answer = window_.session().messages().show(
                {title,
                 window_.session().text({"Datensatz " + ken + " wird gelöscht!", "File " + ken + " will be deleted!"}),
                 MessageService::Buttons::OkCancel, MessageService::Icon::Warning});
            if (answer == MessageService::Answer::Ok) {
                const int32_t id = rows.field("ID").toLong();
                inTransaction([&] { deleteRecord(id); });
            }
        }
        rows.close();
    }});
    window_.DATENSATZANZEIGE();
    window_.session().GEAENDERT = true;
}

void RecordCommands::saveInputForm()
{
    const std::string title = window_.panel(8)->text().toStdString();
    const std::string ken = form_->field(QStringLiteral("txtKEN"))->text().toStdString();
    MessageService& messages = window_.session().messages();
    // A record that cannot be evaluated is not stored: say which input is wrong.
    const std::map<std::string, std::string> texts = form_->texts();
    std::string problem = RecordRules::formProblem(texts, window_.session().english());
    if (problem.empty() && Variant(texts.at("SI1")).toDouble() == Variant(texts.at("SI2")).toDouble())
        problem = window_.session().text({"σ1 und σ2 müssen verschieden sein.", "σ1 and σ2 must differ."});
    if (problem.empty())
        problem = form_->testResultsProblem();
    if (problem.empty())
        problem = form_->slopeProblem();
    if (!problem.empty()) {
        messages.show({title, problem, MessageService::Buttons::Ok, MessageService::Icon::Warning});
        return;
    }
    // The record is written as a whole or not at all: a refused value leaves the old one.
    struct Refused {};
    bool saved = false;
    std::optional<WaitCursor> wait;
    try {
        inTransaction([&] {
            auto db = window_.session().cnnX();
            int32_t id = 1;
            Recordset same(db, "SELECT * FROM [E1] WHERE [KEN]='" + Connection::escaped(ken) + "'");
            if (!same.isEOF()) {
                const MessageService::Answer answer = messages.show(
                    {title,
                     window_.session().text({"Soll der vorhandene Datensatz " + ken + " überschrieben werden?",
                                             "Do you want to overwrite the file" + ken + "?"}),
                     MessageService::Buttons::YesNo, MessageService::Icon::Question});
                if (answer != MessageService::Answer::Yes)
                    throw Refused{};
                id = same.field("ID").toLong();
                same.close();
                deleteRecord(id);
            } else {
                Recordset newest(db, "SELECT * FROM [E1] ORDER BY [ID] Desc");
                if (!newest.isEOF())
                    id = newest.field("ID").toLong() + 1;
            }
            wait.emplace();
            if (!form_->OK(id))
                throw Refused{};
            Recordset others(db, "SELECT * FROM [E1] WHERE [KEN]<>'" + Connection::escaped(ken) + "' AND [AKT]=true");
            for (; !others.isEOF(); others.moveNext()) {
                others.setField("AKT", false);
                others.update();
            }
            others.close();
            saved = true;
        });
    } catch (const Refused&) {
        saved = false;
    } catch (const VbError& error) {
        messages.show(
            {title, error.message(ErrorPrefix::window), MessageService::Buttons::Ok, MessageService::Icon::Warning});
        saved = false;
    }
    if (saved) {
        window_.DATENSATZANZEIGE();
        window_.session().GEAENDERT = true;
        closeInputForm();
    }
}
