// Terminal progress bar.
#include "cli/terminal_progress.h"

#include <algorithm>
#include <cstdlib>

#include "cli/terminal_console.h"

TerminalProgress::TerminalProgress(std::FILE* stream, int total, bool enabled)
    : m_stream(stream), m_total(total), m_enabled(enabled && total > 1 && isTerminal(stream)) {}

std::string TerminalProgress::line(int done, int total, const std::string& fileName, int columns) {
    const std::string count = " " + std::to_string(done) + "/" + std::to_string(total) + " ";
    // The bar takes a third of the line, at most 30 cells; the name gets what is left.
    const int barWidth = std::clamp(columns / 3, 0, 30);
    const int filled = total > 0 ? done * barWidth / total : barWidth;
    std::string text = "[" + std::string(static_cast<std::size_t>(filled), '#') +
                       std::string(static_cast<std::size_t>(barWidth - filled), ' ') + "]" + count +
                       fileName;
    // One column stays free: writing into the last one makes some terminals wrap.
    const std::size_t room = static_cast<std::size_t>(std::max(columns - 1, 0));
    if (text.size() > room) text.resize(room);
    return text;
}

int TerminalProgress::columns() const {
    if (const int width = terminalColumns(m_stream); width > 0) return width;
    if (const char* value = std::getenv("COLUMNS")) {
        if (const int parsed = std::atoi(value); parsed > 0) return parsed;
    }
    return 80;
}

void TerminalProgress::show(int done, const std::string& fileName) {
    if (!m_enabled) return;
    writeText(m_stream, "\r" + line(done, m_total, fileName, columns()) + "\033[K");
    std::fflush(m_stream);
}

void TerminalProgress::clear() {
    if (!m_enabled) return;
    std::fprintf(m_stream, "\r\033[K");
    std::fflush(m_stream);
}
