// do_GetService (Gecko 1.7 nsServiceManagerUtils.h).
#pragma once

#include "nsCOMPtr.h"
#include "nsIServiceManager.h"

class NS_COM nsGetServiceByContractID final : public nsCOMPtr_helper {
 public:
  nsGetServiceByContractID(const char* aContractID, nsresult* aErrorPtr)
      : mContractID(aContractID), mErrorPtr(aErrorPtr) {}
  nsresult operator()(const nsIID& aIID, void** aResult) const override;

 private:
  const char* mContractID;
  nsresult* mErrorPtr;
};

class NS_COM nsGetServiceByCID final : public nsCOMPtr_helper {
 public:
  nsGetServiceByCID(const nsCID& aCID, nsresult* aErrorPtr) : mCID(aCID), mErrorPtr(aErrorPtr) {}
  nsresult operator()(const nsIID& aIID, void** aResult) const override;

 private:
  const nsCID& mCID;
  nsresult* mErrorPtr;
};

inline const nsGetServiceByContractID do_GetService(const char* aContractID, nsresult* error = 0) {
  return nsGetServiceByContractID(aContractID, error);
}
inline const nsGetServiceByCID do_GetService(const nsCID& aCID, nsresult* error = 0) {
  return nsGetServiceByCID(aCID, error);
}

template <class DestinationType>
inline nsresult CallGetService(const char* aContractID, DestinationType** aDestination) {
  return nsGetServiceByContractID(aContractID, nullptr)(NS_GET_IID(DestinationType),
                                                        reinterpret_cast<void**>(aDestination));
}
