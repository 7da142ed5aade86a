// The style objects of an element (IHTMLStyle): its inline style and its runtime style,
// over the engine's declaration blocks. Properties are kept by their script names
// (camel case), as IE's style object reflects them.
#pragma once

#include "carried_object.h"
#include "automation_values.h"
#include "interface_defaults.h"

#include <engine/node.h>

#include <memory>

namespace mshtml {

// Properties read and written as text.
#define MSHTML_STYLE_TEXT_PROPERTIES(X) \
  X(fontFamily) X(fontStyle) X(fontVariant) X(fontWeight) X(font) X(background) X(backgroundImage) \
  X(backgroundRepeat) X(backgroundAttachment) X(backgroundPosition) X(textDecoration) \
  X(textTransform) X(textAlign) X(margin) X(padding) X(border) X(borderTop) X(borderRight) \
  X(borderBottom) X(borderLeft) X(borderColor) X(borderWidth) X(borderStyle) X(borderTopStyle) \
  X(borderRightStyle) X(borderBottomStyle) X(borderLeftStyle) X(styleFloat) X(clear) X(display) \
  X(visibility) X(listStyleType) X(listStylePosition) X(listStyleImage) X(listStyle) X(whiteSpace) \
  X(overflow) X(pageBreakBefore) X(pageBreakAfter) X(cursor) X(clip) X(filter)

// Properties read and written as VARIANT (IE answers them as VT_BSTR).
#define MSHTML_STYLE_VARIANT_PROPERTIES(X) \
  X(fontSize) X(color) X(backgroundColor) X(backgroundPositionX) X(backgroundPositionY) \
  X(wordSpacing) X(letterSpacing) X(verticalAlign) X(textIndent) X(lineHeight) X(marginTop) \
  X(marginRight) X(marginBottom) X(marginLeft) X(paddingTop) X(paddingRight) X(paddingBottom) \
  X(paddingLeft) X(borderTopColor) X(borderRightColor) X(borderBottomColor) X(borderLeftColor) \
  X(borderTopWidth) X(borderRightWidth) X(borderBottomWidth) X(borderLeftWidth) X(width) X(height) \
  X(top) X(left) X(zIndex)

class HtmlStyle final : public CarriedObject, public IHTMLStyleDefaults {
 public:
  enum class Which { Inline, Runtime };
  // Browser thread only.
  HtmlStyle(std::shared_ptr<engine::Element> element, Which which);

  MSHTML_IUNKNOWN_METHODS
  MSHTML_VTABLE_ONLY_IDISPATCH_METHODS

#define MSHTML_DECLARE_TEXT(name)                             \
  HRESULT STDMETHODCALLTYPE put_##name(BSTR v) override;      \
  HRESULT STDMETHODCALLTYPE get_##name(BSTR* p) override;
#define MSHTML_DECLARE_VARIANT(name)                          \
  HRESULT STDMETHODCALLTYPE put_##name(VARIANT v) override;   \
  HRESULT STDMETHODCALLTYPE get_##name(VARIANT* p) override;
  MSHTML_STYLE_TEXT_PROPERTIES(MSHTML_DECLARE_TEXT)
  MSHTML_STYLE_VARIANT_PROPERTIES(MSHTML_DECLARE_VARIANT)
#undef MSHTML_DECLARE_TEXT
#undef MSHTML_DECLARE_VARIANT

  HRESULT STDMETHODCALLTYPE put_cssText(BSTR v) override;
  HRESULT STDMETHODCALLTYPE get_cssText(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE get_position(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE put_textDecorationNone(VARIANT_BOOL v) override;
  HRESULT STDMETHODCALLTYPE get_textDecorationNone(VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE put_textDecorationUnderline(VARIANT_BOOL v) override;
  HRESULT STDMETHODCALLTYPE get_textDecorationUnderline(VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE put_textDecorationOverline(VARIANT_BOOL v) override;
  HRESULT STDMETHODCALLTYPE get_textDecorationOverline(VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE put_textDecorationLineThrough(VARIANT_BOOL v) override;
  HRESULT STDMETHODCALLTYPE get_textDecorationLineThrough(VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE put_textDecorationBlink(VARIANT_BOOL v) override;
  HRESULT STDMETHODCALLTYPE get_textDecorationBlink(VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE put_pixelTop(LONG v) override;
  HRESULT STDMETHODCALLTYPE get_pixelTop(LONG* p) override;
  HRESULT STDMETHODCALLTYPE put_pixelLeft(LONG v) override;
  HRESULT STDMETHODCALLTYPE get_pixelLeft(LONG* p) override;
  HRESULT STDMETHODCALLTYPE put_pixelWidth(LONG v) override;
  HRESULT STDMETHODCALLTYPE get_pixelWidth(LONG* p) override;
  HRESULT STDMETHODCALLTYPE put_pixelHeight(LONG v) override;
  HRESULT STDMETHODCALLTYPE get_pixelHeight(LONG* p) override;
  HRESULT STDMETHODCALLTYPE put_posTop(float v) override;
  HRESULT STDMETHODCALLTYPE get_posTop(float* p) override;
  HRESULT STDMETHODCALLTYPE put_posLeft(float v) override;
  HRESULT STDMETHODCALLTYPE get_posLeft(float* p) override;
  HRESULT STDMETHODCALLTYPE put_posWidth(float v) override;
  HRESULT STDMETHODCALLTYPE get_posWidth(float* p) override;
  HRESULT STDMETHODCALLTYPE put_posHeight(float v) override;
  HRESULT STDMETHODCALLTYPE get_posHeight(float* p) override;
  HRESULT STDMETHODCALLTYPE setAttribute(BSTR name, VARIANT value, LONG flags) override;
  HRESULT STDMETHODCALLTYPE getAttribute(BSTR name, LONG flags, VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE removeAttribute(BSTR name, LONG flags, VARIANT_BOOL* removed) override;
  HRESULT STDMETHODCALLTYPE toString(BSTR* p) override;

 private:
  ~HtmlStyle() override = default;
  void* queryInterface(REFIID riid);
  engine::Style& style() const;

  HRESULT putText(const char* property, const OLECHAR* value);
  HRESULT getText(const char* property, BSTR* out);
  HRESULT putVariant(const char* property, const VARIANT& value);
  HRESULT getVariant(const char* property, VARIANT* out);
  HRESULT putDecoration(const char* word, VARIANT_BOOL on);
  HRESULT getDecoration(const char* word, VARIANT_BOOL* out);
  HRESULT putPixels(const char* property, LONG value);
  HRESULT getPixels(const char* property, LONG* out);
  HRESULT putPosition(const char* property, float value);
  HRESULT getPosition(const char* property, float* out);

  const std::shared_ptr<engine::Element> element_;
  const Which which_;
};

}  // namespace mshtml
