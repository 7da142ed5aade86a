// The connection thread: connecting to the Java host, the command loop and the commands.
#include <string>

#include "common/script_line.h"
#include "common/trace_log.h"
#include "nsTarnwellImpl.h"
#include "prenv.h"
#include "prinrval.h"
#include "prthread.h"

namespace {

constexpr int kConnectionTries = 3;
constexpr PRUint32 kConnectionRetryMilliseconds = 3000;
constexpr PRUint32 kLaunchRetryMilliseconds = 1000;
constexpr PRUint32 kRecordSettleMilliseconds = 2000;
constexpr int kHighestPort = 65535;

void sleepMilliseconds(PRUint32 milliseconds) { PR_Sleep(PR_MillisecondsToInterval(milliseconds)); }

// The port as atoi reads it (leading blanks, an optional plus, then the leading digits;
// 0 when there are none), except that a number beyond the highest TCP port gives 0 as
// well instead of wrapping round to some other port.
int portFromText(const char* text) {
  while (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r' || *text == '\f' || *text == '\v') ++text;
  if (*text == '+') ++text;
  int port = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    port = port * 10 + (*text - '0');
    if (port > kHighestPort) return 0;
  }
  return port;
}

nsString toString(const std::u16string& text) {
  return nsString(text.data(), static_cast<nsString::size_type>(text.size()));
}

}  // namespace

struct nsTarnwellImpl::Command {
  const char16_t* word;
  const char* traceLine;
  void (nsTarnwellImpl::*act)(SessionSlots&, nsISupports*);
};

// Matched in this order against the whole message, case and line end included.
const nsTarnwellImpl::Command nsTarnwellImpl::kCommands[] = {
    {u"start record\n", "settingup browser for the start record message\n", &nsTarnwellImpl::StartRecord},
    {u"stop record\n", "stop record is the message ..... going to remove the listeners\n", &nsTarnwellImpl::StopRecord},
    {u"gui checkpoint\n", "element  checkpoint mode on\n", &nsTarnwellImpl::ElementCheckpointOn},
    {u"stop gui checkpoint\n", "element  checkpoint mode off\n", &nsTarnwellImpl::ElementCheckpointOff},
    {u"text checkpoint\n", "text  checkpoint mode on\n", &nsTarnwellImpl::TextCheckpointOn},
    {u"stop text checkpoint\n", "text  checkpoint mode off\n", &nsTarnwellImpl::TextCheckpointOff},
    {u"table checkpoint\n", "table checkpoint mode on\n", &nsTarnwellImpl::TableCheckpointOn},
    {u"stop table checkpoint\n", "table checkpoint mode off\n", &nsTarnwellImpl::TableCheckpointOff},
    {u"play\n", "going to play back the action\n", &nsTarnwellImpl::Play},
    {u"quit\n", "going to close the sockets\n", &nsTarnwellImpl::Quit},
};

NS_IMETHODIMP nsTarnwellImpl::ConnectToServer() {
  trace("socket opening stage ......\n");
  const char* port = PR_GetEnv("TW_SERVER_PORT");
  if (port == nullptr) {
    trace("port is null .. so exiting ....\n");
    return NS_ERROR_FAILURE;
  }
  const int portNumber = portFromText(port);
  const char* host = PR_GetEnv("TW_SERVER_HOST");
  if (host == nullptr) {
    trace("hostname is null .. so exiting ....\n");
    return NS_ERROR_FAILURE;
  }
  mSocket.Create();
  int result = SOCKET_ERROR;
  for (int attempt = 0; attempt < kConnectionTries; ++attempt) {
    trace("connection to server socket .... try no %d\n", attempt);
    result = mSocket.Connect(host, portNumber);
    if (result >= 0) {
      trace("connection succeeded in %d attempt\n", attempt);
      return static_cast<nsresult>(result);
    }
    sleepMilliseconds(kConnectionRetryMilliseconds);
  }
  return static_cast<nsresult>(result);
}

