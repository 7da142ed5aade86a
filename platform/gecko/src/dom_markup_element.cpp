#include "dom_markup_element.h"

#include "engine/actions.h"
#include "engine/dispatch.h"
#include "engine/document.h"

namespace gecko {

nsresult DomXulElement::readFlag(const char* attribute, PRBool* out) {
  if (!out) return NS_ERROR_NULL_POINTER;
  return session().carry([&]() -> nsresult {
    *out = element().attribute(attribute) == "true" ? PR_TRUE : PR_FALSE;
    return NS_OK;
  });
}

nsresult DomXulElement::writeFlag(const char* attribute, PRBool value) {
  return session().carry([&]() -> nsresult {
    if (value) {
      element().setAttribute(attribute, "true");
    } else {
      element().removeAttribute(attribute);
    }
    return NS_OK;
  });
}

// Style declarations, box objects and command controllers belong to layout and to the
// command dispatcher, which the simulated browser does not have (README).
NS_IMETHODIMP DomXulElement::GetStyle(nsIDOMCSSStyleDeclaration** aStyle) { return notModelled(aStyle); }
NS_IMETHODIMP DomXulElement::GetControllers(nsIControllers** aControllers) { return notModelled(aControllers); }
NS_IMETHODIMP DomXulElement::GetBoxObject(nsIBoxObject** aBoxObject) { return notModelled(aBoxObject); }

// An element without data sources has no RDF database, builder or resource, as in
// Gecko; one that names data sources would need RDF, which is not modelled.
nsresult DomXulElement::rdfObject(const char* attribute, void** out) {
  if (!out) return NS_ERROR_NULL_POINTER;
  *out = nullptr;
  bool named = false;
  nsresult rv = session().carry([&]() -> nsresult {
    named = element().hasAttribute(attribute);
    return NS_OK;
  });
  if (NS_FAILED(rv)) return rv;
  return named ? NS_ERROR_NOT_IMPLEMENTED : NS_OK;
}
NS_IMETHODIMP DomXulElement::GetDatabase(nsIRDFCompositeDataSource** aDatabase) {
  return rdfObject("datasources", reinterpret_cast<void**>(aDatabase));
}
NS_IMETHODIMP DomXulElement::GetBuilder(nsIXULTemplateBuilder** aBuilder) {
  return rdfObject("datasources", reinterpret_cast<void**>(aBuilder));
}
NS_IMETHODIMP DomXulElement::GetResource(nsIRDFResource** aResource) {
  return rdfObject("ref", reinterpret_cast<void**>(aResource));
}

NS_IMETHODIMP DomXulElement::Focus(void) {
  auto self = sharedElement();
  return session().carry([&]() -> nsresult {
    engine::actions::focus(self);
    return NS_OK;
  });
}

NS_IMETHODIMP DomXulElement::Blur(void) {
  auto self = sharedElement();
  return session().carry([&]() -> nsresult {
    auto document = self->ownerDocument();
    if (document && document->activeElement() == self) engine::actions::blur(*document);
    return NS_OK;
  });
}

// As Gecko's: a disabled element takes no click; otherwise the button goes down and up
// and the click follows.
NS_IMETHODIMP DomXulElement::Click(void) {
  auto self = sharedElement();
  return session().carry([&]() -> nsresult {
    if (self->attribute("disabled") == "true") return NS_OK;
    engine::actions::mouseDown(self, engine::MouseButton::Left);
    engine::actions::mouseUp(self, engine::MouseButton::Left);
    engine::Event click{.type = "click", .button = engine::MouseButton::Left};
    engine::dispatchEvent(self, click);
    return NS_OK;
  });
}

// A "command" event on the element, as a XUL widget sends when it is activated; who
// listens (a dialog's buttons) decides what it does.
NS_IMETHODIMP DomXulElement::DoCommand(void) {
  auto self = sharedElement();
  return session().carry([&]() -> nsresult {
    engine::actions::fire(self, "command", true, true);
    return NS_OK;
  });
}

NS_IMETHODIMP DomXulElement::GetElementsByAttribute(const nsAString& name, const nsAString& value,
                                                    nsIDOMNodeList** _retval) {
  const std::string key = toUtf8(name);
  const std::string wanted = toUtf8(value);
  auto self = sharedElement();
  return liveList([self, key, wanted] { return markup_ops::elementsByAttribute(*self, key, wanted); }, _retval);
}

}  // namespace gecko
