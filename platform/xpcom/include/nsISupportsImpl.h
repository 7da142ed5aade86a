// Implementation macros for nsISupports (Gecko 1.7 nsISupportsImpl.h).
// The THREADSAFE forms count with atomic operations; the plain forms do not, as in Gecko.
// QueryInterface with a null result pointer answers NS_ERROR_NULL_POINTER instead of
// writing through it.
#pragma once

#include "nsISupportsBase.h"
#include "nsISupportsUtils.h"
#include "pratom.h"

class nsAutoRefCnt {
 public:
  nsAutoRefCnt() : mValue(0) {}
  explicit nsAutoRefCnt(nsrefcnt aValue) : mValue(aValue) {}
  nsrefcnt operator++() { return ++mValue; }
  nsrefcnt operator--() { return --mValue; }
  nsrefcnt operator=(nsrefcnt aValue) { return (mValue = aValue); }
  operator nsrefcnt() const { return mValue; }
  // For the atomic forms: the count as NSPR's atomic functions take it.
  PRInt32* AtomicAddress() { return reinterpret_cast<PRInt32*>(&mValue); }
  nsrefcnt get() const { return mValue; }

 private:
  nsrefcnt mValue;
};

#define NS_DECL_OWNINGTHREAD
#define NS_INIT_ISUPPORTS() ((void)0)

#define NS_DECL_ISUPPORTS                                                  \
 public:                                                                   \
  NS_IMETHOD QueryInterface(REFNSIID aIID, void** aInstancePtr) override; \
  NS_IMETHOD_(nsrefcnt) AddRef(void) override;                             \
  NS_IMETHOD_(nsrefcnt) Release(void) override;                            \
                                                                           \
 protected:                                                                \
  nsAutoRefCnt mRefCnt;                                                    \
  NS_DECL_OWNINGTHREAD                                                     \
 public:

#define NS_IMPL_ADDREF(_class) \
  NS_IMETHODIMP_(nsrefcnt) _class::AddRef(void) { return ++mRefCnt; }

#define NS_IMPL_RELEASE(_class)                 \
  NS_IMETHODIMP_(nsrefcnt) _class::Release(void) { \
    nsrefcnt count = --mRefCnt;                   \
    if (count == 0) {                             \
      mRefCnt = 1; /* stabilise */                \
      delete this;                                \
      return 0;                                   \
    }                                             \
    return count;                                 \
  }

#define NS_IMPL_THREADSAFE_ADDREF(_class) \
  NS_IMETHODIMP_(nsrefcnt) _class::AddRef(void) { return (nsrefcnt)PR_AtomicIncrement(mRefCnt.AtomicAddress()); }

#define NS_IMPL_THREADSAFE_RELEASE(_class)                                   \
  NS_IMETHODIMP_(nsrefcnt) _class::Release(void) {                           \
    nsrefcnt count = (nsrefcnt)PR_AtomicDecrement(mRefCnt.AtomicAddress()); \
    if (count == 0) {                                                        \
      PR_AtomicSet(mRefCnt.AtomicAddress(), 1); /* stabilise */              \
      delete this;                                                           \
      return 0;                                                              \
    }                                                                        \
    return count;                                                            \
  }

#define NS_INTERFACE_MAP_BEGIN(_class)                                      \
  NS_IMETHODIMP _class::QueryInterface(REFNSIID aIID, void** aInstancePtr) { \
    if (!aInstancePtr) return NS_ERROR_NULL_POINTER;                      \
    nsISupports* foundInterface = nullptr;                                \
    if (false) {                                                          \
    }
#define NS_INTERFACE_MAP_ENTRY(_interface)          \
  else if (aIID.Equals(NS_GET_IID(_interface))) {   \
    foundInterface = static_cast<_interface*>(this); \
  }
#define NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(_interface, _implClass)                 \
  else if (aIID.Equals(NS_GET_IID(_interface))) {                                \
    foundInterface = static_cast<_interface*>(static_cast<_implClass*>(this));   \
  }
#define NS_INTERFACE_MAP_ENTRY_CONDITIONAL(_interface, condition)     \
  else if ((condition) && aIID.Equals(NS_GET_IID(_interface))) {      \
    foundInterface = static_cast<_interface*>(this);                  \
  }
#define NS_INTERFACE_MAP_END                          \
  nsresult status = NS_NOINTERFACE;                   \
  if (foundInterface) {                               \
    NS_ADDREF(foundInterface);                        \
    status = NS_OK;                                   \
  }                                                   \
  *aInstancePtr = foundInterface;                     \
  return status;                                      \
  }
