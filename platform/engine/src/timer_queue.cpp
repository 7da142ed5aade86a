#include "timer_queue.h"

#include <windows.h>

#include "engine/browser_thread.h"
#include "platform_internal/time_scale.h"

namespace engine {

TimerQueue::TimerQueue(BrowserThread& thread) : thread_(thread), worker_([this] { run(); }) {}

TimerQueue::~TimerQueue() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

void TimerQueue::schedule(unsigned long delayMs, std::function<void()> callback) {
    auto delay = std::chrono::milliseconds(win32::internal::scaledMilliseconds(static_cast<DWORD>(delayMs)));
    {
        std::lock_guard lock(mutex_);
        due_.emplace(std::chrono::steady_clock::now() + delay, std::move(callback));
    }
    changed_.notify_all();
}

void TimerQueue::run() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (due_.empty()) {
            changed_.wait(lock);
            continue;
        }
        auto first = due_.begin();
        if (first->first > std::chrono::steady_clock::now()) {
            changed_.wait_until(lock, first->first);
            continue;
        }
        auto callback = std::move(first->second);
        due_.erase(first);
        lock.unlock();
        thread_.post(std::move(callback));
        lock.lock();
    }
}

}  // namespace engine
