// What a program-own file or input may be, and what a write target may be: ordinary files only,
// nothing hangs, nothing is left half-written under any name.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "platform/file_access_error.h"
#include "platform/program_own_files.h"
#include "platform/regular_file.h"
#include "platform/write_target.h"
#include "tests/support/own_device.h"

namespace fs = std::filesystem;

namespace {
class FileRules : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("vestrix-rules-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        fs::permissions(m_dir, fs::perms::all);  // an ordinary user's child writes here too
        write("plain", "old");
        ::mkfifo(path("fifo").c_str(), 0666);
        fs::create_directory(m_dir / "folder");
        m_socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path("socket").c_str());
        ::bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
        for (const char* name : {"plain", "fifo", "folder", "socket"})
            fs::create_symlink(m_dir / name, m_dir / (std::string("link-to-") + name));
        fs::create_symlink(ownNullDevice(m_dir), m_dir / "link-to-device");
        fs::create_symlink(m_dir / "gone", m_dir / "dangling");
    }
    void TearDown() override {
        ::close(m_socket);
        fs::remove_all(m_dir);
    }
    std::string path(const std::string& name) const { return (m_dir / name).string(); }
    void write(const std::string& name, const std::string& text) const {
        std::ofstream(m_dir / name, std::ios::binary) << text;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(m_dir / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static std::vector<std::uint8_t> bytes(const std::string& text) {
        return std::vector<std::uint8_t>(text.begin(), text.end());
    }
    /** The message of the refusal, or empty when the call went through. */
    static std::string refusal(const std::function<void()>& call) {
        try {
            call();
        } catch (const FileAccessError& error) {
            return error.what();
        }
        return {};
    }
    std::vector<std::string> leftovers() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir)) {
            if (WriteTarget::isTemporaryName(entry.path().filename().string()))
                names.push_back(entry.path().filename().string());
        }
        return names;
    }

    fs::path m_dir;
    int m_socket = -1;
};

struct SpecialCase {
    const char* name;
    const char* reason;  // empty: accepted
};
}  // namespace

TEST_F(FileRules, OnlyOrdinaryFilesAreReadAndNothingWaitsForAWriter) {
    const SpecialCase cases[] = {
        {"plain", ""},
        {"link-to-plain", ""},
        {"fifo", "it is a FIFO, not a file"},
        {"link-to-fifo", "it is a FIFO, not a file"},
        {"folder", "it is a folder"},
        {"link-to-folder", "it is a folder"},
        {"socket", "No such device or address"},  // a socket cannot even be opened
        {"link-to-device", "it is a device, not a file"},
        {"dangling", "No such file or directory"},
    };
    for (const SpecialCase& c : cases) {
        const std::string message = refusal([&] { readRegularFile(path(c.name), 100); });
        if (*c.reason == '\0') {
            EXPECT_EQ(message, "") << c.name;
        } else {
            EXPECT_EQ(message, "Cannot read " + path(c.name) + ": " + c.reason) << c.name;
        }
    }
    // An endless file is cut off by the limit rather than read until memory runs out.
    EXPECT_EQ(refusal([] { readRegularFile("/dev/zero", 100); }),
              "Cannot read /dev/zero: it is a device, not a file");
    write("big", std::string(101, 'x'));
    EXPECT_EQ(refusal([&] { readRegularFile(path("big"), 100); }),
              "Cannot read " + path("big") + ": it holds more than 100 bytes");
}

TEST_F(FileRules, AFileReadIsKnownByItsIdentityUnderEveryName) {
    fs::create_hard_link(m_dir / "plain", m_dir / "second-name");
    const RegularFile file = readRegularFile(path("link-to-plain"), 100);
    EXPECT_EQ(std::string(file.bytes.begin(), file.bytes.end()), "old");
    EXPECT_EQ(file.key, WriteTarget::examine(path("second-name")).key());
    ProgramOwnFiles own;
    own.addFolder(m_dir.string());
    EXPECT_TRUE(own.find(file.key).has_value());
}

