#include "dom_window.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <string>
#include <vector>

#include "common_dialogs.h"
#include "dom_event.h"
#include "dom_node.h"
#include "dom_object.h"
#include "dom_selection.h"
#include "engine/browser.h"
#include "engine/document.h"
#include "engine/node.h"
#include "engine/window.h"
#include "nsDOMError.h"
#include "nsIDOMAbstractView.h"
#include "nsIDOMDocument.h"
#include "nsIDOMDocumentView.h"
#include "nsIDOMElement.h"
#include "nsIDOMWindowCollection.h"
#include "nsIDOMWindowInternal.h"
#include "nsIDocShell.h"
#include "nsIInterfaceRequestor.h"
#include "nsISelection.h"
#include "nsIWebNavigation.h"
#include "shell_window_access.h"
#include "text_conversion.h"

namespace gecko {

namespace {

#define GECKO_ENGINE_WINDOW_ACCESS_IID                                             \
  {                                                                                \
    0x3e8d41b7, 0x92c4, 0x4a0f, { 0xb1, 0x5e, 0x07, 0x6c, 0xd2, 0x9a, 0x44, 0x81 } \
  }

// A private interface of our windows: the engine window behind one, so that a window
// handed back by a caller (SetOpener) is recognised.
class EngineWindowAccess : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(GECKO_ENGINE_WINDOW_ACCESS_IID)
  virtual std::shared_ptr<engine::Window> engineWindow() const = 0;

 protected:
  ~EngineWindowAccess() = default;
};

template <class Interface>
nsresult windowAs(DomSession& session, const std::shared_ptr<engine::Window>& window, Interface** out) {
  *out = nullptr;
  if (!window) return NS_OK;
  nsCOMPtr<nsIDOMWindow> wrapper = wrapWindow(session, window);
  if (!wrapper) return NS_ERROR_OUT_OF_MEMORY;
  return wrapper->QueryInterface(NS_GET_IID(Interface), reinterpret_cast<void**>(out));
}

// --- base64 as atob and btoa read it: the characters of a string are bytes (0-255)

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int base64Value(PRUnichar c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

// The frames of a window as Gecko's docshell tree has them: a page's frames, or the
// content window for a browser window's chrome.
std::vector<std::shared_ptr<engine::Window>> framesOf(const DomSession& session, const engine::Window& window) {
  if (auto content = contentOfChrome(session, window)) return {content};
  return window.frames();
}

// The frames collection of a window: its direct frames, live.
class DomWindowCollection final : public nsIDOMWindowCollection, public DomObject {
 public:
  DomWindowCollection(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Window> window)
      : DomObject(std::move(session)), window_(std::move(window)) {}

  GECKO_DOM_ISUPPORTS

  NS_IMETHOD GetLength(PRUint32* aLength) override {
    if (!aLength) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult {
      *aLength = static_cast<PRUint32>(framesOf(session(), *window_).size());
      return NS_OK;
    });
  }
  NS_IMETHOD Item(PRUint32 index, nsIDOMWindow** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult {
      const auto frames = framesOf(session(), *window_);
      return windowAs(session(), index < frames.size() ? frames[index] : nullptr, _retval);
    });
  }
  // A direct frame by name, as Gecko looks among a docshell's children only.
  NS_IMETHOD NamedItem(const nsAString& name, nsIDOMWindow** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    const std::string wanted = toUtf8(name);
    return session().carry([&]() -> nsresult {
      std::shared_ptr<engine::Window> found;
      if (!wanted.empty()) {
        for (const auto& frame : framesOf(session(), *window_)) {
          if (frame->name() == wanted) {
            found = frame;
            break;
          }
        }
      }
      return windowAs(session(), found, _retval);
    });
  }
  nsISupports* canonical() override { return static_cast<nsIDOMWindowCollection*>(this); }

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsISupports)) || iid.Equals(NS_GET_IID(nsIDOMWindowCollection))) return canonical();
    return nullptr;
  }
  const std::shared_ptr<engine::Window> window_;
};

