// Frames by name and by title, and browser windows through the window mediator, as a
// recorded line names them.
#include <string>

#include "dom_helpers_fixture.h"
#include "nsIBaseWindow.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDocShell.h"
#include "nsMemory.h"
#include "nsPlayBackUtils.h"

namespace marbleck_dom_test {
namespace {

using namespace nsPlayBackUtils;

// The window's name and its page's title, "name|title", or "(none)".
std::string describe(nsIDOMWindow* window) {
  if (!window) return "(none)";
  nsString name, title;
  nsCOMPtr<nsIDOMDocument> shown;
  window->GetName(name);
  window->GetDocument(getter_AddRefs(shown));
  if (auto page = as<nsIDOMHTMLDocument>(shown)) page->GetTitle(title);
  return utf8(name) + "|" + utf8(title);
}

std::string shellTitle(nsIDocShell* shell) {
  auto base = as<nsIBaseWindow>(shell);
  PRUnichar* title = nullptr;
  if (!base || NS_FAILED(base->GetTitle(&title)) || !title) return "(none)";
  std::string text = utf8(nsDependentString(title));
  nsMemory::Free(title);
  return text;
}

class WindowFindersTest : public DomHelpersTest {
 protected:
  std::string frameByName(const char* name, const char* condition = "equals", nsresult expected = NS_OK) {
    nsCOMPtr<nsIDOMWindow> found;
    EXPECT_EQ(expected, FindFrameByName(wide(name), window(), wide(condition), getter_AddRefs(found)));
    return describe(found);
  }
  std::string frameByTitle(const char* title, const char* condition = "equals") {
    nsCOMPtr<nsIDOMWindow> found;
    EXPECT_EQ(NS_OK, FindFrameByTitle(window(), wide(title), wide(condition), getter_AddRefs(found)));
    return describe(found);
  }
  bool titleMatches(nsIDOMWindow* in, const char* title, const char* condition = "equals") {
    return MatchDocumentTitle(in, wide(title), wide(condition)) == NS_OK;
  }
  // What FindBrowserWindow finds, as its page title, with the result code.
  std::string browserWindow(const char* windowTitle, const char* frameName, const char* documentTitle,
                            nsresult expected = NS_OK, const char* titleCondition = "equals",
                            const char* documentCondition = "equals", const char* frameCondition = "equals") {
    nsCOMPtr<nsIDocShell> shell;
    EXPECT_EQ(expected,
              FindBrowserWindow(PR_FALSE, wide(windowTitle), wide(frameName), wide(documentTitle), wide(titleCondition),
                                wide(documentCondition), wide(frameCondition), getter_AddRefs(shell)));
    return shell ? shellTitle(shell) : "(none)";
  }
};

TEST_F(WindowFindersTest, FramesByNameDepthFirstUnderEachCondition) {
  open("frames.html");
  EXPECT_EQ("|Frame Set", frameByName("NONE"));
  EXPECT_EQ("main|Inner Frames", frameByName("main"));
  EXPECT_EQ("nav|Navigation", frameByName("nav"));
  EXPECT_EQ("left|Left", frameByName("left"));  // inside "main"
  EXPECT_EQ("right|Right", frameByName("ri", "starts with"));
  EXPECT_EQ("main|Inner Frames", frameByName("ain", "ends with"));
  EXPECT_EQ("(none)", frameByName("Main", "equals", NS_ERROR_FAILURE));
  EXPECT_EQ("(none)", frameByName("main", "Equals", NS_ERROR_FAILURE));
  EXPECT_EQ("(none)", frameByName("", "equals", NS_ERROR_FAILURE));
}

TEST_F(WindowFindersTest, AWindowWithoutFramesIsTestedByItsOwnName) {
  open("index.html");
  EXPECT_EQ("|Sample Home", frameByName("NONE"));
  EXPECT_EQ("|Sample Home", frameByName(""));
  EXPECT_EQ("(none)", frameByName("main", "equals", NS_ERROR_FAILURE));
  EXPECT_EQ("|Sample Home", frameByName("", "starts with"));
  nsCOMPtr<nsIDOMWindow> found;
  EXPECT_EQ(NS_ERROR_FAILURE, FindFrameByName(wide("NONE"), nullptr, wide("equals"), getter_AddRefs(found)));
  EXPECT_EQ(NS_ERROR_NULL_POINTER, FindFrameByName(wide("NONE"), window(), wide("equals"), nullptr));
}

TEST_F(WindowFindersTest, AnInlineFrameIsAFrameOfItsPage) {
  open("iframe.html");
  EXPECT_EQ("inner|Right", frameByName("inner"));
}

TEST_F(WindowFindersTest, DocumentTitlesWithNoneForAnEmptyOne) {
  open("index.html");
  auto top = window();
  EXPECT_TRUE(titleMatches(top, "Sample Home"));
  EXPECT_TRUE(titleMatches(top, "Sample", "starts with"));
  EXPECT_FALSE(titleMatches(top, "sample home"));
  EXPECT_FALSE(titleMatches(top, "NONE"));
  EXPECT_FALSE(titleMatches(nullptr, "Sample Home"));
  loadString("<html><body>No title</body></html>");
  EXPECT_TRUE(titleMatches(window(), "NONE"));
  EXPECT_FALSE(titleMatches(window(), ""));
}

TEST_F(WindowFindersTest, FramesByTitleAreUnnamedOnesReachedThroughNamedOnes) {
  const std::string site = "file://" TW_EXAMPLE_SITE "/";
  loadString("<html><head><title>Outer</title></head><frameset cols=\"50%,50%\"><frame src=\"" + site +
             "frame_left.html\"><frame name=\"named\" src=\"" + site + "frame_inner.html\"></frameset></html>");
  EXPECT_EQ("|Outer", frameByTitle("Outer"));
  EXPECT_EQ("|Left", frameByTitle("Left"));
  EXPECT_EQ("|Left", frameByTitle("Le", "starts with"));
  // Named frames are only passed through: their own titles, and those of their named
  // frames, are not looked at.
  EXPECT_EQ("(none)", frameByTitle("Inner Frames"));
  EXPECT_EQ("(none)", frameByTitle("Right"));
  EXPECT_EQ("(none)", frameByTitle("Nothing"));
  nsCOMPtr<nsIDOMWindow> found;
  EXPECT_EQ(NS_ERROR_FAILURE, FindFrameByTitle(nullptr, wide("Outer"), wide("equals"), getter_AddRefs(found)));
}

TEST_F(WindowFindersTest, BrowserWindowsByTitle) {
  open("index.html");
  nsCOMPtr<nsIDocShell> first;
  ASSERT_EQ(NS_OK, FindBrowserWindow(PR_TRUE, wide("x"), wide("x"), wide("x"), wide("equals"), wide("equals"),
                                     wide("equals"), getter_AddRefs(first)));
  EXPECT_EQ("Sample Home", shellTitle(first));
  EXPECT_EQ("Sample Home", browserWindow("Sample Home", "NONE", "Sample Home"));
  EXPECT_EQ("Sample Home", browserWindow("NONE", "NONE", "Sample", NS_OK, "equals", "starts with"));
  EXPECT_EQ("Sample Home", browserWindow("Home", "NONE", "Sample Home", NS_OK, "ends with"));
  // No window passes the window-title test: the enumeration's end, with no shell.
  EXPECT_EQ("(none)", browserWindow("Other", "NONE", "Sample Home"));
  EXPECT_EQ("(none)", browserWindow("sample home", "NONE", "Sample Home"));
}

TEST_F(WindowFindersTest, TheFirstWindowPassingTheTitleTestDecidesWhenNoFrameIsNamed) {
  open("index.html");
  ASSERT_TRUE(gecko->openWindow(siteUrl("form.html")));
  EXPECT_EQ("(none)", browserWindow("NONE", "NONE", "Order Form", NS_ERROR_FAILURE));
  EXPECT_EQ("Order Form", browserWindow("Order Form", "NONE", "Order Form"));
  EXPECT_EQ("Sample Home", browserWindow("NONE", "NONE", "Sample Home"));
  nsCOMPtr<nsIDocShell> first;
  ASSERT_EQ(NS_OK, FindBrowserWindow(PR_TRUE, wide("Order Form"), wide("NONE"), wide("Order Form"), wide("equals"),
                                     wide("equals"), wide("equals"), getter_AddRefs(first)));
  EXPECT_EQ("Sample Home", shellTitle(first));  // the first window, whatever is asked
}

TEST_F(WindowFindersTest, BrowserWindowsByFrame) {
  open("index.html");
  ASSERT_TRUE(gecko->openWindow(siteUrl("frames.html")));
  // The first window has no frame "left": the search ends there.
  EXPECT_EQ("(none)", browserWindow("NONE", "left", "Left", NS_ERROR_FAILURE));
  EXPECT_EQ("Frame Set", browserWindow("Frame Set", "left", "Left"));
  EXPECT_EQ("Frame Set", browserWindow("Frame", "ri", "Right", NS_OK, "starts with", "equals", "starts with"));
  // The frame is there but shows another page: the next window is tried, and none is left.
  EXPECT_EQ("(none)", browserWindow("Frame Set", "left", "Right"));
  EXPECT_EQ("(none)", browserWindow("Frame Set", "nowhere", "Left", NS_ERROR_FAILURE));
}

// Mended: an untitled page is recorded with the title "NONE" and is found by it.
TEST_F(WindowFindersTest, AnUntitledPageIsFoundByNone) {
  loadString("<html><body>No title</body></html>");
  EXPECT_EQ("", browserWindow("NONE", "NONE", "NONE"));
  EXPECT_EQ("", browserWindow("NONE", "NONE", "NONE", NS_OK, "equals", "equals"));
}

TEST_F(WindowFindersTest, NoWindowsAtAll) {
  nsCOMPtr<nsIDocShell> shell;
  EXPECT_EQ(NS_OK, FindBrowserWindow(PR_TRUE, wide("NONE"), wide("NONE"), wide("NONE"), wide("equals"), wide("equals"),
                                     wide("equals"), getter_AddRefs(shell)));
  EXPECT_FALSE(shell);
  EXPECT_EQ(NS_ERROR_NULL_POINTER, FindBrowserWindow(PR_TRUE, wide("NONE"), wide("NONE"), wide("NONE"), wide("equals"),
                                                     wide("equals"), wide("equals"), nullptr));
}

TEST_F(WindowFindersTest, FocusReachesTheContentWindowOnTheUiThread) {
  open("index.html");
  ASSERT_TRUE(gecko->openWindow(siteUrl("form.html")));
  nsCOMPtr<nsIDocShell> shell;
  ASSERT_EQ(NS_OK, FindBrowserWindow(PR_FALSE, wide("Sample Home"), wide("NONE"), wide("Sample Home"), wide("equals"),
                                     wide("equals"), wide("equals"), getter_AddRefs(shell)));
  ASSERT_TRUE(shell);
  EXPECT_EQ(NS_OK, FocusContentWindow(shell));
  EXPECT_EQ(NS_ERROR_FAILURE, FocusContentWindow(nullptr));
}

}  // namespace
}  // namespace marbleck_dom_test
