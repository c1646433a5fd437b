// The desktop icon: the window icon's red shirt with white stripes and navy cuffs, drawn on a
// 32-unit grid and scaled, so every size shows the same shirt with smooth edges.
#include "tools/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>

namespace AppIcon {

QImage draw(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(size / 32.0, size / 32.0);

    const QPolygonF shirt({{10, 3},
                           {13, 3},
                           {16, 7},
                           {19, 3},
                           {22, 3},
                           {30.5, 9},
                           {27, 15.5},
                           {24, 13.5},
                           {24, 29.5},
                           {8, 29.5},
                           {8, 13.5},
                           {5, 15.5},
                           {1.5, 9}});
    QPainterPath outline;
    outline.addPolygon(shirt);
    outline.closeSubpath();

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xD0, 0x10, 0x10));
    painter.drawPath(outline);

    // Stripes and cuffs are clipped to the shirt so they never spill over its edge.
    painter.setClipPath(outline);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(12, 8, 2, 22));
    painter.drawRect(QRectF(18, 8, 2, 22));
    painter.setBrush(QColor(0x00, 0x00, 0x80));
    painter.drawPolygon(QPolygonF({{1, 9}, {4, 10.5}, {7.5, 14.5}, {5, 16}}));
    painter.drawPolygon(QPolygonF({{31, 9}, {28, 10.5}, {24.5, 14.5}, {27, 16}}));
    painter.setClipping(false);

    // A dark outline that stays about one pixel wide at every size.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x20, 0x10, 0x10), std::max(32.0 / size, 0.6), Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(outline);
    return image;
}

}  // namespace AppIcon
