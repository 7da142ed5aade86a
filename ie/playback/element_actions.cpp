#include "playback/element_actions.h"

#include <mshtml.h>
#include <windows.h>

#include <array>
#include <string_view>

#include "com/bstr.h"
#include "com/com_ptr.h"
#include "com/variant.h"
#include "common/trace_log.h"
#include "playback/handler_call.h"
#include "playback/playback_state.h"

namespace {

// Clicks the element; traces `failed` when the click call fails.
void click(IDispatch* target, const char* failed) {
  ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(target, IID_IHTMLElement);
  if (element && FAILED(element->click())) trace("%s", failed);
}

template <class Field>
void setText(IDispatch* target, REFIID iid, const std::string& text) {
  ComPtr<Field> field = queryAs<Field>(target, iid);
  if (!field) return;
  Bstr value = Bstr::fromAnsi(text);
  field->put_value(value.get());
  callHandler([&](VARIANT* handler) { return field->get_onchange(handler); });
}

// The option at `i` of the list, fetched as the list's item(i, 0).
HRESULT optionAt(IHTMLSelectElement* list, LONG i, ComPtr<IDispatch>& option) {
  Variant name(i), position(0);
  return list->item(*name.get(), *position.get(), option.put());
}

}  // namespace

void clickWorker(IDispatch* element, const std::string& kind) {
  constexpr std::array<std::string_view, 7> kInputKinds = {"button", "submit", "reset", "image",
                                                            "file",   "radio",  "checkbox"};
  for (std::string_view input : kInputKinds) {
    if (kind == input) return click(element, "button click failed\n");
  }
  if (kind == "IMG") return click(element, "IMG Click Failed\n");
  if (kind == "MAP") {
    if (!queryAs<IHTMLElement>(element, IID_IHTMLElement)) {
      trace("Failed to cast the Map Element to HTMLElement");
      return;
    }
    return click(element, "MAP Click Failed\n");
  }
  if (kind == "link") return click(element, "link click failed\n");
  if (kind == "div") return click(element, "div click failed\n");
}

void setTextWorker(IDispatch* element, const std::string& kind, const std::string& text) {
  if (kind == "textarea")
    setText<IHTMLTextAreaElement>(element, IID_IHTMLTextAreaElement, text);
  else
    setText<IHTMLInputTextElement>(element, IID_IHTMLInputTextElement, text);
}

void optionWorker(IDispatch* option) {
  ComPtr<IHTMLOptionElement> item = queryAs<IHTMLOptionElement>(option, IID_IHTMLOptionElement);
  if (!item) {
    trace("Option element casting failed\n");
    return;
  }
  if (FAILED(item->put_selected(VARIANT_TRUE))) {
    trace("Option Element selection failed\n");
    return;
  }
  ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(option, IID_IHTMLElement);
  if (!element) {
    trace("Not able to cast the OPTION element as Element\n");
    return;
  }
  ComPtr<IHTMLElement> parent;
  if (FAILED(element->get_parentElement(parent.put())) || !parent) {
    trace("Not able to get the parent for option element\n");
    return;
  }
  ComPtr<IHTMLSelectElement> list = queryAs<IHTMLSelectElement>(parent.get(), IID_IHTMLSelectElement);
  if (!list) {
    trace("Parent of option Element not able to cast as SELECT Element\n");
    return;
  }
  callHandler([&](VARIANT* handler) { return list->get_onchange(handler); });
}

void mouseOverWorker(IDispatch* target, const std::string& kind) {
  if (kind != "div") return;
  ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(target, IID_IHTMLElement);
  if (!element) {
    trace("Failed to cast the Element to HTMLElement in mouseover thread");
    return;
  }
  switch (callHandler([&](VARIANT* handler) { return element->get_onmouseover(handler); })) {
    case HandlerCall::kCalled:
      Sleep(1000);
      break;
    case HandlerCall::kReadFailed:
      trace("ERROR_MOUSEOVER_EVENT_COLLECTION_FAILED");
      break;
    case HandlerCall::kNoHandler:
      trace("ERROR_MOUSEOVER_EVENT_IS_NULL");
      break;
  }
}

void clearListSelection() {
  ComPtr<IHTMLSelectElement> list =
      queryAs<IHTMLSelectElement>(playbackState().selectedList.get(), IID_IHTMLSelectElement);
  LONG length = 0;
  if (!list || FAILED(list->get_length(&length))) return;
  for (LONG i = 0; i < length; ++i) {
    ComPtr<IDispatch> item;
    if (FAILED(optionAt(list.get(), i, item)) || !item) continue;
    if (ComPtr<IHTMLOptionElement> option = queryAs<IHTMLOptionElement>(item.get(), IID_IHTMLOptionElement))
      option->put_selected(VARIANT_FALSE);
  }
}

std::string selectOption(const std::string& optionText) {
  ComPtr<IHTMLSelectElement> list =
      queryAs<IHTMLSelectElement>(playbackState().selectedList.get(), IID_IHTMLSelectElement);
  if (!list) return result::kSelectCastingFailed;
  LONG length = 0;
  if (FAILED(list->get_length(&length))) return result::kOptionCountFailed;
  for (LONG i = 0; i < length; ++i) {
    ComPtr<IDispatch> item;
    if (FAILED(optionAt(list.get(), i, item)) || !item) return result::kOptionGetFailed;
    ComPtr<IHTMLOptionElement> option = queryAs<IHTMLOptionElement>(item.get(), IID_IHTMLOptionElement);
    if (!option) return result::kOptionCastingFailed;
    Bstr text;
    option->get_text(text.put());
    if (text.toAnsi() == optionText) {
      playbackState().targetElement = item;
      return result::kSuccess;
    }
  }
  return result::kFailed;
}

std::string checkMouseOverHandler() {
  const ComPtr<IDispatch> target = playbackState().targetElement;
  if (!target) return result::kElementDispNull;
  ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(target.get(), IID_IHTMLElement);
  if (!element) return result::kElementCastFailed;
  Variant handler;
  if (readHandler([&](VARIANT* slot) { return element->get_onmouseover(slot); }, handler) != S_OK)
    return result::kMouseOverCollectionFailed;
  return handlerOf(handler) != nullptr ? result::kSuccess : result::kMouseOverIsNull;
}
