// Marshalling between apartments: where calls run, what each apartment gets back, and
// what becomes of references when an apartment ends.
#include <gtest/gtest.h>
#include <objbase.h>

#include "com_test_support.h"
#include "platform_internal/dispatch_arguments.h"

using com_test::ApartmentThread;
using com_test::callMethod;
using com_test::CarriedTableObject;
using com_test::ComPtr;
using com_test::Lifetime;
using com_test::TableObject;

namespace {

class MarshallingTest : public com_test::ApartmentTest {};

constexpr DISPID kWhere = 1;
constexpr DISPID kCallBack = 2;
constexpr DISPID kMake = 3;

// A member that answers the id of the thread it ran on.
com::internal::DispatchMember whereMember(DISPID id = kWhere) {
  return {id, u"where", [](WORD, DISPPARAMS&, VARIANT* result) {
            if (result) {
              result->vt = VT_I4;
              result->lVal = static_cast<LONG>(GetCurrentThreadId());
            }
            return S_OK;
          }};
}

DWORD whereCalled(IDispatch* object) {
  VARIANT result;
  VariantInit(&result);
  EXPECT_EQ(S_OK, callMethod(object, kWhere, nullptr, &result));
  return static_cast<DWORD>(result.lVal);
}

ComPtr<IDispatch> unmarshalDispatch(IStream* stream, HRESULT expected = S_OK) {
  ComPtr<IDispatch> object;
  EXPECT_EQ(expected, CoUnmarshalInterface(stream, IID_IDispatch, reinterpret_cast<void**>(object.put())));
  return object;
}

TEST_F(MarshallingTest, CallsOnAnUnmarshalledReferenceRunInTheOwningApartment) {
  Lifetime lifetime;
  ApartmentThread owner;
  ComPtr<IStream> stream;
  IDispatch* original = nullptr;
  owner.run([&] {
    auto* object = new TableObject(&lifetime);
    object->table.add(whereMember());
    original = object;
    stream = com_test::marshal(object, IID_IDispatch);
    object->Release();  // the marshalled data holds the object now
  });

  ComPtr<IDispatch> proxy = unmarshalDispatch(stream.get());
  ASSERT_TRUE(proxy);
  EXPECT_NE(original, proxy.get());
  EXPECT_EQ(owner.id(), whereCalled(proxy.get()));

  // Only IUnknown and IDispatch cross apartments for a plain object.
  ComPtr<IUnknown> unknown;
  EXPECT_EQ(S_OK, proxy->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(unknown.put())));
  ComPtr<IStream> notOffered;
  EXPECT_EQ(E_NOINTERFACE, proxy->QueryInterface(IID_IStream, reinterpret_cast<void**>(notOffered.put())));

  // Normal marshalling is used up by the first unmarshalling.
  com_test::rewind(stream.get());
  EXPECT_FALSE(unmarshalDispatch(stream.get(), CO_E_OBJNOTCONNECTED));

  EXPECT_EQ(1, lifetime.alive);
  unknown.reset();
  proxy.reset();
  EXPECT_EQ(0, lifetime.alive);
  EXPECT_EQ(owner.id(), lifetime.destroyedOn.load());  // released in its own apartment
}

TEST_F(MarshallingTest, UnmarshallingOnTheOwningThreadGivesTheObjectItself) {
  auto* object = new TableObject;
  ComPtr<IStream> stream = com_test::marshal(object, IID_IDispatch);
  ComPtr<IDispatch> same = unmarshalDispatch(stream.get());
  EXPECT_EQ(static_cast<IDispatch*>(object), same.get());
  object->Release();
}

