// vestrix-convert as a user runs it: outputs, exit statuses, and above all no file lost.
#include <gtest/gtest.h>
#include <unistd.h>

#include "cli_fixture.h"

namespace fs = std::filesystem;

namespace {
using ConvertProgramTest = CliFixture;
const std::string kRepoResources = VESTRIX_SOURCE_DIR "/resources";
}  // namespace

TEST_F(ConvertProgramTest, ConvertsReportsAndExitsAsDocumented) {
    write("notes.fsh", Bytes{'S', 'H', 'P', 'I', 0, 0, 0, 0, 13});
    ProgramRun run = convert(
        {"--resources", "@res", "--previews", "@prev", "-d", "@out", "@kit.fsh", "@notes.fsh"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find(path("notes.fsh") + ": Not a jersey file"), std::string::npos)
        << run.errors;
    EXPECT_NE(run.errors.find("1 of 2 jerseys converted"), std::string::npos) << run.errors;
    EXPECT_EQ(read("out/kit.fsh"), expectedJersey(kit(), 191));
    EXPECT_FALSE(exists("out/notes.fsh"));
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(exists("prev/kit-preview-" + std::to_string(i) + ".png"));

    EXPECT_EQ(convert({"--resources=@res", "--64-color", "--output=@one.fsh", "@kit.fsh"}).exitCode,
              0);
    EXPECT_EQ(read("one.fsh"), expectedJersey(kit(), 0));
    EXPECT_EQ(convert({"-o", "@x.fsh"}).exitCode, 2);
    EXPECT_EQ(convert({"--help"}).exitCode, 0);
}

// Every way an output could land on a file the run reads: refused before anything is written.
TEST_F(ConvertProgramTest, RefusesToWriteOverAnyFileTheRunReads) {
    write("x/a.fsh", kit());
    write("out/a.fsh", kit("hjbk"));
    write("other/kit.fsh", kit("mrsv"));
    fs::create_hard_link(m_folder / "kit.fsh", m_folder / "hard.fsh");
    fs::create_symlink(m_folder / "res/pk001.fsh", m_folder / "soft.fsh");
    struct Case {
        std::vector<std::string> arguments;
        std::string named;  // the file the message must name as the one at risk
    };
    const std::vector<Case> cases = {
        {{"-d", "@out", "@x/a.fsh", "@out/a.fsh"}, "out/a.fsh"},  // one kit's output is another kit
        {{"-o", "@kit.fsh", "@kit.fsh"}, "kit.fsh"},              // its own input
        {{"--resources", "@res", "-o", "@res/fifa2k.pal", "@kit.fsh"}, "res/fifa2k.pal"},
        {{"-o", "@hard.fsh", "@kit.fsh"}, "kit.fsh"},  // a hard link to the input
        {{"--resources", "@res", "-o", "@soft.fsh", "@kit.fsh"},
         "res/pk001.fsh"},  // a symbolic one
        {{"-d", "@x", "--previews", "@x", "@kit.fsh", "@other/kit.fsh"},
         "other/kit.fsh"},  // two kits, one name
    };
    // The window's palette file beside the program is not read by the converter, but is kept too.
    const std::string besideProgram = fs::path(VESTRIX_CONVERT).parent_path() / "fifa2k.pal";
    const ProgramRun own = convert({"-o", besideProgram, "@kit.fsh"});
    EXPECT_EQ(own.exitCode, 2);
    EXPECT_NE(own.errors.find(besideProgram + ", one of the program's own files"),
              std::string::npos)
        << own.errors;
    for (const Case& c : cases) {
        const ProgramRun run = convert(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << run.errors;
        EXPECT_NE(run.errors.find(path(c.named)), std::string::npos) << run.errors;
    }
    EXPECT_EQ(read("out/a.fsh"), kit("hjbk"));
    EXPECT_EQ(read("kit.fsh"), kit());
    EXPECT_EQ(read("res/pk001.fsh"), templateBytes());
    EXPECT_FALSE(exists("x/kit.fsh"));
    EXPECT_FALSE(exists("x/kit-preview-0.png"));
}

// The window patches pk001.fsh beside the program at every load; the converter must not care.
TEST_F(ConvertProgramTest, UsesThePristineShippedFilesWhateverLiesBesideIt) {
    fs::copy_file(VESTRIX_CONVERT, m_folder / "vestrix-convert");
    write("pk001.fsh", Bytes(templateBytes().size(), 0x42));
    write("fifa2k.pal", Bytes{'x'});
    const ProgramRun beside =
        runProgram(path("vestrix-convert"), {"-o", path("a.fsh"), path("kit.fsh")});
    EXPECT_EQ(beside.exitCode, 0) << beside.errors;
    EXPECT_EQ(convert({"--resources", kRepoResources, "-o", "@b.fsh", "@kit.fsh"}).exitCode, 0);
    EXPECT_EQ(read("a.fsh"), read("b.fsh"));
    EXPECT_EQ(read("a.fsh").size(), fs::file_size(kRepoResources + "/pk001.fsh"));
}

TEST_F(ConvertProgramTest, FoldersAreSearchedAndTheirLayoutKept) {
    write("kits/a.fsh", kit());
    write("kits/club/b.FSH", kit("hjbk"));
    write("kits/club/readme.txt", Bytes{'h', 'i'});
    const ProgramRun run =
        convert({"--resources", "@res", "-d", "@out", "--previews", "@prev", "@kits"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(read("out/a.fsh"), expectedJersey(kit(), 191));
    EXPECT_EQ(read("out/club/b.fsh"), expectedJersey(kit("hjbk"), 191));
    EXPECT_TRUE(exists("prev/club/b-preview-7.png"));
    EXPECT_FALSE(exists("out/club/readme.fsh"));
    EXPECT_NE(run.errors.find("warning: no back picture (hjbk)"), std::string::npos) << run.errors;

    EXPECT_EQ(convert({"-o", "@one.fsh", "@kits"}).exitCode, 2);  // -o is for one kit
}

TEST_F(ConvertProgramTest, OutputFoldersThatCannotTakeFilesEndTheRunFirst) {
    const ProgramRun notAFolder =
        convert({"--resources", "@res", "-d", "@kit.fsh/out", "@kit.fsh"});
    EXPECT_EQ(notAFolder.exitCode, 2);
    EXPECT_NE(
        notAFolder.errors.find("Cannot create folder " + path("kit.fsh/out") + ": Not a directory"),
        std::string::npos)
        << notAFolder.errors;

    // A folder the user may not write into: run as an unprivileged user where we are root.
    fs::create_directories(m_folder / "locked");
    fs::permissions(m_folder / "locked", fs::perms::owner_read | fs::perms::owner_exec |
                                             fs::perms::group_read | fs::perms::group_exec |
                                             fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(m_folder, fs::perms::all);
    fs::permissions(m_folder / "kit.fsh", fs::perms::all);
    std::vector<std::string> arguments = {"-d", path("locked"), path("kit.fsh")};
    std::string program = VESTRIX_CONVERT;
    if (::geteuid() == 0) {
        arguments.insert(arguments.begin(),
                         {"--reuid=65534", "--regid=65534", "--clear-groups", program});
        program = "/usr/bin/setpriv";
    }
    const ProgramRun locked = runProgram(program, arguments);
    if (locked.exitCode == 126 || locked.exitCode == 127 || !fs::exists(program)) {
        GTEST_SKIP() << "cannot run the converter as another user here";
    }
    EXPECT_EQ(locked.exitCode, 2) << locked.errors;
    EXPECT_NE(
        locked.errors.find("Cannot write to folder " + path("locked") + ": Permission denied"),
        std::string::npos)
        << locked.errors;
}

TEST_F(ConvertProgramTest, QuietSilencesWarningsButNeverErrors) {
    write("nosleeve.fsh", kit("hrsv"));
    const ProgramRun run =
        convert({"-q", "--resources", "@res", "-d", "@out", "@nosleeve.fsh", "@missing.fsh"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errors, path("missing.fsh") + ": Cannot read " + path("missing.fsh") +
                              ": No such file or directory\n");
    EXPECT_TRUE(exists("out/nosleeve.fsh"));
}

TEST_F(ConvertProgramTest, SeveralThreadsWriteTheSameFilesAndMessagesInTheSameOrder) {
    for (int i = 0; i < 12; ++i) {
        write("kits/k" + std::to_string(i) + ".fsh",
              i % 4 == 1 ? Bytes{'S', 'H', 'P', 'I'} : kit(i % 4 == 2 ? "hjbk" : ""));
    }
    const ProgramRun one = convert({"-j", "1", "--resources", "@res", "-d", "@one", "@kits"});
    const ProgramRun four = convert({"--jobs=4", "--resources", "@res", "-d", "@four", "@kits"});
    EXPECT_EQ(one.exitCode, 1);
    EXPECT_EQ(four.exitCode, 1);
    std::string expected = one.errors;
    for (std::size_t at; (at = expected.find("/one/")) != std::string::npos;)
        expected.replace(at, 5, "/four/");
    EXPECT_EQ(four.errors, expected);
    for (int i = 0; i < 12; ++i) {
        const std::string name = "/k" + std::to_string(i) + ".fsh";
        EXPECT_EQ(read("one" + name), read("four" + name)) << name;
    }
}
