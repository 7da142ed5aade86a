// nsMemory: the XPCOM allocator (Gecko 1.7 nsMemory.h). Strings and arrays handed
// across interfaces are allocated and freed with it.
#pragma once

#include "nscore.h"

class NS_COM nsMemory {
 public:
  static void* Alloc(size_t size);
  static void* Realloc(void* ptr, size_t size);
  static void Free(void* ptr);
  static nsresult HeapMinimize(PRBool aImmediate);
  static void* Clone(const void* ptr, size_t size);
};

#define NS_FREE_XPCOM_ALLOCATED_POINTER_ARRAY(size, array)                         \
  do {                                                                             \
    for (PRInt32 iter_ = PRInt32(size) - 1; iter_ >= 0; --iter_) nsMemory::Free((array)[iter_]); \
    nsMemory::Free(array);                                                         \
  } while (0)
