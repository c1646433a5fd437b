// The main window's icon: a small jersey in sixteen colours, drawn here rather than shipped.
#pragma once

#include <QIcon>
#include <QImage>

/** A 32 x 32 picture of a striped jersey. */
QImage windowIconImage();
QIcon makeWindowIcon();
