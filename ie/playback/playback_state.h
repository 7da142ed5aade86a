// What playback keeps between one native and the next: the element the last finder
// found, the list of the last fixSelect and the time limit. The document the finders
// search is the application object's (theApp.currentDocument()), so that Quit, which
// ends the session, forgets the one document playback works on.
// The host calls the playback natives one at a time; workers never read this state,
// each is handed its own copy of what it needs (see action_worker.h).
#pragma once

#include <mshtml.h>

#include <atomic>
#include <cstdint>
#include <string>

#include "com/com_ptr.h"

struct PlaybackState {
  ComPtr<IDispatch> targetElement;          // the last element found
  ComPtr<IHTMLElement> selectedList;        // the SELECT of the last fixSelect
  std::atomic<int> maxTimeLimit{60};        // seconds, never negative (see setTimeLimit)
};

PlaybackState& playbackState();

// Result words of playback.
namespace result {
inline constexpr const char* kSuccess = "SUCCESS";
inline constexpr const char* kFailed = "FAILED";
inline constexpr const char* kFailure = "FAILURE";
inline constexpr const char* kNoBrowser = "ERROR_NO BROWSER";
inline constexpr const char* kDocumentNull = "ERROR_DOCUMENT_NULL";
inline constexpr const char* kHtmlDocumentNull = "ERROR_HTMLDOCUMENT_NULL";
inline constexpr const char* kHtmlDocumentQueryFailed = "ERROR_HTMLDOCUMENT_QUERY_FAILED";
inline constexpr const char* kCollectionNull = "ERROR_ELEMENT_COLLECTION_NULL";
inline constexpr const char* kElementsCount0 = "ERROR_ELEMENTS_COUNT_0";
inline constexpr const char* kTypeMismatch = "ERROR_ELEMENT_TYPE_MISMATCH";
inline constexpr const char* kSelectCastingFailed = "ERROR_SELECT_ELEMENT_CASTING_FAILED";
inline constexpr const char* kOptionCountFailed = "ERROR_OPTION_ELEMENT_COUNT_FAILED";
inline constexpr const char* kOptionGetFailed = "ERROR_OPTION_ELEMENT_GET_FAILED";
inline constexpr const char* kOptionCastingFailed = "ERROR_OPTION_ELEMENT_CASTING_FAILED";
inline constexpr const char* kElementDispNull = "ERROR_ELEMENTDISP_NULL";
inline constexpr const char* kElementCastFailed = "ERROR_ELEMENT_CAST_FAILED";
inline constexpr const char* kMouseOverCollectionFailed = "ERROR_MOUSEOVER_EVENT_COLLECTION_FAILED";
inline constexpr const char* kMouseOverIsNull = "ERROR_MOUSEOVER_EVENT_IS_NULL";
inline constexpr const char* kIOleContainerNull = "ERROR_IOLECONTAINER_NULL";
inline constexpr const char* kEnumerationFailed = "ERROR_ENUMERATION_FAILED";
inline constexpr const char* kBrowserRefNull = "ERROR_BROWSER_REF_NULL";
inline constexpr const char* kTypeNotFound = "ERROR_TYPE_NOT_FOUND";
// Tables and cells.
inline constexpr const char* kElementCounts0 = "ERROR_ELEMENT_COUNTS_0";
inline constexpr const char* kTableNotFound = "ERROR_TABLE_NOT_FOUND";
inline constexpr const char* kTargetNull = "ERROR_ELEMENT_DISP_NULL";
inline constexpr const char* kNotATable = "ERROR_ELEMENT_MISMATCH";
inline constexpr const char* kInvalidRowCol = "ERROR_INVALID_ROW_COL";
inline constexpr const char* kRowColMismatch = "ERROR_ROW_COL_MISMATCH";
inline constexpr const char* kCellIdentificationFailed = "ERROR_CELL_IDENTIFICATION_FAILED";
inline constexpr const char* kCellTextGetFailed = "ERROR_CELL_TEXT_GET_FAILED";
inline constexpr const char* kColValuesGetFailed = "ERROR_COL_VALUES_GET_FAILED";
inline constexpr const char* kElementCastingFailed = "ERROR_ELEMENT_CASTING_FAILED";
// Property read-back.
inline constexpr const char* kIdentificationFailed = "ERROR_ELEMENT_IDENTIFICATION_FAILED";
inline constexpr const char* kElementNull = "ERROR_ELEMENT_NULL";
inline constexpr const char* kRowColCountFailed = "ERROR_ERR_IN_COL_ROW_COUNT";
}  // namespace result

// Stores the time limit; a negative limit is taken as 0 (no waiting, no retries). A huge
// one is what the host asked for and is kept.
void setTimeLimit(int seconds);

// The seconds still to wait for a page to settle when `waitSeconds` were asked for and
// `waited` have gone: never negative and never more than asked, whatever the values
// (computed in 64 bits, so extreme arguments cannot wrap into a long sleep).
int64_t secondsLeft(int64_t waitSeconds, int64_t waited);

// Sleeps that many whole seconds (none when 0 or less), in steps that each fit Sleep's
// millisecond count without reaching INFINITE.
void sleepSeconds(int64_t seconds);

// Waits until the current document is complete, for at most maxTimeLimit polls of one
// second, then `extraSeconds` less the seconds already waited. "ERROR_DOCUMENT_NULL"
// without a current document, else "SUCCESS" (also when the page never completed).
std::string waitForComplete(int extraSeconds);

// The same poll for at most `polls` seconds; returns the number of polls made.
int pollReadyState(IHTMLDocument2* document, int polls);
