// What an element checkpoint reads of a found page element: one table of properties per
// kind. Each value is read as the recorder wrote it into the checkpoint line ("NONE"
// for an empty property where the line has it so), so that the host, comparing, finds
// an unchanged element unchanged.
#include "nsIDOMHTMLAnchorElement.h"
#include "nsIDOMHTMLElement.h"
#include "nsIDOMHTMLFormElement.h"
#include "nsIDOMHTMLImageElement.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMHTMLOptionElement.h"
#include "nsIDOMHTMLOptionsCollection.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsIDOMHTMLTableCellElement.h"
#include "nsIDOMHTMLTableRowElement.h"
#include "nsIDOMHTMLTextAreaElement.h"
#include "nsIDOMNode.h"
#include "nsValidator.h"
#include "validator_reading.h"

using namespace validator_reading;
using nsPlayBackUtils::detail::optionTexts;

namespace {

// One property of a kind: its name and how it is read. A null reader stands for
// "windowtitle", which the validator reads from the checked document's window.
struct Property {
  const char* name;
  nsString (*read)(nsIDOMElement* aElement);
};

template <class Interface, class Getter>
nsString textOf(nsIDOMElement* aElement, Getter aGetter) {
  nsString text;
  nsCOMPtr<Interface> element = queryTo<Interface>(aElement);
  if (element && NS_FAILED((element.get()->*aGetter)(text))) text.Truncate();
  return text;
}

template <class Interface, class Getter>
nsString flagOf(nsIDOMElement* aElement, Getter aGetter) {
  PRBool flag = PR_FALSE;
  nsCOMPtr<Interface> element = queryTo<Interface>(aElement);
  if (element && NS_FAILED((element.get()->*aGetter)(&flag))) flag = PR_FALSE;
  return NS_ConvertASCIItoUTF16(trueOrFalse(flag != PR_FALSE));
}

template <class Interface>
nsString formNameOf(nsIDOMElement* aElement) {
  nsCOMPtr<Interface> element = queryTo<Interface>(aElement);
  nsCOMPtr<nsIDOMHTMLFormElement> form;
  if (element) element->GetForm(getter_AddRefs(form));
  nsString name;
  if (form && NS_FAILED(form->GetName(name))) name.Truncate();
  return noneWhenEmpty(name);
}

nsString idOf(nsIDOMElement* aElement) {
  nsString id = textOf<nsIDOMHTMLElement>(aElement, &nsIDOMHTMLElement::GetId);
  if (id.IsEmpty()) id = attributeOf(aElement, u"id");
  return noneWhenEmpty(id);
}

nsString tooltipOf(nsIDOMElement* aElement) { return noneWhenEmpty(attributeOf(aElement, u"title")); }

// A cell's place, 1-based as in the recorded line; 0 when unknown.
PRInt32 columnOf(nsIDOMElement* aCell) {
  PRInt32 index = -1;
  nsCOMPtr<nsIDOMHTMLTableCellElement> cell = queryTo<nsIDOMHTMLTableCellElement>(aCell);
  if (!cell || NS_FAILED(cell->GetCellIndex(&index))) index = -1;
  return index + 1;
}

PRInt32 rowOf(nsIDOMElement* aCell) {
  nsCOMPtr<nsIDOMNode> parent;
  if (aCell) aCell->GetParentNode(getter_AddRefs(parent));
  nsCOMPtr<nsIDOMHTMLTableRowElement> row = queryTo<nsIDOMHTMLTableRowElement>(parent);
  PRInt32 index = -1;
  if (!row || NS_FAILED(row->GetRowIndex(&index))) index = -1;
  return index + 1;
}

nsString numberText(PRInt32 aValue) {
  nsString text;
  text.AppendInt(aValue);
  return text;
}

using Input = nsIDOMHTMLInputElement;
using TextArea = nsIDOMHTMLTextAreaElement;
using Select = nsIDOMHTMLSelectElement;
using Anchor = nsIDOMHTMLAnchorElement;
using Image = nsIDOMHTMLImageElement;

constexpr Property kInput[] = {
    {"name", [](nsIDOMElement* e) { return noneWhenEmpty(textOf<Input>(e, &Input::GetName)); }},
    {"value", [](nsIDOMElement* e) { return noneWhenEmpty(textOf<Input>(e, &Input::GetValue)); }},
    {"type", [](nsIDOMElement* e) { return textOf<Input>(e, &Input::GetType); }},
    {"formname", [](nsIDOMElement* e) { return formNameOf<Input>(e); }},
    {"disable", [](nsIDOMElement* e) { return flagOf<Input>(e, &Input::GetDisabled); }},
    {"windowtitle", nullptr},
    {"defaultChecked", [](nsIDOMElement* e) { return flagOf<Input>(e, &Input::GetDefaultChecked); }},
    {"source", [](nsIDOMElement* e) { return noneWhenEmpty(textOf<Input>(e, &Input::GetSrc)); }},
    {"tooltip", tooltipOf},
    {"id", idOf},
};

constexpr Property kTextArea[] = {
    {"name", [](nsIDOMElement* e) { return noneWhenEmpty(textOf<TextArea>(e, &TextArea::GetName)); }},
    // Line breaks as the recorder writes them; a raw line feed would also cut the
    // reply line in two.
    {"value",
     [](nsIDOMElement* e) {
       return noneWhenEmpty(replaceBreaks(textOf<TextArea>(e, &TextArea::GetValue), u"<VK_RETURN>"));
     }},
    {"type", [](nsIDOMElement* e) { return noneWhenEmpty(textOf<TextArea>(e, &TextArea::GetType)); }},
    {"formname", [](nsIDOMElement* e) { return formNameOf<TextArea>(e); }},
    {"disable", [](nsIDOMElement* e) { return flagOf<TextArea>(e, &TextArea::GetDisabled); }},
    {"windowtitle", nullptr},
    {"tooltip", tooltipOf},
    {"id", idOf},
};

constexpr Property kSelect[] = {
    {"name", [](nsIDOMElement* e) { return noneWhenEmpty(textOf<Select>(e, &Select::GetName)); }},
    {"type", [](nsIDOMElement* e) { return textOf<Select>(e, &Select::GetType); }},
    {"formname", [](nsIDOMElement* e) { return formNameOf<Select>(e); }},
    {"windowtitle", nullptr},
    {"disable", [](nsIDOMElement* e) { return flagOf<Select>(e, &Select::GetDisabled); }},
    {"allitems", [](nsIDOMElement* e) { return optionTexts(e, false); }},
    {"selecteditems", [](nsIDOMElement* e) { return optionTexts(e, true); }},
    {"tooltip", tooltipOf},
    {"id", idOf},
};

constexpr Property kLink[] = {
    {"name", [](nsIDOMElement* e) { return noneWhenEmpty(textOf<Anchor>(e, &Anchor::GetName)); }},
    {"innertext", [](nsIDOMElement* e) { return noneWhenEmpty(replaceBreaks(textContentOf(e), u" ", true)); }},
    // The recorded line's "target" is the link's address.
    {"target", [](nsIDOMElement* e) { return textOf<Anchor>(e, &Anchor::GetHref); }},
    {"windowtitle", nullptr},
    {"tooltip", tooltipOf},
    {"id", idOf},
};

constexpr Property kImage[] = {
    {"name", [](nsIDOMElement* e) { return noneWhenEmpty(textOf<Image>(e, &Image::GetName)); }},
    {"source", [](nsIDOMElement* e) { return noneWhenEmpty(textOf<Image>(e, &Image::GetSrc)); }},
    {"alt", [](nsIDOMElement* e) { return noneWhenEmpty(textOf<Image>(e, &Image::GetAlt)); }},
    {"windowtitle", nullptr},
    {"tooltip", tooltipOf},
    {"id", idOf},
};

constexpr Property kCell[] = {
    // As the recorder writes a cell: line feeds as blanks, "NONE" when empty.
    {"cellvalue", [](nsIDOMElement* e) { return noneWhenEmpty(replaceBreaks(textContentOf(e), u" ")); }},
    {"id", idOf},
    {"windowtitle", nullptr},
    {"rowindex", [](nsIDOMElement* e) { return numberText(rowOf(e)); }},
    {"columnindex", [](nsIDOMElement* e) { return numberText(columnOf(e)); }},
};

template <size_t N>
nsresult appendProperty(const Property (&aKind)[N], nsIDOMElement* aElement, const nsAString& aProperty,
                        const nsAString& aWindowTitle, bool aBlank, nsAString& aDetails) {
  if (!aElement) return NS_ERROR_NULL_POINTER;
  for (const Property& property : aKind) {
    if (!aProperty.EqualsASCII(property.name)) continue;
    appendPair(aDetails, aProperty, property.read ? property.read(aElement) : nsString(aWindowTitle), aBlank);
    break;
  }
  return NS_OK;
}

}  // namespace

