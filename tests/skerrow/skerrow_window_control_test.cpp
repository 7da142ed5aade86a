// The WindowControl natives on the simulated browser's own dialogs, as the host plays a
// script's dialog lines: the dialog named by its title, a control by class and id.
#include <string>

#include "skerrow_fixture.h"

namespace skerrowtest {
namespace {

constexpr char kAlertTitle[] = "Microsoft Internet Explorer";
constexpr char kPromptTitle[] = "Explorer User Prompt";
constexpr char kStringNative[] = "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;)Ljava/lang/String;";
constexpr const char* kNull = nullptr;

class WindowControlTest : public SkerrowTest {
 protected:
  // The Java strings a call makes are dropped when it returns.
  struct LocalFrame {
    LocalFrame() { testjvm::env()->PushLocalFrame(8); }
    ~LocalFrame() { testjvm::env()->PopLocalFrame(nullptr); }
  };

  static void SetUpTestSuite() {
    SkerrowTest::SetUpTestSuite();
    if (!window_) window_ = testjvm::newObject("com/corvalen/tarnwell/web/replay/WindowControl");
  }

  void openDialogsPage(const std::string& page = "dialogs.html") {
    ASSERT_TRUE(launchForPlayback());
    startPlayLoopThread(siteUrl(page));
    ASSERT_EQ("receiveEvents:Success", nextPlayed());
    if (page != "dialogs.html") return;
    // The page playback reads the answers from.
    LocalFrame frame;
    ASSERT_EQ("SUCCESS", callString(playback_, "setWindow",
                                     "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;I)"
                                     "Ljava/lang/String;",
                                     java("NONE"), java("Dialogs"), java("NONE"), java("eq,eq,eq"), 0));
  }

  // A Java string, or null for a null pointer; released by the caller's local frame.
  static jstring java(const char* text) { return text ? testjvm::env()->NewStringUTF(text) : nullptr; }

  std::string control(const char* native, const char* windowClass, const char* id, const char* value = "") {
    LocalFrame frame;
    return callString(window_, native, kStringNative, java(windowClass), java(id), java(value));
  }
  bool displayed(const char* title) {
    LocalFrame frame;
    return callBoolean(window_, "IsWindowDisplayed", "(Ljava/lang/String;Ljava/lang/String;)Z", java(""),
                       java(title)) == JNI_TRUE;
  }
  bool closeAlert() {
    LocalFrame frame;
    return callBoolean(window_, "CloseAlertWindow", "(Ljava/lang/String;)Z", java("")) == JNI_TRUE;
  }
  bool bodyShows(const std::string& text) {
    std::string body;
    const bool shown = waitFor([&] {
      body = callString(playback_, "getBodyText", "()Ljava/lang/String;");
      return body.find(text) != std::string::npos;
    }, 5000);
    if (!shown) ADD_FAILURE() << "body: " << body;
    return shown;
  }
  bool closes(const char* title) {
    return waitFor([&] { return !displayed(title); });
  }

