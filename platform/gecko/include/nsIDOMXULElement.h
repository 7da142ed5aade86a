// nsIDOMXULElement (Gecko 1.7 dom/public/idl/xul/nsIDOMXULElement.idl).
#pragma once

#include "nsIDOMElement.h"

class nsIBoxObject;
class nsIControllers;
class nsIDOMCSSStyleDeclaration;
class nsIRDFCompositeDataSource;
class nsIRDFResource;
class nsIXULTemplateBuilder;

#define NS_IDOMXULELEMENT_IID \
  { 0x0574ed81, 0xc088, 0x11d2, { 0x96, 0xed, 0x00, 0x10, 0x4b, 0x7b, 0x7d, 0xeb } }

class NS_NO_VTABLE nsIDOMXULElement : public nsIDOMElement {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMXULELEMENT_IID)
  NS_IMETHOD GetId(nsAString& aId) = 0;
  NS_IMETHOD SetId(const nsAString& aId) = 0;
  NS_IMETHOD GetClassName(nsAString& aClassName) = 0;
  NS_IMETHOD SetClassName(const nsAString& aClassName) = 0;
  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;
  NS_IMETHOD GetDir(nsAString& aDir) = 0;
  NS_IMETHOD SetDir(const nsAString& aDir) = 0;
  NS_IMETHOD GetFlex(nsAString& aFlex) = 0;
  NS_IMETHOD SetFlex(const nsAString& aFlex) = 0;
  NS_IMETHOD GetFlexGroup(nsAString& aFlexGroup) = 0;
  NS_IMETHOD SetFlexGroup(const nsAString& aFlexGroup) = 0;
  NS_IMETHOD GetOrdinal(nsAString& aOrdinal) = 0;
  NS_IMETHOD SetOrdinal(const nsAString& aOrdinal) = 0;
  NS_IMETHOD GetOrient(nsAString& aOrient) = 0;
  NS_IMETHOD SetOrient(const nsAString& aOrient) = 0;
  NS_IMETHOD GetPack(nsAString& aPack) = 0;
  NS_IMETHOD SetPack(const nsAString& aPack) = 0;
  NS_IMETHOD GetHidden(PRBool* aHidden) = 0;
  NS_IMETHOD SetHidden(PRBool aHidden) = 0;
  NS_IMETHOD GetCollapsed(PRBool* aCollapsed) = 0;
  NS_IMETHOD SetCollapsed(PRBool aCollapsed) = 0;
  NS_IMETHOD GetObserves(nsAString& aObserves) = 0;
  NS_IMETHOD SetObserves(const nsAString& aObserves) = 0;
  NS_IMETHOD GetMenu(nsAString& aMenu) = 0;
  NS_IMETHOD SetMenu(const nsAString& aMenu) = 0;
  NS_IMETHOD GetContextMenu(nsAString& aContextMenu) = 0;
  NS_IMETHOD SetContextMenu(const nsAString& aContextMenu) = 0;
  NS_IMETHOD GetTooltip(nsAString& aTooltip) = 0;
  NS_IMETHOD SetTooltip(const nsAString& aTooltip) = 0;
  NS_IMETHOD GetWidth(nsAString& aWidth) = 0;
  NS_IMETHOD SetWidth(const nsAString& aWidth) = 0;
  NS_IMETHOD GetHeight(nsAString& aHeight) = 0;
  NS_IMETHOD SetHeight(const nsAString& aHeight) = 0;
  NS_IMETHOD GetMinWidth(nsAString& aMinWidth) = 0;
  NS_IMETHOD SetMinWidth(const nsAString& aMinWidth) = 0;
  NS_IMETHOD GetMinHeight(nsAString& aMinHeight) = 0;
  NS_IMETHOD SetMinHeight(const nsAString& aMinHeight) = 0;
  NS_IMETHOD GetMaxWidth(nsAString& aMaxWidth) = 0;
  NS_IMETHOD SetMaxWidth(const nsAString& aMaxWidth) = 0;
  NS_IMETHOD GetMaxHeight(nsAString& aMaxHeight) = 0;
  NS_IMETHOD SetMaxHeight(const nsAString& aMaxHeight) = 0;
  NS_IMETHOD GetPersist(nsAString& aPersist) = 0;
  NS_IMETHOD SetPersist(const nsAString& aPersist) = 0;
  NS_IMETHOD GetLeft(nsAString& aLeft) = 0;
  NS_IMETHOD SetLeft(const nsAString& aLeft) = 0;
  NS_IMETHOD GetTop(nsAString& aTop) = 0;
  NS_IMETHOD SetTop(const nsAString& aTop) = 0;
  NS_IMETHOD GetDatasources(nsAString& aDatasources) = 0;
  NS_IMETHOD SetDatasources(const nsAString& aDatasources) = 0;
  NS_IMETHOD GetRef(nsAString& aRef) = 0;
  NS_IMETHOD SetRef(const nsAString& aRef) = 0;
  NS_IMETHOD GetTooltipText(nsAString& aTooltipText) = 0;
  NS_IMETHOD SetTooltipText(const nsAString& aTooltipText) = 0;
  NS_IMETHOD GetStatusText(nsAString& aStatusText) = 0;
  NS_IMETHOD SetStatusText(const nsAString& aStatusText) = 0;
  NS_IMETHOD GetAllowEvents(PRBool* aAllowEvents) = 0;
  NS_IMETHOD SetAllowEvents(PRBool aAllowEvents) = 0;
  NS_IMETHOD GetStyle(nsIDOMCSSStyleDeclaration** aStyle) = 0;
  NS_IMETHOD GetDatabase(nsIRDFCompositeDataSource** aDatabase) = 0;
  NS_IMETHOD GetBuilder(nsIXULTemplateBuilder** aBuilder) = 0;
  NS_IMETHOD GetResource(nsIRDFResource** aResource) = 0;
  NS_IMETHOD GetControllers(nsIControllers** aControllers) = 0;
  NS_IMETHOD GetBoxObject(nsIBoxObject** aBoxObject) = 0;
  NS_IMETHOD Focus(void) = 0;
  NS_IMETHOD Blur(void) = 0;
  NS_IMETHOD Click(void) = 0;
  NS_IMETHOD DoCommand(void) = 0;
  NS_IMETHOD GetElementsByAttribute(const nsAString& name, const nsAString& value, nsIDOMNodeList** _retval) = 0;

 protected:
  ~nsIDOMXULElement() = default;
};
