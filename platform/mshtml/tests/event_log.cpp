#include "event_log.h"

#include <algorithm>

namespace mshtml_test {
namespace {

std::string textOf(const VARIANT* v) {
  while (v && V_VT(v) == (VT_BYREF | VT_VARIANT)) v = v->pvarVal;
  if (!v || V_VT(v) != VT_BSTR || !V_BSTR(v)) return {};
  std::string out;
  for (UINT i = 0; i < SysStringLen(V_BSTR(v)); ++i) out.push_back(static_cast<char>(V_BSTR(v)[i]));
  return out;
}

bool isNullText(const VARIANT* v) {
  while (v && V_VT(v) == (VT_BYREF | VT_VARIANT)) v = v->pvarVal;
  return !v || V_VT(v) != VT_BSTR || !V_BSTR(v);
}

}  // namespace

IUnknown* identity(IUnknown* object) {
  if (!object) return nullptr;
  IUnknown* unknown = nullptr;
  object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown));
  if (unknown) unknown->Release();
  return unknown;
}

std::vector<DISPID> EventLog::ids(std::initializer_list<DISPID> wanted) const {
  std::vector<DISPID> out;
  for (const BrowserEvent& event : events) {
    if (wanted.size() == 0 || std::find(wanted.begin(), wanted.end(), event.id) != wanted.end()) out.push_back(event.id);
  }
  return out;
}

bool EventLog::received(DISPID id) const {
  return std::any_of(events.begin(), events.end(), [&](const BrowserEvent& e) { return e.id == id; });
}

HRESULT STDMETHODCALLTYPE EventLog::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, DIID_DWebBrowserEvents2)) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE EventLog::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}
HRESULT STDMETHODCALLTYPE EventLog::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE EventLog::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE EventLog::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                           UINT*) {
  BrowserEvent event;
  event.id = id;
  VARIANT* args = params ? params->rgvarg : nullptr;
  const UINT count = params ? params->cArgs : 0;
  switch (id) {
    case DISPID_BEFORENAVIGATE2:
      if (count != 7) return DISP_E_BADPARAMCOUNT;
      event.about = identity(V_DISPATCH(&args[6]));
      event.url = textOf(&args[5]);
      event.frameName = textOf(&args[3]);
      event.frameNameNull = isNullText(&args[3]);
      if (!cancelNavigationTo.empty() && event.url.find(cancelNavigationTo) != std::string::npos) {
        *args[0].pboolVal = VARIANT_TRUE;
      }
      break;
    case DISPID_NAVIGATECOMPLETE2:
    case DISPID_DOCUMENTCOMPLETE:
      if (count != 2) return DISP_E_BADPARAMCOUNT;
      event.about = identity(V_DISPATCH(&args[1]));
      event.url = textOf(&args[0]);
      break;
    case DISPID_NEWWINDOW2:
      if (count != 2 || V_VT(&args[1]) != (VT_BYREF | VT_DISPATCH) || V_VT(&args[0]) != (VT_BYREF | VT_BOOL)) {
        return DISP_E_TYPEMISMATCH;
      }
      if (cancelNewWindow) *args[0].pboolVal = VARIANT_TRUE;
      if (newWindowHost) {
        newWindowHost->AddRef();
        *args[1].ppdispVal = newWindowHost;
      }
      break;
    case DISPID_COMMANDSTATECHANGE:
      if (count != 2 || V_VT(&args[1]) != VT_I4 || V_VT(&args[0]) != VT_BOOL) return DISP_E_TYPEMISMATCH;
      event.command = V_I4(&args[1]);
      event.enabled = V_BOOL(&args[0]) != VARIANT_FALSE;
      break;
    default:
      break;
  }
  events.push_back(event);
  return S_OK;
}

Connection::Connection(IUnknown* source, REFIID events, IUnknown* sink) {
  Ref<IConnectionPointContainer> container;
  result_ = source->QueryInterface(IID_IConnectionPointContainer, container.outVoid());
  if (FAILED(result_)) return;
  result_ = container->FindConnectionPoint(events, point_.out());
  if (FAILED(result_)) return;
  result_ = point_->Advise(sink, &cookie_);
}

Connection::~Connection() {
  if (point_ && cookie_) point_->Unadvise(cookie_);
}

}  // namespace mshtml_test
