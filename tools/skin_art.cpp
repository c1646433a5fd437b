// Painting the skins and the banner. Everything is drawn with paths and gradients from a fixed
// seed, never with installed fonts, so the same Qt makes the same pixels on every machine.
#include "tools/skin_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "tools/stroke_lettering.h"

namespace SkinArt {
namespace {

// A small fixed-seed generator, so the scattered crystals stand in the same places each time.
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : m_state(seed) {}
    /** Uniform in [low, high). */
    double between(double low, double high) {
        m_state = m_state * 1664525u + 1013904223u;
        return low + (high - low) * static_cast<double>(m_state >> 8) / double(1u << 24);
    }

private:
    std::uint32_t m_state;
};

QImage canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

void fillGradient(QPainter& painter, const QRectF& area, QPointF from, QPointF to,
                  std::initializer_list<std::pair<qreal, QColor>> stops) {
    QLinearGradient gradient(from, to);
    for (const auto& [at, colour] : stops) gradient.setColorAt(at, colour);
    painter.fillRect(area, gradient);
}

/** Long thin splinters of ice reaching in from the edges. */
void iceShards(QPainter& painter, QSizeF size, Scatter& scatter, int count, int maxAlpha) {
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double side = scatter.between(0, 4);
        QPointF base;
        if (side < 1)
            base = {scatter.between(0, size.width()), 0};
        else if (side < 2)
            base = {size.width(), scatter.between(0, size.height())};
        else if (side < 3)
            base = {scatter.between(0, size.width()), size.height()};
        else
            base = {0, scatter.between(0, size.height())};
        const QPointF centre(size.width() / 2, size.height() / 2);
        const QPointF inward = centre - base;
        const double reach = scatter.between(0.25, 0.7);
        const QPointF tip =
            base + inward * reach + QPointF(scatter.between(-40, 40), scatter.between(-40, 40));
        const QPointF across(-inward.y(), inward.x());
        const double length = std::hypot(across.x(), across.y());
        const QPointF half = across / length * scatter.between(6, 22);
        QPolygonF shard;
        shard << base - half << tip << base + half;
        QLinearGradient light(base, tip);
        light.setColorAt(0, QColor(225, 245, 255, static_cast<int>(scatter.between(10, maxAlpha))));
        light.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setBrush(light);
        painter.drawPolygon(shard);
    }
}

/** A six-armed frost crystal with a pair of branches on each arm. */
void crystal(QPainter& painter, QPointF centre, double radius, double turn, QColor colour) {
    QPen pen(colour, std::max(1.0, radius / 9));
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    for (int arm = 0; arm < 6; ++arm) {
        const double angle = turn + arm * std::numbers::pi / 3;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre, centre + direction * radius);
        const QPointF fork = centre + direction * (radius * 0.55);
        for (const double side : {-1.0, 1.0}) {
            const double branch = angle + side * std::numbers::pi / 4;
            painter.drawLine(fork,
                             fork + QPointF(std::cos(branch), std::sin(branch)) * radius * 0.3);
        }
    }
}

void crystals(QPainter& painter, QSizeF size, Scatter& scatter, int count, QColor colour,
              double smallest, double largest) {
    for (int i = 0; i < count; ++i) {
        QColor shade = colour;
        shade.setAlpha(static_cast<int>(scatter.between(0.35, 1.0) * colour.alpha()));
        crystal(painter, {scatter.between(0, size.width()), scatter.between(0, size.height())},
                scatter.between(smallest, largest), scatter.between(0, std::numbers::pi / 3),
                shade);
    }
}

/** Stroke lettering with its top-left corner at origin and capitals height pixels tall. */
void letter(QPainter& painter, const QString& text, QPointF origin, double height, double pen,
            QColor colour, double slant = 0) {
    const double scale = height / 6;
    QTransform place;
    place.translate(origin.x(), origin.y());
    place.shear(-slant, 0);
    place.scale(scale, scale);
    const QPainterPath strokes = place.map(StrokeLettering::path(text));
    QPen outline(colour, pen);
    outline.setCapStyle(Qt::RoundCap);
    outline.setJoinStyle(Qt::RoundJoin);
    painter.strokePath(strokes, outline);
}

}  // namespace

QImage subzero() {
    QImage image = canvas(461, 374);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF all = image.rect();
    fillGradient(painter, all, {0, 0}, {120, 374},
                 {{0, QColor(8, 30, 62)}, {0.5, QColor(28, 88, 140)}, {1, QColor(150, 200, 228)}});
    // A cold light from the top right.
    QRadialGradient glow(QPointF(420, 40), 300);
    glow.setColorAt(0, QColor(200, 235, 255, 110));
    glow.setColorAt(1, QColor(200, 235, 255, 0));
    painter.fillRect(all, glow);
    Scatter scatter(1999);
    iceShards(painter, all.size(), scatter, 26, 70);
    crystals(painter, all.size(), scatter, 22, QColor(235, 248, 255, 150), 5, 20);
    return image;
}

