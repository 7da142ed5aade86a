// Strings between Java and the libraries' byte strings in the ANSI code page.
//
// Byte strings handed to Java are converted from the code page to UTF-16, so text
// outside ASCII arrives intact (NewStringUTF on code-page bytes would corrupt it and can
// upset the VM). Java strings coming in are converted the other way.
#pragma once

#include <jni.h>

#include <string>

// A new Java string from code-page bytes; null when the VM cannot allocate it.
jstring newJavaString(JNIEnv* env, const std::string& ansi);

// The code-page bytes of a Java string (characters outside the code page become '?');
// empty for a null reference.
std::string ansiFromJava(JNIEnv* env, jstring text);

// A new String[] of code-page byte strings; null when the VM cannot allocate it.
jobjectArray newJavaStringArray(JNIEnv* env, jsize length);
