// The conversion table. FIFA 99 has five pictures per kit (hjfr front, hjbk back, mjfr small
// front, hrsv and mrsv sleeves); FIFA 2000 wants nine, so some sources serve two or three sizes.
#include "conversion/conversion_table.h"

namespace {
namespace L = WorkFileLayout;

constexpr ConversionTarget kTable[] = {
    {"hjfr", "hjfr", 128, 128, L::kHjfr, 0, 1, true},
    {"hjbk", "hjbk", 64, 64, L::kHjbk, 4, 5, false},
    {"mjfr", "mjfr", 64, 64, L::kMjfr, -1, 3, false},
    {"ljfr", "mjfr", 64, 64, L::kLjfr, -1, 3, false},
    {"mjbx", "hjbk", 64, 64, L::kMjbx, -1, 3, false},
    {"ljbx", "hjbk", 64, 64, L::kLjbx, -1, 3, false},
    {"hslv", "hrsv", 64, 48, L::kHslv, 6, 7, false},
    {"mslv", "mrsv", 32, 24, L::kMslv, -1, 3, false},
    {"lslv", "mrsv", 32, 24, L::kLslv, -1, 3, false},
};
}  // namespace

std::span<const ConversionTarget> conversionTable() { return kTable; }

const ConversionTarget* findConversionTarget(std::string_view targetTag) {
    for (const ConversionTarget& target : kTable) {
        if (target.targetTag == targetTag) return &target;
    }
    return nullptr;
}
