// WaitForSingleObject, WaitForMultipleObjects and Sleep, all on the scaled clock.
#include <windows.h>

#include <chrono>
#include <thread>
#include <vector>

#include "kernel_objects.h"
#include "platform_internal/time_scale.h"
#include "thread_state.h"

namespace win32::internal {
namespace {

std::shared_ptr<KernelObject> waitableFromHandle(HANDLE handle) {
  std::shared_ptr<KernelObject> object =
      handle == currentThreadPseudoHandle() ? currentThreadObject() : objectFromHandle(handle);
  return object && object->waitable() ? object : nullptr;
}

// Under waitLock(): the index of the object this wait may take now, or -1.
int readyIndex(const std::vector<std::shared_ptr<KernelObject>>& objects, bool waitAll) {
  if (!waitAll) {
    for (size_t i = 0; i < objects.size(); ++i) {
      if (objects[i]->signalled()) return static_cast<int>(i);
    }
    return -1;
  }
  for (const auto& object : objects) {
    if (!object->signalled()) return -1;
  }
  return 0;
}

DWORD waitFor(std::vector<std::shared_ptr<KernelObject>> objects, bool waitAll, DWORD milliseconds) {
  const DWORD scaled = scaledMilliseconds(milliseconds);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(scaled);
  std::unique_lock lock(waitLock());
  for (;;) {
    const int index = readyIndex(objects, waitAll);
    if (index >= 0) {
      if (waitAll) {
        for (const auto& object : objects) object->acquired();
      } else {
        objects[static_cast<size_t>(index)]->acquired();
      }
      return WAIT_OBJECT_0 + static_cast<DWORD>(index);
    }
    if (scaled == 0) return WAIT_TIMEOUT;
    if (scaled == INFINITE) {
      waitChanged().wait(lock);
    } else if (waitChanged().wait_until(lock, deadline) == std::cv_status::timeout) {
      // One last look: the object may have been signalled just as the time ran out.
      if (readyIndex(objects, waitAll) < 0) return WAIT_TIMEOUT;
    }
  }
}

}  // namespace
}  // namespace win32::internal

using namespace win32::internal;

extern "C" DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds) {
  return WaitForMultipleObjects(1, &hHandle, FALSE, dwMilliseconds);
}

extern "C" DWORD WINAPI WaitForMultipleObjects(DWORD nCount, const HANDLE* lpHandles, BOOL bWaitAll,
                                               DWORD dwMilliseconds) {
  if (nCount == 0 || nCount > MAXIMUM_WAIT_OBJECTS || lpHandles == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return WAIT_FAILED;
  }
  std::vector<std::shared_ptr<KernelObject>> objects;
  objects.reserve(nCount);
  for (DWORD i = 0; i < nCount; ++i) {
    auto object = waitableFromHandle(lpHandles[i]);
    if (!object) {
      SetLastError(ERROR_INVALID_HANDLE);
      return WAIT_FAILED;
    }
    // Windows refuses to wait for all of a set that names one object twice.
    if (bWaitAll) {
      for (const auto& earlier : objects) {
        if (earlier == object) {
          SetLastError(ERROR_INVALID_PARAMETER);
          return WAIT_FAILED;
        }
      }
    }
    objects.push_back(std::move(object));
  }
  return waitFor(std::move(objects), bWaitAll != FALSE, dwMilliseconds);
}

extern "C" void WINAPI Sleep(DWORD dwMilliseconds) {
  const DWORD scaled = scaledMilliseconds(dwMilliseconds);
  if (scaled == 0) {
    std::this_thread::yield();
  } else if (scaled == INFINITE) {
    // A thread that sleeps forever; it still ends with the process.
    for (;;) std::this_thread::sleep_for(std::chrono::hours(24));
  } else {
    std::this_thread::sleep_for(std::chrono::milliseconds(scaled));
  }
}

extern "C" DWORD WINAPI GetTickCount(void) {
  static const auto start = std::chrono::steady_clock::now();
  const auto elapsed = std::chrono::steady_clock::now() - start;
  return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}
