// Loading a FIFA 99 jersey: the check, the nine conversions, previews, progress, Save; the colour
// mode; the menu entries that do not load.
#include <filesystem>

#include "form1_fixture.h"
#include "web_addresses.h"

namespace fs = std::filesystem;

using Form1Load = Form1Test;
using Control = Form1View::Control;

TEST_F(Form1Load, ConvertsDrawsThePreviewsAndOffersSave) {
    const std::string jersey = putJersey("club.fsh");
    const auto window = startAndLoad(jersey);

    EXPECT_EQ(read(path("pk001.fsh")), referenceConversion(jersey, 191));
    EXPECT_EQ(m_view.progress.back(), 90);
    EXPECT_EQ(window->progress(), 90);
    EXPECT_TRUE(m_view.saveEnabled());
    EXPECT_EQ(read(path("jersey.cfg")), settingsText(jersey, ""));
    EXPECT_EQ(m_view.repaints, 1) << "drawn whole behind the dialog";

    // Box 0 shows the FIFA 99 front at 1:1 in its own colours.
    const Palette colors = jerseyPalette();
    MemoryPreview& front = m_view.picture(0);
    for (int y = 0; y < front.height(); ++y) {
        for (int x = 0; x < front.width(); ++x) {
            std::uint32_t expected = FakeForm1View::kBackground;
            if (x < 128 && y < 128) {
                const PaletteColor& c = colors[static_cast<std::size_t>((x / 8 + y / 16) % 6)];
                expected = c.Red + 256u * c.Green + 65536u * c.Blue;
            }
            ASSERT_EQ(front.pixel(x, y), expected) << x << "," << y;
        }
    }
    EXPECT_TRUE(m_view.isBlank(2));  // nothing is ever drawn there
    for (int i : {1, 3, 4, 5, 6, 7}) EXPECT_FALSE(m_view.isBlank(i)) << i;
}

TEST_F(Form1Load, ASecondLoadRunsTheProgressBarFromZeroAgain) {
    const std::string jersey = putJersey("club.fsh");
    const auto window = startAndLoad(jersey);
    m_view.progress.clear();

    m_fake.dialogs.openAnswers.push_back(jersey);
    window->Command1_Click();
    std::vector<int> expected;
    for (int value = 0; value <= 90; value += 2) expected.push_back(value);
    EXPECT_EQ(m_view.progress, expected);
}

TEST_F(Form1Load, EveryBundledSampleConvertsAsTheConversionAlone) {
    const fs::path samples = fs::path(VESTRIX_SOURCE_DIR) / "resources" / "samples";
    const auto window = startWindow();
    int count = 0;
    for (const auto& entry : fs::directory_iterator(samples)) {
        if (entry.path().extension() != ".fsh") continue;
        ++count;
        const std::string jersey = entry.path().string();
        m_fake.dialogs.openAnswers.push_back(jersey);
        window->Command1_Click();
        EXPECT_EQ(read(path("pk001.fsh")), referenceConversion(jersey, 191)) << jersey;
        EXPECT_TRUE(m_view.saveEnabled());
    }
    EXPECT_GT(count, 0);
    EXPECT_TRUE(m_fake.messages.shown.empty());
}

TEST_F(Form1Load, CancelAfterALoadBlanksThePreviewsButKeepsSaveAndTheResult) {
    const std::string jersey = putJersey("club.fsh");
    const auto window = startAndLoad(jersey);
    const std::string converted = read(path("pk001.fsh"));

    m_fake.dialogs.openAnswers.push_back({});
    window->Command1_Click();

    for (int i = 0; i < 8; ++i) EXPECT_TRUE(m_view.isBlank(i)) << i;
    EXPECT_TRUE(m_view.saveEnabled());
    EXPECT_EQ(read(path("jersey.cfg")), settingsText(jersey, ""));
    EXPECT_EQ(m_fake.dialogs.openInitialPaths.back(), jersey);

    m_fake.dialogs.saveAnswers.push_back(path("saved.fsh"));
    window->Command2_Click();
    EXPECT_EQ(read(path("saved.fsh")), converted);
}