QImage glacier() {
    QImage image = canvas(560, 440);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF all = image.rect();
    fillGradient(painter, all, {0, 0}, {0, 440},
                 {{0, QColor(4, 14, 36)}, {0.55, QColor(16, 64, 96)}, {1, QColor(40, 110, 130)}});
    // An aurora: soft green and cyan veils across the sky.
    Scatter scatter(2000);
    for (int veil = 0; veil < 5; ++veil) {
        QPainterPath band;
        const double top = 30 + veil * 22;
        band.moveTo(0, top);
        band.cubicTo(140, top - scatter.between(10, 60), 320, top + scatter.between(10, 70), 560,
                     top - scatter.between(0, 40));
        band.lineTo(560, top + 50);
        band.cubicTo(320, top + 110, 140, top + 20, 0, top + 60);
        band.closeSubpath();
        QLinearGradient light(0, top, 0, top + 90);
        light.setColorAt(0, QColor(120, 255, 200, 0));
        light.setColorAt(0.4, QColor(90, 240, 210, 46));
        light.setColorAt(1, QColor(60, 160, 255, 0));
        painter.fillPath(band, light);
    }
    // The glacier: ridges of ice, nearer ones lighter.
    const QColor ridges[] = {QColor(70, 120, 160), QColor(130, 180, 210), QColor(200, 228, 240)};
    for (int row = 0; row < 3; ++row) {
        QPolygonF ridge;
        ridge << QPointF(0, 440);
        const double base = 260 + row * 55;
        for (double x = 0; x <= 560; x += 40) {
            ridge << QPointF(x, base - scatter.between(0, 70 - row * 15));
        }
        ridge << QPointF(560, 440);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ridges[row]);
        painter.drawPolygon(ridge);
    }
    crystals(painter, all.size(), scatter, 30, QColor(255, 255, 255, 120), 2, 7);
    return image;
}

QImage frost() {
    QImage image = canvas(320, 240);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF all = image.rect();
    fillGradient(painter, all, {0, 0}, {320, 240},
                 {{0, QColor(214, 232, 246)}, {1, QColor(150, 178, 214)}});
    // A honeycomb of frost lines, as ice grows on a window pane.
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1.2));
    const double side = 18;
    const double rowHeight = side * std::sqrt(3.0);
    for (int row = -1; row * rowHeight / 2 < 240 + rowHeight; ++row) {
        for (int column = -1; column * side * 3 < 320 + side * 3; ++column) {
            const QPointF centre(column * side * 3 + (row % 2 != 0 ? side * 1.5 : 0),
                                 row * rowHeight / 2);
            QPolygonF hexagon;
            for (int corner = 0; corner < 6; ++corner) {
                const double angle = corner * std::numbers::pi / 3;
                hexagon << centre + QPointF(std::cos(angle), std::sin(angle)) * side;
            }
            painter.drawPolygon(hexagon);
        }
    }
    Scatter scatter(2001);
    crystals(painter, all.size(), scatter, 12, QColor(255, 255, 255, 200), 6, 16);
    return image;
}

QImage banner() {
    QImage image = canvas(380, 120);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF all = image.rect();
    fillGradient(painter, all, {0, 0}, {0, 120},
                 {{0, QColor(6, 22, 52)}, {0.7, QColor(22, 80, 130)}, {1, QColor(120, 180, 215)}});
    Scatter scatter(99);
    iceShards(painter, all.size(), scatter, 14, 60);
    crystals(painter, all.size(), scatter, 10, QColor(235, 248, 255, 120), 3, 9);

    // The maker's name small at the top, the product's large beneath, both leaning forward.
    letter(painter, QStringLiteral("TAVRIMEL"), {16, 12}, 13, 2.2, QColor(170, 215, 240), 0.15);
    const QString product = QStringLiteral("VESTRIX");
    const double height = 54;
    const double width = StrokeLettering::width(product) * height / 6;
    const QPointF origin((380 - width) / 2 + 6, 42);
    letter(painter, product, origin + QPointF(3, 3), height, 8, QColor(2, 10, 30, 160), 0.2);
    letter(painter, product, origin, height, 8, QColor(40, 130, 200), 0.2);
    letter(painter, product, origin, height, 4, QColor(235, 250, 255), 0.2);
    return image;
}

}  // namespace SkinArt
