// Ending the JVM (System.exit) while a page waits in an alert must end the process
// cleanly: no heap corruption in the browser's script engine, no hang. Each run is a
// child process (this program again, told by the environment to be the child), since
// the exit ends it.
#include <exdisp.h>
#include <objbase.h>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <testbed/internet_explorer.h>

#include "java_vm.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr char kChildVariable[] = "TW_EXIT_WITH_DIALOG_CHILD";

// The child: a browser shows an alert raised by a click made from Java, then Java ends
// the process with System.exit(0) while the page waits in the dialog.
TEST(ExitWithDialogChild, ExitsWhileAPageWaitsInAnAlert) {
  const char* folder = std::getenv(kChildVariable);
  if (!folder) GTEST_SKIP() << "run by ExitWithDialog only";
  testjvm::loadLibrary("testbed_ie");
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  IWebBrowser2* browser = nullptr;
  ASSERT_EQ(CoCreateInstance(CLSID_InternetExplorer, nullptr, CLSCTX_LOCAL_SERVER, IID_IWebBrowser2,
                             reinterpret_cast<void**>(&browser)),
            S_OK);
  const fs::path page = fs::path(folder) / "alert.html";
  std::ofstream(page) << "<title>Alert</title><button id='b' onclick=\"alert('Still here'); document.title = 'done'\">"
                         "Go</button>";
  JNIEnv* env = testjvm::env();
  ASSERT_TRUE(env);
  jclass user = env->FindClass("com/corvalen/tarnwell/testbed/SimulatedInternetExplorer");
  ASSERT_TRUE(user);
  jmethodID run = env->GetStaticMethodID(user, "run", "(Ljava/lang/String;)Ljava/lang/String;");
  jstring script = env->NewStringUTF(("open file://" + page.string() + "\nclick #b").c_str());
  jobject failure = env->CallStaticObjectMethod(user, run, script);
  testjvm::expectNoException("run");
  ASSERT_EQ(failure, nullptr) << testjvm::toUtf8(static_cast<jstring>(failure));
  ASSERT_TRUE(testbed::ie::frontDialog(browser)) << "the alert is open";
  // The host holds nothing more of the browser: only the process's own record of its
  // running instances keeps it when the exit comes.
  browser->Release();
  jclass system = env->FindClass("java/lang/System");
  ASSERT_TRUE(system);
  env->CallStaticVoidMethod(system, env->GetStaticMethodID(system, "exit", "(I)V"), 0);
  FAIL() << "System.exit returned";
}

struct ChildRun {
  bool finished = false;
  int status = 0;
  std::string output;
};

// Runs the child test in a new process, waiting up to `timeout` before killing it.
ChildRun runChild(const fs::path& folder, std::chrono::seconds timeout) {
  ChildRun result;
  const fs::path log = folder / "child.log";
  std::vector<std::string> environment;
  for (char** entry = environ; *entry; ++entry) environment.emplace_back(*entry);
  environment.push_back(std::string(kChildVariable) + "=" + folder.string());
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::string program = fs::read_symlink("/proc/self/exe").string();
  std::string filter = "--gtest_filter=ExitWithDialogChild.*";
  char* argv[] = {program.data(), filter.data(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    result.output = "spawn failed";
    return result;
  }
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const pid_t done = waitpid(child, &result.status, WNOHANG);
    if (done == child) {
      result.finished = true;
      break;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      waitpid(child, &result.status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  std::ifstream in(log);
  std::stringstream text;
  text << in.rdbuf();
  result.output = text.str();
  return result;
}

TEST(ExitWithDialog, SystemExitWithAnAlertOpenEndsTheProcessCleanlyEveryTime) {
  if (std::getenv(kChildVariable)) GTEST_SKIP() << "the child itself";
  const fs::path folder = fs::temp_directory_path() / ("exit-dialog-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  for (int run = 0; run < 10; ++run) {
    SCOPED_TRACE("run " + std::to_string(run));
    const ChildRun child = runChild(folder, std::chrono::seconds(60));
    ASSERT_TRUE(child.finished) << "the process hung at exit\n" << child.output;
    ASSERT_TRUE(WIFEXITED(child.status)) << "ended by signal " << WTERMSIG(child.status) << "\n" << child.output;
    ASSERT_EQ(WEXITSTATUS(child.status), 0) << child.output;
    EXPECT_EQ(child.output.find("FAILED"), std::string::npos) << child.output;
  }
  fs::remove_all(folder);
}

}  // namespace
