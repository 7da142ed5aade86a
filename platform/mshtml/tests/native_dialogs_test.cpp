// The page's dialogs as native windows (script dialogs and the file chooser), read and
// operated the way native window code does it (EnumChildWindows, GetClassName,
// GetDlgCtrlID, window texts, list-view messages through the browser's process
// memory); closing them at any step of their making; and the user's actions that raise
// them while a recorder's sinks are advised.
#include "event_log.h"

#include <testbed/internet_explorer.h>

#include <atomic>
#include <chrono>
#include <commctrl.h>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

namespace mshtml_test {
namespace {

struct Child {
  std::string className;
  int id;
  std::string text;
  bool operator==(const Child&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Child& child) {
  return out << child.className << " " << child.id << " \"" << child.text << "\"";
}

BOOL CALLBACK collectChild(HWND child, LPARAM into) {
  char className[64] = {};
  char text[260] = {};
  GetClassNameA(child, className, sizeof className);
  GetWindowTextA(child, text, sizeof text);
  reinterpret_cast<std::vector<Child>*>(into)->push_back({className, GetDlgCtrlID(child), text});
  return TRUE;
}

std::vector<Child> childrenOf(HWND window) {
  std::vector<Child> children;
  EnumChildWindows(window, &collectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

std::string textOf(HWND window) {
  char text[260] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// How native code finds a control: the first descendant of that class whose id, as
// decimal text, is the one asked for.
struct ControlSearch {
  std::string className;
  std::string id;
  HWND found = nullptr;
};

BOOL CALLBACK matchControl(HWND child, LPARAM search) {
  auto* wanted = reinterpret_cast<ControlSearch*>(search);
  char className[4096] = {};
  GetClassNameA(child, className, sizeof className);
  if (wanted->className != className || std::to_string(GetDlgCtrlID(child)) != wanted->id) return TRUE;
  wanted->found = child;
  return FALSE;
}

HWND findControl(HWND dialog, const std::string& className, const std::string& id) {
  ControlSearch search{className, id};
  EnumChildWindows(dialog, &matchControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A document sink that only counts: with it advised, every page event is carried to the
// test thread and the browser serves other calls while it waits, as with a recorder.
class CountingDocumentSink : public EventLog {
 public:
  std::atomic<int> calls{0};
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (IsEqualIID(riid, DIID_HTMLDocumentEvents2)) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    return EventLog::QueryInterface(riid, out);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    ++calls;
    return S_OK;
  }
};

const char kPage[] = R"PAGE(<html><head><title>Dialogs</title></head><body>
<input type="button" id="warn" value="Warn" onclick="alert('Careful'); document.title = 'warned'">
<input type="button" id="ask" value="Ask" onclick="document.title = confirm('Sure?') ? 'yes' : 'no'">
<input type="button" id="name" value="Name"
 onclick="var n = prompt('Your name', 'nobody'); document.title = n === null ? 'none' : 'name ' + n">
</body></html>)PAGE";

class ScriptDialogsTest : public BrowserTest {
 protected:
  void SetUp() override {
    BrowserTest::SetUp();
    load(page("dialogs.html", kPage));
  }
  // The user acts from a thread of their own while this thread serves what is carried
  // to it; answers how long the script took.
  std::chrono::milliseconds act(const std::string& script) {
    std::atomic<bool> done{false};
    testbed::ie::ActionResult result;
    const auto started = std::chrono::steady_clock::now();
    std::thread user([&] {
      result = testbed::ie::run(browser_.get(), script);
      done = true;
    });
    const bool finished = pumpUntil([&] { return done.load(); }, 20000);
    user.join();
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    EXPECT_TRUE(finished);
    EXPECT_TRUE(result) << result.message;
    return took;
  }
  std::string title() {
    Bstr text;
    document()->get_title(text.out());
    return text.text();
  }
  HWND frontDialog() { return testbed::ie::frontDialog(browser_.get()); }
};

TEST_F(ScriptDialogsTest, EachDialogIsLaidOutAsInternetExplorerShowsIt) {
  act("click #warn");
  HWND alert = frontDialog();
  ASSERT_TRUE(alert);
  char className[64] = {};
  GetClassNameA(alert, className, sizeof className);
  EXPECT_STREQ(className, "#32770");
  EXPECT_EQ(textOf(alert), "Microsoft Internet Explorer");
  EXPECT_EQ(childrenOf(alert),
            (std::vector<Child>{{"Button", IDOK, "OK"}, {"Static", 0x14, ""}, {"Static", 0xFFFF, "Careful"}}));
  // The message is the Static with id 65535, found first by a class-and-id search.
  EXPECT_EQ(textOf(findControl(alert, "Static", "65535")), "Careful");
  act("dialog OK");
  EXPECT_TRUE(pumpUntil([&] { return title() == "warned"; }));

  act("click #ask");
  HWND confirm = frontDialog();
  ASSERT_TRUE(confirm);
  EXPECT_EQ(textOf(confirm), "Microsoft Internet Explorer");
  EXPECT_EQ(childrenOf(confirm), (std::vector<Child>{{"Button", IDOK, "OK"},
                                                      {"Button", IDCANCEL, "Cancel"},
                                                      {"Static", 0x14, ""},
                                                      {"Static", 0xFFFF, "Sure?"}}));
  act("dialog Cancel");
  EXPECT_TRUE(pumpUntil([&] { return title() == "no"; }));

  act("click #name");
  HWND prompt = frontDialog();
  ASSERT_TRUE(prompt);
  EXPECT_EQ(textOf(prompt), "Explorer User Prompt");
  EXPECT_EQ(childrenOf(prompt), (std::vector<Child>{{"Button", IDOK, "OK"},
                                                     {"Button", IDCANCEL, "Cancel"},
                                                     {"Edit", 0x3EB, "nobody"},
                                                     {"Static", 0x3EC, "Script Prompt:"},
                                                     {"Static", 0xFFFF, "Your name"}}));
  // The Edit's label is its last sibling: the message.
  HWND edit = findControl(prompt, "Edit", "1003");
  ASSERT_TRUE(edit);
  EXPECT_EQ(textOf(GetWindow(edit, GW_HWNDLAST)), "Your name");
  act("dialog OK Zoe");
  EXPECT_TRUE(pumpUntil([&] { return title() == "name Zoe"; }));
}

TEST_F(ScriptDialogsTest, ADialogRaisedByAClickEndsTheActionAtOnceWhileSinksAreAdvised) {
  Ref<CountingDocumentSink> sink(new CountingDocumentSink);
  Ref<IHTMLDocument2> doc = document();
  Connection connection(doc.get(), DIID_HTMLDocumentEvents2, sink.get());
  ASSERT_EQ(connection.result(), S_OK);
  const auto took = act("click #warn\ndialog OK");
  EXPECT_TRUE(pumpUntil([&] { return title() == "warned"; }));
  EXPECT_GT(sink->calls.load(), 0);
  EXPECT_LT(took, std::chrono::milliseconds(1000));
}

// Closes the dialog being made when the window creation numbered `step` (0: the dialog
// itself, then its children in order) is announced to the CBT hook, as a recorder that
// dismisses every new dialog does.
struct CloseAtStep {
  static inline std::atomic<int> step{-1};
  static inline std::atomic<bool> closed{false};
  static inline int seen = 0;  // the browser thread's own
  static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      auto* creating = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
      const HWND window = reinterpret_cast<HWND>(wParam);
      const bool dialog = creating->lpcs->lpszClass && std::string(creating->lpcs->lpszClass) == "#32770";
      if (dialog) seen = 0;
      if (dialog || seen > 0) {
        if (seen == step && !closed) {
          closed = true;
          SendMessageA(dialog ? window : creating->lpcs->hwndParent, WM_CLOSE, 0, 0);
        }
        ++seen;
      }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
};

TEST_F(ScriptDialogsTest, ADialogClosedAtAnyStepOfItsMakingAnswersAndThePageGoesOn) {
  struct Case {
    const char* button;
    const char* answered;  // the title the page sets on a close
    int windows;           // the dialog and its children
  };
  const Case cases[] = {{"#warn", "warned", 4}, {"#ask", "no", 5}, {"#name", "none", 6}};
  HHOOK hook = SetWindowsHookExA(WH_CBT, &CloseAtStep::hook, nullptr, 0);
  ASSERT_TRUE(hook);
  for (const Case& c : cases) {
    for (int step = 0; step < c.windows; ++step) {
      SCOPED_TRACE(std::string(c.button) + " closed at step " + std::to_string(step));
      CloseAtStep::step = step;
      CloseAtStep::closed = false;
      act(std::string("click ") + c.button);
      EXPECT_TRUE(CloseAtStep::closed);
      EXPECT_TRUE(pumpUntil([&] { return title() == c.answered; }));
      EXPECT_TRUE(pumpUntil([&] { return frontDialog() == nullptr; }));
      CloseAtStep::step = -1;
      act("click #warn");  // the page still takes input and raises dialogs
      ASSERT_TRUE(frontDialog());
      act("dialog OK");
      ASSERT_TRUE(pumpUntil([&] { return title() == "warned"; }));
      document()->put_title(Bstr("Dialogs").get());
    }
  }
  UnhookWindowsHookEx(hook);
}

// What native code does with the file list of a dialog in the browser's process: reads
// every item's text and position through blocks allocated there.
class RemoteList {
 public:
  explicit RemoteList(HWND list) : list_(list) {
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    process_ = OpenProcess(0x1F0FFF, FALSE, processId);
    if (!process_) return;
    record_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, 40, MEM_COMMIT, PAGE_EXECUTE_READWRITE));
    text_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, 512, MEM_COMMIT, PAGE_EXECUTE_READWRITE));
    point_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, 8, MEM_COMMIT, PAGE_EXECUTE_READWRITE));
  }
  ~RemoteList() {
    for (char* block : {record_, text_, point_}) {
      if (block) VirtualFreeEx(process_, block, 0, MEM_RELEASE);
    }
    if (process_) CloseHandle(process_);
  }
  RemoteList(const RemoteList&) = delete;
  RemoteList& operator=(const RemoteList&) = delete;
  bool ready() const { return record_ && text_ && point_; }

