// Threads: ids, CreateThread, priorities, exit codes, and the end of a thread.
#include <pthread.h>
#include <unistd.h>
#include <windows.h>

#include <atomic>
#include <unordered_map>

#include "thread_state.h"
#include "window_manager.h"

namespace win32::internal {
namespace {

struct ThreadRegistry {
  std::mutex mutex;
  std::unordered_map<DWORD, std::shared_ptr<ThreadState>> live;
  DWORD nextId = 0x1004;  // Windows thread ids are multiples of 4
};

ThreadRegistry& registry() {
  static auto& instance = *new ThreadRegistry;
  return instance;
}

std::shared_ptr<ThreadState> makeRegisteredState() {
  ThreadRegistry& r = registry();
  std::lock_guard lock(r.mutex);
  const DWORD id = r.nextId;
  r.nextId += 4;
  auto state = std::make_shared<ThreadState>(id);
  r.live.emplace(id, state);
  return state;
}

// The calling thread's place in the platform. Its destructor runs when the thread
// ends (returning, ExitThread, or process exit for the main thread).
// Code can still run on a thread after its slot is gone: static destructors at process
// exit run on the main thread after its thread-local objects. Such code gets a state of
// its own with the thread's id; it is no longer a live thread, so nothing is carried to
// it. The state is left for the process's end to reclaim.
thread_local bool slotDestroyed = false;
thread_local DWORD endedThreadId = 0;
thread_local std::shared_ptr<ThreadState>* lateState = nullptr;

struct CurrentThreadSlot {
  std::shared_ptr<ThreadState> state;
  DWORD exitCode = 0;
  ~CurrentThreadSlot() {
    if (state) {
      endedThreadId = state->threadId;
      threadEnded(state, exitCode);
    }
    slotDestroyed = true;
  }
};

thread_local CurrentThreadSlot currentSlot;
thread_local bool exiting = false;

struct Launch {
  std::shared_ptr<ThreadState> state;
  LPTHREAD_START_ROUTINE start;
  LPVOID parameter;
};

void* threadMain(void* argument) {
  LPTHREAD_START_ROUTINE start = nullptr;
  LPVOID parameter = nullptr;
  {
    std::unique_ptr<Launch> launch(static_cast<Launch*>(argument));
    adoptThreadState(std::move(launch->state));
    start = launch->start;
    parameter = launch->parameter;
  }
  setExitCode(start(parameter));
  return nullptr;
}

bool validPriority(int priority) {
  switch (priority) {
    case THREAD_PRIORITY_IDLE:
    case THREAD_PRIORITY_LOWEST:
    case THREAD_PRIORITY_BELOW_NORMAL:
    case THREAD_PRIORITY_NORMAL:
    case THREAD_PRIORITY_ABOVE_NORMAL:
    case THREAD_PRIORITY_HIGHEST:
    case THREAD_PRIORITY_TIME_CRITICAL:
      return true;
    default:
      return false;
  }
}

std::shared_ptr<ThreadObject> threadObjectFromHandle(HANDLE handle) {
  if (handle == currentThreadPseudoHandle()) return currentThreadObject();
  return objectAs<ThreadObject>(handle);
}

}  // namespace

const std::shared_ptr<ThreadState>& currentThread() {
  if (slotDestroyed) {
    if (lateState == nullptr) {
      std::shared_ptr<ThreadState> state;
      if (endedThreadId != 0) {
        state = std::make_shared<ThreadState>(endedThreadId);
        state->ended = true;
      } else {
        state = makeRegisteredState();  // the thread's first call into the platform
      }
      lateState = new std::shared_ptr<ThreadState>(std::move(state));
    }
    return *lateState;
  }
  if (!currentSlot.state) currentSlot.state = makeRegisteredState();
  return currentSlot.state;
}

std::shared_ptr<ThreadObject> currentThreadObject() { return currentThread()->object; }

std::shared_ptr<ThreadState> findThread(DWORD threadId) {
  ThreadRegistry& r = registry();
  std::lock_guard lock(r.mutex);
  const auto found = r.live.find(threadId);
  return found == r.live.end() ? nullptr : found->second;
}

std::shared_ptr<ThreadState> registerNewThread() { return makeRegisteredState(); }

void adoptThreadState(std::shared_ptr<ThreadState> state) { currentSlot.state = std::move(state); }

void setExitCode(DWORD exitCode) { currentSlot.exitCode = exitCode; }

bool threadIsExiting() { return exiting; }

void threadEnded(const std::shared_ptr<ThreadState>& state, DWORD exitCode) {
  {
    ThreadRegistry& r = registry();
    std::lock_guard lock(r.mutex);
    r.live.erase(state->threadId);
  }
  failPendingCalls(*state);
  destroyWindowsOfThread(state->threadId);
  {
    std::lock_guard lock(waitLock());
    state->object->end(exitCode);
  }
  waitChanged().notify_all();
}

}  // namespace win32::internal

