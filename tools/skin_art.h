// The pictures shipped with the program, painted from nothing: three skins for the main window
// and the splash window's banner.
#pragma once

#include <QImage>

namespace SkinArt {

/** The default skin: deep blue into ice, frost crystals; exactly the main window's client area. */
QImage subzero();

/** A larger skin (its bottom and right are cut off on the window): a glacier under an aurora. */
QImage glacier();

/** A smaller skin (the skin before it keeps showing at the edges): a frosted pane. */
QImage frost();

/** The splash banner, 380 x 120: the maker's name over the product's. */
QImage banner();

}  // namespace SkinArt
