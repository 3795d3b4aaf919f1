#include "ErrorTrap.h"

#include "VbError.h"

ErrorTrap::ErrorTrap(MessageService& messages, std::string title, std::string prefix)
    : messages_(messages), title_(std::move(title)), prefix_(std::move(prefix))
{
}

bool ErrorTrap::attempt(const Step& step)
{
    long number = 0;
    std::string description;
    try {
        step();
        return true;
    } catch (const Leave&) {
        return false;
    } catch (const VbError& error) {
        number = error.number();
        description = error.description();
    } catch (const std::exception& error) {
        // Anything else is a fault of ours, still reported instead of ending the program.
        number = 51;
        description = error.what();
    }
    const MessageService::Message message{title_, prefix_ + std::to_string(number) + "\n" + description,
                                          MessageService::Buttons::OkCancel, MessageService::Icon::Warning};
    cancelled_ = messages_.show(message) == MessageService::Answer::Cancel;
    return !cancelled_;
}

bool ErrorTrap::run(std::initializer_list<Step> steps)
{
    for (const Step& step : steps) {
        if (!attempt(step))
            return false;
    }
    return true;
}
