// Elements of XML documents (names as written, case-sensitive attributes), anonymous
// content, dialog windows, and a face answering a dialog for the simulated user.
#include "browser_fixture.h"

#include "engine/actions.h"
#include "engine/document.h"
#include "engine/user.h"

namespace engine::testing {
namespace {

constexpr const char* kXul = "http://www.mozilla.org/keymaster/gatekeeper/there.is.only.xul";

std::shared_ptr<Element> xml(const std::string& name, const std::string& ns = kXul) {
    return std::make_shared<Element>(XmlMarkup{}, name, ns);
}

TEST(XmlMarkupTest, NamesKeepPrefixAndCaseAndXhtmlElementsBehaveAsHtml) {
    auto button = xml("xul:button");
    EXPECT_EQ("xul:button", button->nodeName());
    EXPECT_EQ("button", button->localName());
    EXPECT_EQ("xul", button->prefix());
    EXPECT_FALSE(button->is("BUTTON"));  // no HTML behaviour for a XUL button
    auto command = xml("PlayCommand", "");
    EXPECT_EQ("PlayCommand", command->nodeName());
    EXPECT_EQ("", command->prefix());
    auto input = xml("html:input", kXhtmlNamespace);
    EXPECT_EQ("html:input", input->nodeName());
    EXPECT_TRUE(input->is("INPUT"));
    EXPECT_EQ("text", input->type());
    input->setValue("typed");
    EXPECT_EQ("typed", input->value());
    auto html = std::make_shared<Element>("input");
    EXPECT_EQ("INPUT", html->nodeName());
    EXPECT_TRUE(html->matchesTagName("input"));
    EXPECT_TRUE(html->matchesTagName("*"));
}

TEST(XmlMarkupTest, XmlAttributesAndTagSearchesAreCaseSensitive) {
    auto document = std::make_shared<Document>("about:blank", Dialect::Mozilla);
    document->setXml(true);
    auto root = xml("cmd", "");
    root->setAttribute("tagName", "IMG");
    root->setAttribute("tagname", "other");
    auto option = xml("option", "");
    auto upper = xml("OPTION", "");
    root->appendChild(option);
    root->appendChild(upper);
    document->appendChild(root);
    EXPECT_EQ("IMG", root->attribute("tagName").value_or(""));
    EXPECT_EQ("other", root->attribute("tagname").value_or(""));
    EXPECT_FALSE(root->hasAttribute("TAGNAME"));
    EXPECT_TRUE(root->removeAttribute("tagname"));
    EXPECT_EQ("IMG", root->attribute("tagName").value_or(""));
    EXPECT_EQ((std::vector<std::shared_ptr<Element>>{option}), document->getElementsByTagName("option"));
    EXPECT_EQ((std::vector<std::shared_ptr<Element>>{upper}), root->getElementsByTagName("OPTION"));
    EXPECT_FALSE(option->selected());  // an XML "option" is no HTML option
}

TEST(XmlMarkupTest, AnonymousNodesHangBelowTheirElementWithoutBeingItsChildren) {
    auto document = std::make_shared<Document>("chrome://dialog", Dialect::Mozilla);
    document->setXml(true);
    auto textbox = xml("textbox");
    auto box = xml("xul:hbox");
    auto input = xml("html:input", kXhtmlNamespace);
    box->appendChild(input);
    textbox->appendAnonymousNode(box);
    auto root = xml("dialog");
    root->appendChild(textbox);
    document->appendChild(root);  // adopts the anonymous content too
    EXPECT_EQ(textbox, box->parentNode());
    EXPECT_TRUE(textbox->childNodes().empty());
    EXPECT_EQ((std::vector<std::shared_ptr<Node>>{box}), textbox->anonymousNodes());
    EXPECT_EQ(document, input->ownerDocument());
    EXPECT_EQ(2u, document->all().size());  // dialog and textbox only
    EXPECT_TRUE(document->getElementsByTagName("html:input").empty());
    EXPECT_EQ(nullptr, box->nextSibling());
    // Events from inside pass the element on their way up.
    std::vector<std::string> seen;
    textbox->addEventListener("click", [&](Event& event) { seen.push_back(event.target->nodeName()); });
    actions::fire(input, "click");
    EXPECT_EQ((std::vector<std::string>{"html:input"}), seen);
    // Moved elsewhere, it is no longer anonymous content of its element.
    root->appendChild(box);
    EXPECT_EQ(root, box->parentNode());
    EXPECT_TRUE(textbox->anonymousNodes().empty());
}

class DialogFaceTest : public BrowserTest {
protected:
    DialogFaceTest() : BrowserTest(Dialect::Mozilla) {}
};

// Answers as a face with its own page would: through that page, here by remembering
// the request and answering with a text of its own.
class AnsweringHost : public DialogHost {
public:
    void dialogOpened(Dialog& dialog) override { page = dialog.window(); }
    void dialogClosed(Dialog&) override {}
    bool answerAsUser(Dialog& dialog, bool accept, const std::string* text) override {
        requests.push_back((accept ? "accept:" : "cancel:") + (text ? *text : std::string("-")));
        dialog.answer(accept, "from the face");
        return true;
    }
    std::shared_ptr<Window> page;
    std::vector<std::string> requests;
};

TEST_F(DialogFaceTest, AFaceAnswersForTheUserAndDialogWindowsStayOutOfTheBrowsersList) {
    openPage("dialogs.html");
    AnsweringHost host;
    on([&] { browser.setDialogHost(&host); });
    User user(browser, kWaitMs);
    ASSERT_TRUE(user.click("#promptButton"));
    std::string name = "Ann";
    ASSERT_TRUE(user.answerDialog("OK", &name));
    EXPECT_EQ("name: from the face", on([&] { return byId("answer")->innerText(); }));
    EXPECT_EQ((std::vector<std::string>{"accept:Ann"}), on([&] { return host.requests; }));
    on([&] {
        auto document = std::make_shared<Document>("chrome://dialog", Dialect::Mozilla);
        document->setXml(true);
        auto dialogWindow = browser.createDialogWindow(document);
        EXPECT_EQ(document, dialogWindow->document());
        EXPECT_EQ(dialogWindow, document->defaultView());
        EXPECT_EQ(ReadyState::Complete, document->readyState());
        EXPECT_TRUE(dialogWindow->isTopLevel());
        EXPECT_EQ(1u, browser.windows().size());
        browser.setDialogHost(nullptr);
    });
}

}  // namespace
}  // namespace engine::testing
