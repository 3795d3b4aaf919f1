#pragma once

#include "platform/VbError.h"

#include <functional>

// The number of the run-time error an action raises, 0 when it raises none.
inline long errorNumber(const std::function<void()>& action)
{
    try {
        action();
    } catch (const VbError& error) {
        return error.number();
    }
    return 0;
}
