#pragma once

#include "Variant.h"

#include <string>

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

// Times kept in files (locks, working copies): local time in ISO 8601, and the same for a
// message in the current locale's short form ("08.12.26 14:05"; the text itself when it is
// no time).
std::string localTimeNow();
std::string shortDateTime(const std::string& isoTime);
