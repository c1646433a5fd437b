// Writing .ico files: a directory of images, each a PNG or a device-independent bitmap with its
// transparency mask.
#include "tools/icon_file.h"

#include <QBuffer>
#include <array>
#include <climits>
#include <stdexcept>

namespace IconFile {
namespace {

constexpr int kDirectoryBytes = 6;
constexpr int kEntryBytes = 16;

// The sixteen colours of the classic palette, in the order of their indexes.
constexpr std::array<QRgb, 16> kClassicColours = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

void append16(QByteArray& bytes, int value) {
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
}

void append32(QByteArray& bytes, qint64 value) {
    append16(bytes, static_cast<int>(value & 0xFFFF));
    append16(bytes, static_cast<int>((value >> 16) & 0xFFFF));
}

struct Entry {
    int size;
    int colourCount;  // 0: more than 256
    int bitsPerPixel;
    QByteArray data;
};

QByteArray iconFile(const std::vector<Entry>& entries) {
    QByteArray file;
    append16(file, 0);  // reserved
    append16(file, 1);  // an icon, not a cursor
    append16(file, static_cast<int>(entries.size()));
    qint64 offset = kDirectoryBytes + kEntryBytes * static_cast<qint64>(entries.size());
    for (const Entry& entry : entries) {
        // 256 is written as 0: the field is one byte.
        file.append(static_cast<char>(entry.size % 256));
        file.append(static_cast<char>(entry.size % 256));
        file.append(static_cast<char>(entry.colourCount));
        file.append('\0');
        append16(file, 1);  // planes
        append16(file, entry.bitsPerPixel);
        append32(file, entry.data.size());
        append32(file, offset);
        offset += entry.data.size();
    }
    for (const Entry& entry : entries) file.append(entry.data);
    return file;
}

int nearestClassicColour(QRgb colour) {
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < static_cast<int>(kClassicColours.size()); ++i) {
        const int dr = qRed(colour) - qRed(kClassicColours[i]);
        const int dg = qGreen(colour) - qGreen(kClassicColours[i]);
        const int db = qBlue(colour) - qBlue(kClassicColours[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace

QByteArray withPngImages(const std::vector<QImage>& images) {
    std::vector<Entry> entries;
    for (const QImage& image : images) {
        if (image.width() != image.height() || image.width() > 256) {
            throw std::invalid_argument("icon images are square and at most 256 pixels");
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG")) {
            throw std::runtime_error("PNG encoding of an icon image failed");
        }
        entries.push_back({image.width(), 0, 32, png});
    }
    return iconFile(entries);
}

QByteArray sixteenColours(const QImage& image) {
    constexpr int kSize = 32;
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    if (source.width() != kSize || source.height() != kSize) {
        throw std::invalid_argument("a sixteen-colour icon is 32 x 32");
    }
    constexpr int kColourRowBytes = kSize / 2;  // two pixels a byte, rows a multiple of 4 bytes
    constexpr int kMaskRowBytes = 4;            // one bit a pixel, padded to 4 bytes
    QByteArray data;
    append32(data, 40);         // header size
    append32(data, kSize);      // width
    append32(data, 2 * kSize);  // height of colours and mask together
    append16(data, 1);          // planes
    append16(data, 4);          // bits per pixel
    append32(data, 0);          // no compression
    append32(data, kSize * (kColourRowBytes + kMaskRowBytes));
    append32(data, 0);
    append32(data, 0);
    append32(data, 16);  // colours used
    append32(data, 0);
    for (const QRgb colour : kClassicColours) {
        data.append(static_cast<char>(qBlue(colour)));
        data.append(static_cast<char>(qGreen(colour)));
        data.append(static_cast<char>(qRed(colour)));
        data.append('\0');
    }
    // Rows from the bottom up, colours first, then the mask (a set bit shows what lies behind).
    QByteArray colours, mask;
    for (int y = kSize - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < kSize; x += 2) {
            const auto index = [&](int at) {
                return qAlpha(row[at]) < 128 ? 0 : nearestClassicColour(row[at]);
            };
            colours.append(static_cast<char>((index(x) << 4) | index(x + 1)));
        }
        for (int x = 0; x < kSize; x += 8) {
            int bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if (qAlpha(row[x + bit]) < 128) bits |= 0x80 >> bit;
            }
            mask.append(static_cast<char>(bits));
        }
    }
    data.append(colours);
    data.append(mask);
    return iconFile({{kSize, 16, 4, data}});
}

}  // namespace IconFile
