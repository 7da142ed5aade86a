// Hands the found element to a worker thread that acts on it while the native returns.
// Each worker gets its own order (the action, its kind and text, and the element
// marshalled into a stream of its own), so a native called right after cannot change
// what an earlier worker has not yet taken.
#pragma once

#include <oaidl.h>

#include <string>

enum class Worker { kClick, kSetText, kOption, kMouseOver };

// Marshals targetElement for a new worker of the lowest priority and starts it.
void startWorker(Worker worker, const std::string& kind, const std::string& text = {});
