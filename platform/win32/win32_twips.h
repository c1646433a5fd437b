// The twips of the windows' design on this screen: the system's density, read once. The program
// declares itself aware of the system's DPI and no more (see its manifest), so the density stays
// the same while it runs and Windows does not stretch its windows.
#pragma once

#include <windows.h>

#include <optional>

namespace Win32Twips {

/** The screen's dots per inch: 96 at the usual setting. */
int dotsPerInch();

int toPixels(int twips);
/**
 * A twips value from outside (the layout scaler) as pixels; nothing for a fraction of a twip or a
 * place beyond what a window can take.
 */
std::optional<int> toPixels(double twips);
/** Twips from pixels on this screen, fraction kept. */
double fromPixels(int pixels);

/** A place given as left, top, width and height in twips, as pixels (left, top, right, bottom). */
RECT toRect(int left, int top, int width, int height);

/** The font height of CreateFont for a size in points on this screen. */
int fontHeight(double points);

}  // namespace Win32Twips