TEST_F(Form1Load, AFileThatFailsTheCheckIsRememberedAndDisablesSave) {
    std::string thirteen = jerseyBytes();
    thirteen[8] = 13;
    std::string lowerCase = jerseyBytes();
    lowerCase.replace(0, 4, "shpi");
    std::string noPictures = jerseyBytes();  // the header passes; the directory names none of them
    for (std::size_t record = 0; record < 14; ++record)
        noPictures.replace(16 + 8 * record, 4, "none");
    const std::string noJersey = "Not a jersey file";
    const struct {
        const char* name;
        std::string bytes;
        bool absent;
        std::string says;
    } cases[] = {
        {"thirteen.fsh", thirteen, false, noJersey},
        {"lower.fsh", lowerCase, false, noJersey},
        {"short.fsh", std::string("SHPI\0\0\0\0", 8), false, noJersey},
        {"empty.fsh", "", false, noJersey},
        {"no-pictures.fsh", noPictures, false,
         "Not a jersey file: it holds none of the FIFA 99 jersey pictures"},
        // Refused for what it is, and not created; the reason in the system's own words.
        {"typed-by-hand.fsh", "", true, "Cannot read " + path("typed-by-hand.fsh") + ": "},
    };
    const std::string good = putJersey("club.fsh");
    const auto window = startAndLoad(good);
    const std::string converted = read(path("pk001.fsh"));

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string bad = c.absent ? path(c.name) : putJersey(c.name, c.bytes);
        m_fake.messages.shown.clear();
        m_fake.dialogs.openAnswers.push_back(bad);
        window->Command1_Click();

        ASSERT_EQ(m_fake.messages.shown.size(), 1u);
        const std::string& text = m_fake.messages.shown[0].text;
        EXPECT_EQ(c.absent ? text.substr(0, c.says.size()) : text, c.says);
        EXPECT_GT(text.size(), c.says.size() * c.absent) << "a reason follows";
        EXPECT_EQ(m_fake.messages.shown[0].title, "Tavrimel");
        EXPECT_FALSE(m_view.saveEnabled());
        EXPECT_EQ(read(path("jersey.cfg")), settingsText(bad, ""));
        EXPECT_EQ(read(path("pk001.fsh")), converted);
        EXPECT_TRUE(m_view.isBlank(0));

        // Save comes back with the next good load.
        m_fake.dialogs.openAnswers.push_back(good);
        window->Command1_Click();
        EXPECT_TRUE(m_view.saveEnabled());
    }
    EXPECT_FALSE(fs::exists(path("typed-by-hand.fsh")));
}

TEST_F(Form1Load, SixtyFourColourModeChangesTheNextLoadOnly) {
    const std::string jersey = putJersey("club.fsh");
    const auto window = startAndLoad(jersey);
    const std::string normal = read(path("pk001.fsh"));
    const std::vector<std::uint32_t> preview = m_view.picture(1).pixels();

    window->color64_Click();
    EXPECT_TRUE(m_view.checked.at(Control::color64));
    EXPECT_EQ(window->paletteBase(), 0);
    EXPECT_EQ(read(path("pk001.fsh")), normal);
    EXPECT_EQ(m_view.picture(1).pixels(), preview);

    m_fake.dialogs.openAnswers.push_back(jersey);
    window->Command1_Click();
    const std::string sixtyFour = read(path("pk001.fsh"));
    EXPECT_EQ(sixtyFour, referenceConversion(jersey, 0));
    EXPECT_NE(sixtyFour, normal);

    window->color64_Click();
    EXPECT_FALSE(m_view.checked.at(Control::color64));
    EXPECT_EQ(window->paletteBase(), 191);
}

