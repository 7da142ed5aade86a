// Builds an engine document from XML text with expat: elements with their names as
// written and their namespaces, attributes (namespace declarations included, as Gecko
// keeps them), text and comments. Text that is not well formed gives Mozilla's
// parser-error document instead: a "parsererror" root in Mozilla's parser-error
// namespace holding the message and a "sourcetext" element with the line at fault.
#pragma once

#include <memory>
#include <string>

namespace engine {
class Document;
}

namespace gecko {

struct XmlParseResult {
  std::shared_ptr<engine::Document> document;  // never null
  bool wellFormed = false;
};

// `encoding`: null to let the text's declaration (or its byte order mark) decide,
// else the encoding that overrides it ("UTF-8" for text handed over as a string).
// `location` is the address the error message names.
XmlParseResult parseXml(const std::string& bytes, const char* encoding, const std::string& location);

}  // namespace gecko
