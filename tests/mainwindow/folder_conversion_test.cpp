// File > "Convert a Folder..." and drops of several kits: the pickers, the run as the window
// sees it, Cancel, the summary and its report, and the folders that are refused.
#include "mainwindow/folder_conversion.h"

#include <filesystem>
#include <fstream>

#include "platform/common/path_text.h"
#include "tests/mainwindow/form1_fixture.h"

namespace fs = std::filesystem;

namespace {

const char* const kKitPicker = "Convert a Folder: the folder of FIFA 99 kits";
const char* const kJerseyPicker = "Convert a Folder: the folder for the FIFA 2000 jerseys";

class FolderConversionTest : public Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        m_window = startWindow();
        m_settings = read(path("jersey.cfg"));
    }
    /** A kit under the folder kits/, sub-folders made. */
    std::string putKit(const std::string& name, const std::string& bytes = jerseyBytes()) {
        fs::create_directories((m_dir.path() / "kits" / name).parent_path());
        return putJersey("kits/" + name, bytes);
    }
    /** Answers the two pickers, runs the work and answers the summary. */
    void convert(const std::string& kits, const std::string& output,
                 MessageAnswer open = MessageAnswer::No) {
        m_fake.dialogs.folderAnswers = {kits, output};
        m_fake.messages.answers.push_back(open);
        m_window->ConvertFolderMenu_Click();
        m_view.runBackgroundWork();
    }
    /** The one message box the command showed. */
    std::string shownText() {
        EXPECT_EQ(m_fake.messages.shown.size(), 1u);
        return m_fake.messages.shown.empty() ? std::string() : m_fake.messages.shown.back().text;
    }
    /** Every file below folder, by its path below it. */
    static std::vector<std::string> filesBelow(const std::string& folder) {
        std::vector<std::string> files;
        std::error_code missing;
        for (const auto& entry : fs::recursive_directory_iterator(folder, missing)) {
            if (entry.is_regular_file())
                files.push_back(entry.path().lexically_relative(folder).generic_string());
        }
        std::sort(files.begin(), files.end());
        return files;
    }
    /** The window's own state, which a folder conversion leaves alone. */
    void expectWindowUntouched() {
        EXPECT_EQ(read(path("pk001.fsh")), templateBytes());
        EXPECT_EQ(read(path("jersey.cfg")), m_settings);
        for (int i = 0; i < ConversionHost::kPreviewCount; ++i) EXPECT_TRUE(m_view.isBlank(i));
        EXPECT_FALSE(m_view.saveEnabled());
    }

    std::unique_ptr<Form1> m_window;
    std::string m_settings;
};

}  // namespace

TEST_F(FolderConversionTest, EveryKitBelowTheFolderBecomesAJerseyAtTheSamePlace) {
    putKit("home.fsh");
    putKit("Club/away.fsh");
    putKit("Club/Nested/third.FSH");
    putKit("notes.txt", "not a kit");
    const std::string out = path("out");
    for (const bool sixtyFour : {false, true}) {
        SCOPED_TRACE(sixtyFour ? "64 colours" : "normal");
        if (sixtyFour) m_window->color64_Click();
        fs::remove_all(out);
        m_fake.messages.shown.clear();

        convert(path("kits"), out, MessageAnswer::Yes);

        EXPECT_EQ(shownText(),
                  "3 of 3 kits converted into " + out + "\n\nOpen the folder of the jerseys?");
        EXPECT_EQ(m_fake.messages.shown.back().buttons, MessageButtons::YesNo);
        EXPECT_EQ(m_fake.messages.shown.back().title, "Convert a Folder");
        EXPECT_EQ(filesBelow(out),
                  (std::vector<std::string>{"Club/Nested/third.fsh", "Club/away.fsh", "home.fsh"}));
        const std::string expected =
            referenceConversion(path("kits/home.fsh"), sixtyFour ? 0 : 191);
        for (const std::string& jersey : filesBelow(out))
            EXPECT_EQ(read(out + "/" + jersey), expected) << jersey;
        EXPECT_EQ(m_fake.started.back(), "folder " + out);
    }
    EXPECT_EQ(m_fake.dialogs.folderPickers.size(), 4u);
    m_window->color64_Click();
    expectWindowUntouched();
}

TEST_F(FolderConversionTest, ThePickersComeInOrderAndACancelInEitherChangesNothing) {
    // The first time they open where the last single kit was loaded from and saved to; then
    // where the user chose last.
    const std::string kit = putKit("home.fsh");
    m_fake.dialogs.openAnswers.push_back(kit);
    m_window->Command1_Click();
    const std::string loaded = read(path("pk001.fsh"));
    m_settings = read(path("jersey.cfg"));
    m_fake.dialogs.folderAnswers = {""};
    m_window->ConvertFolderMenu_Click();
    m_fake.dialogs.folderAnswers = {path("kits"), ""};
    m_window->ConvertFolderMenu_Click();

    EXPECT_EQ(m_fake.dialogs.folderPickers,
              (std::vector<std::string>{std::string(kKitPicker) + " | " + path("kits"),
                                        std::string(kKitPicker) + " | " + path("kits"),
                                        std::string(kJerseyPicker) + " |  | may be new"}));
    EXPECT_FALSE(m_view.backgroundWork);
    EXPECT_TRUE(m_fake.messages.shown.empty());
    EXPECT_FALSE(fs::exists(path("out")));
    EXPECT_EQ(read(path("pk001.fsh")), loaded);
    EXPECT_EQ(read(path("jersey.cfg")), m_settings);
    EXPECT_TRUE(m_view.saveEnabled());
}

