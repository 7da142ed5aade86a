// The kinds of lines the two browser libraries record, each with its keys in the order
// the Java host stores them and the values some keys always carry.
#pragma once

#include "common/script_line.h"

namespace scriptline {

#define TW_LINE_KIND(name, action, ...)                        \
  inline constexpr Key name##Keys[] = {__VA_ARGS__};           \
  inline constexpr LineKind name{action, name##Keys, false}
#define TW_LINE_KIND_TERMINATED(name, action, ...)             \
  inline constexpr Key name##Keys[] = {__VA_ARGS__};           \
  inline constexpr LineKind name{action, name##Keys, true}

// Recorded lines of skerrow (Internet Explorer).
namespace ie {

// INPUT of type submit, reset or button.
TW_LINE_KIND(kClickPushButton, "clickButton", {"name"}, {"id"}, {"formname"}, {"sourceindex"}, {"type"},
             {"source", "NONE"}, {"value"}, {"disable"}, {"index"}, {"tooltip"});
// INPUT of type checkbox or radio.
TW_LINE_KIND(kClickOptionButton, "clickButton", {"name"}, {"id"}, {"type"}, {"formname"}, {"sourceindex"},
             {"source", "NONE"}, {"value"}, {"disable"}, {"defaultChecked"}, {"index"}, {"tooltip"});
// INPUT of type file: no index.
TW_LINE_KIND(kClickFileButton, "clickButton", {"name"}, {"id"}, {"formname"}, {"sourceindex"}, {"source", "NONE"},
             {"value"}, {"type"}, {"disable"}, {"tooltip"});
// INPUT of type image.
TW_LINE_KIND(kClickImageInput, "clickImage", {"name"}, {"type", "image"}, {"id"}, {"formname"}, {"sourceindex"},
             {"source"}, {"value"}, {"index"}, {"tooltip"});
// IMG.
TW_LINE_KIND(kClickImage, "clickImage", {"name"}, {"id"}, {"sourceindex"}, {"tagName"}, {"source"}, {"title"},
             {"formname", "NONE"}, {"value", "NONE"}, {"alt"}, {"index"}, {"tooltip", "NONE"});
// A, or the A around the clicked element.
TW_LINE_KIND(kClickLink, "clickLink", {"name"}, {"id"}, {"innertext"}, {"formname", "NONE"}, {"sourceindex"},
             {"type", "link"}, {"source", "NONE"}, {"target"}, {"index"}, {"tooltip"});
// AREA.
TW_LINE_KIND(kClickMap, "clickMap", {"name"}, {"formname", "NONE"}, {"tooltip"}, {"alt"}, {"coords"}, {"tagName"},
             {"id"}, {"index"});
// DIV.
TW_LINE_KIND(kClickList, "clickList", {"name"}, {"id"}, {"formname", "NONE"}, {"type", "div"}, {"index"},
             {"sourceindex"});
// SELECT whose selection changed.
TW_LINE_KIND(kSelectItem, "selectItem", {"name"}, {"id"}, {"formname"}, {"sourceindex"}, {"type"}, {"source"},
             {"value"}, {"index"}, {"tooltip"});
// TEXTAREA whose text changed.
TW_LINE_KIND(kSetTextArea, "setText", {"name"}, {"id"}, {"formname"}, {"sourceindex"}, {"type"}, {"source"},
             {"value"}, {"disable"}, {"index"}, {"tooltip"});
// INPUT of type text or password whose text changed.
TW_LINE_KIND(kSetTextInput, "setText", {"name"}, {"id"}, {"formname"}, {"sourceindex"}, {"type"}, {"disable"},
             {"value"}, {"index"}, {"tooltip"});
// A page event in another window or frame, or a browser frame window activated.
TW_LINE_KIND(kSetWindow, "setWindow", {"windowname"}, {"windowtitle"}, {"parenttitle"}, {"index"});
TW_LINE_KIND(kCloseWindow, "closeWindow", {"windowname"}, {"windowtitle"}, {"parenttitle"});
// Browser dialog boxes.
TW_LINE_KIND(kSetAlertWindow, "setAlertWindow", {"windowname", "NONE"}, {"windowtitle"}, {"parenttitle"},
             {"index", "0"}, {"type"});
TW_LINE_KIND(kCloseAlertWindow, "closeAlertWindow", {"windowname", "NONE"}, {"windowtitle"}, {"parenttitle"});
// Browser chrome.
TW_LINE_KIND(kChangeURL, "changeURL", {"name"});
TW_LINE_KIND(kClickMainToolBarButton, "clickMainToolBarButton", {"name"});
// Controls of a dialog box.
TW_LINE_KIND(kClickDialogButton, "clickButton", {"classname", "Button"}, {"name"}, {"isVisible"}, {"isEnabled"},
             {"index"});
TW_LINE_KIND(kSetDialogText, "setText", {"name", "Edit"}, {"classname", "Edit"}, {"isVisible"}, {"isEnabled"},
             {"value"}, {"index"}, {"previouswindow"});
TW_LINE_KIND(kSelectDialogComboItem, "selectItem", {"classname", "ComboBox"}, {"selectedIndex"}, {"itemCount"},
             {"value"}, {"index"}, {"previouswindow"});
TW_LINE_KIND(kSelectDialogListItem, "selectItem", {"classname", "SysListView32"}, {"selectedIndex"},
             {"type", "select-one"}, {"itemCount"}, {"value"}, {"index"});

// Checkpoint property lists: every list starts with the window block, then the keys of
// the element, text or table picked. The action name is not written.
TW_LINE_KIND(kCheckpointWindowBlock, "", {"windowtitle"}, {"windowname"}, {"parenttitle"}, {"tooltip"});
TW_LINE_KIND(kCheckpointTextInput, "", {"type"}, {"name"}, {"formname"}, {"value"}, {"sourceindex"}, {"id"},
             {"tooltip"}, {"disable"}, {"index"}, {"ID"});
TW_LINE_KIND(kCheckpointPushButton, "", {"type"}, {"name"}, {"formname"}, {"value"}, {"sourceindex"}, {"disable"},
             {"id"}, {"tooltip"}, {"index"}, {"ID"});
TW_LINE_KIND(kCheckpointFileInput, "", {"type"}, {"name"}, {"formname"}, {"value"}, {"sourceindex"}, {"disable"},
             {"id"}, {"tooltip"}, {"index"}, {"ID"});
TW_LINE_KIND(kCheckpointOptionButton, "", {"type"}, {"name"}, {"formname"}, {"status"}, {"id"}, {"tooltip"},
             {"disable"}, {"sourceindex"}, {"index"}, {"ID"}, {"defaultChecked"});
TW_LINE_KIND(kCheckpointImageInput, "", {"type"}, {"name"}, {"formname"}, {"value"}, {"sourceindex"}, {"source"},
             {"id"}, {"index"}, {"ID"});
TW_LINE_KIND(kCheckpointOtherInput, "", {"type"});
TW_LINE_KIND(kCheckpointLink, "", {"type", "link"}, {"name"}, {"formname", "NONE"}, {"id"}, {"sourceindex"},
             {"innertext"}, {"index"}, {"tooltip"});
TW_LINE_KIND(kCheckpointImage, "", {"tagName"}, {"name"}, {"id"}, {"sourceindex"}, {"source"},
             {"formname", "NONE"}, {"value", "NONE"}, {"alt"}, {"index"}, {"ID"});
TW_LINE_KIND(kCheckpointTextArea, "", {"type"}, {"name"}, {"formname"}, {"value"}, {"id"}, {"disable"},
             {"sourceindex"}, {"index"}, {"ID"});
TW_LINE_KIND(kCheckpointSelect, "", {"type"}, {"name"}, {"formname"}, {"allitems"}, {"selecteditems"},
             {"sourceindex"}, {"index"}, {"ID"}, {"id"});
TW_LINE_KIND(kCheckpointCell, "", {"rowindex"}, {"formname", "NONE"}, {"columnindex"}, {"cellvalue"}, {"tableid"},
             {"id"}, {"firstcellvalue"}, {"ID"}, {"tableindex"}, {"index"}, {"type", "cell"});
TW_LINE_KIND(kCheckpointText, "", {"index"}, {"selectedText"}, {"fullText"});
TW_LINE_KIND(kCheckpointTable, "", {"align"}, {"formname", "NONE"}, {"type", "table"}, {"rowcount"},
             {"columncount"}, {"rowindex"}, {"columnindex"}, {"cellvalue"}, {"firstcellvalue"}, {"id"}, {"index"});

}  // namespace ie

// Recorded lines of marbleck (Mozilla). Every sourceindex is "0" there.
namespace moz {

TW_LINE_KIND(kSetText, "setText", {"name"}, {"id"}, {"formname"}, {"sourceindex"}, {"type"}, {"disable"},
             {"value"}, {"index"});
TW_LINE_KIND(kClickButton, "clickButton", {"name"}, {"id"}, {"formname"}, {"sourceindex"}, {"type"}, {"disable"},
             {"value"}, {"index"}, {"source"}, {"defaultChecked"});
TW_LINE_KIND(kClickImageInput, "clickImage", {"name"}, {"id"}, {"formname"}, {"sourceindex"}, {"type"},
             {"disable"}, {"value"}, {"index"}, {"source"}, {"defaultChecked"});
TW_LINE_KIND(kClickImage, "clickImage", {"name"}, {"id"}, {"formname", "NONE"}, {"sourceindex"}, {"tagName"},
             {"source"}, {"type"}, {"value", "NONE"}, {"alt"}, {"index"}, {"mouseover"});
TW_LINE_KIND(kClickLink, "clickLink", {"name"}, {"id"}, {"formname", "NONE"}, {"sourceindex"}, {"type"},
             {"value", "NONE"}, {"index"}, {"innertext"}, {"target"}, {"source", "NONE"});
TW_LINE_KIND(kClickMap, "clickMap", {"name"}, {"id"}, {"formname", "NONE"}, {"sourceindex", "0"},
             {"tagName", "AREA"}, {"alt"}, {"coords"}, {"index"});
TW_LINE_KIND(kClickList, "clickList", {"name"}, {"id"}, {"formname", "NONE"}, {"type", "div"}, {"index"},
             {"sourceindex", "0"});
TW_LINE_KIND(kSelectItem, "selectItem", {"name"}, {"id"}, {"formname"}, {"sourceindex"}, {"type"}, {"disable"},
             {"index"}, {"value"});
TW_LINE_KIND(kSetWindow, "setWindow", {"windowname"}, {"windowtitle"}, {"parenttitle"});
TW_LINE_KIND(kSetAlertWindow, "setAlertWindow", {"windowname", "NONE"}, {"windowtitle"}, {"parenttitle", "NONE"},
             {"type"});
TW_LINE_KIND_TERMINATED(kCloseWindow, "closeWindow", {"parenttitle"}, {"windowname"}, {"windowtitle"});
TW_LINE_KIND_TERMINATED(kCloseAlertWindow, "closeAlertWindow", {"windowtitle"});
TW_LINE_KIND(kChangeURL, "changeURL", {"name"});
TW_LINE_KIND(kClickMainToolBarButton, "clickMainToolBarButton", {"name"});
TW_LINE_KIND(kClickDialogButton, "clickButton", {"classname"}, {"name"}, {"isVisible"}, {"isEnabled"},
             {"index", "0"});
TW_LINE_KIND(kSetDialogText, "setText", {"type", "text"}, {"classname"}, {"value"}, {"isVisible"}, {"isEnabled"},
             {"index", "0"}, {"previousWindow", "NONE"}, {"id"}, {"name", "Edit"});

}  // namespace moz

#undef TW_LINE_KIND
#undef TW_LINE_KIND_TERMINATED

}  // namespace scriptline