TEST_F(FileRules, WhatATargetMayBe) {
    write("protected", "old");
    fs::permissions(m_dir / "protected", fs::perms::owner_read | fs::perms::group_read);
    const SpecialCase cases[] = {
        {"new.fsh", ""},
        {"plain", ""},
        {"link-to-plain", ""},
        {"fifo", "it is a FIFO, not a file"},
        {"link-to-fifo", "it is a FIFO, not a file"},
        {"socket", "it is a socket, not a file"},
        {"link-to-socket", "it is a socket, not a file"},
        {"link-to-device", "it is a device, not a file"},
        {"folder", "it is a folder"},
        {"link-to-folder", "it is a folder"},
        {"dangling", "it is a link to a file that does not exist"},
        {"protected", "it is write-protected"},  // even for root, who could write it
    };
    for (const SpecialCase& c : cases) {
        const std::string message = refusal([&] { WriteTarget::examine(path(c.name)); });
        if (*c.reason == '\0') {
            EXPECT_EQ(message, "") << c.name;
        } else {
            EXPECT_EQ(message, "Cannot write " + path(c.name) + ": " + c.reason) << c.name;
        }
    }
    EXPECT_TRUE(fs::is_fifo(m_dir / "fifo"));
    EXPECT_EQ(read("protected"), "old");
}

TEST_F(FileRules, EveryNameOfTheTargetShowsTheNewJerseyWithItsOldRights) {
    fs::permissions(m_dir / "plain", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_hard_link(m_dir / "plain", m_dir / "second-name");
    WriteTarget::examine(path("link-to-plain")).write(bytes("jersey"));
    EXPECT_TRUE(fs::is_symlink(m_dir / "link-to-plain"));
    EXPECT_EQ(read("plain"), "jersey");
    EXPECT_EQ(read("second-name"), "jersey");

    write("single", "a much longer old content");
    fs::permissions(m_dir / "single", fs::perms::owner_read | fs::perms::owner_write);
    WriteTarget::examine(path("single")).write(bytes("short"));
    EXPECT_EQ(read("single"), "short");
    EXPECT_EQ(fs::status(m_dir / "single").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(leftovers().empty());
}

TEST_F(FileRules, AWriteThatRunsOutOfSpaceChangesNoName) {
    // A file size limit stands in for a full disk: the system refuses the bytes past it.
    fs::create_hard_link(m_dir / "plain", m_dir / "second-name");
    write("single", "old");
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const std::vector<std::uint8_t> jersey(10000, 7);
    const std::string hardLinked =
        refusal([&] { WriteTarget::examine(path("plain")).write(jersey); });
    const std::string single = refusal([&] { WriteTarget::examine(path("single")).write(jersey); });
    ::setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_EQ(hardLinked, "Cannot write " + path("plain") + ": File too large");
    EXPECT_EQ(single, "Cannot write " + path("single") + ": File too large");
    EXPECT_EQ(read("plain"), "old");
    EXPECT_EQ(read("second-name"), "old");
    EXPECT_EQ(read("single"), "old");
    EXPECT_TRUE(leftovers().empty());
}

TEST_F(FileRules, AFolderThatTakesNoNewFilesStillLetsAnExistingFileBeWritten) {
    // Run as an ordinary user: root may create files in any folder.
    fs::create_directory(m_dir / "locked");
    write("locked/kit.fsh", "old");
    fs::permissions(m_dir / "locked/kit.fsh", fs::perms::all);
    fs::permissions(m_dir / "locked",
                    fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
        const std::string newFile =
            refusal([&] { WriteTarget::examine(path("locked/new.fsh")).write(bytes("jersey")); });
        const std::string existing =
            refusal([&] { WriteTarget::examine(path("locked/kit.fsh")).write(bytes("jersey")); });
        ::_exit(newFile.find("Permission denied") != std::string::npos && existing.empty() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(read("locked/kit.fsh"), "jersey");
    EXPECT_FALSE(fs::exists(m_dir / "locked/new.fsh"));
}

TEST_F(FileRules, TheProgramsOwnFilesAreEverythingButTheUsersJerseys) {
    for (const char* name : {"pk001.fsh", "fifa2k.pal", "jersey.cfg", "subzero.jpg", "mykit.fsh"})
        write(name, "x");
    ProgramOwnFiles own;
    own.addFolder(m_dir.string());
    const auto ownKey = [&](const char* name) {
        return own.find(readRegularFile(path(name), 100).key).has_value();
    };
    EXPECT_TRUE(ownKey("pk001.fsh"));
    EXPECT_TRUE(ownKey("fifa2k.pal"));
    EXPECT_TRUE(ownKey("jersey.cfg"));
    EXPECT_TRUE(ownKey("subzero.jpg"));
    EXPECT_FALSE(ownKey("mykit.fsh"));
}