TEST_F(MarshallingTest, AReentrantChainBetweenTwoApartmentsCompletes) {
  ApartmentThread other;
  ComPtr<IStream> stream;
  other.run([&] {
    auto* object = new TableObject;
    // Calls the object it is given, which belongs to the caller's apartment.
    object->table.add({kCallBack, u"callBack", [](WORD, DISPPARAMS& params, VARIANT* result) {
                         VARIANT* callback = com::internal::argumentAt(params, 0);
                         if (!callback || callback->vt != VT_DISPATCH) return E_INVALIDARG;
                         return callMethod(callback->pdispVal, kWhere, nullptr, result);
                       }});
    stream = com_test::marshal(object, IID_IDispatch);
    object->Release();
  });
  ComPtr<IDispatch> remote = unmarshalDispatch(stream.get());

  auto* local = new TableObject;
  local->table.add(whereMember());
  com::internal::DispatchArguments arguments;
  arguments.addDispatch(local);
  local->Release();
  VARIANT result;
  VariantInit(&result);
  ASSERT_EQ(S_OK, callMethod(remote.get(), kCallBack, arguments.params(), &result));
  // The callback ran here, on the waiting caller's thread.
  EXPECT_EQ(GetCurrentThreadId(), static_cast<DWORD>(result.lVal));
}

// An object whose IDispatch is not its identity (IUnknown) pointer.
class SecondaryDispatch : public com::internal::ComObject<
                              IParseDisplayName, com::internal::Implements<com::internal::DispatchFromTable<IDispatch>, IDispatch>> {
 public:
  HRESULT STDMETHODCALLTYPE ParseDisplayName(IBindCtx*, LPOLESTR, ULONG*, IMoniker**) override { return E_NOTIMPL; }
  com::internal::DispatchTable table;

 protected:
  const com::internal::DispatchTable& dispatchTable() const override { return table; }
};

TEST_F(MarshallingTest, AnObjectReturnedToItsOwnApartmentIsItselfAgain) {
  constexpr DISPID kEcho = 4;
  ApartmentThread other;
  ComPtr<IStream> stream;
  other.run([&] {
    auto* echo = new TableObject;
    echo->table.add({kEcho, u"echo", [](WORD, DISPPARAMS& params, VARIANT* result) {
                       VARIANT* argument = com::internal::argumentAt(params, 0);
                       return argument ? VariantCopy(result, argument) : E_INVALIDARG;
                     }});
    stream = com_test::marshal(echo, IID_IDispatch);
    echo->Release();
  });
  ComPtr<IDispatch> echo = unmarshalDispatch(stream.get());

  auto* local = new SecondaryDispatch;
  IDispatch* localDispatch = local;
  ASSERT_NE(static_cast<void*>(local->identity()), static_cast<void*>(localDispatch));
  com::internal::DispatchArguments arguments;
  arguments.addDispatch(localDispatch);
  local->Release();
  VARIANT result;
  VariantInit(&result);
  ASSERT_EQ(S_OK, callMethod(echo.get(), kEcho, arguments.params(), &result));
  ASSERT_EQ(VT_DISPATCH, result.vt);
  EXPECT_EQ(localDispatch, result.pdispVal);  // not a proxy to a proxy, and as IDispatch
  VariantClear(&result);
}

TEST_F(MarshallingTest, AProxyIsRefusedOnAnotherThread) {
  ApartmentThread owner, third;
  ComPtr<IStream> stream;
  owner.run([&] {
    auto* object = new TableObject;
    object->table.add(whereMember());
    stream = com_test::marshal(object, IID_IDispatch);
    object->Release();
  });
  ComPtr<IDispatch> proxy = unmarshalDispatch(stream.get());
  third.run([&] {
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(RPC_E_WRONG_THREAD, callMethod(proxy.get(), kWhere, nullptr, &result));
  });
}

