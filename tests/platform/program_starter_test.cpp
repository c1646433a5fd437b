// The desktop's program starter: programs and command lines run directly, failures come back as
// errors.
#include "platform/program_starter.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <functional>
#include <optional>

#include "tests/platform/stand_in_programs.h"

TEST(DesktopProgramStarter, RunsTheProgramWithItsArgumentsAsTheyStand) {
    QTemporaryDir dir;
    // A name a shell would split or expand: it must reach the program whole.
    const QString made = dir.filePath(QStringLiteral("made by touch; $HOME"));
    const std::unique_ptr<ProgramStarter> starter = createProgramStarter();
    starter->start("touch", {QFile::encodeName(made).toStdString()});
    // The starter does not wait; the program may take long to start on a busy machine.
    QDeadlineTimer patience(20000);
    while (!QFileInfo::exists(made) && !patience.hasExpired()) QThread::msleep(10);
    EXPECT_TRUE(QFileInfo::exists(made));
}

TEST(DesktopProgramStarter, AProgramThatCannotBeStartedIsAnError) {
    const std::unique_ptr<ProgramStarter> starter = createProgramStarter();
    EXPECT_THROW(starter->start("/nonexistent/viewer", {"readme.txt"}), ProgramStartError);
}

TEST(DesktopProgramStarter, ACommandLineIsAWholePathOrWordsWithQuotes) {
    StandInPrograms path;
    // A tool's path from the registry, unquoted even with a space in it.
    path.addRecorder("sys info");
    createProgramStarter()->startCommandLine((path.folder() / "sys info").string());
    EXPECT_EQ(path.waitForRecording("sys info"), "\n");

    path.addRecorder("browse");
    createProgramStarter()->startCommandLine("browse \"a page\" -new");
    EXPECT_EQ(path.waitForRecording("browse"), "a page\n-new\n");

    EXPECT_THROW(createProgramStarter()->startCommandLine(""), ProgramStartError);
}

TEST(DesktopProgramStarter, AViewerThatGivesUpIsToldLaterAndOneThatShowsTheFileIsNot) {
    const auto showText = [](ProgramStarter& starter, ProgramStarter::ViewerFailed heard) {
        starter.showTextFile("readme.txt", std::move(heard));
    };
    const auto showPage = [](ProgramStarter& starter, ProgramStarter::ViewerFailed heard) {
        starter.showWebPage("https://example.test/", std::move(heard));
    };
    const struct {
        const char* body;
        std::function<void(ProgramStarter&, ProgramStarter::ViewerFailed)> show;
        std::optional<std::string> heard;
    } cases[] = {
        {"exit 0", showText, std::nullopt},
        // What xdg-open says when no program on the desktop takes text files.
        {"echo 'xdg-open: no method available for opening' >&2; exit 3", showText,
         "No program could show readme.txt (xdg-open ended with status 3). "
         "Please install a text viewer."},
        {"exit 2", showText, "Cannot find readme.txt"},
        {"exit 0", showPage, std::nullopt},
        {"exit 3", showPage,
         "No program could show https://example.test/ (xdg-open ended with status 3). "
         "Please install a web browser."},
        {"exit 4", showPage, "Cannot show https://example.test/ (xdg-open ended with status 4)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        StandInPrograms path(true);
        path.add("xdg-open", c.body);
        std::optional<std::string> heard;
        const std::unique_ptr<ProgramStarter> starter = createProgramStarter();
        c.show(*starter, [&](const std::string& message) { heard = message; });
        // The starter returns at once; the viewer's end arrives later through the event loop,
        // however busy the machine. A viewer that says nothing is given the time to say it.
        QTest::qWait(300);
        if (c.heard) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return heard.has_value(); }, 20000));
        }
        EXPECT_EQ(heard, c.heard);
    }
}
