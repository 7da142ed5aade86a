// The recorder's element rules: the values each kind of element gives its line, and the
// index rule that places an element among its like, as the finders count them.
#include "nsIDOM3Node.h"
#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"
#include "nsIDOMHTMLAnchorElement.h"
#include "nsIDOMHTMLAreaElement.h"
#include "nsIDOMHTMLFormElement.h"
#include "nsIDOMHTMLImageElement.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMHTMLMapElement.h"
#include "nsIDOMHTMLOptionElement.h"
#include "nsIDOMHTMLOptionsCollection.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsIDOMHTMLTextAreaElement.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMXULElement.h"
#include "nsPlayBackUtils.h"
#include "nsRecorderImpl.h"
#include "recorder_reading.h"

using namespace recorder_reading;
using nsPlayBackUtils::detail::attributeOf;
using nsPlayBackUtils::detail::hasAttribute;
using nsPlayBackUtils::detail::itemOf;
using nsPlayBackUtils::detail::lengthOf;
using nsPlayBackUtils::detail::optionTexts;
using nsPlayBackUtils::detail::textContentOf;

namespace {

nsString formNameOf(nsIDOMHTMLFormElement* aForm) {
  nsString name;
  if (aForm && NS_FAILED(aForm->GetName(name))) name.Truncate();
  return none(name);
}

bool isButtonKind(const nsAString& aKind) {
  return aKind.EqualsLiteral("button") || aKind.EqualsLiteral("radio") || aKind.EqualsLiteral("checkbox") ||
         aKind.EqualsLiteral("submit") || aKind.EqualsLiteral("reset");
}

// The kind a candidate counts as.
nsString kindOf(nsIDOMElement* aElement, const nsAString& aTag) {
  nsString kind;
  if (aTag.EqualsLiteral("TEXTAREA")) {
    kind.AssignLiteral("textarea");
  } else if (aTag.EqualsLiteral("SELECT")) {
    nsCOMPtr<nsIDOMHTMLSelectElement> select = queryTo<nsIDOMHTMLSelectElement>(aElement);
    if (select && NS_FAILED(select->GetType(kind))) kind.Truncate();
  } else if (aTag.EqualsLiteral("A")) {
    kind.AssignLiteral("link");
  } else if (aTag.EqualsLiteral("IMG")) {
    kind.AssignLiteral("image");
  } else if (aTag.EqualsLiteral("MAP")) {
    kind.AssignLiteral("map");
  } else if (aTag.EqualsLiteral("TD")) {
    kind.AssignLiteral("cell");
  } else if (aTag.EqualsLiteral("DIV")) {
    kind.AssignLiteral("div");
  } else {
    kind = attributeOf(aElement, u"type");
    if (kind.IsEmpty()) kind.AssignLiteral("text");
  }
  return kind;
}

// The value a candidate without an id is known by.
nsString identifyingValue(nsIDOMElement* aElement, const nsAString& aTag, const nsAString& aKind) {
  if (isButtonKind(aKind)) {
    nsString name = attributeOf(aElement, u"name");
    if (name.IsEmpty()) name = attributeOf(aElement, u"value");
    return none(name);
  }
  if (aTag.EqualsLiteral("IMG")) {
    nsCOMPtr<nsIDOMHTMLImageElement> image = queryTo<nsIDOMHTMLImageElement>(aElement);
    nsString source;
    if (image && NS_FAILED(image->GetSrc(source))) source.Truncate();
    return source;
  }
  if (aKind.EqualsLiteral("image")) return attributeOf(aElement, u"src");
  if (aKind.EqualsLiteral("link")) return none(replaceBreaks(textContentOf(aElement), u" ", true));
  if (aKind.EqualsLiteral("div")) return none(textContentOf(aElement));
  return none(attributeOf(aElement, u"name"));
}

bool isSame(nsIDOMElement* aElement, nsIDOMNode* aCandidate) {
  nsCOMPtr<nsIDOM3Node> three = queryTo<nsIDOM3Node>(aElement);
  PRBool same = PR_FALSE;
  return three && NS_SUCCEEDED(three->IsSameNode(aCandidate, &same)) && same;
}

nsString valueOf(nsIDOMHTMLInputElement* aInput) {
  nsString value;
  if (NS_FAILED(aInput->GetValue(value))) value.Truncate();
  return value;
}

}  // namespace

