// The event sink of one recorded document (a page or a frame's document). It connects
// itself to the document's HTMLDocumentEvents2 and, while connected, Internet Explorer
// calls it for the key presses and mouse actions in that document.
#pragma once

#include <mshtml.h>

#include <atomic>
#include <vector>

#include "com/com_ptr.h"
#include "com/event_dispatch.h"

class CHTMLDocument2 : public EventDispatch<DIID_HTMLDocumentEvents2> {
 public:
  // A new sink with one reference, the caller's. The browser's connections hold more
  // while they last, so a sink dropped by its list lives until the page lets go of it.
  static ComPtr<CHTMLDocument2> create();
  ~CHTMLDocument2() override;
  CHTMLDocument2(const CHTMLDocument2&) = delete;
  CHTMLDocument2& operator=(const CHTMLDocument2&) = delete;

  // Remembers the document and connects to its events; returns 1.
  int attachDocument(IHTMLDocument2* document);
  // Connects to the document's events; 1 when connected, 0 otherwise.
  int connectDocumentEvents(IHTMLDocument2* document);
  // Disconnects every document connection (the list of them is kept).
  void resetConnections();

  // IUnknown / IDispatch (the rest in EventDispatch).
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                   DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                                   UINT* puArgErr) override;

 private:
  CHTMLDocument2() = default;

  std::atomic<ULONG> references_{1};
  ComPtr<IHTMLDocument2> document_;
  std::vector<DWORD> documentCookies_;
  std::vector<ComPtr<IHTMLDocument2>> connectedDocuments_;
  DWORD lastDocumentCookie_ = 0;
};
