#include "unknown_enumerator.h"

namespace mshtml {

UnknownEnumerator* UnknownEnumerator::create(std::vector<IUnknown*> objects, size_t position) {
  return new UnknownEnumerator(std::move(objects), position);
}

UnknownEnumerator::~UnknownEnumerator() {
  for (IUnknown* object : objects_) object->Release();
}

void* UnknownEnumerator::queryInterface(REFIID riid) {
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IEnumUnknown)) return static_cast<IEnumUnknown*>(this);
  return nullptr;
}

// The position is state of the enumerator's owner thread; carrying keeps it there.
HRESULT STDMETHODCALLTYPE UnknownEnumerator::Next(ULONG count, IUnknown** objects, ULONG* fetched) {
  if (!objects || (count > 1 && !fetched)) return E_POINTER;
  return carry([&] {
    ULONG given = 0;
    while (given < count && position_ < objects_.size()) {
      objects[given] = objects_[position_++];
      objects[given]->AddRef();
      ++given;
    }
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  });
}

HRESULT STDMETHODCALLTYPE UnknownEnumerator::Skip(ULONG count) {
  return carry([&] {
    const size_t left = objects_.size() - position_;
    const size_t step = count < left ? count : left;
    position_ += step;
    return step == count ? S_OK : S_FALSE;
  });
}

HRESULT STDMETHODCALLTYPE UnknownEnumerator::Reset() {
  return carry([&] {
    position_ = 0;
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE UnknownEnumerator::Clone(IEnumUnknown** copy) {
  if (!copy) return E_POINTER;
  return carry([&] {
    for (IUnknown* object : objects_) object->AddRef();
    *copy = create(objects_, position_);
    return S_OK;
  });
}

}  // namespace mshtml
