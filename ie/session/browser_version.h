// The installed Internet Explorer version, as the registry gives it, and the check that
// refuses versions before 6.
#pragma once

#include <string>

// Reads the major and minor numbers of the "Version" value; 0 when read, else 644 (key
// not opened), 645 (value not read) or 650 (no full stop in it).
int readBrowserVersion(int& major, int& minor);

// "major.minor", "0.0" when the version cannot be read.
std::string browserVersionText();

// The check run before a launch: traces the version and shows a message box when it is
// too old (returns false with the box's answer in `answer`) or unreadable (goes on).
bool checkBrowserVersion(int& answer);
