// What playback does to a found element. The click, text, option and mouse-over actions
// run on a worker (action_worker.h) with the worker's own reference to the element;
// clearing a list and finding an option run on the calling thread. Actions use the
// browser's element interfaces and call the page's own handlers; they send no input.
#pragma once

#include <oaidl.h>

#include <string>

// Worker actions. Failures are only traced.
void clickWorker(IDispatch* element, const std::string& kind);
void setTextWorker(IDispatch* element, const std::string& kind, const std::string& text);
void optionWorker(IDispatch* option);
void mouseOverWorker(IDispatch* element, const std::string& kind);

// Calling-thread operations on the playback state.
// Unselects every option of selectedList.
void clearListSelection();
// Finds the option of selectedList with this text and stores it as targetElement.
std::string selectOption(const std::string& optionText);
// "SUCCESS" when targetElement has an onmouseover handler, else the error word.
std::string checkMouseOverHandler();
