// The MSHTML document model as the system reads it, from the test thread: which
// interfaces each element kind answers, the properties it reads (null versus empty),
// collections, frames reached through IOleContainer, handlers invoked through IDispatch.
#include "browser_fixture.h"

#include <testbed/internet_explorer.h>

namespace mshtml_test {
namespace {

const char kPage[] = R"(<html><head><title>Kinds</title></head><body>
<form name="order" id="orderForm" action="result.html">
<input type="text" id="text" name="customer" value="Ann" title="Your name">
<input type="password" id="password" name="secret">
<input id="untyped" name="">
<input type="checkbox" id="check" name="gift" value="yes" checked>
<input type="radio" id="radio" name="size" value="M">
<input type="submit" id="submit" name="send" value="Send">
<input type="reset" id="reset">
<input type="button" id="button" value="Check" disabled>
<input type="file" id="file" name="attachment">
<input type="hidden" id="hidden" name="source" value="sample">
<input type="image" id="image" src="go.gif" alt="Go">
<textarea id="notes" name="notes">First
Second</textarea>
<select id="colour" name="colour"><option value="r">Red</option><option value="g" selected>Green</option></select>
</form>
<div id="box" align="center"><span id="inline">text</span></div>
<a id="link" href="other.html" target="_blank" name="anchor">Other page</a>
<img id="picture" src="pic.gif" alt="A picture" name="pic" usemap="#shapes">
<map name="shapes" id="shapes"><area id="spot" shape="rect" coords="0,0,10,10" href="a.html" alt="Spot"></map>
<table id="grid" align="left"><tr><td id="c00">a</td><td id="c01" align="right">b</td></tr><tr><td>c</td><td>d</td></tr></table>
<p id="para" onmouseover="document.title='hovered'">Some words</p>
</body></html>)";

class DocumentModelTest : public BrowserTest {
 protected:
  void SetUp() override {
    BrowserTest::SetUp();
    load(page("kinds.html", kPage));
  }
  bool answers(const char* id, const IID& iid) {
    Ref<IHTMLElement> element = elementById(id);
    EXPECT_TRUE(element) << id;
    Ref<IUnknown> found;
    return element && SUCCEEDED(element->QueryInterface(iid, found.outVoid())) && found;
  }
  template <typename I>
  Ref<I> as(const char* id, const IID& iid) {
    Ref<IHTMLElement> element = elementById(id);
    Ref<I> result;
    if (element) element.query(iid, result);
    EXPECT_TRUE(result) << id;
    return result;
  }
};

TEST_F(DocumentModelTest, EachElementKindAnswersIEsInterfaces) {
  struct Case {
    const char* id;
    const IID* answered;
  };
  const IID* families[] = {&IID_IHTMLInputTextElement, &IID_IHTMLInputButtonElement, &IID_IHTMLOptionButtonElement,
                           &IID_IHTMLInputFileElement, &IID_IHTMLTextAreaElement,    &IID_IHTMLSelectElement,
                           &IID_IHTMLDivElement,       &IID_IHTMLAnchorElement,      &IID_IHTMLImgElement,
                           &IID_IHTMLTable,            &IID_IHTMLTableCell,          &IID_IHTMLAreaElement,
                           &IID_IHTMLMapElement,       &IID_IHTMLFormElement};
  const Case cases[] = {
      {"text", &IID_IHTMLInputTextElement},   {"password", &IID_IHTMLInputTextElement},
      {"untyped", &IID_IHTMLInputTextElement}, {"check", &IID_IHTMLOptionButtonElement},
      {"radio", &IID_IHTMLOptionButtonElement}, {"submit", &IID_IHTMLInputButtonElement},
      {"reset", &IID_IHTMLInputButtonElement}, {"button", &IID_IHTMLInputButtonElement},
      {"file", &IID_IHTMLInputFileElement},   {"notes", &IID_IHTMLTextAreaElement},
      {"colour", &IID_IHTMLSelectElement},    {"box", &IID_IHTMLDivElement},
      {"link", &IID_IHTMLAnchorElement},      {"picture", &IID_IHTMLImgElement},
      {"grid", &IID_IHTMLTable},              {"c00", &IID_IHTMLTableCell},
      {"spot", &IID_IHTMLAreaElement},        {"shapes", &IID_IHTMLMapElement},
      {"orderForm", &IID_IHTMLFormElement},   {"inline", nullptr},
      {"hidden", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    EXPECT_TRUE(answers(c.id, IID_IHTMLElement));
    EXPECT_TRUE(answers(c.id, IID_IHTMLElement2));
    for (const IID* family : families) EXPECT_EQ(answers(c.id, *family), family == c.answered);
  }
  EXPECT_TRUE(answers("check", IID_IHTMLInputElement));
  EXPECT_FALSE(answers("box", IID_IHTMLInputElement));
  EXPECT_TRUE(answers("grid", IID_IHTMLTable2));
}

TEST_F(DocumentModelTest, AbsentAttributesAreNullAndEmptyOnesEmpty) {
  Ref<IHTMLInputTextElement> untyped = as<IHTMLInputTextElement>("untyped", IID_IHTMLInputTextElement);
  Bstr name;
  ASSERT_EQ(untyped->get_name(name.out()), S_OK);
  EXPECT_FALSE(name.isNull());  // name=""
  EXPECT_EQ(name.text(), "");
  Bstr type;
  ASSERT_EQ(untyped->get_type(type.out()), S_OK);
  EXPECT_EQ(type.text(), "text");  // an INPUT without a type is a text field

  Ref<IHTMLInputTextElement> password = as<IHTMLInputTextElement>("password", IID_IHTMLInputTextElement);
  Bstr noValueName;
  ASSERT_EQ(password->get_name(noValueName.out()), S_OK);
  EXPECT_EQ(noValueName.text(), "secret");

  Ref<IHTMLElement> span = elementById("inline");
  Bstr id, title;
  ASSERT_EQ(span->get_title(title.out()), S_OK);
  EXPECT_TRUE(title.isNull());
  ASSERT_EQ(span->get_id(id.out()), S_OK);
  EXPECT_EQ(id.text(), "inline");
  Ref<IHTMLElement> parent;
  ASSERT_EQ(span->get_parentElement(parent.out()), S_OK);
  Bstr parentId;
  parent->get_id(parentId.out());
  EXPECT_EQ(parentId.text(), "box");
  Bstr noId;
  Ref<IHTMLElement> body;
  document()->get_body(body.out());
  ASSERT_EQ(body->get_id(noId.out()), S_OK);
  EXPECT_TRUE(noId.isNull());
}

TEST_F(DocumentModelTest, FieldPropertiesTheSystemReads) {
  Ref<IHTMLInputTextElement> text = as<IHTMLInputTextElement>("text", IID_IHTMLInputTextElement);
  Bstr value, name;
  text->get_value(value.out());
  text->get_name(name.out());
  EXPECT_EQ(value.text(), "Ann");
  EXPECT_EQ(name.text(), "customer");
  Ref<IHTMLFormElement> form;
  ASSERT_EQ(text->get_form(form.out()), S_OK);
  ASSERT_TRUE(form);
  Bstr formName;
  form->get_name(formName.out());
  EXPECT_EQ(formName.text(), "order");
  Ref<IHTMLElement> textElement = elementById("text");
  Bstr tooltip;
  textElement->get_title(tooltip.out());
  EXPECT_EQ(tooltip.text(), "Your name");

  Ref<IHTMLOptionButtonElement> check = as<IHTMLOptionButtonElement>("check", IID_IHTMLOptionButtonElement);
  VARIANT_BOOL status = VARIANT_FALSE, defaultChecked = VARIANT_FALSE;
  check->get_status(&status);
  check->get_defaultChecked(&defaultChecked);
  EXPECT_EQ(status, VARIANT_TRUE);  // -1
  EXPECT_EQ(defaultChecked, VARIANT_TRUE);
  Bstr checkType;
  check->get_type(checkType.out());
  EXPECT_EQ(checkType.text(), "checkbox");

  Ref<IHTMLInputElement> button = as<IHTMLInputElement>("button", IID_IHTMLInputElement);
  VARIANT_BOOL disabled = VARIANT_FALSE;
  button->get_disabled(&disabled);
  EXPECT_EQ(disabled, VARIANT_TRUE);

  Ref<IHTMLInputFileElement> file = as<IHTMLInputFileElement>("file", IID_IHTMLInputFileElement);
  Bstr fileType;
  file->get_type(fileType.out());
  EXPECT_EQ(fileType.text(), "file");

  Ref<IHTMLTextAreaElement> notes = as<IHTMLTextAreaElement>("notes", IID_IHTMLTextAreaElement);
  Bstr areaType, areaValue;
  notes->get_type(areaType.out());
  notes->get_value(areaValue.out());
  EXPECT_EQ(areaType.text(), "textarea");
  EXPECT_EQ(areaValue.text(), "First\r\nSecond");  // IE's line breaks

  Ref<IHTMLSelectElement> colour = as<IHTMLSelectElement>("colour", IID_IHTMLSelectElement);
  LONG length = 0;
  colour->get_length(&length);
  EXPECT_EQ(length, 2);
  Bstr selectType, selectValue;
  colour->get_type(selectType.out());
  colour->get_value(selectValue.out());
  EXPECT_EQ(selectType.text(), "select-one");
  EXPECT_EQ(selectValue.text(), "g");
  VARIANT index, none;
  VariantInit(&index);
  VariantInit(&none);
  V_VT(&index) = VT_I4;
  V_I4(&index) = 1;
  Ref<IDispatch> second;
  ASSERT_EQ(colour->item(index, none, second.out()), S_OK);
  Ref<IHTMLOptionElement> option;
  ASSERT_EQ(second.query(IID_IHTMLOptionElement, option), S_OK);
  Bstr optionText;
  option->get_text(optionText.out());
  EXPECT_EQ(optionText.text(), "Green");
  VARIANT handler;
  ASSERT_EQ(colour->get_onchange(&handler), S_OK);
  EXPECT_EQ(V_VT(&handler), VT_NULL);  // no handler
}

TEST_F(DocumentModelTest, LinksImagesMapsAndTables) {
  Ref<IHTMLAnchorElement> link = as<IHTMLAnchorElement>("link", IID_IHTMLAnchorElement);
  Bstr target, name;
  link->get_target(target.out());
  link->get_name(name.out());
  EXPECT_EQ(target.text(), "_blank");
  EXPECT_EQ(name.text(), "anchor");
  Ref<IHTMLElement> linkElement = elementById("link");
  Bstr linkText;
  linkElement->get_innerText(linkText.out());
  EXPECT_EQ(linkText.text(), "Other page");

  Ref<IHTMLImgElement> picture = as<IHTMLImgElement>("picture", IID_IHTMLImgElement);
  Bstr alt, src;
  picture->get_alt(alt.out());
  picture->get_src(src.out());
  EXPECT_EQ(alt.text(), "A picture");
  EXPECT_EQ(src.text(), fileUrl(folder_ / "pic.gif"));  // resolved against the page

  Ref<IHTMLMapElement> map = as<IHTMLMapElement>("shapes", IID_IHTMLMapElement);
  Ref<IHTMLAreasCollection> areas;
  ASSERT_EQ(map->get_areas(areas.out()), S_OK);
  LONG areaCount = 0;
  areas->get_length(&areaCount);
  EXPECT_EQ(areaCount, 1);
  VARIANT first, none;
  VariantInit(&first);
  VariantInit(&none);
  V_VT(&first) = VT_I4;
  V_I4(&first) = 0;
  Ref<IDispatch> spotDispatch;
  ASSERT_EQ(areas->item(first, none, spotDispatch.out()), S_OK);
  Ref<IHTMLAreaElement> spot;
  ASSERT_EQ(spotDispatch.query(IID_IHTMLAreaElement, spot), S_OK);
  Bstr coords, areaAlt;
  spot->get_coords(coords.out());
  spot->get_alt(areaAlt.out());
  EXPECT_EQ(coords.text(), "0,0,10,10");
  EXPECT_EQ(areaAlt.text(), "Spot");

  Ref<IHTMLTable> table = as<IHTMLTable>("grid", IID_IHTMLTable);
  Bstr align;
  table->get_align(align.out());
  EXPECT_EQ(align.text(), "left");
  Ref<IHTMLElementCollection> rows;
  ASSERT_EQ(table->get_rows(rows.out()), S_OK);
  LONG rowCount = 0;
  rows->get_length(&rowCount);
  EXPECT_EQ(rowCount, 2);
  Ref<IHTMLTable2> table2 = as<IHTMLTable2>("grid", IID_IHTMLTable2);
  Ref<IHTMLElementCollection> cells;
  table2->get_cells(cells.out());
  LONG cellCount = 0;
  cells->get_length(&cellCount);
  EXPECT_EQ(cellCount, 4);
  Ref<IHTMLTableCell> cell = as<IHTMLTableCell>("c01", IID_IHTMLTableCell);
  LONG cellIndex = -1;
  Bstr cellAlign;
  cell->get_cellIndex(&cellIndex);
  cell->get_align(cellAlign.out());
  EXPECT_EQ(cellIndex, 1);
  EXPECT_EQ(cellAlign.text(), "right");
  Ref<IHTMLTableCell> plain = as<IHTMLTableCell>("c00", IID_IHTMLTableCell);
  Bstr noAlign;
  plain->get_align(noAlign.out());
  EXPECT_TRUE(noAlign.isNull());
}

TEST_F(DocumentModelTest, AllCollectionInDocumentOrderWithSourceIndexes) {
  Ref<IHTMLElementCollection> all;
  ASSERT_EQ(document()->get_all(all.out()), S_OK);
  LONG length = 0;
  ASSERT_EQ(all->get_length(&length), S_OK);
  ASSERT_GT(length, 30);
  for (LONG i = 0; i < length; ++i) {
    VARIANT index, none;
    VariantInit(&index);
    VariantInit(&none);
    V_VT(&index) = VT_I4;
    V_I4(&index) = i;
    Ref<IDispatch> item;
    ASSERT_EQ(all->item(index, none, item.out()), S_OK);
    Ref<IHTMLElement> element;
    ASSERT_EQ(item.query(IID_IHTMLElement, element), S_OK);
    LONG sourceIndex = -1;
    element->get_sourceIndex(&sourceIndex);
    EXPECT_EQ(sourceIndex, i);
  }
  VARIANT tag;
  VariantInit(&tag);
  V_VT(&tag) = VT_BSTR;
  Bstr input("input");
  V_BSTR(&tag) = input.get();
  Ref<IDispatch> inputs;
  ASSERT_EQ(all->tags(tag, inputs.out()), S_OK);
  Ref<IHTMLElementCollection> inputCollection;
  ASSERT_EQ(inputs.query(IID_IHTMLElementCollection, inputCollection), S_OK);
  LONG inputCount = 0;
  inputCollection->get_length(&inputCount);
  EXPECT_EQ(inputCount, 11);
  VARIANT outOfRange, none;
  VariantInit(&outOfRange);
  VariantInit(&none);
  V_VT(&outOfRange) = VT_I4;
  V_I4(&outOfRange) = 1000;
  Ref<IDispatch> nothing;
  EXPECT_EQ(all->item(outOfRange, none, nothing.out()), S_OK);
  EXPECT_FALSE(nothing);
}

TEST_F(DocumentModelTest, SameElementComesBackAsTheSameObject) {
  Ref<IHTMLElement> first = elementById("box");
  Ref<IHTMLElement> second = elementById("box");
  Ref<IUnknown> a, b;
  first->QueryInterface(IID_IUnknown, a.outVoid());
  second->QueryInterface(IID_IUnknown, b.outVoid());
  EXPECT_EQ(a.get(), b.get());
  Ref<IUnknown> viaDiv;
  Ref<IHTMLDivElement> div = as<IHTMLDivElement>("box", IID_IHTMLDivElement);
  div->QueryInterface(IID_IUnknown, viaDiv.outVoid());
  EXPECT_EQ(a.get(), viaDiv.get());
}

TEST_F(DocumentModelTest, HandlerComesBackAsDispatchThatRunsIt) {
  Ref<IHTMLElement> para = elementById("para");
  VARIANT handler;
  VariantInit(&handler);
  ASSERT_EQ(para->get_onmouseover(&handler), S_OK);
  ASSERT_EQ(V_VT(&handler), VT_DISPATCH);
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  EXPECT_EQ(V_DISPATCH(&handler)->Invoke(DISPID_VALUE, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
            S_OK);
  VariantClear(&handler);
  Bstr title;
  document()->get_title(title.out());
  EXPECT_EQ(title.text(), "hovered");
}

TEST_F(DocumentModelTest, RuntimeStyleKeepsWhatIsPut) {
  Ref<IHTMLElement2> box = as<IHTMLElement2>("box", IID_IHTMLElement2);
  Ref<IHTMLStyle> style;
  ASSERT_EQ(box->get_runtimeStyle(style.out()), S_OK);
  Bstr unset;
  style->get_cursor(unset.out());
  EXPECT_TRUE(unset.isNull());
  Bstr hand("hand");
  ASSERT_EQ(style->put_cursor(hand.get()), S_OK);
  VARIANT red;
  VariantInit(&red);
  V_VT(&red) = VT_BSTR;
  Bstr colour("red");
  V_BSTR(&red) = colour.get();
  ASSERT_EQ(style->put_borderColor(colour.get()), S_OK);
  Ref<IHTMLStyle> again;
  box->get_runtimeStyle(again.out());
  Bstr cursor, border;
  again->get_cursor(cursor.out());
  again->get_borderColor(border.out());
  EXPECT_EQ(cursor.text(), "hand");
  EXPECT_EQ(border.text(), "red");
}

TEST_F(DocumentModelTest, SelectionIsReadThroughATextRange) {
  ASSERT_TRUE(testbed::ie::run(browser_.get(), "selecttext #para"));
  Ref<IHTMLSelectionObject> selection;
  ASSERT_EQ(document()->get_selection(selection.out()), S_OK);
  Ref<IDispatch> rangeDispatch;
  ASSERT_EQ(selection->createRange(rangeDispatch.out()), S_OK);
  Ref<IHTMLTxtRange> range;
  ASSERT_EQ(rangeDispatch.query(IID_IHTMLTxtRange, range), S_OK);
  Bstr text;
  range->get_text(text.out());
  EXPECT_EQ(text.text(), "Some words");
}

TEST_F(DocumentModelTest, FocusMovesTheActiveElementAndFormsSubmit) {
  Ref<IHTMLElement2> text = as<IHTMLElement2>("text", IID_IHTMLElement2);
  ASSERT_EQ(text->focus(), S_OK);
  Ref<IHTMLElement> active;
  ASSERT_EQ(document()->get_activeElement(active.out()), S_OK);
  Bstr activeId;
  active->get_id(activeId.out());
  EXPECT_EQ(activeId.text(), "text");
  ASSERT_EQ(text->blur(), S_OK);
  active.reset();
  document()->get_activeElement(active.out());
  Bstr bodyTag;
  active->get_tagName(bodyTag.out());
  EXPECT_EQ(bodyTag.text(), "BODY");  // nothing focused: the body

  Ref<IHTMLElement> para = elementById("para");
  Bstr words("Other words");
  ASSERT_EQ(para->put_innerText(words.get()), S_OK);
  Bstr read;
  para->get_innerText(read.out());
  EXPECT_EQ(read.text(), "Other words");

  const std::string result = page("result.html", "<title>Result</title>");
  Ref<IHTMLFormElement> form = as<IHTMLFormElement>("orderForm", IID_IHTMLFormElement);
  ASSERT_EQ(form->submit(), S_OK);
  ASSERT_TRUE(pumpUntil([&] {
    Bstr location;
    return SUCCEEDED(browser_->get_LocationURL(location.out())) && location.text().rfind(result + "?", 0) == 0;
  }));
  Bstr location;
  browser_->get_LocationURL(location.out());
  EXPECT_NE(location.text().find("customer=Ann"), std::string::npos) << location.text();
}

TEST_F(BrowserTest, FramesAreEmbeddedBrowsersOfTheContainer) {
  page("left.html", "<title>Left</title><p>left</p>");
  page("right.html", "<title>Right</title><p>right</p>");
  load(page("set.html", "<html><head><title>Set</title></head><frameset cols='50%,50%'>"
                        "<frame name='nav' src='left.html'><frame name='main' src='right.html'></frameset></html>"));
  Ref<IHTMLDocument2> doc = document();
  Ref<IHTMLFramesCollection2> frames;
  ASSERT_EQ(doc->get_frames(frames.out()), S_OK);
  LONG count = 0;
  ASSERT_EQ(frames->get_length(&count), S_OK);
  EXPECT_EQ(count, 2);

  Ref<IOleContainer> container;
  ASSERT_EQ(doc.query(IID_IOleContainer, container), S_OK);
  Ref<IEnumUnknown> embedded;
  ASSERT_EQ(container->EnumObjects(OLECONTF_EMBEDDINGS, embedded.out()), S_OK);
  std::vector<std::string> names;
  std::vector<std::string> titles;
  for (;;) {
    Ref<IUnknown> object;
    ULONG fetched = 0;
    if (embedded->Next(1, object.out(), &fetched) != S_OK || fetched != 1) break;
    Ref<IWebBrowser2> frame;
    ASSERT_EQ(object.query(IID_IWebBrowser2, frame), S_OK);
    Ref<IDispatch> frameDispatch;
    ASSERT_EQ(frame->get_Document(frameDispatch.out()), S_OK);
    Ref<IHTMLDocument2> frameDoc;
    ASSERT_EQ(frameDispatch.query(IID_IHTMLDocument2, frameDoc), S_OK);
    Bstr title;
    frameDoc->get_title(title.out());
    titles.push_back(title.text());
    Ref<IHTMLWindow2> window;
    ASSERT_EQ(frameDoc->get_parentWindow(window.out()), S_OK);
    Bstr name;
    window->get_name(name.out());
    names.push_back(name.text());
  }
  EXPECT_EQ(names, (std::vector<std::string>{"nav", "main"}));
  EXPECT_EQ(titles, (std::vector<std::string>{"Left", "Right"}));
}

}  // namespace
}  // namespace mshtml_test
