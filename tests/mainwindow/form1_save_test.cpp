// Saving the FIFA 2000 jersey: the question before overwriting, the copy, the settings file, and
// the targets that are refused.
#include <filesystem>

#include "tests/mainwindow/form1_fixture.h"
#ifndef _WIN32
#include <sys/stat.h>

#include "tests/support/ordinary_user.h"
#include "tests/support/own_device.h"
#endif

namespace fs = std::filesystem;

class Form1Save : public Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        m_jersey = putJersey("club.fsh");
        m_window = startAndLoad(m_jersey);
        m_converted = read(path("pk001.fsh"));
    }
    void saveAs(const std::string& target) {
        m_fake.dialogs.saveAnswers.push_back(target);
        m_window->Command2_Click();
    }
    std::string settingsWith(const std::string& saved) const {
        return settingsText(m_jersey, saved);
    }

    std::string m_jersey;
    std::unique_ptr<Form1> m_window;
    std::string m_converted;
};

TEST_F(Form1Save, ANewNameIsWrittenWithoutAQuestion) {
    for (const bool existsEmpty : {false, true}) {
        SCOPED_TRACE(existsEmpty ? "empty file there" : "new name");
        const std::string target = path(existsEmpty ? "empty.fsh" : "new.fsh");
        if (existsEmpty) write(target, "");
        m_fake.messages.shown.clear();

        saveAs(target);

        EXPECT_EQ(read(target), m_converted);
        ASSERT_EQ(m_fake.messages.shown.size(), 1u);
        EXPECT_EQ(m_fake.messages.shown[0].text, "Jersey Saved !");
        EXPECT_EQ(m_fake.messages.shown[0].title, "Tavrimel");
        EXPECT_EQ(read(path("jersey.cfg")), settingsWith(target));
        EXPECT_EQ(m_window->lastSavePath(), target);
    }
}

TEST_F(Form1Save, AsksBeforeReplacingAFileAndObeysTheAnswer) {
    const std::string longer(20000, 'x');
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        const bool yes = answer == MessageAnswer::Yes;
        SCOPED_TRACE(yes ? "Yes" : "No");
        const std::string target = path("existing.fsh");
        write(target, longer);
        m_fake.messages.shown.clear();
        m_fake.messages.answers.push_back(answer);

        saveAs(target);

        ASSERT_GE(m_fake.messages.shown.size(), 1u);
        const ShownMessage& question = m_fake.messages.shown[0];
        EXPECT_EQ(question.text, "File Exists. Overwrite ?");
        EXPECT_EQ(question.title, "Tavrimel");
        EXPECT_EQ(question.buttons, MessageButtons::YesNo);
        EXPECT_EQ(question.defaultAnswer, MessageAnswer::Yes);
        // Declined or not, the target is the next dialog's start.
        EXPECT_EQ(read(path("jersey.cfg")), settingsWith(target));
        // Yes leaves exactly the work file's bytes, however long the old file was.
        EXPECT_EQ(read(target), yes ? m_converted : longer);
        EXPECT_EQ(m_fake.messages.shown.size(), yes ? 2u : 1u);
        if (yes) {
            EXPECT_EQ(m_fake.messages.shown[1].text, "Jersey Saved !");
        }
    }
}

TEST_F(Form1Save, CancellingTouchesNothing) {
    saveAs(path("first.fsh"));
    const std::string settings = read(path("jersey.cfg"));
    m_fake.messages.shown.clear();

    saveAs("");

    EXPECT_EQ(read(path("jersey.cfg")), settings);
    EXPECT_TRUE(m_fake.messages.shown.empty());
    EXPECT_EQ(m_fake.dialogs.saveInitialPaths.back(), path("first.fsh"));
}

TEST_F(Form1Save, AFailedWriteIsReportedAndCreatesNothing) {
    const std::string target = path("no-such-folder/new.fsh");
    m_fake.messages.shown.clear();

    saveAs(target);

    ASSERT_EQ(m_fake.messages.shown.size(), 1u);
    const ShownMessage& report = m_fake.messages.shown[0];
    EXPECT_NE(report.text.find(target), std::string::npos) << report.text;
    EXPECT_EQ(report.title, "Tavrimel");
    EXPECT_TRUE(m_window->isRunning());
    EXPECT_FALSE(fs::exists(path("no-such-folder")));
}

TEST_F(Form1Save, EachWindowSavesTheKitItLoadedWhateverTheWorkFileHoldsNow) {
    // Two windows on one program folder, as double-clicking two kits starts them: each saves the
    // jersey it shows, even after the other has loaded its kit into the shared pk001.fsh, or the
    // file is gone.
    const std::string samples = VESTRIX_SOURCE_DIR "/resources/samples/";
    const std::string golden = VESTRIX_SOURCE_DIR "/tests/data/golden/";
    FakeForm1View firstView, secondView;
    Form1 first(firstView, m_fake.services), second(secondView, m_fake.services);
    first.Form_Load();
    second.Form_Load();
    m_fake.dialogs.openAnswers = {samples + "stripes.fsh", samples + "hoops.fsh"};
    first.Command1_Click();
    second.Command1_Click();
    ASSERT_EQ(read(path("pk001.fsh")), read(golden + "hoops-normal.fsh"));

    const struct {
        Form1* window;
        std::string target;
        std::string jersey;
    } saves[] = {
        {&first, path("first.fsh"), golden + "stripes-normal.fsh"},
        {&second, path("second.fsh"), golden + "hoops-normal.fsh"},
        {&first, path("first-again.fsh"), golden + "stripes-normal.fsh"},
    };
    m_fake.messages.shown.clear();
    for (const auto& save : saves) {
        SCOPED_TRACE(save.target);
        m_fake.dialogs.saveAnswers.push_back(save.target);
        save.window->Command2_Click();
        EXPECT_EQ(read(save.target), read(save.jersey));
        EXPECT_EQ(m_fake.messages.texts().back(), "Jersey Saved !");
        fs::remove(path("pk001.fsh"));  // nor does the next save need the file at all
    }
}

