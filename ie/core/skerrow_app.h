// The application object of skerrow: created when the library loads, destroyed when it
// unloads. It owns the browser session and the document playback works on.
#pragma once

#include <windows.h>
#include <mshtml.h>

#include <mutex>

#include "com/com_ptr.h"
#include "session/cwebbrowser2.h"

class CSkerrowApp {
 public:
  CSkerrowApp();
  ~CSkerrowApp();
  CSkerrowApp(const CSkerrowApp&) = delete;
  CSkerrowApp& operator=(const CSkerrowApp&) = delete;

  // Run once when the library is attached to the process.
  BOOL InitInstance(HINSTANCE instance);

  // Ends the session: removes the hook, tears the hidden window down, forgets the
  // recorder thread and the current document.
  void Quit();

  CWebBrowser2& webBrowser() { return webBrowser_; }
  HINSTANCE moduleInstance() const { return moduleInstance_; }

  // The document the playback finders search: set by the window and frame natives,
  // forgotten by Quit. Natives and the loop that runs Quit are on different threads.
  void setCurrentDocument(IHTMLDocument2* document);
  ComPtr<IHTMLDocument2> currentDocument() const;

 private:
  CWebBrowser2 webBrowser_;  // first member: constructed before the trace is open
  HINSTANCE moduleInstance_ = nullptr;
  mutable std::mutex documentMutex_;
  ComPtr<IHTMLDocument2> currentDocument_;
};

extern CSkerrowApp theApp;
