// The scaler's whole numbers at the edges of 32 bits: the last value that fits is taken, the first
// beyond is a failure.
#include "layout/layout_numbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

#include "layout/layout_failure.h"

namespace {
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();

template <class Compute>
std::optional<std::int64_t> outcome(Compute compute) {
    try {
        return compute();
    } catch (const LayoutFailure&) {
        return std::nullopt;
    }
}
}  // namespace

TEST(LayoutNumbers, TheEdgesOf32BitsAreTakenAndOneBeyondIsRefused) {
    using namespace LayoutNumbers;
    const struct {
        const char* what;
        std::optional<std::int64_t> got, expected;
    } cases[] = {
        {"round max", outcome([] { return roundToInt32(2147483647.0); }), kMax},
        {"round max + 0.4", outcome([] { return roundToInt32(2147483647.4); }), kMax},
        {"round max + 0.5, to even", outcome([] { return roundToInt32(2147483647.5); }), {}},
        {"round max + 1", outcome([] { return roundToInt32(2147483648.0); }), {}},
        {"round min", outcome([] { return roundToInt32(-2147483648.0); }), kMin},
        {"round min - 0.5, to even", outcome([] { return roundToInt32(-2147483648.5); }), kMin},
        {"round min - 1", outcome([] { return roundToInt32(-2147483649.0); }), {}},
        {"check max", outcome([] { return checkedInt32(kMax); }), kMax},
        {"check max + 1", outcome([] { return checkedInt32(kMax + 1); }), {}},
        {"check min", outcome([] { return checkedInt32(kMin); }), kMin},
        {"check min - 1", outcome([] { return checkedInt32(kMin - 1); }), {}},
        {"product max", outcome([] { return scale(2147483647, 1); }), kMax / 100},
        {"product max + 1", outcome([] { return scale(1073741824, 2); }), {}},
        {"product min", outcome([] { return scale(-1073741824, 2); }), kMin / 100},
        {"product min - 1", outcome([] { return scale(-1073741825, 2); }), {}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.expected) << c.what;
}
