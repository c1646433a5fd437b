// The plan's identity of outputs that do not exist yet: a new file is known by the folder the
// system finds for it, however the path spells the way there.
#include "batch/batch_plan.h"

#include <gtest/gtest.h>

#include "batch/batch_converter.h"
#include "tests/cli/cli_fixture.h"

namespace fs = std::filesystem;

using BatchPlanTest = CliFixture;

TEST_F(BatchPlanTest, ANewFileIsKnownByItsFolderHoweverThePathLeadsThere) {
    fs::create_directories(m_folder / "prog/sub");
    fs::create_directory_symlink(m_folder / "prog", m_folder / "via-link");
    ProgramLocations program;
    program.folders = {path("prog")};
    const std::string own = ", one of the program's own files; choose another output";
    const struct {
        const char* output;
        std::string replaces;  // empty: a new file the run may write
    } cases[] = {
        {"prog/sub/../settings.cfg", path("prog") + "/settings.cfg" + own},
        {"prog/made/../fifa2k.pal", path("prog") + "/fifa2k.pal" + own},
        {"via-link/PK001.FSH", path("prog") + "/PK001.FSH" + own},
        {"via-link/sub/../readme.txt", path("prog") + "/readme.txt" + own},
        {"prog/sub/../mine.fsh", ""},  // users keep their jerseys beside the program
        {"via-link/sub/theirs.pal", ""},
    };
    for (const auto& c : cases) {
        BatchRequest line;
        line.inputs = {path("kit.fsh")};
        line.outputFile = path(c.output);
        std::string error;
        const BatchPlan plan = BatchPlan::make(line, {}, program, error);
        EXPECT_EQ(error, c.replaces.empty()
                             ? ""
                             : "Writing " + path(c.output) + " would replace " + c.replaces)
            << c.output;
        EXPECT_EQ(plan.jobs().size(), c.replaces.empty() ? 1u : 0u) << c.output;
        EXPECT_FALSE(exists("prog/made")) << c.output;  // made for the plan, taken back
    }
}

// Outputs are checked against the kits once, before the first kit: a kit replaced after that
// (by the very output it is to be written to, say) is refused at its turn, and the output stays.
TEST_F(BatchPlanTest, AKitReplacedAfterPlanningIsRefusedAtItsTurn) {
    write("out.fsh", Bytes{7});
    BatchRequest line;
    line.inputs = {path("kit.fsh")};
    line.outputFile = path("out.fsh");
    std::string error;
    const BatchPlan plan = BatchPlan::make(line, {}, ProgramLocations{}, error);
    ASSERT_EQ(error, "");
    ASSERT_EQ(plan.jobs().size(), 1u);

    fs::remove(m_folder / "kit.fsh");
    fs::create_hard_link(m_folder / "out.fsh", m_folder / "kit.fsh");
    const KitResult result =
        BatchConverter::fromFolder(path("res"), false, false).convert(plan.jobs()[0]);
    EXPECT_EQ(result.error, "it was replaced by another file after the outputs were checked");
    EXPECT_EQ(read("out.fsh"), Bytes{7});
}

// A file system that ignores letter case would put both kits in one file: the second is refused.
TEST_F(BatchPlanTest, TwoKitsWhoseNamesDifferOnlyInCaseAreOneOutput) {
    write("a/Home.fsh", kit());
    write("b/home.fsh", kit());
    BatchRequest line;
    line.inputs = {path("a/Home.fsh"), path("b/home.fsh")};
    line.outputFolder = path("out");
    std::string error;
    const BatchPlan plan = BatchPlan::make(line, {}, ProgramLocations{}, error);
    EXPECT_NE(error.find("would both be written to"), std::string::npos) << error;
    EXPECT_TRUE(plan.jobs().empty());
}
