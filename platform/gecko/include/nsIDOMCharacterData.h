// nsIDOMCharacterData (Gecko 1.7 dom/public/idl/core/nsIDOMCharacterData.idl).
#pragma once

#include "nsIDOMNode.h"

#define NS_IDOMCHARACTERDATA_IID \
  { 0xa6cf9072, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMCharacterData : public nsIDOMNode {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMCHARACTERDATA_IID)
  NS_IMETHOD GetData(nsAString& aData) = 0;
  NS_IMETHOD SetData(const nsAString& aData) = 0;
  NS_IMETHOD GetLength(PRUint32* aLength) = 0;
  NS_IMETHOD SubstringData(PRUint32 offset, PRUint32 count, nsAString& _retval) = 0;
  NS_IMETHOD AppendData(const nsAString& arg) = 0;
  NS_IMETHOD InsertData(PRUint32 offset, const nsAString& arg) = 0;
  NS_IMETHOD DeleteData(PRUint32 offset, PRUint32 count) = 0;
  NS_IMETHOD ReplaceData(PRUint32 offset, PRUint32 count, const nsAString& arg) = 0;

 protected:
  ~nsIDOMCharacterData() = default;
};
