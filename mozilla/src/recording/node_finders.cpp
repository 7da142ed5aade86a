// Finders over node trees and anonymous content: the buttons and text boxes of XUL
// dialogs, which live in the bindings of the dialog's elements rather than among its
// children, and the dialog's document itself.
#include <vector>

#include "dom_reading.h"
#include "nsIDOMDocument.h"
#include "nsIDOMDocumentXBL.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMNode.h"
#include "nsIDOMWindowInternal.h"
#include "nsIWindowMediator.h"
#include "nsPlayBackUtils.h"
#include "nsServiceManagerUtils.h"

namespace nsPlayBackUtils {

using namespace detail;

nsresult FindNodeByName(const nsAString& aNodeName, nsIDOMNodeList* aList, const nsAString& aAttribute,
                        const nsAString& aValue, nsIDOMNode** aNode) {
  if (!aNode) return NS_ERROR_NULL_POINTER;
  *aNode = nullptr;
  if (!aList) return NS_ERROR_FAILURE;
  // Pre-order, depth first, with the lists being walked kept on a stack of their own:
  // a deep tree costs memory, not the calling thread's stack.
  struct Level {
    nsCOMPtr<nsIDOMNodeList> nodes;
    PRUint32 next = 0;
    PRUint32 length = 0;
  };
  std::vector<Level> path;
  path.push_back(Level{aList, 0, lengthOf(aList)});
  while (!path.empty()) {
    Level& level = path.back();
    if (level.next >= level.length) {
      path.pop_back();
      continue;
    }
    nsCOMPtr<nsIDOMNode> node = itemOf(level.nodes, level.next++);
    if (!node) continue;
    nsString name;
    if (NS_FAILED(node->GetNodeName(name))) continue;
    if (name.Equals(aNodeName)) {
      // A node of that name is the answer or nothing: its own children are not searched.
      if (aAttribute.IsEmpty() || attributeOf(queryTo<nsIDOMElement>(node), aAttribute).Equals(aValue)) {
        node.forget(aNode);
        return NS_OK;
      }
      continue;
    }
    nsCOMPtr<nsIDOMNodeList> children;
    if (NS_SUCCEEDED(node->GetChildNodes(getter_AddRefs(children))) && children) {
      const PRUint32 length = lengthOf(children);
      if (length > 0) path.push_back(Level{children, 0, length});
    }
  }
  return NS_ERROR_FAILURE;
}

nsresult GetAnonymousNodes(nsIDOMElement* aElement, nsIDOMNodeList** aNodes) {
  if (!aNodes) return NS_ERROR_NULL_POINTER;
  *aNodes = nullptr;
  if (!aElement) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMDocument> owner;
  nsresult rv = aElement->GetOwnerDocument(getter_AddRefs(owner));
  if (NS_FAILED(rv)) return rv;
  nsCOMPtr<nsIDOMDocumentXBL> bindings = queryTo<nsIDOMDocumentXBL>(owner);
  if (!bindings) return NS_ERROR_FAILURE;
  return bindings->GetAnonymousNodes(aElement, aNodes);
}

nsresult GetRootAnonymousNodes(nsIDOMDocument* aDocument, nsIDOMNodeList** aNodes) {
  if (!aNodes) return NS_ERROR_NULL_POINTER;
  *aNodes = nullptr;
  if (!aDocument) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMElement> root;
  nsresult rv = aDocument->GetDocumentElement(getter_AddRefs(root));
  if (NS_FAILED(rv)) return rv;
  if (!root) return NS_ERROR_FAILURE;
  return GetAnonymousNodes(root, aNodes);
}

nsresult FindXULTextboxInput(nsIDOMDocument* aDocument, const nsAString& aId, nsIDOMElement** aInput) {
  if (!aInput) return NS_ERROR_NULL_POINTER;
  *aInput = nullptr;
  if (!aDocument) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMNodeList> textboxes;
  nsresult rv = GetElementsByTag(nsDependentString(u"textbox"), aDocument, getter_AddRefs(textboxes));
  if (NS_FAILED(rv)) return rv;
  const PRUint32 length = lengthOf(textboxes);
  for (PRUint32 i = 0; i < length; ++i) {
    nsCOMPtr<nsIDOMElement> textbox = queryTo<nsIDOMElement>(itemOf(textboxes, i));
    if (!textbox || !attributeOf(textbox, u"id").Equals(aId)) continue;
    nsCOMPtr<nsIDOMNodeList> parts;
    if (NS_FAILED(GetAnonymousNodes(textbox, getter_AddRefs(parts))) || !parts) continue;
    nsCOMPtr<nsIDOMNode> input;
    if (NS_FAILED(FindNodeByName(nsDependentString(u"html:input"), parts, EmptyString(), EmptyString(),
                                 getter_AddRefs(input)))) {
      continue;
    }
    nsCOMPtr<nsIDOMElement> element = queryTo<nsIDOMElement>(input);
    if (element) {
      element.forget(aInput);
      return NS_OK;
    }
  }
  return NS_ERROR_FAILURE;
}

nsresult GetDialogDocument(nsIDOMDocument** aDocument) {
  if (!aDocument) return NS_ERROR_NULL_POINTER;
  *aDocument = nullptr;
  nsresult rv = NS_OK;
  nsCOMPtr<nsIWindowMediator> mediator = do_GetService(NS_WINDOWMEDIATOR_CONTRACTID, &rv);
  if (NS_FAILED(rv)) return rv;
  if (!mediator) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMWindowInternal> window;
  rv = mediator->GetMostRecentWindow(nullptr, getter_AddRefs(window));
  if (NS_FAILED(rv)) return rv;
  if (!window) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMDocument> document;
  rv = window->GetDocument(getter_AddRefs(document));
  if (NS_FAILED(rv)) return rv;
  // A page is no dialog: only a XUL (or other non-HTML) document is handed out.
  if (!document || queryTo<nsIDOMHTMLDocument>(document)) return NS_ERROR_FAILURE;
  document.forget(aDocument);
  return NS_OK;
}

}  // namespace nsPlayBackUtils
