#include "markup_wrappers.h"

#include "dom_markup_element.h"
#include "dom_xml_document.h"
#include "engine/document.h"
#include "markup_names.h"

namespace gecko {

void makeMarkupWrapper(const std::shared_ptr<DomSession>& session, const std::shared_ptr<engine::Node>& node,
                       DomObject*& object, nsIDOMNode*& created) {
  object = nullptr;
  created = nullptr;
  if (node->nodeType() == engine::NodeType::Document) {
    auto document = std::static_pointer_cast<engine::Document>(node);
    if (!document->isXml()) return;
    auto* wrapper = new DomXmlDocument(session, document);
    object = wrapper;
    created = wrapper;
    return;
  }
  if (node->nodeType() != engine::NodeType::Element) return;
  auto element = std::static_pointer_cast<engine::Element>(node);
  if (!element->isXml() || element->namespaceUri() == kXhtmlNamespace) return;
  if (element->namespaceUri() == kXulNamespace) {
    auto* wrapper = new DomXulElement(session, element);
    object = wrapper;
    created = wrapper;
  } else {
    auto* wrapper = new DomXmlElement(session, element);
    object = wrapper;
    created = wrapper;
  }
}

}  // namespace gecko
