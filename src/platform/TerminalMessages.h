#pragma once

#include "MessageService.h"

// Messages for programs without a window: written to the error stream, answered with
// OK (or No for a question, so that nothing is changed unasked).
class TerminalMessages : public MessageService {
public:
    Answer show(const Message& message) override;
    // Without a person to ask, every prompt takes its preset.
    std::optional<std::string> input(const std::string&, const std::string&, const std::string& preset) override
    {
        return preset;
    }
    // How many warnings and errors were written, and the text of the last one.
    int warnings() const { return warnings_; }
    const std::string& lastWarning() const { return lastWarning_; }

private:
    int warnings_ = 0;
    std::string lastWarning_;
};
