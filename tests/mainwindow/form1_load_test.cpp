// Loading a FIFA 99 jersey from the window: the check, the nine conversions, previews, Save.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "picture_box.h"
#include "program_folder_fixture.h"

namespace {
QPushButton* button(Form1& window, const char* name) {
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
}
QAction* action(Form1& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}
bool saveEnabled(Form1& window) {
    const bool buttonEnabled = button(window, "Command2")->isEnabled();
    EXPECT_EQ(action(window, "Savefifa2000menu")->isEnabled(), buttonEnabled);
    return buttonEnabled;
}
bool isBlank(PictureBox& box) {
    QImage blank(box.image().size(), box.image().format());
    blank.fill(PictureBox::kBackground);
    return box.image() == blank;
}
QByteArray settingsText(const QString& line1, const QString& line2) {
    return '"' + line1.toUtf8() + "\"\r\n\"" + line2.toUtf8() + "\"\r\n";
}
}  // namespace

class Form1Load : public ProgramFolderTest {};

TEST_F(Form1Load, ConvertsDrawsThePreviewsAndOffersSave) {
    const QString jersey = putJersey("club.fsh");
    const auto window = startAndLoad(jersey);

    EXPECT_EQ(read(path("pk001.fsh")), referenceConversion(jersey, 191));
    EXPECT_EQ(window->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->value(), 90);
    EXPECT_TRUE(saveEnabled(*window));
    EXPECT_EQ(read(path("jersey.cfg")), settingsText(jersey, QString()));

    // Box 0 shows the FIFA 99 front at 1:1 in its own colours.
    const Palette colors = jerseyPalette();
    const QImage& front = window->picture(0).image();
    for (int y = 0; y < front.height(); ++y) {
        for (int x = 0; x < front.width(); ++x) {
            QRgb expected = PictureBox::kBackground;
            if (x < 128 && y < 128) {
                const PaletteColor& c = colors[static_cast<std::size_t>((x / 8 + y / 16) % 6)];
                expected = qRgb(c.Red, c.Green, c.Blue);
            }
            ASSERT_EQ(front.pixel(x, y), expected) << x << "," << y;
        }
    }
    EXPECT_TRUE(isBlank(window->picture(2)));  // nothing is ever drawn there
    for (int i : {1, 3, 4, 5, 6, 7}) EXPECT_FALSE(isBlank(window->picture(i))) << i;
}

TEST_F(Form1Load, ASecondLoadRunsTheProgressBarFromZeroAgain) {
    const QString jersey = putJersey("club.fsh");
    const auto window = startAndLoad(jersey);
    auto* bar = window->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    std::vector<int> values;
    QObject::connect(bar, &QProgressBar::valueChanged, bar,
                     [&](int value) { values.push_back(value); });

    m_fake.dialogs.openAnswers.push_back(native(jersey));
    window->Command1_Click();
    std::vector<int> expected;
    for (int value = 0; value <= 90; value += 2) expected.push_back(value);
    EXPECT_EQ(values, expected);
}

