#include "dom_selection.h"

#include <atomic>

#include "dom_node.h"
#include "dom_object.h"
#include "dom_session.h"
#include "engine/document.h"
#include "engine/node.h"
#include "engine/window.h"
#include "nsDOMError.h"
#include "nsString.h"
#include "text_conversion.h"

namespace gecko {

namespace {

bool isInside(const std::shared_ptr<engine::Node>& node, const engine::Node& ancestor) {
  for (auto at = node; at; at = at->parentNode()) {
    if (at.get() == &ancestor) return true;
  }
  return false;
}

class DomSelection final : public nsISelection, public DomObject {
 public:
  DomSelection(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Document> document)
      : DomObject(std::move(session)), document_(std::move(document)) {}

  GECKO_DOM_ISUPPORTS

  // The one range runs from the start of the selected element's contents to their end.
  NS_IMETHOD GetAnchorNode(nsIDOMNode** aAnchorNode) override { return containerAs(aAnchorNode); }
  NS_IMETHOD GetAnchorOffset(PRInt32* aAnchorOffset) override {
    return number(aAnchorOffset, [](const engine::Element&) { return 0; });
  }
  NS_IMETHOD GetFocusNode(nsIDOMNode** aFocusNode) override { return containerAs(aFocusNode); }
  NS_IMETHOD GetFocusOffset(PRInt32* aFocusOffset) override {
    return number(aFocusOffset, [](const engine::Element& e) { return static_cast<PRInt32>(e.childNodes().size()); });
  }
  NS_IMETHOD GetIsCollapsed(PRBool* aIsCollapsed) override {
    if (!aIsCollapsed) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult {
      auto selected = container();
      *aIsCollapsed = !selected || selected->childNodes().empty() ? PR_TRUE : PR_FALSE;
      return NS_OK;
    });
  }
  NS_IMETHOD GetRangeCount(PRInt32* aRangeCount) override {
    if (!aRangeCount) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult {
      *aRangeCount = container() ? 1 : 0;
      return NS_OK;
    });
  }
  // Ranges (nsIDOMRange) are not modelled (README).
  NS_IMETHOD GetRangeAt(PRInt32, nsIDOMRange** _retval) override {
    if (_retval) *_retval = nullptr;
    return NS_ERROR_NOT_IMPLEMENTED;
  }
  NS_IMETHOD AddRange(nsIDOMRange*) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD RemoveRange(nsIDOMRange*) override { return NS_ERROR_NOT_IMPLEMENTED; }
  // The engine selects whole elements only: a collapsed selection is no selection.
  NS_IMETHOD Collapse(nsIDOMNode* parentNode, PRInt32) override {
    if (!parentNode) return NS_ERROR_NULL_POINTER;
    return clear(false);
  }
  // Moving one end of the range to any point is beyond the engine's model (README).
  NS_IMETHOD Extend(nsIDOMNode*, PRInt32) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD CollapseToStart(void) override { return clear(true); }
  NS_IMETHOD CollapseToEnd(void) override { return clear(true); }
  // A node below (or at) the selected element lies entirely in the range; one of its
  // ancestors only partly.
  NS_IMETHOD ContainsNode(nsIDOMNode* node, PRBool entirelyContained, PRBool* _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = PR_FALSE;
    auto asked = engineNodeOf(node);
    if (!asked) return node ? NS_OK : NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult {
      auto selected = container();
      if (!selected) return NS_OK;
      const bool inside = isInside(asked, *selected);
      const bool around = !inside && isInside(selected, *asked);
      *_retval = inside || (around && !entirelyContained) ? PR_TRUE : PR_FALSE;
      return NS_OK;
    });
  }
  // Selects the contents of an element (or of a document's body), as the user's drag
  // over its text does.
  NS_IMETHOD SelectAllChildren(nsIDOMNode* parentNode) override {
    auto node = engineNodeOf(parentNode);
    if (!node) return parentNode ? NS_ERROR_INVALID_ARG : NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult {
      if (!document_) return NS_OK;
      std::shared_ptr<engine::Element> element;
      if (node->nodeType() == engine::NodeType::Document) {
        if (node != document_) return NS_ERROR_DOM_WRONG_DOCUMENT_ERR;
        element = document_->body();
      } else if (node->nodeType() == engine::NodeType::Element) {
        if (node->ownerDocument() != document_) return NS_ERROR_DOM_WRONG_DOCUMENT_ERR;
        element = std::static_pointer_cast<engine::Element>(node);
      } else {
        return NS_ERROR_INVALID_ARG;  // text has no children to select
      }
      document_->select(element);
      return NS_OK;
    });
  }
  NS_IMETHOD RemoveAllRanges(void) override { return clear(false); }
  // Takes the selected contents out of the page.
  NS_IMETHOD DeleteFromDocument(void) override {
    return session().carry([&]() -> nsresult {
      if (auto selected = container()) {
        while (auto child = selected->lastChild()) selected->removeChild(child);
        document_->clearSelection();
      }
      return NS_OK;
    });
  }
  // The caret's direction changes nothing in a page without a caret.
  NS_IMETHOD SelectionLanguageChange(PRBool) override {
    return session().carry([]() -> nsresult { return NS_OK; });
  }
  NS_IMETHOD ToString(PRUnichar** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = nullptr;
    std::string text;
    nsresult rv = session().carry([&]() -> nsresult {
      if (container()) text = document_->selection().text;
      return NS_OK;
    });
    if (NS_FAILED(rv)) return rv;
    nsString wide;
    assignUtf8(wide, text);
    *_retval = ToNewUnicode(wide);
    return *_retval ? NS_OK : NS_ERROR_OUT_OF_MEMORY;
  }

  nsISupports* canonical() override { return static_cast<nsISelection*>(this); }

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsISupports)) || iid.Equals(NS_GET_IID(nsISelection))) return canonical();
    return nullptr;
  }
  // Browser thread: the selected element while it is still in this document.
  std::shared_ptr<engine::Element> container() const {
    if (!document_) return nullptr;
    auto selected = document_->selection().container;
    if (!selected || !isInside(selected, *document_)) return nullptr;
    return selected;
  }
  nsresult containerAs(nsIDOMNode** out) {
    if (!out) return NS_ERROR_NULL_POINTER;
    return session().carry(
        [&]() -> nsresult { return wrapAs(session(), std::shared_ptr<engine::Node>(container()), out); });
  }
  template <class Read>
  nsresult number(PRInt32* out, Read read) {
    if (!out) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult {
      auto selected = container();
      *out = selected ? read(*selected) : 0;
      return NS_OK;
    });
  }
  // Ends the selection; `needRange`: failing when there is none, as collapsing to one
  // end of a missing range does.
  nsresult clear(bool needRange) {
    return session().carry([&]() -> nsresult {
      if (!container()) return needRange ? NS_ERROR_FAILURE : NS_OK;
      document_->clearSelection();
      return NS_OK;
    });
  }

  const std::shared_ptr<engine::Document> document_;  // null: a selection kind that stays empty
};

