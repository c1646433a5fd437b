// Our FIFA 2000 palette. The converter matches a jersey colour to a palette colour when none of
// red, green and blue differs by more than 4; in normal mode it searches only colour 191 and the
// jersey's own colours, which take slots 192..255 one by one. In 64-colour mode it searches
// colours 0..191 first and gives a slot only to a colour farther than 4 from all of them; once the
// 64 slots are gone, the rest go to the nearest colour. So colours 0..191 have two jobs: catch as
// many real kit colours as possible (every catch saves a slot for a shade that needs one) and be
// a fair nearest colour for whatever does not fit. The layout:
//   0..147   an RGB grid of 5 reds x 6 greens x 5 blues, without its black and white (which the
//            grey ramp holds). Green gets the extra level: the eye tells green shades apart best,
//            and green carries most of a colour's brightness, so it is the channel where a coarse
//            nearest colour shows first.
//   148..161 fourteen classic kit colours that fall between the grid points (navy, sky blue,
//            claret, gold...), so a kit in one of them keeps its main colour exact.
//   162..191 a 30-step grey ramp from black to white, steps of 8 or 9: every neutral grey is
//            within 4 of one of them, so the grey shading of white and black kits never costs a
//            slot in 64-colour mode. White ends the ramp at 191, the colour normal mode searches
//            as well, so the commonest kit colour needs no slot in either mode.
//   192..255 placeholders, replaced one by one from 192 up as a jersey's colours arrive. The ones
//            a jersey leaves over stay in the palette stored in the work file, and the back and
//            sleeve pictures are matched against them too, so a colour found only on the back
//            still lands near itself. They are a 4x4x4 RGB cube ordered from 255 down so that
//            each next one is the farthest from those above it (and from white at 191): whatever
//            run survives at the top is as evenly spread as it can be. (The cube's own white,
//            a repeat of 191, so comes last, at 192: the first slot any jersey takes.)
#include "tools/palette_design.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

namespace PaletteDesign {
namespace {

std::uint8_t level(int step, int steps) {
    return static_cast<std::uint8_t>(std::lround(255.0 * step / (steps - 1)));
}

int distanceSquared(Rgb a, Rgb b) {
    const int dr = a.red - b.red;
    const int dg = a.green - b.green;
    const int db = a.blue - b.blue;
    return dr * dr + dg * dg + db * db;
}

int largestDifference(Rgb a, Rgb b) {
    return std::max(
        {std::abs(a.red - b.red), std::abs(a.green - b.green), std::abs(a.blue - b.blue)});
}

constexpr Rgb kKitColours[] = {
    {20, 30, 90},     // navy
    {30, 70, 200},    // royal blue
    {110, 170, 230},  // sky blue
    {120, 25, 55},    // claret
    {220, 30, 40},    // scarlet
    {240, 120, 20},   // orange
    {230, 180, 40},   // gold
    {250, 220, 30},   // yellow
    {20, 140, 60},    // kelly green
    {15, 80, 45},     // bottle green
    {90, 40, 140},    // purple
    {0, 120, 130},    // teal
    {240, 150, 180},  // pink
    {110, 60, 30},    // brown
};

}  // namespace

std::array<Rgb, 256> fifa2kColours() {
    std::array<Rgb, 256> colours{};
    std::size_t next = 0;

    constexpr Rgb kBlack{0, 0, 0};
    constexpr Rgb kWhite{255, 255, 255};
    for (int r = 0; r < 5; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 5; ++b) {
                const Rgb colour{level(r, 5), level(g, 6), level(b, 5)};
                if (colour != kBlack && colour != kWhite) colours[next++] = colour;
            }
        }
    }
    for (const Rgb& colour : kKitColours) colours[next++] = colour;
    for (int step = 0; step < 30; ++step) {
        const std::uint8_t grey = level(step, 30);
        colours[next++] = {grey, grey, grey};
    }
    // next == kFixedColours here; the ramp's white sits at kAlwaysSearched.

    std::vector<Rgb> cube;
    for (int r = 0; r < 4; ++r) {
        for (int g = 0; g < 4; ++g) {
            for (int b = 0; b < 4; ++b) cube.push_back({level(r, 4), level(g, 4), level(b, 4)});
        }
    }
    std::vector<Rgb> placed{colours[kAlwaysSearched]};
    for (int slot = 255; slot >= kFixedColours; --slot) {
        auto farthest = cube.begin();
        int farthestDistance = -1;
        for (auto candidate = cube.begin(); candidate != cube.end(); ++candidate) {
            int nearest = std::numeric_limits<int>::max();
            for (const Rgb& other : placed) {
                nearest = std::min(nearest, distanceSquared(*candidate, other));
            }
            if (nearest > farthestDistance) {
                farthestDistance = nearest;
                farthest = candidate;
            }
        }
        colours[static_cast<std::size_t>(slot)] = *farthest;
        placed.push_back(*farthest);
        cube.erase(farthest);
    }
    return colours;
}

std::string jascText(std::span<const Rgb> colours) {
    std::string text = "JASC-PAL\r\n0100\r\n" + std::to_string(colours.size()) + "\r\n";
    for (const Rgb& colour : colours) {
        text += std::to_string(colour.red) + ' ' + std::to_string(colour.green) + ' ' +
                std::to_string(colour.blue) + "\r\n";
    }
    return text;
}

int nearestIndex(std::span<const Rgb> colours, Rgb wanted, int first, int last) {
    int best = first;
    for (int index = first; index <= last; ++index) {
        const Rgb& candidate = colours[static_cast<std::size_t>(index)];
        if (largestDifference(candidate, wanted) <
            largestDifference(colours[static_cast<std::size_t>(best)], wanted)) {
            best = index;
        }
    }
    return best;
}

}  // namespace PaletteDesign