using namespace win32::internal;

extern "C" HANDLE WINAPI GetCurrentProcess(void) { return currentProcessPseudoHandle(); }

extern "C" DWORD WINAPI GetCurrentProcessId(void) { return static_cast<DWORD>(getpid()); }

extern "C" HANDLE WINAPI GetCurrentThread(void) { return currentThreadPseudoHandle(); }

extern "C" DWORD WINAPI GetCurrentThreadId(void) { return currentThread()->threadId; }

extern "C" HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T dwStackSize, LPTHREAD_START_ROUTINE lpStartAddress,
                                      LPVOID lpParameter, DWORD dwCreationFlags, LPDWORD lpThreadId) {
  if (lpStartAddress == nullptr || (dwCreationFlags & ~static_cast<DWORD>(STACK_SIZE_PARAM_IS_A_RESERVATION)) != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto state = registerNewThread();
  const DWORD threadId = state->threadId;
  HANDLE handle = insertHandle(state->object);

  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
  // Windows rounds small stacks up; so do we, to a size the host accepts.
  if (dwStackSize >= 256 * 1024) pthread_attr_setstacksize(&attributes, dwStackSize);
  auto* launch = new Launch{state, lpStartAddress, lpParameter};
  pthread_t thread;
  const int error = pthread_create(&thread, &attributes, threadMain, launch);
  pthread_attr_destroy(&attributes);
  if (error != 0) {
    delete launch;
    threadEnded(state, 0);
    CloseHandle(handle);
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if (lpThreadId != nullptr) *lpThreadId = threadId;
  return handle;
}

extern "C" BOOL WINAPI SetThreadPriority(HANDLE hThread, int nPriority) {
  const auto thread = threadObjectFromHandle(hThread);
  if (!thread) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!validPriority(nPriority)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::lock_guard lock(waitLock());
  thread->setPriority(nPriority);
  return TRUE;
}

extern "C" int WINAPI GetThreadPriority(HANDLE hThread) {
  const auto thread = threadObjectFromHandle(hThread);
  if (!thread) {
    SetLastError(ERROR_INVALID_HANDLE);
    return THREAD_PRIORITY_ERROR_RETURN;
  }
  std::lock_guard lock(waitLock());
  return thread->priority();
}

extern "C" void WINAPI ExitThread(DWORD dwExitCode) {
  setExitCode(dwExitCode);
  exiting = true;
  pthread_exit(nullptr);
}

extern "C" BOOL WINAPI GetExitCodeThread(HANDLE hThread, LPDWORD lpExitCode) {
  const auto thread = threadObjectFromHandle(hThread);
  if (!thread || lpExitCode == nullptr) {
    SetLastError(thread ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
    return FALSE;
  }
  std::lock_guard lock(waitLock());
  *lpExitCode = thread->exitCode();
  return TRUE;
}
