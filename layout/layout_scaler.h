// Proportional re-layout: places a form's controls in proportion to its inner size now against
// its inner size when the geometry registry first met it.
#pragma once

#include <cstdint>

#include "layout/geometry_registry.h"
#include "layout/layout_control.h"
#include "layout/layout_form.h"

/**
 * Holds the registry for as long as it lives: the owner keeps one scaler for the whole run.
 *
 * Decisions where the layout could go either way:
 * - A control without a record (it came into being after its form was registered, or its record
 *   cannot be looked up) is left where it stands instead of being squashed into the corner.
 * - A form recorded with an inner width or height of 0 has nothing to scale from in that
 *   direction: its percentage counts as 100, so the controls keep their recorded places there.
 */
class LayoutScaler {
public:
    /**
     * Registers the form on first sight, then moves each control to its recorded geometry scaled
     * by the form's percentages. Refused at once while another pass runs (a move can raise
     * events that ask again). Throws LayoutFailure when the form's name, Top or Visible cannot be
     * read, its controls cannot be listed, or it refuses a new size or visibility; the pass then
     * ends where it is and Resizing() stays set, so later requests are refused too.
     */
    void ResizeForm(LayoutForm& form);
    /** Moves one control, ignoring everything that fails. */
    void ResizeControl(LayoutControl& control, LayoutForm& form);
    /** The inner width now, in percent of the recorded one, truncated; registers the form. */
    std::int32_t WidthPercent(LayoutForm& form);
    /** The same for the height. */
    float HeightPercent(LayoutForm& form);

    bool Resizing() const { return m_resizing; }
    const GeometryRegistry& registry() const { return m_registry; }

private:
    std::int32_t percent(LayoutForm& form, const char* scaleName,
                         std::int32_t GeometryRecord::*recorded);
    void fitAroundControls(LayoutForm& form);

    GeometryRegistry m_registry;
    bool m_resizing = false;
};
