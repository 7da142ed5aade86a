// What the WindowControl natives do inside the dialog the host named, each on the
// control the latest arguments address. Results are the host's result words; failures
// the host's user should see are also written to standard output.
#pragma once

#include <windows.h>

#include <string>

inline constexpr const char* kSuccess = "SUCCESS";
inline constexpr const char* kFailed = "FAILED";
inline constexpr const char* kControlNull = "ERROR_CONTROL_REFERENCE_NULL";
inline constexpr const char* kUnknownControl = "ERROR_UNKNOWN_CONTROL";
inline constexpr const char* kControlMismatch = "ERROR_CONTROL_REFERENCE_MISMATCH";
inline constexpr const char* kChildNotFound = "ERROR_CONTROL_REFERENCE_CHNF";
inline constexpr const char* kEntryNotFound = "ERROR_CONTROL_REFERENCE_DMM";

// Makes the top-level window titled exactly `title` the target; false (and no target)
// when there is none.
bool targetWindowTitled(const std::string& title);
// Asks the target window to close; false when there is no target.
bool closeTargetWindow();

std::string checkWindowMessage(const std::string& expected);
std::string performAction();
std::string setTextBox(const std::string& text);
std::string setSelect(const std::string& entry);
std::string setAlertList(const std::string& itemText);
std::string doCheckPoint();
