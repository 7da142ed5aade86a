#include "html_style.h"

#include "automation_values.h"

#include <charconv>
#include <cstdio>
#include <sstream>

namespace mshtml {
namespace {

// The leading number of a length such as "12px" or "-3.5pt"; 0 when there is none.
double leadingNumber(const std::string& text) {
  double number = 0;
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  while (begin < end && *begin == ' ') ++begin;
  std::from_chars(begin, end, number);
  return number;
}

bool hasWord(const std::string& text, const std::string& word) {
  std::istringstream words(text);
  std::string each;
  while (words >> each) {
    if (each == word) return true;
  }
  return false;
}

}  // namespace

HtmlStyle::HtmlStyle(std::shared_ptr<engine::Element> element, Which which)
    : element_(std::move(element)), which_(which) {}

void* HtmlStyle::queryInterface(REFIID riid) {
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IHTMLStyle)) {
    return static_cast<IHTMLStyle*>(this);
  }
  return nullptr;
}

engine::Style& HtmlStyle::style() const {
  return which_ == Which::Inline ? element_->style() : element_->runtimeStyle();
}

HRESULT HtmlStyle::putText(const char* property, const OLECHAR* value) {
  std::string text = utf8FromBstr(value);
  return carry([&] {
    style().set(property, text);
    return S_OK;
  });
}

HRESULT HtmlStyle::getText(const char* property, BSTR* out) {
  if (!out) return E_POINTER;
  // IE answers an unset style property with a null BSTR.
  return carry([&] {
    const std::string value = style().get(property);
    return value.empty() ? putNullableString(std::optional<std::string>(), out) : putString(value, out);
  });
}

HRESULT HtmlStyle::putVariant(const char* property, const VARIANT& value) {
  std::optional<std::string> text = textOf(value);
  if (!text && V_VT(&value) != VT_NULL && V_VT(&value) != VT_EMPTY) return E_INVALIDARG;
  return carry([&] {
    style().set(property, text.value_or(std::string()));
    return S_OK;
  });
}

HRESULT HtmlStyle::getVariant(const char* property, VARIANT* out) {
  if (!out) return E_POINTER;
  VariantInit(out);
  return carry([&] {
    const std::string value = style().get(property);
    V_VT(out) = VT_BSTR;
    return value.empty() ? putNullableString(std::optional<std::string>(), &V_BSTR(out)) : putString(value, &V_BSTR(out));
  });
}

HRESULT HtmlStyle::putDecoration(const char* word, VARIANT_BOOL on) {
  return carry([&] {
    std::string decoration = style().get("textDecoration");
    std::ostringstream kept;
    std::istringstream words(decoration);
    std::string each;
    while (words >> each) {
      if (each != word && each != "none") kept << (kept.tellp() > 0 ? " " : "") << each;
    }
    std::string result = kept.str();
    if (on) result = std::string(word) == "none" ? "none" : (result.empty() ? word : result + " " + word);
    style().set("textDecoration", result);
    return S_OK;
  });
}

HRESULT HtmlStyle::getDecoration(const char* word, VARIANT_BOOL* out) {
  if (!out) return E_POINTER;
  return carry([&] { return putBool(hasWord(style().get("textDecoration"), word), out); });
}

HRESULT HtmlStyle::putPixels(const char* property, LONG value) {
  return carry([&] {
    style().set(property, std::to_string(value) + "px");
    return S_OK;
  });
}

HRESULT HtmlStyle::getPixels(const char* property, LONG* out) {
  if (!out) return E_POINTER;
  return carry([&] { return putLong(static_cast<long>(leadingNumber(style().get(property))), out); });
}

HRESULT HtmlStyle::putPosition(const char* property, float value) {
  return carry([&] {
    const std::string current = style().get(property);
    // posX keeps the unit the property already has, as IE does; pixels by default.
    size_t unitAt = current.find_first_not_of("0123456789.- ");
    std::string unit = unitAt == std::string::npos ? "px" : current.substr(unitAt);
    char number[32];
    std::snprintf(number, sizeof number, "%g", static_cast<double>(value));
    style().set(property, number + unit);
    return S_OK;
  });
}

HRESULT HtmlStyle::getPosition(const char* property, float* out) {
  if (!out) return E_POINTER;
  return carry([&] {
    *out = static_cast<float>(leadingNumber(style().get(property)));
    return S_OK;
  });
}

#define MSHTML_DEFINE_TEXT(name)                                                              \
  HRESULT STDMETHODCALLTYPE HtmlStyle::put_##name(BSTR v) { return putText(#name, v); }      \
  HRESULT STDMETHODCALLTYPE HtmlStyle::get_##name(BSTR* p) { return getText(#name, p); }
#define MSHTML_DEFINE_VARIANT(name)                                                           \
  HRESULT STDMETHODCALLTYPE HtmlStyle::put_##name(VARIANT v) { return putVariant(#name, v); } \
  HRESULT STDMETHODCALLTYPE HtmlStyle::get_##name(VARIANT* p) { return getVariant(#name, p); }
MSHTML_STYLE_TEXT_PROPERTIES(MSHTML_DEFINE_TEXT)
MSHTML_STYLE_VARIANT_PROPERTIES(MSHTML_DEFINE_VARIANT)
#undef MSHTML_DEFINE_TEXT
#undef MSHTML_DEFINE_VARIANT

