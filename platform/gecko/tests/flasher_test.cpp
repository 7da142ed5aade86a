// The flasher service: its settings, and the log of what it was asked to outline.
#include "services_fixture.h"

#include "inIFlasher.h"

namespace gecko_test {
namespace {

using gecko::testbed::FlasherRecord;

class FlasherTest : public ServicesTest {
 protected:
  void SetUp() override {
    ServicesTest::SetUp();
    gecko::testbed::clearFlasherRecords();
    flasher = do_GetService("@mozilla.org/inspector/flasher;1");
    ASSERT_TRUE(flasher);
  }
  std::string color() { return text(flasher.get(), &inIFlasher::GetColor); }

  nsCOMPtr<inIFlasher> flasher;
};

TEST_F(FlasherTest, OutlinesAreLoggedWithTheSettingsOfTheirTime) {
  open("index.html");
  nsCOMPtr<nsIDOMNodeList> links;
  ASSERT_EQ(NS_OK, document->GetElementsByTagName(wide("A"), getter_AddRefs(links)));
  nsCOMPtr<nsIDOMNode> link;
  ASSERT_EQ(NS_OK, links->Item(0, getter_AddRefs(link)));
  auto element = as<nsIDOMElement>(link);
  ASSERT_TRUE(element);
  nsString id;
  element->GetAttribute(wide("id"), id);
  const std::string name = id.IsEmpty() ? "A" : "A#" + utf8(id);

  ASSERT_EQ(NS_OK, flasher->SetThickness(2));
  ASSERT_EQ(NS_OK, flasher->SetColor(wide("#cc0000")));
  ASSERT_EQ(NS_OK, flasher->SetInvert(PR_FALSE));
  ASSERT_EQ(NS_OK, flasher->DrawElementOutline(element));
  ASSERT_EQ(NS_OK, flasher->RepaintElement(element));
  ASSERT_EQ(NS_OK, flasher->SetInvert(PR_TRUE));
  ASSERT_EQ(NS_OK, flasher->ScrollElementIntoView(byId("heading")));
  EXPECT_EQ(NS_ERROR_INVALID_ARG, flasher->DrawElementOutline(nullptr));

  const std::vector<FlasherRecord> records = gecko::testbed::flasherRecords();
  ASSERT_EQ(3u, records.size());
  EXPECT_EQ("outline", records[0].action);
  EXPECT_EQ(name, records[0].element);
  EXPECT_EQ("#cc0000", records[0].color);
  EXPECT_EQ(2, records[0].thickness);
  EXPECT_FALSE(records[0].invert);
  EXPECT_EQ("repaint", records[1].action);
  EXPECT_EQ("scroll", records[2].action);
  EXPECT_EQ("H1#heading", records[2].element);
  EXPECT_TRUE(records[2].invert);

  // The service is one object for every caller.
  nsCOMPtr<inIFlasher> again = do_GetService("@mozilla.org/inspector/flasher;1");
  EXPECT_EQ(as<nsISupports>(again).get(), as<nsISupports>(flasher).get());
}

TEST_F(FlasherTest, ColoursAreReadBackAsHexAndBadOnesRefused) {
  EXPECT_EQ("#000000", color());
  PRUint16 thickness = 9;
  ASSERT_EQ(NS_OK, flasher->GetThickness(&thickness));
  EXPECT_EQ(0, thickness);
  ASSERT_EQ(NS_OK, flasher->SetColor(wide("#F00")));
  EXPECT_EQ("#ff0000", color());
  ASSERT_EQ(NS_OK, flasher->SetColor(wide("Blue")));
  EXPECT_EQ("#0000ff", color());
  EXPECT_EQ(NS_ERROR_ILLEGAL_VALUE, flasher->SetColor(wide("#12345")));
  EXPECT_EQ(NS_ERROR_ILLEGAL_VALUE, flasher->SetColor(wide("nocolour")));
  EXPECT_EQ(NS_ERROR_ILLEGAL_VALUE, flasher->SetColor(wide("")));
  EXPECT_EQ("#0000ff", color());
}

}  // namespace
}  // namespace gecko_test
