// Document and field events as the recorder receives them: HTMLDocumentEvents2 on the
// document, the field interfaces on fields, each call carrying an IHTMLEventObj,
// delivered on the advising thread; and the user's dialogs, toolbar and address bar.
#include "event_log.h"

#include <mshtmdid.h>

#include <atomic>
#include <thread>
#include <testbed/internet_explorer.h>

namespace mshtml_test {
namespace {

struct PageEvent {
  DISPID id;
  std::string type;
  std::string sourceId;
  LONG button = 0;
  LONG keyCode = 0;
  bool alt = false;
  bool shift = false;
  std::string propertyName;
  DWORD thread = 0;
};

// A sink for any MSHTML event interface: records what each IHTMLEventObj says.
class PageEventLog : public EventLog {
 public:
  explicit PageEventLog(const IID& eventInterface) : events_(eventInterface) {}
  std::vector<PageEvent> received;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (IsEqualIID(riid, events_)) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    return EventLog::QueryInterface(riid, out);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    PageEvent event{};
    event.id = id;
    event.thread = GetCurrentThreadId();
    if (!params || params->cArgs != 1 || V_VT(&params->rgvarg[0]) != VT_DISPATCH) return DISP_E_BADPARAMCOUNT;
    Ref<IHTMLEventObj> object;
    V_DISPATCH(&params->rgvarg[0])->QueryInterface(IID_IHTMLEventObj, object.outVoid());
    if (!object) return E_INVALIDARG;
    Bstr type;
    object->get_type(type.out());
    event.type = type.text();
    Ref<IHTMLElement> source;
    object->get_srcElement(source.out());
    if (source) {
      Bstr sourceId;
      source->get_id(sourceId.out());
      event.sourceId = sourceId.text();
    }
    object->get_button(&event.button);
    object->get_keyCode(&event.keyCode);
    VARIANT_BOOL alt = VARIANT_FALSE, shift = VARIANT_FALSE;
    object->get_altKey(&alt);
    object->get_shiftKey(&shift);
    event.alt = alt != VARIANT_FALSE;
    event.shift = shift != VARIANT_FALSE;
    Ref<IHTMLEventObj2> object2;
    if (SUCCEEDED(object->QueryInterface(IID_IHTMLEventObj2, object2.outVoid()))) {
      Bstr property;
      object2->get_propertyName(property.out());
      event.propertyName = property.text();
    }
    received.push_back(event);
    return S_OK;
  }
  std::vector<DISPID> ids() const {
    std::vector<DISPID> out;
    for (const PageEvent& e : received) out.push_back(e.id);
    return out;
  }

 private:
  const IID events_;
};

const char kPage[] = R"PAGE(<html><head><title>Events</title></head><body>
<p><button id="press">Press</button> <span id="label">label</span></p>
<input type="text" id="field" name="field" value="">
<select id="list"><option>One</option><option>Two</option></select>
<textarea id="area"></textarea>
<input type="button" id="warn" value="Warn" onclick="alert('Careful')">
<input type="button" id="ask" value="Ask" onclick="document.title = confirm('Sure?') ? 'yes' : 'no'">
<input type="button" id="name" value="Name" onclick="document.title = prompt('Your name', 'nobody')">
</body></html>)PAGE";

class PageEventsTest : public BrowserTest {
 protected:
  void SetUp() override {
    BrowserTest::SetUp();
    load(page("events.html", kPage));
  }
  Ref<PageEventLog> sink(const IID& events) { return Ref<PageEventLog>(new PageEventLog(events)); }
  // The user acts from a thread of their own while this thread, which advised the
  // sinks, keeps serving the events delivered to it (as the recorder thread does).
  void act(const std::string& script) {
    std::atomic<bool> done{false};
    testbed::ie::ActionResult result;
    std::thread user([&] {
      result = testbed::ie::run(browser_.get(), script);
      done = true;
    });
    const bool finished = pumpUntil([&] { return done.load(); }, 20000);
    user.join();
    ASSERT_TRUE(finished);
    ASSERT_TRUE(result) << result.message;
  }
  std::string title() {
    Bstr text;
    document()->get_title(text.out());
    return text.text();
  }
};

