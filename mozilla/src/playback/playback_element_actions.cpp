// The element actions: setting text (page field, text area, a dialog's text box),
// selecting options and the clicks on buttons, links, images, image-map areas and DIVs.
// Elements are found in the current window's document by id, or by the property the
// action names, and the command's index among equal matches; every change is made on
// the UI thread.
#include <cstdio>

#include "dom_reading.h"
#include "nsIDOMDocument.h"
#include "nsIDOMHTMLAnchorElement.h"
#include "nsIDOMHTMLAreaElement.h"
#include "nsIDOMHTMLCollection.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMHTMLImageElement.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMHTMLMapElement.h"
#include "nsIDOMHTMLOptionElement.h"
#include "nsIDOMHTMLOptionsCollection.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsIDOMHTMLTextAreaElement.h"
#include "nsIDOMNode.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMXULElement.h"
#include "nsPlayBack.h"
#include "nsPlayBackUtils.h"
#include "playback_support.h"

using nsPlayBackUtils::detail::itemOf;
using nsPlayBackUtils::detail::lengthOf;
using nsPlayBackUtils::detail::queryTo;
using nsPlayBackUtils::detail::textContentOf;
using nsPlayBackUtils::detail::withLineBreaks;
using playback_support::attribute;
using playback_support::callOnUiThread;
using playback_support::fireEvent;
using playback_support::isNone;

namespace {

PRInt32 indexOf(nsIDOMElement* aCommand) {
  PRInt32 index = 0;
  nsPlayBackUtils::GetIndexAttribute(aCommand, &index);
  return index;
}

// The form field (or map) named `aTag` of the command's type: by its recorded id, or,
// when the id is "NONE", by the attribute `aAttribute` with the value `aExpected`.
nsCOMPtr<nsIDOMElement> findField(nsIDOMElement* aCommand, const char16_t* aTag, const nsAString& aType,
                                  const char16_t* aAttribute, const nsAString& aExpected, nsIDOMDocument* aDocument) {
  const nsString id = attribute(aCommand, u"id");
  const bool byId = !isNone(id);
  nsCOMPtr<nsIDOMElement> found;
  nsPlayBackUtils::FindElementByAttribute(indexOf(aCommand), nsDependentString(byId ? u"id" : aAttribute),
                                          byId ? static_cast<const nsAString&>(id) : aExpected,
                                          nsDependentString(aTag), aType, aDocument, getter_AddRefs(found));
  return found;
}

// By id, or by the command's own attribute of the same name.
nsCOMPtr<nsIDOMElement> findFieldByName(nsIDOMElement* aCommand, const char16_t* aTag, nsIDOMDocument* aDocument) {
  return findField(aCommand, aTag, attribute(aCommand, u"type"), u"name", attribute(aCommand, u"name"), aDocument);
}

// The map a clickMap names. A recorded map line carries the id of the AREA clicked and,
// when that is "NONE", the map's name with the index of the map among maps of its own
// id (when it has one) or of that name. So besides the plain search: an id that names
// no map names the map around the AREA that has it, and a map with an id of its own,
// which the search by name passes over, is found among the maps that have an id.
nsCOMPtr<nsIDOMElement> findMap(nsIDOMElement* aCommand, nsIDOMDocument* aDocument) {
  const nsString name = attribute(aCommand, u"name");
  nsCOMPtr<nsIDOMElement> found = findField(aCommand, u"map", nsString(), u"name", name, aDocument);
  if (found) return found;
  const nsString id = attribute(aCommand, u"id");
  if (!isNone(id)) {
    nsCOMPtr<nsIDOMElement> area;
    if (NS_FAILED(aDocument->GetElementById(id, getter_AddRefs(area))) || !queryTo<nsIDOMHTMLAreaElement>(area))
      return nullptr;
    nsCOMPtr<nsIDOMNode> parent;
    if (NS_FAILED(area->GetParentNode(getter_AddRefs(parent)))) return nullptr;
    return queryTo<nsIDOMHTMLMapElement>(parent) ? queryTo<nsIDOMElement>(parent) : nullptr;
  }
  nsCOMPtr<nsIDOMNodeList> maps;
  if (NS_FAILED(aDocument->GetElementsByTagName(NS_LITERAL_STRING("map"), getter_AddRefs(maps)))) return nullptr;
  PRInt32 wanted = indexOf(aCommand);
  const PRUint32 count = lengthOf(maps);
  for (PRUint32 i = 0; i < count; ++i) {
    nsCOMPtr<nsIDOMHTMLMapElement> map = queryTo<nsIDOMHTMLMapElement>(itemOf(maps, i));
    nsCOMPtr<nsIDOMElement> element = queryTo<nsIDOMElement>(map);
    nsString mapName;
    if (!map || !element || !nsPlayBackUtils::detail::hasAttribute(element, u"id") || NS_FAILED(map->GetName(mapName)))
      continue;
    if (nsPlayBackUtils::detail::noneWhenEmpty(mapName).Equals(name) && wanted-- == 0) return element;
  }
  return nullptr;
}

nsresult setInputValue(nsISupports* aInput, const nsAString& aValue) {
  return callOnUiThread<nsIDOMHTMLInputElement>(aInput,
                                                [&](nsIDOMHTMLInputElement* input) { return input->SetValue(aValue); });
}

}  // namespace

