// The one thread that owns a browser instance's state. It is a Win32 message-queue
// thread of the platform stand-in, so COM calls carried into it and the engine's own
// work run there alike, and native windows made on it get their messages. Other
// threads reach the browser only by carrying work to it; modal waits on it keep
// serving that work.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <future>
#include <thread>

namespace engine {

class BrowserThread {
public:
    BrowserThread();
    ~BrowserThread();  // stop()
    // Runs what was posted, then ends the thread and waits for it to end (unless called
    // on it). From then on post and call refuse work. A task still on the thread's
    // stack (one that was waiting when the stop came) finishes first and may still
    // use the thread object, which is why this is apart from the destructor.
    void stop();
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
    // work it does, and each time it starts a modal wait (a dialog holding the work
    // that would otherwise wake the waiter), until it holds or `timeoutMs` of real
    // time passed.
    bool waitUntil(const std::function<bool()>& condition, int timeoutMs);

    // The Win32 id of the browser thread.
    unsigned long threadId() const { return threadId_; }

private:
    void run(std::promise<unsigned long>& started);
    // Serves carried work and dispatches queued messages once, waiting up to `waitMs`
    // (real time) for something to arrive. False once the thread was told to quit.
    bool pumpOnce(unsigned long waitMs);
    std::function<void()> counted(std::function<void()> task);

    mutable std::mutex mutex_;
    // Counts pieces of work finished and modal waits begun: either may have changed
    // what a waiter on another thread is waiting for.
    void markProgress();
    std::condition_variable progress_;
    std::uint64_t progressMarks_ = 0;
    bool stopping_ = false;
    bool quitSeen_ = false;  // browser thread only
    unsigned long threadId_ = 0;
    std::thread thread_;
};

}  // namespace engine
