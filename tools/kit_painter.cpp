// Kit pictures. Every picture is painted in the kit's tone palette from normalised coordinates
// (u across, v down, 0..1), so the same kit looks the same at 128, 64 or 16 pixels. Light comes
// from the front and a little from above: the body darkens towards its sides, folds ripple
// across the lower half, and flat prints (badge, number sheet) are not shaded.
// Only +, -, *, / and sqrt are used (no sin or pow, whose last bits differ between C libraries),
// so the pictures come out byte for byte the same wherever the generator is built.
#include "tools/kit_painter.h"

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>

#include "tools/digit_font.h"

namespace {

using Role = KitDesign::Role;

double sqr(double value) { return value * value; }

// A smooth wave of period 1 shaped like a sine (0 at 0, 1 at 1/4, -1 at 3/4), from a triangle
// wave rounded off by a cubic.
double wave(double x) {
    const double shifted = x + 0.75;
    const double triangle = 4 * std::abs(shifted - std::floor(shifted) - 0.5) - 1;
    return triangle * (1.5 - 0.5 * sqr(triangle));
}

IndexedImage paint(int width, int height,
                   const std::function<std::uint8_t(int x, int y, double u, double v)>& pixel) {
    IndexedImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.set(x, y, pixel(x, y, (x + 0.5) / width, (y + 0.5) / height));
        }
    }
    return image;
}

// The body's roundness: flat and bright across the chest, falling off quickly towards the
// sides; lit a little from above, with diagonal folds that grow towards the hem.
double bodyLight(double u, double v) {
    const double folds = 0.12 * v * std::sqrt(v) * wave(2.5 * u + 1.5 * v);
    return 0.80 - 0.75 * sqr(2 * u - 1) + 0.10 * (1 - v) + folds;
}

// A shield: straight sides down to its shoulder, then narrowing to a point.
bool insideShield(double u, double v) {
    constexpr double kCentre = 0.70, kHalfWidth = 0.075, kTop = 0.19, kShoulder = 0.29,
                     kBottom = 0.38;
    if (v < kTop || v > kBottom) return false;
    const double halfWidth =
        v <= kShoulder ? kHalfWidth : kHalfWidth * (kBottom - v) / (kBottom - kShoulder);
    return std::abs(u - kCentre) <= halfWidth;
}

}  // namespace

KitPainter::KitPainter(KitDesign design, TonePalette tones)
    : m_design(std::move(design)), m_tones(std::move(tones)) {}

KitDesign::Role KitPainter::patternRole(double u, double v, bool fromBehind) const {
    if (m_design.pinstripes > 0) {
        const double spacing = 1.0 / m_design.pinstripes;
        if (std::abs(std::fmod(u, spacing) - spacing / 2) < 0.006) return Role::Trim;
    }
    switch (m_design.pattern) {
        case KitDesign::Pattern::Plain:
            return Role::Body;
        case KitDesign::Pattern::VerticalStripes:
            return static_cast<int>(u * m_design.bands) % 2 == 1 ? Role::Second : Role::Body;
        case KitDesign::Pattern::Hoops:
            return static_cast<int>(v * m_design.bands) % 2 == 1 ? Role::Second : Role::Body;
        case KitDesign::Pattern::Halves:
            // Seen from behind the wearer's right half is on the viewer's right.
            return (u < 0.5) != fromBehind ? Role::Body : Role::Second;
    }
    return Role::Body;
}

std::uint8_t KitPainter::shaded(KitDesign::Role role, double light) const {
    return m_tones.indexForLight(role, light);
}

IndexedImage KitPainter::front(int width, int height) const {
    return paint(width, height, [&](int x, int y, double u, double v) {
        const double light = bodyLight(u, v) - m_design.fade * v;

        // The neck: an opening (the inside of the back, in deep shadow) with a trim band round it.
        const double across = std::abs(u - 0.5);
        if (m_design.neck == KitDesign::Neck::Crew) {
            const double opening = sqr(across / 0.13) + sqr(v / 0.08);
            const double band = sqr(across / 0.165) + sqr(v / 0.115);
            if (opening < 1) return m_tones.index(Role::Body, 0);
            if (band < 1) return shaded(Role::Trim, light);
        } else {
            if (across < 0.15 * (1 - v / 0.20)) return m_tones.index(Role::Body, 0);
            if (across < 0.19 * (1 - v / 0.27)) return shaded(Role::Trim, light);
        }

        if (m_design.badge && insideShield(u, v)) {
            const auto inside = [&](int px, int py) {
                return insideShield((px + 0.5) / width, (py + 0.5) / height);
            };
            if (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1)) {
                return m_tones.flat(Role::Trim);
            }
            if (std::abs((u - 0.70) - 0.8 * (v - 0.27)) < 0.022) {
                return m_tones.flat(Role::BadgeMark);
            }
            return m_tones.flat(Role::BadgeField);
        }
        return shaded(patternRole(u, v, false), light);
    });
}