HRESULT STDMETHODCALLTYPE HtmlStyle::put_cssText(BSTR v) {
  std::string text = utf8FromBstr(v);
  return carry([&] {
    engine::Style parsed = engine::Style::parse(text);
    engine::Style& target = style();
    for (const auto& [property, value] : target.properties()) {
      if (parsed.get(property).empty()) parsed.set(property, "");
    }
    target = parsed;
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlStyle::get_cssText(BSTR* p) {
  if (!p) return E_POINTER;
  return carry([&] {
    const std::string text = style().cssText();
    return text.empty() ? putNullableString(std::optional<std::string>(), p) : putString(text, p);
  });
}

HRESULT STDMETHODCALLTYPE HtmlStyle::get_position(BSTR* p) { return getText("position", p); }

HRESULT STDMETHODCALLTYPE HtmlStyle::put_textDecorationNone(VARIANT_BOOL v) { return putDecoration("none", v); }
HRESULT STDMETHODCALLTYPE HtmlStyle::get_textDecorationNone(VARIANT_BOOL* p) { return getDecoration("none", p); }
HRESULT STDMETHODCALLTYPE HtmlStyle::put_textDecorationUnderline(VARIANT_BOOL v) {
  return putDecoration("underline", v);
}
HRESULT STDMETHODCALLTYPE HtmlStyle::get_textDecorationUnderline(VARIANT_BOOL* p) {
  return getDecoration("underline", p);
}
HRESULT STDMETHODCALLTYPE HtmlStyle::put_textDecorationOverline(VARIANT_BOOL v) {
  return putDecoration("overline", v);
}
HRESULT STDMETHODCALLTYPE HtmlStyle::get_textDecorationOverline(VARIANT_BOOL* p) {
  return getDecoration("overline", p);
}
HRESULT STDMETHODCALLTYPE HtmlStyle::put_textDecorationLineThrough(VARIANT_BOOL v) {
  return putDecoration("line-through", v);
}
HRESULT STDMETHODCALLTYPE HtmlStyle::get_textDecorationLineThrough(VARIANT_BOOL* p) {
  return getDecoration("line-through", p);
}
HRESULT STDMETHODCALLTYPE HtmlStyle::put_textDecorationBlink(VARIANT_BOOL v) { return putDecoration("blink", v); }
HRESULT STDMETHODCALLTYPE HtmlStyle::get_textDecorationBlink(VARIANT_BOOL* p) { return getDecoration("blink", p); }

HRESULT STDMETHODCALLTYPE HtmlStyle::put_pixelTop(LONG v) { return putPixels("top", v); }
HRESULT STDMETHODCALLTYPE HtmlStyle::get_pixelTop(LONG* p) { return getPixels("top", p); }
HRESULT STDMETHODCALLTYPE HtmlStyle::put_pixelLeft(LONG v) { return putPixels("left", v); }
HRESULT STDMETHODCALLTYPE HtmlStyle::get_pixelLeft(LONG* p) { return getPixels("left", p); }
HRESULT STDMETHODCALLTYPE HtmlStyle::put_pixelWidth(LONG v) { return putPixels("width", v); }
HRESULT STDMETHODCALLTYPE HtmlStyle::get_pixelWidth(LONG* p) { return getPixels("width", p); }
HRESULT STDMETHODCALLTYPE HtmlStyle::put_pixelHeight(LONG v) { return putPixels("height", v); }
HRESULT STDMETHODCALLTYPE HtmlStyle::get_pixelHeight(LONG* p) { return getPixels("height", p); }
HRESULT STDMETHODCALLTYPE HtmlStyle::put_posTop(float v) { return putPosition("top", v); }
HRESULT STDMETHODCALLTYPE HtmlStyle::get_posTop(float* p) { return getPosition("top", p); }
HRESULT STDMETHODCALLTYPE HtmlStyle::put_posLeft(float v) { return putPosition("left", v); }
HRESULT STDMETHODCALLTYPE HtmlStyle::get_posLeft(float* p) { return getPosition("left", p); }
HRESULT STDMETHODCALLTYPE HtmlStyle::put_posWidth(float v) { return putPosition("width", v); }
HRESULT STDMETHODCALLTYPE HtmlStyle::get_posWidth(float* p) { return getPosition("width", p); }
HRESULT STDMETHODCALLTYPE HtmlStyle::put_posHeight(float v) { return putPosition("height", v); }
HRESULT STDMETHODCALLTYPE HtmlStyle::get_posHeight(float* p) { return getPosition("height", p); }

HRESULT STDMETHODCALLTYPE HtmlStyle::setAttribute(BSTR name, VARIANT value, LONG) {
  if (!name) return E_INVALIDARG;
  return putVariant(utf8FromBstr(name).c_str(), value);
}

HRESULT STDMETHODCALLTYPE HtmlStyle::getAttribute(BSTR name, LONG, VARIANT* value) {
  if (!name) return E_INVALIDARG;
  return getVariant(utf8FromBstr(name).c_str(), value);
}

HRESULT STDMETHODCALLTYPE HtmlStyle::removeAttribute(BSTR name, LONG, VARIANT_BOOL* removed) {
  if (!name || !removed) return E_POINTER;
  std::string property = utf8FromBstr(name);
  return carry([&] {
    const bool had = !style().get(property).empty();
    style().set(property, "");
    return putBool(had, removed);
  });
}

HRESULT STDMETHODCALLTYPE HtmlStyle::toString(BSTR* p) { return putString("[object]", p); }

}  // namespace mshtml