TEST_F(Form1Load, EveryBundledSampleConvertsAsTheConversionAlone) {
    const QDir samples(QStringLiteral(VESTRIX_SOURCE_DIR "/resources/samples"));
    const QStringList names = samples.entryList({QStringLiteral("*.fsh")}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    const auto window = startWindow();
    for (const QString& name : names) {
        const QString jersey = samples.filePath(name);
        m_fake.dialogs.openAnswers.push_back(native(jersey));
        window->Command1_Click();
        EXPECT_EQ(read(path("pk001.fsh")), referenceConversion(jersey, 191)) << name.toStdString();
        EXPECT_TRUE(saveEnabled(*window));
    }
    EXPECT_TRUE(m_fake.messages.shown.empty());
}

TEST_F(Form1Load, CancelAfterALoadBlanksThePreviewsButKeepsSaveAndTheResult) {
    const QString jersey = putJersey("club.fsh");
    const auto window = startAndLoad(jersey);
    const QByteArray converted = read(path("pk001.fsh"));

    m_fake.dialogs.openAnswers.push_back(std::string());
    window->Command1_Click();

    for (int i = 0; i < 8; ++i) EXPECT_TRUE(isBlank(window->picture(i))) << i;
    EXPECT_TRUE(saveEnabled(*window));
    EXPECT_EQ(read(path("jersey.cfg")), settingsText(jersey, QString()));
    EXPECT_EQ(m_fake.dialogs.openInitialPaths.back(), native(jersey));

    m_fake.dialogs.saveAnswers.push_back(native(path("saved.fsh")));
    window->Command2_Click();
    EXPECT_EQ(read(path("saved.fsh")), converted);
}

TEST_F(Form1Load, AFileThatFailsTheCheckIsRememberedAndDisablesSave) {
    QByteArray thirteen = jerseyBytes();
    thirteen[8] = 13;
    QByteArray lowerCase = jerseyBytes();
    lowerCase.replace(0, 4, "shpi");
    QByteArray noPictures = jerseyBytes();  // the header passes; the directory names none of them
    for (int record = 0; record < 14; ++record) noPictures.replace(16 + 8 * record, 4, "none");
    const std::string noJersey = "Not a jersey file";
    const struct {
        const char* name;
        QByteArray bytes;  // null: the file does not exist
        std::string says;
    } cases[] = {
        {"thirteen.fsh", thirteen, noJersey},
        {"lower.fsh", lowerCase, noJersey},
        {"short.fsh", QByteArray("SHPI\0\0\0\0", 8), noJersey},
        {"empty.fsh", QByteArray(""), noJersey},
        {"no-pictures.fsh", noPictures,
         "Not a jersey file: it holds none of the FIFA 99 jersey pictures"},
        // Refused for what it is, and not created.
        {"typed-by-hand.fsh", QByteArray(),
         "Cannot read " + path("typed-by-hand.fsh").toStdString() + ": No such file or directory"},
    };
    const QString good = putJersey("club.fsh");
    const auto window = startAndLoad(good);
    const QByteArray converted = read(path("pk001.fsh"));

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString bad = c.bytes.isNull() ? path(c.name) : putJersey(c.name, c.bytes);
        m_fake.messages.shown.clear();
        m_fake.dialogs.openAnswers.push_back(native(bad));
        window->Command1_Click();

        ASSERT_EQ(m_fake.messages.shown.size(), 1u);
        EXPECT_EQ(m_fake.messages.shown[0].text, c.says);
        EXPECT_EQ(m_fake.messages.shown[0].title, "Tavrimel");
        EXPECT_FALSE(saveEnabled(*window));
        EXPECT_EQ(read(path("jersey.cfg")), settingsText(bad, QString()));
        EXPECT_EQ(read(path("pk001.fsh")), converted);
        EXPECT_TRUE(isBlank(window->picture(0)));

        // Save comes back with the next good load.
        m_fake.dialogs.openAnswers.push_back(native(good));
        window->Command1_Click();
        EXPECT_TRUE(saveEnabled(*window));
    }
    EXPECT_FALSE(QFileInfo::exists(path("typed-by-hand.fsh")));
}

TEST_F(Form1Load, SixtyFourColourModeChangesTheNextLoadOnly) {
    const QString jersey = putJersey("club.fsh");
    const auto window = startAndLoad(jersey);
    const QByteArray normal = read(path("pk001.fsh"));
    const QImage preview = window->picture(1).image();
    QAction* color64 = action(*window, "color64");

    color64->trigger();
    EXPECT_TRUE(color64->isChecked());
    EXPECT_EQ(window->paletteBase(), 0);
    EXPECT_EQ(read(path("pk001.fsh")), normal);
    EXPECT_EQ(window->picture(1).image(), preview);

    m_fake.dialogs.openAnswers.push_back(native(jersey));
    window->Command1_Click();
    const QByteArray sixtyFour = read(path("pk001.fsh"));
    EXPECT_EQ(sixtyFour, referenceConversion(jersey, 0));
    EXPECT_NE(sixtyFour, normal);

    window->color64_Click();  // the handler itself, as the menu entry runs it
    EXPECT_FALSE(color64->isChecked());
    EXPECT_EQ(window->paletteBase(), 191);
}

TEST_F(Form1Load, MenuEntriesRunWhatTheButtonsRun) {
    const QString jersey = putJersey("club.fsh");
    const QByteArray expected = referenceConversion(jersey, 191);
    for (bool viaMenu : {false, true}) {
        SCOPED_TRACE(viaMenu ? "menu" : "button");
        write(path("pk001.fsh"), templateBytes());
        write(path("jersey.cfg"), "");
        QFile::remove(path("saved.fsh"));
        m_fake.messages.shown.clear();
        const auto window = startWindow();

        m_fake.dialogs.openAnswers.push_back(native(jersey));
        viaMenu ? action(*window, "openfifa99menu")->trigger()
                : button(*window, "Command1")->click();
        EXPECT_EQ(read(path("pk001.fsh")), expected);
        EXPECT_TRUE(saveEnabled(*window));

        m_fake.dialogs.saveAnswers.push_back(native(path("saved.fsh")));
        viaMenu ? action(*window, "Savefifa2000menu")->trigger()
                : button(*window, "Command2")->click();
        EXPECT_EQ(read(path("saved.fsh")), expected);
        EXPECT_EQ(m_fake.messages.texts(), std::vector<std::string>{std::string("Jersey Saved !")});
        EXPECT_EQ(read(path("jersey.cfg")), settingsText(jersey, path("saved.fsh")));
    }
}

