// Windows and frames, the document's view and the page's selection, read from the test
// thread.
#include "dom_fixture.h"
#include "nsIDOMAbstractView.h"
#include "nsIDOMDocumentView.h"
#include "nsIDOMWindowCollection.h"
#include "nsIDOMWindowInternal.h"
#include "nsISelection.h"
#include "nsISelectionController.h"
#include "nsMemory.h"

namespace gecko_test {
namespace {

std::string nameOf(nsIDOMWindow* window) { return window ? text(window, &nsIDOMWindow::GetName) : "<none>"; }

std::string selectionText(nsISelection* selection) {
  PRUnichar* raw = nullptr;
  EXPECT_EQ(NS_OK, selection->ToString(&raw));
  if (!raw) return "<null>";
  nsString wideText(raw);
  nsMemory::Free(raw);
  return utf8(wideText);
}

class DomWindowTest : public GeckoDomTest {
 protected:
  nsCOMPtr<nsIDOMWindow> topWindow() {
    nsCOMPtr<nsIDOMWindow> window;
    EXPECT_EQ(NS_OK, gecko.GetWindow(getter_AddRefs(window)));
    return window;
  }
  nsCOMPtr<nsIDOMWindow> frame(nsIDOMWindow* in, const char* name) {
    nsCOMPtr<nsIDOMWindowCollection> frames;
    EXPECT_EQ(NS_OK, in->GetFrames(getter_AddRefs(frames)));
    nsCOMPtr<nsIDOMWindow> found;
    if (frames) {
      EXPECT_EQ(NS_OK, frames->NamedItem(wide(name), getter_AddRefs(found)));
    }
    return found;
  }
  nsCOMPtr<nsISelection> selectionOf(nsIDOMWindow* window) {
    nsCOMPtr<nsISelection> selection;
    EXPECT_EQ(NS_OK, window->GetSelection(getter_AddRefs(selection)));
    return selection;
  }
  PRInt32 rangeCount(nsISelection* selection) {
    PRInt32 count = -1;
    EXPECT_EQ(NS_OK, selection->GetRangeCount(&count));
    return count;
  }
};

TEST_F(DomWindowTest, FramesAreFoundByIndexAndNameAmongDirectChildren) {
  open("frames.html");
  auto top = topWindow();
  ASSERT_TRUE(top);
  EXPECT_EQ("", nameOf(top));
  nsCOMPtr<nsIDOMWindowCollection> frames;
  ASSERT_EQ(NS_OK, top->GetFrames(getter_AddRefs(frames)));
  PRUint32 length = 0;
  ASSERT_EQ(NS_OK, frames->GetLength(&length));
  EXPECT_EQ(2u, length);
  nsCOMPtr<nsIDOMWindow> first, second, beyond;
  ASSERT_EQ(NS_OK, frames->Item(0, getter_AddRefs(first)));
  ASSERT_EQ(NS_OK, frames->Item(1, getter_AddRefs(second)));
  ASSERT_EQ(NS_OK, frames->Item(2, getter_AddRefs(beyond)));
  EXPECT_EQ("nav", nameOf(first));
  EXPECT_EQ("main", nameOf(second));
  EXPECT_FALSE(beyond);

  // Names are looked up among a window's own frames, not deeper ones.
  auto main = frame(top, "main");
  EXPECT_EQ(as<nsISupports>(main).get(), as<nsISupports>(second).get());
  EXPECT_FALSE(frame(top, "left"));
  EXPECT_FALSE(frame(top, ""));
  auto left = frame(main, "left");
  ASSERT_TRUE(left);
  EXPECT_EQ("left", nameOf(left));
  auto internal = as<nsIDOMWindowInternal>(main);
  ASSERT_TRUE(internal);
  ASSERT_EQ(NS_OK, internal->GetLength(&length));
  EXPECT_EQ(2u, length);

  // Each frame shows its own document.
  nsCOMPtr<nsIDOMDocument> leftDocument;
  ASSERT_EQ(NS_OK, left->GetDocument(getter_AddRefs(leftDocument)));
  EXPECT_EQ("Left", text(as<nsIDOMHTMLDocument>(leftDocument).get(), &nsIDOMHTMLDocument::GetTitle));
}

TEST_F(DomWindowTest, TopParentAndContentOfFramesAndOfTheTopWindow) {
  open("frames.html");
  auto top = topWindow();
  auto main = frame(top, "main");
  auto left = frame(main, "left");
  ASSERT_TRUE(left);
  auto same = [](nsIDOMWindow* a, nsIDOMWindow* b) { return as<nsISupports>(a).get() == as<nsISupports>(b).get(); };

  nsCOMPtr<nsIDOMWindow> found;
  ASSERT_EQ(NS_OK, left->GetTop(getter_AddRefs(found)));
  EXPECT_TRUE(same(found, top));
  ASSERT_EQ(NS_OK, left->GetParent(getter_AddRefs(found)));
  EXPECT_TRUE(same(found, main));
  // A top-level content window is its own top and its own parent.
  ASSERT_EQ(NS_OK, top->GetTop(getter_AddRefs(found)));
  EXPECT_TRUE(same(found, top));
  ASSERT_EQ(NS_OK, top->GetParent(getter_AddRefs(found)));
  EXPECT_TRUE(same(found, top));
  ASSERT_EQ(NS_OK, as<nsIDOMWindowInternal>(left)->GetContent(getter_AddRefs(found)));
  EXPECT_TRUE(same(found, top));

  // The frame element is the FRAME in the parent's document; the top window has none.
  nsCOMPtr<nsIDOMElement> element;
  ASSERT_EQ(NS_OK, as<nsIDOMWindowInternal>(frame(top, "nav"))->GetFrameElement(getter_AddRefs(element)));
  ASSERT_TRUE(element);
  EXPECT_EQ("navFrame", text(as<nsIDOMHTMLElement>(element).get(), &nsIDOMHTMLElement::GetId));
  ASSERT_EQ(NS_OK, as<nsIDOMWindowInternal>(top)->GetFrameElement(getter_AddRefs(element)));
  EXPECT_FALSE(element);
}

TEST_F(DomWindowTest, OneWrapperPerWindowReachedFromItsDocumentView) {
  open("iframe.html");
  auto top = topWindow();
  auto view = as<nsIDOMDocumentView>(document);
  ASSERT_TRUE(view);
  nsCOMPtr<nsIDOMAbstractView> abstractView;
  ASSERT_EQ(NS_OK, view->GetDefaultView(getter_AddRefs(abstractView)));
  ASSERT_TRUE(abstractView);
  EXPECT_EQ(as<nsISupports>(abstractView).get(), as<nsISupports>(top).get());
  nsCOMPtr<nsIDOMDocumentView> back;
  ASSERT_EQ(NS_OK, abstractView->GetDocument(getter_AddRefs(back)));
  EXPECT_EQ(as<nsISupports>(back).get(), as<nsISupports>(document).get());

  // A renamed frame is found by its new name; the name is the window's, not the wrapper's.
  auto inner = frame(top, "inner");
  ASSERT_TRUE(inner);
  ASSERT_EQ(NS_OK, inner->SetName(wide("renamed")));
  inner = nullptr;
  EXPECT_FALSE(frame(top, "inner"));
  EXPECT_EQ("renamed", nameOf(frame(top, "renamed")));

  // A document no longer shown has no view.
  auto old = document;
  open("index.html");
  ASSERT_EQ(NS_OK, as<nsIDOMDocumentView>(old)->GetDefaultView(getter_AddRefs(abstractView)));
  EXPECT_FALSE(abstractView);
}

TEST_F(DomWindowTest, OpenCloseAndOpener) {
  open("index.html");
  auto top = as<nsIDOMWindowInternal>(topWindow());
  nsCOMPtr<nsIDOMWindow> popup;
  ASSERT_EQ(NS_OK, top->Open(wide(siteUrl("popup.html").c_str()), wide("popup"), wide(""), getter_AddRefs(popup)));
  ASSERT_TRUE(popup);
  ASSERT_TRUE(gecko.act("wait 0"));
  EXPECT_EQ("popup", nameOf(popup));
  auto popupInternal = as<nsIDOMWindowInternal>(popup);
  nsCOMPtr<nsIDOMWindowInternal> opener;
  ASSERT_EQ(NS_OK, popupInternal->GetOpener(getter_AddRefs(opener)));
  EXPECT_EQ(as<nsISupports>(opener).get(), as<nsISupports>(top).get());
  ASSERT_EQ(NS_OK, popupInternal->SetOpener(nullptr));
  ASSERT_EQ(NS_OK, popupInternal->GetOpener(getter_AddRefs(opener)));
  EXPECT_FALSE(opener);

  PRBool closed = PR_TRUE;
  ASSERT_EQ(NS_OK, popupInternal->GetClosed(&closed));
  EXPECT_FALSE(closed);
  ASSERT_EQ(NS_OK, popupInternal->Close());
  ASSERT_TRUE(gecko.act("wait 0"));
  ASSERT_EQ(NS_OK, popupInternal->GetClosed(&closed));
  EXPECT_TRUE(closed);
  ASSERT_EQ(NS_OK, top->GetClosed(&closed));
  EXPECT_FALSE(closed);
}

TEST_F(DomWindowTest, ClosingAFrameLeavesItOpen) {
  open("frames.html");
  auto nav = as<nsIDOMWindowInternal>(frame(topWindow(), "nav"));
  ASSERT_EQ(NS_OK, nav->Close());
  ASSERT_TRUE(gecko.act("wait 0"));
  PRBool closed = PR_TRUE;
  ASSERT_EQ(NS_OK, nav->GetClosed(&closed));
  EXPECT_FALSE(closed);
}

TEST_F(DomWindowTest, Base64AndFindInThePage) {
  open("index.html");
  auto window = as<nsIDOMWindowInternal>(topWindow());
  nsString result;
  ASSERT_EQ(NS_OK, window->Btoa(wide("Hello, w\xC3\xB6rld"), result));
  EXPECT_EQ("SGVsbG8sIHf2cmxk", utf8(result));
  ASSERT_EQ(NS_OK, window->Atob(wide("SGVsbG8sIHf2cmxk"), result));
  EXPECT_EQ("Hello, w\xC3\xB6rld", utf8(result));
  ASSERT_EQ(NS_OK, window->Atob(wide("YQ=="), result));
  EXPECT_EQ("a", utf8(result));
  EXPECT_EQ(NS_ERROR_DOM_INVALID_CHARACTER_ERR, window->Btoa(wide("\xE2\x82\xAC"), result));  // beyond a byte
  EXPECT_EQ(NS_ERROR_DOM_INVALID_CHARACTER_ERR, window->Atob(wide("Y"), result));
  EXPECT_EQ(NS_ERROR_DOM_INVALID_CHARACTER_ERR, window->Atob(wide("Y*=="), result));

  PRBool found = PR_FALSE;
  ASSERT_EQ(NS_OK,
            window->Find(wide("latest NEWS"), PR_FALSE, PR_FALSE, PR_FALSE, PR_FALSE, PR_FALSE, PR_FALSE, &found));
  EXPECT_TRUE(found);
  ASSERT_EQ(NS_OK,
            window->Find(wide("latest NEWS"), PR_TRUE, PR_FALSE, PR_FALSE, PR_FALSE, PR_FALSE, PR_FALSE, &found));
  EXPECT_FALSE(found);
  ASSERT_EQ(NS_OK, window->Find(wide("Welc"), PR_FALSE, PR_FALSE, PR_FALSE, PR_TRUE, PR_FALSE, PR_FALSE, &found));
  EXPECT_FALSE(found);  // not a whole word
}

TEST_F(DomWindowTest, TheSelectionIsWhatTheUserSelected) {
  open("index.html");
  auto window = topWindow();
  auto selection = selectionOf(window);
  ASSERT_TRUE(selection);
  EXPECT_EQ("", selectionText(selection));
  EXPECT_EQ(0, rangeCount(selection));
  PRBool collapsed = PR_FALSE;
  ASSERT_EQ(NS_OK, selection->GetIsCollapsed(&collapsed));
  EXPECT_TRUE(collapsed);

  std::string error;
  ASSERT_TRUE(gecko.act("selecttext #news", &error)) << error;
  // The same object reads the selection live.
  EXPECT_EQ("Latest news\nSecond line", selectionText(selection));
  EXPECT_EQ(1, rangeCount(selection));
  ASSERT_EQ(NS_OK, selection->GetIsCollapsed(&collapsed));
  EXPECT_FALSE(collapsed);
  nsCOMPtr<nsIDOMNode> anchor;
  ASSERT_EQ(NS_OK, selection->GetAnchorNode(getter_AddRefs(anchor)));
  EXPECT_TRUE(same(anchor, byId("news")));
  nsCOMPtr<nsIDOMNode> words;
  ASSERT_EQ(NS_OK, anchor->GetFirstChild(getter_AddRefs(words)));
  PRBool contains = PR_FALSE;
  ASSERT_EQ(NS_OK, selection->ContainsNode(words, PR_TRUE, &contains));
  EXPECT_TRUE(contains);
  nsCOMPtr<nsIDOMHTMLElement> body;
  ASSERT_EQ(NS_OK, document->GetBody(getter_AddRefs(body)));
  ASSERT_EQ(NS_OK, selection->ContainsNode(body, PR_TRUE, &contains));
  EXPECT_FALSE(contains);
  ASSERT_EQ(NS_OK, selection->ContainsNode(body, PR_FALSE, &contains));
  EXPECT_TRUE(contains);  // partly

  // The controller of the content gives the same selection.
  nsCOMPtr<nsISelectionController> controller;
  ASSERT_EQ(NS_OK, gecko.GetSelectionController(getter_AddRefs(controller)));
  nsCOMPtr<nsISelection> normal;
  ASSERT_EQ(NS_OK, controller->GetSelection(nsISelectionController::SELECTION_NORMAL, getter_AddRefs(normal)));
  EXPECT_EQ("Latest news\nSecond line", selectionText(normal));
  nsCOMPtr<nsISelection> spelling;
  ASSERT_EQ(NS_OK, controller->GetSelection(nsISelectionController::SELECTION_SPELLCHECK, getter_AddRefs(spelling)));
  EXPECT_EQ("", selectionText(spelling));
  EXPECT_EQ(NS_ERROR_INVALID_ARG, controller->GetSelection(3, getter_AddRefs(spelling)));

  ASSERT_EQ(NS_OK, selection->SelectAllChildren(byId("heading")));
  EXPECT_EQ("Welcome to the sample site", selectionText(normal));
  ASSERT_EQ(NS_OK, selection->RemoveAllRanges());
  EXPECT_EQ("", selectionText(selection));
  EXPECT_EQ(0, rangeCount(selection));
  EXPECT_EQ(NS_ERROR_FAILURE, selection->CollapseToStart());  // no range to collapse
}

TEST_F(DomWindowTest, ASelectionInAFrameBelongsToThatFrame) {
  open("frames.html");
  std::string error;
  ASSERT_TRUE(gecko.act("frame left\nselecttext #where", &error)) << error;
  auto left = frame(frame(topWindow(), "main"), "left");
  EXPECT_EQ("Left frame", selectionText(selectionOf(left)));
  EXPECT_EQ("", selectionText(selectionOf(topWindow())));
}

}  // namespace
}  // namespace gecko_test
