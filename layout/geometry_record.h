// The geometry of one form or one control as the registry first saw it.
#pragma once

#include <cstdint>
#include <string>

/**
 * One record type for forms and controls. A form record leaves Index and FormName empty; a
 * control record leaves the two Scale fields at 0. A line keeps Y1, X1, Y2, X2 in Top, Left,
 * Height, Width.
 */
struct GeometryRecord {
    std::string Name;
    std::int32_t Index = 0;
    std::string FormName;
    std::int32_t Top = 0;
    std::int32_t Left = 0;
    std::int32_t Height = 0;
    std::int32_t Width = 0;
    std::int32_t ScaleHeight = 0;
    std::int32_t ScaleWidth = 0;
};
