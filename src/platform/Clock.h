#pragma once

#include "Variant.h"

// The date and time of output reach the pages through this, so tests can fix them.
class Clock {
public:
    virtual ~Clock() = default;
    virtual VbDate now() const = 0;
};

// The computer's local time.
class SystemClock : public Clock {
public:
    VbDate now() const override;
};
