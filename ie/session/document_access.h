// Reading a browser's document and its identity (title, address, window name): the
// small steps the event handlers and the playback natives share.
#pragma once

#include <exdisp.h>
#include <mshtml.h>

#include <string>

#include "com/com_ptr.h"

// The browser's document as IHTMLDocument2; none when it has none or it is not HTML.
ComPtr<IHTMLDocument2> htmlDocumentOf(IWebBrowser2* browser);
// "" when the document or the property is missing.
std::string titleOf(IHTMLDocument2* document);
std::string urlOf(IHTMLDocument2* document);
// The name of the document's window; `whenMissing` when there is no window or it has
// no name.
std::string windowNameOf(IHTMLDocument2* document, const char* whenMissing);
