// GUID, IID and CLSID, with the comparisons and the __uuidof emulation that MinGW's
// headers use (a template specialised per interface by __CRT_UUID_DECL).
#pragma once
#define GUID_DEFINED

#include <windef.h>

#include <cstring>

#ifndef EXTERN_C
#define EXTERN_C extern "C"
#endif

typedef struct _GUID {
  uint32_t Data1;
  uint16_t Data2;
  uint16_t Data3;
  uint8_t Data4[8];
} GUID;

typedef GUID IID;
typedef GUID CLSID;
typedef GUID* LPGUID;
typedef IID* LPIID;
typedef CLSID* LPCLSID;
typedef const GUID& REFGUID;
typedef const IID& REFIID;
typedef const CLSID& REFCLSID;

#define DEFINE_GUID(name, l, w1, w2, b1, b2, b3, b4, b5, b6, b7, b8) \
  EXTERN_C const GUID name

inline bool IsEqualGUID(REFGUID a, REFGUID b) { return std::memcmp(&a, &b, sizeof(GUID)) == 0; }
#define IsEqualIID(a, b) IsEqualGUID(a, b)
#define IsEqualCLSID(a, b) IsEqualGUID(a, b)
inline bool operator==(REFGUID a, REFGUID b) { return IsEqualGUID(a, b); }
inline bool operator!=(REFGUID a, REFGUID b) { return !IsEqualGUID(a, b); }

EXTERN_C const GUID GUID_NULL;
#define IID_NULL GUID_NULL
#define CLSID_NULL GUID_NULL

extern "C++" {
template <typename T>
struct __mingw_uuidof_s;
template <typename T>
constexpr const GUID& __mingw_uuidof();
}

#define __CRT_UUID_DECL(type, l, w1, w2, b1, b2, b3, b4, b5, b6, b7, b8) \
  extern "C++" {                                                         \
  template <>                                                            \
  struct __mingw_uuidof_s<type> {                                        \
    static constexpr GUID __uuid_inst = {l, w1, w2, {b1, b2, b3, b4, b5, b6, b7, b8}}; \
  };                                                                     \
  template <>                                                            \
  constexpr const GUID& __mingw_uuidof<type>() {                         \
    return __mingw_uuidof_s<type>::__uuid_inst;                          \
  }                                                                      \
  template <>                                                            \
  constexpr const GUID& __mingw_uuidof<type*>() {                        \
    return __mingw_uuidof_s<type>::__uuid_inst;                          \
  }                                                                      \
  }

#define __uuidof(type) __mingw_uuidof<__typeof(type)>()
