// Pictures for the skin tests, and reading back what the main window shows.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>

#include "mainwindow/qt/qt_form1.h"
#include "skins/qt/qt_skin_surface.h"

/**
 * A picture of size in colour whose last column and row are edge, saved as PNG whatever the name
 * says: the loader goes by content, and PNG keeps the colours exact.
 */
inline void writePicture(const std::string& file, QSize size, QColor colour,
                         QColor edge = Qt::black) {
    const QString path = QFile::decodeName(file.c_str());
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(edge);
    QPainter(&picture).fillRect(0, 0, size.width() - 1, size.height() - 1, colour);
    ASSERT_TRUE(picture.save(path, "PNG")) << path.toStdString();
}

/** The client area as the user sees it, controls included. */
inline QImage clientShot(QtForm1& window) {
    return window.skinSurface().grab().toImage().convertToFormat(QImage::Format_RGB32);
}
