#include "dom_event.h"

#include <algorithm>
#include <cctype>
#include <chrono>

#include "dom_node.h"
#include "dom_object.h"
#include "dom_session.h"
#include "dom_window.h"
#include "engine/actions.h"
#include "engine/dispatch.h"
#include "engine/document.h"
#include "engine/event.h"
#include "engine/node.h"
#include "engine/window.h"
#include "markup_ops.h"
#include "nsDOMError.h"
#include "nsIDOMAbstractView.h"
#include "nsIDOMKeyEvent.h"
#include "nsIDOMMouseEvent.h"
#include "nsIDOMNSEvent.h"
#include "nsIDOMNSUIEvent.h"
#include "text_conversion.h"

namespace gecko {

namespace {

#define GECKO_DOM_EVENT_IID                                                        \
  {                                                                                \
    0x5a0c7f13, 0x2d6e, 0x4b88, { 0x8f, 0x42, 0x91, 0x3c, 0x0e, 0x57, 0xa4, 0x2b } \
  }

// What kind of event an object is: decides which members the events the engine fires
// fill in. Created events keep the kind of their module.
enum class Kind { Plain, UI, Mouse, Key };

Kind kindOfType(const std::string& type) {
  static const char* const mouse[] = {"click",     "dblclick", "mousedown", "mouseup",
                                      "mouseover", "mouseout", "mousemove", "contextmenu"};
  static const char* const key[] = {"keydown", "keypress", "keyup"};
  if (std::find(std::begin(mouse), std::end(mouse), type) != std::end(mouse)) return Kind::Mouse;
  if (std::find(std::begin(key), std::end(key), type) != std::end(key)) return Kind::Key;
  if (type == "focus" || type == "blur" || type == "select" || type == "resize" || type == "scroll") return Kind::UI;
  return Kind::Plain;
}

PRUint64 nowMs() {
  return static_cast<PRUint64>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
          .count());
}

// True when `node` lies in the anonymous content of `binding` (at any depth of nested
// bindings).
bool insideBinding(const engine::Node& node, const engine::Element& binding) {
  for (auto parent = markup_ops::bindingParent(node); parent; parent = markup_ops::bindingParent(*parent)) {
    if (parent.get() == &binding) return true;
  }
  return false;
}

// The target a listener on `current` sees for an event that happened on `original`: a
// node of anonymous content is hidden behind its bound element, level by level, until
// the listener's own scope is reached. Listeners outside every binding (the document,
// the window, the page's nodes) see the outermost bound element; once the dispatch is
// over (no current target) the same holds.
std::shared_ptr<engine::Element> retarget(std::shared_ptr<engine::Element> original, engine::EventTarget* current) {
  const auto* listenerNode = dynamic_cast<engine::Node*>(current);
  auto target = std::move(original);
  while (target) {
    auto binding = markup_ops::bindingParent(*target);
    if (!binding) break;
    if (listenerNode && insideBinding(*listenerNode, *binding)) break;
    target = std::move(binding);
  }
  return target;
}

// The DOM object for an engine event target (a node or a window), as nsIDOMEventTarget.
nsresult targetAs(DomSession& session, engine::EventTarget* target, nsIDOMEventTarget** out) {
  *out = nullptr;
  if (!target) return NS_OK;
  if (auto* node = dynamic_cast<engine::Node*>(target)) return wrapAs(session, node->shared_from_this(), out);
  if (auto* window = dynamic_cast<engine::Window*>(target)) {
    nsCOMPtr<nsIDOMWindow> wrapper = wrapWindow(session, window->shared_from_this());
    if (!wrapper) return NS_ERROR_OUT_OF_MEMORY;
    return wrapper->QueryInterface(NS_GET_IID(nsIDOMEventTarget), reinterpret_cast<void**>(out));
  }
  return NS_OK;
}

class DomEvent final : public nsIDOMMouseEvent,
                       public nsIDOMKeyEvent,
                       public nsIDOMNSEvent,
                       public nsIDOMNSUIEvent,
                       public DomObject {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(GECKO_DOM_EVENT_IID)

  // A created event of `kind`, not yet initialised.
  DomEvent(std::shared_ptr<DomSession> session, Kind kind) : DomObject(std::move(session)), kind_(kind) {}
  // The event the engine is dispatching; browser thread only.
  DomEvent(std::shared_ptr<DomSession> session, engine::Event& live)
      : DomObject(std::move(session)), kind_(kindOfType(live.type)), live_(&live), trusted_(true) {}

  GECKO_DOM_ISUPPORTS

  // --- nsIDOMEvent
  NS_IMETHOD GetType(nsAString& aType) override {
    std::string type;
    nsresult rv = read([&](const engine::Event& e) { type = e.type; });
    if (NS_SUCCEEDED(rv)) assignUtf8(aType, type);
    return rv;
  }
  NS_IMETHOD GetTarget(nsIDOMEventTarget** aTarget) override {
    if (!aTarget) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult {
      if (explicitTarget_) {
        NS_ADDREF(*aTarget = explicitTarget_);
        return NS_OK;
      }
      const engine::Event& e = current();
      return targetAs(session(), retarget(e.target, e.currentTarget).get(), aTarget);
    });
  }
  NS_IMETHOD GetCurrentTarget(nsIDOMEventTarget** aCurrentTarget) override {
    if (!aCurrentTarget) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult { return targetAs(session(), current().currentTarget, aCurrentTarget); });
  }
  NS_IMETHOD GetEventPhase(PRUint16* aEventPhase) override {
    return value(aEventPhase, [](const engine::Event& e) -> PRUint16 {
      switch (e.phase) {
        case engine::EventPhase::Capturing:
          return CAPTURING_PHASE;
        case engine::EventPhase::AtTarget:
          return AT_TARGET;
        case engine::EventPhase::Bubbling:
          return BUBBLING_PHASE;
        case engine::EventPhase::None:
          break;
      }
      return 0;
    });
  }
  NS_IMETHOD GetBubbles(PRBool* aBubbles) override {
    return flag(aBubbles, [](const auto& e) { return e.bubbles; });
  }
  NS_IMETHOD GetCancelable(PRBool* aCancelable) override {
    return flag(aCancelable, [](const auto& e) { return e.cancelable; });
  }
  NS_IMETHOD GetTimeStamp(DOMTimeStamp* aTimeStamp) override {
    if (!aTimeStamp) return NS_ERROR_NULL_POINTER;
    *aTimeStamp = timeStamp_;
    return NS_OK;
  }
  NS_IMETHOD StopPropagation(void) override {
    return change([](engine::Event& e) { e.stopPropagation(); });
  }
  NS_IMETHOD PreventDefault(void) override {
    return change([](engine::Event& e) { e.preventDefault(); });
  }
  NS_IMETHOD InitEvent(const nsAString& eventTypeArg, PRBool canBubbleArg, PRBool cancelableArg) override {
    std::string type = toUtf8(eventTypeArg);
    return session().carry([&]() -> nsresult {
      if (live_ || dispatching_) return NS_OK;  // an event on its way keeps its type
      own_.type = std::move(type);
      own_.bubbles = canBubbleArg != PR_FALSE;
      own_.cancelable = cancelableArg != PR_FALSE;
      own_.defaultPrevented = false;
      own_.propagationStopped = false;
      return NS_OK;
    });
  }

  // --- nsIDOMUIEvent
  NS_IMETHOD GetView(nsIDOMAbstractView** aView) override {
    if (!aView) return NS_ERROR_NULL_POINTER;
    *aView = nullptr;
    return session().carry([&]() -> nsresult {
      if (!trusted_) {
        if (view_) NS_ADDREF(*aView = view_);
        return NS_OK;
      }
      const auto& target = current().target;
      auto document = target ? target->ownerDocument() : nullptr;
      auto window = document ? document->defaultView() : nullptr;
      if (!window) return NS_OK;
      nsCOMPtr<nsIDOMWindow> wrapper = wrapWindow(session(), window);
      return wrapper ? wrapper->QueryInterface(NS_GET_IID(nsIDOMAbstractView), reinterpret_cast<void**>(aView))
                     : NS_ERROR_OUT_OF_MEMORY;
    });
  }
  // The click count for the user's clicks, as Gecko reports it.
  NS_IMETHOD GetDetail(PRInt32* aDetail) override {
    return value(aDetail, [this](const engine::Event& e) -> PRInt32 {
      if (!trusted_) return detail_;
      if (e.type == "dblclick") return 2;
      return e.type == "click" || e.type == "mousedown" || e.type == "mouseup" ? 1 : 0;
    });
  }
  NS_IMETHOD InitUIEvent(const nsAString& typeArg, PRBool canBubbleArg, PRBool cancelableArg,
                         nsIDOMAbstractView* viewArg, PRInt32 detailArg) override {
    nsresult rv = InitEvent(typeArg, canBubbleArg, cancelableArg);
    if (NS_FAILED(rv)) return rv;
    nsCOMPtr<nsIDOMAbstractView> view = viewArg;
    return session().carry([&]() -> nsresult {
      if (live_ || dispatching_) return NS_OK;
      view_.swap(view);
      detail_ = detailArg;
      return NS_OK;
    });
  }

  // --- nsIDOMMouseEvent (and the members nsIDOMKeyEvent shares)
  // Pages are not laid out: the user's pointer has no coordinates; made events keep theirs.
  NS_IMETHOD GetScreenX(PRInt32* aScreenX) override { return kept(aScreenX, screenX_); }
  NS_IMETHOD GetScreenY(PRInt32* aScreenY) override { return kept(aScreenY, screenY_); }
  NS_IMETHOD GetClientX(PRInt32* aClientX) override { return kept(aClientX, clientX_); }
  NS_IMETHOD GetClientY(PRInt32* aClientY) override { return kept(aClientY, clientY_); }
  NS_IMETHOD GetCtrlKey(PRBool* aCtrlKey) override {
    return flag(aCtrlKey, [](const auto& e) { return e.ctrlKey; });
  }
  NS_IMETHOD GetShiftKey(PRBool* aShiftKey) override {
    return flag(aShiftKey, [](const auto& e) { return e.shiftKey; });
  }
  NS_IMETHOD GetAltKey(PRBool* aAltKey) override {
    return flag(aAltKey, [](const auto& e) { return e.altKey; });
  }
  NS_IMETHOD GetMetaKey(PRBool* aMetaKey) override {
    return flag(aMetaKey, [this](const auto&) { return metaKey_; });
  }
  // 0 left, 1 middle, 2 right.
  NS_IMETHOD GetButton(PRUint16* aButton) override {
    return value(aButton, [](const engine::Event& e) { return static_cast<PRUint16>(e.domButton()); });
  }
  NS_IMETHOD GetRelatedTarget(nsIDOMEventTarget** aRelatedTarget) override {
    if (!aRelatedTarget) return NS_ERROR_NULL_POINTER;
    *aRelatedTarget = nullptr;
    return session().carry([&]() -> nsresult {
      if (!trusted_ && relatedTarget_) {
        NS_ADDREF(*aRelatedTarget = relatedTarget_);
        return NS_OK;
      }
      return targetAs(session(), current().relatedTarget.get(), aRelatedTarget);
    });
  }
  NS_IMETHOD InitMouseEvent(const nsAString& typeArg, PRBool canBubbleArg, PRBool cancelableArg,
                            nsIDOMAbstractView* viewArg, PRInt32 detailArg, PRInt32 screenXArg, PRInt32 screenYArg,
                            PRInt32 clientXArg, PRInt32 clientYArg, PRBool ctrlKeyArg, PRBool altKeyArg,
                            PRBool shiftKeyArg, PRBool metaKeyArg, PRUint16 buttonArg,
                            nsIDOMEventTarget* relatedTargetArg) override {
    nsresult rv = InitUIEvent(typeArg, canBubbleArg, cancelableArg, viewArg, detailArg);
    if (NS_FAILED(rv)) return rv;
    nsCOMPtr<nsIDOMEventTarget> related = relatedTargetArg;
    auto relatedNode = engineNodeOf(relatedTargetArg);
    return session().carry([&]() -> nsresult {
      if (live_ || dispatching_) return NS_OK;
      screenX_ = screenXArg;
      screenY_ = screenYArg;
      clientX_ = clientXArg;
      clientY_ = clientYArg;
      own_.ctrlKey = ctrlKeyArg != PR_FALSE;
      own_.altKey = altKeyArg != PR_FALSE;
      own_.shiftKey = shiftKeyArg != PR_FALSE;
      metaKey_ = metaKeyArg != PR_FALSE;
      own_.button = buttonArg == 1   ? engine::MouseButton::Middle
                    : buttonArg == 2 ? engine::MouseButton::Right
                                     : engine::MouseButton::Left;
      relatedTarget_.swap(related);
      // Page scripts and the engine see the related element when it is one of ours.
      own_.relatedTarget = relatedNode && relatedNode->nodeType() == engine::NodeType::Element
                               ? std::static_pointer_cast<engine::Element>(relatedNode)
                               : nullptr;
      return NS_OK;
    });
  }

  // --- nsIDOMKeyEvent: a key press of a character gives its character code, other key
  // events the key code.
  NS_IMETHOD GetCharCode(PRUint32* aCharCode) override {
    return value(aCharCode, [this](const engine::Event& e) -> PRUint32 {
      if (!trusted_) return charCode_;
      return e.type == "keypress" && isCharacterKey(e.keyCode) ? static_cast<PRUint32>(e.keyCode) : 0;
    });
  }
  NS_IMETHOD GetKeyCode(PRUint32* aKeyCode) override {
    return value(aKeyCode, [this](const engine::Event& e) -> PRUint32 {
      if (!trusted_) return keyCode_;
      if (kind_ != Kind::Key || (e.type == "keypress" && isCharacterKey(e.keyCode))) return 0;
      return static_cast<PRUint32>(std::max(e.keyCode, 0));
    });
  }
  NS_IMETHOD InitKeyEvent(const nsAString& typeArg, PRBool canBubbleArg, PRBool cancelableArg,
                          nsIDOMAbstractView* viewArg, PRBool ctrlKeyArg, PRBool altKeyArg, PRBool shiftKeyArg,
                          PRBool metaKeyArg, PRUint32 keyCodeArg, PRUint32 charCodeArg) override {
    nsresult rv = InitUIEvent(typeArg, canBubbleArg, cancelableArg, viewArg, 0);
    if (NS_FAILED(rv)) return rv;
    return session().carry([&]() -> nsresult {
      if (live_ || dispatching_) return NS_OK;
      own_.ctrlKey = ctrlKeyArg != PR_FALSE;
      own_.altKey = altKeyArg != PR_FALSE;
      own_.shiftKey = shiftKeyArg != PR_FALSE;
      metaKey_ = metaKeyArg != PR_FALSE;
      // What the engine and page scripts read as the key: the code, else the character.
      const PRUint32 code = keyCodeArg ? keyCodeArg : charCodeArg;
      own_.keyCode = static_cast<int>(std::min<PRUint32>(code, 0x10FFFF));
      keyCode_ = keyCodeArg;
      charCode_ = charCodeArg;
      return NS_OK;
    });
  }

  // --- nsIDOMNSEvent: the original target is the node the event happened on, inside
  // anonymous content too, where `target` shows the bound element.
  NS_IMETHOD GetOriginalTarget(nsIDOMEventTarget** aOriginalTarget) override {
    if (!aOriginalTarget) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult {
      if (explicitTarget_) {
        NS_ADDREF(*aOriginalTarget = explicitTarget_);
        return NS_OK;
      }
      return targetAs(session(), current().target.get(), aOriginalTarget);
    });
  }
  NS_IMETHOD GetExplicitOriginalTarget(nsIDOMEventTarget** aExplicitOriginalTarget) override {
    return GetOriginalTarget(aExplicitOriginalTarget);
  }
  NS_IMETHOD GetTmpRealOriginalTarget(nsIDOMEventTarget** aTmpRealOriginalTarget) override {
    return GetOriginalTarget(aTmpRealOriginalTarget);
  }
  // Stops the event going further up (or, for PreventCapture, further down).
  NS_IMETHOD PreventBubble(void) override {
    return change([](engine::Event& e) {
      if (e.phase != engine::EventPhase::Capturing) e.stopPropagation();
    });
  }
  NS_IMETHOD PreventCapture(void) override {
    return change([](engine::Event& e) {
      if (e.phase == engine::EventPhase::Capturing) e.stopPropagation();
    });
  }
  NS_IMETHOD GetIsTrusted(PRBool* aIsTrusted) override {
    if (!aIsTrusted) return NS_ERROR_NULL_POINTER;
    *aIsTrusted = trusted_ ? PR_TRUE : PR_FALSE;
    return NS_OK;
  }

  // --- nsIDOMNSUIEvent
  NS_IMETHOD GetPreventDefault(PRBool* _retval) override {
    return flag(_retval, [](const auto& e) { return e.defaultPrevented; });
  }
  NS_IMETHOD GetLayerX(PRInt32* aLayerX) override { return kept(aLayerX, clientX_); }
  NS_IMETHOD GetLayerY(PRInt32* aLayerY) override { return kept(aLayerY, clientY_); }
  // Nothing scrolls, so page coordinates are client coordinates.
  NS_IMETHOD GetPageX(PRInt32* aPageX) override { return kept(aPageX, clientX_); }
  NS_IMETHOD GetPageY(PRInt32* aPageY) override { return kept(aPageY, clientY_); }
  // Mouse events: the button plus one; key events: the character, else the key code.
  NS_IMETHOD GetWhich(PRUint32* aWhich) override {
    if (!aWhich) return NS_ERROR_NULL_POINTER;
    const Kind kind = kind_;
    if (kind == Kind::Mouse) {
      PRUint16 button = 0;
      nsresult rv = GetButton(&button);
      *aWhich = static_cast<PRUint32>(button) + 1;
      return rv;
    }
    *aWhich = 0;
    if (kind != Kind::Key) return NS_OK;
    PRUint32 character = 0;
    nsresult rv = GetCharCode(&character);
    if (NS_FAILED(rv)) return rv;
    if (character) {
      *aWhich = character;
      return NS_OK;
    }
    return GetKeyCode(aWhich);
  }
  // Pages are not laid out: no text position lies under the pointer.
  NS_IMETHOD GetRangeParent(nsIDOMNode** aRangeParent) override {
    if (!aRangeParent) return NS_ERROR_NULL_POINTER;
    *aRangeParent = nullptr;
    return NS_OK;
  }
  NS_IMETHOD GetRangeOffset(PRInt32* aRangeOffset) override { return kept(aRangeOffset, zero_); }
  NS_IMETHOD GetCancelBubble(PRBool* aCancelBubble) override {
    return flag(aCancelBubble, [](const auto& e) { return e.propagationStopped; });
  }
  NS_IMETHOD SetCancelBubble(PRBool aCancelBubble) override {
    return change([aCancelBubble](engine::Event& e) { e.propagationStopped = aCancelBubble != PR_FALSE; });
  }
  NS_IMETHOD GetIsChar(PRBool* aIsChar) override {
    PRUint32 character = 0;
    if (!aIsChar) return NS_ERROR_NULL_POINTER;
    nsresult rv = GetCharCode(&character);
    *aIsChar = character ? PR_TRUE : PR_FALSE;
    return rv;
  }

  nsISupports* canonical() override { return static_cast<nsIDOMEvent*>(static_cast<nsIDOMMouseEvent*>(this)); }

  // --- for the dispatching code; browser thread only
  // An event of the window itself (load, unload) is aimed at its document, as in Gecko.
  void aimAt(nsCOMPtr<nsIDOMEventTarget> target) { explicitTarget_.swap(target); }
  // The engine event this object stood for ends: keep what listeners may still read.
  void detach() {
    const engine::Event& from = *live_;
    own_.type = from.type;
    own_.target = from.target;
    own_.relatedTarget = from.relatedTarget;
    own_.button = from.button;
    own_.keyCode = from.keyCode;
    own_.altKey = from.altKey;
    own_.shiftKey = from.shiftKey;
    own_.ctrlKey = from.ctrlKey;
    own_.propertyName = from.propertyName;
    own_.bubbles = from.bubbles;
    own_.cancelable = from.cancelable;
    own_.defaultPrevented = from.defaultPrevented;
    own_.propagationStopped = from.propagationStopped;
    live_ = nullptr;
  }
  // Sends this (created or finished) event from `send`'s start; false when it cannot
  // go (not initialised, or already on its way).
  template <class Send>
  nsresult dispatch(nsIDOMEventTarget* explicitTarget, Send&& send, PRBool* _retval) {
    if (live_ || dispatching_) return NS_ERROR_FAILURE;
    if (own_.type.empty()) return NS_ERROR_FAILURE;  // InitEvent was never called
    dispatching_ = true;
    explicitTarget_ = explicitTarget;
    own_.propagationStopped = false;
    own_.defaultPrevented = false;
    // The listeners are handed this object, not a new one (eventFor finds it here).
    own_.faceData = std::shared_ptr<void>(static_cast<void*>(this), [](void*) {});
    const bool proceed = send(own_);
    own_.faceData.reset();
    dispatching_ = false;
    *_retval = proceed ? PR_TRUE : PR_FALSE;
    return NS_OK;
  }

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsISupports)) || iid.Equals(NS_GET_IID(nsIDOMEvent)) ||
        iid.Equals(NS_GET_IID(nsIDOMUIEvent)) || iid.Equals(NS_GET_IID(nsIDOMMouseEvent))) {
      return static_cast<nsIDOMMouseEvent*>(this);
    }
    if (iid.Equals(NS_GET_IID(nsIDOMKeyEvent))) return static_cast<nsIDOMKeyEvent*>(this);
    if (iid.Equals(NS_GET_IID(nsIDOMNSEvent))) return static_cast<nsIDOMNSEvent*>(this);
    if (iid.Equals(NS_GET_IID(nsIDOMNSUIEvent))) return static_cast<nsIDOMNSUIEvent*>(this);
    if (iid.Equals(NS_GET_IID(DomEvent))) return static_cast<nsIDOMMouseEvent*>(this);  // released as nsIDOMEvent
    return nullptr;
  }

  static bool isCharacterKey(int code) { return code >= 32 && code != 127; }

  // Browser thread: the engine event in flight, or this object's own.
  engine::Event& current() { return live_ ? *live_ : own_; }

  template <class Read>
  nsresult read(Read&& readEvent) {
    return session().carry([&]() -> nsresult {
      readEvent(current());
      return NS_OK;
    });
  }
  template <class Out, class Read>
  nsresult value(Out* out, Read&& readEvent) {
    if (!out) return NS_ERROR_NULL_POINTER;
    return read([&](const engine::Event& e) { *out = readEvent(e); });
  }
  template <class Read>
  nsresult flag(PRBool* out, Read&& readEvent) {
    if (!out) return NS_ERROR_NULL_POINTER;
    return read([&](const engine::Event& e) { *out = readEvent(e) ? PR_TRUE : PR_FALSE; });
  }
  template <class Change>
  nsresult change(Change&& changeEvent) {
    return session().carry([&]() -> nsresult {
      changeEvent(current());
      return NS_OK;
    });
  }
  nsresult kept(PRInt32* out, const PRInt32& field) {
    return value(out, [&field](const engine::Event&) { return field; });
  }

  const Kind kind_;
  const PRUint64 timeStamp_ = nowMs();
  // Browser thread only from here on.
  engine::Event* live_ = nullptr;
  engine::Event own_;
  const bool trusted_ = false;
  bool dispatching_ = false;
  nsCOMPtr<nsIDOMEventTarget> explicitTarget_;  // a document or window a made event was sent to
  nsCOMPtr<nsIDOMAbstractView> view_;
  nsCOMPtr<nsIDOMEventTarget> relatedTarget_;
  PRInt32 detail_ = 0;
  PRInt32 screenX_ = 0;
  PRInt32 screenY_ = 0;
  PRInt32 clientX_ = 0;
  PRInt32 clientY_ = 0;
  const PRInt32 zero_ = 0;
  bool metaKey_ = false;
  PRUint32 keyCode_ = 0;
  PRUint32 charCode_ = 0;
};

