// Runs that stop halfway, interrupted by the user or on a full disk: what was written is whole
// and counted, what was not is gone, and no temporary file stays behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <regex>

#include "tests/cli/cli_fixture.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

using StoppedRuns = CliFixture;

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

}  // namespace

TEST_F(StoppedRuns, AnInterruptedBatchEndsBetweenKitsWithEveryJerseyWhole) {
    // Each kit lacks its back, so each gets a warning: the messages fill a small pipe that is
    // read only after the interruption, which holds the converter at a known point.
    for (int i = 0; i < 200; ++i) write("kits/k" + std::to_string(1000 + i) + ".fsh", kit("hjbk"));
    int ends[2];
    ASSERT_EQ(::pipe2(ends, O_CLOEXEC), 0);
    ASSERT_GT(::fcntl(ends[1], F_SETPIPE_SZ, 4096), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, ends[1], 2);
    std::vector<std::string> arguments = {VESTRIX_CONVERT, "-j", "1",         "--resources",
                                          path("res"),     "-d", path("out"), path("kits")};
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);

    // The first message comes from the batch, which watches for interruptions from its start.
    pollfd first{ends[0], POLLIN, 0};
    ASSERT_EQ(::poll(&first, 1, 30000), 1) << "no message from the converter";
    ::kill(pid, SIGINT);
    std::string errors;
    char buffer[4096];
    for (ssize_t got; (got = ::read(ends[0], buffer, sizeof buffer)) > 0;)
        errors.append(buffer, static_cast<std::size_t>(got));
    ::close(ends[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);

    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
    std::smatch summary;
    ASSERT_TRUE(std::regex_search(errors, summary,
                                  std::regex("vestrix-convert: interrupted; (\\d+) of 200 "
                                             "jerseys converted\n$")))
        << errors.substr(errors.size() > 300 ? errors.size() - 300 : 0);
    const std::size_t converted = std::stoul(summary[1]);
    EXPECT_GT(converted, 0u);
    EXPECT_LT(converted, 200u);
    const std::vector<std::string> written = namesIn(m_folder / "out");
    EXPECT_EQ(written.size(), converted);
    for (const std::string& name : written) {
        EXPECT_TRUE(name.starts_with("k") && name.ends_with(".fsh")) << name;  // no temporary
        EXPECT_EQ(read("out/" + name), expectedJersey(kit("hjbk"), 191)) << name;
    }
}

TEST_F(StoppedRuns, PreviewsThatDoNotFitAreRemovedAndTheWrittenJerseyCounts) {
    // A file system of nine pages of its own, in a mount namespace of this test's process: the
    // jersey takes six, the fourth preview finds none left.
    if (::geteuid() != 0 || ::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        GTEST_SKIP() << "needs a mount of its own (root)";
    }
    fs::create_directory(m_folder / "small");
    ASSERT_EQ(::mount("tmpfs", path("small").c_str(), "tmpfs", 0, "size=36k"), 0);
    const ProgramRun run = convert(
        {"--resources", "@res", "-d", "@small/out", "--previews", "@small/prev", "@kit.fsh"});
    const bool jerseyWhole = read("small/out/kit.fsh") == expectedJersey(kit(), 191);
    const std::vector<std::string> previews = namesIn(m_folder / "small/prev");
    ::umount2(path("small").c_str(), MNT_DETACH);

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("-preview-3.png: No space left on device; the kit's other previews "
                              "were removed again\n"),
              std::string::npos)
        << run.errors;
    EXPECT_NE(run.errors.find("1 of 1 jerseys converted; the previews of 1 are missing\n"),
              std::string::npos)
        << run.errors;
    EXPECT_TRUE(jerseyWhole);
    EXPECT_EQ(previews, std::vector<std::string>{});
}
