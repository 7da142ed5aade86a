// Reading the properties a recorded line names an element by, and the element's index
// among like elements of its page. Every text is converted to the ANSI code page; a
// property the page has no value for (a null BSTR) reads as "NONE".
#pragma once

#include <mshtml.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "com/bstr.h"
#include "com/com_ptr.h"

namespace recording {

// The text a property read gives: "NONE" for a null BSTR (also when the read fails).
template <class Read>
std::string readText(Read&& read) {
  Bstr value;
  read(value.put());
  return value.toAnsiOr("NONE");
}

std::string idOf(IHTMLElement* element);
std::string titleOf(IHTMLElement* element);
std::string tagNameOf(IHTMLElement* element);
// The source index as decimal; empty when it cannot be read.
std::string sourceIndexOf(IHTMLElement* element);
// The form's name; "NONE" when there is no form or it has no name.
std::string formNameOf(IHTMLFormElement* form);
// "true" exactly for VARIANT_TRUE.
std::string flagOf(VARIANT_BOOL value);
// A VARIANT_BOOL property read, "false" when the read fails.
template <class Read>
std::string readFlag(Read&& read) {
  VARIANT_BOOL value = VARIANT_FALSE;
  if (FAILED(read(&value))) return "false";
  return flagOf(value);
}
// innerText as read ("NONE" when the element has none).
std::string innerTextOf(IHTMLElement* element);
// The element itself or the nearest element above it whose tag is one of `tags`; none
// when there is no such element.
ComPtr<IHTMLElement> selfOrAncestorTagged(IHTMLElement* element, std::initializer_list<std::string_view> tags);
// The element's document as IHTMLDocument2.
ComPtr<IHTMLDocument2> documentOf(IHTMLElement* element);
// The value of an INPUT's type, through IHTMLInputElement; "" when it has none.
std::string inputTypeOf(IHTMLElement* element);

// One page item as the match lists see it.
using ItemTest = std::function<bool(IDispatch* item, IHTMLElement* element)>;

// The element's index: its position among the items of `document` that pass `kind` and
// `identity`, in document order, found by its source index; "0" when it is not among them.
std::string indexAmong(IHTMLDocument2* document, IHTMLElement* element, const ItemTest& kind,
                       const ItemTest& identity);

// Identity by id: the item's id equals `id`.
ItemTest sameId(const std::string& id);
// Identity of INPUT buttons, check boxes and radio buttons: the key is the element's
// name, or its value when it has no name; an item matches by its name, or by its value
// when it has no name. With no key nothing matches.
ItemTest sameNameOrValue(const std::string& name, const std::string& value);
// Identity by name alone (text fields, text areas, lists): the name-or-value identity
// with the element's own value left out.
ItemTest sameName(const std::string& name);
// Kind filter: the item answers IHTMLInputElement and has this type.
ItemTest inputOfType(const std::string& type);

}  // namespace recording
