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
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        files[info.fileName()] = file.readAll();
    }
    return files;
}
}  // namespace

TEST(ProgramFolderChoice, TheExecutablesFolderWhenItHoldsTheWorkFileAndTakesNewFiles) {
    QTemporaryDir root;
    const QString exe = root.filePath(QStringLiteral("portable"));
    const QString user = root.filePath(QStringLiteral("home/vestrix"));
    put(exe, {{QStringLiteral("pk001.fsh"), "SHPI work"}});
    EXPECT_EQ(ProgramFolderChoice::choose(exe, {exe}, user), exe);
    EXPECT_FALSE(QFileInfo::exists(user)) << "nothing is made for the user";
    EXPECT_EQ(contents(exe).size(), 1u) << "the write test leaves nothing behind";
}

TEST(ProgramFolderChoice, OtherwiseTheUsersFolderSeededWithoutReplacingTheirFiles) {
    const Files installed{{QStringLiteral("pk001.fsh"), "SHPI template"},
                          {QStringLiteral("fifa2k.pal"), "JASC-PAL shipped"},
                          {QStringLiteral("readme.txt"), "read me"},
                          {QStringLiteral("subzero.jpg"), "skin"}};
    const struct {
        const char* what;
        Files executableFolder;
        Files userHas;
        Files expected;
    } cases[] = {
        {"first start of an installed program", {}, {}, installed},
        {"the user's own files stay, an empty one left by a failed start is filled",
         {{QStringLiteral("pk001.fsh"), ""}},
         {{QStringLiteral("fifa2k.pal"), "JASC-PAL mine"},
          {QStringLiteral("jersey.cfg"), "\"a\"\r\n\"\"\r\n"},
          {QStringLiteral("pk001.fsh"), ""}},
         {{QStringLiteral("pk001.fsh"), "SHPI template"},
          {QStringLiteral("fifa2k.pal"), "JASC-PAL mine"},
          {QStringLiteral("readme.txt"), "read me"},
          {QStringLiteral("subzero.jpg"), "skin"},
          {QStringLiteral("jersey.cfg"), "\"a\"\r\n\"\"\r\n"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir root;
        const QString exe = root.filePath(QStringLiteral("bin"));
        const QString share = root.filePath(QStringLiteral("share/vestrix"));
        const QString user = root.filePath(QStringLiteral("data home/vestrix"));
        put(exe, c.executableFolder);
        put(share, installed);
        // Not the tool's own files: never copied.
        put(share, {{QStringLiteral("vestrix.exe"), "MZ"}, {QStringLiteral("jersey.cfg"), "\"x\""}});
        QFile::setPermissions(share + QStringLiteral("/pk001.fsh"), QFile::ReadOwner);
        if (!c.userHas.empty()) put(user, c.userHas);

        EXPECT_EQ(ProgramFolderChoice::choose(
                      exe, {exe, root.filePath(QStringLiteral("none")), share, user}, user),
                  user);
        EXPECT_EQ(contents(user), c.expected);
        EXPECT_TRUE(QFileInfo(user + QStringLiteral("/pk001.fsh")).isWritable())
            << "each load patches the user's work file";
        EXPECT_TRUE(ProgramFolderChoice::isUsable(user));
    }
}

TEST(ProgramFolderChoice, AFolderThatRefusesNewFilesIsNotUsable) {
    QTemporaryDir root;
    const QString exe = root.filePath(QStringLiteral("Program Files"));
    put(exe, {{QStringLiteral("pk001.fsh"), "SHPI template"}});
    QFile::setPermissions(exe, QFile::ReadOwner | QFile::ExeOwner);
    QTemporaryFile probe(exe + QStringLiteral("/probe-XXXXXX"));
    const bool refuses = !probe.open();
    if (refuses) {
        EXPECT_FALSE(ProgramFolderChoice::isUsable(exe));
        const QString user = root.filePath(QStringLiteral("user"));
        EXPECT_EQ(ProgramFolderChoice::choose(exe, {exe}, user), user);
        EXPECT_EQ(contents(user), (Files{{QStringLiteral("pk001.fsh"), "SHPI template"}}));
    }
    QFile::setPermissions(exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!refuses) GTEST_SKIP() << "this user may write anywhere (root)";
}
