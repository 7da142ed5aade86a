// CoMarshalInterface and CoUnmarshalInterface. The stream receives a token naming an
// entry of the process's table of marshalled objects; the entry holds a reference to
// the object and the thread of its apartment.
//
// An object of another apartment comes back to the unmarshalling thread as itself when
// it is agile (the stand-ins' browser objects carry their own calls, like the objects
// of the browser process they stand for), otherwise as a proxy carrying IDispatch.
// Normal marshalling of a plain object is consumed by its first unmarshalling, as on
// Windows; the token of an agile object stays valid while the object's apartment lives
// (the browser's streams are unmarshalled by several threads), and marshalling the same
// agile object again reuses its entry.
#include <objbase.h>

#include <cstring>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

#include "apartment_end.h"
#include "dispatch_proxy.h"
#include "platform_internal/apartment.h"

namespace com::internal {
namespace {

constexpr char kMagic[4] = {'T', 'W', 'O', 'R'};
constexpr DWORD kNoOwner = 0;  // agile objects outside any apartment (streams ...)

struct Token {
  char magic[4];
  DWORD flags;
  ULONGLONG entry;
};
static_assert(sizeof(Token) == 16);

struct Entry {
  IUnknown* object;  // one reference, the object's identity
  DWORD owner;       // the apartment's thread, kNoOwner for an unbound agile object
  bool agile;
  bool tableStrong;
};

struct MarshalTable {
  std::mutex mutex;
  ULONGLONG nextEntry = 1;
  std::map<ULONGLONG, Entry> entries;
  std::map<IUnknown*, ULONGLONG> agileEntries;  // identity -> entry
};

MarshalTable& table() {
  static auto* instance = new MarshalTable;  // outlives threads ending at process exit
  return *instance;
}

// Releases a reference on the object's own thread (here when that thread has ended).
void releaseOnOwner(IUnknown* object, DWORD owner) {
  if (owner == kNoOwner || owner == GetCurrentThreadId() ||
      !win32::internal::callOnThread(owner, [object] { object->Release(); })) {
    object->Release();
  }
}

HRESULT readToken(IStream* stream, Token& token) {
  ULONG read = 0;
  const HRESULT hr = stream->Read(&token, sizeof token, &read);
  if (FAILED(hr)) return hr;
  if (read != sizeof token) return STG_E_READFAULT;
  if (std::memcmp(token.magic, kMagic, sizeof kMagic) != 0) return RPC_E_INVALID_OBJREF;
  return S_OK;
}

}  // namespace

HRESULT interfaceForCallingThread(IUnknown* object, DWORD ownerThread, REFIID riid, void** ppv) {
  if (!object || !ppv) return E_POINTER;
  *ppv = nullptr;
  const DWORD home = GetCurrentThreadId();
  if (ownerThread == home) return object->QueryInterface(riid, ppv);
  HRESULT result = RPC_E_DISCONNECTED;
  const bool ran = win32::internal::callOnThread(ownerThread, [&] {
    auto body = [&] { return handOut(object, ownerThread, home, riid, ppv); };
    result = runGuarded(body);
  });
  return ran ? result : RPC_E_DISCONNECTED;
}

void releaseMarshalledObjectsOf(DWORD apartmentThread) {
  std::vector<IUnknown*> released;
  {
    auto& t = table();
    std::lock_guard lock(t.mutex);
    for (auto it = t.entries.begin(); it != t.entries.end();) {
      if (it->second.owner != apartmentThread) {
        ++it;
        continue;
      }
      if (it->second.agile) t.agileEntries.erase(it->second.object);
      released.push_back(it->second.object);
      it = t.entries.erase(it);
    }
  }
  for (IUnknown* object : released) object->Release();
}

}  // namespace com::internal

using namespace com::internal;

