// The Internet Explorer class (CLSID_InternetExplorer), registered with the COM
// stand-in's class table when this library loads, as installing IE registers its local
// server: every CoCreateInstance starts a new browser instance with its own thread.
#include "browser_session.h"
#include "carried_object.h"

#include <exdisp.h>
#include <objbase.h>
#include <platform_internal/class_objects.h>

namespace mshtml {
namespace {

class InternetExplorerFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
      *out = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  // The factory lives as long as the library.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return BrowserSession::create(riid, out);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

InternetExplorerFactory factory;

struct Registration {
  DWORD cookie = 0;
  // The factory belongs to no apartment: creating a browser only starts its thread.
  Registration() { com::internal::registerProcessClassObject(CLSID_InternetExplorer, &factory, CLSCTX_LOCAL_SERVER, &cookie); }
  ~Registration() {
    if (cookie) CoRevokeClassObject(cookie);
  }
};

Registration registration;

}  // namespace
}  // namespace mshtml
