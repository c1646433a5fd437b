// A preview box: drawn point by point by the conversion, into an image that outlives repaints.
#pragma once

#include <QImage>
#include <QWidget>

#include "conversion/conversion_host.h"

class PictureBox : public QWidget, public PreviewSurface {
    Q_OBJECT
public:
    /** What a cleared box shows. */
    static constexpr QRgb kBackground = 0xFFC0C0C0;

    PictureBox(int index, QWidget* parent);

    /** The box's place in the window's row of eight (Picture1 index 0 to 7). */
    int index() const { return m_index; }

    /**
     * Colours the pixel nearest to (x, y), halves going to the even pixel; points off the box are
     * dropped. One unit is one pixel, the origin the top-left corner.
     */
    void pset(float x, float y, std::uint32_t colorValue) override;
    float currentY() const override { return m_currentY; }

    /** Erases every drawn point, leaving the background colour. */
    void clear();

    /** What the box shows: the drawing at the box's current size. */
    const QImage& image();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_index;
    QImage m_image;
    float m_currentY = 0;
    bool m_updatePending = false;
};
