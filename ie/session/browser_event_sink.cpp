#include "session/browser_event_sink.h"

#include <exdisp.h>

#include "session/cwebbrowser2.h"

ComPtr<BrowserEventSink> BrowserEventSink::create(CWebBrowser2& session, size_t connection) {
  ComPtr<BrowserEventSink> sink;
  sink.attach(new BrowserEventSink(session, connection));
  return sink;
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::QueryInterface(REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
      IsEqualIID(riid, DIID_DWebBrowserEvents2)) {
    *ppv = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE BrowserEventSink::AddRef() { return ++references_; }

ULONG STDMETHODCALLTYPE BrowserEventSink::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::GetTypeInfoCount(UINT* pctinfo) {
  return session_.GetTypeInfoCount(pctinfo);
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) {
  return session_.GetTypeInfo(iTInfo, lcid, ppTInfo);
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                                          DISPID* rgDispId) {
  return session_.GetIDsOfNames(riid, rgszNames, cNames, lcid, rgDispId);
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                                   DISPPARAMS* pDispParams, VARIANT* pVarResult,
                                                   EXCEPINFO* pExcepInfo, UINT* puArgErr) {
  return session_.invokeFromConnection(connection_, dispIdMember, riid, lcid, wFlags, pDispParams, pVarResult,
                                       pExcepInfo, puArgErr);
}
