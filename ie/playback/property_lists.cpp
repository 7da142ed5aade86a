#include "playback/property_lists.h"

#include <string_view>
#include <utility>
#include <vector>

#include "com/bstr.h"
#include "com/com_ptr.h"
#include "com/variant.h"
#include "common/script_line.h"
#include "common/trace_log.h"
#include "core/process_state.h"
#include "core/skerrow_app.h"
#include "playback/guarded_list.h"
#include "playback/playback_state.h"
#include "recording/element_properties.h"

namespace {

using recording::flagOf;
using recording::idOf;
using recording::readText;
using recording::titleOf;

const std::string kNone(scriptline::kNone);

void add(PropertyPairs& pairs, std::string_view key, std::string value) { pairs.emplace_back(key, std::move(value)); }

std::string sourceIndexOf(IHTMLElement* element) {
  LONG index = 0;
  if (FAILED(element->get_sourceIndex(&index))) return kNone;
  return std::to_string(index);
}

// A number that reads "NONE" when it is 0 (or cannot be read).
template <class Read>
std::string numberOrNone(Read&& read) {
  LONG value = 0;
  if (FAILED(read(&value)) || value == 0) return kNone;
  return std::to_string(value);
}

template <class Read>
std::string flagRead(Read&& read) {
  VARIANT_BOOL value = VARIANT_FALSE;
  if (FAILED(read(&value))) return std::string(scriptline::kFalse);
  return flagOf(value);
}

// The name of the element's form; "NONE" outside a form.
template <class Field>
std::string formNameOf(Field* field) {
  ComPtr<IHTMLFormElement> form;
  if (FAILED(field->get_form(form.put()))) form.reset();
  return recording::formNameOf(form.get());
}

bool textField(IDispatch* item, PropertyPairs& pairs, const std::string& windowTitle) {
  const ComPtr<IHTMLInputTextElement> field = queryAs<IHTMLInputTextElement>(item, IID_IHTMLInputTextElement);
  const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(item, IID_IHTMLElement);
  if (!field || !element) return false;
  add(pairs, "name", readText([&](BSTR* p) { return field->get_name(p); }));
  add(pairs, "id", idOf(element.get()));
  add(pairs, "formname", formNameOf(field.get()));
  add(pairs, "sourceindex", sourceIndexOf(element.get()));
  add(pairs, "type", readText([&](BSTR* p) { return field->get_type(p); }));
  add(pairs, "disable", flagRead([&](VARIANT_BOOL* p) { return field->get_disabled(p); }));
  add(pairs, "value", readText([&](BSTR* p) { return field->get_value(p); }));
  add(pairs, "tooltip", titleOf(element.get()));
  add(pairs, "windowtitle", windowTitle);
  return true;
}

bool textArea(IDispatch* item, PropertyPairs& pairs, const std::string& windowTitle) {
  const ComPtr<IHTMLTextAreaElement> area = queryAs<IHTMLTextAreaElement>(item, IID_IHTMLTextAreaElement);
  const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(item, IID_IHTMLElement);
  if (!area || !element) return false;
  add(pairs, "name", readText([&](BSTR* p) { return area->get_name(p); }));
  add(pairs, "id", idOf(element.get()));
  add(pairs, "formname", formNameOf(area.get()));
  add(pairs, "sourceindex", sourceIndexOf(element.get()));
  add(pairs, "type", readText([&](BSTR* p) { return area->get_type(p); }));
  add(pairs, "source", kNone);
  add(pairs, "value", scriptline::markLineBreaks<std::string>(readText([&](BSTR* p) { return area->get_value(p); }),
                                                               "\r\n"));
  add(pairs, "disable", flagRead([&](VARIANT_BOOL* p) { return area->get_disabled(p); }));
  add(pairs, "tooltip", titleOf(element.get()));
  add(pairs, "windowtitle", windowTitle);
  return true;
}

bool button(IDispatch* item, PropertyPairs& pairs, const std::string& windowTitle) {
  const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(item, IID_IHTMLElement);
  const ComPtr<IHTMLInputElement> input = queryAs<IHTMLInputElement>(item, IID_IHTMLInputElement);
  const ComPtr<IHTMLInputButtonElement> button = queryAs<IHTMLInputButtonElement>(item, IID_IHTMLInputButtonElement);
  if (!element || !input || !button) return false;
  add(pairs, "name", readText([&](BSTR* p) { return button->get_name(p); }));
  add(pairs, "id", idOf(element.get()));
  add(pairs, "formname", formNameOf(button.get()));
  add(pairs, "sourceindex", sourceIndexOf(element.get()));
  add(pairs, "type", readText([&](BSTR* p) { return input->get_type(p); }));
  add(pairs, "source", kNone);
  add(pairs, "value", readText([&](BSTR* p) { return button->get_value(p); }));
  add(pairs, "disable", flagRead([&](VARIANT_BOOL* p) { return input->get_disabled(p); }));
  add(pairs, "tooltip", titleOf(element.get()));
  add(pairs, "windowtitle", windowTitle);
  return true;
}

bool optionButton(IDispatch* item, PropertyPairs& pairs, const std::string& windowTitle) {
  const ComPtr<IHTMLOptionButtonElement> option = queryAs<IHTMLOptionButtonElement>(item, IID_IHTMLOptionButtonElement);
  const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(item, IID_IHTMLElement);
  if (!option || !element) return false;
  add(pairs, "name", readText([&](BSTR* p) { return option->get_name(p); }));
  add(pairs, "id", idOf(element.get()));
  add(pairs, "type", readText([&](BSTR* p) { return option->get_type(p); }));
  add(pairs, "formname", formNameOf(option.get()));
  add(pairs, "sourceindex", sourceIndexOf(element.get()));
  add(pairs, "source", kNone);
  add(pairs, "value", readText([&](BSTR* p) { return option->get_value(p); }));
  add(pairs, "status", flagRead([&](VARIANT_BOOL* p) { return option->get_status(p); }));
  add(pairs, "disable", flagRead([&](VARIANT_BOOL* p) { return option->get_disabled(p); }));
  add(pairs, "defaultChecked", flagRead([&](VARIANT_BOOL* p) { return option->get_defaultChecked(p); }));
  add(pairs, "tooltip", titleOf(element.get()));
  add(pairs, "windowtitle", windowTitle);
  return true;
}

bool imageInput(IDispatch* item, PropertyPairs& pairs, const std::string& windowTitle) {
  const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(item, IID_IHTMLElement);
  const ComPtr<IHTMLInputElement> input = queryAs<IHTMLInputElement>(item, IID_IHTMLInputElement);
  if (!element || !input) return false;
  add(pairs, "name", readText([&](BSTR* p) { return input->get_name(p); }));
  add(pairs, "type", "image");
  add(pairs, "id", idOf(element.get()));
  add(pairs, "formname", formNameOf(input.get()));
  add(pairs, "sourceindex", sourceIndexOf(element.get()));
  add(pairs, "source", readText([&](BSTR* p) { return input->get_src(p); }));
  add(pairs, "value", readText([&](BSTR* p) { return input->get_value(p); }));
  add(pairs, "tooltip", titleOf(element.get()));
  add(pairs, "windowtitle", windowTitle);
  return true;
}

bool fileInput(IDispatch* item, PropertyPairs& pairs, const std::string& windowTitle) {
  const ComPtr<IHTMLInputFileElement> file = queryAs<IHTMLInputFileElement>(item, IID_IHTMLInputFileElement);
  const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(item, IID_IHTMLElement);
  if (!file || !element) return false;
  add(pairs, "name", readText([&](BSTR* p) { return file->get_name(p); }));
  add(pairs, "id", idOf(element.get()));
  add(pairs, "formname", formNameOf(file.get()));
  add(pairs, "sourceindex", sourceIndexOf(element.get()));
  add(pairs, "source", kNone);
  add(pairs, "value", readText([&](BSTR* p) { return file->get_value(p); }));
  add(pairs, "disable", flagRead([&](VARIANT_BOOL* p) { return file->get_disabled(p); }));
  add(pairs, "type", "file");
  add(pairs, "tooltip", titleOf(element.get()));
  add(pairs, "windowtitle", windowTitle);
  return true;
}

// allitems: every entry's text; selecteditems: the selected ones', "NONE" for none. An
// entry without text (or that is no OPTION) stands as "NONE", whether the page answers a
// null or an empty text for it; one that is no OPTION is never taken as selected.
void listItems(IHTMLSelectElement* list, PropertyPairs& pairs) {
  std::vector<std::string> all, selected;
  LONG length = 0;
  if (FAILED(list->get_length(&length))) length = 0;
  for (LONG i = 0; i < length; ++i) {
    Variant name(i), position(i);
    ComPtr<IDispatch> entry;
    if (FAILED(list->item(*name.get(), *position.get(), entry.put())) || !entry) continue;
    const ComPtr<IHTMLOptionElement> option = queryAs<IHTMLOptionElement>(entry.get(), IID_IHTMLOptionElement);
    if (!option) {
      all.push_back(kNone);
      continue;
    }
    const std::string text = scriptline::noneIfEmpty(readText([&](BSTR* p) { return option->get_text(p); }));
    all.push_back(text);
    VARIANT_BOOL on = VARIANT_FALSE;
    if (SUCCEEDED(option->get_selected(&on)) && on == VARIANT_TRUE) selected.push_back(text);
  }
  add(pairs, "allitems", scriptline::joinItems(all));
  add(pairs, "selecteditems", selected.empty() ? kNone : scriptline::joinItems(selected));
}

bool list(IDispatch* item, PropertyPairs& pairs, const std::string& windowTitle) {
  const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(item, IID_IHTMLElement);
  const ComPtr<IHTMLSelectElement> select = queryAs<IHTMLSelectElement>(item, IID_IHTMLSelectElement);
  if (!element || !select) return false;
  add(pairs, "name", readText([&](BSTR* p) { return select->get_name(p); }));
  add(pairs, "id", idOf(element.get()));
  add(pairs, "formname", formNameOf(select.get()));
  add(pairs, "sourceindex", sourceIndexOf(element.get()));
  add(pairs, "type", readText([&](BSTR* p) { return select->get_type(p); }));
  add(pairs, "source", kNone);
  add(pairs, "tooltip", titleOf(element.get()));
  add(pairs, "windowtitle", windowTitle);
  listItems(select.get(), pairs);
  return true;
}

bool image(IDispatch* item, PropertyPairs& pairs, const std::string& windowTitle) {
  const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(item, IID_IHTMLElement);
  const ComPtr<IHTMLImgElement> img = queryAs<IHTMLImgElement>(item, IID_IHTMLImgElement);
  if (!element || !img) return false;
  add(pairs, "name", readText([&](BSTR* p) { return img->get_name(p); }));
  add(pairs, "id", idOf(element.get()));
  add(pairs, "sourceindex", sourceIndexOf(element.get()));
  add(pairs, "tagName", recording::tagNameOf(element.get()));
  add(pairs, "source", readText([&](BSTR* p) { return img->get_src(p); }));
  add(pairs, "formname", kNone);
  add(pairs, "value", kNone);
  add(pairs, "alt", readText([&](BSTR* p) { return img->get_alt(p); }));
  add(pairs, "tooltip", titleOf(element.get()));
  add(pairs, "windowtitle", windowTitle);
  return true;
}

bool link(IDispatch* item, PropertyPairs& pairs, const std::string& windowTitle) {
  const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(item, IID_IHTMLElement);
  const ComPtr<IHTMLAnchorElement> anchor = queryAs<IHTMLAnchorElement>(item, IID_IHTMLAnchorElement);
  if (!element || !anchor) return false;
  add(pairs, "name", readText([&](BSTR* p) { return anchor->get_name(p); }));
  add(pairs, "id", idOf(element.get()));
  add(pairs, "innertext", readText([&](BSTR* p) { return element->get_innerText(p); }));
  add(pairs, "formname", kNone);
  add(pairs, "sourceindex", sourceIndexOf(element.get()));
  add(pairs, "type", "link");
  add(pairs, "source", readText([&](BSTR* p) { return anchor->get_href(p); }));
  add(pairs, "target", readText([&](BSTR* p) { return anchor->get_target(p); }));
  add(pairs, "tooltip", titleOf(element.get()));
  add(pairs, "windowtitle", windowTitle);
  return true;
}

}  // namespace

