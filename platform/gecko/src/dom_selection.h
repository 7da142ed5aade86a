// The text selection of a page as Gecko's nsISelection, and a selection controller
// (nsISelectionController with nsISelectionDisplay) over a window that gives it. The
// engine selects the text of one element at a time: a selection is then one range over
// that element's contents.
#pragma once

#include <memory>

#include "nsCOMPtr.h"
#include "nsISelection.h"
#include "nsISelectionController.h"

namespace engine {
class Document;
class Window;
}  // namespace engine

namespace gecko {

class DomSession;

// Browser thread only. The selection of `document` (live: it reads the document's
// selection on each call), a new reference in `*out`. A null document gives a selection
// that stays empty (the kinds of selection other than the normal one).
nsresult createSelection(const std::shared_ptr<DomSession>& session, const std::shared_ptr<engine::Document>& document,
                         nsISelection** out);

// Browser thread only. The selection controller of `window`, as a content shell's
// presentation gives it: GetSelection(SELECTION_NORMAL) is the selection of the document
// the window shows at the time of the call.
nsCOMPtr<nsISelectionController> selectionControllerFor(DomSession& session,
                                                        const std::shared_ptr<engine::Window>& window);

}  // namespace gecko
