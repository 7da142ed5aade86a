// Synchronous XPCOM proxies for the XUL element and flasher interfaces that other
// threads call on the UI thread (a dialog button's command, outlines drawn while the
// caller waits): each method is carried to the proxy's thread while the caller waits.
#include "inIFlasher.h"
#include "nsIDOMXULElement.h"
#include "platform_internal/xpcom_proxy.h"

namespace gecko {
namespace {

class IDOMXULElementProxy final : public xpcom::proxy::Proxy<nsIDOMXULElement> {
 public:
  using Proxy::Proxy;

  NS_IMETHOD GetNodeName(nsAString& aNodeName) override {
    return Proxy::Forward([&] { return Real()->GetNodeName(aNodeName); });
  }

  NS_IMETHOD GetNodeValue(nsAString& aNodeValue) override {
    return Proxy::Forward([&] { return Real()->GetNodeValue(aNodeValue); });
  }

  NS_IMETHOD SetNodeValue(const nsAString& aNodeValue) override {
    return Proxy::Forward([&] { return Real()->SetNodeValue(aNodeValue); });
  }

  NS_IMETHOD GetNodeType(PRUint16* aNodeType) override {
    return Proxy::Forward([&] { return Real()->GetNodeType(aNodeType); });
  }

  NS_IMETHOD GetParentNode(nsIDOMNode** aParentNode) override {
    return Proxy::Forward([&] { return Real()->GetParentNode(aParentNode); });
  }

  NS_IMETHOD GetChildNodes(nsIDOMNodeList** aChildNodes) override {
    return Proxy::Forward([&] { return Real()->GetChildNodes(aChildNodes); });
  }

  NS_IMETHOD GetFirstChild(nsIDOMNode** aFirstChild) override {
    return Proxy::Forward([&] { return Real()->GetFirstChild(aFirstChild); });
  }

  NS_IMETHOD GetLastChild(nsIDOMNode** aLastChild) override {
    return Proxy::Forward([&] { return Real()->GetLastChild(aLastChild); });
  }

  NS_IMETHOD GetPreviousSibling(nsIDOMNode** aPreviousSibling) override {
    return Proxy::Forward([&] { return Real()->GetPreviousSibling(aPreviousSibling); });
  }

  NS_IMETHOD GetNextSibling(nsIDOMNode** aNextSibling) override {
    return Proxy::Forward([&] { return Real()->GetNextSibling(aNextSibling); });
  }

  NS_IMETHOD GetAttributes(nsIDOMNamedNodeMap** aAttributes) override {
    return Proxy::Forward([&] { return Real()->GetAttributes(aAttributes); });
  }

  NS_IMETHOD GetOwnerDocument(nsIDOMDocument** aOwnerDocument) override {
    return Proxy::Forward([&] { return Real()->GetOwnerDocument(aOwnerDocument); });
  }

  NS_IMETHOD InsertBefore(nsIDOMNode* newChild, nsIDOMNode* refChild, nsIDOMNode** _retval) override {
    return Proxy::Forward([&] { return Real()->InsertBefore(newChild, refChild, _retval); });
  }

  NS_IMETHOD ReplaceChild(nsIDOMNode* newChild, nsIDOMNode* oldChild, nsIDOMNode** _retval) override {
    return Proxy::Forward([&] { return Real()->ReplaceChild(newChild, oldChild, _retval); });
  }

  NS_IMETHOD RemoveChild(nsIDOMNode* oldChild, nsIDOMNode** _retval) override {
    return Proxy::Forward([&] { return Real()->RemoveChild(oldChild, _retval); });
  }

  NS_IMETHOD AppendChild(nsIDOMNode* newChild, nsIDOMNode** _retval) override {
    return Proxy::Forward([&] { return Real()->AppendChild(newChild, _retval); });
  }

  NS_IMETHOD HasChildNodes(PRBool* _retval) override {
    return Proxy::Forward([&] { return Real()->HasChildNodes(_retval); });
  }

  NS_IMETHOD CloneNode(PRBool deep, nsIDOMNode** _retval) override {
    return Proxy::Forward([&] { return Real()->CloneNode(deep, _retval); });
  }

  NS_IMETHOD Normalize(void) override {
    return Proxy::Forward([&] { return Real()->Normalize(); });
  }

  NS_IMETHOD IsSupported(const nsAString& feature, const nsAString& version, PRBool* _retval) override {
    return Proxy::Forward([&] { return Real()->IsSupported(feature, version, _retval); });
  }

