// Table and text checkpoints: the verdicts and their debug message, the lines written to
// standard output, the column reply, and the escaped page text.
#include <string>

#include "validator_fixture.h"

namespace marbleck_validator_test {
namespace {

using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStdout;

const char* const kTables = R"html(<table id="five"><tr><td>r1</td><td>x</td><td>y</td></tr><tr><td>r2</td></tr>
<tr><td>r3</td><td>&lt;b&gt; &amp; "q"</td></tr><tr><td>r4</td><td> </td></tr><tr><td>r5</td><td></td></tr></table>
<table><tr><td>line one
line two</td><td>b1</td></tr></table>
<table><tr><td>line one
line two, again</td></tr></table>)html";

class TableCheckTest : public ValidatorTest {
 protected:
  // The replies of a table check and what it wrote to standard output.
  Replies table(const std::string& attributes, const std::string& checks, std::string& out,
                nsresult expected = NS_OK) {
    CaptureStdout();
    Replies replies = run(Check::Table, "<c caseid=\"t1\" " + attributes + ">" + checks + "</c>", expected);
    out = GetCapturedStdout();
    return replies;
  }
  static std::string verdict(const std::string& status, const std::string& debug) {
    return "<statusmessage caseid=\"t1\" status=\"" + status + "\"  debugMessage=\"" + debug + "\"/>\n";
  }
  static std::string line(const std::string& function, const std::string& condition, const std::string& expected,
                          const std::string& actual, bool passed) {
    return "[CheckPoint] [Property - " + function + " ][Condition - " + condition + "] [Expected value - " +
           expected + " ] [Actual value - " + actual + "]  " + (passed ? "PASSED" : "FAILED") + "\n";
  }
};

TEST_F(TableCheckTest, CountsPassWithTheirActualNumbersInTheDebugMessage) {
  page(kTables);
  std::string out;
  EXPECT_EQ(Replies{verdict("PASSED", "rowcount = 5;")},
            table(R"(id="five" index="0")", R"(<check function="rowcount" condition="gte" value="3"/>)", out));
  EXPECT_EQ(line("rowcount", "gte", "3", "5", true), out);

  // Every condition word, a failing one turning the verdict, the first row's cells.
  EXPECT_EQ(Replies{verdict("FAILED", "rowcount = 5;rowcount = 5;rowcount = 5;rowcount = 5;rowcount = 5;"
                                      "columncount = 3;columncount = 3;")},
            table(R"(id="five")",
                  R"(<check function="rowcount" condition="eq" value="5"/>)"
                  R"(<check function="rowcount" condition="neq" value="4"/>)"
                  R"(<check function="rowcount" condition="lt" value="6"/>)"
                  R"(<check function="rowcount" condition="lte" value="5"/>)"
                  R"(<check function="rowcount" condition="gt" value="5"/>)"
                  R"(<check function="columncount" condition="eq" value="3"/>)"
                  R"(<check function="columncount" condition="EQ" value="3"/>)",
                  out));
  EXPECT_EQ(line("rowcount", "eq", "5", "5", true) + line("rowcount", "neq", "4", "5", true) +
                line("rowcount", "lt", "6", "5", true) + line("rowcount", "lte", "5", "5", true) +
                line("rowcount", "gt", "5", "5", false) + line("columncount", "eq", "3", "3", true) +
                line("columncount", "EQ", "3", "3", false),
            out);
}

TEST_F(TableCheckTest, BadExpectedValuesAndUnknownWords) {
  page(kTables);
  std::string out;
  // Not a number reads 0; a huge number is held at the largest; unsigned comparison.
  EXPECT_EQ(Replies{verdict("FAILED", "rowcount = 5;rowcount = 5;rowcount = 5;")},
            table(R"(id="five")",
                  R"(<check function="rowcount" condition="gt" value="many"/>)"
                  R"(<check function="rowcount" condition="lt" value="99999999999999999999"/>)"
                  R"(<check function="rowcount" condition="" value=""/>)",
                  out));
  EXPECT_EQ(line("rowcount", "gt", "many", "5", true) + line("rowcount", "lt", "99999999999999999999", "5", true) +
                line("rowcount", "", "", "5", false),
            out);
  // A check that cannot be made fails and adds nothing; other children are passed over.
  EXPECT_EQ(Replies{verdict("FAILED", "")},
            table(R"(id="five")", R"(<check function="cellcount" condition="eq" value="1"/><other/>text)", out));
  EXPECT_EQ(line("cellcount", "eq", "1", "", false), out);
  // No check at all passes with an empty message.
  EXPECT_EQ(Replies{verdict("PASSED", "")}, table(R"(id="five")", "", out));
  EXPECT_EQ("", out);
}

TEST_F(TableCheckTest, CellTextsAreComparedRawAndShownWithBlanks) {
  page(kTables);
  std::string out;
  // The second table (no id) by its first cell as recorded: ten characters, a blank for
  // the line break.
  EXPECT_EQ(Replies{verdict("PASSED", "cellvalueat 1,1 = line one line two;")},
            table(R"(id="NONE" firstcellvalue="line one l" index="0")",
                  R"(<check function="cellvalueat" condition="eq" value="line one&#10;line two" rowid="1" colid="1"/>)",
                  out));
  EXPECT_EQ(line("cellvalueat", "eq", "line one\nline two", "line one\nline two", true), out);
  EXPECT_EQ(Replies{verdict("FAILED", "cellvalueat 1,1 = line one line two;")},
            table(R"(id="NONE" firstcellvalue="line one l" index="0")",
                  R"(<check function="cellvalueat" condition="eq" value="line one line two" rowid="1" colid="1"/>)",
                  out));
  // The second table with that first cell.
  EXPECT_EQ(Replies{verdict("PASSED", "cellvalueat 1,1 = line one line two, again;")},
            table(R"(id="NONE" firstcellvalue="line one l" index="1")",
                  R"(<check function="cellvalueat" condition="rm" value="again" rowid="1" colid="1"/>)", out));
}

TEST_F(TableCheckTest, TextConditions) {
  page(kTables);
  std::string out;
  const auto at = [&](const char* condition, const char* expected, const char* row = "2", const char* column = "1") {
    const Replies replies =
        table(R"(id="five")", std::string("<check function=\"cellvalueat\" condition=\"") + condition +
                                  "\" value=\"" + expected + "\" rowid=\"" + row + "\" colid=\"" + column + "\"/>",
              out);
    return replies.size() == 1 && replies[0].find("status=\"PASSED\"") != std::string::npos;
  };
  EXPECT_TRUE(at("eq", "r2"));
  EXPECT_FALSE(at("eq", "R2"));
  EXPECT_TRUE(at("neq", "r3"));
  EXPECT_TRUE(at("sw", "r"));
  EXPECT_FALSE(at("sw", "2"));
  EXPECT_TRUE(at("ew", "2"));
  EXPECT_TRUE(at("ew", "r2"));
  EXPECT_FALSE(at("ew", "r"));
  // Not found is no suffix, even where a "last occurrence" of -1 would sit at the end
  // of a text one character shorter.
  EXPECT_FALSE(at("ew", "xr2"));
  EXPECT_TRUE(at("rm", "2"));
  EXPECT_FALSE(at("rm", "3"));
  EXPECT_FALSE(at("contains", "r2"));
  EXPECT_FALSE(at("", "r2"));
  // An empty cell reads "NONE"; a cell out of range reads nothing.
  EXPECT_TRUE(at("eq", "NONE", "5", "2"));
  EXPECT_FALSE(at("eq", "NONE", "2", "2"));
  EXPECT_TRUE(at("eq", "", "2", "2"));
  EXPECT_FALSE(at("eq", "r1", "0", "1"));
  EXPECT_FALSE(at("eq", "r1", "-1", "1"));
  EXPECT_FALSE(at("eq", "r1", "99999999999", "1"));
  EXPECT_EQ(Replies{verdict("FAILED", "cellvalueat 9,x = ;")},
            table(R"(id="five")", R"(<check function="cellvalueat" condition="eq" value="r1" rowid="9" colid="x"/>)",
                  out));
  EXPECT_EQ(line("cellvalueat", "eq", "r1", "", false), out);
}

TEST_F(TableCheckTest, AColumnSortSendsOnlyTheColumn) {
  page(kTables);
  std::string out;
  // Escaped as page text, "NONE" for a blank or empty cell, rows too short left out.
  EXPECT_EQ(Replies{"<columnsort><cellvalue>x</cellvalue><cellvalue>&lt;b&gt; &amp; &quot;q&quot;</cellvalue>"
                    "<cellvalue>NONE</cellvalue><cellvalue>NONE</cellvalue></columnsort>\n"},
            table(R"(id="five")",
                  R"(<check function="rowcount" condition="eq" value="1"/><check function="columnsort" value="2"/>)",
                  out));
  EXPECT_EQ(line("rowcount", "eq", "1", "5", false), out) << "the column is not written out";
  EXPECT_EQ(Replies{"<columnsort><cellvalue>r1</cellvalue><cellvalue>r2</cellvalue><cellvalue>r3</cellvalue>"
                    "<cellvalue>r4</cellvalue><cellvalue>r5</cellvalue></columnsort>\n"},
            table(R"(id="five")", R"(<check function="columnsort" value="1"/>)", out));
  // Columns before the first or past the last hold nothing.
  for (const char* value : {"0", "-3", "", "4", "99999999999"}) {
    EXPECT_EQ(Replies{"<columnsort></columnsort>\n"},
              table(R"(id="five")", std::string(R"(<check function="columnsort" value=")") + value + "\"/>", out))
        << value;
  }
}

TEST_F(TableCheckTest, ATableNotFound) {
  page(kTables);
  std::string out;
  for (const char* attributes : {R"(id="six")", R"(id="five" index="1")", R"(id="five" index="-1")", R"(id="")",
                                 R"(id="NONE" firstcellvalue="nothing")", R"(id="NONE" firstcellvalue="r1" index="1")"}) {
    EXPECT_EQ(Replies{verdict("TABLE NOT FOUND", "")},
              table(attributes, R"(<check function="rowcount" condition="eq" value="5"/>)", out, NS_ERROR_FAILURE))
        << attributes;
    EXPECT_EQ("", out) << "no check was made";
  }
}

class TextCheckTest : public ValidatorTest {};

TEST_F(TextCheckTest, TheBodyTextIsEscaped) {
  page("<p>Say \"hi\" &amp; &lt;wave&gt;</p><p>next\nline</p>");
  EXPECT_EQ(Replies{"<textmessage bodytext=\"Say &quot;hi&quot; &amp; &lt;wave&gt;next line\"/>\n"},
            run(Check::Text, R"(<c caseid="x"/>)"));
  // An ampersand is escaped first, so an escaped text is escaped again, not undone.
  page("<p>&amp;quot;</p>");
  EXPECT_EQ(Replies{"<textmessage bodytext=\"&amp;quot;\"/>\n"}, run(Check::Text, R"(<c/>)"));
  page("");
  EXPECT_EQ(Replies{"<textmessage bodytext=\"\"/>\n"}, run(Check::Text, R"(<c/>)"));
  const std::string huge(50000, 'w');
  page("<p>" + huge + "</p>");
  EXPECT_EQ(Replies{"<textmessage bodytext=\"" + huge + "\"/>\n"}, run(Check::Text, R"(<c/>)"));
}

TEST_F(TextCheckTest, WithoutADocumentTheTextIsEmpty) {
  EXPECT_EQ(NS_OK, RunCheck(socket, nullptr, Check::Text, "<c/>"));
  EXPECT_EQ(Replies{"<textmessage bodytext=\"\"/>\n"}, ReadReplies(server));
  EXPECT_EQ(NS_ERROR_FAILURE, RunCheck(socket, nullptr, Check::Table, R"(<c caseid="1" id="T"/>)"));
  EXPECT_EQ(Replies{"<statusmessage caseid=\"1\" status=\"TABLE NOT FOUND\"  debugMessage=\"\"/>\n"},
            ReadReplies(server));
}

}  // namespace
}  // namespace marbleck_validator_test
