// The conversion of one picture. FIFA 99 pictures carry their own 256-colour palettes; FIFA 2000
// wants all nine pictures of a kit on one palette, at other sizes, with the sleeve rows shifted.
#include "conversion/entry_converter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "conversion/color_matcher.h"
#include "conversion/work_palette.h"

namespace {

constexpr std::uint8_t kPaletteType32 = 0x2A;  // blue, green, red, alpha
constexpr std::uint8_t kPaletteType24 = 0x24;  // red, green, blue
constexpr int kProgressStep = 2;
// FIFA 2000 wraps the sleeve texture seven pixels further round the arm than FIFA 99 did.
constexpr int kSleeveShift = 7;

void advanceProgress(ConversionHost& host) { host.setProgress(host.progress() + kProgressStep); }

/** The palette attached to a FIFA 99 picture; all black when its type is unknown. */
Palette readSourcePalette(const SourceArchive& source, std::uint32_t entryOffset) {
    const std::uint64_t attachment = source.byteAt(entryOffset + 1) | source.byteAt(entryOffset + 2)
                                                                          << 8;
    const std::uint64_t block = entryOffset + attachment;
    const std::uint8_t type = source.byteAt(block);
    Palette palette{};
    if (type != kPaletteType32 && type != kPaletteType24) return palette;

    std::array<std::uint8_t, 256 * 4> colors;
    if (type == kPaletteType32) {
        source.read(block + 16, colors);
        for (std::size_t k = 0; k < palette.size(); ++k) {
            const std::uint8_t* c = &colors[k * 4];
            palette[k] = PaletteColor::fromRgb(c[2], c[1], c[0]);
        }
    } else {
        source.read(block + 16, std::span(colors).first(256 * 3));
        for (std::size_t k = 0; k < palette.size(); ++k) {
            const std::uint8_t* c = &colors[k * 3];
            palette[k] = PaletteColor::fromRgb(c[0], c[1], c[2]);
        }
    }
    return palette;
}

void drawSourcePreview(const SourceArchive& source, std::uint32_t entryOffset,
                       const ConversionTarget& target, const Palette& sourcePalette,
                       PreviewSurface& preview) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(target.sourceWidth));
    std::uint64_t position = entryOffset + 16;
    for (int y = 0; y < target.sourceHeight; ++y, position += row.size()) {
        source.read(position, row);
        for (int x = 0; x < target.sourceWidth; ++x) {
            preview.pset(static_cast<float>(x), static_cast<float>(y),
                         sourcePalette[row[static_cast<std::size_t>(x)]].ColorValue);
        }
    }
}

/**
 * Nearest-neighbour scaling by one step on both axes. Each source row is sampled at x = 0, step,
 * 2 * step... (a running sum of doubles, whose rounding decides the columns) and written when
 * its preview row lies past the rows written so far, so target row r holds source row
 * floor(r * step) + 1; at scale 1 the last source row is written twice. The samples fall on the
 * same columns in every row, so they are worked out once.
 */
