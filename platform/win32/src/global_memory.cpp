// GlobalAlloc and friends. Fixed blocks are their own handle; moveable blocks get a
// handle of their own and an address through GlobalLock.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

namespace {

struct Block {
  void* data = nullptr;
  SIZE_T size = 0;
  bool moveable = false;
  UINT lockCount = 0;
};

struct GlobalHeap {
  std::mutex mutex;
  std::unordered_map<HGLOBAL, Block> blocks;
  // Moveable handles are taken from a counter, odd multiples of 8 away from any
  // malloc address (which are 16-aligned), so they never collide with fixed blocks.
  uintptr_t nextMoveable = 0x7FFF0008;
};

GlobalHeap& heap() {
  static auto& instance = *new GlobalHeap;
  return instance;
}

// malloc(0) may give null; a zero-byte global block is still a block.
void* allocateBytes(SIZE_T bytes, bool zero) {
  void* data = zero ? std::calloc(bytes == 0 ? 1 : bytes, 1) : std::malloc(bytes == 0 ? 1 : bytes);
  return data;
}

Block* findBlock(GlobalHeap& h, HGLOBAL handle) {
  const auto found = h.blocks.find(handle);
  return found == h.blocks.end() ? nullptr : &found->second;
}

}  // namespace

extern "C" HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
  void* data = allocateBytes(dwBytes, (uFlags & GMEM_ZEROINIT) != 0);
  if (data == nullptr) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  GlobalHeap& h = heap();
  std::lock_guard lock(h.mutex);
  const bool moveable = (uFlags & GMEM_MOVEABLE) != 0;
  HGLOBAL handle = data;
  if (moveable) {
    handle = reinterpret_cast<HGLOBAL>(h.nextMoveable);
    h.nextMoveable += 16;
  }
  h.blocks.emplace(handle, Block{data, dwBytes, moveable, 0});
  return handle;
}

extern "C" HGLOBAL WINAPI GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags) {
  GlobalHeap& h = heap();
  std::lock_guard lock(h.mutex);
  Block* block = findBlock(h, hMem);
  if (block == nullptr || (uFlags & GMEM_MODIFY) != 0) {
    SetLastError(block == nullptr ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  // A fixed block may only move when the caller allows it, and then its handle (its
  // address) changes; a locked moveable block stays where it is.
  const bool mayMove = block->moveable ? block->lockCount == 0 : (uFlags & GMEM_MOVEABLE) != 0;
  if (dwBytes > block->size && !mayMove) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if (dwBytes <= block->size) {
    block->size = dwBytes;  // shrinks in place
    return hMem;
  }
  void* grown = std::realloc(block->data, dwBytes);
  if (grown == nullptr) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if ((uFlags & GMEM_ZEROINIT) != 0) std::memset(static_cast<char*>(grown) + block->size, 0, dwBytes - block->size);
  Block updated{grown, dwBytes, block->moveable, block->lockCount};
  if (block->moveable) {
    *block = updated;
    return hMem;
  }
  h.blocks.erase(hMem);
  h.blocks.emplace(grown, updated);
  return grown;
}

extern "C" SIZE_T WINAPI GlobalSize(HGLOBAL hMem) {
  GlobalHeap& h = heap();
  std::lock_guard lock(h.mutex);
  const Block* block = findBlock(h, hMem);
  if (block == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return block->size;
}

extern "C" LPVOID WINAPI GlobalLock(HGLOBAL hMem) {
  GlobalHeap& h = heap();
  std::lock_guard lock(h.mutex);
  Block* block = findBlock(h, hMem);
  if (block == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  // A moveable block of no bytes is a discarded one: there is nothing to lock.
  if (block->moveable && block->size == 0) {
    SetLastError(ERROR_DISCARDED);
    return nullptr;
  }
  if (block->moveable) ++block->lockCount;
  return block->data;
}

extern "C" BOOL WINAPI GlobalUnlock(HGLOBAL hMem) {
  GlobalHeap& h = heap();
  std::lock_guard lock(h.mutex);
  Block* block = findBlock(h, hMem);
  if (block == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!block->moveable || block->lockCount == 0) {
    SetLastError(ERROR_NOT_LOCKED);
    return FALSE;
  }
  --block->lockCount;
  if (block->lockCount == 0) {
    SetLastError(NO_ERROR);
    return FALSE;
  }
  return TRUE;
}

extern "C" HGLOBAL WINAPI GlobalFree(HGLOBAL hMem) {
  void* data = nullptr;
  {
    GlobalHeap& h = heap();
    std::lock_guard lock(h.mutex);
    const auto found = h.blocks.find(hMem);
    if (found == h.blocks.end()) {
      SetLastError(ERROR_INVALID_HANDLE);
      return hMem;
    }
    data = found->second.data;
    h.blocks.erase(found);
  }
  std::free(data);
  return nullptr;
}
