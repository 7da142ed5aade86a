// Links and pictures: A, IMG, MAP and AREA. Addresses (href, src, longDesc) are read
// resolved against the document's address, as Gecko gives them.
#pragma once

#include "dom_element.h"
#include "dom_form_elements.h"
#include "nsIDOMHTMLAnchorElement.h"
#include "nsIDOMHTMLAreaElement.h"
#include "nsIDOMHTMLImageElement.h"
#include "nsIDOMHTMLMapElement.h"

namespace gecko {

class DomAnchorElement final : public ElementImpl<nsIDOMHTMLAnchorElement> {
 public:
  DomAnchorElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : ElementImpl(std::move(session), std::move(element)) {}

  GECKO_DOM_ISUPPORTS

  GECKO_STRING_ATTR(AccessKey, "accesskey")
  GECKO_STRING_ATTR(Charset, "charset")
  GECKO_STRING_ATTR(Coords, "coords")
  GECKO_URI_ATTR(Href, "href")
  GECKO_STRING_ATTR(Hreflang, "hreflang")
  GECKO_STRING_ATTR(Name, "name")
  GECKO_STRING_ATTR(Rel, "rel")
  GECKO_STRING_ATTR(Rev, "rev")
  GECKO_STRING_ATTR(Shape, "shape")
  GECKO_INT_ATTR(TabIndex, "tabindex", PRInt32, -1)
  GECKO_STRING_ATTR(Target, "target")
  GECKO_STRING_ATTR(Type, "type")
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
    if (iid.Equals(NS_GET_IID(nsIDOMHTMLAnchorElement))) return primary();
    return elementInterface(iid);
  }
};

class DomImageElement final : public ElementImpl<nsIDOMHTMLImageElement> {
 public:
  DomImageElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : ElementImpl(std::move(session), std::move(element)) {}

  GECKO_DOM_ISUPPORTS

  GECKO_STRING_ATTR(Name, "name")
  GECKO_STRING_ATTR(Align, "align")
  GECKO_STRING_ATTR(Alt, "alt")
  GECKO_STRING_ATTR(Border, "border")
  // Gecko measures the picture as laid out; the engine lays nothing out, so the size
  // is the one the page gives (0 when it gives none, as for a picture not yet loaded).
  GECKO_INT_ATTR(Height, "height", PRInt32, 0)
  GECKO_INT_ATTR(Hspace, "hspace", PRInt32, -1)
  GECKO_BOOL_ATTR(IsMap, "ismap")
  GECKO_URI_ATTR(LongDesc, "longdesc")
  GECKO_URI_ATTR(Src, "src")
  GECKO_STRING_ATTR(UseMap, "usemap")
  GECKO_INT_ATTR(Vspace, "vspace", PRInt32, -1)
  GECKO_INT_ATTR(Width, "width", PRInt32, 0)

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsIDOMHTMLImageElement))) return primary();
    return elementInterface(iid);
  }
};

class DomMapElement final : public ElementImpl<nsIDOMHTMLMapElement> {
 public:
  DomMapElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : ElementImpl(std::move(session), std::move(element)) {}

  GECKO_DOM_ISUPPORTS

  // The map's areas in document order, live.
  NS_IMETHOD GetAreas(nsIDOMHTMLCollection** aAreas) override {
    return elementList([](const engine::Element& e) { return asNodes(e.areas()); }, aAreas);
  }
  GECKO_STRING_ATTR(Name, "name")

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsIDOMHTMLMapElement))) return primary();
    return elementInterface(iid);
  }
};

class DomAreaElement final : public ElementImpl<nsIDOMHTMLAreaElement> {
 public:
  DomAreaElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : ElementImpl(std::move(session), std::move(element)) {}

  GECKO_DOM_ISUPPORTS

  GECKO_STRING_ATTR(AccessKey, "accesskey")
  GECKO_STRING_ATTR(Alt, "alt")
  GECKO_STRING_ATTR(Coords, "coords")
  GECKO_URI_ATTR(Href, "href")
  GECKO_BOOL_ATTR(NoHref, "nohref")
  GECKO_STRING_ATTR(Shape, "shape")
  GECKO_INT_ATTR(TabIndex, "tabindex", PRInt32, -1)
  GECKO_STRING_ATTR(Target, "target")

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsIDOMHTMLAreaElement))) return primary();
    return elementInterface(iid);
  }
};

}  // namespace gecko
