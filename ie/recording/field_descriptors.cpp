#include "recording/field_descriptors.h"

#include <windows.h>

#include <vector>

#include "com/variant.h"
#include "common/line_kinds.h"
#include "recording/element_properties.h"

namespace recording {

namespace {

namespace kinds = scriptline::ie;
using Line = scriptline::Line<std::string>;
constexpr std::string_view kNone = scriptline::kNone;

void setCommon(Line& line, IHTMLElement* element) {
  line.set("id", idOf(element));
  line.set("sourceindex", sourceIndexOf(element));
  line.set("tooltip", titleOf(element));
}

ItemTest tagIs(std::string tag) {
  return [tag](IDispatch*, IHTMLElement* element) { return tagNameOf(element) == tag; };
}

// The field's index among `kind`: by id when it has one, else by name alone.
std::string fieldIndex(IHTMLDocument2* document, IHTMLElement* element, const ItemTest& kind,
                       const std::string& name) {
  const std::string id = idOf(element);
  return indexAmong(document, element, kind, id != kNone ? sameId(id) : sameName(name));
}

// The texts of the selected options, in option order.
std::string selectedTexts(IHTMLSelectElement* list) {
  LONG length = 0;
  if (FAILED(list->get_length(&length))) return std::string(kNone);
  std::vector<std::string> texts;
  for (LONG i = 0; i < length; ++i) {
    Variant name(i), at(0);
    ComPtr<IDispatch> item;
    if (FAILED(list->item(*name.get(), *at.get(), item.put())) || !item) continue;
    const ComPtr<IHTMLOptionElement> option = queryAs<IHTMLOptionElement>(item.get(), IID_IHTMLOptionElement);
    VARIANT_BOOL selected = VARIANT_FALSE;
    if (!option || FAILED(option->get_selected(&selected)) || selected != VARIANT_TRUE) continue;
    Bstr text;
    option->get_text(text.put());
    texts.push_back(text.toAnsi());
  }
  if (texts.empty()) return std::string(kNone);
  std::string joined = scriptline::joinItems(texts);
  const size_t end = joined.find_last_not_of(" \t\r\n\v\f");
  joined.erase(end == std::string::npos ? 0 : end + 1);
  return joined;
}

// Fills `line` with what `fill` reads; when reading raises an exception the user is told
// and the line keeps what was read up to then.
template <class Fill>
std::string buildReported(Line& line, Fill&& fill) {
  try {
    fill();
  } catch (...) {
    MessageBoxA(nullptr, "Exception in QI", "ERROR", MB_OK);
  }
  return line.recordedLine();
}

}  // namespace

std::string buildSelectLine(IHTMLSelectElement* list, IHTMLDocument2* document) {
  Line line(kinds::kSelectItem);
  const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(list, IID_IHTMLElement);
  if (element) setCommon(line, element.get());
  const std::string name = readText([&](BSTR* p) { return list->get_name(p); });
  ComPtr<IHTMLFormElement> form;
  list->get_form(form.put());
  line.set("name", name).set("formname", formNameOf(form.get()));
  line.set("type", readText([&](BSTR* p) { return list->get_type(p); }));
  line.set("source", std::string(kNone));
  line.set("value", selectedTexts(list));
  line.set("index", element ? fieldIndex(document, element.get(), tagIs("SELECT"), name) : "0");
  return line.recordedLine();
}

std::string buildTextAreaLine(IHTMLTextAreaElement* area, IHTMLDocument2* document) {
  Line line(kinds::kSetTextArea);
  return buildReported(line, [&] {
    const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(area, IID_IHTMLElement);
    if (element) setCommon(line, element.get());
    const std::string name = readText([&](BSTR* p) { return area->get_name(p); });
    const std::string type = readText([&](BSTR* p) { return area->get_type(p); });
    ComPtr<IHTMLFormElement> form;
    area->get_form(form.put());
    line.set("name", name).set("formname", formNameOf(form.get())).set("type", type);
    line.set("source", std::string(kNone));
    std::string value = readText([&](BSTR* p) { return area->get_value(p); });
    // An empty text area is recorded as having no text.
    if (value.empty()) value = kNone;
    line.set("value", scriptline::markLineBreaks<std::string>(value, "\r\n"));
    line.set("disable", readFlag([&](VARIANT_BOOL* p) { return area->get_disabled(p); }));
    const ItemTest sameType = [type](IDispatch* item, IHTMLElement* itemElement) {
      const ComPtr<IHTMLTextAreaElement> other = queryAs<IHTMLTextAreaElement>(item, IID_IHTMLTextAreaElement);
      return tagNameOf(itemElement) == "TEXTAREA" && other &&
             readText([&](BSTR* p) { return other->get_type(p); }) == type;
    };
    line.set("index", element ? fieldIndex(document, element.get(), sameType, name) : "0");
  });
}

std::string buildTextFieldLine(IHTMLInputTextElement* field, IHTMLDocument2* document) {
  Line line(kinds::kSetTextInput);
  return buildReported(line, [&] {
    const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(field, IID_IHTMLElement);
    if (element) setCommon(line, element.get());
    const std::string name = readText([&](BSTR* p) { return field->get_name(p); });
    const std::string type = readText([&](BSTR* p) { return field->get_type(p); });
    ComPtr<IHTMLFormElement> form;
    field->get_form(form.put());
    line.set("name", name).set("formname", formNameOf(form.get())).set("type", type);
    line.set("disable", readFlag([&](VARIANT_BOOL* p) { return field->get_disabled(p); }));
    Bstr value;
    field->get_value(value.put());
    line.set("value", value.toAnsi());
    line.set("index", element ? fieldIndex(document, element.get(), inputOfType(type), name) : "0");
  });
}

}  // namespace recording
