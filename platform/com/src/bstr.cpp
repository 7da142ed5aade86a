// BSTR: a length-prefixed, null-terminated OLECHAR string on the heap.
#include <windows.h>

#include <oleauto.h>

#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// The byte length sits in the 32-bit word just before the characters. A block holds
// that word, the bytes and a terminating null character.
BSTR allocateBytes(const void* source, UINT byteLength) {
  if (byteLength > std::numeric_limits<UINT>::max() - sizeof(DWORD) - 2 * sizeof(OLECHAR)) return nullptr;
  const size_t blockSize = sizeof(DWORD) + byteLength + 2 * sizeof(OLECHAR);  // room for an odd byte count
  auto* block = static_cast<char*>(std::calloc(1, blockSize));
  if (!block) return nullptr;
  const DWORD length = byteLength;
  std::memcpy(block, &length, sizeof length);
  char* characters = block + sizeof(DWORD);
  if (source) std::memcpy(characters, source, byteLength);
  return reinterpret_cast<BSTR>(characters);
}

char* blockOf(BSTR bstr) { return reinterpret_cast<char*>(bstr) - sizeof(DWORD); }

}  // namespace

BSTR STDAPICALLTYPE SysAllocString(const OLECHAR* psz) {
  if (!psz) return nullptr;
  size_t length = 0;
  while (psz[length] != 0) ++length;
  if (length > std::numeric_limits<UINT>::max() / sizeof(OLECHAR)) return nullptr;
  return SysAllocStringLen(psz, static_cast<UINT>(length));
}

BSTR STDAPICALLTYPE SysAllocStringLen(const OLECHAR* strIn, UINT ui) {
  if (ui > std::numeric_limits<UINT>::max() / sizeof(OLECHAR)) return nullptr;
  return allocateBytes(strIn, static_cast<UINT>(ui * sizeof(OLECHAR)));
}

BSTR STDAPICALLTYPE SysAllocStringByteLen(LPCSTR psz, UINT len) { return allocateBytes(psz, len); }

INT STDAPICALLTYPE SysReAllocString(BSTR* pbstr, const OLECHAR* psz) {
  if (!pbstr) return FALSE;
  BSTR replacement = SysAllocString(psz);
  if (psz && !replacement) return FALSE;
  SysFreeString(*pbstr);
  *pbstr = replacement;
  return TRUE;
}

void STDAPICALLTYPE SysFreeString(BSTR bstrString) {
  if (bstrString) std::free(blockOf(bstrString));
}

UINT STDAPICALLTYPE SysStringByteLen(BSTR bstr) {
  if (!bstr) return 0;
  DWORD length;
  std::memcpy(&length, blockOf(bstr), sizeof length);
  return length;
}

UINT STDAPICALLTYPE SysStringLen(BSTR pbstr) { return SysStringByteLen(pbstr) / sizeof(OLECHAR); }
