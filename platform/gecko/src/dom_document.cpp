#include "dom_document.h"

#include "dom_node_list.h"
#include "dom_window.h"
#include "engine/window.h"
#include "nsIDOMAbstractView.h"
#include "engine/document.h"
#include "engine/node.h"
#include "nsIDOMElement.h"
#include "nsIDOMHTMLElement.h"
#include "text_conversion.h"

namespace gecko {

DomDocument::DomDocument(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Document> document)
    : NodeImpl(std::move(session), std::move(document)) {}

void* DomDocument::queryInterface(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMDocument)) || iid.Equals(NS_GET_IID(nsIDOMHTMLDocument))) {
    return static_cast<nsIDOMHTMLDocument*>(this);
  }
  if (iid.Equals(NS_GET_IID(nsIDOMDocumentView))) return static_cast<nsIDOMDocumentView*>(this);
  return nodeInterface(iid);
}

std::shared_ptr<engine::Document> DomDocument::document() const {
  return std::static_pointer_cast<engine::Document>(node_);
}

template <class Interface>
nsresult DomDocument::collection(
    std::function<std::vector<std::shared_ptr<engine::Element>>(const engine::Document&)> find, Interface** out) {
  if (!out) return NS_ERROR_NULL_POINTER;
  auto source = [document = document(), find = std::move(find)] { return asNodes(find(*document)); };
  return DomNodeList::create(sharedSession(), std::move(source), out);
}

// --- nsIDOMDocument

// The engine keeps no document type node; HTML pages without one have none in Gecko too.
NS_IMETHODIMP DomDocument::GetDoctype(nsIDOMDocumentType** aDoctype) {
  if (!aDoctype) return NS_ERROR_NULL_POINTER;
  *aDoctype = nullptr;
  return NS_OK;
}

NS_IMETHODIMP DomDocument::GetDocumentElement(nsIDOMElement** aDocumentElement) {
  if (!aDocumentElement) return NS_ERROR_NULL_POINTER;
  return session().carry([&]() -> nsresult { return wrapAs(session(), document()->documentElement(), aDocumentElement); });
}

NS_IMETHODIMP DomDocument::GetElementsByTagName(const nsAString& tagname, nsIDOMNodeList** _retval) {
  const std::string tag = toUtf8(tagname);
  return collection([tag](const engine::Document& d) { return d.getElementsByTagName(tag); }, _retval);
}

NS_IMETHODIMP DomDocument::GetElementById(const nsAString& elementId, nsIDOMElement** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  const std::string id = toUtf8(elementId);
  *_retval = nullptr;
  if (id.empty()) return NS_OK;  // no element has the empty id
  return session().carry([&]() -> nsresult { return wrapAs(session(), document()->getElementById(id), _retval); });
}

// Creating, importing and the DOM implementation are not modelled yet (README).
NS_IMETHODIMP DomDocument::GetImplementation(nsIDOMDOMImplementation** aImplementation) {
  return notModelled(aImplementation);
}
NS_IMETHODIMP DomDocument::CreateElement(const nsAString&, nsIDOMElement** _retval) { return notModelled(_retval); }
NS_IMETHODIMP DomDocument::CreateDocumentFragment(nsIDOMDocumentFragment** _retval) { return notModelled(_retval); }
NS_IMETHODIMP DomDocument::CreateTextNode(const nsAString&, nsIDOMText** _retval) { return notModelled(_retval); }
NS_IMETHODIMP DomDocument::CreateComment(const nsAString&, nsIDOMComment** _retval) { return notModelled(_retval); }
NS_IMETHODIMP DomDocument::CreateCDATASection(const nsAString&, nsIDOMCDATASection** _retval) {
  return notModelled(_retval);
}
NS_IMETHODIMP DomDocument::CreateProcessingInstruction(const nsAString&, const nsAString&,
                                                       nsIDOMProcessingInstruction** _retval) {
  return notModelled(_retval);
}
NS_IMETHODIMP DomDocument::CreateAttribute(const nsAString&, nsIDOMAttr** _retval) { return notModelled(_retval); }
NS_IMETHODIMP DomDocument::CreateEntityReference(const nsAString&, nsIDOMEntityReference** _retval) {
  return notModelled(_retval);
}
NS_IMETHODIMP DomDocument::ImportNode(nsIDOMNode*, PRBool, nsIDOMNode** _retval) { return notModelled(_retval); }
NS_IMETHODIMP DomDocument::CreateElementNS(const nsAString&, const nsAString&, nsIDOMElement** _retval) {
  return notModelled(_retval);
}
NS_IMETHODIMP DomDocument::CreateAttributeNS(const nsAString&, const nsAString&, nsIDOMAttr** _retval) {
  return notModelled(_retval);
}
NS_IMETHODIMP DomDocument::GetElementsByTagNameNS(const nsAString&, const nsAString&, nsIDOMNodeList** _retval) {
  return notModelled(_retval);
}

// --- nsIDOMHTMLDocument

NS_IMETHODIMP DomDocument::GetTitle(nsAString& aTitle) {
  std::string title;
  nsresult rv = session().carry([&]() -> nsresult {
    title = document()->title();
    return NS_OK;
  });
  if (NS_SUCCEEDED(rv)) assignUtf8(aTitle, title);
  return rv;
}

