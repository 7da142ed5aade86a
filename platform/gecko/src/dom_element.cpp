#include "dom_element.h"

#include "dom_form_elements.h"
#include "dom_link_elements.h"
#include "dom_table_elements.h"
#include "engine/document.h"
#include "engine/url.h"

#include <cctype>
#include <charconv>

namespace gecko {
namespace element_ops {

PRInt32 integerAttribute(const engine::Element& element, const char* name, PRInt32 fallback) {
  const auto value = element.attribute(name);
  if (!value) return fallback;
  const char* begin = value->data();
  const char* end = begin + value->size();
  while (begin != end && std::isspace(static_cast<unsigned char>(*begin))) ++begin;
  if (begin != end && *begin == '+') ++begin;
  PRInt32 number = 0;
  const auto [stop, error] = std::from_chars(begin, end, number);
  if (error != std::errc() || stop == begin) return fallback;
  return number;
}

std::string numberText(PRInt64 value) { return std::to_string(value); }

std::string uriAttribute(const engine::Element& element, const char* name) {
  const auto value = element.attribute(name);
  if (!value) return {};
  std::string trimmed = *value;
  const auto first = trimmed.find_first_not_of(" \t\r\n");
  trimmed = first == std::string::npos ? std::string() : trimmed.substr(first, trimmed.find_last_not_of(" \t\r\n") - first + 1);
  auto document = element.ownerDocument();
  return document ? engine::url::resolve(document->url(), trimmed) : trimmed;
}

std::shared_ptr<engine::Element> childWithTag(const engine::Element& parent, std::initializer_list<const char*> tags) {
  for (const auto& child : parent.childNodes()) {
    if (child->nodeType() != engine::NodeType::Element) continue;
    auto element = std::static_pointer_cast<engine::Element>(child);
    for (const char* tag : tags) {
      if (element->is(tag)) return element;
    }
  }
  return nullptr;
}

std::vector<std::shared_ptr<engine::Node>> childrenWithTag(const engine::Element& parent, const char* tag) {
  std::vector<std::shared_ptr<engine::Node>> found;
  for (const auto& child : parent.childNodes()) {
    if (child->nodeType() == engine::NodeType::Element && static_cast<const engine::Element&>(*child).is(tag)) {
      found.push_back(child);
    }
  }
  return found;
}

}  // namespace element_ops

namespace {
template <class Wrapper>
ElementWrapper make(std::shared_ptr<DomSession>& session, std::shared_ptr<engine::Element>& element) {
  auto* wrapper = new Wrapper(std::move(session), std::move(element));
  return ElementWrapper{wrapper, wrapper};
}
}  // namespace

// Each tag gets the wrapper whose interfaces Gecko gives that tag's element class.
ElementWrapper createElementWrapper(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element) {
  const engine::Element& e = *element;
  if (e.is("INPUT")) return make<DomInputElement>(session, element);
  if (e.is("TEXTAREA")) return make<DomTextAreaElement>(session, element);
  if (e.is("SELECT")) return make<DomSelectElement>(session, element);
  if (e.is("OPTION")) return make<DomOptionElement>(session, element);
  if (e.is("FORM")) return make<DomFormElement>(session, element);
  if (e.is("A")) return make<DomAnchorElement>(session, element);
  if (e.is("IMG")) return make<DomImageElement>(session, element);
  if (e.is("MAP")) return make<DomMapElement>(session, element);
  if (e.is("AREA")) return make<DomAreaElement>(session, element);
  if (e.is("TABLE")) return make<DomTableElement>(session, element);
  if (e.is("CAPTION")) return make<DomTableCaptionElement>(session, element);
  if (e.is("THEAD") || e.is("TBODY") || e.is("TFOOT")) return make<DomTableSectionElement>(session, element);
  if (e.is("TR")) return make<DomTableRowElement>(session, element);
  if (e.is("TD") || e.is("TH")) return make<DomTableCellElement>(session, element);
  return make<DomElement>(session, element);
}

}  // namespace gecko
