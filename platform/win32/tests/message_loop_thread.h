// A thread of the platform that runs a GetMessage loop until WM_QUIT, for tests that
// need a pumping receiver.
#pragma once

#include <windows.h>

#include <functional>

class MessageLoopThread {
 public:
  // `setup` runs on the new thread before its loop starts (to create windows ...).
  explicit MessageLoopThread(std::function<void()> setup = {}) : setup_(std::move(setup)) {
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, &MessageLoopThread::main, this, 0, &threadId_);
    WaitForSingleObject(ready_, INFINITE);
  }
  ~MessageLoopThread() {
    quit();
    join();
    CloseHandle(thread_);
    CloseHandle(ready_);
  }
  MessageLoopThread(const MessageLoopThread&) = delete;
  MessageLoopThread& operator=(const MessageLoopThread&) = delete;

  DWORD id() const { return threadId_; }
  HANDLE handle() const { return thread_; }
  void quit() { PostThreadMessageA(threadId_, WM_QUIT, 0, 0); }
  bool join(DWORD ms = 10000) { return WaitForSingleObject(thread_, ms) == WAIT_OBJECT_0; }

 private:
  static DWORD WINAPI main(LPVOID self) {
    auto* loop = static_cast<MessageLoopThread*>(self);
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    if (loop->setup_) loop->setup_();
    SetEvent(loop->ready_);
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    return static_cast<DWORD>(message.wParam);
  }

  std::function<void()> setup_;
  HANDLE ready_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD threadId_ = 0;
};
