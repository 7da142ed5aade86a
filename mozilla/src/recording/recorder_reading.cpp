#include "recorder_reading.h"

#include "nsIBaseWindow.h"
#include "nsIDOMAbstractView.h"
#include "nsIDOMDocument.h"
#include "nsIDOMDocumentView.h"
#include "nsIDOMElement.h"
#include "nsIDOMHTMLElement.h"
#include "nsIDOMWindowCollection.h"
#include "nsIDocShell.h"
#include "nsMemory.h"

namespace recorder_reading {

using nsPlayBackUtils::detail::attributeOf;
using nsPlayBackUtils::detail::requestFrom;

nsString none(const nsAString& aText) { return nsPlayBackUtils::detail::noneWhenEmpty(aText); }

nsString nodeNameOf(nsIDOMNode* aNode) {
  nsString name;
  if (!aNode || NS_FAILED(aNode->GetNodeName(name))) name.Truncate();
  return name;
}

nsCOMPtr<nsIDOMNode> parentOf(nsIDOMNode* aNode) {
  nsCOMPtr<nsIDOMNode> parent;
  if (aNode) aNode->GetParentNode(getter_AddRefs(parent));
  return parent;
}

nsCOMPtr<nsIDOMNode> ancestorNamed(nsIDOMNode* aNode, const char* aName) {
  nsCOMPtr<nsIDOMNode> node = parentOf(aNode);
  while (node) {
    if (nodeNameOf(node).EqualsASCII(aName)) return node;
    node = parentOf(node);
  }
  return nullptr;
}

nsString idOf(nsISupports* aNode) {
  nsString id;
  nsCOMPtr<nsIDOMHTMLElement> html = queryTo<nsIDOMHTMLElement>(aNode);
  if (html && NS_SUCCEEDED(html->GetId(id))) return id;
  nsCOMPtr<nsIDOMElement> element = queryTo<nsIDOMElement>(aNode);
  return element ? attributeOf(element, u"id") : nsString();
}

nsCOMPtr<nsIDOMWindow> windowOf(nsIDOMNode* aNode) {
  if (!aNode) return nullptr;
  nsCOMPtr<nsIDOMDocument> document;
  aNode->GetOwnerDocument(getter_AddRefs(document));
  // A document is its own owner in this sense.
  if (!document) document = queryTo<nsIDOMDocument>(aNode);
  nsCOMPtr<nsIDOMDocumentView> view = queryTo<nsIDOMDocumentView>(document);
  if (!view) return nullptr;
  nsCOMPtr<nsIDOMAbstractView> abstract;
  view->GetDefaultView(getter_AddRefs(abstract));
  return queryTo<nsIDOMWindow>(abstract);
}

WindowValues windowValuesOf(nsIDOMWindow* aWindow) {
  WindowValues values;
  nsString name;
  if (aWindow && NS_FAILED(aWindow->GetName(name))) name.Truncate();
  values.name = none(name);
  values.title = none(shellTitleOf(aWindow));
  nsCOMPtr<nsIDOMWindow> top;
  if (aWindow) aWindow->GetTop(getter_AddRefs(top));
  values.parentTitle = top ? none(shellTitleOf(top)) : values.title;
  return values;
}

nsString windowBlock(const WindowValues& aValues) {
  nsString block;
  block.AppendLiteral("windowtitle:,:");
  block.Append(aValues.title);
  block.AppendLiteral(":;:windowname:,:");
  block.Append(aValues.name);
  block.AppendLiteral(":;:parenttitle:,:");
  block.Append(aValues.parentTitle);
  return block;
}

nsString dialogWindowBlock(nsIDOMNode* aNode) {
  nsString block;
  block.AppendLiteral("windowtitle:,:");
  block.Append(none(shellTitleOf(windowOf(aNode))));
  block.AppendLiteral(":;:windowname:,:NONE:;:parenttitle:,:NONE");
  return block;
}

nsString tooltipBlock(nsIDOMNode* aNode) {
  nsCOMPtr<nsIDOMElement> element = queryTo<nsIDOMElement>(aNode);
  nsString block;
  block.AppendLiteral(":;:tooltip:,:");
  block.Append(none(element ? attributeOf(element, u"title") : nsString()));
  block.AppendLiteral(":;:");
  return block;
}

PRUint32 frameCount(nsIDOMWindow* aWindow) {
  nsCOMPtr<nsIDOMWindowCollection> frames;
  PRUint32 length = 0;
  if (aWindow && NS_SUCCEEDED(aWindow->GetFrames(getter_AddRefs(frames))) && frames &&
      NS_FAILED(frames->GetLength(&length)))
    length = 0;
  return length;
}

nsCOMPtr<nsIDOMWindow> frameAt(nsIDOMWindow* aWindow, PRUint32 aIndex) {
  nsCOMPtr<nsIDOMWindowCollection> frames;
  nsCOMPtr<nsIDOMWindow> frame;
  if (aWindow && NS_SUCCEEDED(aWindow->GetFrames(getter_AddRefs(frames))) && frames)
    frames->Item(aIndex, getter_AddRefs(frame));
  return frame;
}

}  // namespace recorder_reading
