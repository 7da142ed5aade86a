// A page dialog raised by alert, confirm or prompt, or the browser's file chooser
// opened by a click on a file field. The page waits until it is answered; the browser
// face shows it in its browser's way.
#pragma once

#include <memory>
#include <string>

namespace engine {

class Window;

enum class DialogKind { Alert, Confirm, Prompt, ChooseFile };

class Dialog {
public:
    Dialog(DialogKind kind, std::string message, std::string defaultText, std::shared_ptr<Window> window)
        : kind_(kind), message_(std::move(message)), text_(std::move(defaultText)), window_(std::move(window)) {}

    DialogKind kind() const { return kind_; }
    const std::string& message() const { return message_; }
    // Prompt: the text in the edit field (initially the page's default). ChooseFile:
    // the file (initially the field's value).
    const std::string& text() const { return text_; }
    std::shared_ptr<Window> window() const { return window_.lock(); }

    // Browser thread only. OK (accepted) or Cancel; for a prompt, `text` is what the
    // user left in the field, for a file chooser the file chosen. A second answer is
    // ignored.
    void answer(bool accepted, const std::string& text);
    void answer(bool accepted) { answer(accepted, text_); }
    bool takesText() const { return kind_ == DialogKind::Prompt || kind_ == DialogKind::ChooseFile; }
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
