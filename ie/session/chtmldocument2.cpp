#include "session/chtmldocument2.h"

#include "common/trace_log.h"

namespace {

void traceSeparator() { trace("%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%\n"); }

ComPtr<IConnectionPoint> documentEventsPoint(IHTMLDocument2* document) {
  ComPtr<IConnectionPointContainer> container;
  ComPtr<IConnectionPoint> point;
  if (SUCCEEDED(document->QueryInterface(IID_IConnectionPointContainer, container.putVoid())))
    container->FindConnectionPoint(DIID_HTMLDocumentEvents2, point.put());
  return point;
}

}  // namespace

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
  trace("\tDocument Event Sink Success\n");
  traceSeparator();
  return 1;
}

void CHTMLDocument2::resetConnections() {
  trace("\tDocument Reset Called\n");
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

// The document's events are accepted; what they record is the document recorder's work.
HRESULT STDMETHODCALLTYPE CHTMLDocument2::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                                 UINT*) {
  return S_OK;
}
