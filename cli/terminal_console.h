// What the progress bar asks of the terminal it draws on.
#pragma once

#include <cstdio>

/** True when stream shows on a terminal that understands "\r" and the erase-line sequence. */
bool isTerminal(std::FILE* stream);
/** The terminal's width in columns; 0 when it does not say. */
int terminalColumns(std::FILE* stream);
