// A browser window: a top-level window or a frame/iframe inside one. Each shows one
// document at a time; top-level windows keep the history.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/document.h"
#include "engine/event.h"

namespace engine {

class Browser;

// The pages a top-level window went through, and where it is now.
class History {
public:
    void push(const std::string& url);  // drops the entries ahead of the current one
    bool canGoBack() const { return current_ > 0; }
    bool canGoForward() const { return current_ + 1 < static_cast<int>(entries_.size()); }
    std::string back();     // moves and returns the new current entry; "" when impossible
    std::string forward();
    std::string current() const;
    const std::vector<std::string>& entries() const { return entries_; }
    int currentIndex() const { return current_; }
    // Makes entry `index` the current one without loading it; false for no such entry.
    bool moveTo(int index);
    // Forgets the `count` oldest entries (the current one too when it is among them: then
    // no entry is current).
    void purge(int count);
    // The title an entry's page had when last shown ("" when unknown).
    std::string title(int index) const;
    void setCurrentTitle(const std::string& title);

private:
    std::vector<std::string> entries_;
    std::vector<std::string> titles_;  // beside entries_
    int current_ = -1;
};

class Window : public EventTarget, public std::enable_shared_from_this<Window> {
public:
    Window(Browser& browser, int id, std::shared_ptr<Window> parent);

    Browser& browser() const { return browser_; }
    int id() const { return id_; }  // unique within the browser, never reused
    std::shared_ptr<Document> document() const { return document_; }
    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }

    bool isTopLevel() const { return parent_.expired() && !isFrame_; }
    std::shared_ptr<Window> parent() const;  // itself for a top-level window, as in browsers
    std::shared_ptr<Window> top() const;
    std::shared_ptr<Window> opener() const { return opener_.lock(); }
    void setOpener(const std::shared_ptr<Window>& opener) { opener_ = opener; }
    std::shared_ptr<Element> frameElement() const { return frameElement_.lock(); }
    const std::vector<std::shared_ptr<Window>>& frames() const { return frames_; }
    // A frame or window by name among this window's frames, to any depth.
    std::shared_ptr<Window> findFrame(const std::string& name) const;
    bool closed() const { return closed_; }

    History& history() { return history_; }
    const History& history() const { return history_; }

    std::string url() const { return document_ ? document_->url() : std::string(); }
    std::string title() const { return document_ ? document_->title() : std::string(); }

    // The load handler of a window is the BODY's onload attribute.
    std::shared_ptr<ScriptHandler> handler(const std::string& eventType) override;

    // --- used by the browser while navigating
    void setDocument(std::shared_ptr<Document> document);
    void addFrame(const std::shared_ptr<Window>& frame, const std::shared_ptr<Element>& element);
    void clearFrames();
    void markClosed() { closed_ = true; }
    unsigned loadGeneration() const { return loadGeneration_; }
    unsigned nextLoadGeneration() { return ++loadGeneration_; }
    // The markup the current document was given as, when a caller gave a string.
    const std::optional<std::string>& stringSource() const { return stringSource_; }
    void setStringSource(std::optional<std::string> source) { stringSource_ = std::move(source); }
    bool loading() const { return loading_; }
    void setLoading(bool loading) { loading_ = loading; }

private:
    Browser& browser_;
    int id_;
    bool isFrame_;
    std::weak_ptr<Window> parent_;
    std::weak_ptr<Window> opener_;
    std::weak_ptr<Element> frameElement_;
    std::shared_ptr<Document> document_;
    std::string name_;
    std::vector<std::shared_ptr<Window>> frames_;
    History history_;
    std::optional<std::string> stringSource_;
    bool closed_ = false;
    bool loading_ = false;
    unsigned loadGeneration_ = 0;
};

}  // namespace engine
