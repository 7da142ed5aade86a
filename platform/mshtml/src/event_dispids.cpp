#include "event_dispids.h"

#include <mshtml.h>

#include <array>

namespace mshtml {
namespace {

// 0x8001xxxx DISPIDs do not fit a signed DISPID literal; the casts keep their bits.
#define MSHTML_DISPID(value) static_cast<DISPID>(value)

const std::array<EventDispid, 24> documentEvents{{
    {"click", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONCLICK)},
    {"dblclick", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONDBLCLICK)},
    {"keydown", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONKEYDOWN)},
    {"keyup", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONKEYUP)},
    {"keypress", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONKEYPRESS)},
    {"mousedown", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONMOUSEDOWN)},
    {"mousemove", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONMOUSEMOVE)},
    {"mouseup", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONMOUSEUP)},
    {"mouseout", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONMOUSEOUT)},
    {"mouseover", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONMOUSEOVER)},
    {"readystatechange", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONREADYSTATECHANGE)},
    {"help", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONHELP)},
    {"dragstart", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONDRAGSTART)},
    {"selectstart", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONSELECTSTART)},
    {"propertychange", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONPROPERTYCHANGE)},
    {"contextmenu", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONCONTEXTMENU)},
    {"stop", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONSTOP)},
    {"mousewheel", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONMOUSEWHEEL)},
    {"focusin", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONFOCUSIN)},
    {"focusout", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONFOCUSOUT)},
    {"activate", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONACTIVATE)},
    {"deactivate", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONDEACTIVATE)},
    {"selectionchange", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONSELECTIONCHANGE)},
    {"controlselect", MSHTML_DISPID(DISPID_HTMLDOCUMENTEVENTS2_ONCONTROLSELECT)},
}};

// The element events every field interface inherits, then each interface's own.
#define MSHTML_ELEMENT_EVENTS                                                     \
  {"click", MSHTML_DISPID(DISPID_HTMLELEMENTEVENTS2_ONCLICK)},                    \
  {"dblclick", MSHTML_DISPID(DISPID_HTMLELEMENTEVENTS2_ONDBLCLICK)},              \
  {"keypress", MSHTML_DISPID(DISPID_HTMLELEMENTEVENTS2_ONKEYPRESS)},              \
  {"keydown", MSHTML_DISPID(DISPID_HTMLELEMENTEVENTS2_ONKEYDOWN)},                \
  {"keyup", MSHTML_DISPID(DISPID_HTMLELEMENTEVENTS2_ONKEYUP)},                    \
  {"mouseout", MSHTML_DISPID(DISPID_HTMLELEMENTEVENTS2_ONMOUSEOUT)},              \
  {"mouseover", MSHTML_DISPID(DISPID_HTMLELEMENTEVENTS2_ONMOUSEOVER)},            \
  {"mousemove", MSHTML_DISPID(DISPID_HTMLELEMENTEVENTS2_ONMOUSEMOVE)},            \
  {"mousedown", MSHTML_DISPID(DISPID_HTMLELEMENTEVENTS2_ONMOUSEDOWN)},            \
  {"mouseup", MSHTML_DISPID(DISPID_HTMLELEMENTEVENTS2_ONMOUSEUP)},                \
  {"selectstart", MSHTML_DISPID(DISPID_HTMLELEMENTEVENTS2_ONSELECTSTART)},        \
  {"propertychange", MSHTML_DISPID(DISPID_HTMLELEMENTEVENTS2_ONPROPERTYCHANGE)},  \
  {"focus", MSHTML_DISPID(DISPID_HTMLELEMENTEVENTS2_ONFOCUS)},                    \
  {"blur", MSHTML_DISPID(DISPID_HTMLELEMENTEVENTS2_ONBLUR)},                      \
  {"contextmenu", MSHTML_DISPID(DISPID_HTMLELEMENTEVENTS2_ONCONTEXTMENU)}

const std::array<EventDispid, 16> selectEvents{{
    MSHTML_ELEMENT_EVENTS,
    {"change", MSHTML_DISPID(DISPID_HTMLSELECTELEMENTEVENTS2_ONCHANGE)},
}};
const std::array<EventDispid, 17> textContainerEvents{{
    MSHTML_ELEMENT_EVENTS,
    {"change", MSHTML_DISPID(DISPID_HTMLTEXTCONTAINEREVENTS2_ONCHANGE)},
    {"select", MSHTML_DISPID(DISPID_HTMLTEXTCONTAINEREVENTS2_ONSELECT)},
}};
const std::array<EventDispid, 20> inputTextEvents{{
    MSHTML_ELEMENT_EVENTS,
    {"change", MSHTML_DISPID(DISPID_HTMLINPUTTEXTELEMENTEVENTS2_ONCHANGE)},
    {"select", MSHTML_DISPID(DISPID_HTMLINPUTTEXTELEMENTEVENTS2_ONSELECT)},
    {"load", MSHTML_DISPID(DISPID_HTMLINPUTTEXTELEMENTEVENTS2_ONLOAD)},
    {"error", MSHTML_DISPID(DISPID_HTMLINPUTTEXTELEMENTEVENTS2_ONERROR)},
    {"abort", MSHTML_DISPID(DISPID_HTMLINPUTTEXTELEMENTEVENTS2_ONABORT)},
}};

}  // namespace

std::span<const EventDispid> eventsOf(const IID& events) {
  if (IsEqualIID(events, DIID_HTMLDocumentEvents2)) return documentEvents;
  if (IsEqualIID(events, DIID_HTMLSelectElementEvents2)) return selectEvents;
  if (IsEqualIID(events, DIID_HTMLTextContainerEvents2)) return textContainerEvents;
  if (IsEqualIID(events, DIID_HTMLInputTextElementEvents2)) return inputTextEvents;
  return {};
}

std::optional<DISPID> dispidOf(const IID& events, std::string_view type) {
  for (const EventDispid& entry : eventsOf(events)) {
    if (entry.type == type) return entry.dispid;
  }
  return std::nullopt;
}

}  // namespace mshtml
