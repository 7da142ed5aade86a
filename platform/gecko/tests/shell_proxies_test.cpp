// UI-thread proxies as the component's worker threads use them: a page's window asked
// for its docshell, form controls set and clicked, a dialog button's command and the
// flasher's outlines, each call carried to the browser thread while the caller waits.
#include <chrono>
#include <thread>

#include "inIFlasher.h"
#include "nsIDOM3Node.h"
#include "nsIDOMDocument.h"
#include "nsIDOMDocumentEvent.h"
#include "nsIDOMDocumentXBL.h"
#include "nsIDOMElement.h"
#include "nsIDOMEvent.h"
#include "nsIDOMEventTarget.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMHTMLOptionElement.h"
#include "nsIDOMHTMLTextAreaElement.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMWindowCollection.h"
#include "nsIDOMWindowInternal.h"
#include "nsIDOMXULElement.h"
#include "nsIEventQueueService.h"
#include "nsIInterfaceRequestor.h"
#include "nsIProxyObjectManager.h"
#include "nsServiceManagerUtils.h"
#include "shell_fixture.h"
#include "testbed/gecko_services.h"

namespace gecko_shell_test {
namespace {

std::string utf8(const nsAString& text) { return NS_ConvertUTF16toUTF8(text).get(); }
nsString wide(const char* text) { return NS_ConvertUTF8toUTF16(text); }

// A synchronous proxy on the UI thread's queue, as the component makes them.
template <class Interface>
nsCOMPtr<Interface> uiProxy(Interface* object) {
  nsCOMPtr<nsIEventQueueService> queues = do_GetService(NS_EVENTQUEUESERVICE_CONTRACTID);
  nsCOMPtr<nsIProxyObjectManager> proxies = do_GetService(NS_XPCOMPROXY_CONTRACTID);
  nsCOMPtr<nsIEventQueue> ui;
  nsCOMPtr<Interface> proxy;
  if (!queues || !proxies ||
      NS_FAILED(queues->GetSpecialEventQueue(nsIEventQueueService::UI_THREAD_EVENT_QUEUE, getter_AddRefs(ui))) ||
      NS_FAILED(proxies->GetProxyForObject(ui, NS_GET_IID(Interface), object, PROXY_SYNC, getter_AddRefs(proxy)))) {
    return nullptr;
  }
  return proxy;
}

class ProxyTest : public ShellTest {
 protected:
  nsCOMPtr<nsIDOMDocument> document() {
    nsCOMPtr<nsIDOMDocument> document;
    EXPECT_EQ(NS_OK, gecko->GetDocument(getter_AddRefs(document)));
    return document;
  }
  nsCOMPtr<nsIDOMElement> byId(const char* id) {
    nsCOMPtr<nsIDOMElement> element;
    if (auto doc = document()) doc->GetElementById(NS_ConvertUTF8toUTF16(id), getter_AddRefs(element));
    return element;
  }
  std::string value(const char* id) {
    nsString text;
    if (auto input = as<nsIDOMHTMLInputElement>(byId(id))) input->GetValue(text);
    return utf8(text);
  }
  std::string answerText() {
    nsString text;
    if (auto answer = as<nsIDOMNode>(byId("answer"))) {
      if (auto node = as<nsIDOM3Node>(answer)) node->GetTextContent(text);
    }
    return utf8(text);
  }
  nsCOMPtr<nsIDOMEvent> event(const char* module, const char* type) {
    nsCOMPtr<nsIDOMEvent> made;
    auto events = as<nsIDOMDocumentEvent>(document());
    if (events && NS_SUCCEEDED(events->CreateEvent(NS_ConvertUTF8toUTF16(module), getter_AddRefs(made))) && made) {
      made->InitEvent(NS_ConvertUTF8toUTF16(type), PR_TRUE, PR_TRUE);
    }
    return made;
  }
  // The front dialog's anonymous button with `label`, as playback finds it.
  nsCOMPtr<nsIDOMXULElement> dialogButton(const char* label) {
    nsCOMPtr<nsIDOMDocument> dialog;
    for (int tries = 0; tries < 500 && NS_FAILED(gecko->GetDialogDocument(getter_AddRefs(dialog))); ++tries) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    nsCOMPtr<nsIDOMElement> root;
    if (!dialog || NS_FAILED(dialog->GetDocumentElement(getter_AddRefs(root)))) return nullptr;
    nsCOMPtr<nsIDOMNodeList> anonymous;
    as<nsIDOMDocumentXBL>(dialog)->GetAnonymousNodes(root, getter_AddRefs(anonymous));
    PRUint32 boxes = 0;
    if (anonymous) anonymous->GetLength(&boxes);
    for (PRUint32 i = 0; i < boxes; ++i) {
      nsCOMPtr<nsIDOMNode> box;
      nsCOMPtr<nsIDOMNodeList> children;
      anonymous->Item(i, getter_AddRefs(box));
      if (!box || NS_FAILED(box->GetChildNodes(getter_AddRefs(children))) || !children) continue;
      PRUint32 count = 0;
      children->GetLength(&count);
      for (PRUint32 j = 0; j < count; ++j) {
        nsCOMPtr<nsIDOMNode> child;
        children->Item(j, getter_AddRefs(child));
        auto button = as<nsIDOMXULElement>(child);
        nsString actual;
        if (button && NS_SUCCEEDED(button->GetAttribute(wide("label"), actual)) && utf8(actual) == label) return button;
      }
    }
    return nullptr;
  }
};

TEST_F(ProxyTest, ADomWindowGivesTheDocShellShowingItAsPlaybackAndTheRecorderAskForIt) {
  open("frames.html");
  nsCOMPtr<nsIDOMWindow> page;
  ASSERT_EQ(NS_OK, gecko->GetWindow(getter_AddRefs(page)));
  auto requestor = as<nsIInterfaceRequestor>(page);
  ASSERT_TRUE(requestor);
  nsCOMPtr<nsIDocShell> shell;
  ASSERT_EQ(NS_OK, requestor->GetInterface(NS_GET_IID(nsIDocShell), getter_AddRefs(shell)));
  EXPECT_EQ(as<nsISupports>(shell), as<nsISupports>(contentShell()));
  nsCOMPtr<nsIWebNavigation> navigation;
  ASSERT_EQ(NS_OK, requestor->GetInterface(NS_GET_IID(nsIWebNavigation), getter_AddRefs(navigation)));
  EXPECT_EQ(as<nsISupports>(navigation), as<nsISupports>(shell));
  EXPECT_EQ("Frame Set", title(shell));

  // A frame's window gives the frame's own docshell, named as the frame.
  nsCOMPtr<nsIDOMWindowCollection> frames;
  ASSERT_EQ(NS_OK, page->GetFrames(getter_AddRefs(frames)));
  nsCOMPtr<nsIDOMWindow> main;
  ASSERT_EQ(NS_OK, frames->NamedItem(wide("main"), getter_AddRefs(main)));
  ASSERT_TRUE(main);
  nsCOMPtr<nsIDocShell> frameDocShell;
  ASSERT_EQ(NS_OK,
            as<nsIInterfaceRequestor>(main)->GetInterface(NS_GET_IID(nsIDocShell), getter_AddRefs(frameDocShell)));
  auto frameShell = as<nsIDocShellTreeItem>(frameDocShell);
  EXPECT_EQ("main", name(frameShell));
  EXPECT_NE(as<nsISupports>(frameShell), as<nsISupports>(shell));

  // Anything else is what the window itself answers.
  nsCOMPtr<nsIDOMWindowInternal> self;
  ASSERT_EQ(NS_OK, requestor->GetInterface(NS_GET_IID(nsIDOMWindowInternal), getter_AddRefs(self)));
  EXPECT_EQ(as<nsISupports>(self), as<nsISupports>(page));
  nsCOMPtr<nsIXULWindow> none;
  EXPECT_EQ(NS_NOINTERFACE, requestor->GetInterface(NS_GET_IID(nsIXULWindow), getter_AddRefs(none)));
}

TEST_F(ProxyTest, FormControlsAreSetAndClickedThroughProxiesWhileTheCallerWaits) {
  open("form.html");
  auto customer = uiProxy(as<nsIDOMHTMLInputElement>(byId("customer")).get());
  ASSERT_TRUE(customer);
  ASSERT_EQ(NS_OK, customer->SetValue(wide("Ann")));
  EXPECT_EQ("Ann", value("customer"));
  nsString read;
  ASSERT_EQ(NS_OK, customer->GetName(read));  // an inherited member, through the same proxy
  EXPECT_EQ("customer", utf8(read));

  auto notes = uiProxy(as<nsIDOMHTMLTextAreaElement>(byId("notes")).get());
  ASSERT_TRUE(notes);
  ASSERT_EQ(NS_OK, notes->SetValue(wide("one\ntwo")));
  ASSERT_EQ(NS_OK, as<nsIDOMHTMLTextAreaElement>(byId("notes"))->GetValue(read));
  EXPECT_EQ("one\ntwo", utf8(read));

  // A made click dispatched through the event target's proxy toggles the check box.
  auto gift = uiProxy(as<nsIDOMEventTarget>(byId("gift")).get());
  ASSERT_TRUE(gift);
  PRBool notCancelled = PR_FALSE;
  ASSERT_EQ(NS_OK, gift->DispatchEvent(event("MouseEvents", "click"), &notCancelled));
  EXPECT_TRUE(notCancelled);
  PRBool checked = PR_FALSE;
  ASSERT_EQ(NS_OK, as<nsIDOMHTMLInputElement>(byId("gift"))->GetChecked(&checked));
  EXPECT_TRUE(checked);

  // Selecting the first option of the single select through its proxy deselects Green.
  nsCOMPtr<nsIDOMNodeList> options;
  ASSERT_EQ(NS_OK, byId("colour")->GetElementsByTagName(wide("OPTION"), getter_AddRefs(options)));
  nsCOMPtr<nsIDOMNode> red, green;
  options->Item(0, getter_AddRefs(red));
  options->Item(1, getter_AddRefs(green));
  auto redProxy = uiProxy(as<nsIDOMHTMLOptionElement>(red).get());
  ASSERT_TRUE(redProxy);
  ASSERT_EQ(NS_OK, redProxy->SetSelected(PR_TRUE));
  PRBool selected = PR_TRUE;
  ASSERT_EQ(NS_OK, as<nsIDOMHTMLOptionElement>(green)->GetSelected(&selected));
  EXPECT_FALSE(selected);
  ASSERT_EQ(NS_OK, redProxy->GetSelected(&selected));
  EXPECT_TRUE(selected);
}

// Playback's click on a button that raises an alert keeps its thread waiting in the
// proxy until the dialog's OK runs its command through a XUL element proxy.
TEST_F(ProxyTest, ADialogButtonsCommandThroughItsProxyAnswersThePageAndReleasesTheClick) {
  open("dialogs.html");
  auto target = uiProxy(as<nsIDOMEventTarget>(byId("confirmButton")).get());
  ASSERT_TRUE(target);
  auto click = event("MouseEvents", "click");
  nsresult clickResult = NS_ERROR_UNEXPECTED;
  std::thread clicker([&] {
    PRBool notCancelled = PR_FALSE;
    clickResult = target->DispatchEvent(click, &notCancelled);
  });
  auto ok = dialogButton("OK");
  ASSERT_TRUE(ok);
  auto okProxy = uiProxy(ok.get());
  ASSERT_TRUE(okProxy);
  EXPECT_NE(as<nsISupports>(okProxy), as<nsISupports>(ok));
  PRBool hidden = PR_TRUE;
  ASSERT_EQ(NS_OK, okProxy->GetHidden(&hidden));
  EXPECT_FALSE(hidden);
  ASSERT_EQ(NS_OK, okProxy->DoCommand());
  clicker.join();
  EXPECT_EQ(NS_OK, clickResult);
  ASSERT_TRUE(gecko->waitForNoDialog());
  EXPECT_EQ("agreed", answerText());
}

// Playback's text for a prompt: the input inside the dialog's "loginTextbox" is set
// through its proxy (no event), then OK's command is run through the XUL proxy.
TEST_F(ProxyTest, APromptsInputIsSetThroughItsProxyAndOkGivesThePageThatText) {
  open("dialogs.html");
  ASSERT_EQ("", gecko->perform("click #promptButton"));
  ASSERT_TRUE(dialogButton("OK"));  // waits for the dialog
  nsCOMPtr<nsIDOMDocument> dialog;
  ASSERT_EQ(NS_OK, gecko->GetDialogDocument(getter_AddRefs(dialog)));
  nsCOMPtr<nsIDOMElement> textbox;
  ASSERT_EQ(NS_OK, dialog->GetElementById(wide("loginTextbox"), getter_AddRefs(textbox)));
  ASSERT_TRUE(textbox);
  nsCOMPtr<nsIDOMNodeList> anonymous;
  ASSERT_EQ(NS_OK, as<nsIDOMDocumentXBL>(dialog)->GetAnonymousNodes(textbox, getter_AddRefs(anonymous)));
  ASSERT_TRUE(anonymous);
  nsCOMPtr<nsIDOMNode> box, inputNode;
  ASSERT_EQ(NS_OK, anonymous->Item(0, getter_AddRefs(box)));
  ASSERT_EQ(NS_OK, box->GetFirstChild(getter_AddRefs(inputNode)));
  auto input = as<nsIDOMHTMLInputElement>(inputNode);
  ASSERT_TRUE(input);
  nsString read;
  ASSERT_EQ(NS_OK, input->GetNodeName(read));
  EXPECT_EQ("html:input", utf8(read));
  ASSERT_EQ(NS_OK, input->GetValue(read));
  EXPECT_EQ("nobody", utf8(read));

  auto inputProxy = uiProxy(input.get());
  ASSERT_TRUE(inputProxy);
  ASSERT_EQ(NS_OK, inputProxy->SetValue(wide("Bea")));
  ASSERT_EQ(NS_OK, input->GetValue(read));
  EXPECT_EQ("Bea", utf8(read));
  ASSERT_EQ(NS_OK, uiProxy(dialogButton("OK").get())->DoCommand());
  ASSERT_TRUE(gecko->waitForNoDialog());
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ("name: Bea", answerText());
}

// The outline of a checkpoint: the recorder's highlight thread drives the flasher
// through a synchronous proxy, ten outlines and repaints with red two-pixel lines.
TEST_F(ProxyTest, TheFlasherDrawsThroughItsProxyWithTheSettingsGivenThroughIt) {
  ASSERT_EQ(NS_OK, gecko::testbed::registerContentServices());
  gecko::testbed::clearFlasherRecords();
  open("index.html");
  nsCOMPtr<inIFlasher> flasher = do_GetService("@mozilla.org/inspector/flasher;1");
  ASSERT_TRUE(flasher);
  nsCOMPtr<inIFlasher> proxy;
  std::thread highlighter([&] {
    proxy = uiProxy(flasher.get());
    if (!proxy) return;
    proxy->SetThickness(2);
    proxy->SetColor(wide("#cc0000"));
    proxy->SetInvert(PR_FALSE);
    auto heading = byId("heading");
    for (int i = 0; i < 10; ++i) {
      proxy->DrawElementOutline(heading);
      proxy->RepaintElement(heading);
    }
  });
  highlighter.join();
  ASSERT_TRUE(proxy);
  nsString color;
  ASSERT_EQ(NS_OK, proxy->GetColor(color));
  EXPECT_EQ("#cc0000", utf8(color));
  EXPECT_EQ(NS_ERROR_ILLEGAL_VALUE, proxy->SetColor(wide("not a colour")));
  EXPECT_EQ(NS_ERROR_INVALID_ARG, proxy->DrawElementOutline(nullptr));

  const auto records = gecko::testbed::flasherRecords();
  ASSERT_EQ(20u, records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    EXPECT_EQ(i % 2 ? "repaint" : "outline", records[i].action);
    EXPECT_EQ("H1#heading", records[i].element);
    EXPECT_EQ("#cc0000", records[i].color);
    EXPECT_EQ(2, records[i].thickness);
    EXPECT_FALSE(records[i].invert);
  }
}

}  // namespace
}  // namespace gecko_shell_test