#define NS_INTERFACE_MAP_BEGIN_AMBIGUOUS(_class, _implClass) NS_INTERFACE_MAP_BEGIN(_class)

#define NS_IMPL_ISUPPORTS0(_class) \
  NS_IMPL_ADDREF(_class)           \
  NS_IMPL_RELEASE(_class)          \
  NS_IMPL_QUERY_INTERFACE0(_class)
#define NS_IMPL_THREADSAFE_ISUPPORTS0(_class) \
  NS_IMPL_THREADSAFE_ADDREF(_class)           \
  NS_IMPL_THREADSAFE_RELEASE(_class)          \
  NS_IMPL_QUERY_INTERFACE0(_class)
#define NS_IMPL_QUERY_INTERFACE0(_class) \
  NS_INTERFACE_MAP_BEGIN(_class)         \
  NS_INTERFACE_MAP_ENTRY(nsISupports)    \
  NS_INTERFACE_MAP_END

#define NS_IMPL_QUERY_INTERFACE1(_class, _i1) \
  NS_INTERFACE_MAP_BEGIN(_class) NS_INTERFACE_MAP_ENTRY(_i1) \
  NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(nsISupports, _i1) NS_INTERFACE_MAP_END
#define NS_IMPL_ISUPPORTS1(_class, _i1) \
  NS_IMPL_ADDREF(_class) NS_IMPL_RELEASE(_class) NS_IMPL_QUERY_INTERFACE1(_class, _i1)
#define NS_IMPL_THREADSAFE_ISUPPORTS1(_class, _i1) \
  NS_IMPL_THREADSAFE_ADDREF(_class) NS_IMPL_THREADSAFE_RELEASE(_class) NS_IMPL_QUERY_INTERFACE1(_class, _i1)
#define NS_IMPL_THREADSAFE_QUERY_INTERFACE1 NS_IMPL_QUERY_INTERFACE1
#define NS_IMPL_QUERY_INTERFACE2(_class, _i1, _i2) \
  NS_INTERFACE_MAP_BEGIN(_class) NS_INTERFACE_MAP_ENTRY(_i1) NS_INTERFACE_MAP_ENTRY(_i2) \
  NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(nsISupports, _i1) NS_INTERFACE_MAP_END
#define NS_IMPL_ISUPPORTS2(_class, _i1, _i2) \
  NS_IMPL_ADDREF(_class) NS_IMPL_RELEASE(_class) NS_IMPL_QUERY_INTERFACE2(_class, _i1, _i2)
#define NS_IMPL_THREADSAFE_ISUPPORTS2(_class, _i1, _i2) \
  NS_IMPL_THREADSAFE_ADDREF(_class) NS_IMPL_THREADSAFE_RELEASE(_class) NS_IMPL_QUERY_INTERFACE2(_class, _i1, _i2)
#define NS_IMPL_THREADSAFE_QUERY_INTERFACE2 NS_IMPL_QUERY_INTERFACE2
#define NS_IMPL_QUERY_INTERFACE3(_class, _i1, _i2, _i3) \
  NS_INTERFACE_MAP_BEGIN(_class) NS_INTERFACE_MAP_ENTRY(_i1) NS_INTERFACE_MAP_ENTRY(_i2) NS_INTERFACE_MAP_ENTRY(_i3) \
  NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(nsISupports, _i1) NS_INTERFACE_MAP_END
#define NS_IMPL_ISUPPORTS3(_class, _i1, _i2, _i3) \
  NS_IMPL_ADDREF(_class) NS_IMPL_RELEASE(_class) NS_IMPL_QUERY_INTERFACE3(_class, _i1, _i2, _i3)
#define NS_IMPL_THREADSAFE_ISUPPORTS3(_class, _i1, _i2, _i3) \
  NS_IMPL_THREADSAFE_ADDREF(_class) NS_IMPL_THREADSAFE_RELEASE(_class) NS_IMPL_QUERY_INTERFACE3(_class, _i1, _i2, _i3)
