// Pictures for the skin tests, and reading back what the main window shows.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include "form1.h"

namespace SkinTestSupport {

/**
 * Writes a picture of size in colour, with a different colour in its last column and row, under
 * path. Stored as PNG whatever the name says: the loader goes by content, and PNG keeps the
 * colours exact.
 */
void writePicture(const QString& path, QSize size, QColor colour, QColor edge = Qt::black);

/** The client area as the user sees it, controls included. */
QImage clientShot(Form1& window);

}  // namespace SkinTestSupport
