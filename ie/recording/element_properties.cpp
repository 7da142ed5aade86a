#include "recording/element_properties.h"

#include "com/variant.h"
#include "common/script_line.h"

namespace recording {

namespace {

constexpr std::string_view kNone = scriptline::kNone;

// The item's name and value as an INPUT gives them ("NONE" when missing).
bool inputNameAndValue(IDispatch* item, std::string& name, std::string& value) {
  ComPtr<IHTMLInputElement> input = queryAs<IHTMLInputElement>(item, IID_IHTMLInputElement);
  ComPtr<IHTMLSelectElement> list;
  ComPtr<IHTMLTextAreaElement> area;
  if (input) {
    name = readText([&](BSTR* p) { return input->get_name(p); });
    value = readText([&](BSTR* p) { return input->get_value(p); });
    return true;
  }
  if ((list = queryAs<IHTMLSelectElement>(item, IID_IHTMLSelectElement))) {
    name = readText([&](BSTR* p) { return list->get_name(p); });
    value = readText([&](BSTR* p) { return list->get_value(p); });
    return true;
  }
  if ((area = queryAs<IHTMLTextAreaElement>(item, IID_IHTMLTextAreaElement))) {
    name = readText([&](BSTR* p) { return area->get_name(p); });
    value = readText([&](BSTR* p) { return area->get_value(p); });
    return true;
  }
  return false;
}

bool matchesKey(IDispatch* item, const std::string& key) {
  std::string name, value;
  if (!inputNameAndValue(item, name, value)) return false;
  return name != kNone ? name == key : value == key;
}

}  // namespace

std::string idOf(IHTMLElement* element) {
  return readText([&](BSTR* p) { return element->get_id(p); });
}

std::string titleOf(IHTMLElement* element) {
  return readText([&](BSTR* p) { return element->get_title(p); });
}

std::string tagNameOf(IHTMLElement* element) {
  return readText([&](BSTR* p) { return element->get_tagName(p); });
}

std::string innerTextOf(IHTMLElement* element) {
  return readText([&](BSTR* p) { return element->get_innerText(p); });
}

ComPtr<IHTMLElement> selfOrAncestorTagged(IHTMLElement* element, std::initializer_list<std::string_view> tags) {
  ComPtr<IHTMLElement> at(element);
  while (at) {
    const std::string tag = tagNameOf(at.get());
    for (std::string_view wanted : tags)
      if (tag == wanted) return at;
    ComPtr<IHTMLElement> parent;
    if (FAILED(at->get_parentElement(parent.put()))) return {};
    at = parent;
  }
  return {};
}

std::string sourceIndexOf(IHTMLElement* element) {
  LONG index = 0;
  if (element == nullptr || FAILED(element->get_sourceIndex(&index))) return {};
  return std::to_string(index);
}

std::string formNameOf(IHTMLFormElement* form) {
  if (form == nullptr) return std::string(kNone);
  return readText([&](BSTR* p) { return form->get_name(p); });
}

std::string flagOf(VARIANT_BOOL value) { return scriptline::flag<std::string>(value == VARIANT_TRUE); }

ComPtr<IHTMLDocument2> documentOf(IHTMLElement* element) {
  ComPtr<IDispatch> dispatch;
  ComPtr<IHTMLDocument2> document;
  if (element != nullptr && SUCCEEDED(element->get_document(dispatch.put())) && dispatch)
    dispatch->QueryInterface(IID_IHTMLDocument2, document.putVoid());
  return document;
}

std::string inputTypeOf(IHTMLElement* element) {
  ComPtr<IHTMLInputElement> input = queryAs<IHTMLInputElement>(element, IID_IHTMLInputElement);
  Bstr type;
  if (input) input->get_type(type.put());
  return type.toAnsi();
}

std::string indexAmong(IHTMLDocument2* document, IHTMLElement* element, const ItemTest& kind,
                       const ItemTest& identity) {
  const std::string own = sourceIndexOf(element);
  ComPtr<IHTMLElementCollection> all;
  LONG length = 0;
  if (document == nullptr || own.empty() || FAILED(document->get_all(all.put())) || !all ||
      FAILED(all->get_length(&length)))
    return "0";
  LONG position = 0;
  for (LONG i = 0; i < length; ++i) {
    Variant name(i), at(i);
    ComPtr<IDispatch> item;
    if (FAILED(all->item(*name.get(), *at.get(), item.put())) || !item) continue;
    ComPtr<IHTMLElement> itemElement = queryAs<IHTMLElement>(item.get(), IID_IHTMLElement);
    if (!itemElement || !kind(item.get(), itemElement.get()) || !identity(item.get(), itemElement.get())) continue;
    if (sourceIndexOf(itemElement.get()) == own) return std::to_string(position);
    ++position;
  }
  return "0";
}

ItemTest sameId(const std::string& id) {
  return [id](IDispatch*, IHTMLElement* element) { return idOf(element) == id; };
}

ItemTest sameNameOrValue(const std::string& name, const std::string& value) {
  const std::string key = name != kNone ? name : value;
  if (key == kNone) return [](IDispatch*, IHTMLElement*) { return false; };
  return [key](IDispatch* item, IHTMLElement*) { return matchesKey(item, key); };
}

ItemTest sameName(const std::string& name) { return sameNameOrValue(name, std::string(kNone)); }

ItemTest inputOfType(const std::string& type) {
  return [type](IDispatch* item, IHTMLElement*) {
    ComPtr<IHTMLInputElement> input = queryAs<IHTMLInputElement>(item, IID_IHTMLInputElement);
    if (!input) return false;
    Bstr value;
    input->get_type(value.put());
    return value.toAnsi() == type;
  };
}

}  // namespace recording
