// Capital letters drawn as pen strokes, so the pictures need no installed font and come out the
// same on every machine.
#pragma once

#include <QPainterPath>
#include <QString>

namespace StrokeLettering {

/**
 * The outline strokes of text (capitals A..Z as far as our pictures need them, and spaces) as an
 * open path, each letter in a box of width 4 and height 6 units, letters 1.6 units apart, the
 * top-left corner at the origin. Letters we have no strokes for are left as gaps.
 */
QPainterPath path(const QString& text);

/** The width path(text) takes, in the same units. */
qreal width(const QString& text);

}  // namespace StrokeLettering
