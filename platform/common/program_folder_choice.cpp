// Choosing the program folder and seeding a per-user one from the installed shared files.
#include "program_folder_choice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {
constexpr auto kWorkFile = "pk001.fsh";

bool hasContent(const QString& path) { return QFileInfo(path).size() > 0; }
}  // namespace

namespace ProgramFolderChoice {

bool isUsable(const QString& folder) {
    const QDir dir(folder);
    const QString workFile = dir.filePath(QString::fromLatin1(kWorkFile));
    if (!hasContent(workFile)) return false;
    // Asking the file system itself: permission bits do not tell about read-only mounts or ACLs.
    QFile work(workFile);
    if (!work.open(QIODevice::ReadWrite)) return false;
    work.close();
    QTemporaryFile probe(dir.filePath(QStringLiteral(".vestrix-write-test-XXXXXX")));
    return probe.open();
}

void seed(const QString& from, const QString& to) {
    const QDir source(from);
    const QDir target(to);
    // Only what the tool ships: an installed program's folder also holds the executable and its
    // libraries, and perhaps someone's settings.
    const QStringList shipped{QStringLiteral("pk001.fsh"), QStringLiteral("fifa2k.pal"),
                              QStringLiteral("readme.txt"), QStringLiteral("*.jpg")};
    for (const QFileInfo& file : source.entryInfoList(shipped, QDir::Files | QDir::Readable)) {
        const QString copy = target.filePath(file.fileName());
        if (hasContent(copy)) continue;
        // An empty file is what a failed presence test leaves behind: it holds nothing to keep.
        if (QFileInfo::exists(copy)) QFile::remove(copy);
        if (QFile::copy(file.filePath(), copy)) {
            // Installed files are read-only; the user's copies must not be, the work file least.
            QFile::setPermissions(copy,
                                  QFile::permissions(copy) | QFile::WriteOwner | QFile::ReadOwner);
        }
    }
}

QString choose(const QString& executableFolder, const QStringList& sharedFolders,
               const QString& userFolder) {
    if (isUsable(executableFolder)) return executableFolder;
    QDir().mkpath(userFolder);
    const QString user = QFileInfo(userFolder).canonicalFilePath();
    for (const QString& shared : sharedFolders) {
        if (QFileInfo(shared).canonicalFilePath() == user) continue;
        seed(shared, userFolder);
    }
    return userFolder;
}

}  // namespace ProgramFolderChoice
