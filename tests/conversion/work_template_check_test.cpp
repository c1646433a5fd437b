// The work-file template check: the shipped template passes, and each way a file of the right
// length can still be no FIFA 2000 jersey archive is named.
#include "conversion/work_template_check.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

namespace {
using Bytes = std::vector<std::uint8_t>;

Bytes shippedTemplate() {
    std::ifstream in(VESTRIX_SOURCE_DIR "/resources/pk001.fsh", std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

TEST(WorkTemplateCheck, NamesWhatMakesAFileNoTemplate) {
    // Directory record i sits at 16 + 8 i; the shipped template lists the pictures in file order,
    // hjfr first (its header at 88), lslv last (header at 24008).
    const struct {
        const char* what;
        std::function<void(Bytes&)> change;
        const char* fault;  // empty: still a template
    } cases[] = {
        {"as shipped", [](Bytes&) {}, ""},
        {"tags in capitals",
         [](Bytes& b) {
             for (int i = 0; i < 9; ++i)
                 for (int c = 0; c < 4; ++c) b[16 + 8 * i + c] = std::toupper(b[16 + 8 * i + c]);
         },
         ""},
        {"records in another order",
         [](Bytes& b) { std::swap_ranges(b.begin() + 16, b.begin() + 24, b.begin() + 80); }, ""},
        {"all zeros", [](Bytes& b) { std::fill(b.begin(), b.end(), 0); },
         "it does not start with SHPI"},
        {"one byte short", [](Bytes& b) { b.pop_back(); },
         "it has 24215 bytes, fewer than the 24216 the nine pictures need"},
        {"garbage after the magic", [](Bytes& b) { std::fill(b.begin() + 4, b.end(), 0x42); },
         "its directory lists 1111638594 pictures, not 9"},
        {"eight pictures", [](Bytes& b) { b[8] = 8; }, "its directory lists 8 pictures, not 9"},
        {"hjfr renamed", [](Bytes& b) { b[19] = 'x'; }, "its directory has no hjfr at byte 88"},
        {"lslv's record one byte off", [](Bytes& b) { b[16 + 8 * 8 + 4] += 1; },
         "its directory has no lslv at byte 24008"},
        {"lslv 17 wide", [](Bytes& b) { b[24008 + 4] = 17; },
         "lslv is not an 8-bit picture of 16 x 12"},
        {"hjfr compressed", [](Bytes& b) { b[88] = 0xFB; },
         "hjfr is not an 8-bit picture of 100 x 100"},
    };
    const Bytes shipped = shippedTemplate();
    ASSERT_EQ(shipped.size(), 24216u);
    for (const auto& c : cases) {
        Bytes bytes = shipped;
        c.change(bytes);
        EXPECT_EQ(workTemplateFault(bytes), c.fault) << c.what;
        EXPECT_EQ(isWorkTemplate(bytes), *c.fault == '\0') << c.what;
    }
}
