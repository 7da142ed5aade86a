// nsMemory: the C heap, so that what one library allocates another can free.
#include "nsMemory.h"

#include <cstdlib>
#include <cstring>

void* nsMemory::Alloc(size_t size) { return std::malloc(size ? size : 1); }
void* nsMemory::Realloc(void* ptr, size_t size) { return std::realloc(ptr, size ? size : 1); }
void nsMemory::Free(void* ptr) { std::free(ptr); }
nsresult nsMemory::HeapMinimize(PRBool) { return NS_OK; }
void* nsMemory::Clone(const void* ptr, size_t size) {
  if (!ptr) return nullptr;
  void* copy = Alloc(size);
  if (copy) std::memcpy(copy, ptr, size);
  return copy;
}
