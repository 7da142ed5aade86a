#include "recorder/native_window_recorder.h"

#include <atomic>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "com/bstr.h"
#include "com/com_ptr.h"
#include "common/line_kinds.h"
#include "core/process_state.h"
#include "dialogs/control_properties.h"
#include "dialogs/find_control.h"
#include "recorder/dialog_lines.h"
#include "recording/pending_text_line.h"
#include "session/cwebbrowser2.h"

namespace recorder {
namespace {

constexpr char kDialogClass[] = "#32770";

// The dialog of the last setAlertWindow line made on activation; kept for the life of
// the process, as a later recorder thread must not announce the same dialog again.
std::atomic<HWND> lastAlertWindow{nullptr};

// The records of the reports, as the hook library lays them out: the window that got
// the notification; or the point (32 bits each) and the window under it.
std::optional<HWND> commandWindow(const COPYDATASTRUCT& data) {
  HWND window = nullptr;
  if (data.lpData == nullptr || data.cbData < sizeof window) return std::nullopt;
  std::memcpy(&window, data.lpData, sizeof window);
  return window;
}

struct MouseReport {
  POINT point;
  HWND window;
};
constexpr size_t kMousePointBytes = 2 * sizeof(std::int32_t);

std::optional<MouseReport> mouseReport(const COPYDATASTRUCT& data) {
  if (data.lpData == nullptr || data.cbData < kMousePointBytes + sizeof(HWND)) return std::nullopt;
  std::int32_t xy[2] = {0, 0};
  HWND window = nullptr;
  std::memcpy(xy, data.lpData, kMousePointBytes);
  std::memcpy(&window, static_cast<const char*>(data.lpData) + kMousePointBytes, sizeof window);
  return MouseReport{POINT{xy[0], xy[1]}, window};
}

bool hasClass(HWND window, const char* className) { return window != nullptr && windowClassName(window) == className; }

void recordLine(std::string line) { handOverLine(std::move(line)); }

// setAlertWindow for a dialog whose title is now the parent title.
void recordAlertWindow(HWND dialog, const std::string& title) {
  scriptline::Line<std::string> line(scriptline::ie::kSetAlertWindow);
  line.set("windowtitle", title);
  line.set("parenttitle", title);
  line.set("type", dialogKind(dialog, title));
  recordLine(line.recordedLine());
}

}  // namespace

bool NativeWindowRecorder::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  // Playback's own dialog actions are not the user's.
  const bool recording = processState().recordsPageActions();
  switch (message) {
    case kWindowActivated:
      if (recording) windowActivated(reinterpret_cast<HWND>(wParam));
      return true;
    case kWindowCreated:
      if (recording) windowCreated(reinterpret_cast<HWND>(wParam));
      return true;
    case WM_COPYDATA:
      if (recording) copyData(wParam, reinterpret_cast<const COPYDATASTRUCT*>(lParam));
      return true;
    default:
      return false;
  }
}

void NativeWindowRecorder::windowActivated(HWND window) {
  if (!belongsToBrowser(browsers_, window)) return;
  if (hasClass(window, "IEFrame")) {
    browserFrameActivated(window);
  } else {
    dialogActivated(window);
  }
}

void NativeWindowRecorder::browserFrameActivated(HWND frame) {
  const int index = browserIndexOf(browsers_, frame);
  if (index < 0) return;
  browsers_.unmarshalBrowser(index);
  ProcessState& state = processState();
  state.currentBrowserIndex = index;
  ComPtr<IHTMLDocument2> document;
  if (const ComPtr<IDispatch> dispatch = browsers_.getDocument()) dispatch.query(IID_IHTMLDocument2, document);
  if (!document) return;
  Bstr title;
  document->get_title(title.put());
  if (title.isNull()) return;
  // The window is now the browser's top window: its title and its own name. Keeping
  // the name of a frame the user was in before would make the toolbar's setWindow line
  // name a window that is not there.
  Bstr name;
  ComPtr<IHTMLWindow2> window;
  if (SUCCEEDED(document->get_parentWindow(window.put())) && window) window->get_name(name.put());
  state.setParentTitle(title.toAnsi());
  state.setWindowIdentity(title.toAnsi(), name.toAnsi());
}

void NativeWindowRecorder::dialogActivated(HWND dialog) {
  ProcessState& state = processState();
  const std::string title = windowText(dialog);
  state.setParentTitle(title);
  if (lastAlertWindow.load() == dialog) return;
  // A text line still pending goes first, so the host gets the text before the dialog
  // that the typing raised; the field's own commit then records nothing.
  pendingTextLine().flush();
  recordAlertWindow(dialog, title);
  lastAlertWindow = dialog;
  state.setLastParentTitle(title);
}

void NativeWindowRecorder::windowCreated(HWND window) {
  if (processState().checkPointMode && hasClass(window, kDialogClass) && belongsToBrowser(browsers_, window)) {
    closeDialog(window);
  }
}

void NativeWindowRecorder::closeDialog(HWND dialog) {
  // Dialogs are dismissed while a checkpoint is picked; the close this causes is ours.
  const HWND outer = closing_;
  closing_ = dialog;
  SendMessageA(dialog, WM_CLOSE, 0, 0);
  closing_ = outer;
}

