// Page scripts, handlers as objects, and dialogs that block the page.
#include "browser_fixture.h"

#include <future>

#include "engine/actions.h"
#include "engine/document.h"
#include "engine/script_handler.h"
#include "engine/user.h"

namespace engine::testing {
namespace {

class ScriptTest : public BrowserTest {};

TEST_F(ScriptTest, ARolloverHandlerChangesTheImageSource) {
    openPage("index.html");
    on([&] {
        auto image = byId("rollover");
        EXPECT_EQ(siteUrl("images/button_off.gif"), image->src());
        actions::hover(image);  // the link around it has the handler; the event bubbles there
        EXPECT_EQ(siteUrl("images/button_on.gif"), image->src());
        actions::hover(byId("heading"));
        EXPECT_EQ(siteUrl("images/button_off.gif"), image->src());
    });
}

TEST_F(ScriptTest, AHandlerIsAnObjectThatCanBeCalledWithoutAnEvent) {
    openPage("index.html");
    on([&] {
        auto link = byId("rolloverLink");
        auto handler = link->handler("mouseover");
        ASSERT_TRUE(handler);
        EXPECT_NE(std::string::npos, handler->source().find("button_on.gif"));
        handler->invoke(nullptr);
        EXPECT_EQ(siteUrl("images/button_on.gif"), byId("rollover")->src());
        EXPECT_FALSE(byId("heading")->handler("mouseover"));
        EXPECT_EQ(handler, link->handler("mouseover"));  // compiled once
    });
}

TEST_F(ScriptTest, ThisEventAndReturnValueReachTheHandler) {
    loadString(R"(<body><a id=l href="x.html" onclick="document.title = this.id + ' ' + event.type + ' ' + event.button + ' ' + event.srcElement.tagName; return false">x</a></body>)");
    on([&] {
        actions::activate(byId("l"));
        EXPECT_EQ("l click 1 A", window->title());
        EXPECT_EQ("file:///test/page.html", window->url());  // return false kept the page
    });
}

TEST_F(ScriptTest, ScriptsReadAndWriteTheDom) {
    loadString(R"(<html><head><title>Before</title></head><body>
        <form name=f><input id=t name=t value="v"><input type=checkbox id=c>
        <select id=s><option>a</option><option>b</option></select></form>
        <div id=out></div>
        <script>
          var t = document.getElementById("t");
          var parts = [document.title, document.forms.length, document.forms[0].name, document.forms.f.elements.length,
                       t.value, t.type, t.form.name, document.getElementById("c").checked,
                       document.getElementById("s").options[1].text, document.getElementById("s").selectedIndex];
          t.value = "changed";
          document.getElementById("c").checked = true;
          document.getElementById("s").selectedIndex = 1;
          document.getElementById("out").style.cursor = "hand";
          document.title = "After";
          document.getElementById("out").innerText = parts.join("|");
        </script></body></html>)");
    on([&] {
        EXPECT_EQ("Before|1|f|3|v|text|f|false|b|0", byId("out")->innerText());
        EXPECT_EQ("changed", byId("t")->value());
        EXPECT_EQ("v", byId("t")->defaultValue());
        EXPECT_TRUE(byId("c")->checked());
        EXPECT_EQ(1, byId("s")->selectedIndex());
        EXPECT_EQ("hand", byId("out")->style().get("cursor"));
        EXPECT_EQ("After", window->title());
    });
}

TEST_F(ScriptTest, DocumentsNameTheirFormsAndFormsTheirFields) {
    openPage("form.html");
    on([&] {
        EXPECT_EQ("default text|3|S|true",
                  browser.evaluateScript(*window, "[document.order.plain.value, document.order.size.length, "
                                                  "document.order.size[0].value, document.order.send.form == document.order].join('|')"));
        EXPECT_EQ("function", browser.evaluateScript(*window, "typeof document.order.submit"));  // the method wins
    });
}

TEST_F(ScriptTest, InlineHandlersSeeTheirElementFormAndDocument) {
    loadString(R"html(<body><form name=f><input id=q name=q value=abc
        onclick="var seen = value + '|' + form.name + '|' + forms.length + '|' + id; document.title = seen"></form></body>)html");
    on([&] {
        actions::activate(byId("q"));
        EXPECT_EQ("abc|f|1|q", window->title());
        EXPECT_EQ("undefined", browser.evaluateScript(*window, "typeof seen"));  // the handler's own variable
    });
}

TEST_F(ScriptTest, InnerHtmlAssignmentParsesMarkupIntoTheElement) {
    loadString(R"html(<body><div id=d>old</div><table><tbody id=b></tbody></table><script>
        document.getElementById("d").innerHTML = "<b id=n>new</b> <select id=s><option>x<option>y</select>";
        document.getElementById("b").innerHTML = "<tr id=r><td>cell";
        </script></body>)html");
    on([&] {
        auto bold = window->document()->getElementById("n");
        ASSERT_TRUE(bold);
        EXPECT_EQ(byId("d"), bold->parentElement());
        EXPECT_EQ(0, byId("s")->selectedIndex());
        EXPECT_EQ(4, bold->sourceIndex());  // HTML, HEAD, BODY, DIV, then it
        EXPECT_EQ(0, byId("r")->rowIndex());
        EXPECT_EQ(byId("d"), byId("n")->parentNode());
        EXPECT_EQ(R"(<B id="n">new</B> <SELECT id="s"><OPTION>x</OPTION><OPTION>y</OPTION></SELECT>)", byId("d")->innerHtml());
    });
}

TEST_F(ScriptTest, DocumentWriteWhileParsingPutsMarkupAfterItsScript) {
    loadString(R"html(<body><p id=before>b</p><script>
        document.write("<img id=written src='w.gif'>", "<span id=second>2</span>");
        document.write("<script>document.write('<i id=nested>n</i>')</scr" + "ipt>");
        </script><p id=after>a</p></body>)html");
    on([&] {
        std::vector<std::string> ids;
        for (const auto& element : window->document()->getElementsByTagName("*")) {
            if (!element->id().empty()) ids.push_back(element->id());
        }
        EXPECT_EQ((std::vector<std::string>{"before", "written", "second", "nested", "after"}), ids);
        EXPECT_EQ(1u, window->document()->images().size());
    });
    on([&] { browser.evaluateScript(*window, "document.write('<title>Rewritten</title>')"); });
    ASSERT_TRUE(waitIdle());
    on([&] {
        EXPECT_EQ("Rewritten", window->title());  // after the parse it makes a new page
        EXPECT_FALSE(window->document()->getElementById("before"));
    });
}

TEST_F(ScriptTest, ScriptsBuildAndRearrangeTheTree) {
    loadString(R"html(<body><ul id=list><li id=a>a</li><li id=b>b</li></ul><script>
        var list = document.getElementById("list");
        var item = document.createElement("li");
        item.id = "c";
        item.appendChild(document.createTextNode("c"));
        list.insertBefore(item, document.getElementById("b"));
        var removed = list.removeChild(document.getElementById("a"));
        list.appendChild(removed);
        var names = [];
        for (var node = list.firstChild; node; node = node.nextSibling) names.push(node.id);
        document.title = names.join(",") + "|" + list.childNodes.length + "|" + item.firstChild.nodeType + "|" +
            item.firstChild.data + "|" + (item.parentNode === list) + "|" + list.lastChild.previousSibling.id;
        var loop;
        try { item.appendChild(list); loop = "allowed"; } catch (e) { loop = "refused"; }
        document.title += "|" + loop;
        </script></body>)html");
    on([&] {
        EXPECT_EQ("c,b,a|3|3|c|true|b|refused", window->title());
        EXPECT_EQ(5, byId("c")->sourceIndex());  // HTML HEAD BODY UL, then it
        EXPECT_EQ("c\r\nb\r\na", byId("list")->innerText());
    });
}

TEST_F(ScriptTest, AScriptAssignedHandlerRunsAndCanBeRemoved) {
    loadString(R"(<body><p id=p>x</p><script>
        var p = document.getElementById("p");
        p.onclick = function (e) { this.setAttribute("title", "clicked " + e.type); };
        </script></body>)");
    on([&] {
        actions::activate(byId("p"));
        EXPECT_EQ("clicked click", byId("p")->title());
        ASSERT_TRUE(byId("p")->handler("click"));
        EXPECT_EQ("true", browser.evaluateScript(*window, "p.onclick === p.onclick && typeof p.onclick == 'function'"));
        browser.evaluateScript(*window, "p.onclick = null");
        EXPECT_FALSE(byId("p")->handler("click"));
    });
}

TEST_F(ScriptTest, HandlersSeeTheMouseMoveAndCanStopBubbling) {
    loadString(R"html(<body onclick="document.title += ' body'">
        <p id=a onmouseover="document.title = 'from ' + event.fromElement.id + ' to ' + event.toElement.id">a</p>
        <p id=b onclick="event.cancelBubble = true; document.title = 'b only'">b</p>
        <p id=c onclick="event.returnValue = false">c</p></body>)html");
    on([&] {
        actions::hover(byId("b"));
        actions::hover(byId("a"));
        EXPECT_EQ("from b to a", window->title());
        actions::activate(byId("b"));
        EXPECT_EQ("b only", window->title());
        actions::activate(byId("c"));
        EXPECT_EQ("b only body", window->title());
    });
}

TEST_F(ScriptTest, ScriptChangesReportPropertyChanges) {
    loadString(R"html(<body><img id=i src="a.gif" onpropertychange="document.title += event.propertyName + '|'">
        <script>document.getElementById("i").src = "b.gif"; document.getElementById("i").alt = "B";</script></body>)html");
    on([&] {
        EXPECT_EQ("src|alt|", window->title());
        EXPECT_EQ("file:///test/b.gif", byId("i")->src());
    });
}

TEST_F(ScriptTest, TimersRunLaterUnlessClearedOrThePageIsGone) {
    loadString(R"html(<body><script>
        var log = [];
        // Each timer is set after the one before and waits longer: the order is certain.
        setTimeout(function () { log.push("function"); }, 100);
        setTimeout("log.push('code')", 300);
        var cleared = setTimeout(function () { log.push("cleared"); }, 5);
        clearTimeout(cleared);
        setTimeout(function () { document.title = log.join(","); }, 1000);
        </script></body>)html");
    ASSERT_TRUE(browser.thread().waitUntil([&] { return !window->title().empty(); }, kWaitMs));
    on([&] { EXPECT_EQ("function,code", window->title()); });
    on([&] {
        // The new page replaces this one in the very next task, long before the timer.
        browser.evaluateScript(*window, "setTimeout(function () { parent.name = 'late'; }, 500)");
        browser.navigate(*window, siteUrl("index.html"));
    });
    ASSERT_TRUE(waitIdle());
    on([&] { browser.evaluateScript(*window, "setTimeout(function () { document.title = 'timer done'; }, 100)"); });
    ASSERT_TRUE(browser.thread().waitUntil([&] { return window->title() == "timer done"; }, kWaitMs));
    on([&] { EXPECT_EQ("", window->name()); });  // the first page's timer did not run in the second
}

TEST_F(ScriptTest, AJavascriptAddressRunsInThePage) {
    loadString("<body><a id=l href=\"javascript:document.title = 'ran'; void 0\">run</a></body>");
    on([&] {
        actions::click(byId("l"));
        EXPECT_EQ("ran", window->title());
        EXPECT_EQ("file:///test/page.html", window->url());
    });
}

TEST_F(ScriptTest, ScriptErrorsAreLoggedAndThePageGoesOn) {
    loadString(R"html(<body><p id=p onclick="no.such.thing()">x</p><script>syntax error here</script>
        <script>document.title = "still running";</script></body>)html");
    on([&] {
        actions::activate(byId("p"));
        EXPECT_EQ("still running", window->title());
        auto lines = browser.logLines();
        ASSERT_EQ(2u, lines.size());
        EXPECT_NE(std::string::npos, lines[0].find("SyntaxError"));
        EXPECT_NE(std::string::npos, lines[1].find("ReferenceError"));
    });
}

TEST_F(ScriptTest, FramesSeeTheirParentAndTopWindows) {
    openPage("frames.html");
    on([&] {
        auto left = window->findFrame("left");
        EXPECT_EQ("Frame Set|main|Inner Frames|2",
                  browser.evaluateScript(*left, "[top.document.title, parent.name, parent.document.title, top.frames.length].join('|')"));
        actions::activate(byId("rename", left));
        EXPECT_EQ("Renamed", window->findFrame("main")->title());
    });
}

TEST_F(ScriptTest, WindowOpenAndCloseFromScripts) {
    openPage("index.html");
    on([&] { browser.evaluateScript(*window, "window.open('popup.html', 'pop'); 1"); });
    ASSERT_TRUE(waitIdle());
    on([&] {
        ASSERT_EQ(2u, browser.windows().size());
        auto popup = browser.windows()[1];
        EXPECT_EQ("pop", popup->name());
        EXPECT_EQ("Pop-up", popup->title());
        actions::click(byId("closeMe", popup));
    });
    ASSERT_TRUE(browser.thread().waitUntil([&] { return browser.windows().size() == 1; }, kWaitMs));
}

TEST_F(ScriptTest, LocationNavigatesTheWindow) {
    openPage("index.html");
    on([&] { browser.evaluateScript(*window, "location.href = 'tables.html'"); });
    ASSERT_TRUE(waitIdle());
    on([&] {
        EXPECT_EQ("Tables", window->title());
        EXPECT_EQ(siteUrl("tables.html"), browser.evaluateScript(*window, "String(document.location)"));
    });
}

TEST_F(ScriptTest, AScriptSubmitSkipsTheSubmitEventAndSelectValueSelectsByValue) {
    openPage("form.html");
    on([&] {
        byId("customer")->setValue("refuse");  // the onsubmit handler would refuse this
        browser.evaluateScript(*window, "document.getElementById('colour').value = 'b'; document.order.submit()");
        EXPECT_EQ(2, byId("colour")->selectedIndex());
    });
    ASSERT_TRUE(waitIdle());
    on([&] {
        EXPECT_EQ("Order Received", window->title());
        EXPECT_NE(std::string::npos, window->url().find("customer=refuse"));
        EXPECT_NE(std::string::npos, window->url().find("colour=b"));
        EXPECT_EQ(std::string::npos, window->url().find("send="));  // no button submitted it
    });
}

TEST_F(ScriptTest, AFrameIsNavigatedThroughItsLocation) {
    openPage("frames.html");
    on([&] { browser.evaluateScript(*window->findFrame("nav"), "parent.frames['main'].location = 'tables.html'"); });
    ASSERT_TRUE(waitIdle());
    on([&] {
        EXPECT_EQ("Tables", window->findFrame("main")->title());
        EXPECT_EQ("Frame Set", window->title());
    });
}

TEST_F(ScriptTest, TitleChangesAreReported) {
    struct Titles : NavigationObserver {
        void titleChange(Window&, const std::string& title) override { seen.push_back(title); }
        std::vector<std::string> seen;
    } titles;
    on([&] { browser.addObserver(&titles); });
    loadString("<title>First</title><body><script>document.title = 'Second'</script></body>");
    on([&] {
        browser.removeObserver(&titles);
        EXPECT_EQ((std::vector<std::string>{"First", "Second"}), titles.seen);
    });
}

class MozillaScriptTest : public BrowserTest {
protected:
    MozillaScriptTest() : BrowserTest(Dialect::Mozilla) {}
};

TEST_F(MozillaScriptTest, ScriptsSeeMozillaButtonsLineBreaksAndNoPropertyChanges) {
    loadString(R"html(<body><textarea id=t>a
b</textarea><p id=p onclick="document.title = event.button + '|' + document.getElementById('t').value.length"
        onpropertychange="document.title = 'changed'">x</p></body>)html");
    on([&] {
        actions::click(byId("p"));
        EXPECT_EQ("0|3", window->title());  // "a\nb"
        browser.evaluateScript(*window, "document.getElementById('p').title = 'new'");
        EXPECT_EQ("0|3", window->title());
    });
}

// Shows nothing and records what it was asked to show.
class RecordingDialogHost : public DialogHost {
public:
    void dialogOpened(Dialog& dialog) override { opened.push_back(dialog.message()); }
    void dialogClosed(Dialog& dialog) override { closed.push_back(dialog.message()); }
    std::vector<std::string> opened, closed;
};

TEST_F(ScriptTest, AnAlertBlocksThePageUntilAnsweredWhileOtherThreadsStillReachIt) {
    openPage("dialogs.html");
    RecordingDialogHost host;
    on([&] { browser.setDialogHost(&host); });
    User user(browser, kWaitMs);
    ASSERT_TRUE(user.click("#alertButton"));  // returns once the dialog is up
    EXPECT_TRUE(user.dialogOpen());
    EXPECT_EQ("Hello from the page", user.dialogMessage());
    // The handler waits in the dialog: the rest of it has not run, and the page answers.
    EXPECT_EQ("nothing yet", on([&] { return byId("answer")->innerText(); }));
    auto fromAnotherThread = std::async(std::launch::async, [&] {
        return on([&] { return window->title(); });
    });
    EXPECT_EQ("Dialogs", fromAnotherThread.get());
    ASSERT_TRUE(user.answerDialog("OK"));
    EXPECT_FALSE(user.dialogOpen());
    EXPECT_EQ("alerted", on([&] { return byId("answer")->innerText(); }));
    EXPECT_EQ((std::vector<std::string>{"Hello from the page"}), on([&] { return host.closed; }));
    on([&] { browser.setDialogHost(nullptr); });
}

TEST_F(ScriptTest, ConfirmAndPromptReturnTheAnswer) {
    openPage("dialogs.html");
    User user(browser, kWaitMs);
    ASSERT_TRUE(user.click("#confirmButton"));
    ASSERT_TRUE(user.answerDialog("Cancel"));
    EXPECT_EQ("declined", on([&] { return byId("answer")->innerText(); }));
    ASSERT_TRUE(user.click("#promptButton"));
    std::string name = "Ann";
    ASSERT_TRUE(user.answerDialog("OK", &name));
    EXPECT_EQ("name: Ann", on([&] { return byId("answer")->innerText(); }));
    ASSERT_TRUE(user.click("#promptButton"));
    ASSERT_TRUE(user.answerDialog("OK"));
    EXPECT_EQ("name: nobody", on([&] { return byId("answer")->innerText(); }));
    EXPECT_FALSE(user.answerDialog("OK"));  // nothing open
}

TEST_F(ScriptTest, AConfirmInALinkHandlerDecidesWhetherToNavigate) {
    openPage("dialogs.html");
    User user(browser, kWaitMs);
    ASSERT_TRUE(user.click("#guardedLink"));
    EXPECT_EQ("Leave this page?", user.dialogMessage());
    ASSERT_TRUE(user.answerDialog("Cancel"));
    EXPECT_EQ("Dialogs", on([&] { return window->title(); }));
    ASSERT_TRUE(user.click("#guardedLink"));
    ASSERT_TRUE(user.answerDialog("OK"));
    EXPECT_EQ("Sample Home", on([&] { return window->title(); }));
}

}  // namespace
}  // namespace engine::testing