PRInt32 nsRecorderImpl::ComputeIndex(nsIDOMElement* aElement, const nsAString& aTag, const nsAString& aKind,
                                     const nsAString& aMatch) {
  if (!aElement) return 0;
  nsCOMPtr<nsIDOMDocument> document;
  aElement->GetOwnerDocument(getter_AddRefs(document));
  nsCOMPtr<nsIDOMNodeList> candidates;
  if (!document || NS_FAILED(document->GetElementsByTagName(aTag, getter_AddRefs(candidates))) || !candidates)
    return 0;
  const nsString ownId = idOf(aElement);
  nsString match(aMatch);
  // A button known by its caption: the line names it "NONE".
  if (isButtonKind(aKind) && match.EqualsLiteral("NONE")) match = none(attributeOf(aElement, u"value"));
  PRInt32 counted = 0;
  const PRUint32 length = lengthOf(candidates);
  for (PRUint32 i = 0; i < length; ++i) {
    nsCOMPtr<nsIDOMNode> node = itemOf(candidates, i);
    // The element itself ends the count, whatever its own values read as.
    if (isSame(aElement, node)) return counted;
    nsCOMPtr<nsIDOMElement> candidate = queryTo<nsIDOMElement>(node);
    if (!candidate || !kindOf(candidate, aTag).Equals(aKind)) continue;
    // Links are found again among the document's links: anchors with an address.
    if (aKind.EqualsLiteral("link") && !hasAttribute(candidate, u"href")) continue;
    if (!ownId.IsEmpty()) {
      if (attributeOf(candidate, u"id").Equals(ownId)) ++counted;
      continue;
    }
    if (hasAttribute(candidate, u"id")) continue;
    if (identifyingValue(candidate, aTag, aKind).Equals(match)) ++counted;
  }
  return 0;
}

nsresult nsRecorderImpl::InputRule(nsIDOMNode* aNode, const nsAString& aEventType) {
  nsCOMPtr<nsIDOMHTMLInputElement> input = queryTo<nsIDOMHTMLInputElement>(aNode);
  nsCOMPtr<nsIDOMElement> element = queryTo<nsIDOMElement>(aNode);
  if (!input || !element) return NS_OK;
  nsString type;
  if (NS_FAILED(input->GetType(type))) return NS_OK;
  const bool textual = type.EqualsLiteral("text") || type.EqualsLiteral("password");
  const bool buttonLike = isButtonKind(type) || type.EqualsLiteral("file");
  const bool image = type.EqualsLiteral("image");
  bool acts;
  if (ElementCheckpoint()) {
    acts = aEventType.EqualsLiteral("click");
  } else {
    acts = (aEventType.EqualsLiteral("change") && textual) ||
           ((aEventType.EqualsLiteral("mouseup") || aEventType.EqualsLiteral("keydown")) && (buttonLike || image));
  }
  if (!acts || !(textual || buttonLike || image)) return NS_OK;

  nsString name, id;
  input->GetName(name);
  id = idOf(element);
  PRBool disabled = PR_FALSE;
  input->GetDisabled(&disabled);
  nsCOMPtr<nsIDOMHTMLFormElement> form;
  input->GetForm(getter_AddRefs(form));
  const nsString match = image ? attributeOf(element, u"src") : none(name);
  RecordedPairs pairs;
  pairs.Add("name", none(name));
  pairs.Add("id", none(id));
  pairs.Add("formname", formNameOf(form));
  pairs.Add("sourceindex", "0");
  pairs.Add("type", type);
  pairs.Add("disable", disabled != PR_FALSE);
  pairs.Add("value", none(valueOf(input)));
  pairs.AddNumber("index", ComputeIndex(element, NS_LITERAL_STRING("INPUT"), type, match));
  if (textual) {
    SendElementLine("setText", pairs, aNode);
    return NS_OK;
  }
  nsString source;
  input->GetSrc(source);
  PRBool defaultChecked = PR_FALSE;
  input->GetDefaultChecked(&defaultChecked);
  pairs.Add("source", none(source));
  pairs.Add("defaultChecked", defaultChecked != PR_FALSE);
  SendElementLine(image ? "clickImage" : "clickButton", pairs, aNode);
  return NS_OK;
}

