// Whole-number arithmetic of the layout scaler: rounding, range checks and scaling by a percentage.
#pragma once

#include <cstdint>

namespace LayoutNumbers {

/** Nearest whole number, halves to the even one (1234.5 -> 1234); fails outside 32 bits. */
std::int32_t roundToInt32(double value);

/** A whole number of 64 bits back to 32; fails when it does not fit. */
std::int32_t checkedInt32(std::int64_t value);

/**
 * value x percent, integer-divided by 100 toward zero (-199.5 -> -199). The product is exact
 * and must itself fit in 32 bits.
 */
std::int32_t scale(std::int32_t value, double percent);

}  // namespace LayoutNumbers
