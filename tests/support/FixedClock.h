#pragma once

#include "platform/Clock.h"

// A clock that always tells the same time, so pages and messages that show it stay alike.
class FixedClock : public Clock {
public:
    explicit FixedClock(double serial = 46363.6) : serial_(serial) {}
    VbDate now() const override { return VbDate{serial_}; }

private:
    double serial_;
};
