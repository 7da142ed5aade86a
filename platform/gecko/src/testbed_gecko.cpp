#include "testbed/gecko.h"

#include "common_dialogs.h"
#include "dom_node.h"
#include "dom_selection.h"
#include "dom_session.h"
#include "dom_window.h"
#include "engine/browser.h"
#include "engine/document.h"
#include "engine/user.h"
#include "engine/user_script.h"
#include "engine/window.h"

namespace gecko::testbed {

namespace {
constexpr int kLoadTimeoutMs = 10000;  // real time
}

struct SimulatedGecko::State {
  engine::Browser browser{engine::BrowserOptions{engine::Dialect::Mozilla, "about:blank"}};
  std::shared_ptr<DomSession> session = std::make_shared<DomSession>(browser.thread());
  std::shared_ptr<engine::Window> window;  // touched on the browser thread only
  std::unique_ptr<CommonDialogs> dialogs;  // made and ended on the browser thread
  engine::User user{browser, kLoadTimeoutMs};

  bool waitIdle() {
    return browser.thread().waitUntil([this] { return !browser.busy(); }, kLoadTimeoutMs);
  }
};

SimulatedGecko::SimulatedGecko() : state_(std::make_unique<State>()) {
  State& state = *state_;
  state.browser.thread().call([&] { state.dialogs = std::make_unique<CommonDialogs>(state.browser); });
}

SimulatedGecko::~SimulatedGecko() {
  state_->session->end();
  state_->browser.thread().call([this] {
    state_->dialogs.reset();
    state_->window.reset();
  });
}

bool SimulatedGecko::open(const std::string& url) {
  State& state = *state_;
  state.browser.thread().call([&] {
    if (!state.window) {
      state.window = state.browser.openWindow(url);
    } else {
      state.browser.navigate(*state.window, url);
    }
  });
  return state.waitIdle();
}

bool SimulatedGecko::loadString(const std::string& html, const std::string& url) {
  State& state = *state_;
  state.browser.thread().call([&] {
    if (!state.window) state.window = state.browser.openWindow("");
    state.browser.loadString(*state.window, html, url);
  });
  return state.waitIdle();
}

nsresult SimulatedGecko::GetDocument(nsIDOMDocument** aDocument) {
  if (!aDocument) return NS_ERROR_NULL_POINTER;
  *aDocument = nullptr;
  State& state = *state_;
  return state.session->carry([&]() -> nsresult {
    auto document = state.window ? state.window->document() : nullptr;
    if (!document) return NS_ERROR_FAILURE;
    return wrapAs(*state.session, document, aDocument);
  });
}

nsresult SimulatedGecko::GetWindow(nsIDOMWindow** aWindow) {
  if (!aWindow) return NS_ERROR_NULL_POINTER;
  *aWindow = nullptr;
  State& state = *state_;
  return state.session->carry([&]() -> nsresult {
    if (!state.window) return NS_ERROR_FAILURE;
    nsCOMPtr<nsIDOMWindow> window = wrapWindow(*state.session, state.window);
    if (!window) return NS_ERROR_OUT_OF_MEMORY;
    window.swap(*aWindow);
    return NS_OK;
  });
}

nsresult SimulatedGecko::GetSelectionController(nsISelectionController** aController) {
  if (!aController) return NS_ERROR_NULL_POINTER;
  *aController = nullptr;
  State& state = *state_;
  return state.session->carry([&]() -> nsresult {
    if (!state.window) return NS_ERROR_FAILURE;
    nsCOMPtr<nsISelectionController> controller = selectionControllerFor(*state.session, state.window);
    if (!controller) return NS_ERROR_OUT_OF_MEMORY;
    controller.swap(*aController);
    return NS_OK;
  });
}

bool SimulatedGecko::act(const std::string& actions, std::string* error) {
  engine::UserScriptResult result = engine::runUserScript(state_->user, actions);
  if (!result && error) *error = result.message;
  return result.ok && state_->waitIdle();
}

std::string SimulatedGecko::perform(const std::string& actions) {
  engine::UserScriptResult result = engine::runUserScript(state_->user, actions);
  return result ? std::string() : result.message;
}

nsresult SimulatedGecko::GetDialogDocument(nsIDOMDocument** aDocument) {
  if (!aDocument) return NS_ERROR_NULL_POINTER;
  *aDocument = nullptr;
  State& state = *state_;
  return state.session->carry([&]() -> nsresult {
    auto front = state.dialogs ? state.dialogs->front() : nullptr;
    if (!front) return NS_ERROR_FAILURE;
    return wrapAs(*state.session, front->document, aDocument);
  });
}

nsresult SimulatedGecko::GetDialogWindow(nsIDOMWindow** aWindow) {
  if (!aWindow) return NS_ERROR_NULL_POINTER;
  *aWindow = nullptr;
  State& state = *state_;
  return state.session->carry([&]() -> nsresult {
    auto front = state.dialogs ? state.dialogs->front() : nullptr;
    if (!front || !front->window) return NS_ERROR_FAILURE;
    nsCOMPtr<nsIDOMWindow> window = wrapWindow(*state.session, front->window);
    if (!window) return NS_ERROR_OUT_OF_MEMORY;
    window.swap(*aWindow);
    return NS_OK;
  });
}

std::string SimulatedGecko::dialogTitle() {
  std::string title;
  State& state = *state_;
  state.browser.thread().call([&] {
    if (auto front = state.dialogs ? state.dialogs->front() : nullptr) title = front->title;
  });
  return title;
}

bool SimulatedGecko::waitForNoDialog(int timeoutMs) {
  State& state = *state_;
  return state.browser.thread().waitUntil([&] { return state.browser.openDialogs().empty(); }, timeoutMs);
}

}  // namespace gecko::testbed