// One of our events behind `event`, with a reference, or null.
nsCOMPtr<nsIDOMEvent> ourEvent(nsIDOMEvent* event, DomEvent** ours) {
  *ours = nullptr;
  nsCOMPtr<nsIDOMEvent> holder;
  void* found = nullptr;
  if (event && NS_SUCCEEDED(event->QueryInterface(NS_GET_IID(DomEvent), &found)) && found) {
    holder = dont_AddRef(static_cast<nsIDOMEvent*>(static_cast<nsIDOMMouseEvent*>(found)));
    *ours = static_cast<DomEvent*>(static_cast<nsIDOMMouseEvent*>(found));
  }
  return holder;
}

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// The identity of a listener: its nsISupports, as XPCOM compares objects.
nsCOMPtr<nsISupports> identityOf(nsIDOMEventListener* listener) {
  nsCOMPtr<nsISupports> identity;
  listener->QueryInterface(NS_GET_IID(nsISupports), getter_AddRefs(identity));
  return identity;
}

nsresult addListener(const std::shared_ptr<DomSession>& session, const std::shared_ptr<engine::EventTarget>& target,
                     const nsAString& type, nsIDOMEventListener* listener, PRBool useCapture);
nsresult removeListener(DomSession& session, const std::shared_ptr<engine::EventTarget>& target, const nsAString& type,
                        nsIDOMEventListener* listener, PRBool useCapture);

}  // namespace

