#include "playback/handler_call.h"

void invokeHandler(IDispatch* handler) {
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  Variant result;
  constexpr LCID kUserDefaultLocale = 0x400;
  handler->Invoke(0, IID_NULL, kUserDefaultLocale, DISPATCH_METHOD, &none, result.get(), nullptr, nullptr);
}
