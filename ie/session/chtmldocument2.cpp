#include "session/chtmldocument2.h"

#include <mshtmdid.h>

#include "com/variant.h"
#include "common/trace_log.h"
#include "core/process_state.h"
#include "recording/element_checkpoint.h"
#include "recording/element_descriptors.h"
#include "recording/element_properties.h"
#include "recording/event_object.h"
#include "recording/table_checkpoint.h"
#include "recording/text_checkpoint.h"
#include "recording/window_change.h"

namespace {

constexpr LONG kEnterKey = 13;
constexpr LONG kSpaceKey = 32;
constexpr LONG kLeftButton = 1;

void traceSeparator() { trace("%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%\n"); }

ComPtr<IConnectionPoint> documentEventsPoint(IHTMLDocument2* document) {
  ComPtr<IConnectionPointContainer> container;
  ComPtr<IConnectionPoint> point;
  if (SUCCEEDED(document->QueryInterface(IID_IConnectionPointContainer, container.putVoid())))
    container->FindConnectionPoint(DIID_HTMLDocumentEvents2, point.put());
  return point;
}

// The event's element, its document and its tag, as every handler reads them first.
struct EventSource {
  ComPtr<IHTMLElement> element;
  ComPtr<IHTMLDocument2> document;
  std::string tag;
};

bool readSource(IHTMLEventObj* event, EventSource& source) {
  if (FAILED(event->get_srcElement(source.element.put())) || !source.element) return false;
  source.document = recording::documentOf(source.element.get());
  source.tag = recording::tagNameOf(source.element.get());
  return true;
}

bool isPushButton(const std::string& type) { return type == "submit" || type == "reset" || type == "button"; }
bool isCheckable(const std::string& type) { return type == "checkbox" || type == "radio"; }

}  // namespace

CHTMLDocument2::CHTMLDocument2()
    : inputTextSink_(CHTMLInputTextElementEventSink::create()),
      selectSink_(CHTMLSelectElementEventSink::create()),
      textAreaSink_(CHTMLTextAreaElementEventSink::create()) {}

ComPtr<CHTMLDocument2> CHTMLDocument2::create() {
  ComPtr<CHTMLDocument2> sink;
  sink.attach(new CHTMLDocument2());
  return sink;
}

CHTMLDocument2::~CHTMLDocument2() {
  trace("\tDocument Destructor\n");
  document_.reset();
  documentCookies_.clear();
  connectedDocuments_.clear();
}

int CHTMLDocument2::attachDocument(IHTMLDocument2* document) {
  trace("Document Events Attach\n");
  document_ = ComPtr<IHTMLDocument2>(document);
  connectDocumentEvents(document);
  return 1;
}

int CHTMLDocument2::connectDocumentEvents(IHTMLDocument2* document) {
  traceSeparator();
  trace("\tAbout to Sink Document Events \n");
  DWORD cookie = 0;
  ComPtr<IConnectionPoint> point = document ? documentEventsPoint(document) : ComPtr<IConnectionPoint>();
  if (!point || FAILED(point->Advise(static_cast<IDispatch*>(this), &cookie))) {
    trace("Document Event Sink Failed\n");
    return 0;
  }
  documentCookies_.push_back(cookie);
  connectedDocuments_.emplace_back(document);
  lastDocumentCookie_ = cookie;
  attachFieldSinks(document);
  trace("\tDocument Event Sink Success\n");
  traceSeparator();
  return 1;
}

void CHTMLDocument2::attachFieldSinks(IHTMLDocument2* document) {
  ComPtr<IHTMLElementCollection> all;
  LONG length = 0;
  if (FAILED(document->get_all(all.put())) || !all || FAILED(all->get_length(&length)) || length < 1) return;
  trace("\telements in page with out form %ld\n", static_cast<long>(length));
  for (LONG i = 0; i < length; ++i) {
    Variant name(i), at(i);
    ComPtr<IDispatch> item;
    all->item(*name.get(), *at.get(), item.put());
    const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(item.get(), IID_IHTMLElement);
    if (!element) {
      trace("IHTMLElement QI failed\n");
      return;
    }
    const std::string tag = recording::tagNameOf(element.get());
    if (tag == "INPUT") {
      const std::string type = recording::inputTypeOf(element.get());
      if (type != "text" && type != "password") continue;
      if (const auto field = queryAs<IHTMLInputTextElement>(item.get(), IID_IHTMLInputTextElement))
        inputTextSink_->attachField(field.get());
    } else if (tag == "SELECT") {
      if (const auto list = queryAs<IHTMLSelectElement>(item.get(), IID_IHTMLSelectElement))
        selectSink_->attachField(list.get());
    } else if (tag == "TEXTAREA") {
      if (const auto area = queryAs<IHTMLTextAreaElement>(item.get(), IID_IHTMLTextAreaElement))
        textAreaSink_->attachField(area.get());
    }
  }
}

