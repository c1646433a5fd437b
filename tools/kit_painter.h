// Paints the pictures of one kit (front, back, sleeve, shorts, socks, number sheet) at any size.
#pragma once

#include "tools/indexed_image.h"
#include "tools/kit_design.h"
#include "tools/tone_palette.h"

class KitPainter {
public:
    KitPainter(KitDesign design, TonePalette tones);

    /** The shirt seen from the front: collar at the top, badge on the wearer's left chest. */
    IndexedImage front(int width, int height) const;
    /** The shirt seen from behind, with the back number. */
    IndexedImage back(int width, int height) const;
    /**
     * A sleeve unrolled: across is around the arm (the underarm seam at both edges, so those
     * are in shadow), down is from the shoulder seam (top row) to the cuff (bottom rows).
     */
    IndexedImage sleeve(int width, int height) const;
    /** Both legs of the shorts side by side, waistband at the top. */
    IndexedImage shorts(int width, int height) const;
    /** One sock unrolled, turnover at the top. */
    IndexedImage socks(int width, int height) const;
    /** The digits 0..9 in equal cells from left to right, for names and numbers. */
    IndexedImage numberSheet(int width, int height) const;

private:
    KitDesign::Role patternRole(double u, double v, bool fromBehind) const;
    std::uint8_t shaded(KitDesign::Role role, double light) const;

    KitDesign m_design;
    TonePalette m_tones;
};