std::string elementPropertyList(PropertyListKind kind, IDispatch* element, const std::string& windowTitle) {
  if (element == nullptr) return kind == PropertyListKind::kList ? result::kElementNull : result::kTargetNull;
  // Each builder answers false, before writing anything, when the element lacks one of
  // its interfaces.
  using Builder = bool (*)(IDispatch*, PropertyPairs&, const std::string&);
  Builder builder = nullptr;
  switch (kind) {
    case PropertyListKind::kTextField: builder = textField; break;
    case PropertyListKind::kTextArea: builder = textArea; break;
    case PropertyListKind::kButton: builder = button; break;
    case PropertyListKind::kOptionButton: builder = optionButton; break;
    case PropertyListKind::kImageInput: builder = imageInput; break;
    case PropertyListKind::kFileInput: builder = fileInput; break;
    case PropertyListKind::kList: builder = list; break;
    case PropertyListKind::kImage: builder = image; break;
    case PropertyListKind::kLink: builder = link; break;
  }
  PropertyPairs pairs;
  if (builder == nullptr) return result::kElementCastFailed;
  const bool textEntry = kind == PropertyListKind::kTextField || kind == PropertyListKind::kTextArea;
  if (!textEntry) {
    if (!builder(element, pairs, windowTitle)) return result::kElementCastFailed;
    return scriptline::joinPairs(pairs);
  }
  // What throws while a text field's or text area's list is built is reported and the
  // list built so far kept (guarded_list.h).
  bool cast = true;
  buildGuarded(pairs, [&](PropertyPairs& out) { cast = builder(element, out, windowTitle); });
  if (!cast) return result::kElementCastFailed;
  return scriptline::joinPairs(pairs);
}

