// The DOM parser service: XML text to a document read through the DOM, and Mozilla's
// parser-error document for text that is not well formed.
#include "services_fixture.h"

#include "nsIDOMAbstractView.h"
#include "nsIDOMDocumentView.h"
#include "nsIDOMParser.h"
#include "nsIDOMXULElement.h"

#include <atomic>
#include <thread>
#include <vector>

namespace gecko_test {
namespace {

class DomParserTest : public ServicesTest {
 protected:
  void SetUp() override {
    ServicesTest::SetUp();
    parser = do_GetService(NS_DOMPARSER_CONTRACTID);
    ASSERT_TRUE(parser);
  }
  nsCOMPtr<nsIDOMDocument> parse(const std::string& xml) {
    nsCOMPtr<nsIDOMDocument> parsed;
    nsString text = NS_ConvertUTF8toUTF16(nsCString(xml.data(), static_cast<nsCString::size_type>(xml.size())));
    EXPECT_EQ(NS_OK, parser->ParseFromString(text.get(), "text/xml", getter_AddRefs(parsed)));
    return parsed;
  }
  nsCOMPtr<nsIDOMDocument> parseBytes(const std::string& bytes) {
    nsCOMPtr<nsIDOMDocument> parsed;
    EXPECT_EQ(NS_OK, parser->ParseFromBuffer(reinterpret_cast<const PRUint8*>(bytes.data()),
                                             static_cast<PRUint32>(bytes.size()), "text/xml",
                                             getter_AddRefs(parsed)));
    return parsed;
  }
  static nsCOMPtr<nsIDOMElement> rootOf(nsIDOMDocument* parsed) {
    nsCOMPtr<nsIDOMElement> root;
    if (parsed) parsed->GetDocumentElement(getter_AddRefs(root));
    return root;
  }
  static std::string attribute(nsIDOMElement* element, const char* name) {
    nsString value;
    EXPECT_EQ(NS_OK, element->GetAttribute(wide(name), value));
    return utf8(value);
  }
  // The message and the source text of a parser-error document.
  struct Error {
    std::string message, source;
  };
  Error errorOf(nsIDOMDocument* parsed) {
    Error error;
    auto root = rootOf(parsed);
    EXPECT_TRUE(root);
    if (!root) return error;
    EXPECT_EQ("parsererror", text(root.get(), &nsIDOMNode::GetNodeName));
    EXPECT_EQ("http://www.mozilla.org/newlayout/xml/parsererror.xml", text(root.get(), &nsIDOMNode::GetNamespaceURI));
    nsCOMPtr<nsIDOMNode> message, source;
    root->GetFirstChild(getter_AddRefs(message));
    root->GetLastChild(getter_AddRefs(source));
    if (!message || !source) return error;
    error.message = text(message.get(), &nsIDOMNode::GetNodeValue);
    EXPECT_EQ("sourcetext", text(source.get(), &nsIDOMNode::GetNodeName));
    error.source = textContent(source);
    return error;
  }

