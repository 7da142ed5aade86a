#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <thread>
#include <string>
#include <vector>

#include "message_loop_thread.h"
#include "platform_internal/thread_calls.h"
#include "testbed/native_user.h"

namespace {

// Records what a test window's procedure sees.
std::vector<std::string>* journal = nullptr;

LRESULT CALLBACK recordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  char name[32] = {};
  if (message == WM_CREATE || message == WM_DESTROY) GetWindowTextA(window, name, sizeof name);
  if (journal != nullptr) {
    if (message == WM_CREATE) journal->push_back(std::string("create ") + name);
    if (message == WM_DESTROY) journal->push_back(std::string("destroy ") + name);
  }
  if (message == WM_PARENTNOTIFY && journal != nullptr) {
    char listener[32] = {};
    GetWindowTextA(window, listener, sizeof listener);
    const UINT event = LOWORD(wParam);
    std::string line = std::string(listener) + " hears " + std::to_string(event);
    if (event == WM_LBUTTONDOWN) {
      line += " at " + std::to_string(GET_X_LPARAM(lParam)) + "," + std::to_string(GET_Y_LPARAM(lParam));
    } else {
      line += " of " + std::to_string(HIWORD(wParam));
    }
    journal->push_back(line);
  }
  if (message == WM_APP) return static_cast<LRESULT>(wParam + static_cast<WPARAM>(lParam));
  if (message == WM_APP + 1) return static_cast<LRESULT>(GetCurrentThreadId());
  if (message == WM_COPYDATA) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (journal != nullptr && data->lpData != nullptr && data->cbData > 0) {
      journal->push_back("copied " + std::string(static_cast<const char*>(data->lpData), data->cbData - 1));
    }
    return static_cast<LRESULT>(data->dwData * 1000 + data->cbData);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

class WindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = recordingProcedure;
    windowClass.lpszClassName = "TestWindow";
    RegisterClassA(&windowClass);
  }
  void SetUp() override { journal = &events; }
  void TearDown() override {
    for (auto it = made.rbegin(); it != made.rend(); ++it) {
      if (IsWindow(*it)) DestroyWindow(*it);
    }
    journal = nullptr;
  }

  HWND make(const char* title, HWND parent = nullptr, int id = 0, DWORD style = WS_VISIBLE, int x = 0, int y = 0,
            int w = 100, int h = 100) {
    if (parent != nullptr && (style & WS_POPUP) == 0) style |= WS_CHILD;
    HWND window = CreateWindowExA(0, "TestWindow", title, style, x, y, w, h, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    made.push_back(window);
    return window;
  }

  std::vector<std::string> events;
  std::vector<HWND> made;
};

std::string textOf(HWND window) {
  char buffer[260] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

TEST_F(WindowTest, ClassesAreRegisteredOnceByCaseInsensitiveName) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = recordingProcedure;
  windowClass.lpszClassName = "testwindow";
  EXPECT_EQ(0, RegisterClassA(&windowClass));
  EXPECT_EQ(static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS), GetLastError());

  EXPECT_EQ(nullptr, CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS), GetLastError());

  HWND window = make("classy");
  char name[50] = {};
  EXPECT_EQ(10, GetClassNameA(window, name, sizeof name));
  EXPECT_STREQ("TestWindow", name);
  char small[5] = {};
  EXPECT_EQ(4, GetClassNameA(window, small, sizeof small));
  EXPECT_STREQ("Test", small);
  EXPECT_FALSE(UnregisterClassA("TestWindow", nullptr)) << "a window of the class exists";
  EXPECT_EQ(static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS), GetLastError());
  EXPECT_FALSE(UnregisterClassA("Button", nullptr)) << "the system's classes stay";

  WNDCLASSA passing{};
  passing.lpfnWndProc = recordingProcedure;
  passing.lpszClassName = "Passing";
  ASSERT_NE(0, RegisterClassA(&passing));
  EXPECT_TRUE(UnregisterClassA("PASSING", nullptr));
  EXPECT_NE(0, RegisterClassA(&passing)) << "free again once unregistered";
  EXPECT_TRUE(UnregisterClassA("Passing", nullptr));
}

