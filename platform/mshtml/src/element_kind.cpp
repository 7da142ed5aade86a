#include "element_kind.h"

#include <array>

namespace mshtml {
namespace {

// INPUT answers one type-specific interface besides IHTMLInputElement, chosen by its
// type, as IE does: text and password fields are text elements, buttons are button
// elements, check boxes and radio buttons are option buttons, a file field is a file
// element. Hidden and image inputs answer interfaces this system never asks for.
constexpr std::array<const IID*, 2> inputText{&IID_IHTMLInputElement, &IID_IHTMLInputTextElement};
constexpr std::array<const IID*, 2> inputButton{&IID_IHTMLInputElement, &IID_IHTMLInputButtonElement};
constexpr std::array<const IID*, 2> inputOption{&IID_IHTMLInputElement, &IID_IHTMLOptionButtonElement};
constexpr std::array<const IID*, 2> inputFile{&IID_IHTMLInputElement, &IID_IHTMLInputFileElement};
constexpr std::array<const IID*, 1> inputOther{&IID_IHTMLInputElement};
constexpr std::array<const IID*, 1> textArea{&IID_IHTMLTextAreaElement};
constexpr std::array<const IID*, 1> select{&IID_IHTMLSelectElement};
constexpr std::array<const IID*, 1> option{&IID_IHTMLOptionElement};
constexpr std::array<const IID*, 1> img{&IID_IHTMLImgElement};
constexpr std::array<const IID*, 1> anchor{&IID_IHTMLAnchorElement};
constexpr std::array<const IID*, 1> map{&IID_IHTMLMapElement};
constexpr std::array<const IID*, 1> area{&IID_IHTMLAreaElement};
constexpr std::array<const IID*, 1> div{&IID_IHTMLDivElement};
constexpr std::array<const IID*, 1> form{&IID_IHTMLFormElement};
constexpr std::array<const IID*, 2> table{&IID_IHTMLTable, &IID_IHTMLTable2};
constexpr std::array<const IID*, 1> row{&IID_IHTMLTableRow};
constexpr std::array<const IID*, 1> cell{&IID_IHTMLTableCell};
constexpr std::array<const IID*, 1> body{&IID_IHTMLBodyElement};

struct TagKind {
  std::string_view tag;
  ElementKind kind;
};

// Text fields fire HTMLInputTextElementEvents2, text areas and bodies (text containers)
// HTMLTextContainerEvents2, lists HTMLSelectElementEvents2.
const std::array<TagKind, 13> tagKinds{{
    {"TEXTAREA", {textArea, &DIID_HTMLTextContainerEvents2}},
    {"SELECT", {select, &DIID_HTMLSelectElementEvents2}},
    {"OPTION", {option, nullptr}},
    {"IMG", {img, nullptr}},
    {"A", {anchor, nullptr}},
    {"MAP", {map, nullptr}},
    {"AREA", {area, nullptr}},
    {"DIV", {div, nullptr}},
    {"FORM", {form, nullptr}},
    {"TABLE", {table, nullptr}},
    {"TR", {row, nullptr}},
    {"TD", {cell, nullptr}},
    {"TH", {cell, nullptr}},
}};
const ElementKind bodyKind{body, &DIID_HTMLTextContainerEvents2};
const ElementKind plainKind{{}, nullptr};

const ElementKind& inputKindOf(std::string_view type) {
  static const ElementKind text{inputText, &DIID_HTMLInputTextElementEvents2};
  static const ElementKind button{inputButton, nullptr};
  static const ElementKind optionButton{inputOption, nullptr};
  static const ElementKind file{inputFile, nullptr};
  static const ElementKind other{inputOther, nullptr};
  if (type == "text" || type == "password") return text;
  if (type == "button" || type == "submit" || type == "reset") return button;
  if (type == "checkbox" || type == "radio") return optionButton;
  if (type == "file") return file;
  return other;
}

}  // namespace

const ElementKind& elementKindOf(std::string_view tagName, std::string_view inputType) {
  if (tagName == "INPUT") return inputKindOf(inputType);
  if (tagName == "BODY") return bodyKind;
  for (const TagKind& entry : tagKinds) {
    if (entry.tag == tagName) return entry.kind;
  }
  return plainKind;
}

}  // namespace mshtml
