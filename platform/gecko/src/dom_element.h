// An HTML element: nsIDOMHTMLElement (and so nsIDOMElement and nsIDOMNode) with
// nsIDOM3Node, over an engine element. `ElementImpl` is shared by every element
// wrapper; the tag-specific wrappers (form controls, links, tables) add their
// interface on top of it, and `DomElement` is the wrapper of every other tag.
#pragma once

#include "dom_node.h"
#include "dom_node_list.h"
#include "engine/node.h"
#include "nsIDOMHTMLElement.h"

#include <limits>
#include <utility>

namespace gecko {

// Non-template parts of the element methods (dom_element.cpp); browser thread only.
namespace element_ops {
// Gecko's reading of an integer attribute: leading blanks, an optional sign and
// digits; anything else (or nothing) gives `fallback`.
PRInt32 integerAttribute(const engine::Element& element, const char* name, PRInt32 fallback);
std::string numberText(PRInt64 value);
// An attribute holding an address, resolved against the document's address ("" when absent).
std::string uriAttribute(const engine::Element& element, const char* name);
// The first child element with one of these tags.
std::shared_ptr<engine::Element> childWithTag(const engine::Element& parent, std::initializer_list<const char*> tags);
std::vector<std::shared_ptr<engine::Node>> childrenWithTag(const engine::Element& parent, const char* tag);
}  // namespace element_ops

// The wrapper of an engine element as the right wrapper for its tag; browser thread only.
struct ElementWrapper {
  DomObject* object = nullptr;
  nsIDOMNode* node = nullptr;
};
ElementWrapper createElementWrapper(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element);

template <class Primary>  // nsIDOMHTMLElement or an interface derived from it
class ElementImpl : public NodeImpl<Primary> {
 public:
  // --- nsIDOMElement
  NS_IMETHOD GetTagName(nsAString& aTagName) override { return this->GetNodeName(aTagName); }
  // An absent attribute reads as the empty string, as Gecko 1.7 gives it.
  NS_IMETHOD GetAttribute(const nsAString& name, nsAString& _retval) override {
    const std::string key = toUtf8(name);
    return readString(_retval, [&](engine::Element& e) { return e.attribute(key).value_or(std::string()); });
  }
  NS_IMETHOD SetAttribute(const nsAString& name, const nsAString& value) override {
    const std::string key = toUtf8(name);
    const std::string text = toUtf8(value);
    if (key.empty()) return NS_ERROR_INVALID_ARG;
    return change([&](engine::Element& e) { e.setAttribute(key, text); });
  }
  NS_IMETHOD RemoveAttribute(const nsAString& name) override {
    const std::string key = toUtf8(name);
    return change([&](engine::Element& e) { e.removeAttribute(key); });
  }
  // Attribute nodes as nsIDOMAttr are not modelled yet (README).
  NS_IMETHOD GetAttributeNode(const nsAString&, nsIDOMAttr** _retval) override { return this->notModelled(_retval); }
  NS_IMETHOD SetAttributeNode(nsIDOMAttr*, nsIDOMAttr** _retval) override { return this->notModelled(_retval); }
  NS_IMETHOD RemoveAttributeNode(nsIDOMAttr*, nsIDOMAttr** _retval) override { return this->notModelled(_retval); }
  NS_IMETHOD GetElementsByTagName(const nsAString& name, nsIDOMNodeList** _retval) override {
    const std::string tag = toUtf8(name);
    return elementList([tag](const engine::Element& e) { return asNodes(e.getElementsByTagName(tag)); }, _retval);
  }
  // HTML elements keep their attributes in no namespace: the namespaced members act on
  // the attributes whose namespace is empty, as Gecko's do for them.
  NS_IMETHOD GetAttributeNS(const nsAString& namespaceURI, const nsAString& localName, nsAString& _retval) override {
    if (!namespaceURI.IsEmpty()) {
      _retval.Truncate();
      return NS_OK;
    }
    return GetAttribute(localName, _retval);
  }
  NS_IMETHOD SetAttributeNS(const nsAString& namespaceURI, const nsAString& qualifiedName,
                            const nsAString& value) override {
    // The engine keeps no namespaces: an attribute in one cannot be stored (README).
    if (!namespaceURI.IsEmpty()) return NS_ERROR_NOT_IMPLEMENTED;
    return SetAttribute(qualifiedName, value);
  }
  NS_IMETHOD RemoveAttributeNS(const nsAString& namespaceURI, const nsAString& localName) override {
    if (!namespaceURI.IsEmpty()) return NS_OK;
    return RemoveAttribute(localName);
  }
  NS_IMETHOD GetAttributeNodeNS(const nsAString& namespaceURI, const nsAString& localName,
                                nsIDOMAttr** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = nullptr;
    if (!namespaceURI.IsEmpty()) return NS_OK;
    return GetAttributeNode(localName, _retval);
  }
  NS_IMETHOD SetAttributeNodeNS(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) override {
    return SetAttributeNode(newAttr, _retval);
  }
  // "*" matches any namespace; HTML elements are in none (the empty URI) here.
  NS_IMETHOD GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName,
                                    nsIDOMNodeList** _retval) override {
    const std::string space = toUtf8(namespaceURI);
    const std::string tag = toUtf8(localName);
    const bool matches = space == "*" || space.empty();
    return elementList(
        [tag, matches](const engine::Element& e) {
          return matches ? asNodes(e.getElementsByTagName(tag)) : std::vector<std::shared_ptr<engine::Node>>();
        },
        _retval);
  }
  NS_IMETHOD HasAttribute(const nsAString& name, PRBool* _retval) override {
    const std::string key = toUtf8(name);
    return readBool(_retval, [&](engine::Element& e) { return e.hasAttribute(key); });
  }
  NS_IMETHOD HasAttributeNS(const nsAString& namespaceURI, const nsAString& localName, PRBool* _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    if (!namespaceURI.IsEmpty()) {
      *_retval = PR_FALSE;
      return NS_OK;
    }
    return HasAttribute(localName, _retval);
  }

