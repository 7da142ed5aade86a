#include "playback/element_finders.h"

#include <functional>

#include "com/bstr.h"
#include "com/variant.h"
#include "common/script_line.h"
#include "common/trace_log.h"
#include "core/skerrow_app.h"
#include "playback/clean_text.h"
#include "playback/handler_call.h"
#include "playback/playback_state.h"

namespace {

// What one finder adds to the common scan.
struct Finder {
  // fixMap, fixLink and fixImageButton check the document themselves and read its
  // collection directly; the others go through GetElementCollection.
  bool checksDocumentFirst = false;
  // Traced when an item gives no IHTMLElement (null: skipped silently).
  const char* elementQueryFailed = nullptr;
  // Items failing this are skipped before the IHTMLElement query (fixDivElement).
  std::function<bool(IDispatch*)> preFilter;
  std::function<bool(IDispatch*, IHTMLElement*)> kind;
  // The identification used when no id was recorded.
  std::function<bool(IDispatch*, IHTMLElement*)> identify;
  // Stores what the finder found once the element at the index matched; false when it
  // found nothing there (fixMap's area step), and the scan goes on.
  std::function<bool(IDispatch*, IHTMLElement*)> select;
};

std::string tagNameOf(IHTMLElement* element) {
  Bstr tag;
  element->get_tagName(tag.put());
  return tag.toAnsi();
}

bool idEquals(IHTMLElement* element, const std::string& id) {
  Bstr value;
  return SUCCEEDED(element->get_id(value.put())) && !value.isNull() && value.toAnsi() == id;
}

bool storeTarget(IDispatch* item, IHTMLElement*) {
  playbackState().targetElement = ComPtr<IDispatch>(item);
  return true;
}

std::string scan(const Finder& finder, int index, const std::string& id) {
  CoInitialize(nullptr);
  ComPtr<IHTMLElementCollection> collection;
  if (finder.checksDocumentFirst) {
    const ComPtr<IHTMLDocument2> document = theApp.currentDocument();
    if (!document) return result::kDocumentNull;
    document->get_all(collection.put());
  } else {
    collection = GetElementCollection();
  }
  if (!collection) return result::kCollectionNull;
  LONG length = 0;
  if (FAILED(collection->get_length(&length)) || length < 1) return result::kElementsCount0;

  const bool byId = id != scriptline::kNone;
  int matches = 0;
  for (LONG j = 0; j < length; ++j) {
    Variant name(j), position(j);
    ComPtr<IDispatch> item;
    if (FAILED(collection->item(*name.get(), *position.get(), item.put())) || !item) continue;
    if (finder.preFilter && !finder.preFilter(item.get())) continue;
    ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(item.get(), IID_IHTMLElement);
    if (!element) {
      if (finder.elementQueryFailed != nullptr) trace("%s", finder.elementQueryFailed);
      continue;
    }
    if (!finder.kind(item.get(), element.get())) continue;
    const bool matched = byId ? idEquals(element.get(), id) : finder.identify(item.get(), element.get());
    if (!matched) continue;
    if (matches == index) {
      const auto& select = finder.select ? finder.select : storeTarget;
      if (select(item.get(), element.get())) return result::kSuccess;
    }
    ++matches;
  }
  return result::kFailed;
}

// The type, name and value of an input element through one of its type-group interfaces.
template <class Input>
bool inputMatches(IDispatch* item, REFIID iid, const std::string& type, const std::string& name, bool byName) {
  ComPtr<Input> input = queryAs<Input>(item, iid);
  if (!input) return false;
  Bstr value;
  if (!byName) return SUCCEEDED(input->get_type(value.put())) && value.toAnsi() == type;
  if (SUCCEEDED(input->get_name(value.put())) && !value.isNull()) return value.toAnsi() == name;
  return SUCCEEDED(input->get_value(value.put())) && !value.isNull() && value.toAnsi() == name;
}

// Whether the element passes fixButton's filter (byName false) or identification.
bool buttonMatches(IDispatch* item, const std::string& type, const std::string& name, bool byName) {
  if (type == "button" || type == "submit" || type == "reset")
    return inputMatches<IHTMLInputButtonElement>(item, IID_IHTMLInputButtonElement, type, name, byName);
  if (type == "checkbox" || type == "radio")
    return inputMatches<IHTMLOptionButtonElement>(item, IID_IHTMLOptionButtonElement, type, name, byName);
  if (type == "file") return inputMatches<IHTMLInputFileElement>(item, IID_IHTMLInputFileElement, type, name, byName);
  return false;
}

// Runs the image's mouse-over script, or its parent's, so that a rollover image shows
// the picture it has under the pointer.
void runRollover(IHTMLElement* image) {
  switch (callHandler([&](VARIANT* handler) { return image->get_onmouseover(handler); })) {
    case HandlerCall::kCalled:
      Sleep(1000);
      return;
    case HandlerCall::kReadFailed:
      return;
    case HandlerCall::kNoHandler:
      break;
  }
  ComPtr<IHTMLElement> parent;
  if (FAILED(image->get_parentElement(parent.put())) || !parent) return;
  if (callHandler([&](VARIANT* handler) { return parent->get_onmouseover(handler); }) == HandlerCall::kCalled)
    Sleep(1000);
}

}  // namespace

