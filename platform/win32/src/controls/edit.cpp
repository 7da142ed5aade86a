// "Edit": a single-line text field. Its text is the window text; it keeps a selection,
// takes typed characters, and tells the parent EN_CHANGE, EN_SETFOCUS, EN_KILLFOCUS.
#include "control_support.h"

#include <algorithm>

namespace win32::internal {
namespace {

struct EditState : ControlState {
  size_t start = 0;
  size_t end = 0;
};

void replaceSelection(HWND window, EditState& state, const std::string& replacement) {
  std::string text = windowText(window);
  const size_t start = std::min(state.start, text.size());
  const size_t end = std::min(std::max(state.end, start), text.size());
  text.replace(start, end - start, replacement);
  WindowManager::instance().update(window, [&](Window& w) { w.text = text; });
  state.start = state.end = start + replacement.size();
  notifyCommand(window, EN_UPDATE);
  notifyCommand(window, EN_CHANGE);
}

void typeCharacter(HWND window, EditState& state, char character) {
  if ((windowStyle(window) & ES_READONLY) != 0) return;
  if (character == VK_BACK) {
    if (state.start == state.end && state.start > 0) --state.start;
    if (state.start != state.end) replaceSelection(window, state, "");
    return;
  }
  if (static_cast<unsigned char>(character) < 0x20) return;  // Enter, Tab, Escape: not text in one line
  replaceSelection(window, state, std::string(1, character));
}

}  // namespace

LRESULT CALLBACK editProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
      const auto state = controlState<EditState>(window);
      state->start = state->end = 0;
      notifyCommand(window, EN_UPDATE);
      notifyCommand(window, EN_CHANGE);
      return result;
    }
    case EM_SETSEL: {
      const auto state = controlState<EditState>(window);
      const size_t length = windowText(window).size();
      const auto from = static_cast<int>(static_cast<INT_PTR>(wParam));
      const auto to = static_cast<int>(lParam);
      if (from == -1) {  // -1 removes the selection, leaving the caret where it is
        state->start = state->end;
        return 0;
      }
      size_t start = std::min(static_cast<size_t>(std::max(from, 0)), length);
      size_t end = to < 0 ? length : std::min(static_cast<size_t>(to), length);
      if (start > end) std::swap(start, end);
      state->start = start;
      state->end = end;
      return 0;
    }
    case EM_GETSEL: {
      const auto state = controlState<EditState>(window);
      if (wParam != 0) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(state->start);
      if (lParam != 0) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(state->end);
      if (state->start > 0xFFFF || state->end > 0xFFFF) return -1;
      return MAKELONG(state->start, state->end);
    }
    case EM_REPLACESEL: {
      const std::string replacement = lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "";
      replaceSelection(window, *controlState<EditState>(window), replacement);
      return 0;
    }
    case WM_CHAR:
      typeCharacter(window, *controlState<EditState>(window), static_cast<char>(wParam));
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(window);
      return 0;
    case WM_LBUTTONDBLCLK: {  // selects the text, as a double click on a word does
      SetFocus(window);
      const auto state = controlState<EditState>(window);
      state->start = 0;
      state->end = windowText(window).size();
      return 0;
    }
    case WM_SETFOCUS:
      notifyCommand(window, EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      notifyCommand(window, EN_KILLFOCUS);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace win32::internal
