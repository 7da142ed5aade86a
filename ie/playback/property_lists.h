// The property lists playback reads back to verify a checkpoint: "key:,:value" pairs
// joined by ":;:", keys in a fixed order per kind of element. A text the page does not
// give is "NONE", a flag "true" or "false", a number decimal.
#pragma once

#include <mshtml.h>

#include <string>

enum class PropertyListKind {
  kTextField,
  kTextArea,
  kButton,
  kOptionButton,
  kImageInput,
  kFileInput,
  kList,
  kImage,
  kLink,
};

// The list of `element` for its kind, ending with windowtitle (and, for a list, its
// items); "ERROR_ELEMENT_CAST_FAILED" when the element is not of the kind,
// "ERROR_ELEMENT_NULL" for a missing list.
std::string elementPropertyList(PropertyListKind kind, IDispatch* element, const std::string& windowTitle);

// The list of a table cell, ending with windowtitle; sourceindex, colspan, rowspan and
// cellindex are "NONE" when 0.
std::string cellPropertyList(IDispatch* cell, const std::string& windowTitle);

// The list with windowname (the current document's window) and parenttitle (the title
// of the top document of the current browser) appended.
std::string appendWindowProps(const std::string& list);
