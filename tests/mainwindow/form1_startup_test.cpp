// Starting the window: the checks of the program's own files, the program folder, the settings.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include "program_folder_fixture.h"

namespace {
struct BrokenStart {
    const char* what;
    const char* file;
    int length;  // -1: absent
    const char* message;
    const char* alsoAbsent = nullptr;
};
}  // namespace

class Form1StartUp : public ProgramFolderTest {};

TEST_F(Form1StartUp, EndsWithTheRightMessageWhenAFileOfItsOwnIsMissingOrDamaged) {
    const BrokenStart cases[] = {
        {"work file absent", "pk001.fsh", -1, "PK001.FSH is missing or damaged !"},
        {"work file empty", "pk001.fsh", 0, "PK001.FSH is missing or damaged !"},
        {"work file one byte short", "pk001.fsh", 24215, "PK001.FSH is missing or damaged !"},
        {"palette absent", "fifa2k.pal", -1, "FIFA2K.PAL is missing or damaged !"},
        {"palette empty", "fifa2k.pal", 0, "FIFA2K.PAL is missing or damaged !"},
        {"both absent", "pk001.fsh", -1, "PK001.FSH is missing or damaged !", "fifa2k.pal"},
    };
    for (const BrokenStart& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();  // both files whole again
        QFile::remove(path("jersey.cfg"));
        QFile::remove(path(c.file));
        if (c.alsoAbsent) QFile::remove(path(c.alsoAbsent));
        if (c.length >= 0) write(path(c.file), templateBytes().left(c.length));

        FakeServices fake;
        fake.location.folder = native(m_dir.path());
        const Form1 window(fake.services);

        ASSERT_EQ(fake.messages.shown.size(),
                  1u);  // the palette's box only when the work file passed
        EXPECT_EQ(fake.messages.shown[0].text, c.message);
        EXPECT_EQ(fake.messages.shown[0].title, "Error");
        EXPECT_EQ(fake.messages.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(fake.exit.statuses.size(), 1u);
        EXPECT_FALSE(window.isRunning());
        // An absent file is left behind empty, and the settings were never read.
        EXPECT_EQ(QFileInfo(path(c.file)).size(), std::max(c.length, 0));
        EXPECT_FALSE(QFileInfo::exists(path("jersey.cfg")));
        if (c.alsoAbsent) {
            EXPECT_FALSE(QFileInfo::exists(path(c.alsoAbsent))) << "never looked for";
        }
    }
    // Of the right length but no FIFA 2000 jersey: patched, it would give one the game cannot read.
    SetUp();
    write(path("pk001.fsh"), QByteArray(templateBytes().size(), '\0'));
    FakeServices fake;
    fake.location.folder = native(m_dir.path());
    const Form1 window(fake.services);
    EXPECT_EQ(fake.messages.texts(), std::vector<std::string>{"PK001.FSH is missing or damaged !"});
    EXPECT_FALSE(window.isRunning());
}

TEST_F(Form1StartUp, FirstRunInAFreshFolderLeavesAnEmptySettingsFileAndNormalColours) {
    const auto window = startWindow();

    EXPECT_TRUE(window->isRunning());
    EXPECT_TRUE(m_fake.messages.shown.empty());
    EXPECT_TRUE(QFileInfo::exists(path("jersey.cfg")));
    EXPECT_EQ(QFileInfo(path("jersey.cfg")).size(), 0);
    EXPECT_EQ(window->paletteBase(), 191);
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("color64"))->isChecked());
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("Savefifa2000menu"))->isEnabled());
    EXPECT_FALSE(window->findChild<QPushButton*>(QStringLiteral("Command2"))->isEnabled());

    // The first open dialog starts wherever it likes.
    m_fake.dialogs.openAnswers.push_back(std::string());
    window->Command1_Click();
    EXPECT_EQ(m_fake.dialogs.openInitialPaths, std::vector<std::string>{std::string()});
}

TEST_F(Form1StartUp, ProgramFolderEndsInExactlyOneSeparator) {
    for (const QString& given : {m_dir.path(), m_dir.path() + QLatin1Char('/')}) {
        m_fake.location.folder = native(given);
        const auto window = startWindow();
        const QString expected = m_dir.path() + QLatin1Char('/');
        EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), expected);
        EXPECT_EQ(window->programFolder(), QFile::encodeName(expected).toStdString());
    }
}

TEST_F(Form1StartUp, StartsTheDialogsWhereTheSettingsFileSays) {
    write(path("jersey.cfg"), "\"/kits/club, home.fsh\"\r\n\"/out/2000.fsh\"\r\n");
    const auto window = startWindow();
    EXPECT_EQ(window->lastOpenPath(), QStringLiteral("/kits/club, home.fsh"));
    EXPECT_EQ(window->lastSavePath(), QStringLiteral("/out/2000.fsh"));

    m_fake.dialogs.openAnswers.push_back(std::string());
    window->Command1_Click();
    m_fake.dialogs.saveAnswers.push_back(std::string());
    window->Command2_Click();
    EXPECT_EQ(m_fake.dialogs.openInitialPaths.at(0), "/kits/club, home.fsh");
    EXPECT_EQ(m_fake.dialogs.saveInitialPaths.at(0), "/out/2000.fsh");
}
