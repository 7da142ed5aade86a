// nsIDOMParser (Gecko 1.7 extensions/xmlextras/base/public/nsIDOMParser.idl).
#pragma once

#include "domstubs.h"

class nsIInputStream;
class nsIURI;

#define NS_IDOMPARSER_IID \
  { 0x4f45513e, 0x55e5, 0x411c, { 0xa8, 0x44, 0xe8, 0x99, 0x05, 0x70, 0x26, 0xc1 } }

#define NS_DOMPARSER_CID \
  { 0x3a8a3a50, 0x512c, 0x11d4, { 0x9a, 0x54, 0x00, 0x00, 0x64, 0x65, 0x73, 0x74 } }
#define NS_DOMPARSER_CONTRACTID "@mozilla.org/xmlextras/domparser;1"

class NS_NO_VTABLE nsIDOMParser : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMPARSER_IID)
  NS_IMETHOD ParseFromString(const PRUnichar* str, const char* contentType, nsIDOMDocument** _retval) = 0;
  NS_IMETHOD ParseFromBuffer(const PRUint8* buf, PRUint32 bufLen, const char* contentType,
                             nsIDOMDocument** _retval) = 0;
  NS_IMETHOD ParseFromStream(nsIInputStream* stream, const char* charset, PRInt32 contentLength,
                             const char* contentType, nsIDOMDocument** _retval) = 0;
  NS_IMETHOD GetBaseURI(nsIURI** aBaseURI) = 0;
  NS_IMETHOD SetBaseURI(nsIURI* aBaseURI) = 0;

 protected:
  ~nsIDOMParser() = default;
};