#define NS_IMPL_THREADSAFE_QUERY_INTERFACE3 NS_IMPL_QUERY_INTERFACE3
#define NS_IMPL_QUERY_INTERFACE4(_class, _i1, _i2, _i3, _i4) \
  NS_INTERFACE_MAP_BEGIN(_class) NS_INTERFACE_MAP_ENTRY(_i1) NS_INTERFACE_MAP_ENTRY(_i2) NS_INTERFACE_MAP_ENTRY(_i3) NS_INTERFACE_MAP_ENTRY(_i4) \
  NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(nsISupports, _i1) NS_INTERFACE_MAP_END
#define NS_IMPL_ISUPPORTS4(_class, _i1, _i2, _i3, _i4) \
  NS_IMPL_ADDREF(_class) NS_IMPL_RELEASE(_class) NS_IMPL_QUERY_INTERFACE4(_class, _i1, _i2, _i3, _i4)
#define NS_IMPL_THREADSAFE_ISUPPORTS4(_class, _i1, _i2, _i3, _i4) \
  NS_IMPL_THREADSAFE_ADDREF(_class) NS_IMPL_THREADSAFE_RELEASE(_class) NS_IMPL_QUERY_INTERFACE4(_class, _i1, _i2, _i3, _i4)
#define NS_IMPL_THREADSAFE_QUERY_INTERFACE4 NS_IMPL_QUERY_INTERFACE4
#define NS_IMPL_QUERY_INTERFACE5(_class, _i1, _i2, _i3, _i4, _i5) \
  NS_INTERFACE_MAP_BEGIN(_class) NS_INTERFACE_MAP_ENTRY(_i1) NS_INTERFACE_MAP_ENTRY(_i2) NS_INTERFACE_MAP_ENTRY(_i3) NS_INTERFACE_MAP_ENTRY(_i4) NS_INTERFACE_MAP_ENTRY(_i5) \
  NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(nsISupports, _i1) NS_INTERFACE_MAP_END
#define NS_IMPL_ISUPPORTS5(_class, _i1, _i2, _i3, _i4, _i5) \
  NS_IMPL_ADDREF(_class) NS_IMPL_RELEASE(_class) NS_IMPL_QUERY_INTERFACE5(_class, _i1, _i2, _i3, _i4, _i5)
#define NS_IMPL_THREADSAFE_ISUPPORTS5(_class, _i1, _i2, _i3, _i4, _i5) \
  NS_IMPL_THREADSAFE_ADDREF(_class) NS_IMPL_THREADSAFE_RELEASE(_class) NS_IMPL_QUERY_INTERFACE5(_class, _i1, _i2, _i3, _i4, _i5)
#define NS_IMPL_THREADSAFE_QUERY_INTERFACE5 NS_IMPL_QUERY_INTERFACE5
#define NS_IMPL_QUERY_INTERFACE6(_class, _i1, _i2, _i3, _i4, _i5, _i6) \
  NS_INTERFACE_MAP_BEGIN(_class) NS_INTERFACE_MAP_ENTRY(_i1) NS_INTERFACE_MAP_ENTRY(_i2) NS_INTERFACE_MAP_ENTRY(_i3) NS_INTERFACE_MAP_ENTRY(_i4) NS_INTERFACE_MAP_ENTRY(_i5) NS_INTERFACE_MAP_ENTRY(_i6) \
  NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(nsISupports, _i1) NS_INTERFACE_MAP_END
#define NS_IMPL_ISUPPORTS6(_class, _i1, _i2, _i3, _i4, _i5, _i6) \
  NS_IMPL_ADDREF(_class) NS_IMPL_RELEASE(_class) NS_IMPL_QUERY_INTERFACE6(_class, _i1, _i2, _i3, _i4, _i5, _i6)
#define NS_IMPL_THREADSAFE_ISUPPORTS6(_class, _i1, _i2, _i3, _i4, _i5, _i6) \
  NS_IMPL_THREADSAFE_ADDREF(_class) NS_IMPL_THREADSAFE_RELEASE(_class) NS_IMPL_QUERY_INTERFACE6(_class, _i1, _i2, _i3, _i4, _i5, _i6)
