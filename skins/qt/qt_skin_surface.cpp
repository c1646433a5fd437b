// The main window's client area and its persistent skin background.
#include "skins/qt/qt_skin_surface.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

QtSkinSurface::QtSkinSurface(QWidget* parent) : QWidget(parent) {
    // Everything under the controls comes from the backing; nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void QtSkinSurface::paintSkin(const SkinPicture& picture) {
    coverWidget();
    // The picture's pixels replace what is there, as a skin covers the old one; what lies beyond
    // the backing is cut off.
    const int width = std::min(picture.width, m_background.width());
    const int height = std::min(picture.height, m_background.height());
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(m_background.scanLine(y));
        const std::uint32_t* source =
            picture.pixels.data() +
            static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width);
        for (int x = 0; x < width; ++x) row[x] = 0xFF000000u | source[x];
    }
    update();
}

void QtSkinSurface::paintEvent(QPaintEvent* event) {
    coverWidget();
    QPainter painter(this);
    painter.drawImage(event->rect(), m_background, event->rect());
}

void QtSkinSurface::resizeEvent(QResizeEvent* event) {
    coverWidget();
    QWidget::resizeEvent(event);
}

void QtSkinSurface::coverWidget() {
    const QSize wanted = m_background.size().expandedTo(size());
    if (wanted == m_background.size()) return;
    QImage grown(wanted, QImage::Format_RGB32);
    grown.fill(palette().color(QPalette::Window));
    QPainter painter(&grown);
    painter.drawImage(QPoint(0, 0), m_background);
    painter.end();
    m_background = std::move(grown);
}
