// Running the current test again as an ordinary user.
#include "tests/support/ordinary_user.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

bool ranAsOrdinaryUser() {
    if (::geteuid() != 0) return false;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter =
        std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name();
    // The test program itself, by its name: after the exec /proc/self/exe would be setpriv.
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::vector<std::string> arguments = {
        "/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", self, filter};
    const pid_t child = ::fork();
    if (child == 0) {
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    EXPECT_GT(child, 0) << "cannot start a process for the ordinary user";
    if (child > 0) ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << test->name() << " failed as the ordinary user 65534 (status " << status << ")";
    return true;
}
