// The form controls and the form: INPUT, TEXTAREA, SELECT (with its options
// collection), OPTION and FORM. Values, checked states and selections are the engine's
// live properties, so a change made here is the page state every face sees.
#pragma once

#include "dom_element.h"
#include "nsIDOMHTMLFormElement.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMHTMLOptionElement.h"
#include "nsIDOMHTMLOptionsCollection.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsIDOMHTMLTextAreaElement.h"

namespace gecko {

// Browser-thread parts shared by the controls (dom_form_elements.cpp).
namespace form_ops {
void focus(const std::shared_ptr<engine::Element>& element);
void blur(const std::shared_ptr<engine::Element>& element);
// Gecko's select(): a "select" event and, unless it is cancelled, focus.
void select(const std::shared_ptr<engine::Element>& element);
// Gecko's click() on an input: the click with its default action, for the kinds
// that act on a click, unless the field is disabled.
void click(const std::shared_ptr<engine::Element>& element);
// A select's option count set: options cut from the end, or empty ones added. Growing
// beyond kMaxAddedOptions is refused (NS_ERROR_DOM_NOT_SUPPORTED_ERR): a length of
// billions would otherwise hold the browser thread and its memory for good.
constexpr PRUint32 kMaxAddedOptions = 10000;
nsresult setOptionCount(engine::Element& select, PRUint32 count);
nsresult addOption(DomSession& session, engine::Element& select, nsIDOMHTMLElement* option,
                   nsIDOMHTMLElement* before);
void removeOption(engine::Element& select, PRInt32 index);
void submit(const std::shared_ptr<engine::Element>& form);
std::vector<std::shared_ptr<engine::Node>> fields(const engine::Element& form);
void reset(const std::shared_ptr<engine::Element>& form);
}  // namespace form_ops

class DomInputElement final : public ElementImpl<nsIDOMHTMLInputElement> {
 public:
  DomInputElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : ElementImpl(std::move(session), std::move(element)) {}

  GECKO_DOM_ISUPPORTS

  NS_IMETHOD GetDefaultValue(nsAString& aValue) override {
    return readString(aValue, [](engine::Element& e) { return e.defaultValue(); });
  }
  NS_IMETHOD SetDefaultValue(const nsAString& aValue) override { return setAttrString("value", aValue); }
  NS_IMETHOD GetDefaultChecked(PRBool* aValue) override {
    return readBool(aValue, [](engine::Element& e) { return e.defaultChecked(); });
  }
  NS_IMETHOD SetDefaultChecked(PRBool aValue) override {
    return change([&](engine::Element& e) { e.setDefaultChecked(aValue); });
  }
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override {
    return relatedElement(aForm, [](engine::Element& e) { return e.form(); });
  }
  GECKO_STRING_ATTR(Accept, "accept")
  GECKO_STRING_ATTR(AccessKey, "accesskey")
  GECKO_STRING_ATTR(Align, "align")
  GECKO_STRING_ATTR(Alt, "alt")
  NS_IMETHOD GetChecked(PRBool* aValue) override {
    return readBool(aValue, [](engine::Element& e) { return e.checked(); });
  }
  // Checking a radio button unchecks the others of its group.
  NS_IMETHOD SetChecked(PRBool aValue) override {
    return change([&](engine::Element& e) { e.setChecked(aValue); });
  }
  GECKO_BOOL_ATTR(Disabled, "disabled")
  GECKO_INT_ATTR(MaxLength, "maxlength", PRInt32, -1)
  GECKO_STRING_ATTR(Name, "name")
  GECKO_BOOL_ATTR(ReadOnly, "readonly")
  GECKO_INT_ATTR(Size, "size", PRUint32, -1)
  GECKO_URI_ATTR(Src, "src")
  GECKO_INT_ATTR(TabIndex, "tabindex", PRInt32, -1)
  // A known type in lower case; no type, or one Gecko does not know, is "text".
  NS_IMETHOD GetType(nsAString& aValue) override {
    return readString(aValue, [](engine::Element& e) { return e.type(); });
  }
  NS_IMETHOD SetType(const nsAString& aValue) override { return setAttrString("type", aValue); }
  GECKO_STRING_ATTR(UseMap, "usemap")
  NS_IMETHOD GetValue(nsAString& aValue) override {
    return readString(aValue, [](engine::Element& e) { return e.value(); });
  }
  NS_IMETHOD SetValue(const nsAString& aValue) override {
    const std::string value = toUtf8(aValue);
    return change([&](engine::Element& e) { e.setValue(value); });
  }
  NS_IMETHOD Blur(void) override { return act(form_ops::blur); }
  NS_IMETHOD Focus(void) override { return act(form_ops::focus); }
  NS_IMETHOD Select(void) override { return act(form_ops::select); }
  NS_IMETHOD Click(void) override { return act(form_ops::click); }

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsIDOMHTMLInputElement))) return primary();
    return elementInterface(iid);
  }
  nsresult act(void (*action)(const std::shared_ptr<engine::Element>&)) {
    auto element = sharedElement();
    return session().carry([&]() -> nsresult {
      action(element);
      return NS_OK;
    });
  }
};

