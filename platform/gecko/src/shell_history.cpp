#include "shell_history.h"

#include "engine/browser.h"
#include "engine/window.h"
#include "nsIHistoryEntry.h"
#include "nsISupportsImpl.h"
#include "nsIURI.h"
#include "nsIWeakReference.h"
#include "nsString.h"
#include "shell_enumerator.h"
#include "shell_uri.h"
#include "shells.h"
#include "text_conversion.h"

namespace gecko {
namespace {

// A page the history went through, as it was when the entry was read.
class HistoryEntry final : public nsIHistoryEntry {
 public:
  HistoryEntry(nsCOMPtr<nsIURI> uri, std::string title) : uri_(std::move(uri)), title_(std::move(title)) {}

  NS_DECL_ISUPPORTS

  NS_IMETHOD GetURI(nsIURI** aURI) override {
    if (!aURI) return NS_ERROR_NULL_POINTER;
    *aURI = uri_;
    NS_IF_ADDREF(*aURI);
    return NS_OK;
  }
  NS_IMETHOD GetTitle(PRUnichar** aTitle) override {
    if (!aTitle) return NS_ERROR_NULL_POINTER;
    nsString wide;
    assignUtf8(wide, title_);
    *aTitle = ToNewUnicode(wide);
    return *aTitle ? NS_OK : NS_ERROR_OUT_OF_MEMORY;
  }
  // Frames add no entries of their own here: every entry is a top-level page.
  NS_IMETHOD GetIsSubFrame(PRBool* aIsSubFrame) override {
    if (!aIsSubFrame) return NS_ERROR_NULL_POINTER;
    *aIsSubFrame = PR_FALSE;
    return NS_OK;
  }

 private:
  ~HistoryEntry() = default;

  const nsCOMPtr<nsIURI> uri_;
  const std::string title_;
};

NS_IMPL_THREADSAFE_ISUPPORTS1(HistoryEntry, nsIHistoryEntry)

nsCOMPtr<nsISupports> entryAt(const engine::History& history, int index) {
  nsCOMPtr<nsISupports> entry = static_cast<nsIHistoryEntry*>(
      new HistoryEntry(newURI(history.entries()[static_cast<std::size_t>(index)]), history.title(index)));
  return entry;
}

}  // namespace

SessionHistory::SessionHistory(const std::shared_ptr<Shells>& shells, const std::shared_ptr<engine::Window>& top)
    : DomObject(shells->session()), shells_(shells), top_(top) {}

void* SessionHistory::queryInterface(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsISupports)) || iid.Equals(NS_GET_IID(nsISHistory))) {
    return static_cast<nsISHistory*>(this);
  }
  return nullptr;
}

template <class Body>
nsresult SessionHistory::withTop(Body&& body) {
  return session().carry([&]() -> nsresult {
    auto shells = shells_.lock();
    auto top = top_.lock();
    if (!shells || !top || top->closed()) return NS_ERROR_FAILURE;
    return body(*shells, *top);
  });
}

// ---------------------------------------------------------------- notifications

void SessionHistory::newEntry(const std::string& url) {
  nsCOMPtr<nsISHistoryListener> listener = listener_;
  if (listener) listener->OnHistoryNewEntry(newURI(url));
}

bool SessionHistory::allowMove(engine::HistoryMove move, int index, const std::string& url) {
  nsCOMPtr<nsISHistoryListener> listener = listener_;
  if (!listener) return true;
  PRBool allowed = PR_TRUE;
  nsCOMPtr<nsIURI> uri = newURI(url);
  switch (move) {
    case engine::HistoryMove::Back:
      listener->OnHistoryGoBack(uri, &allowed);
      break;
    case engine::HistoryMove::Forward:
      listener->OnHistoryGoForward(uri, &allowed);
      break;
    case engine::HistoryMove::Jump:
      listener->OnHistoryGotoIndex(index, uri, &allowed);
      break;
  }
  return allowed != PR_FALSE;
}

bool SessionHistory::allowReload(const std::string& url, PRUint32 reloadFlags) {
  nsCOMPtr<nsISHistoryListener> listener = listener_;
  if (!listener) return true;
  PRBool allowed = PR_TRUE;
  listener->OnHistoryReload(newURI(url), reloadFlags, &allowed);
  return allowed != PR_FALSE;
}

// ---------------------------------------------------------------- nsISHistory

