// A one-line progress bar for long batches, drawn only when the user watches a terminal.
#pragma once

#include <cstdio>
#include <string>

class TerminalProgress {
public:
    TerminalProgress(std::FILE* stream, int total);
    void show(int done, const std::string& current);
    /** Clears the bar's line so that messages start on a clean line. */
    void clear();

private:
    std::FILE* m_stream;
    int m_total;
    bool m_enabled;
};
