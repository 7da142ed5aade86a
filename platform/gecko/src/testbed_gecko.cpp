#include "testbed/gecko.h"

#include "common_dialogs.h"
#include "dom_node.h"
#include "dom_selection.h"
#include "dom_session.h"
#include "dom_window.h"
#include "engine/browser.h"
#include "engine/dialog.h"
#include "engine/document.h"
#include "engine/user.h"
#include "engine/user_script.h"
#include "engine/window.h"
#include "shell_services.h"
#include "shells.h"
#include "testbed/xpcom.h"
#include "xul_window.h"

namespace gecko::testbed {

namespace {
constexpr int kLoadTimeoutMs = 10000;  // real time
}

struct SimulatedGecko::State {
  engine::Browser browser{engine::BrowserOptions{engine::Dialect::Mozilla, "about:blank"}};
  std::shared_ptr<DomSession> session = std::make_shared<DomSession>(browser.thread());
  std::shared_ptr<engine::Window> window;  // touched on the browser thread only
  std::unique_ptr<CommonDialogs> dialogs;  // made and ended on the browser thread
  std::shared_ptr<Shells> shells;          // touched on the browser thread only
  engine::User user{browser, kLoadTimeoutMs};

  bool waitIdle() {
    return browser.thread().waitUntil([this] { return !browser.busy(); }, kLoadTimeoutMs);
  }
  // The window the calls use: the one last opened, or the first still open.
  void settleWindow() {
    if (window && !window->closed()) return;
    window = browser.windows().empty() ? nullptr : browser.windows().front();
  }
};

SimulatedGecko::SimulatedGecko() : state_(std::make_unique<State>()) {
  State& state = *state_;
  std::weak_ptr<DomSession> session = state.session;
  state.browser.thread().call([&] {
    state.dialogs = std::make_unique<CommonDialogs>(state.browser);
    state.shells = std::make_shared<Shells>(state.browser, state.session);
    state.shells->start();
    state.dialogs->addObserver(state.shells.get());
    // Calls carried into the UI thread are served from the browser thread's own loop.
    xpcom::testbed::registerUIThread([session] {
      if (auto live = session.lock()) live->post([] { xpcom::testbed::servePendingCalls(); });
    });
  });
  registerShellServices();
}

SimulatedGecko::~SimulatedGecko() {
  State& state = *state_;
  state.browser.thread().call([&] {
    // A dialog still up holds the page's script, and with it any DOM call carried here
    // from another thread (a window's Confirm, a click that raised an alert). The
    // session cannot end under such a call: answer the dialogs as Cancel first.
    const auto waiting = state.browser.openDialogs();  // answering changes the list
    for (const auto& dialog : waiting) dialog->answer(false);
    xpcom::testbed::unregisterUIThread();
    state.dialogs->removeObserver(state.shells.get());
    state.shells->stop();
  });
  state.session->end();
  state.browser.thread().call([&] {
    state.dialogs.reset();
    state.window.reset();
    state.shells.reset();
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

bool SimulatedGecko::openWindow(const std::string& url) {
  State& state = *state_;
  state.browser.thread().call([&] { state.window = state.browser.openWindow(url); });
  return state.waitIdle();
}

bool SimulatedGecko::act(const std::string& script, std::string* error) {
  State& state = *state_;
  engine::UserScriptResult result = engine::runUserScript(state.user, script);
  if (!result && error) *error = result.message;
  const bool idle = state.waitIdle();
  state.browser.thread().call([&] { state.settleWindow(); });
  return result.ok && idle;
}

bool SimulatedGecko::waitIdle() { return state_->waitIdle(); }

nsresult SimulatedGecko::GetXULWindow(nsIXULWindow** aWindow) {
  if (!aWindow) return NS_ERROR_NULL_POINTER;
  *aWindow = nullptr;
  State& state = *state_;
  return state.session->carry([&]() -> nsresult {
    state.settleWindow();
    auto xul = state.window ? state.shells->xulWindow(*state.window) : nullptr;
    if (!xul) return NS_ERROR_FAILURE;
    return xul->QueryInterface(NS_GET_IID(nsIXULWindow), reinterpret_cast<void**>(aWindow));
  });
}

nsresult SimulatedGecko::GetWindowMediator(nsIWindowMediator** aMediator) {
  if (!aMediator) return NS_ERROR_NULL_POINTER;
  return WindowMediator::instance().QueryInterface(NS_GET_IID(nsIWindowMediator), reinterpret_cast<void**>(aMediator));
}

nsresult SimulatedGecko::GetDocumentLoader(nsIWebProgress** aLoader) {
  if (!aLoader) return NS_ERROR_NULL_POINTER;
  return DocLoaderService::instance().QueryInterface(NS_GET_IID(nsIWebProgress), reinterpret_cast<void**>(aLoader));
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
