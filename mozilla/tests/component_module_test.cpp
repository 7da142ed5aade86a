// The component library as the browser loads it: from a components folder through the
// XPCOM loader, created at start-up, connecting to a server of the test. The library
// is built with no browser parts yet, so after connecting it closes the connection
// (it has no document loader to work with); everything before that is its own.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "loopback_server.h"
#include "nsCOMPtr.h"
#include "nsComponentManagerUtils.h"
#include "nsICategoryManager.h"
#include "nsIObserver.h"
#include "nsIRecordPlaybackComponent.h"
#include "nsIRunnable.h"
#include "nsIWeakReference.h"
#include "nsMemory.h"
#include "nsServiceManagerUtils.h"
#include "nsXPCOM.h"
#include "nsXPCOMCID.h"
#include "testbed/xpcom.h"
#include "test_support.h"

namespace marbleck_test {
namespace {

constexpr const char kContractID[] = "@mozilla.org/cpp_Tarnwell;1";

double timeScale() {
  const char* scale = std::getenv("PLATFORM_TIME_SCALE");
  return scale != nullptr ? std::atof(scale) : 1.0;
}

std::chrono::milliseconds scaled(int milliseconds) {
  return std::chrono::milliseconds(static_cast<long>(milliseconds * timeScale()));
}

std::string categoryEntry(const char* category) {
  nsCOMPtr<nsICategoryManager> categories = do_GetService(NS_CATEGORYMANAGER_CONTRACTID);
  char* value = nullptr;
  if (!categories || NS_FAILED(categories->GetCategoryEntry(category, "nsTarnwellImpl", &value))) return "<none>";
  std::string text(value);
  nsMemory::Free(value);
  return text;
}

class ComponentModule : public ::testing::Test {
 protected:
  void SetUp() override {
    traceFile = folder.path() / "trace.log";
    setServerEnvironment(server->port(), traceFile);
  }
  void TearDown() override { xpcom::testbed::shutdownXPCOM(); }

  // Starts XPCOM with the component's folder: registration, then the start-up instance.
  void StartBrowser() { ASSERT_EQ(xpcom::testbed::startXPCOM(MARBLECK_COMPONENTS, profile.path()), NS_OK); }

