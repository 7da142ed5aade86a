// The text checkpoint: the text the user selected and the whole text of the page.
#pragma once

#include <mshtml.h>

namespace recording {

// Replaces the checkpoint properties with the window block of `event`, the browser
// entry's index, the text around the document's selection ("selectedText") and the
// text of the document's body ("fullText"); both "NONE" when nothing is selected.
void textCheckpoint(IHTMLEventObj* event);

}  // namespace recording