NS_IMETHODIMP DomDocument::SetTitle(const nsAString& aTitle) {
  const std::string title = toUtf8(aTitle);
  return session().carry([&]() -> nsresult {
    document()->setTitle(title);
    return NS_OK;
  });
}

// The engine does not keep where a page was reached from: a page opened directly.
NS_IMETHODIMP DomDocument::GetReferrer(nsAString& aReferrer) {
  aReferrer.Truncate();
  return NS_OK;
}

NS_IMETHODIMP DomDocument::GetDomain(nsAString& aDomain) {
  std::string url;
  nsresult rv = session().carry([&]() -> nsresult {
    url = document()->url();
    return NS_OK;
  });
  if (NS_FAILED(rv)) return rv;
  // The host part of the address ("" for file: pages).
  std::string host;
  const auto scheme = url.find("://");
  if (scheme != std::string::npos) {
    const auto start = scheme + 3;
    host = url.substr(start, url.find_first_of("/:?#", start) - start);
    const auto at = host.rfind('@');
    if (at != std::string::npos) host.erase(0, at + 1);
  }
  assignUtf8(aDomain, host);
  return NS_OK;
}

NS_IMETHODIMP DomDocument::GetURL(nsAString& aURL) {
  std::string url;
  nsresult rv = session().carry([&]() -> nsresult {
    url = document()->url();
    return NS_OK;
  });
  if (NS_SUCCEEDED(rv)) assignUtf8(aURL, url);
  return rv;
}

NS_IMETHODIMP DomDocument::GetBody(nsIDOMHTMLElement** aBody) {
  if (!aBody) return NS_ERROR_NULL_POINTER;
  return session().carry([&]() -> nsresult { return wrapAs(session(), document()->body(), aBody); });
}

NS_IMETHODIMP DomDocument::SetBody(nsIDOMHTMLElement*) { return NS_ERROR_NOT_IMPLEMENTED; }

NS_IMETHODIMP DomDocument::GetImages(nsIDOMHTMLCollection** aImages) {
  return collection([](const engine::Document& d) { return d.images(); }, aImages);
}

NS_IMETHODIMP DomDocument::GetApplets(nsIDOMHTMLCollection** aApplets) {
  return collection([](const engine::Document& d) { return d.getElementsByTagName("APPLET"); }, aApplets);
}

NS_IMETHODIMP DomDocument::GetLinks(nsIDOMHTMLCollection** aLinks) {
  return collection([](const engine::Document& d) { return d.links(); }, aLinks);
}

NS_IMETHODIMP DomDocument::GetForms(nsIDOMHTMLCollection** aForms) {
  return collection([](const engine::Document& d) { return d.forms(); }, aForms);
}

// Anchors are the A elements with a name.
NS_IMETHODIMP DomDocument::GetAnchors(nsIDOMHTMLCollection** aAnchors) {
  return collection(
      [](const engine::Document& d) {
        auto found = d.getElementsByTagName("A");
        std::erase_if(found, [](const auto& a) { return !a->hasAttribute("name"); });
        return found;
      },
      aAnchors);
}

NS_IMETHODIMP DomDocument::GetElementsByName(const nsAString& elementName, nsIDOMNodeList** _retval) {
  const std::string name = toUtf8(elementName);
  return collection([name](const engine::Document& d) { return d.getElementsByName(name); }, _retval);
}

// Cookies and writing into an open document are not modelled yet (README).
NS_IMETHODIMP DomDocument::GetCookie(nsAString& aCookie) {
  aCookie.Truncate();
  return NS_ERROR_NOT_IMPLEMENTED;
}
NS_IMETHODIMP DomDocument::SetCookie(const nsAString&) { return NS_ERROR_NOT_IMPLEMENTED; }
NS_IMETHODIMP DomDocument::Open(void) { return NS_ERROR_NOT_IMPLEMENTED; }
NS_IMETHODIMP DomDocument::Close(void) { return NS_ERROR_NOT_IMPLEMENTED; }
NS_IMETHODIMP DomDocument::Write(const nsAString&) { return NS_ERROR_NOT_IMPLEMENTED; }
NS_IMETHODIMP DomDocument::Writeln(const nsAString&) { return NS_ERROR_NOT_IMPLEMENTED; }

// --- nsIDOMDocumentView

// None once the window shows another document.
NS_IMETHODIMP DomDocument::GetDefaultView(nsIDOMAbstractView** aDefaultView) {
  if (!aDefaultView) return NS_ERROR_NULL_POINTER;
  *aDefaultView = nullptr;
  return session().carry([&]() -> nsresult {
    auto window = document()->defaultView();
    if (!window || window->document() != document()) return NS_OK;
    nsCOMPtr<nsIDOMWindow> wrapper = wrapWindow(session(), window);
    if (!wrapper) return NS_ERROR_OUT_OF_MEMORY;
    return wrapper->QueryInterface(NS_GET_IID(nsIDOMAbstractView), reinterpret_cast<void**>(aDefaultView));
  });
}

}  // namespace gecko
