// Which FIFA 99 picture feeds which FIFA 2000 picture, at what scale, with which previews.
#pragma once

#include <span>
#include <string_view>

#include "conversion/work_file_layout.h"

struct ConversionTarget {
    std::string_view targetTag;
    std::string_view sourceTag;
    int sourceWidth;
    int sourceHeight;
    WorkFileLayout::PixelArea area;
    int sourcePreview;  // -1: none
    int convertedPreview;
    bool buildsPalette;  // only hjfr builds the shared palette; the others read it back

    double scaleStep() const { return static_cast<double>(sourceHeight) / area.height; }
    bool rotatesRows() const { return targetTag.ends_with("slv"); }
};

/** The nine targets in the order one load converts them. */
std::span<const ConversionTarget> conversionTable();

/** The row of targetTag (lower case, compared exactly), or nullptr. */
const ConversionTarget* findConversionTarget(std::string_view targetTag);
