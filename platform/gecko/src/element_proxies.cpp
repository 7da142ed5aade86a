// Synchronous XPCOM proxies for the event target and form control interfaces that
// other threads call on the UI thread (dispatching an event, setting a value, selecting
// an option through a UI-thread proxy): each method is carried to the proxy's thread
// while the caller waits.
#include "nsIDOMEventTarget.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMHTMLOptionElement.h"
#include "nsIDOMHTMLTextAreaElement.h"
#include "platform_internal/xpcom_proxy.h"

namespace gecko {
namespace {

class IDOMEventTargetProxy final : public xpcom::proxy::Proxy<nsIDOMEventTarget> {
 public:
  using Proxy::Proxy;

  NS_IMETHOD AddEventListener(const nsAString& type, nsIDOMEventListener* listener, PRBool useCapture) override {
    return Proxy::Forward([&] { return Real()->AddEventListener(type, listener, useCapture); });
  }

  NS_IMETHOD RemoveEventListener(const nsAString& type, nsIDOMEventListener* listener, PRBool useCapture) override {
    return Proxy::Forward([&] { return Real()->RemoveEventListener(type, listener, useCapture); });
  }

  NS_IMETHOD DispatchEvent(nsIDOMEvent* evt, PRBool* _retval) override {
    return Proxy::Forward([&] { return Real()->DispatchEvent(evt, _retval); });
  }
};
XPCOM_PROXY_REGISTER(nsIDOMEventTarget, IDOMEventTargetProxy)

class IDOMHTMLInputElementProxy final : public xpcom::proxy::Proxy<nsIDOMHTMLInputElement> {
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

  NS_IMETHOD SetAttributeNS(const nsAString& namespaceURI, const nsAString& qualifiedName,
                            const nsAString& value) override {
    return Proxy::Forward([&] { return Real()->SetAttributeNS(namespaceURI, qualifiedName, value); });
  }

  NS_IMETHOD RemoveAttributeNS(const nsAString& namespaceURI, const nsAString& localName) override {
    return Proxy::Forward([&] { return Real()->RemoveAttributeNS(namespaceURI, localName); });
  }

  NS_IMETHOD GetAttributeNodeNS(const nsAString& namespaceURI, const nsAString& localName,
                                nsIDOMAttr** _retval) override {
    return Proxy::Forward([&] { return Real()->GetAttributeNodeNS(namespaceURI, localName, _retval); });
  }

  NS_IMETHOD SetAttributeNodeNS(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) override {
    return Proxy::Forward([&] { return Real()->SetAttributeNodeNS(newAttr, _retval); });
  }

  NS_IMETHOD GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName,
                                    nsIDOMNodeList** _retval) override {
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

  NS_IMETHOD GetTitle(nsAString& aTitle) override {
    return Proxy::Forward([&] { return Real()->GetTitle(aTitle); });
  }

  NS_IMETHOD SetTitle(const nsAString& aTitle) override {
    return Proxy::Forward([&] { return Real()->SetTitle(aTitle); });
  }

  NS_IMETHOD GetLang(nsAString& aLang) override {
    return Proxy::Forward([&] { return Real()->GetLang(aLang); });
  }

  NS_IMETHOD SetLang(const nsAString& aLang) override {
    return Proxy::Forward([&] { return Real()->SetLang(aLang); });
  }

  NS_IMETHOD GetDir(nsAString& aDir) override {
    return Proxy::Forward([&] { return Real()->GetDir(aDir); });
  }

  NS_IMETHOD SetDir(const nsAString& aDir) override {
    return Proxy::Forward([&] { return Real()->SetDir(aDir); });
  }

  NS_IMETHOD GetClassName(nsAString& aClassName) override {
    return Proxy::Forward([&] { return Real()->GetClassName(aClassName); });
  }

  NS_IMETHOD SetClassName(const nsAString& aClassName) override {
    return Proxy::Forward([&] { return Real()->SetClassName(aClassName); });
  }

  NS_IMETHOD GetDefaultValue(nsAString& aDefaultValue) override {
    return Proxy::Forward([&] { return Real()->GetDefaultValue(aDefaultValue); });
  }

  NS_IMETHOD SetDefaultValue(const nsAString& aDefaultValue) override {
    return Proxy::Forward([&] { return Real()->SetDefaultValue(aDefaultValue); });
  }

  NS_IMETHOD GetDefaultChecked(PRBool* aDefaultChecked) override {
    return Proxy::Forward([&] { return Real()->GetDefaultChecked(aDefaultChecked); });
  }

  NS_IMETHOD SetDefaultChecked(PRBool aDefaultChecked) override {
    return Proxy::Forward([&] { return Real()->SetDefaultChecked(aDefaultChecked); });
  }

  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override {
    return Proxy::Forward([&] { return Real()->GetForm(aForm); });
  }

  NS_IMETHOD GetAccept(nsAString& aAccept) override {
    return Proxy::Forward([&] { return Real()->GetAccept(aAccept); });
  }

  NS_IMETHOD SetAccept(const nsAString& aAccept) override {
    return Proxy::Forward([&] { return Real()->SetAccept(aAccept); });
  }

  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) override {
    return Proxy::Forward([&] { return Real()->GetAccessKey(aAccessKey); });
  }

  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) override {
    return Proxy::Forward([&] { return Real()->SetAccessKey(aAccessKey); });
  }

