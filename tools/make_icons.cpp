// Writes the desktop icon at the icon theme's sizes: OUT/hicolor/NxN/apps/vestrix.png.
#include <QDir>
#include <QString>
#include <cstdio>

#include "tools/app_icon.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vestrix-make-icons OUTPUT-FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    for (const int size : AppIcon::kSizes) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(folder) ||
            !AppIcon::draw(size).save(folder + QStringLiteral("/vestrix.png"), "PNG")) {
            std::fprintf(stderr, "vestrix-make-icons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
