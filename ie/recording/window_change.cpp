#include "recording/window_change.h"

#include <optional>
#include <string>

#include "common/line_kinds.h"
#include "common/trace_log.h"
#include "core/process_state.h"
#include "recording/element_properties.h"

namespace recording {

namespace {

constexpr std::string_view kNone = scriptline::kNone;

// The title of the top window above `window`: up to six steps to the parent (a top
// window is its own parent), then that window's document; none when it has no title.
std::optional<std::string> topTitleAbove(IHTMLWindow2* window) {
  ComPtr<IHTMLWindow2> at(window);
  ComPtr<IHTMLDocument2> document;
  for (int step = 0; step < 6; ++step) {
    ComPtr<IHTMLWindow2> parent;
    if (FAILED(at->get_parent(parent.put())) || !parent) break;
    at = parent;
    document.reset();
    at->get_document(document.put());
  }
  if (!document) {
    trace("GetWindowEventString :Parent Document NULL\n");
    return std::nullopt;
  }
  Bstr title;
  document->get_title(title.put());
  if (title.isNull()) {
    trace("GetWindowEventString :Parent Title NULL\n");
    return std::nullopt;
  }
  return title.toAnsi();
}

}  // namespace

void recordWindowChange(IHTMLEventObj* event) {
  ProcessState& state = processState();
  ComPtr<IHTMLElement> element;
  if (event == nullptr || FAILED(event->get_srcElement(element.put())) || !element) return;
  const ComPtr<IHTMLDocument2> document = documentOf(element.get());
  if (!document) return;
  ComPtr<IHTMLWindow2> window;
  document->get_parentWindow(window.put());
  const std::string index = std::to_string(state.currentBrowserIndex.load());

  Bstr titleText;
  document->get_title(titleText.put());
  std::string title(kNone);
  if (!titleText.isNull()) {
    title = titleText.toAnsi();
    state.setWindowIdentity(title, state.windowName());
  }
  if (!window) return;

  if (const std::optional<std::string> parentTitle = topTitleAbove(window.get())) state.setParentTitle(*parentTitle);

  // An unnamed window (its name empty) is told apart by its title.
  Bstr nameText;
  window->get_name(nameText.put());
  const std::string name = nameText.toAnsi();
  bool moved = false;
  if (!name.empty()) {
    state.setWindowIdentity(state.windowTitle(), name);
    moved = name != state.lastWindowName();
  } else {
    moved = state.windowTitle() != state.lastWindowTitle();
  }
  moved = moved || state.parentTitle() != state.lastParentTitle();
  if (!moved) return;

  scriptline::Line<std::string> line(scriptline::ie::kSetWindow);
  line.set("windowname", name.empty() ? std::string(kNone) : name);
  line.set("windowtitle", title);
  line.set("parenttitle", state.parentTitle());
  line.set("index", index);
  state.setLastWindowName(state.windowName());
  state.setLastParentTitle(state.parentTitle());
  state.setLastWindowTitle(state.windowTitle());
  handOverLine(line.recordedLine());
}

}  // namespace recording
