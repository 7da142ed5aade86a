// Calling a page's own event handler (onchange, onmouseover) the way playback does: the
// handler property read into a variant prepared as VT_DISPATCH, then IDispatch::Invoke
// of member 0 with no arguments. No event object is made and nothing bubbles.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include "com/variant.h"

// The handler read by `read` (a property getter taking a VARIANT*): S_OK and the
// handler's dispatch, or S_OK and null when there is none, or the getter's failure.
template <class Read>
HRESULT readHandler(Read&& read, Variant& handler) {
  VARIANT* slot = handler.put();
  V_VT(slot) = VT_DISPATCH;
  V_DISPATCH(slot) = nullptr;
  return read(slot);
}

inline IDispatch* handlerOf(Variant& handler) {
  return V_VT(handler.get()) == VT_DISPATCH ? V_DISPATCH(handler.get()) : nullptr;
}

// Calls the handler; its result is ignored.
void invokeHandler(IDispatch* handler);

enum class HandlerCall { kCalled, kNoHandler, kReadFailed };

template <class Read>
HandlerCall callHandler(Read&& read) {
  Variant handler;
  if (readHandler(read, handler) != S_OK) return HandlerCall::kReadFailed;
  IDispatch* function = handlerOf(handler);
  if (function == nullptr) return HandlerCall::kNoHandler;
  invokeHandler(function);
  return HandlerCall::kCalled;
}