class DomWindow final : public nsIDOMWindowInternal,
                        public nsIDOMAbstractView,
                        public nsIDOMEventTarget,
                        public nsIInterfaceRequestor,
                        public EngineWindowAccess,
                        public DomObject {
 public:
  DomWindow(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Window> window)
      : DomObject(std::move(session)), window_(std::move(window)) {}

  GECKO_DOM_ISUPPORTS

  // --- nsIDOMWindow
  NS_IMETHOD GetDocument(nsIDOMDocument** aDocument) override {
    return related(aDocument, [](engine::Window& w) { return w.document(); });
  }
  NS_IMETHOD GetParent(nsIDOMWindow** aParent) override {
    return relatedWindow(aParent, [](engine::Window& w) { return w.parent(); });
  }
  // A top-level content window is its own top.
  NS_IMETHOD GetTop(nsIDOMWindow** aTop) override {
    return relatedWindow(aTop, [](engine::Window& w) { return w.top(); });
  }
  NS_IMETHOD GetFrames(nsIDOMWindowCollection** aFrames) override {
    if (!aFrames) return NS_ERROR_NULL_POINTER;
    *aFrames = new DomWindowCollection(sharedSession(), window_);
    return NS_OK;
  }
  NS_IMETHOD GetName(nsAString& aName) override {
    std::string name;
    nsresult rv = session().carry([&]() -> nsresult {
      name = window_->name();
      return NS_OK;
    });
    if (NS_SUCCEEDED(rv)) assignUtf8(aName, name);
    return rv;
  }
  NS_IMETHOD SetName(const nsAString& aName) override {
    std::string name = toUtf8(aName);
    return session().carry([&]() -> nsresult {
      window_->setName(std::move(name));
      return NS_OK;
    });
  }
  // The simulated browser draws nothing: text zoom is kept and reported, without effect.
  NS_IMETHOD GetTextZoom(float* aTextZoom) override {
    if (!aTextZoom) return NS_ERROR_NULL_POINTER;
    *aTextZoom = textZoom_.load();
    return NS_OK;
  }
  NS_IMETHOD SetTextZoom(float aTextZoom) override {
    textZoom_.store(aTextZoom);
    return NS_OK;
  }
  // Pages are not laid out, so they never extend beyond the window: nothing scrolls.
  NS_IMETHOD GetScrollX(PRInt32* aScrollX) override { return zero(aScrollX); }
  NS_IMETHOD GetScrollY(PRInt32* aScrollY) override { return zero(aScrollY); }
  NS_IMETHOD ScrollTo(PRInt32, PRInt32) override { return alive(); }
  NS_IMETHOD ScrollBy(PRInt32, PRInt32) override { return alive(); }
  NS_IMETHOD GetSelection(nsISelection** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = nullptr;
    return session().carry([&]() -> nsresult {
      auto document = window_->document();
      if (!document) return NS_OK;  // no document, no selection
      return createSelection(sharedSession(), document, _retval);
    });
  }
  NS_IMETHOD ScrollByLines(PRInt32) override { return alive(); }
  NS_IMETHOD ScrollByPages(PRInt32) override { return alive(); }
  NS_IMETHOD SizeToContent(void) override { return alive(); }

  // --- nsIDOMWindow2: no chrome holds the simulated browser's windows, so there is no
  // window root, as for a Gecko window outside any chrome.
  NS_IMETHOD GetWindowRoot(nsIDOMEventTarget** aWindowRoot) override { return none(aWindowRoot); }

  // --- nsIDOMWindowInternal
  NS_IMETHOD GetWindow(nsIDOMWindowInternal** aWindow) override { return self(aWindow); }
  NS_IMETHOD GetSelf(nsIDOMWindowInternal** aSelf) override { return self(aSelf); }
  // The navigator, screen, history, location, bar, crypto and controller objects
  // are not modelled (README).
  NS_IMETHOD GetNavigator(nsIDOMNavigator** aNavigator) override { return notModelled(aNavigator); }
  NS_IMETHOD GetScreen(nsIDOMScreen** aScreen) override { return notModelled(aScreen); }
  NS_IMETHOD GetHistory(nsIDOMHistory** aHistory) override { return notModelled(aHistory); }
  // The browser's content window: each top-level window of the simulated browser is one
  // content area, so that is the top window; a browser window's chrome gives its content.
  NS_IMETHOD GetContent(nsIDOMWindow** aContent) override {
    return relatedWindow(aContent, [this](engine::Window& w) {
      auto content = contentOfChrome(session(), w);
      return content ? content : w.top();
    });
  }
  NS_IMETHOD GetPrompter(nsIPrompt** aPrompter) override { return notModelled(aPrompter); }
  NS_IMETHOD GetMenubar(nsIDOMBarProp** aMenubar) override { return notModelled(aMenubar); }
  NS_IMETHOD GetToolbar(nsIDOMBarProp** aToolbar) override { return notModelled(aToolbar); }
  NS_IMETHOD GetLocationbar(nsIDOMBarProp** aLocationbar) override { return notModelled(aLocationbar); }
  NS_IMETHOD GetPersonalbar(nsIDOMBarProp** aPersonalbar) override { return notModelled(aPersonalbar); }
  NS_IMETHOD GetStatusbar(nsIDOMBarProp** aStatusbar) override { return notModelled(aStatusbar); }
  NS_IMETHOD GetDirectories(nsIDOMBarProp** aDirectories) override { return notModelled(aDirectories); }
  NS_IMETHOD GetScrollbars(nsIDOMBarProp** aScrollbars) override { return notModelled(aScrollbars); }
  NS_IMETHOD GetClosed(PRBool* aClosed) override {
    if (!aClosed) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult {
      *aClosed = window_->closed() ? PR_TRUE : PR_FALSE;
      return NS_OK;
    });
  }
  NS_IMETHOD GetCrypto(nsIDOMCrypto** aCrypto) override { return notModelled(aCrypto); }
  NS_IMETHOD GetPkcs11(nsIDOMPkcs11** aPkcs11) override { return notModelled(aPkcs11); }
  NS_IMETHOD GetControllers(nsIControllers** aControllers) override { return notModelled(aControllers); }
  NS_IMETHOD GetOpener(nsIDOMWindowInternal** aOpener) override {
    return relatedWindow(aOpener, [](engine::Window& w) { return w.opener(); });
  }
  NS_IMETHOD SetOpener(nsIDOMWindowInternal* aOpener) override {
    auto opener = engineWindowOf(aOpener);
    if (aOpener && !opener) return NS_ERROR_INVALID_ARG;  // not a window of this browser
    return session().carry([&]() -> nsresult {
      window_->setOpener(opener);
      return NS_OK;
    });
  }
  // The status texts would show in the chrome's status bar: kept and reported.
  NS_IMETHOD GetStatus(nsAString& aStatus) override { return readKept(aStatus, status_); }
  NS_IMETHOD SetStatus(const nsAString& aStatus) override { return keep(aStatus, status_); }
  NS_IMETHOD GetDefaultStatus(nsAString& aDefaultStatus) override { return readKept(aDefaultStatus, defaultStatus_); }
  NS_IMETHOD SetDefaultStatus(const nsAString& aDefaultStatus) override { return keep(aDefaultStatus, defaultStatus_); }
  NS_IMETHOD GetLocation(nsIDOMLocation** aLocation) override { return notModelled(aLocation); }
  // The simulated windows have no native size or place: Gecko fails these the same way
  // for a window without a widget.
  NS_IMETHOD GetInnerWidth(PRInt32* aInnerWidth) override { return noWidget(aInnerWidth); }
  NS_IMETHOD SetInnerWidth(PRInt32) override { return NS_ERROR_FAILURE; }
  NS_IMETHOD GetInnerHeight(PRInt32* aInnerHeight) override { return noWidget(aInnerHeight); }
  NS_IMETHOD SetInnerHeight(PRInt32) override { return NS_ERROR_FAILURE; }
  NS_IMETHOD GetOuterWidth(PRInt32* aOuterWidth) override { return noWidget(aOuterWidth); }
  NS_IMETHOD SetOuterWidth(PRInt32) override { return NS_ERROR_FAILURE; }
  NS_IMETHOD GetOuterHeight(PRInt32* aOuterHeight) override { return noWidget(aOuterHeight); }
  NS_IMETHOD SetOuterHeight(PRInt32) override { return NS_ERROR_FAILURE; }
  NS_IMETHOD GetScreenX(PRInt32* aScreenX) override { return noWidget(aScreenX); }
  NS_IMETHOD SetScreenX(PRInt32) override { return NS_ERROR_FAILURE; }
  NS_IMETHOD GetScreenY(PRInt32* aScreenY) override { return noWidget(aScreenY); }
  NS_IMETHOD SetScreenY(PRInt32) override { return NS_ERROR_FAILURE; }
  NS_IMETHOD GetPageXOffset(PRInt32* aPageXOffset) override { return zero(aPageXOffset); }
  NS_IMETHOD GetPageYOffset(PRInt32* aPageYOffset) override { return zero(aPageYOffset); }
  NS_IMETHOD GetScrollMaxX(PRInt32* aScrollMaxX) override { return zero(aScrollMaxX); }
  NS_IMETHOD GetScrollMaxY(PRInt32* aScrollMaxY) override { return zero(aScrollMaxY); }
  NS_IMETHOD GetLength(PRUint32* aLength) override {
    if (!aLength) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult {
      *aLength = static_cast<PRUint32>(framesOf(session(), *window_).size());
      return NS_OK;
    });
  }
  // Only chrome may change full-screen mode; a content window's request is ignored.
  NS_IMETHOD GetFullScreen(PRBool* aFullScreen) override {
    if (!aFullScreen) return NS_ERROR_NULL_POINTER;
    *aFullScreen = PR_FALSE;
    return NS_OK;
  }
  NS_IMETHOD SetFullScreen(PRBool) override { return alive(); }
  // The page's dialogs: each waits, serving other work, until the user answers it.
  NS_IMETHOD Alert(const nsAString& text) override {
    const std::string message = toUtf8(text);
    return onWindow([&](engine::Window& w) -> nsresult {
      if (w.browser().closing()) return NS_ERROR_FAILURE;
      w.browser().runDialog(engine::DialogKind::Alert, message, {}, window_);
      return NS_OK;
    });
  }
  NS_IMETHOD Confirm(const nsAString& text, PRBool* _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = PR_FALSE;
    const std::string message = toUtf8(text);
    return onWindow([&](engine::Window& w) -> nsresult {
      if (w.browser().closing()) return NS_ERROR_FAILURE;
      *_retval =
          w.browser().runDialog(engine::DialogKind::Confirm, message, {}, window_)->accepted() ? PR_TRUE : PR_FALSE;
      return NS_OK;
    });
  }
  // A cancelled prompt answers an empty string (the stand-in's strings have no void state).
  NS_IMETHOD Prompt(const nsAString& aMessage, const nsAString& aInitial, const nsAString&, PRUint32,
                    nsAString& _retval) override {
    const std::string message = toUtf8(aMessage);
    const std::string initial = toUtf8(aInitial);
    bool accepted = false;
    std::string answer;
    nsresult rv = onWindow([&](engine::Window& w) -> nsresult {
      if (w.browser().closing()) return NS_ERROR_FAILURE;
      auto dialog = w.browser().runDialog(engine::DialogKind::Prompt, message, initial, window_);
      accepted = dialog->accepted();
      answer = dialog->text();
      return NS_OK;
    });
    if (NS_FAILED(rv)) return rv;
    if (accepted) {
      assignUtf8(_retval, answer);
    } else {
      _retval.Truncate();
    }
    return NS_OK;
  }
  // The simulated browser shows all its windows at once: focus brings nothing forward
  // and the keyboard focus inside the page stays where it is, as in Gecko.
  NS_IMETHOD Focus(void) override { return alive(); }
  NS_IMETHOD Blur(void) override { return alive(); }
  // Session history belongs to the top-level window.
  NS_IMETHOD Back(void) override {
    return onWindow([](engine::Window& w) -> nsresult {
      w.browser().goBack(*w.top());
      return NS_OK;
    });
  }
  NS_IMETHOD Forward(void) override {
    return onWindow([](engine::Window& w) -> nsresult {
      w.browser().goForward(*w.top());
      return NS_OK;
    });
  }
  NS_IMETHOD Home(void) override {
    return onWindow([](engine::Window& w) -> nsresult {
      w.browser().goHome(w);
      return NS_OK;
    });
  }
  NS_IMETHOD Stop(void) override {
    return onWindow([](engine::Window& w) -> nsresult {
      w.browser().stop(w);
      return NS_OK;
    });
  }
  // There is no printer.
  NS_IMETHOD Print(void) override { return NS_ERROR_NOT_AVAILABLE; }
  NS_IMETHOD MoveTo(PRInt32, PRInt32) override { return NS_ERROR_FAILURE; }
  NS_IMETHOD MoveBy(PRInt32, PRInt32) override { return NS_ERROR_FAILURE; }
  NS_IMETHOD ResizeTo(PRInt32, PRInt32) override { return NS_ERROR_FAILURE; }
  NS_IMETHOD ResizeBy(PRInt32, PRInt32) override { return NS_ERROR_FAILURE; }
  NS_IMETHOD Scroll(PRInt32, PRInt32) override { return alive(); }
  // Opens `url` as a page does: into the named window or frame, or a new window.
  NS_IMETHOD Open(const nsAString& url, const nsAString& name, const nsAString&, nsIDOMWindow** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = nullptr;
    const std::string address = toUtf8(url);
    std::string target = toUtf8(name);
    if (target.empty()) target = "_blank";
    return onWindow([&](engine::Window& w) -> nsresult {
      auto opened = w.browser().openFromPage(w, address, target);
      return windowAs(session(), opened, _retval);
    });
  }
  // Dialogs of chrome (XUL) are not opened from content windows (README).
  NS_IMETHOD OpenDialog(const nsAString&, const nsAString&, const nsAString&, nsISupports*,
                        nsIDOMWindow** _retval) override {
    return notModelled(_retval);
  }
  // Closes a top-level window once the current task is done (a script or listener of
  // the window may be running); Gecko does not close frames. Closing a browser window's
  // chrome closes the browser window; closing a common dialog's window dismisses the
  // dialog as its Cancel would (an alert simply goes).
  NS_IMETHOD Close(void) override {
    return onWindow([this](engine::Window& w) -> nsresult {
      if (!w.isTopLevel() || w.closed()) return NS_OK;
      auto content = contentOfChrome(session(), w);
      std::weak_ptr<engine::Window> weak = content ? content : w.shared_from_this();
      engine::Browser& browser = w.browser();
      browser.thread().post([&browser, weak] {
        auto closing = weak.lock();
        if (!closing || closing->closed()) return;
        if (auto* dialogs = dynamic_cast<CommonDialogs*>(browser.dialogHost());
            dialogs && dialogs->dismissWindow(*closing)) {
          return;
        }
        browser.closeWindow(*closing);
      });
      return NS_OK;
    });
  }
  // No chrome command updaters listen.
  NS_IMETHOD UpdateCommands(const nsAString&) override { return alive(); }
  NS_IMETHOD Find(const nsAString& str, PRBool caseSensitive, PRBool, PRBool, PRBool wholeWord, PRBool searchInFrames,
                  PRBool, PRBool* _retval) override;
  NS_IMETHOD Atob(const nsAString& aAsciiString, nsAString& _retval) override;
  NS_IMETHOD Btoa(const nsAString& aBase64Data, nsAString& _retval) override;
  NS_IMETHOD GetFrameElement(nsIDOMElement** aFrameElement) override {
    if (!aFrameElement) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult {
      return wrapAs(session(), std::shared_ptr<engine::Node>(window_->frameElement()), aFrameElement);
    });
  }

  // --- nsIDOMAbstractView
  NS_IMETHOD GetDocument(nsIDOMDocumentView** aDocument) override {
    return related(aDocument, [](engine::Window& w) { return w.document(); });
  }

  // --- nsIDOMEventTarget: the events of the window's documents pass through it
  NS_IMETHOD AddEventListener(const nsAString& type, nsIDOMEventListener* listener, PRBool useCapture) override {
    return addEventListener(sharedSession(), window_, type, listener, useCapture);
  }
  NS_IMETHOD RemoveEventListener(const nsAString& type, nsIDOMEventListener* listener, PRBool useCapture) override {
    return removeEventListener(session(), window_, type, listener, useCapture);
  }
  NS_IMETHOD DispatchEvent(nsIDOMEvent* evt, PRBool* _retval) override {
    return dispatchEvent(session(), window_, evt, _retval);
  }

  // --- nsIInterfaceRequestor: as a Gecko window, the docshell showing this window
  // (nsIDocShell, nsIWebNavigation) when the browser has shells, else what
  // QueryInterface gives.
  NS_IMETHOD GetInterface(const nsIID& uuid, void** result) override {
    if (!result) return NS_ERROR_NULL_POINTER;
    *result = nullptr;
    if (uuid.Equals(NS_GET_IID(nsIDocShell)) || uuid.Equals(NS_GET_IID(nsIWebNavigation))) {
      return session().carry([&]() -> nsresult { return docShellFor(session(), window_, uuid, result); });
    }
    return QueryInterface(uuid, result);
  }

  // --- EngineWindowAccess
  std::shared_ptr<engine::Window> engineWindow() const override { return window_; }

  nsISupports* canonical() override { return static_cast<nsIDOMWindow*>(this); }

 private:
  ~DomWindow() override { session().forgetWrapper(window_.get(), this); }

  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsISupports)) || iid.Equals(NS_GET_IID(nsIDOMWindow)) ||
        iid.Equals(NS_GET_IID(nsIDOMWindow2)) || iid.Equals(NS_GET_IID(nsIDOMWindowInternal))) {
      return static_cast<nsIDOMWindowInternal*>(this);
    }
    if (iid.Equals(NS_GET_IID(nsIDOMAbstractView))) return static_cast<nsIDOMAbstractView*>(this);
    if (iid.Equals(NS_GET_IID(nsIDOMEventTarget))) return static_cast<nsIDOMEventTarget*>(this);
    if (iid.Equals(NS_GET_IID(nsIInterfaceRequestor))) return static_cast<nsIInterfaceRequestor*>(this);
    if (iid.Equals(NS_GET_IID(EngineWindowAccess))) return static_cast<EngineWindowAccess*>(this);
    return nullptr;
  }

  template <class Body>
  nsresult onWindow(Body&& body) {
    return session().carry([&]() -> nsresult { return body(*window_); });
  }
  nsresult alive() {
    return session().carry([]() -> nsresult { return NS_OK; });
  }
  template <class Interface, class Find>
  nsresult related(Interface** out, Find find) {
    if (!out) return NS_ERROR_NULL_POINTER;
    return session().carry(
        [&]() -> nsresult { return wrapAs(session(), std::shared_ptr<engine::Node>(find(*window_)), out); });
  }
  template <class Interface, class Find>
  nsresult relatedWindow(Interface** out, Find find) {
    if (!out) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult { return windowAs(session(), find(*window_), out); });
  }
  nsresult self(nsIDOMWindowInternal** out) {
    if (!out) return NS_ERROR_NULL_POINTER;
    NS_ADDREF(*out = this);
    return NS_OK;
  }
  template <class Interface>
  static nsresult notModelled(Interface** out) {
    if (out) *out = nullptr;
    return NS_ERROR_NOT_IMPLEMENTED;
  }
  template <class Interface>
  static nsresult none(Interface** out) {
    if (!out) return NS_ERROR_NULL_POINTER;
    *out = nullptr;
    return NS_OK;
  }
  static nsresult zero(PRInt32* out) {
    if (!out) return NS_ERROR_NULL_POINTER;
    *out = 0;
    return NS_OK;
  }
  static nsresult noWidget(PRInt32* out) {
    if (!out) return NS_ERROR_NULL_POINTER;
    *out = 0;
    return NS_ERROR_FAILURE;
  }
  nsresult readKept(nsAString& out, const std::string& kept) {
    std::string text;
    nsresult rv = session().carry([&]() -> nsresult {
      text = kept;
      return NS_OK;
    });
    if (NS_SUCCEEDED(rv)) assignUtf8(out, text);
    return rv;
  }
  nsresult keep(const nsAString& in, std::string& kept) {
    std::string text = toUtf8(in);
    return session().carry([&]() -> nsresult {
      kept = std::move(text);
      return NS_OK;
    });
  }

  const std::shared_ptr<engine::Window> window_;
  std::atomic<float> textZoom_{1.0f};
  std::string status_;         // browser thread only
  std::string defaultStatus_;  // browser thread only
};

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

