// The host's TCP server for the Mozilla component, driven through the real JVM: what it
// hands on from the connection, what it sends, and the browser it launches.
#include <gtest/gtest.h>

#include <string>

#include "ClientSocket.h"
#include "component_fixture.h"
#include "java_vm.h"
#include "watchdog.h"

namespace {

using marbleck_test::fileText;
using marbleck_test::TemporaryFolder;
using marbleck_test::waitForTrace;

constexpr const char kServerClass[] = "com/corvalen/tarnwell/web/client/ComponentServer";

// Calls on one ComponentServer object through JNI.
class JavaServer {
 public:
  JavaServer() : mObject(testjvm::newObject(kServerClass)) {}
  ~JavaServer() {
    JNIEnv* e = testjvm::env();
    e->CallVoidMethod(mObject, Method("close", "()V"));
    e->ExceptionClear();
    e->DeleteGlobalRef(mObject);
  }

  int port() {
    const int value = testjvm::env()->CallIntMethod(mObject, Method("port", "()I"));
    testjvm::expectNoException("port");
    return value;
  }
  std::string host() {
    jobject value = testjvm::env()->CallObjectMethod(mObject, Method("host", "()Ljava/lang/String;"));
    testjvm::expectNoException("host");
    return Text(value);
  }
  bool accept(long millis) {
    const bool accepted = testjvm::env()->CallBooleanMethod(
        mObject, Method("accept", "(JLjava/util/function/Consumer;)Z"), static_cast<jlong>(millis), nullptr);
    testjvm::expectNoException("accept");
    return accepted;
  }
  // Sends `message`; returns the exception's class name when one was thrown.
  std::string send(const std::string& message) {
    JNIEnv* e = testjvm::env();
    jstring text = e->NewStringUTF(message.c_str());
    e->CallVoidMethod(mObject, Method("send", "(Ljava/lang/String;)V"), text);
    e->DeleteLocalRef(text);
    jthrowable thrown = e->ExceptionOccurred();
    if (thrown == nullptr) return "";
    e->ExceptionClear();
    jclass cls = e->GetObjectClass(thrown);
    jclass classClass = e->FindClass("java/lang/Class");
    jobject className = e->CallObjectMethod(cls, e->GetMethodID(classClass, "getName", "()Ljava/lang/String;"));
    testjvm::expectNoException("getName");
    const std::string name = Text(className);
    e->DeleteLocalRef(classClass);
    e->DeleteLocalRef(cls);
    e->DeleteLocalRef(thrown);
    return name;
  }
  // The next line, or "<none>".
  std::string nextLine(long millis) {
    jobject line = testjvm::env()->CallObjectMethod(mObject, Method("nextLine", "(J)Ljava/lang/String;"),
                                                    static_cast<jlong>(millis));
    testjvm::expectNoException("nextLine");
    return line == nullptr ? "<none>" : Text(line);
  }
  bool waitForEnd(long millis) {
    const bool ended = testjvm::env()->CallBooleanMethod(mObject, Method("waitForEnd", "(J)Z"),
                                                         static_cast<jlong>(millis));
    testjvm::expectNoException("waitForEnd");
    return ended;
  }
  // Starts `executable` as the browser; returns the Process as a global reference.
  jobject launch(const std::string& executable, const std::string& components, const std::string& traceFile,
                 const std::string& startPage = "about:blank") {
    JNIEnv* e = testjvm::env();
    jclass listClass = e->FindClass("java/util/List");
    jmethodID listOf = e->GetStaticMethodID(listClass, "of", "(Ljava/lang/Object;Ljava/lang/Object;)Ljava/util/List;");
    jstring urlOption = e->NewStringUTF("--url");
    jstring url = e->NewStringUTF(startPage.c_str());
    jobject arguments = e->CallStaticObjectMethod(listClass, listOf, urlOption, url);
    testjvm::expectNoException("List.of");
    jobject executablePath = PathOf(executable);
    jobject componentsPath = PathOf(components);
    jobject tracePath = PathOf(traceFile);
    jobject process = e->CallObjectMethod(
        mObject,
        Method("launchMozilla",
               "(Ljava/nio/file/Path;Ljava/nio/file/Path;Ljava/nio/file/Path;Ljava/util/List;)Ljava/lang/Process;"),
        executablePath, componentsPath, tracePath, arguments);
    testjvm::expectNoException("launchMozilla");
    jobject global = process != nullptr ? e->NewGlobalRef(process) : nullptr;
    e->DeleteLocalRef(listClass);
    return global;
  }