TEST_F(FolderConversionTest, OtherCommandsWaitWhileTheKitsAreConverted) {
    putKit("a.fsh");
    putKit("b.fsh");
    m_fake.dialogs.folderAnswers = {path("kits"), path("out")};
    m_window->ConvertFolderMenu_Click();

    using Control = Form1View::Control;
    const Control commands[] = {Control::Command1,          Control::openfifa99menu,
                                Control::Command2,          Control::Savefifa2000menu,
                                Control::ConvertFolderMenu, Control::color64,
                                Control::LoadSkinMenu,      Control::ExitMenu};
    for (const Control command : commands) EXPECT_FALSE(m_view.enabled[command]);
    EXPECT_TRUE(m_view.visible[Control::CancelFolder]);
    EXPECT_EQ(m_view.progressMaximum, 2);
    EXPECT_TRUE(m_window->isConvertingFolder());
    // Asked again meanwhile (a shortcut, a drop), nothing new starts.
    m_window->ConvertFolderMenu_Click();
    m_window->filesDropped({path("kits")});

    m_fake.messages.answers.push_back(MessageAnswer::No);
    ASSERT_TRUE(m_view.runBackgroundWork());
    EXPECT_EQ(m_view.progress.back(), 0);
    EXPECT_EQ(m_view.progressMaximum, 90);
    EXPECT_FALSE(m_view.visible[Control::CancelFolder]);
    for (const Control command : commands) {
        const bool isSave = command == Control::Command2 || command == Control::Savefifa2000menu;
        EXPECT_EQ(m_view.enabled[command], !isSave);  // nothing loaded: nothing to save
    }
    EXPECT_EQ(m_fake.dialogs.folderPickers.size(), 2u);
    EXPECT_EQ(shownText().substr(0, 6), "2 of 2");
}

TEST_F(FolderConversionTest, CancelStopsBetweenKitsAndKeepsEveryJerseyWhole) {
    constexpr int kKits = 24;
    for (int i = 0; i < kKits; ++i) putKit("kit" + std::to_string(100 + i) + ".fsh");
    std::vector<int> counted;
    m_view.onProgress = [&](int value) {
        if (m_window->isConvertingFolder() && value > 0) counted.push_back(value);
        if (value == 2) m_window->CancelFolder_Click();
    };
    const std::string out = path("out");
    convert(path("kits"), out);

    // The workers run ahead of the reports: on a busy machine every kit may be done before the
    // Cancel is seen, and then none is left to stop.
    const std::vector<std::string> written = filesBelow(out);
    ASSERT_LE(written.size(), static_cast<std::size_t>(kKits));
    ASSERT_GE(written.size(), 2u);
    // The kits that were done are the first ones, in name order, each whole.
    const std::string expected = referenceConversion(path("kits/kit100.fsh"), 191);
    for (std::size_t i = 0; i < written.size(); ++i) {
        EXPECT_EQ(written[i], "kit" + std::to_string(100 + i) + ".fsh");
        EXPECT_EQ(read(out + "/" + written[i]), expected) << written[i];
    }
    const std::size_t left = kKits - written.size();
    EXPECT_EQ(
        shownText(),
        std::to_string(written.size()) + " of 24 kits converted into " + out +
            (left > 0 ? "\nCancelled: " + std::to_string(left) + " kits were not converted." : "") +
            "\n\nOpen the folder of the jerseys?");
    EXPECT_EQ(counted.size(), written.size());
    EXPECT_FALSE(m_window->isConvertingFolder());
}

