// The setWindow line: before a page action is recorded, the window or frame it happened
// in is compared with the one of the last setWindow line, and a new line is recorded
// when the user has moved.
#pragma once

#include <mshtml.h>

namespace recording {

// Records a setWindow line when the event's window (by its name, or by its title when it
// has no name) or its top window's title differs from the last recorded ones; at most
// one line per call.
void recordWindowChange(IHTMLEventObj* event);

}  // namespace recording