void CHTMLDocument2::resetConnections() {
  trace("\tDocument Reset Called\n");
  textAreaSink_->detachFields();
  inputTextSink_->detachFields();
  selectSink_->detachFields();
  trace("\tDocument Cookie size %d\n", static_cast<int>(documentCookies_.size()));
  for (size_t i = 0; i < connectedDocuments_.size(); ++i) {
    ComPtr<IConnectionPoint> point = documentEventsPoint(connectedDocuments_[i].get());
    if (point && SUCCEEDED(point->Unadvise(documentCookies_[i]))) trace("\tHTMLDocument Connection UnAdvised\n");
  }
  trace("\tDocument Reset Complete\n");
}

ULONG STDMETHODCALLTYPE CHTMLDocument2::AddRef() { return ++references_; }
ULONG STDMETHODCALLTYPE CHTMLDocument2::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

// The events the recorder acts on; the others are accepted and ignored.
HRESULT STDMETHODCALLTYPE CHTMLDocument2::Invoke(DISPID dispIdMember, REFIID, LCID, WORD, DISPPARAMS* params,
                                                 VARIANT*, EXCEPINFO*, UINT*) {
  struct Entry {
    DISPID id;
    void (CHTMLDocument2::*handle)(IHTMLEventObj*);
  };
  static constexpr Entry kEventMap[] = {
      {static_cast<DISPID>(DISPID_HTMLDOCUMENTEVENTS2_ONMOUSEUP), &CHTMLDocument2::OnMouseUp},
      {static_cast<DISPID>(DISPID_HTMLDOCUMENTEVENTS2_ONMOUSEDOWN), &CHTMLDocument2::OnMouseDown},
      {static_cast<DISPID>(DISPID_HTMLDOCUMENTEVENTS2_ONKEYDOWN), &CHTMLDocument2::OnKeyDown},
      {static_cast<DISPID>(DISPID_HTMLDOCUMENTEVENTS2_ONMOUSEOVER), &CHTMLDocument2::OnMouseOver},
      {static_cast<DISPID>(DISPID_HTMLDOCUMENTEVENTS2_ONMOUSEOUT), &CHTMLDocument2::OnMouseOut},
  };
  const ComPtr<IHTMLEventObj> event = recording::eventObjectOf(params);
  if (!event) return S_OK;
  for (const Entry& entry : kEventMap) {
    if (entry.id != dispIdMember) continue;
    try {
      (this->*entry.handle)(event.get());
    } catch (...) {
      trace("Document event handler failed\n");
    }
    break;
  }
  return S_OK;
}

void CHTMLDocument2::postLine(const std::string& line) {
  if (!line.empty()) handOverLine(line);
}

void CHTMLDocument2::postEnclosingLink(IHTMLElement* element, IHTMLDocument2* document) {
  ComPtr<IHTMLElement> at(element);
  while (at) {
    const std::string tag = recording::tagNameOf(at.get());
    if (tag == "A" || tag == "IMG") {
      // An IMG gives no link line; only a link around the element records.
      postLine(recording::buildLinkLine(at.get(), document));
      return;
    }
    ComPtr<IHTMLElement> parent;
    if (FAILED(at->get_parentElement(parent.put()))) return;
    at = parent;
  }
}

void CHTMLDocument2::OnKeyDown(IHTMLEventObj* event) {
  ProcessState& state = processState();
  if (state.checkPointMode || !state.recordsPageActions()) return;
  VARIANT_BOOL alt = VARIANT_FALSE, shift = VARIANT_FALSE;
  event->get_altKey(&alt);
  event->get_shiftKey(&shift);
  if (alt != VARIANT_TRUE) recording::recordWindowChange(event);
  if (shift == VARIANT_TRUE) return;
  EventSource source;
  if (!readSource(event, source)) return;
  LONG keyCode = 0;
  event->get_keyCode(&keyCode);
  IHTMLElement* element = source.element.get();
  IHTMLDocument2* document = source.document.get();

  if (keyCode == kEnterKey) {
    if (source.tag == "INPUT") {
      const std::string type = recording::inputTypeOf(element);
      if (isPushButton(type))
        postLine(recording::buildButtonLine(element, document));
      else if (type == "file" && queryAs<IHTMLInputFileElement>(element, IID_IHTMLInputFileElement))
        postLine(recording::buildFileButtonLine(element, document));
      else if (type == "image")
        postLine(recording::buildImageButtonLine(element, document));
      else if (isCheckable(type))
        postLine(recording::buildCheckableLine(element, document));
      // Text and password fields record their text through their own sink.
    } else if (source.tag == "A") {
      postLine(recording::buildLinkLine(element, document));
    } else if (source.tag == "IMG") {
      postLine(recording::buildImageLine(element, document));
    } else if (source.tag != "SELECT") {
      postEnclosingLink(element, document);
    }
  } else if (keyCode == kSpaceKey && source.tag == "INPUT") {
    const std::string type = recording::inputTypeOf(element);
    if (isCheckable(type))
      postLine(recording::buildCheckableLine(element, document));
    else if (isPushButton(type))
      postLine(recording::buildButtonLine(element, document));
    else if (type == "file" && queryAs<IHTMLInputFileElement>(element, IID_IHTMLInputFileElement))
      postLine(recording::buildFileButtonLine(element, document));
  }
}

