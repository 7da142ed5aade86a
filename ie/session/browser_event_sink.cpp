#include "session/browser_event_sink.h"

#include "session/cwebbrowser2.h"

ComPtr<BrowserEventSink> BrowserEventSink::create(CWebBrowser2& session, size_t connection) {
  ComPtr<BrowserEventSink> sink;
  sink.attach(new BrowserEventSink(session, connection));
  return sink;
}

ULONG STDMETHODCALLTYPE BrowserEventSink::AddRef() { return ++references_; }

ULONG STDMETHODCALLTYPE BrowserEventSink::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                                   DISPPARAMS* pDispParams, VARIANT* pVarResult,
                                                   EXCEPINFO* pExcepInfo, UINT* puArgErr) {
  return session_.invokeFromConnection(connection_, dispIdMember, riid, lcid, wFlags, pDispParams, pVarResult,
                                       pExcepInfo, puArgErr);
}
