// The HTML document as Gecko reports it: title, body, collections, look-ups.
#include "dom_fixture.h"

namespace gecko_test {
namespace {

using DomDocumentTest = GeckoDomTest;

TEST_F(DomDocumentTest, TitleIsTheTitleElementsTextAndCanBeSet) {
  open("index.html");
  EXPECT_EQ("Sample Home", text(document.get(), &nsIDOMHTMLDocument::GetTitle));
  ASSERT_EQ(NS_OK, document->SetTitle(wide("Renamed \xE2\x80\x93 page")));
  EXPECT_EQ("Renamed \xE2\x80\x93 page", text(document.get(), &nsIDOMHTMLDocument::GetTitle));
  EXPECT_EQ(siteUrl("index.html"), text(document.get(), &nsIDOMHTMLDocument::GetURL));
  EXPECT_EQ("", text(document.get(), &nsIDOMHTMLDocument::GetDomain));  // a file: page has no host

  loadString("<html><head><title>  Folded \n  title </title></head><body></body></html>");
  EXPECT_EQ("Folded title", text(document.get(), &nsIDOMHTMLDocument::GetTitle));
}

TEST_F(DomDocumentTest, LinksAndImagesCollections) {
  open("index.html");
  nsCOMPtr<nsIDOMHTMLCollection> links;
  ASSERT_EQ(NS_OK, document->GetLinks(getter_AddRefs(links)));
  EXPECT_EQ(12u, count(links));  // nine links with an address and three map areas
  nsCOMPtr<nsIDOMNode> area;
  ASSERT_EQ(NS_OK, links->NamedItem(wide("areaHome"), getter_AddRefs(area)));
  ASSERT_TRUE(area);
  EXPECT_EQ("AREA", text(area.get(), &nsIDOMNode::GetNodeName));

  nsCOMPtr<nsIDOMHTMLCollection> images;
  ASSERT_EQ(NS_OK, document->GetImages(getter_AddRefs(images)));
  EXPECT_EQ(2u, count(images));
  nsCOMPtr<nsIDOMNode> image;
  ASSERT_EQ(NS_OK, images->Item(1, getter_AddRefs(image)));
  EXPECT_TRUE(same(image, byId("navmap")));
  ASSERT_EQ(NS_OK, images->NamedItem(wide("rollover"), getter_AddRefs(image)));  // by name too
  EXPECT_TRUE(same(image, byId("rollover")));
  ASSERT_EQ(NS_OK, images->NamedItem(wide(""), getter_AddRefs(image)));
  EXPECT_FALSE(image);
  ASSERT_EQ(NS_OK, images->Item(2, getter_AddRefs(image)));
  EXPECT_FALSE(image);

  nsCOMPtr<nsIDOMHTMLCollection> forms;
  ASSERT_EQ(NS_OK, document->GetForms(getter_AddRefs(forms)));
  EXPECT_EQ(0u, count(forms));

  // The collections follow the page.
  ASSERT_TRUE(gecko.open(siteUrl("form.html")));
  nsCOMPtr<nsIDOMDocument> formPage;
  ASSERT_EQ(NS_OK, gecko.GetDocument(getter_AddRefs(formPage)));
  auto formDocument = as<nsIDOMHTMLDocument>(formPage);
  ASSERT_EQ(NS_OK, formDocument->GetForms(getter_AddRefs(forms)));
  EXPECT_LT(0u, count(forms));
}

TEST_F(DomDocumentTest, LookupsByIdNameAndTag) {
  loadString(R"(<html><head><title>Look-ups</title></head><body class="page">
<p id="one" class="note" lang="en" dir="ltr">One</p><!-- a remark -->
<input name="q"><input name="q"><a name="top">Top</a><a href="x.html">X</a>
</body></html>)");
  nsCOMPtr<nsIDOMElement> missing;
  ASSERT_EQ(NS_OK, document->GetElementById(wide("nothing"), getter_AddRefs(missing)));
  EXPECT_FALSE(missing);
  ASSERT_EQ(NS_OK, document->GetElementById(wide(""), getter_AddRefs(missing)));
  EXPECT_FALSE(missing);

  auto one = byId("one");
  EXPECT_EQ("note", text(one.get(), &nsIDOMHTMLElement::GetClassName));
  EXPECT_EQ("en", text(one.get(), &nsIDOMHTMLElement::GetLang));
  EXPECT_EQ("ltr", text(one.get(), &nsIDOMHTMLElement::GetDir));
  EXPECT_EQ("", text(one.get(), &nsIDOMHTMLElement::GetTitle));

  nsCOMPtr<nsIDOMNode> remark;
  ASSERT_EQ(NS_OK, one->GetNextSibling(getter_AddRefs(remark)));
  ASSERT_TRUE(remark);
  EXPECT_EQ("#comment", text(remark.get(), &nsIDOMNode::GetNodeName));
  EXPECT_EQ(" a remark ", text(remark.get(), &nsIDOMNode::GetNodeValue));

  nsCOMPtr<nsIDOMNodeList> named;
  ASSERT_EQ(NS_OK, document->GetElementsByName(wide("q"), getter_AddRefs(named)));
  EXPECT_EQ(2u, count(named));
  nsCOMPtr<nsIDOMHTMLCollection> anchors;
  ASSERT_EQ(NS_OK, document->GetAnchors(getter_AddRefs(anchors)));
  EXPECT_EQ(1u, count(anchors));
  EXPECT_EQ(9u, tagCount(document, "*"));  // HTML, HEAD, TITLE, BODY and the five above

  nsCOMPtr<nsIDOMHTMLElement> body;
  ASSERT_EQ(NS_OK, document->GetBody(getter_AddRefs(body)));
  EXPECT_EQ("page", text(body.get(), &nsIDOMHTMLElement::GetClassName));
}

TEST_F(DomDocumentTest, ReferencesOutlivingTheBrowserFailCleanly) {
  nsCOMPtr<nsIDOMHTMLElement> heading;
  {
    gecko::testbed::SimulatedGecko shortLived;
    ASSERT_TRUE(shortLived.open(siteUrl("index.html")));
    nsCOMPtr<nsIDOMDocument> page;
    ASSERT_EQ(NS_OK, shortLived.GetDocument(getter_AddRefs(page)));
    nsCOMPtr<nsIDOMElement> element;
    ASSERT_EQ(NS_OK, page->GetElementById(wide("heading"), getter_AddRefs(element)));
    heading = as<nsIDOMHTMLElement>(element);
    ASSERT_TRUE(heading);
  }
  nsString name;
  EXPECT_EQ(NS_ERROR_FAILURE, heading->GetNodeName(name));
  PRUint16 type = 0;
  EXPECT_EQ(NS_OK, heading->GetNodeType(&type));  // fixed at creation
}

TEST_F(DomDocumentTest, UnknownInterfacesAreRefused) {
  open("index.html");
  void* result = reinterpret_cast<void*>(1);
  EXPECT_EQ(NS_NOINTERFACE, document->QueryInterface(NS_GET_IID(nsIDOMElement), &result));
  EXPECT_EQ(nullptr, result);
  auto heading = byId("heading");
  EXPECT_EQ(NS_NOINTERFACE, heading->QueryInterface(NS_GET_IID(nsIDOMDocument), &result));
  EXPECT_TRUE(as<nsIDOM3Node>(heading));
  EXPECT_TRUE(as<nsIDOM3Node>(document));
}

}  // namespace
}  // namespace gecko_test