  NS_IMETHOD GetAlign(nsAString& aAlign) override {
    return Proxy::Forward([&] { return Real()->GetAlign(aAlign); });
  }

  NS_IMETHOD SetAlign(const nsAString& aAlign) override {
    return Proxy::Forward([&] { return Real()->SetAlign(aAlign); });
  }

  NS_IMETHOD GetAlt(nsAString& aAlt) override {
    return Proxy::Forward([&] { return Real()->GetAlt(aAlt); });
  }

  NS_IMETHOD SetAlt(const nsAString& aAlt) override {
    return Proxy::Forward([&] { return Real()->SetAlt(aAlt); });
  }

  NS_IMETHOD GetChecked(PRBool* aChecked) override {
    return Proxy::Forward([&] { return Real()->GetChecked(aChecked); });
  }

  NS_IMETHOD SetChecked(PRBool aChecked) override {
    return Proxy::Forward([&] { return Real()->SetChecked(aChecked); });
  }

  NS_IMETHOD GetDisabled(PRBool* aDisabled) override {
    return Proxy::Forward([&] { return Real()->GetDisabled(aDisabled); });
  }

  NS_IMETHOD SetDisabled(PRBool aDisabled) override {
    return Proxy::Forward([&] { return Real()->SetDisabled(aDisabled); });
  }

  NS_IMETHOD GetMaxLength(PRInt32* aMaxLength) override {
    return Proxy::Forward([&] { return Real()->GetMaxLength(aMaxLength); });
  }

  NS_IMETHOD SetMaxLength(PRInt32 aMaxLength) override {
    return Proxy::Forward([&] { return Real()->SetMaxLength(aMaxLength); });
  }

  NS_IMETHOD GetName(nsAString& aName) override {
    return Proxy::Forward([&] { return Real()->GetName(aName); });
  }

  NS_IMETHOD SetName(const nsAString& aName) override {
    return Proxy::Forward([&] { return Real()->SetName(aName); });
  }

  NS_IMETHOD GetReadOnly(PRBool* aReadOnly) override {
    return Proxy::Forward([&] { return Real()->GetReadOnly(aReadOnly); });
  }

  NS_IMETHOD SetReadOnly(PRBool aReadOnly) override {
    return Proxy::Forward([&] { return Real()->SetReadOnly(aReadOnly); });
  }

  NS_IMETHOD GetSize(PRUint32* aSize) override {
    return Proxy::Forward([&] { return Real()->GetSize(aSize); });
  }

  NS_IMETHOD SetSize(PRUint32 aSize) override {
    return Proxy::Forward([&] { return Real()->SetSize(aSize); });
  }

  NS_IMETHOD GetSrc(nsAString& aSrc) override {
    return Proxy::Forward([&] { return Real()->GetSrc(aSrc); });
  }

