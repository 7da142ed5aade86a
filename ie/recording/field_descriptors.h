// The recorded lines of form fields whose value changed: a list's selection, a text
// area's text, a text or password field's text.
#pragma once

#include <mshtml.h>

#include <string>

namespace recording {

// selectItem: the texts of the selected options joined by ":-:", "NONE" for none.
std::string buildSelectLine(IHTMLSelectElement* list, IHTMLDocument2* document);
// setText of a TEXTAREA: every "\r\n" of the value becomes "<VK_RETURN>".
std::string buildTextAreaLine(IHTMLTextAreaElement* area, IHTMLDocument2* document);
// setText of an INPUT of type text or password: the value as it is.
std::string buildTextFieldLine(IHTMLInputTextElement* field, IHTMLDocument2* document);

}  // namespace recording
