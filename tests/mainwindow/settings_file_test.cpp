// jersey.cfg: the exact bytes written, what is read back, and the files a person may leave there.
#include "mainwindow/settings_file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("vestrix-settings-" +
                    std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string folder() const {
        return m_folder.string() + static_cast<char>(fs::path::preferred_separator);
    }
    std::string cfgPath() const { return (m_folder / "jersey.cfg").string(); }
    std::string content() const {
        std::ifstream in(cfgPath(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void put(const std::string& text) const { std::ofstream(cfgPath(), std::ios::binary) << text; }

    fs::path m_folder;
};

TEST_F(SettingsFileTest, WritesTwoQuotedLinesEndedByCrLf) {
    const SettingsFile file(folder());
    file.write({"C:\\Kits\\club.fsh", ""});
    EXPECT_EQ(content(), "\"C:\\Kits\\club.fsh\"\r\n\"\"\r\n");
    file.write({"/a.fsh", "/b.fsh"});  // the whole file replaced, not appended to
    EXPECT_EQ(content(), "\"/a.fsh\"\r\n\"/b.fsh\"\r\n");
    EXPECT_EQ(file.path(), cfgPath());
}

TEST_F(SettingsFileTest, ReadsBackWhatItWrote) {
    const Settings cases[] = {
        {"/kits/club.fsh", "/out/club2000.fsh"},
        {"/kits/home, away.fsh", "/out/a,b,c.fsh"},  // commas belong to the quoted value
        {"/kits/  spaced  .fsh", ""},                // blanks inside quotes are kept
        {"", "/out/only-saved.fsh"},
        {"", ""},
        {"/kits/\xC3\xA9quipe.fsh", "C:\\FIFA 2000\\kit.fsh"},
    };
    const SettingsFile file(folder());
    for (const Settings& settings : cases) {
        file.write(settings);
        EXPECT_EQ(file.read(), settings) << settings.lastOpenPath << " | " << settings.lastSavePath;
    }
}

TEST_F(SettingsFileTest, AbsentOrEmptyFileGivesEmptyValuesAndIsLeftEmpty) {
    const SettingsFile file(folder());
    EXPECT_EQ(file.read(), Settings{});
    ASSERT_TRUE(fs::exists(cfgPath()));
    EXPECT_EQ(fs::file_size(cfgPath()), 0u);
    EXPECT_EQ(file.read(), Settings{});
}

TEST_F(SettingsFileTest, HandEditedFilesReadWhatIsThere) {
    const struct {
        const char* text;
        Settings expected;
    } cases[] = {
        {"\"/only/one.fsh\"\r\n", {"/only/one.fsh", ""}},
        {"\"/a.fsh\",\"/b.fsh\"\r\n", {"/a.fsh", "/b.fsh"}},  // both on one line
        {"/plain.fsh\n  /second.fsh\n", {"/plain.fsh", "/second.fsh"}},
        {"   \"/lead.fsh\"\r\n\"/b.fsh\"", {"/lead.fsh", "/b.fsh"}},  // no line end at the end
    };
    const SettingsFile file(folder());
    for (const auto& c : cases) {
        put(c.text);
        EXPECT_EQ(file.read(), c.expected) << c.text;
    }
}

TEST_F(SettingsFileTest, AWriteThatFailsNamesTheFile) {
    const SettingsFile file(folder() + "missing-folder/");
    try {
        file.write({"/a.fsh", "/b.fsh"});
        FAIL() << "no error";
    } catch (const SettingsFileError& error) {
        EXPECT_NE(std::string(error.what()).find(folder() + "missing-folder/jersey.cfg"),
                  std::string::npos)
            << error.what();
    }
}

TEST_F(SettingsFileTest, OnlyAnOrdinaryFileOfTwoPathsIsRead) {
    // Two values filling the file to its last allowed byte still read; one byte more is not ours.
    const std::size_t first = (SettingsFile::kMaxBytes - 8) / 2;
    const std::string a(first, 'a'), b(SettingsFile::kMaxBytes - 8 - first, 'b');
    put('"' + a + "\"\r\n\"" + b + "\"\r\n");
    EXPECT_EQ(fs::file_size(cfgPath()), SettingsFile::kMaxBytes);
    EXPECT_EQ(SettingsFile(folder()).read(), (Settings{a, b}));
    put(std::string(SettingsFile::kMaxBytes + 1, 'x'));
    EXPECT_THROW(SettingsFile(folder()).read(), SettingsFileError);
#ifndef _WIN32
    fs::remove(cfgPath());
    ::mkfifo(cfgPath().c_str(), 0666);  // nobody writes it: reading must not wait for a writer
    EXPECT_EQ(SettingsFile(folder()).read(), Settings{});
    EXPECT_THROW(SettingsFile(folder()).write({"/a.fsh", "/b.fsh"}), SettingsFileError);
    EXPECT_TRUE(fs::is_fifo(cfgPath()));
#endif
}

// The file stays in the system's 8-bit code page where that can spell the paths (Wine's tests run
// in the western one, 1252); a Cyrillic path turns the whole file into UTF-8 behind a byte-order
// mark. On Linux the bytes of a name are written as they are.
TEST_F(SettingsFileTest, KeepsTheCodePageAndTakesUtf8WithAMarkForOtherLetters) {
#ifdef _WIN32
    const std::string cafe = "\"C:\\caf\xE9.fsh\"\r\n\"\"\r\n";
    const std::string cyrillic = "\xEF\xBB\xBF\"C:\\caf\xC3\xA9.fsh\"\r\n\"C:\\\xD0\x9A.fsh\"\r\n";
#else
    const std::string cafe = "\"C:\\caf\xC3\xA9.fsh\"\r\n\"\"\r\n";
    const std::string cyrillic = "\"C:\\caf\xC3\xA9.fsh\"\r\n\"C:\\\xD0\x9A.fsh\"\r\n";
#endif
    const struct {
        Settings settings;
        std::string bytes;
    } cases[] = {
        {{"C:\\club.fsh", ""}, "\"C:\\club.fsh\"\r\n\"\"\r\n"},
        {{"C:\\caf\xC3\xA9.fsh", ""}, cafe},
        {{"C:\\caf\xC3\xA9.fsh", "C:\\\xD0\x9A.fsh"}, cyrillic},
    };
    const SettingsFile file(folder());
    for (const auto& c : cases) {
        file.write(c.settings);
        EXPECT_EQ(content(), c.bytes) << c.settings.lastSavePath;
        EXPECT_EQ(file.read(), c.settings);
    }
    // The longest two paths the system allows, in letters of three bytes each, still read.
    std::string longest;
    for (int i = 0; i < 32767 - 3; ++i) longest += "\xE6\x97\xA5";
    file.write({"C:\\" + longest, "D:\\" + longest});
    EXPECT_EQ(file.read(), (Settings{"C:\\" + longest, "D:\\" + longest}));
}
