// The component's own interface: connecting to the Java host and obeying its messages.
#pragma once

#include "nsISupports.h"
#include "nsString.h"

struct SessionSlots;

// {787C69C0-A8F2-4BD2-8C93-56CC09A7A610}
#define NS_IRECORDPLAYBACKCOMPONENT_IID \
  { 0x787c69c0, 0xa8f2, 0x4bd2, { 0x8c, 0x93, 0x56, 0xcc, 0x09, 0xa7, 0xa6, 0x10 } }

class NS_NO_VTABLE nsIRecordPlaybackComponent : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IRECORDPLAYBACKCOMPONENT_IID)

  // Connects to the host named by TW_SERVER_HOST and TW_SERVER_PORT, three tries.
  NS_IMETHOD ConnectToServer(void) = 0;
  // Acts on one message from the host; `aSlots` holds the current recorder and playback
  // object, `aDocLoader` the document loader (nsIWebProgress).
  NS_IMETHOD HandleServerMessage(nsString aMessage, SessionSlots* aSlots, nsISupports* aDocLoader) = 0;
  // Sends the launch line for the page shown now and reloads it.
  NS_IMETHOD RecordLaunch(void) = 0;
  // Reloads `aWebNavigation` (nsIWebNavigation) on the UI thread.
  NS_IMETHOD ReloadPage(nsISupports* aWebNavigation) = 0;
  // The content shell's normal selection (nsISelectionPrivate); left untouched when a
  // step fails.
  NS_IMETHOD GetContentSelection(nsISupports** aSelection) = 0;
  NS_IMETHOD CloseConnection(void) = 0;

 protected:
  ~nsIRecordPlaybackComponent() = default;
};
