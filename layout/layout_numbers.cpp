// Rounding and scaling with the range failures that the layout scaler relies on.
#include "layout/layout_numbers.h"

#include <cmath>
#include <limits>
#include <string>

#include "layout/layout_failure.h"

namespace LayoutNumbers {

namespace {
constexpr double kMin = std::numeric_limits<std::int32_t>::min();
constexpr double kMax = std::numeric_limits<std::int32_t>::max();
}  // namespace

std::int32_t roundToInt32(double value) {
    // nearbyint under the default rounding mode rounds halves to even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= kMin && rounded <= kMax)) {
        throw LayoutFailure("Layout: the number " + std::to_string(value) +
                            " does not fit in 32 bits");
    }
    return static_cast<std::int32_t>(rounded);
}

std::int32_t checkedInt32(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        throw LayoutFailure("Layout: the number " + std::to_string(value) +
                            " does not fit in 32 bits");
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t scale(std::int32_t value, double percent) {
    // A percentage is a quotient of two 32-bit numbers, so at most 2^31 either way; the product
    // with a 32-bit value is then exact in 64 bits.
    constexpr double kLimit = 2147483648.0;
    const double whole = std::nearbyint(percent);
    if (!(whole >= -kLimit && whole <= kLimit)) {
        throw LayoutFailure("Layout: the percentage " + std::to_string(percent) +
                            " is out of range");
    }
    const std::int64_t product =
        static_cast<std::int64_t>(value) * static_cast<std::int64_t>(whole);
    return checkedInt32(product) / 100;
}

}  // namespace LayoutNumbers
