// What vestrix-convert does with files that are not plain ones, wherever they stand: as an output,
// as a kit, inside a folder of kits, and as the template or palette. Every refusal is immediate
// (nothing waits for a FIFO's writer), names the file and the reason, and leaves nothing behind.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <functional>
#include <set>

#include "tests/cli/cli_fixture.h"
#include "tests/support/own_device.h"

namespace fs = std::filesystem;

namespace {

class UnusualFiles : public CliFixture {
protected:
    void fifo(const std::string& name) const { ASSERT_EQ(::mkfifo(path(name).c_str(), 0666), 0); }
    void socket(const std::string& name) const {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path(name).c_str());
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }
    void link(const std::string& name, const std::string& target) const {
        fs::create_symlink(target.starts_with("/") ? target : path(target), m_folder / name);
    }
    std::set<std::string> namesIn(const std::string& folder) const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder / folder))
            names.insert(entry.path().filename().string());
        return names;
    }
    bool contains(const std::string& text, const std::string& part) const {
        return text.find(part) != std::string::npos;
    }
};

struct Refusal {
    std::string name;    // in the scratch folder, or an absolute path
    std::string reason;  // empty: accepted
};

}  // namespace

TEST_F(UnusualFiles, AnOutputIsNewOrAnOrdinaryFileThatMayBeWritten) {
    fs::create_directory(m_folder / "folder");
    fifo("fifo");
    socket("socket");
    write("protected.fsh", Bytes{1});
    fs::permissions(m_folder / "protected.fsh", fs::perms::owner_read | fs::perms::group_read);
    const std::string device = ownNullDevice(m_folder);
    link("to-device", device);
    link("to-fifo", "fifo");
    link("to-socket", "socket");
    link("to-folder", "folder");
    link("dangling", "gone");
    const Refusal refused[] = {
        {device, "it is a device, not a file"},
        {"to-device", "it is a device, not a file"},
        {"fifo", "it is a FIFO, not a file"},
        {"to-fifo", "it is a FIFO, not a file"},
        {"socket", "it is a socket, not a file"},
        {"to-socket", "it is a socket, not a file"},
        {"folder", "it is a folder"},
        {"to-folder", "it is a folder"},
        {"protected.fsh", "it is write-protected"},  // even for root, who could write it
        {"dangling", "it is a link to a file that does not exist"},
    };
    const std::set<std::string> before = namesIn(".");
    for (const Refusal& c : refused) {
        const std::string target = c.name.starts_with("/") ? c.name : path(c.name);
        const ProgramRun run = convert({"-o", target, "@kit.fsh"});
        EXPECT_EQ(run.exitCode, 2) << c.name;
        EXPECT_TRUE(contains(run.errors, "Cannot write " + target + ": " + c.reason)) << run.errors;
    }
    EXPECT_EQ(namesIn("."), before);  // nothing new, nothing replaced by a file
    EXPECT_TRUE(fs::is_character_file(device));
    EXPECT_TRUE(fs::is_fifo(m_folder / "fifo") && fs::is_socket(m_folder / "socket"));
    EXPECT_EQ(read("protected.fsh"), Bytes{1});

    // Accepted: written through a link, in place under every name of a hard-linked file, and
    // a replaced file keeps its permissions, those that the usual umask would take away too.
    const auto shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                        fs::perms::group_write | fs::perms::others_read;
    write("plain.fsh", Bytes{2});
    fs::permissions(m_folder / "plain.fsh", shared);
    const mode_t umaskBefore = ::umask(022);
    link("to-plain.fsh", "plain.fsh");
    write("shared.fsh", Bytes{3});
    fs::create_hard_link(m_folder / "shared.fsh", m_folder / "second-name.fsh");
    for (const char* name : {"to-plain.fsh", "second-name.fsh", "new.fsh"})
        EXPECT_EQ(
            convert({"--resources", "@res", "-o", std::string("@") + name, "@kit.fsh"}).exitCode, 0)
            << name;
    const Bytes jersey = expectedJersey(kit(), 191);
    EXPECT_TRUE(fs::is_symlink(m_folder / "to-plain.fsh"));
    EXPECT_EQ(read("plain.fsh"), jersey);
    ::umask(umaskBefore);
    EXPECT_EQ(fs::status(m_folder / "plain.fsh").permissions() & fs::perms::all, shared);
    EXPECT_EQ(read("shared.fsh"), jersey);
    EXPECT_EQ(read("new.fsh"), jersey);
}