#define NS_IMPL_THREADSAFE_QUERY_INTERFACE6 NS_IMPL_QUERY_INTERFACE6
#define NS_IMPL_QUERY_INTERFACE7(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7) \
  NS_INTERFACE_MAP_BEGIN(_class) NS_INTERFACE_MAP_ENTRY(_i1) NS_INTERFACE_MAP_ENTRY(_i2) NS_INTERFACE_MAP_ENTRY(_i3) NS_INTERFACE_MAP_ENTRY(_i4) NS_INTERFACE_MAP_ENTRY(_i5) NS_INTERFACE_MAP_ENTRY(_i6) NS_INTERFACE_MAP_ENTRY(_i7) \
  NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(nsISupports, _i1) NS_INTERFACE_MAP_END
#define NS_IMPL_ISUPPORTS7(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7) \
  NS_IMPL_ADDREF(_class) NS_IMPL_RELEASE(_class) NS_IMPL_QUERY_INTERFACE7(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7)
#define NS_IMPL_THREADSAFE_ISUPPORTS7(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7) \
  NS_IMPL_THREADSAFE_ADDREF(_class) NS_IMPL_THREADSAFE_RELEASE(_class) NS_IMPL_QUERY_INTERFACE7(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7)
#define NS_IMPL_THREADSAFE_QUERY_INTERFACE7 NS_IMPL_QUERY_INTERFACE7
#define NS_IMPL_QUERY_INTERFACE8(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7, _i8) \
  NS_INTERFACE_MAP_BEGIN(_class) NS_INTERFACE_MAP_ENTRY(_i1) NS_INTERFACE_MAP_ENTRY(_i2) NS_INTERFACE_MAP_ENTRY(_i3) NS_INTERFACE_MAP_ENTRY(_i4) NS_INTERFACE_MAP_ENTRY(_i5) NS_INTERFACE_MAP_ENTRY(_i6) NS_INTERFACE_MAP_ENTRY(_i7) NS_INTERFACE_MAP_ENTRY(_i8) \
  NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(nsISupports, _i1) NS_INTERFACE_MAP_END
#define NS_IMPL_ISUPPORTS8(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7, _i8) \
  NS_IMPL_ADDREF(_class) NS_IMPL_RELEASE(_class) NS_IMPL_QUERY_INTERFACE8(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7, _i8)
#define NS_IMPL_THREADSAFE_ISUPPORTS8(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7, _i8) \
  NS_IMPL_THREADSAFE_ADDREF(_class) NS_IMPL_THREADSAFE_RELEASE(_class) NS_IMPL_QUERY_INTERFACE8(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7, _i8)
#define NS_IMPL_THREADSAFE_QUERY_INTERFACE8 NS_IMPL_QUERY_INTERFACE8
#define NS_IMPL_QUERY_INTERFACE9(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7, _i8, _i9) \
  NS_INTERFACE_MAP_BEGIN(_class) NS_INTERFACE_MAP_ENTRY(_i1) NS_INTERFACE_MAP_ENTRY(_i2) NS_INTERFACE_MAP_ENTRY(_i3) NS_INTERFACE_MAP_ENTRY(_i4) NS_INTERFACE_MAP_ENTRY(_i5) NS_INTERFACE_MAP_ENTRY(_i6) NS_INTERFACE_MAP_ENTRY(_i7) NS_INTERFACE_MAP_ENTRY(_i8) NS_INTERFACE_MAP_ENTRY(_i9) \
  NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(nsISupports, _i1) NS_INTERFACE_MAP_END
#define NS_IMPL_ISUPPORTS9(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7, _i8, _i9) \
  NS_IMPL_ADDREF(_class) NS_IMPL_RELEASE(_class) NS_IMPL_QUERY_INTERFACE9(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7, _i8, _i9)
#define NS_IMPL_THREADSAFE_ISUPPORTS9(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7, _i8, _i9) \
  NS_IMPL_THREADSAFE_ADDREF(_class) NS_IMPL_THREADSAFE_RELEASE(_class) NS_IMPL_QUERY_INTERFACE9(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7, _i8, _i9)
