#include "hand_over.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <utility>

namespace xpcom::internal {

class Inbox {
 public:
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<CarriedCall> calls;
  bool accepting = true;
  bool closed = false;
  std::function<void()> wake;
};

namespace {

// Ends the inbox with its thread: calls still queued are discarded, so no caller waits
// for a thread that has gone.
struct InboxHolder {
  std::shared_ptr<Inbox> inbox = std::make_shared<Inbox>();
  ~InboxHolder() {
    std::deque<CarriedCall> abandoned;
    {
      std::lock_guard lock(inbox->mutex);
      inbox->closed = true;
      inbox->accepting = false;
      inbox->wake = nullptr;
      abandoned.swap(inbox->calls);
    }
    for (CarriedCall& call : abandoned) {
      if (call.discard) call.discard();
    }
  }
};

thread_local InboxHolder tHolder;

struct Completion {
  bool finished = false;
  bool ran = false;
};

// The waiter may return as soon as `finished` is set, so the completion is not touched
// after the lock is released; the waiter's inbox is kept alive by the caller's capture.
void finish(Inbox& waiter, Completion& completion, bool ran) {
  {
    std::lock_guard lock(waiter.mutex);
    completion.finished = true;
    completion.ran = ran;
  }
  waiter.changed.notify_all();
}

}  // namespace

const std::shared_ptr<Inbox>& currentInbox() { return tHolder.inbox; }

// By the inbox itself, not the thread id: ids of ended threads are given to new ones,
// which must not pass for the owner of an inbox that closed with its thread.
bool isOwnerThread(const Inbox& inbox) { return &inbox == currentInbox().get(); }

bool post(Inbox& target, CarriedCall call) {
  std::function<void()> wake;
  {
    std::lock_guard lock(target.mutex);
    if (!target.accepting) return false;
    target.calls.push_back(std::move(call));
    wake = target.wake;
  }
  target.changed.notify_all();
  if (wake) wake();
  return true;
}

bool callAndWait(Inbox& target, std::function<void()> call) {
  const std::shared_ptr<Inbox>& self = currentInbox();
  // The completion lives in this frame: this function does not return before the call
  // has either run or been discarded, both of which finish it under the waiter's lock.
  Completion completion;
  // The calls hold the waiter's inbox: it may end (with its thread) before they finish
  // notifying it.
  std::shared_ptr<Inbox> waiter = self;
  CarriedCall carried;
  carried.run = [&completion, waiter, body = std::move(call)] {
    bool ran = true;
    try {
      body();
    } catch (...) {
      ran = false;  // nothing crosses back as an exception
    }
    finish(*waiter, completion, ran);
  };
  carried.discard = [&completion, waiter = std::move(waiter)] { finish(*waiter, completion, false); };
  if (!post(target, std::move(carried))) return false;
  for (;;) {
    serveOwn();
    std::unique_lock lock(self->mutex);
    if (completion.finished) break;
    if (!self->calls.empty()) continue;
    self->changed.wait(lock);
  }
  return completion.ran;
}

bool takeOwn(CarriedCall& out) {
  Inbox& self = *currentInbox();
  std::lock_guard lock(self.mutex);
  if (self.calls.empty()) return false;
  out = std::move(self.calls.front());
  self.calls.pop_front();
  return true;
}

int serveOwn() {
  int count = 0;
  for (CarriedCall call; takeOwn(call); call = CarriedCall{}) {
    call.run();
    ++count;
  }
  return count;
}

bool waitForCall(PRUint32 realMilliseconds) {
  Inbox& self = *currentInbox();
  std::unique_lock lock(self.mutex);
  const auto ready = [&] { return !self.calls.empty() || !self.accepting; };
  if (realMilliseconds == 0xffffffffU) {
    self.changed.wait(lock, ready);
    return true;
  }
  return self.changed.wait_for(lock, std::chrono::milliseconds(realMilliseconds), ready);
}

bool hasCalls(Inbox& inbox) {
  std::lock_guard lock(inbox.mutex);
  return !inbox.calls.empty();
}

std::size_t revoke(Inbox& inbox, void* owner) {
  std::deque<CarriedCall> revoked;
  {
    std::lock_guard lock(inbox.mutex);
    std::deque<CarriedCall> kept;
    for (CarriedCall& call : inbox.calls) {
      (owner != nullptr && call.owner == owner ? revoked : kept).push_back(std::move(call));
    }
    inbox.calls.swap(kept);
  }
  for (CarriedCall& call : revoked) {
    if (call.discard) call.discard();
  }
  return revoked.size();
}

bool isAccepting(Inbox& inbox) {
  std::lock_guard lock(inbox.mutex);
  return inbox.accepting;
}

void stopAccepting(Inbox& inbox) {
  {
    std::lock_guard lock(inbox.mutex);
    inbox.accepting = false;
  }
  inbox.changed.notify_all();
}

void setWakeHook(Inbox& inbox, std::function<void()> wake) {
  std::lock_guard lock(inbox.mutex);
  if (!inbox.closed) inbox.wake = std::move(wake);
}

}  // namespace xpcom::internal
