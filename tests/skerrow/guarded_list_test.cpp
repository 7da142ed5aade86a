// The property lists whose building may throw: the person is told in a message box on
// the calling thread, and the list built so far is kept.
#include "playback/guarded_list.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

// Answers the first "ERROR" box that comes up with OK, keeping its text; this program
// runs without an automatic answer, so the box stays until then.
class BoxAnswerer {
 public:
  BoxAnswerer()
      : thread_([this] {
          const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
          while (std::chrono::steady_clock::now() < until) {
            // The box is found as soon as it exists; its text and visibility come after.
            const HWND box = FindWindowA("#32770", "ERROR");
            char text[64] = {};
            if (box != nullptr && IsWindowVisible(box) && GetWindowTextA(GetDlgItem(box, 0xFFFF), text, sizeof text) > 0) {
              text_ = text;
              seen_ = true;
              PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
              return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
          }
        }) {}
  ~BoxAnswerer() {
    if (thread_.joinable()) thread_.join();
  }
  std::string text() {
    if (thread_.joinable()) thread_.join();
    return text_;
  }
  bool seen() const { return seen_; }

 private:
  std::atomic<bool> seen_{false};
  std::string text_;
  std::thread thread_;
};

TEST(GuardedList, AThrowShowsTheBoxAndKeepsThePairsBuiltSoFar) {
  unsetenv("PLATFORM_MESSAGEBOX_ANSWER");  // read at the first box: this test answers it
  BoxAnswerer answerer;
  PropertyPairs pairs;
  buildGuarded(pairs, [](PropertyPairs& out) {
    out.emplace_back("name", "customer");
    out.emplace_back("id", "NONE");
    throw std::runtime_error("a property read failed");
  });
  EXPECT_EQ("Exception in QI", answerer.text());
  EXPECT_EQ("name:,:customer:;:id:,:NONE", scriptline::joinPairs(pairs));

  PropertyPairs none;
  BoxAnswerer second;
  buildGuarded(none, [](PropertyPairs&) { throw 42; });
  EXPECT_EQ("Exception in QI", second.text());
  EXPECT_TRUE(none.empty()) << "a throw before the first pair leaves an empty list";
}

TEST(GuardedList, NoBoxWithoutAThrow) {
  PropertyPairs pairs;
  buildGuarded(pairs, [](PropertyPairs& out) { out.emplace_back("type", "text"); });
  EXPECT_EQ("type:,:text", scriptline::joinPairs(pairs));
  EXPECT_EQ(nullptr, FindWindowA("#32770", "ERROR"));
}

}  // namespace
