// The reference layout: each form's and each control's geometry as first met, kept for the run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "layout/geometry_record.h"
#include "layout/layout_control.h"
#include "layout/layout_form.h"

/**
 * Records are written once and never changed or removed, so every re-layout scales from the
 * first sight of a form and not from where its controls stand now. The lookups and RegisterForm
 * throw LayoutFailure when a read fails; RegisterControl ignores what it cannot read.
 */
class GeometryRegistry {
public:
    /** A control standing left of 0 is parked this far left of its place in the layout. */
    static constexpr std::int32_t ParkOffset = 75000;

    /** x itself when x >= 0, else where a parked control belongs: x + ParkOffset. */
    static constexpr std::int32_t UnparkCoordinate(std::int32_t x) {
        return x >= 0 ? x : x + ParkOffset;
    }

    /** The slot of the record whose Name is the form's Name (case counts), or -1. */
    std::int32_t FindFormRecord(const LayoutForm& form) const;
    /** Records the form, then each of its controls not yet recorded; the form record's slot. */
    std::int32_t RegisterForm(LayoutForm& form);
    /**
     * The slot of the control's record on the form called formName, or -1. A control outside a
     * control array (its Index cannot be read) is matched by its Name alone.
     */
    std::int32_t FindControlRecord(const LayoutControl& control, const std::string& formName) const;
    /** Records what can be read of the control and switches off its IntegralHeight; its slot. */
    std::int32_t RegisterControl(LayoutControl& control, const std::string& formName);

    /** Slots 0 to FormCount() - 1 are in use. */
    const std::vector<GeometryRecord>& FormRecords() const { return m_formRecords; }
    /** The controls of all forms; slots 0 to ControlCount() - 1 are in use. */
    const std::vector<GeometryRecord>& ControlRecords() const { return m_controlRecords; }
    std::int32_t FormCount() const { return m_formCount; }
    std::int32_t ControlCount() const { return m_controlCount; }

private:
    std::vector<GeometryRecord> m_formRecords;
    std::vector<GeometryRecord> m_controlRecords;
    std::int32_t m_formCount = 0;
    std::int32_t m_controlCount = 0;
};
