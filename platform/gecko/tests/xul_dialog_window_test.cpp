// The common dialog as a window: raised through a page window's alert, confirm and
// prompt from the test thread, reached through its own DOM window, and heard by
// listeners that see events in its anonymous buttons as Gecko shows them.
#include "dom_fixture.h"

#include "nsIDOMDocumentXBL.h"
#include "nsIDOMEvent.h"
#include "nsIDOMEventListener.h"
#include "nsIDOMEventTarget.h"
#include "nsIDOMNSEvent.h"
#include "nsIDOMWindowInternal.h"
#include "nsISupportsImpl.h"

#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace gecko_test {
namespace {

std::string nameOf(nsIDOMEventTarget* target) {
  auto node = as<nsIDOMNode>(target);
  return node ? text(node.get(), &nsIDOMNode::GetNodeName) : (target ? "window" : "none");
}

// Records "target/originalTarget" of every event it hears.
class TargetLog final : public nsIDOMEventListener {
 public:
  NS_DECL_ISUPPORTS

  NS_IMETHOD HandleEvent(nsIDOMEvent* event) override {
    nsCOMPtr<nsIDOMEventTarget> target, original;
    event->GetTarget(getter_AddRefs(target));
    as<nsIDOMNSEvent>(event)->GetOriginalTarget(getter_AddRefs(original));
    std::lock_guard lock(mutex_);
    lines_.push_back(nameOf(target) + "/" + nameOf(original));
    return NS_OK;
  }
  std::vector<std::string> lines() {
    std::lock_guard lock(mutex_);
    return lines_;
  }

 private:
  ~TargetLog() = default;
  std::mutex mutex_;
  std::vector<std::string> lines_;
};

NS_IMPL_THREADSAFE_ISUPPORTS1(TargetLog, nsIDOMEventListener)

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

TEST_F(XulDialogWindowTest, ListenersOutsideTheButtonsSeeTheBoundElementAndTheButtonAsOriginal) {
  open("dialogs.html");
  ASSERT_EQ("", gecko.perform("click #confirmButton"));
  auto dialogWindow = awaitDialogWindow();
  ASSERT_TRUE(dialogWindow);
  nsCOMPtr<nsIDOMDocument> shown;
  ASSERT_EQ(NS_OK, dialogWindow->GetDocument(getter_AddRefs(shown)));
  nsCOMPtr<nsIDOMElement> root;
  ASSERT_EQ(NS_OK, shown->GetDocumentElement(getter_AddRefs(root)));

  nsCOMPtr<nsIDOMElement> ok;
  ASSERT_EQ(NS_OK, as<nsIDOMDocumentXBL>(shown)->GetAnonymousElementByAttribute(root, wide("dlgtype"),
                                                                               wide("accept"), getter_AddRefs(ok)));
  ASSERT_TRUE(ok);

  nsCOMPtr<TargetLog> onWindow = new TargetLog();
  nsCOMPtr<TargetLog> onRoot = new TargetLog();
  nsCOMPtr<TargetLog> onButton = new TargetLog();
  ASSERT_EQ(NS_OK, as<nsIDOMEventTarget>(dialogWindow)->AddEventListener(wide("click"), onWindow, PR_TRUE));
  ASSERT_EQ(NS_OK, as<nsIDOMEventTarget>(root)->AddEventListener(wide("click"), onRoot, PR_FALSE));
  ASSERT_EQ(NS_OK, as<nsIDOMEventTarget>(ok)->AddEventListener(wide("click"), onButton, PR_FALSE));
  ASSERT_EQ("", gecko.perform("dialog OK"));
  ASSERT_TRUE(gecko.waitForNoDialog());
  EXPECT_EQ((std::vector<std::string>{"dialog/xul:button"}), onWindow->lines());
  EXPECT_EQ((std::vector<std::string>{"dialog/xul:button"}), onRoot->lines());
  // Inside the binding the button is seen as it is.
  EXPECT_EQ((std::vector<std::string>{"xul:button/xul:button"}), onButton->lines());
  EXPECT_EQ("agreed", textContent(byId("answer")));
  // The page's own events are not retargeted.
  nsCOMPtr<TargetLog> onPage = new TargetLog();
  nsCOMPtr<nsIDOMWindow> page;
  ASSERT_EQ(NS_OK, gecko.GetWindow(getter_AddRefs(page)));
  ASSERT_EQ(NS_OK, as<nsIDOMEventTarget>(page)->AddEventListener(wide("click"), onPage, PR_TRUE));
  ASSERT_EQ("", gecko.perform("click #alertButton"));
  ASSERT_EQ("", gecko.perform("dialog OK"));
  ASSERT_TRUE(gecko.waitForNoDialog());
  EXPECT_EQ((std::vector<std::string>{"INPUT/INPUT"}), onPage->lines());
}

}  // namespace
}  // namespace gecko_test