std::string cellPropertyList(IDispatch* item, const std::string& windowTitle) {
  const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(item, IID_IHTMLElement);
  const ComPtr<IHTMLTableCell> cell = queryAs<IHTMLTableCell>(item, IID_IHTMLTableCell);
  if (!element || !cell) return result::kElementCastFailed;
  PropertyPairs pairs;
  add(pairs, "cellvalue", readText([&](BSTR* p) { return element->get_innerText(p); }));
  add(pairs, "id", idOf(element.get()));
  add(pairs, "sourceindex", numberOrNone([&](LONG* p) { return element->get_sourceIndex(p); }));
  add(pairs, "formname", kNone);
  add(pairs, "tooltip", titleOf(element.get()));
  add(pairs, "type", "cell");
  add(pairs, "align", readText([&](BSTR* p) { return cell->get_align(p); }));
  add(pairs, "valign", readText([&](BSTR* p) { return cell->get_vAlign(p); }));
  add(pairs, "colspan", numberOrNone([&](LONG* p) { return cell->get_colSpan(p); }));
  add(pairs, "rowspan", numberOrNone([&](LONG* p) { return cell->get_rowSpan(p); }));
  add(pairs, "cellindex", numberOrNone([&](LONG* p) { return cell->get_cellIndex(p); }));
  add(pairs, "windowtitle", windowTitle);
  return scriptline::joinPairs(pairs);
}