TEST_F(MarshallingTest, ObjectsReturnedFromAnotherApartmentArriveAsProxies) {
  ApartmentThread owner;
  ComPtr<IStream> stream;
  owner.run([&] {
    auto* factory = new TableObject;
    factory->table.add({kMake, u"make", [](WORD, DISPPARAMS&, VARIANT* result) {
                          auto* made = new TableObject;
                          made->table.add(whereMember());
                          result->vt = VT_DISPATCH;
                          result->pdispVal = made;
                          return S_OK;
                        }});
    stream = com_test::marshal(factory, IID_IDispatch);
    factory->Release();
  });
  ComPtr<IDispatch> factory = unmarshalDispatch(stream.get());
  VARIANT made;
  VariantInit(&made);
  ASSERT_EQ(S_OK, callMethod(factory.get(), kMake, nullptr, &made));
  ASSERT_EQ(VT_DISPATCH, made.vt);
  EXPECT_EQ(owner.id(), whereCalled(made.pdispVal));
  VariantClear(&made);
}

TEST_F(MarshallingTest, ASelfCarryingObjectIsHandedOutAsItselfAndStaysUnmarshallable) {
  Lifetime lifetime;
  ApartmentThread browser;
  ComPtr<IStream> stream;
  IDispatch* original = nullptr;
  browser.run([&] {
    auto* object = new CarriedTableObject(&lifetime);
    object->table.add(whereMember());
    original = object;
    stream = com_test::marshal(object->identity(), IID_IDispatch);
    object->Release();
  });
  ComPtr<IDispatch> first = unmarshalDispatch(stream.get());
  EXPECT_EQ(original, first.get());
  EXPECT_EQ(browser.id(), whereCalled(first.get()));

  // Every thread that uses the browser unmarshals the same stream again.
  ApartmentThread worker;
  worker.run([&] {
    com_test::rewind(stream.get());
    ComPtr<IDispatch> second = unmarshalDispatch(stream.get());
    EXPECT_EQ(original, second.get());
    EXPECT_EQ(browser.id(), whereCalled(second.get()));
  });

  first.reset();
  EXPECT_EQ(1, lifetime.alive);  // the token still holds it
  browser.stop();                // the apartment ends and lets go of its marshalled objects
  EXPECT_EQ(0, lifetime.alive);
  EXPECT_EQ(browser.id(), lifetime.destroyedOn.load());
}

TEST_F(MarshallingTest, CallsIntoAnEndedApartmentReportDisconnection) {
  Lifetime plainLifetime;
  ApartmentThread owner;
  ComPtr<IStream> plainStream, carriedStream;
  owner.run([&] {
    auto* plain = new TableObject(&plainLifetime);
    plain->table.add(whereMember());
    plainStream = com_test::marshal(plain, IID_IDispatch);
    plain->Release();
    auto* carried = new CarriedTableObject;
    carried->table.add(whereMember());
    carriedStream = com_test::marshal(carried->identity(), IID_IDispatch);
    carried->Release();
  });
  ComPtr<IDispatch> plain = unmarshalDispatch(plainStream.get());
  ComPtr<IDispatch> carried = unmarshalDispatch(carriedStream.get());
  owner.stop();

  EXPECT_EQ(0, plainLifetime.alive);  // released by its apartment as it ended
  VARIANT result;
  VariantInit(&result);
  EXPECT_EQ(RPC_E_DISCONNECTED, callMethod(plain.get(), kWhere, nullptr, &result));
  EXPECT_EQ(RPC_E_DISCONNECTED, callMethod(carried.get(), kWhere, nullptr, &result));
}

TEST_F(MarshallingTest, ReMarshallingAProxyNamesTheOriginalObject) {
  ApartmentThread owner;
  ComPtr<IStream> stream;
  IDispatch* original = nullptr;
  owner.run([&] {
    auto* object = new TableObject;
    object->table.add(whereMember());
    original = object;
    stream = com_test::marshal(object, IID_IDispatch);
    object->Release();
  });
  ComPtr<IDispatch> proxy = unmarshalDispatch(stream.get());
  ComPtr<IStream> again = com_test::marshal(proxy.get(), IID_IDispatch);
  owner.run([&] {
    ComPtr<IDispatch> back = unmarshalDispatch(again.get());
    EXPECT_EQ(original, back.get());
  });
}

