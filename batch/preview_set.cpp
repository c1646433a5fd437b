// Preview pictures as PNG. The sizes are the window's preview boxes, converted from their twips as
// the window converts them, so the files show what the window shows.
#include "batch/preview_set.h"

#include "batch/png_encoder.h"
#include "conversion/preview_boxes.h"
#include "platform/common/twips.h"
#include "platform/file_access_error.h"

namespace {
// The boxes' background before anything is drawn: the window's light grey.
constexpr std::uint32_t kBackground = 0xC0C0C0;
}  // namespace

void PreviewSet::clear() {
    for (std::size_t i = 0; i < m_previews.size(); ++i) {
        const PreviewBoxes::Box& box = PreviewBoxes::kTwips[i];
        m_previews[i] = std::make_unique<MemoryPreview>(Twips::toPixels(box.width),
                                                        Twips::toPixels(box.height), kBackground);
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
