#include "file_chooser.h"

#include "dialog_children.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <mutex>
#include <system_error>

namespace mshtml {
namespace {

namespace fs = std::filesystem;

constexpr char kDialogClass[] = "#32770";
// The shell's view window that holds the file list; it passes the list's notifications
// to the dialog.
constexpr char kShellViewClass[] = "SHELLDLL_DefView";
constexpr char kAllFiles[] = "All Files (*.*)";

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool isFolder(const std::string& path) {
  std::error_code error;
  return !path.empty() && fs::is_directory(path, error);
}

bool isFile(const std::string& path) {
  std::error_code error;
  return !path.empty() && fs::exists(path, error) && !fs::is_directory(path, error);
}

}  // namespace

bool FileChooserWindow::registerShellViewClass() {
  static std::once_flag once;
  static bool registered = false;
  std::call_once(once, [] {
    WNDCLASSA viewClass{};
    viewClass.lpfnWndProc = &FileChooserWindow::shellViewProc;
    viewClass.lpszClassName = kShellViewClass;
    registered = RegisterClassA(&viewClass) != 0;
  });
  return registered;
}

LRESULT CALLBACK FileChooserWindow::shellViewProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY || message == WM_COMMAND) {
    if (HWND parent = GetParent(view)) return SendMessageA(parent, message, wParam, lParam);
    return 0;
  }
  return DefWindowProcA(view, message, wParam, lParam);
}

std::string FileChooserWindow::startFolder(const std::string& value, const std::string& pageFolder) {
  if (!value.empty()) {
    const std::string parent = fs::path(value).parent_path().string();
    if (isFolder(parent)) return parent;
  }
  if (isFolder(pageFolder)) return pageFolder;
  std::error_code error;
  const fs::path current = fs::current_path(error);
  return error ? std::string("/") : current.string();
}

FileChooserWindow::FileChooserWindow(HWND owner, const std::string& folder, Answered answered)
    : owner_(owner), answered_(std::move(answered)) {
  if (!registerShellViewClass()) {
    answer(false, {});
    return;
  }
  dialog_ = CreateWindowExA(WS_EX_DLGMODALFRAME, kDialogClass, kFileChooserTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                            CW_USEDEFAULT, CW_USEDEFAULT, 563, 419, owner, nullptr, nullptr, nullptr);
  if (!dialog_ || !IsWindow(dialog_)) {
    dialog_ = nullptr;
    answer(false, {});
    return;
  }
  // The answer is in place before any child exists: a close at any later step ends the
  // page's wait.
  SetWindowLongPtrA(dialog_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(dialog_, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(&FileChooserWindow::dialogProc));
  createChildren();
  if (!dialog_) return;  // destroyed while being made (answered already)
  showFolder(folder);
  if (!dialog_) return;
  if (owner_ && IsWindowEnabled(owner_)) {
    EnableWindow(owner_, FALSE);
    ownerDisabled_ = true;
  }
  ShowWindow(dialog_, SW_SHOWNORMAL);
  if (dialog_) SetForegroundWindow(dialog_);
}

void FileChooserWindow::createChildren() {
  const HWND dialog = dialog_;
  addDialogChild(dialog, "Static", "Look &in:", kLookInLabelId, {8, 12, 78, 28});
  lookIn_ = addDialogChild(dialog, "ComboBox", "", kLookInComboId, {84, 8, 392, 30}, CBS_DROPDOWNLIST | WS_TABSTOP);
  const HWND view = addDialogChild(dialog, kShellViewClass, "", kShellViewId, {84, 40, 549, 290});
  list_ = addDialogChild(view, WC_LISTVIEWA, "FolderView", kFileListId, {0, 0, 465, 250},
                   LVS_LIST | LVS_SINGLESEL | WS_TABSTOP);
  addDialogChild(dialog, "Static", "File &name:", kFileNameLabelId, {84, 302, 174, 318});
  const HWND nameBox = addDialogChild(dialog, WC_COMBOBOXEXA, "", kFileNameComboId, {180, 298, 460, 320},
                                CBS_DROPDOWN | WS_TABSTOP);
  if (nameBox) nameEdit_ = reinterpret_cast<HWND>(SendMessageA(nameBox, CBEM_GETEDITCONTROL, 0, 0));
  addDialogChild(dialog, "Static", "Files of &type:", kFileTypeLabelId, {84, 330, 174, 346});
  const HWND types = addDialogChild(dialog, "ComboBox", "", kFileTypeComboId, {180, 326, 460, 348},
                              CBS_DROPDOWNLIST | WS_TABSTOP);
  if (types) {
    SendMessageA(types, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kAllFiles));
    SendMessageA(types, CB_SETCURSEL, 0, 0);
  }
  addDialogChild(dialog, "Button", "&Open", IDOK, {468, 298, 543, 321}, BS_DEFPUSHBUTTON | WS_TABSTOP);
  addDialogChild(dialog, "Button", "Cancel", IDCANCEL, {468, 326, 543, 349}, WS_TABSTOP);
}

