// Connection points: subscriptions, cookies, and events delivered on the subscribing
// thread with the browser's argument layout.
#include <gtest/gtest.h>
#include <objbase.h>

#include <vector>

#include "com_test_support.h"
#include "platform_internal/connection_points.h"
#include "platform_internal/dispatch_arguments.h"

using com_test::ApartmentThread;
using com_test::ComPtr;
using com_test::TableObject;
using com::internal::argumentAt;

namespace {

// An event interface of this test (a dispinterface, like DWebBrowserEvents2).
const IID kEvents = {0x1b0c3c55, 0x2e8f, 0x4d7a, {0x9a, 0x4e, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66}};
const IID kOtherEvents = {0x1b0c3c56, 0x2e8f, 0x4d7a, {0x9a, 0x4e, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66}};
constexpr DISPID kBeforeNavigate = 250;
constexpr DISPID kObjectEvent = 251;
constexpr DISPID kNewWindow = 252;

// Stands for a browser: belongs to its thread and fires events from it.
class EventSource : public com::internal::ApartmentComObject<
                        com::internal::Implements<com::internal::ConnectionPoints, IConnectionPointContainer>> {
 public:
  EventSource() {
    addConnectionPoint(kEvents);
    addConnectionPoint(kOtherEvents);
  }
  // Fires "before navigate" (url, Cancel out) and answers the Cancel the sinks left.
  VARIANT_BOOL beforeNavigate(const OLECHAR* url) {
    VARIANT_BOOL cancel = VARIANT_FALSE;
    com::internal::DispatchArguments arguments;
    arguments.addString(url).addBoolRef(&cancel);
    fire(kEvents, kBeforeNavigate, *arguments.params());
    return cancel;
  }
  // Fires "new window" (ppDisp in/out, Cancel) and answers what the sinks stored.
  IDispatch* newWindow() {
    IDispatch* window = nullptr;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    com::internal::DispatchArguments arguments;
    arguments.addDispatchRef(&window).addBoolRef(&cancel);
    fire(kEvents, kNewWindow, *arguments.params());
    return window;
  }
  // Fires an event whose argument is an object of the browser's thread.
  void objectEvent(IDispatch* object) {
    com::internal::DispatchArguments arguments;
    arguments.addDispatch(object);
    fire(kEvents, kObjectEvent, *arguments.params());
  }
};

// A sink recording each event: its thread and its first argument.
struct Recorded {
  DWORD thread;
  std::u16string url;
};

TableObject* makeSink(std::vector<Recorded>& log, bool cancel) {
  auto* sink = new TableObject;
  sink->table.add({kBeforeNavigate, u"BeforeNavigate", [&log, cancel](WORD flags, DISPPARAMS& params, VARIANT*) {
                     EXPECT_EQ(DISPATCH_METHOD, flags);
                     EXPECT_EQ(2u, params.cArgs);
                     VARIANT* url = argumentAt(params, 0);   // the last in rgvarg
                     VARIANT* out = argumentAt(params, 1);   // the first in rgvarg
                     if (!url || url->vt != VT_BSTR || !out || out->vt != (VT_BYREF | VT_BOOL)) return E_INVALIDARG;
                     EXPECT_EQ(&params.rgvarg[0], out);
                     log.push_back({GetCurrentThreadId(), com_test::text(url->bstrVal)});
                     if (cancel) *out->pboolVal = VARIANT_TRUE;
                     return S_OK;
                   }});
  return sink;
}

class ConnectionPointsTest : public com_test::ApartmentTest {
 protected:
  // The browser object, made on its own thread; this thread subscribes, as the
  // recorder thread does.
  void SetUp() override {
    ApartmentTest::SetUp();
    browser_.run([&] { source_ = new EventSource; });
    ComPtr<IConnectionPointContainer> container;
    ASSERT_EQ(S_OK, source_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(container.put())));
    ASSERT_EQ(S_OK, container->FindConnectionPoint(kEvents, point_.put()));
  }
  void TearDown() override {
    point_.reset();
    source_->Release();
    browser_.stop();
    ApartmentTest::TearDown();
  }
  VARIANT_BOOL fireOnBrowser(const OLECHAR* url) {
    VARIANT_BOOL cancel = VARIANT_FALSE;
    browser_.run([&] { cancel = source_->beforeNavigate(url); });
    return cancel;
  }

  ApartmentThread browser_;
  EventSource* source_ = nullptr;
  ComPtr<IConnectionPoint> point_;
};

