// IOleContainer: the objects embedded in a document (its frames).
#pragma once
#define __oleidl_h__

#include "objidl.h"

typedef enum tagOLECONTF {
  OLECONTF_EMBEDDINGS = 1,
  OLECONTF_LINKS = 2,
  OLECONTF_OTHERS = 4,
  OLECONTF_ONLYUSER = 8,
  OLECONTF_ONLYIFRUNNING = 16
} OLECONTF;

EXTERN_C const IID IID_IParseDisplayName;
MIDL_INTERFACE("0000011a-0000-0000-C000-000000000046")
IParseDisplayName : public IUnknown {
 public:
  virtual HRESULT STDMETHODCALLTYPE ParseDisplayName(IBindCtx* pbc, LPOLESTR pszDisplayName, ULONG* pchEaten,
                                                     IMoniker** ppmkOut) = 0;
};
__CRT_UUID_DECL(IParseDisplayName, 0x0000011a, 0x0000, 0x0000, 0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46)

EXTERN_C const IID IID_IOleContainer;
MIDL_INTERFACE("0000011b-0000-0000-C000-000000000046")
IOleContainer : public IParseDisplayName {
 public:
  virtual HRESULT STDMETHODCALLTYPE EnumObjects(DWORD grfFlags, IEnumUnknown** ppenum) = 0;
  virtual HRESULT STDMETHODCALLTYPE LockContainer(BOOL fLock) = 0;
};
__CRT_UUID_DECL(IOleContainer, 0x0000011b, 0x0000, 0x0000, 0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46)
typedef IOleContainer* LPOLECONTAINER;