NS_IMETHODIMP nsTarnwellImpl::Run() {
  if (static_cast<PRInt32>(ConnectToServer()) < 0) {
    mSocket.Close();
    return NS_OK;
  }
  SessionSlots slots;
  nsCOMPtr<nsISupports> docLoader = mWiring.browser ? mWiring.browser->GetDocLoader() : nullptr;
  if (docLoader) {
    nsString message;
    for (;;) {
      // The host closing the connection, or the connection failing, ends the loop as
      // "quit\n" does; otherwise the loop would spin on empty reads for ever.
      if (mSocket.Receive(message) <= 0) {
        trace("connection to the server ended ..... \n");
        mSocket.Close();
        break;
      }
      HandleServerMessage(message, &slots, docLoader);
      if (message.EqualsLiteral("quit\n")) {
        trace("breaking for quit message ..... \n");
        break;
      }
    }
  } else {
    // No commands can be obeyed without the document loader; the host learns it from
    // the closed connection instead of waiting on one that is never read.
    mSocket.Close();
  }
  // Listeners the recorder and playback object left with the browser would keep them
  // alive and sending on a closed connection after the thread is gone.
  DetachRecorder(slots.recorder, docLoader);
  DetachPlayer(slots.player);
  return NS_OK;
}

NS_IMETHODIMP nsTarnwellImpl::HandleServerMessage(nsString aMessage, SessionSlots* aSlots, nsISupports* aDocLoader) {
  if (aSlots == nullptr) return NS_OK;
  for (const Command& command : kCommands) {
    if (aMessage.Equals(command.word)) {
      trace("%s", command.traceLine);
      (this->*command.act)(*aSlots, aDocLoader);
      return NS_OK;
    }
  }
  // Anything else is a command document for the current playback object.
  if (aSlots->player) {
    aSlots->player->SetCommand(aMessage);
    aSlots->player->RunCommand();
  }
  return NS_OK;
}

NS_IMETHODIMP nsTarnwellImpl::RecordLaunch() {
  nsCOMPtr<nsISupports> shell = FindContentShell();
  nsCOMPtr<nsISupports> navigation = shell ? mWiring.browser->GetWebNavigation(shell) : nullptr;
  if (!navigation) {
    sleepMilliseconds(kLaunchRetryMilliseconds);
    return NS_ERROR_FAILURE;
  }
  nsCString uriText;
  if (NS_SUCCEEDED(mWiring.browser->GetCurrentURIText(navigation, uriText))) {
    // The URI text is UTF-8 (an internationalised host name, a path the browser did not
    // escape). Widening each byte to one unit would send such a URL to the host
    // encoded twice; for ASCII both readings are the same.
    nsString url;
    CopyUTF8toUTF16(uriText, url);
    const std::u16string line = scriptline::recordLaunchEvent(std::u16string(url.get(), url.Length()));
    mSocket.Send(toString(line));
  }
  ReloadPage(navigation);
  return NS_OK;
}

void nsTarnwellImpl::StartRecord(SessionSlots& aSlots, nsISupports* aDocLoader) {
  // Without a browser no window ever has content: waiting for one would never end.
  if (!mWiring.browser) return;
  if (mWiring.makers.newRecorder == nullptr) {
    // Built without a recorder: the host still learns which page is shown, and the
    // page is reloaded, but nothing listens to it.
    trace("no recorder in this component\n");
    while (NS_FAILED(RecordLaunch())) {
    }
    FocusContentWindow();
    return;
  }
  // A recorder replaced while still listening would record every action twice.
  DetachRecorder(aSlots.recorder, aDocLoader);
  nsCOMPtr<nsISessionRecorder> recorder;
  if (NS_FAILED(mWiring.makers.newRecorder(mSocket, getter_AddRefs(recorder))) || !recorder) return;
  aSlots.recorder = recorder;
  mWiring.browser->AddProgressListener(aDocLoader, recorder);
  while (NS_FAILED(RecordLaunch())) {
  }
  mWiring.browser->AddWindowListener(recorder);
  FocusContentWindow();
  trace("record mode set.......\n");
  sleepMilliseconds(kRecordSettleMilliseconds);
}

