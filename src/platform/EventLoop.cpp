#include "EventLoop.h"

namespace {

std::function<void()>& hook()
{
    static std::function<void()> instance;
    return instance;
}

}  // namespace

void EventLoop::setYieldHook(std::function<void()> newHook)
{
    hook() = std::move(newHook);
}

void EventLoop::yield()
{
    if (hook())
        hook()();
}