TEST_F(PageEventsTest, DocumentSinkReceivesMouseUpWithSourceAndButton) {
  Ref<PageEventLog> log = sink(DIID_HTMLDocumentEvents2);
  Ref<IHTMLDocument2> doc = document();
  {
    Connection connection(doc.get(), DIID_HTMLDocumentEvents2, log.get());
    ASSERT_EQ(connection.result(), S_OK);
    act("click #label");
    act("click #press right");
    ASSERT_TRUE(pumpUntil([&] {
      const std::vector<DISPID> ids = log->ids();
      return std::count(ids.begin(), ids.end(), static_cast<DISPID>(DISPID_HTMLDOCUMENTEVENTS2_ONMOUSEUP)) >= 2;
    }));
  }
  std::vector<PageEvent> ups;
  for (const PageEvent& e : log->received) {
    if (e.id == DISPID_HTMLDOCUMENTEVENTS2_ONMOUSEUP) ups.push_back(e);
    EXPECT_EQ(e.thread, GetCurrentThreadId());  // delivered on the advising thread
  }
  ASSERT_EQ(ups.size(), 2u);
  EXPECT_EQ(ups[0].sourceId, "label");
  EXPECT_EQ(ups[0].button, 1);  // IE numbers the left button 1
  EXPECT_EQ(ups[0].type, "mouseup");
  EXPECT_EQ(ups[1].sourceId, "press");
  EXPECT_EQ(ups[1].button, 2);
  // A click comes after its mouse-up, with the same source.
  const auto click = std::find_if(log->received.begin(), log->received.end(), [](const PageEvent& e) {
    return e.id == static_cast<DISPID>(DISPID_HTMLDOCUMENTEVENTS2_ONCLICK);
  });
  ASSERT_NE(click, log->received.end());
  EXPECT_EQ(click->sourceId, "label");
  // Unadvised: nothing more arrives.
  const size_t before = log->received.size();
  act("click #label");
  pumpUntil([] { return false; }, 50);
  EXPECT_EQ(log->received.size(), before);
}

TEST_F(PageEventsTest, TextFieldSinkReceivesAPropertyChangePerKeyAndChangeOnBlur) {
  Ref<PageEventLog> log = sink(DIID_HTMLInputTextElementEvents2);
  Ref<IHTMLElement> field = elementById("field");
  Connection connection(field.get(), DIID_HTMLInputTextElementEvents2, log.get());
  ASSERT_EQ(connection.result(), S_OK);
  act("type #field abc");
  ASSERT_TRUE(pumpUntil([&] {
    const auto ids = log->ids();
    return std::find(ids.begin(), ids.end(), static_cast<DISPID>(DISPID_HTMLELEMENTEVENTS2_ONBLUR)) != ids.end();
  }));
  std::vector<std::string> order;
  int valueChanges = 0;
  for (const PageEvent& e : log->received) {
    if (e.id == static_cast<DISPID>(DISPID_HTMLELEMENTEVENTS2_ONPROPERTYCHANGE)) {
      EXPECT_EQ(e.sourceId, "field");
      if (e.propertyName == "value") {
        ++valueChanges;
        order.push_back("value");
      }
    } else if (e.id == DISPID_HTMLINPUTTEXTELEMENTEVENTS2_ONCHANGE) {
      order.push_back("change");
    } else if (e.id == static_cast<DISPID>(DISPID_HTMLELEMENTEVENTS2_ONBLUR)) {
      order.push_back("blur");
    }
  }
  EXPECT_EQ(valueChanges, 3);
  EXPECT_EQ(order, (std::vector<std::string>{"value", "value", "value", "change", "blur"}));
  Ref<IHTMLInputTextElement> text;
  ASSERT_EQ(field.query(IID_IHTMLInputTextElement, text), S_OK);
  Bstr value;
  text->get_value(value.out());
  EXPECT_EQ(value.text(), "abc");
}

