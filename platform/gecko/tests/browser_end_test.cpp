// Ending the browser while a page waits in one of its dialogs: the dialog is answered
// as Cancel, so that calls waiting on it return and the browser ends.
#include "dom_fixture.h"

#include "nsIDOMWindowInternal.h"

#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace gecko_test {
namespace {

using namespace std::chrono_literals;

bool dialogUp(gecko::testbed::SimulatedGecko& gecko) {
  for (int i = 0; i < 500; ++i) {
    nsCOMPtr<nsIDOMDocument> dialog;
    if (NS_SUCCEEDED(gecko.GetDialogDocument(getter_AddRefs(dialog)))) return true;
    std::this_thread::sleep_for(10ms);
  }
  return false;
}

// Ends the browser on another thread; false when that did not finish in time (the
// test then stops the process rather than hang).
bool endsInTime(std::unique_ptr<gecko::testbed::SimulatedGecko>& gecko) {
  auto ending = std::async(std::launch::async, [&] { gecko.reset(); });
  if (ending.wait_for(20s) == std::future_status::ready) return true;
  ADD_FAILURE() << "the browser did not end while a dialog was up";
  std::_Exit(1);
}

TEST(BrowserEndTest, ADialogRaisedThroughTheDomFromAnotherThreadIsAnsweredAsCancel) {
  auto gecko = std::make_unique<gecko::testbed::SimulatedGecko>();
  ASSERT_TRUE(gecko->open(siteUrl("dialogs.html")));
  nsCOMPtr<nsIDOMWindow> plain;
  ASSERT_EQ(NS_OK, gecko->GetWindow(getter_AddRefs(plain)));
  auto page = as<nsIDOMWindowInternal>(plain);
  ASSERT_TRUE(page);
  PRBool confirmed = PR_TRUE;
  nsresult result = NS_ERROR_UNEXPECTED;
  std::thread script([&] { result = page->Confirm(wide("Sure?"), &confirmed); });
  ASSERT_TRUE(dialogUp(*gecko));
  EXPECT_TRUE(endsInTime(gecko));
  script.join();
  EXPECT_EQ(NS_OK, result);
  EXPECT_EQ(PR_FALSE, confirmed);
  EXPECT_EQ(NS_ERROR_FAILURE, page->Confirm(wide("Again?"), &confirmed));  // the browser is gone
}

TEST(BrowserEndTest, ADialogTheUserLeftOpenGoesWithTheBrowser) {
  auto gecko = std::make_unique<gecko::testbed::SimulatedGecko>();
  ASSERT_TRUE(gecko->open(siteUrl("dialogs.html")));
  ASSERT_EQ("", gecko->perform("click #alertButton"));
  ASSERT_TRUE(dialogUp(*gecko));
  EXPECT_TRUE(endsInTime(gecko));
}

}  // namespace
}  // namespace gecko_test
