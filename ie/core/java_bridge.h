// The library's hold on the Java side: the VM, the peer object the callbacks go to, and
// the four callbacks. Callbacks can be made from any thread; the thread is attached to
// the VM (and stays attached).
#pragma once

#include <jni.h>

#include <string>
#include <vector>

// Saves the caller's VM, environment and a global reference to `peer`; callbacks go to
// the object of the last call that saved it.
void saveJavaPeer(JNIEnv* env, jobject peer);

// receiveEvents(String): a recorded line, or "Success" from the play loop.
void callReceiveEvents(const std::string& text);
// receiveCheckPoints(String): a checkpoint's property list.
void callReceiveCheckPoints(const std::string& text);
// getNotification(String): "All Browsers Closed".
void callGetNotification(const std::string& text);
// receiveColumnValues(String[]): the texts of a table column, handed to `caller` (the
// object whose native read them) on the calling thread, before that native returns.
// Nothing is called before a session-starting native has saved the VM.
void callReceiveColumnValues(JNIEnv* env, jobject caller, const std::vector<std::string>& values);