  std::vector<std::string> texts() {
    std::vector<std::string> names;
    const auto count = static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) names.push_back(text(i));
    return names;
  }
  std::string text(int index) {
    LVITEMA item{};
    item.pszText = text_;
    item.cchTextMax = 512;
    WriteProcessMemory(process_, record_, &item, sizeof item, nullptr);
    SendMessageA(list_, LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(record_));
    char name[512] = {};
    ReadProcessMemory(process_, text_, name, sizeof name - 1, nullptr);
    return name;
  }
  // Selects the item with this text and double-clicks it; false when there is none.
  bool doubleClick(const std::string& wanted) {
    const auto count = static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      if (text(i) != wanted) continue;
      SendMessageA(list_, LVM_GETITEMPOSITION, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(point_));
      int32_t xy[2] = {};
      ReadProcessMemory(process_, point_, xy, sizeof xy, nullptr);
      LVITEMA item{};
      item.state = LVIS_SELECTED;
      item.stateMask = LVIS_SELECTED;
      WriteProcessMemory(process_, record_, &item, sizeof item, nullptr);
      SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(record_));
      const LPARAM at = MAKELPARAM(xy[0], xy[1]);
      SendMessageA(list_, WM_LBUTTONDOWN, 0, at);
      SendMessageA(list_, WM_LBUTTONUP, 0, at);
      SendMessageA(list_, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
      SendMessageA(list_, WM_LBUTTONUP, 0, at);
      return true;
    }
    return false;
  }

 private:
  HWND list_;
  HANDLE process_ = nullptr;
  char* record_ = nullptr;
  char* text_ = nullptr;
  char* point_ = nullptr;
};

