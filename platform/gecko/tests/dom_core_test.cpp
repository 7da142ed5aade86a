// Nodes, elements and attributes as Gecko reports them, read from the test thread.
#include "dom_fixture.h"

#include <thread>
#include <vector>

namespace gecko_test {
namespace {

class DomCoreTest : public GeckoDomTest {
 protected:
  void SetUp() override { open("index.html"); }
};

TEST_F(DomCoreTest, NodeNamesTypesAndValuesAreGeckos) {
  EXPECT_EQ("#document", text(document.get(), &nsIDOMNode::GetNodeName));
  PRUint16 type = 0;
  ASSERT_EQ(NS_OK, document->GetNodeType(&type));
  EXPECT_EQ(nsIDOMNode::DOCUMENT_NODE, type);

  nsCOMPtr<nsIDOMElement> root;
  ASSERT_EQ(NS_OK, document->GetDocumentElement(getter_AddRefs(root)));
  EXPECT_EQ("HTML", text(root.get(), &nsIDOMElement::GetTagName));

  auto heading = byId("heading");
  EXPECT_EQ("H1", text(heading.get(), &nsIDOMNode::GetNodeName));
  EXPECT_EQ("H1", text(heading.get(), &nsIDOMElement::GetTagName));
  EXPECT_EQ("", text(heading.get(), &nsIDOMNode::GetNodeValue));  // elements have no value
  ASSERT_EQ(NS_OK, heading->GetNodeType(&type));
  EXPECT_EQ(nsIDOMNode::ELEMENT_NODE, type);

  nsCOMPtr<nsIDOMNode> words;
  ASSERT_EQ(NS_OK, heading->GetFirstChild(getter_AddRefs(words)));
  ASSERT_TRUE(words);
  EXPECT_EQ("#text", text(words.get(), &nsIDOMNode::GetNodeName));
  EXPECT_EQ("Welcome to the sample site", text(words.get(), &nsIDOMNode::GetNodeValue));
  ASSERT_EQ(NS_OK, words->GetNodeType(&type));
  EXPECT_EQ(nsIDOMNode::TEXT_NODE, type);
  nsCOMPtr<nsIDOMNode> none;
  ASSERT_EQ(NS_OK, words->GetFirstChild(getter_AddRefs(none)));
  EXPECT_FALSE(none);

  // The same engine node is the same object, however it is reached.
  nsCOMPtr<nsIDOMNode> parent;
  ASSERT_EQ(NS_OK, words->GetParentNode(getter_AddRefs(parent)));
  EXPECT_EQ(as<nsISupports>(parent).get(), as<nsISupports>(heading).get());
  EXPECT_TRUE(same(parent, heading));
  EXPECT_FALSE(same(words, heading));
  EXPECT_FALSE(same(heading, nullptr));
}

TEST_F(DomCoreTest, TreeLinksParentsSiblingsAndOwner) {
  nsCOMPtr<nsIDOMHTMLElement> body;
  ASSERT_EQ(NS_OK, document->GetBody(getter_AddRefs(body)));
  EXPECT_EQ("BODY", text(body.get(), &nsIDOMNode::GetNodeName));
  nsCOMPtr<nsIDOMNode> html;
  ASSERT_EQ(NS_OK, body->GetParentNode(getter_AddRefs(html)));
  EXPECT_EQ("HTML", text(html.get(), &nsIDOMNode::GetNodeName));
  nsCOMPtr<nsIDOMNode> head;
  ASSERT_EQ(NS_OK, body->GetPreviousSibling(getter_AddRefs(head)));
  while (head && text(head.get(), &nsIDOMNode::GetNodeName) == "#text") {
    nsCOMPtr<nsIDOMNode> before;
    head->GetPreviousSibling(getter_AddRefs(before));
    head = before;
  }
  ASSERT_TRUE(head);
  EXPECT_EQ("HEAD", text(head.get(), &nsIDOMNode::GetNodeName));

  auto heading = byId("heading");
  nsCOMPtr<nsIDOMNode> next;
  ASSERT_EQ(NS_OK, heading->GetNextSibling(getter_AddRefs(next)));
  ASSERT_TRUE(next);
  nsCOMPtr<nsIDOMNode> back;
  ASSERT_EQ(NS_OK, next->GetPreviousSibling(getter_AddRefs(back)));
  EXPECT_TRUE(same(back, heading));

  nsCOMPtr<nsIDOMDocument> owner;
  ASSERT_EQ(NS_OK, heading->GetOwnerDocument(getter_AddRefs(owner)));
  EXPECT_TRUE(same(owner, document));
  ASSERT_EQ(NS_OK, document->GetOwnerDocument(getter_AddRefs(owner)));
  EXPECT_FALSE(owner);  // a document has none
  nsCOMPtr<nsIDOMNode> documentParent;
  ASSERT_EQ(NS_OK, document->GetParentNode(getter_AddRefs(documentParent)));
  EXPECT_FALSE(documentParent);

  nsCOMPtr<nsIDOMNodeList> children;
  ASSERT_EQ(NS_OK, body->GetChildNodes(getter_AddRefs(children)));
  nsCOMPtr<nsIDOMNode> first;
  ASSERT_EQ(NS_OK, body->GetFirstChild(getter_AddRefs(first)));
  nsCOMPtr<nsIDOMNode> item0;
  ASSERT_EQ(NS_OK, children->Item(0, getter_AddRefs(item0)));
  EXPECT_TRUE(same(first, item0));
  nsCOMPtr<nsIDOMNode> past;
  ASSERT_EQ(NS_OK, children->Item(count(children), getter_AddRefs(past)));
  EXPECT_FALSE(past);
  PRBool hasChildren = PR_FALSE;
  ASSERT_EQ(NS_OK, body->HasChildNodes(&hasChildren));
  EXPECT_TRUE(hasChildren);
}

TEST_F(DomCoreTest, AttributesAreTheSourcesAndPropertiesReflectThem) {
  auto link = byId("tablesLink");
  nsString value;
  ASSERT_EQ(NS_OK, link->GetAttribute(wide("title"), value));
  EXPECT_EQ("Tables with spans", utf8(value));
  EXPECT_EQ("Tables with spans", text(link.get(), &nsIDOMHTMLElement::GetTitle));
  EXPECT_EQ("tablesLink", text(link.get(), &nsIDOMHTMLElement::GetId));
  // The attribute as written, not resolved against the page's address.
  ASSERT_EQ(NS_OK, link->GetAttribute(wide("HREF"), value));
  EXPECT_EQ("tables.html", utf8(value));

  // Absent: an empty string and no attribute; the reflecting property is empty too.
  PRBool has = PR_TRUE;
  ASSERT_EQ(NS_OK, link->HasAttribute(wide("class"), &has));
  EXPECT_FALSE(has);
  ASSERT_EQ(NS_OK, link->GetAttribute(wide("class"), value));
  EXPECT_EQ("", utf8(value));
  EXPECT_EQ("", text(link.get(), &nsIDOMHTMLElement::GetClassName));

  // className is the class attribute, both ways.
  ASSERT_EQ(NS_OK, link->SetClassName(wide("wide")));
  ASSERT_EQ(NS_OK, link->GetAttribute(wide("class"), value));
  EXPECT_EQ("wide", utf8(value));
  ASSERT_EQ(NS_OK, link->SetAttribute(wide("class"), wide("narrow")));
  EXPECT_EQ("narrow", text(link.get(), &nsIDOMHTMLElement::GetClassName));
  ASSERT_EQ(NS_OK, link->RemoveAttribute(wide("class")));
  ASSERT_EQ(NS_OK, link->HasAttribute(wide("class"), &has));
  EXPECT_FALSE(has);

  // A changed id finds the element under its new name only.
  ASSERT_EQ(NS_OK, link->SetId(wide("renamed")));
  nsCOMPtr<nsIDOMElement> found;
  ASSERT_EQ(NS_OK, document->GetElementById(wide("tablesLink"), getter_AddRefs(found)));
  EXPECT_FALSE(found);
  ASSERT_EQ(NS_OK, document->GetElementById(wide("renamed"), getter_AddRefs(found)));
  EXPECT_TRUE(same(found, link));
}

TEST_F(DomCoreTest, AttributeMapListsTheSourcesAttributes) {
  auto image = byId("rollover");
  nsCOMPtr<nsIDOMNamedNodeMap> attributes;
  ASSERT_EQ(NS_OK, image->GetAttributes(getter_AddRefs(attributes)));
  ASSERT_TRUE(attributes);
  PRUint32 length = 0;
  ASSERT_EQ(NS_OK, attributes->GetLength(&length));
  EXPECT_EQ(5u, length);  // id, name, src, alt, border

  nsCOMPtr<nsIDOMNode> source;
  ASSERT_EQ(NS_OK, attributes->GetNamedItem(wide("SRC"), getter_AddRefs(source)));
  ASSERT_TRUE(source);
  PRUint16 type = 0;
  ASSERT_EQ(NS_OK, source->GetNodeType(&type));
  EXPECT_EQ(nsIDOMNode::ATTRIBUTE_NODE, type);
  EXPECT_EQ("src", text(source.get(), &nsIDOMNode::GetNodeName));
  EXPECT_EQ("images/button_off.gif", text(source.get(), &nsIDOMNode::GetNodeValue));
  // The node stands for the live attribute.
  ASSERT_EQ(NS_OK, source->SetNodeValue(wide("images/button_on.gif")));
  nsString value;
  ASSERT_EQ(NS_OK, image->GetAttribute(wide("src"), value));
  EXPECT_EQ("images/button_on.gif", utf8(value));

  nsCOMPtr<nsIDOMNode> missing;
  ASSERT_EQ(NS_OK, attributes->GetNamedItem(wide("usemap"), getter_AddRefs(missing)));
  EXPECT_FALSE(missing);
  ASSERT_EQ(NS_OK, attributes->Item(length, getter_AddRefs(missing)));
  EXPECT_FALSE(missing);
  EXPECT_EQ(NS_ERROR_DOM_NOT_FOUND_ERR, attributes->RemoveNamedItem(wide("usemap"), getter_AddRefs(missing)));
  ASSERT_EQ(NS_OK, attributes->RemoveNamedItem(wide("border"), getter_AddRefs(missing)));
  ASSERT_EQ(NS_OK, attributes->GetLength(&length));
  EXPECT_EQ(4u, length);

  // Text nodes and documents have no attribute map.
  nsCOMPtr<nsIDOMNode> words;
  ASSERT_EQ(NS_OK, byId("heading")->GetFirstChild(getter_AddRefs(words)));
  ASSERT_EQ(NS_OK, words->GetAttributes(getter_AddRefs(attributes)));
  EXPECT_FALSE(attributes);
}

TEST_F(DomCoreTest, TextContentKeepsTheSourcesLineBreaks) {
  const std::string intro = textContent(byId("intro"));
  EXPECT_EQ(0u, intro.find("This site exercises what the browser stand-ins model:\nthe order form,\ntables,\n"))
      << intro;
  EXPECT_EQ("Latest newsSecond line", textContent(byId("news")));  // <br> adds no text
  EXPECT_EQ("", textContent(document));                          // a document has none

  auto news = byId("news");
  ASSERT_EQ(NS_OK, as<nsIDOM3Node>(news)->SetTextContent(wide("Line one\nLine two")));
  EXPECT_EQ("Line one\nLine two", textContent(news));
  nsCOMPtr<nsIDOMNodeList> children;
  ASSERT_EQ(NS_OK, news->GetChildNodes(getter_AddRefs(children)));
  EXPECT_EQ(1u, count(children));  // the old text and <br> replaced by one text node
}

TEST_F(DomCoreTest, ElementsByTagNameCountAndStayLive) {
  EXPECT_EQ(9u, tagCount(document, "A"));
  EXPECT_EQ(9u, tagCount(document, "a"));  // HTML tag names compare without case
  EXPECT_EQ(2u, tagCount(document, "img"));
  EXPECT_EQ(3u, tagCount(document, "AREA"));
  EXPECT_EQ(0u, tagCount(document, "TABLE"));

  auto intro = byId("intro");
  nsCOMPtr<nsIDOMNodeList> links;
  ASSERT_EQ(NS_OK, intro->GetElementsByTagName(wide("a"), getter_AddRefs(links)));
  EXPECT_EQ(5u, count(links));
  nsCOMPtr<nsIDOMNode> first;
  ASSERT_EQ(NS_OK, links->Item(0, getter_AddRefs(first)));
  EXPECT_TRUE(same(first, byId("formLink")));
  ASSERT_EQ(NS_OK, as<nsIDOM3Node>(intro)->SetTextContent(wide("No links now")));
  EXPECT_EQ(0u, count(links));
  EXPECT_EQ(4u, tagCount(document, "A"));
}

TEST_F(DomCoreTest, TreeChangesMoveTheEnginesNodes) {
  auto news = byId("news");
  auto menu = byId("menu");
  nsCOMPtr<nsIDOMNode> moved;
  ASSERT_EQ(NS_OK, menu->AppendChild(news, getter_AddRefs(moved)));
  EXPECT_TRUE(same(moved, news));
  nsCOMPtr<nsIDOMNode> parent;
  ASSERT_EQ(NS_OK, news->GetParentNode(getter_AddRefs(parent)));
  EXPECT_TRUE(same(parent, menu));
  EXPECT_EQ("MenuLatest newsSecond line", textContent(menu));

  nsCOMPtr<nsIDOMNode> removed;
  ASSERT_EQ(NS_OK, menu->RemoveChild(news, getter_AddRefs(removed)));
  EXPECT_EQ("Menu", textContent(menu));
  EXPECT_EQ(NS_ERROR_DOM_NOT_FOUND_ERR, menu->RemoveChild(news, getter_AddRefs(removed)));
  // A node cannot go below itself.
  EXPECT_EQ(NS_ERROR_DOM_HIERARCHY_REQUEST_ERR, menu->AppendChild(menu, getter_AddRefs(moved)));
  // Inserted before itself, a node stays where it is.
  nsCOMPtr<nsIDOMNode> first;
  ASSERT_EQ(NS_OK, menu->GetFirstChild(getter_AddRefs(first)));
  ASSERT_EQ(NS_OK, menu->AppendChild(news, getter_AddRefs(moved)));
  ASSERT_EQ(NS_OK, menu->InsertBefore(first, first, getter_AddRefs(moved)));
  EXPECT_TRUE(same(moved, first));
  EXPECT_EQ("MenuLatest newsSecond line", textContent(menu));
}

TEST_F(DomCoreTest, ManyThreadsReadThePageAtOnce) {
  std::vector<std::thread> readers;
  std::vector<int> failures(4, 0);
  for (int t = 0; t < 4; ++t) {
    readers.emplace_back([&, t] {
      for (int i = 0; i < 20; ++i) {
        nsCOMPtr<nsIDOMElement> heading;
        nsString name;
        if (NS_FAILED(document->GetElementById(wide("heading"), getter_AddRefs(heading))) || !heading ||
            NS_FAILED(heading->GetNodeName(name)) || utf8(name) != "H1") {
          ++failures[t];
        }
      }
    });
  }
  for (auto& reader : readers) reader.join();
  for (int t = 0; t < 4; ++t) EXPECT_EQ(0, failures[t]) << "thread " << t;
}

}  // namespace
}  // namespace gecko_test
