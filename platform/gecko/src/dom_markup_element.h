// Elements of XML documents: nsIDOMElement with case kept and namespaces, for an element
// parsed from XML text (DomXmlElement) and, with nsIDOMXULElement, for a XUL element
// (DomXulElement). Elements in the XHTML namespace are HTML elements and are not made here.
#pragma once

#include "dom_node.h"
#include "dom_node_list.h"
#include "engine/node.h"
#include "markup_ops.h"
#include "nsIDOMXULElement.h"

namespace gecko {

template <class Primary>  // nsIDOMElement or an interface derived from it
class MarkupElementImpl : public NodeImpl<Primary> {
 public:
  // --- nsIDOMElement
  NS_IMETHOD GetTagName(nsAString& aTagName) override { return this->GetNodeName(aTagName); }
  NS_IMETHOD GetAttribute(const nsAString& name, nsAString& _retval) override {
    return readAttribute(toUtf8(name), _retval);
  }
  NS_IMETHOD SetAttribute(const nsAString& name, const nsAString& value) override {
    const std::string key = toUtf8(name);
    const std::string text = toUtf8(value);
    if (key.empty()) return NS_ERROR_INVALID_ARG;
    return this->session().carry([&]() -> nsresult {
      element().setAttribute(key, text);
      return NS_OK;
    });
  }
  NS_IMETHOD RemoveAttribute(const nsAString& name) override {
    const std::string key = toUtf8(name);
    return this->session().carry([&]() -> nsresult {
      element().removeAttribute(key);
      return NS_OK;
    });
  }
  NS_IMETHOD HasAttribute(const nsAString& name, PRBool* _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    const std::string key = toUtf8(name);
    return this->session().carry([&]() -> nsresult {
      *_retval = element().hasAttribute(key) ? PR_TRUE : PR_FALSE;
      return NS_OK;
    });
  }
  NS_IMETHOD GetElementsByTagName(const nsAString& name, nsIDOMNodeList** _retval) override {
    const std::string tag = toUtf8(name);
    auto self = sharedElement();
    return liveList([self, tag] { return asNodes(self->getElementsByTagName(tag)); }, _retval);
  }
  NS_IMETHOD GetAttributeNS(const nsAString& namespaceURI, const nsAString& localName, nsAString& _retval) override {
    const std::string ns = toUtf8(namespaceURI);
    const std::string local = toUtf8(localName);
    std::string value;
    nsresult rv = this->session().carry([&]() -> nsresult {
      if (auto name = markup_ops::findAttributeNS(element(), ns, local)) value = *element().attribute(*name);
      return NS_OK;
    });
    if (NS_SUCCEEDED(rv)) assignUtf8(_retval, value);
    return rv;
  }
  // The engine keeps no namespace with an attribute: an attribute of another namespace
  // with the same local name is replaced, and the qualified name is stored as given.
  NS_IMETHOD SetAttributeNS(const nsAString& namespaceURI, const nsAString& qualifiedName,
                            const nsAString& value) override {
    const std::string ns = toUtf8(namespaceURI);
    const std::string name = toUtf8(qualifiedName);
    const std::string text = toUtf8(value);
    if (name.empty()) return NS_ERROR_INVALID_ARG;
    const auto colon = name.find(':');
    const std::string local = colon == std::string::npos ? name : name.substr(colon + 1);
    return this->session().carry([&]() -> nsresult {
      if (auto old = markup_ops::findAttributeNS(element(), ns, local); old && *old != name) {
        element().removeAttribute(*old);
      }
      element().setAttribute(name, text);
      return NS_OK;
    });
  }
  NS_IMETHOD RemoveAttributeNS(const nsAString& namespaceURI, const nsAString& localName) override {
    const std::string ns = toUtf8(namespaceURI);
    const std::string local = toUtf8(localName);
    return this->session().carry([&]() -> nsresult {
      if (auto name = markup_ops::findAttributeNS(element(), ns, local)) element().removeAttribute(*name);
      return NS_OK;
    });
  }
  NS_IMETHOD HasAttributeNS(const nsAString& namespaceURI, const nsAString& localName, PRBool* _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    const std::string ns = toUtf8(namespaceURI);
    const std::string local = toUtf8(localName);
    return this->session().carry([&]() -> nsresult {
      *_retval = markup_ops::findAttributeNS(element(), ns, local) ? PR_TRUE : PR_FALSE;
      return NS_OK;
    });
  }
  NS_IMETHOD GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName,
                                    nsIDOMNodeList** _retval) override {
    const std::string ns = toUtf8(namespaceURI);
    const std::string local = toUtf8(localName);
    auto self = sharedElement();
    return liveList([self, ns, local] { return markup_ops::elementsByTagNameNS(*self, ns, local); }, _retval);
  }
  // Attribute nodes are not modelled (nsIDOMAttr is not declared): as the HTML elements.
  NS_IMETHOD GetAttributeNode(const nsAString&, nsIDOMAttr** _retval) override { return this->notModelled(_retval); }
  NS_IMETHOD SetAttributeNode(nsIDOMAttr*, nsIDOMAttr** _retval) override { return this->notModelled(_retval); }
  NS_IMETHOD RemoveAttributeNode(nsIDOMAttr*, nsIDOMAttr** _retval) override { return this->notModelled(_retval); }
  NS_IMETHOD GetAttributeNodeNS(const nsAString&, const nsAString&, nsIDOMAttr** _retval) override {
    return this->notModelled(_retval);
  }
  NS_IMETHOD SetAttributeNodeNS(nsIDOMAttr*, nsIDOMAttr** _retval) override { return this->notModelled(_retval); }