class DomTextAreaElement final : public ElementImpl<nsIDOMHTMLTextAreaElement> {
 public:
  DomTextAreaElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : ElementImpl(std::move(session), std::move(element)) {}

  GECKO_DOM_ISUPPORTS

  // The default value is the element's text; setting it replaces that text.
  NS_IMETHOD GetDefaultValue(nsAString& aValue) override {
    return readString(aValue, [](engine::Element& e) { return e.defaultValue(); });
  }
  NS_IMETHOD SetDefaultValue(const nsAString& aValue) override {
    const std::string value = toUtf8(aValue);
    return change([&](engine::Element& e) { e.setDefaultValue(value); });
  }
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override {
    return relatedElement(aForm, [](engine::Element& e) { return e.form(); });
  }
  GECKO_STRING_ATTR(AccessKey, "accesskey")
  GECKO_INT_ATTR(Cols, "cols", PRInt32, -1)
  GECKO_BOOL_ATTR(Disabled, "disabled")
  GECKO_STRING_ATTR(Name, "name")
  GECKO_BOOL_ATTR(ReadOnly, "readonly")
  GECKO_INT_ATTR(Rows, "rows", PRInt32, -1)
  GECKO_INT_ATTR(TabIndex, "tabindex", PRInt32, -1)
  NS_IMETHOD GetType(nsAString& aValue) override {
    return readString(aValue, [](engine::Element& e) { return e.type(); });
  }
  NS_IMETHOD GetValue(nsAString& aValue) override {
    return readString(aValue, [](engine::Element& e) { return e.value(); });
  }
  NS_IMETHOD SetValue(const nsAString& aValue) override {
    const std::string value = toUtf8(aValue);
    return change([&](engine::Element& e) { e.setValue(value); });
  }
  NS_IMETHOD Blur(void) override { return act(form_ops::blur); }
  NS_IMETHOD Focus(void) override { return act(form_ops::focus); }
  NS_IMETHOD Select(void) override { return act(form_ops::select); }

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsIDOMHTMLTextAreaElement))) return primary();
    return elementInterface(iid);
  }
  nsresult act(void (*action)(const std::shared_ptr<engine::Element>&)) {
    auto element = sharedElement();
    return session().carry([&]() -> nsresult {
      action(element);
      return NS_OK;
    });
  }
};

// The options of a select, live: nsIDOMHTMLOptionsCollection (and nsIDOMHTMLCollection,
// which Gecko's options collection answers too).
class DomOptionsCollection final : public nsIDOMHTMLOptionsCollection, public nsIDOMHTMLCollection, public DomObject {
 public:
  static nsresult create(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> select,
                         nsIDOMHTMLOptionsCollection** out);

