// The session history of a top-level window (nsISHistory over the engine's History),
// and its entries. Its listener hears new entries, moves back, forward and to an index,
// reloads and purges before they happen, and may refuse them, as Gecko's does. Like
// Gecko 1.7 it has one listener, which must support weak references; adding another
// replaces it.
#pragma once

#include <memory>
#include <string>

#include "dom_object.h"
#include "nsISHistory.h"
#include "nsISHistoryListener.h"
#include "nsIWebNavigation.h"

namespace engine {
class Window;
enum class HistoryMove;
}  // namespace engine

namespace gecko {

class Shells;

class SessionHistory final : public nsISHistory, public DomObject {
 public:
  SessionHistory(const std::shared_ptr<Shells>& shells, const std::shared_ptr<engine::Window>& top);

  GECKO_DOM_ISUPPORTS
  nsISupports* canonical() override { return static_cast<nsISHistory*>(this); }

  // --- browser thread, from the shells: the listener is told and may refuse.
  void newEntry(const std::string& url);
  bool allowMove(engine::HistoryMove move, int index, const std::string& url);
  bool allowReload(const std::string& url, PRUint32 reloadFlags);

  NS_IMETHOD GetCount(PRInt32* aCount) override;
  NS_IMETHOD GetIndex(PRInt32* aIndex) override;
  NS_IMETHOD GetMaxLength(PRInt32* aMaxLength) override;
  NS_IMETHOD SetMaxLength(PRInt32 aMaxLength) override;
  NS_IMETHOD GetEntryAtIndex(PRInt32 index, PRBool modifyIndex, nsIHistoryEntry** _retval) override;
  NS_IMETHOD PurgeHistory(PRInt32 numEntries) override;
  NS_IMETHOD AddSHistoryListener(nsISHistoryListener* aListener) override;
  NS_IMETHOD RemoveSHistoryListener(nsISHistoryListener* aListener) override;
  NS_IMETHOD GetSHistoryEnumerator(nsISimpleEnumerator** aSHistoryEnumerator) override;

 private:
  ~SessionHistory() override = default;
  void* queryInterface(const nsIID& iid) override;
  template <class Body>
  nsresult withTop(Body&& body);

  std::weak_ptr<Shells> shells_;
  std::weak_ptr<engine::Window> top_;
  // Browser thread only.
  nsCOMPtr<nsISHistoryListener> listener_;
  PRInt32 maxLength_ = 50;  // Gecko's browser.sessionhistory.max_entries
};

}  // namespace gecko
