// Tables and property read-back through the real JVM, as the Java host verifies a
// checkpoint during playback: the table natives, the property lists of every kind of
// element, of a cell and of a table, and the page text.
#include <gtest/gtest.h>

#include <string>

#include "skerrow_fixture.h"

namespace skerrowtest {
namespace {

using testjvm::env;

constexpr const char* kFiveTexts =
    "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;ILjava/lang/String;)Ljava/lang/String;";

class ReadBackTest : public SkerrowTest {
 protected:
  void SetUp() override {
    env()->PushLocalFrame(64);
    ASSERT_TRUE(launchForPlayback());
    startPlayLoopThread(siteUrl("readback.html"));
    ASSERT_EQ("receiveEvents:Success", nextPlayed());
    ASSERT_EQ("SUCCESS", setWindow("NONE", "Read Back", "NONE"));
  }
  void TearDown() override {
    SkerrowTest::TearDown();
    env()->PopLocalFrame(nullptr);
  }

  jstring s(const std::string& text) { return env()->NewStringUTF(text.c_str()); }

  std::string setWindow(const std::string& name, const std::string& title, const std::string& parent) {
    return callString(playback_, "setWindow",
                      "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;I)Ljava/lang/String;",
                      s(name), s(title), s(parent), s("eq,eq,eq"), 0);
  }
  void goTo(const std::string& page, const std::string& title) {
    callBoolean(playback_, "goToURL", "(Ljava/lang/String;)Z", s(siteUrl(page)));
    ASSERT_EQ("receiveEvents:Success", nextPlayed());
    ASSERT_EQ("SUCCESS", setWindow("NONE", title, "NONE"));
  }
  std::string elementProps(const std::string& type, const std::string& name, int index = 0,
                           const std::string& id = "NONE") {
    return callString(playback_, "fixAndGetElementProp", kFiveTexts, s("entry"), s(type), s(name), index, s(id));
  }
  std::string fixTable(const std::string& firstCell, int index = 0, const std::string& id = "NONE") {
    return callString(playback_, "fixTable", kFiveTexts, s("NONE"), s("NONE"), s(firstCell), index, s(id));
  }
  std::string tableProps(const std::string& firstCell, int index = 0, const std::string& id = "NONE") {
    return callString(playback_, "fixAndGetTableProp", kFiveTexts, s("NONE"), s("NONE"), s(firstCell), index, s(id));
  }
  std::string cellValue(int row, int column) {
    return callString(playback_, "getTableCellValue", "(II)Ljava/lang/String;", row, column);
  }
  std::string columnValues(int column) {
    return callString(playback_, "getTableColumnValues", "(I)Ljava/lang/String;", column);
  }
  std::string cellProps(int column, int row, const std::string& cellId = "NONE", int index = 0) {
    return callString(playback_, "fixAndGetCellProp", "(IILjava/lang/String;I)Ljava/lang/String;", column, row,
                      s(cellId), index);
  }
  std::string bodyText() { return callString(playback_, "getBodyText", "()Ljava/lang/String;"); }
};

// The window block every element list ends with, on the read-back page.
// The top window has no name: the page gives an empty one, read as it is.
const std::string kWindow = "windowtitle:,:Read Back:;:windowname:,::;:parenttitle:,:Read Back";

TEST_F(ReadBackTest, EveryKindOfElementInKeyOrderEndingWithItsWindow) {
  EXPECT_EQ("name:,:customer:;:id:,:customerId:;:formname:,:entry:;:sourceindex:,:5:;:type:,:text:;:disable:,:false:;:"
            "value:,:Jane:;:tooltip:,:Your name:;:" + kWindow,
            elementProps("text", "customer"));
  EXPECT_EQ("name:,:secret:;:id:,:NONE:;:formname:,:entry:;:sourceindex:,:6:;:type:,:password:;:disable:,:false:;:"
            "value:,:hidden:;:tooltip:,:NONE:;:" + kWindow,
            elementProps("password", "secret"));
  EXPECT_EQ("name:,:notes:;:id:,:NONE:;:formname:,:entry:;:sourceindex:,:7:;:type:,:textarea:;:source:,:NONE:;:"
            "value:,:first line<VK_RETURN>second line:;:disable:,:false:;:tooltip:,:NONE:;:" + kWindow,
            elementProps("textarea", "notes"));
  // A button without a name is found by its caption and reports no name.
  EXPECT_EQ("name:,:NONE:;:id:,:NONE:;:formname:,:entry:;:sourceindex:,:8:;:type:,:button:;:source:,:NONE:;:"
            "value:,:Caption only:;:disable:,:false:;:tooltip:,:NONE:;:" + kWindow,
            elementProps("button", "Caption only"));
  EXPECT_EQ("name:,:go:;:id:,:NONE:;:formname:,:entry:;:sourceindex:,:9:;:type:,:submit:;:source:,:NONE:;:"
            "value:,:Go:;:disable:,:true:;:tooltip:,:NONE:;:" + kWindow,
            elementProps("submit", "go"));
  EXPECT_EQ("name:,:clear:;:id:,:NONE:;:formname:,:entry:;:sourceindex:,:10:;:type:,:reset:;:source:,:NONE:;:"
            "value:,:Clear:;:disable:,:false:;:tooltip:,:NONE:;:" + kWindow,
            elementProps("reset", "clear"));
  EXPECT_EQ("name:,:agree:;:id:,:NONE:;:type:,:checkbox:;:formname:,:entry:;:sourceindex:,:11:;:source:,:NONE:;:"
            "value:,:yes:;:status:,:true:;:disable:,:false:;:defaultChecked:,:true:;:tooltip:,:NONE:;:" + kWindow,
            elementProps("checkbox", "agree"));
  EXPECT_EQ("name:,:size:;:id:,:NONE:;:type:,:radio:;:formname:,:entry:;:sourceindex:,:12:;:source:,:NONE:;:"
            "value:,:S:;:status:,:false:;:disable:,:false:;:defaultChecked:,:false:;:tooltip:,:NONE:;:" + kWindow,
            elementProps("radio", "size"));
  EXPECT_EQ("name:,:pictureButton:;:type:,:image:;:id:,:NONE:;:formname:,:entry:;:sourceindex:,:13:;:source:,:" +
                siteUrl("button.gif") + ":;:value:,::;:tooltip:,:NONE:;:" + kWindow,
            elementProps("image", siteUrl("button.gif")));
  EXPECT_EQ("name:,:upload:;:id:,:NONE:;:formname:,:entry:;:sourceindex:,:14:;:source:,:NONE:;:value:,::;:"
            "disable:,:false:;:type:,:file:;:tooltip:,:NONE:;:" + kWindow,
            elementProps("file", "upload"));
  // The option without text stands as NONE among all items.
  EXPECT_EQ("name:,:sizes:;:id:,:NONE:;:formname:,:entry:;:sourceindex:,:15:;:type:,:select-one:;:source:,:NONE:;:"
            "tooltip:,:NONE:;:windowtitle:,:Read Back:;:allitems:,:Small:-:NONE:-:Large:;:selecteditems:,:Large:;:"
            "windowname:,::;:parenttitle:,:Read Back",
            elementProps("select-one", "sizes"));
  EXPECT_EQ("name:,:toppings:;:id:,:NONE:;:formname:,:entry:;:sourceindex:,:19:;:type:,:select-multiple:;:"
            "source:,:NONE:;:tooltip:,:NONE:;:windowtitle:,:Read Back:;:allitems:,:Cheese:-:Olives:;:"
            "selecteditems:,:NONE:;:windowname:,::;:parenttitle:,:Read Back",
            elementProps("select-multiple", "toppings"));
  EXPECT_EQ("name:,:nothing:;:id:,:NONE:;:formname:,:entry:;:sourceindex:,:22:;:type:,:select-one:;:source:,:NONE:;:"
            "tooltip:,:NONE:;:windowtitle:,:Read Back:;:allitems:,::;:selecteditems:,:NONE:;:"
            "windowname:,::;:parenttitle:,:Read Back",
            elementProps("select-one", "nothing"));
  EXPECT_EQ("name:,:photo:;:id:,:photoId:;:sourceindex:,:23:;:tagName:,:IMG:;:source:,:" + siteUrl("photo.gif") +
                ":;:formname:,:NONE:;:value:,:NONE:;:alt:,:Photo:;:tooltip:,:NONE:;:" + kWindow,
            elementProps("IMG", siteUrl("photo.gif")));
  EXPECT_EQ("name:,:away:;:id:,:NONE:;:innertext:,:Go elsewhere:;:formname:,:NONE:;:sourceindex:,:24:;:type:,:link:;:"
            "source:,:" + siteUrl("result.html") + ":;:target:,:_blank:;:tooltip:,:Leave:;:" + kWindow,
            elementProps("link", "Go elsewhere"));
}

TEST_F(ReadBackTest, TypesAreComparedExactlyAndAMissingElementIsNamedNotFound) {
  EXPECT_EQ("ERROR_TYPE_NOT_FOUND", elementProps("Text", "customer"));
  EXPECT_EQ("ERROR_TYPE_NOT_FOUND", elementProps("div", "customer"));
  EXPECT_EQ("ERROR_ELEMENT_IDENTIFICATION_FAILED", elementProps("text", "nobody"));
  EXPECT_EQ("ERROR_ELEMENT_IDENTIFICATION_FAILED", elementProps("text", "customer", 1));
  // The id wins over the name; the third field named alike would be told by its index.
  EXPECT_EQ(elementProps("text", "customer"), elementProps("text", "whatever", 0, "customerId"));
}

// An element in a frame reports the frame's title and name, and the title of the top
// page of its browser.
TEST_F(ReadBackTest, AnElementInAFrameReportsTheFrameAndTheTopPage) {
  callBoolean(playback_, "goToURL", "(Ljava/lang/String;)Z", s(siteUrl("readback_frames.html")));
  ASSERT_EQ("receiveEvents:Success", nextPlayed());
  ASSERT_TRUE(waitFor([&] { return setWindow("inner", "Inner Frame", "Read Back Frames") == "SUCCESS"; }));
  const std::string list = elementProps("text", "framed");
  EXPECT_NE(std::string::npos,
            list.find(":;:value:,:in a frame:;:tooltip:,:NONE:;:windowtitle:,:Inner Frame:;:windowname:,:inner:;:"
                      "parenttitle:,:Read Back Frames"))
      << list;
  EXPECT_EQ(0u, list.find("name:,:framed:;:")) << list;
}

// A list and a table in a frame read back with the frame's window properties; a header
// cell is a cell like any other.
TEST_F(ReadBackTest, AListAndATableInAFrame) {
  callBoolean(playback_, "goToURL", "(Ljava/lang/String;)Z", s(siteUrl("readback_frames.html")));
  ASSERT_EQ("receiveEvents:Success", nextPlayed());
  ASSERT_TRUE(waitFor([&] { return setWindow("inner", "Inner Frame", "Read Back Frames") == "SUCCESS"; }));
  const std::string list = elementProps("select-one", "framedList");
  EXPECT_NE(std::string::npos,
            list.find(":;:windowtitle:,:Inner Frame:;:allitems:,:One:-:Two:;:selecteditems:,:One:;:windowname:,:inner:;:"
                      "parenttitle:,:Read Back Frames"))
      << list;
  EXPECT_EQ("1-2", tableProps("NONE", 0, "framedTable"));
  ASSERT_EQ("SUCCESS", fixTable("NONE", 0, "framedTable"));
  const std::string header = cellProps(1, 1);
  EXPECT_EQ(0u, header.find("cellvalue:,:Head:;:id:,:head:;:")) << header;
  EXPECT_NE(std::string::npos, header.find(":;:windowtitle:,:Inner Frame:;:windowname:,:inner:;:")) << header;
  EXPECT_EQ(header, cellProps(0, 0, "head"));
}

TEST_F(ReadBackTest, BodyTextOfAPageAndOfAnEmptyPage) {
  const std::string text = bodyText();
  EXPECT_NE(std::string::npos, text.find("Go elsewhere")) << text;
  goTo("empty.html", "Empty");
  EXPECT_EQ("", bodyText());
}

class TableTest : public ReadBackTest {
 protected:
  void SetUp() override {
    ReadBackTest::SetUp();
    goTo("readback_tables.html", "Read Back Tables");
  }
};

// A table without id is told by the first ten bytes of its first cell (a shorter text
// whole), two tables alike in those bytes by their index.
TEST_F(TableTest, TablesByIdByFirstCellTextAndByIndex) {
  EXPECT_EQ("SUCCESS", fixTable("NONE", 0, "T"));
  EXPECT_EQ("Spanning header", cellValue(1, 1));
  EXPECT_EQ("SUCCESS", fixTable("Quarterly "));
  EXPECT_EQ("28", cellValue(1, 2));
  EXPECT_EQ("ERROR_TABLE_NOT_FOUND", fixTable("Quarterly figures for region"));
  EXPECT_EQ("SUCCESS", fixTable("TenBytes!!"));
  EXPECT_EQ("10", cellValue(1, 2));
  EXPECT_EQ("SUCCESS", fixTable("Identical ", 0));
  EXPECT_EQ("one", cellValue(1, 2));
  EXPECT_EQ("SUCCESS", fixTable("Identical ", 1));
  EXPECT_EQ("two", cellValue(1, 2));
  EXPECT_EQ("ERROR_TABLE_NOT_FOUND", fixTable("Identical ", 2));
  EXPECT_EQ("SUCCESS", fixTable("Spanned wo"));
  EXPECT_EQ("Spanned words", cellValue(1, 1));
  // A table whose first cell has no text is identified by NONE.
  EXPECT_EQ("SUCCESS", fixTable("NONE", 0, "blank"));
  EXPECT_EQ("NONE", cellValue(1, 1));
  EXPECT_EQ("ERROR_TABLE_NOT_FOUND", fixTable("NONE", 0, "missing"));
}

TEST_F(TableTest, CellValuesCountRowsAndColumnsFromOne) {
  ASSERT_EQ("SUCCESS", fixTable("NONE", 0, "T"));
  EXPECT_EQ("c1", cellValue(2, 3));
  EXPECT_EQ("NONE", cellValue(3, 2)) << "an empty cell";
  EXPECT_EQ("ERROR_INVALID_ROW_COL", cellValue(0, 1));
  EXPECT_EQ("ERROR_INVALID_ROW_COL", cellValue(5, 1)) << "one row beyond the table";
  EXPECT_EQ("ERROR_ROW_COL_MISMATCH", cellValue(2, 4)) << "one column beyond the row";
  EXPECT_EQ("ERROR_ROW_COL_MISMATCH", cellValue(1, 2)) << "the spanning header is one cell";
  EXPECT_EQ("ERROR_CELL_TEXT_GET_FAILED", cellValue(1, 0));
}

// The column arrives at receiveColumnValues before the native returns: rows without
// the column give nothing, empty cells give empty texts.
TEST_F(TableTest, ColumnValuesArriveBeforeTheNativeReturns) {
  ASSERT_EQ("SUCCESS", fixTable("NONE", 0, "T"));
  EXPECT_EQ("SUCCESS", columnValues(2));
  EXPECT_EQ("receiveColumnValues:b1|", nextPlayed(0));
  EXPECT_EQ("SUCCESS", columnValues(1));
  EXPECT_EQ("receiveColumnValues:Spanning header|a1|a2|a3", nextPlayed(0));
  EXPECT_EQ("ERROR_ROW_COL_MISMATCH", columnValues(4));
  EXPECT_EQ("ERROR_ROW_COL_MISMATCH", columnValues(0));
  ASSERT_EQ("SUCCESS", fixTable("NONE", 0, "blank"));
  EXPECT_EQ("ERROR_ROW_COL_MISMATCH", columnValues(1)) << "cells without text only";
  EXPECT_EQ("", nextPlayed(0)) << "no callback without a column";
}

TEST_F(TableTest, CellListsWithNoneForZeroNumbers) {
  ASSERT_EQ("SUCCESS", fixTable("NONE", 0, "T"));
  const std::string byPosition = cellProps(3, 2);
  EXPECT_EQ("cellvalue:,:c1:;:id:,:c1:;:sourceindex:,:11:;:formname:,:NONE:;:tooltip:,:third:;:type:,:cell:;:"
            "align:,:center:;:valign:,:top:;:colspan:,:1:;:rowspan:,:1:;:cellindex:,:2:;:"
            "windowtitle:,:Read Back Tables:;:windowname:,::;:parenttitle:,:Read Back Tables",
            byPosition);
  EXPECT_EQ(byPosition, cellProps(99, -5, "c1")) << "by id, row and column are not used";
  ASSERT_EQ("SUCCESS", fixTable("NONE", 0, "T"));
  EXPECT_EQ("cellvalue:,:NONE:;:id:,:NONE:;:sourceindex:,:14:;:formname:,:NONE:;:tooltip:,:NONE:;:type:,:cell:;:"
            "align:,:NONE:;:valign:,:NONE:;:colspan:,:1:;:rowspan:,:1:;:cellindex:,:1:;:"
            "windowtitle:,:Read Back Tables:;:windowname:,::;:parenttitle:,:Read Back Tables",
            cellProps(2, 3));
  ASSERT_EQ("SUCCESS", fixTable("NONE", 0, "T"));
  const std::string header = cellProps(1, 1);  // the first cell of its row: cell index 0
  EXPECT_NE(std::string::npos, header.find(":;:colspan:,:3:;:rowspan:,:1:;:cellindex:,:NONE:;:")) << header;
  // The cell is now the target: cell reads need the table again.
  EXPECT_EQ("ERROR_ELEMENT_MISMATCH", cellValue(1, 1));
  EXPECT_EQ("ERROR_CELL_IDENTIFICATION_FAILED", cellProps(1, 1));
  ASSERT_EQ("SUCCESS", fixTable("NONE", 0, "T"));
  EXPECT_EQ("ERROR_CELL_IDENTIFICATION_FAILED", cellProps(4, 2)) << "one column beyond the row";
  ASSERT_EQ("SUCCESS", fixTable("NONE", 0, "T"));
  EXPECT_EQ("ERROR_CELL_IDENTIFICATION_FAILED", cellProps(1, 0));
  EXPECT_EQ("ERROR_CELL_IDENTIFICATION_FAILED", cellProps(1, 1, "nocell"));
}

TEST_F(TableTest, TableListsAreRowsAndCellsOfTheFirstRow) {
  EXPECT_EQ("4-1", tableProps("NONE", 0, "T")) << "a spanning header is one cell";
  EXPECT_EQ("1-2", tableProps("Quarterly "));
  EXPECT_EQ("2-1", tableProps("NONE", 0, "short"));
  EXPECT_EQ("ERROR_TABLE_NOT_FOUND", tableProps("Nowhere"));
}

// Tables inside tables, a row-spanning cell, arguments far out of range, and reads in
// the wrong order.
TEST_F(TableTest, NestedSpanningAndOutOfRangeReads) {
  goTo("table_edges.html", "Table Edges");
  EXPECT_EQ("1-2", tableProps("NONE", 0, "outer")) << "the inner table's rows are not the outer's";
  ASSERT_EQ("SUCCESS", fixTable("NONE", 0, "inner"));
  EXPECT_EQ("j2", cellValue(2, 2));
  ASSERT_EQ("SUCCESS", fixTable("NONE", 0, "spans"));
  EXPECT_EQ("c3", cellValue(3, 2)) << "the spanning cell is not repeated in the rows below";
  EXPECT_EQ("ERROR_ROW_COL_MISMATCH", cellValue(3, 3));
  EXPECT_EQ("ERROR_INVALID_ROW_COL", cellValue(2147483647, 1));
  EXPECT_EQ("ERROR_INVALID_ROW_COL", cellValue(-2147483647 - 1, 1));
  EXPECT_EQ("ERROR_ROW_COL_MISMATCH", cellValue(1, 2147483647));
  EXPECT_EQ("ERROR_CELL_TEXT_GET_FAILED", cellValue(1, -2147483647 - 1));
  EXPECT_EQ("ERROR_ROW_COL_MISMATCH", columnValues(-2147483647 - 1));
  EXPECT_EQ("ERROR_ROW_COL_MISMATCH", columnValues(2147483647));
  EXPECT_EQ("SUCCESS", columnValues(3));
  EXPECT_EQ("receiveColumnValues:H3|b3", nextPlayed(0)) << "the last row has two cells";
  EXPECT_EQ("ERROR_CELL_IDENTIFICATION_FAILED", cellProps(-2147483647 - 1, 2147483647));
  ASSERT_EQ("SUCCESS", fixTable("NONE", 0, "spans"));
  const std::string cell = cellProps(2, 3);
  EXPECT_EQ(0u, cell.find("cellvalue:,:c3:;:")) << cell;
  EXPECT_NE(std::string::npos, cell.find(":;:rowspan:,:1:;:cellindex:,:1:;:")) << cell;
  // After a cell the table reads want the table again, and make no callback.
  EXPECT_EQ("ERROR_ELEMENT_MISMATCH", columnValues(1));
  EXPECT_EQ("ERROR_ELEMENT_MISMATCH", cellValue(1, 1));
  EXPECT_EQ("", nextPlayed(0));
  EXPECT_EQ(0u, cellProps(0, 0, "i2").find("cellvalue:,:i2:;:"));
  EXPECT_EQ("ERROR_CELL_IDENTIFICATION_FAILED", cellProps(0, 0, "i2", 1)) << "one index beyond the cells with the id";
  EXPECT_EQ("ERROR_CELL_IDENTIFICATION_FAILED", cellProps(0, 0, "i2", -1));
  // The list reads an option without text as NONE, as the checkpoint records it.
  const std::string list = elementProps("select-one", "sizes");
  EXPECT_NE(std::string::npos, list.find(":;:allitems:,:Small:-:NONE:-:Large:;:selecteditems:,:Large:;:")) << list;
}

TEST_F(ReadBackTest, ReadsAfterQuitFindNoDocument) {
  callVoid(controller_, "Quit", "()V");
  EXPECT_EQ("ERROR_DOCUMENT_NULL", bodyText());
  EXPECT_EQ("ERROR_DOCUMENT_NULL", elementProps("text", "customer"));
  EXPECT_EQ("ERROR_DOCUMENT_NULL", cellProps(1, 1));
  EXPECT_EQ("ERROR_DOCUMENT_NULL", tableProps("NONE", 0, "T"));
}

}  // namespace
}  // namespace skerrowtest
