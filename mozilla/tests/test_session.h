// The browser, recorder and playback parts a test plugs into the component, each
// writing what is asked of it into one journal the test reads.
#pragma once

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "nsTarnwellImpl.h"

namespace marbleck_test {

// What the parts were asked to do, in order, from any thread.
class Journal {
 public:
  void Note(std::string entry);
  std::vector<std::string> Entries() const;
  // Waits until `entry` has been noted (`count` times); false on timeout.
  bool WaitFor(const std::string& entry, size_t count = 1,
               std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
  size_t Count(const std::string& entry) const;
  // The entries noted after the first `from` ones.
  std::vector<std::string> EntriesFrom(size_t from) const;

 private:
  mutable std::mutex mMutex;
  mutable std::condition_variable mChanged;
  std::vector<std::string> mEntries;
};

// The browser the component sees: one content shell with a page once SetPage is called.
class TestBrowser : public BrowserAccess {
 public:
  explicit TestBrowser(std::shared_ptr<Journal> journal, bool hasDocLoader = true);
  ~TestBrowser() override;

  // The page the content shell shows from now on; before the first call no window has
  // content.
  void SetPage(const std::string& url);
  int ShellSearches() const;

  nsCOMPtr<nsISupports> GetDocLoader() override;
  nsCOMPtr<nsISupports> FindContentShell() override;
  nsCOMPtr<nsISupports> GetWebNavigation(nsISupports* aShell) override;
  nsresult GetCurrentURIText(nsISupports* aWebNavigation, nsACString& aUriText) override;
  nsresult Reload(nsISupports* aWebNavigation) override;
  nsresult FocusContentWindow(nsISupports* aShell) override;
  nsresult GetContentSelection(nsISupports* aShell, nsISupports** aSelection) override;
  nsresult AddProgressListener(nsISupports* aDocLoader, nsISupports* aListener) override;
  nsresult RemoveProgressListener(nsISupports* aDocLoader, nsISupports* aListener) override;
  nsresult AddWindowListener(nsISupports* aListener) override;
  nsresult RemoveWindowListener(nsISupports* aListener) override;

 private:
  std::string NameOf(nsISupports* aListener) const;

  const std::shared_ptr<Journal> mJournal;
  nsCOMPtr<nsISupports> mDocLoader;
  nsCOMPtr<nsISupports> mShell;
  nsCOMPtr<nsISupports> mSelection;
  mutable std::mutex mMutex;
  std::string mUrl;
  bool mHasPage = false;
  int mShellSearches = 0;
};

// The journal the recorders and players made by testMakers() write to; set by the test
// before the component is made (makers are plain functions).
void setSessionJournal(std::shared_ptr<Journal> journal);
// Makers of recorders ("R1", "R2" ...) and players ("P1" ...) that note each call.
SessionMakers testMakers();

}  // namespace marbleck_test
