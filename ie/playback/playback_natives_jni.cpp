// The playback natives of com.corvalen.tarnwell.web.replay.IEPlayBackControl: each
// converts its arguments, runs a finder or a window operation, starts the action's
// worker when the element was found, and returns the result word.
#include <jni.h>
#include <windows.h>

#include <string>

#include "common/java_strings.h"
#include "common/script_line.h"
#include "common/trace_log.h"
#include "core/java_bridge.h"
#include "core/native_call.h"
#include "playback/action_worker.h"
#include "playback/element_actions.h"
#include "playback/element_finders.h"
#include "playback/playback_state.h"
#include "playback/property_readback.h"
#include "playback/table_access.h"
#include "playback/text_replace.h"
#include "playback/window_navigation.h"

#define PLAYBACK_NATIVE(name) Java_com_corvalen_tarnwell_web_replay_IEPlayBackControl_##name

namespace {

// The finder's word, with the worker started when the element was found.
std::string actOnFound(const std::string& word, Worker worker, const std::string& kind,
                       const std::string& text = {}) {
  if (word == result::kSuccess) startWorker(worker, kind, text);
  return word;
}

// A script's line breaks, "<VK_RETURN>", as the "\r\n" the link finder compares.
std::string withLineBreaks(const std::string& text) { return replaceAll(text, scriptline::kLineBreak, "\r\n"); }

// The DIV of fixAndClickList and fixAndFireMouseOver; only the kind "div" is searched.
std::string findDiv(JNIEnv* env, jstring kind, jstring innerText, jint index, jstring id) {
  if (ansiFromJava(env, kind) != "div") return result::kTypeMismatch;
  return fixDivElement("DIV", ansiFromJava(env, innerText), index, ansiFromJava(env, id));
}

// Returns the word to Java; never throws.
jstring answer(JNIEnv* env, const std::string& word) { return newJavaString(env, word); }

// Every playback native's work, on a calling thread with COM (see native_call.h).
template <class Body>
jstring guarded(JNIEnv* env, Body&& body) {
  return answer(env, nativeCall<std::string>("ERROR_NATIVE_FAILURE", std::forward<Body>(body)));
}

}  // namespace

