// Forward declarations of the DOM interfaces (Gecko 1.7 domstubs.h), so that an
// interface header names the others without including them.
#pragma once

#include "nsAString.h"
#include "nsISupports.h"

class nsIDOMAttr;
class nsIDOMCDATASection;
class nsIDOMComment;
class nsIDOMDOMImplementation;
class nsIDOMDocument;
class nsIDOMDocumentFragment;
class nsIDOMDocumentType;
class nsIDOMElement;
class nsIDOMEntityReference;
class nsIDOMHTMLCollection;
class nsIDOMHTMLElement;
class nsIDOMNamedNodeMap;
class nsIDOMNode;
class nsIDOMNodeList;
class nsIDOMProcessingInstruction;
class nsIDOMText;
class nsIDOMUserDataHandler;
class nsIVariant;
class nsIDOMAbstractView;
class nsIDOMBarProp;
class nsIDOMCrypto;
class nsIDOMDocumentView;
class nsIDOMEvent;
class nsIDOMEventListener;
class nsIDOMEventTarget;
class nsIDOMHistory;
class nsIDOMLocation;
class nsIDOMNavigator;
class nsIDOMPkcs11;
class nsIDOMRange;
class nsIDOMScreen;
class nsIDOMWindow;
class nsIDOMWindowCollection;
class nsIDOMWindowInternal;
class nsIControllers;
class nsIPrompt;
class nsISelection;

typedef PRUint64 DOMTimeStamp;
