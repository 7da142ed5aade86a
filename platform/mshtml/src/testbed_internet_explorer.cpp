// The test-bed face of the simulated user for Internet Explorer.
#include <testbed/internet_explorer.h>

#include "automation_values.h"
#include "browser_session.h"
#include "frame_window.h"
#include "web_browser.h"

#include <engine/dialog.h>
#include <testbed/native_user.h>
#include <engine/user.h>
#include <engine/user_script.h>

#include <mshtml.h>
#include <ocidl.h>
#include <strings.h>

#include <algorithm>

namespace testbed::ie {
namespace {

using mshtml::BrowserSession;

// The instance and top-level window behind `browser`.
struct Target {
  std::shared_ptr<BrowserSession> session;
  std::shared_ptr<engine::Window> window;
};

Target targetOf(IWebBrowser2* browser) {
  Target target;
  if (!browser) return target;
  const std::shared_ptr<engine::Window> window = mshtml::WebBrowser::engineWindowOf(browser);
  if (!window) return target;
  for (const std::shared_ptr<BrowserSession>& session : BrowserSession::running()) {
    if (&session->engineBrowser() == &window->browser()) {
      target.session = session;
      target.window = window->top();
    }
  }
  return target;
}

// Runs `work` on the instance's browser thread.
template <typename Work>
bool onBrowserThread(const Target& target, Work&& work) {
  return target.session->engineBrowser().thread().call(std::forward<Work>(work));
}

ActionResult failure(const engine::UserAction& action, const std::string& why) {
  return {false, "line " + std::to_string(action.line) + ": " + why};
}

// The address bar, the standard buttons, closing the window: through the frame window.
ActionResult useFrame(const Target& target, engine::User& user, const engine::UserAction& action) {
  int command = 0;
  switch (action.kind) {
    case engine::UserAction::Kind::Back: command = mshtml::kCommandBack; break;
    case engine::UserAction::Kind::Forward: command = mshtml::kCommandForward; break;
    case engine::UserAction::Kind::Refresh: command = mshtml::kCommandRefresh; break;
    case engine::UserAction::Kind::Home: command = mshtml::kCommandHome; break;
    case engine::UserAction::Kind::Stop: command = mshtml::kCommandStop; break;
    default: break;
  }
  std::shared_ptr<engine::Window> window = user.currentWindow();
  if (!window) window = target.window;
  HWND frame = nullptr;
  HWND toolbar = nullptr;
  bool done = false;
  onBrowserThread(target, [&] {
    mshtml::WebBrowser* browser = target.session->topBrowser(*window->top());
    mshtml::FrameWindow* frameWindow = browser ? browser->frameWindow() : nullptr;
    if (!frameWindow || !frameWindow->valid()) return;
    frame = frameWindow->frame();
    toolbar = frameWindow->toolbar();
    if (action.kind == engine::UserAction::Kind::Open) {
      frameWindow->enterAddress(action.target);
      done = true;
    }
  });
  // A standard button is clicked with the mouse, as a person does; a browser whose
  // frame is not shown (one made by CoCreateInstance and never made visible) gets the
  // button's command as the click would send it.
  if (command != 0 && toolbar) {
    done = testbed::native_user::clickToolbarButton(toolbar, command);
    if (!done) {
      onBrowserThread(target, [&] {
        mshtml::WebBrowser* browser = target.session->topBrowser(*window->top());
        mshtml::FrameWindow* frameWindow = browser ? browser->frameWindow() : nullptr;
        if (!frameWindow || !frameWindow->valid() || IsWindowVisible(frameWindow->frame())) return;
        frameWindow->clickToolbarButton(command);
        done = true;
      });
    }
  }
  if (action.kind == engine::UserAction::Kind::Close && frame) {
    SendMessageA(frame, WM_CLOSE, 0, 0);
    return {};
  }
  if (!done) return failure(action, "the window has no frame");
  user.waitUntilIdle();
  return {};
}

// A button's label as a person reads it: without the "&" that marks its access key.
std::string withoutAccessKey(const char* label) {
  std::string text;
  for (const char* c = label; *c; ++c) {
    if (*c != '&') text += *c;
  }
  return text;
}

struct DialogControls {
  std::string buttonLabel;
  HWND button = nullptr;
  HWND edit = nullptr;  // the first Edit, however deep (the file chooser's is in its name box)
};

BOOL CALLBACK findDialogControl(HWND child, LPARAM into) {
  auto* controls = reinterpret_cast<DialogControls*>(into);
  char className[32] = {};
  char text[64] = {};
  GetClassNameA(child, className, sizeof className);
  GetWindowTextA(child, text, sizeof text);
  if (!controls->edit && std::string(className) == "Edit") controls->edit = child;
  if (!controls->button && std::string(className) == "Button" &&
      strcasecmp(withoutAccessKey(text).c_str(), controls->buttonLabel.c_str()) == 0) {
    controls->button = child;
  }
  return TRUE;
}

// How long a page may take to go on after its dialog was answered (real time).
constexpr int kDialogSettleMs = 10000;

// A dialog: type into its Edit, press its button, as a person does.
ActionResult answerDialog(const Target& target, const engine::UserAction& action) {
  HWND dialog = nullptr;
  onBrowserThread(target, [&] { dialog = target.session->frontDialogWindow(); });
  if (!dialog) return failure(action, "no dialog is open");
  DialogControls controls{action.target};
  EnumChildWindows(dialog, &findDialogControl, reinterpret_cast<LPARAM>(&controls));
  if (!controls.button) return failure(action, "the dialog has no button " + action.target);
  // Typed and clicked through the dialog's windows with the mouse and keys, so that
  // whatever watches the windows sees what a person's hands would do.
  if (action.hasText) {
    if (!controls.edit) return failure(action, "the dialog has no text field");
    if (!testbed::native_user::typeOver(controls.edit, action.text)) {
      return failure(action, "the dialog's text field takes no typing");
    }
  }
  engine::Browser& browser = target.session->engineBrowser();
  std::shared_ptr<engine::Dialog> answered;
  onBrowserThread(target, [&] {
    if (!browser.openDialogs().empty()) answered = browser.openDialogs().back();
  });
  if (!testbed::native_user::click(controls.button)) return failure(action, "the button cannot be pressed");
  // The click answers the dialog; the page goes on once the dialog's loop has ended.
  // Wait for that as for any action, or the next action would still find the dialog
  // up. A click that did not answer it (a file name that is not there) leaves it open.
  const bool settled = browser.thread().waitUntil(
      [&] {
        const auto& open = browser.openDialogs();
        const bool stillOpen = answered && std::find(open.begin(), open.end(), answered) != open.end();
        if (stillOpen) return !answered->answered();
        return !browser.busy() || !open.empty();
      },
      kDialogSettleMs);
  if (!settled) return failure(action, "the dialog did not close in time");
  return {};
}

// A counted reference taken from an out parameter, released at scope end.
template <typename T>
struct Held {
  T* p = nullptr;
  Held() = default;
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  ~Held() {
    if (p) p->Release();
  }
  template <typename Q>
  bool as(REFIID iid, Held<Q>& out) const {
    return p && SUCCEEDED(p->QueryInterface(iid, reinterpret_cast<void**>(&out.p))) && out.p;
  }
};

std::string textOf(BSTR text) {
  std::string out = text ? mshtml::utf8FromBstr(text) : std::string();
  SysFreeString(text);
  return out;
}

std::string selectedOptions(IHTMLSelectElement* list) {
  std::string out;
  LONG length = 0;
  list->get_length(&length);
  for (LONG i = 0; i < length; ++i) {
    VARIANT at, zero;
    VariantInit(&at);
    VariantInit(&zero);
    V_VT(&at) = VT_I4;
    V_I4(&at) = i;
    V_VT(&zero) = VT_I4;
    V_I4(&zero) = 0;
    Held<IDispatch> item;
    Held<IHTMLOptionElement> option;
    list->item(at, zero, &item.p);
    VARIANT_BOOL selected = VARIANT_FALSE;
    if (!item.as(IID_IHTMLOptionElement, option) || FAILED(option.p->get_selected(&selected)) ||
        selected != VARIANT_TRUE) {
      continue;
    }
    BSTR text = nullptr;
    option.p->get_text(&text);
    out += textOf(text) + ",";
  }
  return out;
}

std::string elementState(const Held<IDispatch>& item) {
  Held<IHTMLElement> element;
  if (!item.as(IID_IHTMLElement, element)) return {};
  Held<IHTMLOptionButtonElement> check;
  Held<IHTMLInputTextElement> field;
  Held<IHTMLTextAreaElement> area;
  Held<IHTMLSelectElement> list;
  BSTR text = nullptr;
  if (item.as(IID_IHTMLOptionButtonElement, check)) {
    VARIANT_BOOL checked = VARIANT_FALSE;
    check.p->get_checked(&checked);
    return checked == VARIANT_TRUE ? "[x] " : "[ ] ";
  }
  if (item.as(IID_IHTMLInputTextElement, field)) {
    field.p->get_value(&text);
    return "text=" + textOf(text) + " ";
  }
  if (item.as(IID_IHTMLTextAreaElement, area)) {
    area.p->get_value(&text);
    return "area=" + textOf(text) + " ";
  }
  if (item.as(IID_IHTMLSelectElement, list)) return "list=" + selectedOptions(list.p) + " ";
  element.p->get_id(&text);
  if (textOf(text) != "log") return {};
  element.p->get_innerText(&text);
  return "log=" + textOf(text) + " ";
}

std::string documentState(IDispatch* dispatch) {
  Held<IHTMLDocument2> document;
  if (!dispatch || FAILED(dispatch->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&document.p)))) {
    return "(no page) ";
  }
  BSTR title = nullptr;
  document.p->get_title(&title);
  std::string out = "<" + textOf(title) + "> ";
  Held<IHTMLElementCollection> all;
  LONG length = 0;
  if (SUCCEEDED(document.p->get_all(&all.p)) && all.p) all.p->get_length(&length);
  for (LONG i = 0; i < length; ++i) {
    VARIANT at;
    VariantInit(&at);
    V_VT(&at) = VT_I4;
    V_I4(&at) = i;
    Held<IDispatch> item;
    if (SUCCEEDED(all.p->item(at, at, &item.p)) && item.p) out += elementState(item);
  }
  Held<IOleContainer> container;
  Held<IEnumUnknown> frames;
  if (SUCCEEDED(document.p->QueryInterface(IID_IOleContainer, reinterpret_cast<void**>(&container.p))) &&
      SUCCEEDED(container.p->EnumObjects(OLECONTF_EMBEDDINGS, &frames.p)) && frames.p) {
    for (;;) {
      Held<IUnknown> object;
      ULONG fetched = 0;
      if (frames.p->Next(1, &object.p, &fetched) != S_OK || fetched != 1) break;
      Held<IWebBrowser2> frame;
      Held<IDispatch> frameDocument;
      if (SUCCEEDED(object.p->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&frame.p))) &&
          SUCCEEDED(frame.p->get_Document(&frameDocument.p))) {
        out += "{ " + documentState(frameDocument.p) + "} ";
      }
    }
  }
  return out;
}

}  // namespace

