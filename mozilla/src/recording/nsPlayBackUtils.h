// nsPlayBackUtils: the component's free-standing DOM operations, shared by recording,
// playback and checkpoint validation. Playback reads its command documents with them and
// finds the recorded element, frame, window or dialog again; the recorder and the
// checkpoint code use the window, dialog and thread operations.
//
// The matching rules here are the counterpart of the recorder's: a value the recorder
// writes into a line (an element's name, text, address or its index among like elements)
// is what these finders look for, so both sides must change together.
//
// All texts are UTF-16. Every operation answers an XPCOM result code; a found object
// comes back through the out parameter holding one reference, and an operation that
// finds nothing leaves the out parameter null. Nothing here keeps state: each call gets
// the services it needs and lets go of everything before it returns.
//
// Threads: the finders and matchers run on the calling thread (a playback action thread,
// the connection thread); the DOM objects carry each call to the browser's UI thread
// themselves. Only what must run on the UI thread goes through a synchronous proxy:
// the hover events of FindImageByProperty and the focus of FocusContentWindow.
#pragma once

#include "nsCOMPtr.h"
#include "nsString.h"
#include "prtypes.h"

class ClientSocket;
class nsIDocShell;
class nsIDOMDocument;
class nsIDOMElement;
class nsIDOMEvent;
class nsIDOMHTMLAnchorElement;
class nsIDOMHTMLDocument;
class nsIDOMHTMLImageElement;
class nsIDOMNode;
class nsIDOMNodeList;
class nsIDOMWindow;
class nsIEventQueue;

