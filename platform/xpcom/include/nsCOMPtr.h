// nsCOMPtr, the owning interface pointer, and its helpers (Gecko 1.7 nsCOMPtr.h).
#pragma once

#include <type_traits>
#include <utility>

#include "nsISupports.h"

// A pointer whose reference the receiver takes over (no AddRef).
template <class T>
struct already_AddRefed {
  explicit already_AddRefed(T* aRawPtr) : mRawPtr(aRawPtr) {}
  T* get() const { return mRawPtr; }
  T* mRawPtr;
};

template <class T>
inline const already_AddRefed<T> dont_AddRef(T* aRawPtr) {
  return already_AddRefed<T>(aRawPtr);
}

// Something that yields an interface by IID: do_GetService, do_CreateInstance ...
class NS_NO_VTABLE nsCOMPtr_helper {
 public:
  virtual nsresult operator()(const nsIID& aIID, void** aResult) const = 0;

 protected:
  ~nsCOMPtr_helper() = default;
};

class nsQueryInterface final : public nsCOMPtr_helper {
 public:
  nsQueryInterface(nsISupports* aRawPtr, nsresult* aError) : mRawPtr(aRawPtr), mErrorPtr(aError) {}
  nsresult operator()(const nsIID& aIID, void** aResult) const override {
    nsresult status = mRawPtr ? mRawPtr->QueryInterface(aIID, aResult) : NS_ERROR_NULL_POINTER;
    if (NS_FAILED(status)) *aResult = nullptr;
    if (mErrorPtr) *mErrorPtr = status;
    return status;
  }

 private:
  nsISupports* mRawPtr;
  nsresult* mErrorPtr;
};

inline const nsQueryInterface do_QueryInterface(nsISupports* aRawPtr, nsresult* error = 0) {
  return nsQueryInterface(aRawPtr, error);
}

template <class T>
class nsGetterAddRefs;

template <class T>
class nsCOMPtr {
 public:
  typedef T element_type;

  nsCOMPtr() : mRawPtr(nullptr) {}
  nsCOMPtr(decltype(nullptr)) : mRawPtr(nullptr) {}
  nsCOMPtr(T* aRawPtr) : mRawPtr(aRawPtr) {
    if (mRawPtr) mRawPtr->AddRef();
  }
  nsCOMPtr(const already_AddRefed<T>& aSmartPtr) : mRawPtr(aSmartPtr.mRawPtr) {}
  nsCOMPtr(const nsCOMPtr& aSmartPtr) : mRawPtr(aSmartPtr.mRawPtr) {
    if (mRawPtr) mRawPtr->AddRef();
  }
  nsCOMPtr(nsCOMPtr&& aSmartPtr) noexcept : mRawPtr(aSmartPtr.mRawPtr) { aSmartPtr.mRawPtr = nullptr; }
  nsCOMPtr(const nsCOMPtr_helper& aHelper) : mRawPtr(nullptr) { assign_from_helper(aHelper); }
  ~nsCOMPtr() {
    if (mRawPtr) mRawPtr->Release();
  }

  nsCOMPtr& operator=(T* aRhs) {
    assign_with_AddRef(aRhs);
    return *this;
  }
  nsCOMPtr& operator=(const nsCOMPtr& aRhs) {
    assign_with_AddRef(aRhs.mRawPtr);
    return *this;
  }
  nsCOMPtr& operator=(nsCOMPtr&& aRhs) noexcept {
    if (this != &aRhs) assign_assuming_AddRef(std::exchange(aRhs.mRawPtr, nullptr));
    return *this;
  }
  nsCOMPtr& operator=(const already_AddRefed<T>& aRhs) {
    assign_assuming_AddRef(aRhs.mRawPtr);
    return *this;
  }
  nsCOMPtr& operator=(const nsCOMPtr_helper& aRhs) {
    assign_from_helper(aRhs);
    return *this;
  }

  void swap(nsCOMPtr& aRhs) { std::swap(mRawPtr, aRhs.mRawPtr); }
  void swap(T*& aRhs) { std::swap(mRawPtr, aRhs); }
  // Hands the reference to the caller through aResult (which may be null).
  void forget(T** aResult) {
    if (aResult) {
      *aResult = mRawPtr;
      mRawPtr = nullptr;
    }
  }

  T* get() const { return mRawPtr; }
  operator T*() const { return mRawPtr; }
  T* operator->() const { return mRawPtr; }
  T& operator*() const { return *mRawPtr; }

  // For getter_AddRefs: releases what is held and gives the slot to fill.
  T** StartAssignment() {
    assign_assuming_AddRef(nullptr);
    return &mRawPtr;
  }

 private:
  void assign_with_AddRef(T* aRawPtr) {
    if (aRawPtr) aRawPtr->AddRef();
    assign_assuming_AddRef(aRawPtr);
  }
  void assign_assuming_AddRef(T* aNewPtr) {
    T* old = mRawPtr;
    mRawPtr = aNewPtr;
    if (old) old->Release();
  }
  void assign_from_helper(const nsCOMPtr_helper& aHelper) {
    void* newRawPtr = nullptr;
    if (NS_FAILED(aHelper(NS_GET_IID(T), &newRawPtr))) newRawPtr = nullptr;
    assign_assuming_AddRef(static_cast<T*>(newRawPtr));
  }

  T* mRawPtr;
};

template <class T>
class nsGetterAddRefs {
 public:
  explicit nsGetterAddRefs(nsCOMPtr<T>& aSmartPtr) : mTargetSmartPtr(aSmartPtr) {}
  operator void**() { return reinterpret_cast<void**>(mTargetSmartPtr.StartAssignment()); }
  operator nsISupports**()
    requires(!std::is_same_v<T, nsISupports>)
  {
    return reinterpret_cast<nsISupports**>(mTargetSmartPtr.StartAssignment());
  }
  operator T**() { return mTargetSmartPtr.StartAssignment(); }
  T*& operator*() { return *(mTargetSmartPtr.StartAssignment()); }

 private:
  nsCOMPtr<T>& mTargetSmartPtr;
};

template <class T>
inline nsGetterAddRefs<T> getter_AddRefs(nsCOMPtr<T>& aSmartPtr) {
  return nsGetterAddRefs<T>(aSmartPtr);
}

template <class T, class U>
inline bool operator==(const nsCOMPtr<T>& aLhs, const nsCOMPtr<U>& aRhs) {
  return static_cast<const void*>(aLhs.get()) == static_cast<const void*>(aRhs.get());
}
template <class T, class U>
inline bool operator==(const nsCOMPtr<T>& aLhs, const U* aRhs) {
  return static_cast<const void*>(aLhs.get()) == static_cast<const void*>(aRhs);
}
template <class T>
inline bool operator==(const nsCOMPtr<T>& aLhs, decltype(nullptr)) {
  return aLhs.get() == nullptr;
}
