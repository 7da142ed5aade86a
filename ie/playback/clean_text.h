// The clean-up of link texts: the texts recorded for links and the texts of the page's
// links are both cleaned this way before they are compared.
#pragma once

#include <string>

// Line breaks and tabs become blanks, runs of blanks fold to one, the entity and tag
// table is applied (Windows-1252 bytes), markup is removed and trailing white space
// goes.
std::string cleanText(const std::string& text);
