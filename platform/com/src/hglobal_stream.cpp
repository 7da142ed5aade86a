// CreateStreamOnHGlobal: an IStream over a global memory block. Clones share the block
// and have their own seek position; the block is freed with the last of them when the
// stream was created to delete it on release.
#include <objbase.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>

#include "platform_internal/com_object.h"

namespace {

using com::internal::ComObject;
using com::internal::Implements;

// The memory shared by a stream and its clones. The logical size may be smaller than
// the block, as on Windows.
class SharedBlock {
 public:
  SharedBlock(HGLOBAL block, ULONGLONG size, bool deleteOnRelease)
      : block_(block), size_(size), deleteOnRelease_(deleteOnRelease) {}
  ~SharedBlock() {
    if (deleteOnRelease_) GlobalFree(block_);
  }
  SharedBlock(const SharedBlock&) = delete;
  SharedBlock& operator=(const SharedBlock&) = delete;

  HGLOBAL handle() const { return block_; }
  std::mutex& mutex() { return mutex_; }

  // Under mutex().
  ULONGLONG size() const { return size_; }
  bool resize(ULONGLONG size) {
    if (size > std::numeric_limits<SIZE_T>::max()) return false;
    if (size > GlobalSize(block_)) {
      HGLOBAL grown = GlobalReAlloc(block_, static_cast<SIZE_T>(size), GMEM_MOVEABLE);
      if (!grown) return false;
      block_ = grown;
    }
    size_ = size;
    return true;
  }
  ULONG read(ULONGLONG at, void* out, ULONG count) {
    if (at >= size_) return 0;
    const ULONG available = static_cast<ULONG>(std::min<ULONGLONG>(count, size_ - at));
    if (available == 0) return 0;
    auto* data = static_cast<char*>(GlobalLock(block_));
    if (!data) return 0;
    std::memcpy(out, data + at, available);
    GlobalUnlock(block_);
    return available;
  }
  bool write(ULONGLONG at, const void* in, ULONG count) {
    if (count == 0) return true;
    const ULONGLONG end = at + count;
    if (end > size_ && !resize(end)) return false;
    auto* data = static_cast<char*>(GlobalLock(block_));
    if (!data) return false;
    std::memcpy(data + at, in, count);
    GlobalUnlock(block_);
    return true;
  }

 private:
  HGLOBAL block_;
  ULONGLONG size_;
  const bool deleteOnRelease_;
  std::mutex mutex_;
};

class HGlobalStream : public ComObject<Implements<IStream, IStream, ISequentialStream>, IAgileObject> {
 public:
  HGlobalStream(std::shared_ptr<SharedBlock> block, ULONGLONG position)
      : block_(std::move(block)), position_(position) {}

  HGLOBAL handle() const { return block_->handle(); }

