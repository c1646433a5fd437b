// Arbitrary bytes as a FIFA 99 jersey through a whole load, in both colour modes: no crash, no
// read or write outside the buffers, the work file's length unchanged and only its picture and
// palette areas written.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "entry_converter.h"
#include "kit_inspection.h"
#include "memory_preview.h"
#include "memory_work_file.h"
#include "work_file_layout.h"

namespace {

class FuzzHost : public ConversionHost {
public:
    explicit FuzzHost(std::int16_t base) : m_base(base) {}
    std::string programFolder() const override { return {}; }
    std::int16_t paletteBase() const override { return m_base; }
    PreviewSurface& preview(int) override { return m_preview; }
    int progress() const override { return m_progress; }
    void setProgress(int value) override { m_progress = value; }

private:
    std::int16_t m_base;
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

bool insideWrittenAreas(std::size_t offset) {
    namespace L = WorkFileLayout;
    if (offset >= L::kPaletteOffset && offset < L::kPaletteOffset + L::kPaletteBytes) return true;
    for (const auto& area : L::kAreasInFileOrder) {
        if (offset >= area.offset && offset < area.end()) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Palette palette = paletteFile();
    static const std::vector<bool> written = [] {
        std::vector<bool> mask(WorkFileLayout::kMinimumLength + 64);
        for (std::size_t i = 0; i < mask.size(); ++i) mask[i] = insideWrittenAreas(i);
        return mask;
    }();
    const std::vector<std::uint8_t> templateBytes(WorkFileLayout::kMinimumLength + 64, 0xA5);
    const SourceArchive source(std::vector<std::uint8_t>(data, data + size));
    // The damage check the command-line converter runs first: it must finish on any bytes, and a
    // kit it calls whole must really hold every byte the conversion reads.
    const KitInspection inspection = KitInspection::of(source);
    if (inspection.damage.empty() && size < 16 + 8 * SourceArchive::kDirectoryRecords) std::abort();
    for (std::int16_t base : {std::int16_t{191}, std::int16_t{0}}) {
        FuzzHost host(base);
        MemoryWorkFile work(templateBytes);
        ConvertJersey(source, work, [] { return palette; }, host);
        if (work.bytes().size() != templateBytes.size()) std::abort();
        for (std::size_t i = 0; i < templateBytes.size(); ++i) {
            if (!written[i] && work.bytes()[i] != templateBytes[i]) std::abort();
        }
        if (host.progress() < 18 || host.progress() > 90) std::abort();
    }
    return 0;
}
