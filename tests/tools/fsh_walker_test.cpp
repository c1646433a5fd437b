// The test reader itself must refuse what a real FSH reader could not follow, or the checks on
// our archives would prove nothing.
#include "tests/tools/fsh_walker.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/tools/test_resources.h"

namespace {

void putU32(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        file[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

struct Damage {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> apply;
};

}  // namespace

TEST(FshWalker, RefusesDamagedArchives) {
    const std::vector<std::uint8_t> good =
        readBytes(committedResources() / "samples" / "stripes.fsh");
    ASSERT_NO_THROW(walkFsh(good));
    const std::uint32_t firstEntry = good[20] | good[21] << 8 | good[22] << 16;

    const Damage damages[] = {
        {"no magic", [](auto& f) { f[0] = 'X'; }},
        {"cut inside the directory", [](auto& f) { f.resize(40); }},
        {"cut inside the last picture", [](auto& f) { f.resize(f.size() - 100); }},
        {"entry offset past the end",
         [](auto& f) { putU32(f, 20, static_cast<std::uint32_t>(f.size())); }},
        {"entry inside the directory", [](auto& f) { putU32(f, 20, 24); }},
        {"entries out of order", [](auto& f) { putU32(f, 28, 128); }},
        {"next-block distance past the entry", [&](auto& f) { f[firstEntry + 3] = 0x10; }},
        {"next-block distance into the pixels",
         [&](auto& f) {
             f[firstEntry + 1] = 0x20;
             f[firstEntry + 2] = 0;
         }},
    };
    for (const Damage& damage : damages) {
        std::vector<std::uint8_t> file = good;
        damage.apply(file);
        EXPECT_THROW(walkFsh(file), FshWalkError) << damage.what;
    }
}
