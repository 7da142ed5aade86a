#include "browser_options.h"

namespace gecko::browser {

std::string parseBrowserOptions(const std::vector<std::string>& arguments, BrowserOptions& options) {
  options = BrowserOptions{};
  bool seenComponents = false;
  bool seenUrl = false;
  bool seenScript = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    if (name == "--help" || name == "-h") {
      options.help = true;
      return "";
    }
    std::string* value = nullptr;
    bool* seen = nullptr;
    if (name == "--components") {
      value = &options.components;
      seen = &seenComponents;
    } else if (name == "--url") {
      value = &options.url;
      seen = &seenUrl;
    } else if (name == "--user-script") {
      value = &options.userScript;
      seen = &seenScript;
    } else {
      return "unknown argument \"" + name + "\"";
    }
    if (*seen) return name + " is given twice";
    if (i + 1 >= arguments.size() || arguments[i + 1].empty()) return name + " needs a value";
    *seen = true;
    *value = arguments[++i];
  }
  if (!seenComponents) return "--components DIR is required";
  if (!seenUrl) return "--url URL is required";
  return "";
}

std::string browserUsage(const std::string& program) {
  return "usage: " + program +
         " --components DIR --url URL [--user-script FILE]\n"
         "  --components DIR    load every component library in DIR and start XPCOM with them\n"
         "  --url URL           open a browser window on URL\n"
         "  --user-script FILE  perform the user actions in FILE (one a line); without it,\n"
         "                      read actions from standard input and perform each as it arrives\n"
         "The browser ends when its last window closes, or on SIGTERM, SIGINT or SIGHUP.\n";
}

}  // namespace gecko::browser
