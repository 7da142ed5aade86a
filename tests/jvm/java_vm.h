// The JVM of a test program, started once with the host classes on its class path.
// Tests call the real natives through it, as the Java host does.
#pragma once

#include <jni.h>

#include <string>

namespace testjvm {

// The environment of the calling thread (attached on first use); starts the JVM first
// when needed. Fails the test and returns null when the JVM cannot start.
JNIEnv* env();

// Loads build/lib/lib<name>.so into the JVM for the host classes (System.load).
void loadLibrary(const std::string& name);

// A new instance of a host class by its binary name ("com/corvalen/.../MozCompInstaller"),
// as a global reference.
jobject newObject(const char* className);

std::string toUtf8(jstring text);
// Fails the test (with the exception's text) and clears it when one is pending.
void expectNoException(const char* what);

// The next callback recorded by a host object's CallbackRecorder, as "method:text";
// empty when none arrives within `timeoutMillis`.
std::string nextCallback(jobject hostObject, long timeoutMillis);

}  // namespace testjvm