TEST_F(FolderConversionTest, FailedKitsAreNamedWithTheirReasonsTenAtMost) {
    putKit("good.fsh");
    for (int i = 0; i < 12; ++i) putKit("bad/b" + std::to_string(10 + i) + ".fsh", "SHPI");
    const std::string cut = jerseyBytes().substr(0, 100);
    putKit("cut.fsh", cut);
    const std::string out = path("out");
    convert(path("kits"), out);

    // Kits are named below the folder.
    const std::string end = "\n";
    const std::string reportPath = pathText(toPath(out) / "vestrix-report.txt");
    std::string expected = "1 of 14 kits converted into " + out + "\n\nNot converted:";
    std::string report = "1 of 14 kits converted into " + out + end + end;
    for (int i = 0; i < 12; ++i) {
        const std::string line = pathText(toPath("bad") / ("b" + std::to_string(10 + i) + ".fsh")) +
                                 ": Not a jersey file";
        if (i < 10) expected += "\n" + line;
        report += line + end;
    }
    // Cut inside the directory: every picture it lists starts past the end.
    std::string cutLine = "cut.fsh: damaged: the file has 100 bytes; the directory needs 128 bytes";
    for (const char* tag : {"hjfr", "hjbk", "mjfr", "hrsv", "mrsv"})
        cutLine += std::string("; ") + tag + " starts past the end";
    report += cutLine + end;
    expected += "\nand 3 more\n\nThe whole list is in " + reportPath + "." +
                "\n\nOpen the folder of the jerseys?";
    EXPECT_EQ(shownText(), expected);
    EXPECT_EQ(read(reportPath), report);
    EXPECT_EQ(filesBelow(out), (std::vector<std::string>{"good.fsh", "vestrix-report.txt"}));
    expectWindowUntouched();
}

TEST_F(FolderConversionTest, FoldersThatCannotServeAreRefusedWithNothingWritten) {
    putKit("home.fsh");
    fs::create_directories(m_dir.path() / "empty/sub");
    fs::create_directories(m_dir.path() / "elsewhere");
    write(path("a-file"), "in the way");
    const auto inside = [](const std::string& output, const std::string& kits) {
        return "The folder for the jerseys, " + output + ", is inside the folder of kits, " + kits +
               ": the jerseys would be converted again as kits. Please choose a folder outside it.";
    };
    const struct {
        std::string kits;
        std::string output;
        std::string message;  // the start of it when the rest is the system's reason
    } cases[] = {
        {path("kits"), path("kits/out"), inside(path("kits/out"), path("kits"))},
        {path("kits"), path("kits"), inside(path("kits"), path("kits"))},
        {path("elsewhere/../kits"), path("kits/new/deeper"),
         inside(path("kits/new/deeper"), path("elsewhere/../kits"))},
        {path("empty"), path("out"),
         "There is no FIFA 99 jersey file (*.fsh) in " + path("empty") + "."},
        {path("kits"), path("a-file/out"), "Cannot create folder " + path("a-file/out") + ": "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output);
        m_fake.messages.shown.clear();
        m_fake.dialogs.folderAnswers = {c.kits, c.output};
        m_window->ConvertFolderMenu_Click();
        EXPECT_FALSE(m_view.backgroundWork);
        const std::string text = shownText();
        EXPECT_EQ(text.substr(0, c.message.size()), c.message);
        EXPECT_TRUE(c.message.ends_with(": ") || text == c.message) << text;
    }
    EXPECT_EQ(filesBelow(path("kits")), std::vector<std::string>{"home.fsh"});
    EXPECT_FALSE(fs::exists(path("out")));
    expectWindowUntouched();

    // A name that starts like the kits' folder, or a way out of another folder, is not inside.
    for (const std::string& output : {path("kits2"), path("elsewhere/../jerseys")}) {
        SCOPED_TRACE(output);
        m_fake.messages.shown.clear();
        convert(path("kits"), output);
        EXPECT_EQ(shownText().substr(0, 6), "1 of 1");
    }
}

TEST_F(FolderConversionTest, SeveralKitsOrAFolderDroppedAskOnlyForTheOutput) {
    const std::string home = putKit("home.fsh");
    const std::string away = putKit("Club/away.fsh");
    const std::string out = path("out");
    // Dropped together, the two kits land side by side; a dropped folder keeps its tree.
    const struct {
        std::vector<std::string> dropped;
        std::vector<std::string> written;
    } cases[] = {
        {{home, away}, {"away.fsh", "home.fsh"}},
        {{path("kits")}, {"Club/away.fsh", "home.fsh"}},
    };
    std::string lastOutput;  // where the picker opens: the folder chosen last
    for (const auto& c : cases) {
        fs::remove_all(out);
        m_fake.messages.shown.clear();
        m_fake.dialogs.folderPickers.clear();
        m_fake.dialogs.folderAnswers = {out};
        m_fake.messages.answers.push_back(MessageAnswer::No);
        m_window->filesDropped(c.dropped);
        m_view.runBackgroundWork();
        EXPECT_EQ(m_fake.dialogs.folderPickers,
                  std::vector<std::string>{std::string(kJerseyPicker) + " | " + lastOutput +
                                           " | may be new"});
        lastOutput = out;
        EXPECT_EQ(filesBelow(out), c.written);
        EXPECT_EQ(shownText().substr(0, 6), "2 of 2");
    }
    expectWindowUntouched();

    // One kit alone loads as Load does.
    m_fake.dialogs.folderPickers.clear();
    m_fake.messages.shown.clear();
    m_window->filesDropped({home});
    EXPECT_TRUE(m_fake.dialogs.folderPickers.empty());
    EXPECT_TRUE(m_view.saveEnabled());
    EXPECT_FALSE(m_view.isBlank(0));
}
