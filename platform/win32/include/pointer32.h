// A pointer kept in 32 bits, for records that must keep their 32-bit Windows layout on
// this 64-bit host (LVITEMA). Addresses below 4 GB are stored as they are; that is
// where VirtualAllocEx places the blocks the system hands to another process. Any other
// address is stored as a 32-bit token that the platform turns back into the address,
// so a record filled with an ordinary pointer in this process still works.
#pragma once

#include <cstdint>

#include "winnt.h"

namespace win32 {

namespace layout {
DECLSPEC_EXPORT uint32_t narrowPointer(const void* pointer);
DECLSPEC_EXPORT void* widenPointer(uint32_t value);
}  // namespace layout

template <class T>
class Pointer32 {
 public:
  Pointer32() = default;  // trivial, so records can be zeroed with {} or memset
  Pointer32(T* pointer) : value_(layout::narrowPointer(pointer)) {}  // NOLINT: a pointer field assigns from a pointer
  Pointer32& operator=(T* pointer) {
    value_ = layout::narrowPointer(pointer);
    return *this;
  }
  operator T*() const { return static_cast<T*>(layout::widenPointer(value_)); }  // NOLINT
  // The 32 bits as a 32-bit program would see them in the record.
  uint32_t raw() const { return value_; }

 private:
  uint32_t value_;
};

}  // namespace win32
