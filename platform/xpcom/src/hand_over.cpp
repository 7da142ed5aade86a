#include "hand_over.h"

#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
#include <utility>

#include "platform_internal/hand_over.h"

namespace xpcom::internal {

using win32::internal::HandOver;

// The queue and its hand-over are the Win32 stand-in's, as under COM's carried calls: a
// waiter spins briefly for an answer before it parks.
class Inbox {
 public:
  win32::internal::QueueLock mutex;
  HandOver handOver;  // rings for every queued call, stop and finished call of a waiter
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

// `ran` is written before `finished` is set and read after the waiter has seen it set.
struct Completion {
  std::atomic<bool> finished{false};
  bool ran = false;
};

// The waiter may return as soon as `finished` is set, so the completion is not touched
// after that; the waiter's inbox is kept alive by the caller's capture. The ring comes
// after `finished`: a waiter that read the ring count before seeing it unset is woken.
void finish(Inbox& waiter, Completion& completion, bool ran) {
  completion.ran = ran;
  completion.finished.store(true, std::memory_order_release);
  waiter.handOver.ring();
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
  target.handOver.ring();
  if (wake) wake();
  return true;
}

bool callAndWait(Inbox& target, std::function<void()> call) {
  const std::shared_ptr<Inbox>& self = currentInbox();
  // The completion lives in this frame: this function does not return before the call
  // has either run or been discarded, both of which finish it (see finish).
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
    const auto seen = self->handOver.rings();  // before looking, so no arrival is missed
    serveOwn();
    if (completion.finished.load(std::memory_order_acquire)) break;
    self->handOver.waitPast(seen);  // a call queued meanwhile has rung since `seen`
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
  const auto ready = [&] {
    std::lock_guard lock(self.mutex);
    return !self.calls.empty() || !self.accepting;
  };
  const auto deadline = realMilliseconds == 0xffffffffU
                            ? HandOver::Clock::time_point::max()
                            : HandOver::Clock::now() + std::chrono::milliseconds(realMilliseconds);
  for (;;) {
    const auto seen = self.handOver.rings();  // before looking, so no arrival is missed
    if (ready()) return true;
    if (!self.handOver.waitPast(seen, deadline)) return ready();
  }
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
  inbox.handOver.ring();
}

void setWakeHook(Inbox& inbox, std::function<void()> wake) {
  std::lock_guard lock(inbox.mutex);
  if (!inbox.closed) inbox.wake = std::move(wake);
}

}  // namespace xpcom::internal
