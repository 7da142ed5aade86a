// The document tree: nodes, text, and the element with its attributes and live
// properties. Everything here belongs to the browser thread.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/event.h"
#include "engine/style.h"

namespace engine {

class Document;
class Element;
class Window;

enum class NodeType { Element = 1, Text = 3, Comment = 8, Document = 9 };

class Node : public EventTarget, public std::enable_shared_from_this<Node> {
public:
    explicit Node(NodeType type) : type_(type) {}

    NodeType nodeType() const { return type_; }
    std::shared_ptr<Node> parentNode() const { return parent_.lock(); }
    std::shared_ptr<Element> parentElement() const;
    const std::vector<std::shared_ptr<Node>>& childNodes() const { return children_; }
    std::shared_ptr<Document> ownerDocument() const { return document_.lock(); }
    std::shared_ptr<Node> firstChild() const { return children_.empty() ? nullptr : children_.front(); }
    std::shared_ptr<Node> lastChild() const { return children_.empty() ? nullptr : children_.back(); }
    std::shared_ptr<Node> nextSibling() const;
    std::shared_ptr<Node> previousSibling() const;

    // False for a document or for this node or one of its ancestors (a loop).
    bool canTake(const std::shared_ptr<Node>& child) const;
    // Moves `child` here from wherever it was; does nothing when canTake is false.
    void appendChild(const std::shared_ptr<Node>& child);
    // Inserts `child` before `reference` (at the end when `reference` is not a child).
    void insertBefore(const std::shared_ptr<Node>& child, const std::shared_ptr<Node>& reference);
    void removeChild(const std::shared_ptr<Node>& child);  // a child or anonymous content

    // The text of this node and all below it, as the DOM's textContent.
    std::string textContent() const;

    // A copy in no tree, owned by the same document: attributes and live state (value,
    // checked, selected) included, and with `deep` everything below. A document is
    // not copied (null).
    std::shared_ptr<Node> clone(bool deep) const;

protected:
    friend class Element;
    friend class Document;
    void adoptInto(const std::weak_ptr<Document>& document);
    void treeChanged();

    NodeType type_;
    std::weak_ptr<Node> parent_;
    std::weak_ptr<Document> document_;
    std::vector<std::shared_ptr<Node>> children_;
    std::vector<std::shared_ptr<Node>> anonymous_;  // Element::anonymousNodes
};

class TextNode : public Node {
public:
    explicit TextNode(std::string data, NodeType type = NodeType::Text)
        : Node(type), data_(std::move(data)) {}
    const std::string& data() const { return data_; }
    void setData(std::string data) { data_ = std::move(data); }

private:
    std::string data_;
};

// Marks the constructor of an element of an XML document.
struct XmlMarkup {};
inline constexpr const char* kXhtmlNamespace = "http://www.w3.org/1999/xhtml";

// An HTML element. Attributes are what the source said (absent, empty and a value
// are three different things); properties are the live state a browser reports,
// derived from attributes until the user or a script changes them.
//
// An element of an XML document (a XUL page, a text parsed as XML) keeps its name as
// written, prefix and case included, in a namespace, and its attribute names are
// compared with their case. One in the XHTML namespace behaves as the HTML element of
// its local name ("html:input" is an INPUT); the others have no HTML behaviour.
class Element : public Node {
public:
    explicit Element(std::string tagName);  // lower or upper case; kept upper case
    Element(XmlMarkup, std::string qualifiedName, std::string namespaceUri);

    const std::string& tagName() const { return tagName_; }  // "INPUT"
    bool is(const char* upperTag) const { return tagName_ == upperTag; }

    // --- names as the DOM reports them
    bool isXml() const { return xml_; }
    // HTML: the tag upper case; XML: the qualified name as written ("xul:button").
    const std::string& nodeName() const { return xml_ ? qualifiedName_ : tagName_; }
    std::string localName() const;  // XML: the name after the prefix; HTML: the tag
    std::string prefix() const;     // XML: the prefix, "" without one
    const std::string& namespaceUri() const { return namespaceUri_; }  // "" for HTML
    // The test of getElementsByTagName: "*", the tag in any case (HTML), or exactly
    // the qualified name (XML).
    bool matchesTagName(const std::string& name) const;

    // --- anonymous content: nodes a binding shows inside this element (a XUL widget's
    // inner parts) without making them its children. Their parent is this element, but
    // they are neither among its child nodes nor in the document's element collection.
    const std::vector<std::shared_ptr<Node>>& anonymousNodes() const { return anonymous_; }
    void appendAnonymousNode(const std::shared_ptr<Node>& node);

    // --- attributes (names compared without case)
    std::optional<std::string> attribute(const std::string& name) const;
    bool hasAttribute(const std::string& name) const { return attribute(name).has_value(); }
    void setAttribute(const std::string& name, const std::string& value);
    bool removeAttribute(const std::string& name);
    const std::vector<std::pair<std::string, std::string>>& attributes() const { return attributes_; }

    // --- position
    int sourceIndex() const;                    // position in document.all, -1 when detached
    std::size_t sourceOffset() const { return sourceOffset_; }  // byte offset of the start tag
    void setSourceOffset(std::size_t offset) { sourceOffset_ = offset; }

