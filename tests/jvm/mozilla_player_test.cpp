// The host's Mozilla player and checkpoint verifier, run in the real JVM against a fake
// component on loopback: the messages they send (exact command documents, one per
// receive), how they read the component's replies, and the words and verdicts they give.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "java_vm.h"
#include "watchdog.h"

namespace {

constexpr const char kServerClass[] = "com/corvalen/tarnwell/web/client/ComponentServer";
constexpr const char kPlayerClass[] = "com/corvalen/tarnwell/web/replay/MozillaScriptPlayer";
constexpr const char kVerifierClass[] = "com/corvalen/tarnwell/web/replay/MozillaCheckpointVerifier";
constexpr const char kOptionsClass[] = "com/corvalen/tarnwell/web/replay/MozillaScriptPlayer$Options";

// What the fake component answers to one message: the text it sends back ("" for none).
using Responder = std::function<std::string(const std::string& message)>;

// A value the test changes between commands and the fake component's thread reads while
// answering: the socket orders the two, but not in a way the thread checker can see.
template <typename T>
class Shared {
 public:
  explicit Shared(T value) : mValue(std::move(value)) {}
  Shared& operator=(T value) {
    std::lock_guard lock(mMutex);
    mValue = std::move(value);
    return *this;
  }
  T operator()() const {
    std::lock_guard lock(mMutex);
    return mValue;
  }

 private:
  mutable std::mutex mMutex;
  T mValue;
};

std::string status(const std::string& word, const std::string& debug = "") {
  return "<message status=\"" + word + "\" debugMessage=\"" + debug + "\"/>\n";
}

// A component as far as the wire goes: connects to the host's server, takes one message
// per receive (as the component does, at most 2048 bytes) and answers through a responder.
class FakeComponent {
 public:
  FakeComponent(int port, Responder responder) : mResponder(std::move(responder)) {
    mSocket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    mConnected = ::connect(mSocket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (mConnected) mThread = std::thread([this] { Serve(); });
  }
  ~FakeComponent() {
    ::shutdown(mSocket, SHUT_RDWR);
    if (mThread.joinable()) mThread.join();
    ::close(mSocket);
  }
  bool connected() const { return mConnected; }
  std::vector<std::string> messages() {
    std::lock_guard lock(mMutex);
    return mMessages;
  }
  // Sends text on its own, as a late reply would come.
  void send(const std::string& text) { ::send(mSocket, text.data(), text.size(), MSG_NOSIGNAL); }

 private:
  void Serve() {
    char buffer[2048];
    for (;;) {
      const ssize_t count = ::recv(mSocket, buffer, sizeof buffer, 0);
      if (count <= 0) return;
      const std::string message(buffer, static_cast<size_t>(count));
      {
        std::lock_guard lock(mMutex);
        mMessages.push_back(message);
      }
      const std::string reply = mResponder(message);
      if (!reply.empty()) send(reply);
    }
  }

  Responder mResponder;
  int mSocket = -1;
  bool mConnected = false;
  std::mutex mMutex;
  std::vector<std::string> mMessages;
  std::thread mThread;
};

jmethodID method(jobject object, const char* name, const char* signature) {
  JNIEnv* e = testjvm::env();
  jclass cls = e->GetObjectClass(object);
  jmethodID id = e->GetMethodID(cls, name, signature);
  e->DeleteLocalRef(cls);
  return id;
}

std::string text(jobject value) {
  std::string out = testjvm::toUtf8(static_cast<jstring>(value));
  if (value != nullptr) testjvm::env()->DeleteLocalRef(value);
  return out;
}

// The Java server, a fake component connected to it, and the player and verifier over
// them, with short waits.
class PlayerTest : public ::testing::Test {
 protected:
  void Connect(Responder responder, long replyMillis = 10000) {
    JNIEnv* e = testjvm::env();
    mServer = testjvm::newObject(kServerClass);
    ASSERT_NE(mServer, nullptr);
    const int port = e->CallIntMethod(mServer, method(mServer, "port", "()I"));
    testjvm::expectNoException("port");
    mComponent = std::make_unique<FakeComponent>(port, std::move(responder));
    ASSERT_TRUE(mComponent->connected());
    ASSERT_TRUE(e->CallBooleanMethod(mServer, method(mServer, "accept", "(JLjava/util/function/Consumer;)Z"),
                                     static_cast<jlong>(5000), nullptr));
    testjvm::expectNoException("accept");

    jobject options = testjvm::newObject(kOptionsClass);
    jclass optionsClass = e->GetObjectClass(options);
    e->SetLongField(options, e->GetFieldID(optionsClass, "replyMillis", "J"), replyMillis);
    e->SetLongField(options, e->GetFieldID(optionsClass, "pauseMillis", "J"), 100);
    e->SetLongField(options, e->GetFieldID(optionsClass, "settleMillis", "J"), 150);
    e->SetLongField(options, e->GetFieldID(optionsClass, "dialogMillis", "J"), 3000);
    e->SetIntField(options, e->GetFieldID(optionsClass, "maxTimeLimit", "I"), 12);
    e->SetIntField(options, e->GetFieldID(optionsClass, "waitTime", "I"), 2);
    jclass playerClass = e->FindClass(kPlayerClass);
    jobject player = e->NewObject(playerClass, e->GetMethodID(playerClass, "<init>",
                                                              "(Lcom/corvalen/tarnwell/web/client/ComponentServer;"
                                                              "Lcom/corvalen/tarnwell/web/replay/MozillaScriptPlayer$Options;)V"),
                                  mServer, options);
    testjvm::expectNoException("player");
    mPlayer = e->NewGlobalRef(player);
    jclass verifierClass = e->FindClass(kVerifierClass);
    jobject verifier = e->NewObject(
        verifierClass,
        e->GetMethodID(verifierClass, "<init>", "(Lcom/corvalen/tarnwell/web/replay/MozillaScriptPlayer;)V"), player);
    testjvm::expectNoException("verifier");
    mVerifier = e->NewGlobalRef(verifier);
    for (jobject ref : {player, verifier, static_cast<jobject>(playerClass), static_cast<jobject>(verifierClass),
                        static_cast<jobject>(optionsClass)})
      e->DeleteLocalRef(ref);
    e->DeleteGlobalRef(options);
  }

