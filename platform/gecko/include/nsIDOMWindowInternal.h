// nsIDOMWindowInternal (Gecko 1.7 dom/public/idl/base/nsIDOMWindowInternal.idl).
#pragma once

#include "nsIDOMWindow2.h"

#define NS_IDOMWINDOWINTERNAL_IID \
  { 0xf914492c, 0x0138, 0x4123, { 0xa6, 0x34, 0x6e, 0xf8, 0xe3, 0xf1, 0x26, 0xf8 } }

class NS_NO_VTABLE nsIDOMWindowInternal : public nsIDOMWindow2 {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMWINDOWINTERNAL_IID)
  NS_IMETHOD GetWindow(nsIDOMWindowInternal** aWindow) = 0;
  NS_IMETHOD GetSelf(nsIDOMWindowInternal** aSelf) = 0;
  NS_IMETHOD GetNavigator(nsIDOMNavigator** aNavigator) = 0;
  NS_IMETHOD GetScreen(nsIDOMScreen** aScreen) = 0;
  NS_IMETHOD GetHistory(nsIDOMHistory** aHistory) = 0;
  NS_IMETHOD GetContent(nsIDOMWindow** aContent) = 0;
  NS_IMETHOD GetPrompter(nsIPrompt** aPrompter) = 0;
  NS_IMETHOD GetMenubar(nsIDOMBarProp** aMenubar) = 0;
  NS_IMETHOD GetToolbar(nsIDOMBarProp** aToolbar) = 0;
  NS_IMETHOD GetLocationbar(nsIDOMBarProp** aLocationbar) = 0;
  NS_IMETHOD GetPersonalbar(nsIDOMBarProp** aPersonalbar) = 0;
  NS_IMETHOD GetStatusbar(nsIDOMBarProp** aStatusbar) = 0;
  NS_IMETHOD GetDirectories(nsIDOMBarProp** aDirectories) = 0;
  NS_IMETHOD GetClosed(PRBool* aClosed) = 0;
  NS_IMETHOD GetCrypto(nsIDOMCrypto** aCrypto) = 0;
  NS_IMETHOD GetPkcs11(nsIDOMPkcs11** aPkcs11) = 0;
  NS_IMETHOD GetControllers(nsIControllers** aControllers) = 0;
  NS_IMETHOD GetOpener(nsIDOMWindowInternal** aOpener) = 0;
  NS_IMETHOD SetOpener(nsIDOMWindowInternal* aOpener) = 0;
  NS_IMETHOD GetStatus(nsAString& aStatus) = 0;
  NS_IMETHOD SetStatus(const nsAString& aStatus) = 0;
  NS_IMETHOD GetDefaultStatus(nsAString& aDefaultStatus) = 0;
  NS_IMETHOD SetDefaultStatus(const nsAString& aDefaultStatus) = 0;
  NS_IMETHOD GetLocation(nsIDOMLocation** aLocation) = 0;
  NS_IMETHOD GetInnerWidth(PRInt32* aInnerWidth) = 0;
  NS_IMETHOD SetInnerWidth(PRInt32 aInnerWidth) = 0;
  NS_IMETHOD GetInnerHeight(PRInt32* aInnerHeight) = 0;
  NS_IMETHOD SetInnerHeight(PRInt32 aInnerHeight) = 0;
  NS_IMETHOD GetOuterWidth(PRInt32* aOuterWidth) = 0;
  NS_IMETHOD SetOuterWidth(PRInt32 aOuterWidth) = 0;
  NS_IMETHOD GetOuterHeight(PRInt32* aOuterHeight) = 0;
  NS_IMETHOD SetOuterHeight(PRInt32 aOuterHeight) = 0;
  NS_IMETHOD GetScreenX(PRInt32* aScreenX) = 0;
  NS_IMETHOD SetScreenX(PRInt32 aScreenX) = 0;
  NS_IMETHOD GetScreenY(PRInt32* aScreenY) = 0;
  NS_IMETHOD SetScreenY(PRInt32 aScreenY) = 0;
  NS_IMETHOD GetPageXOffset(PRInt32* aPageXOffset) = 0;
  NS_IMETHOD GetPageYOffset(PRInt32* aPageYOffset) = 0;
  NS_IMETHOD GetScrollMaxX(PRInt32* aScrollMaxX) = 0;
  NS_IMETHOD GetScrollMaxY(PRInt32* aScrollMaxY) = 0;
  NS_IMETHOD GetLength(PRUint32* aLength) = 0;
  NS_IMETHOD GetFullScreen(PRBool* aFullScreen) = 0;
  NS_IMETHOD SetFullScreen(PRBool aFullScreen) = 0;
  NS_IMETHOD Alert(const nsAString& text) = 0;
  NS_IMETHOD Confirm(const nsAString& text, PRBool* _retval) = 0;
  NS_IMETHOD Prompt(const nsAString& aMessage, const nsAString& aInitial, const nsAString& aTitle,
                    PRUint32 aSavePassword, nsAString& _retval) = 0;
  NS_IMETHOD Focus(void) = 0;
  NS_IMETHOD Blur(void) = 0;
  NS_IMETHOD Back(void) = 0;
  NS_IMETHOD Forward(void) = 0;
  NS_IMETHOD Home(void) = 0;
  NS_IMETHOD Stop(void) = 0;
  NS_IMETHOD Print(void) = 0;
  NS_IMETHOD MoveTo(PRInt32 xPos, PRInt32 yPos) = 0;
  NS_IMETHOD MoveBy(PRInt32 xDif, PRInt32 yDif) = 0;
  NS_IMETHOD ResizeTo(PRInt32 width, PRInt32 height) = 0;
  NS_IMETHOD ResizeBy(PRInt32 widthDif, PRInt32 heightDif) = 0;
  NS_IMETHOD Scroll(PRInt32 xScroll, PRInt32 yScroll) = 0;
  NS_IMETHOD Open(const nsAString& url, const nsAString& name, const nsAString& options, nsIDOMWindow** _retval) = 0;
  NS_IMETHOD OpenDialog(const nsAString& url, const nsAString& name, const nsAString& options,
                        nsISupports* aExtraArgument, nsIDOMWindow** _retval) = 0;
  NS_IMETHOD Close(void) = 0;
  NS_IMETHOD UpdateCommands(const nsAString& action) = 0;
  NS_IMETHOD Find(const nsAString& str, PRBool caseSensitive, PRBool backwards, PRBool wrapAround, PRBool wholeWord,
                  PRBool searchInFrames, PRBool showDialog, PRBool* _retval) = 0;
  NS_IMETHOD Atob(const nsAString& aAsciiString, nsAString& _retval) = 0;
  NS_IMETHOD Btoa(const nsAString& aBase64Data, nsAString& _retval) = 0;
  NS_IMETHOD GetFrameElement(nsIDOMElement** aFrameElement) = 0;

 protected:
  ~nsIDOMWindowInternal() = default;
};