  NS_IMETHOD GetNamespaceURI(nsAString& aNamespaceURI) override {
    return Proxy::Forward([&] { return Real()->GetNamespaceURI(aNamespaceURI); });
  }

  NS_IMETHOD GetPrefix(nsAString& aPrefix) override {
    return Proxy::Forward([&] { return Real()->GetPrefix(aPrefix); });
  }

  NS_IMETHOD SetPrefix(const nsAString& aPrefix) override {
    return Proxy::Forward([&] { return Real()->SetPrefix(aPrefix); });
  }

  NS_IMETHOD GetLocalName(nsAString& aLocalName) override {
    return Proxy::Forward([&] { return Real()->GetLocalName(aLocalName); });
  }

  NS_IMETHOD HasAttributes(PRBool* _retval) override {
    return Proxy::Forward([&] { return Real()->HasAttributes(_retval); });
  }

  NS_IMETHOD GetTagName(nsAString& aTagName) override {
    return Proxy::Forward([&] { return Real()->GetTagName(aTagName); });
  }

  NS_IMETHOD GetAttribute(const nsAString& name, nsAString& _retval) override {
    return Proxy::Forward([&] { return Real()->GetAttribute(name, _retval); });
  }

  NS_IMETHOD SetAttribute(const nsAString& name, const nsAString& value) override {
    return Proxy::Forward([&] { return Real()->SetAttribute(name, value); });
  }

  NS_IMETHOD RemoveAttribute(const nsAString& name) override {
    return Proxy::Forward([&] { return Real()->RemoveAttribute(name); });
  }

  NS_IMETHOD GetAttributeNode(const nsAString& name, nsIDOMAttr** _retval) override {
    return Proxy::Forward([&] { return Real()->GetAttributeNode(name, _retval); });
  }

  NS_IMETHOD SetAttributeNode(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) override {
    return Proxy::Forward([&] { return Real()->SetAttributeNode(newAttr, _retval); });
  }

  NS_IMETHOD RemoveAttributeNode(nsIDOMAttr* oldAttr, nsIDOMAttr** _retval) override {
    return Proxy::Forward([&] { return Real()->RemoveAttributeNode(oldAttr, _retval); });
  }

  NS_IMETHOD GetElementsByTagName(const nsAString& name, nsIDOMNodeList** _retval) override {
    return Proxy::Forward([&] { return Real()->GetElementsByTagName(name, _retval); });
  }

  NS_IMETHOD GetAttributeNS(const nsAString& namespaceURI, const nsAString& localName, nsAString& _retval) override {
    return Proxy::Forward([&] { return Real()->GetAttributeNS(namespaceURI, localName, _retval); });
  }

  NS_IMETHOD SetAttributeNS(const nsAString& namespaceURI, const nsAString& qualifiedName, const nsAString& value) override {
    return Proxy::Forward([&] { return Real()->SetAttributeNS(namespaceURI, qualifiedName, value); });
  }

  NS_IMETHOD RemoveAttributeNS(const nsAString& namespaceURI, const nsAString& localName) override {
    return Proxy::Forward([&] { return Real()->RemoveAttributeNS(namespaceURI, localName); });
  }

  NS_IMETHOD GetAttributeNodeNS(const nsAString& namespaceURI, const nsAString& localName, nsIDOMAttr** _retval) override {
    return Proxy::Forward([&] { return Real()->GetAttributeNodeNS(namespaceURI, localName, _retval); });
  }

  NS_IMETHOD SetAttributeNodeNS(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) override {
    return Proxy::Forward([&] { return Real()->SetAttributeNodeNS(newAttr, _retval); });
  }

  NS_IMETHOD GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName, nsIDOMNodeList** _retval) override {
    return Proxy::Forward([&] { return Real()->GetElementsByTagNameNS(namespaceURI, localName, _retval); });
  }

  NS_IMETHOD HasAttribute(const nsAString& name, PRBool* _retval) override {
    return Proxy::Forward([&] { return Real()->HasAttribute(name, _retval); });
  }

  NS_IMETHOD HasAttributeNS(const nsAString& namespaceURI, const nsAString& localName, PRBool* _retval) override {
    return Proxy::Forward([&] { return Real()->HasAttributeNS(namespaceURI, localName, _retval); });
  }

  NS_IMETHOD GetId(nsAString& aId) override {
    return Proxy::Forward([&] { return Real()->GetId(aId); });
  }

