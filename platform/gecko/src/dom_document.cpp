#include "dom_document.h"

#include "dom_node_list.h"
#include "dom_window.h"
#include "engine/window.h"
#include "nsIDOMAbstractView.h"
#include "engine/document.h"
#include "engine/node.h"
#include "nsDOMError.h"
#include "nsIDOMComment.h"
#include "nsIDOMElement.h"
#include "nsIDOMText.h"
#include "nsIDOMHTMLElement.h"
#include "text_conversion.h"

#include <cctype>

namespace gecko {

DomDocument::DomDocument(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Document> document)
    : NodeImpl(std::move(session), std::move(document)) {}

void* DomDocument::queryInterface(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMDocument)) || iid.Equals(NS_GET_IID(nsIDOMHTMLDocument))) {
    return static_cast<nsIDOMHTMLDocument*>(this);
  }
  if (iid.Equals(NS_GET_IID(nsIDOMDocumentView))) return static_cast<nsIDOMDocumentView*>(this);
  if (iid.Equals(NS_GET_IID(nsIDOMDocumentEvent))) return static_cast<nsIDOMDocumentEvent*>(this);
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

// The DOM implementation object (nsIDOMDOMImplementation) is not modelled yet (README).
NS_IMETHODIMP DomDocument::GetImplementation(nsIDOMDOMImplementation** aImplementation) {
  return notModelled(aImplementation);
}

namespace {

// An XML name: a letter, "_" or ":" first, then letters, digits, ".", "-", "_", ":".
// Characters beyond ASCII are taken as letters.
bool isValidName(const std::string& name) {
  if (name.empty()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    const bool letter = std::isalpha(c) || c == '_' || c == ':' || c >= 0x80;
    const bool other = std::isdigit(c) || c == '.' || c == '-';
    if (!(letter || (i > 0 && other))) return false;
  }
  return true;
}

}  // namespace

template <class Interface>
nsresult DomDocument::created(std::shared_ptr<engine::Node> node, Interface** out) {
  return session().carry([&]() -> nsresult {
    document()->adopt(node);
    return wrapAs(session(), node, out);
  });
}

// A new element of this document, in no tree until inserted.
NS_IMETHODIMP DomDocument::CreateElement(const nsAString& tagName, nsIDOMElement** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  const std::string tag = toUtf8(tagName);
  if (!isValidName(tag)) return NS_ERROR_DOM_INVALID_CHARACTER_ERR;
  return created(std::make_shared<engine::Element>(tag), _retval);
}

NS_IMETHODIMP DomDocument::CreateTextNode(const nsAString& data, nsIDOMText** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  return created(std::make_shared<engine::TextNode>(toUtf8(data)), _retval);
}

NS_IMETHODIMP DomDocument::CreateComment(const nsAString& data, nsIDOMComment** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  return created(std::make_shared<engine::TextNode>(toUtf8(data), engine::NodeType::Comment), _retval);
}

// An HTML document has no CDATA sections, processing instructions or entity
// references: Gecko refuses them with NOT_SUPPORTED.
NS_IMETHODIMP DomDocument::CreateCDATASection(const nsAString&, nsIDOMCDATASection** _retval) {
  if (_retval) *_retval = nullptr;
  return NS_ERROR_DOM_NOT_SUPPORTED_ERR;
}
NS_IMETHODIMP DomDocument::CreateProcessingInstruction(const nsAString&, const nsAString&,
                                                       nsIDOMProcessingInstruction** _retval) {
  if (_retval) *_retval = nullptr;
  return NS_ERROR_DOM_NOT_SUPPORTED_ERR;
}
NS_IMETHODIMP DomDocument::CreateEntityReference(const nsAString&, nsIDOMEntityReference** _retval) {
  if (_retval) *_retval = nullptr;
  return NS_ERROR_DOM_NOT_SUPPORTED_ERR;
}

// Fragments and attribute nodes are not modelled yet (README): the engine has no
// fragment node, and attributes are not nsIDOMAttr objects here.
NS_IMETHODIMP DomDocument::CreateDocumentFragment(nsIDOMDocumentFragment** _retval) { return notModelled(_retval); }
NS_IMETHODIMP DomDocument::CreateAttribute(const nsAString&, nsIDOMAttr** _retval) { return notModelled(_retval); }
NS_IMETHODIMP DomDocument::CreateAttributeNS(const nsAString&, const nsAString&, nsIDOMAttr** _retval) {
  return notModelled(_retval);
}

