// Starting the main window: the checks of the program's own files, the program folder, the
// settings, the default skin.
#include <filesystem>

#include "skins/skin_painting.h"
#include "tests/mainwindow/form1_fixture.h"

namespace fs = std::filesystem;

using Form1StartUp = Form1Test;
using Control = Form1View::Control;

TEST_F(Form1StartUp, EndsWithTheRightMessageWhenAFileOfItsOwnIsMissingOrDamaged) {
    const std::string work = "PK001.FSH is missing or damaged !";
    const struct {
        const char* what;
        const char* file;
        std::string bytes;
        bool absent;
        const char* message;
        const char* alsoAbsent = nullptr;
    } cases[] = {
        {"work file absent", "pk001.fsh", "", true, work.c_str()},
        {"work file empty", "pk001.fsh", "", false, work.c_str()},
        {"work file one byte short", "pk001.fsh", templateBytes().substr(0, 24215), false,
         work.c_str()},
        // Of the right length but no FIFA 2000 jersey: patched, it would give one the game
        // cannot read.
        {"work file all zeros", "pk001.fsh", std::string(templateBytes().size(), '\0'), false,
         work.c_str()},
        {"palette absent", "fifa2k.pal", "", true, "FIFA2K.PAL is missing or damaged !"},
        {"palette empty", "fifa2k.pal", "", false, "FIFA2K.PAL is missing or damaged !"},
        {"both absent", "pk001.fsh", "", true, work.c_str(), "fifa2k.pal"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();  // both files whole again
        fs::remove(path("jersey.cfg"));
        fs::remove(path(c.file));
        if (c.alsoAbsent) fs::remove(path(c.alsoAbsent));
        if (!c.absent) write(path(c.file), c.bytes);
        m_fake.messages.shown.clear();
        m_fake.exit.statuses.clear();

        const auto window = startWindow();

        ASSERT_EQ(m_fake.messages.shown.size(),
                  1u);  // the palette's only when the work file passed
        EXPECT_EQ(m_fake.messages.shown[0].text, c.message);
        EXPECT_EQ(m_fake.messages.shown[0].title, "Error");
        EXPECT_EQ(m_fake.messages.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(m_fake.exit.statuses, std::vector<int>{1});
        EXPECT_FALSE(window->isRunning());
        // An absent file is left behind empty, and the settings were never read.
        EXPECT_EQ(read(path(c.file)), c.bytes);
        EXPECT_FALSE(fs::exists(path("jersey.cfg")));
        EXPECT_TRUE(m_view.painted.empty());
        if (c.alsoAbsent) {
            EXPECT_FALSE(fs::exists(path(c.alsoAbsent))) << "never looked for";
        }
    }
}

TEST_F(Form1StartUp, AProgramFolderThatCannotBeUsedIsNamedWithItsReason) {
    m_fake.location.folderProblem =
        "Cannot create the folder /home/u/.local/share/vestrix for "
        "Vestrix's own files: Permission denied";
    const auto window = startWindow();
    EXPECT_EQ(m_fake.messages.texts(), std::vector<std::string>{m_fake.location.folderProblem});
    EXPECT_EQ(m_fake.messages.shown[0].title, "Error");
    EXPECT_EQ(m_fake.exit.statuses, std::vector<int>{1});
    EXPECT_FALSE(fs::exists(path("jersey.cfg"))) << "nothing read or made there";
}

TEST_F(Form1StartUp, FirstRunInAFreshFolderLeavesAnEmptySettingsFileAndNormalColours) {
    const auto window = startWindow();

    EXPECT_TRUE(window->isRunning());
    EXPECT_TRUE(m_fake.messages.shown.empty());
    EXPECT_EQ(read(path("jersey.cfg")), "");
    EXPECT_TRUE(fs::exists(path("jersey.cfg")));
    EXPECT_EQ(window->paletteBase(), 191);
    EXPECT_FALSE(m_view.checked.at(Control::color64));
    EXPECT_FALSE(m_view.saveEnabled());
    // The default skin, painted last.
    EXPECT_EQ(m_fake.skinReader.reads, std::vector<std::string>{path("subzero.jpg")});
    EXPECT_EQ(m_view.painted.size(), 1u);

    // The first open dialog starts wherever it likes.
    m_fake.dialogs.openAnswers.push_back({});
    window->Command1_Click();
    EXPECT_EQ(m_fake.dialogs.openInitialPaths, std::vector<std::string>{""});
}

TEST_F(Form1StartUp, ProgramFolderEndsInExactlyOneSeparator) {
    const std::string separator(1, static_cast<char>(fs::path::preferred_separator));
    const std::string folder = m_dir.path().string();
    for (const std::string& given : {folder, folder + separator}) {
        m_fake.location.folder = given;
        const auto window = startWindow();
        EXPECT_EQ(window->programFolder(), folder + separator);
        EXPECT_EQ(m_view.texts.at(Control::Text1), folder + separator);
    }
}

TEST_F(Form1StartUp, StartsTheDialogsWhereTheSettingsFileSays) {
    write(path("jersey.cfg"), "\"/kits/club, home.fsh\"\r\n\"/out/2000.fsh\"\r\n");
    const auto window = startWindow();
    EXPECT_EQ(window->lastOpenPath(), "/kits/club, home.fsh");
    EXPECT_EQ(window->lastSavePath(), "/out/2000.fsh");

    m_fake.dialogs.openAnswers.push_back({});
    window->Command1_Click();
    m_fake.dialogs.saveAnswers.push_back({});
    window->Command2_Click();
    EXPECT_EQ(m_fake.dialogs.openInitialPaths, std::vector<std::string>{"/kits/club, home.fsh"});
    EXPECT_EQ(m_fake.dialogs.saveInitialPaths, std::vector<std::string>{"/out/2000.fsh"});
}

TEST_F(Form1StartUp, ADefaultSkinThatCannotBeShownIsReportedAndTheToolCarriesOn) {
    const struct {
        const char* what;
        bool present;
        bool readable;
        std::string message;
    } cases[] = {
        {"absent", false, true, "Can't find subzero.jpg"},
        {"empty", true, true, "Can't find subzero.jpg"},
        {"no picture", true, false, SkinPainting::unreadableMessage(path("subzero.jpg"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(path("subzero.jpg"));
        if (c.present) write(path("subzero.jpg"), c.readable ? "" : "not a picture");
        if (!c.readable) m_fake.skinReader.pictures[path("subzero.jpg")] = std::nullopt;
        m_fake.messages.shown.clear();
        m_view.painted.clear();

        const auto window = startWindow();
        ASSERT_EQ(m_fake.messages.texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(m_fake.messages.shown[0].title, "Error");
        EXPECT_TRUE(window->isRunning());
        EXPECT_TRUE(m_view.painted.empty()) << "the plain background stays";
        EXPECT_TRUE(fs::exists(path("subzero.jpg"))) << "left behind, for Skin Select to list";

        // Loading works as ever.
        m_fake.dialogs.openAnswers.push_back(putJersey("club.fsh"));
        window->Command1_Click();
        EXPECT_TRUE(m_view.saveEnabled());
    }
}
