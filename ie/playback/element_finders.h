// The finders: each scans every element of the current document in document order,
// keeps those of its kind whose identifying property equals the recorded value (or,
// when an id was recorded, whose id equals it) and takes the one at the recorded index.
// A finder yields a result word; on "SUCCESS" it has stored the element in the playback
// state (targetElement, or selectedList for fixSelect). The recorded form name does not
// narrow the search, so the finders do not take it.
#pragma once

#include <mshtml.h>

#include <string>

#include "com/com_ptr.h"

// The element collection of the current document; none (traced) without a document.
ComPtr<IHTMLElementCollection> GetElementCollection();

// INPUT of type "button", "submit", "reset", "checkbox", "radio" or "file", by name or,
// for an element without a name, by value (a button's caption).
std::string fixButton(const std::string& type, const std::string& name, int index, const std::string& id);
// INPUT of the given type (an image button), by src.
std::string fixImageButton(const std::string& type, const std::string& source, int index, const std::string& id);
// IMG by src after its (or its parent's) mouse-over script ran; by alt without a src.
std::string fixImage(const std::string& source, int index, const std::string& id);
// The AREA with these coordinates in the MAP of this name.
std::string fixMap(const std::string& mapName, const std::string& coords, int index, const std::string& id);
// A by its cleaned text ("\r\n" where the script has "<VK_RETURN>").
std::string fixLink(const std::string& innerText, int index, const std::string& id);
// DIV (tag as given) by its exact text.
std::string fixDivElement(const std::string& tag, const std::string& innerText, int index, const std::string& id);
// SELECT by name, or by value for a list without a name; clears selectedList first.
std::string fixSelect(const std::string& name, int index, const std::string& id);
// INPUT of type "text" or "password", or for any other type a TEXTAREA, by name.
std::string findInputTextBox(const std::string& type, const std::string& name, int index, const std::string& id);
