// nsICategoryManager (Gecko 1.7 nsICategoryManager.idl).
#pragma once

#include "nsISimpleEnumerator.h"
#include "nsISupports.h"

#define NS_ICATEGORYMANAGER_IID \
  { 0x3275b2cd, 0xaf6d, 0x429a, { 0x80, 0xd7, 0xf0, 0xc5, 0x12, 0x03, 0x42, 0xac } }

class NS_NO_VTABLE nsICategoryManager : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_ICATEGORYMANAGER_IID)
  NS_IMETHOD GetCategoryEntry(const char* aCategory, const char* aEntry, char** _retval) = 0;
  NS_IMETHOD AddCategoryEntry(const char* aCategory, const char* aEntry, const char* aValue, PRBool aPersist,
                              PRBool aReplace, char** _retval) = 0;
  NS_IMETHOD DeleteCategoryEntry(const char* aCategory, const char* aEntry, PRBool aPersist) = 0;
  NS_IMETHOD DeleteCategory(const char* aCategory) = 0;
  NS_IMETHOD EnumerateCategory(const char* aCategory, nsISimpleEnumerator** _retval) = 0;
  NS_IMETHOD EnumerateCategories(nsISimpleEnumerator** _retval) = 0;

 protected:
  ~nsICategoryManager() = default;
};
