#include "recording/field_sinks.h"

#include <mshtmdid.h>
#include <ocidl.h>

#include <array>

#include "common/trace_log.h"
#include "core/process_state.h"
#include "recording/element_properties.h"
#include "recording/event_object.h"
#include "recording/field_descriptors.h"
#include "recording/pending_text_line.h"

namespace {

constexpr DISPID kOnChange = static_cast<DISPID>(DISPID_HTMLSELECTELEMENTEVENTS2_ONCHANGE);
constexpr DISPID kOnPropertyChange = static_cast<DISPID>(DISPID_HTMLELEMENTEVENTS2_ONPROPERTYCHANGE);
constexpr DISPID kOnBlur = static_cast<DISPID>(DISPID_HTMLELEMENTEVENTS2_ONBLUR);

ComPtr<IConnectionPoint> fieldEventsPoint(IUnknown* field, REFIID events) {
  ComPtr<IConnectionPointContainer> container;
  ComPtr<IConnectionPoint> point;
  if (field != nullptr && SUCCEEDED(field->QueryInterface(IID_IConnectionPointContainer, container.putVoid())))
    container->FindConnectionPoint(events, point.put());
  return point;
}

// The event's source element when its tag is `tag`.
ComPtr<IHTMLElement> sourceWithTag(IHTMLEventObj* event, const char* tag) {
  ComPtr<IHTMLElement> element;
  if (event == nullptr || FAILED(event->get_srcElement(element.put())) || !element) return {};
  if (recording::tagNameOf(element.get()) != tag) return {};
  return element;
}

// A sink's event map: DISPID -> handler.
template <class Sink>
struct Handler {
  DISPID id;
  void (Sink::*handle)(IHTMLEventObj*);
};

template <class Sink, size_t N>
void dispatchTo(Sink& sink, const std::array<Handler<Sink>, N>& map, DISPID member, IHTMLEventObj* event) {
  for (const Handler<Sink>& entry : map) {
    if (entry.id == member) {
      (sink.*entry.handle)(event);
      return;
    }
  }
}

}  // namespace

// --- FieldEventSink ---

template <const IID& Events>
FieldEventSink<Events>::~FieldEventSink() {
  trace("%s", traces_.destroyed);
  std::lock_guard lock(mutex_);
  currentField_.reset();
  fieldCookies_.clear();
  attachedFields_.clear();
}

template <const IID& Events>
HRESULT FieldEventSink<Events>::attachField(IUnknown* field) {
  {
    std::lock_guard lock(mutex_);
    currentField_ = ComPtr<IUnknown>(field);
  }
  DWORD cookie = 0;
  const ComPtr<IConnectionPoint> point = fieldEventsPoint(field, Events);
  const HRESULT hr = point ? point->Advise(static_cast<IDispatch*>(this), &cookie) : E_NOINTERFACE;
  std::lock_guard lock(mutex_);
  if (FAILED(hr)) {
    lastCookie_ = 0;
    trace("%s", traces_.adviseFailed);
    return hr;
  }
  lastCookie_ = cookie;
  fieldCookies_.push_back(cookie);
  attachedFields_.emplace_back(field);
  trace("%s", traces_.adviseSucceeded);
  return hr;
}

template <const IID& Events>
void FieldEventSink<Events>::detachFields() {
  // Taken under the lock, undone outside it: unadvising calls into the page.
  std::vector<DWORD> cookies;
  std::vector<ComPtr<IUnknown>> fields;
  {
    std::lock_guard lock(mutex_);
    cookies = fieldCookies_;
    fields = attachedFields_;
  }
  if (traces_.cookieCountOf != nullptr)
    trace("\t%s Cookie size %d\n", traces_.cookieCountOf, static_cast<int>(cookies.size()));
  for (size_t i = 0; i < cookies.size(); ++i) {
    const ComPtr<IConnectionPoint> point = fieldEventsPoint(fields[i].get(), Events);
    if (point && SUCCEEDED(point->Unadvise(cookies[i]))) trace("%s", traces_.unadvised);
  }
  trace("%s", traces_.reset);
}

template <const IID& Events>
HRESULT STDMETHODCALLTYPE FieldEventSink<Events>::Invoke(DISPID dispIdMember, REFIID, LCID, WORD,
                                                         DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
  const ComPtr<IHTMLEventObj> event = recording::eventObjectOf(params);
  if (!event) return S_OK;
  try {
    onEvent(dispIdMember, event.get());
  } catch (...) {
    trace("Field event handler failed\n");
  }
  return S_OK;
}

template class FieldEventSink<DIID_HTMLSelectElementEvents2>;
template class FieldEventSink<DIID_HTMLTextContainerEvents2>;
template class FieldEventSink<DIID_HTMLInputTextElementEvents2>;

// --- CHTMLSelectElementEventSink ---

namespace {
const FieldSinkTraces kSelectTraces{"\tSelect Event Sink Advise Succeeded\n",
                                    "\tSelectElementEventsink advise failed\n",
                                    nullptr,
                                    "\tSelect Element Connection UnAdvised\n",
                                    "\tSelect Element Event Connection Reset \n",
                                    "\tSelect Element Destructor\n"};
const FieldSinkTraces kTextAreaTraces{"\tTextArea Element Event sink Advise Succeeded\n",
                                      "\tTextAreaElementEventsink advise failed\n",
                                      "TextAreaElement",
                                      "\tTextAreaElement Connection UnAdvised\n",
                                      "\tTextAreaElement Event Connection Reset Complete\n",
                                      "\tText Area destructor\n"};
const FieldSinkTraces kInputTextTraces{"\tInputText Element Event Advise Succeeded\n",
                                       "\tInputTextElementEventsink advise failed\n",
                                       "InputTextElement",
                                       "\tInputTextElement Connection UnAdvised\n",
                                       "\tInputTextElement Event Connection Reset Complete\n",
                                       "\tInputText Destructor\n"};

template <class Sink>
ComPtr<Sink> adopt(Sink* sink) {
  ComPtr<Sink> held;
  held.attach(sink);
  return held;
}
}  // namespace

