// A folder converted from the window is vestrix-convert's run: for a mixed collection (kits as
// rich as real ones get, damaged kits, sub-folders, a name beyond ASCII and a long path) both
// write the same files with the same bytes, in both colour modes.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "platform/common/path_text.h"
#include "tests/cli/run_program.h"
#include "tests/mainwindow/form1_fixture.h"
#include "tools/damaged_files.h"
#include "tools/fsh_blocks.h"
#include "tools/rich_kit.h"

namespace fs = std::filesystem;

namespace {

class FolderConversionMatchesConverter : public Form1Test {
protected:
    // Through std::filesystem's paths, which reach any name on Windows too.
    static void writeKit(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    /** Every file below folder with its bytes, by its path below it. */
    static std::map<std::string, std::string> tree(const fs::path& folder) {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream file(entry.path(), std::ios::binary);
            files[pathText(entry.path().lexically_relative(folder))] =
                std::string(std::istreambuf_iterator<char>(file), {});
        }
        return files;
    }
};

}  // namespace

TEST_F(FolderConversionMatchesConverter, TheSameFilesWithTheSameBytes) {
    const fs::path kits = m_dir.path() / toPath("Sammlung \xC3\xBC");
    for (std::uint32_t seed = 0; seed < 6; ++seed) {
        const fs::path folder = seed < 3 ? kits : kits / "Liga" / "Verein";
        writeKit(folder / ("rich-" + std::to_string(seed) + ".fsh"),
                 RichKit::build(seed, seed % 2 ? FshBlocks::kPaletteRgb : FshBlocks::kPaletteBgra));
    }
    for (const DamagedFiles::DamagedFile& damaged : DamagedFiles::all()) {
        if (damaged.name.starts_with("kits/"))
            writeKit(kits / "damaged" / toPath(damaged.name.substr(5)), damaged.bytes);
    }
    // A long way down: beyond 300 characters where the system takes them; on Windows, whose
    // programs take 260 unless they declare themselves aware of longer paths, close to that.
#ifdef _WIN32
    constexpr int kLevels = 5;
#else
    constexpr int kLevels = 12;
#endif
    fs::path deep = kits;
    for (int level = 0; level < kLevels; ++level) deep /= "a folder named at some length";
    writeKit(deep / "deep.fsh", RichKit::build(99, FshBlocks::kPaletteBgra));
    ASSERT_GT(pathText(deep).size(), 30u * kLevels);

    const std::unique_ptr<Form1> window = startWindow();
    for (const bool sixtyFour : {false, true}) {
        SCOPED_TRACE(sixtyFour ? "64 colours" : "normal");
        if (sixtyFour) window->color64_Click();
        const fs::path fromWindow = m_dir.path() / (sixtyFour ? "window64" : "window");
        const fs::path fromConverter = m_dir.path() / (sixtyFour ? "convert64" : "convert");
        m_fake.dialogs.folderAnswers = {pathText(kits), pathText(fromWindow)};
        m_fake.messages.answers.push_back(MessageAnswer::No);
        window->ConvertFolderMenu_Click();
        ASSERT_TRUE(m_view.runBackgroundWork());

        std::vector<std::string> arguments = {"-q", "-d", pathText(fromConverter), pathText(kits)};
        if (sixtyFour) arguments.insert(arguments.begin(), "--64-color");
        const ProgramRun run = runProgram(VESTRIX_CONVERT, arguments);
        EXPECT_EQ(run.exitCode, 1) << run.errors;  // the damaged kits fail

        std::map<std::string, std::string> windowFiles = tree(fromWindow);
        ASSERT_EQ(windowFiles.erase(FolderConversion::kReportName), 1u);
        const std::map<std::string, std::string> converterFiles = tree(fromConverter);
        EXPECT_GT(converterFiles.size(), 7u);
        EXPECT_TRUE(windowFiles == converterFiles);
        for (const auto& [name, bytes] : converterFiles)
            EXPECT_TRUE(windowFiles[name] == bytes) << name;
    }
}