void nsTarnwellImpl::StopRecord(SessionSlots& aSlots, nsISupports* aDocLoader) {
  DetachRecorder(aSlots.recorder, aDocLoader);
}

void nsTarnwellImpl::DetachRecorder(nsISessionRecorder* aRecorder, nsISupports* aDocLoader) {
  if (aRecorder == nullptr || !mWiring.browser) return;
  aRecorder->RemoveWindowListeners();
  if (aDocLoader != nullptr) mWiring.browser->RemoveProgressListener(aDocLoader, aRecorder);
  mWiring.browser->RemoveWindowListener(aRecorder);
}

void nsTarnwellImpl::DetachPlayer(nsISessionPlayer* aPlayer) {
  if (aPlayer != nullptr && mWiring.browser) mWiring.browser->RemoveWindowListener(aPlayer);
}

void nsTarnwellImpl::ElementCheckpointOn(SessionSlots& aSlots, nsISupports*) {
  if (!aSlots.recorder) return;
  if (mCheckpointKind.EqualsLiteral("text"))
    aSlots.recorder->SetTextCheckpointMode(PR_FALSE);
  else if (mCheckpointKind.EqualsLiteral("table"))
    aSlots.recorder->SetTableCheckpointMode(PR_FALSE);
  mCheckpointKind.AssignLiteral("element");
  FocusContentWindow();
  aSlots.recorder->SetElementCheckpointMode(PR_TRUE);
}

void nsTarnwellImpl::ElementCheckpointOff(SessionSlots& aSlots, nsISupports*) {
  if (aSlots.recorder) aSlots.recorder->SetElementCheckpointMode(PR_FALSE);
}

void nsTarnwellImpl::TextCheckpointOn(SessionSlots& aSlots, nsISupports*) {
  if (!aSlots.recorder) return;
  if (mCheckpointKind.EqualsLiteral("table")) aSlots.recorder->SetTableCheckpointMode(PR_FALSE);
  mCheckpointKind.AssignLiteral("text");
  aSlots.recorder->SetTextCheckpointMode(PR_TRUE);
  FocusContentWindow();
}

void nsTarnwellImpl::TextCheckpointOff(SessionSlots& aSlots, nsISupports*) {
  if (!aSlots.recorder) return;
  aSlots.recorder->SetTextCheckpointMode(PR_FALSE);
  aSlots.recorder->SetTableCheckpointMode(PR_FALSE);
}

void nsTarnwellImpl::TableCheckpointOn(SessionSlots& aSlots, nsISupports*) {
  if (!aSlots.recorder) return;
  if (mCheckpointKind.EqualsLiteral("text")) aSlots.recorder->SetTextCheckpointMode(PR_FALSE);
  mCheckpointKind.AssignLiteral("table");
  aSlots.recorder->SetTableCheckpointMode(PR_TRUE);
  FocusContentWindow();
}

void nsTarnwellImpl::TableCheckpointOff(SessionSlots& aSlots, nsISupports*) {
  if (aSlots.recorder) aSlots.recorder->SetTableCheckpointMode(PR_FALSE);
}

void nsTarnwellImpl::Play(SessionSlots& aSlots, nsISupports*) {
  if (mWiring.makers.newPlayer == nullptr) {
    trace("no playback in this component\n");
    return;
  }
  // The object replaced stays out of the window mediator's list, not answering window
  // events of a playback that has moved on.
  DetachPlayer(aSlots.player);
  nsCOMPtr<nsISessionPlayer> player;
  if (NS_FAILED(mWiring.makers.newPlayer(mSocket, getter_AddRefs(player))) || !player) return;
  aSlots.player = player;
  if (mWiring.browser) mWiring.browser->AddWindowListener(player);
  player->OnPlayStarted();
}

void nsTarnwellImpl::Quit(SessionSlots&, nsISupports*) { CloseConnection(); }
