// vestrix-convert as a user runs it: outputs, exit statuses, and above all no file lost.
#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/cli/cli_fixture.h"

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
    write("src/a/k.fsh", kit());
    write("src/b/k.fsh", kit());
    fs::create_directories(m_folder / "linked/a");
    fs::create_directory_symlink(m_folder / "linked/a", m_folder / "linked/b");
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
        // The jersey would replace its kit; its previews are fine, and must not hide that.
        {{"--previews", "@prev", "-d", "@x", "@x/a.fsh"}, "x/a.fsh"},
        // Two output folders, one of them a link to the other: new names, one folder.
        {{"-d", "@linked", "@src"}, "linked/b/k.fsh"},
    };
    // The window's files beside the program are not read by the converter, but are kept too,
    // and so is the converter itself.
    const std::string program = VESTRIX_CONVERT;
    const std::string folder = fs::path(program).parent_path().string();
    for (const std::string& own : {folder + "/fifa2k.pal", folder + "/readme.txt", program}) {
        const ProgramRun run = convert({"-o", own, "@kit.fsh"});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.errors.find(own + ", one of the program's own files"), std::string::npos)
            << run.errors;
    }
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
    EXPECT_FALSE(exists("prev"));
    EXPECT_FALSE(exists("linked/a/k.fsh"));
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

namespace {
/** Runs vestrix-convert as an ordinary user (through setpriv where the tests run as root). */
ProgramRun convertAsOrdinaryUser(std::vector<std::string> arguments) {
    std::string program = VESTRIX_CONVERT;
    if (::geteuid() == 0) {
        arguments.insert(arguments.begin(),
                         {"--reuid=65534", "--regid=65534", "--clear-groups", program});
        program = "/usr/bin/setpriv";
    }
    return runProgram(program, arguments);
}

bool ranAsUser(const ProgramRun& run) { return run.exitCode != 126 && run.exitCode != 127; }
}  // namespace

// Whatever stops a run before its first kit leaves nothing behind: no folder it made, no file.
TEST_F(ConvertProgramTest, AnOutputLocationThatCannotBeUsedEndsTheRunWithNothingMade) {
    fs::create_directories(m_folder / "locked");
    fs::permissions(m_folder / "locked", fs::perms::owner_read | fs::perms::owner_exec |
                                             fs::perms::group_read | fs::perms::group_exec |
                                             fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(m_folder, fs::perms::all);
    fs::permissions(m_folder / "kit.fsh", fs::perms::all);
    write("other/kit.fsh", kit());
    const struct {
        std::vector<std::string> arguments;
        std::string says;
    } cases[] = {
        {{"-d", "@out", "--previews", "@kit.fsh/prev", "@kit.fsh"},
         "Cannot create folder " + path("kit.fsh/prev") + ": Not a directory"},
        {{"-o", "@newdir/", "@kit.fsh"},
         "Cannot write " + path("newdir/") + ": it names a folder; -o takes a file name"},
        {{"-d", "@out/deep", "@kit.fsh", "@other/kit.fsh"},
         " would both be written to " + path("out/deep/kit.fsh")},
        {{"-d", "@out", "--previews", "@locked/prev", "@kit.fsh"},
         "Cannot create folder " + path("locked/prev") + ": Permission denied"},
        {{"-d", "@out", "--previews", "@locked", "@kit.fsh"},
         "Cannot write to folder " + path("locked") + ": Permission denied"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        for (std::string& argument : arguments)
            if (argument.starts_with("@")) argument = path(argument.substr(1));
        const ProgramRun run = convertAsOrdinaryUser(arguments);
        if (!ranAsUser(run)) GTEST_SKIP() << "cannot run the converter as another user here";
        EXPECT_EQ(run.exitCode, 2) << c.says;
        EXPECT_NE(run.errors.find(c.says), std::string::npos) << run.errors;
        EXPECT_FALSE(exists("out") || exists("newdir") || exists("locked/prev")) << c.says;
    }
}

// Every *.fsh below a folder is a kit, named when it cannot be read; folders that cannot be read
// are named and fail the run; a second way into a folder is named and passed over.
TEST_F(ConvertProgramTest, AFolderOfKitsNamesEverythingItPassesOver) {
    write("kits/a.fsh", kit());
    write("kits/real/b.fsh", kit());
    write("kits/unreadable/c.fsh", kit());
    write("kits/.d.fsh.vestrix-123-4", kit());  // a temporary left by a killed run
    fs::create_directory_symlink(m_folder / "kits/real", m_folder / "kits/linked");
    fs::create_directory_symlink(m_folder / "kits", m_folder / "kits/real/up");
    fs::create_symlink(m_folder / "kits/gone.fsh", m_folder / "kits/dangling.fsh");
    ASSERT_EQ(::mkfifo(path("kits/fifo.fsh").c_str(), 0666), 0);
    for (const auto& entry : fs::recursive_directory_iterator(m_folder))
        if (!entry.is_symlink()) fs::permissions(entry.path(), fs::perms::all);
    fs::permissions(m_folder, fs::perms::all);
    fs::permissions(m_folder / "kits/unreadable", fs::perms::none);

    const ProgramRun run = convertAsOrdinaryUser({"-d", path("out"), path("kits")});
    if (!ranAsUser(run)) GTEST_SKIP() << "cannot run the converter as another user here";
    fs::permissions(m_folder / "kits/unreadable", fs::perms::all);
    EXPECT_EQ(run.exitCode, 1);
    const std::string kits = path("kits");
    for (const std::string& line : std::vector<std::string>{
             // Links to folders are followed once: "linked" comes first in name order.
             kits + "/real: skipped: the same folder as " + kits +
                 "/linked, which is searched already",
             kits + "/linked/up: skipped: the same folder as " + kits +
                 ", which is searched already",
             kits + "/unreadable: Cannot read folder: Permission denied",
             kits + "/dangling.fsh: Cannot read " + kits +
                 "/dangling.fsh: No such file or directory",
             kits + "/fifo.fsh: Cannot read " + kits + "/fifo.fsh: it is a FIFO, not a file",
             "2 of 4 jerseys converted; 1 folder could not be read",
         }) {
        EXPECT_NE(run.errors.find(line + "\n"), std::string::npos) << line << "\n" << run.errors;
    }
    EXPECT_TRUE(exists("out/a.fsh") && exists("out/linked/b.fsh"));
    EXPECT_EQ(run.errors.find(".d.fsh"), std::string::npos) << run.errors;
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

TEST_F(ConvertProgramTest, NamesAreShownWithTheirControlCharactersEscaped) {
    // A window title sequence, a C1 control sequence introducer, and a letter that stays.
    const std::string name =
        "club\x1b]0;owned\x07\xc2\x9b"
        "2J\u00e9.fsh";
    write(name, kit("hjbk"));
    const ProgramRun run = convert({"-d", "@out", "@" + name});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.errors.find("club\\x1B]0;owned\\x07\\xC2\\x9B2J\u00e9.fsh: warning"),
              std::string::npos)
        << run.errors;
    EXPECT_EQ(run.errors.find_first_of("\x1b\x07"), std::string::npos);
}

TEST_F(ConvertProgramTest, HelpAndVersionThatCannotBeWrittenAreNoSuccess) {
    for (const char* option : {"--help", "--version"}) {
        const ProgramRun run = runProgram(
            "/bin/sh",
            {"-c", std::string("exec \"$0\" ") + option + " >/dev/full", VESTRIX_CONVERT});
        EXPECT_EQ(run.exitCode, 2) << option;
        EXPECT_EQ(run.errors,
                  "vestrix-convert: Cannot write to standard output: No space left on device\n");
    }
}
