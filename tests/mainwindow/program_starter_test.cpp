// The desktop's program starter: programs run directly, failures come back as errors.
#include "program_starter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

TEST(DesktopProgramStarter, RunsTheProgramWithItsArgumentsAsTheyStand) {
    QTemporaryDir dir;
    // A name a shell would split or expand: it must reach the program whole.
    const QString made = dir.filePath(QStringLiteral("made by touch; $HOME"));
    const std::unique_ptr<ProgramStarter> starter = createProgramStarter();
    starter->start("touch", {QFile::encodeName(made).toStdString()});
    // The starter does not wait; give the program a moment to run.
    for (int i = 0; i < 200 && !QFileInfo::exists(made); ++i) QThread::msleep(10);
    EXPECT_TRUE(QFileInfo::exists(made));
}

TEST(DesktopProgramStarter, AProgramThatCannotBeStartedIsAnError) {
    const std::unique_ptr<ProgramStarter> starter = createProgramStarter();
    EXPECT_THROW(starter->start("/nonexistent/viewer", {"readme.txt"}), ProgramStartError);
}