  NS_IMETHOD SetId(const nsAString& aId) override {
    return Proxy::Forward([&] { return Real()->SetId(aId); });
  }

  NS_IMETHOD GetClassName(nsAString& aClassName) override {
    return Proxy::Forward([&] { return Real()->GetClassName(aClassName); });
  }

  NS_IMETHOD SetClassName(const nsAString& aClassName) override {
    return Proxy::Forward([&] { return Real()->SetClassName(aClassName); });
  }

  NS_IMETHOD GetAlign(nsAString& aAlign) override {
    return Proxy::Forward([&] { return Real()->GetAlign(aAlign); });
  }

  NS_IMETHOD SetAlign(const nsAString& aAlign) override {
    return Proxy::Forward([&] { return Real()->SetAlign(aAlign); });
  }

  NS_IMETHOD GetDir(nsAString& aDir) override {
    return Proxy::Forward([&] { return Real()->GetDir(aDir); });
  }

  NS_IMETHOD SetDir(const nsAString& aDir) override {
    return Proxy::Forward([&] { return Real()->SetDir(aDir); });
  }

  NS_IMETHOD GetFlex(nsAString& aFlex) override {
    return Proxy::Forward([&] { return Real()->GetFlex(aFlex); });
  }

  NS_IMETHOD SetFlex(const nsAString& aFlex) override {
    return Proxy::Forward([&] { return Real()->SetFlex(aFlex); });
  }

  NS_IMETHOD GetFlexGroup(nsAString& aFlexGroup) override {
    return Proxy::Forward([&] { return Real()->GetFlexGroup(aFlexGroup); });
  }

  NS_IMETHOD SetFlexGroup(const nsAString& aFlexGroup) override {
    return Proxy::Forward([&] { return Real()->SetFlexGroup(aFlexGroup); });
  }

  NS_IMETHOD GetOrdinal(nsAString& aOrdinal) override {
    return Proxy::Forward([&] { return Real()->GetOrdinal(aOrdinal); });
  }

  NS_IMETHOD SetOrdinal(const nsAString& aOrdinal) override {
    return Proxy::Forward([&] { return Real()->SetOrdinal(aOrdinal); });
  }

  NS_IMETHOD GetOrient(nsAString& aOrient) override {
    return Proxy::Forward([&] { return Real()->GetOrient(aOrient); });
  }

  NS_IMETHOD SetOrient(const nsAString& aOrient) override {
    return Proxy::Forward([&] { return Real()->SetOrient(aOrient); });
  }

  NS_IMETHOD GetPack(nsAString& aPack) override {
    return Proxy::Forward([&] { return Real()->GetPack(aPack); });
  }

  NS_IMETHOD SetPack(const nsAString& aPack) override {
    return Proxy::Forward([&] { return Real()->SetPack(aPack); });
  }

  NS_IMETHOD GetHidden(PRBool* aHidden) override {
    return Proxy::Forward([&] { return Real()->GetHidden(aHidden); });
  }

  NS_IMETHOD SetHidden(PRBool aHidden) override {
    return Proxy::Forward([&] { return Real()->SetHidden(aHidden); });
  }

  NS_IMETHOD GetCollapsed(PRBool* aCollapsed) override {
    return Proxy::Forward([&] { return Real()->GetCollapsed(aCollapsed); });
  }

  NS_IMETHOD SetCollapsed(PRBool aCollapsed) override {
    return Proxy::Forward([&] { return Real()->SetCollapsed(aCollapsed); });
  }

  NS_IMETHOD GetObserves(nsAString& aObserves) override {
    return Proxy::Forward([&] { return Real()->GetObserves(aObserves); });
  }

  NS_IMETHOD SetObserves(const nsAString& aObserves) override {
    return Proxy::Forward([&] { return Real()->SetObserves(aObserves); });
  }

  NS_IMETHOD GetMenu(nsAString& aMenu) override {
    return Proxy::Forward([&] { return Real()->GetMenu(aMenu); });
  }

  NS_IMETHOD SetMenu(const nsAString& aMenu) override {
    return Proxy::Forward([&] { return Real()->SetMenu(aMenu); });
  }

  NS_IMETHOD GetContextMenu(nsAString& aContextMenu) override {
    return Proxy::Forward([&] { return Real()->GetContextMenu(aContextMenu); });
  }

  NS_IMETHOD SetContextMenu(const nsAString& aContextMenu) override {
    return Proxy::Forward([&] { return Real()->SetContextMenu(aContextMenu); });
  }

