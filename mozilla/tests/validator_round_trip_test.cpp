// What the recorder records as a checkpoint, the validator finds again and reads back to
// the same values: every recorded line is turned into a command as a host would (the
// recorded pairs as attributes, each recorded key asked for in the "check" child), and
// every value of the reply must equal the recorded one.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "nsIDOMEvent.h"
#include "nsIDOMEventTarget.h"
#include "dom_reading.h"
#include "nsIDOMNodeList.h"
#include "nsPlayBackUtils.h"
#include "recorder_fixture.h"
#include "validator_fixture.h"

namespace marbleck_validator_test {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

// "CheckPointEvent_k:,:v:;:k:,:v..." as pairs.
Pairs recordedPairs(const std::string& line) {
  Pairs pairs;
  const std::string prefix = "CheckPointEvent_";
  EXPECT_EQ(0u, line.find(prefix)) << line;
  std::string rest = line.substr(prefix.size());
  while (!rest.empty()) {
    const size_t end = rest.find(":;:");
    const std::string pair = rest.substr(0, end);
    const size_t separator = pair.find(":,:");
    if (separator != std::string::npos) pairs.emplace_back(pair.substr(0, separator), pair.substr(separator + 3));
    if (end == std::string::npos) break;
    rest = rest.substr(end + 3);
  }
  return pairs;
}

std::string escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '&') out += "&amp;";
    else if (c == '"') out += "&quot;";
    else if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else out += c;
  }
  return out;
}

// The pairs of a status reply: `name="value" ` or `name ="value" `.
std::map<std::string, std::string> replyPairs(const std::string& reply) {
  std::map<std::string, std::string> pairs;
  const std::string start = "status=\"PASSED\" ";
  size_t at = reply.find(start);
  EXPECT_NE(std::string::npos, at) << reply;
  if (at == std::string::npos) return pairs;
  at += start.size();
  while (true) {
    const size_t equals = reply.find("=\"", at);
    if (equals == std::string::npos) break;
    const size_t close = reply.find("\" ", equals + 2);
    if (close == std::string::npos) break;
    std::string name = reply.substr(at, equals - at);
    if (!name.empty() && name.back() == ' ') name.pop_back();
    pairs[name] = reply.substr(equals + 2, close - equals - 2);
    at = close + 2;
  }
  return pairs;
}

class RecordedCheckpointTest : public marbleck_recorder_test::RecorderTest {
 protected:
  // Records one element checkpoint by `action`, validates it on the same page, and
  // compares. `expectedKeys` are the properties the reply must carry.
  void roundTrip(const std::string& action, const std::vector<std::string>& expectedKeys) {
    SCOPED_TRACE(action);
    Act(action);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(1u, lines.size()) << ::testing::PrintToString(lines);
    compare(lines[0], expectedKeys);
  }

  void compare(const std::string& line, const std::vector<std::string>& expectedKeys) {
    const Pairs recorded = recordedPairs(line);
    std::string attributes, checks;
    for (const auto& [key, value] : recorded) {
      attributes += " " + key + "=\"" + escaped(value) + "\"";
      checks += " " + key + "=\"" + escaped(value) + "\"";
    }
    nsCOMPtr<nsIDOMDocument> document;
    ASSERT_EQ(NS_OK, gecko->GetDocument(getter_AddRefs(document)));
    EXPECT_EQ(NS_OK, RunCheck(socket, document, Check::Element,
                              "<c caseid=\"r\" checktype=\"element\"" + attributes + "><check" + checks + "/></c>"));
    const std::vector<std::string> replies = Lines();
    ASSERT_EQ(1u, replies.size()) << line;
    const auto read = replyPairs(replies[0]);
    for (const auto& key : expectedKeys) EXPECT_EQ(1u, read.count(key)) << key << " in " << replies[0];
    for (const auto& [key, value] : recorded) {
      auto found = read.find(key);
      if (found != read.end()) {
        EXPECT_EQ(value, found->second) << key << " in " << replies[0];
      }
    }
  }

  // A click on a node of the front dialog, as a person's would arrive.
  void clickInDialog(nsIDOMNode* node) {
    nsCOMPtr<nsIDOMDocument> dialog;
    ASSERT_EQ(NS_OK, gecko->GetDialogDocument(getter_AddRefs(dialog)));
    nsCOMPtr<nsIDOMEvent> event;
    ASSERT_EQ(NS_OK, nsPlayBackUtils::CreateDOMEvent(NS_LITERAL_STRING("MouseEvents"), NS_LITERAL_STRING("click"),
                                                     dialog, getter_AddRefs(event)));
    nsCOMPtr<nsIDOMEventTarget> target = nsPlayBackUtils::detail::queryTo<nsIDOMEventTarget>(node);
    ASSERT_TRUE(target);
    PRBool notCancelled = PR_TRUE;
    ASSERT_EQ(NS_OK, target->DispatchEvent(event, &notCancelled));
  }
};

