// IEnumUnknown, IEnumConnections and IEnumConnectionPoints over a snapshot of items.
// C++ for the stand-ins only.
#pragma once

#include <ocidl.h>

#include <algorithm>
#include <mutex>
#include <utility>
#include <vector>

#include "com_object.h"

namespace com::internal {

namespace detail {
inline void addRefItem(IUnknown* item) {
  if (item) item->AddRef();
}
inline void releaseItem(IUnknown* item) {
  if (item) item->Release();
}
inline void addRefItem(const CONNECTDATA& item) { addRefItem(item.pUnk); }
inline void releaseItem(const CONNECTDATA& item) { releaseItem(item.pUnk); }
}  // namespace detail

// Holds a reference to each item; hands out new references. Safe to use from any thread
// (a mutex guards the position), so it is agile.
template <class EnumInterface, class Item>
class Enumerator : public ComObject<EnumInterface, IAgileObject> {
 public:
  // Takes new references to `items`.
  explicit Enumerator(std::vector<Item> items, size_t position = 0)
      : items_(std::move(items)), position_(position) {
    for (const Item& item : items_) detail::addRefItem(item);
  }

  HRESULT STDMETHODCALLTYPE Next(ULONG celt, Item* rgelt, ULONG* pceltFetched) override {
    if (!rgelt) return E_POINTER;
    if (celt > 1 && !pceltFetched) return E_INVALIDARG;
    std::lock_guard lock(mutex_);
    ULONG fetched = 0;
    while (fetched < celt && position_ < items_.size()) {
      rgelt[fetched] = items_[position_++];
      detail::addRefItem(rgelt[fetched]);
      ++fetched;
    }
    if (pceltFetched) *pceltFetched = fetched;
    return fetched == celt ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG celt) override {
    std::lock_guard lock(mutex_);
    const size_t left = items_.size() - position_;
    position_ += std::min<size_t>(celt, left);
    return celt <= left ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset(void) override {
    std::lock_guard lock(mutex_);
    position_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(EnumInterface** ppenum) override {
    if (!ppenum) return E_POINTER;
    std::lock_guard lock(mutex_);
    *ppenum = new Enumerator(items_, position_);
    return S_OK;
  }

 protected:
  ~Enumerator() override {
    for (const Item& item : items_) detail::releaseItem(item);
  }

 private:
  std::mutex mutex_;
  const std::vector<Item> items_;
  size_t position_;
};

using UnknownEnumerator = Enumerator<IEnumUnknown, IUnknown*>;
using ConnectionEnumerator = Enumerator<IEnumConnections, CONNECTDATA>;
using ConnectionPointEnumerator = Enumerator<IEnumConnectionPoints, IConnectionPoint*>;

}  // namespace com::internal
