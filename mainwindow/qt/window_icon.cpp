// The main window's icon, drawn pixel-exact with the sixteen classic colours.
#include "mainwindow/qt/window_icon.h"

#include <QPainter>
#include <QPolygon>

namespace {
// Colours of the classic sixteen-colour set.
constexpr QRgb kNavy = 0xFF000080;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
}  // namespace

QImage windowIconImage() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);

    // Body and sleeves of a shirt seen from the front, with a V-neck.
    const QPolygon shirt({{10, 3},
                          {13, 3},
                          {16, 7},
                          {19, 3},
                          {22, 3},
                          {30, 9},
                          {27, 15},
                          {24, 13},
                          {24, 29},
                          {8, 29},
                          {8, 13},
                          {5, 15},
                          {2, 9}});
    painter.setPen(QColor(kBlack));
    painter.setBrush(QColor(kRed));
    painter.drawPolygon(shirt);

    // Two white stripes down the front and navy cuffs.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kWhite));
    painter.drawRect(12, 9, 2, 20);
    painter.drawRect(18, 9, 2, 20);
    painter.setBrush(QColor(kNavy));
    painter.drawPolygon(QPolygon({{2, 9}, {4, 10}, {7, 14}, {5, 15}}));
    painter.drawPolygon(QPolygon({{30, 9}, {28, 10}, {25, 14}, {27, 15}}));
    return image;
}

QIcon makeWindowIcon() { return QIcon(QPixmap::fromImage(windowIconImage())); }
