// The element checkpoint: the properties of the element a checkpoint click picked, after
// the window block, in the key order the host stores for its kind.
#pragma once

#include <mshtml.h>

#include <string>
#include <vector>

namespace recording {

// Replaces the checkpoint properties with the window block of `event` and the list of
// its element: an INPUT (by type), a link or the link around the element, an IMG, a
// TEXTAREA, a SELECT or a table cell. Any other element adds nothing to the block.
void elementCheckpoint(IHTMLEventObj* event);

// The checkpoint's own identifier: the id, or the name when there is no id, followed by
// "_" and the index when the index is not "0".
std::string checkpointId(const std::string& id, const std::string& name, const std::string& index);

}  // namespace recording
