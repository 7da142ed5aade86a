// Turns page bytes into a document tree with the HTML5 parser from Debian's gumbo.
#pragma once

#include <memory>
#include <string>

#include "engine/document.h"

namespace engine {

// Page bytes are UTF-8 when they start with a UTF-8 byte-order mark or declare
// charset=utf-8 near the top, Windows-1252 otherwise (what the browsers assumed for
// pages without a declaration). Text given as a string by a caller is UTF-8 already.
std::string decodePageBytes(const std::string& bytes);

// Parses UTF-8 markup into a new document at `url`: elements with their attributes
// and source offsets, option selection reset, and form owners worked out from the
// source for fields whose form start tag was misnested (inside a table the parser
// leaves such a form empty and the fields after it belong to it).
std::shared_ptr<Document> parseHtml(const std::string& utf8, const std::string& url, Dialect dialect);

// Replaces `element`'s children with `utf8` markup parsed as its content
// (innerHTML assignment): the fragment is parsed in the element's context.
void replaceContent(Element& element, const std::string& utf8);
// Parses `utf8` as the content of an element like `context` and inserts the nodes
// after `anchor` (a child of `context`); returns the last node inserted, or `anchor`.
std::shared_ptr<Node> insertMarkupAfter(Element& context, const std::shared_ptr<Node>& anchor, const std::string& utf8);

}  // namespace engine
