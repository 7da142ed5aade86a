// An HTML document: its tree, address, title, ready state, the element collection in
// document order, focus and the text selection.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/node.h"

namespace engine {

enum class ReadyState { Uninitialized, Loading, Interactive, Complete };
const char* readyStateName(ReadyState state);  // "loading" ...

// Which browser a document shows in; decides the few things the two report differently.
enum class Dialect { InternetExplorer, Mozilla };

class Document : public Node {
public:
    Document(std::string url, Dialect dialect);

    const std::string& url() const { return url_; }
    Dialect dialect() const { return dialect_; }
    // An XML document (a XUL page, a text parsed as XML) rather than an HTML one.
    bool isXml() const { return xml_; }
    void setXml(bool xml) { xml_ = xml; }
    ReadyState readyState() const { return readyState_; }
    void setReadyState(ReadyState state) { readyState_ = state; }

    // The TITLE element's text, blanks folded; setting it rewrites (or makes) it.
    std::string title() const;
    void setTitle(const std::string& title);

    std::shared_ptr<Element> documentElement() const;
    std::shared_ptr<Element> body() const;  // BODY, or FRAMESET for a frame page
    std::shared_ptr<Element> head() const;

    // Every element in document order; an element's position is its source index.
    const std::vector<std::shared_ptr<Element>>& all() const;
    int sourceIndexOf(const Element& element) const;
    std::shared_ptr<Element> getElementById(const std::string& id) const;
    std::vector<std::shared_ptr<Element>> getElementsByName(const std::string& name) const;
    std::vector<std::shared_ptr<Element>> getElementsByTagName(const std::string& tag) const;
    std::vector<std::shared_ptr<Element>> forms() const;
    std::vector<std::shared_ptr<Element>> images() const;
    std::vector<std::shared_ptr<Element>> links() const;   // A and AREA with href
    std::vector<std::shared_ptr<Element>> frameElements() const;  // FRAME and IFRAME

    // The window showing this document (none once it was replaced).
    std::shared_ptr<Window> defaultView() const { return window_.lock(); }
    void setDefaultView(const std::shared_ptr<Window>& window) { window_ = window; }

    // Focus.
    std::shared_ptr<Element> activeElement() const { return activeElement_.lock(); }
    void setActiveElement(const std::shared_ptr<Element>& element) { activeElement_ = element; }
    // The element under the mouse.
    std::shared_ptr<Element> hoverElement() const { return hoverElement_.lock(); }
    void setHoverElement(const std::shared_ptr<Element>& element) { hoverElement_ = element; }

    // The selection: the user selected the text of one element (none: nothing selected).
    struct Selection {
        std::shared_ptr<Element> container;
        std::string text;
    };
    const Selection& selection() const { return selection_; }
    void select(const std::shared_ptr<Element>& element);
    void clearSelection() { selection_ = {}; }

    // Called when the tree changed; the element collection is rebuilt on next use.
    void invalidateCollections() { allValid_ = false; }
    // Gives every node below the document its owner (after building the tree).
    void adoptTree();
    // Makes this document the owner of `node` (and all below it), which is in no tree:
    // a node made for this document, or a copy of another document's node.
    void adopt(const std::shared_ptr<Node>& node);

private:
    std::string url_;
    Dialect dialect_;
    bool xml_ = false;
    ReadyState readyState_ = ReadyState::Uninitialized;
    std::weak_ptr<Window> window_;
    std::weak_ptr<Element> activeElement_;
    std::weak_ptr<Element> hoverElement_;
    Selection selection_;
    mutable std::vector<std::shared_ptr<Element>> all_;
    mutable bool allValid_ = false;
};

}  // namespace engine
