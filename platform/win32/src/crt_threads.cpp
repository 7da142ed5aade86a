// _beginthreadex and _endthreadex over the platform's threads.
#include <process.h>
#include <windows.h>

#include <memory>

namespace {

struct Start {
  _beginthreadex_proc_type routine;
  void* argument;
};

DWORD WINAPI runStart(LPVOID parameter) {
  const std::unique_ptr<Start> start(static_cast<Start*>(parameter));
  const _beginthreadex_proc_type routine = start->routine;
  void* const argument = start->argument;
  return routine(argument);
}

}  // namespace

extern "C" uintptr_t _beginthreadex(void*, unsigned _StackSize, _beginthreadex_proc_type _StartAddress, void* _ArgList,
                                    unsigned _InitFlag, unsigned* _ThrdAddr) {
  if (_StartAddress == nullptr || _InitFlag != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  auto start = std::make_unique<Start>(Start{_StartAddress, _ArgList});
  DWORD threadId = 0;
  HANDLE thread = CreateThread(nullptr, _StackSize, runStart, start.get(), 0, &threadId);
  if (thread == nullptr) return 0;
  start.release();  // the new thread owns it now
  if (_ThrdAddr != nullptr) *_ThrdAddr = threadId;
  return reinterpret_cast<uintptr_t>(thread);
}

extern "C" void _endthreadex(unsigned _Retval) { ExitThread(_Retval); }