  NS_IMETHOD SetSrc(const nsAString& aSrc) override {
    return Proxy::Forward([&] { return Real()->SetSrc(aSrc); });
  }

  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) override {
    return Proxy::Forward([&] { return Real()->GetTabIndex(aTabIndex); });
  }

  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) override {
    return Proxy::Forward([&] { return Real()->SetTabIndex(aTabIndex); });
  }

  NS_IMETHOD GetType(nsAString& aType) override {
    return Proxy::Forward([&] { return Real()->GetType(aType); });
  }

  NS_IMETHOD SetType(const nsAString& aType) override {
    return Proxy::Forward([&] { return Real()->SetType(aType); });
  }

  NS_IMETHOD GetUseMap(nsAString& aUseMap) override {
    return Proxy::Forward([&] { return Real()->GetUseMap(aUseMap); });
  }

  NS_IMETHOD SetUseMap(const nsAString& aUseMap) override {
    return Proxy::Forward([&] { return Real()->SetUseMap(aUseMap); });
  }

  NS_IMETHOD GetValue(nsAString& aValue) override {
    return Proxy::Forward([&] { return Real()->GetValue(aValue); });
  }

  NS_IMETHOD SetValue(const nsAString& aValue) override {
    return Proxy::Forward([&] { return Real()->SetValue(aValue); });
  }

  NS_IMETHOD Blur(void) override {
    return Proxy::Forward([&] { return Real()->Blur(); });
  }

  NS_IMETHOD Focus(void) override {
    return Proxy::Forward([&] { return Real()->Focus(); });
  }

  NS_IMETHOD Select(void) override {
    return Proxy::Forward([&] { return Real()->Select(); });
  }

  NS_IMETHOD Click(void) override {
    return Proxy::Forward([&] { return Real()->Click(); });
  }
};
XPCOM_PROXY_REGISTER(nsIDOMHTMLInputElement, IDOMHTMLInputElementProxy)

class IDOMHTMLTextAreaElementProxy final : public xpcom::proxy::Proxy<nsIDOMHTMLTextAreaElement> {
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

  NS_IMETHOD SetAttributeNS(const nsAString& namespaceURI, const nsAString& qualifiedName,
                            const nsAString& value) override {
    return Proxy::Forward([&] { return Real()->SetAttributeNS(namespaceURI, qualifiedName, value); });
  }

  NS_IMETHOD RemoveAttributeNS(const nsAString& namespaceURI, const nsAString& localName) override {
    return Proxy::Forward([&] { return Real()->RemoveAttributeNS(namespaceURI, localName); });
  }

  NS_IMETHOD GetAttributeNodeNS(const nsAString& namespaceURI, const nsAString& localName,
                                nsIDOMAttr** _retval) override {
    return Proxy::Forward([&] { return Real()->GetAttributeNodeNS(namespaceURI, localName, _retval); });
  }

  NS_IMETHOD SetAttributeNodeNS(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) override {
    return Proxy::Forward([&] { return Real()->SetAttributeNodeNS(newAttr, _retval); });
  }

