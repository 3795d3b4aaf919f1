#pragma once

#include <functional>

// Long operations yield to the user-interface event loop at fixed points so the window
// repaints. The program installs the hook at start; without one (batch tools, tests)
// yielding does nothing.
namespace EventLoop {

void setYieldHook(std::function<void()> hook);
void yield();

}  // namespace EventLoop
