// The common dialogs of the Mozilla face: a page's alert, confirm and prompt shown as a
// XUL document of their own, shaped as Mozilla's commonDialog.xul with the dialog
// binding's anonymous buttons and the text box binding's anonymous input. Answering
// the document (a "command" on one of its buttons, a click on one, Enter or Escape, or
// the simulated user's answer, which acts on the document as a person would) answers
// the page's dialog, and the page's script goes on.
//
// Browser thread only. The XUL window work takes a shown dialog's document and window
// through CommonDialogObserver to put them in a window of their own.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/browser.h"

namespace gecko {

// The title Mozilla gives the common dialogs that pages raise.
inline constexpr const char* kScriptDialogTitle = "[JavaScript Application]";

struct ShownDialog {
  engine::Dialog* request = nullptr;  // the page's dialog; valid while shown
  engine::DialogKind kind = engine::DialogKind::Alert;
  std::string title;
  std::shared_ptr<engine::Document> document;
  std::shared_ptr<engine::Window> window;  // shows the document; closed when the dialog goes
  std::shared_ptr<engine::Window> opener;  // the page's window
};

class CommonDialogObserver {
 public:
  virtual ~CommonDialogObserver() = default;
  // The dialog's document is built and shown in its window; the page waits.
  virtual void dialogShown(const ShownDialog& dialog) = 0;
  // The dialog was answered; its window closes after this returns.
  virtual void dialogClosing(const ShownDialog& dialog) = 0;
};

// Builds the document of a common dialog (a fresh XUL document, not yet in a window).
std::shared_ptr<engine::Document> buildCommonDialogDocument(engine::DialogKind kind, const std::string& title,
                                                            const std::string& message,
                                                            const std::string& defaultText);

class CommonDialogs final : public engine::DialogHost {
 public:
  // Becomes `browser`'s dialog host (browser thread).
  explicit CommonDialogs(engine::Browser& browser);
  ~CommonDialogs() override;  // browser thread; stops being the host
  CommonDialogs(const CommonDialogs&) = delete;
  CommonDialogs& operator=(const CommonDialogs&) = delete;

  void addObserver(CommonDialogObserver* observer);
  void removeObserver(CommonDialogObserver* observer);

  // The dialogs on show, the front one last.
  const std::vector<std::shared_ptr<ShownDialog>>& shown() const { return shown_; }
  std::shared_ptr<ShownDialog> front() const { return shown_.empty() ? nullptr : shown_.back(); }
  // Closing the window of a dialog on show: the page's dialog is answered as cancelled
  // (Mozilla's common dialog starts out answered so). False for another window.
  bool dismissWindow(const engine::Window& window);

  // --- engine::DialogHost
  void dialogOpened(engine::Dialog& dialog) override;
  void dialogClosed(engine::Dialog& dialog) override;
  bool answerAsUser(engine::Dialog& dialog, bool accept, const std::string* text) override;

 private:
  std::shared_ptr<ShownDialog> find(const engine::Dialog& dialog) const;

  engine::Browser& browser_;
  std::vector<CommonDialogObserver*> observers_;
  std::vector<std::shared_ptr<ShownDialog>> shown_;
};

}  // namespace gecko
