// Kernel objects behind HANDLE values: one handle table for the process, and the one
// lock under which waitable objects change state and waits look at them.
#pragma once

#include <windef.h>

#include <condition_variable>
#include <memory>
#include <mutex>

namespace win32::internal {

class KernelObject {
 public:
  virtual ~KernelObject() = default;
  // Waitable objects answer these under waitLock().
  virtual bool waitable() const { return false; }
  virtual bool signalled() const { return false; }
  // A successful wait consumed the signal (auto-reset events reset here).
  virtual void acquired() {}
};

// Guards the state of every waitable object; waitChanged() is notified whenever an
// object may have become signalled.
std::mutex& waitLock();
std::condition_variable& waitChanged();

// Each handle is one reference to its object; values are never reused and never
// collide with window handles.
HANDLE insertHandle(std::shared_ptr<KernelObject> object);
std::shared_ptr<KernelObject> objectFromHandle(HANDLE handle);
bool closeKernelHandle(HANDLE handle);

template <class T>
std::shared_ptr<T> objectAs(HANDLE handle) {
  return std::dynamic_pointer_cast<T>(objectFromHandle(handle));
}

// The pseudo handles of GetCurrentProcess and GetCurrentThread.
inline HANDLE currentProcessPseudoHandle() { return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1)); }
inline HANDLE currentThreadPseudoHandle() { return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-2)); }

}  // namespace win32::internal
