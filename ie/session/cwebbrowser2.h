// The browser session: the library's hold on Internet Explorer. It launches or attaches
// to a browser, keeps one table entry per open browser window, hands the browser's
// interface from thread to thread by marshalling, and receives the browser's events
// (DWebBrowserEvents2) on the recorder thread to keep recording attached to every page,
// frame and window.
#pragma once

#include <exdisp.h>
#include <mshtml.h>
#include <ocidl.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "com/com_ptr.h"
#include "com/event_dispatch.h"
#include "session/chtmldocument2.h"

// The document sinks of one browser window: one per document recorded (the top page,
// or each frame's document), each named after its window.
struct DocumentSinkList {
  std::vector<ComPtr<CHTMLDocument2>> sinks;
  std::vector<std::string> sinkNames;
};

class CWebBrowser2 : public EventDispatch<DIID_DWebBrowserEvents2> {
 public:
  CWebBrowser2();
  ~CWebBrowser2() override;
  CWebBrowser2(const CWebBrowser2&) = delete;
  CWebBrowser2& operator=(const CWebBrowser2&) = delete;

  // IUnknown / IDispatch: the DWebBrowserEvents2 event map. Subscriptions reach it
  // through a BrowserEventSink each; the object lives as long as the application
  // object, so the count only tracks references.
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                   DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                                   UINT* puArgErr) override;
  // An event that arrived through subscription `connection` (see subscribe).
  HRESULT invokeFromConnection(size_t connection, DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                               DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                               UINT* puArgErr);

  // --- Session (launch, attach, table, marshalling) ---
  // Launches a new browser (attach == 0) or attaches to the running one; returns 1.
  int launchOrAttach(int attach);
  HRESULT marshalBrowser();
  void unmarshalBrowser(int index);
  void unmarshalLatest();
  void clearEntry(int index);
  // Clears every entry whose window no longer exists: a browser closed while nothing
  // listened to it (no recording, no play loop) leaves its entry behind.
  void clearClosedEntries();
  void navigate(const std::string& url);

  // The table: one entry per browser window.
  bool hasBrowsers() const;
  size_t browserCount() const;
  HWND windowHandle(int index) const;
  void appendSinkList();
  void appendWindowHandle(HWND window);
  // Resets the sinks of entry `index` and removes the entry from the three arrays;
  // returns the number of entries left.
  size_t removeEntry(int index);

  // The browser reference of the calling thread (each thread obtains its own by
  // launching, attaching or unmarshalling).
  IWebBrowser2* browser() const;
  void setBrowser(IWebBrowser2* browser);

  // Forwarding operations used by the system.
  ComPtr<IDispatch> getDocument() const;
  bool getVisible() const;
  void putVisible(bool visible);
  READYSTATE getReadyState() const;
  std::string getLocationURL() const;
  HWND getHWND() const;
  void quit();

  // --- Events and document sinks ---
  int startRecordingOnBrowser();
  int connectNewBrowser(IWebBrowser2* newBrowser);
  void sinkDocumentEvents(IDispatch* document);
  ComPtr<IHTMLFramesCollection2> frameCount(IHTMLDocument2* document);
  void sinkNewPage(IHTMLDocument2* document);
  void sinkSingleFrame(IHTMLDocument2* document);
  void sinkDocumentWithFrames(IHTMLDocument2* document);
  void stopRecording();
  // On the recorder thread: attaches new sinks to the current window's page and frames
  // when StopRecording has reset them (a later StartRecording starts no new thread to do
  // it); nothing otherwise.
  void reattachSinks();
  // Whether sinks reset by StopRecording wait to be attached again, or are being.
  bool reattachPending() const;
  void disconnectAll();

  void onDownloadBegin();
  void onDownloadComplete();
  void onBeforeNavigate2(IDispatch* target, const std::string& url, const std::string& targetFrameName,
                         VARIANT_BOOL* cancel);
  void onNewWindow2(IDispatch** newWindow, VARIANT_BOOL* cancel);
  void onNavigateComplete2(IDispatch* target, const std::string& url);
  void onDocumentComplete(IDispatch* target, const std::string& url);
  void onQuit();

 private:
  // The frames of `document` and, frameset by frameset, the frames inside them.
  void sinkFramesOf(IHTMLDocument2* document, int depth);
  // Subscribes to the browser's events and appends the connection (cookie, browser,
  // window) to the connection arrays.
  HRESULT subscribe(IWebBrowser2* target);
  // The table entry of the window whose event is being handled; -1 when unknown.
  int eventEntry() const;
  // The browser whose event is being handled, or the thread's browser when unknown.
  ComPtr<IWebBrowser2> eventBrowser() const;
  void resetSinks(int index);
  // Shared: a handler that holds a list keeps it alive, so a list removed meanwhile
  // (its window quit) is never mistaken for a new one made at the same address.
  std::shared_ptr<DocumentSinkList> sinkList(int index);
  // The sink list of the entry the session works on, for the handler of the event being
  // handled; none when that event's browser has left the table.
  std::shared_ptr<DocumentSinkList> sinkListForEvent();
  // Whether `list` is still one of the table's (the caller holds the lock).
  bool holdsList(const DocumentSinkList* list) const;
  // Appends a new sink named `name` to `list` and attaches it to `document`.
  void attachSink(const std::shared_ptr<DocumentSinkList>& list, IHTMLDocument2* document, const std::string& name);
  void recordLaunchLine(const std::string& url);

  std::atomic<ULONG> references_{0};

  // The table and the connections are reached from the natives' threads and from the
  // recorder thread.
  mutable std::recursive_mutex mutex_;
  ComPtr<IStream> latestBrowserStream_;
  std::vector<DWORD> connectionCookies_;
  std::vector<ComPtr<IWebBrowser2>> connectedBrowsers_;
  std::vector<HWND> connectedWindows_;  // each connection's window, read when it was made
  std::vector<std::shared_ptr<DocumentSinkList>> sinkLists_;
  std::vector<HWND> windowHandles_;
  std::vector<ComPtr<IStream>> browserStreams_;
  DWORD lastCookie_ = 0;

  // The connection of the event being handled on the calling thread.
  size_t eventConnection() const;

  // Navigation state of the event handlers. A recorder thread of an ended session may
  // still be handling its last events while the next session's thread starts, so the
  // state is guarded, not owned by one thread.
  ComPtr<IWebBrowser2> topBrowser() const;
  void setTopBrowser(IWebBrowser2* top);
  ComPtr<IWebBrowser2> topBrowser_;  // compared by identity (isEqualObject); under mutex_
  std::atomic<bool> frameNavigation_{false};
  std::atomic<bool> pageLoaded_{true};
  mutable std::mutex reattachMutex_;
  bool sinksReset_ = false;  // by StopRecording, until reattachSinks takes it up
  int reattaching_ = 0;      // reattachSinks under way
};
