// Escaping control characters for the terminal.
#include "cli/printable_text.h"

namespace {
void appendEscaped(std::string& out, unsigned char byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
}
}  // namespace

std::string printableText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // U+0080..U+009F, the C1 controls, are 0xC2 0x80..0x9F in UTF-8; some terminals obey them.
        const bool c1 = byte == 0xC2 && i + 1 < text.size() &&
                        (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80;
        if (byte < 0x20 || byte == 0x7F) {
            appendEscaped(out, byte);
        } else if (c1) {
            appendEscaped(out, byte);
            appendEscaped(out, static_cast<unsigned char>(text[++i]));
        } else {
            out += text[i];
        }
    }
    return out;
}
