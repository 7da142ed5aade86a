// A simulated Gecko with XPCOM running, reached from the test thread as the component's
// threads reach the browser: services by contract ID, shells through the XUL windows.
// Listeners here record what they hear (on the browser thread) as lines.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "nsCOMPtr.h"
#include "nsIBaseWindow.h"
#include "nsIDocShell.h"
#include "nsIDocShellTreeItem.h"
#include "nsIDocShellTreeNode.h"
#include "nsIHistoryEntry.h"
#include "nsISHistory.h"
#include "nsISHistoryListener.h"
#include "nsISimpleEnumerator.h"
#include "nsISupportsImpl.h"
#include "nsIURI.h"
#include "nsIWebNavigation.h"
#include "nsIWebProgress.h"
#include "nsIWebProgressListener.h"
#include "nsIWindowMediator.h"
#include "nsIWindowMediatorListener.h"
#include "nsIXULWindow.h"
#include "nsMemory.h"
#include "nsNetError.h"
#include "nsString.h"
#include "nsWeakReference.h"
#include "testbed/gecko.h"
#include "testbed/xpcom.h"

namespace gecko_shell_test {

inline std::string siteUrl(const std::string& page) { return "file://" TW_EXAMPLE_SITE "/" + page; }
inline std::string file(const std::string& url) { return url.substr(url.rfind('/') + 1); }

inline std::string addressOf(nsIURI* uri) {
  if (!uri) return "(none)";
  nsCString text;
  uri->GetSpec(text);
  return std::string(text.BeginReading(), text.Length());
}

// Takes a wstring out-parameter's text and frees it.
inline std::string take(PRUnichar* text) {
  if (!text) return "(null)";
  NS_ConvertUTF16toUTF8 bytes(text);
  nsMemory::Free(text);
  return std::string(bytes.get(), bytes.Length());
}

template <class Interface>
nsCOMPtr<Interface> as(nsISupports* object) {
  nsCOMPtr<Interface> result;
  if (object) object->QueryInterface(NS_GET_IID(Interface), getter_AddRefs(result));
  return result;
}

template <class Interface>
std::vector<nsCOMPtr<Interface>> all(nsISimpleEnumerator* items) {
  std::vector<nsCOMPtr<Interface>> result;
  PRBool more = PR_FALSE;
  while (items && NS_SUCCEEDED(items->HasMoreElements(&more)) && more) {
    nsCOMPtr<nsISupports> item;
    if (NS_FAILED(items->GetNext(getter_AddRefs(item)))) break;
    result.push_back(as<Interface>(item));
  }
  return result;
}

// Lines recorded on one thread and read on another.
class Lines {
 public:
  void add(std::string line) {
    std::lock_guard lock(mutex_);
    lines_.push_back(std::move(line));
  }
  std::vector<std::string> take() {
    std::lock_guard lock(mutex_);
    return std::exchange(lines_, {});
  }

 private:
  std::mutex mutex_;
  std::vector<std::string> lines_;
};

class HistoryRecorder final : public nsISHistoryListener, public nsSupportsWeakReference {
 public:
  NS_DECL_ISUPPORTS
  NS_IMETHOD OnHistoryNewEntry(nsIURI* aNewURI) override {
    lines.add("new " + file(addressOf(aNewURI)));
    return NS_OK;
  }
  NS_IMETHOD OnHistoryGoBack(nsIURI* aBackURI, PRBool* allow) override { return step("back", aBackURI, allow); }
  NS_IMETHOD OnHistoryGoForward(nsIURI* aForwardURI, PRBool* allow) override {
    return step("forward", aForwardURI, allow);
  }
  NS_IMETHOD OnHistoryReload(nsIURI* aReloadURI, PRUint32 aReloadFlags, PRBool* allow) override {
    return step("reload " + std::to_string(aReloadFlags), aReloadURI, allow);
  }
  NS_IMETHOD OnHistoryGotoIndex(PRInt32 aIndex, nsIURI* aGotoURI, PRBool* allow) override {
    return step("goto " + std::to_string(aIndex), aGotoURI, allow);
  }
  NS_IMETHOD OnHistoryPurge(PRInt32 aNumEntries, PRBool* allow) override {
    lines.add("purge " + std::to_string(aNumEntries));
    if (refuse) *allow = PR_FALSE;
    return NS_OK;
  }

  Lines lines;
  std::atomic<bool> refuse{false};

