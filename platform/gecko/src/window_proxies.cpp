// Synchronous XPCOM proxies for the DOM window interfaces that other threads call on
// the UI thread (focus and close through a UI-thread proxy, ...): each method is carried
// to the proxy's thread while the caller waits.
#include "nsIDOMWindowInternal.h"
#include "platform_internal/xpcom_proxy.h"

namespace gecko {
namespace {

class IDOMWindowProxy final : public xpcom::proxy::Proxy<nsIDOMWindow> {
 public:
  using Proxy::Proxy;

  NS_IMETHOD GetDocument(nsIDOMDocument** aDocument) override {
    return Proxy::Forward([&] { return Real()->GetDocument(aDocument); });
  }

  NS_IMETHOD GetParent(nsIDOMWindow** aParent) override {
    return Proxy::Forward([&] { return Real()->GetParent(aParent); });
  }

  NS_IMETHOD GetTop(nsIDOMWindow** aTop) override {
    return Proxy::Forward([&] { return Real()->GetTop(aTop); });
  }

  NS_IMETHOD GetScrollbars(nsIDOMBarProp** aScrollbars) override {
    return Proxy::Forward([&] { return Real()->GetScrollbars(aScrollbars); });
  }

  NS_IMETHOD GetFrames(nsIDOMWindowCollection** aFrames) override {
    return Proxy::Forward([&] { return Real()->GetFrames(aFrames); });
  }

  NS_IMETHOD GetName(nsAString& aName) override {
    return Proxy::Forward([&] { return Real()->GetName(aName); });
  }

  NS_IMETHOD SetName(const nsAString& aName) override {
    return Proxy::Forward([&] { return Real()->SetName(aName); });
  }

  NS_IMETHOD GetTextZoom(float* aTextZoom) override {
    return Proxy::Forward([&] { return Real()->GetTextZoom(aTextZoom); });
  }

  NS_IMETHOD SetTextZoom(float aTextZoom) override {
    return Proxy::Forward([&] { return Real()->SetTextZoom(aTextZoom); });
  }

  NS_IMETHOD GetScrollX(PRInt32* aScrollX) override {
    return Proxy::Forward([&] { return Real()->GetScrollX(aScrollX); });
  }

  NS_IMETHOD GetScrollY(PRInt32* aScrollY) override {
    return Proxy::Forward([&] { return Real()->GetScrollY(aScrollY); });
  }

  NS_IMETHOD ScrollTo(PRInt32 xScroll, PRInt32 yScroll) override {
    return Proxy::Forward([&] { return Real()->ScrollTo(xScroll, yScroll); });
  }

  NS_IMETHOD ScrollBy(PRInt32 xScrollDif, PRInt32 yScrollDif) override {
    return Proxy::Forward([&] { return Real()->ScrollBy(xScrollDif, yScrollDif); });
  }

  NS_IMETHOD GetSelection(nsISelection** _retval) override {
    return Proxy::Forward([&] { return Real()->GetSelection(_retval); });
  }

  NS_IMETHOD ScrollByLines(PRInt32 numLines) override {
    return Proxy::Forward([&] { return Real()->ScrollByLines(numLines); });
  }

  NS_IMETHOD ScrollByPages(PRInt32 numPages) override {
    return Proxy::Forward([&] { return Real()->ScrollByPages(numPages); });
  }

  NS_IMETHOD SizeToContent(void) override {
    return Proxy::Forward([&] { return Real()->SizeToContent(); });
  }
};
XPCOM_PROXY_REGISTER(nsIDOMWindow, IDOMWindowProxy)

class IDOMWindowInternalProxy final : public xpcom::proxy::Proxy<nsIDOMWindowInternal> {
 public:
  using Proxy::Proxy;

  NS_IMETHOD GetDocument(nsIDOMDocument** aDocument) override {
    return Proxy::Forward([&] { return Real()->GetDocument(aDocument); });
  }

  NS_IMETHOD GetParent(nsIDOMWindow** aParent) override {
    return Proxy::Forward([&] { return Real()->GetParent(aParent); });
  }

  NS_IMETHOD GetTop(nsIDOMWindow** aTop) override {
    return Proxy::Forward([&] { return Real()->GetTop(aTop); });
  }

  NS_IMETHOD GetScrollbars(nsIDOMBarProp** aScrollbars) override {
    return Proxy::Forward([&] { return Real()->GetScrollbars(aScrollbars); });
  }

  NS_IMETHOD GetFrames(nsIDOMWindowCollection** aFrames) override {
    return Proxy::Forward([&] { return Real()->GetFrames(aFrames); });
  }

  NS_IMETHOD GetName(nsAString& aName) override {
    return Proxy::Forward([&] { return Real()->GetName(aName); });
  }