  void TearDown() override {
    JNIEnv* e = testjvm::env();
    if (mServer != nullptr) {
      e->CallVoidMethod(mServer, method(mServer, "close", "()V"));
      testjvm::expectNoException("close");
    }
    mComponent.reset();
    for (jobject ref : {mServer, mPlayer, mVerifier})
      if (ref != nullptr) e->DeleteGlobalRef(ref);
  }

  void Start() {
    testjvm::env()->CallVoidMethod(mPlayer, method(mPlayer, "start", "()V"));
    testjvm::expectNoException("start");
  }

  std::string Play(const std::string& line) {
    JNIEnv* e = testjvm::env();
    jstring jline = e->NewStringUTF(line.c_str());
    jobject word = e->CallObjectMethod(mPlayer, method(mPlayer, "playLine", "(Ljava/lang/String;)Ljava/lang/String;"),
                                       jline);
    testjvm::expectNoException("playLine");
    e->DeleteLocalRef(jline);
    return text(word);
  }

  // The verdict's text and whether it passed.
  std::pair<std::string, bool> Verify(const std::string& line) {
    JNIEnv* e = testjvm::env();
    jstring jline = e->NewStringUTF(line.c_str());
    jobject result = e->CallObjectMethod(
        mVerifier,
        method(mVerifier, "verify", "(Ljava/lang/String;)Lcom/corvalen/tarnwell/web/replay/CheckpointVerifier$Result;"),
        jline);
    testjvm::expectNoException("verify");
    e->DeleteLocalRef(jline);
    if (result == nullptr) return {"<null>", false};
    const bool passed = e->CallBooleanMethod(result, method(result, "passed", "()Z"));
    testjvm::expectNoException("passed");
    jobject verdictText = e->CallObjectMethod(result, method(result, "toString", "()Ljava/lang/String;"));
    testjvm::expectNoException("toString");
    std::string verdict = text(verdictText);
    e->DeleteLocalRef(result);
    return {verdict, passed};
  }