extern "C" {

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(setMaxTimeLimit)(JNIEnv* env, jobject, jint seconds) {
  return guarded(env, [seconds]() -> std::string {
    setTimeLimit(seconds);
    return result::kSuccess;
  });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(fixAndClickButton)(JNIEnv* env, jobject, jstring, jstring type, jstring name,
                                                             jint index, jstring id) {
  return guarded(env, [&] {
    const std::string kind = ansiFromJava(env, type);
    const std::string value = ansiFromJava(env, name);
    const std::string recordedId = ansiFromJava(env, id);
    const std::string word =
        kind == "image" ? fixImageButton(kind, value, index, recordedId) : fixButton(kind, value, index, recordedId);
    return actOnFound(word, Worker::kClick, kind);
  });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(fixAndClickImage)(JNIEnv* env, jobject, jstring, jstring source, jint index,
                                                            jstring id) {
  return guarded(env, [&] {
    return actOnFound(fixImage(ansiFromJava(env, source), index, ansiFromJava(env, id)), Worker::kClick, "IMG");
  });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(fixAndClickMap)(JNIEnv* env, jobject, jstring, jstring mapName,
                                                          jstring coords, jint index, jstring id) {
  return guarded(env, [&] {
    const std::string word = fixMap(ansiFromJava(env, mapName), ansiFromJava(env, coords), index, ansiFromJava(env, id));
    return actOnFound(word, Worker::kClick, "MAP");
  });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(fixAndClickLink)(JNIEnv* env, jobject, jstring, jstring innerText,
                                                           jint index, jstring id) {
  return guarded(env, [&] {
    const std::string word = fixLink(withLineBreaks(ansiFromJava(env, innerText)), index, ansiFromJava(env, id));
    return actOnFound(word, Worker::kClick, "link");
  });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(fixAndClickList)(JNIEnv* env, jobject, jstring, jstring kind,
                                                           jstring innerText, jint index, jstring id) {
  return guarded(env, [&] { return actOnFound(findDiv(env, kind, innerText, index, id), Worker::kClick, "div"); });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(fixAndFireMouseOver)(JNIEnv* env, jobject, jstring, jstring kind,
                                                               jstring innerText, jint index, jstring id) {
  return guarded(env, [&] {
    const std::string found = findDiv(env, kind, innerText, index, id);
    return found == result::kSuccess ? actOnFound(checkMouseOverHandler(), Worker::kMouseOver, "div") : found;
  });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(fixSelect)(JNIEnv* env, jobject, jstring, jstring name, jint index,
                                                     jstring id) {
  return guarded(env, [&] {
    const std::string word = fixSelect(ansiFromJava(env, name), index, ansiFromJava(env, id));
    if (word == result::kSuccess) clearListSelection();
    return word;
  });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(selInSelect)(JNIEnv* env, jobject, jstring optionText) {
  return guarded(env, [&] {
    const std::string word = actOnFound(selectOption(ansiFromJava(env, optionText)), Worker::kOption, "option");
    Sleep(1000);
    return word;
  });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(setInputTextBox)(JNIEnv* env, jobject, jstring, jstring type, jstring name,
                                                           jstring text, jint index, jstring id) {
  return guarded(env, [&] {
    const std::string kind = ansiFromJava(env, type);
    const std::string word = findInputTextBox(kind, ansiFromJava(env, name), index, ansiFromJava(env, id));
    // A text area's line breaks are recorded as "<VK_RETURN>"; the page gets them back.
    const std::string value = ansiFromJava(env, text);
    return actOnFound(word, Worker::kSetText, kind, kind == "textarea" ? withLineBreaks(value) : value);
  });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(setWindow)(JNIEnv* env, jobject, jstring windowName, jstring windowTitle,
                                                     jstring parentTitle, jstring conditions, jint waitTime) {
  return guarded(env, [&] {
    return setWindow(ansiFromJava(env, windowName), ansiFromJava(env, windowTitle), ansiFromJava(env, parentTitle),
                     ansiFromJava(env, conditions), waitTime);
  });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(closeWindow)(JNIEnv* env, jobject, jstring windowNameOrTitle) {
  return guarded(env, [&] { return closeWindow(ansiFromJava(env, windowNameOrTitle)); });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(clickMainToolBarButton)(JNIEnv* env, jobject, jstring button) {
  return guarded(env, [&] { return clickMainToolBarButton(ansiFromJava(env, button)); });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(fixTable)(JNIEnv* env, jobject, jstring, jstring, jstring firstCellText,
                                                    jint index, jstring id) {
  return guarded(env, [&] { return fixTable(ansiFromJava(env, firstCellText), index, ansiFromJava(env, id)); });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(getTableCellValue)(JNIEnv* env, jobject, jint row, jint column) {
  return guarded(env, [&] {
    std::string text = tableCellText(row, column);
    trace("getTableCellValue Return string is \n");
    return text;
  });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(getTableColumnValues)(JNIEnv* env, jobject self, jint column) {
  return guarded(env, [&] {
    const ColumnValues read = tableColumnValues(column);
    if (read.word == result::kSuccess) callReceiveColumnValues(env, self, read.values);
    return read.word;
  });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(fixAndGetElementProp)(JNIEnv* env, jobject, jstring, jstring type,
                                                                jstring name, jint index, jstring id) {
  return guarded(env, [&] {
    return fixAndGetElementProp(ansiFromJava(env, type), ansiFromJava(env, name), index, ansiFromJava(env, id));
  });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(fixAndGetCellProp)(JNIEnv* env, jobject, jint column, jint row,
                                                             jstring cellId, jint index) {
  return guarded(env, [&] { return fixAndGetCellProp(column, row, ansiFromJava(env, cellId), index); });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(fixAndGetTableProp)(JNIEnv* env, jobject, jstring, jstring,
                                                              jstring firstCellText, jint index, jstring id) {
  return guarded(env, [&] {
    return fixAndGetTableProp(ansiFromJava(env, firstCellText), index, ansiFromJava(env, id));
  });
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(getBodyText)(JNIEnv* env, jobject) {
  return guarded(env, [] { return getBodyText(); });
}

}  // extern "C"
