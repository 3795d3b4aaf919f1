#include "ErrorTrap.h"

#include <optional>

#include "VbError.h"

ErrorTrap::ErrorTrap(MessageService& messages, std::string title, std::string prefix)
    : messages_(messages), title_(std::move(title)), prefix_(std::move(prefix))
{}

namespace {

// A failure of a creating step, carried out of it to the trap.
struct CreationFailed {
    VbError error;
};

}  // namespace

ErrorTrap::Step ErrorTrap::creating(Step step)
{
    return [step = std::move(step)] {
        try {
            step();
        } catch (const VbError& error) {
            throw CreationFailed{error};
        } catch (const std::exception& error) {
            throw CreationFailed{VbError(VbError::InternalError, error.what())};
        }
    };
}

bool ErrorTrap::attempt(const Step& step)
{
    std::optional<VbError> failure;
    bool final = false;
    try {
        step();
        return true;
    } catch (const Leave&) {
        return false;
    } catch (const CreationFailed& creation) {
        failure = creation.error;
        final = true;
    } catch (const VbError& error) {
        failure = error;
    } catch (const std::exception& error) {
        // Anything else is a fault of ours, still reported instead of ending the program.
        failure = VbError(VbError::InternalError, error.what());
    }
    return report(*failure) && !final;
}

bool ErrorTrap::report(const VbError& error)
{
    const MessageService::Message message{title_, error.message(prefix_), MessageService::Buttons::OkCancel,
                                          MessageService::Icon::Warning};
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