namespace nsPlayBackUtils {

// ---- matching

// NS_OK when `aActual` matches `aExpected` under `aCondition` ("equals", "starts with",
// "ends with"; any other word, other capitals included, never matches), else
// NS_ERROR_FAILURE. Every "VK_RETURN" in the expected text stands for one line feed.
// Comparisons are case-sensitive, in UTF-16 units.
nsresult MatchCondition(const nsAString& aActual, const nsAString& aExpected, const nsAString& aCondition);

// ---- command documents and events

// Parses a play command with the DOM parser as "text/xml" and gives its root element.
// Text that is not well formed gives the parser's error document, whose root is given
// like any other. No root: NS_ERROR_OUT_OF_MEMORY.
nsresult ParseCommandDocument(const nsAString& aXml, nsIDOMElement** aRoot);

// A new event of `aModule` ("Events", "MouseEvents", ...) made by `aDocument`, initialised
// as `aType`, bubbling and cancelable, not dispatched. NS_ERROR_FAILURE when the document
// makes none.
nsresult CreateDOMEvent(const nsAString& aModule, const nsAString& aType, nsIDOMDocument* aDocument,
                        nsIDOMEvent** aEvent);

// The command's "index" attribute read as atoi reads it (leading digits after an optional
// sign; 0 when absent or not a number), held within PRInt32. Always NS_OK but for a null
// argument.
nsresult GetIndexAttribute(nsIDOMElement* aCommand, PRInt32* aIndex);

// The document's elements named `aTag`, in document order. No list: NS_ERROR_OUT_OF_MEMORY.
nsresult GetElementsByTag(const nsAString& aTag, nsIDOMDocument* aDocument, nsIDOMNodeList** aList);

// ---- element finders (the index is 0-based among the candidates that pass every test)

// The form-field, map and cell finder: the `aIndex`-th element named `aTag` whose kind is
// `aType` and whose attribute `aAttribute` equals `aExpected`. Looking by anything but
// "id", elements that have an id are passed over (they are found by their id). The kind
// is the select's type for SELECT, "cell" for TD, "textarea" for TEXTAREA, else the
// "type" attribute ("text" for an INPUT without one). An empty value reads as the "value"
// attribute for the button kinds, and as "NONE" when still empty.
nsresult FindElementByAttribute(PRInt32 aIndex, const nsAString& aAttribute, const nsAString& aExpected,
                                const nsAString& aTag, const nsAString& aType, nsIDOMDocument* aDocument,
                                nsIDOMElement** aElement);

// The `aIndex`-th DIV whose text ("name") or id ("id") equals the command's attribute of
// that property name.
nsresult FindDivByProperty(PRInt32 aIndex, const nsAString& aProperty, nsIDOMElement* aCommand,
                           nsIDOMDocument* aDocument, nsIDOMElement** aDiv);

// The `aIndex`-th link (A with an address) whose text ("innertext": line breaks as
// blanks, "NONE" when empty, links with an id passed over) or id ("id") equals the
// command's attribute of that property name.
nsresult FindLinkByProperty(PRInt32 aIndex, const nsAString& aProperty, nsIDOMElement* aCommand,
                            nsIDOMHTMLDocument* aDocument, nsIDOMHTMLAnchorElement** aLink);

// The `aIndex`-th image whose id ("id") or picture ("source") equals the command's
// attribute of that property name. Pictures are compared as the image shows them under
// the mouse: each image is hovered (mouseover, read src, mouseout) on the UI thread, so a
// roll-over image is found by its roll-over picture, as the recorder saw it.
nsresult FindImageByProperty(PRInt32 aIndex, const nsAString& aProperty, nsIDOMElement* aCommand,
                             nsIDOMHTMLDocument* aDocument, nsIDOMHTMLImageElement** aImage);

// Depth-first, pre-order over the nodes of `aList` and their children: the first node
// named `aNodeName` whose attribute `aAttribute` equals `aValue` (no attribute test when
// `aAttribute` is empty). A node with the name but not the attribute is neither taken
// nor searched further.
nsresult FindNodeByName(const nsAString& aNodeName, nsIDOMNodeList* aList, const nsAString& aAttribute,
                        const nsAString& aValue, nsIDOMNode** aNode);

// The anonymous (binding) child nodes of the element, or of the document's root element.
// NS_OK with a null list when the element shows none.
nsresult GetAnonymousNodes(nsIDOMElement* aElement, nsIDOMNodeList** aNodes);
nsresult GetRootAnonymousNodes(nsIDOMDocument* aDocument, nsIDOMNodeList** aNodes);

// The "html:input" inside the XUL "textbox" whose id is `aId`.
nsresult FindXULTextboxInput(nsIDOMDocument* aDocument, const nsAString& aId, nsIDOMElement** aInput);

// The document of the window mediator's most recent window when it is not an HTML
// document (a XUL dialog); NS_ERROR_FAILURE otherwise.
nsresult GetDialogDocument(nsIDOMDocument** aDocument);

// ---- frames and windows ("NONE" as an expected name skips that test)

// `aWindow` itself for "NONE"; else the first frame, depth first, whose name matches; a
// window without frames is tested by its own name.
nsresult FindFrameByName(const nsAString& aName, nsIDOMWindow* aWindow, const nsAString& aCondition,
                         nsIDOMWindow** aFrame);

// NS_OK when the title of the window's HTML document ("NONE" when empty) matches.
nsresult MatchDocumentTitle(nsIDOMWindow* aWindow, const nsAString& aTitle, const nsAString& aCondition);

// The unnamed window or frame, depth first through named frames, whose document title
// matches. Nothing found leaves `aFrame` null (callers test it, not the result).
nsresult FindFrameByTitle(nsIDOMWindow* aWindow, const nsAString& aTitle, const nsAString& aCondition,
                          nsIDOMWindow** aFrame);

// The content docshell of the browser window a recorded line names, over the window
// mediator's XUL windows in their order. With `aFirstOnly`, the first window's. The
// first window whose page title passes the window-title test decides when the frame name
// is "NONE" (a title mismatch then ends the search with NS_ERROR_FAILURE), and so does a
// window without the named frame. Windows exhausted: NS_OK with a null shell.
nsresult FindBrowserWindow(PRBool aFirstOnly, const nsAString& aWindowTitle, const nsAString& aFrameName,
                           const nsAString& aDocumentTitle, const nsAString& aTitleCondition,
                           const nsAString& aDocumentTitleCondition, const nsAString& aFrameCondition,
                           nsIDocShell** aShell);

// ---- UI thread and replies

// The UI thread's event queue, the destination of every synchronous proxy.
nsresult GetUIEventQueue(nsIEventQueue** aQueue);

// Focuses the docshell's DOM window on the UI thread, waiting for it; focus's result.
nsresult FocusContentWindow(nsIDocShell* aShell);

// Sends <message status="STATUS" debugMessage="DEBUG"/> and a line feed to the host,
// the values as given. NS_ERROR_FAILURE when the text could not be sent.
nsresult SendStatusMessage(const nsAString& aStatus, const nsAString& aDebugMessage, ClientSocket& aSocket);

}  // namespace nsPlayBackUtils