TEST_F(Form1Load, FilesOfItsOwnThatBreakAfterStartUpAreReported) {
    const struct {
        const char* what;
        const char* file;
        std::string bytes;
        const char* message;
        bool ends;
    } cases[] = {
        {"palette no longer a palette", "fifa2k.pal", "RIFF\r\n",
         "FIFA2K.PAL is missing or damaged !", true},
        {"work file cut short", "pk001.fsh", templateBytes().substr(0, 20000),
         "PK001.FSH is missing or damaged !", false},
    };
    const std::string jersey = putJersey("club.fsh");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        m_fake.exit.statuses.clear();
        const auto window = startAndLoad(jersey);
        ASSERT_TRUE(m_view.saveEnabled());

        write(path(c.file), c.bytes);
        m_fake.dialogs.openAnswers.push_back(jersey);
        window->Command1_Click();

        ASSERT_EQ(m_fake.messages.shown.size(), 1u);
        EXPECT_EQ(m_fake.messages.shown[0].text, c.message);
        EXPECT_EQ(m_fake.messages.shown[0].title, "Error");
        EXPECT_FALSE(m_view.saveEnabled());
        EXPECT_EQ(m_fake.exit.statuses.size(), c.ends ? 1u : 0u);
        EXPECT_EQ(window->isRunning(), !c.ends);
        m_fake.messages.shown.clear();
    }
}

TEST_F(Form1Load, ReadmeGoesToTheViewerAndExitEndsWithoutWritingSettings) {
    auto window = startWindow();
    window->readme_menu_Click();
    EXPECT_EQ(m_fake.started, CallLog{"show " + path("readme.txt")});
    EXPECT_TRUE(m_fake.messages.shown.empty());

    // A viewer that starts and later gives up is reported like one that cannot start; once the
    // window is gone, nobody is told.
    const auto viewerFailed = m_fake.starter.viewerFailed;
    viewerFailed("No program could show readme.txt");
    m_fake.starter.fails = true;
    window->readme_menu_Click();
    EXPECT_EQ(m_fake.messages.texts(),
              (std::vector<std::string>{"No program could show readme.txt", "scripted failure"}));
    for (const ShownMessage& shown : m_fake.messages.shown) EXPECT_EQ(shown.title, "Error");
    EXPECT_TRUE(window->isRunning());

    write(path("jersey.cfg"), "\"a\"\r\n\"b\"\r\n");
    window->ExitMenu_Click();
    EXPECT_EQ(m_fake.exit.statuses, std::vector<int>{0});
    EXPECT_EQ(read(path("jersey.cfg")), "\"a\"\r\n\"b\"\r\n");

    window.reset();
    viewerFailed("No program could show readme.txt");
    EXPECT_EQ(m_fake.messages.shown.size(), 2u);
}

TEST_F(Form1Load, TheOtherMenuEntriesShowTheirWindowsOrOpenTheHomePageAndRelayOut) {
    const auto window = startWindow();
    window->LoadSkinMenu_Click();
    window->AboutMenu_Click();
    EXPECT_EQ(m_view.shown, (std::vector<std::string>{"Skin Select", "About"}));

    // The first visit records the window's layout; each puts its controls back where they were.
    for (int visit = 0; visit < 2; ++visit) window->visitwebsiteMenu_Click();
    EXPECT_EQ(m_fake.urlOpener.addresses, std::vector<std::string>(2, WebAddresses::kHomePage));
    EXPECT_EQ(window->layoutScaler().registry().FormCount(), 1);
    EXPECT_EQ(window->layoutScaler().registry().ControlCount(), 1);
    EXPECT_EQ(m_view.form->list[0]->property("Left"), PropertyValue(120.0));
    EXPECT_TRUE(m_fake.messages.shown.empty());

    // A window the scaler cannot read is reported, and the window goes on.
    m_view.form->properties.erase("Visible");
    const auto fresh = startWindow();
    fresh->visitwebsiteMenu_Click();
    EXPECT_EQ(m_fake.messages.texts(),
              std::vector<std::string>{"Layout: cannot read the property Visible"});
    EXPECT_TRUE(fresh->isRunning());
}
