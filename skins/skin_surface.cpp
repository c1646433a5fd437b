// The main window's client area and its persistent skin background.
#include "skin_surface.h"

#include <QPaintEvent>
#include <QPainter>

SkinSurface::SkinSurface(QWidget* parent) : QWidget(parent) {
    // Everything under the controls comes from the backing; nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkinSurface::paintSkin(const QImage& picture) {
    coverWidget();
    QPainter painter(&m_background);
    // The picture's pixels replace what is there, as a skin covers the old one.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), picture.convertToFormat(QImage::Format_RGB32));
    painter.end();
    update();
}

void SkinSurface::paintEvent(QPaintEvent* event) {
    coverWidget();
    QPainter painter(this);
    painter.drawImage(event->rect(), m_background, event->rect());
}

void SkinSurface::resizeEvent(QResizeEvent* event) {
    coverWidget();
    QWidget::resizeEvent(event);
}

void SkinSurface::coverWidget() {
    const QSize wanted = m_background.size().expandedTo(size());
    if (wanted == m_background.size()) return;
    QImage grown(wanted, QImage::Format_RGB32);
    grown.fill(palette().color(QPalette::Window));
    QPainter painter(&grown);
    painter.drawImage(QPoint(0, 0), m_background);
    painter.end();
    m_background = std::move(grown);
}
