// The one thread that owns a browser instance's state. Other threads reach the
// browser only by carrying work to it; modal waits on it keep serving that work.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace engine {

class BrowserThread {
public:
    BrowserThread();
    ~BrowserThread();  // runs what was posted, then ends the thread
    BrowserThread(const BrowserThread&) = delete;
    BrowserThread& operator=(const BrowserThread&) = delete;

    bool isCurrent() const;
    // Queues `task`; false once the thread is ending.
    bool post(std::function<void()> task);
    // Runs `task` on the browser thread and returns when it has finished (at once
    // when called on it). False, without running it, once the thread is ending.
    bool call(std::function<void()> task);
    // Browser thread only: serves queued work until `done()` holds or `timeoutMs`
    // of real time passed (negative: no limit). Modal dialogs wait this way.
    bool runUntil(const std::function<bool()>& done, int timeoutMs = -1);
    // Other threads: evaluates `condition` on the browser thread after each piece of
    // work it does until it holds or `timeoutMs` of real time passed.
    bool waitUntil(const std::function<bool()>& condition, int timeoutMs);

private:
    void run();
    bool runOne(std::unique_lock<std::mutex>& lock);

    mutable std::mutex mutex_;
    std::condition_variable wake_;      // work arrived or stopping
    std::condition_variable progress_;  // a task finished
    std::deque<std::function<void()>> tasks_;
    std::uint64_t finished_ = 0;
    bool stopping_ = false;
    std::thread thread_;
    std::thread::id id_;
};

}  // namespace engine