CHTMLSelectElementEventSink::CHTMLSelectElementEventSink() : FieldEventSink(kSelectTraces) {}

ComPtr<CHTMLSelectElementEventSink> CHTMLSelectElementEventSink::create() {
  return adopt(new CHTMLSelectElementEventSink());
}

void CHTMLSelectElementEventSink::onEvent(DISPID member, IHTMLEventObj* event) {
  using Sink = CHTMLSelectElementEventSink;
  static constexpr std::array<Handler<Sink>, 1> kEventMap{{{kOnChange, &Sink::OnSelect}}};
  dispatchTo(*this, kEventMap, member, event);
}

void CHTMLSelectElementEventSink::OnSelect(IHTMLEventObj* event) {
  if (processState().checkPointMode || !processState().recordsPageActions()) return;
  const ComPtr<IHTMLElement> element = sourceWithTag(event, "SELECT");
  if (!element) return;
  const ComPtr<IHTMLDocument2> document = recording::documentOf(element.get());
  if (const auto list = queryAs<IHTMLSelectElement>(element.get(), IID_IHTMLSelectElement))
    handOverLine(recording::buildSelectLine(list.get(), document.get()));
}

// --- CHTMLTextAreaElementEventSink ---

CHTMLTextAreaElementEventSink::CHTMLTextAreaElementEventSink() : FieldEventSink(kTextAreaTraces) {}

ComPtr<CHTMLTextAreaElementEventSink> CHTMLTextAreaElementEventSink::create() {
  return adopt(new CHTMLTextAreaElementEventSink());
}

void CHTMLTextAreaElementEventSink::onEvent(DISPID member, IHTMLEventObj* event) {
  using Sink = CHTMLTextAreaElementEventSink;
  static constexpr std::array<Handler<Sink>, 1> kEventMap{{{kOnChange, &Sink::OnChange}}};
  dispatchTo(*this, kEventMap, member, event);
}

// Runs in checkpoint mode too: the record loop drops what it hands over then.
void CHTMLTextAreaElementEventSink::OnChange(IHTMLEventObj* event) {
  if (!processState().recordsPageActions()) return;
  const ComPtr<IHTMLElement> element = sourceWithTag(event, "TEXTAREA");
  if (!element) return;
  const ComPtr<IHTMLDocument2> document = recording::documentOf(element.get());
  if (const auto area = queryAs<IHTMLTextAreaElement>(element.get(), IID_IHTMLTextAreaElement))
    handOverLine(recording::buildTextAreaLine(area.get(), document.get()));
}

// --- CHTMLInputTextElementEventSink ---

CHTMLInputTextElementEventSink::CHTMLInputTextElementEventSink() : FieldEventSink(kInputTextTraces) {}

ComPtr<CHTMLInputTextElementEventSink> CHTMLInputTextElementEventSink::create() {
  return adopt(new CHTMLInputTextElementEventSink());
}

void CHTMLInputTextElementEventSink::onEvent(DISPID member, IHTMLEventObj* event) {
  using Sink = CHTMLInputTextElementEventSink;
  static constexpr std::array<Handler<Sink>, 3> kEventMap{
      {{kOnChange, &Sink::OnChange}, {kOnPropertyChange, &Sink::OnPropertyChange}, {kOnBlur, &Sink::OnBlur}}};
  dispatchTo(*this, kEventMap, member, event);
}

void CHTMLInputTextElementEventSink::OnPropertyChange(IHTMLEventObj* event) {
  if (!processState().recordsPageActions()) return;
  const ComPtr<IHTMLEventObj2> details = queryAs<IHTMLEventObj2>(event, IID_IHTMLEventObj2);
  Bstr property;
  if (!details || FAILED(details->get_propertyName(property.put())) || property.toAnsi() != "value") return;
  const ComPtr<IHTMLElement> element = sourceWithTag(event, "INPUT");
  if (!element) return;
  const std::string type = recording::inputTypeOf(element.get());
  if (type != "text" && type != "password") return;
  const ComPtr<IHTMLDocument2> document = recording::documentOf(element.get());
  if (const auto field = queryAs<IHTMLInputTextElement>(element.get(), IID_IHTMLInputTextElement))
    pendingTextLine().keep(recording::buildTextFieldLine(field.get(), document.get()));
}

void CHTMLInputTextElementEventSink::OnChange(IHTMLEventObj* event) {
  if (!processState().recordsPageActions()) return;
  std::string line;
  if (const ComPtr<IHTMLElement> element = sourceWithTag(event, "INPUT")) {
    const ComPtr<IHTMLDocument2> document = recording::documentOf(element.get());
    if (const auto field = queryAs<IHTMLInputTextElement>(element.get(), IID_IHTMLInputTextElement))
      line = recording::buildTextFieldLine(field.get(), document.get());
  }
  pendingTextLine().commit(line);
}

void CHTMLInputTextElementEventSink::OnBlur(IHTMLEventObj*) {
  if (!processState().recordsPageActions()) return;
  pendingTextLine().leave();
}
