#include "frame_window.h"

#include <array>
#include <mutex>

namespace mshtml {
namespace {

constexpr char kFrameClass[] = "IEFrame";
constexpr char kDocumentViewClass[] = "Shell DocObject View";
constexpr char kServerClass[] = "Internet Explorer_Server";
constexpr char kTitleSuffix[] = " - Microsoft Internet Explorer";
constexpr int kAddressBarId = 0xA205;

struct StandardButton {
  int command;
  const char* text;
};
constexpr std::array<StandardButton, 6> kStandardButtons{{
    {kCommandBack, "Back"},
    {kCommandForward, "Forward"},
    {kCommandStop, "Stop"},
    {kCommandRefresh, "Refresh"},
    {kCommandHome, "Home"},
    {kCommandSearch, "Search"},
}};
constexpr std::array<const char*, 6> kMenuBand{{"File", "Edit", "View", "Favorites", "Tools", "Help"}};


// Each child gets IE's place in an 800 x 600 frame, so clicks land inside it.
HWND createChild(const char* className, const char* text, HWND parent, RECT place, int id = 0) {
  return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE, place.left, place.top,
                         place.right - place.left, place.bottom - place.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

HWND firstChildOfClass(HWND parent, std::string_view className) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    if (className == name) return child;
  }
  return nullptr;
}

}  // namespace

bool FrameWindow::registerFrameClass() {
  static std::once_flag once;
  static bool registered = false;
  std::call_once(once, [] {
    WNDCLASSA frameClass{};
    frameClass.lpfnWndProc = &FrameWindow::frameProc;
    frameClass.lpszClassName = kFrameClass;
    registered = RegisterClassA(&frameClass) != 0;
    // The document view and the page window only hold the page; they handle nothing.
    for (const char* plain : {kDocumentViewClass, kServerClass}) {
      WNDCLASSA plainClass{};
      plainClass.lpfnWndProc = &DefWindowProcA;
      plainClass.lpszClassName = plain;
      registered = registered && RegisterClassA(&plainClass) != 0;
    }
  });
  return registered;
}

FrameWindow::FrameWindow(FrameCommands& commands) : commands_(commands) {
  if (!registerFrameClass()) return;
  frame_ = CreateWindowExA(0, kFrameClass, titleFor("").c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, 800, 600, nullptr, nullptr, nullptr, nullptr);
  if (!frame_) return;
  SetWindowLongPtrA(frame_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

  worker_ = createChild("WorkerW", "", frame_, {0, 0, 792, 80});
  // The rebar and WorkerW pass their children's commands up to the frame.
  rebar_ = createChild(REBARCLASSNAMEA, "", worker_, {0, 0, 792, 80});
  menuBand_ = createChild(TOOLBARCLASSNAMEA, "", rebar_, {0, 0, 792, 22});
  toolbar_ = createChild(TOOLBARCLASSNAMEA, "", rebar_, {0, 24, 792, 56});
  addressBar_ = createChild(WC_COMBOBOXEXA, "", rebar_, {60, 58, 792, 80}, kAddressBarId);
  // A ComboBoxEx32 makes its own ComboBox and Edit; look them up.
  addressCombo_ = firstChildOfClass(addressBar_, "ComboBox");
  addressEdit_ = addressCombo_ ? firstChildOfClass(addressCombo_, "Edit") : nullptr;
  docView_ = createChild(kDocumentViewClass, "", frame_, {0, 82, 792, 546});
  server_ = createChild(kServerClass, "", docView_, {0, 0, 792, 464});
  addButtons();
  if (!worker_ || !rebar_ || !menuBand_ || !toolbar_ || !addressBar_ || !addressCombo_ || !addressEdit_ ||
      !docView_ || !server_) {
    destroy();
  }
}

FrameWindow::~FrameWindow() { destroy(); }

void FrameWindow::addButtons() {
  auto add = [](HWND toolbar, int command, const char* text) {
    TBBUTTON button{};
    button.iBitmap = -2;  // I_IMAGENONE: text buttons
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_BUTTON;
    button.iString = reinterpret_cast<INT_PTR>(text);
    SendMessageA(toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
  };
  if (!toolbar_ || !menuBand_) return;
  SendMessageA(menuBand_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  int menuCommand = 0xA001;
  for (const char* text : kMenuBand) add(menuBand_, menuCommand++, text);
  for (const StandardButton& button : kStandardButtons) add(toolbar_, button.command, button.text);
}

std::string FrameWindow::titleFor(std::string_view documentTitle) {
  std::string title(documentTitle);
  title += kTitleSuffix;
  return title;
}

void FrameWindow::showDocumentTitle(std::string_view title) {
  if (frame_) SetWindowTextA(frame_, titleFor(title).c_str());
}

void FrameWindow::showAddress(std::string_view url) {
  if (!addressBar_) return;
  const std::string text(url);
  // The typed or shown address becomes the selected entry of the address list.
  LRESULT index = SendMessageA(addressBar_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(text.c_str()));
  if (index == CB_ERR) {
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_TEXT;
    item.iItem = 0;
    item.pszText = const_cast<char*>(text.c_str());
    index = SendMessageA(addressBar_, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(addressBar_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  if (addressEdit_) SetWindowTextA(addressEdit_, text.c_str());
}

void FrameWindow::enterAddress(std::string_view url) {
  // As a person does it: into the address box, over what it shows, key by key; Enter
  // makes the address the list's selected entry, and the focus goes to the page (the
  // box hears that it was left) before the browser sets off.
  if (addressEdit_) {
    SetFocus(addressEdit_);
    SendMessageA(addressEdit_, EM_SETSEL, 0, -1);
    if (url.empty()) SendMessageA(addressEdit_, WM_CHAR, VK_BACK, 1);
    for (const char character : url) {
      SendMessageA(addressEdit_, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(character)), 1);
    }
  }
  showAddress(url);
  if (server_) SetFocus(server_);
  commands_.onAddressEntered(std::string(url));
}

void FrameWindow::clickToolbarButton(int command) {
  if (!rebar_ || !toolbar_) return;
  SendMessageA(rebar_, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), reinterpret_cast<LPARAM>(toolbar_));
}

void FrameWindow::destroy() {
  if (!frame_) return;
  HWND frame = frame_;
  frame_ = nullptr;
  SetWindowLongPtrA(frame, GWLP_USERDATA, 0);
  DestroyWindow(frame);
  worker_ = rebar_ = menuBand_ = toolbar_ = addressBar_ = addressCombo_ = addressEdit_ = nullptr;
  docView_ = server_ = nullptr;
}

LRESULT CALLBACK FrameWindow::frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<FrameWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self) {
    switch (message) {
      case WM_COMMAND:
        for (const StandardButton& button : kStandardButtons) {
          if (LOWORD(wParam) == button.command) {
            self->commands_.onFrameCommand(button.command);
            return 0;
          }
        }
        break;
      case WM_CLOSE:
        // Closing the frame quits the browser; the browser destroys the windows.
        self->commands_.onFrameClose();
        return 0;
      default:
        break;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace mshtml
