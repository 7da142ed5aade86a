// What the registry says about the Mozilla installations on the machine.
#pragma once

#include <string>
#include <vector>

namespace fennick {

// The key of the registered Gecko runtimes, one subkey per runtime, under
// HKEY_LOCAL_MACHINE, and the key of the Mozilla applications.
inline constexpr const char* kGreKey = "SOFTWARE\\mozilla.org\\GRE";
inline constexpr const char* kApplicationKey = "SOFTWARE\\Mozilla";

// The number of runtime subkeys, or -1 when the runtime key cannot be opened.
int countInstallations();

// Three entries per runtime in enumeration order: version, short path of the Mozilla
// executable, short path of the runtime home. Empty when the runtime key is missing.
std::vector<std::string> installationDetails();

// The runtime's "Version" value, "" when it cannot be read.
std::string readRuntimeVersion(const std::string& subkeyName);
// The short form of "PathToExe" of the application "Mozilla <version>", "" when unread.
std::string readExecutablePath(const std::string& version);
// The short form of the runtime's "GreHome"; a fixed text when the value is missing.
std::string readRuntimeHome(const std::string& subkeyName);

}  // namespace fennick
