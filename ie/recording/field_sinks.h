// The event sinks of single form fields: lists (their selection), text areas and text
// or password fields (their text). A document's sink owns one of each kind and attaches
// it to every field of that kind in its document; the sink keeps one connection per
// field and undoes them all on detachFields.
#pragma once

#include <mshtml.h>

#include <atomic>
#include <mutex>
#include <vector>

#include "com/com_ptr.h"
#include "com/event_dispatch.h"

// A field sink's trace texts; null where a kind traces nothing.
struct FieldSinkTraces {
  const char* adviseSucceeded;
  const char* adviseFailed;
  const char* cookieCountOf;  // the sink named in the count of its connections
  const char* unadvised;
  const char* reset;
  const char* destroyed;
};

// What the three sinks share: the connections to their fields and the event dispatch.
template <const IID& Events>
class FieldEventSink : public EventDispatch<Events> {
 public:
  FieldEventSink(const FieldEventSink&) = delete;
  FieldEventSink& operator=(const FieldEventSink&) = delete;

  // Connects the sink to `field`'s events; the advise result.
  HRESULT attachField(IUnknown* field);
  // Undoes every connection (the lists of them are kept).
  void detachFields();

  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                   DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                                   UINT* puArgErr) override;

 protected:
  explicit FieldEventSink(const FieldSinkTraces& traces) : traces_(traces) {}
  ~FieldEventSink() override;

  // One event of the field, with its event object.
  virtual void onEvent(DISPID member, IHTMLEventObj* event) = 0;

 private:
  const FieldSinkTraces& traces_;
  std::atomic<ULONG> references_{1};  // the creator's
  // The connections are made on the recorder thread and undone by whoever stops the
  // recording.
  std::mutex mutex_;
  ComPtr<IUnknown> currentField_;
  std::vector<DWORD> fieldCookies_;
  std::vector<ComPtr<IUnknown>> attachedFields_;
  DWORD lastCookie_ = 0;
};

// SELECT lists: a changed selection records a selectItem line.
class CHTMLSelectElementEventSink : public FieldEventSink<DIID_HTMLSelectElementEvents2> {
 public:
  static ComPtr<CHTMLSelectElementEventSink> create();
  virtual void OnSelect(IHTMLEventObj* event);

 private:
  CHTMLSelectElementEventSink();
  void onEvent(DISPID member, IHTMLEventObj* event) override;
};

// TEXTAREAs: a committed text records a setText line.
class CHTMLTextAreaElementEventSink : public FieldEventSink<DIID_HTMLTextContainerEvents2> {
 public:
  static ComPtr<CHTMLTextAreaElementEventSink> create();
  virtual void OnChange(IHTMLEventObj* event);

 private:
  CHTMLTextAreaElementEventSink();
  void onEvent(DISPID member, IHTMLEventObj* event) override;
};

// INPUTs of type text or password: every changed keystroke keeps the field's line
// pending; committing the value or leaving the field hands it over once.
class CHTMLInputTextElementEventSink : public FieldEventSink<DIID_HTMLInputTextElementEvents2> {
 public:
  static ComPtr<CHTMLInputTextElementEventSink> create();
  virtual void OnChange(IHTMLEventObj* event);
  virtual void OnPropertyChange(IHTMLEventObj* event);
  virtual void OnBlur(IHTMLEventObj* event);

 private:
  CHTMLInputTextElementEventSink();
  void onEvent(DISPID member, IHTMLEventObj* event) override;
};