  GECKO_DOM_ISUPPORTS

  NS_IMETHOD GetLength(PRUint32* aLength) override;
  NS_IMETHOD SetLength(PRUint32 aLength) override;
  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) override;
  NS_IMETHOD NamedItem(const nsAString& name, nsIDOMNode** _retval) override;

  nsISupports* canonical() override { return static_cast<nsIDOMHTMLOptionsCollection*>(this); }

 private:
  DomOptionsCollection(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> select);
  void* queryInterface(const nsIID& iid) override;

  const std::shared_ptr<engine::Element> select_;
  nsCOMPtr<nsIDOMHTMLCollection> list_;  // the same options as a node list
};

class DomSelectElement final : public ElementImpl<nsIDOMHTMLSelectElement> {
 public:
  DomSelectElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : ElementImpl(std::move(session), std::move(element)) {}

  GECKO_DOM_ISUPPORTS

  // "select-one" or "select-multiple".
  NS_IMETHOD GetType(nsAString& aValue) override {
    return readString(aValue, [](engine::Element& e) { return e.type(); });
  }
  NS_IMETHOD GetSelectedIndex(PRInt32* aValue) override {
    return readNumber(aValue, [](engine::Element& e) { return e.selectedIndex(); });
  }
  // An index outside the options deselects them all, as Gecko does.
  NS_IMETHOD SetSelectedIndex(PRInt32 aValue) override {
    return change([&](engine::Element& e) { e.setSelectedIndex(aValue); });
  }
  NS_IMETHOD GetValue(nsAString& aValue) override {
    return readString(aValue, [](engine::Element& e) { return e.value(); });
  }
  NS_IMETHOD SetValue(const nsAString& aValue) override {
    const std::string value = toUtf8(aValue);
    return change([&](engine::Element& e) { e.setValue(value); });
  }
  NS_IMETHOD GetLength(PRUint32* aValue) override {
    return readNumber(aValue, [](engine::Element& e) { return static_cast<PRInt64>(e.options().size()); });
  }
  NS_IMETHOD SetLength(PRUint32 aValue) override {
    return this->session().carry([&]() -> nsresult { return form_ops::setOptionCount(element(), aValue); });
  }
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override {
    return relatedElement(aForm, [](engine::Element& e) { return e.form(); });
  }
  NS_IMETHOD GetOptions(nsIDOMHTMLOptionsCollection** aOptions) override {
    if (!aOptions) return NS_ERROR_NULL_POINTER;
    return DomOptionsCollection::create(sharedSession(), sharedElement(), aOptions);
  }
  GECKO_BOOL_ATTR(Disabled, "disabled")
  GECKO_BOOL_ATTR(Multiple, "multiple")
  GECKO_STRING_ATTR(Name, "name")
  GECKO_INT_ATTR(Size, "size", PRInt32, -1)
  GECKO_INT_ATTR(TabIndex, "tabindex", PRInt32, -1)
  NS_IMETHOD Add(nsIDOMHTMLElement* element, nsIDOMHTMLElement* before) override {
    return session().carry([&]() -> nsresult { return form_ops::addOption(session(), this->element(), element, before); });
  }
  NS_IMETHOD Remove(PRInt32 index) override {
    return change([&](engine::Element& e) { form_ops::removeOption(e, index); });
  }
  NS_IMETHOD Blur(void) override {
    auto element = sharedElement();
    return session().carry([&]() -> nsresult {
      form_ops::blur(element);
      return NS_OK;
    });
  }
  NS_IMETHOD Focus(void) override {
    auto element = sharedElement();
    return session().carry([&]() -> nsresult {
      form_ops::focus(element);
      return NS_OK;
    });
  }

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsIDOMHTMLSelectElement))) return primary();
    return elementInterface(iid);
  }
};

