// Element checkpoints: each kind found as playback finds it and read as the recorder
// wrote it, the detail pairs byte for byte, what is not found, and bad commands.
#include <string>

#include "nsIDOMHTMLAnchorElement.h"
#include "nsIDOMHTMLCollection.h"
#include "nsIDOMHTMLImageElement.h"
#include "nsIDOMWindowCollection.h"
#include "validator_fixture.h"

namespace marbleck_validator_test {
namespace {

using marbleck_dom_test::as;
using marbleck_dom_test::utf8;

const char* const kForm = R"html(<form name="order">
<input type="text" value="Hello" title="Tip">
<input type="text" name="who" value="first">
<input type="text" name="who" value="second" disabled>
<input type="checkbox" id="agree" value="yes" checked>
<input type="file" name="upload">
<textarea name="notes">Line one
line two</textarea>
<select name="color" multiple title="Colours"><option>Red</option><option selected>Green</option><option selected>Blue</option></select>
</form>
<a href="next.html" name="anchor" title="Onward">Go
on</a>
<img id="logo" src="logo.gif" alt="Logo">
<img src="plain.gif">
<table id="T"><tr><td>a1</td><td id="c">a2</td></tr><tr><td>b1</td><td>b2
more</td></tr></table>
<table><tr><td>Twenty-eight bytes of text!!</td><td></td></tr></table>)html";

class ElementCheckTest : public ValidatorTest {
 protected:
  // The address of the page's first link.
  std::string firstHref() {
    nsCOMPtr<nsIDOMHTMLCollection> links;
    nsCOMPtr<nsIDOMNode> first;
    EXPECT_EQ(NS_OK, document->GetLinks(getter_AddRefs(links)));
    if (links) links->Item(0, getter_AddRefs(first));
    nsString text;
    auto anchor = as<nsIDOMHTMLAnchorElement>(first);
    EXPECT_TRUE(anchor && NS_SUCCEEDED(anchor->GetHref(text)));
    return utf8(text);
  }
  std::string src(const char* id) {
    nsString text;
    auto image = as<nsIDOMHTMLImageElement>(byId(id));
    EXPECT_TRUE(image && NS_SUCCEEDED(image->GetSrc(text)));
    return utf8(text);
  }
};

TEST_F(ElementCheckTest, AnInputWithoutIdOrNameIsFoundByItsValueAndItsPairsHaveABlankBeforeTheEquals) {
  page(kForm);
  EXPECT_EQ(Replies{status("PASSED", "name =\"NONE\" value =\"Hello\" type =\"text\" formname =\"order\" "
                                     "disable =\"false\" windowtitle =\"Test page\" defaultChecked =\"false\" "
                                     "source =\"NONE\" tooltip =\"Tip\" id =\"NONE\" ")},
            run(Check::Element,
                R"(<c caseid="7" type="text" id="NONE" name="NONE" value="Hello" index="0">)"
                R"(<check name="x" value="x" type="x" formname="x" disable="x" windowtitle="x" defaultChecked="x")"
                R"( source="x" tooltip="x" id="x" unknown="x"/></c>)"));
}

TEST_F(ElementCheckTest, FormFieldsByNameIndexAndId) {
  page(kForm);
  // By name with its index; a disabled field; the live value.
  EXPECT_EQ(Replies{status("PASSED", "value =\"second\" disable =\"true\" ")},
            run(Check::Element,
                R"(<c caseid="7" type="text" id="NONE" name="who" index="1"><check value="" disable=""/></c>)"));
  // By id; a check box's value is its caption, defaultChecked its attribute.
  EXPECT_EQ(Replies{status("PASSED", "id =\"agree\" defaultChecked =\"true\" name =\"NONE\" value =\"yes\" ")},
            run(Check::Element, R"(<c caseid="7" type="checkbox" id="agree" name="NONE">)"
                                R"(<check id="" defaultChecked="" name="" value=""/></c>)"));
  // A text area's line breaks as the recorder writes them, and no blank before "=".
  EXPECT_EQ(Replies{status("PASSED", "value=\"Line one<VK_RETURN>line two\" type=\"textarea\" tooltip=\"NONE\" ")},
            run(Check::Element, R"(<c caseid="7" type="textarea" id="NONE" name="notes">)"
                                R"(<check value="Line oneVK_RETURNline two" type="" tooltip=""/></c>)"));
  // A property the kind does not know ("value" of a list) appends nothing.
  EXPECT_EQ(Replies{status("PASSED", "allitems=\"Red:-:Green:-:Blue\" selecteditems=\"Green:-:Blue\" "
                                     "type=\"select-multiple\" tooltip=\"Colours\" formname=\"order\" ")},
            run(Check::Element, R"(<c caseid="7" type="select-multiple" id="NONE" name="color">)"
                                R"(<check allitems="" selecteditems="" value="" type="" tooltip="" formname=""/></c>)"));
}

TEST_F(ElementCheckTest, LinksAndImages) {
  page(kForm);
  // A link by its text, line breaks as blanks; its "target" is its address.
  EXPECT_EQ(Replies{status("PASSED", "innertext=\"Go on\" name=\"anchor\" target=\"" + firstHref() +
                                         "\" tooltip=\"Onward\" id=\"NONE\" windowtitle=\"Test page\" ")},
            run(Check::Element, R"(<c caseid="7" type="link" id="NONE" innertext="Go on">)"
                                R"(<check innertext="" name="" target="" tooltip="" id="" windowtitle=""/></c>)"));
  // An image by id, and one by its picture.
  EXPECT_EQ(Replies{status("PASSED", "source=\"" + src("logo") + "\" alt=\"Logo\" name=\"NONE\" ")},
            run(Check::Element, R"(<c caseid="7" type="image" tagName="IMG" id="logo">)"
                                R"(<check source="" alt="" name=""/></c>)"));
  const std::string plain = src("logo").replace(src("logo").rfind("logo.gif"), 8, "plain.gif");
  EXPECT_EQ(Replies{status("PASSED", "alt=\"NONE\" tooltip=\"NONE\" ")},
            run(Check::Element, R"(<c caseid="7" type="image" tagName="IMG" id="NONE" source=")" + plain +
                                    R"("><check alt="" tooltip=""/></c>)"));
}

TEST_F(ElementCheckTest, CellsByTheirTableAndRecordedPlaceOrByTheirId) {
  page(kForm);
  // The recorded places count from 1: row 2, column 2 is "b2 more".
  EXPECT_EQ(Replies{status("PASSED", "cellvalue=\"b2 more\" rowindex=\"2\" columnindex=\"2\" id=\"NONE\" "
                                     "windowtitle=\"Test page\" ")},
            run(Check::Element, R"(<c caseid="7" type="cell" id="NONE" tableid="T" firstcellvalue="a1")"
                                R"( tableindex="0" rowindex="2" columnindex="2">)"
                                R"(<check cellvalue="" rowindex="" columnindex="" id="" windowtitle=""/></c>)"));
  EXPECT_EQ(Replies{status("PASSED", "cellvalue=\"a2\" rowindex=\"1\" columnindex=\"2\" ")},
            run(Check::Element, R"(<c caseid="7" type="cell" id="c" tableid="T"><check cellvalue="" rowindex="")"
                                R"( columnindex=""/></c>)"));
  // A table without id by its first cell, cut to ten characters as recorded; an empty
  // cell reads "NONE".
  EXPECT_EQ(Replies{status("PASSED", "cellvalue=\"NONE\" ")},
            run(Check::Element, R"(<c caseid="7" type="cell" id="NONE" tableid="NONE" firstcellvalue="Twenty-eig")"
                                R"( tableindex="0" rowindex="1" columnindex="2"><check cellvalue=""/></c>)"));
  // Out of range, before the first, and a second table that is not there.
  for (const char* place : {R"(rowindex="3" columnindex="1")", R"(rowindex="1" columnindex="3")",
                            R"(rowindex="0" columnindex="1")", R"(rowindex="-1" columnindex="-1")",
                            R"(rowindex="99999999999999" columnindex="1")"}) {
    EXPECT_EQ(Replies{status("ERROR_ELEMENT_NOT_FOUND", "")},
              run(Check::Element,
                  std::string(R"(<c caseid="7" type="cell" id="NONE" tableid="T" tableindex="0" )") + place +
                      R"(><check cellvalue=""/></c>)",
                  NS_ERROR_FAILURE))
        << place;
  }
  EXPECT_EQ(Replies{status("ERROR_ELEMENT_NOT_FOUND", "")},
            run(Check::Element, R"(<c caseid="7" type="cell" id="NONE" tableid="T" tableindex="1" rowindex="1")"
                                R"( columnindex="1"><check cellvalue=""/></c>)",
                NS_ERROR_FAILURE));
}

// Mended: the recorder takes checkpoints of file fields; one is read back as an INPUT,
// not left without a reply.
TEST_F(ElementCheckTest, AFileFieldIsReadBackAsAnInput) {
  page(kForm);
  EXPECT_EQ(Replies{status("PASSED", "name =\"upload\" type =\"file\" ")},
            run(Check::Element, R"(<c caseid="7" type="file" id="NONE" name="upload"><check name="" type=""/></c>)"));
}

TEST_F(ElementCheckTest, WhatIsNotFoundAndKindsWithoutACheckpoint) {
  page(kForm);
  EXPECT_EQ(Replies{status("ERROR_ELEMENT_NOT_FOUND", "", "9")},
            run(Check::Element, R"(<c caseid="9" type="text" id="NONE" name="who" index="2"><check value=""/></c>)",
                NS_ERROR_FAILURE));
  EXPECT_EQ(Replies{status("ERROR_ELEMENT_NOT_FOUND", "", "9")},
            run(Check::Element, R"(<c caseid="9" type="link" id="missing"><check id=""/></c>)", NS_ERROR_FAILURE));
  // An index beyond every number, held within range rather than wrapping to 0.
  EXPECT_EQ(Replies{status("ERROR_ELEMENT_NOT_FOUND", "", "9")},
            run(Check::Element,
                R"(<c caseid="9" type="text" id="NONE" name="who" index="99999999999999999999"><check value=""/></c>)",
                NS_ERROR_FAILURE));
  // Kinds no checkpoint is taken of, and a command with no attributes: no reply.
  EXPECT_EQ(Replies{}, run(Check::Element, R"(<c caseid="9" type="div" id="NONE"><check name=""/></c>)",
                           NS_ERROR_FAILURE));
  EXPECT_EQ(Replies{}, run(Check::Element, R"(<c/>)", NS_ERROR_FAILURE));
  EXPECT_EQ(Replies{}, run(Check::Element, R"(<c caseid="9" type="" classname="Other"/>)", NS_ERROR_FAILURE));
}

TEST_F(ElementCheckTest, TheCheckChildDecidesWhatIsRead) {
  page(kForm);
  // No "check" child: nothing to read, the element is there.
  EXPECT_EQ(Replies{status("PASSED", "")},
            run(Check::Element, R"(<c caseid="7" type="text" id="NONE" name="who"><other value=""/></c>)"));
  // A later "check" replaces an earlier one; text between them is passed over.
  EXPECT_EQ(Replies{status("PASSED", "disable =\"false\" ")},
            run(Check::Element, R"(<c caseid="7" type="text" id="NONE" name="who"><check value=""/> text )"
                                R"(<check disable=""/></c>)"));
  // Empty and huge values go out as they are, in one reply.
  const std::string huge(100000, 'h');
  EXPECT_EQ(Replies{status("PASSED", "", huge)},
            run(Check::Element, R"(<c caseid=")" + huge + R"(" type="text" id="NONE" name="who"><check/></c>)"));
  EXPECT_EQ(Replies{status("PASSED", "value =\"first\" ", "")},
            run(Check::Element, R"(<c caseid="" type="text" id="NONE" name="who"><check value=""/></c>)"));
}

// As the recorder names it: the title of the frame showing the element, not the top's.
TEST_F(ElementCheckTest, TheWindowTitleOfAnElementInAFrameIsTheFrames) {
  open("frames.html");
  nsCOMPtr<nsIDOMWindowCollection> frames;
  ASSERT_EQ(NS_OK, window()->GetFrames(getter_AddRefs(frames)));
  nsCOMPtr<nsIDOMWindow> nav;
  ASSERT_EQ(NS_OK, frames->NamedItem(wide("nav"), getter_AddRefs(nav)));
  ASSERT_TRUE(nav);
  nsCOMPtr<nsIDOMDocument> navDocument;
  ASSERT_EQ(NS_OK, nav->GetDocument(getter_AddRefs(navDocument)));
  EXPECT_EQ(NS_OK, RunCheck(socket, navDocument, Check::Element,
                            R"(<c caseid="7" type="link" id="toTables"><check windowtitle="" innertext=""/></c>)"));
  EXPECT_EQ(Replies{status("PASSED", "windowtitle=\"Navigation\" innertext=\"Tables in the main frame\" ")},
            ReadReplies(server));
}

TEST_F(ElementCheckTest, AnXpcomObjectWithWeakReferences) {
  nsCOMPtr<nsValidator> validator = new nsValidator(socket);
  nsCOMPtr<nsISupports> plain = do_QueryInterface(static_cast<nsISupportsWeakReference*>(validator.get()));
  ASSERT_TRUE(plain);
  nsCOMPtr<nsValidator> again = do_QueryInterface(plain);
  EXPECT_EQ(validator.get(), again.get());
  nsCOMPtr<nsISupportsWeakReference> weakly = do_QueryInterface(plain);
  ASSERT_TRUE(weakly);
  nsCOMPtr<nsIWeakReference> weak;
  ASSERT_EQ(NS_OK, weakly->GetWeakReference(getter_AddRefs(weak)));
  nsCOMPtr<nsISupports> referent;
  EXPECT_EQ(NS_OK, weak->QueryReferent(NS_GET_IID(nsISupports), getter_AddRefs(referent)));
  EXPECT_TRUE(referent);
  referent = nullptr;
  weakly = nullptr;
  again = nullptr;
  plain = nullptr;
  validator = nullptr;
  EXPECT_NE(NS_OK, weak->QueryReferent(NS_GET_IID(nsISupports), getter_AddRefs(referent)));
  EXPECT_FALSE(referent);
}

}  // namespace
}  // namespace marbleck_validator_test
