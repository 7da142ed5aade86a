#include "dom_parser.h"

#include <cstring>
#include <new>
#include <string>

#include "dom_node.h"
#include "dom_session.h"
#include "engine/document.h"
#include "nsIDOMDocument.h"
#include "text_conversion.h"
#include "xml_tree_builder.h"

namespace gecko {

NS_IMPL_THREADSAFE_ISUPPORTS1(DomParser, nsIDOMParser)

namespace {

// The types Gecko 1.7's parser takes; others it refuses as not implemented.
bool isXmlType(const char* contentType) {
  return std::strcmp(contentType, "text/xml") == 0 || std::strcmp(contentType, "application/xml") == 0 ||
         std::strcmp(contentType, "application/xhtml+xml") == 0;
}

// A parser called from compiled code has no page whose address it could take.
constexpr const char* kLocation = "about:blank";

}  // namespace

nsresult DomParser::parse(const std::string& bytes, const char* encoding, const char* contentType,
                          nsIDOMDocument** out) {
  if (!isXmlType(contentType)) return NS_ERROR_NOT_IMPLEMENTED;
  try {
    XmlParseResult result = parseXml(bytes, encoding, kLocation);
    auto session = std::make_shared<DomSession>();
    return session->carry([&]() -> nsresult { return wrapAs(*session, result.document, out); });
  } catch (const std::bad_alloc&) {
    return NS_ERROR_OUT_OF_MEMORY;
  } catch (...) {
    return NS_ERROR_FAILURE;
  }
}

// The string is handed to the parser as UTF-8, which overrides any encoding its XML
// declaration names, as Gecko's string parsing does.
NS_IMETHODIMP DomParser::ParseFromString(const PRUnichar* str, const char* contentType, nsIDOMDocument** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  if (!str || !contentType) return NS_ERROR_INVALID_ARG;
  std::string bytes;
  try {
    bytes = toUtf8(nsDependentString(str));
  } catch (const std::bad_alloc&) {
    return NS_ERROR_OUT_OF_MEMORY;
  }
  return parse(bytes, "UTF-8", contentType, _retval);
}

// Bytes are decoded as their XML declaration or byte order mark says (UTF-8 without).
NS_IMETHODIMP DomParser::ParseFromBuffer(const PRUint8* buf, PRUint32 bufLen, const char* contentType,
                                         nsIDOMDocument** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  if ((!buf && bufLen > 0) || !contentType) return NS_ERROR_INVALID_ARG;
  std::string bytes;
  try {
    if (bufLen > 0) bytes.assign(reinterpret_cast<const char*>(buf), bufLen);
  } catch (const std::bad_alloc&) {
    return NS_ERROR_OUT_OF_MEMORY;
  }
  return parse(bytes, nullptr, contentType, _retval);
}

// Streams, and the base address for documents that refer to others, need interfaces
// this SDK subset does not declare (nsIInputStream, nsIURI): not modelled (README).
NS_IMETHODIMP DomParser::ParseFromStream(nsIInputStream*, const char*, PRInt32, const char*,
                                         nsIDOMDocument** _retval) {
  if (_retval) *_retval = nullptr;
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP DomParser::GetBaseURI(nsIURI** aBaseURI) {
  if (!aBaseURI) return NS_ERROR_NULL_POINTER;
  *aBaseURI = nullptr;  // none set: the documents are about:blank
  return NS_OK;
}

NS_IMETHODIMP DomParser::SetBaseURI(nsIURI*) { return NS_ERROR_NOT_IMPLEMENTED; }

}  // namespace gecko