nsresult addEventListener(const std::shared_ptr<DomSession>& session, const std::shared_ptr<engine::Node>& target,
                          const nsAString& type, nsIDOMEventListener* listener, PRBool useCapture) {
  return addListener(session, target, type, listener, useCapture);
}
nsresult addEventListener(const std::shared_ptr<DomSession>& session, const std::shared_ptr<engine::Window>& target,
                          const nsAString& type, nsIDOMEventListener* listener, PRBool useCapture) {
  return addListener(session, target, type, listener, useCapture);
}
nsresult removeEventListener(DomSession& session, const std::shared_ptr<engine::Node>& target, const nsAString& type,
                             nsIDOMEventListener* listener, PRBool useCapture) {
  return removeListener(session, target, type, listener, useCapture);
}
nsresult removeEventListener(DomSession& session, const std::shared_ptr<engine::Window>& target, const nsAString& type,
                             nsIDOMEventListener* listener, PRBool useCapture) {
  return removeListener(session, target, type, listener, useCapture);
}

nsresult createEvent(const std::shared_ptr<DomSession>& session, const std::string& module, nsIDOMEvent** out) {
  if (!out) return NS_ERROR_NULL_POINTER;
  *out = nullptr;
  std::string name = lowered(module);
  if (!name.empty() && name.back() == 's') name.pop_back();
  Kind kind;
  if (name == "event" || name == "htmlevent") {
    kind = Kind::Plain;
  } else if (name == "uievent") {
    kind = Kind::UI;
  } else if (name == "mouseevent") {
    kind = Kind::Mouse;
  } else if (name == "keyevent") {
    kind = Kind::Key;
  } else {
    return NS_ERROR_DOM_NOT_SUPPORTED_ERR;
  }
  *out = static_cast<nsIDOMMouseEvent*>(new DomEvent(session, kind));
  return NS_OK;
}

