// Events: listeners on nodes, documents and windows hear the simulated user's actions
// with Gecko's types and phases; made events run the engine's default actions.
#include <functional>
#include <mutex>
#include <vector>

#include "dom_fixture.h"
#include "nsIDOMAbstractView.h"
#include "nsIDOMDocumentEvent.h"
#include "nsIDOMDocumentView.h"
#include "nsIDOMEventListener.h"
#include "nsIDOMEventTarget.h"
#include "nsIDOMKeyEvent.h"
#include "nsIDOMMouseEvent.h"
#include "nsIDOMNSEvent.h"
#include "nsIDOMWindowCollection.h"
#include "nsISupportsImpl.h"

namespace gecko_test {
namespace {

// The lines all recorders of a test write, in the order the events reach them.
class Journal {
 public:
  void add(std::string line) {
    std::lock_guard lock(mutex_);
    lines_.push_back(std::move(line));
  }
  std::vector<std::string> take() {
    std::lock_guard lock(mutex_);
    return std::exchange(lines_, {});
  }

 private:
  std::mutex mutex_;
  std::vector<std::string> lines_;
};

std::string targetName(nsIDOMEventTarget* target) {
  if (!target) return "none";
  if (auto node = as<nsIDOMNode>(target)) {
    auto element = as<nsIDOMHTMLElement>(node);
    std::string id = element ? text(element.get(), &nsIDOMHTMLElement::GetId) : "";
    return id.empty() ? text(node.get(), &nsIDOMNode::GetNodeName) : "#" + id;
  }
  return as<nsIDOMWindow>(target) ? "window" : "?";
}

// A listener as the system writes one: records "NAME TYPE PHASE current=... target=...".
class Recorder final : public nsIDOMEventListener {
 public:
  NS_DECL_ISUPPORTS

  Recorder(Journal& journal, std::string name) : journal_(journal), name_(std::move(name)) {}

  NS_IMETHOD HandleEvent(nsIDOMEvent* event) override {
    nsString type;
    event->GetType(type);
    PRUint16 phase = 0;
    event->GetEventPhase(&phase);
    nsCOMPtr<nsIDOMEventTarget> current, original;
    event->GetCurrentTarget(getter_AddRefs(current));
    as<nsIDOMNSEvent>(event)->GetOriginalTarget(getter_AddRefs(original));
    journal_.add(name_ + " " + utf8(type) + " " + std::to_string(phase) + " current=" + targetName(current) +
                 " target=" + targetName(original));
    if (then) then(event);
    return NS_OK;
  }

  std::function<void(nsIDOMEvent*)> then;

 private:
  ~Recorder() = default;
  Journal& journal_;
  const std::string name_;
};

NS_IMPL_THREADSAFE_ISUPPORTS1(Recorder, nsIDOMEventListener)

constexpr char kPage[] = R"(<html><head><title>Events</title></head><body>
<p id="para"><button id="button">Press</button> <a id="link" href="%FORM%">Order</a></p>
<input type="checkbox" id="box" onchange="document.title = this.checked ? 'on' : 'off'">
<input type="text" id="field">
</body></html>)";

class DomEventTest : public GeckoDomTest {
 protected:
  void loadPage() {
    std::string page = kPage;
    page.replace(page.find("%FORM%"), 6, siteUrl("form.html"));
    loadString(page);
    ASSERT_EQ(NS_OK, gecko.GetWindow(getter_AddRefs(window)));
  }
  nsCOMPtr<Recorder> listen(nsISupports* on, const char* name, const char* type, bool capture) {
    nsCOMPtr<Recorder> recorder = new Recorder(journal, name);
    EXPECT_EQ(NS_OK, as<nsIDOMEventTarget>(on)->AddEventListener(wide(type), recorder, capture ? PR_TRUE : PR_FALSE));
    return recorder;
  }
  void unlisten(nsISupports* on, nsIDOMEventListener* recorder, const char* type, bool capture) {
    EXPECT_EQ(NS_OK,
              as<nsIDOMEventTarget>(on)->RemoveEventListener(wide(type), recorder, capture ? PR_TRUE : PR_FALSE));
  }
  nsCOMPtr<nsIDOMEvent> madeClick(const char* module = "MouseEvents") {
    nsCOMPtr<nsIDOMEvent> event;
    EXPECT_EQ(NS_OK, as<nsIDOMDocumentEvent>(document)->CreateEvent(wide(module), getter_AddRefs(event)));
    nsCOMPtr<nsIDOMAbstractView> view;
    as<nsIDOMDocumentView>(document)->GetDefaultView(getter_AddRefs(view));
    EXPECT_EQ(NS_OK, as<nsIDOMMouseEvent>(event)->InitMouseEvent(wide("click"), PR_TRUE, PR_TRUE, view, 1, 0, 0, 0, 0,
                                                                 PR_FALSE, PR_FALSE, PR_FALSE, PR_FALSE, 0, nullptr));
    return event;
  }
  bool dispatch(nsISupports* on, nsIDOMEvent* event) {
    PRBool proceed = PR_FALSE;
    EXPECT_EQ(NS_OK, as<nsIDOMEventTarget>(on)->DispatchEvent(event, &proceed));
    return proceed == PR_TRUE;
  }
  std::string url() {
    nsCOMPtr<nsIDOMDocument> shown;
    EXPECT_EQ(NS_OK, gecko.GetDocument(getter_AddRefs(shown)));
    return text(as<nsIDOMHTMLDocument>(shown).get(), &nsIDOMHTMLDocument::GetURL);
  }
  std::string title() { return text(document.get(), &nsIDOMHTMLDocument::GetTitle); }
  void act(const std::string& actions) {
    std::string error;
    ASSERT_TRUE(gecko.act(actions, &error)) << error;
  }

