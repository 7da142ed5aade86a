// Registers this library's content services with XPCOM's component manager, as Gecko's
// own modules register at start-up: the DOM parser and the inspector's flasher.
#include "testbed/gecko_services.h"

#include "dom_parser.h"
#include "flasher.h"
#include "nsCOMPtr.h"
#include "nsIComponentManager.h"
#include "nsIGenericFactory.h"
#include "nsXPCOM.h"

namespace gecko {
namespace {

NS_GENERIC_FACTORY_CONSTRUCTOR(DomParser)
NS_GENERIC_FACTORY_CONSTRUCTOR(Flasher)

nsModuleComponentInfo kComponents[] = {
    {"DOM parser", NS_DOMPARSER_CID, NS_DOMPARSER_CONTRACTID, DomParserConstructor, nullptr, nullptr, nullptr,
     nullptr, nullptr, nullptr, 0},
    {"Inspector flasher", IN_FLASHER_CID, IN_FLASHER_CONTRACTID, FlasherConstructor, nullptr, nullptr, nullptr,
     nullptr, nullptr, nullptr, 0},
};

nsModuleInfo kModule = {NS_MODULEINFO_VERSION, "gecko content services", kComponents,
                        sizeof(kComponents) / sizeof(kComponents[0]), nullptr, nullptr, nullptr};

}  // namespace

namespace testbed {

nsresult registerContentServices() {
  nsCOMPtr<nsIComponentManager> manager;
  nsresult rv = NS_GetComponentManager(getter_AddRefs(manager));
  if (NS_FAILED(rv)) return rv;
  nsCOMPtr<nsIModule> module;
  rv = NS_NewGenericModule2(&kModule, getter_AddRefs(module));
  if (NS_FAILED(rv)) return rv;
  return module->RegisterSelf(manager, nullptr, nullptr, nullptr);
}

}  // namespace testbed
}  // namespace gecko
