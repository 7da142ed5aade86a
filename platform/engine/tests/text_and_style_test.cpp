// Rendered text, style declarations, attribute reflection and history, each on its own.
#include "browser_fixture.h"

#include "engine/document.h"
#include "engine/style.h"

namespace engine::testing {
namespace {

class TextTest : public BrowserTest {};

TEST_F(TextTest, InnerTextSkipsWhatIsNotRenderedAndKeepsPreformattedText) {
    loadString("<html><head><title>t</title><style>p{}</style></head><body id=b>"
               "<pre id=pre>a  b\nc</pre><p>x<textarea>hidden value</textarea>y</p>"
               "<ul id=u><li>one</li><li>two</li></ul><div>  </div><div id=last>end</div></body></html>");
    on([&] {
        EXPECT_EQ("a  b\r\nc", byId("pre")->innerText());
        EXPECT_EQ("one\r\ntwo", byId("u")->innerText());
        EXPECT_EQ("a  b\r\nc\r\n\r\nxy\r\n\r\none\r\ntwo\r\nend", byId("b")->innerText());
    });
}

TEST_F(TextTest, SerialisedMarkupEscapesTextAndAttributes) {
    loadString(R"(<body><p id=p title='say "hi"'>a &amp; b<br>c</p></body>)");
    on([&] {
        EXPECT_EQ(R"(<P id="p" title="say &quot;hi&quot;">a &amp; b<BR>c</P>)", byId("p")->outerHtml());
        EXPECT_EQ("a &amp; b<BR>c", byId("p")->innerHtml());
    });
}

TEST_F(TextTest, AttributeNamesIgnoreCaseAndSpansFallBackToOne) {
    loadString("<table><tr><td id=a colspan=0 rowspan=x>1</td><td id=b COLSPAN=' 3 '>2</td></tr></table>");
    on([&] {
        auto a = byId("a");
        EXPECT_EQ(1, a->colSpan());
        EXPECT_EQ(1, a->rowSpan());
        EXPECT_EQ(3, byId("b")->colSpan());
        a->setAttribute("ColSpan", "2");
        EXPECT_EQ(2, a->colSpan());
        EXPECT_EQ("2", *a->attribute("COLSPAN"));
        EXPECT_TRUE(a->removeAttribute("colspan"));
        EXPECT_FALSE(a->removeAttribute("colspan"));
        EXPECT_FALSE(a->hasAttribute("colspan"));
        a->setDisabled(true);
        EXPECT_EQ("", *a->attribute("disabled"));
        a->setDisabled(false);
        EXPECT_FALSE(a->disabled());
    });
}

TEST_F(TextTest, ScriptBlocksRunAfterTheParseAndSeeTheWholePage_ASimplification) {
    // Browsers run a script when the parser reaches it; the engine runs them in order
    // once the page is parsed, so a script also sees what follows it.
    loadString("<body><script>document.title = document.getElementById('late') ? 'found' : 'missing';</script>"
               "<p id=late></p></body>");
    on([&] { EXPECT_EQ("found", window->title()); });
}

TEST(StyleTest, ParsesDeclarationsIntoCamelCaseProperties) {
    Style style = Style::parse(" Border-Top-Color : red ; ; cursor:hand;bogus; width: ");
    EXPECT_EQ("red", style.get("borderTopColor"));
    EXPECT_EQ("hand", style.get("cursor"));
    EXPECT_EQ("", style.get("width"));
    EXPECT_EQ(2u, style.properties().size());
    style.set("cursor", "");
    EXPECT_EQ("border-top-color: red", style.cssText());
    EXPECT_EQ("backgroundColor", Style::camelCase("background-color"));
    EXPECT_EQ("background-color", Style::cssName("backgroundColor"));
}

TEST(HistoryTest, PushDropsForwardEntriesAndIgnoresTheSamePageTwice) {
    History history;
    EXPECT_EQ("", history.back());
    history.push("a");
    history.push("a");
    history.push("b");
    history.push("c");
    EXPECT_EQ(3u, history.entries().size());
    EXPECT_EQ("b", history.back());
    EXPECT_EQ("a", history.back());
    EXPECT_FALSE(history.canGoBack());
    EXPECT_EQ("b", history.forward());
    history.push("d");
    EXPECT_EQ((std::vector<std::string>{"a", "b", "d"}), history.entries());
    EXPECT_FALSE(history.canGoForward());
    EXPECT_EQ("d", history.current());
}

}  // namespace
}  // namespace engine::testing
