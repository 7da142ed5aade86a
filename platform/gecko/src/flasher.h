// The inspector's flasher service (inIFlasher, "@mozilla.org/inspector/flasher;1"):
// outlines an element in a colour and thickness. The simulated browser paints nothing,
// so each outline, repaint and scroll is written to a log the test bed reads.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "inIFlasher.h"
#include "nsISupportsImpl.h"
#include "testbed/gecko_services.h"

#define IN_FLASHER_CID \
  { 0x9286e71a, 0x621a, 0x4b91, { 0x85, 0x1e, 0x99, 0x84, 0xc1, 0xa2, 0xe8, 0x1a } }
#define IN_FLASHER_CONTRACTID "@mozilla.org/inspector/flasher;1"

namespace gecko {

using testbed::FlasherRecord;

class Flasher final : public inIFlasher {
 public:
  Flasher() = default;

  NS_DECL_ISUPPORTS

  NS_IMETHOD GetColor(nsAString& aColor) override;
  NS_IMETHOD SetColor(const nsAString& aColor) override;
  NS_IMETHOD GetInvert(PRBool* aInvert) override;
  NS_IMETHOD SetInvert(PRBool aInvert) override;
  NS_IMETHOD GetThickness(PRUint16* aThickness) override;
  NS_IMETHOD SetThickness(PRUint16 aThickness) override;
  NS_IMETHOD DrawElementOutline(nsIDOMElement* aElement) override;
  NS_IMETHOD RepaintElement(nsIDOMElement* aElement) override;
  NS_IMETHOD ScrollElementIntoView(nsIDOMElement* aElement) override;

 private:
  ~Flasher() = default;
  nsresult record(const char* action, nsIDOMElement* element);
  nsresult recordEntry(const char* action, nsIDOMElement* element);

  std::mutex mutex_;
  // As Gecko starts: black, no thickness, not inverted.
  unsigned red_ = 0, green_ = 0, blue_ = 0;
  PRUint16 thickness_ = 0;
  bool invert_ = false;
};

}  // namespace gecko
