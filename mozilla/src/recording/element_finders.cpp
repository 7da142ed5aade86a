// The element finders: one indexed scan over candidates, driven by what each finder
// reads of a candidate. A candidate either takes no part (passed over, not counted) or
// gives the value compared with the expected one; equal values are counted, and the
// candidate whose count is the index is the result.
//
// These rules are the recorder's index rule seen from the other side: whatever the
// recorder passes over or counts for a line, the finder passes over or counts too.
#include <functional>

#include "dom_reading.h"
#include "nsIDOMDocument.h"
#include "nsIDOMEvent.h"
#include "nsIDOMEventTarget.h"
#include "nsIDOMHTMLAnchorElement.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMHTMLImageElement.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsPlayBackUtils.h"

namespace nsPlayBackUtils {

using namespace detail;

namespace {

// What a finder reads of one candidate: false to pass it over, else true with the value
// to compare in `aValue`. May fail (a hover that cannot be done): the scan stops with
// that result.
using CandidateReader = std::function<nsresult(nsIDOMElement* aCandidate, bool& aTakesPart, nsString& aValue)>;

template <class List>
nsresult pickIndexed(List* aCandidates, PRInt32 aIndex, const nsAString& aExpected, const CandidateReader& aRead,
                     nsCOMPtr<nsIDOMElement>& aFound) {
  aFound = nullptr;
  if (aIndex < 0) return NS_ERROR_FAILURE;
  PRInt32 counted = 0;
  const PRUint32 length = lengthOf(aCandidates);
  for (PRUint32 i = 0; i < length; ++i) {
    nsCOMPtr<nsIDOMElement> candidate = queryTo<nsIDOMElement>(itemOf(aCandidates, i));
    if (!candidate) continue;
    bool takesPart = false;
    nsString value;
    nsresult rv = aRead(candidate, takesPart, value);
    if (NS_FAILED(rv)) return rv;
    if (!takesPart || !value.Equals(aExpected)) continue;
    if (counted == aIndex) {
      aFound = candidate;
      return NS_OK;
    }
    ++counted;
  }
  return NS_ERROR_FAILURE;
}

bool isTag(const nsAString& aTag, const char* aName) { return aTag.EqualsIgnoreCase(NS_ConvertASCIItoUTF16(aName)); }

// The kind an element counts as for the form-field finder.
nsString kindOf(nsIDOMElement* aElement, const nsAString& aTag) {
  nsString kind;
  if (isTag(aTag, "SELECT")) {
    nsCOMPtr<nsIDOMHTMLSelectElement> select = queryTo<nsIDOMHTMLSelectElement>(aElement);
    if (select && NS_FAILED(select->GetType(kind))) kind.Truncate();
  } else if (isTag(aTag, "TD")) {
    kind.AssignLiteral("cell");
  } else if (isTag(aTag, "TEXTAREA")) {
    kind.AssignLiteral("textarea");
  } else {
    kind = attributeOf(aElement, u"type");
    if (kind.IsEmpty() && isTag(aTag, "INPUT")) kind.AssignLiteral("text");
  }
  return kind;
}

bool isButtonKind(const nsAString& aKind) {
  return aKind.EqualsLiteral("radio") || aKind.EqualsLiteral("checkbox") || aKind.EqualsLiteral("button") ||
         aKind.EqualsLiteral("submit") || aKind.EqualsLiteral("reset");
}

// The expected value of a property-driven finder: the command's attribute of that name.
nsString expectedFrom(nsIDOMElement* aCommand, const nsAString& aProperty) { return attributeOf(aCommand, aProperty); }

// Hovers one image on the UI thread as a mouse would and reads the picture it shows
// meanwhile: mouseover, src, mouseout.
class ImageHover {
 public:
  explicit ImageHover(nsIDOMDocument* aDocument) : mDocument(aDocument) {}

  nsresult pictureUnderMouse(nsIDOMElement* aImage, nsString& aSource) {
    aSource.Truncate();
    nsCOMPtr<nsIDOMHTMLImageElement> image = queryTo<nsIDOMHTMLImageElement>(aImage);
    nsCOMPtr<nsIDOMEventTarget> target = queryTo<nsIDOMEventTarget>(aImage);
    if (!image || !target) return NS_ERROR_FAILURE;
    nsCOMPtr<nsIDOMEventTarget> proxy;
    nsresult rv = mProxies.make(target.get(), PROXY_SYNC | PROXY_ALWAYS, proxy);
    if (NS_FAILED(rv)) return rv;
    rv = fire(proxy, u"mouseover");
    if (NS_FAILED(rv)) return rv;
    rv = image->GetSrc(aSource);
    // The mouse leaves even when the picture could not be read.
    const nsresult left = fire(proxy, u"mouseout");
    return NS_FAILED(rv) ? rv : left;
  }

