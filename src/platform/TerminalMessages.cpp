#include "TerminalMessages.h"

#include <iostream>

MessageService::Answer TerminalMessages::show(const Message& message)
{
    std::cerr << message.title << ": " << message.text << "\n";
    if (message.icon == Icon::Warning || message.icon == Icon::Critical) {
        ++warnings_;
        lastWarning_ = message.text;
    }
    switch (message.buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel: return Answer::No;
    default: return Answer::Ok;
    }
}