nsresult nsRecorderImpl::TextAreaRule(nsIDOMNode* aNode) {
  nsCOMPtr<nsIDOMHTMLTextAreaElement> area = queryTo<nsIDOMHTMLTextAreaElement>(aNode);
  nsCOMPtr<nsIDOMElement> element = queryTo<nsIDOMElement>(aNode);
  if (!area || !element) return NS_OK;
  nsString name, type, value;
  area->GetName(name);
  area->GetType(type);
  area->GetValue(value);
  PRBool disabled = PR_FALSE;
  area->GetDisabled(&disabled);
  nsCOMPtr<nsIDOMHTMLFormElement> form;
  area->GetForm(getter_AddRefs(form));
  RecordedPairs pairs;
  pairs.Add("name", none(name));
  pairs.Add("id", none(idOf(element)));
  pairs.Add("formname", formNameOf(form));
  pairs.Add("sourceindex", "0");
  pairs.Add("type", none(type));
  pairs.Add("disable", disabled != PR_FALSE);
  pairs.Add("value", none(replaceBreaks(value, u"<VK_RETURN>")));
  pairs.AddNumber("index", ComputeIndex(element, NS_LITERAL_STRING("TEXTAREA"), NS_LITERAL_STRING("textarea"),
                                        none(name)));
  SendElementLine("setText", pairs, aNode);
  return NS_OK;
}

nsresult nsRecorderImpl::SelectRule(nsIDOMNode* aNode, const nsAString& aEventType) {
  const bool checkpoint = ElementCheckpoint();
  if (!aEventType.EqualsLiteral(checkpoint ? "click" : "change")) return NS_OK;
  nsCOMPtr<nsIDOMHTMLSelectElement> select = queryTo<nsIDOMHTMLSelectElement>(aNode);
  nsCOMPtr<nsIDOMElement> element = queryTo<nsIDOMElement>(aNode);
  if (!select || !element) return NS_OK;
  nsString name, type;
  select->GetName(name);
  select->GetType(type);
  PRBool disabled = PR_FALSE;
  select->GetDisabled(&disabled);
  nsCOMPtr<nsIDOMHTMLFormElement> form;
  select->GetForm(getter_AddRefs(form));
  RecordedPairs pairs;
  pairs.Add("name", none(name));
  pairs.Add("id", none(idOf(element)));
  pairs.Add("formname", formNameOf(form));
  pairs.Add("sourceindex", "0");
  pairs.Add("type", type);
  pairs.Add("disable", disabled != PR_FALSE);
  pairs.AddNumber("index", ComputeIndex(element, NS_LITERAL_STRING("SELECT"), type, none(name)));
  if (checkpoint) {
    nsString body = pairs.Joined();
    body.AppendLiteral(":;:");
    body.Append(windowBlock(windowValuesOf(windowOf(aNode))));
    body.AppendLiteral(":;:allitems:,:");
    body.Append(optionTexts(select, false));
    body.AppendLiteral(":;:selecteditems:,:");
    body.Append(optionTexts(select, true));
    body.AppendLiteral(":;:tooltip:,:");
    body.Append(none(attributeOf(element, u"title")));
    body.AppendLiteral(":;:");
    SendCheckpoint(body);
    return NS_OK;
  }
  nsString value;
  if (type.EqualsLiteral("select-multiple")) {
    value = optionTexts(select, true);
  } else {
    PRInt32 selected = -1;
    nsCOMPtr<nsIDOMHTMLOptionsCollection> options;
    select->GetSelectedIndex(&selected);
    nsCOMPtr<nsIDOMNode> option;
    if (selected >= 0 && NS_SUCCEEDED(select->GetOptions(getter_AddRefs(options))) && options)
      options->Item(static_cast<PRUint32>(selected), getter_AddRefs(option));
    if (option) value = textContentOf(option);
  }
  // An empty choice stays empty, as the host reads it.
  pairs.Add("value", value);
  SendRecorded("selectItem", pairs);
  return NS_OK;
}

