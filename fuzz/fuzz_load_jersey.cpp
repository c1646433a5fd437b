// Arbitrary bytes as a FIFA 99 jersey through a whole load: no crash, no read or write outside
// the buffers, the work file's length unchanged and only its picture and palette areas written.
// The input's first byte is a choice, the rest is the kit: bit 0 draws the previews too, bit 1
// picks the 64-colour mode, so each run pays for one load and previews only when asked.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "conversion/entry_converter.h"
#include "conversion/kit_gaps.h"
#include "conversion/memory_preview.h"
#include "conversion/memory_work_file.h"
#include "conversion/work_file_layout.h"

namespace {

class FuzzHost : public ConversionHost {
public:
    FuzzHost(ColorMode colorMode, bool previews) : m_colorMode(colorMode), m_previews(previews) {}
    bool wantsPreviews() const override { return m_previews; }
    std::int16_t paletteBase() const override { return paletteBaseOf(m_colorMode); }
    PreviewSurface& preview(int) override { return m_preview; }
    int progress() const override { return m_progress; }
    void setProgress(int value) override { m_progress = value; }

private:
    ColorMode m_colorMode;
    bool m_previews;
    MemoryPreview m_preview{132, 132};
    int m_progress = 0;
};

Palette paletteFile() {
    Palette palette;
    for (int i = 0; i < 256; ++i) {
        palette[static_cast<std::size_t>(i)] = PaletteColor::fromRgb(i, (i * 7) % 256, 255 - i);
    }
    return palette;
}

/** The stretches of the work file outside the picture and palette areas, which no load may touch.
 */
std::vector<std::pair<std::size_t, std::size_t>> untouchedStretches(std::size_t length) {
    namespace L = WorkFileLayout;
    std::vector<std::pair<std::size_t, std::size_t>> written = {
        {L::kPaletteOffset, L::kPaletteOffset + L::kPaletteBytes}};
    for (const auto& area : L::kAreasInFileOrder) written.emplace_back(area.offset, area.end());
    std::sort(written.begin(), written.end());
    std::vector<std::pair<std::size_t, std::size_t>> untouched;
    std::size_t from = 0;
    for (const auto& [begin, end] : written) {
        if (begin > from) untouched.emplace_back(from, begin);
        from = std::max(from, end);
    }
    untouched.emplace_back(from, length);
    return untouched;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Palette palette = paletteFile();
    static const std::vector<std::uint8_t> templateBytes(WorkFileLayout::kMinimumLength + 64, 0xA5);
    static const auto untouched = untouchedStretches(templateBytes.size());
    if (size == 0) return 0;
    const bool previews = (data[0] & 1) != 0;
    const ColorMode colorMode = (data[0] & 2) != 0 ? ColorMode::SixtyFourColors : ColorMode::Normal;
    const SourceArchive source(std::vector<std::uint8_t>(data + 1, data + size));
    // The damage check the command-line converter runs first: it must finish on any bytes, and a
    // kit it calls whole must really hold every byte the conversion reads.
    const KitGaps gaps = KitGaps::of(source);
    if (gaps.damage.empty() && source.size() < 16 + 8 * SourceArchive::kDirectoryRecords)
        std::abort();
    FuzzHost host(colorMode, previews);
    MemoryWorkFile work(templateBytes);
    ConvertJersey(
        source, work, [] { return palette; }, host);
    if (work.bytes().size() != templateBytes.size()) std::abort();
    for (const auto& [begin, end] : untouched) {
        if (std::memcmp(work.bytes().data() + begin, templateBytes.data() + begin, end - begin) !=
            0)
            std::abort();
    }
    if (host.progress() < 18 || host.progress() > 90) std::abort();
    return 0;
}
