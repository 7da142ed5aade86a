#include "recording/element_checkpoint.h"

#include "com/variant.h"
#include "common/line_kinds.h"
#include "common/trace_log.h"
#include "core/process_state.h"
#include "recording/element_descriptors.h"
#include "recording/element_properties.h"
#include "recording/table_checkpoint.h"

namespace recording {

namespace {

namespace kinds = scriptline::ie;
using Line = scriptline::Line<std::string>;
using List = std::vector<std::string>;
constexpr std::string_view kNone = scriptline::kNone;

// Every list counts by id when the element has one.
std::string indexBy(IHTMLDocument2* document, IHTMLElement* element, const ItemTest& kind, const ItemTest& identity) {
  const std::string id = idOf(element);
  return indexAmong(document, element, kind, id != kNone ? sameId(id) : identity);
}

void setIndexAndId(Line& line, IHTMLElement* element, const std::string& name, const std::string& index) {
  line.set("index", index).set("ID", checkpointId(idOf(element), name, index));
}

template <class Field>
std::string formOf(Field* field) {
  ComPtr<IHTMLFormElement> form;
  field->get_form(form.put());
  return formNameOf(form.get());
}

// Trailing white space off a joined option list.
std::string trimmedRight(std::string text) {
  const size_t end = text.find_last_not_of(" \t\r\n\v\f");
  text.erase(end == std::string::npos ? 0 : end + 1);
  return text;
}

// INPUT of type text or password.
void textFieldList(IHTMLElement* element, IHTMLDocument2* document, const std::string& type, List& list) {
  Line line(kinds::kCheckpointTextInput);
  line.set("type", type).set("id", idOf(element)).set("tooltip", titleOf(element));
  line.set("sourceindex", sourceIndexOf(element)).set("disable", "false");
  std::string name(kNone), value(kNone);
  if (const auto field = queryAs<IHTMLInputTextElement>(element, IID_IHTMLInputTextElement)) {
    name = readText([&](BSTR* p) { return field->get_name(p); });
    value = readText([&](BSTR* p) { return field->get_value(p); });
    line.set("formname", formOf(field.get()));
    line.set("disable", readFlag([&](VARIANT_BOOL* p) { return field->get_disabled(p); }));
  }
  line.set("name", name).set("value", value);
  setIndexAndId(line, element, name, indexBy(document, element, inputOfType(type), sameNameOrValue(name, value)));
  line.appendTo(list);
}

// INPUT of type submit, reset or button.
void buttonList(IHTMLElement* element, IHTMLDocument2* document, const std::string& type, List& list) {
  Line line(kinds::kCheckpointPushButton);
  line.set("type", type).set("id", idOf(element)).set("tooltip", titleOf(element));
  line.set("sourceindex", sourceIndexOf(element)).set("disable", "false");
  std::string name(kNone), value(kNone);
  if (const auto button = queryAs<IHTMLInputButtonElement>(element, IID_IHTMLInputButtonElement)) {
    name = readText([&](BSTR* p) { return button->get_name(p); });
    value = readText([&](BSTR* p) { return button->get_value(p); });
    line.set("formname", formOf(button.get()));
  }
  if (const auto input = queryAs<IHTMLInputElement>(element, IID_IHTMLInputElement))
    line.set("disable", readFlag([&](VARIANT_BOOL* p) { return input->get_disabled(p); }));
  line.set("name", name).set("value", value);
  setIndexAndId(line, element, name, indexBy(document, element, inputOfType(type), sameNameOrValue(name, value)));
  line.appendTo(list);
}

// INPUT of type file.
void fileList(IHTMLElement* element, IHTMLDocument2* document, const std::string& type, List& list) {
  Line line(kinds::kCheckpointFileInput);
  line.set("type", type).set("id", idOf(element)).set("tooltip", titleOf(element));
  line.set("sourceindex", sourceIndexOf(element)).set("disable", "false");
  std::string name(kNone), value(kNone);
  if (const auto file = queryAs<IHTMLInputFileElement>(element, IID_IHTMLInputFileElement)) {
    name = readText([&](BSTR* p) { return file->get_name(p); });
    value = readText([&](BSTR* p) { return file->get_value(p); });
    line.set("formname", formOf(file.get()));
    line.set("disable", readFlag([&](VARIANT_BOOL* p) { return file->get_disabled(p); }));
  }
  line.set("name", name).set("value", value);
  setIndexAndId(line, element, name, indexBy(document, element, inputOfType(type), sameNameOrValue(name, value)));
  line.appendTo(list);
}

// INPUT of type radio or checkbox: counted by name alone (the value takes no part).
void optionList(IHTMLElement* element, IHTMLDocument2* document, const std::string& type, List& list) {
  Line line(kinds::kCheckpointOptionButton);
  line.set("type", type).set("id", idOf(element)).set("tooltip", titleOf(element));
  line.set("sourceindex", sourceIndexOf(element));
  line.set("status", "false").set("disable", "false").set("defaultChecked", "false");
  std::string name(kNone);
  if (const auto option = queryAs<IHTMLOptionButtonElement>(element, IID_IHTMLOptionButtonElement)) {
    name = readText([&](BSTR* p) { return option->get_name(p); });
    line.set("formname", formOf(option.get()));
    line.set("status", readFlag([&](VARIANT_BOOL* p) { return option->get_status(p); }));
    line.set("disable", readFlag([&](VARIANT_BOOL* p) { return option->get_disabled(p); }));
    line.set("defaultChecked", readFlag([&](VARIANT_BOOL* p) { return option->get_defaultChecked(p); }));
  }
  line.set("name", name);
  setIndexAndId(line, element, name, indexBy(document, element, inputOfType(type), sameName(name)));
  line.appendTo(list);
}

// INPUT of type image.
void imageButtonList(IHTMLElement* element, IHTMLDocument2* document, const std::string& type, List& list) {
  Line line(kinds::kCheckpointImageInput);
  line.set("type", type).set("id", idOf(element)).set("sourceindex", sourceIndexOf(element));
  std::string name(kNone), source(kNone);
  if (const auto input = queryAs<IHTMLInputElement>(element, IID_IHTMLInputElement)) {
    name = readText([&](BSTR* p) { return input->get_name(p); });
    line.set("value", readText([&](BSTR* p) { return input->get_value(p); }));
    line.set("formname", formOf(input.get()));
    source = readText([&](BSTR* p) { return input->get_src(p); });
    if (source.empty()) source = kNone;
  }
  line.set("name", name).set("source", source);
  setIndexAndId(line, element, name, imageButtonIndex(document, element, source));
  line.appendTo(list);
}

void inputList(IHTMLElement* element, IHTMLDocument2* document, List& list) {
  std::string type(kNone);
  if (const auto input = queryAs<IHTMLInputElement>(element, IID_IHTMLInputElement))
    type = readText([&](BSTR* p) { return input->get_type(p); });
  if (type == "text" || type == "password") {
    textFieldList(element, document, type, list);
  } else if (type == "submit" || type == "reset" || type == "button") {
    buttonList(element, document, type, list);
  } else if (type == "file") {
    fileList(element, document, type, list);
  } else if (type == "radio" || type == "checkbox") {
    optionList(element, document, type, list);
  } else if (type == "image") {
    imageButtonList(element, document, type, list);
  } else {
    trace("%s input type event received\n", type.c_str());
    Line(kinds::kCheckpointOtherInput).set("type", type).appendTo(list);
  }
}

// A link: its text as read, not cleaned (the index still counts by the cleaned text).
void linkList(IHTMLElement* element, IHTMLDocument2* document, List& list) {
  const auto anchor = queryAs<IHTMLAnchorElement>(element, IID_IHTMLAnchorElement);
  if (!anchor) return;
  Line line(kinds::kCheckpointLink);
  line.set("name", readText([&](BSTR* p) { return anchor->get_name(p); }));
  line.set("id", idOf(element)).set("sourceindex", sourceIndexOf(element)).set("tooltip", titleOf(element));
  line.set("innertext", innerTextOf(element));
  line.set("index", linkIndex(document, element));
  line.appendTo(list);
}

void imageList(IHTMLElement* element, IHTMLDocument2* document, List& list) {
  Line line(kinds::kCheckpointImage);
  line.set("tagName", tagNameOf(element)).set("id", idOf(element)).set("sourceindex", sourceIndexOf(element));
  std::string name(kNone), source(kNone);
  if (const auto image = queryAs<IHTMLImgElement>(element, IID_IHTMLImgElement)) {
    name = readText([&](BSTR* p) { return image->get_name(p); });
    line.set("alt", readText([&](BSTR* p) { return image->get_alt(p); }));
    source = readText([&](BSTR* p) { return image->get_src(p); });
    if (source.empty()) source = kNone;
  }
  line.set("name", name).set("source", source);
  setIndexAndId(line, element, name, imageIndex(document, element, source));
  line.appendTo(list);
}

// A text area's line breaks travel as "<VK_RETURN>", as in its recorded line.
void textAreaList(IHTMLElement* element, IHTMLDocument2* document, List& list) {
  Line line(kinds::kCheckpointTextArea);
  line.set("id", idOf(element)).set("sourceindex", sourceIndexOf(element)).set("disable", "false");
  std::string name(kNone), type(kNone);
  if (const auto area = queryAs<IHTMLTextAreaElement>(element, IID_IHTMLTextAreaElement)) {
    name = readText([&](BSTR* p) { return area->get_name(p); });
    type = readText([&](BSTR* p) { return area->get_type(p); });
    line.set("formname", formOf(area.get()));
    line.set("value", scriptline::markLineBreaks<std::string>(readText([&](BSTR* p) { return area->get_value(p); }),
                                                              "\r\n"));
    line.set("disable", readFlag([&](VARIANT_BOOL* p) { return area->get_disabled(p); }));
  }
  line.set("name", name).set("type", type);
  const ItemTest sameType = [type](IDispatch* item, IHTMLElement* itemElement) {
    const auto other = queryAs<IHTMLTextAreaElement>(item, IID_IHTMLTextAreaElement);
    return other && tagNameOf(itemElement) == "TEXTAREA" && readText([&](BSTR* p) { return other->get_type(p); }) == type;
  };
  setIndexAndId(line, element, name, indexBy(document, element, sameType, sameName(name)));
  line.appendTo(list);
}

// The texts of a list's options, all of them or the selected ones, joined by ":-:".
struct OptionTexts {
  std::string all;
  std::string selected;
};

OptionTexts optionTextsOf(IHTMLSelectElement* select) {
  std::vector<std::string> all, selected;
  LONG length = 0;
  if (FAILED(select->get_length(&length))) length = 0;
  for (LONG i = 0; i < length; ++i) {
    Variant name(i), at(0);
    ComPtr<IDispatch> item;
    if (FAILED(select->item(*name.get(), *at.get(), item.put())) || !item) continue;
    const auto option = queryAs<IHTMLOptionElement>(item.get(), IID_IHTMLOptionElement);
    if (!option) continue;
    // An option without text is "NONE" whether the page answers a null or an empty
    // text, as the list's read-back in playback reads it, so the two compare equal.
    const std::string text = scriptline::noneIfEmpty(readText([&](BSTR* p) { return option->get_text(p); }));
    all.push_back(text);
    VARIANT_BOOL isSelected = VARIANT_FALSE;
    if (SUCCEEDED(option->get_selected(&isSelected)) && isSelected == VARIANT_TRUE) selected.push_back(text);
  }
  OptionTexts texts;
  texts.all = trimmedRight(scriptline::joinItems(all));
  texts.selected = selected.empty() ? std::string(kNone) : trimmedRight(scriptline::joinItems(selected));
  return texts;
}

void selectList(IHTMLElement* element, IHTMLDocument2* document, List& list) {
  Line line(kinds::kCheckpointSelect);
  line.set("id", idOf(element)).set("sourceindex", sourceIndexOf(element));
  std::string name(kNone);
  if (const auto select = queryAs<IHTMLSelectElement>(element, IID_IHTMLSelectElement)) {
    name = readText([&](BSTR* p) { return select->get_name(p); });
    line.set("type", readText([&](BSTR* p) { return select->get_type(p); }));
    line.set("formname", formOf(select.get()));
    const OptionTexts texts = optionTextsOf(select.get());
    line.set("allitems", texts.all).set("selecteditems", texts.selected);
  }
  line.set("name", name);
  const ItemTest isSelect = [](IDispatch*, IHTMLElement* item) { return tagNameOf(item) == "SELECT"; };
  setIndexAndId(line, element, name, indexBy(document, element, isSelect, sameName(name)));
  line.appendTo(list);
}

}  // namespace

std::string checkpointId(const std::string& id, const std::string& name, const std::string& index) {
  std::string result = id != kNone ? id : name;
  if (index != "0") result += "_" + index;
  return result;
}

void elementCheckpoint(IHTMLEventObj* event) {
  List list = windowBlock(event);
  ComPtr<IHTMLElement> element;
  if (event != nullptr) event->get_srcElement(element.put());
  if (element) {
    const ComPtr<IHTMLDocument2> document = documentOf(element.get());
    IHTMLDocument2* page = document.get();
    const std::string tag = tagNameOf(element.get());
    if (tag == "BODY") {
      // The page itself: the window block says all there is.
    } else if (tag == "INPUT") {
      inputList(element.get(), page, list);
    } else if (tag == "A") {
      linkList(element.get(), page, list);
    } else if (tag == "IMG" || tag == "img") {
      imageList(element.get(), page, list);
    } else if (tag == "TEXTAREA") {
      textAreaList(element.get(), page, list);
    } else if (tag == "SELECT") {
      selectList(element.get(), page, list);
    } else if (tag == "TD" || tag == "TH") {
      appendCellList(element.get(), page, list);
    } else if (const ComPtr<IHTMLElement> around = selfOrAncestorTagged(element.get(), {"A", "IMG"})) {
      // Only a link gives a list; an IMG has no link list.
      linkList(around.get(), page, list);
    }
  }
  processState().setCheckPointProperties(std::move(list));
}

}  // namespace recording