TEST_F(PageEventsTest, ListSinkReceivesChangeAndKeysCarryTheirModifiers) {
  Ref<PageEventLog> list = sink(DIID_HTMLSelectElementEvents2);
  Connection listConnection(elementById("list").get(), DIID_HTMLSelectElementEvents2, list.get());
  ASSERT_EQ(listConnection.result(), S_OK);
  Ref<PageEventLog> area = sink(DIID_HTMLTextContainerEvents2);
  Connection areaConnection(elementById("area").get(), DIID_HTMLTextContainerEvents2, area.get());
  ASSERT_EQ(areaConnection.result(), S_OK);
  act("choose #list Two");
  act("key #area 13 alt shift");
  ASSERT_TRUE(pumpUntil([&] {
    const auto ids = list->ids();
    return std::find(ids.begin(), ids.end(), DISPID_HTMLSELECTELEMENTEVENTS2_ONCHANGE) != ids.end() &&
           !area->received.empty();
  }));
  const auto keyDown = std::find_if(area->received.begin(), area->received.end(), [](const PageEvent& e) {
    return e.id == DISPID_HTMLELEMENTEVENTS2_ONKEYDOWN;
  });
  ASSERT_NE(keyDown, area->received.end());
  EXPECT_EQ(keyDown->keyCode, 13);
  EXPECT_TRUE(keyDown->alt);
  EXPECT_TRUE(keyDown->shift);
  EXPECT_EQ(keyDown->button, 0);
}

HWND childOfClass(HWND parent, const char* wanted, std::vector<std::string>* order = nullptr) {
  HWND found = nullptr;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    if (order) order->push_back(name);
    if (!found && std::string(name) == wanted) found = child;
  }
  return found;
}

std::string windowText(HWND window) {
  char text[260] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

TEST_F(PageEventsTest, ScriptDialogsAreIEsNativeDialogs) {
  SHANDLE_PTR frame = 0;
  browser_->get_HWND(&frame);

  act("click #warn");
  HWND alert = testbed::ie::frontDialog(browser_.get());
  ASSERT_TRUE(alert);
  EXPECT_EQ(windowText(alert), "Microsoft Internet Explorer");
  EXPECT_EQ(GetParent(alert), reinterpret_cast<HWND>(frame));  // owned by the frame
  std::vector<std::string> children;
  childOfClass(alert, "", &children);
  EXPECT_EQ(children, (std::vector<std::string>{"Button", "Static", "Static"}));
  act("dialog OK");
  EXPECT_TRUE(pumpUntil([&] { return !IsWindow(alert); }));

  act("click #ask");
  HWND confirm = testbed::ie::frontDialog(browser_.get());
  ASSERT_TRUE(confirm);
  children.clear();
  childOfClass(confirm, "", &children);
  EXPECT_EQ(children, (std::vector<std::string>{"Button", "Button", "Static", "Static"}));
  act("dialog Cancel");
  EXPECT_TRUE(pumpUntil([&] { return title() == "no"; }));

  act("click #name");
  HWND prompt = testbed::ie::frontDialog(browser_.get());
  ASSERT_TRUE(prompt);
  EXPECT_EQ(windowText(prompt), "Explorer User Prompt");
  HWND edit = childOfClass(prompt, "Edit");
  ASSERT_TRUE(edit);
  EXPECT_EQ(windowText(edit), "nobody");
  act("dialog OK Zoe");
  EXPECT_TRUE(pumpUntil([&] { return title() == "Zoe"; }));
}

TEST_F(PageEventsTest, ToolbarAndAddressBarDriveTheBrowser) {
  const std::string second = page("second.html", "<title>Second</title>");
  act("open " + second);
  ASSERT_TRUE(waitComplete());
  Bstr location;
  browser_->get_LocationURL(location.out());
  EXPECT_EQ(location.text(), second);
  act("back");
  ASSERT_TRUE(pumpUntil([&] { return title() == "Events"; }));
  act("forward");
  ASSERT_TRUE(pumpUntil([&] { return title() == "Second"; }));
  SHANDLE_PTR frame = 0;
  ASSERT_EQ(browser_->get_HWND(&frame), S_OK);
  act("close");
  EXPECT_TRUE(pumpUntil([&] { return !IsWindow(reinterpret_cast<HWND>(frame)); }));
  // Its last window closed, the instance has ended, as IE's process does.
  EXPECT_TRUE(FAILED(browser_->get_HWND(&frame)));
}

}  // namespace
}  // namespace mshtml_test