nsCOMPtr<nsIDOMEvent> eventFor(const std::shared_ptr<DomSession>& session, engine::Event& event) {
  nsCOMPtr<nsIDOMEvent> result;
  if (event.faceData) {
    result = static_cast<nsIDOMMouseEvent*>(static_cast<DomEvent*>(event.faceData.get()));
    return result;
  }
  auto* created = new DomEvent(session, event);  // one reference, held by the engine event
  auto* window = event.target ? nullptr : dynamic_cast<engine::Window*>(event.currentTarget);
  if (auto document = window ? window->document() : nullptr) {
    nsIDOMEventTarget* aimed = nullptr;
    if (NS_SUCCEEDED(wrapAs(*session, std::shared_ptr<engine::Node>(document), &aimed)) && aimed) {
      created->aimAt(dont_AddRef(aimed));
    }
  }
  event.faceData = std::shared_ptr<void>(static_cast<void*>(created), [](void* data) {
    auto* ending = static_cast<DomEvent*>(data);
    ending->detach();
    static_cast<nsIDOMEvent*>(static_cast<nsIDOMMouseEvent*>(ending))->Release();
  });
  result = static_cast<nsIDOMMouseEvent*>(created);
  return result;
}

namespace {

nsresult addListener(const std::shared_ptr<DomSession>& session, const std::shared_ptr<engine::EventTarget>& target,
                     const nsAString& type, nsIDOMEventListener* listener, PRBool useCapture) {
  if (!listener) return NS_OK;  // nothing to add
  std::string eventType = toUtf8(type);
  nsCOMPtr<nsISupports> identity = identityOf(listener);
  nsCOMPtr<nsIDOMEventListener> held = listener;
  const bool capture = useCapture != PR_FALSE;
  return session->carry([&]() -> nsresult {
    if (target->findListener(eventType, identity.get(), capture)) return NS_OK;  // registered once
    std::weak_ptr<DomSession> weakSession = session;
    target->addEventListener(
        eventType,
        [weakSession, held, identity](engine::Event& event) {
          auto owner = weakSession.lock();
          if (!owner) return;
          nsCOMPtr<nsIDOMEvent> domEvent = eventFor(owner, event);
          held->HandleEvent(domEvent);
        },
        capture, identity.get());
    return NS_OK;
  });
}

nsresult removeListener(DomSession& session, const std::shared_ptr<engine::EventTarget>& target, const nsAString& type,
                        nsIDOMEventListener* listener, PRBool useCapture) {
  if (!listener) return NS_OK;
  std::string eventType = toUtf8(type);
  nsCOMPtr<nsISupports> identity = identityOf(listener);
  return session.carry([&]() -> nsresult {
    if (auto id = target->findListener(eventType, identity.get(), useCapture != PR_FALSE)) {
      target->removeEventListener(id);
    }
    return NS_OK;
  });
}

}  // namespace

