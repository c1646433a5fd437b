// The window's logic on names in any letters: a program folder, a kit, a saved jersey and the
// settings file that remembers them. Under Windows every one of them crosses the system's wide
// calls; the own-file refusal compares what the files are, not how their names are spelled.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "mainwindow/settings_file.h"
#include "platform/common/path_text.h"
#include "tests/mainwindow/form1_fixture.h"

namespace fs = std::filesystem;

namespace {
const std::string kNames[] = {
    "café",
    "Müller",
    "Łukasz",
    "Кубок",
    "ελλάδα",
    "日本",
    "⚽",
    "two words",
    "dot\u2024",
#ifndef _WIN32
    "bad\xff\xfename",  // names are bytes here, and need not be UTF-8 at all
#endif
};

void put(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string content(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
}  // namespace

class NamesBeyondAscii : public Form1Test {};

TEST_F(NamesBeyondAscii, TheWindowLoadsSavesAndRemembersKitsInAnyLetters) {
    const std::string expected = referenceConversion(putJersey("plain.fsh"), 191);
    for (const std::string& name : kNames) {
        SCOPED_TRACE(name);
        const fs::path folder = m_dir.path() / toPath("Vé strix " + name);
        for (const char* shippedFile : {"pk001.fsh", "fifa2k.pal", "subzero.jpg"})
            put(folder / shippedFile, shipped(shippedFile));
        put(folder / toPath(name + ".jpg"), shipped("subzero.jpg"));
        const fs::path kit = m_dir.path() / toPath(name) / toPath(name + ".fsh");
        put(kit, jerseyBytes());
        const std::string saved = pathText(kit.parent_path() / toPath("saved " + name + ".fsh"));
        m_fake.location.folder = pathText(folder);
        m_fake.messages.shown.clear();
        m_fake.skinReader.reads.clear();

        const auto window = startAndLoad(pathText(kit));
        ASSERT_TRUE(window->isRunning());
        EXPECT_EQ(m_fake.skinReader.reads,
                  std::vector<std::string>{pathText(folder / "subzero.jpg")});
        m_fake.dialogs.saveAnswers.push_back(saved);
        window->Command2_Click();
        ASSERT_EQ(m_fake.messages.shown.size(), 1u);
        EXPECT_EQ(m_fake.messages.shown[0].text, "Jersey Saved !");
        EXPECT_EQ(content(toPath(saved)), expected);
        EXPECT_EQ(SettingsFile(pathText(folder) + static_cast<char>(fs::path::preferred_separator))
                      .read(),
                  (Settings{pathText(kit), saved}));

        // Its own palette, named in the same letters, is no target for a jersey.
        const std::string palette = pathText(folder / "fifa2k.pal");
        m_fake.dialogs.saveAnswers.push_back(palette);
        window->Command2_Click();
        EXPECT_EQ(m_fake.messages.shown.back().text,
                  "Cannot write " + palette + ": it is one of Vestrix's own files");
        EXPECT_EQ(content(folder / "fifa2k.pal"), paletteBytes());

        // Nothing appeared beside the program's files under another spelling of a name.
        std::set<std::string> files;
        for (const auto& entry : fs::directory_iterator(folder))
            files.insert(pathText(entry.path().filename()));
        EXPECT_EQ(files, (std::set<std::string>{"fifa2k.pal", "jersey.cfg", "pk001.fsh",
                                                "subzero.jpg", name + ".jpg"}));
    }
}
