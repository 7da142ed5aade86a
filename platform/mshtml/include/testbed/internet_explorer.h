// The simulated user for Internet Explorer (test bed, not SDK): finds the running
// browser instances and acts as a person at one of them. Page actions go to the page;
// the address bar, the standard buttons, closing and answering dialogs go through the
// native windows (the frame's toolbar and address bar, the "#32770" dialogs), so native
// window code sees them as it would see a person's.
#pragma once

#include <exdisp.h>
#include <windef.h>

#include <functional>
#include <string>
#include <vector>

namespace testbed::ie {

struct ActionResult {
  bool ok = true;
  std::string message;  // why it could not be done, with the script line
  explicit operator bool() const { return ok; }
};

// The top-level browsers of the running instances, oldest first, each a new reference.
DECLSPEC_EXPORT std::vector<IWebBrowser2*> runningBrowsers();

// Runs user-script lines ("open URL", "click #id", "type name=q hello", "dialog OK" ...;
// the language of engine/user_script.h) at the instance `browser` belongs to, starting
// in its window, and returns when the browser has handled the last one. May be called
// from any thread.
DECLSPEC_EXPORT ActionResult run(IWebBrowser2* browser, const std::string& script);

// The dialog a page of `browser`'s instance is waiting on (the front one), or null.
DECLSPEC_EXPORT HWND frontDialog(IWebBrowser2* browser);

// What a person sees of every running browser window, oldest first: the page title,
// then for each field its text, check state or selected options, the text of an
// element with the id "log" (the sample pages' own record of what their handlers did),
// and the same of each frame inside braces. Tests and the demo compare sessions by it.
DECLSPEC_EXPORT std::string pageState();

// Runs `work` on the browser thread of `browser`'s instance and returns when it has run
// (false when the instance has ended). Benchmarks use it to call the browser's objects
// from their own thread, where no call is carried.
DECLSPEC_EXPORT bool onBrowserThread(IWebBrowser2* browser, const std::function<void()>& work);

}  // namespace testbed::ie
