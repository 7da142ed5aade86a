#include "core/running_loops.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "core/process_state.h"

namespace {

struct Registry {
  std::mutex mutex;
  std::vector<const RunningLoop*> loops;
};

// Never destroyed: a loop may still be ending on a Java thread while the process exits.
Registry& registry() {
  static auto& instance = *new Registry;
  return instance;
}

}  // namespace

RunningLoop::RunningLoop(LoopKind kind)
    : kind_(kind),
      browsersClosed_(CreateEvent(nullptr, TRUE, FALSE, nullptr)),
      ended_(CreateEvent(nullptr, TRUE, FALSE, nullptr)) {
  Registry& all = registry();
  std::lock_guard lock(all.mutex);
  all.loops.push_back(this);
}

RunningLoop::~RunningLoop() {
  {
    Registry& all = registry();
    std::lock_guard lock(all.mutex);
    all.loops.erase(std::remove(all.loops.begin(), all.loops.end(), this), all.loops.end());
  }
  CloseHandle(browsersClosed_);
  CloseHandle(ended_);
}

void announceAllBrowsersClosed() {
  Registry& all = registry();
  std::lock_guard lock(all.mutex);
  for (const RunningLoop* loop : all.loops) SetEvent(loop->browsersClosed());
  signalNamedEvent(kBrowserClosedEvent);
}

void endRunningLoops(LoopKind kind) {
  Registry& all = registry();
  std::lock_guard lock(all.mutex);
  for (const RunningLoop* loop : all.loops)
    if (loop->kind() == kind) SetEvent(loop->ended());
}

void endAllRunningLoops() {
  endRunningLoops(LoopKind::kRecord);
  endRunningLoops(LoopKind::kPlay);
}