TEST_F(Form1Save, ATargetWithOtherHardLinksIsWrittenInPlace) {
    // A second name for the target: replacing the file would leave that name on the old jersey.
    const std::string target = path("kit.fsh");
    write(target, std::string(20000, 'x'));
    fs::create_hard_link(target, path("also-kit.fsh"));
    m_fake.messages.answers.assign({MessageAnswer::Yes});
    saveAs(target);
    EXPECT_EQ(read(target), m_converted);
    EXPECT_EQ(read(path("also-kit.fsh")), m_converted);
}

TEST_F(Form1Save, TargetsThatMustNotBeReplacedAreRefusedBeforeTheQuestion) {
    fs::create_directory(path("folder.fsh"));
    write(path("protected.fsh"), "an older jersey");
    fs::permissions(path("protected.fsh"), fs::perms::owner_read);
    // The running program and its shipped files, installed as the package lays them out (a
    // writable installation: root, or Wine's administrator); the program folder is the user's.
    const TempFolder installed;
    m_fake.location.executable = installed.write("bin/vestrix", "the program");
    const std::string converter = installed.write("bin/vestrix-convert", "the converter");
    const std::string sharedPalette = installed.write("share/vestrix/fifa2k.pal", paletteBytes());
    const std::string sharedTemplate = installed.write("share/vestrix/pk001.fsh", templateBytes());
    m_fake.location.installedFolders = {installed.file("bin"), installed.file("share/vestrix")};
    const std::string own = "it is one of Vestrix's own files";
    struct Case {
        std::string target;
        std::string reason;
    };
    std::vector<Case> cases = {
        {path("folder.fsh"), "it is a folder"},
        {path("protected.fsh"), "it is write-protected"},
        // Overwritten, these would end the program at the next load or start.
        {path("fifa2k.pal"), own},
        {path("pk001.fsh"), own},
        {path("jersey.cfg"), own},
        {path("subzero.jpg"), own},
        {m_fake.location.executable, own},
        {converter, own},
        {sharedPalette, own},
        {sharedTemplate, own},
    };
#ifndef _WIN32
    ::mkfifo(path("pipe.fsh").c_str(), 0666);
    fs::create_symlink(ownNullDevice(m_dir.path()), path("null.fsh"));
    cases.push_back({path("pipe.fsh"), "it is a FIFO, not a file"});
    cases.push_back({path("null.fsh"), "it is a device, not a file"});
#endif
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        const std::string before = fs::is_regular_file(c.target) ? read(c.target) : "";
        m_fake.messages.shown.clear();
        m_fake.messages.answers.assign({MessageAnswer::Yes});

        saveAs(c.target);

        ASSERT_EQ(m_fake.messages.shown.size(), 1u);  // no question before the refusal
        EXPECT_EQ(m_fake.messages.shown[0].text, "Cannot write " + c.target + ": " + c.reason);
        EXPECT_EQ(m_fake.messages.shown[0].title, "Tavrimel");
        if (fs::is_regular_file(c.target) && c.target != path("jersey.cfg")) {
            EXPECT_EQ(read(c.target), before);
        }
    }
#ifndef _WIN32
    EXPECT_TRUE(fs::is_fifo(path("pipe.fsh")));
    EXPECT_TRUE(fs::is_symlink(path("null.fsh")));
#endif
    fs::permissions(path("protected.fsh"), fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(Form1Save, ASettingsFileThatCannotBeWrittenIsToldOnceAndStopsNothing) {
    fs::remove(path("jersey.cfg"));
    fs::create_directory(path("jersey.cfg"));
    m_fake.messages.shown.clear();
    m_fake.dialogs.openAnswers.push_back(m_jersey);
    m_window->Command1_Click();
    saveAs(path("saved.fsh"));
    saveAs(path("again.fsh"));

    const std::vector<std::string> texts = m_fake.messages.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], "Cannot write " + path("jersey.cfg") + ": it is a folder");
    EXPECT_EQ(texts[1], "Jersey Saved !");
    EXPECT_EQ(texts[2], "Jersey Saved !");
    EXPECT_EQ(read(path("again.fsh")), m_converted);
}

#ifndef _WIN32
TEST_F(Form1Save, AnExistingTargetInAFolderThatTakesNoNewFilesIsStillWritten) {
    if (ranAsOrdinaryUser()) return;
    const fs::path locked = path("locked");
    fs::create_directory(locked);
    const std::string inLocked = (locked / "kit.fsh").string();
    write(inLocked, "an older jersey");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    m_fake.messages.answers.assign({MessageAnswer::Yes});
    saveAs(inLocked);
    EXPECT_EQ(read(inLocked), m_converted);
    EXPECT_EQ(m_fake.messages.texts().back(), "Jersey Saved !");
    EXPECT_EQ(std::distance(fs::directory_iterator(locked), fs::directory_iterator()), 1);
}
#endif