  NS_IMETHOD SetName(const nsAString& aName) override {
    return Proxy::Forward([&] { return Real()->SetName(aName); });
  }

  NS_IMETHOD GetTextZoom(float* aTextZoom) override {
    return Proxy::Forward([&] { return Real()->GetTextZoom(aTextZoom); });
  }

  NS_IMETHOD SetTextZoom(float aTextZoom) override {
    return Proxy::Forward([&] { return Real()->SetTextZoom(aTextZoom); });
  }

  NS_IMETHOD GetScrollX(PRInt32* aScrollX) override {
    return Proxy::Forward([&] { return Real()->GetScrollX(aScrollX); });
  }

  NS_IMETHOD GetScrollY(PRInt32* aScrollY) override {
    return Proxy::Forward([&] { return Real()->GetScrollY(aScrollY); });
  }

  NS_IMETHOD ScrollTo(PRInt32 xScroll, PRInt32 yScroll) override {
    return Proxy::Forward([&] { return Real()->ScrollTo(xScroll, yScroll); });
  }

  NS_IMETHOD ScrollBy(PRInt32 xScrollDif, PRInt32 yScrollDif) override {
    return Proxy::Forward([&] { return Real()->ScrollBy(xScrollDif, yScrollDif); });
  }

  NS_IMETHOD GetSelection(nsISelection** _retval) override {
    return Proxy::Forward([&] { return Real()->GetSelection(_retval); });
  }

  NS_IMETHOD ScrollByLines(PRInt32 numLines) override {
    return Proxy::Forward([&] { return Real()->ScrollByLines(numLines); });
  }

  NS_IMETHOD ScrollByPages(PRInt32 numPages) override {
    return Proxy::Forward([&] { return Real()->ScrollByPages(numPages); });
  }

  NS_IMETHOD SizeToContent(void) override {
    return Proxy::Forward([&] { return Real()->SizeToContent(); });
  }

  NS_IMETHOD GetWindowRoot(nsIDOMEventTarget** aWindowRoot) override {
    return Proxy::Forward([&] { return Real()->GetWindowRoot(aWindowRoot); });
  }

  NS_IMETHOD GetWindow(nsIDOMWindowInternal** aWindow) override {
    return Proxy::Forward([&] { return Real()->GetWindow(aWindow); });
  }

  NS_IMETHOD GetSelf(nsIDOMWindowInternal** aSelf) override {
    return Proxy::Forward([&] { return Real()->GetSelf(aSelf); });
  }

  NS_IMETHOD GetNavigator(nsIDOMNavigator** aNavigator) override {
    return Proxy::Forward([&] { return Real()->GetNavigator(aNavigator); });
  }

  NS_IMETHOD GetScreen(nsIDOMScreen** aScreen) override {
    return Proxy::Forward([&] { return Real()->GetScreen(aScreen); });
  }

  NS_IMETHOD GetHistory(nsIDOMHistory** aHistory) override {
    return Proxy::Forward([&] { return Real()->GetHistory(aHistory); });
  }

  NS_IMETHOD GetContent(nsIDOMWindow** aContent) override {
    return Proxy::Forward([&] { return Real()->GetContent(aContent); });
  }

  NS_IMETHOD GetPrompter(nsIPrompt** aPrompter) override {
    return Proxy::Forward([&] { return Real()->GetPrompter(aPrompter); });
  }

  NS_IMETHOD GetMenubar(nsIDOMBarProp** aMenubar) override {
    return Proxy::Forward([&] { return Real()->GetMenubar(aMenubar); });
  }

  NS_IMETHOD GetToolbar(nsIDOMBarProp** aToolbar) override {
    return Proxy::Forward([&] { return Real()->GetToolbar(aToolbar); });
  }

  NS_IMETHOD GetLocationbar(nsIDOMBarProp** aLocationbar) override {
    return Proxy::Forward([&] { return Real()->GetLocationbar(aLocationbar); });
  }

  NS_IMETHOD GetPersonalbar(nsIDOMBarProp** aPersonalbar) override {
    return Proxy::Forward([&] { return Real()->GetPersonalbar(aPersonalbar); });
  }

  NS_IMETHOD GetStatusbar(nsIDOMBarProp** aStatusbar) override {
    return Proxy::Forward([&] { return Real()->GetStatusbar(aStatusbar); });
  }

  NS_IMETHOD GetDirectories(nsIDOMBarProp** aDirectories) override {
    return Proxy::Forward([&] { return Real()->GetDirectories(aDirectories); });
  }

  NS_IMETHOD GetClosed(PRBool* aClosed) override {
    return Proxy::Forward([&] { return Real()->GetClosed(aClosed); });
  }

  NS_IMETHOD GetCrypto(nsIDOMCrypto** aCrypto) override {
    return Proxy::Forward([&] { return Real()->GetCrypto(aCrypto); });
  }

