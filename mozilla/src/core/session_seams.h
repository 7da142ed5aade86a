// What the command loop asks of the recorder and of a playback object, and how it makes
// them. The recorder (nsRecorderImpl) and the playback object (nsPlayBack) implement
// these interfaces; the loop holds them by these interfaces only, so it neither knows
// nor includes their classes.
#pragma once

#include "ClientSocket.h"
#include "nsCOMPtr.h"
#include "nsISupports.h"
#include "nsString.h"

// {67278780-FE74-4D68-B2DE-C241C0A53C72}
#define NS_ISESSIONRECORDER_IID \
  { 0x67278780, 0xfe74, 0x4d68, { 0xb2, 0xde, 0xc2, 0x41, 0xc0, 0xa5, 0x3c, 0x72 } }

// The recorder: listens to page, window and history events and sends recorded lines and
// checkpoint lines. The same object is registered as the document loader's progress
// listener and the window mediator's listener (it answers those interfaces).
class NS_NO_VTABLE nsISessionRecorder : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_ISESSIONRECORDER_IID)
  // Checkpoint modes: while one is on, a click picks an element, text or table.
  NS_IMETHOD SetElementCheckpointMode(PRBool aOn) = 0;
  NS_IMETHOD SetTextCheckpointMode(PRBool aOn) = 0;
  NS_IMETHOD SetTableCheckpointMode(PRBool aOn) = 0;
  // Removes the listeners it put on the windows' documents (on "stop record", before
  // a new recorder replaces it, and when the connection ends). Called again after the
  // listeners are gone, it does nothing.
  NS_IMETHOD RemoveWindowListeners(void) = 0;

 protected:
  ~nsISessionRecorder() = default;
};

// {F7D45FCE-952B-4B66-A298-72BCC957C428}
#define NS_ISESSIONPLAYER_IID \
  { 0xf7d45fce, 0x952b, 0x4b66, { 0xa2, 0x98, 0x72, 0xbc, 0xc9, 0x57, 0xc4, 0x28 } }

// A playback object: takes command documents and performs them. Registered as the
// window mediator's listener (it answers that interface).
class NS_NO_VTABLE nsISessionPlayer : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_ISESSIONPLAYER_IID)
  NS_IMETHOD OnPlayStarted(void) = 0;
  // Stores `aCommand` as the command document RunCommand performs.
  NS_IMETHOD SetCommand(const nsAString& aCommand) = 0;
  NS_IMETHOD RunCommand(void) = 0;

 protected:
  ~nsISessionPlayer() = default;
};

// Makers of the two, each given its own copy of the connection's endpoint. A maker that
// is not set means the component is built without that part: the command that needs it
// is traced and does nothing.
struct SessionMakers {
  nsresult (*newRecorder)(const ClientSocket& socket, nsISessionRecorder** result) = nullptr;
  nsresult (*newPlayer)(const ClientSocket& socket, nsISessionPlayer** result) = nullptr;
};

// The connection thread's current recorder and playback object (each holds one
// reference). Empty until the commands that make them.
struct SessionSlots {
  nsCOMPtr<nsISessionRecorder> recorder;
  nsCOMPtr<nsISessionPlayer> player;
};