  std::vector<std::string> Strays() {
    JNIEnv* e = testjvm::env();
    jobject list = e->CallObjectMethod(mPlayer, method(mPlayer, "strayLines", "()Ljava/util/List;"));
    testjvm::expectNoException("strayLines");
    std::vector<std::string> out;
    const jint size = e->CallIntMethod(list, method(list, "size", "()I"));
    testjvm::expectNoException("size");
    for (jint i = 0; i < size; ++i) {
      jobject item = e->CallObjectMethod(list, method(list, "get", "(I)Ljava/lang/Object;"), i);
      testjvm::expectNoException("get");
      out.push_back(text(item));
    }
    e->DeleteLocalRef(list);
    return out;
  }

  std::vector<std::string> Messages() { return mComponent->messages(); }

  jobject mServer = nullptr;
  jobject mPlayer = nullptr;
  jobject mVerifier = nullptr;
  std::unique_ptr<FakeComponent> mComponent;
};

// Answers as the component does for well-formed commands: one "SUCCESS", two for a page
// text field, none for "play" and the time limit.
std::string plainComponent(const std::string& message) {
  if (message == "play\n" || message.find("method=\"setMaxTimeLimit\"") != std::string::npos) return "";
  if (message.find("method=\"setText\"") != std::string::npos &&
      message.find("type=\"textarea\"") == std::string::npos)
    return status("SUCCESS") + status("SUCCESS");
  return status("SUCCESS");
}

TEST_F(PlayerTest, RecordedLinesBecomeOneCommandDocumentEach) {
  testjvm::Watchdog watchdog("recorded lines", std::chrono::seconds(60));
  Connect(plainComponent);
  Start();
  const std::vector<std::string> lines = {
      "RecordEvent_launchApplication(\"file:///site/index.html\")",
      "RecordEvent_setWindow[windowname:,:right:;:windowtitle:,:Order Form:;:parenttitle:,:Frame Set]",
      "RecordEvent_setText[name:,:customer:;:id:,:customer:;:formname:,:order:;:sourceindex:,:0:;:type:,:text:;:"
      "disable:,:false:;:value:,:Ann \"A\" & <Co>:;:index:,:0]",
      "RecordEvent_setText[name:,:notes:;:id:,:notes:;:formname:,:order:;:sourceindex:,:0:;:type:,:textarea:;:"
      "disable:,:false:;:value:,:one<VK_RETURN>two<VK_RETURN>:;:index:,:0]",
      "RecordEvent_selectItem[name:,:extras:;:id:,:extras:;:formname:,:order:;:sourceindex:,:0:;:"
      "type:,:select-multiple:;:disable:,:false:;:index:,:0:;:value:,:Cable:-:Charger]",
      "RecordEvent_selectItem[name:,:colour:;:id:,:NONE:;:formname:,:NONE:;:sourceindex:,:0:;:type:,:select-one:;:"
      "disable:,:false:;:index:,:0:;:value:,:]",
      "RecordEvent_clickMainToolBarButton[name:,:Back]",
      "RecordEvent_clickMap[name:,:nav:;:id:,:first:;:formname:,:NONE:;:sourceindex:,:0:;:tagName:,:AREA:;:"
      "alt:,:First:;:coords:,:0,0,50,20:;:index:,:0]",
      "RecordEvent_changeURL[name:,:file:///site/form.html?a=1&b=2]",
      "RecordEvent_closeWindow[parenttitle:,:Pop-up:;:windowname:,:NONE:;:windowtitle:,:Pop-up:;:]",
      "RecordEvent_clickButton[classname:,:dialog-button:;:name:,:OK:;:isVisible:,:true:;:isEnabled:,:true:;:"
      "index:,:0]",
  };
  for (const auto& line : lines) EXPECT_EQ("SUCCESS", Play(line)) << line;
  const std::vector<std::string> expected = {
      "play\n",
      "<command method=\"setMaxTimeLimit\" value=\"12\"/>",
      "<command method=\"launchApplication\" value=\"file:///site/index.html\"/>",
      "<command method=\"setWindow\" windowname=\"right\" windowtitle=\"Order Form\" parenttitle=\"Frame Set\" "
      "windownamecondition=\"equals\" windowtitlecondition=\"equals\" parenttitlecondition=\"equals\" "
      "waittime=\"2\"/>",
      "<command method=\"setText\" name=\"customer\" id=\"customer\" formname=\"order\" sourceindex=\"0\" "
      "type=\"text\" disable=\"false\" value=\"Ann &quot;A&quot; &amp; &lt;Co&gt;\" index=\"0\"/>",
      "<command method=\"setText\" name=\"notes\" id=\"notes\" formname=\"order\" sourceindex=\"0\" "
      "type=\"textarea\" disable=\"false\" value=\"oneVK_RETURNtwoVK_RETURN\" index=\"0\"/>",
      "<command method=\"selectItem\" name=\"extras\" id=\"extras\" formname=\"order\" sourceindex=\"0\" "
      "type=\"select-multiple\" disable=\"false\" index=\"0\" value=\"Cable:-:Charger\">"
      "<option selectedvalue=\"Cable\"/><option selectedvalue=\"Charger\"/></command>",
      "<command method=\"selectItem\" name=\"colour\" id=\"NONE\" formname=\"NONE\" sourceindex=\"0\" "
      "type=\"select-one\" disable=\"false\" index=\"0\" value=\"\"/>",
      "<command method=\"clickMainToolBar\" name=\"Back\"/>",
      // The line as recorded: the area's id, which the component takes to the map around it.
      "<command method=\"clickMap\" name=\"nav\" id=\"first\" formname=\"NONE\" sourceindex=\"0\" "
      "tagName=\"AREA\" alt=\"First\" coords=\"0,0,50,20\" index=\"0\"/>",
      "<command method=\"changeURL\" value=\"file:///site/form.html?a=1&amp;b=2\"/>",
      "<command method=\"closeWindow\" parenttitle=\"Pop-up\" windowname=\"NONE\" windowtitle=\"Pop-up\"/>",
      "<command method=\"clickButton\" classname=\"dialog-button\" name=\"OK\" isVisible=\"true\" "
      "isEnabled=\"true\" index=\"0\"/>",
  };
  EXPECT_EQ(expected, Messages());
  // The second "SUCCESS" of the text field was its own, not taken for the next line's.
  EXPECT_EQ(std::vector<std::string>{}, Strays());
}

TEST_F(PlayerTest, ResultWordsFollowTheRepliesOfEachKindOfCommand) {
  testjvm::Watchdog watchdog("result words", std::chrono::seconds(60));
  std::atomic<int> dialogAsked{0};
  Connect(
      [&dialogAsked](const std::string& message) -> std::string {
        if (message.find("windowtitle=\"Gone\"") != std::string::npos)
          return status("FAILED", "Window Not Found") + status("ERROR_WINDOW_NOT_FOUND");
        if (message.find("id=\"broken\"") != std::string::npos) return status("SUCCESS") + status("FAILED");
        if (message.find("id=\"attachment\"") != std::string::npos) return "";
        if (message.find("id=\"missingFile\"") != std::string::npos) return status("ERROR_ELEMENT_NOT_FOUND");
        if (message.find("id=\"silent\"") != std::string::npos) return "";
        if (message.find("method=\"setAlertWindow\"") != std::string::npos)
          return ++dialogAsked < 3 ? status("ERROR_WINDOW_NOT_FOUND") : status("SUCCESS");
        if (message.find("id=\"quote\"") != std::string::npos)
          return status("SUCCESS") + status("SUCCESS");
        if (message.find("id=\"nothing\"") != std::string::npos) return status("ERROR_HTML_DOCUMENT_NULL");
        return status("SUCCESS");
      },
      /*replyMillis=*/1500);
  EXPECT_EQ("ERROR_WINDOW_NOT_FOUND",
            Play("RecordEvent_setWindow[windowname:,:NONE:;:windowtitle:,:Gone:;:parenttitle:,:Gone]"));
  EXPECT_EQ("SUCCESS", Play("RecordEvent_clickLink[name:,:NONE:;:id:,:ok:;:formname:,:NONE:;:sourceindex:,:0:;:"
                            "type:,:link:;:value:,:NONE:;:index:,:0:;:innertext:,:Go:;:target:,:x:;:source:,:NONE]"));
  // A click that replied "SUCCESS" and then failed to dispatch.
  EXPECT_EQ("FAILED", Play("RecordEvent_clickButton[name:,:NONE:;:id:,:broken:;:formname:,:f:;:sourceindex:,:0:;:"
                           "type:,:button:;:disable:,:false:;:value:,:B:;:index:,:0:;:source:,:NONE:;:"
                           "defaultChecked:,:false]"));
  // A file field's click answers nothing when it worked.
  EXPECT_EQ("SUCCESS", Play("RecordEvent_clickButton[name:,:attachment:;:id:,:attachment:;:formname:,:f:;:"
                            "sourceindex:,:0:;:type:,:file:;:disable:,:false:;:value:,:NONE:;:index:,:0:;:"
                            "source:,:NONE:;:defaultChecked:,:false]"));
  EXPECT_EQ("ERROR_ELEMENT_NOT_FOUND",
            Play("RecordEvent_clickButton[name:,:NONE:;:id:,:missingFile:;:formname:,:f:;:sourceindex:,:0:;:"
                 "type:,:file:;:disable:,:false:;:value:,:NONE:;:index:,:0:;:source:,:NONE:;:defaultChecked:,:false]"));
  // The dialog a click opens comes a moment later: setAlertWindow is asked again.
  EXPECT_EQ("SUCCESS", Play("RecordEvent_setAlertWindow[windowname:,:NONE:;:windowtitle:,:[JavaScript Application]"
                            ":;:parenttitle:,:NONE:;:type:,:alert]"));
  EXPECT_EQ(3, dialogAsked);
  EXPECT_EQ("ERROR_HTML_DOCUMENT_NULL",
            Play("RecordEvent_clickList[name:,:Menu:;:id:,:nothing:;:formname:,:NONE:;:type:,:div:;:index:,:0:;:"
                 "sourceindex:,:0]"));
  EXPECT_EQ("NO_REPLY", Play("RecordEvent_clickList[name:,:Menu:;:id:,:silent:;:formname:,:NONE:;:type:,:div:;:"
                             "index:,:0:;:sourceindex:,:0]"));
  // What is no recorded action, or cannot be written as a document, is not sent.
  const size_t sent = Messages().size();
  EXPECT_EQ("NOT_PLAYED", Play("RecordEvent_unknownAction[name:,:x]"));
  EXPECT_EQ("NOT_PLAYED", Play("CheckPointEvent_name:,:x"));
  EXPECT_EQ("NOT_PLAYED", Play("RecordEvent_setText[name:,:a\x01:;:id:,:NONE:;:type:,:text:;:value:,:x:;:index:,:0]"));
  EXPECT_EQ("NOT_PLAYED", Play("RecordEvent_changeURL[name:,:" + std::string(2100, 'u') + "]"));
  EXPECT_EQ(sent, Messages().size());
  // A late reply is kept aside and not taken for the next command's.
  mComponent->send(status("FAILED"));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ("SUCCESS", Play("RecordEvent_setText[name:,:q:;:id:,:quote:;:formname:,:f:;:sourceindex:,:0:;:"
                            "type:,:password:;:disable:,:false:;:value:,:x:;:index:,:0]"));
  EXPECT_EQ(std::vector<std::string>{"<message status=\"FAILED\" debugMessage=\"\"/>"}, Strays());
}

// A checkpoint reply: the case status with the pairs a validator read.
std::string caseReply(const std::string& message, const std::string& state, const std::string& tail) {
  const size_t at = message.find("caseid=\"") + 8;
  const std::string caseId = message.substr(at, message.find('"', at) - at);
  return "<statusmessage caseid=\"" + caseId + "\" status=\"" + state + "\" " + tail + "/>\n";
}

const char kWindow[] = "windowtitle:,:Order Form:;:windowname:,:NONE:;:parenttitle:,:Order Form";

TEST_F(PlayerTest, ElementCheckpointsAreReadBackAndComparedKeyByKey) {
  testjvm::Watchdog watchdog("element checkpoints", std::chrono::seconds(60));
  Shared<std::string> tooltip("Your name");
  Shared<std::string> notes("one\ntwo");
  Connect([&](const std::string& message) -> std::string {
    if (message.find("method=\"executeTest\"") == std::string::npos) return status("SUCCESS");
    if (message.find("id=\"customer\"") != std::string::npos)
      return caseReply(message, "PASSED",
                       "name =\"customer\" value =\"Ann \"A\" \" type =\"text\" formname =\"order\" "
                       "disable =\"false\" windowtitle =\"Order Form\" tooltip =\"" + tooltip() + "\" id =\"customer\" ");
    if (message.find("id=\"notes\"") != std::string::npos)
      return caseReply(message, "PASSED",
                       "name=\"notes\" value=\"" + notes() + "\" type=\"textarea\" formname=\"order\" disable=\"false\" "
                       "windowtitle=\"Order Form\" tooltip=\"NONE\" id=\"notes\" ");
    if (message.find("checktype=\"element\"") != std::string::npos && message.find("tableid") != std::string::npos)
      return caseReply(message, "PASSED", "cellvalue=\"b3VK_RETURNinner\" id=\"NONE\" windowtitle=\"Order Form\" "
                                          "rowindex=\"2\" columnindex=\"3\" ");
    return caseReply(message, "ERROR_ELEMENT_NOT_FOUND", "");
  });
  const std::string field = "CheckPointEvent_name:,:customer:;:id:,:customer:;:formname:,:order:;:sourceindex:,:0:;:"
                            "type:,:text:;:disable:,:false:;:value:,:Ann \"A\" :;:index:,:0:;:tooltip:,:Your name:;:" +
                            std::string(kWindow);
  auto verdict = Verify(field);
  EXPECT_TRUE(verdict.second) << verdict.first;
  EXPECT_EQ("element checkpoint: PASSED (8 keys)", verdict.first);
  const std::vector<std::string> sent = Messages();
  ASSERT_EQ(2u, sent.size());
  EXPECT_EQ("<command method=\"setWindow\" windowname=\"NONE\" windowtitle=\"Order Form\" parenttitle=\"Order Form\" "
            "windownamecondition=\"equals\" windowtitlecondition=\"equals\" parenttitlecondition=\"equals\" "
            "waittime=\"2\"/>",
            sent[0]);
  EXPECT_EQ("<command method=\"executeTest\" caseid=\"case1\" checktype=\"element\" name=\"customer\" type=\"text\" "
            "id=\"customer\" index=\"0\" value=\"Ann &quot;A&quot; \"><check name=\"customer\" "
            "value=\"Ann &quot;A&quot; \" type=\"text\" formname=\"order\" disable=\"false\" "
            "windowtitle=\"Order Form\" tooltip=\"Your name\" id=\"customer\"/></command>",
            sent[1]);

  tooltip = "Full name";
  verdict = Verify(field);
  EXPECT_FALSE(verdict.second);
  EXPECT_EQ("element checkpoint: FAILED, tooltip: recorded 'Your name', now 'Full name'", verdict.first);

  // A text area's value read back with its line break (the reply spans two lines).
  const std::string area = "CheckPointEvent_name:,:notes:;:id:,:notes:;:formname:,:order:;:sourceindex:,:0:;:"
                           "type:,:textarea:;:disable:,:false:;:value:,:one<VK_RETURN>two:;:index:,:0:;:"
                           "tooltip:,:NONE:;:" + std::string(kWindow);
  verdict = Verify(area);
  EXPECT_EQ("element checkpoint: PASSED (8 keys)", verdict.first);
  notes = "one\ntwo\nthree";
  verdict = Verify(area);
  EXPECT_EQ("element checkpoint: FAILED, value: recorded 'one<VK_RETURN>two', now 'one<VK_RETURN>two<VK_RETURN>three'", verdict.first);

  // A cell: located and compared by its recorded row and column.
  verdict = Verify("CheckPointEvent_rowindex:,:2:;:columnindex:,:3:;:cellvalue:,:b3 inner:;:tableid:,:T:;:"
                   "firstcellvalue:,:a1:;:id:,:NONE:;:tableindex:,:0:;:type:,:cell:;:index:,:0:;:" +
                   std::string(kWindow));
  EXPECT_TRUE(verdict.second) << verdict.first;
  EXPECT_NE(std::string::npos, Messages().back().find(" rowindex=\"2\" columnindex=\"3\"><check cellvalue=\"b3 "
                                                      "inner\" id=\"NONE\" windowtitle=\"Order Form\" "
                                                      "rowindex=\"2\" columnindex=\"3\"/>"))
      << Messages().back();

  verdict = Verify("CheckPointEvent_name:,:gone:;:id:,:gone:;:formname:,:order:;:sourceindex:,:0:;:type:,:text:;:"
                   "disable:,:false:;:value:,:x:;:index:,:0:;:tooltip:,:NONE:;:" + std::string(kWindow));
  EXPECT_EQ("element checkpoint: ERROR_ELEMENT_NOT_FOUND", verdict.first);

  // A kind the component has no check for is not sent (it would not answer).
  const size_t sentBefore = Messages().size();
  verdict = Verify("CheckPointEvent_name:,:nav:;:id:,:first:;:formname:,:NONE:;:sourceindex:,:0:;:tagName:,:AREA:;:"
                   "alt:,:First:;:coords:,:0,0,50,20:;:index:,:0:;:tooltip:,:NONE:;:" + std::string(kWindow));
  EXPECT_EQ("element checkpoint: NOT_VERIFIED", verdict.first);
  EXPECT_FALSE(verdict.second);
  // Nor is a line of no kind: nothing was checked, so it cannot have passed.
  for (const char* line : {"CheckPointEvent_", "CheckPointEvent_align:,:left:;:formname:,:NONE"}) {
    verdict = Verify(line);
    EXPECT_EQ("none checkpoint: NOT_VERIFIED", verdict.first) << line;
    EXPECT_FALSE(verdict.second) << line;
  }
  EXPECT_EQ(sentBefore, Messages().size());
}

TEST_F(PlayerTest, TableAndTextCheckpointsAndTheirWindows) {
  testjvm::Watchdog watchdog("table and text checkpoints", std::chrono::seconds(60));
  Shared<std::string> rows("2");
  Shared<std::string> body("Welcome &quot;home&quot; &amp; more First line");
  std::atomic<bool> windowThere{true};
  Connect([&](const std::string& message) -> std::string {
    if (message.find("method=\"setWindow\"") != std::string::npos)
      return windowThere ? status("SUCCESS") : status("FAILED", "Window Not Found") + status("ERROR_WINDOW_NOT_FOUND");
    if (message.find("method=\"setAlertWindow\"") != std::string::npos) return status("SUCCESS");
    if (message.find("checktype=\"text\"") != std::string::npos)
      return "<textmessage bodytext=\"" + body() + "\"/>\n";
    if (message.find("checktype=\"table\"") != std::string::npos)
      return caseReply(message, rows() == "2" ? "PASSED" : "FAILED",
                       " debugMessage=\"rowcount = " + rows() + ";columncount = 3;cellvalueat 2,3 = b3; inner;\"");
    if (message.find("classname=\"dialog-button\"") != std::string::npos)
      return caseReply(message, "PASSED", "name=\"OK\" isVisible=\"true\" isEnabled=\"true\" classname=\"dialog-button\" ");
    return caseReply(message, "ERROR_ELEMENT_NOT_FOUND", "");
  });
  const std::string table = "CheckPointEvent_firstcellvalue:,:a1:;:index:,:0:;:id:,:T:;:rowcount:,:2:;:"
                            "columncount:,:3:;:rowindex:,:2:;:columnindex:,:3:;:cellvalue:,:b3; inner:;:"
                            "align:,:center:;:formname:,:NONE:;:type:,:table:;:" + std::string(kWindow);
  auto verdict = Verify(table);
  EXPECT_TRUE(verdict.second) << verdict.first;
  EXPECT_EQ("<command method=\"executeTest\" caseid=\"case1\" checktype=\"table\" firstcellvalue=\"a1\" index=\"0\" "
            "id=\"T\"><check function=\"rowcount\" condition=\"eq\" value=\"2\"/><check function=\"columncount\" "
            "condition=\"eq\" value=\"3\"/><check function=\"cellvalueat\" condition=\"eq\" rowid=\"2\" colid=\"3\" "
            "value=\"b3; inner\"/></command>",
            Messages().back());
  rows = "5";
  verdict = Verify(table);
  EXPECT_EQ("table checkpoint: FAILED, rowcount: recorded '2', now '5'", verdict.first);

  // The body text, unescaped, ends the recorded full text (whose head comes first).
  const std::string text = "CheckPointEvent_selectedText:,:First line:;:fullText:,:Home<VK_RETURN>Welcome \"home\" "
                           "& more<VK_RETURN>First line:;:" + std::string(kWindow);
  verdict = Verify(text);
  EXPECT_TRUE(verdict.second) << verdict.first;
  body = "Welcome &quot;home&quot; &amp; less";
  verdict = Verify(text);
  EXPECT_FALSE(verdict.second);
  EXPECT_NE(std::string::npos, verdict.first.find("selectedText: recorded 'First line', not on the page now"))
      << verdict.first;
  EXPECT_NE(std::string::npos, verdict.first.find("fullText: recorded")) << verdict.first;

  // A dialog's button: its window is the dialog, made current with setAlertWindow.
  verdict = Verify("CheckPointEvent_classname:,:dialog-button:;:name:,:OK:;:isVisible:,:true:;:isEnabled:,:true:;:"
                   "index:,:0:;:windowtitle:,:[JavaScript Application]:;:windowname:,:NONE:;:parenttitle:,:NONE");
  EXPECT_EQ("dialog checkpoint: PASSED (4 keys)", verdict.first);
  const std::vector<std::string> sent = Messages();
  EXPECT_EQ(0u, sent[sent.size() - 2].find("<command method=\"setAlertWindow\"")) << sent[sent.size() - 2];

  // A checkpoint in another window (a frame) leaves the script's window current again,
  // as the lines after it were recorded there.
  rows = "2";
  ASSERT_EQ("SUCCESS", Play("RecordEvent_setWindow[windowname:,:nav:;:windowtitle:,:Navigation:;:"
                            "parenttitle:,:Frame Set]"));
  const size_t atCheck = Messages().size();
  verdict = Verify(table);
  EXPECT_TRUE(verdict.second) << verdict.first;
  const std::vector<std::string> around = Messages();
  ASSERT_EQ(atCheck + 3, around.size());
  EXPECT_EQ(0u, around[atCheck].find("<command method=\"setWindow\" windowname=\"NONE\" windowtitle=\"Order Form\""));
  EXPECT_EQ(0u, around[atCheck + 1].find("<command method=\"executeTest\""));
  EXPECT_EQ(around[atCheck - 1], around[atCheck + 2]);

  // A window that is gone fails the checkpoint before anything is read (the script's
  // window is asked for again).
  windowThere = false;
  const size_t before = Messages().size();
  verdict = Verify(table);
  EXPECT_EQ("table checkpoint: ERROR_WINDOW_NOT_FOUND", verdict.first);
  const std::vector<std::string> after = Messages();
  ASSERT_EQ(before + 2, after.size());
  EXPECT_EQ(around[atCheck - 1], after[before + 1]);
}

}  // namespace