std::string pageState() {
  CoInitialize(nullptr);
  std::string out;
  std::vector<IWebBrowser2*> browsers = runningBrowsers();
  for (std::size_t i = 0; i < browsers.size(); ++i) {
    Held<IDispatch> document;
    browsers[i]->get_Document(&document.p);
    out += "#" + std::to_string(i) + " " + documentState(document.p);
    browsers[i]->Release();
  }
  return out;
}

std::vector<IWebBrowser2*> runningBrowsers() {
  std::vector<IWebBrowser2*> browsers;
  for (const std::shared_ptr<BrowserSession>& session : BrowserSession::running()) {
    session->engineBrowser().thread().call([&] {
      for (const std::shared_ptr<engine::Window>& window : session->engineBrowser().windows()) {
        if (mshtml::WebBrowser* browser = session->topBrowser(*window)) {
          browser->AddRef();
          browsers.push_back(browser->asBrowser());
        }
      }
    });
  }
  return browsers;
}

ActionResult run(IWebBrowser2* browser, const std::string& script) {
  const Target target = targetOf(browser);
  if (!target.session) return {false, "not a running Internet Explorer"};
  std::vector<engine::UserAction> actions;
  if (const engine::UserScriptResult parsed = engine::parseUserScript(script, actions); !parsed) {
    return {false, parsed.message};
  }
  engine::User user(target.session->engineBrowser());
  std::string title;
  onBrowserThread(target, [&] { title = target.window->title(); });
  user.useWindow(title);
  for (const engine::UserAction& action : actions) {
    ActionResult result;
    switch (action.kind) {
      case engine::UserAction::Kind::Open:
      case engine::UserAction::Kind::Back:
      case engine::UserAction::Kind::Forward:
      case engine::UserAction::Kind::Refresh:
      case engine::UserAction::Kind::Home:
      case engine::UserAction::Kind::Stop:
      case engine::UserAction::Kind::Close:
        result = useFrame(target, user, action);
        break;
      case engine::UserAction::Kind::Dialog:
        result = answerDialog(target, action);
        break;
      default: {
        const engine::UserScriptResult done = engine::runUserScript(user, std::vector<engine::UserAction>{action});
        if (!done) result = {false, done.message};
      }
    }
    if (!result) return result;
  }
  return {};
}

bool onBrowserThread(IWebBrowser2* browser, const std::function<void()>& work) {
  const Target target = targetOf(browser);
  return target.session && onBrowserThread(target, work);
}

HWND frontDialog(IWebBrowser2* browser) {
  const Target target = targetOf(browser);
  if (!target.session) return nullptr;
  HWND dialog = nullptr;
  onBrowserThread(target, [&] { dialog = target.session->frontDialogWindow(); });
  return dialog;
}

}  // namespace testbed::ie
