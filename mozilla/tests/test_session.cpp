#include "test_session.h"

#include <atomic>
#include <utility>

#include "nsISupportsImpl.h"

namespace marbleck_test {

void Journal::Note(std::string entry) {
  {
    std::lock_guard lock(mMutex);
    mEntries.push_back(std::move(entry));
  }
  mChanged.notify_all();
}

std::vector<std::string> Journal::Entries() const {
  std::lock_guard lock(mMutex);
  return mEntries;
}

std::vector<std::string> Journal::EntriesFrom(size_t from) const {
  std::lock_guard lock(mMutex);
  if (from >= mEntries.size()) return {};
  return std::vector<std::string>(mEntries.begin() + static_cast<std::ptrdiff_t>(from), mEntries.end());
}

size_t Journal::Count(const std::string& entry) const {
  std::lock_guard lock(mMutex);
  size_t count = 0;
  for (const auto& noted : mEntries) count += noted == entry ? 1 : 0;
  return count;
}

bool Journal::WaitFor(const std::string& entry, size_t count, std::chrono::milliseconds timeout) const {
  std::unique_lock lock(mMutex);
  return mChanged.wait_for(lock, timeout, [&] {
    size_t seen = 0;
    for (const auto& noted : mEntries) seen += noted == entry ? 1 : 0;
    return seen >= count;
  });
}

namespace {

// A plain object standing for a browser object (document loader, shell, selection),
// known by its name.
class NamedObject final : public nsISupports {
 public:
  NS_DECL_ISUPPORTS
  explicit NamedObject(std::string name) : mName(std::move(name)) {}
  const std::string mName;

 private:
  ~NamedObject() = default;
};
NS_IMPL_THREADSAFE_ISUPPORTS0(NamedObject)

std::shared_ptr<Journal> gSessionJournal;
std::atomic<int> gRecorders{0};
std::atomic<int> gPlayers{0};

class TestRecorder final : public nsISessionRecorder {
 public:
  NS_DECL_ISUPPORTS
  explicit TestRecorder(std::string name) : mName(std::move(name)), mJournal(gSessionJournal) {}

  NS_IMETHOD SetElementCheckpointMode(PRBool aOn) override { return Note("element", aOn); }
  NS_IMETHOD SetTextCheckpointMode(PRBool aOn) override { return Note("text", aOn); }
  NS_IMETHOD SetTableCheckpointMode(PRBool aOn) override { return Note("table", aOn); }
  NS_IMETHOD RemoveWindowListeners() override {
    mJournal->Note(mName + " remove window listeners");
    return NS_OK;
  }
  const std::string mName;

 private:
  ~TestRecorder() { mJournal->Note(mName + " released"); }
  nsresult Note(const char* mode, PRBool aOn) {
    mJournal->Note(mName + " " + mode + (aOn ? " on" : " off"));
    return NS_OK;
  }
  const std::shared_ptr<Journal> mJournal;
};
NS_IMPL_THREADSAFE_ISUPPORTS1(TestRecorder, nsISessionRecorder)

class TestPlayer final : public nsISessionPlayer {
 public:
  NS_DECL_ISUPPORTS
  explicit TestPlayer(std::string name) : mName(std::move(name)), mJournal(gSessionJournal) {}

  NS_IMETHOD OnPlayStarted() override {
    mJournal->Note(mName + " started");
    return NS_OK;
  }
  NS_IMETHOD SetCommand(const nsAString& aCommand) override {
    mCommand = NS_ConvertUTF16toUTF8(aCommand).get();
    return NS_OK;
  }
  NS_IMETHOD RunCommand() override {
    mJournal->Note(mName + " run " + mCommand);
    return NS_OK;
  }
  const std::string mName;

