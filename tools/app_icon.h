// The desktop icon: the program's shirt, drawn smooth at any size for the icon theme.
#pragma once

#include <QImage>

namespace AppIcon {

/** Sizes an icon theme looks for, in pixels. */
inline constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};

/** The icon at size x size pixels, transparent around the shirt. */
QImage draw(int size);

}  // namespace AppIcon
