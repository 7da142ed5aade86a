/* The machine-dependent JNI definitions for 32-bit Windows, which the JDK of a Linux
 * machine does not ship. They follow the Windows JDK: natives are exported with
 * __declspec(dllexport) and called with __stdcall, jint is a 32-bit long and jlong a
 * 64-bit integer. The library is linked with --kill-at, so the JVM finds each native
 * under its plain name, without the @N stack-size suffix of __stdcall. */
#ifndef TW_WINDOWS_JNI_MD_H
#define TW_WINDOWS_JNI_MD_H

#ifndef JNIEXPORT
#define JNIEXPORT __declspec(dllexport)
#endif
#define JNIIMPORT __declspec(dllimport)
#define JNICALL __stdcall

typedef long jint;
typedef long long jlong;
typedef signed char jbyte;

#endif