  NS_IMETHOD GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName,
                                    nsIDOMNodeList** _retval) override {
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

  NS_IMETHOD GetTitle(nsAString& aTitle) override {
    return Proxy::Forward([&] { return Real()->GetTitle(aTitle); });
  }

  NS_IMETHOD SetTitle(const nsAString& aTitle) override {
    return Proxy::Forward([&] { return Real()->SetTitle(aTitle); });
  }

  NS_IMETHOD GetLang(nsAString& aLang) override {
    return Proxy::Forward([&] { return Real()->GetLang(aLang); });
  }

  NS_IMETHOD SetLang(const nsAString& aLang) override {
    return Proxy::Forward([&] { return Real()->SetLang(aLang); });
  }

  NS_IMETHOD GetDir(nsAString& aDir) override {
    return Proxy::Forward([&] { return Real()->GetDir(aDir); });
  }

  NS_IMETHOD SetDir(const nsAString& aDir) override {
    return Proxy::Forward([&] { return Real()->SetDir(aDir); });
  }

  NS_IMETHOD GetClassName(nsAString& aClassName) override {
    return Proxy::Forward([&] { return Real()->GetClassName(aClassName); });
  }

  NS_IMETHOD SetClassName(const nsAString& aClassName) override {
    return Proxy::Forward([&] { return Real()->SetClassName(aClassName); });
  }

  NS_IMETHOD GetDefaultValue(nsAString& aDefaultValue) override {
    return Proxy::Forward([&] { return Real()->GetDefaultValue(aDefaultValue); });
  }

  NS_IMETHOD SetDefaultValue(const nsAString& aDefaultValue) override {
    return Proxy::Forward([&] { return Real()->SetDefaultValue(aDefaultValue); });
  }

  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override {
    return Proxy::Forward([&] { return Real()->GetForm(aForm); });
  }

  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) override {
    return Proxy::Forward([&] { return Real()->GetAccessKey(aAccessKey); });
  }

  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) override {
    return Proxy::Forward([&] { return Real()->SetAccessKey(aAccessKey); });
  }

  NS_IMETHOD GetCols(PRInt32* aCols) override {
    return Proxy::Forward([&] { return Real()->GetCols(aCols); });
  }

  NS_IMETHOD SetCols(PRInt32 aCols) override {
    return Proxy::Forward([&] { return Real()->SetCols(aCols); });
  }

  NS_IMETHOD GetDisabled(PRBool* aDisabled) override {
    return Proxy::Forward([&] { return Real()->GetDisabled(aDisabled); });
  }

  NS_IMETHOD SetDisabled(PRBool aDisabled) override {
    return Proxy::Forward([&] { return Real()->SetDisabled(aDisabled); });
  }

  NS_IMETHOD GetName(nsAString& aName) override {
    return Proxy::Forward([&] { return Real()->GetName(aName); });
  }

  NS_IMETHOD SetName(const nsAString& aName) override {
    return Proxy::Forward([&] { return Real()->SetName(aName); });
  }

  NS_IMETHOD GetReadOnly(PRBool* aReadOnly) override {
    return Proxy::Forward([&] { return Real()->GetReadOnly(aReadOnly); });
  }

  NS_IMETHOD SetReadOnly(PRBool aReadOnly) override {
    return Proxy::Forward([&] { return Real()->SetReadOnly(aReadOnly); });
  }

  NS_IMETHOD GetRows(PRInt32* aRows) override {
    return Proxy::Forward([&] { return Real()->GetRows(aRows); });
  }

  NS_IMETHOD SetRows(PRInt32 aRows) override {
    return Proxy::Forward([&] { return Real()->SetRows(aRows); });
  }

  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) override {
    return Proxy::Forward([&] { return Real()->GetTabIndex(aTabIndex); });
  }

  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) override {
    return Proxy::Forward([&] { return Real()->SetTabIndex(aTabIndex); });
  }

  NS_IMETHOD GetType(nsAString& aType) override {
    return Proxy::Forward([&] { return Real()->GetType(aType); });
  }

  NS_IMETHOD GetValue(nsAString& aValue) override {
    return Proxy::Forward([&] { return Real()->GetValue(aValue); });
  }

  NS_IMETHOD SetValue(const nsAString& aValue) override {
    return Proxy::Forward([&] { return Real()->SetValue(aValue); });
  }

  NS_IMETHOD Blur(void) override {
    return Proxy::Forward([&] { return Real()->Blur(); });
  }

  NS_IMETHOD Focus(void) override {
    return Proxy::Forward([&] { return Real()->Focus(); });
  }

  NS_IMETHOD Select(void) override {
    return Proxy::Forward([&] { return Real()->Select(); });
  }
};
XPCOM_PROXY_REGISTER(nsIDOMHTMLTextAreaElement, IDOMHTMLTextAreaElementProxy)

class IDOMHTMLOptionElementProxy final : public xpcom::proxy::Proxy<nsIDOMHTMLOptionElement> {
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

  NS_IMETHOD SetAttributeNS(const nsAString& namespaceURI, const nsAString& qualifiedName,
                            const nsAString& value) override {
    return Proxy::Forward([&] { return Real()->SetAttributeNS(namespaceURI, qualifiedName, value); });
  }

  NS_IMETHOD RemoveAttributeNS(const nsAString& namespaceURI, const nsAString& localName) override {
    return Proxy::Forward([&] { return Real()->RemoveAttributeNS(namespaceURI, localName); });
  }

