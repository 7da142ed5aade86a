#include "playback/window_navigation.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>

#include "com/bstr.h"
#include "com/com_ptr.h"
#include "common/script_line.h"
#include "common/trace_log.h"
#include "core/process_state.h"
#include "core/skerrow_app.h"
#include "playback/playback_state.h"
#include "session/document_access.h"

namespace {

struct Conditions {
  std::string parent, title, name;
};

// "eq,sw,eq": the first comma ends the parent title's condition, the second the window
// title's; the rest is the window name's.
Conditions splitConditions(const std::string& text) {
  Conditions conditions;
  const size_t first = text.find(',');
  if (first == std::string::npos) {
    conditions.parent = text;
    return conditions;
  }
  conditions.parent = text.substr(0, first);
  const size_t second = text.find(',', first + 1);
  if (second == std::string::npos) {
    conditions.title = text.substr(first + 1);
    return conditions;
  }
  conditions.title = text.substr(first + 1, second - first - 1);
  conditions.name = text.substr(second + 1);
  return conditions;
}

bool passes(const std::string& cut, const std::string& recorded) {
  return cut == recorded || (cut.empty() && recorded == scriptline::kNone);
}

bool hasFrames(IHTMLDocument2* document) { return static_cast<bool>(theApp.webBrowser().frameCount(document)); }

std::string findInFrames(const std::string& windowName, const std::string& windowTitle,
                         const std::string& nameCondition, const std::string& titleCondition) {
  const ComPtr<IHTMLDocument2> current = theApp.currentDocument();
  ComPtr<IOleContainer> container;
  if (!current || FAILED(current->QueryInterface(IID_IOleContainer, container.putVoid()))) {
    trace("OLEContainer Query Failed\n");
    return result::kIOleContainerNull;
  }
  ComPtr<IEnumUnknown> objects;
  if (FAILED(container->EnumObjects(OLECONTF_EMBEDDINGS, objects.put())) || !objects) {
    trace("Container Enumeration Failed\n");
    return result::kEnumerationFailed;
  }
  for (;;) {
    ComPtr<IUnknown> object;
    ULONG fetched = 0;
    if (objects->Next(1, object.put(), &fetched) != S_OK || fetched != 1) return result::kFailed;
    ComPtr<IWebBrowser2> frame;
    if (FAILED(object.query(IID_IWebBrowser2, frame))) continue;
    ComPtr<IHTMLDocument2> document = htmlDocumentOf(frame.get());
    if (!document) {
      trace(" Document Query Interface Failed\n");
      continue;
    }
    const std::string cutName = cutText(windowNameOf(document.get(), ""), nameCondition, windowName.size());
    trace("FindInFrames Window Title - %s\n", "");
    trace("FindInFrames Window name - %s\n", cutName.c_str());
    if (passes(cutName, windowName)) {
      const std::string cutTitle = cutText(titleOf(document.get()), titleCondition, windowTitle.size());
      if (passes(cutTitle, windowTitle)) {
        theApp.setCurrentDocument(document.get());
        return result::kSuccess;
      }
      continue;
    }
    theApp.setCurrentDocument(document.get());
    if (hasFrames(document.get()) &&
        findInFrames(windowName, windowTitle, nameCondition, titleCondition) == result::kSuccess)
      return result::kSuccess;
    frame->Refresh();
  }
}

// The current browser's document made current; an error word when it has none.
std::string takeDocument(CWebBrowser2& browsers, const char* queryFailed, const char* isNull) {
  ComPtr<IDispatch> dispatch = browsers.getDocument();
  if (!dispatch) {
    trace("Error Document is null\n");
    return result::kHtmlDocumentNull;
  }
  ComPtr<IHTMLDocument2> current;
  const HRESULT hr = dispatch->QueryInterface(IID_IHTMLDocument2, current.putVoid());
  theApp.setCurrentDocument(current.get());
  if (FAILED(hr)) {
    trace("%s", queryFailed);
    return result::kHtmlDocumentQueryFailed;
  }
  if (!current) {
    trace("%s", isNull);
    return result::kHtmlDocumentNull;
  }
  return {};
}

void bringToFront(int index) { SetForegroundWindow(theApp.webBrowser().windowHandle(index)); }

std::string searchWindows(const std::string& windowName, const std::string& windowTitle,
                          const std::string& parentTitle, const std::string& conditionText) {
  trace("setWindow windowname -  %s \n", windowName.c_str());
  const Conditions conditions = splitConditions(conditionText);
  CWebBrowser2& browsers = theApp.webBrowser();
  if (!browsers.hasBrowsers()) return result::kNoBrowser;
  for (int i = 0; i < static_cast<int>(browsers.browserCount()); ++i) {
    trace("----------------------------------------- %d\n", i);
    browsers.unmarshalBrowser(i);
    processState().currentBrowserIndex = i;
    const std::string error = takeDocument(browsers, "setWindow :Document query failed\n", "setWindow :Document is null\n");
    if (!error.empty()) return error;
    const ComPtr<IHTMLDocument2> current = theApp.currentDocument();
    IHTMLDocument2* document = current.get();
    if (parentTitle != scriptline::kNone) {
      const std::string title = titleOf(document);
      trace("x setWindow Title - %s  \n", title.c_str());
      trace("x setWindow Name - %s  \n", windowNameOf(document, "").c_str());
      trace("x setWindow pTitle - %s  \n", parentTitle.c_str());
      const std::string cut = cutText(title, conditions.parent, parentTitle.size());
      if (cut.empty() || cut != parentTitle) continue;
    }
    if (hasFrames(document)) {
      if (findInFrames(windowName, windowTitle, conditions.name, conditions.title) == result::kSuccess) {
        bringToFront(i);
        return result::kSuccess;
      }
      continue;
    }
    const std::string cutName = cutText(windowNameOf(document, ""), conditions.name, windowName.size());
    trace("setWindow name -  %s \n", cutName.c_str());
    if (!passes(cutName, windowName)) continue;
    const std::string cutTitle = cutText(titleOf(document), conditions.title, windowTitle.size());
    trace("setWindow Title - %s  \n", cutTitle.c_str());
    trace("setWindow pTitle - %s  \n", parentTitle.c_str());
    if (passes(cutTitle, windowTitle)) {
      bringToFront(i);
      return result::kSuccess;
    }
  }
  return result::kFailure;
}

}  // namespace

