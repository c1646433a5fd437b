// Pictures for the skin tests.
#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "skin_surface.h"

namespace SkinTestSupport {

void writePicture(const QString& path, QSize size, QColor colour, QColor edge) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QPainter painter(&picture);
    painter.setPen(edge);
    painter.drawLine(size.width() - 1, 0, size.width() - 1, size.height() - 1);
    painter.drawLine(0, size.height() - 1, size.width() - 1, size.height() - 1);
    painter.end();
    ASSERT_TRUE(picture.save(path, "PNG")) << path.toStdString();
}

QImage clientShot(Form1& window) {
    return window.skinSurface().grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace SkinTestSupport
