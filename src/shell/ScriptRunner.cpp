#include "ScriptRunner.h"

#include "input/SessionContext.h"
#include "platform/Connection.h"
#include "shell/EvaluationRuns.h"
#include "shell/TestResultsTab.h"
#include "shell/frmMAIN.h"
#include "shell/mdiEINGABE.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>

#include <iostream>

namespace {

// A scripted answer by its name, in any case: yes, no, cancel; anything else is OK.
MessageService::Answer answerFor(const QString& name)
{
    using Answer = MessageService::Answer;
    const QString lower = name.toLower();
    return lower == u"yes"      ? Answer::Yes
           : lower == u"no"     ? Answer::No
           : lower == u"cancel" ? Answer::Cancel
                                : Answer::Ok;
}

// Lets the window work for a while, as a person would wait.
void pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

ScriptRunner::ScriptRunner(QStringList lines) : lines_(std::move(lines))
{
    // Answers at the top of the script are ready before the window exists: start-up may ask.
    while (!lines_.isEmpty()) {
        const QString line = lines_.front().trimmed();
        if (!line.startsWith(QStringLiteral("answer ")) && !line.startsWith(QStringLiteral("input ")))
            break;
        const qsizetype space = line.indexOf(u' ');
        const QString verb = line.left(space), argument = line.mid(space + 1);
        if (verb == u"answer")
            answers_.push_back(answerFor(argument));
        else
            inputs_.push_back(argument.toStdString());
        lines_.pop_front();
    }
}

MessageService::Answer ScriptRunner::show(const Message& message)
{
    Answer answer =
        message.buttons == Buttons::YesNo || message.buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    std::cerr << "KVX message: " << message.title << ": " << message.text << "\n";
    return answer;
}

std::optional<std::string> ScriptRunner::input(const std::string& title, const std::string&, const std::string& preset)
{
    std::cerr << "KVX prompt: " << title << "\n";
    if (inputs_.empty())
        return preset;
    const std::string text = inputs_.front();
    inputs_.pop_front();
    return text;
}

void ScriptRunner::run(frmMAIN& window)
{
    window.setSelectionDialog([this, &window](const QString&) {
        if (selection_.isNull())
            return QStringLiteral("Abbrechen");
        std::string names;
        for (const QString& ken : selection_.split(u','))
            names += (names.empty() ? "'" : ",'") + Connection::escaped(ken.trimmed().toStdString()) + "'";
        window.session().cnnX()->execute("UPDATE [E1] SET [AKT]=([KEN] IN (" + names + "))");
        selection_ = QString();
        return QStringLiteral("OK");
    });
    // Printing takes the program's own printer path, into a PDF file instead of the dialog.
    printer_ = std::make_unique<QtPrintService>(&window);
    window.setPrintService(*printer_);
    window.runs().pauseMilliseconds = 0;
    for (const QString& line : lines_) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        const qsizetype space = trimmed.indexOf(u' ');
        execute(window, trimmed.left(space), space < 0 ? QString() : trimmed.mid(space + 1));
        if (trimmed.left(space) == u"quit")
            return;  // the session has ended
        QApplication::processEvents();
    }
}

void ScriptRunner::execute(frmMAIN& window, const QString& verb, const QString& argument)
{
    std::cerr << "KVX script: " << verb.toStdString() << " " << argument.toStdString() << "\n";
    if (verb == u"answer") {
        answers_.push_back(answerFor(argument));
    } else if (verb == u"input") {
        inputs_.push_back(argument.toStdString());
    } else if (verb == u"select") {
        selection_ = argument;
    } else if (verb == u"trigger") {
        // A menu command, or a button of the input form ("cmdANPASSEN").
        if (QAction* action = window.action(argument))
            action->trigger();
        else if (QAbstractButton* button =
                     window.inputForm() ? window.inputForm()->findChild<QAbstractButton*>(argument) : nullptr)
            button->click();
    } else if (verb == u"menu" && argument == u"mnuAUSWERTEN") {
        window.runs().mnuAUSWERTEN();
    } else if (verb == u"set" && window.inputForm()) {
        const qsizetype space = argument.indexOf(u' ');
        const QString field = argument.left(space), text = space < 0 ? QString() : argument.mid(space + 1);
        mdiEINGABE* form = window.inputForm();
        if (field == u"cboSIMAX")
            form->cboSIMAX()->setEditText(text);
        else if (field == u"cboSPR")
            form->cboSPR()->setCurrentIndex(text.toInt());
        else if (QLineEdit* edit = form->field(field) ? form->field(field) : form->findChild<QLineEdit*>(field))
            edit->setText(text);  // a field of the record, or of a tab beside it (the slope)
    } else if (verb == u"paste" && window.inputForm()) {
        // Rows as a spreadsheet copies them ("\t" between cells, "\n" between rows), pasted
        // with Ctrl+V into the grid of test results.
        QApplication::clipboard()->setText(QString(argument)
                                               .replace(QStringLiteral("\\t"), QStringLiteral("\t"))
                                               .replace(QStringLiteral("\\n"), QStringLiteral("\n")));
        QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
        QApplication::sendEvent(window.inputForm()->testResults()->grid(), &paste);
    } else if (verb == u"panel") {
        window.panelClick(argument.toInt());
    } else if (verb == u"print") {
        printer_->setOutputFile(argument);
    } else if (verb == u"wait") {
        pause(argument.toInt());
    } else if (verb == u"await") {
        // Another process tells when to go on by making a file (at most a minute); a window
        // closed meanwhile (by a key, say) ends the wait.
        for (int i = 0; i < 1200 && !QFile::exists(argument) && window.isVisible(); ++i)
            pause(50);
    } else if (verb == u"quit") {
        window.mnuBEENDEN();
    }
}
