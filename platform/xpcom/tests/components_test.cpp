// Start-up with the test-bed component library: loading, registration hooks, category
// entries and their persistence, the xpcom-startup instance, services and instances.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "nsCOMPtr.h"
#include "nsComponentManagerUtils.h"
#include "nsICategoryManager.h"
#include "nsIModule.h"
#include "nsIProxyObjectManager.h"
#include "nsISupportsPrimitives.h"
#include "nsITestBedProbe.h"
#include "nsMemory.h"
#include "nsServiceManagerUtils.h"
#include "nsString.h"
#include "nsXPCOM.h"
#include "nsXPCOMCID.h"
#include "testbed/xpcom.h"
#include "xpcom_test_support.h"

namespace {

using xpcom_test::TemporaryFolder;

std::string entryOf(nsICategoryManager* categories, const char* category, const char* entry) {
  char* value = nullptr;
  if (NS_FAILED(categories->GetCategoryEntry(category, entry, &value))) return "<none>";
  std::string text(value);
  nsMemory::Free(value);
  return text;
}

std::string fileText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::set<std::string> namesIn(nsISimpleEnumerator* names) {
  std::set<std::string> out;
  PRBool more = PR_FALSE;
  while (NS_SUCCEEDED(names->HasMoreElements(&more)) && more) {
    nsCOMPtr<nsISupports> next;
    names->GetNext(getter_AddRefs(next));
    nsCOMPtr<nsISupportsCString> name = do_QueryInterface(next);
    nsCString text;
    if (name) name->GetData(text);
    out.insert(text.get());
  }
  return out;
}

class Components : public ::testing::Test {
 protected:
  void TearDown() override { xpcom::testbed::shutdownXPCOM(); }
  TemporaryFolder profile;
  const std::string components = XPCOM_TESTBED_COMPONENTS;
};

TEST_F(Components, StartupRegistersTheLibraryAndCreatesOneObservedInstancePerStartupEntry) {
  ASSERT_EQ(xpcom::testbed::startXPCOM(components, profile.path()), NS_OK);
  nsCOMPtr<nsICategoryManager> categories = do_GetService(NS_CATEGORYMANAGER_CONTRACTID);
  ASSERT_NE(categories, nullptr);
  EXPECT_EQ(entryOf(categories, "xpcom-startup", NS_TESTBEDSTARTUP_ENTRY), NS_TESTBEDSTARTUP_CONTRACTID);
  EXPECT_EQ(entryOf(categories, "xpcom-shutdown", NS_TESTBEDSTARTUP_ENTRY), NS_TESTBEDSTARTUP_CONTRACTID);

  // The start-up instance is the service of its contract ID, observed once.
  nsresult rv = NS_ERROR_FAILURE;
  nsCOMPtr<nsITestBedProbe> started = do_GetService(NS_TESTBEDSTARTUP_CONTRACTID, &rv);
  ASSERT_EQ(rv, NS_OK);
  PRInt32 first = 0, observed = 0;
  started->GetInstanceNumber(&first);
  started->GetObserveCount(&observed);
  EXPECT_EQ(observed, 1);
  char* topic = nullptr;
  started->GetLastTopic(&topic);
  EXPECT_STREQ(topic, "xpcom-startup");
  nsMemory::Free(topic);
  nsCOMPtr<nsITestBedProbe> sameService = do_GetService(NS_TESTBEDSTARTUP_CONTRACTID);
  EXPECT_EQ(sameService, started);

  // Creating it again by contract ID makes another instance, not observed.
  nsCOMPtr<nsITestBedProbe> second = do_CreateInstance(NS_TESTBEDSTARTUP_CONTRACTID, &rv);
  ASSERT_EQ(rv, NS_OK);
  PRInt32 number = 0;
  second->GetInstanceNumber(&number);
  EXPECT_EQ(number, first + 1);
  second->GetObserveCount(&observed);
  EXPECT_EQ(observed, 0);
  nsCOMPtr<nsITestBedProbe> byCID = do_CreateInstance(nsCID(NS_TESTBEDSTARTUP_CID));
  ASSERT_NE(byCID, nullptr);
  byCID->GetInstanceNumber(&number);
  EXPECT_EQ(number, first + 2);

  nsCOMPtr<nsISupports> unknown = do_CreateInstance("@mozilla.org/no-such-thing;1", &rv);
  EXPECT_EQ(rv, NS_ERROR_FACTORY_NOT_REGISTERED);
  EXPECT_EQ(unknown, nullptr);
}

TEST_F(Components, PersistedEntriesComeBackAtTheNextStartAndOthersDoNot) {
  ASSERT_EQ(xpcom::testbed::startXPCOM(components, profile.path()), NS_OK);
  {
    nsCOMPtr<nsICategoryManager> categories = do_GetService(NS_CATEGORYMANAGER_CONTRACTID);
    EXPECT_EQ(categories->AddCategoryEntry("test", "kept", "one", PR_TRUE, PR_TRUE, nullptr), NS_OK);
    EXPECT_EQ(categories->AddCategoryEntry("test", "passing", "two", PR_FALSE, PR_TRUE, nullptr), NS_OK);
    EXPECT_EQ(categories->AddCategoryEntry("test", "", "unnamed", PR_TRUE, PR_TRUE, nullptr), NS_OK);
    EXPECT_EQ(categories->AddCategoryEntry("", "in no category", "", PR_TRUE, PR_TRUE, nullptr), NS_OK);
    EXPECT_EQ(namesIn([&] {
                nsCOMPtr<nsISimpleEnumerator> names;
                categories->EnumerateCategory("test", getter_AddRefs(names));
                return names;
              }()),
              (std::set<std::string>{"", "kept", "passing"}));
  }
  const std::string stored = fileText(xpcom::testbed::categoryFile());
  EXPECT_NE(stored.find("test\tkept\tone\n"), std::string::npos);
  EXPECT_EQ(stored.find("passing"), std::string::npos);
  EXPECT_NE(stored.find("xpcom-startup\t" NS_TESTBEDSTARTUP_ENTRY "\t" NS_TESTBEDSTARTUP_CONTRACTID "\n"),
            std::string::npos);
  ASSERT_EQ(xpcom::testbed::shutdownXPCOM(), NS_OK);

  // No components this time: what is there came from the profile.
  ASSERT_EQ(xpcom::testbed::startXPCOM("", profile.path()), NS_OK);
  nsCOMPtr<nsICategoryManager> categories = do_GetService(NS_CATEGORYMANAGER_CONTRACTID);
  EXPECT_EQ(entryOf(categories, "test", "kept"), "one");
  EXPECT_EQ(entryOf(categories, "test", "passing"), "<none>");
  EXPECT_EQ(entryOf(categories, "test", ""), "unnamed");
  EXPECT_EQ(entryOf(categories, "", "in no category"), "");
  EXPECT_EQ(entryOf(categories, "xpcom-startup", NS_TESTBEDSTARTUP_ENTRY), NS_TESTBEDSTARTUP_CONTRACTID);
  nsCOMPtr<nsISimpleEnumerator> all;
  categories->EnumerateCategories(getter_AddRefs(all));
  EXPECT_EQ(namesIn(all), (std::set<std::string>{"", "test", "xpcom-startup", "xpcom-shutdown"}));
}

TEST_F(Components, ReplaceIsHonouredAndTheReplacedValueReturned) {
  ASSERT_EQ(xpcom::testbed::startXPCOM("", profile.path()), NS_OK);
  nsCOMPtr<nsICategoryManager> categories = do_GetService(NS_CATEGORYMANAGER_CONTRACTID);
  char* previous = reinterpret_cast<char*>(0x1);
  ASSERT_EQ(categories->AddCategoryEntry("test", "entry", "first", PR_TRUE, PR_FALSE, &previous), NS_OK);
  EXPECT_EQ(previous, nullptr);
  EXPECT_EQ(categories->AddCategoryEntry("test", "entry", "second", PR_TRUE, PR_FALSE, &previous),
            NS_ERROR_INVALID_ARG);
  EXPECT_EQ(entryOf(categories, "test", "entry"), "first");
  ASSERT_EQ(categories->AddCategoryEntry("test", "entry", "third", PR_TRUE, PR_TRUE, &previous), NS_OK);
  EXPECT_STREQ(previous, "first");
  nsMemory::Free(previous);
  EXPECT_EQ(entryOf(categories, "test", "entry"), "third");
  EXPECT_NE(fileText(xpcom::testbed::categoryFile()).find("test\tentry\tthird\n"), std::string::npos);

  // A change that is not persisted leaves the stored value; a persisted delete removes it.
  categories->AddCategoryEntry("test", "entry", "fleeting", PR_FALSE, PR_TRUE, nullptr);
  EXPECT_EQ(entryOf(categories, "test", "entry"), "fleeting");
  EXPECT_NE(fileText(xpcom::testbed::categoryFile()).find("test\tentry\tthird\n"), std::string::npos);
  EXPECT_EQ(categories->DeleteCategoryEntry("test", "entry", PR_TRUE), NS_OK);
  EXPECT_EQ(entryOf(categories, "test", "entry"), "<none>");
  EXPECT_EQ(fileText(xpcom::testbed::categoryFile()).find("test\tentry"), std::string::npos);

  // What the file cannot hold is refused rather than stored damaged.
  EXPECT_EQ(categories->AddCategoryEntry("test", "bad\tname", "v", PR_TRUE, PR_TRUE, nullptr), NS_ERROR_INVALID_ARG);
  EXPECT_EQ(categories->AddCategoryEntry("test", "bad\tname", "v", PR_FALSE, PR_TRUE, nullptr), NS_OK);
}

TEST_F(Components, UnregisteringTheModuleDeletesItsEntries) {
  ASSERT_EQ(xpcom::testbed::startXPCOM(components, profile.path()), NS_OK);
  const std::string library = components + "/libxpcom_testbed_component.so";
  void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(handle, nullptr);  // the loader opened it
  auto getModule = reinterpret_cast<nsGetModuleProc>(dlsym(handle, "NSGetModule"));
  ASSERT_NE(getModule, nullptr);
  nsCOMPtr<nsIComponentManager> manager;
  NS_GetComponentManager(getter_AddRefs(manager));
  nsCOMPtr<nsIModule> module;
  ASSERT_EQ(getModule(manager, nullptr, getter_AddRefs(module)), NS_OK);
  EXPECT_EQ(module->UnregisterSelf(manager, nullptr, library.c_str()), NS_OK);
  dlclose(handle);
  nsCOMPtr<nsICategoryManager> categories = do_GetService(NS_CATEGORYMANAGER_CONTRACTID);
  EXPECT_EQ(entryOf(categories, "xpcom-startup", NS_TESTBEDSTARTUP_ENTRY), "<none>");
  EXPECT_EQ(entryOf(categories, "xpcom-shutdown", NS_TESTBEDSTARTUP_ENTRY), "<none>");
  EXPECT_EQ(fileText(xpcom::testbed::categoryFile()).find(NS_TESTBEDSTARTUP_ENTRY), std::string::npos);
  nsresult rv = NS_OK;
  nsCOMPtr<nsISupports> gone = do_CreateInstance(NS_TESTBEDSTARTUP_CONTRACTID, &rv);
  EXPECT_EQ(rv, NS_ERROR_FACTORY_NOT_REGISTERED);
}

TEST_F(Components, ManagersAnswerOnlyWhileXPCOMRuns) {
  nsCOMPtr<nsIServiceManager> services;
  EXPECT_EQ(NS_GetServiceManager(getter_AddRefs(services)), NS_ERROR_NOT_INITIALIZED);
  ASSERT_EQ(NS_InitXPCOM2(getter_AddRefs(services), nullptr, nullptr), NS_OK);
  ASSERT_NE(services, nullptr);
  EXPECT_EQ(xpcom::testbed::startXPCOM("", ""), NS_ERROR_ALREADY_INITIALIZED);
  PRBool made = PR_TRUE;
  services->IsServiceInstantiatedByContractID(NS_XPCOMPROXY_CONTRACTID, NS_GET_IID(nsIProxyObjectManager), &made);
  EXPECT_FALSE(made);
  nsCOMPtr<nsIProxyObjectManager> proxies = do_GetService(NS_XPCOMPROXY_CONTRACTID);
  ASSERT_NE(proxies, nullptr);
  EXPECT_EQ(services->IsServiceInstantiatedByContractID(NS_XPCOMPROXY_CONTRACTID, NS_GET_IID(nsIProxyObjectManager),
                                                        &made),
            NS_OK);
  EXPECT_TRUE(made);
  proxies = nullptr;
  services = nullptr;
  EXPECT_EQ(NS_ShutdownXPCOM(nullptr), NS_OK);
  nsresult rv = NS_OK;
  nsCOMPtr<nsICategoryManager> categories = do_GetService(NS_CATEGORYMANAGER_CONTRACTID, &rv);
  EXPECT_EQ(rv, NS_ERROR_NOT_INITIALIZED);
}

}  // namespace
