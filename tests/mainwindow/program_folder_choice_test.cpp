// The program folder: the executable's own where it can be written, otherwise the user's own copy
// of the shipped files, which keeps whatever the user already has.
#include "program_folder_choice.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <map>

namespace {
using Files = std::map<QString, QByteArray>;

void put(const QString& folder, const Files& files) {
    QDir().mkpath(folder);
    for (const auto& [name, bytes] : files) {
        QFile file(folder + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
}

Files contents(const QString& folder) {
    Files files;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
        QFile file(info.filePath());
        files[info.fileName()] = file.open(QIODevice::ReadOnly) ? file.readAll() : "?";
    }
    return files;
}
}  // namespace

TEST(ProgramFolderChoice, TheExecutablesFolderIfUsableElseTheUsersSeededWithoutReplacing) {
    const Files shipped{{QStringLiteral("pk001.fsh"), "SHPI template"},
                        {QStringLiteral("fifa2k.pal"), "JASC-PAL shipped"},
                        {QStringLiteral("readme.txt"), "read me"},
                        {QStringLiteral("subzero.jpg"), "skin"}};
    const Files mine{{QStringLiteral("fifa2k.pal"), "JASC-PAL mine"},
                     {QStringLiteral("jersey.cfg"), "\"a\"\r\n\"\"\r\n"},
                     {QStringLiteral("pk001.fsh"), ""}};  // left empty by a failed start
    Files mineSeeded = mine;  // what the user has wins; the rest comes from the installation
    mineSeeded.insert(shipped.begin(), shipped.end());
    mineSeeded[QStringLiteral("pk001.fsh")] = "SHPI template";
    const struct {
        const char* what;
        Files executableFolder, userHas, expected;
        bool executableChosen;
    } cases[] = {
        {"portable copy", {{QStringLiteral("pk001.fsh"), "SHPI work"}}, {}, {}, true},
        {"first start of an installed program", {}, {}, shipped, false},
        {"the user's own files stay", {{QStringLiteral("pk001.fsh"), ""}}, mine, mineSeeded, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir root;
        const QString exe = root.filePath(QStringLiteral("bin"));
        const QString share = root.filePath(QStringLiteral("share/vestrix"));
        const QString user = root.filePath(QStringLiteral("data home/vestrix"));
        put(exe, c.executableFolder);
        put(share, shipped);
        // Beside the installed executable, not the tool's own files: never copied.
        put(share, {{QStringLiteral("vestrix.exe"), "MZ"}, {QStringLiteral("jersey.cfg"), "x"}});
        QFile::setPermissions(share + QStringLiteral("/pk001.fsh"), QFile::ReadOwner);
        if (!c.userHas.empty()) put(user, c.userHas);

        const QString chosen = ProgramFolderChoice::choose(
            exe, {exe, root.filePath(QStringLiteral("none")), share, user}, user);
        EXPECT_EQ(chosen, c.executableChosen ? exe : user);
        EXPECT_EQ(contents(exe), c.executableFolder) << "the write test leaves nothing behind";
        EXPECT_EQ(contents(user), c.expected);
        EXPECT_TRUE(ProgramFolderChoice::isUsable(chosen)) << "each load patches its work file";
    }
}

TEST(ProgramFolderChoice, AFolderThatRefusesNewFilesIsNotUsable) {
    QTemporaryDir root;
    const QString exe = root.filePath(QStringLiteral("Program Files"));
    put(exe, {{QStringLiteral("pk001.fsh"), "SHPI template"}});
    QFile::setPermissions(exe, QFile::ReadOwner | QFile::ExeOwner);
    const bool refuses = !QTemporaryFile(exe + QStringLiteral("/probe-XXXXXX")).open();
    const QString user = root.filePath(QStringLiteral("user"));
    const QString chosen = ProgramFolderChoice::choose(exe, {exe}, user);
    QFile::setPermissions(exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!refuses) GTEST_SKIP() << "this user may write anywhere (root)";
    EXPECT_EQ(chosen, user);
    EXPECT_EQ(contents(user), (Files{{QStringLiteral("pk001.fsh"), "SHPI template"}}));
}