TEST_F(RecordedCheckpointTest, PageElementsReadBackAsRecorded) {
  Open("checkpoints.html");
  ASSERT_EQ(NS_OK, recorder->SetElementCheckpointMode(PR_TRUE));
  roundTrip("click #mail", {"name", "id", "formname", "type", "disable", "value", "tooltip", "windowtitle"});
  roundTrip("click INPUT[2]", {"name", "value", "type"});  // the second of three named "N"
  roundTrip("click #calc", {"id", "value", "source", "defaultChecked", "tooltip"});
  roundTrip("click INPUT[7]", {"name", "value", "defaultChecked"});  // agree, checked
  roundTrip("click name=remarks", {"name", "value", "type", "formname", "disable", "tooltip", "windowtitle"});
  roundTrip("click name=color", {"name", "type", "formname", "disable", "allitems", "selecteditems", "tooltip"});
  roundTrip("click A[0]", {"name", "id", "innertext", "target", "tooltip", "windowtitle"});
  roundTrip("click #away", {"id", "innertext", "target"});
  roundTrip("click #logo", {"name", "id", "source", "alt", "tooltip", "windowtitle"});
  roundTrip("click TD[5]", {"cellvalue", "id", "rowindex", "columnindex", "windowtitle"});
  roundTrip("click TD[7]", {"cellvalue", "rowindex", "columnindex"});  // a table without id
  roundTrip("click TD[9]", {"cellvalue", "id", "rowindex", "columnindex"});  // the second cell with id "c"
}

// A table checkpoint's recorded counts and cell, checked on the same page, pass: the
// table is found by its id, or by its first cell and index as the recorder counted them.
TEST_F(RecordedCheckpointTest, RecordedTablesPassTheirOwnChecks) {
  Open("checkpoints.html");
  ASSERT_EQ(NS_OK, recorder->SetTableCheckpointMode(PR_TRUE));
  for (const char* cell : {"TD[5]", "TD[7]", "TD[9]"}) {
    SCOPED_TRACE(cell);
    Act(std::string("click ") + cell);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(1u, lines.size()) << ::testing::PrintToString(lines);
    std::map<std::string, std::string> recorded;
    for (const auto& [key, value] : recordedPairs(lines[0])) recorded[key] = value;
    const std::string command =
        "<c caseid=\"t\" checktype=\"table\" id=\"" + escaped(recorded["id"]) + "\" firstcellvalue=\"" +
        escaped(recorded["firstcellvalue"]) + "\" index=\"" + recorded["index"] + "\">" +
        "<check function=\"rowcount\" condition=\"eq\" value=\"" + recorded["rowcount"] + "\"/>" +
        "<check function=\"columncount\" condition=\"eq\" value=\"" + recorded["columncount"] + "\"/>" +
        "<check function=\"cellvalueat\" condition=\"eq\" value=\"" + escaped(recorded["cellvalue"]) +
        "\" rowid=\"" + recorded["rowindex"] + "\" colid=\"" + recorded["columnindex"] + "\"/></c>";
    nsCOMPtr<nsIDOMDocument> document;
    ASSERT_EQ(NS_OK, gecko->GetDocument(getter_AddRefs(document)));
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(NS_OK, RunCheck(socket, document, Check::Table, command));
    ::testing::internal::GetCapturedStdout();
    const std::vector<std::string> replies = Lines();
    ASSERT_EQ(1u, replies.size());
    EXPECT_EQ("<statusmessage caseid=\"t\" status=\"PASSED\"  debugMessage=\"rowcount = " + recorded["rowcount"] +
                  ";columncount = " + recorded["columncount"] + ";cellvalueat " + recorded["rowindex"] + "," +
                  recorded["columnindex"] + " = " + recorded["cellvalue"] + ";\"/>",
              replies[0]);
  }
  ASSERT_EQ(NS_OK, recorder->SetTableCheckpointMode(PR_FALSE));
}

TEST_F(RecordedCheckpointTest, DialogControlsReadBackAsRecorded) {
  Open("dialogs.html");
  Act("click #promptButton");
  Lines();
  ASSERT_EQ(NS_OK, recorder->SetElementCheckpointMode(PR_TRUE));
  nsCOMPtr<nsIDOMDocument> dialog;
  ASSERT_EQ(NS_OK, gecko->GetDialogDocument(getter_AddRefs(dialog)));

  nsCOMPtr<nsIDOMNodeList> anonymous;
  ASSERT_EQ(NS_OK, nsPlayBackUtils::GetRootAnonymousNodes(dialog, getter_AddRefs(anonymous)));
  nsCOMPtr<nsIDOMNode> ok;
  ASSERT_EQ(NS_OK, nsPlayBackUtils::FindNodeByName(NS_LITERAL_STRING("xul:button"), anonymous,
                                                   NS_LITERAL_STRING("label"), NS_LITERAL_STRING("OK"),
                                                   getter_AddRefs(ok)));
  clickInDialog(ok);
  std::vector<std::string> lines = Lines();
  ASSERT_EQ(1u, lines.size());
  compare(lines[0], {"classname", "name", "isVisible", "isEnabled"});

  nsCOMPtr<nsIDOMNodeList> descriptions;
  ASSERT_EQ(NS_OK, dialog->GetElementsByTagName(NS_LITERAL_STRING("description"), getter_AddRefs(descriptions)));
  nsCOMPtr<nsIDOMNode> message = nsPlayBackUtils::detail::itemOf(descriptions, 2);
  ASSERT_TRUE(message);
  clickInDialog(message);
  lines = Lines();
  ASSERT_EQ(1u, lines.size());
  compare(lines[0], {"value"});

  ASSERT_EQ(NS_OK, recorder->SetElementCheckpointMode(PR_FALSE));
  ASSERT_TRUE(gecko->act("dialog OK"));
}

}  // namespace
}  // namespace marbleck_validator_test
