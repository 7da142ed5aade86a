#include "engine/browser_thread.h"

#include <chrono>
#include <cstdio>
#include <exception>

namespace engine {

BrowserThread::BrowserThread() {
    std::unique_lock lock(mutex_);
    thread_ = std::thread([this] { run(); });
    id_ = thread_.get_id();
}

BrowserThread::~BrowserThread() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        if (isCurrent()) {
            thread_.detach();  // the last reference went on the thread itself
        } else {
            thread_.join();
        }
    }
}

bool BrowserThread::isCurrent() const { return std::this_thread::get_id() == id_; }

bool BrowserThread::post(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        if (stopping_) return false;
        tasks_.push_back(std::move(task));
    }
    wake_.notify_all();
    return true;
}

bool BrowserThread::call(std::function<void()> task) {
    if (isCurrent()) {
        task();
        return true;
    }
    struct Completion {
        std::mutex mutex;
        std::condition_variable done;
        bool finished = false;
    };
    auto completion = std::make_shared<Completion>();
    bool queued = post([task = std::move(task), completion] {
        task();
        std::lock_guard lock(completion->mutex);
        completion->finished = true;
        completion->done.notify_all();
    });
    if (!queued) return false;
    std::unique_lock lock(completion->mutex);
    completion->done.wait(lock, [&] { return completion->finished; });
    return true;
}

bool BrowserThread::runOne(std::unique_lock<std::mutex>& lock) {
    if (tasks_.empty()) return false;
    auto task = std::move(tasks_.front());
    tasks_.pop_front();
    lock.unlock();
    try {
        task();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "engine: a browser task failed: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "engine: a browser task failed\n");
    }
    task = nullptr;  // captured state goes on this thread, before progress is reported
    lock.lock();
    ++finished_;
    progress_.notify_all();
    return true;
}

void BrowserThread::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
        if (!runOne(lock) && stopping_) return;
    }
}

bool BrowserThread::runUntil(const std::function<bool()>& done, int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
    std::unique_lock lock(mutex_);
    for (;;) {
        lock.unlock();
        bool finished = done();
        lock.lock();
        if (finished) return true;
        if (runOne(lock)) continue;
        if (stopping_) return false;
        if (timeoutMs < 0) {
            wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
        } else if (!wake_.wait_until(lock, deadline, [this] { return stopping_ || !tasks_.empty(); })) {
            lock.unlock();
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
            seen = finished_;
        }
        bool holds = false;
        if (!call([&] { holds = condition(); })) return false;
        if (holds) return true;
        std::unique_lock lock(mutex_);
        // call() itself finished one task; wait for work beyond it.
        if (!progress_.wait_until(lock, deadline, [&] { return finished_ > seen + 1 || stopping_; })) return false;
        if (stopping_) return false;
    }
}

}  // namespace engine
