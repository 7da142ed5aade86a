// SetTextBox on an extended combo box whose inner controls are not the usual combo box
// and edit: each shape gives its own word, its message, and a trace line as written.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "common/trace_log.h"
#include "dialogs/control_actions.h"
#include "dialogs/window_control_state.h"

namespace {

constexpr char kTitle[] = "Control actions probe";
constexpr int kComboExId = 7;

class ControlActionsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    tracePath_ = (std::filesystem::temp_directory_path() / "control_actions_test.log").string();
    ASSERT_TRUE(startTraceLog(tracePath_.c_str()));
  }
  void SetUp() override {
    dialog_ = CreateWindowExA(0, "Static", kTitle, WS_OVERLAPPED, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, dialog_);
    // A list-only combo box holds no edit.
    comboEx_ = CreateWindowExA(0, "ComboBoxEx32", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 0, 200, 100, dialog_,
                               reinterpret_cast<HMENU>(kComboExId), nullptr, nullptr);
    ASSERT_NE(nullptr, comboEx_);
  }
  void TearDown() override { DestroyWindow(dialog_); }

  static std::string setTextBoxOnComboEx(std::string& printed) {
    EXPECT_TRUE(targetWindowTitled(kTitle));
    windowControlState().setControlArgs("ComboBoxEx32", std::to_string(kComboExId));
    testing::internal::CaptureStdout();
    const std::string word = setTextBox("C:\\picture.png");
    printed = testing::internal::GetCapturedStdout();
    return word;
  }
  static std::string traceText() {
    std::ifstream in(tracePath_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  static std::string tracePath_;
  HWND dialog_ = nullptr;
  HWND comboEx_ = nullptr;
};

std::string ControlActionsTest::tracePath_;

TEST_F(ControlActionsTest, AnExtendedComboBoxWithoutItsEditBelowIsRefused) {
  std::string printed;
  const HWND combo = GetWindow(comboEx_, GW_CHILD);
  ASSERT_NE(nullptr, combo);
  ASSERT_EQ(nullptr, GetWindow(combo, GW_CHILD));
  EXPECT_EQ("ERROR_CONTROL_REFERENCE_CHNF", setTextBoxOnComboEx(printed));
  EXPECT_EQ("Reference for the given Control Child's child was NULL\n", printed);

  // Something else below the combo box: refused with a trace line that, like the other
  // lines written without a line end, runs on into the next one.
  ASSERT_NE(nullptr, CreateWindowExA(0, "Static", "Name:", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, combo, nullptr,
                                     nullptr, nullptr));
  EXPECT_EQ("ERROR_CONTROL_REFERENCE_MISMATCH", setTextBoxOnComboEx(printed));
  EXPECT_EQ("", printed);
  const std::string log = traceText();
  const std::string line = "Given Control Child's child was not an Edit Control";
  ASSERT_GE(log.size(), line.size());
  EXPECT_EQ(line, log.substr(log.size() - line.size())) << log;

  DestroyWindow(combo);
  EXPECT_EQ("ERROR_CONTROL_REFERENCE_CHNF", setTextBoxOnComboEx(printed));
  EXPECT_EQ("Reference for the given Control child was NULL\n", printed);
}

}  // namespace