NS_IMETHODIMP SessionHistory::GetCount(PRInt32* aCount) {
  if (!aCount) return NS_ERROR_NULL_POINTER;
  return withTop([&](Shells&, engine::Window& top) -> nsresult {
    *aCount = static_cast<PRInt32>(top.history().entries().size());
    return NS_OK;
  });
}

NS_IMETHODIMP SessionHistory::GetIndex(PRInt32* aIndex) {
  if (!aIndex) return NS_ERROR_NULL_POINTER;
  return withTop([&](Shells&, engine::Window& top) -> nsresult {
    *aIndex = top.history().currentIndex();
    return NS_OK;
  });
}

NS_IMETHODIMP SessionHistory::GetMaxLength(PRInt32* aMaxLength) {
  if (!aMaxLength) return NS_ERROR_NULL_POINTER;
  return withTop([&](Shells&, engine::Window&) -> nsresult {
    *aMaxLength = maxLength_;
    return NS_OK;
  });
}

// Gecko applies the limit as entries are added; the shells do the same (see Shells).
NS_IMETHODIMP SessionHistory::SetMaxLength(PRInt32 aMaxLength) {
  if (aMaxLength < 0) return NS_ERROR_ILLEGAL_VALUE;
  return withTop([&](Shells&, engine::Window&) -> nsresult {
    maxLength_ = aMaxLength;
    return NS_OK;
  });
}

NS_IMETHODIMP SessionHistory::GetEntryAtIndex(PRInt32 index, PRBool modifyIndex, nsIHistoryEntry** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  return withTop([&](Shells&, engine::Window& top) -> nsresult {
    auto& history = top.history();
    if (index < 0 || index >= static_cast<PRInt32>(history.entries().size())) return NS_ERROR_FAILURE;
    nsCOMPtr<nsISupports> entry = entryAt(history, index);
    if (modifyIndex) history.moveTo(index);
    return entry->QueryInterface(NS_GET_IID(nsIHistoryEntry), reinterpret_cast<void**>(_retval));
  });
}

NS_IMETHODIMP SessionHistory::PurgeHistory(PRInt32 numEntries) {
  return withTop([&](Shells&, engine::Window& top) -> nsresult {
    auto& history = top.history();
    if (history.entries().empty()) return NS_ERROR_FAILURE;
    if (numEntries <= 0) return NS_ERROR_INVALID_ARG;
    PRBool allowed = PR_TRUE;
    nsCOMPtr<nsISHistoryListener> listener = listener_;
    if (listener) listener->OnHistoryPurge(numEntries, &allowed);
    if (!allowed) return NS_OK;
    history.purge(numEntries);
    return NS_OK;
  });
}

// One listener, which must support weak references (Gecko 1.7 refuses others).
NS_IMETHODIMP SessionHistory::AddSHistoryListener(nsISHistoryListener* aListener) {
  if (!aListener) return NS_ERROR_FAILURE;
  nsCOMPtr<nsISupportsWeakReference> weak = do_QueryInterface(aListener);
  if (!weak) return NS_ERROR_FAILURE;
  nsCOMPtr<nsISHistoryListener> replaced;  // released after the call returns
  return withTop([&](Shells&, engine::Window&) -> nsresult {
    replaced = listener_;
    listener_ = aListener;
    return NS_OK;
  });
}

// Only the listener in store is removed; any other is ignored.
NS_IMETHODIMP SessionHistory::RemoveSHistoryListener(nsISHistoryListener* aListener) {
  nsCOMPtr<nsISupports> identity = do_QueryInterface(aListener);
  nsCOMPtr<nsISHistoryListener> removed;
  return withTop([&](Shells&, engine::Window&) -> nsresult {
    nsCOMPtr<nsISupports> current = do_QueryInterface(listener_);
    if (identity && current == identity) removed.swap(listener_);
    return NS_OK;
  });
}

NS_IMETHODIMP SessionHistory::GetSHistoryEnumerator(nsISimpleEnumerator** aSHistoryEnumerator) {
  if (!aSHistoryEnumerator) return NS_ERROR_NULL_POINTER;
  *aSHistoryEnumerator = nullptr;
  return withTop([&](Shells&, engine::Window& top) -> nsresult {
    std::vector<nsCOMPtr<nsISupports>> entries;
    const auto& history = top.history();
    for (int i = 0; i < static_cast<int>(history.entries().size()); ++i) entries.push_back(entryAt(history, i));
    return SnapshotEnumerator::create(std::move(entries), aSHistoryEnumerator);
  });
}

}  // namespace gecko
