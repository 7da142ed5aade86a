// The DOM parser service (nsIDOMParser, "@mozilla.org/xmlextras/domparser;1"): XML text
// to a document read through the DOM interfaces. Its documents belong to no browser:
// they may be read from any thread, one call at a time.
#pragma once

#include "nsIDOMParser.h"
#include "nsISupportsImpl.h"

namespace gecko {

class DomParser final : public nsIDOMParser {
 public:
  DomParser() = default;

  NS_DECL_ISUPPORTS

  NS_IMETHOD ParseFromString(const PRUnichar* str, const char* contentType, nsIDOMDocument** _retval) override;
  NS_IMETHOD ParseFromBuffer(const PRUint8* buf, PRUint32 bufLen, const char* contentType,
                             nsIDOMDocument** _retval) override;
  NS_IMETHOD ParseFromStream(nsIInputStream* stream, const char* charset, PRInt32 contentLength,
                             const char* contentType, nsIDOMDocument** _retval) override;
  NS_IMETHOD GetBaseURI(nsIURI** aBaseURI) override;
  NS_IMETHOD SetBaseURI(nsIURI* aBaseURI) override;

 private:
  ~DomParser() = default;
  nsresult parse(const std::string& bytes, const char* encoding, const char* contentType, nsIDOMDocument** out);
};

}  // namespace gecko
