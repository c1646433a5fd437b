// A one-line progress bar for long batches, drawn only when the user watches a terminal.
#pragma once

#include <cstdio>
#include <string>

class TerminalProgress {
public:
    /** Draws only when enabled, total > 1 and stream is a terminal. */
    TerminalProgress(std::FILE* stream, int total, bool enabled);
    /** False when nothing is drawn: the names for show need not be worked out. */
    bool drawn() const { return m_enabled; }
    /** "[####      ] 12/340 name.fsh", cut to the terminal's width. */
    void show(int done, const std::string& fileName);
    /** Clears the bar's line so that messages start on a clean line. */
    void clear();

    /** The bar's text for a terminal width columns wide (without control characters). */
    static std::string line(int done, int total, const std::string& fileName, int columns);

private:
    int columns() const;

    std::FILE* m_stream;
    int m_total;
    bool m_enabled;
};