  // --- nsIDOMHTMLElement: reflections of the attributes of the same names
  NS_IMETHOD GetId(nsAString& aId) override { return attrString("id", aId); }
  NS_IMETHOD SetId(const nsAString& aId) override { return setAttrString("id", aId); }
  NS_IMETHOD GetTitle(nsAString& aTitle) override { return attrString("title", aTitle); }
  NS_IMETHOD SetTitle(const nsAString& aTitle) override { return setAttrString("title", aTitle); }
  NS_IMETHOD GetLang(nsAString& aLang) override { return attrString("lang", aLang); }
  NS_IMETHOD SetLang(const nsAString& aLang) override { return setAttrString("lang", aLang); }
  NS_IMETHOD GetDir(nsAString& aDir) override { return attrString("dir", aDir); }
  NS_IMETHOD SetDir(const nsAString& aDir) override { return setAttrString("dir", aDir); }
  NS_IMETHOD GetClassName(nsAString& aClassName) override { return attrString("class", aClassName); }
  NS_IMETHOD SetClassName(const nsAString& aClassName) override { return setAttrString("class", aClassName); }

 protected:
  ElementImpl(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : NodeImpl<Primary>(std::move(session), std::move(element)) {}

  // The element interfaces, then the node ones; the derived class asks for its own first.
  void* elementInterface(const nsIID& iid) {
    if (iid.Equals(NS_GET_IID(nsIDOMElement)) || iid.Equals(NS_GET_IID(nsIDOMHTMLElement))) {
      return static_cast<nsIDOMHTMLElement*>(static_cast<Primary*>(this));
    }
    return this->nodeInterface(iid);
  }
  // The primary interface itself, for a derived class's queryInterface.
  void* primary() { return static_cast<Primary*>(this); }

  engine::Element& element() const { return static_cast<engine::Element&>(*this->node_); }
  std::shared_ptr<engine::Element> sharedElement() const {
    return std::static_pointer_cast<engine::Element>(this->node_);
  }

  // Reads and changes carried to the browser thread; `f` takes the engine element.
  template <class F>
  nsresult readString(nsAString& out, F f) {
    std::string text;
    nsresult rv = this->session().carry([&]() -> nsresult {
      text = f(element());
      return NS_OK;
    });
    if (NS_SUCCEEDED(rv)) assignUtf8(out, text);
    return rv;
  }
  template <class F>
  nsresult readBool(PRBool* out, F f) {
    if (!out) return NS_ERROR_NULL_POINTER;
    return this->session().carry([&]() -> nsresult {
      *out = f(element()) ? PR_TRUE : PR_FALSE;
      return NS_OK;
    });
  }
  template <class Number, class F>
  nsresult readNumber(Number* out, F f) {
    if (!out) return NS_ERROR_NULL_POINTER;
    return this->session().carry([&]() -> nsresult {
      const PRInt64 value = f(element());
      // A value the out-parameter's type cannot hold reads as 0.
      if (value < static_cast<PRInt64>(std::numeric_limits<Number>::min()) ||
          value > static_cast<PRInt64>(std::numeric_limits<Number>::max())) {
        *out = 0;
      } else {
        *out = static_cast<Number>(value);
      }
      return NS_OK;
    });
  }
  template <class F>
  nsresult change(F f) {
    return this->session().carry([&]() -> nsresult {
      f(element());
      return NS_OK;
    });
  }
  // The wrapper of the element `find` gives (null for none).
  template <class Interface, class F>
  nsresult relatedElement(Interface** out, F find) {
    if (!out) return NS_ERROR_NULL_POINTER;
    return this->session().carry([&]() -> nsresult { return wrapAs(this->session(), find(element()), out); });
  }
  // A live list over `source`, asked again on each read.
  template <class Interface, class F>
  nsresult elementList(F source, Interface** out) {
    if (!out) return NS_ERROR_NULL_POINTER;
    auto element = sharedElement();
    return this->session().carry([&]() -> nsresult {
      return DomNodeList::create(this->sharedSession(), [element, source] { return source(*element); }, out);
    });
  }

  // Attribute reflections as Gecko 1.7's element classes make them.
  nsresult attrString(const char* name, nsAString& out) {
    return readString(out, [name](engine::Element& e) { return e.attribute(name).value_or(std::string()); });
  }
  nsresult attrStringOr(const char* name, const char* fallback, nsAString& out) {
    return readString(out, [name, fallback](engine::Element& e) { return e.attribute(name).value_or(fallback); });
  }
  nsresult setAttrString(const char* name, const nsAString& value) {
    const std::string text = toUtf8(value);
    return change([&](engine::Element& e) { e.setAttribute(name, text); });
  }
  nsresult attrUri(const char* name, nsAString& out) {
    return readString(out, [name](engine::Element& e) { return element_ops::uriAttribute(e, name); });
  }
  // A boolean attribute is true when present, whatever its value.
  nsresult attrBool(const char* name, PRBool* out) {
    return readBool(out, [name](engine::Element& e) { return e.hasAttribute(name); });
  }
  nsresult setAttrBool(const char* name, PRBool value) {
    return change([&](engine::Element& e) {
      if (value) {
        e.setAttribute(name, "");
      } else {
        e.removeAttribute(name);
      }
    });
  }
  template <class Number>
  nsresult attrNumber(const char* name, Number* out, PRInt32 fallback) {
    return readNumber(out, [name, fallback](engine::Element& e) {
      return element_ops::integerAttribute(e, name, fallback);
    });
  }
  nsresult setAttrNumber(const char* name, PRInt64 value) {
    const std::string text = element_ops::numberText(value);
    return change([&](engine::Element& e) { e.setAttribute(name, text); });
  }
};

// Reflected attributes declared in one line each, as Gecko's NS_IMPL_*_ATTR do.
#define GECKO_STRING_ATTR(Name, attribute)                                                             \
  NS_IMETHOD Get##Name(nsAString& aValue) override { return this->attrString(attribute, aValue); }     \
  NS_IMETHOD Set##Name(const nsAString& aValue) override { return this->setAttrString(attribute, aValue); }
#define GECKO_URI_ATTR(Name, attribute)                                                             \
  NS_IMETHOD Get##Name(nsAString& aValue) override { return this->attrUri(attribute, aValue); }     \
  NS_IMETHOD Set##Name(const nsAString& aValue) override { return this->setAttrString(attribute, aValue); }
#define GECKO_BOOL_ATTR(Name, attribute)                                                    \
  NS_IMETHOD Get##Name(PRBool* aValue) override { return this->attrBool(attribute, aValue); } \
  NS_IMETHOD Set##Name(PRBool aValue) override { return this->setAttrBool(attribute, aValue); }
#define GECKO_INT_ATTR(Name, attribute, Type, fallback)                                                \
  NS_IMETHOD Get##Name(Type* aValue) override { return this->attrNumber(attribute, aValue, fallback); } \
  NS_IMETHOD Set##Name(Type aValue) override { return this->setAttrNumber(attribute, aValue); }

// The wrapper of every element without an interface of its own.
class DomElement final : public ElementImpl<nsIDOMHTMLElement> {
 public:
  // Browser thread only (the wrapper table calls this).
  DomElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : ElementImpl(std::move(session), std::move(element)) {}

  GECKO_DOM_ISUPPORTS

 private:
  void* queryInterface(const nsIID& iid) override { return elementInterface(iid); }
};

}  // namespace gecko