TEST_F(ConnectionPointsTest, TheSinkRunsOnTheAdvisingThreadAndItsCancelIsSeen) {
  std::vector<Recorded> log;
  TableObject* sink = makeSink(log, true);
  DWORD cookie = 0;
  ASSERT_EQ(S_OK, point_->Advise(sink, &cookie));
  sink->Release();
  EXPECT_NE(0u, cookie);

  EXPECT_EQ(VARIANT_TRUE, fireOnBrowser(u"http://example/a"));
  ASSERT_EQ(1u, log.size());
  EXPECT_EQ(GetCurrentThreadId(), log[0].thread);
  EXPECT_EQ(u"http://example/a", log[0].url);
  EXPECT_EQ(S_OK, point_->Unadvise(cookie));
}

TEST_F(ConnectionPointsTest, EachSinkRunsOnItsOwnSubscribingThread) {
  std::vector<Recorded> hereLog, thereLog;
  ApartmentThread recorder;
  DWORD hereCookie = 0, thereCookie = 0;
  TableObject* here = makeSink(hereLog, false);
  ASSERT_EQ(S_OK, point_->Advise(here, &hereCookie));
  here->Release();
  recorder.run([&] {
    TableObject* there = makeSink(thereLog, false);
    ASSERT_EQ(S_OK, point_->Advise(there, &thereCookie));
    there->Release();
  });
  EXPECT_NE(hereCookie, thereCookie);

  EXPECT_EQ(VARIANT_FALSE, fireOnBrowser(u"x"));
  ASSERT_EQ(1u, hereLog.size());
  ASSERT_EQ(1u, thereLog.size());
  EXPECT_EQ(GetCurrentThreadId(), hereLog[0].thread);
  EXPECT_EQ(recorder.id(), thereLog[0].thread);

  ComPtr<IEnumConnections> connections;
  ASSERT_EQ(S_OK, point_->EnumConnections(connections.put()));
  CONNECTDATA data[3];
  ULONG fetched = 0;
  EXPECT_EQ(S_FALSE, connections->Next(3, data, &fetched));
  ASSERT_EQ(2u, fetched);
  EXPECT_EQ(hereCookie, data[0].dwCookie);
  EXPECT_EQ(thereCookie, data[1].dwCookie);
  for (ULONG i = 0; i < fetched; ++i) data[i].pUnk->Release();

  EXPECT_EQ(S_OK, point_->Unadvise(hereCookie));
  recorder.run([&] { EXPECT_EQ(S_OK, point_->Unadvise(thereCookie)); });
}

TEST_F(ConnectionPointsTest, CookiesAreDistinctAndUnadviseStopsDelivery) {
  std::vector<Recorded> log;
  std::vector<DWORD> cookies;
  for (int i = 0; i < 3; ++i) {
    TableObject* sink = makeSink(log, false);
    DWORD cookie = 0;
    ASSERT_EQ(S_OK, point_->Advise(sink, &cookie));
    sink->Release();
    for (DWORD earlier : cookies) EXPECT_NE(earlier, cookie);
    cookies.push_back(cookie);
  }
  fireOnBrowser(u"one");
  EXPECT_EQ(3u, log.size());

  ASSERT_EQ(S_OK, point_->Unadvise(cookies[1]));
  EXPECT_EQ(CONNECT_E_NOCONNECTION, point_->Unadvise(cookies[1]));
  log.clear();
  fireOnBrowser(u"two");
  EXPECT_EQ(2u, log.size());

  // A later subscription does not reuse the freed cookie.
  TableObject* sink = makeSink(log, false);
  DWORD cookie = 0;
  ASSERT_EQ(S_OK, point_->Advise(sink, &cookie));
  sink->Release();
  EXPECT_NE(cookies[1], cookie);
  for (DWORD c : {cookies[0], cookies[2], cookie}) EXPECT_EQ(S_OK, point_->Unadvise(c));
  log.clear();
  fireOnBrowser(u"three");
  EXPECT_TRUE(log.empty());
}

TEST_F(ConnectionPointsTest, AnEndedSubscriberIsDroppedAndItsSinkReleased) {
  com_test::Lifetime lifetime;
  {
    ApartmentThread recorder;
    recorder.run([&] {
      auto* sink = new TableObject(&lifetime);
      sink->table.add({kBeforeNavigate, u"BeforeNavigate", [](WORD, DISPPARAMS&, VARIANT*) { return S_OK; }});
      DWORD cookie = 0;
      ASSERT_EQ(S_OK, point_->Advise(sink, &cookie));
      sink->Release();
    });
  }
  EXPECT_EQ(1, lifetime.alive);
  fireOnBrowser(u"after");
  EXPECT_EQ(0, lifetime.alive);
  ComPtr<IEnumConnections> connections;
  ASSERT_EQ(S_OK, point_->EnumConnections(connections.put()));
  CONNECTDATA data;
  EXPECT_EQ(S_FALSE, connections->Next(1, &data, nullptr));
}