 private:
  ~HistoryRecorder() = default;
  nsresult step(const std::string& what, nsIURI* uri, PRBool* allow) {
    lines.add(what + " " + file(addressOf(uri)));
    if (refuse) *allow = PR_FALSE;
    return NS_OK;
  }
};

// Records each state change as "<shell name or top> <flags>", the flags as letters:
// S start, T transferring, P stop; r request, d document, n network, w window.
class ProgressRecorder final : public nsIWebProgressListener {
 public:
  NS_DECL_ISUPPORTS
  NS_IMETHOD OnStateChange(nsIWebProgress* progress, nsIRequest*, PRUint32 flags, nsresult status) override {
    using L = nsIWebProgressListener;
    std::string text;
    if (flags & L::STATE_START) text += 'S';
    if (flags & L::STATE_TRANSFERRING) text += 'T';
    if (flags & L::STATE_STOP) text += 'P';
    if (flags & L::STATE_IS_REQUEST) text += 'r';
    if (flags & L::STATE_IS_DOCUMENT) text += 'd';
    if (flags & L::STATE_IS_NETWORK) text += 'n';
    if (flags & L::STATE_IS_WINDOW) text += 'w';
    if (NS_FAILED(status)) text += " failed";
    lines.add(nameOf(progress) + " " + text);
    if (react) react(progress, flags);
    return NS_OK;
  }
  NS_IMETHOD OnProgressChange(nsIWebProgress*, nsIRequest*, PRInt32, PRInt32, PRInt32, PRInt32) override {
    return NS_OK;
  }
  NS_IMETHOD OnLocationChange(nsIWebProgress* progress, nsIRequest*, nsIURI* location) override {
    lines.add(nameOf(progress) + " at " + file(addressOf(location)));
    return NS_OK;
  }
  NS_IMETHOD OnStatusChange(nsIWebProgress*, nsIRequest*, nsresult, const PRUnichar*) override { return NS_OK; }
  NS_IMETHOD OnSecurityChange(nsIWebProgress*, nsIRequest*, PRUint32) override { return NS_OK; }

  static std::string nameOf(nsIWebProgress* progress) {
    auto item = as<nsIDocShellTreeItem>(progress);
    PRUnichar* name = nullptr;
    if (!item || NS_FAILED(item->GetName(&name))) return "?";
    std::string text = take(name);
    return text.empty() ? "top" : text;
  }

  Lines lines;
  // Called on the browser thread after each state change is recorded (set it before the
  // load it is to act in).
  std::function<void(nsIWebProgress*, PRUint32)> react;

 private:
  ~ProgressRecorder() = default;
};

class MediatorRecorder final : public nsIWindowMediatorListener {
 public:
  NS_DECL_ISUPPORTS
  NS_IMETHOD OnWindowTitleChange(nsIXULWindow*, const PRUnichar* newTitle) override {
    lines.add("title " + (newTitle ? std::string(NS_ConvertUTF16toUTF8(nsDependentString(newTitle)).get())
                                   : std::string("(null)")));
    return NS_OK;
  }
  NS_IMETHOD OnOpenWindow(nsIXULWindow* window) override {
    lines.add("open");
    opened = window;
    return NS_OK;
  }
  // What a recorder reads of a closing window: its own docshell's title, and the title
  // of the page it showed.
  NS_IMETHOD OnCloseWindow(nsIXULWindow* window) override {
    nsCOMPtr<nsIDocShell> chrome;
    window->GetDocShell(getter_AddRefs(chrome));
    PRUnichar* chromeTitle = nullptr;
    if (auto base = as<nsIBaseWindow>(chrome)) base->GetTitle(&chromeTitle);
    nsCOMPtr<nsIDocShellTreeItem> content;
    window->GetPrimaryContentShell(getter_AddRefs(content));
    PRUnichar* pageTitle = nullptr;
    if (auto base = as<nsIBaseWindow>(content)) base->GetTitle(&pageTitle);
    lines.add("close [" + take(chromeTitle) + "] " + take(pageTitle));
    return NS_OK;
  }

  Lines lines;
  nsCOMPtr<nsIXULWindow> opened;  // set on the browser thread, read after it is idle

 private:
  ~MediatorRecorder() = default;
};

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(NS_OK, xpcom::testbed::startXPCOM("", ""));
    gecko = std::make_unique<gecko::testbed::SimulatedGecko>();
  }
  void TearDown() override {
    gecko.reset();
    xpcom::testbed::shutdownXPCOM();
  }

  void open(const std::string& page) { ASSERT_TRUE(gecko->open(siteUrl(page))); }
  nsCOMPtr<nsIXULWindow> xulWindow() {
    nsCOMPtr<nsIXULWindow> window;
    EXPECT_EQ(NS_OK, gecko->GetXULWindow(getter_AddRefs(window)));
    return window;
  }
  // The primary content shell of the current browser window.
  nsCOMPtr<nsIDocShellTreeItem> contentShell() {
    nsCOMPtr<nsIDocShellTreeItem> shell;
    auto window = xulWindow();
    if (window) {
      EXPECT_EQ(NS_OK, window->GetPrimaryContentShell(getter_AddRefs(shell)));
    }
    return shell;
  }
  nsCOMPtr<nsIWebNavigation> navigation() { return as<nsIWebNavigation>(contentShell()); }
  std::string currentFile() {
    nsCOMPtr<nsIURI> uri;
    EXPECT_EQ(NS_OK, navigation()->GetCurrentURI(getter_AddRefs(uri)));
    return file(addressOf(uri));
  }
  static std::string title(nsISupports* shell) {
    PRUnichar* text = nullptr;
    auto base = as<nsIBaseWindow>(shell);
    if (!base || NS_FAILED(base->GetTitle(&text))) return "(failed)";
    return take(text);
  }
  static std::string name(nsIDocShellTreeItem* item) {
    PRUnichar* text = nullptr;
    if (!item || NS_FAILED(item->GetName(&text))) return "(failed)";
    return take(text);
  }

  std::unique_ptr<gecko::testbed::SimulatedGecko> gecko;
};

}  // namespace gecko_shell_test
