#include "session/browser_version.h"

#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstring>

#include "common/trace_log.h"

namespace {

constexpr int kKeyNotOpened = 644;
constexpr int kValueNotRead = 645;
constexpr int kNoFullStop = 650;

// The decimal value of the leading digits of `part` (0 when it starts with none).
int leadingNumber(const char* part) {
  int value = 0;
  for (; std::isdigit(static_cast<unsigned char>(*part)) && value < 100000000; ++part) value = value * 10 + (*part - '0');
  return value;
}

}  // namespace

int readBrowserVersion(int& major, int& minor) {
  HKEY key = nullptr;
  if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Internet Explorer", 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS)
    return kKeyNotOpened;
  char version[100] = {};
  DWORD size = sizeof version - 1;  // room for a terminating zero whatever the value holds
  const LONG result = RegQueryValueEx(key, "Version", nullptr, nullptr, reinterpret_cast<LPBYTE>(version), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return kValueNotRead;
  const char* firstStop = std::strchr(version, '.');
  if (firstStop == nullptr) return kNoFullStop;
  major = leadingNumber(version);
  // The minor number is read only when a second full stop closes it ("6.0.2800.1106");
  // a two-part version gives minor 0.
  minor = std::strchr(firstStop + 1, '.') != nullptr ? leadingNumber(firstStop + 1) : 0;
  return 0;
}

std::string browserVersionText() {
  int major = 0;
  int minor = 0;
  if (readBrowserVersion(major, minor) != 0) major = minor = 0;
  return std::to_string(major) + "." + std::to_string(minor);
}

bool checkBrowserVersion(int& answer) {
  int major = 0;
  int minor = 0;
  const int result = readBrowserVersion(major, minor);
  char text[64];
  std::snprintf(text, sizeof text, "Current IE Version=%i.%i", major, minor);
  trace("Current IE Version=%s \n", text);
  if (result == 0 && major < 6) {
    answer = MessageBox(nullptr, text, "Please Use MSIE version 6.0 or above ",
                        MB_TOPMOST | MB_ICONINFORMATION);
    return false;
  }
  if (result != 0) MessageBox(nullptr, "MSIE Version UnKnown ", "Error", MB_TOPMOST | MB_ICONERROR);
  return true;
}