    // --- reflected attributes ("" when absent)
    std::string id() const { return attr("id"); }
    std::string name() const { return attr("name"); }
    std::string title() const { return attr("title"); }
    std::string alt() const { return attr("alt"); }
    std::string target() const { return attr("target"); }
    std::string coords() const { return attr("coords"); }
    std::string align() const { return attr("align"); }
    std::string vAlign() const { return attr("valign"); }
    std::string className() const { return attr("class"); }
    std::string src() const;   // resolved against the document's address
    std::string href() const;  // resolved likewise
    int colSpan() const;       // 1 when absent or not a positive number
    int rowSpan() const;
    bool disabled() const { return hasAttribute("disabled"); }
    void setDisabled(bool disabled);

    // --- form fields
    // INPUT: the type attribute in lower case when it is one browsers know, else
    // "text"; SELECT: "select-one"/"select-multiple"; TEXTAREA: "textarea";
    // BUTTON: "submit" unless said otherwise; other elements: the attribute.
    std::string type() const;
    std::string value() const;
    void setValue(const std::string& value);  // SELECT: selects the option with that value
    std::string defaultValue() const;
    void setDefaultValue(const std::string& value);
    bool checked() const;
    void setChecked(bool checked);  // a radio button unchecks the rest of its group
    bool defaultChecked() const { return hasAttribute("checked"); }
    void setDefaultChecked(bool checked);
    // The FORM this field belongs to: its ancestor form or, for a form misnested in a
    // table, the form whose start tag came before it in the source and is still open.
    std::shared_ptr<Element> form() const;
    void setOwnerForm(const std::shared_ptr<Element>& form) { ownerForm_ = form; }
    bool isFormField() const;  // INPUT, SELECT, TEXTAREA, BUTTON

    // --- FORM
    std::vector<std::shared_ptr<Element>> elements() const;  // its fields in document order
    // --- SELECT and OPTION
    std::vector<std::shared_ptr<Element>> options() const;
    bool multiple() const { return hasAttribute("multiple"); }
    int selectedIndex() const;  // -1 when none
    void setSelectedIndex(int index);
    std::shared_ptr<Element> selectElement() const;  // OPTION: its SELECT
    bool selected() const;
    void setSelected(bool selected);  // select-one: deselects the others
    bool defaultSelected() const { return hasAttribute("selected"); }
    void setDefaultSelected(bool selected);
    std::string text() const;  // OPTION: its text with blanks collapsed; others: textContent
    int index() const;         // OPTION: position in its SELECT
    // Brings options to their initial selection as a browser does after parsing.
    void resetSelection();

    // --- tables
    std::vector<std::shared_ptr<Element>> rows() const;   // TABLE (all sections) or section
    std::vector<std::shared_ptr<Element>> cells() const;  // TR: its cells; TABLE: all cells
    std::shared_ptr<Element> table() const;               // TR/TD: the enclosing TABLE
    int rowIndex() const;   // TR: position among its table's rows
    int cellIndex() const;  // TD/TH: position within its row

    // --- image maps
    std::vector<std::shared_ptr<Element>> areas() const;  // MAP: its AREAs

    // --- frames
    std::shared_ptr<Window> contentWindow() const { return contentWindow_.lock(); }
    void setContentWindow(const std::shared_ptr<Window>& window) { contentWindow_ = window; }

    // --- text
    // The rendered-text approximation: blocks and <br> as line breaks, blanks folded;
    // line breaks are "\r\n" for the IE dialect and "\n" for Mozilla.
    std::string innerText() const;
    std::string outerHtml() const;
    std::string innerHtml() const;

    // --- style
    Style& style();          // the inline style (style attribute)
    Style& runtimeStyle() { return runtimeStyle_; }
    std::string currentStyle(const std::string& property);  // runtime over inline

    // --- search below this element
    std::vector<std::shared_ptr<Element>> getElementsByTagName(const std::string& tag) const;

    // --- focus and value committed at focus (for change on blur)
    const std::string& valueAtFocus() const { return valueAtFocus_; }
    void rememberValueAtFocus() { valueAtFocus_ = value(); }

    std::shared_ptr<ScriptHandler> handler(const std::string& eventType) override;

private:
    friend class Document;
    friend class Node;  // clone copies the live state
    std::string attr(const char* name) const { return attribute(name).value_or(std::string()); }
    std::string textAreaValue() const;
    void uncheckRadioGroup();
    void selectedChanged();

    std::string tagName_;
    bool xml_ = false;
    std::string qualifiedName_;  // XML only
    std::string namespaceUri_;   // XML only
    std::vector<std::pair<std::string, std::string>> attributes_;
    std::size_t sourceOffset_ = 0;
    int sourceIndex_ = -1;  // kept by the document's element collection

    std::optional<std::string> dirtyValue_;  // set once the user or a script changed it
    std::optional<bool> dirtyChecked_;
    bool selectedness_ = false;
    std::weak_ptr<Element> ownerForm_;
    std::weak_ptr<Window> contentWindow_;
    std::optional<Style> style_;
    Style runtimeStyle_;
    std::string valueAtFocus_;

    struct CompiledHandler {
        std::string source;
        std::shared_ptr<ScriptHandler> handler;
    };
    std::vector<std::pair<std::string, CompiledHandler>> compiledHandlers_;
};

// Walks the elements below `root` in document order (pre-order), root excluded.
template <typename Visit>
void forEachElement(const Node& root, Visit&& visit) {
    for (const auto& child : root.childNodes()) {
        if (child->nodeType() == NodeType::Element) {
            visit(std::static_pointer_cast<Element>(child));
            forEachElement(*child, visit);
        }
    }
}

}  // namespace engine
