// The NSPR subset: intervals, sleeps, atomics, environment, the current thread.
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "nspr.h"
#include "plevent.h"
#include "thread_record.h"
#include "time_scale.h"

namespace xpcom::internal {
namespace {
// Thread-local objects end in the reverse order of their making; the record asks for
// the inbox first so the inbox outlives the record that points at it.
struct ThreadRecordHolder {
  std::unique_ptr<PRThread> record;
  ThreadRecordHolder() {
    const auto& inbox = currentInbox();
    record = std::make_unique<PRThread>();
    record->inbox = inbox;
  }
  ~ThreadRecordHolder() {
    nsCOMPtr<nsIEventQueue> queue;
    nsCOMPtr<nsIThread> adopted;
    {
      std::lock_guard lock(record->mutex);
      queue.swap(record->queue);
      adopted.swap(record->adopted);
    }
    noteAdoptedThreadEnded(adopted);
  }
};
thread_local ThreadRecordHolder tRecord;

const auto kStart = std::chrono::steady_clock::now();
}  // namespace

PRThread& currentThreadRecord() { return *tRecord.record; }
}  // namespace xpcom::internal

using xpcom::internal::timeScale;

// NSPR keeps its tick rate between PR_INTERVAL_MIN (1,000) and PR_INTERVAL_MAX (100,000)
// per second; the highest rate gives 10 microsecond ticks, and intervals wrap after
// about 11.9 hours, as on the real platform.
namespace {
constexpr PRUint64 kTicksPerSecond = 100000;

PRIntervalTime ticksOf(PRUint64 amount, PRUint64 unitsPerSecond) {
  return static_cast<PRIntervalTime>((amount * kTicksPerSecond + unitsPerSecond / 2) / unitsPerSecond);
}
PRUint32 amountOf(PRIntervalTime ticks, PRUint64 unitsPerSecond) {
  return static_cast<PRUint32>((static_cast<PRUint64>(ticks) * unitsPerSecond + kTicksPerSecond / 2) /
                               kTicksPerSecond);
}
}  // namespace

PR_IMPLEMENT(PRUint32) PR_TicksPerSecond(void) { return static_cast<PRUint32>(kTicksPerSecond); }

// The platform clock: the real clock slowed by the time scale, so that intervals slept
// with PR_Sleep and measured with PR_IntervalNow agree.
PR_IMPLEMENT(PRIntervalTime) PR_IntervalNow(void) {
  const auto elapsed = std::chrono::steady_clock::now() - xpcom::internal::kStart;
  const double seconds = std::chrono::duration<double>(elapsed).count() / timeScale();
  return static_cast<PRIntervalTime>(static_cast<PRUint64>(seconds * kTicksPerSecond) & 0xffffffffULL);
}

PR_IMPLEMENT(PRIntervalTime) PR_SecondsToInterval(PRUint32 seconds) { return ticksOf(seconds, 1); }
PR_IMPLEMENT(PRIntervalTime) PR_MillisecondsToInterval(PRUint32 milli) { return ticksOf(milli, 1000); }
PR_IMPLEMENT(PRIntervalTime) PR_MicrosecondsToInterval(PRUint32 micro) { return ticksOf(micro, 1000000); }
PR_IMPLEMENT(PRUint32) PR_IntervalToSeconds(PRIntervalTime ticks) {
  return static_cast<PRUint32>(ticks / kTicksPerSecond);
}
PR_IMPLEMENT(PRUint32) PR_IntervalToMilliseconds(PRIntervalTime ticks) { return amountOf(ticks, 1000); }
PR_IMPLEMENT(PRUint32) PR_IntervalToMicroseconds(PRIntervalTime ticks) { return amountOf(ticks, 1000000); }

PR_IMPLEMENT(PRStatus) PR_Sleep(PRIntervalTime ticks) {
  if (ticks == PR_INTERVAL_NO_WAIT) {
    std::this_thread::yield();
    return PR_SUCCESS;
  }
  if (ticks == PR_INTERVAL_NO_TIMEOUT) return PR_FAILURE;  // NSPR refuses to sleep forever
  const double micro = static_cast<double>(ticks) * (1e6 / kTicksPerSecond) * timeScale();
  std::this_thread::sleep_for(std::chrono::microseconds(micro < 1.0 ? 1 : static_cast<PRInt64>(micro)));
  return PR_SUCCESS;
}

PR_IMPLEMENT(PRThread*) PR_GetCurrentThread(void) { return &xpcom::internal::currentThreadRecord(); }

PR_IMPLEMENT(PRInt32) PR_AtomicIncrement(PRInt32* val) { return __atomic_add_fetch(val, 1, __ATOMIC_SEQ_CST); }
PR_IMPLEMENT(PRInt32) PR_AtomicDecrement(PRInt32* val) { return __atomic_sub_fetch(val, 1, __ATOMIC_SEQ_CST); }
PR_IMPLEMENT(PRInt32) PR_AtomicAdd(PRInt32* ptr, PRInt32 val) { return __atomic_add_fetch(ptr, val, __ATOMIC_SEQ_CST); }
PR_IMPLEMENT(PRInt32) PR_AtomicSet(PRInt32* val, PRInt32 newval) {
  return __atomic_exchange_n(val, newval, __ATOMIC_SEQ_CST);
}

PR_IMPLEMENT(char*) PR_GetEnv(const char* var) { return var ? std::getenv(var) : nullptr; }

// "NAME=value"; the text becomes part of the environment, as NSPR documents.
PR_IMPLEMENT(PRStatus) PR_SetEnv(const char* string) {
  if (!string || !std::strchr(string, '=')) return PR_FAILURE;
  return putenv(const_cast<char*>(string)) == 0 ? PR_SUCCESS : PR_FAILURE;
}

PR_IMPLEMENT(void) PL_InitEvent(PLEvent* self, void* owner, PLHandleEventProc handler, PLDestroyEventProc destructor) {
  if (!self) return;
  self->handler = handler;
  self->destructor = destructor;
  self->owner = owner;
}

PR_IMPLEMENT(void*) PL_GetEventOwner(PLEvent* self) { return self ? self->owner : nullptr; }
