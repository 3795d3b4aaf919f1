#include "BackgroundWork.h"

#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// What the thread and the waiting caller share; the thread may outlive the caller.
struct Shared {
    std::function<void()> work;
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    std::exception_ptr error;
};

}  // namespace

bool BackgroundWork::run(const std::function<void()>& work,
                         const std::function<bool(std::chrono::milliseconds elapsed)>& keepWaiting)
{
    auto shared = std::make_shared<Shared>();
    shared->work = work;
    std::thread([shared] {
        std::exception_ptr error;
        try {
            shared->work();
        } catch (...) {
            error = std::current_exception();
        }
        const std::lock_guard<std::mutex> guard(shared->mutex);
        shared->error = error;
        shared->done = true;
        shared->ended.notify_all();
    }).detach();

    const auto start = std::chrono::steady_clock::now();
    std::unique_lock<std::mutex> lock(shared->mutex);
    while (!shared->ended.wait_for(lock, std::chrono::milliseconds(50), [&] { return shared->done; })) {
        lock.unlock();
        const bool waiting = keepWaiting(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start));
        lock.lock();
        if (!waiting && !shared->done)
            return false;
    }
    if (shared->error)
        std::rethrow_exception(shared->error);
    return true;
}
