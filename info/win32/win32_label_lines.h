// A word-wrapping label's lines, broken by the program rather than by the system's static control.
//
// The About window's Label2 lays out its roles in a column by runs of spaces that are meant to
// overflow the label: "IDEA,  GRAPHICS" fits, the three spaces after it do not, and the next role
// goes to the next line. Windows' own word break lets such a run end the line; Wine's breaks only
// where a word starts, so when the first space that does not fit follows another space it takes
// the word before it down too ("IDEA," and "GRAPHICS" on lines of their own, and "MISC ART" cut
// by the separator below). Broken here, the lines are the same everywhere, as the Linux build
// shows them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace Win32LabelLines {

/**
 * text broken into lines no wider than width, joined by CR LF: a line ends before the first word
 * that does not fit, and a run of spaces at a break ends the line whatever its width and is not
 * shown. A word wider than the label stands alone on its line. Line ends already in the text (LF)
 * stay. measure gives the width of a piece of text.
 */
std::string broken(std::string_view text, int width,
                   const std::function<int(std::string_view)>& measure);

/** Sets label's text broken at its width in its font, so that it never breaks it itself. */
void setText(HWND label, std::string_view text);

}  // namespace Win32LabelLines
