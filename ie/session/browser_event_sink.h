// One subscription to a browser's DWebBrowserEvents2. DWebBrowserEvents2::OnQuit has
// no arguments, so a sink shared by every browser could not tell which window quit;
// each subscription gets its own sink that passes the events on to the session with
// the number of its connection.
#pragma once

#include <exdisp.h>

#include <atomic>
#include <cstddef>

#include "com/com_ptr.h"
#include "com/event_dispatch.h"

class CWebBrowser2;

class BrowserEventSink : public EventDispatch<DIID_DWebBrowserEvents2> {
 public:
  static ComPtr<BrowserEventSink> create(CWebBrowser2& session, size_t connection);

  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                                   VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

 private:
  BrowserEventSink(CWebBrowser2& session, size_t connection) : session_(session), connection_(connection) {}
  ~BrowserEventSink() override = default;

  CWebBrowser2& session_;  // the application's, alive as long as the library
  const size_t connection_;
  std::atomic<ULONG> references_{1};  // the creator's
};