nsresult dispatchEvent(DomSession& session, const std::shared_ptr<engine::Node>& node, nsIDOMEvent* event,
                       PRBool* _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = PR_FALSE;
  DomEvent* ours = nullptr;
  nsCOMPtr<nsIDOMEvent> holder = ourEvent(event, &ours);
  if (!ours) return event ? NS_ERROR_INVALID_ARG : NS_ERROR_NULL_POINTER;
  return session.carry([&]() -> nsresult {
    switch (node->nodeType()) {
      case engine::NodeType::Element: {
        auto element = std::static_pointer_cast<engine::Element>(node);
        return ours->dispatch(
            nullptr, [&](engine::Event& e) { return engine::actions::dispatchWithDefault(element, e); }, _retval);
      }
      case engine::NodeType::Document: {
        auto document = std::static_pointer_cast<engine::Document>(node);
        nsIDOMEventTarget* raw = nullptr;
        nsresult rv = wrapAs(session, node, &raw);
        if (NS_FAILED(rv)) return rv;
        nsCOMPtr<nsIDOMEventTarget> self = dont_AddRef(raw);
        return ours->dispatch(
            self, [&](engine::Event& e) { return engine::dispatchDocumentEvent(*document, e); }, _retval);
      }
      case engine::NodeType::Text:
      case engine::NodeType::Comment:
        break;
    }
    // The engine sends events to elements, documents and windows only.
    return NS_ERROR_DOM_NOT_SUPPORTED_ERR;
  });
}

nsresult dispatchEvent(DomSession& session, const std::shared_ptr<engine::Window>& window, nsIDOMEvent* event,
                       PRBool* _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = PR_FALSE;
  DomEvent* ours = nullptr;
  nsCOMPtr<nsIDOMEvent> holder = ourEvent(event, &ours);
  if (!ours) return event ? NS_ERROR_INVALID_ARG : NS_ERROR_NULL_POINTER;
  return session.carry([&]() -> nsresult {
    nsCOMPtr<nsIDOMWindow> wrapper = wrapWindow(session, window);
    nsCOMPtr<nsIDOMEventTarget> self = do_QueryInterface(wrapper);
    return ours->dispatch(
        self, [&](engine::Event& e) { return engine::dispatchWindowEvent(*window, e); }, _retval);
  });
}

}  // namespace gecko
