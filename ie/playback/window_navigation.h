// Moving playback between browser windows and frames, closing windows and using the
// browser's toolbar.
#pragma once

#include <mshtml.h>

#include <string>

// "eq": the text; "sw": its first n characters; "ew": its last n; otherwise "".
std::string cutText(const std::string& text, const std::string& condition, size_t n);

// Makes the document of the window or frame with this name and title current, retrying
// every four seconds within maxTimeLimit, then waits for its page.
std::string setWindow(const std::string& windowName, const std::string& windowTitle, const std::string& parentTitle,
                      const std::string& conditions, int waitTime);

// Quits the first browser whose window name (or, unnamed, title) is the text, then
// waits up to ten seconds for the window to close.
std::string closeWindow(const std::string& windowNameOrTitle);

// Back, Forward, Home, Search, Refresh or Stop on the current browser.
std::string clickMainToolBarButton(const std::string& button);
