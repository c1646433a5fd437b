// Field-by-field reading of the palette and settings files.
#include "conversion/text_field_reader.h"

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
}  // namespace

std::optional<std::string> TextFieldReader::next() {
    while (m_pos < m_text.size() && isBlank(m_text[m_pos])) ++m_pos;
    if (m_pos >= m_text.size()) return std::nullopt;

    std::string field;
    if (m_text[m_pos] == '"') {
        const std::size_t close = m_text.find('"', m_pos + 1);
        const std::size_t end = close == std::string_view::npos ? m_text.size() : close;
        field.assign(m_text.substr(m_pos + 1, end - m_pos - 1));
        m_pos = end == m_text.size() ? end : end + 1;
    } else {
        std::size_t end = m_pos;
        while (end < m_text.size() && m_text[end] != ',' && !isLineEnd(m_text[end])) ++end;
        std::size_t last = end;
        while (last > m_pos && isBlank(m_text[last - 1])) --last;
        field.assign(m_text.substr(m_pos, last - m_pos));
        m_pos = end;
    }
    skipPastDelimiter();
    return field;
}

void TextFieldReader::skipPastDelimiter() {
    while (m_pos < m_text.size() && m_text[m_pos] != ',' && !isLineEnd(m_text[m_pos])) ++m_pos;
    if (m_pos >= m_text.size()) return;
    if (m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n') ++m_pos;
    ++m_pos;
}
