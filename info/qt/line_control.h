// A line drawn on a window between two points, as the window designer places lines: end points
// in twips, a colour, a width in pixels, and a pen style.
#pragma once

#include <QColor>
#include <QWidget>

/**
 * The line is a transparent child widget that covers just the line and paints it.
 *
 * Contract with the layout scaler, which moves lines the way it moves every control: the end
 * points are the int Qt properties "X1", "Y1", "X2" and "Y2", in twips (fifteen to a pixel) in
 * the parent's client area. Read them with QObject::property; writing one with
 * QObject::setProperty moves the widget and redraws the line. Lines of one control array share
 * their objectName and carry their place in the array in the "index" property.
 */
class LineControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int X1 READ x1 WRITE setX1)
    Q_PROPERTY(int Y1 READ y1 WRITE setY1)
    Q_PROPERTY(int X2 READ x2 WRITE setX2)
    Q_PROPERTY(int Y2 READ y2 WRITE setY2)
public:
    /** Solid is centred on the end points; InsideSolid keeps a wide pen on one side of them. */
    enum class Style { Solid, InsideSolid };

    LineControl(const QString& name, int index, QWidget* parent);

    int x1() const { return m_x1; }
    int y1() const { return m_y1; }
    int x2() const { return m_x2; }
    int y2() const { return m_y2; }
    void setX1(int twips);
    void setY1(int twips);
    void setX2(int twips);
    void setY2(int twips);
    void setEnds(int x1, int y1, int x2, int y2);

    void setColor(const QColor& color);
    /** Pen width in pixels, at least 1. */
    void setLineWidth(int pixels);
    void setStyle(Style style);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    int m_x1 = 0;
    int m_y1 = 0;
    int m_x2 = 0;
    int m_y2 = 0;
    QColor m_color = Qt::black;
    int m_width = 1;
    Style m_style = Style::Solid;
};
