#include "FigureSession.h"

MessageService::Answer FigureSession::OneMessage::show(const Message& message)
{
    // Notes and questions always reach the user; only warnings after the first are held back.
    const bool warning = message.icon == Icon::Warning || message.icon == Icon::Critical;
    if (warning && spoken.count(current))
        return message.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    if (warning)
        spoken.insert(current);
    return messages_.show(message);
}
