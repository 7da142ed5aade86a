// Tables (rows across sections, spans, indexes) and forms (fields, owners).
#include "browser_fixture.h"

#include "engine/document.h"

namespace engine::testing {
namespace {

class TablesTest : public BrowserTest {};
class FormsTest : public BrowserTest {};

TEST_F(TablesTest, RowsSpanHeadBodyAndFootInDocumentOrder) {
    openPage("tables.html");
    on([&] {
        auto table = byId("prices");
        auto rows = table->rows();
        ASSERT_EQ(4u, rows.size());
        EXPECT_EQ("THEAD", rows[0]->parentElement()->tagName());
        EXPECT_EQ("TFOOT", rows[3]->parentElement()->tagName());
        EXPECT_EQ(2, rows[2]->rowIndex());
        EXPECT_EQ(1u, rows[0]->cells().size());  // a spanning cell is one cell
        EXPECT_EQ(3, byId("pricesHeader")->colSpan());
        EXPECT_EQ(2, byId("note")->rowSpan());
        EXPECT_EQ(1, byId("itemA")->rowSpan());
        EXPECT_EQ(2, byId("note")->cellIndex());
        EXPECT_EQ(8u, table->cells().size());
        auto price = rows[1]->cells()[1];
        EXPECT_EQ("right", price->align());
        EXPECT_EQ("top", price->vAlign());
        EXPECT_EQ("", rows[2]->cells()[1]->vAlign());
    });
}

TEST_F(TablesTest, ImpliedBodyHoldsRowsAndNestedTablesKeepTheirs) {
    openPage("tables.html");
    on([&] {
        auto plain = byId("plain");
        ASSERT_EQ(2u, plain->rows().size());
        EXPECT_EQ("TBODY", plain->rows()[0]->parentElement()->tagName());
        EXPECT_EQ("Plain first", plain->cells()[0]->innerText());
        auto nested = byId("nested");
        EXPECT_EQ(1u, nested->rows().size());
        EXPECT_EQ(0, nested->rows()[0]->rowIndex());
        EXPECT_EQ(nested, nested->rows()[0]->cells()[0]->table());
    });
}

TEST_F(TablesTest, CellTextOfARowIsTabSeparated) {
    loadString("<table id=t><tr id=r><td>a</td><td> b </td></tr></table>");
    on([&] { EXPECT_EQ("a\tb", byId("r")->innerText()); });
}

TEST_F(FormsTest, FieldsBelongToTheirFormInDocumentOrder) {
    openPage("form.html");
    on([&] {
        auto document = window->document();
        auto form = document->forms().at(0);
        EXPECT_EQ("order", form->name());
        auto fields = form->elements();
        ASSERT_EQ(18u, fields.size());
        EXPECT_EQ("customer", fields[0]->name());
        EXPECT_EQ(form, byId("notes")->form());
        EXPECT_EQ("Green", byId("colour")->options()[byId("colour")->selectedIndex()]->text());
        EXPECT_EQ("select-multiple", byId("extras")->type());
        EXPECT_TRUE(byId("disabledSend")->disabled());
        EXPECT_FALSE(byId("send")->disabled());
        EXPECT_EQ("default text", byId("plain")->value());
        EXPECT_EQ("text", byId("plain")->type());
    });
}

TEST_F(FormsTest, AFormMisnestedInATableOwnsTheFieldsThatFollowIt) {
    openPage("tables.html");
    on([&] {
        auto document = window->document();
        auto form = document->getElementsByName("tableForm").at(0);
        EXPECT_TRUE(form->childNodes().empty());  // the parser left it empty
        EXPECT_EQ(form, byId("inTable")->form());
        EXPECT_EQ(form, byId("tableSubmit")->form());
        EXPECT_EQ(nullptr, byId("afterTable")->form());  // after </form>
        EXPECT_EQ(2u, form->elements().size());
    });
}

TEST_F(FormsTest, FieldsOutsideAnyFormHaveNoForm) {
    loadString("<body><input id=a><form id=f><input id=b></form><input id=c></body>");
    on([&] {
        EXPECT_EQ(nullptr, byId("a")->form());
        EXPECT_EQ(byId("f"), byId("b")->form());
        EXPECT_EQ(nullptr, byId("c")->form());
    });
}

}  // namespace
}  // namespace engine::testing