  nsCOMPtr<nsIDOMParser> parser;
};

TEST_F(DomParserTest, ACommandDocumentKeepsNamesAttributesAndTextAsWritten) {
  auto parsed = parse(
      "<?xml version=\"1.0\"?>\n<PlayCommand method=\"selectItem\" tagName=\"IMG\" value=\"a &amp; &quot;b&quot;\">"
      "<option selectedvalue=\"One\"/><option selectedvalue=\"Two\"/><!-- note --><check name=\"\" "
      "value=\"\"/>line<![CDATA[ <raw> ]]></PlayCommand>");
  ASSERT_TRUE(parsed);
  EXPECT_FALSE(as<nsIDOMHTMLDocument>(parsed));
  // A parsed document is shown in no window.
  nsCOMPtr<nsIDOMAbstractView> view;
  ASSERT_EQ(NS_OK, as<nsIDOMDocumentView>(parsed)->GetDefaultView(getter_AddRefs(view)));
  EXPECT_FALSE(view);
  auto root = rootOf(parsed);
  ASSERT_TRUE(root);
  EXPECT_EQ("PlayCommand", text(root.get(), &nsIDOMNode::GetNodeName));
  EXPECT_EQ("PlayCommand", text(root.get(), &nsIDOMElement::GetTagName));
  EXPECT_FALSE(as<nsIDOMHTMLElement>(root));
  EXPECT_FALSE(as<nsIDOMXULElement>(root));
  EXPECT_EQ("selectItem", attribute(root, "method"));
  EXPECT_EQ("IMG", attribute(root, "tagName"));
  EXPECT_EQ("", attribute(root, "tagname"));  // XML names keep their case
  EXPECT_EQ("a & \"b\"", attribute(root, "value"));
  EXPECT_EQ("", attribute(root, "absent"));

  nsCOMPtr<nsIDOMNodeList> options;
  ASSERT_EQ(NS_OK, root->GetElementsByTagName(wide("option"), getter_AddRefs(options)));
  ASSERT_EQ(2u, count(options));
  nsCOMPtr<nsIDOMNode> second;
  options->Item(1, getter_AddRefs(second));
  EXPECT_EQ("Two", attribute(as<nsIDOMElement>(second), "selectedvalue"));
  ASSERT_EQ(NS_OK, root->GetElementsByTagName(wide("OPTION"), getter_AddRefs(options)));
  EXPECT_EQ(0u, count(options));

  // Children in order: two options, the comment, check, then the text (CDATA joined).
  nsCOMPtr<nsIDOMNodeList> children;
  ASSERT_EQ(NS_OK, root->GetChildNodes(getter_AddRefs(children)));
  std::vector<std::string> names;
  for (PRUint32 i = 0; i < count(children); ++i) {
    nsCOMPtr<nsIDOMNode> child;
    children->Item(i, getter_AddRefs(child));
    names.push_back(text(child.get(), &nsIDOMNode::GetNodeName));
  }
  EXPECT_EQ((std::vector<std::string>{"option", "option", "#comment", "check", "#text"}), names);
  EXPECT_EQ("line <raw> ", textContent(root));
}

TEST_F(DomParserTest, NamespacesGivePrefixLocalNameAndUri) {
  auto parsed = parse("<a:root xmlns:a=\"urn:one\" xmlns=\"urn:default\" a:kind=\"k\" plain=\"p\"><child/></a:root>");
  auto root = rootOf(parsed);
  ASSERT_TRUE(root);
  EXPECT_EQ("a:root", text(root.get(), &nsIDOMNode::GetNodeName));
  EXPECT_EQ("root", text(root.get(), &nsIDOMNode::GetLocalName));
  EXPECT_EQ("a", text(root.get(), &nsIDOMNode::GetPrefix));
  EXPECT_EQ("urn:one", text(root.get(), &nsIDOMNode::GetNamespaceURI));
  EXPECT_EQ("urn:one", attribute(root, "xmlns:a"));  // declarations stay attributes
  nsString value;
  ASSERT_EQ(NS_OK, root->GetAttributeNS(wide("urn:one"), wide("kind"), value));
  EXPECT_EQ("k", utf8(value));
  ASSERT_EQ(NS_OK, root->GetAttributeNS(wide(""), wide("plain"), value));
  EXPECT_EQ("p", utf8(value));
  ASSERT_EQ(NS_OK, root->GetAttributeNS(wide("urn:default"), wide("plain"), value));
  EXPECT_EQ("", utf8(value));  // an attribute without prefix is in no namespace
  nsCOMPtr<nsIDOMNodeList> children;
  ASSERT_EQ(NS_OK, parsed->GetElementsByTagNameNS(wide("urn:default"), wide("child"), getter_AddRefs(children)));
  EXPECT_EQ(1u, count(children));
}

TEST_F(DomParserTest, TextThatIsNotWellFormedGivesTheParserErrorDocument) {
  Error mismatched = errorOf(parse("<a>\n  <b></a>"));
  EXPECT_EQ("XML Parsing Error: mismatched tag\nLocation: about:blank\nLine Number 2, Column 8:", mismatched.message);
  EXPECT_EQ("  <b></a>\n-------^", mismatched.source);

  Error empty = errorOf(parse(""));
  EXPECT_EQ("XML Parsing Error: no element found\nLocation: about:blank\nLine Number 1, Column 1:", empty.message);
  EXPECT_EQ("\n^", empty.source);

  // A command document without a method is what callers read from such a document.
  auto root = rootOf(parse("<cmd method=\"setText\""));
  ASSERT_TRUE(root);
  EXPECT_EQ("", attribute(root, "method"));
}

TEST_F(DomParserTest, BytesAreDecodedAsDeclaredAndStringsAsTheyAre) {
  auto latin = rootOf(parseBytes("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>caf\xe9</r>"));
  ASSERT_TRUE(latin);
  EXPECT_EQ("caf\xc3\xa9", textContent(latin));
  // Without a declaration bytes are UTF-8; a Latin-1 byte is then not well formed.
  Error invalid = errorOf(parseBytes("<r>caf\xe9</r>"));
  EXPECT_EQ(0u, invalid.message.find("XML Parsing Error: not well-formed (invalid token)\n")) << invalid.message;
  // A string is already text: its declaration does not decode it again.
  auto string = rootOf(parse("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>caf\xc3\xa9</r>"));
  ASSERT_TRUE(string);
  EXPECT_EQ("caf\xc3\xa9", textContent(string));
}

TEST_F(DomParserTest, HugeDocumentsParseAndTooDeepOnesAreRefused) {
  std::string wide_ = "<list>";
  for (int i = 0; i < 50000; ++i) wide_ += "<item n=\"" + std::to_string(i) + "\">x</item>";
  wide_ += "</list>";
  auto parsed = parse(wide_);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(50000u, tagCount(parsed, "item"));

  // So deep a tree would exhaust the stack of whatever walks it.
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "<d>";
  Error tooDeep = errorOf(parse(deep));
  EXPECT_EQ(0u, tooDeep.message.find("XML Parsing Error: document nested too deeply\n")) << tooDeep.message;
}

TEST_F(DomParserTest, ArgumentsAreCheckedAsGeckoChecksThem) {
  nsCOMPtr<nsIDOMDocument> parsed;
  EXPECT_EQ(NS_ERROR_INVALID_ARG, parser->ParseFromString(nullptr, "text/xml", getter_AddRefs(parsed)));
  EXPECT_EQ(NS_ERROR_INVALID_ARG, parser->ParseFromString(u"<a/>", nullptr, getter_AddRefs(parsed)));
  EXPECT_EQ(NS_ERROR_NOT_IMPLEMENTED, parser->ParseFromString(u"<a/>", "text/html", getter_AddRefs(parsed)));
  EXPECT_FALSE(parsed);
  EXPECT_EQ(NS_OK, parser->ParseFromString(u"<a/>", "application/xml", getter_AddRefs(parsed)));
  EXPECT_TRUE(parsed);
}

TEST_F(DomParserTest, AParsedDocumentIsReadFromSeveralThreadsAtOnce) {
  auto parsed = parse("<c method=\"clickLink\"><check a=\"1\"/><check b=\"2\"/></c>");
  auto root = rootOf(parsed);
  ASSERT_TRUE(root);
  std::atomic<int> good{0};
  std::vector<std::thread> readers;
  for (int t = 0; t < 4; ++t) {
    readers.emplace_back([&] {
      for (int i = 0; i < 200; ++i) {
        nsString method;
        nsCOMPtr<nsIDOMNodeList> checks;
        if (NS_SUCCEEDED(root->GetAttribute(NS_LITERAL_STRING("method"), method)) &&
            NS_SUCCEEDED(root->GetElementsByTagName(NS_LITERAL_STRING("check"), getter_AddRefs(checks)))) {
          PRUint32 length = 0;
          checks->GetLength(&length);
          if (method.EqualsLiteral("clickLink") && length == 2) ++good;
        }
      }
    });
  }
  for (auto& reader : readers) reader.join();
  EXPECT_EQ(800, good.load());
}

}  // namespace
}  // namespace gecko_test
