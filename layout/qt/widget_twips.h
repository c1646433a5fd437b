// Between the scaler's twips and a widget's pixels, refusing what a widget cannot take.
#pragma once

#include <QWidget>
#include <cmath>
#include <optional>

#include "platform/common/twips.h"

namespace WidgetTwips {

/** What the scaler reads: a pixel count in twips. */
inline double fromPixels(int pixels) { return static_cast<double>(pixels) * Twips::kPerPixel; }

/** A whole number of twips as pixels; nothing for fractions or places beyond a widget's reach. */
inline std::optional<int> toPixels(double twips) {
    constexpr double kLimit = static_cast<double>(QWIDGETSIZE_MAX) * Twips::kPerPixel;
    if (!(std::abs(twips) <= kLimit) || std::nearbyint(twips) != twips) return std::nullopt;
    return Twips::toPixels(static_cast<int>(twips));
}

}  // namespace WidgetTwips
