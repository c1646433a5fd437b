// Preview pictures as PNG. The sizes are the window's preview boxes, given in twips as the window
// lays them out (15 twips to a pixel), so the files show what the window shows.
#include "preview_set.h"

#include <cmath>

#include "file_access_error.h"
#include "png_encoder.h"

namespace {
// Width and height in twips of preview boxes 0 to 7.
constexpr int kBoxTwips[8][2] = {{1984, 1984}, {1550, 1550}, {540, 540}, {540, 540},
                                 {992, 992},   {992, 992},   {992, 744}, {992, 744}};
// The boxes' background before anything is drawn: the window's light grey.
constexpr std::uint32_t kBackground = 0xC0C0C0;

int twipsToPixels(int twips) { return static_cast<int>(std::nearbyint(twips / 15.0)); }
}  // namespace

PreviewSet::PreviewSet() { clear(); }

void PreviewSet::clear() {
    for (std::size_t i = 0; i < m_previews.size(); ++i) {
        m_previews[i] = std::make_unique<MemoryPreview>(
            twipsToPixels(kBoxTwips[i][0]), twipsToPixels(kBoxTwips[i][1]), kBackground);
    }
}

std::string PreviewSet::writePng(const std::vector<WriteTarget>& targets) const {
    for (std::size_t i = 0; i < m_previews.size() && i < targets.size(); ++i) {
        const MemoryPreview& preview = *m_previews[i];
        try {
            const std::vector<std::uint8_t> png =
                encodePng(preview.width(), preview.height(), preview.pixels());
            if (png.empty()) throw FileAccessError("Cannot encode " + targets[i].path());
            targets[i].write(png);
        } catch (const FileAccessError& error) {
            for (std::size_t written = 0; written < i; ++written) targets[written].remove();
            return std::string(error.what()) +
                   (i > 0 ? "; the kit's other previews were removed again" : "");
        }
    }
    return {};
}
