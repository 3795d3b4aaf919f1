#pragma once

#include <chrono>
#include <functional>

// File work that may hang inside the file system (a share that stops answering) runs on a
// thread of its own, so the window that waits for it stays alive and may stop waiting.
namespace BackgroundWork {

// Runs `work` on its own thread and calls `keepWaiting(elapsed)` about every 50 ms until the
// work has ended or `keepWaiting` says no. True when the work ended: an exception it threw
// is thrown here. False when the waiting was given up: the thread is left to end on its own
// and owns a copy of `work`, so `work` must hold what it needs by value.
bool run(const std::function<void()>& work,
         const std::function<bool(std::chrono::milliseconds elapsed)>& keepWaiting);

}  // namespace BackgroundWork