  NS_IMETHOD GetTooltip(nsAString& aTooltip) override {
    return Proxy::Forward([&] { return Real()->GetTooltip(aTooltip); });
  }

  NS_IMETHOD SetTooltip(const nsAString& aTooltip) override {
    return Proxy::Forward([&] { return Real()->SetTooltip(aTooltip); });
  }

  NS_IMETHOD GetWidth(nsAString& aWidth) override {
    return Proxy::Forward([&] { return Real()->GetWidth(aWidth); });
  }

  NS_IMETHOD SetWidth(const nsAString& aWidth) override {
    return Proxy::Forward([&] { return Real()->SetWidth(aWidth); });
  }

  NS_IMETHOD GetHeight(nsAString& aHeight) override {
    return Proxy::Forward([&] { return Real()->GetHeight(aHeight); });
  }

  NS_IMETHOD SetHeight(const nsAString& aHeight) override {
    return Proxy::Forward([&] { return Real()->SetHeight(aHeight); });
  }

  NS_IMETHOD GetMinWidth(nsAString& aMinWidth) override {
    return Proxy::Forward([&] { return Real()->GetMinWidth(aMinWidth); });
  }

  NS_IMETHOD SetMinWidth(const nsAString& aMinWidth) override {
    return Proxy::Forward([&] { return Real()->SetMinWidth(aMinWidth); });
  }

  NS_IMETHOD GetMinHeight(nsAString& aMinHeight) override {
    return Proxy::Forward([&] { return Real()->GetMinHeight(aMinHeight); });
  }

  NS_IMETHOD SetMinHeight(const nsAString& aMinHeight) override {
    return Proxy::Forward([&] { return Real()->SetMinHeight(aMinHeight); });
  }

  NS_IMETHOD GetMaxWidth(nsAString& aMaxWidth) override {
    return Proxy::Forward([&] { return Real()->GetMaxWidth(aMaxWidth); });
  }

  NS_IMETHOD SetMaxWidth(const nsAString& aMaxWidth) override {
    return Proxy::Forward([&] { return Real()->SetMaxWidth(aMaxWidth); });
  }

  NS_IMETHOD GetMaxHeight(nsAString& aMaxHeight) override {
    return Proxy::Forward([&] { return Real()->GetMaxHeight(aMaxHeight); });
  }

  NS_IMETHOD SetMaxHeight(const nsAString& aMaxHeight) override {
    return Proxy::Forward([&] { return Real()->SetMaxHeight(aMaxHeight); });
  }

  NS_IMETHOD GetPersist(nsAString& aPersist) override {
    return Proxy::Forward([&] { return Real()->GetPersist(aPersist); });
  }

  NS_IMETHOD SetPersist(const nsAString& aPersist) override {
    return Proxy::Forward([&] { return Real()->SetPersist(aPersist); });
  }

  NS_IMETHOD GetLeft(nsAString& aLeft) override {
    return Proxy::Forward([&] { return Real()->GetLeft(aLeft); });
  }

  NS_IMETHOD SetLeft(const nsAString& aLeft) override {
    return Proxy::Forward([&] { return Real()->SetLeft(aLeft); });
  }

  NS_IMETHOD GetTop(nsAString& aTop) override {
    return Proxy::Forward([&] { return Real()->GetTop(aTop); });
  }

  NS_IMETHOD SetTop(const nsAString& aTop) override {
    return Proxy::Forward([&] { return Real()->SetTop(aTop); });
  }

  NS_IMETHOD GetDatasources(nsAString& aDatasources) override {
    return Proxy::Forward([&] { return Real()->GetDatasources(aDatasources); });
  }

  NS_IMETHOD SetDatasources(const nsAString& aDatasources) override {
    return Proxy::Forward([&] { return Real()->SetDatasources(aDatasources); });
  }

  NS_IMETHOD GetRef(nsAString& aRef) override {
    return Proxy::Forward([&] { return Real()->GetRef(aRef); });
  }

  NS_IMETHOD SetRef(const nsAString& aRef) override {
    return Proxy::Forward([&] { return Real()->SetRef(aRef); });
  }

  NS_IMETHOD GetTooltipText(nsAString& aTooltipText) override {
    return Proxy::Forward([&] { return Real()->GetTooltipText(aTooltipText); });
  }

  NS_IMETHOD SetTooltipText(const nsAString& aTooltipText) override {
    return Proxy::Forward([&] { return Real()->SetTooltipText(aTooltipText); });
  }