 protected:
  MarkupElementImpl(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : NodeImpl<Primary>(std::move(session), std::move(element)) {}

  engine::Element& element() const { return static_cast<engine::Element&>(*this->node_); }
  std::shared_ptr<engine::Element> sharedElement() const {
    return std::static_pointer_cast<engine::Element>(this->node_);
  }
  nsresult readAttribute(const std::string& name, nsAString& out) {
    std::string value;
    nsresult rv = this->session().carry([&]() -> nsresult {
      value = element().attribute(name).value_or(std::string());
      return NS_OK;
    });
    if (NS_SUCCEEDED(rv)) assignUtf8(out, value);
    return rv;
  }
  nsresult writeAttribute(const char* name, const nsAString& value) {
    const std::string text = toUtf8(value);
    return this->session().carry([&]() -> nsresult {
      element().setAttribute(name, text);
      return NS_OK;
    });
  }
  // Live, as Gecko's lists are: the search runs again on every read.
  nsresult liveList(NodeSource source, nsIDOMNodeList** out) {
    if (!out) return NS_ERROR_NULL_POINTER;
    return this->session().carry(
        [&]() -> nsresult { return DomNodeList::create(this->sharedSession(), std::move(source), out); });
  }
};

// An element of a document parsed as XML (in no namespace or in one of its own).
class DomXmlElement final : public MarkupElementImpl<nsIDOMElement> {
 public:
  DomXmlElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : MarkupElementImpl(std::move(session), std::move(element)) {}

  GECKO_DOM_ISUPPORTS

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsIDOMElement))) return static_cast<nsIDOMElement*>(this);
    return nodeInterface(iid);
  }
};

// A XUL element: its attributes reflected as nsIDOMXULElement properties, and its
// commands sent as "command" events.
class DomXulElement final : public MarkupElementImpl<nsIDOMXULElement> {
 public:
  DomXulElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : MarkupElementImpl(std::move(session), std::move(element)) {}

  GECKO_DOM_ISUPPORTS