 private:
  jmethodID Method(const char* name, const char* signature) {
    JNIEnv* e = testjvm::env();
    jclass cls = e->GetObjectClass(mObject);
    jmethodID method = e->GetMethodID(cls, name, signature);
    e->DeleteLocalRef(cls);
    return method;
  }
  static jobject PathOf(const std::string& path) {
    JNIEnv* e = testjvm::env();
    jclass paths = e->FindClass("java/nio/file/Paths");
    jclass stringClass = e->FindClass("java/lang/String");
    jmethodID get = e->GetStaticMethodID(paths, "get", "(Ljava/lang/String;[Ljava/lang/String;)Ljava/nio/file/Path;");
    jstring first = e->NewStringUTF(path.c_str());
    jobjectArray more = e->NewObjectArray(0, stringClass, nullptr);
    jobject value = e->CallStaticObjectMethod(paths, get, first, more);
    testjvm::expectNoException("Paths.get");
    e->DeleteLocalRef(stringClass);
    e->DeleteLocalRef(paths);
    return value;
  }
  static std::string Text(jobject text) {
    std::string out = testjvm::toUtf8(static_cast<jstring>(text));
    if (text != nullptr) testjvm::env()->DeleteLocalRef(text);
    return out;
  }

  jobject mObject;
};

TEST(ComponentServer, HandsOnEveryLineInOrderAsUtf8AndSeesTheEnd) {
  testjvm::Watchdog watchdog("ComponentServer lines", std::chrono::seconds(60));
  JavaServer server;
  ClientSocket socket;
  socket.Create();
  ASSERT_EQ(socket.Connect(server.host().c_str(), server.port()), 0);
  ASSERT_TRUE(server.accept(5000));
  socket.Send(nsString(u"RecordEvent_launchApplication(\"http://example.test/\")\n"));
  socket.Send(nsString(u"RecordEvent_setText[name:,:caf\u00e9:;:value:,:5 \u20ac]\nCheckPointEvent_one\n"));
  socket.Send(nsString(u"<message status=\"SUCCESS\"/>\n"));
  EXPECT_EQ(server.nextLine(5000), "RecordEvent_launchApplication(\"http://example.test/\")");
  EXPECT_EQ(server.nextLine(5000), "RecordEvent_setText[name:,:caf\xc3\xa9:;:value:,:5 \xe2\x82\xac]");
  EXPECT_EQ(server.nextLine(5000), "CheckPointEvent_one");
  EXPECT_EQ(server.nextLine(5000), "<message status=\"SUCCESS\"/>");
  socket.Close();
  EXPECT_TRUE(server.waitForEnd(5000));
  EXPECT_EQ(server.nextLine(0), "<none>");
}

TEST(ComponentServer, AConnectionAcceptedAfterAnEarlierOneEndedIsHeard) {
  testjvm::Watchdog watchdog("ComponentServer second connection", std::chrono::seconds(60));
  JavaServer server;
  ClientSocket first;
  first.Create();
  ASSERT_EQ(first.Connect(server.host().c_str(), server.port()), 0);
  ASSERT_TRUE(server.accept(5000));
  first.Send(nsString(u"from the first\n"));
  EXPECT_EQ(server.nextLine(5000), "from the first");
  first.Close();
  ASSERT_TRUE(server.waitForEnd(5000));
  // The browser started again (or a second component) connects to the same server.
  ClientSocket second;
  second.Create();
  ASSERT_EQ(second.Connect(server.host().c_str(), server.port()), 0);
  ASSERT_TRUE(server.accept(5000));
  second.Send(nsString(u"from the second\n"));
  EXPECT_EQ(server.nextLine(5000), "from the second");
  second.Close();
  EXPECT_TRUE(server.waitForEnd(5000));
  EXPECT_EQ(server.nextLine(0), "<none>");
}

class ComponentServerWithComponent : public marbleck_test::ComponentTest {
 protected:
  void SetUp() override {
    ComponentTest::SetUp();
    marbleck_test::setServerEnvironment(java.port(), traceFile);
  }
  JavaServer java;
};

TEST_F(ComponentServerWithComponent, CommandsArriveAsSingleMessagesAndRepliesComeBack) {
  testjvm::Watchdog watchdog("ComponentServer commands", std::chrono::seconds(60));
  MakeComponent(/*hasDocLoader=*/true, /*connect=*/false);
  ASSERT_TRUE(java.accept(10000));
  browser->SetPage("http://example.test/form.html");
  EXPECT_EQ(java.send("start record\n"), "");
  EXPECT_EQ(java.nextLine(10000), "RecordEvent_launchApplication(\"http://example.test/form.html\")");
  EXPECT_EQ(java.send("play\n"), "");
  ASSERT_TRUE(journal->WaitFor("P1 started"));
  EXPECT_EQ(java.send("<command action=\"click\"/>"), "");
  EXPECT_TRUE(journal->WaitFor("P1 run <command action=\"click\"/>"));
  // What the component could not take in one receive is refused, not split.
  EXPECT_EQ(java.send(std::string(2049, 'x')), "java.lang.IllegalArgumentException");
  EXPECT_EQ(java.send(""), "java.lang.IllegalArgumentException");
  EXPECT_EQ(java.send("quit\n"), "");
  EXPECT_TRUE(java.waitForEnd(10000));
  component = nullptr;
  EXPECT_TRUE(journal->WaitFor("browser released"));
}

TEST(ComponentServerLaunch, StartsTheBrowserWithTheComponentsFolderAndEnvironment) {
  testjvm::Watchdog watchdog("ComponentServer launch", std::chrono::seconds(60));
  TemporaryFolder folder;
  const auto traceFile = folder.path() / "browser trace.log";
  JavaServer server;
  jobject process = server.launch(COMPONENT_HOST, MARBLECK_COMPONENTS, traceFile.string());
  ASSERT_NE(process, nullptr);
  EXPECT_TRUE(server.accept(20000));
  EXPECT_TRUE(waitForTrace(traceFile, "logdir defined is " + traceFile.string() + "\n"));
  // Without the browser's services (no document loader) the component gives the
  // connection up at once.
  EXPECT_TRUE(server.waitForEnd(10000));
  JNIEnv* e = testjvm::env();
  jclass processClass = e->GetObjectClass(process);
  e->CallVoidMethod(process, e->GetMethodID(processClass, "destroy", "()V"));
  testjvm::expectNoException("destroy");
  e->CallIntMethod(process, e->GetMethodID(processClass, "waitFor", "()I"));
  testjvm::expectNoException("destroying the browser");
  e->DeleteLocalRef(processClass);
  e->DeleteGlobalRef(process);
}

// The whole way: the Java server starts the simulated Mozilla with the component, the
// component connects from inside it and answers as the host expects.
TEST(ComponentServerLaunch, TheSimulatedMozillasComponentReportsTheShownPageAndQuits) {
  testjvm::Watchdog watchdog("ComponentServer with mozilla", std::chrono::seconds(90));
  TemporaryFolder folder;
  const auto traceFile = folder.path() / "mozilla trace.log";
  const std::string page = "file://" TW_EXAMPLE_SITE "/form.html";
  JavaServer server;
  jobject process = server.launch(MOZILLA_EXECUTABLE, MARBLECK_COMPONENTS, traceFile.string(), page);
  ASSERT_NE(process, nullptr);
  JNIEnv* e = testjvm::env();
  jclass processClass = e->GetObjectClass(process);
  ASSERT_TRUE(server.accept(20000));
  EXPECT_EQ(server.send("start record\n"), "");
  EXPECT_EQ(server.nextLine(20000), "RecordEvent_launchApplication(\"" + page + "\")");
  EXPECT_TRUE(waitForTrace(traceFile, "record mode set.......\n"));
  EXPECT_EQ(server.send("quit\n"), "");
  EXPECT_TRUE(server.waitForEnd(10000));
  EXPECT_TRUE(waitForTrace(traceFile, "breaking for quit message ..... \n"));
  // The browser runs on after "quit" until the host ends it.
  EXPECT_TRUE(e->CallBooleanMethod(process, e->GetMethodID(processClass, "isAlive", "()Z")));
  e->CallVoidMethod(process, e->GetMethodID(processClass, "destroy", "()V"));
  testjvm::expectNoException("destroy");
  EXPECT_EQ(e->CallIntMethod(process, e->GetMethodID(processClass, "waitFor", "()I")), 0);
  testjvm::expectNoException("waiting for the browser");
  e->DeleteLocalRef(processClass);
  e->DeleteGlobalRef(process);
}

}  // namespace
