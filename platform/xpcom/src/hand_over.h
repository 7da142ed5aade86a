// The hand-over of calls between threads: each thread has an inbox; a call is carried
// into the target's inbox and runs when that thread serves it. A caller waiting for a
// call serves its own inbox meanwhile, so chains that come back into it (A->B->A)
// complete. Everything that moves work between threads in this library goes through
// these few functions. Underneath is the Win32 stand-in's hand-over, the one COM's
// carried calls use: a waiter spins briefly for an answer before it parks.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>

#include "prtypes.h"

namespace xpcom::internal {

class Inbox;

// A call for another thread. `discard`, when set, runs instead of `run` if the call
// never runs (the thread ended, or the call was revoked); `owner` tags it for revoking.
struct CarriedCall {
  std::function<void()> run;
  std::function<void()> discard;
  void* owner = nullptr;
};

// The calling thread's inbox, made on first use; it closes when the thread ends.
const std::shared_ptr<Inbox>& currentInbox();
bool isOwnerThread(const Inbox& inbox);

// Queues a call; false (and nothing queued) when the inbox has closed.
bool post(Inbox& target, CarriedCall call);
// Runs `call` on the target's thread and waits, serving the caller's inbox meanwhile.
// A call on the caller's own inbox is queued and served like any other. False when the
// call did not run to its end (the target closed first, or it threw).
bool callAndWait(Inbox& target, std::function<void()> call);
// Runs the calls queued in the calling thread's own inbox; returns how many ran.
int serveOwn();
// Waits until a call is queued in the calling thread's inbox (or it stops accepting) or `realMilliseconds` pass
// (PR_INTERVAL_NO_TIMEOUT: no limit); does not run it.
bool waitForCall(PRUint32 realMilliseconds);
// Takes the first queued call of the calling thread's inbox, if any.
bool takeOwn(CarriedCall& out);
bool hasCalls(Inbox& inbox);
// Drops the queued calls tagged `owner` (running their discard); returns how many.
std::size_t revoke(Inbox& inbox, void* owner);
bool isAccepting(Inbox& inbox);
// Refuses further calls (post answers false); queued ones still run.
void stopAccepting(Inbox& inbox);
// Called on the carrying thread after each call queued into this inbox.
void setWakeHook(Inbox& inbox, std::function<void()> wake);

}  // namespace xpcom::internal
