// Documents, elements, attributes versus properties, text.
#include "browser_fixture.h"

#include "engine/actions.h"
#include "engine/document.h"

namespace engine::testing {
namespace {

class DomTest : public BrowserTest {};
class MozillaDomTest : public BrowserTest {
protected:
    MozillaDomTest() : BrowserTest(Dialect::Mozilla) {}
};

TEST_F(DomTest, ElementsComeInDocumentOrderWithSourceIndexesAndUpperCaseTags) {
    loadString("<html><head><title> Two  words </title></head><body><div id=a><p id=b>x</p></div><span id=c></span></body></html>");
    on([&] {
        auto document = window->document();
        std::vector<std::string> tags;
        for (const auto& element : document->all()) tags.push_back(element->tagName());
        EXPECT_EQ((std::vector<std::string>{"HTML", "HEAD", "TITLE", "BODY", "DIV", "P", "SPAN"}), tags);
        EXPECT_EQ(4, byId("a")->sourceIndex());
        EXPECT_EQ(5, byId("b")->sourceIndex());
        EXPECT_EQ(6, byId("c")->sourceIndex());
        EXPECT_EQ("Two words", document->title());
        EXPECT_EQ(ReadyState::Complete, document->readyState());
    });
}

TEST_F(DomTest, SourceIndexesFollowChangesOfTheTree) {
    loadString("<body><p id=a></p><p id=b></p></body>");
    on([&] {
        auto a = byId("a");
        auto b = byId("b");
        a->appendChild(std::make_shared<Element>("span"));
        EXPECT_EQ(5, b->sourceIndex());
        b->parentNode()->removeChild(b);
        EXPECT_EQ(-1, b->sourceIndex());
    });
}

TEST_F(DomTest, ANodeNeverGoesBelowItself) {
    loadString("<body><div id=outer><p id=inner>x</p></div></body>");
    on([&] {
        auto outer = byId("outer");
        auto inner = byId("inner");
        inner->appendChild(outer);
        outer->appendChild(outer);
        inner->insertBefore(outer, nullptr);
        EXPECT_EQ(outer, inner->parentNode());
        EXPECT_EQ("BODY", outer->parentElement()->tagName());
        EXPECT_FALSE(outer->canTake(window->document()));
        auto moved = std::make_shared<Element>("em");
        outer->insertBefore(moved, inner);
        EXPECT_EQ(moved, outer->firstChild());
        EXPECT_EQ(inner, moved->nextSibling());
        EXPECT_EQ(moved, inner->previousSibling());
        EXPECT_EQ(window->document(), moved->ownerDocument());
    });
}

TEST_F(DomTest, AbsentEmptyAndPresentAttributesDiffer) {
    loadString(R"(<body><input id=a><input id=b name="" title="tip"><img id=c src="pics/x.gif" alt=""></body>)");
    on([&] {
        auto a = byId("a");
        auto b = byId("b");
        auto c = byId("c");
        EXPECT_FALSE(a->attribute("name").has_value());
        EXPECT_EQ("", a->name());
        ASSERT_TRUE(b->attribute("name").has_value());
        EXPECT_EQ("", *b->attribute("name"));
        EXPECT_EQ("tip", b->title());
        EXPECT_EQ("file:///test/pics/x.gif", c->src());  // the property is resolved, the attribute not
        EXPECT_EQ("pics/x.gif", *c->attribute("src"));
        EXPECT_TRUE(c->attribute("alt").has_value());
        EXPECT_FALSE(a->attribute("alt").has_value());
    });
}

TEST_F(DomTest, InputTypesDefaultAndNormalise) {
    loadString(R"(<body><input id=a><input id=b type=CHECKBOX><input id=c type=bogus><button id=d>x</button>
                  <select id=e></select><select id=f multiple></select><textarea id=g></textarea></body>)");
    on([&] {
        EXPECT_EQ("text", byId("a")->type());
        EXPECT_FALSE(byId("a")->attribute("type").has_value());
        EXPECT_EQ("checkbox", byId("b")->type());
        EXPECT_EQ("text", byId("c")->type());
        EXPECT_EQ("submit", byId("d")->type());
        EXPECT_EQ("select-one", byId("e")->type());
        EXPECT_EQ("select-multiple", byId("f")->type());
        EXPECT_EQ("textarea", byId("g")->type());
    });
}

TEST_F(DomTest, ValueAndCheckedAreLiveWhileTheirDefaultsStay) {
    loadString(R"(<body><input id=t value="start"><input type=checkbox id=c checked><input type=checkbox id=v></body>)");
    on([&] {
        auto text = byId("t");
        text->setValue("typed");
        EXPECT_EQ("typed", text->value());
        EXPECT_EQ("start", text->defaultValue());
        EXPECT_EQ("start", *text->attribute("value"));
        auto box = byId("c");
        box->setChecked(false);
        EXPECT_FALSE(box->checked());
        EXPECT_TRUE(box->defaultChecked());
        EXPECT_EQ("on", byId("v")->value());  // a check box without value attribute
    });
}

TEST_F(DomTest, CheckingARadioButtonUnchecksItsGroupOnly) {
    loadString(R"(<body><form><input type=radio name=r id=a checked><input type=radio name=r id=b></form>
                  <form><input type=radio name=r id=c checked></form></body>)");
    on([&] {
        byId("b")->setChecked(true);
        EXPECT_FALSE(byId("a")->checked());
        EXPECT_TRUE(byId("b")->checked());
        EXPECT_TRUE(byId("c")->checked());  // same name, other form
    });
}

TEST_F(DomTest, TextAreaLineBreaksAreCrLfForInternetExplorer) {
    loadString("<body><textarea id=t>\none\ntwo</textarea></body>");
    on([&] {
        EXPECT_EQ("one\r\ntwo", byId("t")->value());
        EXPECT_EQ("one\r\ntwo", byId("t")->defaultValue());
    });
}

TEST_F(MozillaDomTest, TextAreaLineBreaksAreLfForMozilla) {
    loadString("<body><textarea id=t>one\r\ntwo</textarea></body>");
    on([&] { EXPECT_EQ("one\ntwo", byId("t")->value()); });
}

TEST_F(DomTest, InnerTextBreaksAtBlocksAndBrAndFoldsBlanks) {
    loadString("<body><div id=d>  Hello\n   <b>bold</b>  world<br>next<p>para</p>end<script>var x;</script></div>"
               "<div id=e>a<br><br>b</div></body>");
    on([&] {
        EXPECT_EQ("Hello bold world\r\nnext\r\n\r\npara\r\n\r\nend", byId("d")->innerText());
        EXPECT_EQ("a\r\n\r\nb", byId("e")->innerText());
        EXPECT_EQ("  Hello\n   bold  worldnextparaendvar x;", byId("d")->textContent());
    });
}

TEST_F(DomTest, SelectOptionsAndSelection) {
    loadString(R"(<body><select id=one><option id=o1>  First  one </option><option value=v2>Second</option></select>
                  <select id=two><option>A</option><option selected>B</option><option selected>C</option></select>
                  <select id=many multiple><option>X</option><option>Y</option></select></body>)");
    on([&] {
        auto one = byId("one");
        EXPECT_EQ(0, one->selectedIndex());  // a drop-down list shows its first option
        EXPECT_EQ("First one", byId("o1")->text());
        EXPECT_EQ("First one", one->value());  // an option without value has its text as value
        one->setSelectedIndex(1);
        EXPECT_EQ("v2", one->value());
        EXPECT_FALSE(byId("o1")->selected());
        EXPECT_EQ(2, byId("two")->selectedIndex());  // the last option marked wins
        auto many = byId("many");
        EXPECT_EQ(-1, many->selectedIndex());
        many->options()[0]->setSelected(true);
        many->options()[1]->setSelected(true);
        EXPECT_TRUE(many->options()[0]->selected());
        EXPECT_EQ(1, many->options()[1]->index());
    });
}

TEST_F(DomTest, AListBoxStartsWithoutSelectionAndDisabledOptionsCannotBeChosen) {
    loadString("<body><select id=box size=3><option>a</option><option disabled>b</option></select></body>");
    on([&] {
        auto box = byId("box");
        EXPECT_EQ(-1, box->selectedIndex());
        EXPECT_EQ("", box->value());
        EXPECT_FALSE(actions::choose(box, {"b"}));
        EXPECT_EQ(-1, box->selectedIndex());
        EXPECT_TRUE(actions::choose(box, {"a"}));
        EXPECT_EQ(0, box->selectedIndex());
    });
}

TEST_F(DomTest, SettingATitleMakesOneWhenThePageHasNone) {
    loadString("<html><head></head><body>x</body></html>");
    on([&] {
        auto document = window->document();
        EXPECT_EQ("", document->title());
        document->setTitle("Made");
        EXPECT_EQ("Made", document->title());
        document->setTitle("Again");
        EXPECT_EQ(1u, document->getElementsByTagName("TITLE").size());
        EXPECT_EQ("Again", document->title());
    });
}

TEST_F(DomTest, LinksImagesAndImageMaps) {
    openPage("index.html");
    on([&] {
        auto document = window->document();
        EXPECT_EQ("Sample Home", document->title());
        auto links = document->links();
        ASSERT_FALSE(links.empty());
        EXPECT_EQ("formLink", links.front()->id());
        EXPECT_EQ(siteUrl("form.html"), links.front()->href());
        EXPECT_EQ(2u, document->images().size());
        auto map = byId("navMap");
        auto areas = map->areas();
        ASSERT_EQ(3u, areas.size());
        EXPECT_EQ("nav", map->name());
        EXPECT_EQ("50,0,100,20", areas[1]->coords());
        EXPECT_EQ("Tables with spans", byId("tablesLink")->title());
    });
}

TEST_F(DomTest, RuntimeStyleOverridesTheInlineStyle) {
    loadString(R"(<body><div id=d style="border: 1px solid red; cursor:hand">x</div></body>)");
    on([&] {
        auto div = byId("d");
        EXPECT_EQ("hand", div->style().get("cursor"));
        EXPECT_EQ("1px solid red", div->style().get("border"));
        div->runtimeStyle().set("borderColor", "blue");
        EXPECT_EQ("blue", div->currentStyle("borderColor"));
        EXPECT_EQ("", div->style().get("borderColor"));
        EXPECT_EQ("border-color: blue", div->runtimeStyle().cssText());
    });
}

TEST_F(DomTest, SelectionHoldsTheSelectedElementsText) {
    loadString("<body><p id=p>Some <i>selected</i> text</p></body>");
    on([&] {
        auto document = window->document();
        EXPECT_FALSE(document->selection().container);
        document->select(byId("p"));
        EXPECT_EQ("Some selected text", document->selection().text);
        EXPECT_EQ(byId("p"), document->selection().container);
    });
}

TEST_F(DomTest, PagesWithoutACharsetAreReadAsWindows1252) {
    // 0xE4 is a-umlaut and 0x80 the euro sign in Windows-1252.
    std::string path = ::testing::TempDir() + "/latin.html";
    {
        FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_TRUE(file);
        std::fputs("<title>K\xE4se \x80</title>", file);
        std::fclose(file);
    }
    on([&] { window = browser.openWindow(url::fromPath(path)); });
    ASSERT_TRUE(waitIdle());
    on([&] { EXPECT_EQ("K\xC3\xA4se \xE2\x82\xAC", window->title()); });
    std::remove(path.c_str());
}

TEST_F(DomTest, PagesDeclaringUtf8AreReadAsUtf8) {
    std::string path = ::testing::TempDir() + "/utf8.html";
    {
        FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_TRUE(file);
        std::fputs("<meta http-equiv='Content-Type' content='text/html; charset=UTF-8'><title>K\xC3\xA4se</title>", file);
        std::fclose(file);
    }
    on([&] { window = browser.openWindow(url::fromPath(path)); });
    ASSERT_TRUE(waitIdle());
    on([&] { EXPECT_EQ("K\xC3\xA4se", window->title()); });
    std::remove(path.c_str());
}

TEST_F(DomTest, CopiesKeepLiveStateAndStayOutOfTheTreeUntilInserted) {
    loadString("<body><form id=f><input id=t value=start><input type=checkbox id=c>"
               "<select id=s><option>a<option>b</select></form></body>");
    on([&] {
        auto document = window->document();
        byId("t")->setValue("typed");
        byId("c")->setChecked(true);
        byId("s")->setSelectedIndex(1);
        auto shallow = byId("f")->clone(false);
        EXPECT_TRUE(shallow->childNodes().empty());
        EXPECT_EQ(nullptr, shallow->parentNode());
        EXPECT_EQ(document, shallow->ownerDocument());
        auto copy = std::static_pointer_cast<Element>(byId("f")->clone(true));
        auto fields = copy->getElementsByTagName("input");
        ASSERT_EQ(2u, fields.size());
        EXPECT_EQ("typed", fields[0]->value());
        EXPECT_EQ("start", fields[0]->defaultValue());
        EXPECT_TRUE(fields[1]->checked());
        EXPECT_EQ(1, copy->getElementsByTagName("select")[0]->selectedIndex());
        // A copy is not in the document until inserted, and changing it leaves the original.
        std::size_t before = document->all().size();
        fields[0]->setValue("copy");
        EXPECT_EQ("typed", byId("t")->value());
        document->body()->appendChild(copy);
        EXPECT_EQ(before + 6, document->all().size());
        EXPECT_EQ(nullptr, document->clone(true));
    });
}

TEST_F(DomTest, AdoptedNodesBelongToTheDocumentBeforeInsertion) {
    loadString("<body><p id=a>x</p></body>");
    on([&] {
        auto document = window->document();
        auto made = std::make_shared<Element>("div");
        made->appendChild(std::make_shared<TextNode>("inner"));
        EXPECT_EQ(nullptr, made->ownerDocument());
        document->adopt(made);
        EXPECT_EQ(document, made->ownerDocument());
        EXPECT_EQ(document, made->firstChild()->ownerDocument());
        // A node in a tree keeps its place and owner.
        auto a = byId("a");
        document->adopt(a);
        EXPECT_EQ(document->body(), a->parentNode());
    });
}

}  // namespace
}  // namespace engine::testing