  NS_IMETHOD GetAttributeNodeNS(const nsAString& namespaceURI, const nsAString& localName,
                                nsIDOMAttr** _retval) override {
    return Proxy::Forward([&] { return Real()->GetAttributeNodeNS(namespaceURI, localName, _retval); });
  }

  NS_IMETHOD SetAttributeNodeNS(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) override {
    return Proxy::Forward([&] { return Real()->SetAttributeNodeNS(newAttr, _retval); });
  }

  NS_IMETHOD GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName,
                                    nsIDOMNodeList** _retval) override {
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

  NS_IMETHOD GetTitle(nsAString& aTitle) override {
    return Proxy::Forward([&] { return Real()->GetTitle(aTitle); });
  }

  NS_IMETHOD SetTitle(const nsAString& aTitle) override {
    return Proxy::Forward([&] { return Real()->SetTitle(aTitle); });
  }

  NS_IMETHOD GetLang(nsAString& aLang) override {
    return Proxy::Forward([&] { return Real()->GetLang(aLang); });
  }

  NS_IMETHOD SetLang(const nsAString& aLang) override {
    return Proxy::Forward([&] { return Real()->SetLang(aLang); });
  }

  NS_IMETHOD GetDir(nsAString& aDir) override {
    return Proxy::Forward([&] { return Real()->GetDir(aDir); });
  }

  NS_IMETHOD SetDir(const nsAString& aDir) override {
    return Proxy::Forward([&] { return Real()->SetDir(aDir); });
  }

  NS_IMETHOD GetClassName(nsAString& aClassName) override {
    return Proxy::Forward([&] { return Real()->GetClassName(aClassName); });
  }

  NS_IMETHOD SetClassName(const nsAString& aClassName) override {
    return Proxy::Forward([&] { return Real()->SetClassName(aClassName); });
  }

  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override {
    return Proxy::Forward([&] { return Real()->GetForm(aForm); });
  }

  NS_IMETHOD GetDefaultSelected(PRBool* aDefaultSelected) override {
    return Proxy::Forward([&] { return Real()->GetDefaultSelected(aDefaultSelected); });
  }

  NS_IMETHOD SetDefaultSelected(PRBool aDefaultSelected) override {
    return Proxy::Forward([&] { return Real()->SetDefaultSelected(aDefaultSelected); });
  }

  NS_IMETHOD GetText(nsAString& aText) override {
    return Proxy::Forward([&] { return Real()->GetText(aText); });
  }

  NS_IMETHOD GetIndex(PRInt32* aIndex) override {
    return Proxy::Forward([&] { return Real()->GetIndex(aIndex); });
  }

  NS_IMETHOD GetDisabled(PRBool* aDisabled) override {
    return Proxy::Forward([&] { return Real()->GetDisabled(aDisabled); });
  }

  NS_IMETHOD SetDisabled(PRBool aDisabled) override {
    return Proxy::Forward([&] { return Real()->SetDisabled(aDisabled); });
  }

  NS_IMETHOD GetLabel(nsAString& aLabel) override {
    return Proxy::Forward([&] { return Real()->GetLabel(aLabel); });
  }

  NS_IMETHOD SetLabel(const nsAString& aLabel) override {
    return Proxy::Forward([&] { return Real()->SetLabel(aLabel); });
  }

  NS_IMETHOD GetSelected(PRBool* aSelected) override {
    return Proxy::Forward([&] { return Real()->GetSelected(aSelected); });
  }

  NS_IMETHOD SetSelected(PRBool aSelected) override {
    return Proxy::Forward([&] { return Real()->SetSelected(aSelected); });
  }

  NS_IMETHOD GetValue(nsAString& aValue) override {
    return Proxy::Forward([&] { return Real()->GetValue(aValue); });
  }

  NS_IMETHOD SetValue(const nsAString& aValue) override {
    return Proxy::Forward([&] { return Real()->SetValue(aValue); });
  }
};
XPCOM_PROXY_REGISTER(nsIDOMHTMLOptionElement, IDOMHTMLOptionElementProxy)

}  // namespace
}  // namespace gecko