 private:
  ~TestPlayer() { mJournal->Note(mName + " released"); }
  const std::shared_ptr<Journal> mJournal;
  std::string mCommand;
};
NS_IMPL_THREADSAFE_ISUPPORTS1(TestPlayer, nsISessionPlayer)

nsresult newTestRecorder(const ClientSocket&, nsISessionRecorder** aResult) {
  *aResult = new TestRecorder("R" + std::to_string(++gRecorders));
  NS_ADDREF(*aResult);
  return NS_OK;
}

nsresult newTestPlayer(const ClientSocket&, nsISessionPlayer** aResult) {
  *aResult = new TestPlayer("P" + std::to_string(++gPlayers));
  NS_ADDREF(*aResult);
  return NS_OK;
}

}  // namespace

void setSessionJournal(std::shared_ptr<Journal> journal) {
  gSessionJournal = std::move(journal);
  gRecorders = 0;
  gPlayers = 0;
}

SessionMakers testMakers() { return SessionMakers{&newTestRecorder, &newTestPlayer}; }

TestBrowser::TestBrowser(std::shared_ptr<Journal> journal, bool hasDocLoader)
    : mJournal(std::move(journal)),
      mDocLoader(hasDocLoader ? new NamedObject("doc loader") : nullptr),
      mShell(new NamedObject("shell")),
      mSelection(new NamedObject("selection")) {}

TestBrowser::~TestBrowser() { mJournal->Note("browser released"); }

void TestBrowser::SetPage(const std::string& url) {
  std::lock_guard lock(mMutex);
  mUrl = url;
  mHasPage = true;
}

int TestBrowser::ShellSearches() const {
  std::lock_guard lock(mMutex);
  return mShellSearches;
}

std::string TestBrowser::NameOf(nsISupports* aListener) const {
  nsCOMPtr<nsISessionRecorder> recorder = do_QueryInterface(aListener);
  if (recorder) return static_cast<TestRecorder*>(recorder.get())->mName;
  nsCOMPtr<nsISessionPlayer> player = do_QueryInterface(aListener);
  if (player) return static_cast<TestPlayer*>(player.get())->mName;
  return "?";
}

nsCOMPtr<nsISupports> TestBrowser::GetDocLoader() { return mDocLoader; }

nsCOMPtr<nsISupports> TestBrowser::FindContentShell() {
  std::lock_guard lock(mMutex);
  ++mShellSearches;
  return mHasPage ? mShell : nullptr;
}

nsCOMPtr<nsISupports> TestBrowser::GetWebNavigation(nsISupports* aShell) {
  return aShell == mShell.get() ? mShell : nullptr;
}

nsresult TestBrowser::GetCurrentURIText(nsISupports* aWebNavigation, nsACString& aUriText) {
  if (aWebNavigation != mShell.get()) return NS_ERROR_FAILURE;
  std::lock_guard lock(mMutex);
  aUriText.Assign(mUrl.c_str());
  return NS_OK;
}

nsresult TestBrowser::Reload(nsISupports* aWebNavigation) {
  if (aWebNavigation != mShell.get()) return NS_ERROR_FAILURE;
  std::string url;
  {
    std::lock_guard lock(mMutex);
    url = mUrl;
  }
  mJournal->Note("reload " + url);
  return NS_OK;
}

nsresult TestBrowser::FocusContentWindow(nsISupports* aShell) {
  if (aShell != mShell.get()) return NS_ERROR_FAILURE;
  mJournal->Note("focus");
  return NS_OK;
}

nsresult TestBrowser::GetContentSelection(nsISupports* aShell, nsISupports** aSelection) {
  if (aShell != mShell.get()) return NS_ERROR_FAILURE;
  *aSelection = mSelection;
  NS_ADDREF(*aSelection);
  return NS_OK;
}

nsresult TestBrowser::AddProgressListener(nsISupports* aDocLoader, nsISupports* aListener) {
  if (aDocLoader != mDocLoader.get()) return NS_ERROR_FAILURE;
  mJournal->Note("progress listener + " + NameOf(aListener));
  return NS_OK;
}

nsresult TestBrowser::RemoveProgressListener(nsISupports* aDocLoader, nsISupports* aListener) {
  if (aDocLoader != mDocLoader.get()) return NS_ERROR_FAILURE;
  mJournal->Note("progress listener - " + NameOf(aListener));
  return NS_OK;
}

nsresult TestBrowser::AddWindowListener(nsISupports* aListener) {
  mJournal->Note("window listener + " + NameOf(aListener));
  return NS_OK;
}

nsresult TestBrowser::RemoveWindowListener(nsISupports* aListener) {
  mJournal->Note("window listener - " + NameOf(aListener));
  return NS_OK;
}

}  // namespace marbleck_test
