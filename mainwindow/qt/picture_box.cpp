// A preview box with a persistent drawing.
#include "mainwindow/qt/picture_box.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

PictureBox::PictureBox(int index, QWidget* parent) : QWidget(parent), m_index(index) {
    setObjectName(QStringLiteral("Picture1"));
    setProperty("index", index);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

const QImage& PictureBox::image() {
    // A hidden window lays its boxes out without resize events, so follow the size here. What was
    // drawn stays when the box changes size; new room shows the background.
    if (m_image.size() != size()) {
        QImage resized(size(), QImage::Format_RGB32);
        resized.fill(kBackground);
        if (!m_image.isNull() && !resized.isNull()) QPainter(&resized).drawImage(0, 0, m_image);
        m_image = resized;
    }
    return m_image;
}

void PictureBox::pset(float x, float y, std::uint32_t colorValue) {
    m_currentY = y;
    image();
    const double column = std::nearbyint(static_cast<double>(x));
    const double row = std::nearbyint(static_cast<double>(y));
    if (!(column >= 0 && column < m_image.width() && row >= 0 && row < m_image.height())) return;

    // The conversion hands colours as red + 256 * green + 65536 * blue.
    const QRgb rgb =
        qRgb(static_cast<int>(colorValue & 0xFF), static_cast<int>((colorValue >> 8) & 0xFF),
             static_cast<int>((colorValue >> 16) & 0xFF));
    m_image.setPixel(static_cast<int>(column), static_cast<int>(row), rgb);
    if (!m_updatePending) {
        m_updatePending = true;
        update();
    }
}

void PictureBox::clear() {
    image();
    m_image.fill(kBackground);
    m_currentY = 0;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    m_updatePending = false;
    QPainter painter(this);
    painter.drawImage(event->rect(), image(), event->rect());
}
