// IEnumUnknown over a fixed list of objects (the frames IOleContainer::EnumObjects
// enumerates). The list is taken when the enumerator is made, as IE's is.
#pragma once

#include "carried_object.h"

#include <objidl.h>

#include <vector>

namespace mshtml {

class UnknownEnumerator final : public CarriedObject, public IEnumUnknown {
 public:
  // Takes over one reference to each object. Returns a new reference.
  static UnknownEnumerator* create(std::vector<IUnknown*> objects, size_t position = 0);

  MSHTML_IUNKNOWN_METHODS

  HRESULT STDMETHODCALLTYPE Next(ULONG count, IUnknown** objects, ULONG* fetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumUnknown** copy) override;

 private:
  UnknownEnumerator(std::vector<IUnknown*> objects, size_t position) : objects_(std::move(objects)), position_(position) {}
  ~UnknownEnumerator() override;
  void* queryInterface(REFIID riid);

  const std::vector<IUnknown*> objects_;
  size_t position_;
};

}  // namespace mshtml
