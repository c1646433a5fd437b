// std::fopen for the program's own path text: on Windows the C library's fopen reads a name in
// the ANSI code page, which cannot hold every name a user's folders have.
#pragma once

#include <cstdio>
#include <string>

/** As std::fopen(path, mode); null with errno set when the file cannot be opened. */
std::FILE* openFile(const std::string& path, const char* mode);
