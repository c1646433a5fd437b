// Text files of the old kind are written in the system's 8-bit code page (Windows' ANSI code
// page); a Linux system's file names are bytes already and pass as they are.
#pragma once

#include <optional>
#include <string>

/** text (the program's own: UTF-8 on Windows) in the code page; nothing when it has no place there.
 */
std::optional<std::string> toSystemCodePage(const std::string& text);
/** Text in the code page as the program's own. */
std::string fromSystemCodePage(const std::string& bytes);