  HRESULT STDMETHODCALLTYPE Read(void* pv, ULONG cb, ULONG* pcbRead) override {
    if (!pv && cb > 0) return STG_E_INVALIDPOINTER;
    std::lock_guard lock(block_->mutex());
    const ULONG read = block_->read(position_, pv, cb);
    position_ += read;
    if (pcbRead) *pcbRead = read;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE Write(const void* pv, ULONG cb, ULONG* pcbWritten) override {
    if (pcbWritten) *pcbWritten = 0;
    if (!pv && cb > 0) return STG_E_INVALIDPOINTER;
    std::lock_guard lock(block_->mutex());
    if (!block_->write(position_, pv, cb)) return STG_E_MEDIUMFULL;
    position_ += cb;
    if (pcbWritten) *pcbWritten = cb;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin, ULARGE_INTEGER* plibNewPosition) override {
    std::lock_guard lock(block_->mutex());
    LONGLONG base = 0;
    switch (dwOrigin) {
      case STREAM_SEEK_SET: base = 0; break;
      case STREAM_SEEK_CUR: base = static_cast<LONGLONG>(position_); break;
      case STREAM_SEEK_END: base = static_cast<LONGLONG>(block_->size()); break;
      default: return STG_E_INVALIDFUNCTION;
    }
    const LONGLONG target = base + dlibMove.QuadPart;
    if (target < 0) return STG_E_INVALIDFUNCTION;  // before the start; the position stays
    position_ = static_cast<ULONGLONG>(target);
    if (plibNewPosition) plibNewPosition->QuadPart = position_;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER libNewSize) override {
    std::lock_guard lock(block_->mutex());
    return block_->resize(libNewSize.QuadPart) ? S_OK : STG_E_MEDIUMFULL;
  }

  HRESULT STDMETHODCALLTYPE CopyTo(IStream* pstm, ULARGE_INTEGER cb, ULARGE_INTEGER* pcbRead,
                                   ULARGE_INTEGER* pcbWritten) override {
    if (!pstm) return STG_E_INVALIDPOINTER;
    ULONGLONG readTotal = 0;
    ULONGLONG writtenTotal = 0;
    HRESULT hr = S_OK;
    char chunk[4096];
    while (readTotal < cb.QuadPart) {
      const ULONG want = static_cast<ULONG>(std::min<ULONGLONG>(sizeof chunk, cb.QuadPart - readTotal));
      ULONG got = 0;
      Read(chunk, want, &got);
      if (got == 0) break;
      readTotal += got;
      ULONG put = 0;
      hr = pstm->Write(chunk, got, &put);
      writtenTotal += put;
      if (FAILED(hr)) break;
    }
    if (pcbRead) pcbRead->QuadPart = readTotal;
    if (pcbWritten) pcbWritten->QuadPart = writtenTotal;
    return hr;
  }

  // A global-memory stream is not transacted: Commit has nothing to do and Revert
  // nothing to undo; it offers no region locks.
  HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Revert(void) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return STG_E_INVALIDFUNCTION;
  }
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return STG_E_INVALIDFUNCTION;
  }

  HRESULT STDMETHODCALLTYPE Stat(STATSTG* pstatstg, DWORD) override {
    if (!pstatstg) return STG_E_INVALIDPOINTER;
    std::memset(pstatstg, 0, sizeof *pstatstg);
    pstatstg->type = STGTY_STREAM;  // no name: pwcsName stays null
    std::lock_guard lock(block_->mutex());
    pstatstg->cbSize.QuadPart = block_->size();
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE Clone(IStream** ppstm) override {
    if (!ppstm) return STG_E_INVALIDPOINTER;
    ULONGLONG position;
    {
      std::lock_guard lock(block_->mutex());
      position = position_;
    }
    *ppstm = new HGlobalStream(block_, position);
    return S_OK;
  }

 private:
  std::shared_ptr<SharedBlock> block_;
  ULONGLONG position_;  // under block_->mutex()
};

}  // namespace

HRESULT STDAPICALLTYPE CreateStreamOnHGlobal(HGLOBAL hGlobal, BOOL fDeleteOnRelease, LPSTREAM* ppstm) {
  if (!ppstm) return E_INVALIDARG;
  *ppstm = nullptr;
  ULONGLONG size = 0;
  if (hGlobal) {
    size = GlobalSize(hGlobal);
  } else {
    hGlobal = GlobalAlloc(GMEM_MOVEABLE, 0);
    if (!hGlobal) return E_OUTOFMEMORY;
  }
  try {
    *ppstm = new HGlobalStream(std::make_shared<SharedBlock>(hGlobal, size, fDeleteOnRelease != FALSE), 0);
  } catch (const std::bad_alloc&) {
    if (fDeleteOnRelease) GlobalFree(hGlobal);
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

HRESULT STDAPICALLTYPE GetHGlobalFromStream(LPSTREAM pstm, HGLOBAL* phglobal) {
  if (!phglobal) return E_INVALIDARG;
  *phglobal = nullptr;
  auto* stream = dynamic_cast<HGlobalStream*>(pstm);
  if (!stream) return E_INVALIDARG;
  *phglobal = stream->handle();
  return S_OK;
}
