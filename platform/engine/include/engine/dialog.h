// A page dialog raised by alert, confirm or prompt. The page waits until it is
// answered; the browser face shows it in its browser's way.
#pragma once

#include <memory>
#include <string>

namespace engine {

class Window;

enum class DialogKind { Alert, Confirm, Prompt };

class Dialog {
public:
    Dialog(DialogKind kind, std::string message, std::string defaultText, std::shared_ptr<Window> window)
        : kind_(kind), message_(std::move(message)), text_(std::move(defaultText)), window_(std::move(window)) {}

    DialogKind kind() const { return kind_; }
    const std::string& message() const { return message_; }
    // Prompt: the text in the edit field (initially the page's default).
    const std::string& text() const { return text_; }
    std::shared_ptr<Window> window() const { return window_.lock(); }

    // Browser thread only. OK (accepted) or Cancel; for a prompt, `text` is what the
    // user left in the field. A second answer is ignored.
    void answer(bool accepted, const std::string& text);
    void answer(bool accepted) { answer(accepted, text_); }
    bool answered() const { return answered_; }
    bool accepted() const { return accepted_; }

private:
    DialogKind kind_;
    std::string message_;
    std::string text_;
    std::weak_ptr<Window> window_;
    bool answered_ = false;
    bool accepted_ = false;
};

}  // namespace engine