bool isWordCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) || (c & 0x80) || c == '_'; }

// Whether the text of `window`'s document (and of its frames when asked) holds `wanted`.
bool findIn(const engine::Window& window, const std::string& wanted, bool caseSensitive, bool wholeWord,
            bool searchInFrames) {
  if (auto document = window.document()) {
    if (auto body = document->body()) {
      std::string text = body->innerText();
      if (!caseSensitive) text = lowered(text);
      for (auto at = text.find(wanted); at != std::string::npos; at = text.find(wanted, at + 1)) {
        const auto end = at + wanted.size();
        if (!wholeWord ||
            ((at == 0 || !isWordCharacter(text[at - 1])) && (end == text.size() || !isWordCharacter(text[end])))) {
          return true;
        }
      }
    }
  }
  if (searchInFrames) {
    for (const auto& frame : window.frames()) {
      if (findIn(*frame, wanted, caseSensitive, wholeWord, true)) return true;
    }
  }
  return false;
}

// Find looks in the page's text as the find bar would, without showing anything; with
// nothing to look for Gecko opens its find dialog, which the simulated browser lacks.
NS_IMETHODIMP DomWindow::Find(const nsAString& str, PRBool caseSensitive, PRBool, PRBool, PRBool wholeWord,
                              PRBool searchInFrames, PRBool, PRBool* _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = PR_FALSE;
  std::string wanted = toUtf8(str);
  if (wanted.empty()) return NS_ERROR_NOT_AVAILABLE;
  if (!caseSensitive) wanted = lowered(wanted);
  return onWindow([&](engine::Window& w) -> nsresult {
    *_retval = findIn(w, wanted, caseSensitive, wholeWord, searchInFrames) ? PR_TRUE : PR_FALSE;
    return NS_OK;
  });
}