#define NS_IMPL_THREADSAFE_QUERY_INTERFACE9 NS_IMPL_QUERY_INTERFACE9
#define NS_IMPL_QUERY_INTERFACE10(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7, _i8, _i9, _i10) \
  NS_INTERFACE_MAP_BEGIN(_class) NS_INTERFACE_MAP_ENTRY(_i1) NS_INTERFACE_MAP_ENTRY(_i2) NS_INTERFACE_MAP_ENTRY(_i3) NS_INTERFACE_MAP_ENTRY(_i4) NS_INTERFACE_MAP_ENTRY(_i5) NS_INTERFACE_MAP_ENTRY(_i6) NS_INTERFACE_MAP_ENTRY(_i7) NS_INTERFACE_MAP_ENTRY(_i8) NS_INTERFACE_MAP_ENTRY(_i9) NS_INTERFACE_MAP_ENTRY(_i10) \
  NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(nsISupports, _i1) NS_INTERFACE_MAP_END
#define NS_IMPL_ISUPPORTS10(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7, _i8, _i9, _i10) \
  NS_IMPL_ADDREF(_class) NS_IMPL_RELEASE(_class) NS_IMPL_QUERY_INTERFACE10(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7, _i8, _i9, _i10)
#define NS_IMPL_THREADSAFE_ISUPPORTS10(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7, _i8, _i9, _i10) \
  NS_IMPL_THREADSAFE_ADDREF(_class) NS_IMPL_THREADSAFE_RELEASE(_class) NS_IMPL_QUERY_INTERFACE10(_class, _i1, _i2, _i3, _i4, _i5, _i6, _i7, _i8, _i9, _i10)
#define NS_IMPL_THREADSAFE_QUERY_INTERFACE10 NS_IMPL_QUERY_INTERFACE10

// Classes that add interfaces to a base that already implements nsISupports.
#define NS_DECL_ISUPPORTS_INHERITED                                        \
 public:                                                                   \
  NS_IMETHOD QueryInterface(REFNSIID aIID, void** aInstancePtr) override; \
  NS_IMETHOD_(nsrefcnt) AddRef(void) override;                             \
  NS_IMETHOD_(nsrefcnt) Release(void) override;

#define NS_IMPL_ADDREF_INHERITED(Class, Super) \
  NS_IMETHODIMP_(nsrefcnt) Class::AddRef(void) { return Super::AddRef(); }
#define NS_IMPL_RELEASE_INHERITED(Class, Super) \
  NS_IMETHODIMP_(nsrefcnt) Class::Release(void) { return Super::Release(); }

#define NS_INTERFACE_MAP_END_INHERITING(_baseclass)                       \
  nsresult status = NS_NOINTERFACE;                                       \
  if (foundInterface) {                                                   \
    NS_ADDREF(foundInterface);                                            \
    status = NS_OK;                                                       \
    *aInstancePtr = foundInterface;                                       \
  } else {                                                                \
    status = _baseclass::QueryInterface(aIID, aInstancePtr);              \
  }                                                                       \
  return status;                                                          \
  }

#define NS_IMPL_QUERY_INTERFACE_INHERITED0(Class, Super) \
  NS_INTERFACE_MAP_BEGIN(Class)  NS_INTERFACE_MAP_END_INHERITING(Super)
#define NS_IMPL_ISUPPORTS_INHERITED0(Class, Super) \
  NS_IMPL_QUERY_INTERFACE_INHERITED0(Class, Super) NS_IMPL_ADDREF_INHERITED(Class, Super) NS_IMPL_RELEASE_INHERITED(Class, Super)
#define NS_IMPL_QUERY_INTERFACE_INHERITED1(Class, Super, _i1) \
  NS_INTERFACE_MAP_BEGIN(Class) NS_INTERFACE_MAP_ENTRY(_i1) NS_INTERFACE_MAP_END_INHERITING(Super)
#define NS_IMPL_ISUPPORTS_INHERITED1(Class, Super, _i1) \
  NS_IMPL_QUERY_INTERFACE_INHERITED1(Class, Super, _i1) NS_IMPL_ADDREF_INHERITED(Class, Super) NS_IMPL_RELEASE_INHERITED(Class, Super)
#define NS_IMPL_QUERY_INTERFACE_INHERITED2(Class, Super, _i1, _i2) \
  NS_INTERFACE_MAP_BEGIN(Class) NS_INTERFACE_MAP_ENTRY(_i1) NS_INTERFACE_MAP_ENTRY(_i2) NS_INTERFACE_MAP_END_INHERITING(Super)
