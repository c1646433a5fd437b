// The twips helper's pixel places as Qt rectangles, for the Qt views.
#pragma once

#include <QRect>

#include "platform/common/twips.h"

namespace QtTwips {

/** A control's left, top, width and height in twips as a widget geometry. */
inline QRect toRect(int left, int top, int width, int height) {
    const Twips::PixelRect pixels = Twips::toPixels(left, top, width, height);
    return QRect(pixels.left, pixels.top, pixels.width, pixels.height);
}

inline QRect toRect(const Twips::Place& place) {
    return toRect(place.left, place.top, place.width, place.height);
}

}  // namespace QtTwips
