#include "html_parser.h"

#include <gumbo.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "text_util.h"

namespace engine {
namespace {

// Windows-1252 bytes 0x80..0x9F as Unicode; the rest of the code page is Latin-1.
const char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool declaresUtf8(const std::string& bytes) {
    std::string head = text::lower(bytes.substr(0, 2048));
    for (auto at = head.find("charset"); at != std::string::npos; at = head.find("charset", at + 7)) {
        auto rest = head.substr(at + 7, 16);
        auto begin = rest.find_first_not_of(" =\"'");
        if (begin != std::string::npos && (rest.compare(begin, 5, "utf-8") == 0 || rest.compare(begin, 4, "utf8") == 0)) {
            return true;
        }
    }
    return false;
}

class TreeBuilder {
public:
    TreeBuilder(const std::string& source, std::shared_ptr<Document> document)
        : source_(source), document_(std::move(document)) {}

    // The parsed fragment's nodes go below `parent` (a context element's new content).
    void buildFragment(const GumboNode* root, Element& parent) {
        for (unsigned i = 0; i < root->v.element.children.length; ++i) {
            append(parent, static_cast<const GumboNode*>(root->v.element.children.data[i]));
        }
        forEachElement(parent, [](const std::shared_ptr<Element>& element) {
            if (element->is("SELECT")) element->resetSelection();
        });
    }

    void build(const GumboNode* root) {
        for (unsigned i = 0; i < root->v.document.children.length; ++i) {
            append(*document_, static_cast<const GumboNode*>(root->v.document.children.data[i]));
        }
        document_->adoptTree();
        assignFormOwners();
        for (const auto& element : document_->all()) {
            if (element->is("SELECT")) element->resetSelection();
        }
    }

private:
    void append(Node& parent, const GumboNode* node) {
        switch (node->type) {
            case GUMBO_NODE_ELEMENT:
            case GUMBO_NODE_TEMPLATE: {
                const GumboElement& source = node->v.element;
                std::string tag = source.tag == GUMBO_TAG_UNKNOWN ? unknownTagName(source) : gumbo_normalized_tagname(source.tag);
                auto element = std::make_shared<Element>(tag);
                for (unsigned i = 0; i < source.attributes.length; ++i) {
                    auto* attribute = static_cast<const GumboAttribute*>(source.attributes.data[i]);
                    if (!element->hasAttribute(attribute->name)) element->setAttribute(attribute->name, attribute->value);
                }
                element->setSourceOffset(source.start_pos.offset);
                parent.appendChild(element);
                for (unsigned i = 0; i < source.children.length; ++i) {
                    append(*element, static_cast<const GumboNode*>(source.children.data[i]));
                }
                break;
            }
            case GUMBO_NODE_TEXT:
            case GUMBO_NODE_WHITESPACE:
            case GUMBO_NODE_CDATA:
                parent.appendChild(std::make_shared<TextNode>(node->v.text.text));
                break;
            case GUMBO_NODE_COMMENT:
                parent.appendChild(std::make_shared<TextNode>(node->v.text.text, NodeType::Comment));
                break;
            case GUMBO_NODE_DOCUMENT:
                break;
        }
    }

    static std::string unknownTagName(const GumboElement& element) {
        GumboStringPiece piece = element.original_tag;
        gumbo_tag_from_original_text(&piece);
        std::string name(piece.data ? piece.data : "", piece.data ? piece.length : 0);
        return name.empty() ? "UNKNOWN" : name;
    }

    // A field with no FORM ancestor belongs to the form whose start tag precedes it in
    // the source with no "</form" in between: the parser's form pointer, which the
    // tree alone no longer shows when the form was misnested in a table.
    void assignFormOwners() {
        struct Range {
            std::shared_ptr<Element> form;
            std::size_t begin, end;
        };
        std::vector<Range> ranges;
        std::string lowered = text::lower(source_);
        for (const auto& element : document_->all()) {
            if (!element->is("FORM")) continue;
            std::size_t begin = element->sourceOffset();
            std::size_t end = lowered.find("</form", begin);
            ranges.push_back({element, begin, end == std::string::npos ? source_.size() : end});
        }
        if (ranges.empty()) return;
        for (const auto& element : document_->all()) {
            if (!element->isFormField() && !element->is("FIELDSET")) continue;
            bool hasFormAncestor = false;
            for (auto parent = element->parentElement(); parent; parent = parent->parentElement()) {
                if (parent->is("FORM")) {
                    hasFormAncestor = true;
                    break;
                }
            }
            if (hasFormAncestor) continue;
            std::size_t at = element->sourceOffset();
            for (auto range = ranges.rbegin(); range != ranges.rend(); ++range) {
                if (range->begin < at && at < range->end) {
                    element->setOwnerForm(range->form);
                    break;
                }
            }
        }
    }

    const std::string& source_;
    std::shared_ptr<Document> document_;
};

}  // namespace

std::string decodePageBytes(const std::string& bytes) {
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) return bytes.substr(3);
    if (declaresUtf8(bytes)) return bytes;
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (unsigned char c : bytes) {
        if (c >= 0x80 && c < 0xA0) {
            appendUtf8(kWindows1252High[c - 0x80], out);
        } else {
            appendUtf8(c, out);
        }
    }
    return out;
}

void replaceContent(Element& element, const std::string& utf8) {
    while (!element.childNodes().empty()) element.removeChild(element.childNodes().front());
    GumboOptions options = kGumboDefaultOptions;
    options.fragment_context = gumbo_tag_enum(text::lower(element.tagName()).c_str());
    if (options.fragment_context == GUMBO_TAG_UNKNOWN) options.fragment_context = GUMBO_TAG_DIV;
    options.fragment_namespace = GUMBO_NAMESPACE_HTML;
    GumboOutput* output = gumbo_parse_with_options(&options, utf8.data(), utf8.size());
    if (!output) return;
    struct Release {
        const GumboOptions* options;
        GumboOutput* output;
        ~Release() { gumbo_destroy_output(options, output); }
    } release{&options, output};
    TreeBuilder(utf8, element.ownerDocument()).buildFragment(output->root, element);
}

std::shared_ptr<Node> insertMarkupAfter(Element& context, const std::shared_ptr<Node>& anchor, const std::string& utf8) {
    auto holder = std::make_shared<Element>(context.tagName());
    replaceContent(*holder, utf8);
    std::shared_ptr<Node> next;
    const auto& siblings = context.childNodes();
    auto at = std::find(siblings.begin(), siblings.end(), anchor);
    if (at != siblings.end() && at + 1 != siblings.end()) next = *(at + 1);
    std::shared_ptr<Node> last = anchor;
    auto written = holder->childNodes();  // a copy: moving them empties the holder
    for (const auto& node : written) {
        if (next) {
            context.insertBefore(node, next);
        } else {
            context.appendChild(node);
        }
        last = node;
    }
    return last;
}

std::shared_ptr<Document> parseHtml(const std::string& utf8, const std::string& url, Dialect dialect) {
    auto document = std::make_shared<Document>(url, dialect);
    GumboOutput* output = gumbo_parse_with_options(&kGumboDefaultOptions, utf8.data(), utf8.size());
    if (!output) return document;
    struct Release {
        GumboOutput* output;
        ~Release() { gumbo_destroy_output(&kGumboDefaultOptions, output); }
    } release{output};
    TreeBuilder(utf8, document).build(output->document);
    return document;
}

}  // namespace engine
