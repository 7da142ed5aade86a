// The six plain exports of skerrow (caller-cleans-stack, undecorated), which the JNI
// natives call and a native host may call directly.
#pragma once

#include <windows.h>

// The library is built with hidden symbols (Linux) and an explicit export table
// (Windows): only what carries this mark is exported.
#ifdef _WIN32
#define SKERROW_EXPORT extern "C" __declspec(dllexport)
#else
#define SKERROW_EXPORT extern "C" __attribute__((visibility("default")))
#endif

SKERROW_EXPORT int LaunchBrowser(int attach);
SKERROW_EXPORT void StartRecording(int relaunch);
SKERROW_EXPORT void StopRecording();
SKERROW_EXPORT void SelectCheckPoint(int checkPointType);
SKERROW_EXPORT void DisableCheckPointMode();
SKERROW_EXPORT void Quit();