NS_IMETHODIMP DomWindow::Atob(const nsAString& aAsciiString, nsAString& _retval) {
  _retval.Truncate();
  std::u16string decoded;
  unsigned buffer = 0;
  int bits = 0;
  std::size_t symbols = 0;
  std::size_t padding = 0;
  for (PRUnichar c : std::u16string(aAsciiString.BeginReading(), aAsciiString.EndReading())) {
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') continue;
    if (c == '=') {
      ++padding;
      continue;
    }
    const int value = base64Value(c);
    if (value < 0 || padding) return NS_ERROR_DOM_INVALID_CHARACTER_ERR;
    ++symbols;
    buffer = (buffer << 6) | static_cast<unsigned>(value);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      decoded.push_back(static_cast<PRUnichar>((buffer >> bits) & 0xFF));
    }
  }
  if (symbols % 4 == 1 || padding > 2 || (padding && (symbols + padding) % 4)) {
    return NS_ERROR_DOM_INVALID_CHARACTER_ERR;
  }
  _retval.Assign(decoded.data(), static_cast<PRUint32>(decoded.size()));
  return NS_OK;
}

NS_IMETHODIMP DomWindow::Btoa(const nsAString& aBase64Data, nsAString& _retval) {
  _retval.Truncate();
  std::u16string input(aBase64Data.BeginReading(), aBase64Data.EndReading());
  for (PRUnichar c : input) {
    if (c > 0xFF) return NS_ERROR_DOM_INVALID_CHARACTER_ERR;  // only byte-sized characters
  }
  std::u16string encoded;
  for (std::size_t i = 0; i < input.size(); i += 3) {
    const std::size_t left = std::min<std::size_t>(3, input.size() - i);
    unsigned chunk = static_cast<unsigned>(input[i]) << 16;
    if (left > 1) chunk |= static_cast<unsigned>(input[i + 1]) << 8;
    if (left > 2) chunk |= static_cast<unsigned>(input[i + 2]);
    encoded.push_back(kBase64[(chunk >> 18) & 63]);
    encoded.push_back(kBase64[(chunk >> 12) & 63]);
    encoded.push_back(left > 1 ? kBase64[(chunk >> 6) & 63] : '=');
    encoded.push_back(left > 2 ? kBase64[chunk & 63] : '=');
  }
  _retval.Assign(encoded.data(), static_cast<PRUint32>(encoded.size()));
  return NS_OK;
}

}  // namespace

nsCOMPtr<nsIDOMWindow> wrapWindow(DomSession& session, const std::shared_ptr<engine::Window>& window) {
  nsCOMPtr<nsIDOMWindow> result;
  if (!window) return result;
  if (nsISupports* found = session.findWrapper(window.get())) {
    result = dont_AddRef(static_cast<nsIDOMWindow*>(found));  // the canonical interface is nsIDOMWindow
    return result;
  }
  auto* created = new DomWindow(session.shared_from_this(), window);
  session.rememberWrapper(window.get(), created);
  result = dont_AddRef(static_cast<nsIDOMWindow*>(created));
  return result;
}

std::shared_ptr<engine::Window> engineWindowOf(nsISupports* window) {
  if (!window) return nullptr;
  EngineWindowAccess* access = nullptr;
  if (NS_FAILED(window->QueryInterface(NS_GET_IID(EngineWindowAccess), reinterpret_cast<void**>(&access))) || !access) {
    return nullptr;
  }
  auto result = access->engineWindow();
  access->Release();
  return result;
}

}  // namespace gecko
