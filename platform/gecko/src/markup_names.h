// The namespaces of the XML documents this library builds or parses.
#pragma once

namespace gecko {

inline constexpr const char* kXulNamespace = "http://www.mozilla.org/keymaster/gatekeeper/there.is.only.xul";
inline constexpr const char* kXhtmlNamespace = "http://www.w3.org/1999/xhtml";
inline constexpr const char* kXmlnsNamespace = "http://www.w3.org/2000/xmlns/";
inline constexpr const char* kXmlNamespace = "http://www.w3.org/XML/1998/namespace";
inline constexpr const char* kParserErrorNamespace = "http://www.mozilla.org/newlayout/xml/parsererror.xml";

}  // namespace gecko
