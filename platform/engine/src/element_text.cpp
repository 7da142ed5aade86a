// The element's rendered text and its markup.
#include <cstring>

#include "engine/document.h"
#include "engine/node.h"
#include "text_util.h"

namespace engine {
namespace {

bool isBlock(const Element& e) {
    static const char* blocks[] = {"ADDRESS", "BLOCKQUOTE", "BODY", "CENTER", "DD", "DIV", "DL", "DT",
                                   "FIELDSET", "FORM", "FRAMESET", "H1", "H2", "H3", "H4", "H5", "H6",
                                   "HR", "HTML", "LI", "OL", "P", "PRE", "TABLE", "TBODY", "TFOOT",
                                   "THEAD", "TR", "UL", "CAPTION", "OPTION"};
    for (const char* tag : blocks) {
        if (e.tagName() == tag) return true;
    }
    return false;
}

bool isHidden(const Element& e) {
    return e.is("SCRIPT") || e.is("STYLE") || e.is("HEAD") || e.is("TITLE") || e.is("NOSCRIPT") ||
           e.is("TEXTAREA") || e.is("IFRAME") || e.is("FRAME");
}

// Builds text the way a layout engine lays it out: blanks folded, one line break
// at a block edge, a blank line around paragraphs, every <br> a break of its own.
class TextLayout {
public:
    explicit TextLayout(const char* lineBreak) : lineBreak_(lineBreak) {}

    void text(const std::string& data, bool preformatted) {
        for (char c : data) {
            if (!preformatted && text::isBlank(c)) {
                blank_ = true;
                continue;
            }
            if (preformatted && c == '\n') {
                lineBreak();
                continue;
            }
            if (preformatted && c == '\r') continue;
            bool separated = flushBreaks();
            if (blank_ && !atLineStart_ && !separated) out_ += ' ';
            blank_ = false;
            out_ += c;
            atLineStart_ = false;
        }
    }
    void blockEdge(int lines) {
        if (out_.empty()) return;
        if (lines > pendingBreaks_) pendingBreaks_ = lines;
        blank_ = false;
    }
    void lineBreak() {
        flushBreaks();
        out_ += lineBreak_;
        atLineStart_ = true;
        blank_ = false;
    }
    void cellEdge() {
        if (!atLineStart_) {
            pendingTab_ = true;
            blank_ = false;
        }
    }
    std::string result() { return out_; }

private:
    // Writes pending line breaks or a cell's tab; true when it wrote a tab.
    bool flushBreaks() {
        if (pendingBreaks_ > 0) {
            // A <br> that ended the line already counts as one of the breaks.
            for (int n = pendingBreaks_ - (atLineStart_ ? 1 : 0); n > 0; --n) out_ += lineBreak_;
            atLineStart_ = true;
            pendingBreaks_ = 0;
            pendingTab_ = false;
        } else if (pendingTab_) {
            out_ += '\t';
            pendingTab_ = false;
            return true;
        }
        return false;
    }

    const char* lineBreak_;
    std::string out_;
    int pendingBreaks_ = 0;
    bool pendingTab_ = false;
    bool blank_ = false;
    bool atLineStart_ = true;
};

void layOut(const Node& node, TextLayout& layout, bool preformatted) {
    for (const auto& child : node.childNodes()) {
        if (child->nodeType() == NodeType::Text) {
            layout.text(static_cast<const TextNode&>(*child).data(), preformatted);
            continue;
        }
        if (child->nodeType() != NodeType::Element) continue;
        const auto& element = static_cast<const Element&>(*child);
        if (isHidden(element)) continue;
        if (element.is("BR")) {
            layout.lineBreak();
            continue;
        }
        int lines = element.is("P") ? 2 : 1;
        bool block = isBlock(element);
        bool cell = element.is("TD") || element.is("TH");
        if (block) layout.blockEdge(lines);
        if (cell) layout.cellEdge();
        layOut(element, layout, preformatted || element.is("PRE"));
        if (block) layout.blockEdge(lines);
    }
}

void escape(const std::string& data, bool attribute, std::string& out) {
    for (char c : data) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"':
                if (attribute) {
                    out += "&quot;";
                    break;
                }
                out += c;
                break;
            default: out += c;
        }
    }
}

bool isVoid(const Element& e) {
    static const char* voids[] = {"AREA", "BASE", "BR", "COL", "EMBED", "HR", "IMG", "INPUT",
                                  "LINK", "META", "PARAM", "SOURCE", "WBR", "FRAME"};
    for (const char* tag : voids) {
        if (e.tagName() == tag) return true;
    }
    return false;
}

void serialize(const Node& node, std::string& out);

void serializeChildren(const Node& node, std::string& out) {
    for (const auto& child : node.childNodes()) serialize(*child, out);
}

void serialize(const Node& node, std::string& out) {
    if (node.nodeType() == NodeType::Text) {
        escape(static_cast<const TextNode&>(node).data(), false, out);
        return;
    }
    if (node.nodeType() == NodeType::Comment) {
        out += "<!--" + static_cast<const TextNode&>(node).data() + "-->";
        return;
    }
    if (node.nodeType() != NodeType::Element) return;
    const auto& element = static_cast<const Element&>(node);
    out += '<' + element.tagName();
    for (const auto& [name, value] : element.attributes()) {
        out += ' ' + name + "=\"";
        escape(value, true, out);
        out += '"';
    }
    out += '>';
    if (isVoid(element)) return;
    serializeChildren(element, out);
    out += "</" + element.tagName() + '>';
}

}  // namespace

std::string Element::innerText() const {
    auto document = ownerDocument();
    bool crlf = !document || document->dialect() == Dialect::InternetExplorer;
    if (is("TEXTAREA")) return value();
    if (is("OPTION")) return text();
    TextLayout layout(crlf ? "\r\n" : "\n");
    layOut(*this, layout, is("PRE"));
    return layout.result();
}

std::string Element::innerHtml() const {
    std::string out;
    serializeChildren(*this, out);
    return out;
}

std::string Element::outerHtml() const {
    std::string out;
    serialize(*this, out);
    return out;
}

}  // namespace engine