TEST_F(WindowTest, TextThroughMessagesAndFunctions) {
  HWND window = make("ZURI Daruru");
  EXPECT_EQ("ZURI Daruru", textOf(window));
  EXPECT_EQ(11, GetWindowTextLengthA(window));
  EXPECT_EQ(11, SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
  char buffer[5] = {};
  EXPECT_EQ(4, SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)));
  EXPECT_STREQ("ZURI", buffer);
  EXPECT_TRUE(SetWindowTextA(window, "Renamed"));
  EXPECT_EQ("Renamed", textOf(window));
  EXPECT_TRUE(SetWindowTextA(window, nullptr));
  EXPECT_EQ("", textOf(window));
}

TEST_F(WindowTest, DestroySendsDestroyToTheWindowThenItsChildren) {
  HWND top = make("top");
  HWND child = make("child", top, 1);
  make("grandchild", child, 2);
  events.clear();
  EXPECT_TRUE(DestroyWindow(top));
  EXPECT_EQ((std::vector<std::string>{"destroy top", "destroy child", "destroy grandchild"}), events);
  EXPECT_FALSE(IsWindow(top));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_FALSE(DestroyWindow(top));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

TEST_F(WindowTest, WmCloseDestroysThroughDefWindowProc) {
  HWND window = make("closing");
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(WindowTest, ChildOrderSiblingsAndDialogItems) {
  HWND dialog = make("dialog");
  HWND label = make("label", dialog, 0xFFFF);
  HWND edit = make("edit", dialog, 1152);
  HWND ok = make("ok", dialog, IDOK);
  EXPECT_EQ(label, GetWindow(dialog, GW_CHILD)) << "children keep creation order";
  EXPECT_EQ(edit, GetWindow(label, GW_HWNDNEXT));
  EXPECT_EQ(label, GetWindow(edit, GW_HWNDPREV));
  EXPECT_EQ(nullptr, GetWindow(label, GW_HWNDPREV));
  EXPECT_EQ(ok, GetWindow(label, GW_HWNDLAST));
  EXPECT_EQ(label, GetWindow(ok, GW_HWNDFIRST));
  EXPECT_EQ(nullptr, GetWindow(ok, GW_CHILD));
  EXPECT_EQ(edit, GetDlgItem(dialog, 1152));
  EXPECT_EQ(1152, GetDlgCtrlID(edit));
  EXPECT_EQ(nullptr, GetDlgItem(dialog, 99));
  EXPECT_EQ(dialog, GetParent(edit));
  EXPECT_TRUE(IsChild(dialog, edit));
  EXPECT_FALSE(IsChild(edit, dialog));
}

TEST_F(WindowTest, GetParentOfAnOwnedPopupIsItsOwner) {
  HWND frame = make("IEFrame");
  HWND band = make("band", frame, 1);
  HWND popup = make("Microsoft Internet Explorer", band, 0, WS_POPUP | WS_VISIBLE);
  EXPECT_EQ(frame, GetParent(popup)) << "owned by the top-level ancestor of the parent given";
  EXPECT_EQ(frame, GetWindow(popup, GW_OWNER));
  EXPECT_EQ(nullptr, GetWindow(frame, GW_OWNER));
  HWND overlapped =
      CreateWindowExA(0, "TestWindow", "owned", WS_OVERLAPPED, 0, 0, 10, 10, frame, nullptr, nullptr, nullptr);
  made.push_back(overlapped);
  EXPECT_EQ(nullptr, GetParent(overlapped)) << "only a pop-up reports its owner";
  EXPECT_EQ(frame, GetWindow(overlapped, GW_OWNER));
  events.clear();
  DestroyWindow(frame);
  EXPECT_FALSE(IsWindow(popup)) << "owned windows go with their owner";
  EXPECT_FALSE(IsWindow(overlapped));
  const auto position = [&](const std::string& event) { return std::find(events.begin(), events.end(), event); };
  EXPECT_LT(position("destroy Microsoft Internet Explorer"), position("destroy IEFrame")) << "and before it";
}

struct Enumeration {
  std::vector<HWND> seen;
  HWND stopAt = nullptr;
};

BOOL CALLBACK collect(HWND window, LPARAM lParam) {
  auto* enumeration = reinterpret_cast<Enumeration*>(lParam);
  enumeration->seen.push_back(window);
  return window != enumeration->stopAt;
}

BOOL CALLBACK countButtons(HWND window, LPARAM lParam) {
  auto* count = reinterpret_cast<int*>(lParam);
  char name[50] = {};
  GetWindowTextA(window, name, sizeof name);
  if (std::string(name) == "button") ++*count;
  return *count;
}

TEST_F(WindowTest, EnumChildWindowsWalksParentsBeforeChildrenAndStops) {
  HWND dialog = make("dialog");
  HWND a = make("a", dialog, 1);
  HWND a1 = make("a1", a, 2);
  HWND a2 = make("a2", a, 3);
  HWND b = make("b", dialog, 4);
  HWND b1 = make("b1", b, 5);
  Enumeration all;
  EXPECT_TRUE(EnumChildWindows(dialog, collect, reinterpret_cast<LPARAM>(&all)));
  EXPECT_EQ((std::vector<HWND>{a, a1, a2, b, b1}), all.seen);

  Enumeration stopped;
  stopped.stopAt = a2;
  EXPECT_FALSE(EnumChildWindows(dialog, collect, reinterpret_cast<LPARAM>(&stopped)));
  EXPECT_EQ((std::vector<HWND>{a, a1, a2}), stopped.seen);

  Enumeration none;
  EXPECT_FALSE(EnumChildWindows(b1, collect, reinterpret_cast<LPARAM>(&none)));
  EXPECT_TRUE(none.seen.empty());
}

TEST_F(WindowTest, EnumChildWindowsReturnsTheLastCallbackResult) {
  // Counting buttons by returning the running count: the count comes back, and a
  // first child that is no button ends the walk at once.
  HWND confirm = make("confirm");
  make("button", confirm, IDOK);
  make("button", confirm, IDCANCEL);
  make("text", confirm, 0xFFFF);
  int count = 0;
  EXPECT_EQ(2, EnumChildWindows(confirm, countButtons, reinterpret_cast<LPARAM>(&count)));

  HWND alert = make("alert");
  make("text", alert, 0xFFFF);
  make("button", alert, IDOK);
  count = 0;
  EXPECT_EQ(0, EnumChildWindows(alert, countButtons, reinterpret_cast<LPARAM>(&count)));
  EXPECT_EQ(0, count);
}

TEST_F(WindowTest, FindWindowSearchesTopLevelTitlesAndClasses) {
  HWND frame = make("Microsoft Internet Explorer");
  make("Inner Title", frame, 1);
  EXPECT_EQ(frame, FindWindowA(nullptr, "Microsoft Internet Explorer"));
  EXPECT_EQ(frame, FindWindowA(nullptr, "microsoft internet explorer")) << "Windows ignores case";
  EXPECT_EQ(frame, FindWindowA("testwindow", nullptr));
  EXPECT_EQ(nullptr, FindWindowA(nullptr, "Inner Title")) << "top-level windows only";
  EXPECT_EQ(nullptr, FindWindowA("#32770", "Microsoft Internet Explorer"));
  EXPECT_EQ(nullptr, FindWindowA(nullptr, "Microsoft Internet"));
}

TEST_F(WindowTest, VisibilityEnablingAndForeground) {
  HWND top = make("top", nullptr, 0, 0);
  HWND child = make("child", top, 1);
  EXPECT_FALSE(IsWindowVisible(child)) << "a hidden parent hides its children";
  EXPECT_FALSE(ShowWindow(top, SW_SHOW));
  EXPECT_TRUE(IsWindowVisible(child));
  EXPECT_EQ(top, GetForegroundWindow()) << "showing activates";
  EXPECT_TRUE(ShowWindow(top, SW_HIDE));
  EXPECT_EQ(nullptr, GetForegroundWindow());

  EXPECT_TRUE(IsWindowEnabled(child));
  EXPECT_FALSE(EnableWindow(child, FALSE));
  EXPECT_FALSE(IsWindowEnabled(child));
  EXPECT_TRUE(EnableWindow(child, TRUE)) << "reports it was disabled";

  HWND other = make("other");
  EXPECT_TRUE(SetForegroundWindow(child));
  EXPECT_EQ(top, GetForegroundWindow()) << "the top-level ancestor comes forward";
  EXPECT_TRUE(FlashWindow(top, TRUE));
  EXPECT_FALSE(FlashWindow(other, TRUE));
  EXPECT_TRUE(BringWindowToTop(other));
  EXPECT_EQ(other, GetForegroundWindow());
}

TEST_F(WindowTest, WindowFromPointFindsTheDeepestVisibleWindow) {
  HWND top = make("top", nullptr, 0, WS_VISIBLE, 100, 100, 400, 300);
  HWND panel = make("panel", top, 1, WS_VISIBLE, 10, 10, 200, 200);
  HWND button = make("button", panel, 2, WS_VISIBLE, 20, 20, 50, 20);
  HWND hidden = make("hidden", panel, 3, 0, 100, 100, 50, 50);
  RECT rect{};
  ASSERT_TRUE(GetWindowRect(button, &rect));
  EXPECT_EQ(130, rect.left);
  EXPECT_EQ(130, rect.top);
  EXPECT_EQ(button, WindowFromPoint(POINT{135, 135}));
  EXPECT_EQ(panel, WindowFromPoint(POINT{215, 215})) << "the hidden child is passed over";
  EXPECT_EQ(top, WindowFromPoint(POINT{450, 350}));
  EXPECT_EQ(nullptr, WindowFromPoint(POINT{10, 10}));
  EnableWindow(button, FALSE);
  EXPECT_EQ(panel, WindowFromPoint(POINT{135, 135}));
  (void)hidden;
}

TEST_F(WindowTest, ParentsHearOfChildrenCreatedDestroyedAndClicked) {
  HWND dialog = make("dialog", nullptr, 0, WS_VISIBLE, 100, 100, 300, 200);
  HWND panel = make("panel", dialog, 7, WS_VISIBLE, 10, 20, 200, 100);
  events.clear();
  HWND button = CreateWindowExA(0, "Button", "OK", WS_CHILD | WS_VISIBLE, 5, 6, 50, 20, panel,
                                reinterpret_cast<HMENU>(IDOK), nullptr, nullptr);
  EXPECT_EQ((std::vector<std::string>{"panel hears 1 of 1", "dialog hears 1 of 1"}), events)
      << "WM_CREATE with the child's id, to every ancestor";

  events.clear();
  ASSERT_TRUE(testbed::native_user::click(button));
  EXPECT_EQ((std::vector<std::string>{"panel hears 513 at 30,16", "dialog hears 513 at 40,36"}), events)
      << "the press, in each ancestor's own coordinates";

  events.clear();
  DestroyWindow(button);
  EXPECT_EQ((std::vector<std::string>{"panel hears 2 of 1", "dialog hears 2 of 1"}), events);

  events.clear();
  HWND quiet = CreateWindowExA(WS_EX_NOPARENTNOTIFY, "Static", "", WS_CHILD, 0, 0, 5, 5, panel, nullptr, nullptr,
                               nullptr);
  EXPECT_TRUE(events.empty()) << "WS_EX_NOPARENTNOTIFY keeps it quiet";
  DestroyWindow(quiet);
}

TEST_F(WindowTest, TopmostWindowsStayAboveOthers) {
  HWND topmost = CreateWindowExA(WS_EX_TOPMOST, "TestWindow", "topmost", WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                 nullptr, nullptr);
  made.push_back(topmost);
  HWND later = make("later", nullptr, 0, WS_VISIBLE, 0, 0, 100, 100);
  EXPECT_EQ(topmost, WindowFromPoint(POINT{50, 50}));
  BringWindowToTop(later);
  EXPECT_EQ(topmost, WindowFromPoint(POINT{50, 50}));
  EXPECT_EQ(later, GetForegroundWindow()) << "active, yet below the topmost window";
  EXPECT_EQ(later, GetWindow(topmost, GW_HWNDNEXT));
}

TEST_F(WindowTest, PostedMessagesAreDispatchedToTheWindow) {
  HWND window = make("target");
  ASSERT_TRUE(PostMessageA(window, WM_APP, 2, 3));
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, window, 0, 0, PM_REMOVE));
  EXPECT_EQ(window, message.hwnd);
  EXPECT_EQ(5, DispatchMessageA(&message));
  DestroyWindow(window);
  EXPECT_FALSE(PostMessageA(window, WM_APP, 0, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

TEST_F(WindowTest, SendMessageAcrossThreadsRunsOnTheOwningThread) {
  HWND remote = nullptr;
  MessageLoopThread owner([&] {
    remote = CreateWindowExA(0, "TestWindow", "remote", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  });
  ASSERT_NE(nullptr, remote);
  DWORD processId = 0;
  EXPECT_EQ(owner.id(), GetWindowThreadProcessId(remote, &processId));
  EXPECT_EQ(GetCurrentProcessId(), processId);
  EXPECT_EQ(static_cast<LRESULT>(owner.id()), SendMessageA(remote, WM_APP + 1, 0, 0));
  EXPECT_EQ(42, SendMessageA(remote, WM_APP, 40, 2));
  EXPECT_EQ("remote", textOf(remote)) << "read without the owner's help";

  char payload[] = "data";
  COPYDATASTRUCT copy{0x0010, sizeof payload, payload};
  EXPECT_EQ(16005, SendMessageA(remote, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy)));
  EXPECT_FALSE(PostMessageA(remote, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy))) << "only sent, never posted";
  EXPECT_EQ(static_cast<DWORD>(ERROR_MESSAGE_SYNC_ONLY), GetLastError());

  EXPECT_FALSE(DestroyWindow(remote)) << "only the owning thread destroys a window";
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  SendMessageA(remote, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(remote));
}

// A thread that owns a window but does not pump until told to: what a busy or blocked
// receiver looks like to a sender.
TEST_F(WindowTest, SendMessageTimeoutGivesUpOnABusyReceiverWhoseProcedureStillRunsLater) {
  HWND remote = nullptr;
  HANDLE pump = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  MessageLoopThread owner([&] {
    remote = CreateWindowExA(0, "TestWindow", "remote", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  });
  // Keep the owner busy: it is inside a posted call until `pump` is set.
  ASSERT_TRUE(win32::internal::postToThread(owner.id(), [&] { WaitForSingleObject(pump, 10000); }));

  DWORD_PTR result = 7;
  {
    char payload[] = "data";  // gone once the sender has given up, as a hook's stack record is
    COPYDATASTRUCT copy{0x0010, sizeof payload, payload};
    EXPECT_EQ(0, SendMessageTimeoutA(remote, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_NORMAL, 50,
                                     &result));
    EXPECT_EQ(static_cast<DWORD>(ERROR_TIMEOUT), GetLastError());
    std::memset(payload, 'x', sizeof payload);
  }
  EXPECT_EQ(7u, result) << "no result when the time is up";
  SetEvent(pump);
  // The late message was handled from a copy of its data: the same answer as in time.
  EXPECT_NE(0, SendMessageTimeoutA(remote, WM_APP, 40, 2, SMTO_BLOCK | SMTO_ABORTIFHUNG, 5000, &result));
  EXPECT_EQ(42u, result);
  char later[] = "data";
  COPYDATASTRUCT again{0x0010, sizeof later, later};
  EXPECT_NE(0, SendMessageTimeoutA(remote, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&again), SMTO_NORMAL, 5000,
                                   &result));
  EXPECT_EQ(16005u, result);
  EXPECT_EQ((std::vector<std::string>{"create remote", "copied data", "copied data"}), events);
  EXPECT_EQ(0, SendMessageTimeoutA(nullptr, WM_APP, 0, 0, SMTO_NORMAL, 10, &result));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
  // The calling thread's own window: called directly, no wait.
  HWND local = make("local");
  EXPECT_NE(0, SendMessageTimeoutA(local, WM_APP, 1, 2, SMTO_NORMAL, 0, nullptr));
  SendMessageA(remote, WM_CLOSE, 0, 0);
  CloseHandle(pump);
}

LRESULT CALLBACK askBack(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Sends back to the window given in lParam, on the sender's thread, while the
  // sender is still waiting for this message's result.
  if (message == WM_APP + 2) return SendMessageA(reinterpret_cast<HWND>(lParam), WM_APP, wParam, 1);
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(WindowTest, SenderServesMessagesSentToItWhileWaiting) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = askBack;
  windowClass.lpszClassName = "AskBack";
  RegisterClassA(&windowClass);
  HWND local = make("local");
  HWND remote = nullptr;
  MessageLoopThread owner([&] {
    remote = CreateWindowExA(0, "AskBack", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  });
  EXPECT_EQ(11, SendMessageA(remote, WM_APP + 2, 10, reinterpret_cast<LPARAM>(local)));
}

HWND ring[4] = {};

LRESULT CALLBACK ringProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // WM_APP with a hop count: pass it on to the next window of the ring, each on its
  // own thread, and add one on the way back.
  if (message == WM_APP) {
    if (wParam == 0) return 0;
    const auto self = static_cast<size_t>(lParam);
    return 1 + SendMessageA(ring[(self + 1) % 4], WM_APP, wParam - 1, static_cast<LPARAM>((self + 1) % 4));
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(WindowTest, SendsAroundARingOfThreadsComeBack) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = ringProcedure;
  windowClass.lpszClassName = "Ring";
  RegisterClassA(&windowClass);
  std::vector<std::unique_ptr<MessageLoopThread>> threads;
  for (size_t i = 0; i < 4; ++i) {
    threads.push_back(std::make_unique<MessageLoopThread>([i] {
      ring[i] = CreateWindowExA(0, "Ring", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    }));
  }
  // Twelve hops: every thread waits in a send while the ring comes round to it again.
  EXPECT_EQ(12, SendMessageA(ring[0], WM_APP, 12, 0));
  // Two senders at once, from here and from a thread of the ring.
  LRESULT fromRing = 0;
  std::thread other([&] { fromRing = SendMessageA(ring[2], WM_APP, 9, 2); });
  EXPECT_EQ(10, SendMessageA(ring[1], WM_APP, 10, 1));
  other.join();
  EXPECT_EQ(9, fromRing);
}

TEST_F(WindowTest, WindowsOfAThreadGoWhenItEnds) {
  HWND remote = nullptr;
  {
    MessageLoopThread owner([&] {
      remote = CreateWindowExA(0, "TestWindow", "short", WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                               nullptr);
    });
    EXPECT_TRUE(IsWindow(remote));
  }
  EXPECT_FALSE(IsWindow(remote));
  EXPECT_EQ(0, SendMessageA(remote, WM_APP, 1, 1));
}

TEST_F(WindowTest, GetMessageRefusesAnUnknownWindow) {
  MSG message;
  EXPECT_EQ(-1, GetMessageA(&message, reinterpret_cast<HWND>(0x7777), 0, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

}  // namespace
