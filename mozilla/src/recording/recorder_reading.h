// What the recorder reads of nodes and windows, shared by its event rules and its
// checkpoint code. Every reader answers a value; a failing call reads as nothing.
#pragma once

#include "dom_reading.h"
#include "nsIDOMNode.h"
#include "nsIDOMWindow.h"
#include "nsRecorderImpl.h"
#include "nsString.h"

namespace recorder_reading {

using nsPlayBackUtils::detail::queryTo;

nsString nodeNameOf(nsIDOMNode* aNode);
nsCOMPtr<nsIDOMNode> parentOf(nsIDOMNode* aNode);
// The first ancestor named `aName` (the node itself excluded); null when none.
nsCOMPtr<nsIDOMNode> ancestorNamed(nsIDOMNode* aNode, const char* aName);
// The id property of an HTML element, else its "id" attribute.
nsString idOf(nsISupports* aNode);
// The window showing the node's document (its default view); null when none.
nsCOMPtr<nsIDOMWindow> windowOf(nsIDOMNode* aNode);
using nsPlayBackUtils::detail::shellTitleOf;
WindowValues windowValuesOf(nsIDOMWindow* aWindow);
// "windowtitle:,:T:;:windowname:,:N:;:parenttitle:,:P"
nsString windowBlock(const WindowValues& aValues);
// The same block for a dialog: its title, and "NONE" for name and parent title.
nsString dialogWindowBlock(nsIDOMNode* aNode);
// ":;:tooltip:,:TITLE:;:" with the element's "title" attribute.
nsString tooltipBlock(nsIDOMNode* aNode);
// The frames of a window, in order.
PRUint32 frameCount(nsIDOMWindow* aWindow);
nsCOMPtr<nsIDOMWindow> frameAt(nsIDOMWindow* aWindow, PRUint32 aIndex);
using nsPlayBackUtils::detail::replaceBreaks;
nsString none(const nsAString& aText);

}  // namespace recorder_reading
