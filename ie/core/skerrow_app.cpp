#include "core/skerrow_app.h"

#include <utility>

#include "common/trace_log.h"
#include "core/process_state.h"
#include "core/running_loops.h"
#include "recorder/recorder_thread.h"

CSkerrowApp::CSkerrowApp() {
  startTraceLog("iexplorer.log");
  trace("theApp Constructor\n");
}

CSkerrowApp::~CSkerrowApp() { trace("SkerrowApp Destructor Called\n"); }

BOOL CSkerrowApp::InitInstance(HINSTANCE instance) {
  trace("InitInstance Called\n");
  moduleInstance_ = instance;
  if (moduleInstance_ != nullptr)
    trace("Handle Instance is ok\n");
  else
    trace("\tHandle instance  Failed\n");
  return TRUE;
}

void CSkerrowApp::Quit() {
  trace("Skerrow: Quit Called\n");
  // Quit runs on a loop's thread or a native's, under Java: nothing thrown in the hook
  // library or the page may end the process from here.
  try {
    CoUninitialize();
    removeHookAndHiddenWindow();
  } catch (...) {
    trace("Quit: exception caught\n");
  }
  processState().recordThread = nullptr;
  setCurrentDocument(nullptr);
  // With the recorder thread gone no browser event arrives any more, so no loop may
  // be left waiting for one.
  endAllRunningLoops();
  trace("\t\tEnd of Quit\t\t\n");
}

void CSkerrowApp::setCurrentDocument(IHTMLDocument2* document) {
  ComPtr<IHTMLDocument2> replaced(document);
  {
    std::lock_guard lock(documentMutex_);
    std::swap(currentDocument_, replaced);
  }
  // The old document is released here, outside the lock: releasing may call into the page.
}

ComPtr<IHTMLDocument2> CSkerrowApp::currentDocument() const {
  std::lock_guard lock(documentMutex_);
  return currentDocument_;
}

// The one application object, constructed when the library loads.
CSkerrowApp theApp;

// The library's entry point: initialises the application once it is attached.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) return theApp.InitInstance(instance);
  return TRUE;
}

#ifndef _WIN32
namespace {
// The platform stand-in loads shared objects without calling an entry point, so the
// library calls its own, after theApp above has been constructed.
struct AttachOnLoad {
  AttachOnLoad() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&theApp), &self);
    DllMain(self, DLL_PROCESS_ATTACH, nullptr);
  }
} attachOnLoad;
}  // namespace
#endif