std::string appendWindowProps(const std::string& list) {
  std::string windowName = kNone;
  const ComPtr<IHTMLDocument2> document = theApp.currentDocument();
  ComPtr<IHTMLWindow2> window;
  if (document && FAILED(document->get_parentWindow(window.put()))) window.reset();
  if (window)
    windowName = readText([&](BSTR* p) { return window->get_name(p); });
  else
    trace("appendWindowProps method, Window2 is NULL\n");

  std::string parentTitle = kNone;
  CWebBrowser2& browsers = theApp.webBrowser();
  browsers.unmarshalBrowser(processState().currentBrowserIndex);
  const ComPtr<IDispatch> top = browsers.browser() != nullptr ? browsers.getDocument() : ComPtr<IDispatch>();
  if (!top) {
    trace("appendWindowProps method, Error Document is null\n");
  } else if (const ComPtr<IHTMLDocument2> topDocument = queryAs<IHTMLDocument2>(top.get(), IID_IHTMLDocument2);
             !topDocument) {
    trace("appendWindowProps method, Document query failed\n");
  } else {
    parentTitle = readText([&](BSTR* p) { return topDocument->get_title(p); });
  }

  const PropertyPairs pairs{{"windowname", windowName}, {"parenttitle", parentTitle}};
  // A list emptied by a failed build gets the two pairs alone, without a leading ":;:".
  return list.empty() ? scriptline::joinPairs(pairs)
                      : list + std::string(scriptline::kPairSeparator) + scriptline::joinPairs(pairs);
}