HRESULT STDAPICALLTYPE CoMarshalInterface(LPSTREAM pStm, REFIID riid, LPUNKNOWN pUnk, DWORD dwDestContext,
                                          LPVOID, DWORD mshlflags) {
  if (!pStm || !pUnk) return E_INVALIDARG;
  if (!apartmentInitialised()) return CO_E_NOTINITIALIZED;
  if (dwDestContext > MSHCTX_CROSSCTX) return E_INVALIDARG;
  if (mshlflags != MSHLFLAGS_NORMAL && mshlflags != MSHLFLAGS_TABLESTRONG) return E_INVALIDARG;

  // The object must offer the interface; the entry holds its identity.
  IUnknown* asRequested = nullptr;
  HRESULT hr = pUnk->QueryInterface(riid, reinterpret_cast<void**>(&asRequested));
  if (FAILED(hr)) return hr;
  asRequested->Release();

  Entry entry{nullptr, GetCurrentThreadId(), false, mshlflags == MSHLFLAGS_TABLESTRONG};
  DWORD proxiedOwner = 0;
  if (auto* proxy = dynamic_cast<DispatchProxy*>(pUnk); proxy && proxy->target(&entry.object, &proxiedOwner)) {
    entry.owner = proxiedOwner;  // the token names the object behind the proxy
  } else {
    hr = pUnk->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&entry.object));
    if (FAILED(hr)) return hr;
    entry.agile = isAgile(entry.object);
    if (entry.agile) {
      auto* bound = dynamic_cast<ApartmentObject*>(entry.object);
      entry.owner = bound ? bound->ownerThread() : kNoOwner;
    }
  }

  Token token{};
  std::memcpy(token.magic, kMagic, sizeof kMagic);
  token.flags = mshlflags;
  {
    auto& t = table();
    std::lock_guard lock(t.mutex);
    auto known = entry.agile ? t.agileEntries.find(entry.object) : t.agileEntries.end();
    if (known != t.agileEntries.end()) {
      token.entry = known->second;
    } else {
      token.entry = t.nextEntry++;
      t.entries.emplace(token.entry, entry);
      if (entry.agile) t.agileEntries.emplace(entry.object, token.entry);
      entry.object = nullptr;  // the table owns the reference now
    }
  }
  if (entry.object) entry.object->Release();  // an agile entry existed already

  ULONG written = 0;
  hr = pStm->Write(&token, sizeof token, &written);
  if (FAILED(hr)) return hr;
  return written == sizeof token ? S_OK : STG_E_MEDIUMFULL;
}

HRESULT STDAPICALLTYPE CoUnmarshalInterface(LPSTREAM pStm, REFIID riid, LPVOID* ppv) {
  if (!pStm || !ppv) return E_INVALIDARG;
  *ppv = nullptr;
  if (!apartmentInitialised()) return CO_E_NOTINITIALIZED;
  Token token;
  HRESULT hr = readToken(pStm, token);
  if (FAILED(hr)) return hr;

  Entry entry{};
  bool consumed = false;
  {
    auto& t = table();
    std::lock_guard lock(t.mutex);
    auto it = t.entries.find(token.entry);
    if (it == t.entries.end()) return CO_E_OBJNOTCONNECTED;
    entry = it->second;
    consumed = !entry.agile && !entry.tableStrong;
    if (consumed) {
      t.entries.erase(it);  // the reference is ours now
    } else {
      entry.object->AddRef();
    }
  }
  const DWORD home = GetCurrentThreadId();
  if (entry.agile || entry.owner == home) {
    hr = entry.object->QueryInterface(riid, ppv);
    releaseOnOwner(entry.object, entry.agile ? kNoOwner : entry.owner);
    return hr;
  }
  hr = RPC_E_DISCONNECTED;
  const bool ran = win32::internal::callOnThread(entry.owner, [&] {
    auto body = [&] { return handOut(entry.object, entry.owner, home, riid, ppv); };
    hr = runGuarded(body);
    entry.object->Release();
  });
  if (!ran) {
    entry.object->Release();  // the apartment has ended; its thread cannot take it
    return CO_E_OBJNOTCONNECTED;
  }
  return hr;
}

HRESULT STDAPICALLTYPE CoReleaseMarshalData(LPSTREAM pStm) {
  if (!pStm) return E_INVALIDARG;
  if (!apartmentInitialised()) return CO_E_NOTINITIALIZED;
  Token token;
  HRESULT hr = readToken(pStm, token);
  if (FAILED(hr)) return hr;
  Entry entry{};
  {
    auto& t = table();
    std::lock_guard lock(t.mutex);
    auto it = t.entries.find(token.entry);
    if (it == t.entries.end()) return CO_E_OBJNOTCONNECTED;
    entry = it->second;
    if (entry.agile) t.agileEntries.erase(entry.object);
    t.entries.erase(it);
  }
  releaseOnOwner(entry.object, entry.agile ? kNoOwner : entry.owner);
  return S_OK;
}

HRESULT STDAPICALLTYPE CoMarshalInterThreadInterfaceInStream(REFIID riid, LPUNKNOWN pUnk, LPSTREAM* ppStm) {
  if (!ppStm) return E_INVALIDARG;
  *ppStm = nullptr;
  IStream* stream = nullptr;
  HRESULT hr = CreateStreamOnHGlobal(nullptr, TRUE, &stream);
  if (FAILED(hr)) return hr;
  hr = CoMarshalInterface(stream, riid, pUnk, MSHCTX_INPROC, nullptr, MSHLFLAGS_NORMAL);
  if (FAILED(hr)) {
    stream->Release();
    return hr;
  }
  LARGE_INTEGER start{};
  stream->Seek(start, STREAM_SEEK_SET, nullptr);
  *ppStm = stream;
  return S_OK;
}

HRESULT STDAPICALLTYPE CoGetInterfaceAndReleaseStream(LPSTREAM pStm, REFIID iid, LPVOID* ppv) {
  if (!pStm || !ppv) return E_INVALIDARG;
  const HRESULT hr = CoUnmarshalInterface(pStm, iid, ppv);
  pStm->Release();
  return hr;
}