#define NS_IMPL_ISUPPORTS_INHERITED2(Class, Super, _i1, _i2) \
  NS_IMPL_QUERY_INTERFACE_INHERITED2(Class, Super, _i1, _i2) NS_IMPL_ADDREF_INHERITED(Class, Super) NS_IMPL_RELEASE_INHERITED(Class, Super)
#define NS_IMPL_QUERY_INTERFACE_INHERITED3(Class, Super, _i1, _i2, _i3) \
  NS_INTERFACE_MAP_BEGIN(Class) NS_INTERFACE_MAP_ENTRY(_i1) NS_INTERFACE_MAP_ENTRY(_i2) NS_INTERFACE_MAP_ENTRY(_i3) NS_INTERFACE_MAP_END_INHERITING(Super)
#define NS_IMPL_ISUPPORTS_INHERITED3(Class, Super, _i1, _i2, _i3) \
  NS_IMPL_QUERY_INTERFACE_INHERITED3(Class, Super, _i1, _i2, _i3) NS_IMPL_ADDREF_INHERITED(Class, Super) NS_IMPL_RELEASE_INHERITED(Class, Super)
#define NS_IMPL_QUERY_INTERFACE_INHERITED4(Class, Super, _i1, _i2, _i3, _i4) \
  NS_INTERFACE_MAP_BEGIN(Class) NS_INTERFACE_MAP_ENTRY(_i1) NS_INTERFACE_MAP_ENTRY(_i2) NS_INTERFACE_MAP_ENTRY(_i3) NS_INTERFACE_MAP_ENTRY(_i4) NS_INTERFACE_MAP_END_INHERITING(Super)
#define NS_IMPL_ISUPPORTS_INHERITED4(Class, Super, _i1, _i2, _i3, _i4) \
  NS_IMPL_QUERY_INTERFACE_INHERITED4(Class, Super, _i1, _i2, _i3, _i4) NS_IMPL_ADDREF_INHERITED(Class, Super) NS_IMPL_RELEASE_INHERITED(Class, Super)
#define NS_IMPL_QUERY_INTERFACE_INHERITED5(Class, Super, _i1, _i2, _i3, _i4, _i5) \
  NS_INTERFACE_MAP_BEGIN(Class) NS_INTERFACE_MAP_ENTRY(_i1) NS_INTERFACE_MAP_ENTRY(_i2) NS_INTERFACE_MAP_ENTRY(_i3) NS_INTERFACE_MAP_ENTRY(_i4) NS_INTERFACE_MAP_ENTRY(_i5) NS_INTERFACE_MAP_END_INHERITING(Super)
#define NS_IMPL_ISUPPORTS_INHERITED5(Class, Super, _i1, _i2, _i3, _i4, _i5) \
  NS_IMPL_QUERY_INTERFACE_INHERITED5(Class, Super, _i1, _i2, _i3, _i4, _i5) NS_IMPL_ADDREF_INHERITED(Class, Super) NS_IMPL_RELEASE_INHERITED(Class, Super)
#define NS_IMPL_QUERY_INTERFACE_INHERITED6(Class, Super, _i1, _i2, _i3, _i4, _i5, _i6) \
  NS_INTERFACE_MAP_BEGIN(Class) NS_INTERFACE_MAP_ENTRY(_i1) NS_INTERFACE_MAP_ENTRY(_i2) NS_INTERFACE_MAP_ENTRY(_i3) NS_INTERFACE_MAP_ENTRY(_i4) NS_INTERFACE_MAP_ENTRY(_i5) NS_INTERFACE_MAP_ENTRY(_i6) NS_INTERFACE_MAP_END_INHERITING(Super)
#define NS_IMPL_ISUPPORTS_INHERITED6(Class, Super, _i1, _i2, _i3, _i4, _i5, _i6) \
  NS_IMPL_QUERY_INTERFACE_INHERITED6(Class, Super, _i1, _i2, _i3, _i4, _i5, _i6) NS_IMPL_ADDREF_INHERITED(Class, Super) NS_IMPL_RELEASE_INHERITED(Class, Super)
