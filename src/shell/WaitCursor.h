#pragma once

// The hourglass while it lives: set when made, taken back when it ends, also through an
// early return or an error. Guards nest.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
