#include "engine/browser_thread.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <exception>

#include "platform_internal/thread_calls.h"

namespace engine {
namespace {

void runGuarded(const std::function<void()>& task) {
    // No exception leaves a piece of browser work: it would end the browser thread.
    try {
        task();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "engine: a browser task failed: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "engine: a browser task failed\n");
    }
}

}  // namespace

BrowserThread::BrowserThread() {
    std::promise<unsigned long> started;
    auto id = started.get_future();
    thread_ = std::thread([this, &started] { run(started); });
    threadId_ = id.get();
}

BrowserThread::~BrowserThread() { stop(); }

void BrowserThread::stop() {
    {
        std::lock_guard lock(mutex_);
        if (stopping_) return;
        stopping_ = true;
    }
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    if (thread_.joinable()) {
        if (isCurrent()) {
            thread_.detach();  // the last reference went on the thread itself
        } else {
            thread_.join();
        }
    }
}

bool BrowserThread::isCurrent() const { return GetCurrentThreadId() == threadId_; }

void BrowserThread::run(std::promise<unsigned long>& started) {
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // makes the queue
    started.set_value(GetCurrentThreadId());
    while (pumpOnce(INFINITE)) {
    }
    win32::internal::serveCarriedCalls();  // what was carried before the quit
}

bool BrowserThread::pumpOnce(unsigned long waitMs) {
    if (quitSeen_) return false;
    win32::internal::waitForCallsOrMessages(waitMs);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitSeen_ = true;
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

std::function<void()> BrowserThread::counted(std::function<void()> task) {
    return [this, task = std::move(task)]() mutable {
        runGuarded(task);
        task = nullptr;  // captured state goes on this thread, before progress is reported
        markProgress();
    };
}

void BrowserThread::markProgress() {
    std::lock_guard lock(mutex_);
    ++progressMarks_;
    progress_.notify_all();
}

bool BrowserThread::post(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        if (stopping_) return false;
    }
    return win32::internal::postToThread(threadId_, counted(std::move(task)));
}

bool BrowserThread::call(std::function<void()> task) {
    if (isCurrent()) {
        runGuarded(task);
        return true;
    }
    {
        std::lock_guard lock(mutex_);
        if (stopping_) return false;
    }
    return win32::internal::callOnThread(threadId_, counted(std::move(task)));
}

bool BrowserThread::runUntil(const std::function<bool()>& done, int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
    // The work on the stack may now wait for ever (a page dialog): a waiter whose
    // condition was last evaluated before it got here must look again.
    markProgress();
    for (;;) {
        if (done()) return true;
        if (quitSeen_) return false;
        unsigned long wait = INFINITE;
        if (timeoutMs >= 0) {
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) return false;
            wait = static_cast<unsigned long>(left.count());
        }
        if (!pumpOnce(wait)) {
            // The browser is ending: leave the quit for the outer loop to see too.
            return done();
        }
    }
}

bool BrowserThread::waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    if (isCurrent()) return runUntil(condition, timeoutMs);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        std::uint64_t seen;
        {
            std::lock_guard lock(mutex_);
            seen = progressMarks_;
        }
        bool holds = false;
        if (!call([&] { holds = condition(); })) return false;
        if (holds) return true;
        std::unique_lock lock(mutex_);
        // call() itself finished one piece of work; wait for progress beyond it.
        if (!progress_.wait_until(lock, deadline, [&] { return progressMarks_ > seen + 1 || stopping_; })) return false;
        if (stopping_) return false;
    }
}

}  // namespace engine
