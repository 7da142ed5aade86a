// The component the browser creates at start-up. Creating it opens the trace log and
// starts the connection thread, which connects to the Java host and obeys its commands
// for as long as the browser runs.
#pragma once

#include <memory>

#include "ClientSocket.h"
#include "browser_access.h"
#include "nsCOMPtr.h"
#include "nsIObserver.h"
#include "nsIRecordPlaybackComponent.h"
#include "nsIRunnable.h"
#include "nsISupportsImpl.h"
#include "nsString.h"
#include "nsWeakReference.h"
#include "session_seams.h"

// What the component works with besides the socket: the browser, and the makers of the
// recorder and of playback objects. Parts left empty are not built into this component.
struct ComponentWiring {
  std::shared_ptr<BrowserAccess> browser;
  SessionMakers makers;
};

class nsTarnwellImpl final : public nsIRecordPlaybackComponent,
                             public nsIObserver,
                             public nsIRunnable,
                             public nsSupportsWeakReference {
 public:
  NS_DECL_ISUPPORTS

  // Creates a component, starts its connection thread and answers `aIID` in `aResult`
  // (the factory's work). NS_ERROR_OUT_OF_MEMORY when it cannot be allocated.
  static nsresult Create(ComponentWiring aWiring, REFNSIID aIID, void** aResult);

  // nsIRecordPlaybackComponent
  NS_IMETHOD ConnectToServer(void) override;
  NS_IMETHOD HandleServerMessage(nsString aMessage, SessionSlots* aSlots, nsISupports* aDocLoader) override;
  NS_IMETHOD RecordLaunch(void) override;
  NS_IMETHOD ReloadPage(nsISupports* aWebNavigation) override;
  NS_IMETHOD GetContentSelection(nsISupports** aSelection) override;
  NS_IMETHOD CloseConnection(void) override;

  // nsIObserver: nothing to do; the work began when the component was made.
  NS_IMETHOD Observe(nsISupports* aSubject, const char* aTopic, const PRUnichar* aData) override;

  // nsIRunnable: the connection thread.
  NS_IMETHOD Run(void) override;

 private:
  explicit nsTarnwellImpl(ComponentWiring aWiring);
  ~nsTarnwellImpl() = default;

  // Starts the connection thread, which holds a reference to this object until it ends.
  void StartConnectionThread();
  // The browser window's content shell; null when there is none yet.
  nsCOMPtr<nsISupports> FindContentShell();
  void FocusContentWindow();

  // The commands, one member each (the table in the .cpp maps the words to them).
  void StartRecord(SessionSlots& aSlots, nsISupports* aDocLoader);
  void StopRecord(SessionSlots& aSlots, nsISupports* aDocLoader);
  void ElementCheckpointOn(SessionSlots& aSlots, nsISupports* aDocLoader);
  void ElementCheckpointOff(SessionSlots& aSlots, nsISupports* aDocLoader);
  void TextCheckpointOn(SessionSlots& aSlots, nsISupports* aDocLoader);
  void TextCheckpointOff(SessionSlots& aSlots, nsISupports* aDocLoader);
  void TableCheckpointOn(SessionSlots& aSlots, nsISupports* aDocLoader);
  void TableCheckpointOff(SessionSlots& aSlots, nsISupports* aDocLoader);
  void Play(SessionSlots& aSlots, nsISupports* aDocLoader);
  void Quit(SessionSlots& aSlots, nsISupports* aDocLoader);

  // Takes the recorder's and the playback object's listeners off the browser.
  void DetachRecorder(nsISessionRecorder* aRecorder, nsISupports* aDocLoader);
  void DetachPlayer(nsISessionPlayer* aPlayer);

  struct Command;
  static const Command kCommands[];

  const ComponentWiring mWiring;
  // The checkpoint mode switched on last: "element", "text" or "table". Used on the
  // connection thread only.
  nsString mCheckpointKind;
  ClientSocket mSocket;
};