const char kUploadPage[] = R"PAGE(<html><head><title>Upload</title></head><body>
<input type="file" id="upload" name="upload"
 onpropertychange="if (event.propertyName == 'value') document.title = this.value">
</body></html>)PAGE";

class FileChooserTest : public ScriptDialogsTest {
 protected:
  void SetUp() override {
    BrowserTest::SetUp();
    for (const char* name : {"b.txt", "A.html"}) std::ofstream(folder_ / name) << "x";
    std::filesystem::create_directories(folder_ / "sub");
    std::ofstream(folder_ / "sub" / "inner.txt") << "x";
    load(page("upload.html", kUploadPage));
  }
};

TEST_F(FileChooserTest, TheChooserIsLaidOutAsInternetExplorerOpensItAndListsItsFolder) {
  act("click #upload");
  HWND chooser = frontDialog();
  ASSERT_TRUE(chooser);
  char className[64] = {};
  GetClassNameA(chooser, className, sizeof className);
  EXPECT_STREQ(className, "#32770");
  EXPECT_EQ(textOf(chooser), "Choose file");
  SHANDLE_PTR frame = 0;
  browser_->get_HWND(&frame);
  EXPECT_EQ(GetParent(chooser), reinterpret_cast<HWND>(frame));  // owned by the frame
  EXPECT_EQ(childrenOf(chooser), (std::vector<Child>{{"Static", 0x443, "Look &in:"},
                                                      {"ComboBox", 0x471, folder_.filename().string()},
                                                      {"SHELLDLL_DefView", 0x461, ""},
                                                      {"SysListView32", 1, "FolderView"},
                                                      {"Static", 0x442, "File &name:"},
                                                      {"ComboBoxEx32", 0x47C, ""},
                                                      {"ComboBox", 0x47C, ""},
                                                      {"Edit", 1001, ""},
                                                      {"Static", 0x441, "Files of &type:"},
                                                      {"ComboBox", 0x470, "All Files (*.*)"},
                                                      {"Button", IDOK, "&Open"},
                                                      {"Button", IDCANCEL, "Cancel"}}));
  // The file name box: ComboBoxEx32, its ComboBox, that one's Edit; labelled by the
  // window before it.
  HWND nameBox = findControl(chooser, "ComboBoxEx32", "1148");
  ASSERT_TRUE(nameBox);
  HWND combo = GetWindow(nameBox, GW_CHILD);
  ASSERT_TRUE(combo);
  HWND edit = GetWindow(combo, GW_CHILD);
  ASSERT_TRUE(edit);
  char editClass[16] = {};
  GetClassNameA(edit, editClass, sizeof editClass);
  EXPECT_STREQ(editClass, "Edit");
  EXPECT_EQ(textOf(GetWindow(nameBox, GW_HWNDPREV)), "File &name:");
  HWND types = findControl(chooser, "ComboBox", "1136");
  ASSERT_TRUE(types);
  EXPECT_EQ(1, SendMessageA(types, CB_GETCOUNT, 0, 0));
  EXPECT_EQ(0, SendMessageA(types, CB_GETCURSEL, 0, 0));
  char type[64] = {};
  SendMessageA(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(type));
  EXPECT_STREQ(type, "All Files (*.*)");

  // The list shows the page's folder, its folders first, read as another process would.
  HWND list = findControl(chooser, "SysListView32", "1");
  ASSERT_TRUE(list);
  RemoteList remote(list);
  ASSERT_TRUE(remote.ready());
  EXPECT_EQ(4, SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  EXPECT_EQ(remote.texts(), (std::vector<std::string>{"sub", "A.html", "b.txt", "upload.html"}));
  act("dialog Cancel");
  EXPECT_TRUE(pumpUntil([&] { return frontDialog() == nullptr; }));
  EXPECT_EQ(title(), "Upload");
}

TEST_F(FileChooserTest, AFileChosenThroughTheDialogLandsInTheField) {
  // A double-click on a file in the list chooses it.
  act("click #upload");
  HWND chooser = frontDialog();
  ASSERT_TRUE(chooser);
  {
    RemoteList remote(findControl(chooser, "SysListView32", "1"));
    ASSERT_TRUE(remote.ready());
    EXPECT_FALSE(remote.doubleClick("missing.txt"));
    ASSERT_TRUE(remote.doubleClick("b.txt"));
  }
  const std::string chosen = (folder_ / "b.txt").string();
  EXPECT_TRUE(pumpUntil([&] { return title() == chosen; })) << title();
  EXPECT_TRUE(pumpUntil([&] { return frontDialog() == nullptr; }));

  // The next chooser opens at that file's folder; a double-click on a folder opens it,
  // and a name typed into the file name box is chosen with Open.
  act("click #upload");
  chooser = frontDialog();
  ASSERT_TRUE(chooser);
  {
    RemoteList remote(findControl(chooser, "SysListView32", "1"));
    ASSERT_TRUE(remote.doubleClick("sub"));
    EXPECT_EQ(remote.texts(), (std::vector<std::string>{"inner.txt"}));
    EXPECT_EQ(frontDialog(), chooser);
  }
  HWND nameBox = findControl(chooser, "ComboBoxEx32", "1148");
  ASSERT_TRUE(nameBox);
  HWND edit = GetWindow(GetWindow(nameBox, GW_CHILD), GW_CHILD);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("nothing-here.txt"));
  HWND open = findControl(chooser, "Button", "1");
  ASSERT_TRUE(open);
  SendMessageA(open, WM_LBUTTONDOWN, 0, 0);
  SendMessageA(open, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(frontDialog(), chooser) << "a file that does not exist is not chosen";
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("inner.txt"));
  SendMessageA(open, WM_LBUTTONDOWN, 0, 0);
  SendMessageA(open, WM_LBUTTONUP, 0, 0);
  const std::string inner = (folder_ / "sub" / "inner.txt").string();
  EXPECT_TRUE(pumpUntil([&] { return title() == inner; })) << title();

  // Cancel, or closing the window, leaves the field as it was and the page goes on.
  act("click #upload\ndialog Cancel");
  act("click #upload");
  ASSERT_TRUE(frontDialog());
  SendMessageA(frontDialog(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(pumpUntil([&] { return frontDialog() == nullptr; }));
  EXPECT_EQ(title(), inner);
  // The user script answers it by its buttons, typing into the file name box.
  act("click #upload\ndialog open " + chosen);
  EXPECT_TRUE(pumpUntil([&] { return title() == chosen; })) << title();
}

// An answered dialog is gone before the user's next action: the next click must not
// find the page still held by it.
TEST_F(FileChooserTest, TheNextActionAfterAnAnswerFindsNoDialog) {
  for (int round = 0; round < 10; ++round) {
    act("click #upload\ndialog Cancel\nclick #upload\ndialog Cancel");
    EXPECT_EQ(nullptr, frontDialog()) << "round " << round;
  }
}

}  // namespace
}  // namespace mshtml_test
