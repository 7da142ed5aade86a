// Test-bed control of the registry stand-in.
//
// The registry starts from the file named by PLATFORM_REGISTRY (when that variable is
// set) or from the defaults: Internet Explorer 6.0.2800.1106 and no Mozilla runtime.
// File format, one value per line:
//   HKEY_LOCAL_MACHINE\SOFTWARE\Key\Sub|ValueName|text
//   HKEY_LOCAL_MACHINE\SOFTWARE\Key\Sub||            (a key without values)
// Blank lines and lines starting with '#' are skipped. A key beyond Windows' limits
// (below) makes the file malformed. Key and value names compare
// without regard to case, as on Windows; subkeys enumerate in sorted order.
#pragma once

#include <string>

#include "../winnt.h"

namespace testbed::registry {

// Replace the whole registry with the contents of a registry file or text.
// Returns false (and leaves the registry unchanged) when the file cannot be read
// or a line is malformed; `error` then says which.
DECLSPEC_EXPORT bool loadFile(const std::string& path, std::string* error = nullptr);
DECLSPEC_EXPORT bool loadText(const std::string& text, std::string* error = nullptr);

// Replace the whole registry with the defaults, or with nothing at all.
DECLSPEC_EXPORT void resetToDefaults();
DECLSPEC_EXPORT void clear();

// Change single keys and values. Key paths start with the root key's name
// ("HKEY_LOCAL_MACHINE\\SOFTWARE\\..."); missing keys on the way are created. As on
// Windows, a key name longer than 255 characters or a key nested deeper than 512 levels
// below its root is refused: nothing changes and the result is false.
DECLSPEC_EXPORT bool createKey(const std::string& keyPath);
DECLSPEC_EXPORT bool setValue(const std::string& keyPath, const std::string& valueName, const std::string& text);
DECLSPEC_EXPORT void deleteValue(const std::string& keyPath, const std::string& valueName);
DECLSPEC_EXPORT void deleteKey(const std::string& keyPath);

}  // namespace testbed::registry
