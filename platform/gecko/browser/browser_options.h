// The simulated Mozilla's command line:
//   mozilla --components DIR --url URL [--user-script FILE]
#pragma once

#include <string>
#include <vector>

namespace gecko::browser {

struct BrowserOptions {
  std::string components;  // the components folder (every library in it is loaded)
  std::string url;         // the page the browser window opens on
  std::string userScript;  // the user-script file; empty: actions come from standard input
  bool help = false;       // --help: print the usage and end
};

// Reads the arguments after the program name. Returns "" when they are sound, else what
// is wrong with them (a sentence for standard error). Each option is given once, with
// its value as the next argument; --components and --url are required.
std::string parseBrowserOptions(const std::vector<std::string>& arguments, BrowserOptions& options);

// The usage text, ending in a line break.
std::string browserUsage(const std::string& program);

}  // namespace gecko::browser
