// What the standard controls share: their per-window state and their notifications.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>

#include "../window_manager.h"

namespace win32::internal {

// The control's state, made on first use. Only the owning thread touches it.
template <class State>
std::shared_ptr<State> controlState(HWND control) {
  std::shared_ptr<State> state;
  WindowManager::instance().update(control, [&](Window& window) {
    if (!window.control) window.control = std::make_shared<State>();
    state = std::dynamic_pointer_cast<State>(window.control);
  });
  return state ? state : std::make_shared<State>();  // a window going away gets a throwaway
}

// WM_COMMAND to the parent: (id, code) and the control's handle.
void notifyCommand(HWND control, WORD code);
// WM_NOTIFY to the parent with `header` filled in for this control.
LRESULT notifyParent(HWND control, NMHDR& header, UINT code);

std::string windowText(HWND window);
LONG_PTR controlId(HWND window);
DWORD windowStyle(HWND window);
POINT pointFrom(LPARAM lParam);
bool insideClient(HWND window, POINT point);

// Window procedures of the built-in classes.
LRESULT CALLBACK buttonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK staticProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK editProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK comboBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK comboBoxExProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK listViewProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK toolbarProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK bandContainerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// What a person does to a combo box: pick entry `index` from its list (drop the list,
// select, close it with the choice), producing the notifications Windows sends.
bool chooseComboItem(HWND combo, int index);

}  // namespace win32::internal