NS_IMETHODIMP nsValidator::readInputProperty(nsIDOMElement* aElement, const nsAString& aProperty,
                                             nsAString& aDetails) {
  return appendProperty(kInput, aElement, aProperty, windowTitle(), true, aDetails);
}

NS_IMETHODIMP nsValidator::readTextAreaProperty(nsIDOMElement* aElement, const nsAString& aProperty,
                                                nsAString& aDetails) {
  return appendProperty(kTextArea, aElement, aProperty, windowTitle(), false, aDetails);
}

NS_IMETHODIMP nsValidator::readSelectProperty(nsIDOMElement* aElement, const nsAString& aProperty,
                                              nsAString& aDetails) {
  return appendProperty(kSelect, aElement, aProperty, windowTitle(), false, aDetails);
}

NS_IMETHODIMP nsValidator::readLinkProperty(nsIDOMElement* aElement, const nsAString& aProperty,
                                            nsAString& aDetails) {
  return appendProperty(kLink, aElement, aProperty, windowTitle(), false, aDetails);
}

NS_IMETHODIMP nsValidator::readImageProperty(nsIDOMElement* aElement, const nsAString& aProperty,
                                             nsAString& aDetails) {
  return appendProperty(kImage, aElement, aProperty, windowTitle(), false, aDetails);
}

NS_IMETHODIMP nsValidator::readCellProperty(nsIDOMElement* aCell, const nsAString& aProperty, nsAString& aDetails) {
  return appendProperty(kCell, aCell, aProperty, windowTitle(), false, aDetails);
}
