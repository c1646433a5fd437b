// On Linux a path is the file system's bytes, and so is the text that holds it.
#include "platform/system_code_page.h"

std::optional<std::string> toSystemCodePage(const std::string& text) { return text; }

std::string fromSystemCodePage(const std::string& bytes) { return bytes; }
