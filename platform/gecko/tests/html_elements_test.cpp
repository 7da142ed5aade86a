// The HTML element interfaces as Gecko reports them: form controls on the sample
// order form, links, images and maps on the index page, tables on the tables page.
#include "dom_fixture.h"
#include "nsIDOMHTMLAnchorElement.h"
#include "nsIDOMHTMLAreaElement.h"
#include "nsIDOMHTMLFormElement.h"
#include "nsIDOMHTMLImageElement.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMHTMLMapElement.h"
#include "nsIDOMHTMLOptionElement.h"
#include "nsIDOMHTMLOptionsCollection.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsIDOMHTMLTableCellElement.h"
#include "nsIDOMHTMLTableElement.h"
#include "nsIDOMHTMLTableRowElement.h"
#include "nsIDOMHTMLTableSectionElem.h"
#include "nsIDOMHTMLTextAreaElement.h"

namespace gecko_test {
namespace {

class HtmlElementsTest : public GeckoDomTest {
 protected:
  template <class Interface>
  nsCOMPtr<Interface> element(const char* id) {
    auto found = as<Interface>(byId(id));
    EXPECT_TRUE(found) << "#" << id << " does not answer the interface";
    return found;
  }
  std::string attribute(nsIDOMElement* element, const char* name) {
    nsString value;
    EXPECT_EQ(NS_OK, element->GetAttribute(wide(name), value));
    return utf8(value);
  }
  template <class Object>
  bool flag(Object* object, nsresult (Object::*member)(PRBool*)) {
    PRBool value = PR_FALSE;
    EXPECT_EQ(NS_OK, (object->*member)(&value));
    return value == PR_TRUE;
  }
  template <class Object>
  PRInt32 number(Object* object, nsresult (Object::*member)(PRInt32*)) {
    PRInt32 value = -2;
    EXPECT_EQ(NS_OK, (object->*member)(&value));
    return value;
  }
  nsCOMPtr<nsIDOMHTMLOptionElement> option(nsIDOMHTMLSelectElement* select, PRUint32 index) {
    nsCOMPtr<nsIDOMHTMLOptionsCollection> options;
    EXPECT_EQ(NS_OK, select->GetOptions(getter_AddRefs(options)));
    nsCOMPtr<nsIDOMNode> node;
    EXPECT_EQ(NS_OK, options->Item(index, getter_AddRefs(node)));
    return as<nsIDOMHTMLOptionElement>(node);
  }
  // The texts of the selected options joined by ":", as a recorder lists them.
  std::string selectedTexts(nsIDOMHTMLSelectElement* select) {
    PRUint32 length = 0;
    EXPECT_EQ(NS_OK, select->GetLength(&length));
    std::string texts;
    for (PRUint32 i = 0; i < length; ++i) {
      auto item = option(select, i);
      if (item && flag(item.get(), &nsIDOMHTMLOptionElement::GetSelected)) {
        texts += (texts.empty() ? "" : ":") + text(item.get(), &nsIDOMHTMLOptionElement::GetText);
      }
    }
    return texts;
  }
};

TEST_F(HtmlElementsTest, EachTagAnswersItsOwnInterfaceOnly) {
  open("form.html");
  EXPECT_TRUE(as<nsIDOMHTMLInputElement>(byId("customer")));
  EXPECT_FALSE(as<nsIDOMHTMLSelectElement>(byId("customer")));
  EXPECT_FALSE(as<nsIDOMHTMLTextAreaElement>(byId("customer")));
  EXPECT_TRUE(as<nsIDOMHTMLTextAreaElement>(byId("notes")));
  EXPECT_FALSE(as<nsIDOMHTMLInputElement>(byId("notes")));
  EXPECT_TRUE(as<nsIDOMHTMLSelectElement>(byId("colour")));
  EXPECT_TRUE(as<nsIDOMHTMLFormElement>(byId("orderForm")));
  // Every element is still an HTML element and a node; a paragraph is nothing more.
  auto input = byId("customer");
  EXPECT_TRUE(as<nsIDOMElement>(input));
  EXPECT_TRUE(as<nsIDOM3Node>(input));
  nsCOMPtr<nsIDOMNodeList> paragraphs;
  ASSERT_EQ(NS_OK, document->GetElementsByTagName(wide("p"), getter_AddRefs(paragraphs)));
  nsCOMPtr<nsIDOMNode> paragraph;
  ASSERT_EQ(NS_OK, paragraphs->Item(0, getter_AddRefs(paragraph)));
  EXPECT_TRUE(as<nsIDOMHTMLElement>(paragraph));
  EXPECT_FALSE(as<nsIDOMHTMLInputElement>(paragraph));
  EXPECT_FALSE(as<nsIDOMHTMLAnchorElement>(paragraph));
  // The same element reached through its own interface is the same object.
  EXPECT_EQ(as<nsISupports>(input).get(), as<nsISupports>(as<nsIDOMHTMLInputElement>(input)).get());
}

TEST_F(HtmlElementsTest, InputTypesDefaultToTextInLowerCase) {
  loadString(
      "<form><input id=a><input id=b type=PASSWORD><input id=c type=bogus><input id=d type=' Radio '>"
      "<input id=e type=checkbox></form>");
  EXPECT_EQ("text", text(element<nsIDOMHTMLInputElement>("a").get(), &nsIDOMHTMLInputElement::GetType));
  EXPECT_EQ("password", text(element<nsIDOMHTMLInputElement>("b").get(), &nsIDOMHTMLInputElement::GetType));
  EXPECT_EQ("text", text(element<nsIDOMHTMLInputElement>("c").get(), &nsIDOMHTMLInputElement::GetType));
  EXPECT_EQ("radio", text(element<nsIDOMHTMLInputElement>("d").get(), &nsIDOMHTMLInputElement::GetType));
  // The attribute keeps what the page said; a check box without a value submits "on".
  EXPECT_EQ("PASSWORD", attribute(byId("b"), "type"));
  EXPECT_EQ("on", text(element<nsIDOMHTMLInputElement>("e").get(), &nsIDOMHTMLInputElement::GetValue));
  auto a = element<nsIDOMHTMLInputElement>("a");
  ASSERT_EQ(NS_OK, a->SetType(wide("checkbox")));
  EXPECT_EQ("checkbox", text(a.get(), &nsIDOMHTMLInputElement::GetType));
}

TEST_F(HtmlElementsTest, ValueIsLiveWhileDefaultValueStaysTheAttribute) {
  open("form.html");
  auto plain = element<nsIDOMHTMLInputElement>("plain");
  EXPECT_EQ("text", text(plain.get(), &nsIDOMHTMLInputElement::GetType));
  EXPECT_EQ("default text", text(plain.get(), &nsIDOMHTMLInputElement::GetValue));
  ASSERT_EQ(NS_OK, plain->SetValue(wide("typed")));
  EXPECT_EQ("typed", text(plain.get(), &nsIDOMHTMLInputElement::GetValue));
  EXPECT_EQ("default text", text(plain.get(), &nsIDOMHTMLInputElement::GetDefaultValue));
  EXPECT_EQ("default text", attribute(byId("plain"), "value"));
  // Once changed, a new default no longer moves the value.
  ASSERT_EQ(NS_OK, plain->SetDefaultValue(wide("other default")));
  EXPECT_EQ("typed", text(plain.get(), &nsIDOMHTMLInputElement::GetValue));

  auto notes = element<nsIDOMHTMLTextAreaElement>("notes");
  EXPECT_EQ("textarea", text(notes.get(), &nsIDOMHTMLTextAreaElement::GetType));
  EXPECT_EQ("First line\nSecond line", text(notes.get(), &nsIDOMHTMLTextAreaElement::GetValue));
  ASSERT_EQ(NS_OK, notes->SetValue(wide("one\ntwo")));
  EXPECT_EQ("one\ntwo", text(notes.get(), &nsIDOMHTMLTextAreaElement::GetValue));
  EXPECT_EQ("First line\nSecond line", text(notes.get(), &nsIDOMHTMLTextAreaElement::GetDefaultValue));
  EXPECT_EQ(3, number(notes.get(), &nsIDOMHTMLTextAreaElement::GetRows));
  EXPECT_EQ(30, number(notes.get(), &nsIDOMHTMLTextAreaElement::GetCols));
}

TEST_F(HtmlElementsTest, CheckedIsLiveAndRadioGroupsStayExclusive) {
  open("form.html");
  auto express = element<nsIDOMHTMLInputElement>("express");
  auto gift = element<nsIDOMHTMLInputElement>("gift");
  EXPECT_TRUE(flag(express.get(), &nsIDOMHTMLInputElement::GetChecked));
  EXPECT_TRUE(flag(express.get(), &nsIDOMHTMLInputElement::GetDefaultChecked));
  EXPECT_FALSE(flag(gift.get(), &nsIDOMHTMLInputElement::GetChecked));
  ASSERT_EQ(NS_OK, express->SetChecked(PR_FALSE));
  EXPECT_FALSE(flag(express.get(), &nsIDOMHTMLInputElement::GetChecked));
  EXPECT_TRUE(flag(express.get(), &nsIDOMHTMLInputElement::GetDefaultChecked));

  auto small = element<nsIDOMHTMLInputElement>("sizeS");
  auto medium = element<nsIDOMHTMLInputElement>("sizeM");
  ASSERT_EQ(NS_OK, small->SetChecked(PR_TRUE));
  EXPECT_TRUE(flag(small.get(), &nsIDOMHTMLInputElement::GetChecked));
  EXPECT_FALSE(flag(medium.get(), &nsIDOMHTMLInputElement::GetChecked));
  EXPECT_TRUE(flag(medium.get(), &nsIDOMHTMLInputElement::GetDefaultChecked));

  // click() acts as the mouse would: a check box toggles, a disabled button does nothing.
  ASSERT_EQ(NS_OK, gift->Click());
  EXPECT_TRUE(flag(gift.get(), &nsIDOMHTMLInputElement::GetChecked));
  auto later = element<nsIDOMHTMLInputElement>("disabledSend");
  EXPECT_TRUE(flag(later.get(), &nsIDOMHTMLInputElement::GetDisabled));
  ASSERT_EQ(NS_OK, later->Click());
  EXPECT_EQ(siteUrl("form.html"), text(document.get(), &nsIDOMHTMLDocument::GetURL));
}

TEST_F(HtmlElementsTest, FieldsKnowTheirFormAndTheFormItsFields) {
  open("form.html");
  auto customer = element<nsIDOMHTMLInputElement>("customer");
  nsCOMPtr<nsIDOMHTMLFormElement> form;
  ASSERT_EQ(NS_OK, customer->GetForm(getter_AddRefs(form)));
  ASSERT_TRUE(form);
  EXPECT_EQ("order", text(form.get(), &nsIDOMHTMLFormElement::GetName));
  EXPECT_EQ(siteUrl("result.html"), text(form.get(), &nsIDOMHTMLFormElement::GetAction));
  EXPECT_EQ("get", text(form.get(), &nsIDOMHTMLFormElement::GetMethod));
  EXPECT_EQ("application/x-www-form-urlencoded", text(form.get(), &nsIDOMHTMLFormElement::GetEnctype));
  EXPECT_EQ("Your name", text(customer.get(), &nsIDOMHTMLElement::GetTitle));
  EXPECT_EQ(siteUrl("images/go.gif"), text(element<nsIDOMHTMLInputElement>("go").get(), &nsIDOMHTMLInputElement::GetSrc));

  nsCOMPtr<nsIDOMHTMLCollection> fields;
  ASSERT_EQ(NS_OK, form->GetElements(getter_AddRefs(fields)));
  PRInt32 length = 0;
  ASSERT_EQ(NS_OK, form->GetLength(&length));
  EXPECT_EQ(17, length);  // every field but the image button, as Gecko lists them
  EXPECT_EQ(17u, count(fields));
  nsCOMPtr<nsIDOMNode> first;
  ASSERT_EQ(NS_OK, fields->Item(0, getter_AddRefs(first)));
  EXPECT_TRUE(same(first, customer));
  // Live: a field taken out of the form leaves the collection.
  nsCOMPtr<nsIDOMNode> parent, removed;
  ASSERT_EQ(NS_OK, customer->GetParentNode(getter_AddRefs(parent)));
  ASSERT_EQ(NS_OK, parent->RemoveChild(customer, getter_AddRefs(removed)));
  EXPECT_EQ(16u, count(fields));
  nsCOMPtr<nsIDOMHTMLFormElement> none;
  ASSERT_EQ(NS_OK, customer->GetForm(getter_AddRefs(none)));
  EXPECT_FALSE(none);

  loadString("<input id=loose>");
  ASSERT_EQ(NS_OK, element<nsIDOMHTMLInputElement>("loose")->GetForm(getter_AddRefs(none)));
  EXPECT_FALSE(none);
}

TEST_F(HtmlElementsTest, SingleSelectKeepsOneOptionSelected) {
  open("form.html");
  auto colour = element<nsIDOMHTMLSelectElement>("colour");
  EXPECT_EQ("select-one", text(colour.get(), &nsIDOMHTMLSelectElement::GetType));
  EXPECT_EQ(1, number(colour.get(), &nsIDOMHTMLSelectElement::GetSelectedIndex));
  EXPECT_EQ("g", text(colour.get(), &nsIDOMHTMLSelectElement::GetValue));
  EXPECT_EQ("Green", selectedTexts(colour));

  auto blue = option(colour, 2);
  ASSERT_TRUE(blue);
  EXPECT_EQ("Blue", text(blue.get(), &nsIDOMHTMLOptionElement::GetText));
  EXPECT_EQ(2, number(blue.get(), &nsIDOMHTMLOptionElement::GetIndex));
  ASSERT_EQ(NS_OK, blue->SetSelected(PR_TRUE));
  EXPECT_EQ("Blue", selectedTexts(colour));
  EXPECT_EQ(2, number(colour.get(), &nsIDOMHTMLSelectElement::GetSelectedIndex));
  EXPECT_FALSE(flag(blue.get(), &nsIDOMHTMLOptionElement::GetDefaultSelected));
  EXPECT_TRUE(flag(option(colour, 1).get(), &nsIDOMHTMLOptionElement::GetDefaultSelected));

  ASSERT_EQ(NS_OK, colour->SetSelectedIndex(0));
  EXPECT_EQ("Red", selectedTexts(colour));
  ASSERT_EQ(NS_OK, colour->SetValue(wide("g")));
  EXPECT_EQ("Green", selectedTexts(colour));
  // Deselecting them all, as a playback does before choosing, leaves no index.
  for (PRUint32 i = 0; i < 3; ++i) ASSERT_EQ(NS_OK, option(colour, i)->SetSelected(PR_FALSE));
  EXPECT_EQ(-1, number(colour.get(), &nsIDOMHTMLSelectElement::GetSelectedIndex));
  EXPECT_EQ("", text(colour.get(), &nsIDOMHTMLSelectElement::GetValue));

  nsCOMPtr<nsIDOMHTMLFormElement> form;
  ASSERT_EQ(NS_OK, option(colour, 0)->GetForm(getter_AddRefs(form)));
  EXPECT_TRUE(form);
}

TEST_F(HtmlElementsTest, MultipleSelectKeepsEverySelection) {
  open("form.html");
  auto extras = element<nsIDOMHTMLSelectElement>("extras");
  EXPECT_EQ("select-multiple", text(extras.get(), &nsIDOMHTMLSelectElement::GetType));
  EXPECT_TRUE(flag(extras.get(), &nsIDOMHTMLSelectElement::GetMultiple));
  EXPECT_EQ(4, number(extras.get(), &nsIDOMHTMLSelectElement::GetSize));
  EXPECT_EQ("Case", selectedTexts(extras));
  ASSERT_EQ(NS_OK, option(extras, 0)->SetSelected(PR_TRUE));
  ASSERT_EQ(NS_OK, option(extras, 3)->SetSelected(PR_TRUE));
  EXPECT_EQ("Cable:Case:Manual", selectedTexts(extras));
  EXPECT_EQ(0, number(extras.get(), &nsIDOMHTMLSelectElement::GetSelectedIndex));
  // An option without a value gives its text.
  EXPECT_EQ("Manual", text(option(extras, 3).get(), &nsIDOMHTMLOptionElement::GetValue));
  ASSERT_EQ(NS_OK, option(extras, 1)->SetSelected(PR_FALSE));
  EXPECT_EQ("Cable:Manual", selectedTexts(extras));
}

TEST_F(HtmlElementsTest, OptionsGrowAndShrinkThroughTheSelect) {
  loadString("<select id=s><option id=o1>one<option id=o2>two</select>");
  auto select = element<nsIDOMHTMLSelectElement>("s");
  nsCOMPtr<nsIDOMHTMLOptionsCollection> options;
  ASSERT_EQ(NS_OK, select->GetOptions(getter_AddRefs(options)));
  nsCOMPtr<nsIDOMNode> named;
  ASSERT_EQ(NS_OK, options->NamedItem(wide("o2"), getter_AddRefs(named)));
  EXPECT_EQ("two", textContent(named));

  ASSERT_EQ(NS_OK, options->SetLength(4));
  PRUint32 length = 0;
  ASSERT_EQ(NS_OK, select->GetLength(&length));
  EXPECT_EQ(4u, length);
  ASSERT_EQ(NS_OK, select->Remove(0));
  ASSERT_EQ(NS_OK, select->Remove(7));  // out of range: nothing
  ASSERT_EQ(NS_OK, options->GetLength(&length));
  EXPECT_EQ(3u, length);
  EXPECT_EQ("two", text(option(select, 0).get(), &nsIDOMHTMLOptionElement::GetText));
  // A length of billions (a negative length read unsigned) is refused, through either
  // interface, and leaves the options as they were.
  EXPECT_EQ(NS_ERROR_DOM_NOT_SUPPORTED_ERR, options->SetLength(static_cast<PRUint32>(-1)));
  EXPECT_EQ(NS_ERROR_DOM_NOT_SUPPORTED_ERR, select->SetLength(4000000000u));
  ASSERT_EQ(NS_OK, options->GetLength(&length));
  EXPECT_EQ(3u, length);

  // add() moves an option of the page; `before` must be one of this select's options.
  ASSERT_EQ(NS_OK, select->Add(option(select, 0), nullptr));
  EXPECT_EQ("two", text(option(select, 2).get(), &nsIDOMHTMLOptionElement::GetText));
  loadString("<select id=s><option>a<option>b</select><p id=p>x</p>");
  select = element<nsIDOMHTMLSelectElement>("s");
  ASSERT_EQ(NS_OK, select->Add(option(select, 1), option(select, 0)));
  EXPECT_EQ("b", text(option(select, 0).get(), &nsIDOMHTMLOptionElement::GetText));
  EXPECT_EQ(NS_ERROR_DOM_NOT_FOUND_ERR, select->Add(option(select, 1), byId("p")));
}

TEST_F(HtmlElementsTest, LinksImagesAndMapsReadAsGeckoGivesThem) {
  open("index.html");
  auto link = element<nsIDOMHTMLAnchorElement>("tablesLink");
  EXPECT_EQ(siteUrl("tables.html"), text(link.get(), &nsIDOMHTMLAnchorElement::GetHref));
  EXPECT_EQ("Tables with spans", text(link.get(), &nsIDOMHTMLElement::GetTitle));
  EXPECT_EQ("", text(link.get(), &nsIDOMHTMLAnchorElement::GetType));
  EXPECT_EQ("_blank", text(element<nsIDOMHTMLAnchorElement>("popupLink").get(), &nsIDOMHTMLAnchorElement::GetTarget));

  auto picture = element<nsIDOMHTMLImageElement>("navmap");
  EXPECT_EQ(siteUrl("images/navmap.gif"), text(picture.get(), &nsIDOMHTMLImageElement::GetSrc));
  EXPECT_EQ("Navigation map", text(picture.get(), &nsIDOMHTMLImageElement::GetAlt));
  EXPECT_EQ("#nav", text(picture.get(), &nsIDOMHTMLImageElement::GetUseMap));
  // A changed source is read back resolved, as the page now shows it.
  ASSERT_EQ(NS_OK, picture->SetSrc(wide("images/other.gif")));
  EXPECT_EQ(siteUrl("images/other.gif"), text(picture.get(), &nsIDOMHTMLImageElement::GetSrc));

  auto map = element<nsIDOMHTMLMapElement>("navMap");
  EXPECT_EQ("nav", text(map.get(), &nsIDOMHTMLMapElement::GetName));
  nsCOMPtr<nsIDOMHTMLCollection> areas;
  ASSERT_EQ(NS_OK, map->GetAreas(getter_AddRefs(areas)));
  ASSERT_EQ(3u, count(areas));
  nsCOMPtr<nsIDOMNode> third;
  ASSERT_EQ(NS_OK, areas->Item(2, getter_AddRefs(third)));
  auto home = as<nsIDOMHTMLAreaElement>(third);
  ASSERT_TRUE(home);
  EXPECT_EQ("120,10,10", text(home.get(), &nsIDOMHTMLAreaElement::GetCoords));
  EXPECT_EQ("circle", text(home.get(), &nsIDOMHTMLAreaElement::GetShape));
  EXPECT_EQ("Home", text(home.get(), &nsIDOMHTMLAreaElement::GetAlt));
  EXPECT_EQ(siteUrl("index.html"), text(home.get(), &nsIDOMHTMLAreaElement::GetHref));
  // An area's parent is its map, as a recorder reads the map's name from it.
  nsCOMPtr<nsIDOMNode> parent;
  ASSERT_EQ(NS_OK, home->GetParentNode(getter_AddRefs(parent)));
  EXPECT_EQ("nav", text(as<nsIDOMHTMLMapElement>(parent).get(), &nsIDOMHTMLMapElement::GetName));

  loadString("<a id=a name=top>no address</a><img id=i>");
  EXPECT_EQ("", text(element<nsIDOMHTMLAnchorElement>("a").get(), &nsIDOMHTMLAnchorElement::GetHref));
  EXPECT_EQ("", text(element<nsIDOMHTMLImageElement>("i").get(), &nsIDOMHTMLImageElement::GetSrc));
}

TEST_F(HtmlElementsTest, TableRowsAndCellsAreLiveAndIndexed) {
  open("tables.html");
  auto prices = element<nsIDOMHTMLTableElement>("prices");
  nsCOMPtr<nsIDOMHTMLCollection> rows;
  ASSERT_EQ(NS_OK, prices->GetRows(getter_AddRefs(rows)));
  EXPECT_EQ(4u, count(rows));  // head, two body rows, foot
  nsCOMPtr<nsIDOMNode> second;
  ASSERT_EQ(NS_OK, rows->Item(1, getter_AddRefs(second)));
  auto row = as<nsIDOMHTMLTableRowElement>(second);
  ASSERT_TRUE(row);
  EXPECT_EQ(1, number(row.get(), &nsIDOMHTMLTableRowElement::GetRowIndex));
  EXPECT_EQ(0, number(row.get(), &nsIDOMHTMLTableRowElement::GetSectionRowIndex));
  nsCOMPtr<nsIDOMHTMLCollection> cells;
  ASSERT_EQ(NS_OK, row->GetCells(getter_AddRefs(cells)));
  ASSERT_EQ(3u, count(cells));
  nsCOMPtr<nsIDOMNode> middle;
  ASSERT_EQ(NS_OK, cells->Item(1, getter_AddRefs(middle)));
  auto cell = as<nsIDOMHTMLTableCellElement>(middle);
  ASSERT_TRUE(cell);
  EXPECT_EQ("1.20", textContent(cell));
  EXPECT_EQ(1, number(cell.get(), &nsIDOMHTMLTableCellElement::GetCellIndex));
  EXPECT_EQ("right", text(cell.get(), &nsIDOMHTMLTableCellElement::GetAlign));
  EXPECT_EQ("top", text(cell.get(), &nsIDOMHTMLTableCellElement::GetVAlign));
  EXPECT_EQ(2, number(element<nsIDOMHTMLTableCellElement>("note").get(), &nsIDOMHTMLTableCellElement::GetRowSpan));
  EXPECT_EQ(-1, number(cell.get(), &nsIDOMHTMLTableCellElement::GetColSpan));

  nsCOMPtr<nsIDOMHTMLTableSectionElement> head;
  ASSERT_EQ(NS_OK, prices->GetTHead(getter_AddRefs(head)));
  ASSERT_TRUE(head);
  nsCOMPtr<nsIDOMHTMLCollection> bodies;
  ASSERT_EQ(NS_OK, prices->GetTBodies(getter_AddRefs(bodies)));
  EXPECT_EQ(1u, count(bodies));

  // A nested table keeps its rows to itself.
  auto plain = element<nsIDOMHTMLTableElement>("plain");
  nsCOMPtr<nsIDOMHTMLCollection> plainRows;
  ASSERT_EQ(NS_OK, plain->GetRows(getter_AddRefs(plainRows)));
  EXPECT_EQ(2u, count(plainRows));

  // Rows and cells made through the table are in the live collections at once.
  nsCOMPtr<nsIDOMHTMLElement> added;
  ASSERT_EQ(NS_OK, prices->InsertRow(2, getter_AddRefs(added)));
  EXPECT_EQ(5u, count(rows));
  EXPECT_EQ(1, number(row.get(), &nsIDOMHTMLTableRowElement::GetRowIndex));
  auto newRow = as<nsIDOMHTMLTableRowElement>(added);
  ASSERT_TRUE(newRow);
  EXPECT_EQ(2, number(newRow.get(), &nsIDOMHTMLTableRowElement::GetRowIndex));
  nsCOMPtr<nsIDOMHTMLElement> newCell;
  ASSERT_EQ(NS_OK, newRow->InsertCell(-1, getter_AddRefs(newCell)));
  EXPECT_EQ("TD", text(newCell.get(), &nsIDOMNode::GetNodeName));
  EXPECT_EQ(NS_ERROR_DOM_INDEX_SIZE_ERR, newRow->InsertCell(5, getter_AddRefs(newCell)));
  EXPECT_EQ(NS_ERROR_DOM_INDEX_SIZE_ERR, prices->InsertRow(9, getter_AddRefs(added)));
  EXPECT_EQ(NS_ERROR_DOM_INDEX_SIZE_ERR, prices->DeleteRow(5));
  ASSERT_EQ(NS_OK, prices->DeleteRow(2));
  EXPECT_EQ(4u, count(rows));

  // A table without rows gets a body for its first one.
  loadString("<table id=t></table>");
  auto empty = element<nsIDOMHTMLTableElement>("t");
  ASSERT_EQ(NS_OK, empty->InsertRow(-1, getter_AddRefs(added)));
  nsCOMPtr<nsIDOMNode> body;
  ASSERT_EQ(NS_OK, added->GetParentNode(getter_AddRefs(body)));
  EXPECT_EQ("TBODY", text(body.get(), &nsIDOMNode::GetNodeName));
  nsCOMPtr<nsIDOMHTMLElement> caption;
  ASSERT_EQ(NS_OK, empty->CreateCaption(getter_AddRefs(caption)));
  nsCOMPtr<nsIDOMNode> first;
  ASSERT_EQ(NS_OK, empty->GetFirstChild(getter_AddRefs(first)));
  EXPECT_TRUE(same(first, caption));
}

}  // namespace
}  // namespace gecko_test
