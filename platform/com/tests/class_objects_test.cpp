// Class objects, the running-object table, object enumerators and table-driven IDispatch.
#include <gtest/gtest.h>
#include <objbase.h>

#include "com_test_support.h"
#include "platform_internal/class_objects.h"
#include "platform_internal/enumerator.h"

using com_test::ApartmentThread;
using com_test::callMethod;
using com_test::ComPtr;
using com_test::TableObject;

namespace {

const CLSID kBrowserClass = {0x0002df01, 0x1234, 0x0000, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
const CLSID kUnregisteredClass = {0x0002df02, 0x1234, 0x0000, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr DISPID kWhere = 1;

// Makes TableObjects answering the thread they run on; records where it ran.
class Factory : public com::internal::ComObject<IClassFactory> {
 public:
  DWORD createdOn = 0;
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
    if (outer) return CLASS_E_NOAGGREGATION;
    createdOn = GetCurrentThreadId();
    auto* object = new TableObject;
    object->table.add({kWhere, u"where", [](WORD, DISPPARAMS&, VARIANT* result) {
                         result->vt = VT_I4;
                         result->lVal = static_cast<LONG>(GetCurrentThreadId());
                         return S_OK;
                       }});
    const HRESULT hr = object->QueryInterface(riid, ppv);
    object->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

class ClassObjectsTest : public com_test::ApartmentTest {};

TEST_F(ClassObjectsTest, AnUnregisteredClassFailsWithTheRealCode) {
  ComPtr<IDispatch> object;
  EXPECT_EQ(REGDB_E_CLASSNOTREG, CoCreateInstance(kUnregisteredClass, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                                  reinterpret_cast<void**>(object.put())));
  EXPECT_FALSE(object);
  EXPECT_EQ(E_POINTER, CoCreateInstance(kUnregisteredClass, nullptr, CLSCTX_ALL, IID_IDispatch, nullptr));
}

TEST_F(ClassObjectsTest, ALocalServerCreatesInItsOwnApartment) {
  ApartmentThread server;
  auto* factory = new Factory;
  DWORD registration = 0;
  server.run([&] {
    ASSERT_EQ(S_OK, CoRegisterClassObject(kBrowserClass, factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                                          &registration));
  });

  ComPtr<IDispatch> object;
  ASSERT_EQ(S_OK, CoCreateInstance(kBrowserClass, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                   reinterpret_cast<void**>(object.put())));
  EXPECT_EQ(server.id(), factory->createdOn);
  VARIANT where;
  VariantInit(&where);
  ASSERT_EQ(S_OK, callMethod(object.get(), kWhere, nullptr, &where));
  EXPECT_EQ(server.id(), static_cast<DWORD>(where.lVal));

  // Not offered in-process, and not from another apartment's revocation.
  ComPtr<IDispatch> inproc;
  EXPECT_EQ(REGDB_E_CLASSNOTREG, CoCreateInstance(kBrowserClass, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                                  reinterpret_cast<void**>(inproc.put())));
  EXPECT_EQ(RPC_E_WRONG_THREAD, CoRevokeClassObject(registration));
  server.run([&] { EXPECT_EQ(S_OK, CoRevokeClassObject(registration)); });
  EXPECT_EQ(E_INVALIDARG, CoRevokeClassObject(registration));
  EXPECT_EQ(REGDB_E_CLASSNOTREG, CoCreateInstance(kBrowserClass, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                                  reinterpret_cast<void**>(object.put())));
  factory->Release();
}

TEST_F(ClassObjectsTest, AnApartmentsRegistrationsEndWithIt) {
  auto* factory = new Factory;
  {
    ApartmentThread server;
    server.run([&] {
      DWORD registration = 0;
      ASSERT_EQ(S_OK, CoRegisterClassObject(kBrowserClass, factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                                            &registration));
    });
  }
  ComPtr<IDispatch> object;
  EXPECT_EQ(REGDB_E_CLASSNOTREG, CoCreateInstance(kBrowserClass, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                                  reinterpret_cast<void**>(object.put())));
  factory->Release();
}

TEST_F(ClassObjectsTest, AProcessWideFactoryRunsOnTheCreatingThread) {
  auto* factory = new Factory;
  DWORD registration = 0;
  ASSERT_EQ(S_OK, com::internal::registerProcessClassObject(kBrowserClass, factory, CLSCTX_LOCAL_SERVER, &registration));
  ApartmentThread client;
  client.run([&] {
    ComPtr<IClassFactory> classObject;
    ASSERT_EQ(S_OK, CoGetClassObject(kBrowserClass, CLSCTX_LOCAL_SERVER, nullptr, IID_IClassFactory,
                                     reinterpret_cast<void**>(classObject.put())));
    ComPtr<IDispatch> object;
    ASSERT_EQ(S_OK, CoCreateInstance(kBrowserClass, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                     reinterpret_cast<void**>(object.put())));
  });
  EXPECT_EQ(client.id(), factory->createdOn);
  EXPECT_EQ(S_OK, CoRevokeClassObject(registration));
  factory->Release();
}

TEST_F(ClassObjectsTest, TheRunningObjectTable) {
  ComPtr<IUnknown> found;
  EXPECT_EQ(MK_E_UNAVAILABLE, GetActiveObject(kBrowserClass, nullptr, found.put()));

  ApartmentThread owner;
  com_test::CarriedTableObject* browser = nullptr;
  DWORD registration = 0;
  owner.run([&] {
    browser = new com_test::CarriedTableObject;
    ASSERT_EQ(S_OK, RegisterActiveObject(browser->identity(), kBrowserClass, ACTIVEOBJECT_STRONG, &registration));
  });
  ASSERT_EQ(S_OK, GetActiveObject(kBrowserClass, nullptr, found.put()));
  EXPECT_EQ(browser->identity(), found.get());  // a self-carrying object comes as itself
  ComPtr<IDispatch> dispatch;
  EXPECT_EQ(S_OK, found.as(dispatch));

  EXPECT_EQ(S_OK, RevokeActiveObject(registration, nullptr));
  EXPECT_EQ(E_INVALIDARG, RevokeActiveObject(registration, nullptr));
  EXPECT_EQ(MK_E_UNAVAILABLE, GetActiveObject(kBrowserClass, nullptr, found.put()));
  browser->Release();
}

TEST(EnumUnknownTest, NextSkipResetAndClone) {
  auto* a = new TableObject;
  auto* b = new TableObject;
  ComPtr<IEnumUnknown> objects =
      ComPtr<IEnumUnknown>::adopt(new com::internal::UnknownEnumerator({a->identity(), b->identity()}));
  a->Release();
  b->Release();

  IUnknown* item = nullptr;
  ULONG fetched = 0;
  ASSERT_EQ(S_OK, objects->Next(1, &item, &fetched));
  EXPECT_EQ(1u, fetched);
  EXPECT_EQ(a->identity(), item);
  item->Release();

  ComPtr<IEnumUnknown> clone;
  ASSERT_EQ(S_OK, objects->Clone(clone.put()));
  ASSERT_EQ(S_OK, objects->Next(1, &item, nullptr));  // a count of 1 needs no fetched count
  EXPECT_EQ(b->identity(), item);
  item->Release();
  EXPECT_EQ(S_FALSE, objects->Next(1, &item, &fetched));
  EXPECT_EQ(0u, fetched);

  IUnknown* two[2];
  EXPECT_EQ(E_INVALIDARG, clone->Next(2, two, nullptr));
  ASSERT_EQ(S_FALSE, clone->Next(2, two, &fetched));  // the clone kept its own position
  EXPECT_EQ(1u, fetched);
  two[0]->Release();

  EXPECT_EQ(S_FALSE, objects->Skip(3));
  ASSERT_EQ(S_OK, objects->Reset());
  EXPECT_EQ(S_OK, objects->Skip(2));
}

TEST(DispatchTableTest, NamesAndMembers) {
  auto* object = new TableObject;
  object->table.add({7, u"LocationURL", [](WORD, DISPPARAMS&, VARIANT* result) {
                       result->vt = VT_BSTR;
                       result->bstrVal = SysAllocString(u"about:blank");
                       return S_OK;
                     }});
  OLECHAR name[] = u"locationurl";
  LPOLESTR names[] = {name};
  DISPID id = 0;
  ASSERT_EQ(S_OK, object->GetIDsOfNames(IID_NULL, names, 1, 0x400, &id));
  EXPECT_EQ(7, id);
  OLECHAR unknown[] = u"Nothing";
  names[0] = unknown;
  EXPECT_EQ(DISP_E_UNKNOWNNAME, object->GetIDsOfNames(IID_NULL, names, 1, 0x400, &id));
  EXPECT_EQ(DISPID_UNKNOWN, id);

  VARIANT result;
  VariantInit(&result);
  ASSERT_EQ(S_OK, object->Invoke(7, IID_NULL, 0x400, DISPATCH_PROPERTYGET, nullptr, &result, nullptr, nullptr));
  EXPECT_EQ(u"about:blank", com_test::text(result.bstrVal));
  VariantClear(&result);
  EXPECT_EQ(DISP_E_MEMBERNOTFOUND, callMethod(object, 8));
  EXPECT_EQ(DISP_E_UNKNOWNINTERFACE,
            object->Invoke(7, IID_IDispatch, 0x400, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr));
  UINT count = 1;
  EXPECT_EQ(S_OK, object->GetTypeInfoCount(&count));
  EXPECT_EQ(0u, count);
  object->Release();
}

}  // namespace
