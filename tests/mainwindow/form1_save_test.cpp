// Saving the FIFA 2000 jersey: the question before overwriting, the copy, the settings file.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "ordinary_user.h"
#include "program_folder_fixture.h"

class Form1Save : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        m_jersey = putJersey("club.fsh");
        m_window = startAndLoad(m_jersey);
        m_converted = read(path("pk001.fsh"));
    }
    void saveAs(const QString& target) {
        m_fake.dialogs.saveAnswers.push_back(native(target));
        m_window->Command2_Click();
    }
    QByteArray settingsWith(const QString& saved) const {
        return '"' + m_jersey.toUtf8() + "\"\r\n\"" + saved.toUtf8() + "\"\r\n";
    }

    QString m_jersey;
    std::unique_ptr<Form1> m_window;
    QByteArray m_converted;
};

TEST_F(Form1Save, ANewNameIsWrittenWithoutAQuestion) {
    for (const bool existsEmpty : {false, true}) {
        SCOPED_TRACE(existsEmpty ? "empty file there" : "new name");
        const QString target = path(existsEmpty ? "empty.fsh" : "new.fsh");
        if (existsEmpty) write(target, QByteArray());
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
    const QByteArray longer(20000, 'x');
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        const bool yes = answer == MessageAnswer::Yes;
        SCOPED_TRACE(yes ? "Yes" : "No");
        const QString target = path("existing.fsh");
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
    const QByteArray settings = read(path("jersey.cfg"));
    m_fake.messages.shown.clear();

    saveAs(QString());

    EXPECT_EQ(read(path("jersey.cfg")), settings);
    EXPECT_TRUE(m_fake.messages.shown.empty());
    EXPECT_EQ(m_fake.dialogs.saveInitialPaths.back(), native(path("first.fsh")));
}

TEST_F(Form1Save, AFailedCopyIsReportedAndLeavesTheTargetAsItWas) {
    const QString existing = path("existing.fsh");
    write(existing, "an older jersey");
    const struct {
        const char* what;
        QString target;
        bool removeWorkFile;
        const char* title;  // the work file is the tool's own: its problems are errors
    } cases[] = {
        {"folder missing", path("no-such-folder/new.fsh"), false, "Tavrimel"},
        {"work file gone", existing, true, "Error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.removeWorkFile) QFile::remove(path("pk001.fsh"));
        m_fake.messages.shown.clear();
        m_fake.messages.answers.assign({MessageAnswer::Yes});

        saveAs(c.target);

        ASSERT_FALSE(m_fake.messages.shown.empty());
        const ShownMessage& report = m_fake.messages.shown.back();
        EXPECT_NE(report.text, "Jersey Saved !");
        EXPECT_EQ(report.title, c.title);
        EXPECT_NE(report.text.find(native(c.removeWorkFile ? path("pk001.fsh") : c.target)),
                  std::string::npos)
            << report.text;
        EXPECT_TRUE(m_window->isRunning());
    }
    EXPECT_FALSE(QFileInfo::exists(path("no-such-folder")));
    EXPECT_EQ(read(existing), QByteArray("an older jersey"));
}

TEST_F(Form1Save, ATargetWithOtherHardLinksIsWrittenInPlace) {
    // A second name for the target: replacing the file would leave that name on the old jersey.
    const QString target = path("kit.fsh");
    write(target, QByteArray(20000, 'x'));
    const std::filesystem::path other = QFile::encodeName(path("also-kit.fsh")).toStdString();
    std::filesystem::create_hard_link(QFile::encodeName(target).toStdString(), other);
    m_fake.messages.answers.assign({MessageAnswer::Yes});
    saveAs(target);
    EXPECT_EQ(read(target), m_converted);
    EXPECT_EQ(read(QFile::decodeName(other.c_str())), m_converted);
}

TEST_F(Form1Save, AnExistingTargetInAFolderThatTakesNoNewFilesIsStillWritten) {
    if (ranAsOrdinaryUser()) return;
    const QString locked = path("locked");
    QDir().mkpath(locked);
    const QString inLocked = locked + QStringLiteral("/kit.fsh");
    write(inLocked, "an older jersey");
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    m_fake.messages.answers.assign({MessageAnswer::Yes});
    saveAs(inLocked);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(read(inLocked), m_converted);
    EXPECT_EQ(m_fake.messages.texts().back(), std::string("Jersey Saved !"));
    EXPECT_EQ(QDir(locked).entryList(QDir::Files), QStringList{QStringLiteral("kit.fsh")});
}

TEST_F(Form1Save, TargetsThatMustNotBeReplacedAreRefusedBeforeTheQuestion) {
    namespace fs = std::filesystem;
    ::mkfifo(native(path("pipe.fsh")).c_str(), 0666);
    fs::create_symlink("/dev/null", native(path("null.fsh")));
    QDir().mkpath(path("folder.fsh"));
    write(path("protected.fsh"), "an older jersey");
    QFile::setPermissions(path("protected.fsh"), QFile::ReadOwner);
    const struct {
        const char* target;
        const char* reason;
    } cases[] = {
        {"pipe.fsh", "it is a FIFO, not a file"},
        {"null.fsh", "it is a device, not a file"},
        {"folder.fsh", "it is a folder"},
        {"protected.fsh", "it is write-protected"},
        // Overwritten, these would end the program at the next load or start.
        {"fifa2k.pal", "it is one of Vestrix's own files"},
        {"pk001.fsh", "it is one of Vestrix's own files"},
        {"jersey.cfg", "it is one of Vestrix's own files"},
        {"subzero.jpg", "it is one of Vestrix's own files"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        const QString target = path(c.target);
        const QByteArray before = QFileInfo(target).isFile() ? read(target) : QByteArray();
        m_fake.messages.shown.clear();
        m_fake.messages.answers.assign({MessageAnswer::Yes});

        saveAs(target);

        ASSERT_EQ(m_fake.messages.shown.size(), 1u);  // no question before the refusal
        EXPECT_EQ(m_fake.messages.shown[0].text,
                  "Cannot write " + native(target) + ": " + c.reason);
        EXPECT_EQ(m_fake.messages.shown[0].title, "Tavrimel");
        if (QFileInfo(target).isFile() && std::string(c.target) != "jersey.cfg") {
            EXPECT_EQ(read(target), before);
        }
    }
    EXPECT_TRUE(fs::is_fifo(native(path("pipe.fsh"))));
    EXPECT_TRUE(fs::is_symlink(native(path("null.fsh"))));
}

TEST_F(Form1Save, ASettingsFileThatCannotBeWrittenIsToldOnceAndStopsNothing) {
    QFile::remove(path("jersey.cfg"));
    QDir().mkpath(path("jersey.cfg"));
    m_fake.messages.shown.clear();
    m_fake.dialogs.openAnswers.push_back(native(m_jersey));
    m_window->Command1_Click();
    saveAs(path("saved.fsh"));
    saveAs(path("again.fsh"));

    const std::vector<std::string> texts = m_fake.messages.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], "Cannot write " + native(path("jersey.cfg")) + ": it is a folder");
    EXPECT_EQ(texts[1], "Jersey Saved !");
    EXPECT_EQ(texts[2], "Jersey Saved !");
    EXPECT_EQ(read(path("again.fsh")), m_converted);
}
