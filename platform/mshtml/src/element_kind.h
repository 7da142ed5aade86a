// Which MSHTML interfaces IE's element object of a given kind answers.
//
// The system tells element kinds apart by QueryInterface (a check box is found because
// it answers IHTMLOptionButtonElement and not IHTMLInputButtonElement), so an element
// must answer exactly what IE's element of that tag, and for INPUT that type, answers.
#pragma once

#include <mshtml.h>

#include <span>
#include <string_view>

namespace mshtml {

struct ElementKind {
  // Interfaces beyond those of every element (IUnknown, IDispatch, IHTMLElement,
  // IHTMLElement2, IConnectionPointContainer), in the order QueryInterface tries them.
  std::span<const IID* const> interfaces;
  // The event dispinterface the element's connection points offer besides none, or
  // nullptr when it offers none of the declared ones.
  const IID* events;
};

// tagName as the DOM reports it (upper case); inputType as IE reports it (lower case,
// "text" for an INPUT without a type). inputType is ignored for other tags.
const ElementKind& elementKindOf(std::string_view tagName, std::string_view inputType);

}  // namespace mshtml
