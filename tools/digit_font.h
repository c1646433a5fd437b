// A 5 x 7 pixel font of the digits 0..9, for shirt numbers.
#pragma once

namespace DigitFont {

inline constexpr int kWidth = 5;
inline constexpr int kHeight = 7;

/** Whether the glyph of digit (0..9) covers column x (0..4) of row y (0..6). */
bool covers(int digit, int x, int y);

}  // namespace DigitFont