// A copy of a node of any document, owned by this one and in no tree.
NS_IMETHODIMP DomDocument::ImportNode(nsIDOMNode* importedNode, PRBool deep, nsIDOMNode** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  if (!importedNode) return NS_ERROR_NULL_POINTER;
  auto original = engineNodeOf(importedNode);
  if (!original) return NS_ERROR_DOM_NOT_SUPPORTED_ERR;  // an attribute or a foreign node
  if (original->nodeType() == engine::NodeType::Document) return NS_ERROR_DOM_NOT_SUPPORTED_ERR;
  // The copy is made on the thread that owns the original (another browser's, when
  // it comes from there) and then handed to this document.
  DomSession* owner = sessionOf(importedNode);
  std::shared_ptr<engine::Node> copy;
  nsresult rv = owner->carry([&]() -> nsresult {
    copy = original->clone(deep == PR_TRUE);
    return copy ? NS_OK : NS_ERROR_DOM_NOT_SUPPORTED_ERR;
  });
  if (NS_FAILED(rv)) return rv;
  return session().carry([&]() -> nsresult {
    document()->adopt(copy);
    return wrapAs(session(), copy, _retval);
  });
}

// HTML elements are made in the XHTML namespace or in none; the engine keeps no other.
NS_IMETHODIMP DomDocument::CreateElementNS(const nsAString& namespaceURI, const nsAString& qualifiedName,
                                           nsIDOMElement** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  const std::string space = toUtf8(namespaceURI);
  std::string name = toUtf8(qualifiedName);
  if (!isValidName(name)) return NS_ERROR_DOM_INVALID_CHARACTER_ERR;
  const auto colon = name.find(':');
  if (colon != std::string::npos) {
    if (space.empty() || colon == 0 || colon + 1 == name.size()) return NS_ERROR_DOM_NAMESPACE_ERR;
    name.erase(0, colon + 1);
  }
  if (!space.empty() && space != "http://www.w3.org/1999/xhtml") return NS_ERROR_NOT_IMPLEMENTED;
  return created(std::make_shared<engine::Element>(name), _retval);
}

// "*" matches any namespace; the page's elements are in none (the empty URI).
NS_IMETHODIMP DomDocument::GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName,
                                                  nsIDOMNodeList** _retval) {
  const std::string space = toUtf8(namespaceURI);
  const std::string tag = toUtf8(localName);
  const bool matches = space == "*" || space.empty();
  return collection(
      [tag, matches](const engine::Document& d) {
        return matches ? d.getElementsByTagName(tag) : std::vector<std::shared_ptr<engine::Element>>();
      },
      _retval);
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

// The new body takes the old one's place (or goes at the end of the root element);
// only a BODY element can be the body.
NS_IMETHODIMP DomDocument::SetBody(nsIDOMHTMLElement* aBody) {
  auto body = engineNodeIn(session(), aBody);
  if (!body) return aBody ? NS_ERROR_DOM_WRONG_DOCUMENT_ERR : NS_ERROR_NULL_POINTER;
  if (body->nodeType() != engine::NodeType::Element || !static_cast<engine::Element&>(*body).is("BODY")) {
    return NS_ERROR_DOM_HIERARCHY_REQUEST_ERR;
  }
  return session().carry([&]() -> nsresult {
    auto doc = document();
    if (body->ownerDocument() != doc) return NS_ERROR_DOM_WRONG_DOCUMENT_ERR;
    auto root = doc->documentElement();
    if (!root || !root->canTake(body)) return NS_ERROR_DOM_HIERARCHY_REQUEST_ERR;
    auto old = doc->body();
    if (old == body) return NS_OK;
    if (old && old->parentNode()) {
      auto parent = old->parentNode();
      parent->insertBefore(body, old);
      parent->removeChild(old);
    } else {
      root->appendChild(body);
    }
    return NS_OK;
  });
}

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

// --- nsIDOMDocumentEvent

NS_IMETHODIMP DomDocument::CreateEvent(const nsAString& eventType, nsIDOMEvent** _retval) {
  return createEvent(sharedSession(), toUtf8(eventType), _retval);
}

}  // namespace gecko
