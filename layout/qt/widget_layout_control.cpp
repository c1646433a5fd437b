// Reading and moving a widget, or the end points of a line, for the layout scaler.
#include "layout/qt/widget_layout_control.h"

#include <QVariant>
#include <array>
#include <string>

#include "layout/qt/widget_twips.h"

namespace {
bool isEndPoint(std::string_view name) {
    return name == "X1" || name == "Y1" || name == "X2" || name == "Y2";
}
}  // namespace

bool WidgetLayoutControl::isLine() const { return m_widget && m_widget->property("X1").isValid(); }

std::optional<PropertyValue> WidgetLayoutControl::property(std::string_view name) const {
    if (!m_widget) return std::nullopt;
    if (name == "Name") return m_widget->objectName().toStdString();
    if (name == "Index") {
        // Only the boxes of a control array carry one.
        bool ok = false;
        const int index = m_widget->property("index").toInt(&ok);
        if (!ok) return std::nullopt;
        return static_cast<double>(index);
    }
    if (isLine()) {
        if (!isEndPoint(name)) return std::nullopt;
        bool ok = false;
        const int twips = m_widget->property(std::string(name).c_str()).toInt(&ok);
        if (!ok) return std::nullopt;
        return static_cast<double>(twips);
    }
    const QRect place = m_widget->geometry();
    if (name == "Left") return WidgetTwips::fromPixels(place.x());
    if (name == "Top") return WidgetTwips::fromPixels(place.y());
    if (name == "Width") return WidgetTwips::fromPixels(place.width());
    if (name == "Height") return WidgetTwips::fromPixels(place.height());
    return std::nullopt;
}

bool WidgetLayoutControl::setProperty(std::string_view name, const PropertyValue& value) {
    if (!m_widget) return false;
    const std::string key(name);
    if (isLine() && isEndPoint(name)) {
        const double* twips = std::get_if<double>(&value);
        if (!twips || !WidgetTwips::toPixels(*twips)) return false;
        const int whole = static_cast<int>(*twips);
        m_widget->setProperty(key.c_str(), whole);
        // A line that keeps its old end point has refused the value.
        return m_widget->property(key.c_str()).toInt() == whole;
    }
    if (name == "IntegralHeight") {
        // None of our widgets snaps its height to whole rows; one that declares it may.
        const bool* flag = std::get_if<bool>(&value);
        return flag && m_widget->property(key.c_str()).isValid() &&
               m_widget->setProperty(key.c_str(), *flag);
    }
    return false;
}

bool WidgetLayoutControl::move(std::span<const double> numbers) {
    if (!m_widget || isLine() || numbers.size() < 2 || numbers.size() > 4) return false;
    std::array<int, 4> pixels{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const auto converted = WidgetTwips::toPixels(numbers[i]);
        if (!converted) return false;
        pixels[i] = *converted;
    }
    QRect place = m_widget->geometry();
    const int width = numbers.size() > 2 ? pixels[2] : place.width();
    const int height = numbers.size() > 3 ? pixels[3] : place.height();
    if (width < 0 || height < 0) return false;
    m_widget->setGeometry(pixels[0], pixels[1], width, height);
    return true;
}