  NS_IMETHOD GetPkcs11(nsIDOMPkcs11** aPkcs11) override {
    return Proxy::Forward([&] { return Real()->GetPkcs11(aPkcs11); });
  }

  NS_IMETHOD GetControllers(nsIControllers** aControllers) override {
    return Proxy::Forward([&] { return Real()->GetControllers(aControllers); });
  }

  NS_IMETHOD GetOpener(nsIDOMWindowInternal** aOpener) override {
    return Proxy::Forward([&] { return Real()->GetOpener(aOpener); });
  }

  NS_IMETHOD SetOpener(nsIDOMWindowInternal* aOpener) override {
    return Proxy::Forward([&] { return Real()->SetOpener(aOpener); });
  }

  NS_IMETHOD GetStatus(nsAString& aStatus) override {
    return Proxy::Forward([&] { return Real()->GetStatus(aStatus); });
  }

  NS_IMETHOD SetStatus(const nsAString& aStatus) override {
    return Proxy::Forward([&] { return Real()->SetStatus(aStatus); });
  }

  NS_IMETHOD GetDefaultStatus(nsAString& aDefaultStatus) override {
    return Proxy::Forward([&] { return Real()->GetDefaultStatus(aDefaultStatus); });
  }

  NS_IMETHOD SetDefaultStatus(const nsAString& aDefaultStatus) override {
    return Proxy::Forward([&] { return Real()->SetDefaultStatus(aDefaultStatus); });
  }

  NS_IMETHOD GetLocation(nsIDOMLocation** aLocation) override {
    return Proxy::Forward([&] { return Real()->GetLocation(aLocation); });
  }

  NS_IMETHOD GetInnerWidth(PRInt32* aInnerWidth) override {
    return Proxy::Forward([&] { return Real()->GetInnerWidth(aInnerWidth); });
  }

  NS_IMETHOD SetInnerWidth(PRInt32 aInnerWidth) override {
    return Proxy::Forward([&] { return Real()->SetInnerWidth(aInnerWidth); });
  }

  NS_IMETHOD GetInnerHeight(PRInt32* aInnerHeight) override {
    return Proxy::Forward([&] { return Real()->GetInnerHeight(aInnerHeight); });
  }

  NS_IMETHOD SetInnerHeight(PRInt32 aInnerHeight) override {
    return Proxy::Forward([&] { return Real()->SetInnerHeight(aInnerHeight); });
  }

  NS_IMETHOD GetOuterWidth(PRInt32* aOuterWidth) override {
    return Proxy::Forward([&] { return Real()->GetOuterWidth(aOuterWidth); });
  }

  NS_IMETHOD SetOuterWidth(PRInt32 aOuterWidth) override {
    return Proxy::Forward([&] { return Real()->SetOuterWidth(aOuterWidth); });
  }

  NS_IMETHOD GetOuterHeight(PRInt32* aOuterHeight) override {
    return Proxy::Forward([&] { return Real()->GetOuterHeight(aOuterHeight); });
  }

  NS_IMETHOD SetOuterHeight(PRInt32 aOuterHeight) override {
    return Proxy::Forward([&] { return Real()->SetOuterHeight(aOuterHeight); });
  }

  NS_IMETHOD GetScreenX(PRInt32* aScreenX) override {
    return Proxy::Forward([&] { return Real()->GetScreenX(aScreenX); });
  }

  NS_IMETHOD SetScreenX(PRInt32 aScreenX) override {
    return Proxy::Forward([&] { return Real()->SetScreenX(aScreenX); });
  }

  NS_IMETHOD GetScreenY(PRInt32* aScreenY) override {
    return Proxy::Forward([&] { return Real()->GetScreenY(aScreenY); });
  }

  NS_IMETHOD SetScreenY(PRInt32 aScreenY) override {
    return Proxy::Forward([&] { return Real()->SetScreenY(aScreenY); });
  }

  NS_IMETHOD GetPageXOffset(PRInt32* aPageXOffset) override {
    return Proxy::Forward([&] { return Real()->GetPageXOffset(aPageXOffset); });
  }

  NS_IMETHOD GetPageYOffset(PRInt32* aPageYOffset) override {
    return Proxy::Forward([&] { return Real()->GetPageYOffset(aPageYOffset); });
  }

  NS_IMETHOD GetScrollMaxX(PRInt32* aScrollMaxX) override {
    return Proxy::Forward([&] { return Real()->GetScrollMaxX(aScrollMaxX); });
  }

  NS_IMETHOD GetScrollMaxY(PRInt32* aScrollMaxY) override {
    return Proxy::Forward([&] { return Real()->GetScrollMaxY(aScrollMaxY); });
  }

  NS_IMETHOD GetLength(PRUint32* aLength) override {
    return Proxy::Forward([&] { return Real()->GetLength(aLength); });
  }