TEST_F(MarshallingTest, InterThreadHelpersAndReleasingMarshalData) {
  Lifetime lifetime;
  auto* object = new TableObject(&lifetime);
  object->table.add(whereMember());
  IStream* stream = nullptr;
  ASSERT_EQ(S_OK, CoMarshalInterThreadInterfaceInStream(IID_IDispatch, object, &stream));
  ApartmentThread other;
  other.run([&] {
    ComPtr<IDispatch> proxy;
    ASSERT_EQ(S_OK, CoGetInterfaceAndReleaseStream(stream, IID_IDispatch, reinterpret_cast<void**>(proxy.put())));
    EXPECT_NE(static_cast<IDispatch*>(object), proxy.get());
  });

  ComPtr<IStream> unused = com_test::marshal(object, IID_IDispatch);
  object->Release();
  EXPECT_EQ(1, lifetime.alive);
  ASSERT_EQ(S_OK, CoReleaseMarshalData(unused.get()));
  EXPECT_EQ(0, lifetime.alive);
  com_test::rewind(unused.get());
  EXPECT_EQ(CO_E_OBJNOTCONNECTED, CoReleaseMarshalData(unused.get()));
}

TEST_F(MarshallingTest, TableMarshallingServesEveryUnmarshalUntilReleased) {
  Lifetime lifetime;
  ApartmentThread owner;
  ComPtr<IStream> stream;
  owner.run([&] {
    auto* object = new TableObject(&lifetime);
    object->table.add(whereMember());
    stream = com_test::marshal(object, IID_IDispatch, MSHLFLAGS_TABLESTRONG);
    object->Release();
  });
  ComPtr<IDispatch> first;
  for (int i = 0; i < 2; ++i) {
    com_test::rewind(stream.get());
    ComPtr<IDispatch> proxy = unmarshalDispatch(stream.get());
    ASSERT_TRUE(proxy);
    EXPECT_EQ(owner.id(), whereCalled(proxy.get()));
    if (i == 0) first = proxy;
    EXPECT_EQ(first.get(), proxy.get());  // one proxy per object in an apartment
  }
  first.reset();
  EXPECT_EQ(1, lifetime.alive);
  com_test::rewind(stream.get());
  ASSERT_EQ(S_OK, CoReleaseMarshalData(stream.get()));
  EXPECT_EQ(0, lifetime.alive);
  EXPECT_EQ(owner.id(), lifetime.destroyedOn.load());

  auto* object = new TableObject;
  EXPECT_EQ(E_INVALIDARG,
            CoMarshalInterface(stream.get(), IID_IDispatch, object, MSHCTX_INPROC, nullptr, MSHLFLAGS_TABLEWEAK));
  object->Release();
}

TEST_F(MarshallingTest, BadStreamsAndMissingInterfaces) {
  ComPtr<IStream> empty;
  ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, empty.put()));
  void* out = nullptr;
  EXPECT_EQ(STG_E_READFAULT, CoUnmarshalInterface(empty.get(), IID_IDispatch, &out));
  ASSERT_EQ(S_OK, empty->Write("not a marshalled object", 16, nullptr));
  com_test::rewind(empty.get());
  EXPECT_EQ(RPC_E_INVALID_OBJREF, CoUnmarshalInterface(empty.get(), IID_IDispatch, &out));
  EXPECT_EQ(nullptr, out);

  auto* object = new TableObject;
  EXPECT_EQ(E_NOINTERFACE,
            CoMarshalInterface(empty.get(), IID_IStream, object, MSHCTX_INPROC, nullptr, MSHLFLAGS_NORMAL));
  EXPECT_EQ(E_INVALIDARG, CoMarshalInterface(nullptr, IID_IDispatch, object, MSHCTX_INPROC, nullptr, MSHLFLAGS_NORMAL));
  object->Release();
}

}  // namespace