  NS_IMETHOD GetStatusText(nsAString& aStatusText) override {
    return Proxy::Forward([&] { return Real()->GetStatusText(aStatusText); });
  }

  NS_IMETHOD SetStatusText(const nsAString& aStatusText) override {
    return Proxy::Forward([&] { return Real()->SetStatusText(aStatusText); });
  }

  NS_IMETHOD GetAllowEvents(PRBool* aAllowEvents) override {
    return Proxy::Forward([&] { return Real()->GetAllowEvents(aAllowEvents); });
  }

  NS_IMETHOD SetAllowEvents(PRBool aAllowEvents) override {
    return Proxy::Forward([&] { return Real()->SetAllowEvents(aAllowEvents); });
  }

  NS_IMETHOD GetStyle(nsIDOMCSSStyleDeclaration** aStyle) override {
    return Proxy::Forward([&] { return Real()->GetStyle(aStyle); });
  }

  NS_IMETHOD GetDatabase(nsIRDFCompositeDataSource** aDatabase) override {
    return Proxy::Forward([&] { return Real()->GetDatabase(aDatabase); });
  }

  NS_IMETHOD GetBuilder(nsIXULTemplateBuilder** aBuilder) override {
    return Proxy::Forward([&] { return Real()->GetBuilder(aBuilder); });
  }

  NS_IMETHOD GetResource(nsIRDFResource** aResource) override {
    return Proxy::Forward([&] { return Real()->GetResource(aResource); });
  }

  NS_IMETHOD GetControllers(nsIControllers** aControllers) override {
    return Proxy::Forward([&] { return Real()->GetControllers(aControllers); });
  }

  NS_IMETHOD GetBoxObject(nsIBoxObject** aBoxObject) override {
    return Proxy::Forward([&] { return Real()->GetBoxObject(aBoxObject); });
  }

  NS_IMETHOD Focus(void) override {
    return Proxy::Forward([&] { return Real()->Focus(); });
  }

  NS_IMETHOD Blur(void) override {
    return Proxy::Forward([&] { return Real()->Blur(); });
  }

  NS_IMETHOD Click(void) override {
    return Proxy::Forward([&] { return Real()->Click(); });
  }

  NS_IMETHOD DoCommand(void) override {
    return Proxy::Forward([&] { return Real()->DoCommand(); });
  }

  NS_IMETHOD GetElementsByAttribute(const nsAString& name, const nsAString& value, nsIDOMNodeList** _retval) override {
    return Proxy::Forward([&] { return Real()->GetElementsByAttribute(name, value, _retval); });
  }
};
XPCOM_PROXY_REGISTER(nsIDOMXULElement, IDOMXULElementProxy)

class IFlasherProxy final : public xpcom::proxy::Proxy<inIFlasher> {
 public:
  using Proxy::Proxy;

  NS_IMETHOD GetColor(nsAString& aColor) override {
    return Proxy::Forward([&] { return Real()->GetColor(aColor); });
  }

  NS_IMETHOD SetColor(const nsAString& aColor) override {
    return Proxy::Forward([&] { return Real()->SetColor(aColor); });
  }

  NS_IMETHOD GetInvert(PRBool* aInvert) override {
    return Proxy::Forward([&] { return Real()->GetInvert(aInvert); });
  }

  NS_IMETHOD SetInvert(PRBool aInvert) override {
    return Proxy::Forward([&] { return Real()->SetInvert(aInvert); });
  }

  NS_IMETHOD GetThickness(PRUint16* aThickness) override {
    return Proxy::Forward([&] { return Real()->GetThickness(aThickness); });
  }

  NS_IMETHOD SetThickness(PRUint16 aThickness) override {
    return Proxy::Forward([&] { return Real()->SetThickness(aThickness); });
  }

  NS_IMETHOD DrawElementOutline(nsIDOMElement* aElement) override {
    return Proxy::Forward([&] { return Real()->DrawElementOutline(aElement); });
  }

  NS_IMETHOD RepaintElement(nsIDOMElement* aElement) override {
    return Proxy::Forward([&] { return Real()->RepaintElement(aElement); });
  }

  NS_IMETHOD ScrollElementIntoView(nsIDOMElement* aElement) override {
    return Proxy::Forward([&] { return Real()->ScrollElementIntoView(aElement); });
  }
};
XPCOM_PROXY_REGISTER(inIFlasher, IFlasherProxy)

}  // namespace
}  // namespace gecko