void NativeWindowRecorder::copyData(WPARAM code, const COPYDATASTRUCT* data) {
  if (data == nullptr) return;
  if (code == kMouseReleased || code == kMouseDoubleClicked) {
    if (const std::optional<MouseReport> report = mouseReport(*data)) mouse(code, report->point, report->window);
    return;
  }
  if (const std::optional<HWND> window = commandWindow(*data)) {
    command(code, *window, static_cast<int>(data->dwData));
  }
}

void NativeWindowRecorder::command(WPARAM code, HWND window, int controlId) {
  ProcessState& state = processState();
  const HWND control = GetDlgItem(window, controlId);
  const std::string windowClass = windowClassName(window);
  switch (code) {
    case kButtonClicked:
      if (windowClass == "ReBarWindow32" && hasClass(GetParent(window), "WorkerW")) {
        if (!belongsToBrowser(browsers_, window)) return;
        const std::optional<std::string> toolbar = toolbarLine(window, controlId);
        if (!toolbar) return;
        // The window the toolbar acts on first, when the user came from elsewhere.
        if (state.lastParentTitle() != state.parentTitle()) {
          const std::string name = state.windowName();
          scriptline::Line<std::string> line(scriptline::ie::kSetWindow);
          line.set("windowname", name.empty() ? std::string(scriptline::kNone) : name);
          line.set("windowtitle", state.windowTitle());
          line.set("parenttitle", state.parentTitle());
          line.set("index", "0");
          recordLine(line.recordedLine());
          state.setLastParentTitle(state.parentTitle());
        }
        recordLine(*toolbar);
      } else if (hasClass(control, "Button") && belongsToBrowser(browsers_, control)) {
        recordLine(dialogButtonLine(control));
      }
      return;
    case kComboChosen:
      if (windowClass == kDialogClass && hasClass(control, "ComboBox")) {
        if (std::optional<std::string> line = dialogComboLine(control)) recordLine(std::move(*line));
      }
      return;
    case kDialogClosing:
      if (window == closing_ || !belongsToBrowser(browsers_, window)) return;
      {
        const std::string title = windowText(window);
        state.setParentTitle(title);
        scriptline::Line<std::string> line(scriptline::ie::kCloseAlertWindow);
        line.set("windowtitle", title);
        line.set("parenttitle", title);
        recordLine(line.recordedLine());
      }
      return;
    case kEditLeft: {
      // A field that is not shown was not left by the user (a dialog being built or
      // taken down moves its focus).
      if (!belongsToBrowser(browsers_, window) || !IsWindowVisible(control)) return;
      if (windowClass == kDialogClass && hasClass(control, "Edit")) {
        recordLine(dialogTextLine(control, LabelRule::LastSibling));
      }
      if (windowClass != "ComboBox") return;
      const HWND extended = GetParent(window);
      if (!hasClass(extended, "ComboBoxEx32")) return;
      const HWND holder = GetParent(extended);
      if (hasClass(holder, "ReBarWindow32")) recordLine(addressLine(extended));
      if (hasClass(holder, kDialogClass) && hasClass(control, "Edit")) {
        recordLine(dialogTextLine(control, LabelRule::BeforeComboBoxEx));
      }
      return;
    }
    case kDialogShown:
      if (!belongsToBrowser(browsers_, window)) return;
      if (state.checkPointMode) {
        closeDialog(window);
        return;
      }
      {
        const std::string title = windowText(window);
        state.setParentTitle(title);
        if (title == state.lastParentTitle()) return;
        recordAlertWindow(window, title);
        state.setLastParentTitle(title);
      }
      return;
    case kEditFilled:
      if (belongsToBrowser(browsers_, window) && hasClass(control, "Edit") && IsWindowVisible(control) &&
          hasClass(GetParent(GetParent(window)), kDialogClass)) {
        recordLine(dialogTextLine(control, LabelRule::LastSibling));
      }
      return;
    case kEnterKey:
    default:
      return;
  }
}

void NativeWindowRecorder::mouse(WPARAM code, POINT point, HWND window) {
  if (!belongsToBrowser(browsers_, window)) return;
  const bool picking = processState().checkPointMode;
  if (code == kMouseReleased && picking) {
    takeCheckPoint(WindowFromPoint(point));
  } else if (code == kMouseDoubleClicked && !picking && hasClass(window, "SysListView32")) {
    recordLine(listViewLine(window));
  }
}

void NativeWindowRecorder::takeCheckPoint(HWND window) {
  if (window == nullptr) return;
  const std::optional<PropertyPairs> pairs = controlProperties(window, ControlList::NativeCheckPoint);
  if (!pairs) return;  // a window of no listed class gives no checkpoint
  ProcessState& state = processState();
  const std::string title = state.parentTitle();
  std::vector<std::string> list{"windowtitle", title, "windowname", std::string(scriptline::kNone), "parenttitle",
                                title};
  for (const auto& [key, value] : *pairs) {
    list.push_back(key);
    list.push_back(value);
  }
  state.setCheckPointProperties(std::move(list));
  signalNamedEvent(kCheckPointEvent);
}

}  // namespace recorder