nsresult nsPlayBack::ClickOnUiThread(nsISupports* aTarget, nsIDOMDocument* aDocument) {
  if (NS_FAILED(fireEvent(aTarget, aDocument, u"MouseEvents", u"click"))) return Fail(u"FAILED");
  return NS_OK;
}

// ---- text

NS_IMETHODIMP nsPlayBack::SetTextField(nsIDOMElement* aCommand) {
  nsCOMPtr<nsIDOMDocument> document = CurrentDocument(true);
  if (!document) return NS_ERROR_FAILURE;
  if (nsPlayBackUtils::detail::hasAttribute(aCommand, u"classname")) return SetDialogText(aCommand);

  nsCOMPtr<nsIDOMElement> input = findFieldByName(aCommand, u"INPUT", document);
  if (!input) return Fail(u"ERROR_ELEMENT_NOT_FOUND");
  if (NS_FAILED(setInputValue(input, attribute(aCommand, u"value")))) return Fail(u"FAILED", u"Set Text Failed");
  // The value is set; the page's change handler runs after the host has heard so.
  Reply(u"SUCCESS");
  fireEvent(input, document, u"Events", u"change");
  return NS_OK;
}

// A text box of the front dialog, found by the id of its XUL text box. No event.
nsresult nsPlayBack::SetDialogText(nsIDOMElement* aCommand) {
  if (!attribute(aCommand, u"classname").EqualsLiteral("textbox-input")) return Fail(u"ERROR_ELEMENT_NOT_FOUND");
  nsCOMPtr<nsIDOMDocument> dialog;
  if (NS_FAILED(nsPlayBackUtils::GetDialogDocument(getter_AddRefs(dialog))) || !dialog)
    return Fail(u"ERROR_DOCUMENT_NULL");
  nsCOMPtr<nsIDOMElement> input;
  if (NS_FAILED(nsPlayBackUtils::FindXULTextboxInput(dialog, attribute(aCommand, u"id"), getter_AddRefs(input))) ||
      !input) {
    return Fail(u"ERROR_ELEMENT_NOT_FOUND");
  }
  if (NS_FAILED(setInputValue(input, attribute(aCommand, u"value")))) return Fail(u"FAILED", u"Set Text Failed");
  return NS_OK;
}

NS_IMETHODIMP nsPlayBack::SetTextArea(nsIDOMElement* aCommand) {
  nsCOMPtr<nsIDOMDocument> document = CurrentDocument(true);
  if (!document) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMElement> area = findFieldByName(aCommand, u"TEXTAREA", document);
  if (!area) return Fail(u"ERROR_ELEMENT_NOT_FOUND");
  const nsString value = withLineBreaks(attribute(aCommand, u"value"));
  nsresult rv = callOnUiThread<nsIDOMHTMLTextAreaElement>(
      area, [&](nsIDOMHTMLTextAreaElement* textArea) { return textArea->SetValue(value); });
  // A value that could not be set is no success either, though only the event's
  // dispatch was checked first.
  if (NS_SUCCEEDED(rv)) rv = fireEvent(area, document, u"Events", u"change");
  if (NS_FAILED(rv)) return Fail(u"FAILED", u"Set Text Failed");
  return NS_OK;
}

// ---- lists

