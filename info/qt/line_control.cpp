// Lines on a window: a widget the size of the line's pen around its two end points.
#include "info/qt/line_control.h"

#include <QPainter>
#include <algorithm>

#include "platform/qt/qt_twips.h"

LineControl::LineControl(const QString& name, int index, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setProperty("index", index);
    // Only the line is drawn; the window shows through everywhere else and gets the clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    place();
}

void LineControl::setX1(int twips) { setEnds(twips, m_y1, m_x2, m_y2); }
void LineControl::setY1(int twips) { setEnds(m_x1, twips, m_x2, m_y2); }
void LineControl::setX2(int twips) { setEnds(m_x1, m_y1, twips, m_y2); }
void LineControl::setY2(int twips) { setEnds(m_x1, m_y1, m_x2, twips); }

void LineControl::setEnds(int x1, int y1, int x2, int y2) {
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    place();
}

void LineControl::setColor(const QColor& color) {
    m_color = color;
    update();
}

void LineControl::setLineWidth(int pixels) {
    m_width = std::max(1, pixels);
    place();
}

void LineControl::setStyle(Style style) {
    m_style = style;
    update();
}

void LineControl::place() {
    const QPoint a(Twips::toPixels(m_x1), Twips::toPixels(m_y1));
    const QPoint b(Twips::toPixels(m_x2), Twips::toPixels(m_y2));
    // Room for the pen on every side of the end points.
    const QRect ends(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                     QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
    setGeometry(ends.adjusted(-m_width, -m_width, m_width, m_width));
    update();
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPoint origin = geometry().topLeft();
    const QPoint a = QPoint(Twips::toPixels(m_x1), Twips::toPixels(m_y1)) - origin;
    const QPoint b = QPoint(Twips::toPixels(m_x2), Twips::toPixels(m_y2)) - origin;
    // A wide pen is centred on the end points' pixels, or lies below (right of) them for
    // inside-solid lines and for even widths, which have no centre pixel.
    const int before = m_style == Style::InsideSolid || m_width % 2 == 0 ? 0 : (m_width - 1) / 2;
    if (a.x() == b.x() || a.y() == b.y()) {
        // Level or upright, as separators are: exactly the pixels from end to end.
        QRect pixels = QRect(a, b).normalized();
        if (a.y() == b.y()) {
            pixels.setTop(pixels.top() - before);
            pixels.setHeight(m_width);
        } else {
            pixels.setLeft(pixels.left() - before);
            pixels.setWidth(m_width);
        }
        painter.fillRect(pixels, m_color);
        return;
    }
    const double shift = m_width / 2.0 - before;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(a) + QPointF(shift, shift), QPointF(b) + QPointF(shift, shift));
}