  // --- nsIDOMXULElement: string properties reflect the attributes of the same names
#define GECKO_XUL_STRING_ATTRIBUTE(Name, attribute)                                                 \
  NS_IMETHOD Get##Name(nsAString& a##Name) override { return readAttribute(attribute, a##Name); } \
  NS_IMETHOD Set##Name(const nsAString& a##Name) override { return writeAttribute(attribute, a##Name); }
  GECKO_XUL_STRING_ATTRIBUTE(Id, "id")
  GECKO_XUL_STRING_ATTRIBUTE(ClassName, "class")
  GECKO_XUL_STRING_ATTRIBUTE(Align, "align")
  GECKO_XUL_STRING_ATTRIBUTE(Dir, "dir")
  GECKO_XUL_STRING_ATTRIBUTE(Flex, "flex")
  GECKO_XUL_STRING_ATTRIBUTE(FlexGroup, "flexgroup")
  GECKO_XUL_STRING_ATTRIBUTE(Ordinal, "ordinal")
  GECKO_XUL_STRING_ATTRIBUTE(Orient, "orient")
  GECKO_XUL_STRING_ATTRIBUTE(Pack, "pack")
  NS_IMETHOD GetHidden(PRBool* aHidden) override { return readFlag("hidden", aHidden); }
  NS_IMETHOD SetHidden(PRBool aHidden) override { return writeFlag("hidden", aHidden); }
  NS_IMETHOD GetCollapsed(PRBool* aCollapsed) override { return readFlag("collapsed", aCollapsed); }
  NS_IMETHOD SetCollapsed(PRBool aCollapsed) override { return writeFlag("collapsed", aCollapsed); }
  GECKO_XUL_STRING_ATTRIBUTE(Observes, "observes")
  GECKO_XUL_STRING_ATTRIBUTE(Menu, "menu")
  GECKO_XUL_STRING_ATTRIBUTE(ContextMenu, "contextmenu")
  GECKO_XUL_STRING_ATTRIBUTE(Tooltip, "tooltip")
  GECKO_XUL_STRING_ATTRIBUTE(Width, "width")
  GECKO_XUL_STRING_ATTRIBUTE(Height, "height")
  GECKO_XUL_STRING_ATTRIBUTE(MinWidth, "minwidth")
  GECKO_XUL_STRING_ATTRIBUTE(MinHeight, "minheight")
  GECKO_XUL_STRING_ATTRIBUTE(MaxWidth, "maxwidth")
  GECKO_XUL_STRING_ATTRIBUTE(MaxHeight, "maxheight")
  GECKO_XUL_STRING_ATTRIBUTE(Persist, "persist")
  GECKO_XUL_STRING_ATTRIBUTE(Left, "left")
  GECKO_XUL_STRING_ATTRIBUTE(Top, "top")
  GECKO_XUL_STRING_ATTRIBUTE(Datasources, "datasources")
  GECKO_XUL_STRING_ATTRIBUTE(Ref, "ref")
  GECKO_XUL_STRING_ATTRIBUTE(TooltipText, "tooltiptext")
  GECKO_XUL_STRING_ATTRIBUTE(StatusText, "statustext")
#undef GECKO_XUL_STRING_ATTRIBUTE
  NS_IMETHOD GetAllowEvents(PRBool* aAllowEvents) override { return readFlag("allowevents", aAllowEvents); }
  NS_IMETHOD SetAllowEvents(PRBool aAllowEvents) override { return writeFlag("allowevents", aAllowEvents); }
  NS_IMETHOD GetStyle(nsIDOMCSSStyleDeclaration** aStyle) override;
  NS_IMETHOD GetDatabase(nsIRDFCompositeDataSource** aDatabase) override;
  NS_IMETHOD GetBuilder(nsIXULTemplateBuilder** aBuilder) override;
  NS_IMETHOD GetResource(nsIRDFResource** aResource) override;
  NS_IMETHOD GetControllers(nsIControllers** aControllers) override;
  NS_IMETHOD GetBoxObject(nsIBoxObject** aBoxObject) override;
  NS_IMETHOD Focus(void) override;
  NS_IMETHOD Blur(void) override;
  NS_IMETHOD Click(void) override;
  NS_IMETHOD DoCommand(void) override;
  NS_IMETHOD GetElementsByAttribute(const nsAString& name, const nsAString& value, nsIDOMNodeList** _retval) override;

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsIDOMElement)) || iid.Equals(NS_GET_IID(nsIDOMXULElement))) {
      return static_cast<nsIDOMXULElement*>(this);
    }
    return nodeInterface(iid);
  }
  // XUL's boolean attributes: "true" means set; clearing removes the attribute.
  nsresult readFlag(const char* attribute, PRBool* out);
  nsresult writeFlag(const char* attribute, PRBool value);
  nsresult rdfObject(const char* attribute, void** out);
};

}  // namespace gecko
