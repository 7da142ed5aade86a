// The generic module over a component table: version, module constructor and
// destructor, factories built from the table's constructors.
#include <gtest/gtest.h>

#include "nsCOMPtr.h"
#include "nsIGenericFactory.h"
#include "nsIObserver.h"
#include "nsISupportsImpl.h"

namespace {

int gModuleConstructed = 0;
int gModuleDestroyed = 0;
int gFactoriesDestroyed = 0;

class Plain final : public nsIObserver {
 public:
  NS_DECL_ISUPPORTS
  NS_IMETHOD Observe(nsISupports*, const char*, const PRUnichar*) override { return NS_OK; }

 private:
  ~Plain() = default;
};
NS_IMPL_ISUPPORTS1(Plain, nsIObserver)
NS_GENERIC_FACTORY_CONSTRUCTOR(Plain)

nsresult PR_CALLBACK constructModule(nsIModule*) {
  ++gModuleConstructed;
  return NS_OK;
}
void PR_CALLBACK destroyModule(nsIModule*) { ++gModuleDestroyed; }
NS_METHOD destroyFactory() {
  ++gFactoriesDestroyed;
  return NS_OK;
}

const nsCID kPlainCID = {0x0b6e4a52, 0x1f3d, 0x4c2a, {0x8e, 0x11, 0x6a, 0x2b, 0x90, 0x3c, 0x47, 0x5d}};
const nsCID kOtherCID = {0x0b6e4a53, 0x1f3d, 0x4c2a, {0x8e, 0x11, 0x6a, 0x2b, 0x90, 0x3c, 0x47, 0x5d}};
const nsModuleComponentInfo kComponents[] = {
    {"plain", kPlainCID, "@mozilla.org/test-plain;1", PlainConstructor, nullptr, nullptr, destroyFactory, nullptr,
     nullptr, nullptr, 0},
};
nsModuleInfo kInfo = {NS_MODULEINFO_VERSION, "PlainModule", kComponents, 1, constructModule, destroyModule, nullptr};

TEST(GenericModule, BuildsFactoriesFromTheTableAndRunsTheModuleHooksOnce) {
  nsCOMPtr<nsIModule> module;
  ASSERT_EQ(NS_NewGenericModule2(&kInfo, getter_AddRefs(module)), NS_OK);
  EXPECT_EQ(gModuleConstructed, 0);  // not before first use
  nsCOMPtr<nsIFactory> factory;
  ASSERT_EQ(module->GetClassObject(nullptr, kPlainCID, NS_GET_IID(nsIFactory), getter_AddRefs(factory)), NS_OK);
  nsCOMPtr<nsIFactory> same;
  module->GetClassObject(nullptr, kPlainCID, NS_GET_IID(nsIFactory), getter_AddRefs(same));
  EXPECT_EQ(factory, same);  // one factory per class
  EXPECT_EQ(gModuleConstructed, 1);
  nsCOMPtr<nsIGenericFactory> generic = do_QueryInterface(factory);
  ASSERT_NE(generic, nullptr);
  const nsModuleComponentInfo* info = nullptr;
  generic->GetComponentInfo(&info);
  EXPECT_EQ(info, &kComponents[0]);

  nsCOMPtr<nsIObserver> made;
  EXPECT_EQ(factory->CreateInstance(nullptr, NS_GET_IID(nsIObserver), getter_AddRefs(made)), NS_OK);
  EXPECT_NE(made, nullptr);
  nsCOMPtr<nsIFactory> none;
  EXPECT_EQ(module->GetClassObject(nullptr, kOtherCID, NS_GET_IID(nsIFactory), getter_AddRefs(none)),
            NS_ERROR_FACTORY_NOT_REGISTERED);
  PRBool canUnload = PR_TRUE;
  module->CanUnload(nullptr, &canUnload);
  EXPECT_FALSE(canUnload);

  factory = nullptr;
  same = nullptr;
  generic = nullptr;
  module = nullptr;
  EXPECT_EQ(gModuleDestroyed, 1);
  EXPECT_EQ(gFactoriesDestroyed, 1);
}

TEST(GenericModule, RefusesATableOfAnotherVersion) {
  nsModuleInfo old = kInfo;
  old.mVersion = 0x00010000;
  nsIModule* module = reinterpret_cast<nsIModule*>(0x1);
  EXPECT_EQ(NS_NewGenericModule2(&old, &module), NS_ERROR_FAILURE);
  EXPECT_EQ(module, nullptr);
  EXPECT_EQ(NS_NewGenericModule2(nullptr, &module), NS_ERROR_INVALID_ARG);
}

}  // namespace
