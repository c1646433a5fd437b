// What a conversion needs from whoever runs it: the colour mode, eight preview surfaces and a
// progress value. The main window supplies them through a small adapter over its view; so do the
// command-line converter and the tests. The files themselves are read and written by the caller.
#pragma once

#include <cstdint>

#include "conversion/color_mode.h"

/** A picture that takes single points, like the window's preview boxes (one unit per pixel). */
class PreviewSurface {
public:
    virtual ~PreviewSurface() = default;
    /** Draws one point; colorValue is red + 256 * green + 65536 * blue. */
    virtual void pset(float x, float y, std::uint32_t colorValue) = 0;
    /** The vertical coordinate of the last point drawn. */
    virtual float currentY() const = 0;
};

class ConversionHost {
public:
    static constexpr int kPreviewCount = 8;

    virtual ~ConversionHost() = default;
    /** Lowest palette index the colour search considers: paletteBaseOf the colour mode. */
    virtual std::int16_t paletteBase() const = 0;
    /** Preview surface 0 to 7. */
    virtual PreviewSurface& preview(int index) = 0;
    /** False when nobody looks at the previews (batch work): the conversion then skips them. */
    virtual bool wantsPreviews() const { return true; }
    /** The progress value, 0 to 90 over one whole load. */
    virtual int progress() const = 0;
    virtual void setProgress(int value) = 0;
    /** The front picture had more distinct colours than the palette's free slots could take. */
    virtual void paletteSlotsRanOut() {}
};