NS_IMETHODIMP nsPlayBack::SelectItem(nsIDOMElement* aCommand) {
  nsCOMPtr<nsIDOMDocument> document = CurrentDocument(true);
  if (!document) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMHTMLSelectElement> list =
      queryTo<nsIDOMHTMLSelectElement>(findFieldByName(aCommand, u"SELECT", document));
  nsCOMPtr<nsIDOMHTMLOptionsCollection> options;
  if (list && NS_FAILED(list->GetOptions(getter_AddRefs(options)))) options = nullptr;
  if (!options) return Fail(u"ERROR_ELEMENT_NOT_FOUND");
  PRUint32 count = 0;
  if (NS_FAILED(options->GetLength(&count))) count = 0;
  auto optionAt = [&](PRUint32 i) {
    nsCOMPtr<nsIDOMNode> node;
    if (NS_FAILED(options->Item(i, getter_AddRefs(node)))) node = nullptr;
    return node;
  };
  auto select = [](nsISupports* aOption, PRBool aSelected) {
    return callOnUiThread<nsIDOMHTMLOptionElement>(
        aOption, [&](nsIDOMHTMLOptionElement* option) { return option->SetSelected(aSelected); });
  };

  bool failed = false;
  for (PRUint32 i = 0; i < count; ++i) failed |= NS_FAILED(select(optionAt(i), PR_FALSE));

  // The options to select are the command's "option" children, each known by its text.
  nsCOMPtr<nsIDOMNodeList> wanted;
  if (NS_FAILED(aCommand->GetElementsByTagName(nsDependentString(u"option"), getter_AddRefs(wanted)))) wanted = nullptr;
  const PRUint32 wantedCount = lengthOf(wanted);
  for (PRUint32 w = 0; w < wantedCount; ++w) {
    const nsString text = attribute(queryTo<nsIDOMElement>(itemOf(wanted, w)), u"selectedvalue");
    for (PRUint32 i = 0; i < count; ++i) {
      nsCOMPtr<nsIDOMNode> option = optionAt(i);
      if (!option || !textContentOf(option).Equals(text)) continue;
      failed |= NS_FAILED(select(option, PR_TRUE));
      failed |= NS_FAILED(fireEvent(option, document, u"MouseEvents", u"click"));
      failed |= NS_FAILED(fireEvent(list, document, u"Events", u"change"));
      failed |= NS_FAILED(fireEvent(list, document, u"Events", u"select"));
      break;
    }
  }
  if (failed) return Fail(u"FAILED");
  return NS_OK;
}

// ---- clicks

NS_IMETHODIMP nsPlayBack::ClickButton(nsIDOMElement* aCommand) {
  if (nsPlayBackUtils::detail::hasAttribute(aCommand, u"classname")) return ClickDialogButton(aCommand);
  return ClickPageButton(aCommand);
}

// A button of the front dialog, known by its label. Replies once the command has run
// (for the dialog's OK or Cancel, once the page has its answer).
nsresult nsPlayBack::ClickDialogButton(nsIDOMElement* aCommand) {
  if (!attribute(aCommand, u"classname").EqualsLiteral("dialog-button")) return Fail(u"ERROR_ELEMENT_NOT_FOUND");
  nsCOMPtr<nsIDOMDocument> dialog;
  if (NS_FAILED(nsPlayBackUtils::GetDialogDocument(getter_AddRefs(dialog))) || !dialog)
    return Fail(u"ERROR_DOCUMENT_NULL");
  nsCOMPtr<nsIDOMNodeList> nodes;
  nsPlayBackUtils::GetRootAnonymousNodes(dialog, getter_AddRefs(nodes));
  nsCOMPtr<nsIDOMNode> button;
  if (nodes) {
    nsPlayBackUtils::FindNodeByName(nsDependentString(u"xul:button"), nodes, nsDependentString(u"label"),
                                    attribute(aCommand, u"name"), getter_AddRefs(button));
  }
  if (!button) return Fail(u"ERROR_ELEMENT_NOT_FOUND");
  if (NS_FAILED(callOnUiThread<nsIDOMXULElement>(button, [](nsIDOMXULElement* xul) { return xul->DoCommand(); })))
    return Fail(u"FAILED");
  Reply(u"SUCCESS");
  return NS_OK;
}

// A page button: by id, by name, or, for a button without a name, by its caption.
nsresult nsPlayBack::ClickPageButton(nsIDOMElement* aCommand) {
  nsCOMPtr<nsIDOMDocument> document = CurrentDocument(true);
  if (!document) return NS_ERROR_FAILURE;
  const nsString type = attribute(aCommand, u"type");
  const nsString name = attribute(aCommand, u"name");
  // The attribute compared stays "name": a button without one reads as its "value".
  const nsString expected = isNone(name) ? attribute(aCommand, u"value") : name;
  nsCOMPtr<nsIDOMHTMLInputElement> input =
      queryTo<nsIDOMHTMLInputElement>(findField(aCommand, u"INPUT", type, u"name", expected, document));
  if (!input) return Fail(u"ERROR_ELEMENT_NOT_FOUND");
  if (type.EqualsLiteral("file")) {
    // A file field's click is not answered; the host hears only of a click that could
    // not be made.
    std::fputs("clicking element of file type ", stdout);
    std::fflush(stdout);
    return ClickOnUiThread(input, document);
  }
  Reply(u"SUCCESS");
  return ClickOnUiThread(input, document);
}

