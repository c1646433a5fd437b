// The names Windows reads as devices before it looks at any folder: the part before the first
// dot, trailing spaces ignored, in any letter case; COM and LPT with a digit 1 to 9 or the
// superscripts 1 to 3.
#include <algorithm>
#include <array>
#include <string_view>

#include "platform/device_name.h"

bool isDeviceName(const std::string& fileName) {
    std::string stem = fileName.substr(0, fileName.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    std::transform(stem.begin(), stem.end(), stem.begin(),
                   [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; });
    static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
    if (std::find(kPlain.begin(), kPlain.end(), stem) != kPlain.end()) return true;
    const std::string_view port(stem);
    if (!port.starts_with("COM") && !port.starts_with("LPT")) return false;
    const std::string_view number = port.substr(3);
    return (number.size() == 1 && number[0] >= '1' && number[0] <= '9') || number == "\xC2\xB9" ||
           number == "\xC2\xB2" || number == "\xC2\xB3";
}
