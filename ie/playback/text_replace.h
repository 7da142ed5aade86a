// Replacing every occurrence of a text in another, in time linear in the text's length
// (texts come from the host and from pages and may be megabytes long).
#pragma once

#include <string>
#include <string_view>

// `text` with every occurrence of `find` replaced by `replacement`, left to right, each
// search going on after the occurrence just replaced. An empty `find` changes nothing.
std::string replaceAll(std::string_view text, std::string_view find, std::string_view replacement);

// Runs of `c` folded to one `c`.
std::string foldRuns(std::string_view text, char c);
