// Nodes made, copied and imported through the DOM, inserted into the page and read
// back; text editing, normalising, positions, and the answers Gecko 1.7 gives for
// what an HTML document does not have.
#include "dom_fixture.h"
#include "nsIDOMComment.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMText.h"

namespace gecko_test {
namespace {

class DomCreateTest : public GeckoDomTest {
 protected:
  nsCOMPtr<nsIDOMHTMLElement> body() {
    nsCOMPtr<nsIDOMHTMLElement> result;
    EXPECT_EQ(NS_OK, document->GetBody(getter_AddRefs(result)));
    return result;
  }
  nsCOMPtr<nsIDOMNode> append(nsIDOMNode* parent, nsIDOMNode* child) {
    nsCOMPtr<nsIDOMNode> result;
    EXPECT_EQ(NS_OK, parent->AppendChild(child, getter_AddRefs(result)));
    return result;
  }
  std::string data(nsIDOMCharacterData* node) { return text(node, &nsIDOMCharacterData::GetData); }
};

TEST_F(DomCreateTest, CreatedNodesJoinThePageWhenInserted) {
  loadString("<body><p id=p>first</p></body>");
  nsCOMPtr<nsIDOMElement> div;
  ASSERT_EQ(NS_OK, document->CreateElement(wide("div"), getter_AddRefs(div)));
  ASSERT_TRUE(div);
  EXPECT_EQ("DIV", text(div.get(), &nsIDOMNode::GetNodeName));
  // Owned by the document before it is in its tree, and not found there yet.
  nsCOMPtr<nsIDOMDocument> owner;
  ASSERT_EQ(NS_OK, div->GetOwnerDocument(getter_AddRefs(owner)));
  EXPECT_TRUE(same(owner, document));
  EXPECT_EQ(0u, tagCount(document, "DIV"));

  nsCOMPtr<nsIDOMText> words;
  ASSERT_EQ(NS_OK, document->CreateTextNode(wide("made here"), getter_AddRefs(words)));
  nsCOMPtr<nsIDOMComment> note;
  ASSERT_EQ(NS_OK, document->CreateComment(wide("a note"), getter_AddRefs(note)));
  append(div, words);
  append(div, note);
  ASSERT_EQ(NS_OK, div->SetAttribute(wide("id"), wide("made")));
  append(body(), div);

  EXPECT_EQ(1u, tagCount(document, "DIV"));
  auto found = byId("made");
  EXPECT_TRUE(same(found, div));
  EXPECT_EQ("made here", textContent(found));
  EXPECT_EQ("#comment", text(note.get(), &nsIDOMNode::GetNodeName));
  EXPECT_EQ("a note", data(note));
  // A created input is a real form control.
  nsCOMPtr<nsIDOMElement> input;
  ASSERT_EQ(NS_OK, document->CreateElement(wide("INPUT"), getter_AddRefs(input)));
  auto field = as<nsIDOMHTMLInputElement>(input);
  ASSERT_TRUE(field);
  EXPECT_EQ("text", text(field.get(), &nsIDOMHTMLInputElement::GetType));

  nsCOMPtr<nsIDOMElement> bad;
  EXPECT_EQ(NS_ERROR_DOM_INVALID_CHARACTER_ERR, document->CreateElement(wide("1st"), getter_AddRefs(bad)));
  EXPECT_EQ(NS_ERROR_DOM_INVALID_CHARACTER_ERR, document->CreateElement(wide(""), getter_AddRefs(bad)));
  EXPECT_EQ(NS_ERROR_DOM_INVALID_CHARACTER_ERR, document->CreateElement(wide("a b"), getter_AddRefs(bad)));
  nsIDOMCDATASection* cdata = nullptr;  // never made: an HTML document has none
  EXPECT_EQ(NS_ERROR_DOM_NOT_SUPPORTED_ERR, document->CreateCDATASection(wide("x"), &cdata));
  EXPECT_EQ(nullptr, cdata);
  nsCOMPtr<nsIDOMElement> namespaced;
  ASSERT_EQ(NS_OK, document->CreateElementNS(wide("http://www.w3.org/1999/xhtml"), wide("html:span"),
                                             getter_AddRefs(namespaced)));
  EXPECT_EQ("SPAN", text(namespaced.get(), &nsIDOMNode::GetNodeName));
  EXPECT_EQ(NS_ERROR_DOM_NAMESPACE_ERR, document->CreateElementNS(wide(""), wide("x:span"), getter_AddRefs(bad)));
}

TEST_F(DomCreateTest, CopiesKeepStateAndStayApartFromTheOriginal) {
  open("form.html");
  auto customer = as<nsIDOMHTMLInputElement>(byId("customer"));
  ASSERT_EQ(NS_OK, customer->SetValue(wide("Ann")));
  nsCOMPtr<nsIDOMNode> copy;
  ASSERT_EQ(NS_OK, customer->CloneNode(PR_FALSE, getter_AddRefs(copy)));
  auto copied = as<nsIDOMHTMLInputElement>(copy);
  ASSERT_TRUE(copied);
  EXPECT_FALSE(same(copy, customer));
  EXPECT_EQ("Ann", text(copied.get(), &nsIDOMHTMLInputElement::GetValue));
  EXPECT_EQ("Your name", text(copied.get(), &nsIDOMHTMLElement::GetTitle));
  nsCOMPtr<nsIDOMNode> parent;
  ASSERT_EQ(NS_OK, copy->GetParentNode(getter_AddRefs(parent)));
  EXPECT_FALSE(parent);
  ASSERT_EQ(NS_OK, copied->SetValue(wide("Bob")));
  EXPECT_EQ("Ann", text(customer.get(), &nsIDOMHTMLInputElement::GetValue));

  // Deep and shallow copies of the form; the deep one carries its fields along.
  auto form = byId("orderForm");
  nsCOMPtr<nsIDOMNode> shallow, deep;
  ASSERT_EQ(NS_OK, form->CloneNode(PR_FALSE, getter_AddRefs(shallow)));
  ASSERT_EQ(NS_OK, form->CloneNode(PR_TRUE, getter_AddRefs(deep)));
  PRBool children = PR_TRUE;
  ASSERT_EQ(NS_OK, shallow->HasChildNodes(&children));
  EXPECT_FALSE(children);
  const PRUint32 inputsBefore = tagCount(document, "INPUT");
  append(body(), deep);
  EXPECT_EQ(2 * inputsBefore, tagCount(document, "INPUT"));

  nsCOMPtr<nsIDOMNode> documentCopy;
  EXPECT_EQ(NS_ERROR_NOT_IMPLEMENTED, document->CloneNode(PR_TRUE, getter_AddRefs(documentCopy)));
  EXPECT_FALSE(documentCopy);
}

TEST_F(DomCreateTest, ImportedNodesComeFromAnotherBrowser) {
  gecko::testbed::SimulatedGecko other;
  ASSERT_TRUE(other.loadString("<body><ul id=list><li>one<li>two</ul></body>", "file:///test/other.html"));
  nsCOMPtr<nsIDOMDocument> otherDocument;
  ASSERT_EQ(NS_OK, other.GetDocument(getter_AddRefs(otherDocument)));
  nsCOMPtr<nsIDOMElement> list;
  ASSERT_EQ(NS_OK, otherDocument->GetElementById(wide("list"), getter_AddRefs(list)));

  loadString("<body><p>here</p></body>");
  // Another browser's node is refused where it would be inserted as it is ...
  nsCOMPtr<nsIDOMNode> refused;
  EXPECT_EQ(NS_ERROR_DOM_WRONG_DOCUMENT_ERR, body()->AppendChild(list, getter_AddRefs(refused)));
  // ... and an imported copy belongs here.
  nsCOMPtr<nsIDOMNode> imported;
  ASSERT_EQ(NS_OK, document->ImportNode(list, PR_TRUE, getter_AddRefs(imported)));
  append(body(), imported);
  EXPECT_EQ(2u, tagCount(document, "LI"));
  EXPECT_EQ("onetwo", textContent(imported));
  EXPECT_EQ(2u, tagCount(otherDocument, "LI"));
  EXPECT_EQ(NS_ERROR_DOM_NOT_SUPPORTED_ERR, document->ImportNode(otherDocument, PR_TRUE, getter_AddRefs(imported)));
  list = nullptr;
  otherDocument = nullptr;
}

TEST_F(DomCreateTest, TextIsEditedInUtf16UnitsAndNormalised) {
  loadString("<body><p id=p>h\xC3\xA9llo world</p></body>");
  auto paragraph = byId("p");
  nsCOMPtr<nsIDOMNode> first;
  ASSERT_EQ(NS_OK, paragraph->GetFirstChild(getter_AddRefs(first)));
  auto words = as<nsIDOMText>(first);
  ASSERT_TRUE(words);
  PRUint32 length = 0;
  ASSERT_EQ(NS_OK, words->GetLength(&length));
  EXPECT_EQ(11u, length);
  nsString piece;
  ASSERT_EQ(NS_OK, words->SubstringData(1, 4, piece));
  EXPECT_EQ("\xC3\xA9llo", utf8(piece));
  ASSERT_EQ(NS_OK, words->ReplaceData(6, 99, wide("there")));
  ASSERT_EQ(NS_OK, words->InsertData(0, wide("Oh, ")));
  ASSERT_EQ(NS_OK, words->DeleteData(2, 1));
  EXPECT_EQ("Oh h\xC3\xA9llo there", data(words));
  EXPECT_EQ(NS_ERROR_DOM_INDEX_SIZE_ERR, words->InsertData(99, wide("x")));

  nsCOMPtr<nsIDOMText> tail;
  ASSERT_EQ(NS_OK, words->SplitText(8, getter_AddRefs(tail)));
  EXPECT_EQ("Oh h\xC3\xA9llo", data(words));
  EXPECT_EQ(" there", data(tail));
  nsCOMPtr<nsIDOMNodeList> children;
  ASSERT_EQ(NS_OK, paragraph->GetChildNodes(getter_AddRefs(children)));
  EXPECT_EQ(2u, count(children));

  nsCOMPtr<nsIDOMText> empty;
  ASSERT_EQ(NS_OK, document->CreateTextNode(wide(""), getter_AddRefs(empty)));
  append(paragraph, empty);
  EXPECT_EQ(3u, count(children));
  ASSERT_EQ(NS_OK, body()->Normalize());
  EXPECT_EQ(1u, count(children));
  EXPECT_EQ("Oh h\xC3\xA9llo there", textContent(paragraph));
}

TEST_F(DomCreateTest, PositionsFeaturesPrefixesAndTheBody) {
  loadString("<body><div id=a><p id=b>x</p></div><p id=c>y</p></body>");
  auto a = as<nsIDOM3Node>(byId("a"));
  auto b = byId("b");
  auto c = byId("c");
  PRUint16 position = 0;
  ASSERT_EQ(NS_OK, a->CompareDocumentPosition(b, &position));
  EXPECT_EQ(nsIDOM3Node::DOCUMENT_POSITION_CONTAINED_BY | nsIDOM3Node::DOCUMENT_POSITION_FOLLOWING, position);
  ASSERT_EQ(NS_OK, as<nsIDOM3Node>(b)->CompareDocumentPosition(byId("a"), &position));
  EXPECT_EQ(nsIDOM3Node::DOCUMENT_POSITION_CONTAINS | nsIDOM3Node::DOCUMENT_POSITION_PRECEDING, position);
  ASSERT_EQ(NS_OK, as<nsIDOM3Node>(c)->CompareDocumentPosition(b, &position));
  EXPECT_EQ(nsIDOM3Node::DOCUMENT_POSITION_PRECEDING, position);
  ASSERT_EQ(NS_OK, as<nsIDOM3Node>(b)->CompareDocumentPosition(c, &position));
  EXPECT_EQ(nsIDOM3Node::DOCUMENT_POSITION_FOLLOWING, position);
  ASSERT_EQ(NS_OK, a->CompareDocumentPosition(byId("a"), &position));
  EXPECT_EQ(0, position);
  nsCOMPtr<nsIDOMElement> loose;
  ASSERT_EQ(NS_OK, document->CreateElement(wide("span"), getter_AddRefs(loose)));
  ASSERT_EQ(NS_OK, a->CompareDocumentPosition(loose, &position));
  EXPECT_TRUE(position & nsIDOM3Node::DOCUMENT_POSITION_DISCONNECTED);

  PRBool supported = PR_FALSE;
  ASSERT_EQ(NS_OK, b->IsSupported(wide("HTML"), wide("2.0"), &supported));
  EXPECT_TRUE(supported);
  ASSERT_EQ(NS_OK, b->IsSupported(wide("html"), wide(""), &supported));
  EXPECT_TRUE(supported);
  ASSERT_EQ(NS_OK, b->IsSupported(wide("HTML"), wide("3.0"), &supported));
  EXPECT_FALSE(supported);
  ASSERT_EQ(NS_OK, b->IsSupported(wide("SVG"), wide(""), &supported));
  EXPECT_FALSE(supported);
  EXPECT_EQ(NS_ERROR_DOM_NAMESPACE_ERR, b->SetPrefix(wide("x")));

  // A new body replaces the old one in its place; only a BODY can be the body.
  nsCOMPtr<nsIDOMElement> made;
  ASSERT_EQ(NS_OK, document->CreateElement(wide("body"), getter_AddRefs(made)));
  ASSERT_EQ(NS_OK, made->SetAttribute(wide("id"), wide("newBody")));
  ASSERT_EQ(NS_OK, document->SetBody(as<nsIDOMHTMLElement>(made)));
  EXPECT_TRUE(same(body(), made));
  EXPECT_EQ(0u, tagCount(document, "P"));
  EXPECT_EQ(1u, tagCount(document, "BODY"));
  EXPECT_EQ(NS_ERROR_DOM_HIERARCHY_REQUEST_ERR, document->SetBody(as<nsIDOMHTMLElement>(loose)));
}

}  // namespace
}  // namespace gecko_test
