// Stroke letters for the banner and the skins' lettering.
#include "tools/stroke_lettering.h"

#include <QPointF>
#include <map>
#include <vector>

namespace StrokeLettering {
namespace {

using Stroke = std::vector<QPointF>;

constexpr qreal kLetterWidth = 4;
constexpr qreal kGap = 1.6;

// Each letter as polylines on a 4 x 6 box, y growing downwards.
const std::map<QChar, std::vector<Stroke>>& letters() {
    static const std::map<QChar, std::vector<Stroke>> table = {
        {QLatin1Char('A'), {{{0, 6}, {2, 0}, {4, 6}}, {{0.8, 3.8}, {3.2, 3.8}}}},
        {QLatin1Char('E'), {{{4, 0}, {0, 0}, {0, 6}, {4, 6}}, {{0, 3}, {3, 3}}}},
        {QLatin1Char('I'), {{{2, 0}, {2, 6}}, {{1, 0}, {3, 0}}, {{1, 6}, {3, 6}}}},
        {QLatin1Char('L'), {{{0, 0}, {0, 6}, {4, 6}}}},
        {QLatin1Char('M'), {{{0, 6}, {0, 0}, {2, 3.5}, {4, 0}, {4, 6}}}},
        {QLatin1Char('R'),
         {{{0, 6}, {0, 0}, {3, 0}, {4, 0.9}, {4, 2.1}, {3, 3}, {0, 3}}, {{2, 3}, {4, 6}}}},
        {QLatin1Char('S'),
         {{{4, 0.9},
           {3, 0},
           {1, 0},
           {0, 0.9},
           {0, 2.1},
           {1, 3},
           {3, 3},
           {4, 3.9},
           {4, 5.1},
           {3, 6},
           {1, 6},
           {0, 5.1}}}},
        {QLatin1Char('T'), {{{0, 0}, {4, 0}}, {{2, 0}, {2, 6}}}},
        {QLatin1Char('V'), {{{0, 0}, {2, 6}, {4, 0}}}},
        {QLatin1Char('X'), {{{0, 0}, {4, 6}}, {{4, 0}, {0, 6}}}},
    };
    return table;
}

}  // namespace

QPainterPath path(const QString& text) {
    QPainterPath result;
    qreal left = 0;
    for (const QChar letter : text) {
        const auto found = letters().find(letter.toUpper());
        if (found != letters().end()) {
            for (const Stroke& stroke : found->second) {
                result.moveTo(stroke.front() + QPointF(left, 0));
                for (std::size_t i = 1; i < stroke.size(); ++i) {
                    result.lineTo(stroke[i] + QPointF(left, 0));
                }
            }
        }
        left += kLetterWidth + kGap;
    }
    return result;
}

qreal width(const QString& text) {
    return text.isEmpty() ? 0 : text.size() * (kLetterWidth + kGap) - kGap;
}

}  // namespace StrokeLettering
