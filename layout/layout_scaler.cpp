// One pass of the proportional re-layout over a form and its controls.
#include "layout/layout_scaler.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "layout/layout_failure.h"
#include "layout/layout_numbers.h"
#include "layout/property_reads.h"

namespace {

using LayoutNumbers::checkedInt32;
using LayoutNumbers::roundToInt32;
using LayoutNumbers::scale;

/** Runs one step whose failure has no effect beyond the step itself; true when it succeeded. */
template <class Step>
bool ignoringFailure(Step step) {
    try {
        step();
        return true;
    } catch (const LayoutFailure&) {
        return false;
    }
}

/** scaled, parked again (ParkOffset to the left) when the control's coordinate now is negative. */
std::int32_t keepParked(std::int32_t scaled, double current) {
    if (current >= 0) return scaled;
    return checkedInt32(static_cast<std::int64_t>(scaled) - GeometryRegistry::ParkOffset);
}

}  // namespace

std::int32_t LayoutScaler::percent(LayoutForm& form, const char* scaleName,
                                   std::int32_t GeometryRecord::*recorded) {
    std::int32_t i = m_registry.FindFormRecord(form);
    if (i == -1) i = m_registry.RegisterForm(form);
    // The inner size is a single-precision number; times 100 it is exact in a long double.
    const long double now = static_cast<long double>(PropertyReads::number(form, scaleName));
    const double hundredfold = static_cast<double>(std::nearbyint(now * 100));
    const std::int32_t numerator = roundToInt32(hundredfold);
    const std::int32_t denominator =
        m_registry.FormRecords()[static_cast<std::size_t>(i)].*recorded;
    // Nothing to scale from: the controls keep their recorded places in this direction.
    if (denominator == 0) return 100;
    return checkedInt32(static_cast<std::int64_t>(numerator) / denominator);
}

std::int32_t LayoutScaler::WidthPercent(LayoutForm& form) {
    return percent(form, "ScaleWidth", &GeometryRecord::ScaleWidth);
}

float LayoutScaler::HeightPercent(LayoutForm& form) {
    return static_cast<float>(percent(form, "ScaleHeight", &GeometryRecord::ScaleHeight));
}

void LayoutScaler::ResizeControl(LayoutControl& control, LayoutForm& form) {
    float heightPercent = 0;
    std::int32_t widthPercent = 0;
    // The first pass over a form registers it and its controls here, before the lookup below.
    ignoringFailure([&] { heightPercent = HeightPercent(form); });
    ignoringFailure([&] { widthPercent = WidthPercent(form); });

    std::int32_t i = -1;
    ignoringFailure(
        [&] { i = m_registry.FindControlRecord(control, PropertyReads::text(form, "Name")); });
    if (i == -1) return;
    // A copy: a move may raise events that register other forms while this control is placed.
    const GeometryRecord r = m_registry.ControlRecords()[static_cast<std::size_t>(i)];

    std::int32_t newLeft = 0, newTop = 0, newWidth = 0, newHeight = 0;
    // Parked or not is decided by where the control stands now, not where it was recorded.
    ignoringFailure([&] {
        newLeft = keepParked(scale(r.Left, widthPercent), PropertyReads::number(control, "Left"));
    });
    ignoringFailure([&] { newTop = scale(r.Top, heightPercent); });
    ignoringFailure([&] { newWidth = scale(r.Width, widthPercent); });
    ignoringFailure([&] { newHeight = scale(r.Height, heightPercent); });

    if (control.isLine()) {
        ignoringFailure([&] {
            const std::int32_t x1 =
                keepParked(scale(r.Left, widthPercent), PropertyReads::number(control, "X1"));
            PropertyReads::write(control, "X1", static_cast<double>(x1));
        });
        ignoringFailure([&] {
            PropertyReads::write(control, "Y1", static_cast<double>(scale(r.Top, heightPercent)));
        });
        ignoringFailure([&] {
            const std::int32_t x2 =
                keepParked(scale(r.Width, widthPercent), PropertyReads::number(control, "X2"));
            PropertyReads::write(control, "X2", static_cast<double>(x2));
        });
        ignoringFailure([&] {
            PropertyReads::write(control, "Y2",
                                 static_cast<double>(scale(r.Height, heightPercent)));
        });
        return;
    }
    // A control that refuses a size still gets its place, and its width where it takes one.
    const std::array<double, 4> numbers = {
        static_cast<double>(newLeft), static_cast<double>(newTop), static_cast<double>(newWidth),
        static_cast<double>(newHeight)};
    for (std::size_t count : {4u, 3u, 2u}) control.move(std::span(numbers).first(count));
}

void LayoutScaler::fitAroundControls(LayoutForm& form) {
    double maxRight = 0;
    std::int32_t maxBottom = 0;
    const auto controls = form.controls();
    if (controls) {
        for (const auto& control : *controls) {
            auto value = [&control](const char* name) {
                return PropertyReads::number(*control, name);
            };
            auto reachRight = [&](double right) {
                if (right > maxRight) maxRight = right;
            };
            auto reachDown = [&](double bottom) {
                if (bottom > maxBottom) maxBottom = roundToInt32(bottom);
            };
            ignoringFailure([&] { reachRight(value("Left") + value("Width") + 200); });
            ignoringFailure([&] { reachDown(value("Top") + value("Height") + 500); });
            ignoringFailure([&] { reachRight(value("X1") + 200); });
            ignoringFailure([&] { reachDown(value("Y1") + 500); });
            ignoringFailure([&] { reachRight(value("X2") + 200); });
            ignoringFailure([&] { reachDown(value("Y2") + 500); });
        }
    }
    PropertyReads::write(form, "Height", static_cast<double>(maxBottom));
    PropertyReads::write(form, "Width", maxRight);
}

void LayoutScaler::ResizeForm(LayoutForm& form) {
    if (m_resizing) return;
    m_resizing = true;

    const bool isNewForm = m_registry.FindFormRecord(form) == -1;
    // A form this far down stands off the screen: nothing to lay out.
    if (PropertyReads::number(form, "Top") >= 30000) {
        m_resizing = false;
        return;
    }
    const bool savedVisible = PropertyReads::flag(form, "Visible");
    auto isMdiChild = [&form] {
        bool mdiChild = false;
        ignoringFailure([&] { mdiChild = PropertyReads::flag(form, "MDIChild"); });
        return mdiChild;
    };

    // A new child window is first fitted around its controls and registered at that size, then
    // given its size back with the controls scaled to it.
    double savedHeight = 0, savedWidth = 0;
    if (isMdiChild() && isNewForm) {
        ignoringFailure([&] { savedHeight = PropertyReads::number(form, "Height"); });
        ignoringFailure([&] { savedWidth = PropertyReads::number(form, "Width"); });
        fitAroundControls(form);
    }

    const auto controls = form.controls();
    if (!controls) throw LayoutFailure("Layout: the form's controls cannot be listed");
    for (const auto& control : *controls) ResizeControl(*control, form);

    if (!isMdiChild()) {
        PropertyReads::write(form, "Visible", savedVisible);
    } else if (isNewForm) {
        ignoringFailure([&] { PropertyReads::write(form, "Height", savedHeight); });
        ignoringFailure([&] { PropertyReads::write(form, "Width", savedWidth); });
        if (const auto again = form.controls()) {
            for (const auto& control : *again) ResizeControl(*control, form);
        }
    }
    m_resizing = false;
}