  static jobject window_;
};

jobject WindowControlTest::window_ = nullptr;

TEST_F(WindowControlTest, AnAlertIsNamedByTitleCheckedAndAnsweredByItsOkButton) {
  openDialogsPage();
  userDoes("click #alertButton");
  ASSERT_TRUE(waitFor([&] { return displayed(kAlertTitle); }, 5000));
  EXPECT_EQ("SUCCESS", control("CheckWindowMessage", "Static", "65535", "Hello from the page"));
  EXPECT_EQ("FAILED", control("CheckWindowMessage", "Static", "65535", "Hello From The Page"));
  EXPECT_EQ("classname:,:Static:;:label:,:Hello from the page:;:value:,:Hello from the page:;:isVisible:,:true:;:"
            "isEnabled:,:true:;:controlid:,:65535:;:index:,:65535:;:ID:,:65535",
            control("DoCheckPoint", "Static", "65535"));
  // The icon has no text: no label, an empty value.
  EXPECT_EQ("classname:,:Static:;:label:,:NONE:;:value:,::;:isVisible:,:true:;:isEnabled:,:true:;:controlid:,:20:;:"
            "index:,:20:;:ID:,:20",
            control("DoCheckPoint", "Static", "20"));
  EXPECT_EQ("classname:,:Button:;:label:,:OK:;:isVisible:,:true:;:isEnabled:,:true:;:controlid:,:1:;:index:,:1:;:"
            "ID:,:1",
            control("DoCheckPoint", "Button", "1"));
  // Identifiers are compared as text, classes exactly.
  EXPECT_EQ("ERROR_CONTROL_REFERENCE_NULL", control("PerformAction", "Button", "01"));
  EXPECT_EQ("ERROR_CONTROL_REFERENCE_NULL", control("PerformAction", "button", "1"));
  EXPECT_EQ("ERROR_CONTROL_REFERENCE_NULL", control("CheckWindowMessage", "Static", "2", "Hello from the page"));
  EXPECT_TRUE(displayed(kAlertTitle)) << "nothing was pressed";
  EXPECT_EQ("SUCCESS", control("PerformAction", "Button", "1"));
  EXPECT_TRUE(closes(kAlertTitle));
  EXPECT_TRUE(bodyShows("alerted"));
}

TEST_F(WindowControlTest, ConfirmButtonsAreTellApartByIdentifierAndCloseAlertWindowDeclines) {
  openDialogsPage();
  userDoes("click #confirmButton");
  ASSERT_TRUE(waitFor([&] { return displayed(kAlertTitle); }, 5000));
  EXPECT_EQ("SUCCESS", control("CheckWindowMessage", "Button", "2", "Cancel"));
  EXPECT_EQ("SUCCESS", control("CheckWindowMessage", "Button", "1", "OK"));
  EXPECT_TRUE(closeAlert());
  EXPECT_TRUE(closes(kAlertTitle));
  EXPECT_TRUE(bodyShows("declined"));
  // The closed dialog's handle is stale: nothing is found in it any more.
  EXPECT_EQ("ERROR_CONTROL_REFERENCE_NULL", control("PerformAction", "Button", "1"));
  userDoes("click #confirmButton");
  ASSERT_TRUE(waitFor([&] { return displayed(kAlertTitle); }, 5000));
  EXPECT_EQ("SUCCESS", control("PerformAction", "Button", "1"));
  EXPECT_TRUE(bodyShows("agreed"));
}

TEST_F(WindowControlTest, APromptTakesItsTextThroughSetTextBox) {
  openDialogsPage();
  userDoes("click #promptButton");
  ASSERT_TRUE(waitFor([&] { return displayed(kPromptTitle); }, 5000));
  // The prompt's label is the dialog's last child.
  EXPECT_EQ("classname:,:Edit:;:isVisible:,:true:;:isEnabled:,:true:;:controlid:,:1003:;:value:,:nobody:;:"
            "attached_text:,:Your name?:;:ID:,:1003:;:index:,:1003",
            control("DoCheckPoint", "Edit", "1003"));
  EXPECT_EQ("SUCCESS", control("SetTextBox", "Edit", "1003", "C:\\temp\\ada"));
  EXPECT_NE(std::string::npos, control("DoCheckPoint", "Edit", "1003").find(":;:value:,:C:\\\\temp\\\\ada:;:"));
  EXPECT_EQ("ERROR_CONTROL_REFERENCE_NULL", control("SetTextBox", "Edit", "1004", "lost"));
  EXPECT_EQ("ERROR_CONTROL_REFERENCE_NULL", control("SetSelect", "ComboBox", "1003", "x"));
  EXPECT_EQ("ERROR_CONTROL_REFERENCE_NULL", control("SetAlertList", "SysListView32", "1", "x"));
  EXPECT_EQ("SUCCESS", control("SetTextBox", "Edit", "1003", "Ada"));
  EXPECT_EQ("SUCCESS", control("CheckWindowMessage", "Edit", "1003", "Ada"));
  EXPECT_EQ("SUCCESS", control("PerformAction", "Button", "1"));
  EXPECT_TRUE(closes(kPromptTitle));
  EXPECT_TRUE(bodyShows("name: Ada"));
}

TEST_F(WindowControlTest, TheFileChooserOffersEveryControlKind) {
  openDialogsPage("form.html");
  userDoes("click name=attachment");
  ASSERT_TRUE(waitFor([&] { return displayed("Choose file"); }, 5000));
  EXPECT_EQ("ERROR_UNKNOWN_CONTROL", control("DoCheckPoint", "SHELLDLL_DefView", "1121"));
  EXPECT_EQ("ERROR_UNKNOWN_CONTROL", control("DoCheckPoint", "ComboBoxEx32", "1148"));
  // The file name goes into the Edit two levels below the extended combo box.
  EXPECT_EQ("SUCCESS", control("SetTextBox", "ComboBoxEx32", "1148", "chosen.txt"));
  EXPECT_EQ("SUCCESS", control("CheckWindowMessage", "Edit", "1001", "chosen.txt"));
  EXPECT_EQ("classname:,:Edit:;:isVisible:,:true:;:isEnabled:,:true:;:controlid:,:1001:;:value:,:chosen.txt:;:"
            "attached_text:,:File &name::;:ID:,:1001:;:index:,:1001",
            control("DoCheckPoint", "Edit", "1001"));
  EXPECT_EQ("classname:,:ComboBox:;:label:,:NONE:;:isVisible:,:true:;:isEnabled:,:true:;:controlid:,:1136:;:"
            "count:,:1:;:selecteditem:,:All Files (*.*):;:selectedindex:,:0:;:index:,:1136:;:ID:,:1136:;:"
            "attached_text:,:Files of &type:",
            control("DoCheckPoint", "ComboBox", "1136"));
  EXPECT_EQ("SUCCESS", control("SetSelect", "ComboBox", "1136", "All"));
  EXPECT_EQ("ERROR_CONTROL_REFERENCE_DMM", control("SetSelect", "ComboBox", "1136", "Images"));
  const std::string list = control("DoCheckPoint", "SysListView32", "1");
  EXPECT_EQ(0u, list.find("classname:,:SysListView32:;:selectedindex:,:0:;:count:,:")) << list;
  EXPECT_NE(std::string::npos, list.find(":;:isVisible:,:true:;:isEnabled:,:true:;:controlid:,:1:;:ID:,:1")) << list;
  EXPECT_EQ("FAILED", control("SetAlertList", "SysListView32", "1", "no such file.txt"));
  EXPECT_EQ(list, control("DoCheckPoint", "SysListView32", "1")) << "the list is unchanged";
  EXPECT_EQ("SUCCESS", control("PerformAction", "Button", "2"));
  EXPECT_TRUE(closes("Choose file"));
}

TEST_F(WindowControlTest, SetAlertListSelectsAndDoubleClicksTheMatchingFile) {
  openDialogsPage("form.html");
  userDoes("click name=attachment");
  ASSERT_TRUE(waitFor([&] { return displayed("Choose file"); }, 5000));
  // The chooser lists the page's folder; the double click on a file chooses it.
  EXPECT_EQ("FAILED", control("SetAlertList", "SysListView32", "1", "INDEX.HTML")) << "the text must match exactly";
  EXPECT_EQ("SUCCESS", control("SetAlertList", "SysListView32", "1", "index.html"));
  EXPECT_TRUE(closes("Choose file"));
  // The field holds the chosen file's path.
  LocalFrame frame;
  ASSERT_EQ("SUCCESS", callString(playback_, "setWindow",
                                   "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;I)"
                                   "Ljava/lang/String;",
                                   java("NONE"), java("Order Form"), java("NONE"), java("eq,eq,eq"), 0));
  std::string field;
  EXPECT_TRUE(waitFor([&] {
    field = callString(playback_, "fixAndGetElementProp",
                       "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;ILjava/lang/String;)Ljava/lang/String;",
                       java("order"), java("file"), java("attachment"), 0, java("attachment"));
    return field.find("/examples/site/index.html") != std::string::npos;
  }, 5000)) << field;
}

TEST_F(WindowControlTest, NullEmptyAndHugeArgumentsFindNothing) {
  const std::string huge(100000, 'x');
  // No dialog named: nothing is found, nothing closes.
  EXPECT_FALSE(displayed(kNull));
  EXPECT_FALSE(displayed(""));
  EXPECT_FALSE(displayed(huge.c_str()));
  EXPECT_FALSE(closeAlert());
  for (const char* native : {"CheckWindowMessage", "PerformAction", "SetTextBox", "SetSelect", "SetAlertList",
                             "DoCheckPoint"}) {
    EXPECT_EQ("ERROR_CONTROL_REFERENCE_NULL", control(native, kNull, kNull, kNull)) << native;
    EXPECT_EQ("ERROR_CONTROL_REFERENCE_NULL", control(native, "", "", "")) << native;
    EXPECT_EQ("ERROR_CONTROL_REFERENCE_NULL", control(native, huge.c_str(), huge.c_str(), huge.c_str())) << native;
  }
  EXPECT_FALSE(callBoolean(window_, "CloseAlertWindow", "(Ljava/lang/String;)Z", kNull));

  openDialogsPage();
  userDoes("click #promptButton");
  ASSERT_TRUE(waitFor([&] { return displayed(kPromptTitle); }, 5000));
  for (const char* native : {"CheckWindowMessage", "PerformAction", "SetTextBox", "SetSelect", "SetAlertList",
                             "DoCheckPoint"}) {
    EXPECT_EQ("ERROR_CONTROL_REFERENCE_NULL", control(native, kNull, "1003", "x")) << native;
    EXPECT_EQ("ERROR_CONTROL_REFERENCE_NULL", control(native, "Edit", kNull, "x")) << native;
  }
  // Identifiers are compared as text: no number read out of them addresses the edit.
  for (const char* id : {"-1", "01003", "+1003", " 1003", "1003 ", "1003x", "4294968299", "99999999999999999999"}) {
    EXPECT_EQ("ERROR_CONTROL_REFERENCE_NULL", control("SetTextBox", "Edit", id, "x")) << id;
  }
  EXPECT_EQ("FAILED", control("CheckWindowMessage", "Edit", "1003", kNull));
  EXPECT_EQ("SUCCESS", control("SetTextBox", "Edit", "1003", huge.c_str()));
  EXPECT_EQ("SUCCESS", control("CheckWindowMessage", "Edit", "1003", huge.c_str()));
  EXPECT_EQ("SUCCESS", control("SetTextBox", "Edit", "1003", kNull));
  EXPECT_EQ("SUCCESS", control("CheckWindowMessage", "Edit", "1003", ""));
  EXPECT_TRUE(closeAlert());
  // The dialog named last is gone, not named again: nothing in it is found any more.
  ASSERT_TRUE(waitFor([] { return FindWindowA(nullptr, kPromptTitle) == nullptr; }, 5000));
  for (const char* native : {"CheckWindowMessage", "PerformAction", "SetTextBox", "SetSelect", "SetAlertList",
                             "DoCheckPoint"}) {
    EXPECT_EQ("ERROR_CONTROL_REFERENCE_NULL", control(native, "Edit", "1003", "x")) << native;
  }
  EXPECT_TRUE(closes(kPromptTitle));
  EXPECT_TRUE(bodyShows("no name"));
}

}  // namespace
}  // namespace skerrowtest
