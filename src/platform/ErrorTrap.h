#pragma once

#include "MessageService.h"
#include "VbError.h"

#include <functional>
#include <initializer_list>
#include <string>

// Runs a procedure as a sequence of steps under the program's error rule: a step that
// raises a run-time error shows title and prefix + number + line break + description with
// a warning icon and the buttons OK and Cancel. OK goes on with the next step, Cancel
// leaves the procedure.
class ErrorTrap {
public:
    using Step = std::function<void()>;
    // Thrown by a step to leave the procedure quietly, as an early return.
    struct Leave {};

    // A step that makes what the later steps use: when it fails, its error is shown as any
    // other, but the procedure ends whatever the answer, so no step goes on with an object
    // that was never made.
    static Step creating(Step step);

    ErrorTrap(MessageService& messages, std::string title, std::string prefix = ErrorPrefix::engine);

    // Runs one step; returns false when it failed and the user chose Cancel, or it left.
    bool attempt(const Step& step);

    // Runs the steps in order; returns false when the user left through Cancel.
    bool run(std::initializer_list<Step> steps);

    // Shows an error caught elsewhere as a failed step's; false when the user chose Cancel.
    bool report(const VbError& error);

    // True when the last failure was answered with Cancel.
    bool cancelled() const { return cancelled_; }

private:
    MessageService& messages_;
    std::string title_;
    std::string prefix_;
    bool cancelled_ = false;
};
