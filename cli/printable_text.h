// File names as they may be shown on a terminal. A name can hold any byte but "/" and NUL, so a
// kit named with an escape sequence would otherwise clear the screen or retitle the window when
// a message names it.
#pragma once

#include <string>
#include <string_view>

/**
 * text with every control character shown as \xHH: the C0 range, DEL, and the C1 range as UTF-8
 * encodes it. Everything else, other languages' letters included, stays as it is.
 */
std::string printableText(std::string_view text);