  Journal journal;
  nsCOMPtr<nsIDOMWindow> window;
};

TEST_F(DomEventTest, ACaptureListenerOnTheWindowHearsAUserClickFirstThenTheTreeInPhaseOrder) {
  loadPage();
  listen(window, "window", "click", true);
  listen(window, "window-bubbling", "click", false);
  listen(document, "document", "click", true);
  listen(byId("para"), "para", "click", false);
  listen(byId("button"), "button", "click", false);
  act("click #button");
  EXPECT_EQ((std::vector<std::string>{
                "window click 1 current=window target=#button",
                "document click 1 current=#document target=#button",
                "button click 2 current=#button target=#button",
                "para click 3 current=#para target=#button",
                "window-bubbling click 3 current=window target=#button",
            }),
            journal.take());
}

TEST_F(DomEventTest, AFrameWindowHearsItsOwnDocumentOnly) {
  open("frames.html");
  nsCOMPtr<nsIDOMWindow> top;
  ASSERT_EQ(NS_OK, gecko.GetWindow(getter_AddRefs(top)));
  nsCOMPtr<nsIDOMWindowCollection> frames;
  ASSERT_EQ(NS_OK, top->GetFrames(getter_AddRefs(frames)));
  nsCOMPtr<nsIDOMWindow> nav;
  ASSERT_EQ(NS_OK, frames->NamedItem(wide("nav"), getter_AddRefs(nav)));
  listen(top, "top", "mouseover", true);
  listen(nav, "nav", "mouseover", true);
  act("frame nav\nhover #toForm");
  EXPECT_EQ((std::vector<std::string>{"nav mouseover 1 current=window target=#toForm"}), journal.take());
}

TEST_F(DomEventTest, AMadeClickTogglesACheckBoxAndFollowsALink) {
  loadPage();
  auto recorder = listen(window, "window", "click", true);
  nsCOMPtr<nsIDOMEvent> target;
  recorder->then = [&](nsIDOMEvent* event) {
    PRBool trusted = PR_TRUE;
    as<nsIDOMNSEvent>(event)->GetIsTrusted(&trusted);
    journal.add(trusted ? "trusted" : "made");
  };
  EXPECT_TRUE(dispatch(byId("box"), madeClick()));
  EXPECT_EQ("on", title());
  EXPECT_EQ((std::vector<std::string>{"window click 1 current=window target=#box", "made"}), journal.take());
  EXPECT_TRUE(dispatch(byId("box"), madeClick("Events")));  // any module's click acts
  EXPECT_EQ("off", title());

  EXPECT_TRUE(dispatch(byId("link"), madeClick()));
  ASSERT_TRUE(gecko.act("wait 0"));
  EXPECT_EQ(siteUrl("form.html"), url());
}

TEST_F(DomEventTest, PreventDefaultKeepsTheCheckBoxAndTheLinkUntilTheListenerGoes) {
  loadPage();
  auto recorder = listen(window, "window", "click", true);
  recorder->then = [](nsIDOMEvent* event) { event->PreventDefault(); };
  EXPECT_FALSE(dispatch(byId("box"), madeClick()));
  EXPECT_EQ("Events", title());  // no change: the box went back
  EXPECT_FALSE(dispatch(byId("link"), madeClick()));
  act("click #link");  // the user's click is prevented the same way
  EXPECT_EQ("file:///test/page.html", url());

  unlisten(window, recorder, "click", true);
  EXPECT_TRUE(dispatch(byId("box"), madeClick()));
  EXPECT_EQ("on", title());
  // A made event that was not initialised does not go; an unknown module is refused.
  nsCOMPtr<nsIDOMEvent> blank;
  ASSERT_EQ(NS_OK, as<nsIDOMDocumentEvent>(document)->CreateEvent(wide("HTMLEvents"), getter_AddRefs(blank)));
  PRBool proceed = PR_TRUE;
  EXPECT_EQ(NS_ERROR_FAILURE, as<nsIDOMEventTarget>(byId("box"))->DispatchEvent(blank, &proceed));
  EXPECT_EQ(NS_ERROR_DOM_NOT_SUPPORTED_ERR,
            as<nsIDOMDocumentEvent>(document)->CreateEvent(wide("Bogus"), getter_AddRefs(blank)));
}

TEST_F(DomEventTest, KeyEventsCarryKeyCodesAndCharacterCodes) {
  loadPage();
  auto recorder = listen(window, "window", "keydown", true);
  auto press = listen(window, "window", "keypress", true);
  auto codes = [&](nsIDOMEvent* event) {
    PRUint32 key = 0, character = 0;
    as<nsIDOMKeyEvent>(event)->GetKeyCode(&key);
    as<nsIDOMKeyEvent>(event)->GetCharCode(&character);
    journal.add("key=" + std::to_string(key) + " char=" + std::to_string(character));
  };
  recorder->then = codes;
  press->then = codes;
  act("key #field 13\ntype #field a");
  EXPECT_EQ((std::vector<std::string>{
                "window keydown 1 current=window target=#field",
                "key=13 char=0",
                "window keypress 1 current=window target=#field",
                "key=13 char=0",
                "window keydown 1 current=window target=#field",
                "key=65 char=0",
                "window keypress 1 current=window target=#field",
                "key=0 char=97",
            }),
            journal.take());

  nsCOMPtr<nsIDOMEvent> made;
  ASSERT_EQ(NS_OK, as<nsIDOMDocumentEvent>(document)->CreateEvent(wide("KeyEvents"), getter_AddRefs(made)));
  ASSERT_EQ(NS_OK,
            as<nsIDOMKeyEvent>(made)->InitKeyEvent(wide("keydown"), PR_TRUE, PR_TRUE, nullptr, PR_FALSE, PR_FALSE,
                                                   PR_TRUE, PR_FALSE, nsIDOMKeyEvent::DOM_VK_SPACE, 0));
  EXPECT_TRUE(dispatch(byId("field"), made));
  EXPECT_EQ((std::vector<std::string>{"window keydown 1 current=window target=#field", "key=32 char=0"}),
            journal.take());
}

TEST_F(DomEventTest, ListenersAreRegisteredOnceMayLeaveDuringDispatchAndEventsOutliveIt) {
  loadPage();
  auto twice = listen(byId("button"), "twice", "click", false);
  EXPECT_EQ(NS_OK, as<nsIDOMEventTarget>(byId("button"))->AddEventListener(wide("click"), twice, PR_FALSE));
  nsCOMPtr<Recorder> leaving = listen(byId("button"), "leaving", "click", false);
  nsCOMPtr<nsIDOMEvent> kept;
  leaving->then = [&](nsIDOMEvent* event) {
    kept = event;
    unlisten(byId("button"), leaving, "click", false);
    leaving = nullptr;  // the registration is the last reference now, and it is gone
  };
  auto after = listen(byId("button"), "after", "click", false);
  act("click #button");
  EXPECT_EQ((std::vector<std::string>{
                "twice click 2 current=#button target=#button",
                "leaving click 2 current=#button target=#button",
                "after click 2 current=#button target=#button",
            }),
            journal.take());
  // The event is still readable after its dispatch; it is no longer on its way.
  ASSERT_TRUE(kept);
  EXPECT_EQ("click", text(kept.get(), &nsIDOMEvent::GetType));
  nsCOMPtr<nsIDOMEventTarget> target;
  ASSERT_EQ(NS_OK, kept->GetTarget(getter_AddRefs(target)));
  EXPECT_EQ("#button", targetName(target));
  PRUint16 phase = 9;
  ASSERT_EQ(NS_OK, kept->GetEventPhase(&phase));
  EXPECT_EQ(0, phase);
  PRUint16 button = 9;
  ASSERT_EQ(NS_OK, as<nsIDOMMouseEvent>(kept)->GetButton(&button));
  EXPECT_EQ(0, button);

  act("click #button");
  EXPECT_EQ((std::vector<std::string>{
                "twice click 2 current=#button target=#button",
                "after click 2 current=#button target=#button",
            }),
            journal.take());
}

TEST_F(DomEventTest, AnEventSentToTheDocumentPassesTheWindowBothWays) {
  loadPage();
  listen(window, "window", "ping", true);
  listen(window, "window-bubbling", "ping", false);
  listen(document, "document", "ping", false);
  nsCOMPtr<nsIDOMEvent> event;
  ASSERT_EQ(NS_OK, as<nsIDOMDocumentEvent>(document)->CreateEvent(wide("Events"), getter_AddRefs(event)));
  ASSERT_EQ(NS_OK, event->InitEvent(wide("ping"), PR_TRUE, PR_FALSE));
  EXPECT_TRUE(dispatch(document, event));
  EXPECT_EQ((std::vector<std::string>{
                "window ping 1 current=window target=#document",
                "document ping 2 current=#document target=#document",
                "window-bubbling ping 3 current=window target=#document",
            }),
            journal.take());
  // Not cancelable: preventing it changes nothing.
  listen(document, "preventer", "ping", true)->then = [](nsIDOMEvent* e) { e->PreventDefault(); };
  EXPECT_TRUE(dispatch(document, event));
}

TEST_F(DomEventTest, TheWindowHearsTheLoadOfEachDocumentItShows) {
  loadPage();
  listen(window, "window", "load", true);
  open("index.html");
  open("form.html");
  EXPECT_EQ((std::vector<std::string>{
                "window load 2 current=window target=#document",
                "window load 2 current=window target=#document",
            }),
            journal.take());
}

}  // namespace
}  // namespace gecko_test
