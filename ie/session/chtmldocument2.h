// The event sink of one recorded document (a page or a frame's document). It connects
// itself to the document's HTMLDocumentEvents2 and, while connected, Internet Explorer
// calls it for the key presses and mouse actions in that document, which it records as
// script lines. It also owns the sinks of the document's form fields.
#pragma once

#include <mshtml.h>

#include <atomic>
#include <vector>

#include <string>

#include "com/com_ptr.h"
#include "com/event_dispatch.h"
#include "recording/checkpoint_highlight.h"
#include "recording/field_sinks.h"

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
  // Attaches the field sinks to every text field, list and text area of the document.
  void attachFieldSinks(IHTMLDocument2* document);
  // Disconnects the field sinks and every document connection (the lists are kept).
  void resetConnections();

  // Page actions: a key pressed, a mouse button released. While a checkpoint is picked
  // the release picks it instead of recording a line.
  virtual void OnKeyDown(IHTMLEventObj* event);
  virtual void OnMouseUp(IHTMLEventObj* event);
  // Only while a checkpoint is picked: a button pressed, the mouse coming over an
  // element and leaving it draw and remove the highlight.
  virtual void OnMouseDown(IHTMLEventObj* event);
  virtual void OnMouseOver(IHTMLEventObj* event);
  virtual void OnMouseOut(IHTMLEventObj* event);

  // IUnknown / IDispatch (the rest in EventDispatch).
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                   DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                                   UINT* puArgErr) override;

 private:
  CHTMLDocument2();

  // Hands a recorded line to the record loop.
  void postLine(const std::string& line);
  // Fills the checkpoint properties for the kind being picked and tells the record loop.
  void pickCheckpoint(IHTMLEventObj* event);
  // The line of the link or image around `element` (itself included), if any.
  void postEnclosingLink(IHTMLElement* element, IHTMLDocument2* document);

  std::atomic<ULONG> references_{1};
  ComPtr<IHTMLDocument2> document_;
  const ComPtr<CHTMLInputTextElementEventSink> inputTextSink_;
  const ComPtr<CHTMLSelectElementEventSink> selectSink_;
  const ComPtr<CHTMLTextAreaElementEventSink> textAreaSink_;
  std::vector<DWORD> documentCookies_;
  std::vector<ComPtr<IHTMLDocument2>> connectedDocuments_;
  // The runtime border saved before a checkpoint highlight.
  recording::CheckpointHighlight highlight_;
  DWORD lastDocumentCookie_ = 0;
};