TEST_F(Form1Load, FilesOfItsOwnThatBreakAfterStartUpAreReported) {
    const struct {
        const char* what;
        const char* file;
        QByteArray bytes;
        const char* message;
        bool ends;
    } cases[] = {
        {"palette no longer a palette", "fifa2k.pal", "RIFF\r\n",
         "FIFA2K.PAL is missing or damaged !", true},
        {"work file cut short", "pk001.fsh", templateBytes().left(20000),
         "PK001.FSH is missing or damaged !", false},
    };
    const QString jersey = putJersey("club.fsh");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        FakeServices fake;
        fake.location.folder = native(m_dir.path());
        Form1 window(fake.services);
        fake.dialogs.openAnswers.push_back(native(jersey));
        window.Command1_Click();
        ASSERT_TRUE(saveEnabled(window));

        write(path(c.file), c.bytes);
        fake.dialogs.openAnswers.push_back(native(jersey));
        window.Command1_Click();

        ASSERT_EQ(fake.messages.shown.size(), 1u);
        EXPECT_EQ(fake.messages.shown[0].text, c.message);
        EXPECT_EQ(fake.messages.shown[0].title, "Error");
        EXPECT_FALSE(saveEnabled(window));
        EXPECT_EQ(fake.exit.statuses.size(), c.ends ? 1u : 0u);
        EXPECT_EQ(window.isRunning(), !c.ends);
    }
}

TEST_F(Form1Load, ReadmeGoesToTheViewerAndExitEndsWithoutWritingSettings) {
    const auto window = startWindow();
    window->findChild<QAction*>(QStringLiteral("readme_menu"))->trigger();
    EXPECT_EQ(m_fake.started, CallLog{"show " + native(path("readme.txt"))});
    EXPECT_TRUE(m_fake.messages.shown.empty());

    // A viewer that starts and later gives up is reported like one that cannot start.
    m_fake.starter.viewerFailed("No program could show readme.txt");
    m_fake.starter.fails = true;
    window->readme_menu_Click();
    ASSERT_EQ(m_fake.messages.shown.size(), 2u);
    EXPECT_EQ(m_fake.messages.shown[0].text, "No program could show readme.txt");
    for (const ShownMessage& shown : m_fake.messages.shown) {
        EXPECT_EQ(shown.title, "Error");
    }
    EXPECT_TRUE(window->isRunning());

    write(path("jersey.cfg"), "\"a\"\r\n\"b\"\r\n");
    action(*window, "ExitMenu")->trigger();
    EXPECT_EQ(m_fake.exit.statuses, std::vector<int>{0});
    EXPECT_EQ(read(path("jersey.cfg")), QByteArray("\"a\"\r\n\"b\"\r\n"));
}

TEST_F(Form1Load, AKitDroppedOnTheWindowIsLoadedAsIfOpened) {
    const QString jersey = putJersey("dropped kit.fsh");
    const QString notAKit = putJersey("notes.fsh", "plain text");
    const auto window = startWindow();
    window->picture(0).pset(1, 1, 0xFF0000);

    const auto drop = [&](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        if (enter.isAccepted()) {
            QDropEvent dropped({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window.get(), &dropped);
        }
        QTest::qWait(0);  // the load runs once the drop has ended
        return enter.isAccepted();
    };
    // Folders, remote files and several files at once are refused before anything happens.
    EXPECT_FALSE(drop({QUrl::fromLocalFile(m_dir.path())}));
    EXPECT_FALSE(drop({QUrl(QStringLiteral("https://www.tavrimel.example/kit.fsh"))}));
    EXPECT_FALSE(drop({QUrl::fromLocalFile(jersey), QUrl::fromLocalFile(notAKit)}));
    EXPECT_FALSE(isBlank(window->picture(0)));

    EXPECT_TRUE(drop({QUrl::fromLocalFile(jersey)}));
    EXPECT_TRUE(m_fake.dialogs.openInitialPaths.empty()) << "no dialog for a dropped kit";
    EXPECT_EQ(read(path("pk001.fsh")), referenceConversion(jersey, 191));
    EXPECT_EQ(read(path("jersey.cfg")), settingsText(jersey, QString()));
    EXPECT_TRUE(saveEnabled(*window));
    EXPECT_TRUE(m_fake.messages.shown.empty());

    EXPECT_TRUE(drop({QUrl::fromLocalFile(notAKit)}));
    EXPECT_EQ(m_fake.messages.texts(), std::vector<std::string>{std::string("Not a jersey file")});
    EXPECT_EQ(read(path("jersey.cfg")), settingsText(notAKit, QString()));
    EXPECT_FALSE(saveEnabled(*window));
}
