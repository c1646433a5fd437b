// Terminal progress bar.
#include "terminal_progress.h"

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

TerminalProgress::TerminalProgress(std::FILE* stream, int total)
    : m_stream(stream), m_total(total), m_enabled(total > 1 && isatty(fileno(stream))) {}

void TerminalProgress::show(int done, const std::string& current) {
    if (!m_enabled) return;
    constexpr int kWidth = 30;
    const int filled = m_total > 0 ? done * kWidth / m_total : kWidth;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(kWidth, ' ');
    std::fprintf(m_stream, "\r[%s] %d/%d %.40s\033[K", bar.c_str(), done, m_total, current.c_str());
    std::fflush(m_stream);
}

void TerminalProgress::clear() {
    if (!m_enabled) return;
    std::fprintf(m_stream, "\r\033[K");
    std::fflush(m_stream);
}
