// What the converter asks of the terminal: its arguments, its messages and the progress bar.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

/** True when stream shows on a terminal that understands "\r" and the erase-line sequence. */
bool isTerminal(std::FILE* stream);
/** The terminal's width in columns; 0 when it does not say. */
int terminalColumns(std::FILE* stream);

/**
 * The arguments after the program's name, as the program's own text: on Windows the wide command
 * line in UTF-8, since the narrow argv has only what the ANSI code page can spell.
 */
std::vector<std::string> programArguments(int argc, char** argv);

/**
 * Writes text (the program's own) to stream. A Windows console is handed the letters themselves;
 * a file or pipe gets the UTF-8, as elsewhere.
 */
void writeText(std::FILE* stream, const std::string& text);
