#pragma once

#include "platform/MessageService.h"

class QWidget;

// Message boxes of the window system, owned by the main window.
class QtMessages : public MessageService {
public:
    explicit QtMessages(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    Answer show(const Message& message) override;
    std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                     const std::string& preset) override;
    // A dialog (object name "frmWARTEN") with a Cancel button appears after half a second
    // and gives up after a minute.
    bool await(const std::string& title, const std::string& what, const std::function<void()>& work) override;

private:
    QWidget* owner_;
};