nsresult nsRecorderImpl::LinkRule(nsIDOMNode* aLink, nsIDOMNode* aClicked) {
  nsCOMPtr<nsIDOMHTMLAnchorElement> anchor = queryTo<nsIDOMHTMLAnchorElement>(aLink);
  nsCOMPtr<nsIDOMElement> element = queryTo<nsIDOMElement>(aLink);
  if (!anchor || !element) return NS_OK;
  nsString name, type, href;
  anchor->GetName(name);
  anchor->GetType(type);
  anchor->GetHref(href);
  const nsString text = none(replaceBreaks(textContentOf(aClicked), u" ", true));
  RecordedPairs pairs;
  pairs.Add("name", none(name));
  pairs.Add("id", none(idOf(element)));
  pairs.Add("formname", "NONE");
  pairs.Add("sourceindex", "0");
  pairs.Add("type", type.IsEmpty() ? NS_LITERAL_STRING("link") : nsDependentString(type.get(), type.Length()));
  pairs.Add("value", "NONE");
  pairs.AddNumber("index", ComputeIndex(element, NS_LITERAL_STRING("A"), NS_LITERAL_STRING("link"), text));
  pairs.Add("innertext", text);
  pairs.Add("target", href);
  pairs.Add("source", "NONE");
  SendElementLine("clickLink", pairs, aLink);
  return NS_OK;
}

nsresult nsRecorderImpl::ImageRule(nsIDOMNode* aNode) {
  nsCOMPtr<nsIDOMHTMLImageElement> image = queryTo<nsIDOMHTMLImageElement>(aNode);
  nsCOMPtr<nsIDOMElement> element = queryTo<nsIDOMElement>(aNode);
  if (!image || !element) return NS_OK;
  nsString name, source, alt;
  image->GetName(name);
  image->GetSrc(source);
  image->GetAlt(alt);
  RecordedPairs pairs;
  pairs.Add("name", none(name));
  pairs.Add("id", none(idOf(element)));
  pairs.Add("formname", "NONE");
  pairs.Add("sourceindex", "0");
  pairs.Add("tagName", "IMG");
  pairs.Add("source", none(source));
  pairs.Add("type", "image");
  pairs.Add("value", "NONE");
  pairs.Add("alt", none(alt));
  pairs.AddNumber("index", ComputeIndex(element, NS_LITERAL_STRING("IMG"), NS_LITERAL_STRING("image"), source));
  pairs.Add("mouseover", hasAttribute(element, u"onmouseover"));
  SendElementLine("clickImage", pairs, aNode);
  return NS_OK;
}

nsresult nsRecorderImpl::MapRule(nsIDOMNode* aNode) {
  nsCOMPtr<nsIDOMHTMLAreaElement> area = queryTo<nsIDOMHTMLAreaElement>(aNode);
  nsCOMPtr<nsIDOMElement> element = queryTo<nsIDOMElement>(aNode);
  if (!area || !element) return NS_OK;
  nsCOMPtr<nsIDOMNode> parent = parentOf(aNode);
  nsCOMPtr<nsIDOMHTMLMapElement> map = queryTo<nsIDOMHTMLMapElement>(parent);
  nsString mapName, alt, coords;
  if (map) map->GetName(mapName);
  area->GetAlt(alt);
  area->GetCoords(coords);
  nsCOMPtr<nsIDOMElement> mapElement = queryTo<nsIDOMElement>(parent);
  RecordedPairs pairs;
  pairs.Add("name", none(mapName));
  pairs.Add("id", none(idOf(element)));
  pairs.Add("formname", "NONE");
  pairs.Add("sourceindex", "0");
  pairs.Add("tagName", "AREA");
  pairs.Add("alt", none(alt));
  pairs.Add("coords", none(coords));
  pairs.AddNumber("index", mapElement ? ComputeIndex(mapElement, NS_LITERAL_STRING("MAP"),
                                                     NS_LITERAL_STRING("map"), none(mapName))
                                      : 0);
  SendElementLine("clickMap", pairs, aNode);
  return NS_OK;
}

