// Shading tones. Painted kits of the period use a handful of tones per colour (folds and the
// roundness of the body), which keeps a whole kit well inside the 64 colours FIFA 2000 can add.
#include "tools/tone_palette.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

std::uint8_t shade(std::uint8_t component, double amount) {
    const double value =
        amount < 0 ? component * (1.0 + amount) : component + (255.0 - component) * amount;
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

}  // namespace

TonePalette::TonePalette(std::vector<Rgb> bases, int tones, double darkest, double highlight)
    : m_bases(static_cast<int>(bases.size())), m_tones(tones) {
    if (tones < 1 || m_bases * tones > 256 || darkest > 0 || highlight < 0) {
        throw std::invalid_argument("tone palette out of range");
    }
    m_flatTone = tones == 1 ? 0
                            : std::clamp(static_cast<int>(std::lround((tones - 1) * -darkest /
                                                                      (highlight - darkest))),
                                         0, tones - 1);
    for (const Rgb& base : bases) {
        for (int tone = 0; tone < tones; ++tone) {
            double amount = 0;
            if (tone < m_flatTone) amount = darkest * (m_flatTone - tone) / m_flatTone;
            if (tone > m_flatTone)
                amount = highlight * (tone - m_flatTone) / (tones - 1 - m_flatTone);
            m_colours.push_back(
                {shade(base.red, amount), shade(base.green, amount), shade(base.blue, amount)});
        }
    }
}

std::uint8_t TonePalette::index(int base, int tone) const {
    if (base < 0 || base >= m_bases || tone < 0 || tone >= m_tones) {
        throw std::out_of_range("no such tone");
    }
    return static_cast<std::uint8_t>(base * m_tones + tone);
}

std::uint8_t TonePalette::indexForLight(int base, double light) const {
    const double tone = std::clamp(light, 0.0, 1.0) * (m_tones - 1);
    return index(base, static_cast<int>(std::lround(tone)));
}
