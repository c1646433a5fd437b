// Telling the files a run reads apart from the ones it writes, on each platform's own file keys.
#include "file_identity.h"

#include <gtest/gtest.h>

#include "cli_fixture.h"

namespace fs = std::filesystem;

using FileIdentityTest = CliFixture;

TEST_F(FileIdentityTest, KnowsAFileByAnyNameButNotItsCopy) {
    fs::create_directories(m_folder / "sub");
    fs::create_hard_link(m_folder / "kit.fsh", m_folder / "sub/linked.fsh");
    fs::copy_file(m_folder / "kit.fsh", m_folder / "copy.fsh");
    FileIdentity identity;
    identity.add(m_folder / "kit.fsh", "the kit");
    EXPECT_EQ(identity.sameAs(m_folder / "sub/linked.fsh"), "the kit");
    EXPECT_EQ(identity.sameAs(m_folder / "sub/../kit.fsh"), "the kit");
    EXPECT_EQ(identity.sameAs(m_folder / "copy.fsh"), std::nullopt);
    EXPECT_EQ(identity.sameAs(m_folder / "new.fsh"), std::nullopt);
}
