// How a module registers its classes: the component manager answers this interface
// (an interface of this library only), and the generic module's RegisterSelf uses it
// before calling each class's registration hook.
#pragma once

#include "nsIFactory.h"
#include "nsISupports.h"

namespace xpcom::internal {

#define XPCOM_IREGISTRAR_IID \
  { 0x2b7e61d0, 0x4c8a, 0x4f6e, { 0xa3, 0x12, 0x5d, 0x90, 0x7c, 0x1e, 0x44, 0x6b } }

class NS_NO_VTABLE Registrar : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(XPCOM_IREGISTRAR_IID)
  // Makes `factory` answer `cid` and, when given, `contractID` (which then names this class).
  NS_IMETHOD RegisterFactory(const nsCID& cid, const char* description, const char* contractID,
                             nsIFactory* factory) = 0;
  NS_IMETHOD UnregisterFactory(const nsCID& cid) = 0;

 protected:
  ~Registrar() = default;
};

}  // namespace xpcom::internal