ComPtr<IHTMLElementCollection> GetElementCollection() {
  const ComPtr<IHTMLDocument2> document = theApp.currentDocument();
  ComPtr<IHTMLElementCollection> collection;
  if (!document) {
    trace("GetElementCollection failed, DOCUMENT IS NULL\n");
    return collection;
  }
  document->get_all(collection.put());
  return collection;
}

std::string fixButton(const std::string& type, const std::string& name, int index, const std::string& id) {
  Finder finder;
  finder.kind = [&](IDispatch* item, IHTMLElement*) { return buttonMatches(item, type, name, false); };
  finder.identify = [&](IDispatch* item, IHTMLElement*) { return buttonMatches(item, type, name, true); };
  return scan(finder, index, id);
}

std::string fixImageButton(const std::string& type, const std::string& source, int index, const std::string& id) {
  Finder finder;
  finder.checksDocumentFirst = true;
  finder.elementQueryFailed = "fixImageButton :IHTMLElement QI failed\n";
  finder.kind = [&](IDispatch* item, IHTMLElement*) {
    ComPtr<IHTMLInputElement> input = queryAs<IHTMLInputElement>(item, IID_IHTMLInputElement);
    Bstr value;
    return input && SUCCEEDED(input->get_type(value.put())) && value.toAnsi() == type;
  };
  finder.identify = [&](IDispatch* item, IHTMLElement*) {
    ComPtr<IHTMLInputElement> input = queryAs<IHTMLInputElement>(item, IID_IHTMLInputElement);
    Bstr src;
    return input && SUCCEEDED(input->get_src(src.put())) && !src.isNull() && src.toAnsi() == source;
  };
  return scan(finder, index, id);
}

std::string fixImage(const std::string& source, int index, const std::string& id) {
  Finder finder;
  finder.elementQueryFailed = "IHTMLElement QI failed\n";
  finder.kind = [](IDispatch* item, IHTMLElement* element) {
    const std::string tag = tagNameOf(element);
    return (tag == "IMG" || tag == "img") && queryAs<IHTMLImgElement>(item, IID_IHTMLImgElement);
  };
  finder.identify = [&](IDispatch* item, IHTMLElement* element) {
    runRollover(element);
    ComPtr<IHTMLImgElement> image = queryAs<IHTMLImgElement>(item, IID_IHTMLImgElement);
    Bstr value;
    if (FAILED(image->get_src(value.put()))) return false;
    if (value.isNull()) return SUCCEEDED(image->get_alt(value.put())) && !value.isNull() && value.toAnsi() == source;
    const std::string src = value.toAnsi();
    return (src.empty() ? std::string(scriptline::kNone) : src) == source;
  };
  return scan(finder, index, id);
}

std::string fixMap(const std::string& mapName, const std::string& coords, int index, const std::string& id) {
  Finder finder;
  finder.checksDocumentFirst = true;
  finder.elementQueryFailed = "IHTMLElement QI failed\n";
  finder.kind = [](IDispatch* item, IHTMLElement* element) {
    if (tagNameOf(element) != "MAP") return false;
    if (queryAs<IHTMLMapElement>(item, IID_IHTMLMapElement)) return true;
    trace("Map element casting failed\n");
    return false;
  };
  finder.identify = [&](IDispatch* item, IHTMLElement*) {
    ComPtr<IHTMLMapElement> map = queryAs<IHTMLMapElement>(item, IID_IHTMLMapElement);
    Bstr name;
    return SUCCEEDED(map->get_name(name.put())) && !name.isNull() && name.toAnsi() == mapName;
  };
  finder.select = [&](IDispatch* item, IHTMLElement*) {
    ComPtr<IHTMLMapElement> map = queryAs<IHTMLMapElement>(item, IID_IHTMLMapElement);
    ComPtr<IHTMLAreasCollection> areas;
    if (FAILED(map->get_areas(areas.put())) || !areas) {
      trace("Area collection is null\n");
      return false;
    }
    LONG count = 0;
    areas->get_length(&count);
    for (LONG k = 0; k < count; ++k) {
      Variant name(k), position(k);
      ComPtr<IDispatch> area;
      if (FAILED(areas->item(*name.get(), *position.get(), area.put())) || !area) continue;
      ComPtr<IHTMLAreaElement> areaElement = queryAs<IHTMLAreaElement>(area.get(), IID_IHTMLAreaElement);
      if (!areaElement) {
        trace("IHTMLAreaElement QI failed\n");
        continue;
      }
      Bstr value;
      if (SUCCEEDED(areaElement->get_coords(value.put())) && !value.isNull() && value.toAnsi() == coords) {
        playbackState().targetElement = area;
        trace("MarArea After Assign\n");
        return true;
      }
    }
    return false;
  };
  const std::string word = scan(finder, index, id);
  if (word == result::kFailed) trace("Map element found failed\n");
  return word;
}

