#include "xml_tree_builder.h"

#include <expat.h>

#include <algorithm>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

#include "engine/document.h"
#include "engine/node.h"
#include "markup_names.h"

namespace gecko {
namespace {

// expat joins namespace, local name and prefix with this byte, which no name contains.
constexpr char kSeparator = '\x01';
// Deeper trees than this are refused: the tree's own walks are recursive.
constexpr int kMaxDepth = 2000;
constexpr const char* kTooDeep = "document nested too deeply";

struct QualifiedName {
  std::string qualified;
  std::string namespaceUri;
};

// "uri<sep>local<sep>prefix", "uri<sep>local" or "local".
QualifiedName splitName(const XML_Char* name) {
  const std::string text(name);
  const auto first = text.find(kSeparator);
  if (first == std::string::npos) return {text, {}};
  const auto second = text.find(kSeparator, first + 1);
  std::string uri = text.substr(0, first);
  if (second == std::string::npos) return {text.substr(first + 1), uri};
  return {text.substr(second + 1) + ":" + text.substr(first + 1, second - first - 1), uri};
}

class Builder {
 public:
  explicit Builder(std::shared_ptr<engine::Document> document) : document_(std::move(document)) {}

  static void XMLCALL startNamespace(void* self, const XML_Char* prefix, const XML_Char* uri) {
    auto& builder = *static_cast<Builder*>(self);
    builder.declarations_.emplace_back(prefix ? "xmlns:" + std::string(prefix) : std::string("xmlns"),
                                       uri ? std::string(uri) : std::string());
  }

  static void XMLCALL startElement(void* self, const XML_Char* name, const XML_Char** attributes) {
    auto& builder = *static_cast<Builder*>(self);
    if (++builder.depth_ > kMaxDepth) {
      builder.tooDeep_ = true;
      XML_StopParser(builder.parser_, XML_FALSE);
      return;
    }
    const QualifiedName element = splitName(name);
    auto node = std::make_shared<engine::Element>(engine::XmlMarkup{}, element.qualified, element.namespaceUri);
    for (auto& [key, value] : builder.declarations_) node->setAttribute(key, value);
    builder.declarations_.clear();
    for (const XML_Char** attribute = attributes; attribute && attribute[0]; attribute += 2) {
      node->setAttribute(splitName(attribute[0]).qualified, attribute[1]);
    }
    builder.current()->appendChild(node);
    builder.open_.push_back(node);
  }

  static void XMLCALL endElement(void* self, const XML_Char*) {
    auto& builder = *static_cast<Builder*>(self);
    --builder.depth_;
    if (!builder.open_.empty()) builder.open_.pop_back();
  }

  // Adjacent pieces of text (expat reports text in pieces) make one text node.
  static void XMLCALL text(void* self, const XML_Char* data, int length) {
    auto& builder = *static_cast<Builder*>(self);
    if (length <= 0) return;
    auto parent = builder.current();
    auto last = parent->lastChild();
    if (last && last->nodeType() == engine::NodeType::Text) {
      auto& node = static_cast<engine::TextNode&>(*last);
      node.setData(node.data() + std::string(data, static_cast<std::size_t>(length)));
      return;
    }
    parent->appendChild(std::make_shared<engine::TextNode>(std::string(data, static_cast<std::size_t>(length))));
  }

  static void XMLCALL comment(void* self, const XML_Char* data) {
    auto& builder = *static_cast<Builder*>(self);
    builder.current()->appendChild(std::make_shared<engine::TextNode>(data, engine::NodeType::Comment));
  }

  void setParser(XML_Parser parser) { parser_ = parser; }
  bool tooDeep() const { return tooDeep_; }

 private:
  std::shared_ptr<engine::Node> current() const {
    return open_.empty() ? std::static_pointer_cast<engine::Node>(document_) : open_.back();
  }

