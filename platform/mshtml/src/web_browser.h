// The WebBrowser object: IWebBrowser2 over one engine window. A top-level window's
// object is what CoCreateInstance of the Internet Explorer class hands out, with the
// DWebBrowserEvents2 connection point and the native frame window; a frame's object is
// the embedded browser IOleContainer::EnumObjects reaches (its events are fired by the
// top-level object, with the frame as pDisp, as IE fires them).
#pragma once

#include "carried_object.h"
#include "connection_points.h"
#include "frame_window.h"
#include "automation_values.h"
#include "interface_defaults.h"

#include <engine/window.h>

#include <map>
#include <memory>
#include <string>

namespace mshtml {

class PageObjects;

class WebBrowser final : public CarriedObject,
                         public IWebBrowser2Defaults,
                         public IConnectionPointContainer,
                         public FrameCommands {
 public:
  // Browser thread only; use PageObjects::browser.
  WebBrowser(std::shared_ptr<engine::Window> window, std::shared_ptr<PageObjects> objects);

  const std::shared_ptr<engine::Window>& engineWindow() const { return window_; }
  // The engine window behind any interface of an object of this class, else null.
  static std::shared_ptr<engine::Window> engineWindowOf(IUnknown* unknown);
  bool topLevel() const { return topLevel_; }
  IWebBrowser2* asBrowser() { return static_cast<IWebBrowser2*>(this); }
  // Browser thread only: fires a DWebBrowserEvents2 event to this browser's sinks.
  void fire(DISPID member, DISPPARAMS* params) { events_.fire(DIID_DWebBrowserEvents2, member, params); }
  // Browser thread only: the native frame of a top-level window (null for a frame, or
  // before the engine asked for it / after it was destroyed).
  FrameWindow* frameWindow() const { return frame_.get(); }
  // Browser thread only: gives a top-level window its frame (toolbar and address bar
  // commands come back to this object); false when the windows could not be made.
  bool createFrameWindow();
  // The engine window closed (Quit, window.close(), the frame's close box).
  void windowClosed();

  MSHTML_IUNKNOWN_METHODS
  MSHTML_VTABLE_ONLY_IDISPATCH_METHODS

  // IWebBrowser
  HRESULT STDMETHODCALLTYPE GoBack() override;
  HRESULT STDMETHODCALLTYPE GoForward() override;
  HRESULT STDMETHODCALLTYPE GoHome() override;
  HRESULT STDMETHODCALLTYPE GoSearch() override;
  HRESULT STDMETHODCALLTYPE Navigate(BSTR URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                                     VARIANT* Headers) override;
  HRESULT STDMETHODCALLTYPE Refresh() override;
  HRESULT STDMETHODCALLTYPE Refresh2(VARIANT* Level) override;
  HRESULT STDMETHODCALLTYPE Stop() override;
  HRESULT STDMETHODCALLTYPE get_Application(IDispatch** ppDisp) override;
  HRESULT STDMETHODCALLTYPE get_Parent(IDispatch** ppDisp) override;
  HRESULT STDMETHODCALLTYPE get_Container(IDispatch** ppDisp) override;
  HRESULT STDMETHODCALLTYPE get_Document(IDispatch** ppDisp) override;
  HRESULT STDMETHODCALLTYPE get_TopLevelContainer(VARIANT_BOOL* pBool) override;
  HRESULT STDMETHODCALLTYPE get_Type(BSTR* Type) override;
  HRESULT STDMETHODCALLTYPE get_Left(LONG* pl) override;
  HRESULT STDMETHODCALLTYPE put_Left(LONG Left) override;
  HRESULT STDMETHODCALLTYPE get_Top(LONG* pl) override;
  HRESULT STDMETHODCALLTYPE put_Top(LONG Top) override;
  HRESULT STDMETHODCALLTYPE get_Width(LONG* pl) override;
  HRESULT STDMETHODCALLTYPE put_Width(LONG Width) override;
  HRESULT STDMETHODCALLTYPE get_Height(LONG* pl) override;
  HRESULT STDMETHODCALLTYPE put_Height(LONG Height) override;
  HRESULT STDMETHODCALLTYPE get_LocationName(BSTR* LocationName) override;
  HRESULT STDMETHODCALLTYPE get_LocationURL(BSTR* LocationURL) override;
  HRESULT STDMETHODCALLTYPE get_Busy(VARIANT_BOOL* pBool) override;

  // IWebBrowserApp
  HRESULT STDMETHODCALLTYPE Quit() override;
  HRESULT STDMETHODCALLTYPE ClientToWindow(int* pcx, int* pcy) override;
  HRESULT STDMETHODCALLTYPE PutProperty(BSTR Property, VARIANT vtValue) override;
  HRESULT STDMETHODCALLTYPE GetProperty(BSTR Property, VARIANT* pvtValue) override;
  HRESULT STDMETHODCALLTYPE get_Name(BSTR* Name) override;
  HRESULT STDMETHODCALLTYPE get_HWND(SHANDLE_PTR* pHWND) override;
  HRESULT STDMETHODCALLTYPE get_FullName(BSTR* FullName) override;
  HRESULT STDMETHODCALLTYPE get_Path(BSTR* Path) override;
  HRESULT STDMETHODCALLTYPE get_Visible(VARIANT_BOOL* pBool) override;
  HRESULT STDMETHODCALLTYPE put_Visible(VARIANT_BOOL Value) override;
  HRESULT STDMETHODCALLTYPE get_StatusBar(VARIANT_BOOL* pBool) override;
  HRESULT STDMETHODCALLTYPE put_StatusBar(VARIANT_BOOL Value) override;
  HRESULT STDMETHODCALLTYPE get_StatusText(BSTR* StatusText) override;
  HRESULT STDMETHODCALLTYPE put_StatusText(BSTR StatusText) override;
  HRESULT STDMETHODCALLTYPE get_ToolBar(int* Value) override;
  HRESULT STDMETHODCALLTYPE put_ToolBar(int Value) override;
  HRESULT STDMETHODCALLTYPE get_MenuBar(VARIANT_BOOL* Value) override;
  HRESULT STDMETHODCALLTYPE put_MenuBar(VARIANT_BOOL Value) override;
  HRESULT STDMETHODCALLTYPE get_FullScreen(VARIANT_BOOL* pbFullScreen) override;
  HRESULT STDMETHODCALLTYPE put_FullScreen(VARIANT_BOOL bFullScreen) override;

  // IWebBrowser2
  HRESULT STDMETHODCALLTYPE Navigate2(VARIANT* URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                                      VARIANT* Headers) override;
  HRESULT STDMETHODCALLTYPE QueryStatusWB(OLECMDID cmdID, OLECMDF* pcmdf) override;
  HRESULT STDMETHODCALLTYPE ExecWB(OLECMDID cmdID, OLECMDEXECOPT cmdexecopt, VARIANT* pvaIn, VARIANT* pvaOut) override;
  HRESULT STDMETHODCALLTYPE get_ReadyState(READYSTATE* plReadyState) override;
  HRESULT STDMETHODCALLTYPE get_Offline(VARIANT_BOOL* pbOffline) override;
  HRESULT STDMETHODCALLTYPE put_Offline(VARIANT_BOOL bOffline) override;
  HRESULT STDMETHODCALLTYPE get_Silent(VARIANT_BOOL* pbSilent) override;
  HRESULT STDMETHODCALLTYPE put_Silent(VARIANT_BOOL bSilent) override;
  HRESULT STDMETHODCALLTYPE get_RegisterAsBrowser(VARIANT_BOOL* pbRegister) override;
  HRESULT STDMETHODCALLTYPE put_RegisterAsBrowser(VARIANT_BOOL bRegister) override;
  HRESULT STDMETHODCALLTYPE get_RegisterAsDropTarget(VARIANT_BOOL* pbRegister) override;
  HRESULT STDMETHODCALLTYPE put_RegisterAsDropTarget(VARIANT_BOOL bRegister) override;
  HRESULT STDMETHODCALLTYPE get_TheaterMode(VARIANT_BOOL* pbRegister) override;
  HRESULT STDMETHODCALLTYPE put_TheaterMode(VARIANT_BOOL bRegister) override;
  HRESULT STDMETHODCALLTYPE get_AddressBar(VARIANT_BOOL* Value) override;
  HRESULT STDMETHODCALLTYPE put_AddressBar(VARIANT_BOOL Value) override;
  HRESULT STDMETHODCALLTYPE get_Resizable(VARIANT_BOOL* Value) override;
  HRESULT STDMETHODCALLTYPE put_Resizable(VARIANT_BOOL Value) override;

  // FrameCommands: what the user does in the frame window (browser thread).
  void onFrameCommand(int command) override;
  void onAddressEntered(const std::string& url) override;
  void onFrameClose() override;

  // IConnectionPointContainer
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;

 private:
  ~WebBrowser() override;
  void* queryInterface(REFIID riid);
  // Runs `body` on the browser thread when the window is still open; E_FAIL otherwise
  // (a closed browser's methods fail, as a quit IE's do).
  template <typename Body>
  HRESULT whileOpen(Body&& body);
  HRESULT navigateTo(const std::string& url, long flags, const std::string& targetFrame);
  HRESULT getFlag(VARIANT_BOOL WebBrowser::*flag, VARIANT_BOOL* out);
  HRESULT putFlag(VARIANT_BOOL WebBrowser::*flag, VARIANT_BOOL value, DISPID changeEvent);
  HRESULT getNumber(LONG WebBrowser::*number, LONG* out);
  HRESULT putNumber(LONG WebBrowser::*number, LONG value);
  void fireBool(DISPID member, VARIANT_BOOL value);

  const std::shared_ptr<engine::Window> window_;
  const std::shared_ptr<PageObjects> objects_;
  const bool topLevel_;
  ConnectionPoints events_;
  std::unique_ptr<FrameWindow> frame_;
  bool closed_ = false;

  // Window state IE keeps per browser; the stand-in only remembers it.
  VARIANT_BOOL statusBar_ = VARIANT_TRUE;
  VARIANT_BOOL menuBar_ = VARIANT_TRUE;
  VARIANT_BOOL toolBar_ = VARIANT_TRUE;
  VARIANT_BOOL addressBar_ = VARIANT_TRUE;
  VARIANT_BOOL fullScreen_ = VARIANT_FALSE;
  VARIANT_BOOL theaterMode_ = VARIANT_FALSE;
  VARIANT_BOOL offline_ = VARIANT_FALSE;
  VARIANT_BOOL silent_ = VARIANT_FALSE;
  VARIANT_BOOL registerAsBrowser_ = VARIANT_FALSE;
  VARIANT_BOOL registerAsDropTarget_ = VARIANT_TRUE;
  VARIANT_BOOL resizable_ = VARIANT_TRUE;
  LONG left_ = 0;
  LONG top_ = 0;
  LONG width_ = 800;
  LONG height_ = 600;
  std::string statusText_;
  std::map<std::string, VARIANT> properties_;
};

}  // namespace mshtml