class DomOptionElement final : public ElementImpl<nsIDOMHTMLOptionElement> {
 public:
  DomOptionElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : ElementImpl(std::move(session), std::move(element)) {}

  GECKO_DOM_ISUPPORTS

  // The form of the option's select.
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) override {
    return relatedElement(aForm, [](engine::Element& e) {
      auto select = e.selectElement();
      return select ? select->form() : nullptr;
    });
  }
  NS_IMETHOD GetDefaultSelected(PRBool* aValue) override {
    return readBool(aValue, [](engine::Element& e) { return e.defaultSelected(); });
  }
  NS_IMETHOD SetDefaultSelected(PRBool aValue) override {
    return change([&](engine::Element& e) { e.setDefaultSelected(aValue); });
  }
  // The option's text with its blanks folded.
  NS_IMETHOD GetText(nsAString& aValue) override {
    return readString(aValue, [](engine::Element& e) { return e.text(); });
  }
  NS_IMETHOD GetIndex(PRInt32* aValue) override {
    return readNumber(aValue, [](engine::Element& e) { return e.index(); });
  }
  GECKO_BOOL_ATTR(Disabled, "disabled")
  GECKO_STRING_ATTR(Label, "label")
  NS_IMETHOD GetSelected(PRBool* aValue) override {
    return readBool(aValue, [](engine::Element& e) { return e.selected(); });
  }
  // Selecting an option of a single select deselects the others.
  NS_IMETHOD SetSelected(PRBool aValue) override {
    return change([&](engine::Element& e) { e.setSelected(aValue); });
  }
  NS_IMETHOD GetValue(nsAString& aValue) override {
    return readString(aValue, [](engine::Element& e) { return e.value(); });
  }
  NS_IMETHOD SetValue(const nsAString& aValue) override { return setAttrString("value", aValue); }

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsIDOMHTMLOptionElement))) return primary();
    return elementInterface(iid);
  }
};

class DomFormElement final : public ElementImpl<nsIDOMHTMLFormElement> {
 public:
  DomFormElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : ElementImpl(std::move(session), std::move(element)) {}

  GECKO_DOM_ISUPPORTS

  // The form's fields in document order, live; Gecko leaves image buttons out.
  NS_IMETHOD GetElements(nsIDOMHTMLCollection** aElements) override {
    return elementList([](const engine::Element& e) { return form_ops::fields(e); }, aElements);
  }
  NS_IMETHOD GetLength(PRInt32* aValue) override {
    return readNumber(aValue, [](engine::Element& e) { return static_cast<PRInt64>(form_ops::fields(e).size()); });
  }
  GECKO_STRING_ATTR(Name, "name")
  GECKO_STRING_ATTR(AcceptCharset, "accept-charset")
  GECKO_URI_ATTR(Action, "action")
  NS_IMETHOD GetEnctype(nsAString& aValue) override {
    return attrStringOr("enctype", "application/x-www-form-urlencoded", aValue);
  }
  NS_IMETHOD SetEnctype(const nsAString& aValue) override { return setAttrString("enctype", aValue); }
  NS_IMETHOD GetMethod(nsAString& aValue) override { return attrStringOr("method", "get", aValue); }
  NS_IMETHOD SetMethod(const nsAString& aValue) override { return setAttrString("method", aValue); }
  GECKO_STRING_ATTR(Target, "target")
  // A script's submit(): the navigation without the submit event.
  NS_IMETHOD Submit(void) override {
    auto element = sharedElement();
    return session().carry([&]() -> nsresult {
      form_ops::submit(element);
      return NS_OK;
    });
  }
  NS_IMETHOD Reset(void) override {
    auto element = sharedElement();
    return session().carry([&]() -> nsresult {
      form_ops::reset(element);
      return NS_OK;
    });
  }

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsIDOMHTMLFormElement))) return primary();
    return elementInterface(iid);
  }
};

}  // namespace gecko
