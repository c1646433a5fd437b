// Where text crosses into Windows: inside the program every path and message is UTF-8; Windows
// takes and gives UTF-16 through its wide (...W) calls. These two are the only conversions.
#pragma once

#include <string>
#include <string_view>

/** UTF-8 to the UTF-16 that the ...W calls take. */
std::wstring wideText(std::string_view utf8);
/** UTF-16 from a ...W call to UTF-8; a lone surrogate in a name becomes U+FFFD. */
std::string utf8Text(std::wstring_view wide);
