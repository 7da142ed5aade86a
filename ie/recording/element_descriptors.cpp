#include "recording/element_descriptors.h"

#include "common/line_kinds.h"
#include "core/process_state.h"
#include "playback/clean_text.h"
#include "recording/element_properties.h"

namespace recording {

namespace {

namespace kinds = scriptline::ie;
using Line = scriptline::Line<std::string>;
constexpr std::string_view kNone = scriptline::kNone;

// id, tooltip and sourceindex, which every element line reads the same way.
void setCommon(Line& line, IHTMLElement* element, bool tooltip = true) {
  line.set("id", idOf(element));
  line.set("sourceindex", sourceIndexOf(element));
  if (tooltip) line.set("tooltip", titleOf(element));
}

// The index of an INPUT button, check box or radio button among INPUTs of its type: by
// id when it has one, else by name or value.
std::string inputIndex(IHTMLDocument2* document, IHTMLElement* element, const std::string& type,
                       const std::string& name, const std::string& value) {
  const std::string id = idOf(element);
  return indexAmong(document, element, inputOfType(type), id != kNone ? sameId(id) : sameNameOrValue(name, value));
}

bool tagIs(IHTMLElement* element, std::string_view upper, std::string_view lower) {
  const std::string tag = tagNameOf(element);
  return tag == upper || tag == lower;
}

template <class Interface>
ItemTest tagAnd(std::string_view upper, std::string_view lower, REFIID iid) {
  return [upper, lower, &iid](IDispatch* item, IHTMLElement* element) {
    return tagIs(element, upper, lower) && queryAs<Interface>(item, iid);
  };
}

// A link's text as playback compares it: cleaned, an empty text counted as "NONE".
std::string cleanedLinkText(IHTMLElement* element) {
  std::string text = innerTextOf(element);
  if (text.empty()) text = kNone;
  return cleanText(text);
}

}  // namespace

std::string imageButtonIndex(IHTMLDocument2* document, IHTMLElement* element, const std::string& source) {
  const std::string id = idOf(element);
  const ItemTest kind = [](IDispatch* item, IHTMLElement* itemElement) {
    return tagIs(itemElement, "INPUT", "input") && inputOfType("image")(item, itemElement);
  };
  const ItemTest sameSource = [source](IDispatch* item, IHTMLElement*) {
    const ComPtr<IHTMLInputElement> input = queryAs<IHTMLInputElement>(item, IID_IHTMLInputElement);
    return input && readText([&](BSTR* p) { return input->get_src(p); }) == source;
  };
  return indexAmong(document, element, kind, id != kNone ? sameId(id) : sameSource);
}

std::string imageIndex(IHTMLDocument2* document, IHTMLElement* element, const std::string& source) {
  const std::string id = idOf(element);
  const ItemTest sameSource = [source](IDispatch* item, IHTMLElement*) {
    const ComPtr<IHTMLImgElement> image = queryAs<IHTMLImgElement>(item, IID_IHTMLImgElement);
    if (!image) return false;
    std::string src = readText([&](BSTR* p) { return image->get_src(p); });
    return (src.empty() ? std::string(kNone) : src) == source;
  };
  return indexAmong(document, element, tagAnd<IHTMLImgElement>("IMG", "img", IID_IHTMLImgElement),
                    id != kNone ? sameId(id) : sameSource);
}

std::string linkIndex(IHTMLDocument2* document, IHTMLElement* element) {
  const std::string id = idOf(element);
  const std::string text = cleanedLinkText(element);
  const ItemTest sameText = [text](IDispatch*, IHTMLElement* item) { return cleanedLinkText(item) == text; };
  return indexAmong(document, element, tagAnd<IHTMLAnchorElement>("A", "a", IID_IHTMLAnchorElement),
                    id != kNone ? sameId(id) : sameText);
}

std::string buildButtonLine(IHTMLElement* element, IHTMLDocument2* document) {
  Line line(kinds::kClickPushButton);
  setCommon(line, element);
  const ComPtr<IHTMLInputButtonElement> button = queryAs<IHTMLInputButtonElement>(element, IID_IHTMLInputButtonElement);
  const ComPtr<IHTMLInputElement> input = queryAs<IHTMLInputElement>(element, IID_IHTMLInputElement);
  std::string name(kNone), value(kNone), type(kNone);
  if (button) {
    name = readText([&](BSTR* p) { return button->get_name(p); });
    value = readText([&](BSTR* p) { return button->get_value(p); });
    ComPtr<IHTMLFormElement> form;
    button->get_form(form.put());
    line.set("formname", formNameOf(form.get()));
  }
  if (input) {
    type = readText([&](BSTR* p) { return input->get_type(p); });
    line.set("disable", readFlag([&](VARIANT_BOOL* p) { return input->get_disabled(p); }));
  } else {
    line.set("disable", "false");
  }
  line.set("name", name).set("value", value).set("type", type);
  line.set("index", inputIndex(document, element, type, name, value));
  return line.recordedLine();
}

std::string buildCheckableLine(IHTMLElement* element, IHTMLDocument2* document) {
  Line line(kinds::kClickOptionButton);
  setCommon(line, element);
  const ComPtr<IHTMLOptionButtonElement> option =
      queryAs<IHTMLOptionButtonElement>(element, IID_IHTMLOptionButtonElement);
  std::string name(kNone), value(kNone), type(kNone);
  line.set("disable", "false").set("defaultChecked", "false");
  if (option) {
    name = readText([&](BSTR* p) { return option->get_name(p); });
    value = readText([&](BSTR* p) { return option->get_value(p); });
    type = readText([&](BSTR* p) { return option->get_type(p); });
    line.set("disable", readFlag([&](VARIANT_BOOL* p) { return option->get_disabled(p); }));
    line.set("defaultChecked", readFlag([&](VARIANT_BOOL* p) { return option->get_defaultChecked(p); }));
    ComPtr<IHTMLFormElement> form;
    option->get_form(form.put());
    line.set("formname", formNameOf(form.get()));
  }
  line.set("name", name).set("value", value).set("type", type);
  line.set("index", inputIndex(document, element, type, name, value));
  return line.recordedLine();
}

std::string buildFileButtonLine(IHTMLElement* element, IHTMLDocument2*) {
  Line line(kinds::kClickFileButton);
  setCommon(line, element);
  line.set("disable", "false");
  if (const ComPtr<IHTMLInputFileElement> file = queryAs<IHTMLInputFileElement>(element, IID_IHTMLInputFileElement)) {
    line.set("name", readText([&](BSTR* p) { return file->get_name(p); }));
    line.set("value", readText([&](BSTR* p) { return file->get_value(p); }));
    line.set("type", readText([&](BSTR* p) { return file->get_type(p); }));
    line.set("disable", readFlag([&](VARIANT_BOOL* p) { return file->get_disabled(p); }));
    ComPtr<IHTMLFormElement> form;
    file->get_form(form.put());
    line.set("formname", formNameOf(form.get()));
  }
  return line.recordedLine();
}

std::string buildImageButtonLine(IHTMLElement* element, IHTMLDocument2* document) {
  Line line(kinds::kClickImageInput);
  setCommon(line, element);
  std::string source(kNone);
  if (const ComPtr<IHTMLInputElement> input = queryAs<IHTMLInputElement>(element, IID_IHTMLInputElement)) {
    line.set("name", readText([&](BSTR* p) { return input->get_name(p); }));
    line.set("value", readText([&](BSTR* p) { return input->get_value(p); }));
    ComPtr<IHTMLFormElement> form;
    input->get_form(form.put());
    line.set("formname", formNameOf(form.get()));
    source = readText([&](BSTR* p) { return input->get_src(p); });
    if (source.empty()) source = kNone;
  }
  line.set("source", source);
  line.set("index", imageButtonIndex(document, element, source));
  return line.recordedLine();
}

std::string buildImageLine(IHTMLElement* element, IHTMLDocument2* document) {
  Line line(kinds::kClickImage);
  setCommon(line, element, false);
  line.set("tagName", tagNameOf(element));
  line.set("title", titleOf(element));
  std::string source(kNone);
  if (const ComPtr<IHTMLImgElement> image = queryAs<IHTMLImgElement>(element, IID_IHTMLImgElement)) {
    line.set("name", readText([&](BSTR* p) { return image->get_name(p); }));
    line.set("alt", readText([&](BSTR* p) { return image->get_alt(p); }));
    source = readText([&](BSTR* p) { return image->get_src(p); });
    if (source.empty()) source = kNone;
  }
  line.set("source", source);
  line.set("index", imageIndex(document, element, source));
  return line.recordedLine();
}

std::string buildLinkLine(IHTMLElement* element, IHTMLDocument2* document) {
  const ComPtr<IHTMLAnchorElement> anchor = queryAs<IHTMLAnchorElement>(element, IID_IHTMLAnchorElement);
  if (!anchor) return {};
  Line line(kinds::kClickLink);
  setCommon(line, element);
  line.set("name", readText([&](BSTR* p) { return anchor->get_name(p); }));
  line.set("target", readText([&](BSTR* p) { return anchor->get_target(p); }));
  line.set("innertext", cleanedLinkText(element));
  line.set("index", linkIndex(document, element));
  return line.recordedLine();
}

std::string buildListPairs(IHTMLElement* element, IHTMLDocument2* document) {
  Line line(kinds::kClickList);
  line.set("sourceindex", "");
  if (queryAs<IHTMLDivElement>(element, IID_IHTMLDivElement)) {
    const std::string text = innerTextOf(element);
    const std::string id = idOf(element);
    line.set("name", text).set("id", id).set("sourceindex", sourceIndexOf(element));
    const ItemTest sameText = [text](IDispatch*, IHTMLElement* item) { return innerTextOf(item) == text; };
    line.set("index", indexAmong(document, element, tagAnd<IHTMLDivElement>("DIV", "div", IID_IHTMLDivElement),
                                 id != kNone ? sameId(id) : sameText));
  } else {
    line.set("index", "0");
  }
  return scriptline::joinPairs(line.pairs());
}

std::string buildMapLine(IHTMLElement* element, IHTMLDocument2* document) {
  Line line(kinds::kClickMap);
  std::string coords = "0,0,0,0";
  if (const ComPtr<IHTMLAreaElement> area = queryAs<IHTMLAreaElement>(element, IID_IHTMLAreaElement)) {
    line.set("alt", readText([&](BSTR* p) { return area->get_alt(p); }));
    Bstr value;
    area->get_coords(value.put());
    if (!value.isNull()) coords = value.toAnsi();
  }
  line.set("coords", coords);
  ComPtr<IHTMLElement> parent;
  element->get_parentElement(parent.put());
  const ComPtr<IHTMLMapElement> map = queryAs<IHTMLMapElement>(parent.get(), IID_IHTMLMapElement);
  if (!map) {
    line.set("index", "0");
    return line.recordedLine();
  }
  const std::string name = readText([&](BSTR* p) { return map->get_name(p); });
  const std::string id = idOf(parent.get());
  line.set("name", name).set("tooltip", titleOf(parent.get())).set("tagName", tagNameOf(parent.get())).set("id", id);
  const ItemTest sameName = [name](IDispatch* item, IHTMLElement*) {
    const ComPtr<IHTMLMapElement> itemMap = queryAs<IHTMLMapElement>(item, IID_IHTMLMapElement);
    return name != kNone && itemMap && readText([&](BSTR* p) { return itemMap->get_name(p); }) == name;
  };
  line.set("index", indexAmong(document, parent.get(), tagAnd<IHTMLMapElement>("MAP", "map", IID_IHTMLMapElement),
                               id != kNone ? sameId(id) : sameName));
  return line.recordedLine();
}

std::vector<std::string> windowBlock(IHTMLEventObj* event) {
  Line line(kinds::kCheckpointWindowBlock);
  ComPtr<IHTMLElement> element;
  if (event != nullptr) event->get_srcElement(element.put());
  if (element) {
    line.set("tooltip", titleOf(element.get()));
    if (const ComPtr<IHTMLDocument2> document = documentOf(element.get())) {
      line.set("windowtitle", readText([&](BSTR* p) { return document->get_title(p); }));
      ComPtr<IHTMLWindow2> window;
      if (SUCCEEDED(document->get_parentWindow(window.put())) && window)
        line.set("windowname", readText([&](BSTR* p) { return window->get_name(p); }));
    }
  }
  const std::string parentTitle = processState().parentTitle();
  line.set("parenttitle", parentTitle.empty() ? std::string(kNone) : parentTitle);
  std::vector<std::string> block;
  line.appendTo(block);
  return block;
}

void addWindowBlock(IHTMLEventObj* event) { processState().setCheckPointProperties(windowBlock(event)); }

}  // namespace recording