std::string fixLink(const std::string& innerText, int index, const std::string& id) {
  Finder finder;
  finder.checksDocumentFirst = true;
  finder.elementQueryFailed = "IHTMLElement QI failed\n";
  finder.kind = [](IDispatch*, IHTMLElement* element) {
    const std::string tag = tagNameOf(element);
    return tag == "A" || tag == "a";
  };
  finder.identify = [&](IDispatch*, IHTMLElement* element) {
    Bstr text;
    if (FAILED(element->get_innerText(text.put()))) return false;
    const std::string live = text.toAnsi();
    return cleanText(live.empty() ? std::string(scriptline::kNone) : live) == innerText;
  };
  return scan(finder, index, id);
}

std::string fixDivElement(const std::string& tag, const std::string& innerText, int index, const std::string& id) {
  Finder finder;
  finder.elementQueryFailed = "fixDivElement :IHTMLElement QI failed\n";
  finder.preFilter = [](IDispatch* item) { return static_cast<bool>(queryAs<IHTMLDivElement>(item, IID_IHTMLDivElement)); };
  finder.kind = [&](IDispatch*, IHTMLElement* element) { return tagNameOf(element) == tag; };
  finder.identify = [&](IDispatch*, IHTMLElement* element) {
    Bstr text;
    return SUCCEEDED(element->get_innerText(text.put())) && !text.isNull() && text.toAnsi() == innerText;
  };
  return scan(finder, index, id);
}

std::string fixSelect(const std::string& name, int index, const std::string& id) {
  playbackState().selectedList.reset();
  Finder finder;
  finder.elementQueryFailed = "fixSelect :IHTMLElement QI failed\n";
  finder.kind = [](IDispatch* item, IHTMLElement* element) {
    return tagNameOf(element) == "SELECT" && queryAs<IHTMLSelectElement>(item, IID_IHTMLSelectElement);
  };
  finder.identify = [&](IDispatch* item, IHTMLElement*) {
    ComPtr<IHTMLSelectElement> list = queryAs<IHTMLSelectElement>(item, IID_IHTMLSelectElement);
    Bstr value;
    if (SUCCEEDED(list->get_name(value.put())) && !value.isNull()) return value.toAnsi() == name;
    return SUCCEEDED(list->get_value(value.put())) && !value.isNull() && value.toAnsi() == name;
  };
  finder.select = [](IDispatch*, IHTMLElement* element) {
    playbackState().selectedList = ComPtr<IHTMLElement>(element);
    return true;
  };
  return scan(finder, index, id);
}

std::string findInputTextBox(const std::string& type, const std::string& name, int index, const std::string& id) {
  const bool input = type == "text" || type == "password";
  Finder finder;
  finder.elementQueryFailed = "findInputTextBox :IHTMLElement QI failed\n";
  finder.kind = [&](IDispatch* item, IHTMLElement* element) {
    if (!input) return tagNameOf(element) == "TEXTAREA" && queryAs<IHTMLTextAreaElement>(item, IID_IHTMLTextAreaElement);
    ComPtr<IHTMLInputTextElement> field = queryAs<IHTMLInputTextElement>(item, IID_IHTMLInputTextElement);
    Bstr value;
    return tagNameOf(element) == "INPUT" && field && SUCCEEDED(field->get_type(value.put())) && value.toAnsi() == type;
  };
  finder.identify = [&](IDispatch* item, IHTMLElement*) {
    Bstr value;
    if (input) {
      ComPtr<IHTMLInputTextElement> field = queryAs<IHTMLInputTextElement>(item, IID_IHTMLInputTextElement);
      return SUCCEEDED(field->get_name(value.put())) && !value.isNull() && value.toAnsi() == name;
    }
    ComPtr<IHTMLTextAreaElement> area = queryAs<IHTMLTextAreaElement>(item, IID_IHTMLTextAreaElement);
    return SUCCEEDED(area->get_name(value.put())) && !value.isNull() && value.toAnsi() == name;
  };
  return scan(finder, index, id);
}