class DomSelectionController final : public nsISelectionController, public DomObject {
 public:
  DomSelectionController(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Window> window)
      : DomObject(std::move(session)), window_(std::move(window)) {}

  GECKO_DOM_ISUPPORTS

  // --- nsISelectionDisplay: what a selection shows besides text; kept and reported.
  NS_IMETHOD SetSelectionFlags(PRInt16 toggle) override {
    selectionFlags_.store(toggle);
    return NS_OK;
  }
  NS_IMETHOD GetSelectionFlags(PRInt16* _retval) override { return read(_retval, selectionFlags_); }

  // --- nsISelectionController
  NS_IMETHOD SetDisplaySelection(PRInt16 toggle) override {
    displaySelection_.store(toggle);
    return NS_OK;
  }
  NS_IMETHOD GetDisplaySelection(PRInt16* _retval) override { return read(_retval, displaySelection_); }
  NS_IMETHOD GetSelection(PRInt16 type, nsISelection** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = nullptr;
    switch (type) {
      case SELECTION_NORMAL:
        return session().carry(
            [&]() -> nsresult { return createSelection(sharedSession(), window_->document(), _retval); });
      case SELECTION_SPELLCHECK:
      case SELECTION_IME_RAWINPUT:
      case SELECTION_IME_SELECTEDRAWTEXT:
      case SELECTION_IME_CONVERTEDTEXT:
      case SELECTION_IME_SELECTEDCONVERTEDTEXT:
      case SELECTION_ACCESSIBILITY:
        // Nothing makes these selections in the simulated browser: they stay empty.
        return session().carry([&]() -> nsresult { return createSelection(sharedSession(), nullptr, _retval); });
      default:
        return NS_ERROR_INVALID_ARG;
    }
  }
  // Pages are not laid out, so nothing scrolls and nothing needs painting.
  NS_IMETHOD ScrollSelectionIntoView(PRInt16, PRInt16, PRBool) override { return NS_OK; }
  NS_IMETHOD RepaintSelection(PRInt16) override { return NS_OK; }
  NS_IMETHOD SetCaretEnabled(PRBool enabled) override {
    caretEnabled_.store(enabled != PR_FALSE);
    return NS_OK;
  }
  NS_IMETHOD SetCaretWidth(PRInt16 pixels) override { return pixels < 0 ? NS_ERROR_INVALID_ARG : NS_OK; }
  NS_IMETHOD SetCaretReadOnly(PRBool) override { return NS_OK; }
  NS_IMETHOD GetCaretEnabled(PRBool* _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = caretEnabled_.load() ? PR_TRUE : PR_FALSE;
    return NS_OK;
  }
  NS_IMETHOD SetCaretVisibilityDuringSelection(PRBool) override { return NS_OK; }
  // The engine has no caret to move (README).
  NS_IMETHOD CharacterMove(PRBool, PRBool) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD WordMove(PRBool, PRBool) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD LineMove(PRBool, PRBool) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD IntraLineMove(PRBool, PRBool) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD PageMove(PRBool, PRBool) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD CompleteMove(PRBool, PRBool) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD CompleteScroll(PRBool) override { return NS_OK; }
  NS_IMETHOD ScrollPage(PRBool) override { return NS_OK; }
  NS_IMETHOD ScrollLine(PRBool) override { return NS_OK; }
  NS_IMETHOD ScrollHorizontal(PRBool) override { return NS_OK; }
  // Selects the whole body of the document shown.
  NS_IMETHOD SelectAll(void) override {
    return session().carry([&]() -> nsresult {
      if (auto document = window_->document()) document->select(document->body());
      return NS_OK;
    });
  }
  // Every node of the shown document counts as visible: the engine lays nothing out.
  NS_IMETHOD CheckVisibility(nsIDOMNode* node, PRInt16, PRInt16, PRBool* _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = PR_FALSE;
    auto asked = engineNodeOf(node);
    if (!asked) return NS_ERROR_INVALID_ARG;
    return session().carry([&]() -> nsresult {
      auto document = window_->document();
      *_retval = document && isInside(asked, *document) ? PR_TRUE : PR_FALSE;
      return NS_OK;
    });
  }

