// Loading a FIFA 99 jersey: the check, the nine conversions, previews, progress, Save; the colour
// mode; the menu entries that do not load.
#include <filesystem>

#include "info/web_addresses.h"
#include "tests/mainwindow/form1_fixture.h"

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

namespace {
const std::string kSamples = VESTRIX_SOURCE_DIR "/resources/samples/";
const std::string kGolden = VESTRIX_SOURCE_DIR "/tests/data/golden/";

std::uint8_t byteAt(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes.at(at));
}
std::uint32_t colorValue(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return red + 256u * green + 65536u * blue;
}

/** The colour of each pixel of a FIFA 99 picture, read straight from the kit's bytes. */
std::vector<std::uint32_t> kitPicture(const std::string& kit, const char* tag, int width,
                                      int height) {
    std::size_t entry = 0;
    for (std::size_t record = 0; record < 14 && entry == 0; ++record) {
        if (kit.compare(16 + 8 * record, 4, tag) == 0)
            entry = byteAt(kit, 20 + 8 * record) | byteAt(kit, 21 + 8 * record) << 8 |
                    byteAt(kit, 22 + 8 * record) << 16;
    }
    const std::size_t block = entry + (byteAt(kit, entry + 1) | byteAt(kit, entry + 2) << 8);
    const bool rgb = byteAt(kit, block) == 0x24;  // otherwise blue, green, red, alpha
    std::vector<std::uint32_t> pixels;
    for (int i = 0; i < width * height; ++i) {
        const std::size_t c =
            block + 16 + byteAt(kit, entry + 16 + static_cast<std::size_t>(i)) * (rgb ? 3u : 4u);
        pixels.push_back(rgb ? colorValue(byteAt(kit, c), byteAt(kit, c + 1), byteAt(kit, c + 2))
                             : colorValue(byteAt(kit, c + 2), byteAt(kit, c + 1), byteAt(kit, c)));
    }
    return pixels;
}

std::vector<std::uint32_t> previewPart(MemoryPreview& box, int width, int height) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(box.pixel(x, y));
    return pixels;
}
}  // namespace

TEST_F(Form1Load, EveryBundledSampleGivesItsGoldenJerseyAndPreviewsInBothColourModes) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(kSamples)) {
        for (const bool sixtyFour : {false, true}) {
            const std::string name = entry.path().stem().string() + (sixtyFour ? "-64" : "-normal");
            SCOPED_TRACE(name);
            ++count;
            SetUp();  // the shipped template again: the golden files start from it
            const auto window = startWindow();
            if (sixtyFour) window->color64_Click();
            const std::string kit = read(entry.path().string());
            m_fake.dialogs.openAnswers.push_back(entry.path().string());
            window->Command1_Click();

            const std::string jersey = read(path("pk001.fsh"));
            ASSERT_EQ(jersey, read(kGolden + name + ".fsh"));
            EXPECT_TRUE(m_view.saveEnabled());
            // The FIFA 99 front, back and sleeve at 1:1 in their own colours.
            EXPECT_EQ(previewPart(m_view.picture(0), 128, 128), kitPicture(kit, "hjfr", 128, 128));
            EXPECT_EQ(previewPart(m_view.picture(4), 64, 64), kitPicture(kit, "hjbk", 64, 64));
            EXPECT_EQ(previewPart(m_view.picture(6), 64, 48), kitPicture(kit, "hrsv", 64, 48));
            // The converted back at 1:1: preview row y is the jersey's row y - 1 (the first source
            // row is drawn but never written), in the palette the jersey carries.
            for (int y = 1; y < 64; ++y)
                for (int x = 0; x < 64; ++x) {
                    const std::size_t color =
                        10120 + 4u * byteAt(jersey, 11560 + 64u * (y - 1) + x);
                    ASSERT_EQ(m_view.picture(5).pixel(x, y),
                              colorValue(byteAt(jersey, color + 2), byteAt(jersey, color + 1),
                                         byteAt(jersey, color)))
                        << x << "," << y;
                }
        }
    }
    EXPECT_EQ(count, 8);
    EXPECT_TRUE(m_fake.messages.shown.empty());
}

TEST_F(Form1Load, AKitReplacedWhileItLoadsIsNotMixedIn) {
    // The kit is read once: replacing the file after the front is converted (as a download or
    // another program may) changes nothing of this load.
    const std::string kit = putJersey("kit.fsh", read(kSamples + "stripes.fsh"));
    const auto window = startWindow();
    m_view.onProgress = [&](int value) {
        if (value == 10) write(kit, read(kSamples + "hoops.fsh"));
    };
    m_fake.dialogs.openAnswers.push_back(kit);
    window->Command1_Click();

    EXPECT_EQ(read(kit), read(kSamples + "hoops.fsh"));
    EXPECT_EQ(read(path("pk001.fsh")), read(kGolden + "stripes-normal.fsh"));
    EXPECT_TRUE(m_fake.messages.shown.empty());
}

TEST_F(Form1Load, ALoadThatFailsMidwayLeavesTheWorkFileAsItWas) {
    const auto window = startAndLoad(putJersey("stripes.fsh", read(kSamples + "stripes.fsh")));
    // Whatever fails halfway through the pictures, here the window's own drawing.
    m_view.onProgress = [](int value) {
        if (value == 50) throw std::runtime_error("The preview could not be drawn");
    };
    m_fake.dialogs.openAnswers.push_back(kSamples + "hoops.fsh");
    window->Command1_Click();

    EXPECT_EQ(read(path("pk001.fsh")), read(kGolden + "stripes-normal.fsh"));
    EXPECT_EQ(m_fake.messages.texts(), std::vector<std::string>{"The preview could not be drawn"});
    EXPECT_FALSE(m_view.saveEnabled());
    EXPECT_TRUE(window->isRunning());
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
    // One of each at a time: asked for again, the open one comes forward; once closed, a new one.
    window->LoadSkinMenu_Click();
    window->AboutMenu_Click();
    window->AboutMenu_Click();
    m_view.onScreen.erase(Form1View::Companion::About);
    window->AboutMenu_Click();
    window->LoadSkinMenu_Click();
    EXPECT_EQ(m_view.shown,
              (std::vector<std::string>{"open Skin Select", "forward Skin Select", "open About",
                                        "forward About", "forward About", "open About",
                                        "forward About", "forward Skin Select"}));

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