NS_IMETHODIMP nsPlayBack::ClickLink(nsIDOMElement* aCommand) {
  nsCOMPtr<nsIDOMHTMLDocument> document = queryTo<nsIDOMHTMLDocument>(CurrentDocument(false));
  if (!document) return Fail(u"ERROR_HTML_DOCUMENT_NULL");
  const bool byId = !isNone(attribute(aCommand, u"id"));
  nsCOMPtr<nsIDOMHTMLAnchorElement> link;
  nsPlayBackUtils::FindLinkByProperty(indexOf(aCommand), nsDependentString(byId ? u"id" : u"innertext"), aCommand,
                                      document, getter_AddRefs(link));
  if (!link) return Fail(u"ERROR_ELEMENT_NOT_FOUND");
  Reply(u"SUCCESS");
  return ClickOnUiThread(link, document);
}

NS_IMETHODIMP nsPlayBack::ClickImage(nsIDOMElement* aCommand) {
  nsCOMPtr<nsIDOMDocument> document = CurrentDocument(false);
  nsCOMPtr<nsIDOMHTMLDocument> page = queryTo<nsIDOMHTMLDocument>(document);
  if (!page) return Fail(u"ERROR_HTML_DOCUMENT_NULL");
  const nsString type = attribute(aCommand, u"type");
  const bool byId = !isNone(attribute(aCommand, u"id"));
  nsCOMPtr<nsISupports> image;
  if (attribute(aCommand, u"tagName").EqualsLiteral("IMG")) {
    // The finder hovers the images, so a roll-over image is found by its hovered picture.
    nsCOMPtr<nsIDOMHTMLImageElement> picture;
    nsPlayBackUtils::FindImageByProperty(indexOf(aCommand), nsDependentString(byId ? u"id" : u"source"), aCommand,
                                         page, getter_AddRefs(picture));
    image = picture;
  } else if (type.EqualsLiteral("image")) {
    image = findField(aCommand, u"input", type, u"src", attribute(aCommand, u"source"), document);
  }
  // Neither an image nor an image button: nothing is looked for, so nothing is found.
  if (!image) return Fail(u"ERROR_ELEMENT_NOT_FOUND");
  Reply(u"SUCCESS");
  return ClickOnUiThread(image, document);
}

NS_IMETHODIMP nsPlayBack::ClickMap(nsIDOMElement* aCommand) {
  nsCOMPtr<nsIDOMDocument> document = CurrentDocument(true);
  if (!document) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMElement> found = findMap(aCommand, document);
  if (!found) return Fail(u"ERROR_ELEMENT_NOT_FOUND");
  Reply(u"SUCCESS");
  // The area with exactly the recorded coordinates, if any, is clicked.
  nsCOMPtr<nsIDOMHTMLMapElement> map = queryTo<nsIDOMHTMLMapElement>(found);
  nsCOMPtr<nsIDOMHTMLCollection> areas;
  if (map && NS_FAILED(map->GetAreas(getter_AddRefs(areas)))) areas = nullptr;
  const nsString coords = attribute(aCommand, u"coords");
  const PRUint32 count = lengthOf(areas);
  for (PRUint32 i = 0; i < count; ++i) {
    nsCOMPtr<nsIDOMHTMLAreaElement> area = queryTo<nsIDOMHTMLAreaElement>(itemOf(areas, i));
    nsString areaCoords;
    if (!area || NS_FAILED(area->GetCoords(areaCoords)) || !areaCoords.Equals(coords)) continue;
    return ClickOnUiThread(area, document);
  }
  return NS_OK;
}

NS_IMETHODIMP nsPlayBack::ClickList(nsIDOMElement* aCommand) {
  nsCOMPtr<nsIDOMDocument> document = CurrentDocument(true);
  if (!document) return NS_ERROR_FAILURE;
  const bool byId = !isNone(attribute(aCommand, u"id"));
  nsCOMPtr<nsIDOMElement> div;
  nsPlayBackUtils::FindDivByProperty(indexOf(aCommand), nsDependentString(byId ? u"id" : u"name"), aCommand, document,
                                     getter_AddRefs(div));
  if (!div) return Fail(u"ERROR_ELEMENT_NOT_FOUND");
  return ClickOnUiThread(div, document);
}