void FileChooserWindow::showFolder(const std::string& folder) {
  folder_ = folder;
  entries_.clear();
  std::error_code error;
  for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error), end;
       !error && it != end; it.increment(error)) {
    std::error_code kindError;
    entries_.push_back({it->path().filename().string(), it->is_directory(kindError)});
  }
  // As the shell lists a folder: its folders first, each group by name, ignoring case.
  std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
    if (a.folder != b.folder) return a.folder;
    return lowered(a.name) < lowered(b.name);
  });
  if (!list_ || !IsWindow(list_)) return;
  SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
  for (size_t i = 0; i < entries_.size(); ++i) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(i);
    item.pszText = entries_[i].name.data();
    SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  if (lookIn_ && IsWindow(lookIn_)) {
    const std::string name = fs::path(folder).filename().string();
    SendMessageA(lookIn_, CB_RESETCONTENT, 0, 0);
    SendMessageA(lookIn_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.empty() ? folder.c_str() : name.c_str()));
    SendMessageA(lookIn_, CB_SETCURSEL, 0, 0);
  }
  if (nameEdit_ && IsWindow(nameEdit_)) SetWindowTextA(nameEdit_, "");
}

int FileChooserWindow::selectedEntry() const {
  if (!list_ || !IsWindow(list_)) return -1;
  const auto index = static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  return index >= 0 && static_cast<size_t>(index) < entries_.size() ? index : -1;
}

bool FileChooserWindow::openName(const std::string& name) {
  if (name.empty()) return false;
  const fs::path given(name);
  const std::string path = (given.is_absolute() ? given : fs::path(folder_) / given).lexically_normal().string();
  if (isFolder(path)) {
    showFolder(path);
    return true;
  }
  if (!isFile(path)) return false;
  answer(true, path);
  return true;
}

void FileChooserWindow::onListNotify(const NMHDR& header) {
  if (header.code == LVN_ITEMCHANGED) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const bool nowSelected = (change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0;
    if (nowSelected && change.iItem >= 0 && static_cast<size_t>(change.iItem) < entries_.size() &&
        !entries_[static_cast<size_t>(change.iItem)].folder && nameEdit_ && IsWindow(nameEdit_)) {
      SetWindowTextA(nameEdit_, entries_[static_cast<size_t>(change.iItem)].name.c_str());
    }
  } else if (header.code == NM_DBLCLK) {
    const int index = selectedEntry();
    if (index >= 0) openName(entries_[static_cast<size_t>(index)].name);
  }
}

void FileChooserWindow::answer(bool accepted, const std::string& path) {
  if (done_) return;
  done_ = true;
  // The callback may end this object's dialog (the engine closes it once answered).
  Answered answered = std::move(answered_);
  if (answered) answered(accepted, accepted ? path : std::string());
}

INT_PTR CALLBACK FileChooserWindow::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<FileChooserWindow*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
  if (!self) return FALSE;
  switch (message) {
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header && header->hwndFrom == self->list_ && !self->done_) self->onListNotify(*header);
      return TRUE;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      if (LOWORD(wParam) == IDCANCEL) {
        self->answer(false, {});
        return TRUE;
      }
      if (LOWORD(wParam) == IDOK && !self->done_) {
        const std::string name = self->nameEdit_ && IsWindow(self->nameEdit_) ? dialogChildText(self->nameEdit_) : "";
        if (!name.empty()) {
          self->openName(name);
        } else if (const int index = self->selectedEntry(); index >= 0) {
          self->openName(self->entries_[static_cast<size_t>(index)].name);
        }
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      self->answer(false, {});
      return TRUE;
    case WM_DESTROY:
      // Destroyed by someone else before an answer: the page must not wait for ever.
      SetWindowLongPtrA(dialog, GWLP_USERDATA, 0);
      self->dialog_ = nullptr;
      self->lookIn_ = self->list_ = self->nameEdit_ = nullptr;
      self->answer(false, {});
      return TRUE;
    default:
      return FALSE;
  }
}

FileChooserWindow::~FileChooserWindow() {
  // The owner is enabled first, so that the activation passes back to it when the
  // dialog goes, as when a Windows dialog ends.
  if (ownerDisabled_ && owner_ && IsWindow(owner_)) EnableWindow(owner_, TRUE);
  if (dialog_) {
    SetWindowLongPtrA(dialog_, DWLP_DLGPROC, 0);
    SetWindowLongPtrA(dialog_, GWLP_USERDATA, 0);
    DestroyWindow(dialog_);
  }
}

}  // namespace mshtml
