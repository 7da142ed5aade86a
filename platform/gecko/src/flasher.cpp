#include "flasher.h"

#include <cctype>
#include <cstdio>
#include <new>
#include <optional>

#include "nsIDOMElement.h"
#include "text_conversion.h"

namespace gecko {

NS_IMPL_THREADSAFE_ISUPPORTS1(Flasher, inIFlasher)

namespace {

std::mutex gLogMutex;
std::vector<FlasherRecord> gLog;

struct Rgb {
  unsigned red, green, blue;
};

std::optional<Rgb> parseHex(const std::string& digits) {
  if (digits.size() != 3 && digits.size() != 6) return std::nullopt;
  for (char c : digits) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
  }
  auto value = [](const std::string& text) { return static_cast<unsigned>(std::stoul(text, nullptr, 16)); };
  if (digits.size() == 3) {
    return Rgb{value(std::string(2, digits[0])), value(std::string(2, digits[1])), value(std::string(2, digits[2]))};
  }
  return Rgb{value(digits.substr(0, 2)), value(digits.substr(2, 2)), value(digits.substr(4, 2))};
}

// The colour names of HTML 4.
std::optional<Rgb> namedColor(const std::string& name) {
  static const struct {
    const char* name;
    Rgb rgb;
  } kNames[] = {{"black", {0, 0, 0}},         {"silver", {192, 192, 192}}, {"gray", {128, 128, 128}},
                {"white", {255, 255, 255}},   {"maroon", {128, 0, 0}},     {"red", {255, 0, 0}},
                {"purple", {128, 0, 128}},    {"fuchsia", {255, 0, 255}},  {"green", {0, 128, 0}},
                {"lime", {0, 255, 0}},        {"olive", {128, 128, 0}},    {"yellow", {255, 255, 0}},
                {"navy", {0, 0, 128}},        {"blue", {0, 0, 255}},       {"teal", {0, 128, 128}},
                {"aqua", {0, 255, 255}}};
  std::string lower;
  for (char c : name) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const auto& entry : kNames) {
    if (lower == entry.name) return entry.rgb;
  }
  return std::nullopt;
}

std::string describe(nsIDOMElement* element) {
  nsString name, id;
  element->GetNodeName(name);
  element->GetAttribute(NS_LITERAL_STRING("id"), id);
  std::string text = toUtf8(name);
  if (!id.IsEmpty()) text += "#" + toUtf8(id);
  return text;
}

}  // namespace

namespace testbed {

std::vector<FlasherRecord> flasherRecords() {
  std::lock_guard lock(gLogMutex);
  return gLog;
}

void clearFlasherRecords() {
  std::lock_guard lock(gLogMutex);
  gLog.clear();
}

}  // namespace testbed

NS_IMETHODIMP Flasher::GetColor(nsAString& aColor) {
  char text[8];
  {
    std::lock_guard lock(mutex_);
    std::snprintf(text, sizeof text, "#%02x%02x%02x", red_ & 0xFF, green_ & 0xFF, blue_ & 0xFF);
  }
  assignUtf8(aColor, text);
  return NS_OK;
}

// "#rgb", "#rrggbb" or a colour name; anything else is refused and the colour stays.
NS_IMETHODIMP Flasher::SetColor(const nsAString& aColor) {
  if (aColor.Length() > 16) return NS_ERROR_ILLEGAL_VALUE;  // longer than any colour
  const std::string text = toUtf8(aColor);
  if (text.empty()) return NS_ERROR_ILLEGAL_VALUE;
  const std::optional<Rgb> rgb = text[0] == '#' ? parseHex(text.substr(1)) : namedColor(text);
  if (!rgb) return NS_ERROR_ILLEGAL_VALUE;
  std::lock_guard lock(mutex_);
  red_ = rgb->red;
  green_ = rgb->green;
  blue_ = rgb->blue;
  return NS_OK;
}

NS_IMETHODIMP Flasher::GetInvert(PRBool* aInvert) {
  if (!aInvert) return NS_ERROR_NULL_POINTER;
  std::lock_guard lock(mutex_);
  *aInvert = invert_ ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP Flasher::SetInvert(PRBool aInvert) {
  std::lock_guard lock(mutex_);
  invert_ = aInvert != PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP Flasher::GetThickness(PRUint16* aThickness) {
  if (!aThickness) return NS_ERROR_NULL_POINTER;
  std::lock_guard lock(mutex_);
  *aThickness = thickness_;
  return NS_OK;
}

NS_IMETHODIMP Flasher::SetThickness(PRUint16 aThickness) {
  std::lock_guard lock(mutex_);
  thickness_ = aThickness;
  return NS_OK;
}

nsresult Flasher::record(const char* action, nsIDOMElement* element) {
  if (!element) return NS_ERROR_INVALID_ARG;
  try {
    return recordEntry(action, element);
  } catch (const std::bad_alloc&) {
    return NS_ERROR_OUT_OF_MEMORY;
  }
}

nsresult Flasher::recordEntry(const char* action, nsIDOMElement* element) {
  FlasherRecord entry;
  entry.action = action;
  entry.element = describe(element);
  nsString color;
  GetColor(color);
  entry.color = toUtf8(color);
  {
    std::lock_guard lock(mutex_);
    entry.thickness = thickness_;
    entry.invert = invert_;
  }
  std::lock_guard lock(gLogMutex);
  gLog.push_back(std::move(entry));
  return NS_OK;
}

NS_IMETHODIMP Flasher::DrawElementOutline(nsIDOMElement* aElement) { return record("outline", aElement); }
NS_IMETHODIMP Flasher::RepaintElement(nsIDOMElement* aElement) { return record("repaint", aElement); }
NS_IMETHODIMP Flasher::ScrollElementIntoView(nsIDOMElement* aElement) { return record("scroll", aElement); }

}  // namespace gecko
