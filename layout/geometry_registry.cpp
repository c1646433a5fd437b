// Recording forms and controls, and finding their records again.
#include "layout/geometry_registry.h"

#include <limits>
#include <new>
#include <stdexcept>

#include "layout/layout_failure.h"
#include "layout/layout_numbers.h"
#include "layout/property_reads.h"

namespace {

using LayoutNumbers::roundToInt32;

/**
 * Makes room for slot count, keeping what the table holds. A registration that failed halfway
 * may have left that slot behind already; it is simply written again.
 */
GeometryRecord& growTo(std::vector<GeometryRecord>& table, std::int32_t count) {
    if (count == std::numeric_limits<std::int32_t>::max()) {
        throw LayoutFailure("Layout: the geometry table is full");
    }
    try {
        if (table.size() <= static_cast<std::size_t>(count)) {
            table.resize(static_cast<std::size_t>(count) + 1);
        }
    } catch (const std::bad_alloc&) {
        throw LayoutFailure("Layout: the geometry table cannot grow");
    } catch (const std::length_error&) {
        throw LayoutFailure("Layout: the geometry table cannot grow");
    }
    return table[static_cast<std::size_t>(count)];
}

/** One step of a control's registration: a failed read leaves the field as it is. */
template <class Step>
void ignoringFailure(Step step) {
    try {
        step();
    } catch (const LayoutFailure&) {
    }
}

}  // namespace

std::int32_t GeometryRegistry::FindFormRecord(const LayoutForm& form) const {
    const std::string name = PropertyReads::text(form, "Name");
    for (std::int32_t i = 0; i < m_formCount; ++i) {
        if (m_formRecords[static_cast<std::size_t>(i)].Name == name) return i;
    }
    return -1;
}

std::int32_t GeometryRegistry::RegisterForm(LayoutForm& form) {
    GeometryRecord& record = growTo(m_formRecords, m_formCount);
    record.Name = PropertyReads::text(form, "Name");
    record.Top = roundToInt32(PropertyReads::number(form, "Top"));
    record.Left = roundToInt32(PropertyReads::number(form, "Left"));
    record.Height = roundToInt32(PropertyReads::number(form, "Height"));
    record.Width = roundToInt32(PropertyReads::number(form, "Width"));
    record.ScaleHeight = roundToInt32(PropertyReads::number(form, "ScaleHeight"));
    record.ScaleWidth = roundToInt32(PropertyReads::number(form, "ScaleWidth"));
    // Counted before its controls: a failure among them keeps the form and what came before.
    const std::int32_t result = m_formCount++;

    const auto controls = form.controls();
    if (!controls) throw LayoutFailure("Layout: the form's controls cannot be listed");
    for (const auto& control : *controls) {
        const std::string formName = PropertyReads::text(form, "Name");
        if (FindControlRecord(*control, formName) == -1) RegisterControl(*control, formName);
    }
    return result;
}

std::int32_t GeometryRegistry::FindControlRecord(const LayoutControl& control,
                                                 const std::string& formName) const {
    for (std::int32_t i = 0; i < m_controlCount; ++i) {
        const GeometryRecord& record = m_controlRecords[static_cast<std::size_t>(i)];
        if (record.FormName != formName) continue;
        if (PropertyReads::text(control, "Name") != record.Name) continue;
        // Only elements of a control array have an Index; any other control is known by name.
        std::int32_t index = 0;
        try {
            index = roundToInt32(PropertyReads::number(control, "Index"));
        } catch (const LayoutFailure&) {
            return i;
        }
        if (index == record.Index) return i;
    }
    return -1;
}

std::int32_t GeometryRegistry::RegisterControl(LayoutControl& control,
                                               const std::string& formName) {
    GeometryRecord& record = growTo(m_controlRecords, m_controlCount);
    auto whole = [&control](const char* name) {
        return roundToInt32(PropertyReads::number(control, name));
    };
    auto unparked = [&whole](const char* name) { return UnparkCoordinate(whole(name)); };

    ignoringFailure([&] { record.Name = PropertyReads::text(control, "Name"); });
    ignoringFailure([&] { record.Index = whole("Index"); });
    record.FormName = formName;
    if (control.isLine()) {
        ignoringFailure([&] { record.Top = whole("Y1"); });
        ignoringFailure([&] { record.Left = unparked("X1"); });
        ignoringFailure([&] { record.Height = whole("Y2"); });
        ignoringFailure([&] { record.Width = unparked("X2"); });
    } else {
        ignoringFailure([&] { record.Top = whole("Top"); });
        ignoringFailure([&] { record.Left = unparked("Left"); });
        ignoringFailure([&] { record.Height = whole("Height"); });
        ignoringFailure([&] { record.Width = whole("Width"); });
    }
    // List boxes that snap their height to whole rows would not take a scaled height exactly.
    control.setProperty("IntegralHeight", false);

    return m_controlCount++;
}
