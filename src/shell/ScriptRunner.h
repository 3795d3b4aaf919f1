#pragma once

#include "platform/MessageService.h"
#include "shell/PrintService.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <memory>

class frmMAIN;

// Runs the program from a script instead of a person, for support and end-to-end tests:
// one command a line ("trigger mnuNEU", "set txtKEN Sand", "panel 8", "answer Yes",
// "select Sand", "menu mnuAUSWERTEN", "print sheet.pdf", "wait 500", "quit"). Messages are
// answered from the script (OK or Yes when it has no answer left) and logged.
class ScriptRunner : public MessageService {
public:
    explicit ScriptRunner(QStringList lines);

    void run(frmMAIN& window);

    Answer show(const Message& message) override;
    std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                     const std::string& preset) override;

private:
    void execute(frmMAIN& window, const QString& verb, const QString& argument);

    QStringList lines_;
    std::deque<Answer> answers_;
    std::deque<std::string> inputs_;
    QString selection_;
    std::unique_ptr<QtPrintService> printer_;
};