void CHTMLDocument2::OnMouseUp(IHTMLEventObj* event) {
  if (!processState().recordsPageActions()) return;
  EventSource source;
  if (!readSource(event, source)) return;
  LONG button = 0;
  event->get_button(&button);
  recording::recordWindowChange(event);
  if (processState().checkPointMode) {
    pickCheckpoint(event);
    return;
  }

  IHTMLElement* element = source.element.get();
  IHTMLDocument2* document = source.document.get();
  const std::string& tag = source.tag;
  const bool left = button == kLeftButton;
  // A DIV records its own line and then, like any other element, the link around it.
  if (tag == "DIV") postLine("clickList[" + recording::buildListPairs(element, document) + "]");
  if (tag == "AREA" && queryAs<IHTMLAreaElement>(element, IID_IHTMLAreaElement))
    postLine(recording::buildMapLine(element, document));

  if (tag == "INPUT") {
    const std::string type = recording::inputTypeOf(element);
    if (isPushButton(type) && left)
      postLine(recording::buildButtonLine(element, document));
    else if (type == "file")
      postLine(recording::buildFileButtonLine(element, document));
    else if (type == "image" && left)
      postLine(recording::buildImageButtonLine(element, document));
    else if (isCheckable(type) && left)
      postLine(recording::buildCheckableLine(element, document));
  } else if (tag == "A") {
    postLine(recording::buildLinkLine(element, document));
  } else if (tag == "IMG" || tag == "img") {
    if (left) postLine(recording::buildImageLine(element, document));
  } else if (tag != "SELECT") {
    postEnclosingLink(element, document);
  }
}

void CHTMLDocument2::pickCheckpoint(IHTMLEventObj* event) {
  switch (processState().checkPointType.load()) {
    case recording::kElementCheckpoint:
      recording::elementCheckpoint(event);
      break;
    case recording::kTextCheckpoint:
      recording::textCheckpoint(event);
      break;
    case recording::kTableCheckpoint:
      recording::tableCheckpoint(event);
      break;
    default:
      return;  // no such kind: nothing is picked
  }
  signalNamedEvent(kCheckPointEvent);
}

namespace {

// The element of a checkpoint-mode mouse event; none outside checkpoint mode, during
// playback, or when the event has no element.
ComPtr<IHTMLElement> pickingElement(IHTMLEventObj* event) {
  const ProcessState& state = processState();
  ComPtr<IHTMLElement> element;
  if (!state.checkPointMode || !state.recordsPageActions()) return element;
  event->get_srcElement(element.put());
  return element;
}

}  // namespace

void CHTMLDocument2::OnMouseDown(IHTMLEventObj* event) {
  if (const ComPtr<IHTMLElement> element = pickingElement(event))
    highlight_.mouseDown(element.get(), processState().checkPointType);
}

void CHTMLDocument2::OnMouseOver(IHTMLEventObj* event) {
  if (const ComPtr<IHTMLElement> element = pickingElement(event))
    highlight_.mouseOver(element.get(), processState().checkPointType);
}

void CHTMLDocument2::OnMouseOut(IHTMLEventObj* event) {
  if (const ComPtr<IHTMLElement> element = pickingElement(event)) {
    highlight_.mouseOut(element.get(), processState().checkPointType);
    return;
  }
  // Picking ended while the mouse was over what it highlighted: the page is not left
  // with the highlight once the mouse moves on.
  ComPtr<IHTMLElement> element;
  if (SUCCEEDED(event->get_srcElement(element.put())) && element) highlight_.mouseOutAfterPicking(element.get());
}
