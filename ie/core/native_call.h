// How every native of the host classes runs its work. A host may call any native from
// any thread of its own (a new thread, a thread of a pool), so COM is initialised here,
// on the calling thread, in the single-threaded apartment model before the work touches
// a browser object; repeating it on a thread that has it already is harmless. Nothing
// the work throws crosses into Java: the native answers `failed` instead.
#pragma once

#include <objbase.h>

#include <utility>

#include "common/trace_log.h"

template <class Result, class Work>
Result nativeCall(Result failed, Work&& work) noexcept {
  try {
    CoInitialize(nullptr);
    return std::forward<Work>(work)();
  } catch (...) {
    trace("Native call failed\n");
    return failed;
  }
}

template <class Work>
void nativeCall(Work&& work) noexcept {
  try {
    CoInitialize(nullptr);
    std::forward<Work>(work)();
  } catch (...) {
    trace("Native call failed\n");
  }
}
