#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/line_kinds.h"
#include "common/script_line.h"

namespace sl = scriptline;

namespace {

TEST(RecordedLine, WritesTheKindsOrderWhateverTheOrderOfSetting) {
  sl::Line<std::string> line(sl::ie::kClickLink);
  line.set("tooltip", "Go home").set("index", "0").set("target", "_top");
  line.set("innertext", "Home").set("sourceindex", "12").set("id", "homeLink").set("name", "NONE");
  EXPECT_EQ(
      "clickLink[name:,:NONE:;:id:,:homeLink:;:innertext:,:Home:;:formname:,:NONE:;:sourceindex:,:12:;:"
      "type:,:link:;:source:,:NONE:;:target:,:_top:;:index:,:0:;:tooltip:,:Go home]",
      line.recordedLine());
}

TEST(RecordedLine, DivWithoutNameIdOrTextRecordsNoneForEachAndItsFixedValues) {
  sl::Line<std::string> line(sl::ie::kClickList);
  line.set("index", "0").set("sourceindex", "7");
  EXPECT_EQ("clickList[name:,:NONE:;:id:,:NONE:;:formname:,:NONE:;:type:,:div:;:index:,:0:;:sourceindex:,:7]",
            line.recordedLine());
}

TEST(RecordedLine, FileInputHasNoIndexAndSourceNone) {
  sl::Line<std::string> line(sl::ie::kClickFileButton);
  line.set("name", "upload").set("id", "NONE").set("formname", "f").set("sourceindex", "3");
  line.set("value", "").set("type", "file").set("disable", "false").set("tooltip", "NONE");
  EXPECT_EQ(
      "clickButton[name:,:upload:;:id:,:NONE:;:formname:,:f:;:sourceindex:,:3:;:source:,:NONE:;:value:,::;:"
      "type:,:file:;:disable:,:false:;:tooltip:,:NONE]",
      line.recordedLine());
}

TEST(RecordedLine, MozillaLinesCarryThePrefixAndALineFeed) {
  sl::Line<std::u16string> line(sl::moz::kChangeURL);
  line.set("name", u"file:///site/caf\u00E9.html");
  EXPECT_EQ(u"RecordEvent_changeURL[name:,:file:///site/caf\u00E9.html]\n", line.recordEvent());
  EXPECT_EQ(u"RecordEvent_launchApplication(\"about:blank\")\n", sl::recordLaunchEvent<std::u16string>(u"about:blank"));
}

TEST(RecordedLine, MozillaCloseLinesEndEveryPairWithTheSeparator) {
  sl::Line<std::u16string> close(sl::moz::kCloseWindow);
  close.set("parenttitle", u"Top").set("windowname", u"NONE").set("windowtitle", u"Top");
  EXPECT_EQ(u"RecordEvent_closeWindow[parenttitle:,:Top:;:windowname:,:NONE:;:windowtitle:,:Top:;:]\n",
            close.recordEvent());
  sl::Line<std::u16string> alert(sl::moz::kCloseAlertWindow);
  alert.set("windowtitle", u"[JavaScript Application]");
  EXPECT_EQ(u"RecordEvent_closeAlertWindow[windowtitle:,:[JavaScript Application]:;:]\n", alert.recordEvent());
}

TEST(LaunchLine, QuotesTheUrlInsideTheCall) {
  EXPECT_EQ("launchApplication(\"file:///site/index.html\")", sl::launchLine<std::string>("file:///site/index.html"));
}

TEST(PropertyList, EveryPairIsTerminatedAndTheListEndsWithItsMark) {
  EXPECT_EQ(":;;:", sl::propertyList({}));
  EXPECT_EQ("windowtitle:,:v:;::;;:", sl::propertyList({"windowtitle", "v"}));
  // GetWindowInfo before anything was recorded.
  EXPECT_EQ("parenttitle:,::;:windowtitle:,::;:windowname:,::;::;;:",
            sl::propertyList({"parenttitle", "", "windowtitle", "", "windowname", ""}));
}

TEST(PropertyList, CheckpointArraysAreTheWindowBlockThenTheElementKeys) {
  std::vector<std::string> properties;
  sl::Line<std::string> window(sl::ie::kCheckpointWindowBlock);
  window.set("windowtitle", "Form").set("windowname", "main").set("parenttitle", "Site").set("tooltip", "NONE");
  window.appendTo(properties);
  sl::Line<std::string> link(sl::ie::kCheckpointLink);
  link.set("name", "NONE").set("id", "a1").set("sourceindex", "9").set("innertext", "Next").set("index", "0");
  link.set("tooltip", "more");
  link.appendTo(properties);
  EXPECT_EQ(
      "windowtitle:,:Form:;:windowname:,:main:;:parenttitle:,:Site:;:tooltip:,:NONE:;:type:,:link:;:name:,:NONE:;:"
      "formname:,:NONE:;:id:,:a1:;:sourceindex:,:9:;:innertext:,:Next:;:index:,:0:;:tooltip:,:more:;::;;:",
      sl::propertyList(properties));
}

TEST(ReadBackList, PairsAreJoinedWithoutAClosingMark) {
  sl::Pairs<std::string> pairs{{"name", "q"}, {"windowtitle", "Search"}};
  EXPECT_EQ("name:,:q:;:windowtitle:,:Search", sl::joinPairs(pairs));
  EXPECT_EQ("name:,:q:;:windowtitle:,:Search:;:", sl::terminatePairs(pairs));
  EXPECT_EQ("", sl::joinPairs(sl::Pairs<std::string>{}));
}

TEST(Values, LineBreaksOptionTextsFlagsAndNone) {
  EXPECT_EQ("first<VK_RETURN>second", sl::markLineBreaks<std::string>("first\r\nsecond", "\r\n"));
  EXPECT_EQ("end<VK_RETURN>", sl::markLineBreaks<std::string>("end\r\n", "\r\n"));
  EXPECT_EQ("lone\rcarriage", sl::markLineBreaks<std::string>("lone\rcarriage", "\r\n"));
  EXPECT_EQ(u"a<VK_RETURN><VK_RETURN>b", sl::markLineBreaks<std::u16string>(u"a\n\nb", u"\n"));
  EXPECT_EQ("Red:-:Blue", sl::joinItems<std::string>({"Red", "Blue"}));
  EXPECT_EQ("", sl::joinItems<std::string>({}));
  EXPECT_EQ("true", sl::flag<std::string>(true));
  EXPECT_EQ(u"false", sl::flag<std::u16string>(false));
  EXPECT_EQ("NONE", sl::noneIfEmpty<std::string>(""));
  EXPECT_EQ("x", sl::noneIfEmpty<std::string>("x"));
  EXPECT_EQ("42", sl::number<std::string>(42));
}

TEST(CheckPointEvent, WrapsTheBodyInItsPrefixAndLineFeed) {
  EXPECT_EQ(u"CheckPointEvent_selectedText:,:x\n", sl::checkPointEvent<std::u16string>(u"selectedText:,:x"));
}

}  // namespace