  TemporaryFolder folder;
  TemporaryFolder profile;
  std::filesystem::path traceFile;
  std::unique_ptr<LoopbackServer> server = std::make_unique<LoopbackServer>();
};

TEST(ComponentLibrary, ExportsNSGetModuleAndNothingElse) {
  const std::string command = "nm -D --defined-only " MARBLECK_COMPONENTS "/libmarbleck.so";
  std::unique_ptr<FILE, int (*)(FILE*)> output(::popen(command.c_str(), "r"), ::pclose);
  ASSERT_NE(output, nullptr);
  std::string symbols;
  char line[512];
  while (std::fgets(line, sizeof line, output.get()) != nullptr) symbols += line;
  ASSERT_FALSE(symbols.empty());
  EXPECT_EQ(symbols.substr(symbols.find(' ') + 1), "T NSGetModule\n") << symbols;
}

TEST_F(ComponentModule, StartupRegistersTheComponentAndItsInstanceConnectsAndTraces) {
  StartBrowser();
  EXPECT_EQ(categoryEntry("xpcom-startup"), kContractID);
  EXPECT_EQ(categoryEntry("xpcom-shutdown"), kContractID);
  ASSERT_TRUE(server->Accept());
  EXPECT_TRUE(server->WaitForClose()) << "no document loader: the connection is given up";
  const std::string trace = fileText(traceFile);
  EXPECT_NE(trace.find(" - logdir defined is " + traceFile.string() + "\n"), std::string::npos) << trace;
  EXPECT_NE(trace.find(" - component invocation \n"), std::string::npos);
  EXPECT_NE(trace.find(" - socket opening stage ......\n"), std::string::npos);
  EXPECT_NE(trace.find(" - client socket create called ..........\n"), std::string::npos);
  EXPECT_NE(trace.find(" - connection to server socket .... try no 0\n"), std::string::npos);
  EXPECT_NE(trace.find(" - connection succeeded in 0 attempt\n"), std::string::npos);
}

TEST_F(ComponentModule, InterfacesAreAnsweredByOneObjectAndOthersRefused) {
  StartBrowser();
  ASSERT_TRUE(server->Accept());
  nsresult rv = NS_ERROR_FAILURE;
  nsCOMPtr<nsIRecordPlaybackComponent> component = do_GetService(kContractID, &rv);
  ASSERT_EQ(rv, NS_OK);
  nsCOMPtr<nsISupports> identity = do_QueryInterface(component);
  EXPECT_EQ(static_cast<void*>(identity.get()), static_cast<void*>(component.get()))
      << "nsISupports is the component's own interface";
  nsCOMPtr<nsIObserver> observer = do_QueryInterface(component);
  nsCOMPtr<nsIRunnable> runnable = do_QueryInterface(component);
  ASSERT_NE(observer, nullptr);
  ASSERT_NE(runnable, nullptr);
  EXPECT_NE(static_cast<void*>(observer.get()), static_cast<void*>(runnable.get()));
  EXPECT_EQ(nsCOMPtr<nsISupports>(do_QueryInterface(runnable)), identity);
  EXPECT_EQ(observer->Observe(nullptr, "xpcom-startup", nullptr), NS_OK);
  nsCOMPtr<nsISupportsWeakReference> weak = do_QueryInterface(component);
  EXPECT_NE(weak, nullptr);

  void* unrelated = reinterpret_cast<void*>(0x1);
  EXPECT_EQ(component->QueryInterface(NS_GET_IID(nsICategoryManager), &unrelated), NS_NOINTERFACE);
  EXPECT_EQ(unrelated, nullptr);
}

TEST_F(ComponentModule, ASecondCreationStartsASecondConnection) {
  StartBrowser();
  ASSERT_TRUE(server->Accept());
  nsresult rv = NS_ERROR_FAILURE;
  nsCOMPtr<nsIRecordPlaybackComponent> second = do_CreateInstance(kContractID, &rv);
  ASSERT_EQ(rv, NS_OK);
  EXPECT_TRUE(server->Accept());
  nsCOMPtr<nsIRecordPlaybackComponent> service = do_GetService(kContractID);
  EXPECT_NE(second, service);
}

TEST_F(ComponentModule, TheFactoryRefusesAggregation) {
  StartBrowser();
  ASSERT_TRUE(server->Accept());
  nsCOMPtr<nsIComponentManager> manager;
  NS_GetComponentManager(getter_AddRefs(manager));
  nsCOMPtr<nsISupports> outer = do_GetService(kContractID);
  void* result = reinterpret_cast<void*>(0x1);
  EXPECT_EQ(manager->CreateInstanceByContractID(kContractID, outer, NS_GET_IID(nsISupports), &result),
            NS_ERROR_NO_AGGREGATION);
  EXPECT_EQ(result, nullptr);
  EXPECT_FALSE(server->Accept(std::chrono::milliseconds(100))) << "nothing was made";
}

class TraceFileName : public ComponentModule {
 protected:
  void SetUp() override {
    ComponentModule::SetUp();
    char* current = ::getcwd(nullptr, 0);
    previousFolder = current;
    std::free(current);
    ASSERT_EQ(::chdir(folder.path().c_str()), 0);
  }
  void TearDown() override {
    ComponentModule::TearDown();
    EXPECT_EQ(::chdir(previousFolder.c_str()), 0);
  }
  std::string previousFolder;
};

TEST_F(TraceFileName, UnsetOrEmptyGivesTwmozlogInTheCurrentFolder) {
  for (const bool empty : {false, true}) {
    SCOPED_TRACE(empty ? "empty" : "unset");
    std::filesystem::remove(folder.path() / "twmozlog.log");
    if (empty)
      ::setenv("TW_LOG_DIR", "", 1);
    else
      ::unsetenv("TW_LOG_DIR");
    StartBrowser();
    ASSERT_TRUE(server->Accept());
    EXPECT_TRUE(waitForTrace(folder.path() / "twmozlog.log", "logdir defined is twmozlog.log\n"));
    EXPECT_TRUE(server->WaitForClose());
    xpcom::testbed::shutdownXPCOM();
  }
}

TEST_F(TraceFileName, AFolderNameIsAFileThatCannotBeOpenedAndTheComponentStillConnects) {
  ::setenv("TW_LOG_DIR", folder.path().c_str(), 1);
  testing::internal::CaptureStderr();
  StartBrowser();
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("fopen error : "), std::string::npos) << errors;
  EXPECT_TRUE(server->Accept());
}

class Connecting : public ComponentModule {
 protected:
  // The trace lines of the three tries, each with when it was seen.
  std::vector<std::chrono::steady_clock::time_point> WatchTries(int count) {
    std::vector<std::chrono::steady_clock::time_point> seen;
    for (int attempt = 0; attempt < count; ++attempt) {
      EXPECT_TRUE(waitForTrace(traceFile, "try no " + std::to_string(attempt) + "\n", std::chrono::seconds(20)));
      seen.push_back(std::chrono::steady_clock::now());
    }
    return seen;
  }
};

TEST_F(Connecting, ThreeTriesThreeSecondsApartWhenNoServerListens) {
  server = std::make_unique<LoopbackServer>(/*listening=*/false);
  setServerEnvironment(server->port(), traceFile);
  const auto started = std::chrono::steady_clock::now();
  StartBrowser();
  const auto tries = WatchTries(3);
  // The third try is at least two retry pauses after the start.
  EXPECT_GE(tries[2] - started, scaled(2 * 3000) * 9 / 10);
  const std::string trace = fileText(traceFile);
  EXPECT_EQ(trace.find("try no 3"), std::string::npos);
  EXPECT_EQ(trace.find("connection succeeded"), std::string::npos);
  EXPECT_NE(trace.find("Problem while connecting to the server"), std::string::npos);
}

TEST_F(Connecting, AServerThatComesUpLateIsReachedOnTheSecondTry) {
  server = std::make_unique<LoopbackServer>(/*listening=*/false);
  setServerEnvironment(server->port(), traceFile);
  StartBrowser();
  const auto first = WatchTries(1)[0];
  // The try is traced before its connect: listening at once could let that very try
  // through. Half a retry pause later it has been refused, and the next is still to come.
  std::this_thread::sleep_for(scaled(3000) / 2);
  server->Listen();
  ASSERT_TRUE(server->Accept());
  EXPECT_GE(std::chrono::steady_clock::now() - first, scaled(3000) * 8 / 10);
  EXPECT_TRUE(waitForTrace(traceFile, "connection succeeded in 1 attempt\n"));
}

TEST_F(Connecting, AMissingPortOrHostIsTracedAndNothingConnects) {
  ::unsetenv("TW_SERVER_PORT");
  StartBrowser();
  EXPECT_TRUE(waitForTrace(traceFile, "port is null .. so exiting ....\n"));
  EXPECT_FALSE(server->Accept(scaled(3000)));
  xpcom::testbed::shutdownXPCOM();

  setServerEnvironment(server->port(), traceFile);
  ::unsetenv("TW_SERVER_HOST");
  StartBrowser();
  EXPECT_TRUE(waitForTrace(traceFile, "hostname is null .. so exiting ....\n"));
  EXPECT_FALSE(server->Accept(scaled(3000)));
}

TEST_F(Connecting, APortOfDigitsThenLettersIsTheNumberTheDigitsForm) {
  ::setenv("TW_SERVER_PORT", (std::to_string(server->port()) + "xyz").c_str(), 1);
  StartBrowser();
  EXPECT_TRUE(server->Accept());
}

TEST_F(Connecting, APortBeyondTheTcpRangeDoesNotWrapRoundToAnother) {
  // 65536 + port would reach the server's port once cut to 16 bits.
  ::setenv("TW_SERVER_PORT", std::to_string(65536 + server->port()).c_str(), 1);
  StartBrowser();
  EXPECT_TRUE(waitForTrace(traceFile, "try no 0\n"));
  EXPECT_FALSE(server->Accept(scaled(1000)));
}

TEST_F(Connecting, AHostThatIsNoDottedAddressFailsEveryTry) {
  ::setenv("TW_SERVER_HOST", "localhost", 1);
  StartBrowser();
  EXPECT_TRUE(waitForTrace(traceFile, "try no 2\n", std::chrono::seconds(20)));
  EXPECT_FALSE(server->Accept(std::chrono::milliseconds(0)));
}

}  // namespace
}  // namespace marbleck_test