std::string cutText(const std::string& text, const std::string& condition, size_t n) {
  if (condition == "eq") return text;
  if (condition == "sw") return text.substr(0, n);
  if (condition == "ew") return text.size() <= n ? text : text.substr(text.size() - n);
  return {};
}

std::string setWindow(const std::string& windowName, const std::string& windowTitle, const std::string& parentTitle,
                      const std::string& conditions, int waitTime) {
  trace("setWindow %s\n", windowName.c_str());
  PlaybackState& state = playbackState();
  const int64_t limit = state.maxTimeLimit;
  std::string word;
  int64_t elapsed = 0;
  while (word != result::kSuccess && elapsed < limit) {
    Sleep(4000);
    word = searchWindows(windowName, windowTitle, parentTitle, conditions);
    elapsed += 4;
  }
  if (word != result::kSuccess) return word;

  const int64_t remaining = limit - elapsed;
  if (remaining > 0) {
    const ComPtr<IHTMLDocument2> document = theApp.currentDocument();
    if (!document) return result::kDocumentNull;
    const int polls = pollReadyState(document.get(), static_cast<int>(std::min<int64_t>(remaining, INT_MAX)));
    sleepSeconds(secondsLeft(waitTime, elapsed + polls));
  }
  return theApp.currentDocument() ? result::kSuccess : result::kDocumentNull;
}

std::string closeWindow(const std::string& text) {
  std::string word = result::kFailure;
  CWebBrowser2& browsers = theApp.webBrowser();
  if (!browsers.hasBrowsers()) return result::kNoBrowser;
  // A window that closed earlier (the user's, or a pop-up's) has left the event
  // signalled; the wait below is for the window this call closes.
  const std::unique_ptr<void, decltype(&CloseHandle)> closed(CreateEvent(nullptr, TRUE, FALSE, kWindowClosedEvent),
                                                              &CloseHandle);
  ResetEvent(closed.get());
  for (int i = 0; i < static_cast<int>(browsers.browserCount()); ++i) {
    browsers.unmarshalBrowser(i);
    processState().currentBrowserIndex = i;
    const std::string error =
        takeDocument(browsers, "closeWindow :Document query failed\n", "closeWindow :Document is null\n");
    if (!error.empty()) return error;
    const ComPtr<IHTMLDocument2> current = theApp.currentDocument();
    IHTMLDocument2* document = current.get();
    const std::string name = windowNameOf(document, "");
    trace("About to close - %s \n", text.c_str());
    trace("Close Window Name - %s \n", name.c_str());
    if (!name.empty()) {
      if (name == text) {
        browsers.quit();
        word = result::kSuccess;
        break;
      }
      continue;
    }
    const std::string title = titleOf(document);
    trace("Close Window Title - %s \n", title.c_str());
    if (!title.empty() && title == text) {
      browsers.quit();
      word = result::kSuccess;
      break;
    }
  }
  WaitForSingleObject(closed.get(), 10000);
  ResetEvent(closed.get());
  return word;
}

std::string clickMainToolBarButton(const std::string& button) {
  CWebBrowser2& browsers = theApp.webBrowser();
  browsers.unmarshalBrowser(processState().currentBrowserIndex);
  using Operation = HRESULT (STDMETHODCALLTYPE IWebBrowser2::*)();
  struct Button {
    const char* text;
    Operation operation;
  };
  static constexpr Button kButtons[] = {
      {"Home", &IWebBrowser2::GoHome},    {"Forward", &IWebBrowser2::GoForward}, {"Back", &IWebBrowser2::GoBack},
      {"Search", &IWebBrowser2::GoSearch}, {"Refresh", &IWebBrowser2::Refresh},   {"Stop", &IWebBrowser2::Stop},
  };
  for (const Button& known : kButtons) {
    if (button != known.text) continue;
    IWebBrowser2* browser = browsers.browser();
    if (browser == nullptr) return result::kBrowserRefNull;
    return SUCCEEDED((browser->*known.operation)()) ? result::kSuccess : result::kFailed;
  }
  return result::kTypeNotFound;
}