  std::shared_ptr<engine::Document> document_;
  std::vector<std::shared_ptr<engine::Element>> open_;
  std::vector<std::pair<std::string, std::string>> declarations_;
  XML_Parser parser_ = nullptr;
  int depth_ = 0;
  bool tooDeep_ = false;
};

struct ParserDeleter {
  void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};
using ParserHandle = std::unique_ptr<std::remove_pointer_t<XML_Parser>, ParserDeleter>;

std::shared_ptr<engine::Document> newDocument() {
  auto document = std::make_shared<engine::Document>("about:blank", engine::Dialect::Mozilla);
  document->setXml(true);
  document->setReadyState(engine::ReadyState::Complete);
  return document;
}

// The line of `bytes` that holds `offset`, without its line break.
std::string lineAt(const std::string& bytes, std::size_t offset) {
  offset = std::min(offset, bytes.size());
  std::size_t start = 0;
  if (offset > 0) {
    const std::size_t previousBreak = bytes.rfind('\n', offset - 1);
    if (previousBreak != std::string::npos) start = previousBreak + 1;
  }
  std::size_t end = bytes.find('\n', offset);
  if (end == std::string::npos) end = bytes.size();
  std::string line = bytes.substr(start, end - start);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

// Mozilla's report: the message with the place, and the line with a caret under the
// column.
std::shared_ptr<engine::Document> errorDocument(const std::string& message, const std::string& location,
                                                unsigned long line, unsigned long column, const std::string& source) {
  auto document = newDocument();
  auto root = std::make_shared<engine::Element>(engine::XmlMarkup{}, "parsererror", kParserErrorNamespace);
  document->appendChild(root);
  root->appendChild(std::make_shared<engine::TextNode>("XML Parsing Error: " + message + "\nLocation: " + location +
                                                       "\nLine Number " + std::to_string(line) + ", Column " +
                                                       std::to_string(column) + ":"));
  auto sourceText = std::make_shared<engine::Element>(engine::XmlMarkup{}, "sourcetext", kParserErrorNamespace);
  root->appendChild(sourceText);
  std::string pointer = source + "\n";
  if (column > 1) pointer.append(static_cast<std::size_t>(std::min<unsigned long>(column - 1, 100000)), '-');
  pointer += '^';
  sourceText->appendChild(std::make_shared<engine::TextNode>(pointer));
  return document;
}

}  // namespace

XmlParseResult parseXml(const std::string& bytes, const char* encoding, const std::string& location) {
  auto document = newDocument();
  ParserHandle parser(XML_ParserCreateNS(encoding, kSeparator));
  if (!parser) throw std::bad_alloc();
  Builder builder(document);
  builder.setParser(parser.get());
  XML_SetUserData(parser.get(), &builder);
  XML_SetReturnNSTriplet(parser.get(), 1);
  XML_SetNamespaceDeclHandler(parser.get(), &Builder::startNamespace, nullptr);
  XML_SetElementHandler(parser.get(), &Builder::startElement, &Builder::endElement);
  XML_SetCharacterDataHandler(parser.get(), &Builder::text);
  XML_SetCommentHandler(parser.get(), &Builder::comment);

  // Fed in pieces that fit expat's int length.
  constexpr std::size_t kPiece = 1 << 20;
  XML_Status status = XML_STATUS_OK;
  std::size_t offset = 0;
  do {
    const std::size_t length = std::min(kPiece, bytes.size() - offset);
    const bool last = offset + length == bytes.size();
    status = XML_Parse(parser.get(), bytes.data() + offset, static_cast<int>(length), last ? XML_TRUE : XML_FALSE);
    offset += length;
  } while (status == XML_STATUS_OK && offset < bytes.size());

  if (status == XML_STATUS_OK && !builder.tooDeep()) return {document, true};
  const std::string message =
      builder.tooDeep() ? std::string(kTooDeep) : std::string(XML_ErrorString(XML_GetErrorCode(parser.get())));
  const unsigned long line = XML_GetCurrentLineNumber(parser.get());
  const unsigned long column = XML_GetCurrentColumnNumber(parser.get()) + 1;
  const XML_Index at = XML_GetCurrentByteIndex(parser.get());
  const std::size_t byteOffset = at < 0 ? bytes.size() : static_cast<std::size_t>(at);
  return {errorDocument(message, location, line, column, lineAt(bytes, byteOffset)), false};
}

}  // namespace gecko
