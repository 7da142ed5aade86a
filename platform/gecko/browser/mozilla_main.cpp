// The simulated Mozilla: starts XPCOM with the components of --components DIR (the
// browser's own services registered first, so start-up components find them), opens a
// browser window on --url URL and performs the simulated user's actions, from
// --user-script FILE or else from standard input as each line arrives.
//
// It ends when its last browser window has closed, or on SIGTERM, SIGINT or SIGHUP. The
// end of the actions alone does not end it: the browser stays open, as a person may
// leave it, until it is closed or told to end. Exit status: 0, or 1 when an action
// could not be done (the script stops there; the message, with the line number, is on
// standard error), 2 for bad arguments, 3 when XPCOM or the browser could not start.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <exception>
#include <sstream>
#include <string>
#include <vector>

#include "action_lines.h"
#include "browser_options.h"
#include "nsCOMPtr.h"
#include "nsISimpleEnumerator.h"
#include "nsIWindowMediator.h"
#include "testbed/gecko.h"
#include "testbed/gecko_services.h"
#include "testbed/xpcom.h"

namespace {

using gecko::browser::ActionLines;
using gecko::browser::BrowserOptions;

constexpr int kExitActionFailed = 1;
constexpr int kExitBadArguments = 2;
constexpr int kExitNoStart = 3;
// How often the loop looks whether windows are left while nothing else happens.
constexpr int kPollMilliseconds = 50;

// Written by the signal handler, read by the loop: a signal's arrival wakes poll().
int gSignalPipe[2] = {-1, -1};

extern "C" void onEndSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] ssize_t written = ::write(gSignalPipe[1], &byte, 1);
  errno = saved;
}

bool installEndSignals() {
  if (::pipe2(gSignalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  struct sigaction action {};
  action.sa_handler = onEndSignal;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    if (::sigaction(signal, &action, nullptr) != 0) return false;
  }
  // A host that goes away must not end the browser through a write on a closed pipe.
  ::signal(SIGPIPE, SIG_IGN);
  return true;
}

void complain(const std::string& text) { std::fprintf(stderr, "mozilla: %s\n", text.c_str()); }

// Browser windows still open (every window the mediator knows).
int openWindows() {
  nsCOMPtr<nsIWindowMediator> mediator;
  if (NS_FAILED(gecko::testbed::SimulatedGecko::GetWindowMediator(getter_AddRefs(mediator))) || !mediator) return 0;
  nsCOMPtr<nsISimpleEnumerator> windows;
  if (NS_FAILED(mediator->GetXULWindowEnumerator(nullptr, getter_AddRefs(windows))) || !windows) return 0;
  int count = 0;
  PRBool more = PR_FALSE;
  while (NS_SUCCEEDED(windows->HasMoreElements(&more)) && more) {
    nsCOMPtr<nsISupports> window;
    if (NS_FAILED(windows->GetNext(getter_AddRefs(window)))) break;
    ++count;
  }
  return count;
}

bool readFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return false;
  text = buffer.str();
  return true;
}

class Browser {
 public:
  explicit Browser(gecko::testbed::SimulatedGecko& gecko) : gecko_(gecko) {}

  // Performs one action line of the user script; false (reported) when it could not be
  // done, after which no further action is performed.
  void perform(const ActionLines::Line& line) {
    if (stopped_) return;
    const std::string problem = gecko_.perform(line.text);
    if (!problem.empty()) stop(gecko::browser::renumberActionMessage(problem, line.number));
  }
  // Performs a whole script file.
  void performScript(const std::string& script) {
    const std::string problem = gecko_.perform(script);
    if (!problem.empty()) stop(problem);
  }
  void stop(const std::string& why) {
    complain("user script: " + why + "; no further actions are performed");
    stopped_ = true;
  }
  bool stopped() const { return stopped_; }

 private:
  gecko::testbed::SimulatedGecko& gecko_;
  bool stopped_ = false;
};

// Waits for actions on standard input (when `fromInput`), a signal, or the last window
// to close, performing each action line as it arrives. Returns when the browser is to end.
void runUntilEnd(Browser& browser, bool fromInput) {
  ActionLines lines;
  bool inputOpen = fromInput;
  char buffer[4096];
  for (;;) {
    if (openWindows() == 0) return;
    pollfd waits[2] = {{gSignalPipe[0], POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    const int ready = ::poll(waits, inputOpen ? 2 : 1, kPollMilliseconds);
    if (ready < 0 && errno != EINTR) return;
    if (ready <= 0) continue;
    if (waits[0].revents != 0) return;
    if (!inputOpen || waits[1].revents == 0) continue;
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (count < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (count > 0) {
      lines.add(buffer, static_cast<size_t>(count));
    } else {
      lines.end();
      inputOpen = false;
    }
    while (auto line = lines.next()) browser.perform(*line);
    if (lines.overflowed() && !browser.stopped()) {
      browser.stop("line " + std::to_string(lines.lineNumber()) + ": longer than " +
                   std::to_string(ActionLines::kMaxLine) + " bytes");
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string program = argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "mozilla";
  BrowserOptions options;
  const std::string wrong =
      gecko::browser::parseBrowserOptions(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), options);
  if (options.help) {
    std::fputs(gecko::browser::browserUsage(program).c_str(), stdout);
    return 0;
  }
  if (!wrong.empty()) {
    complain(wrong);
    std::fputs(gecko::browser::browserUsage(program).c_str(), stderr);
    return kExitBadArguments;
  }
  std::error_code error;
  if (!std::filesystem::is_directory(options.components, error)) {
    complain("the components folder \"" + options.components + "\" is not a folder");
    return kExitBadArguments;
  }
  std::string script;
  if (!options.userScript.empty() && !readFile(options.userScript, script)) {
    complain("cannot read the user script \"" + options.userScript + "\": " + std::strerror(errno));
    return kExitBadArguments;
  }
  if (!installEndSignals()) {
    complain(std::string("cannot set up the signal handlers: ") + std::strerror(errno));
    return kExitNoStart;
  }

  // The browser (its shell and content services) comes up inside XPCOM's start, before
  // the components folder is loaded, so that start-up components find the document
  // loader and the window mediator.
  std::unique_ptr<gecko::testbed::SimulatedGecko> gecko;
  const nsresult started = xpcom::testbed::startXPCOM(options.components, "", [&gecko] {
    try {
      gecko = std::make_unique<gecko::testbed::SimulatedGecko>();
      gecko::testbed::registerContentServices();
    } catch (const std::exception& e) {
      complain(std::string("the browser did not start: ") + e.what());
      gecko.reset();
    }
  });
  if (NS_FAILED(started) || !gecko) {
    complain("XPCOM or the browser did not start");
    return kExitNoStart;
  }
  if (!gecko->open(options.url)) complain("\"" + options.url + "\" did not finish loading in time");

  Browser browser(*gecko);
  if (!options.userScript.empty()) browser.performScript(script);
  runUntilEnd(browser, options.userScript.empty());

  // Threads the components started may still run (a connection waiting for its host):
  // once the browser has ended their calls into it fail, and the process's end stops them.
  gecko.reset();
  xpcom::testbed::shutdownXPCOM();
  std::fflush(nullptr);
  return browser.stopped() ? kExitActionFailed : 0;
}