IndexedImage KitPainter::back(int width, int height) const {
    const std::string digits = m_design.number >= 0 ? std::to_string(m_design.number) : "";
    const double scale = 0.36 * height / DigitFont::kHeight;
    const double numberWidth =
        (static_cast<double>(digits.size()) * (DigitFont::kWidth + 1) - 1) * scale;
    const double left = (width - numberWidth) / 2;
    const double top = 0.23 * height;

    return paint(width, height, [&](int x, int y, double u, double v) {
        const double light = bodyLight(u, v) - m_design.fade * v;

        // The back of the collar: a shallow band across the middle of the top edge.
        const double across = (u - 0.5) / 0.22;
        if (std::abs(across) < 1 && v < 0.05 + 0.035 * (1 - sqr(across))) {
            return shaded(Role::Trim, light);
        }

        if (!digits.empty()) {
            const int column = static_cast<int>(std::floor((x + 0.5 - left) / scale));
            const int row = static_cast<int>(std::floor((y + 0.5 - top) / scale));
            const int glyph = column / (DigitFont::kWidth + 1);
            if (column >= 0 && glyph < static_cast<int>(digits.size()) &&
                DigitFont::covers(digits[static_cast<std::size_t>(glyph)] - '0',
                                  column % (DigitFont::kWidth + 1), row)) {
                return shaded(Role::Number, light);
            }
        }
        if (m_design.numberPanel && u > 0.24 && u < 0.76 && v > 0.18 && v < 0.65) {
            return shaded(Role::Second, light);
        }
        return shaded(patternRole(u, v, true), light);
    });
}

IndexedImage KitPainter::sleeve(int width, int height) const {
    return paint(width, height, [&](int, int, double u, double v) {
        const double light = 0.76 - 0.70 * sqr(2 * u - 1) + 0.06 * wave(1.5 * v + 0.5 * u);
        if (v > 0.84) return shaded(Role::Trim, light);  // the cuff
        if (m_design.sleeveStripe && std::abs(u - 0.5) < 0.05) return shaded(Role::Trim, light);
        if (m_design.hoopedSleeves) {
            // The hoops go on round the arm at the body's spacing.
            return shaded(static_cast<int>(v * 3) % 2 == 1 ? Role::Second : Role::Sleeve, light);
        }
        return shaded(Role::Sleeve, light);
    });
}

IndexedImage KitPainter::shorts(int width, int height) const {
    return paint(width, height, [&](int, int, double u, double v) {
        const double leg = u < 0.5 ? 2 * u : 2 * u - 1;
        const double light = 0.85 - 0.75 * sqr(2 * leg - 1) - 0.08 * v;
        if (v < 0.12) return shaded(Role::Trim, light);              // waistband
        if (u < 0.04 || u > 0.96) return shaded(Role::Trim, light);  // side stripes
        return shaded(Role::Shorts, light);
    });
}

IndexedImage KitPainter::socks(int width, int height) const {
    return paint(width, height, [&](int, int, double u, double v) {
        const double light = 0.85 - 0.75 * sqr(2 * u - 1);
        if (v < 0.28) {
            // The turnover: trim with two rings of the shirt colour.
            const bool ring = (v > 0.09 && v < 0.13) || (v > 0.17 && v < 0.21);
            return shaded(ring ? Role::Body : Role::Trim, light);
        }
        return shaded(Role::Socks, light);
    });
}

IndexedImage KitPainter::numberSheet(int width, int height) const {
    if (width < 30 || height < 3) throw std::invalid_argument("number sheet too small");
    return paint(width, height, [&](int x, int y, double, double) {
        const int cellWidth = width / 10;
        const int digit = x / cellWidth;
        // Each glyph fills its cell but a one-pixel margin, scaled separately across and down.
        const int column = (x % cellWidth - 1) * DigitFont::kWidth / (cellWidth - 2);
        const int row = (y - 1) * DigitFont::kHeight / (height - 2);
        const bool inside =
            x % cellWidth >= 1 && x % cellWidth < cellWidth - 1 && y >= 1 && y < height - 1;
        return inside && DigitFont::covers(digit, column, row) ? m_tones.flat(Role::Number)
                                                               : m_tones.flat(Role::Body);
    });
}