TEST_F(ConnectionPointsTest, AnObjectArgumentReachesTheSinkAsAReferenceIntoTheBrowsersApartment) {
  DWORD ranOn = 0;
  IDispatch* received = nullptr;
  auto* sink = new TableObject;
  sink->table.add({kObjectEvent, u"ObjectEvent", [&](WORD, DISPPARAMS& params, VARIANT*) {
                     VARIANT* object = argumentAt(params, 0);
                     if (!object || object->vt != VT_DISPATCH) return E_INVALIDARG;
                     received = object->pdispVal;
                     VARIANT where;
                     VariantInit(&where);
                     // The browser thread waits in the event meanwhile and serves this call.
                     const HRESULT hr = com_test::callMethod(object->pdispVal, 1, nullptr, &where);
                     ranOn = static_cast<DWORD>(where.lVal);
                     return hr;
                   }});
  DWORD cookie = 0;
  ASSERT_EQ(S_OK, point_->Advise(sink, &cookie));
  sink->Release();

  TableObject* page = nullptr;
  browser_.run([&] {
    page = new TableObject;
    page->table.add({1, u"where", [](WORD, DISPPARAMS&, VARIANT* result) {
                       result->vt = VT_I4;
                       result->lVal = static_cast<LONG>(GetCurrentThreadId());
                       return S_OK;
                     }});
    source_->objectEvent(page);
    page->Release();
  });
  EXPECT_EQ(browser_.id(), ranOn);
  EXPECT_NE(static_cast<IDispatch*>(page), received);  // a plain object arrives as a proxy
  EXPECT_EQ(S_OK, point_->Unadvise(cookie));
}

TEST_F(ConnectionPointsTest, AnObjectStoredThroughAnOutParameterComesBackAsAReferenceToTheSinksApartment) {
  TableObject* made = nullptr;
  auto* sink = new TableObject;
  sink->table.add({kNewWindow, u"NewWindow", [&](WORD, DISPPARAMS& params, VARIANT*) {
                     VARIANT* out = argumentAt(params, 0);
                     if (!out || out->vt != (VT_BYREF | VT_DISPATCH)) return E_INVALIDARG;
                     made = new TableObject;
                     made->table.add({1, u"where", [](WORD, DISPPARAMS&, VARIANT* result) {
                                        result->vt = VT_I4;
                                        result->lVal = static_cast<LONG>(GetCurrentThreadId());
                                        return S_OK;
                                      }});
                     *out->ppdispVal = made;  // the reference goes to the caller
                     return S_OK;
                   }});
  DWORD cookie = 0;
  ASSERT_EQ(S_OK, point_->Advise(sink, &cookie));
  sink->Release();

  DWORD ranOn = 0;
  IDispatch* received = nullptr;
  browser_.run([&] {
    IDispatch* window = source_->newWindow();
    ASSERT_NE(nullptr, window);
    received = window;
    VARIANT where;
    VariantInit(&where);
    EXPECT_EQ(S_OK, com_test::callMethod(window, 1, nullptr, &where));
    ranOn = static_cast<DWORD>(where.lVal);
    window->Release();
  });
  EXPECT_NE(static_cast<IDispatch*>(made), received);
  EXPECT_EQ(GetCurrentThreadId(), ranOn);
  EXPECT_EQ(S_OK, point_->Unadvise(cookie));
}

TEST_F(ConnectionPointsTest, ContainerLookupAndRefusedSinks) {
  ComPtr<IConnectionPointContainer> container;
  ASSERT_EQ(S_OK, point_->GetConnectionPointContainer(container.put()));
  ComPtr<IConnectionPoint> missing;
  const IID unknownEvents = {0x1, 0x2, 0x3, {4, 5, 6, 7, 8, 9, 10, 11}};
  EXPECT_EQ(CONNECT_E_NOCONNECTION, container->FindConnectionPoint(unknownEvents, missing.put()));
  IID iid{};
  ASSERT_EQ(S_OK, point_->GetConnectionInterface(&iid));
  EXPECT_TRUE(IsEqualIID(kEvents, iid));

  ComPtr<IEnumConnectionPoints> points;
  ASSERT_EQ(S_OK, container->EnumConnectionPoints(points.put()));
  IConnectionPoint* found[2] = {};
  ULONG fetched = 0;
  ASSERT_EQ(S_OK, points->Next(2, found, &fetched));
  EXPECT_EQ(point_.get(), found[0]);
  for (IConnectionPoint* p : found) p->Release();

  // A sink offering neither the event interface nor IDispatch cannot connect.
  ComPtr<IStream> notASink;
  ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, notASink.put()));
  DWORD cookie = 1;
  EXPECT_EQ(CONNECT_E_CANNOTCONNECT, point_->Advise(notASink.get(), &cookie));
  EXPECT_EQ(0u, cookie);
}

}  // namespace
