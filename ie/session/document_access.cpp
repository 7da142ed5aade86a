#include "session/document_access.h"

#include "com/bstr.h"

ComPtr<IHTMLDocument2> htmlDocumentOf(IWebBrowser2* browser) {
  ComPtr<IDispatch> dispatch;
  ComPtr<IHTMLDocument2> document;
  if (browser != nullptr && SUCCEEDED(browser->get_Document(dispatch.put())) && dispatch)
    dispatch->QueryInterface(IID_IHTMLDocument2, document.putVoid());
  return document;
}

std::string titleOf(IHTMLDocument2* document) {
  Bstr title;
  if (document != nullptr) document->get_title(title.put());
  return title.toAnsi();
}

std::string urlOf(IHTMLDocument2* document) {
  Bstr url;
  if (document != nullptr) document->get_URL(url.put());
  return url.toAnsi();
}

// The name of the document's window; `whenMissing` when there is no window or it has
// no name.
std::string windowNameOf(IHTMLDocument2* document, const char* whenMissing) {
  ComPtr<IHTMLWindow2> window;
  Bstr name;
  if (document == nullptr || FAILED(document->get_parentWindow(window.put())) || !window ||
      FAILED(window->get_name(name.put())))
    return whenMissing;
  const std::string text = name.toAnsi();
  return text.empty() ? whenMissing : text;
}