 private:
  nsresult fire(nsIDOMEventTarget* aProxy, const PRUnichar* aType) {
    nsCOMPtr<nsIDOMEvent> event;
    nsresult rv =
        CreateDOMEvent(nsDependentString(u"MouseEvents"), nsDependentString(aType), mDocument, getter_AddRefs(event));
    if (NS_FAILED(rv)) return rv;
    PRBool notCancelled = PR_TRUE;
    return aProxy->DispatchEvent(event, &notCancelled);
  }

  nsIDOMDocument* mDocument;
  UiThreadProxies mProxies;
};

}  // namespace

nsresult FindElementByAttribute(PRInt32 aIndex, const nsAString& aAttribute, const nsAString& aExpected,
                                const nsAString& aTag, const nsAString& aType, nsIDOMDocument* aDocument,
                                nsIDOMElement** aElement) {
  if (!aElement) return NS_ERROR_NULL_POINTER;
  *aElement = nullptr;
  if (!aDocument) return NS_ERROR_FAILURE;
  const bool byId = aAttribute.EqualsLiteral("id");
  // An element without an id is not one that an empty id names.
  if (byId && aExpected.IsEmpty()) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMNodeList> candidates;
  nsresult rv = GetElementsByTag(aTag, aDocument, getter_AddRefs(candidates));
  if (NS_FAILED(rv)) return rv;

  const nsString attribute(aAttribute);
  const nsString expected = withLineBreaks(aExpected);
  const bool bySource = aAttribute.EqualsLiteral("src");
  const CandidateReader read = [&](nsIDOMElement* candidate, bool& takesPart, nsString& value) -> nsresult {
    value = attributeOf(candidate, attribute);
    // An image button's recorded source is its address as the element resolves it
    // (GetSrc), while the attribute holds it as written, often relative: either names it.
    if (bySource && !value.Equals(expected)) {
      nsCOMPtr<nsIDOMHTMLInputElement> input = queryTo<nsIDOMHTMLInputElement>(candidate);
      nsString resolved;
      if (input && NS_SUCCEEDED(input->GetSrc(resolved)) && resolved.Equals(expected)) value = resolved;
    }
    // Elements that have an id are found by their id, never by another property.
    takesPart = (byId || !hasAttribute(candidate, u"id")) && kindOf(candidate, aTag).Equals(aType);
    if (takesPart && !byId && value.IsEmpty()) {
      // A button without the property is known by its caption; any other empty
      // property is written "NONE" in a recorded line.
      if (isButtonKind(aType)) value = attributeOf(candidate, u"value");
      value = noneWhenEmpty(value);
    }
    return NS_OK;
  };
  nsCOMPtr<nsIDOMElement> found;
  rv = pickIndexed(candidates.get(), aIndex, expected, read, found);
  if (NS_FAILED(rv)) return rv;
  found.forget(aElement);
  return NS_OK;
}

nsresult FindDivByProperty(PRInt32 aIndex, const nsAString& aProperty, nsIDOMElement* aCommand,
                           nsIDOMDocument* aDocument, nsIDOMElement** aDiv) {
  if (!aDiv) return NS_ERROR_NULL_POINTER;
  *aDiv = nullptr;
  if (!aDocument) return NS_ERROR_FAILURE;
  const bool byText = aProperty.EqualsLiteral("name");
  // A property the finder does not know names no DIV (rather than every DIV).
  if (!byText && !aProperty.EqualsLiteral("id")) return NS_ERROR_FAILURE;
  const nsString expected = expectedFrom(aCommand, aProperty);
  if (!byText && expected.IsEmpty()) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMNodeList> candidates;
  nsresult rv = GetElementsByTag(nsDependentString(u"DIV"), aDocument, getter_AddRefs(candidates));
  if (NS_FAILED(rv)) return rv;

  const CandidateReader read = [&](nsIDOMElement* candidate, bool& takesPart, nsString& value) -> nsresult {
    if (byText) {
      // As the recorder counts DIVs: those with an id are known by it, and an empty
      // text is written "NONE".
      takesPart = !hasAttribute(candidate, u"id");
      value = noneWhenEmpty(textContentOf(candidate));
    } else {
      takesPart = true;
      value = attributeOf(candidate, u"id");
    }
    return NS_OK;
  };
  nsCOMPtr<nsIDOMElement> found;
  rv = pickIndexed(candidates.get(), aIndex, expected, read, found);
  if (NS_FAILED(rv)) return rv;
  found.forget(aDiv);
  return NS_OK;
}

nsresult FindLinkByProperty(PRInt32 aIndex, const nsAString& aProperty, nsIDOMElement* aCommand,
                            nsIDOMHTMLDocument* aDocument, nsIDOMHTMLAnchorElement** aLink) {
  if (!aLink) return NS_ERROR_NULL_POINTER;
  *aLink = nullptr;
  if (!aDocument) return NS_ERROR_FAILURE;
  const bool byText = aProperty.EqualsLiteral("innertext");
  if (!byText && !aProperty.EqualsLiteral("id")) return NS_ERROR_FAILURE;
  const nsString expected = expectedFrom(aCommand, aProperty);
  if (!byText && expected.IsEmpty()) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMHTMLCollection> links;
  nsresult rv = aDocument->GetLinks(getter_AddRefs(links));
  if (NS_FAILED(rv)) return rv;

  const CandidateReader read = [&](nsIDOMElement* candidate, bool& takesPart, nsString& value) -> nsresult {
    // The links collection holds image-map areas too; the recorder counts anchors only,
    // and an area could not be handed out as an anchor.
    takesPart = queryTo<nsIDOMHTMLAnchorElement>(candidate) != nullptr;
    if (byText) {
      takesPart = takesPart && !hasAttribute(candidate, u"id");
      value = noneWhenEmpty(textContentOf(candidate));
      value.ReplaceChar('\n', ' ');
      value.ReplaceChar('\r', ' ');
    } else {
      value = attributeOf(candidate, u"id");
    }
    return NS_OK;
  };
  nsCOMPtr<nsIDOMElement> found;
  rv = pickIndexed(links.get(), aIndex, expected, read, found);
  if (NS_FAILED(rv)) return rv;
  nsCOMPtr<nsIDOMHTMLAnchorElement> anchor = queryTo<nsIDOMHTMLAnchorElement>(found);
  if (!anchor) {
    warn("NS_ENSURE_TRUE(selectedElement) failed");
    return NS_ERROR_OUT_OF_MEMORY;
  }
  anchor.forget(aLink);
  return NS_OK;
}

nsresult FindImageByProperty(PRInt32 aIndex, const nsAString& aProperty, nsIDOMElement* aCommand,
                             nsIDOMHTMLDocument* aDocument, nsIDOMHTMLImageElement** aImage) {
  if (!aImage) return NS_ERROR_NULL_POINTER;
  *aImage = nullptr;
  if (!aDocument) return NS_ERROR_FAILURE;
  const bool byId = aProperty.EqualsLiteral("id");
  const bool bySource = aProperty.EqualsLiteral("source");
  if (!byId && !bySource) return NS_ERROR_FAILURE;
  const nsString expected = expectedFrom(aCommand, aProperty);
  if (byId && expected.IsEmpty()) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMHTMLCollection> images;
  nsresult rv = aDocument->GetImages(getter_AddRefs(images));
  if (NS_FAILED(rv)) return rv;

  ImageHover hover(aDocument);
  const CandidateReader read = [&](nsIDOMElement* candidate, bool& takesPart, nsString& value) -> nsresult {
    if (byId) {
      // Compared by id alone: hovering every other image would run the page's
      // mouse-over scripts for nothing.
      takesPart = true;
      value = attributeOf(candidate, u"id");
      return NS_OK;
    }
    takesPart = !hasAttribute(candidate, u"id");
    return takesPart ? hover.pictureUnderMouse(candidate, value) : NS_OK;
  };
  nsCOMPtr<nsIDOMElement> found;
  rv = pickIndexed(images.get(), aIndex, expected, read, found);
  if (NS_FAILED(rv)) return rv;
  nsCOMPtr<nsIDOMHTMLImageElement> image = queryTo<nsIDOMHTMLImageElement>(found);
  if (!image) {
    warn("NS_ENSURE_TRUE(selectedElement) failed");
    return NS_ERROR_OUT_OF_MEMORY;
  }
  image.forget(aImage);
  return NS_OK;
}

}  // namespace nsPlayBackUtils
