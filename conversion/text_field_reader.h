// Reads a text file one field at a time, a field being a line or the part of a line up to a comma:
// the palette file and the settings file are both written in that style.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class TextFieldReader {
public:
    explicit TextFieldReader(std::string_view text) : m_text(text) {}

    /**
     * The next field, or nothing at the end of the text. Leading blanks are skipped; a field that
     * starts with a double quote runs to the next double quote (commas inside belong to it) and
     * reading moves past the following comma or line end; any other field runs to the next comma
     * or line end (CR LF, LF or CR), without trailing blanks.
     */
    std::optional<std::string> next();

private:
    void skipPastDelimiter();

    std::string_view m_text;
    std::size_t m_pos = 0;
};
