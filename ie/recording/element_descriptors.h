// The recorded lines of the elements a click or a key press acts on: each builder reads
// the element's identifying properties, works out its index among like elements of its
// document and returns the line in the key order the host stores. A builder given an
// element that lacks the interface its kind needs leaves those properties at "NONE"
// (or "false"), and the line still carries every key.
#pragma once

#include <mshtml.h>

#include <string>
#include <vector>

namespace recording {

// INPUT of type submit, reset or button: clickButton.
std::string buildButtonLine(IHTMLElement* element, IHTMLDocument2* document);
// INPUT of type checkbox or radio: clickButton with defaultChecked.
std::string buildCheckableLine(IHTMLElement* element, IHTMLDocument2* document);
// INPUT of type file: clickButton without an index.
std::string buildFileButtonLine(IHTMLElement* element, IHTMLDocument2* document);
// INPUT of type image: clickImage.
std::string buildImageButtonLine(IHTMLElement* element, IHTMLDocument2* document);
// IMG: clickImage.
std::string buildImageLine(IHTMLElement* element, IHTMLDocument2* document);
// A: clickLink; empty when the element is not a link.
std::string buildLinkLine(IHTMLElement* element, IHTMLDocument2* document);
// DIV: the pairs of a clickList line, without "clickList[" and "]".
std::string buildListPairs(IHTMLElement* element, IHTMLDocument2* document);
// AREA: clickMap, naming the AREA's MAP and the AREA's coordinates.
std::string buildMapLine(IHTMLElement* element, IHTMLDocument2* document);

// The indexes the lines above record, for the checkpoint lists that count the same way.
// An INPUT of type image among image INPUTs: by id, else by `source` (its src, "NONE"
// when empty).
std::string imageButtonIndex(IHTMLDocument2* document, IHTMLElement* element, const std::string& source);
// An IMG among IMGs: by id, else by `source` (its src, "NONE" when empty).
std::string imageIndex(IHTMLDocument2* document, IHTMLElement* element, const std::string& source);
// An A among links: by id, else by cleaned text.
std::string linkIndex(IHTMLDocument2* document, IHTMLElement* element);

// The window block that opens a checkpoint's property list: windowtitle, windowname,
// parenttitle and tooltip of the event's element, as key, value, key, value.
std::vector<std::string> windowBlock(IHTMLEventObj* event);
// Replaces the checkpoint properties with the window block of `event`.
void addWindowBlock(IHTMLEventObj* event);

}  // namespace recording
