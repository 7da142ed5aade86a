// The common dialog as a window: raised through a page window's alert, confirm and
// prompt from the test thread, and reached through its own DOM window.
#include "dom_fixture.h"

#include "nsIDOMWindowInternal.h"

#include <chrono>
#include <thread>

namespace gecko_test {
namespace {

class XulDialogWindowTest : public GeckoDomTest {
 protected:
  nsCOMPtr<nsIDOMWindowInternal> pageWindow() {
    nsCOMPtr<nsIDOMWindow> window;
    EXPECT_EQ(NS_OK, gecko.GetWindow(getter_AddRefs(window)));
    return as<nsIDOMWindowInternal>(window);
  }
  // Waits until a common dialog is up and takes its window.
  nsCOMPtr<nsIDOMWindowInternal> awaitDialogWindow() {
    nsCOMPtr<nsIDOMWindow> window;
    for (int tries = 0; tries < 500 && NS_FAILED(gecko.GetDialogWindow(getter_AddRefs(window))); ++tries) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return as<nsIDOMWindowInternal>(window);
  }
  // The message's last line: the header descriptions come before the message's.
  std::string lastDescription(nsIDOMWindow* window) {
    nsCOMPtr<nsIDOMDocument> shown;
    EXPECT_EQ(NS_OK, window->GetDocument(getter_AddRefs(shown)));
    nsCOMPtr<nsIDOMNodeList> lines;
    if (!shown || NS_FAILED(shown->GetElementsByTagName(wide("description"), getter_AddRefs(lines))) || !lines) {
      return "";
    }
    nsCOMPtr<nsIDOMNode> last;
    PRUint32 length = count(lines);
    if (length) lines->Item(length - 1, getter_AddRefs(last));
    return last ? textContent(last) : "";
  }
};

TEST_F(XulDialogWindowTest, APageWindowsDialogsShowTheCommonDialogInAWindowOfItsOwn) {
  open("index.html");
  auto page = pageWindow();
  ASSERT_TRUE(page);
  nsCOMPtr<nsIDOMWindow> none;
  EXPECT_EQ(NS_ERROR_FAILURE, gecko.GetDialogWindow(getter_AddRefs(none)));
  EXPECT_FALSE(none);

  PRBool confirmed = PR_TRUE;
  std::thread script([&] { EXPECT_EQ(NS_OK, page->Confirm(wide("Sure?"), &confirmed)); });
  auto dialogWindow = awaitDialogWindow();
  ASSERT_TRUE(dialogWindow);
  EXPECT_EQ("[JavaScript Application]", gecko.dialogTitle());
  EXPECT_EQ("Sure?", lastDescription(dialogWindow));
  // The window shows the dialog's document, and the page's window opened it.
  nsCOMPtr<nsIDOMDocument> shown, front;
  ASSERT_EQ(NS_OK, dialogWindow->GetDocument(getter_AddRefs(shown)));
  ASSERT_EQ(NS_OK, gecko.GetDialogDocument(getter_AddRefs(front)));
  EXPECT_TRUE(same(shown, front));
  EXPECT_FALSE(as<nsIDOMHTMLDocument>(shown));
  nsCOMPtr<nsIDOMWindowInternal> opener;
  ASSERT_EQ(NS_OK, dialogWindow->GetOpener(getter_AddRefs(opener)));
  EXPECT_EQ(as<nsISupports>(page), as<nsISupports>(opener));  // one wrapper per window

  ASSERT_EQ("", gecko.perform("dialog Cancel"));
  script.join();
  EXPECT_FALSE(confirmed);
  PRBool closed = PR_FALSE;
  ASSERT_EQ(NS_OK, dialogWindow->GetClosed(&closed));
  EXPECT_TRUE(closed);

  // A prompt's answer is what was typed into the dialog's input.
  nsString typed;
  script = std::thread([&] { EXPECT_EQ(NS_OK, page->Prompt(wide("Name?"), wide("initial"), wide(""), 0, typed)); });
  ASSERT_TRUE(awaitDialogWindow());
  ASSERT_EQ("", gecko.perform("dialog OK Ada"));
  script.join();
  EXPECT_EQ("Ada", utf8(typed));
}

}  // namespace
}  // namespace gecko_test
