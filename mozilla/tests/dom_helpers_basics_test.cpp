// The matching rule, command documents, their index attribute, made events, the UI
// thread's queue and status replies.
#include <string>

#include "ClientSocket.h"
#include "dom_helpers_fixture.h"
#include "loopback_server.h"
#include "nsIDOMEvent.h"
#include "nsIDOMEventTarget.h"
#include "nsIDOMNodeList.h"
#include "nsIEventQueue.h"
#include "nsPlayBackUtils.h"

namespace marbleck_dom_test {
namespace {

using namespace nsPlayBackUtils;

bool matches(const std::string& actual, const std::string& expected, const std::string& condition) {
  const nsresult rv = MatchCondition(wide(actual), wide(expected), wide(condition));
  EXPECT_TRUE(rv == NS_OK || rv == NS_ERROR_FAILURE);
  return rv == NS_OK;
}

TEST(MatchConditionTest, EqualsIsExactAndCaseSensitive) {
  EXPECT_TRUE(matches("Sample Home", "Sample Home", "equals"));
  EXPECT_FALSE(matches("Sample Home", "sample home", "equals"));
  EXPECT_FALSE(matches("Sample Home", "Sample Home ", "equals"));
  EXPECT_TRUE(matches("", "", "equals"));
  EXPECT_FALSE(matches("", "NONE", "equals"));
}

TEST(MatchConditionTest, OnlyTheThreeConditionWordsAsWrittenMatchAnything) {
  for (const char* word : {"Equals", "EQUALS", "equal", "starts With", "endswith", "", "contains"}) {
    SCOPED_TRACE(word);
    EXPECT_FALSE(matches("same", "same", word));
  }
}

TEST(MatchConditionTest, StartsWithAndEndsWithCompareTheEnds) {
  EXPECT_TRUE(matches("Sample Home", "Sample", "starts with"));
  EXPECT_FALSE(matches("Sample Home", "Home", "starts with"));
  EXPECT_FALSE(matches("Sample Home", "sample", "starts with"));
  EXPECT_TRUE(matches("Sample Home", "Home", "ends with"));
  EXPECT_FALSE(matches("Sample Home", "Sample", "ends with"));
  // The last occurrence is the one at the end.
  EXPECT_TRUE(matches("Home, Home", "Home", "ends with"));
  EXPECT_TRUE(matches("abc", "", "starts with"));
  EXPECT_TRUE(matches("abc", "", "ends with"));
  EXPECT_TRUE(matches("abc", "abc", "ends with"));
  EXPECT_FALSE(matches("abc", "abcd", "starts with"));
}

// Mended: a test of where the last occurrence starts took "not found" for a match when
// the expected text was one unit longer than the actual one.
TEST(MatchConditionTest, AnExpectedTextOneLongerThanTheActualNeverEndsIt) {
  EXPECT_FALSE(matches("abc", "xabc", "ends with"));
  EXPECT_FALSE(matches("", "x", "ends with"));
  EXPECT_FALSE(matches("abc", "zzzzzz", "ends with"));
}

TEST(MatchConditionTest, LineBreakMarkerStandsForOneLineFeedUnderEveryCondition) {
  EXPECT_TRUE(matches("first\nsecond", "firstVK_RETURNsecond", "equals"));
  EXPECT_FALSE(matches("first second", "firstVK_RETURNsecond", "equals"));
  EXPECT_TRUE(matches("first\nsecond line", "firstVK_RETURNsec", "starts with"));
  EXPECT_TRUE(matches("a\n\nb", "VK_RETURNVK_RETURNb", "ends with"));
  // The actual text is taken as it is.
  EXPECT_FALSE(matches("VK_RETURN", "VK_RETURN", "equals"));
}

// Mended: the prefix and suffix tests compare UTF-16 units as "equals" does; widening
// the expected text's UTF-8 bytes one by one never matched a text beyond ASCII.
TEST(MatchConditionTest, TextsBeyondAsciiStartAndEndAsTheyRead) {
  EXPECT_TRUE(matches("Caf\xC3\xA9 au lait", "Caf\xC3\xA9", "starts with"));
  EXPECT_TRUE(
      matches("Gr\xC3\xBC\xC3\x9F"
              "e aus K\xC3\xB6ln",
              "K\xC3\xB6ln", "ends with"));
  EXPECT_TRUE(matches("\xF0\x9F\x98\x80 smile", "\xF0\x9F\x98\x80", "starts with"));
  EXPECT_FALSE(matches("Caf\xC3\xA9", "Cafe", "starts with"));
}

TEST(MatchConditionTest, HugeTexts) {
  const std::string big(1 << 20, 'a');
  EXPECT_TRUE(matches(big + "end", big, "starts with"));
  EXPECT_TRUE(matches(big + "end", "aend", "ends with"));
  EXPECT_TRUE(matches(big, big, "equals"));
}

class CommandDocumentTest : public DomHelpersTest {
 protected:
  nsCOMPtr<nsIDOMElement> parse(const std::string& xml) {
    nsCOMPtr<nsIDOMElement> root;
    EXPECT_EQ(NS_OK, ParseCommandDocument(wide(xml), getter_AddRefs(root)));
    return root;
  }
  PRInt32 indexOf(const std::string& xml) {
    PRInt32 index = -77;
    EXPECT_EQ(NS_OK, GetIndexAttribute(parse(xml), &index));
    return index;
  }
};

TEST_F(CommandDocumentTest, TheRootElementOfACommandWithItsAttributes) {
  auto root = parse("<clickButton id=\"NONE\" name=\"go\" index=\"1\"><option selectedvalue=\"x\"/></clickButton>");
  ASSERT_TRUE(root);
  EXPECT_EQ("clickButton", nodeName(root));
  EXPECT_EQ("go", attribute(root, "name"));
  // The element keeps its document: its children are still there.
  nsCOMPtr<nsIDOMNodeList> options;
  ASSERT_EQ(NS_OK, root->GetElementsByTagName(wide("option"), getter_AddRefs(options)));
  PRUint32 length = 0;
  ASSERT_EQ(NS_OK, options->GetLength(&length));
  EXPECT_EQ(1u, length);
}

TEST_F(CommandDocumentTest, TextThatIsNotWellFormedGivesTheParserErrorDocumentsRoot) {
  for (const char* text : {"<clickButton name=\"go\">", "", "plain words", "<a></b>"}) {
    SCOPED_TRACE(text);
    auto root = parse(text);
    EXPECT_EQ("parsererror", nodeName(root));
  }
}

TEST_F(CommandDocumentTest, TextBeyondAsciiAndAHugeValueArriveWhole) {
  const std::string big(300000, 'v');
  auto root = parse("<setText value=\"" + big + "\" name=\"K\xC3\xB6ln\"/>");
  EXPECT_EQ(big, attribute(root, "value"));
  EXPECT_EQ("K\xC3\xB6ln", attribute(root, "name"));
}

TEST_F(CommandDocumentTest, TheIndexIsReadAsAtoiReadsIt) {
  EXPECT_EQ(0, indexOf("<c/>"));
  EXPECT_EQ(0, indexOf("<c index=\"\"/>"));
  EXPECT_EQ(2, indexOf("<c index=\"2\"/>"));
  EXPECT_EQ(12, indexOf("<c index=\" 12th\"/>"));
  EXPECT_EQ(0, indexOf("<c index=\"first\"/>"));
  EXPECT_EQ(-1, indexOf("<c index=\"-1\"/>"));
  // Held within PRInt32 rather than overflowing.
  EXPECT_EQ(2147483647, indexOf("<c index=\"99999999999999999999\"/>"));
  EXPECT_EQ(-2147483647 - 1, indexOf("<c index=\"-99999999999999999999\"/>"));
  PRInt32 index = 5;
  EXPECT_EQ(NS_OK, GetIndexAttribute(nullptr, &index));
  EXPECT_EQ(0, index);
  EXPECT_EQ(NS_ERROR_NULL_POINTER, GetIndexAttribute(parse("<c/>"), nullptr));
}

TEST_F(CommandDocumentTest, MadeEventsAreInitialisedButNotDispatched) {
  open("index.html");
  nsCOMPtr<nsIDOMEvent> event;
  ASSERT_EQ(NS_OK, CreateDOMEvent(wide("MouseEvents"), wide("click"), document, getter_AddRefs(event)));
  ASSERT_TRUE(event);
  nsString type;
  ASSERT_EQ(NS_OK, event->GetType(type));
  EXPECT_EQ("click", utf8(type));
  PRBool bubbles = PR_FALSE, cancelable = PR_FALSE;
  ASSERT_EQ(NS_OK, event->GetBubbles(&bubbles));
  ASSERT_EQ(NS_OK, event->GetCancelable(&cancelable));
  EXPECT_TRUE(bubbles);
  EXPECT_TRUE(cancelable);
  nsCOMPtr<nsIDOMEventTarget> target;
  ASSERT_EQ(NS_OK, event->GetTarget(getter_AddRefs(target)));
  EXPECT_FALSE(target);

  ASSERT_EQ(NS_OK, CreateDOMEvent(wide("Events"), wide("change"), document, getter_AddRefs(event)));
  EXPECT_TRUE(event);
  EXPECT_NE(NS_OK, CreateDOMEvent(wide("NoSuchEvents"), wide("click"), document, getter_AddRefs(event)));
  EXPECT_FALSE(event);
  EXPECT_EQ(NS_ERROR_FAILURE, CreateDOMEvent(wide("Events"), wide("change"), nullptr, getter_AddRefs(event)));
  EXPECT_FALSE(event);
}

TEST_F(CommandDocumentTest, ElementsByTagInDocumentOrderAndNoListWithoutADocument) {
  open("index.html");
  nsCOMPtr<nsIDOMNodeList> list;
  ASSERT_EQ(NS_OK, GetElementsByTag(wide("DIV"), document, getter_AddRefs(list)));
  nsCOMPtr<nsIDOMNode> second;
  ASSERT_EQ(NS_OK, list->Item(1, getter_AddRefs(second)));
  EXPECT_EQ("news", attribute(second, "id"));
  EXPECT_EQ(NS_ERROR_OUT_OF_MEMORY, GetElementsByTag(wide("DIV"), nullptr, getter_AddRefs(list)));
  EXPECT_FALSE(list);
  EXPECT_EQ(NS_ERROR_NULL_POINTER, ParseCommandDocument(wide("<c/>"), nullptr));
}

TEST_F(CommandDocumentTest, TheUiQueueIsTheBrowserThreadsQueue) {
  open("index.html");
  nsCOMPtr<nsIEventQueue> queue;
  ASSERT_EQ(NS_OK, GetUIEventQueue(getter_AddRefs(queue)));
  ASSERT_TRUE(queue);
  PRBool here = PR_TRUE;
  ASSERT_EQ(NS_OK, queue->IsOnCurrentThread(&here));
  EXPECT_FALSE(here);  // the test thread is not the UI thread
}

TEST(StatusMessageTest, OneReplyLineWithTheValuesAsGiven) {
  marbleck_test::LoopbackServer server;
  ClientSocket socket;
  socket.Create();
  ASSERT_EQ(0, socket.Connect("127.0.0.1", server.port()));
  ASSERT_TRUE(server.Accept());

  ASSERT_EQ(NS_OK, SendStatusMessage(wide("SUCCESS"), wide(""), socket));
  EXPECT_EQ("<message status=\"SUCCESS\" debugMessage=\"\"/>", server.ReadLine().value_or("(nothing)"));
  ASSERT_EQ(NS_OK, SendStatusMessage(wide("FAILED"), wide("Set Text Failed \xC3\xA9"), socket));
  EXPECT_EQ("<message status=\"FAILED\" debugMessage=\"Set Text Failed \xC3\xA9\"/>",
            server.ReadLine().value_or("(nothing)"));

  // A reply that cannot be sent is not reported as sent.
  socket.Close();
  EXPECT_EQ(NS_ERROR_FAILURE, SendStatusMessage(wide("SUCCESS"), wide(""), socket));
}

}  // namespace
}  // namespace marbleck_dom_test
