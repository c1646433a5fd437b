// Kits, outputs and program folders named in any letters. On Windows every name crosses into the
// system through the wide calls, so a name outside the ANSI code page converts like any other,
// and the program's own files are known by what they are, whatever their folder is called.
#include <filesystem>

#include "platform/common/path_text.h"
#include "tests/cli/cli_fixture.h"

namespace fs = std::filesystem;

namespace {
// Western and central European letters, Cyrillic, Greek, Japanese, a symbol beyond 16 bits, a
// space, and a one-dot leader that looks like the trailing dot Windows drops from names.
const std::string kNames[] = {"café", "Müller", "Łukasz",    "Кубок",    "ελλάδα",
                              "日本", "⚽",      "two words", "dot\u2024"};

fs::path programCopy(const fs::path& folder) {
    fs::create_directories(folder);
    const fs::path program = folder / toPath(VESTRIX_CONVERT).filename();
    fs::copy_file(toPath(VESTRIX_CONVERT), program, fs::copy_options::overwrite_existing);
    return program;
}
}  // namespace

class NamesBeyondAscii : public CliFixture {};

TEST_F(NamesBeyondAscii, KitsOutputsAndFoldersConvertWhateverTheirLetters) {
    ASSERT_EQ(convert({"--resources", "@res", "-o", "@expected.fsh", "@kit.fsh"}).exitCode, 0);
    const Bytes expected = read("expected.fsh");
    for (const std::string& name : kNames) {
        SCOPED_TRACE(name);
        write(name + "/" + name + ".fsh", kit());
        write(name + "/" + name + " damaged.fsh", Bytes{'n', 'o'});
        fs::create_directories(m_folder / toPath("out " + name));

        const ProgramRun one = convert(
            {"--resources", "@res", "-o", "@o-" + name + ".fsh", "@" + name + "/" + name + ".fsh"});
        EXPECT_EQ(one.exitCode, 0) << one.errors;
        EXPECT_EQ(read("o-" + name + ".fsh"), expected);

        // A folder of kits into an existing folder: the damaged kit fails alone, named as it is.
        const ProgramRun all = convert({"--resources", "@res", "-d", "@out " + name, "@" + name});
        EXPECT_EQ(all.exitCode, 1) << all.errors;
        EXPECT_EQ(read("out " + name + "/" + name + ".fsh"), expected);
        const fs::path damaged = m_folder / toPath(name) / toPath(name + " damaged.fsh");
        EXPECT_NE(all.errors.find(pathText(damaged) + ": "), std::string::npos) << all.errors;
        // Nothing else appeared under another spelling of the name.
        std::size_t outputs = 0;
        for (const auto& entry : fs::directory_iterator(m_folder / toPath("out " + name))) {
            (void)entry;
            ++outputs;
        }
        EXPECT_EQ(outputs, 1u);
    }
}

TEST_F(NamesBeyondAscii, APortableCopyKeepsItsOwnFilesWhateverItsFolderIsCalled) {
    for (const std::string& name : {std::string("Jeux é"), std::string("Папка 日本")}) {
        SCOPED_TRACE(name);
        const fs::path folder = m_folder / toPath(name);
        const fs::path program = programCopy(folder);
        write(name + "/pk001.fsh", read("res/pk001.fsh"));
        write(name + "/fifa2k.pal", read("res/fifa2k.pal"));
        const Bytes work = read(name + "/pk001.fsh");
        for (const std::string& own : {name + "/pk001.fsh", name + "/fifa2k.pal",
                                       pathText(fs::path(toPath(name)) / program.filename())}) {
            const ProgramRun run =
                runProgram(pathText(program), {"-o", path(own), path("kit.fsh")});
            EXPECT_EQ(run.exitCode, 2) << own << ": " << run.errors;
            EXPECT_NE(run.errors.find("one of the program's own files"), std::string::npos)
                << run.errors;
        }
        EXPECT_EQ(read(name + "/pk001.fsh"), work);
    }
}
