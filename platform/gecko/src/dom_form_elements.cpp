#include "dom_form_elements.h"

#include "engine/actions.h"
#include "engine/browser.h"
#include "engine/document.h"
#include "engine/window.h"
#include "nsDOMError.h"

namespace gecko {
namespace form_ops {

void focus(const std::shared_ptr<engine::Element>& element) {
  if (element->ownerDocument()) engine::actions::focus(element);
}

// Only the field that has the focus can lose it.
void blur(const std::shared_ptr<engine::Element>& element) {
  auto document = element->ownerDocument();
  if (document && document->activeElement() == element) engine::actions::blur(*document);
}

// Only text fields and text areas have text to select.
void select(const std::shared_ptr<engine::Element>& element) {
  if (!element->ownerDocument() || element->disabled()) return;
  const std::string type = element->type();
  if (type != "text" && type != "password" && type != "textarea") return;
  if (engine::actions::fire(element, "select", true, true)) engine::actions::focus(element);
}

void click(const std::shared_ptr<engine::Element>& element) {
  if (element->disabled()) return;
  const std::string type = element->type();
  if (type == "button" || type == "checkbox" || type == "radio" || type == "submit" || type == "reset" ||
      type == "image") {
    engine::actions::activate(element);
  }
}

nsresult setOptionCount(engine::Element& select, PRUint32 count) {
  auto options = select.options();
  if (count > options.size() && count > kMaxAddedOptions) return NS_ERROR_DOM_NOT_SUPPORTED_ERR;
  for (std::size_t i = options.size(); i > count; --i) {
    if (auto parent = options[i - 1]->parentNode()) parent->removeChild(options[i - 1]);
  }
  for (std::size_t i = options.size(); i < count; ++i) select.appendChild(std::make_shared<engine::Element>("option"));
  return NS_OK;
}

// `before` null: at the end. Otherwise before that option, which must be one of
// this select's; Gecko answers NOT_FOUND for any other.
nsresult addOption(DomSession& session, engine::Element& select, nsIDOMHTMLElement* option, nsIDOMHTMLElement* before) {
  auto added = engineNodeIn(session, option);
  if (!added) return option ? NS_ERROR_DOM_WRONG_DOCUMENT_ERR : NS_ERROR_NULL_POINTER;
  if (added->nodeType() != engine::NodeType::Element || !select.canTake(added)) {
    return NS_ERROR_DOM_HIERARCHY_REQUEST_ERR;
  }
  if (added->ownerDocument() != select.ownerDocument()) return NS_ERROR_DOM_WRONG_DOCUMENT_ERR;
  if (!before) {
    select.appendChild(added);
    return NS_OK;
  }
  auto reference = engineNodeIn(session, before);
  auto parent = reference ? reference->parentNode() : nullptr;
  bool inside = false;
  for (auto up = parent; up; up = up->parentNode()) {
    if (up.get() == &select) inside = true;
  }
  if (!inside) return NS_ERROR_DOM_NOT_FOUND_ERR;
  if (!parent->canTake(added)) return NS_ERROR_DOM_HIERARCHY_REQUEST_ERR;
  parent->insertBefore(added, reference);
  return NS_OK;
}

// An index outside the options removes nothing.
void removeOption(engine::Element& select, PRInt32 index) {
  auto options = select.options();
  if (index < 0 || static_cast<std::size_t>(index) >= options.size()) return;
  if (auto parent = options[index]->parentNode()) parent->removeChild(options[index]);
}

void submit(const std::shared_ptr<engine::Element>& form) {
  auto document = form->ownerDocument();
  auto window = document ? document->defaultView() : nullptr;
  if (window && form->parentNode()) window->browser().submitForm(*form, nullptr);
}

std::vector<std::shared_ptr<engine::Node>> fields(const engine::Element& form) {
  std::vector<std::shared_ptr<engine::Node>> found;
  for (const auto& field : form.elements()) {
    if (!(field->is("INPUT") && field->type() == "image")) found.push_back(field);
  }
  return found;
}

void reset(const std::shared_ptr<engine::Element>& form) {
  if (form->ownerDocument()) engine::actions::reset(form);
}

}  // namespace form_ops

// --- DomOptionsCollection

DomOptionsCollection::DomOptionsCollection(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> select)
    : DomObject(std::move(session)), select_(std::move(select)) {}

nsresult DomOptionsCollection::create(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> select,
                                      nsIDOMHTMLOptionsCollection** out) {
  *out = nullptr;
  auto* collection = new DomOptionsCollection(session, select);
  nsIDOMHTMLCollection* list = nullptr;
  DomNodeList::create(std::move(session), [select] { return asNodes(select->options()); }, &list);
  collection->list_ = dont_AddRef(list);
  *out = collection;
  return NS_OK;
}

void* DomOptionsCollection::queryInterface(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsISupports)) || iid.Equals(NS_GET_IID(nsIDOMHTMLOptionsCollection))) {
    return static_cast<nsIDOMHTMLOptionsCollection*>(this);
  }
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLCollection))) return static_cast<nsIDOMHTMLCollection*>(this);
  return nullptr;
}

NS_IMETHODIMP DomOptionsCollection::GetLength(PRUint32* aLength) { return list_->GetLength(aLength); }

NS_IMETHODIMP DomOptionsCollection::SetLength(PRUint32 aLength) {
  return session().carry([&]() -> nsresult { return form_ops::setOptionCount(*select_, aLength); });
}

NS_IMETHODIMP DomOptionsCollection::Item(PRUint32 index, nsIDOMNode** _retval) { return list_->Item(index, _retval); }

NS_IMETHODIMP DomOptionsCollection::NamedItem(const nsAString& name, nsIDOMNode** _retval) {
  return list_->NamedItem(name, _retval);
}

}  // namespace gecko