TEST_F(UnusualFiles, AKitThatIsNoOrdinaryFileFailsAloneWithoutWaiting) {
    fifo("fifo.fsh");
    socket("socket.fsh");
    link("to-fifo.fsh", "fifo.fsh");
    link("to-socket.fsh", "socket.fsh");
    link("to-device.fsh", "/dev/zero");  // endless as well
    link("dangling.fsh", "gone.fsh");
    link("loop.fsh", "loop.fsh");
    const Refusal kits[] = {
        {"fifo.fsh", "it is a FIFO, not a file"},
        {"to-fifo.fsh", "it is a FIFO, not a file"},
        {"socket.fsh", "No such device or address"},  // a socket cannot even be opened
        {"to-socket.fsh", "No such device or address"},
        {"/dev/zero", "it is a device, not a file"},
        {"to-device.fsh", "it is a device, not a file"},
        {"/dev/stdin", "it is a device, not a file"},  // the test gives /dev/null as input
        {"dangling.fsh", "No such file or directory"},
        {"loop.fsh", "Too many levels of symbolic links"},
    };
    std::vector<std::string> arguments = {"-d", "@out", "@kit.fsh"};
    for (const Refusal& c : kits)
        arguments.push_back(c.name.starts_with("/") ? c.name : "@" + c.name);
    const ProgramRun run = convert(arguments);
    EXPECT_EQ(run.exitCode, 1);
    for (const Refusal& c : kits) {
        const std::string kit = c.name.starts_with("/") ? c.name : path(c.name);
        EXPECT_TRUE(contains(run.errors, kit + ": Cannot read " + kit + ": " + c.reason + "\n"))
            << c.name << "\n"
            << run.errors;
    }
    EXPECT_TRUE(contains(run.errors, "1 of 10 jerseys converted")) << run.errors;
    EXPECT_EQ(namesIn("out"), std::set<std::string>{"kit.fsh"});
}

TEST_F(UnusualFiles, ATemplateOrPaletteThatIsNoOrdinaryFileEndsTheRunFirst) {
    const std::string res = path("res");
    Bytes zeros(templateBytes().size(), 0);
    Bytes garbage(templateBytes().size(), 0x42);
    std::copy_n("SHPI", 4, garbage.begin());
    const struct {
        const char* file;
        std::function<void()> make;
        std::string says;
    } cases[] = {
        {"pk001.fsh", [&] { fs::create_directory(res + "/pk001.fsh"); },
         "Cannot read " + res + "/pk001.fsh: it is a folder"},
        {"pk001.fsh", [&] { fifo("res/pk001.fsh"); }, "pk001.fsh: it is a FIFO, not a file"},
        {"pk001.fsh", [&] { link("res/pk001.fsh", "/dev/zero"); },
         "pk001.fsh: it is a device, not a file"},
        {"pk001.fsh", [&] { socket("res/pk001.fsh"); }, "pk001.fsh: No such device or address"},
        {"pk001.fsh", [&] { write("res/pk001.fsh", Bytes((1 << 20) + 1, 0)); },
         "pk001.fsh: it holds more than 1048576 bytes"},
        {"pk001.fsh", [&] { write("res/pk001.fsh", zeros); },
         "PK001.FSH is missing or damaged ! (" + res + "/pk001.fsh: it does not start with SHPI)"},
        {"pk001.fsh", [&] { write("res/pk001.fsh", garbage); },
         "PK001.FSH is missing or damaged ! (" + res +
             "/pk001.fsh: its directory lists 1111638594 pictures, not 9)"},
        {"fifa2k.pal", [&] { fs::create_directory(res + "/fifa2k.pal"); },
         "Cannot read " + res + "/fifa2k.pal: it is a folder"},
        {"fifa2k.pal", [&] { fifo("res/fifa2k.pal"); }, "fifa2k.pal: it is a FIFO, not a file"},
        {"fifa2k.pal",
         [&] {
             fifo("fifo");
             link("res/fifa2k.pal", "fifo");
         },
         "fifa2k.pal: it is a FIFO, not a file"},
        {"fifa2k.pal", [&] { link("res/fifa2k.pal", "/dev/zero"); },
         "fifa2k.pal: it is a device, not a file"},
    };
    for (const auto& c : cases) {
        const std::string kept = path("res/") + c.file + ".kept";
        fs::rename(path("res/") + c.file, kept);
        c.make();
        const ProgramRun run = convert({"--resources", "@res", "-d", "@out", "@kit.fsh"});
        EXPECT_EQ(run.exitCode, 2) << c.says;
        EXPECT_TRUE(contains(run.errors, c.says)) << run.errors;
        EXPECT_FALSE(exists("out")) << c.says;
        fs::remove_all(path("res/") + c.file);
        fs::remove_all(path("fifo"));
        fs::rename(kept, path("res/") + c.file);
    }
}