  NS_IMETHOD GetFullScreen(PRBool* aFullScreen) override {
    return Proxy::Forward([&] { return Real()->GetFullScreen(aFullScreen); });
  }

  NS_IMETHOD SetFullScreen(PRBool aFullScreen) override {
    return Proxy::Forward([&] { return Real()->SetFullScreen(aFullScreen); });
  }

  NS_IMETHOD Alert(const nsAString& text) override {
    return Proxy::Forward([&] { return Real()->Alert(text); });
  }

  NS_IMETHOD Confirm(const nsAString& text, PRBool* _retval) override {
    return Proxy::Forward([&] { return Real()->Confirm(text, _retval); });
  }

  NS_IMETHOD Prompt(const nsAString& aMessage, const nsAString& aInitial, const nsAString& aTitle,
                    PRUint32 aSavePassword, nsAString& _retval) override {
    return Proxy::Forward([&] { return Real()->Prompt(aMessage, aInitial, aTitle, aSavePassword, _retval); });
  }

  NS_IMETHOD Focus(void) override {
    return Proxy::Forward([&] { return Real()->Focus(); });
  }

  NS_IMETHOD Blur(void) override {
    return Proxy::Forward([&] { return Real()->Blur(); });
  }

  NS_IMETHOD Back(void) override {
    return Proxy::Forward([&] { return Real()->Back(); });
  }

  NS_IMETHOD Forward(void) override {
    return Proxy::Forward([&] { return Real()->Forward(); });
  }

  NS_IMETHOD Home(void) override {
    return Proxy::Forward([&] { return Real()->Home(); });
  }

  NS_IMETHOD Stop(void) override {
    return Proxy::Forward([&] { return Real()->Stop(); });
  }

  NS_IMETHOD Print(void) override {
    return Proxy::Forward([&] { return Real()->Print(); });
  }

  NS_IMETHOD MoveTo(PRInt32 xPos, PRInt32 yPos) override {
    return Proxy::Forward([&] { return Real()->MoveTo(xPos, yPos); });
  }

  NS_IMETHOD MoveBy(PRInt32 xDif, PRInt32 yDif) override {
    return Proxy::Forward([&] { return Real()->MoveBy(xDif, yDif); });
  }

  NS_IMETHOD ResizeTo(PRInt32 width, PRInt32 height) override {
    return Proxy::Forward([&] { return Real()->ResizeTo(width, height); });
  }

  NS_IMETHOD ResizeBy(PRInt32 widthDif, PRInt32 heightDif) override {
    return Proxy::Forward([&] { return Real()->ResizeBy(widthDif, heightDif); });
  }

  NS_IMETHOD Scroll(PRInt32 xScroll, PRInt32 yScroll) override {
    return Proxy::Forward([&] { return Real()->Scroll(xScroll, yScroll); });
  }

  NS_IMETHOD Open(const nsAString& url, const nsAString& name, const nsAString& options,
                  nsIDOMWindow** _retval) override {
    return Proxy::Forward([&] { return Real()->Open(url, name, options, _retval); });
  }

  NS_IMETHOD OpenDialog(const nsAString& url, const nsAString& name, const nsAString& options,
                        nsISupports* aExtraArgument, nsIDOMWindow** _retval) override {
    return Proxy::Forward([&] { return Real()->OpenDialog(url, name, options, aExtraArgument, _retval); });
  }

  NS_IMETHOD Close(void) override {
    return Proxy::Forward([&] { return Real()->Close(); });
  }

  NS_IMETHOD UpdateCommands(const nsAString& action) override {
    return Proxy::Forward([&] { return Real()->UpdateCommands(action); });
  }

  NS_IMETHOD Find(const nsAString& str, PRBool caseSensitive, PRBool backwards, PRBool wrapAround, PRBool wholeWord,
                  PRBool searchInFrames, PRBool showDialog, PRBool* _retval) override {
    return Proxy::Forward([&] {
      return Real()->Find(str, caseSensitive, backwards, wrapAround, wholeWord, searchInFrames, showDialog, _retval);
    });
  }

  NS_IMETHOD Atob(const nsAString& aAsciiString, nsAString& _retval) override {
    return Proxy::Forward([&] { return Real()->Atob(aAsciiString, _retval); });
  }

  NS_IMETHOD Btoa(const nsAString& aBase64Data, nsAString& _retval) override {
    return Proxy::Forward([&] { return Real()->Btoa(aBase64Data, _retval); });
  }

  NS_IMETHOD GetFrameElement(nsIDOMElement** aFrameElement) override {
    return Proxy::Forward([&] { return Real()->GetFrameElement(aFrameElement); });
  }
};
XPCOM_PROXY_REGISTER(nsIDOMWindowInternal, IDOMWindowInternalProxy)

}  // namespace
}  // namespace gecko
