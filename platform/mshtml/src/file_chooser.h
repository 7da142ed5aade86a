// The "Choose file" dialog a click on a file field opens, laid out as Internet
// Explorer 6 shows the system's Open dialog on Windows XP (control ids of <dlgs.h>):
//
//   "#32770" "Choose file"
//   ├─ Static "Look &in:"            0x443 (stc4)
//   ├─ ComboBox (the folder's name)   0x471 (cmb2)
//   ├─ SHELLDLL_DefView               0x461 (lst2)
//   │  └─ SysListView32               1      the folder's entries: folders, then files
//   ├─ Static "File &name:"          0x442 (stc3)
//   ├─ ComboBoxEx32                   0x47C (cmb13)
//   │  └─ ComboBox
//   │     └─ Edit                           the file name
//   ├─ Static "Files of &type:"      0x441 (stc2)
//   ├─ ComboBox "All Files (*.*)"     0x470 (cmb1)
//   ├─ Button "&Open"                 IDOK
//   └─ Button "Cancel"                IDCANCEL
//
// Selecting a file in the list puts its name in the file-name box; a double-click on a
// file, or Open with a file's name in the box, chooses it; on a folder either opens the
// folder. A name that is neither leaves the dialog open, as the system's does for a file
// that must exist. Cancel or closing the window (at any moment) answers Cancel.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "page_dialog_window.h"

namespace mshtml {

constexpr char kFileChooserTitle[] = "Choose file";
constexpr int kLookInLabelId = 0x443;
constexpr int kLookInComboId = 0x471;
constexpr int kShellViewId = 0x461;
constexpr int kFileListId = 1;
constexpr int kFileNameLabelId = 0x442;
constexpr int kFileNameComboId = 0x47C;
constexpr int kFileTypeLabelId = 0x441;
constexpr int kFileTypeComboId = 0x470;

class FileChooserWindow : public PageDialogWindow {
 public:
  // accepted: a file was chosen, `path` its full path.
  using Answered = std::function<void(bool accepted, const std::string& path)>;

  // Creates and shows the dialog on the calling (browser) thread, showing `folder`.
  // `answered` may run before the constructor returns (closed while being made).
  FileChooserWindow(HWND owner, const std::string& folder, Answered answered);
  ~FileChooserWindow() override;
  FileChooserWindow(const FileChooserWindow&) = delete;
  FileChooserWindow& operator=(const FileChooserWindow&) = delete;

  bool valid() const { return dialog_ != nullptr; }
  HWND window() const override { return dialog_; }
  const std::string& folder() const { return folder_; }

  // The folder a chooser for a field holding `value` opens at: the folder of that file
  // when it exists, else `pageFolder` when it exists, else the current directory.
  static std::string startFolder(const std::string& value, const std::string& pageFolder);

 private:
  struct Entry {
    std::string name;
    bool folder;
  };
  static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK shellViewProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam);
  static bool registerShellViewClass();
  void createChildren();
  void showFolder(const std::string& folder);
  int selectedEntry() const;
  // A file is chosen, a folder opened; false when `name` is neither.
  bool openName(const std::string& name);
  void onListNotify(const NMHDR& header);
  void answer(bool accepted, const std::string& path);

  HWND owner_ = nullptr;
  HWND dialog_ = nullptr;
  HWND lookIn_ = nullptr;
  HWND list_ = nullptr;
  HWND nameEdit_ = nullptr;
  std::string folder_;
  std::vector<Entry> entries_;
  Answered answered_;
  bool done_ = false;
  bool ownerDisabled_ = false;
};

}  // namespace mshtml
