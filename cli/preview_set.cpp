// Preview pictures as PNG. The sizes are the window's preview boxes, given in twips as the window
// lays them out (15 twips to a pixel), so the files show what the window shows.
#include "preview_set.h"

#include <cmath>

#include <QImage>
#include <QString>

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
        m_previews[i] = std::make_unique<MemoryPreview>(twipsToPixels(kBoxTwips[i][0]),
                                                        twipsToPixels(kBoxTwips[i][1]), kBackground);
    }
}

std::string PreviewSet::writePng(const std::string& folder, const std::string& name) const {
    for (std::size_t i = 0; i < m_previews.size(); ++i) {
        const MemoryPreview& preview = *m_previews[i];
        QImage image(preview.width(), preview.height(), QImage::Format_RGB32);
        for (int y = 0; y < preview.height(); ++y) {
            for (int x = 0; x < preview.width(); ++x) {
                const std::uint32_t v = preview.pixel(x, y);  // red in the low byte
                image.setPixel(x, y, qRgb(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF));
            }
        }
        const std::string path = folder + "/" + name + "-preview-" + std::to_string(i) + ".png";
        if (!image.save(QString::fromStdString(path), "PNG")) return "Cannot write " + path;
    }
    return {};
}
