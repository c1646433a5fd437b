// Skin Select drawn with the Win32 API, the main window's skin background and WIC's decoding of
// the skins: the window as designed, its keys, the link's clicks, and the pixels that land.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>

#include "info/web_addresses.h"
#include "platform/win32/win32_control_names.h"
#include "platform/win32/win32_twips.h"
#include "skins/form2_design.h"
#include "skins/win32/wic_skin_picture_reader.h"
#include "skins/win32/win32_form2.h"
#include "skins/win32/win32_skin_surface.h"
#include "tests/platform/fake_message_boxes.h"
#include "tests/platform/fake_program_location.h"
#include "tests/platform/fake_url_opener.h"
#include "tests/support/fake_skin_picture_reader.h"
#include "tests/support/temp_folder.h"
#include "tests/support/win32/win32_window_probe.h"

using namespace Win32WindowProbe;

namespace {
const std::string kResources = VESTRIX_SOURCE_DIR "/resources/";

SkinPicture plain(int width, int height, std::uint32_t colour) {
    return {width, height,
            std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour)};
}

/** A stand-in for the main window: a plain top-level window of a given client size. */
HWND ownerWindow(int width, int height) {
    return CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

class Win32Form2Test : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"subzero.jpg", "Alpha.JPG", "beta.jpg", "notes.txt"}) {
            std::ofstream(m_dir.file(name)) << "picture";
        }
        m_location.folder = m_dir.path().string();
        m_form2 = std::make_unique<Win32Form2>(
            m_owner, m_canvas, Form2Services{m_messages, m_urls, m_location, m_reader});
    }
    void TearDown() override {
        m_form2.reset();
        DestroyWindow(m_owner);
    }
    HWND control(const char* name) { return Win32ControlNames::find(m_form2->handle(), name); }

    TempFolder m_dir;
    FakeMessageBoxes m_messages;
    FakeUrlOpener m_urls;
    FakeProgramLocation m_location;
    FakeSkinPictureReader m_reader;
    HWND m_owner = ownerWindow(461, 374);
    Win32SkinSurface m_canvas{m_owner};
    std::unique_ptr<Win32Form2> m_form2;
};
}  // namespace

TEST_F(Win32Form2Test, AToolWindowThatStandsAsItsDesignDrawsIt) {
    using namespace Form2Design;
    HWND window = m_form2->handle();
    EXPECT_EQ(text(window), kCaption);
    const Win32Twips scale(m_form2->dpi());
    EXPECT_EQ(clientSize(window).cx, scale.toPixels(kClientWidthTwips));
    EXPECT_EQ(clientSize(window).cy, scale.toPixels(kClientHeightTwips));
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(GetWindowLongA(window, GWL_STYLE) &
                 (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ(GetWindow(window, GW_OWNER), m_owner);

    for (const Control* design : kControls) {
        SCOPED_TRACE(design->name);
        HWND found = control(design->name);
        ASSERT_TRUE(found);
        const char* kind = design->kind == Kind::List ? "ListBox" : "Static";
        EXPECT_EQ(_stricmp(className(found).c_str(), kind), 0);
        EXPECT_EQ(place(found), placeOf(scale.toRect(design->place)));
        if (design->kind == Kind::List) continue;
        EXPECT_EQ(text(found), design->caption);
        // The link reads as one: underlined (and drawn in blue, which only the screen shows).
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(found, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        EXPECT_STREQ(font.lfFaceName, kFontFace);
        EXPECT_EQ(font.lfUnderline != 0, design->kind == Kind::Link);
    }
}

TEST_F(Win32Form2Test, TheListTakesTheKeysAndEveryNewSelectionPaints) {
    HWND list = control("File1");
    // Listed without case, and the first painted at once.
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
    char first[64] = {};
    SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_STREQ(first, "Alpha.JPG");
    EXPECT_EQ(m_reader.reads, std::vector<std::string>{m_dir.file("Alpha.JPG")});

    m_form2->show();
    EXPECT_EQ(GetFocus(), list);
    // The arrow key, as the list handles it: the next skin is painted.
    SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
    ASSERT_EQ(m_reader.reads.size(), 2u);
    EXPECT_EQ(m_reader.reads.back(), m_dir.file("beta.jpg"));
}

TEST_F(Win32Form2Test, TheLinkOpensTheConverterPageOnAClickReleasedOverIt) {
    HWND link = control("Label1");
    click(link, 10, 5, 200, 5);  // released beside it: no click
    EXPECT_TRUE(m_urls.addresses.empty());
    click(link, 10, 5, 12, 6);
    EXPECT_EQ(m_urls.addresses, std::vector<std::string>{WebAddresses::kConverterPage});
}

TEST(Win32SkinSurface, ASmallerSkinLeavesTheEdgesOfTheOneBeforeItAndALargerOneIsCut) {
    HWND window = ownerWindow(100, 80);
    {
        Win32SkinSurface surface(window);
        ASSERT_EQ(surface.width(), clientSize(window).cx);
        surface.paintSkin(plain(300, 300, 0x112233));
        surface.paintSkin(plain(10, 5, 0x445566));
        EXPECT_EQ(surface.pixel(9, 4), 0x445566u);
        EXPECT_EQ(surface.pixel(10, 4), 0x112233u);
        EXPECT_EQ(surface.pixel(9, 5), 0x112233u);
        EXPECT_EQ(surface.pixel(surface.width() - 1, surface.height() - 1), 0x112233u);
    }
    DestroyWindow(window);
}

TEST(WicSkinPictureReader, ReadsPicturesByTheirContentAndRefusesAJpegCutShort) {
    WicSkinPictureReader reader;
    const std::optional<SkinPicture> frost = reader.read(kResources + "frost.jpg");
    ASSERT_TRUE(frost);
    EXPECT_EQ(frost->width, 320);
    EXPECT_EQ(frost->height, 240);

    // A bitmap under a skin's name: its first row is the file's last, blue-green-red.
    TempFolder dir;
    std::ifstream logo(kResources + "pictures/logo32.bmp", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(logo)), {});
    std::ofstream(dir.file("renamed.jpg"), std::ios::binary) << bytes;
    const std::optional<SkinPicture> renamed = reader.read(dir.file("renamed.jpg"));
    ASSERT_TRUE(renamed);
    ASSERT_EQ(renamed->width, 32);
    const std::size_t topLeft = 54 + 31 * 32 * 3;
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
    EXPECT_EQ(renamed->pixels[0], (std::uint32_t{byte(topLeft + 2)} << 16) |
                                      (std::uint32_t{byte(topLeft + 1)} << 8) | byte(topLeft));

    std::ifstream skin(kResources + "frost.jpg", std::ios::binary);
    const std::string jpeg((std::istreambuf_iterator<char>(skin)), {});
    std::ofstream(dir.file("cut.jpg"), std::ios::binary) << jpeg.substr(0, jpeg.size() / 2);
    EXPECT_FALSE(reader.read(dir.file("cut.jpg")));
    EXPECT_FALSE(reader.read(dir.file("missing.jpg")));
}
