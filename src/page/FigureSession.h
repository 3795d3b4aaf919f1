#pragma once

#include "platform/MessageService.h"
#include "platform/Session.h"

#include <set>

// The session as the page's figures see it: everything comes from the program's session,
// but one figure of a record shows at most one warning. Damaged stored data fails the same
// way at every point of a curve and in every drawing of the figure; after the first
// message, each further failure leaves its procedure unseen (answered Cancel) instead of
// asking again.
class FigureSession : public Session {
public:
    explicit FigureSession(Session& session) : session_(session), messages_(session.messages()) {}

    // A record is (re)loaded: every figure may speak again, once.
    void beginRecord() { messages_.spoken.clear(); }
    // Figure `figure` (0 for the header and the record's reading) is drawn: what it says
    // counts against its one message, however often it is drawn again (print, redraw).
    void beginFigure(int figure) { messages_.current = figure; }

    std::shared_ptr<Connection> cnnX() const override { return session_.cnnX(); }
    std::shared_ptr<Connection> cnnX_V() const override { return session_.cnnX_V(); }
    std::string PROJEKTSPFAD() const override { return session_.PROJEKTSPFAD(); }
    std::string PROJEKT() const override { return session_.PROJEKT(); }
    std::string programFolder() const override { return session_.programFolder(); }
    std::string BENUTZER() const override { return session_.BENUTZER(); }
    std::string BEARBEITER() const override { return session_.BEARBEITER(); }
    MessageService& messages() const override { return messages_; }

private:
    class OneMessage : public MessageService {
    public:
        explicit OneMessage(MessageService& messages) : messages_(messages) {}
        Answer show(const Message& message) override;
        std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                         const std::string& preset) override
        {
            return messages_.input(title, prompt, preset);
        }

        std::set<int> spoken;  // figures that have shown their message
        int current = 0;

    private:
        MessageService& messages_;
    };

    Session& session_;
    mutable OneMessage messages_;
};
