// JASC-PAL palette files: "JASC-PAL", a version line, the colour count, then one "R G B" line per
// colour. Numbers are read leniently, as hand-edited palette files need: blanks inside a number are
// ignored, text without a number reads as 0, fractions round half to even.
#include "conversion/palette_file.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <optional>

#include "conversion/conversion_error.h"
#include "conversion/text_field_reader.h"
#include "platform/file_access_error.h"
#include "platform/regular_file.h"

namespace {

/** The leading numeric text of text, blanks ignored, as a whole number (half to even). */
double leadingNumber(std::string_view text) {
    std::string compact;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') compact += c;
    }
    // Keep only the leading [sign] digits [. digits] [exponent] so strtod sees nothing else.
    std::size_t end = 0;
    auto digits = [&] {
        while (end < compact.size() && std::isdigit(static_cast<unsigned char>(compact[end])))
            ++end;
    };
    if (end < compact.size() && (compact[end] == '+' || compact[end] == '-')) ++end;
    const std::size_t mantissaStart = end;
    digits();
    if (end < compact.size() && compact[end] == '.') {
        ++end;
        digits();
    }
    if (end == mantissaStart || (end == mantissaStart + 1 && compact[mantissaStart] == '.'))
        return 0;
    if (end < compact.size() && (compact[end] == 'e' || compact[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < compact.size() && (compact[exponent] == '+' || compact[exponent] == '-'))
            ++exponent;
        if (exponent < compact.size() &&
            std::isdigit(static_cast<unsigned char>(compact[exponent]))) {
            end = exponent;
            digits();
        }
    }
    return std::nearbyint(std::strtod(compact.substr(0, end).c_str(), nullptr));
}

int component(std::string_view text) {
    const double value = leadingNumber(text);
    if (!(value >= 0 && value <= 255)) throw PaletteFileError();
    return static_cast<int>(value);
}

/** Splits at the first blank: the text before it (empty without a blank) and the text after it
 *  (the whole text without a blank). */
std::pair<std::string_view, std::string_view> splitAtBlank(std::string_view text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return {{}, text};
    return {text.substr(0, blank), text.substr(blank + 1)};
}

PaletteColor parseColor(std::string_view field) {
    const auto [red, greenAndBlue] = splitAtBlank(field);
    const auto [green, blue] = splitAtBlank(greenAndBlue);
    return PaletteColor::fromRgb(component(red), component(green), component(blue));
}

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

}  // namespace

Palette ParsePaletteFile(std::string_view text) {
    TextFieldReader fields(text);
    const std::optional<std::string> magic = fields.next();
    if (!magic || upper(*magic) != "JASC-PAL") throw PaletteFileError();
    const std::optional<std::string> version = fields.next();
    const std::optional<std::string> countField = fields.next();
    if (!version || !countField) throw PaletteFileError();
    const double count = leadingNumber(*countField);
    if (!(count <= 256)) throw PaletteFileError();

    Palette palette{};
    for (int k = 0; k < count; ++k) {
        const std::optional<std::string> field = fields.next();
        if (!field) throw PaletteFileError();
        palette[static_cast<std::size_t>(k)] = parseColor(*field);
    }
    return palette;
}

Palette LoadPaletteFile(const std::string& path) {
    // A palette of 256 colours is a few KB; anything far beyond, or anything that is not an
    // ordinary file (a FIFO, /dev/zero), is no palette and must not be waited on or read.
    constexpr std::uint64_t kMaxPaletteFileBytes = 1 << 20;
    try {
        const RegularFile file = readRegularFile(path, kMaxPaletteFileBytes);
        return ParsePaletteFile(
            std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
    } catch (const FileAccessError&) {
        throw PaletteFileError();
    }
}
