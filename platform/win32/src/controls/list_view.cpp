// "SysListView32": items with text, state and a position, one column. Items stand in
// a column, one line each; a click selects the item under the mouse, and the parent
// hears NM_CLICK, NM_DBLCLK and LVN_ITEMCHANGED as from Windows.
#include "control_support.h"

#include <vector>

#include "../window_text.h"

namespace win32::internal {
namespace {

constexpr LONG itemHeight = 16;

struct Item {
  std::string text;
  UINT state = 0;
  LONG param = 0;
};

struct ListState : ControlState {
  std::vector<Item> items;
};

bool validIndex(const ListState& list, WPARAM index) {
  const auto i = static_cast<INT_PTR>(index);
  return i >= 0 && i < static_cast<INT_PTR>(list.items.size());
}

POINT positionOf(size_t index) { return POINT{0, static_cast<LONG>(index) * itemHeight}; }

int itemAt(HWND window, const ListState& list, POINT point) {
  RECT client{};
  GetClientRect(window, &client);
  if (point.x < 0 || (client.right > 0 && point.x >= client.right) || point.y < 0) return -1;
  const auto index = static_cast<size_t>(point.y / itemHeight);
  return index < list.items.size() ? static_cast<int>(index) : -1;
}

// Changes the state bits under `mask` and tells the parent of each item that changed.
void changeState(HWND window, ListState& list, size_t index, UINT state, UINT mask) {
  Item& item = list.items[index];
  const UINT old = item.state;
  item.state = (old & ~mask) | (state & mask);
  if (item.state == old) return;
  NMLISTVIEW change{};
  change.iItem = static_cast<int>(index);
  change.uNewState = item.state;
  change.uOldState = old;
  change.uChanged = LVIF_STATE;
  change.lParam = item.param;
  notifyParent(window, change.hdr, LVN_ITEMCHANGED);
}

void setState(HWND window, ListState& list, INT_PTR index, UINT state, UINT mask) {
  // Selecting in a single-selection list leaves the others unselected.
  const bool single = (windowStyle(window) & LVS_SINGLESEL) != 0;
  if (single && (mask & state & LVIS_SELECTED) != 0) {
    for (size_t i = 0; i < list.items.size(); ++i) {
      if (static_cast<INT_PTR>(i) != index) changeState(window, list, i, 0, LVIS_SELECTED);
    }
  }
  if (index == -1) {
    for (size_t i = 0; i < list.items.size(); ++i) changeState(window, list, i, state, mask);
  } else {
    changeState(window, list, static_cast<size_t>(index), state, mask);
  }
}

// A press of the mouse: the item under it becomes the one selected and focused.
void press(HWND window, ListState& list, POINT point) {
  SetFocus(window);
  const int hit = itemAt(window, list, point);
  for (size_t i = 0; i < list.items.size(); ++i) {
    if (static_cast<int>(i) != hit) changeState(window, list, i, 0, LVIS_SELECTED | LVIS_FOCUSED);
  }
  if (hit >= 0) {
    changeState(window, list, static_cast<size_t>(hit), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
}

void activation(HWND window, const ListState& list, POINT point, UINT code) {
  NMITEMACTIVATE activate{};
  activate.iItem = itemAt(window, list, point);
  activate.ptAction = point;
  notifyParent(window, activate.hdr, code);
}

int copyItemText(const Item& item, int subItem, LPSTR buffer, int capacity) {
  return copyText(subItem == 0 ? std::string_view(item.text) : std::string_view(), buffer, capacity);
}

}  // namespace

LRESULT CALLBACK listViewProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case LVM_GETITEMCOUNT:
      return static_cast<LRESULT>(controlState<ListState>(window)->items.size());
    case LVM_INSERTITEMA: {
      const auto* record = reinterpret_cast<const LVITEMA*>(lParam);
      if (record == nullptr) return -1;
      const auto list = controlState<ListState>(window);
      Item item;
      if ((record->mask & LVIF_TEXT) != 0 && record->pszText != nullptr) item.text = record->pszText;
      if ((record->mask & LVIF_STATE) != 0) item.state = record->state & record->stateMask;
      if ((record->mask & LVIF_PARAM) != 0) item.param = record->lParam;
      const size_t at = record->iItem < 0 || static_cast<size_t>(record->iItem) > list->items.size()
                            ? list->items.size()
                            : static_cast<size_t>(record->iItem);
      list->items.insert(list->items.begin() + static_cast<std::ptrdiff_t>(at), item);
      return static_cast<LRESULT>(at);
    }
    case LVM_DELETEALLITEMS:
      controlState<ListState>(window)->items.clear();
      return TRUE;
    case LVM_GETITEMSTATE: {
      const auto list = controlState<ListState>(window);
      if (!validIndex(*list, wParam)) return 0;
      return static_cast<LRESULT>(list->items[wParam].state & static_cast<UINT>(lParam));
    }
    case LVM_SETITEMSTATE: {
      const auto* record = reinterpret_cast<const LVITEMA*>(lParam);
      const auto list = controlState<ListState>(window);
      const auto index = static_cast<INT_PTR>(wParam);
      if (record == nullptr || (index != -1 && !validIndex(*list, wParam))) return FALSE;
      setState(window, *list, index, record->state, record->stateMask);
      return TRUE;
    }
    case LVM_GETITEMA: {
      auto* record = reinterpret_cast<LVITEMA*>(lParam);
      const auto list = controlState<ListState>(window);
      if (record == nullptr || record->iItem < 0 || !validIndex(*list, static_cast<WPARAM>(record->iItem))) return FALSE;
      const Item& item = list->items[static_cast<size_t>(record->iItem)];
      if ((record->mask & LVIF_TEXT) != 0) copyItemText(item, record->iSubItem, record->pszText, record->cchTextMax);
      if ((record->mask & LVIF_STATE) != 0) record->state = item.state & record->stateMask;
      if ((record->mask & LVIF_PARAM) != 0) record->lParam = item.param;
      return TRUE;
    }
    case LVM_GETITEMTEXTA: {
      auto* record = reinterpret_cast<LVITEMA*>(lParam);
      const auto list = controlState<ListState>(window);
      if (record == nullptr || !validIndex(*list, wParam)) return 0;
      return copyItemText(list->items[wParam], record->iSubItem, record->pszText, record->cchTextMax);
    }
    case LVM_GETITEMPOSITION: {
      const auto list = controlState<ListState>(window);
      if (!validIndex(*list, wParam) || lParam == 0) return FALSE;
      *reinterpret_cast<POINT*>(lParam) = positionOf(wParam);
      return TRUE;
    }
    case LVM_GETNEXTITEM: {
      const auto list = controlState<ListState>(window);
      const UINT wanted = static_cast<UINT>(lParam) & (LVNI_SELECTED | LVNI_FOCUSED);
      for (size_t i = static_cast<size_t>(static_cast<INT_PTR>(wParam) + 1); i < list->items.size(); ++i) {
        const UINT state = list->items[i].state;
        if (((wanted & LVNI_SELECTED) == 0 || (state & LVIS_SELECTED) != 0) &&
            ((wanted & LVNI_FOCUSED) == 0 || (state & LVIS_FOCUSED) != 0)) {
          return static_cast<LRESULT>(i);
        }
      }
      return -1;
    }
    case WM_LBUTTONDOWN:
      press(window, *controlState<ListState>(window), pointFrom(lParam));
      return 0;
    case WM_LBUTTONUP:
      activation(window, *controlState<ListState>(window), pointFrom(lParam), NM_CLICK);
      return 0;
    case WM_LBUTTONDBLCLK: {
      const auto list = controlState<ListState>(window);
      press(window, *list, pointFrom(lParam));
      activation(window, *list, pointFrom(lParam), NM_DBLCLK);
      if (itemAt(window, *list, pointFrom(lParam)) >= 0) {
        activation(window, *list, pointFrom(lParam), LVN_FIRST - 14 /* LVN_ITEMACTIVATE */);
      }
      return 0;
    }
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace win32::internal
