// The test-bed face of the simulated user for Internet Explorer.
#include <testbed/internet_explorer.h>

#include "automation_values.h"
#include "browser_session.h"
#include "frame_window.h"
#include "web_browser.h"

#include <engine/user.h>
#include <engine/user_script.h>

#include <strings.h>

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
  bool done = false;
  onBrowserThread(target, [&] {
    mshtml::WebBrowser* browser = target.session->topBrowser(*window->top());
    mshtml::FrameWindow* frameWindow = browser ? browser->frameWindow() : nullptr;
    if (!frameWindow || !frameWindow->valid()) return;
    frame = frameWindow->frame();
    if (action.kind == engine::UserAction::Kind::Open) {
      frameWindow->enterAddress(action.target);
      done = true;
    } else if (command != 0) {
      frameWindow->clickToolbarButton(command);
      done = true;
    }
  });
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

// A dialog: type into its Edit, press its button, as a person does.
ActionResult answerDialog(const Target& target, const engine::UserAction& action) {
  HWND dialog = nullptr;
  onBrowserThread(target, [&] { dialog = target.session->frontDialogWindow(); });
  if (!dialog) return failure(action, "no dialog is open");
  DialogControls controls{action.target};
  EnumChildWindows(dialog, &findDialogControl, reinterpret_cast<LPARAM>(&controls));
  if (!controls.button) return failure(action, "the dialog has no button " + action.target);
  if (action.hasText) {
    if (!controls.edit) return failure(action, "the dialog has no text field");
    SetWindowTextA(controls.edit, action.text.c_str());
  }
  SendMessageA(controls.button, BM_CLICK, 0, 0);
  return {};
}

}  // namespace

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
