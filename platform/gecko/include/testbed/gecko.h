// A simulated Gecko browser for tests (test bed, not SDK): one browser instance of the
// simulated engine in the Mozilla dialect, whose pages are reached through the Gecko DOM
// interfaces. The DOM objects it hands out may be used from any thread; each call is
// carried to the browser thread.
//
// Every top-level window of the browser is a browser window: a XUL window, registered
// with the window mediator, whose primary content shell shows the page. The browser
// thread is XPCOM's UI thread while the browser lives (so UI-thread proxies reach it),
// and, when XPCOM runs, the window mediator and the document loader service are
// registered by contract ID.
#pragma once

#include "nsIDOMDocument.h"
#include "nsIDOMWindow.h"
#include "nsISelectionController.h"
#include "nsIWebProgress.h"
#include "nsIWindowMediator.h"
#include "nsIXULWindow.h"

#include <memory>
#include <string>

namespace gecko::testbed {

class SimulatedGecko {
 public:
  SimulatedGecko();
  // Ends the browser. DOM references still held answer NS_ERROR_FAILURE from then on.
  ~SimulatedGecko();
  SimulatedGecko(const SimulatedGecko&) = delete;
  SimulatedGecko& operator=(const SimulatedGecko&) = delete;

  // Opens `url` in the browser's window (the first call opens the window) and waits
  // until the page and its frames have loaded. False when loading did not finish in time.
  bool open(const std::string& url);
  // Shows `html` as if it had been loaded from `url`, and waits likewise.
  bool loadString(const std::string& html, const std::string& url = "file:///test/page.html");

  // The document the window shows, a new reference (NS_ERROR_FAILURE before open).
  nsresult GetDocument(nsIDOMDocument** aDocument);
  // The window itself, a top-level content window (NS_ERROR_FAILURE before open).
  nsresult GetWindow(nsIDOMWindow** aWindow);
  // The selection controller of the window's content, as its content shell gives it.
  nsresult GetSelectionController(nsISelectionController** aController);

  // Acts as the simulated user, from any thread: one action per line ("click #go",
  // "key #field 13", "selecttext #intro", "frame left", "back", "close", "window TITLE"
  // ...), then waits until the browser is idle (after a close, the calls use the first
  // window still open). False, with the reason in `error`, when an action could not be done.
  bool act(const std::string& actions, std::string* error = nullptr);

  // Performs simulated-user actions, one per line (the user-script lines: "click
  // #id", "dialog OK text" ...). Returns "" when all were done, else why not.
  std::string perform(const std::string& actions);

  // The front common dialog (alert, confirm, prompt) a page raised: its XUL document,
  // a new reference (NS_ERROR_FAILURE, null, when none is up), and its title.
  nsresult GetDialogDocument(nsIDOMDocument** aDocument);
  std::string dialogTitle();
  // The window showing the front common dialog, a new reference (NS_ERROR_FAILURE, null,
  // when none is up). Its opener is the page's window; it is closed once answered.
  nsresult GetDialogWindow(nsIDOMWindow** aWindow);
  // Waits until no page dialog is up; false after `timeoutMs` of real time.
  bool waitForNoDialog(int timeoutMs = 10000);

  // Opens another browser window on `url` (it becomes the window the calls above use)
  // and waits until it has loaded.
  bool openWindow(const std::string& url);
  // Waits until no window loads; false when that did not happen in time.
  bool waitIdle();
  // The XUL window of the window the calls above use (NS_ERROR_FAILURE before open).
  nsresult GetXULWindow(nsIXULWindow** aWindow);

  // The process's window mediator and document loader service, also when XPCOM does not
  // run (then they cannot be had by contract ID).
  static nsresult GetWindowMediator(nsIWindowMediator** aMediator);
  static nsresult GetDocumentLoader(nsIWebProgress** aLoader);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace gecko::testbed
