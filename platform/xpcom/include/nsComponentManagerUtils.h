// do_CreateInstance (Gecko 1.7 nsComponentManagerUtils.h).
#pragma once

#include "nsCOMPtr.h"
#include "nsIComponentManager.h"

class NS_COM nsCreateInstanceByContractID final : public nsCOMPtr_helper {
 public:
  nsCreateInstanceByContractID(const char* aContractID, nsISupports* aOuter, nsresult* aErrorPtr)
      : mContractID(aContractID), mOuter(aOuter), mErrorPtr(aErrorPtr) {}
  nsresult operator()(const nsIID& aIID, void** aResult) const override;

 private:
  const char* mContractID;
  nsISupports* mOuter;
  nsresult* mErrorPtr;
};

class NS_COM nsCreateInstanceByCID final : public nsCOMPtr_helper {
 public:
  nsCreateInstanceByCID(const nsCID& aCID, nsISupports* aOuter, nsresult* aErrorPtr)
      : mCID(aCID), mOuter(aOuter), mErrorPtr(aErrorPtr) {}
  nsresult operator()(const nsIID& aIID, void** aResult) const override;

 private:
  const nsCID& mCID;
  nsISupports* mOuter;
  nsresult* mErrorPtr;
};

inline const nsCreateInstanceByContractID do_CreateInstance(const char* aContractID, nsresult* error = 0) {
  return nsCreateInstanceByContractID(aContractID, nullptr, error);
}
inline const nsCreateInstanceByContractID do_CreateInstance(const char* aContractID, nsISupports* aOuter,
                                                            nsresult* error = 0) {
  return nsCreateInstanceByContractID(aContractID, aOuter, error);
}
inline const nsCreateInstanceByCID do_CreateInstance(const nsCID& aCID, nsresult* error = 0) {
  return nsCreateInstanceByCID(aCID, nullptr, error);
}
inline const nsCreateInstanceByCID do_CreateInstance(const nsCID& aCID, nsISupports* aOuter, nsresult* error = 0) {
  return nsCreateInstanceByCID(aCID, aOuter, error);
}

template <class DestinationType>
inline nsresult CallCreateInstance(const char* aContractID, DestinationType** aDestination) {
  return nsCreateInstanceByContractID(aContractID, nullptr, nullptr)(NS_GET_IID(DestinationType),
                                                                      reinterpret_cast<void**>(aDestination));
}
