// Skin Select's logic over a scripted window: the listing, painting on each selection, files that
// cannot be shown, the link.
#include "skins/form2.h"

#include <gtest/gtest.h>

#include "info/web_addresses.h"
#include "skins/skin_painting.h"
#include "tests/platform/fake_message_boxes.h"
#include "tests/platform/fake_program_location.h"
#include "tests/platform/fake_url_opener.h"
#include "tests/support/fake_skin_picture_reader.h"
#include "tests/support/temp_folder.h"

namespace {
class FakeForm2View : public Form2View {
public:
    void setListEntries(const std::vector<std::string>& names) override { entries = names; }
    void setListIndex(int index) override { selected = index; }
    int listIndex() const override { return selected; }
    std::vector<std::string> entries;
    int selected = -1;
};

/** Remembers the colour of the last picture painted: each test picture is one colour. */
class FakeCanvas : public SkinCanvas {
public:
    void paintSkin(const SkinPicture& picture) override { painted.push_back(picture.pixels[0]); }
    std::vector<std::uint32_t> painted;
};

SkinPicture plain(std::uint32_t colour) { return {2, 1, {colour, colour}}; }
}  // namespace

class Form2Test : public ::testing::Test {
protected:
    void SetUp() override { m_location.folder = m_folder.path().string(); }
    /** A picture file in the folder that the reader decodes to one colour. */
    std::string picture(const std::string& name, std::uint32_t colour) {
        const std::string path = m_folder.write(name, "picture");
        m_reader.pictures[path] = plain(colour);
        return path;
    }
    std::unique_ptr<Form2> open() {
        auto form = std::make_unique<Form2>(
            m_view, m_canvas, Form2Services{m_messages, m_urlOpener, m_location, m_reader});
        form->Form_Load();
        return form;
    }

    TempFolder m_folder;
    FakeForm2View m_view;
    FakeCanvas m_canvas;
    FakeMessageBoxes m_messages;
    FakeUrlOpener m_urlOpener;
    FakeProgramLocation m_location;
    FakeSkinPictureReader m_reader;
};

TEST_F(Form2Test, ListsThePicturesIgnoringCasePaintsTheFirstAndEachSelection) {
    picture("beta.jpg", 0x00FF00);
    picture("Zeta.jpg", 0xFF00FF);
    picture("Alpha.JPG", 0x00FFFF);
    picture("alpha2.jpg", 0x0000FF);
    picture("picture.png", 0xFFFF00);
    picture(".hidden.jpg", 0xFFFFFF);
    std::filesystem::create_directory(m_folder.path() / "folder.jpg");
    const auto form = open();

    EXPECT_EQ(m_view.entries,
              (std::vector<std::string>{"Alpha.JPG", "alpha2.jpg", "beta.jpg", "Zeta.jpg"}));
    EXPECT_EQ(m_view.selected, 0);
    EXPECT_EQ(m_canvas.painted, std::vector<std::uint32_t>{0x00FFFF});
    for (const int row : {2, 3, 1}) {
        m_view.selected = row;  // as the arrow keys or the mouse move it
        form->File1_Click();
    }
    EXPECT_EQ(m_canvas.painted,
              (std::vector<std::uint32_t>{0x00FFFF, 0x00FF00, 0xFF00FF, 0x0000FF}));
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(Form2Test, AFileThatCannotBeShownIsReportedAndPaintsNothing) {
    m_folder.write("a.jpg", "");  // what a start-up without subzero.jpg leaves
    const std::string vanishing = picture("b.jpg", 0x0000FF);
    const std::string damaged = picture("c.jpg", 0xFF0000);
    m_reader.pictures[damaged] = std::nullopt;
    const auto form = open();
    std::filesystem::remove(vanishing);
    for (const int row : {1, 2}) {
        m_view.selected = row;
        form->File1_Click();
    }

    const std::string separator(1, static_cast<char>(std::filesystem::path::preferred_separator));
    const std::string a = m_folder.path().string() + separator + "a.jpg";
    ASSERT_EQ(m_messages.shown.size(), 3u);
    EXPECT_EQ(m_messages.shown[0].text, "Can't find " + a);
    EXPECT_EQ(m_messages.shown[1].text, "Can't find " + vanishing);
    EXPECT_EQ(m_messages.shown[2].text, SkinPainting::unreadableMessage(damaged));
    for (const ShownMessage& shown : m_messages.shown) EXPECT_EQ(shown.title, "Error");
    EXPECT_TRUE(m_canvas.painted.empty());
    EXPECT_EQ(m_view.selected, 2) << "the selection stays";
    EXPECT_TRUE(std::filesystem::exists(vanishing)) << "the presence test left it, empty";
}

TEST_F(Form2Test, WithoutAnyPictureNothingIsSelectedOrPainted) {
    const auto form = open();
    EXPECT_TRUE(m_view.entries.empty());
    EXPECT_EQ(m_view.selected, -1);
    form->File1_Click();
    EXPECT_TRUE(m_canvas.painted.empty());
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(Form2Test, TheFolderLosesItsTrailingSeparatorUnlessItIsARoot) {
    const std::string root = m_folder.path().root_path().string();
    const std::string folder = m_folder.path().string();
    for (const auto& [given, shown] :
         {std::pair{folder + "/", folder}, {folder, folder}, {root, root}}) {
        m_location.folder = given;
        EXPECT_EQ(Form2(m_view, m_canvas, {m_messages, m_urlOpener, m_location, m_reader}).folder(),
                  shown);
    }
}

TEST_F(Form2Test, TheLinkOpensTheConverterPage) {
    const auto form = open();
    form->Label1_Click();
    EXPECT_EQ(m_urlOpener.addresses, std::vector<std::string>{WebAddresses::kConverterPage});
}