  nsISupports* canonical() override { return static_cast<nsISelectionController*>(this); }

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsISupports)) || iid.Equals(NS_GET_IID(nsISelectionController)) ||
        iid.Equals(NS_GET_IID(nsISelectionDisplay))) {
      return canonical();
    }
    return nullptr;
  }
  static nsresult read(PRInt16* out, const std::atomic<PRInt16>& value) {
    if (!out) return NS_ERROR_NULL_POINTER;
    *out = value.load();
    return NS_OK;
  }

  const std::shared_ptr<engine::Window> window_;
  std::atomic<PRInt16> selectionFlags_{nsISelectionDisplay::DISPLAY_TEXT};
  std::atomic<PRInt16> displaySelection_{SELECTION_ON};
  std::atomic<bool> caretEnabled_{false};
};

}  // namespace

nsresult createSelection(const std::shared_ptr<DomSession>& session, const std::shared_ptr<engine::Document>& document,
                         nsISelection** out) {
  *out = new DomSelection(session, document);
  return NS_OK;
}

nsCOMPtr<nsISelectionController> selectionControllerFor(DomSession& session,
                                                        const std::shared_ptr<engine::Window>& window) {
  nsCOMPtr<nsISelectionController> result;
  if (window)
    result = dont_AddRef(
        static_cast<nsISelectionController*>(new DomSelectionController(session.shared_from_this(), window)));
  return result;
}

}  // namespace gecko