nsresult nsRecorderImpl::DivRule(nsIDOMNode* aNode) {
  nsCOMPtr<nsIDOMElement> element = queryTo<nsIDOMElement>(aNode);
  if (!element) return NS_OK;
  const nsString text = none(textContentOf(aNode));
  RecordedPairs pairs;
  pairs.Add("name", text);
  pairs.Add("id", none(idOf(element)));
  pairs.Add("formname", "NONE");
  pairs.Add("type", "div");
  pairs.AddNumber("index", ComputeIndex(element, NS_LITERAL_STRING("DIV"), NS_LITERAL_STRING("div"), text));
  pairs.Add("sourceindex", "0");
  SendRecorded("clickList", pairs);
  return NS_OK;
}

nsresult nsRecorderImpl::DialogButtonRule(nsIDOMNode* aNode) {
  nsCOMPtr<nsIDOMXULElement> button = queryTo<nsIDOMXULElement>(aNode);
  nsCOMPtr<nsIDOMElement> element = queryTo<nsIDOMElement>(aNode);
  if (!element) return NS_OK;
  nsString className, label;
  PRBool hidden = PR_FALSE;
  if (button) {
    button->GetClassName(className);
    button->GetHidden(&hidden);
  } else {
    className = attributeOf(element, u"class");
    hidden = attributeOf(element, u"hidden").EqualsLiteral("true");
  }
  label = attributeOf(element, u"label");
  if (label.IsEmpty()) {
    if (button)
      button->GetTooltipText(label);
    else
      label = attributeOf(element, u"tooltiptext");
  }
  const bool disabled = attributeOf(element, u"disabled").EqualsLiteral("true");
  RecordedPairs pairs;
  pairs.Add("classname", none(className));
  pairs.Add("name", none(label));
  pairs.Add("isVisible", hidden == PR_FALSE);
  pairs.Add("isEnabled", !disabled);
  pairs.Add("index", "0");
  if (!ElementCheckpoint()) {
    SendRecorded("clickButton", pairs);
    return NS_OK;
  }
  nsString body = pairs.Joined();
  body.AppendLiteral(":;:");
  body.Append(dialogWindowBlock(aNode));
  SendCheckpoint(body);
  return NS_OK;
}

nsresult nsRecorderImpl::DialogTextRule(nsIDOMNode* aNode) {
  nsCOMPtr<nsIDOMHTMLInputElement> input = queryTo<nsIDOMHTMLInputElement>(aNode);
  nsCOMPtr<nsIDOMElement> element = queryTo<nsIDOMElement>(aNode);
  if (!input || !element) return NS_OK;
  nsString className;
  nsCOMPtr<nsIDOMHTMLElement> html = queryTo<nsIDOMHTMLElement>(aNode);
  if (html) html->GetClassName(className);
  PRBool disabled = PR_FALSE;
  input->GetDisabled(&disabled);
  nsCOMPtr<nsIDOMNode> textbox = parentOf(parentOf(aNode));
  RecordedPairs pairs;
  pairs.Add("type", "text");
  pairs.Add("classname", none(className));
  pairs.Add("value", none(valueOf(input)));
  pairs.Add("isVisible", !attributeOf(element, u"hidden").EqualsLiteral("true"));
  pairs.Add("isEnabled", disabled == PR_FALSE);
  pairs.Add("index", "0");
  pairs.Add("previousWindow", "NONE");
  pairs.Add("id", none(textbox ? idOf(textbox) : nsString()));
  pairs.Add("name", "Edit");
  if (!ElementCheckpoint()) {
    SendRecorded("setText", pairs);
    return NS_OK;
  }
  nsString body = pairs.Joined();
  body.AppendLiteral(":;:");
  body.Append(dialogWindowBlock(aNode));
  SendCheckpoint(body);
  return NS_OK;
}
