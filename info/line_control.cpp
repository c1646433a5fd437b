// Lines on a window: a widget the size of the line's pen around its two end points.
#include "line_control.h"

#include <QPainter>
#include <algorithm>

#include "twips.h"

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
    QPointF a = QPointF(Twips::toPixels(m_x1), Twips::toPixels(m_y1)) - origin;
    QPointF b = QPointF(Twips::toPixels(m_x2), Twips::toPixels(m_y2)) - origin;
    // Through pixel centres. An inside-solid pen, and an even one that has no centre pixel, lies
    // below and right of the end points, starting on their pixel row or column.
    const double shift = m_style == Style::InsideSolid || m_width % 2 == 0 ? m_width / 2.0 : 0.5;
    a += QPointF(shift, shift);
    b += QPointF(shift, shift);
    painter.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(a, b);
}
