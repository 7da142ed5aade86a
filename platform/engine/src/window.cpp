#include "engine/window.h"

#include <algorithm>

#include "engine/browser.h"

namespace engine {

void History::push(const std::string& url) {
    if (current_ >= 0 && current_ < static_cast<int>(entries_.size()) && entries_[current_] == url) return;
    entries_.resize(current_ + 1);
    titles_.resize(current_ + 1);
    entries_.push_back(url);
    titles_.emplace_back();
    current_ = static_cast<int>(entries_.size()) - 1;
}

std::string History::back() {
    if (!canGoBack()) return {};
    return entries_[--current_];
}

std::string History::forward() {
    if (!canGoForward()) return {};
    return entries_[++current_];
}

std::string History::current() const { return current_ >= 0 ? entries_[current_] : std::string(); }

bool History::moveTo(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return false;
    current_ = index;
    return true;
}

void History::purge(int count) {
    count = std::min(count, static_cast<int>(entries_.size()));
    if (count <= 0) return;
    entries_.erase(entries_.begin(), entries_.begin() + count);
    titles_.erase(titles_.begin(), titles_.begin() + count);
    current_ = std::max(current_ - count, -1);
}

std::string History::title(int index) const {
    if (index < 0 || index >= static_cast<int>(titles_.size())) return {};
    return titles_[index];
}

void History::setCurrentTitle(const std::string& title) {
    if (current_ >= 0 && current_ < static_cast<int>(titles_.size())) titles_[current_] = title;
}

Window::Window(Browser& browser, int id, std::shared_ptr<Window> parent)
    : browser_(browser), id_(id), isFrame_(parent != nullptr), parent_(parent) {}

std::shared_ptr<Window> Window::parent() const {
    if (auto parent = parent_.lock()) return parent;
    return std::const_pointer_cast<Window>(shared_from_this());
}

std::shared_ptr<Window> Window::top() const {
    auto window = std::const_pointer_cast<Window>(shared_from_this());
    while (auto parent = window->parent_.lock()) window = parent;
    return window;
}

std::shared_ptr<Window> Window::findFrame(const std::string& name) const {
    for (const auto& frame : frames_) {
        if (frame->name() == name) return frame;
    }
    for (const auto& frame : frames_) {
        if (auto found = frame->findFrame(name)) return found;
    }
    return nullptr;
}

std::shared_ptr<ScriptHandler> Window::handler(const std::string& eventType) {
    if (auto assigned = EventTarget::handler(eventType)) return assigned;
    if ((eventType == "load" || eventType == "unload") && document_) {
        if (auto body = document_->body()) return body->handler(eventType);
    }
    return nullptr;
}

void Window::setDocument(std::shared_ptr<Document> document) {
    document_ = std::move(document);
    if (document_) document_->setDefaultView(shared_from_this());
}

void Window::addFrame(const std::shared_ptr<Window>& frame, const std::shared_ptr<Element>& element) {
    frame->frameElement_ = element;
    if (element) element->setContentWindow(frame);
    frames_.push_back(frame);
}

void Window::clearFrames() {
    for (auto& frame : frames_) {
        frame->clearFrames();
        frame->markClosed();
        frame->nextLoadGeneration();
        frame->setLoading(false);
    }
    frames_.clear();
}

}  // namespace engine
