// Page timers (setTimeout): a helper thread that carries each due callback to the
// browser thread. Delays follow the platform's time scale like every platform wait.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

namespace engine {

class BrowserThread;

class TimerQueue {
public:
    explicit TimerQueue(BrowserThread& thread);
    ~TimerQueue();  // drops what is not yet due
    TimerQueue(const TimerQueue&) = delete;
    TimerQueue& operator=(const TimerQueue&) = delete;

    // Posts `callback` to the browser thread after `delayMs` (scaled).
    void schedule(unsigned long delayMs, std::function<void()> callback);

private:
    void run();

    BrowserThread& thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::multimap<std::chrono::steady_clock::time_point, std::function<void()>> due_;
    bool stopping_ = false;
    std::thread worker_;
};

}  // namespace engine