void resampleRows(const SourceArchive& source, std::uint32_t entryOffset,
                  const ConversionTarget& target, const Palette& sourcePalette,
                  ColorMatcher& matcher, const Palette& targetPalette, WorkFile& work,
                  PreviewSurface* preview, ColorMemo* memo) {
    const double step = target.scaleStep();
    const int targetWidth = target.area.width;
    const int targetHeight = target.area.height;
    // A FIFA 99 picture is at most 128 wide, a FIFA 2000 one at most 100.
    constexpr std::size_t kWidest = 128;
    std::array<std::uint8_t, kWidest> sampleColumns;
    std::array<float, kWidest> previewXs;
    std::size_t samples = 0;
    for (double x = 0; x <= target.sourceWidth - 1 && samples < kWidest; x += step, ++samples) {
        sampleColumns[samples] = static_cast<std::uint8_t>(std::nearbyint(x));
        previewXs[samples] = static_cast<float>(x / step);
    }
    const std::size_t rowSamples = std::min(samples, static_cast<std::size_t>(targetWidth));

    std::array<std::uint8_t, kWidest> sourceRowBytes;
    std::array<std::uint8_t, kWidest> targetRowBytes{};
    const auto sourceRow =
        std::span(sourceRowBytes).first(static_cast<std::size_t>(target.sourceWidth));
    const auto targetRow = std::span(targetRowBytes).first(static_cast<std::size_t>(targetWidth));

    // The target index of each source index, once known. The front picture adds colours to the
    // palette in the order its pixels are met, so it is matched pixel by pixel until every
    // source index has its answer. The later pictures search a palette that no longer changes:
    // their answers do not depend on order, so the whole map is made first.
    constexpr std::uint16_t kUnknown = 0x100;
    std::array<std::uint16_t, 256> answers;
    answers.fill(kUnknown);
    int unknown = static_cast<int>(answers.size());
    std::array<std::uint8_t, 256> map{};  // the finished answers as bytes, for the row loop
    if (!target.buildsPalette) {
        if (const auto* known = memo ? memo->mapOf(sourcePalette) : nullptr) {
            map = *known;  // hjbk, mjfr and mrsv each feed more than one picture
        } else {
            map = matcher.matchPalette(sourcePalette);
            if (memo) memo->rememberMap(sourcePalette, map);
        }
        std::copy(map.begin(), map.end(), answers.begin());
        unknown = 0;
    }
    auto targetIndex = [&](std::uint8_t c) {
        std::uint16_t& t = answers[c];
        if (t == kUnknown) {
            t = static_cast<std::uint16_t>(matcher.MatchColor(sourcePalette[c]));
            map[c] = static_cast<std::uint8_t>(t);
            --unknown;
        }
        return static_cast<std::uint8_t>(t);
    };

    int rowsWritten = 0;
    auto writeRow = [&] {
        if (rowsWritten >= targetHeight) return;  // never past the picture's own area
        work.write(target.area.offset + static_cast<std::uint32_t>(rowsWritten * targetWidth),
                   targetRow);
        ++rowsWritten;
    };

    std::uint64_t position = entryOffset + 16;
    for (int y = 0; y < target.sourceHeight; ++y, position += sourceRow.size()) {
        const float previewY = static_cast<float>(y / step);
        const bool written = previewY > static_cast<float>(rowsWritten);
        // Once every answer is known, a row that is neither written nor previewed changes
        // nothing (when every column of the row is sampled anew), so it need not be looked at.
        const bool mapped = unknown == 0;
        if (mapped && !preview && !written && rowSamples == targetRow.size() &&
            y != target.sourceHeight - 1)
            continue;
        // A row inside the file is read where it lies; one cut short is copied and padded.
        const std::uint8_t* row = source.bytesAt(position, sourceRow.size());
        if (!row) {
            source.read(position, sourceRow);
            row = sourceRow.data();
        }
        if (mapped && !preview) {
            for (std::size_t k = 0; k < rowSamples; ++k) targetRow[k] = map[row[sampleColumns[k]]];
        } else if (!preview) {
            // Every sample is matched, those past the target's width too: they take slots.
            for (std::size_t k = 0; k < samples; ++k) {
                const std::uint8_t t = targetIndex(row[sampleColumns[k]]);
                if (k < rowSamples) targetRow[k] = t;
            }
        } else {
            for (std::size_t k = 0; k < samples; ++k) {
                const std::uint8_t t = targetIndex(row[sampleColumns[k]]);
                preview->pset(previewXs[k], previewY, targetPalette[t].ColorValue);
                if (k < rowSamples) targetRow[k] = t;
            }
        }
        if (target.rotatesRows()) {
            std::rotate(targetRow.begin(), targetRow.end() - kSleeveShift, targetRow.end());
        }
        if (written) writeRow();
    }
    if (rowsWritten != targetHeight) writeRow();
}

}  // namespace

void ConvertFoundEntry(const SourceArchive& source, std::uint32_t entryOffset,
                       const ConversionTarget& target, WorkFile& work,
                       const PaletteFileLoader& loadPaletteFile, ConversionHost& host,
                       ColorMemo* memo) {
    const Palette sourcePalette = readSourcePalette(source, entryOffset);
    advanceProgress(host);
    if (target.sourcePreview >= 0 && host.wantsPreviews()) {
        drawSourcePreview(source, entryOffset, target, sourcePalette,
                          host.preview(target.sourcePreview));
    }
    advanceProgress(host);

    Palette targetPalette = target.buildsPalette ? loadPaletteFile() : LoadWorkPalette(work);
    ColorMatcher matcher(
        targetPalette, target.buildsPalette ? ColorMatcher::kLastFixedSlot : ColorMatcher::kTopSlot,
        host.paletteBase());
    advanceProgress(host);

    // The front picture grows the palette as it goes, so only the later ones may use the memo.
    if (target.buildsPalette) memo = nullptr;
    if (memo) memo->prepare(targetPalette, host.paletteBase());
    resampleRows(source, entryOffset, target, sourcePalette, matcher, targetPalette, work,
                 host.wantsPreviews() ? &host.preview(target.convertedPreview) : nullptr, memo);
    if (target.buildsPalette) StoreWorkPalette(work, targetPalette);
    if (target.buildsPalette && matcher.ranOutOfSlots()) host.paletteSlotsRanOut();
    advanceProgress(host);
}

void ConvertEntry(const SourceArchive& source, std::string_view targetTag, WorkFile& work,
                  const PaletteFileLoader& loadPaletteFile, ConversionHost& host, ColorMemo* memo) {
    const ConversionTarget* target = findConversionTarget(targetTag);
    const auto entryOffset = target ? source.findEntry(target->sourceTag) : std::nullopt;
    if (entryOffset)
        ConvertFoundEntry(source, *entryOffset, *target, work, loadPaletteFile, host, memo);
    advanceProgress(host);
}

void ConvertJersey(const SourceArchive& source, WorkFile& work,
                   const PaletteFileLoader& loadPaletteFile, ConversionHost& host) {
    ColorMemo memo;
    for (const ConversionTarget& target : conversionTable()) {
        ConvertEntry(source, target.targetTag, work, loadPaletteFile, host, &memo);
    }
}
