// Copying the work file to the user's target: piece sizes, failures, the target's final bytes.
#include "work_file_copy.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
// Records the size of every write, so the pieces can be seen.
class RecordingDevice : public QBuffer {
public:
    std::vector<qint64> writes;

protected:
    qint64 writeData(const char* data, qint64 length) override {
        writes.push_back(length);
        return QBuffer::writeData(data, length);
    }
};

// Reads fine up to a limit, then fails, like a disk going away in the middle of a copy.
class FailingDevice : public QBuffer {
public:
    explicit FailingDevice(qint64 limit) : m_limit(limit) {}

protected:
    qint64 readData(char* data, qint64 length) override {
        if (pos() + length > m_limit) return -1;
        return QBuffer::readData(data, length);
    }

private:
    qint64 m_limit;
};

QByteArray pattern(qsizetype length) {
    QByteArray bytes(length, '\0');
    for (qsizetype i = 0; i < length; ++i) bytes[i] = static_cast<char>(i % 251);
    return bytes;
}
}  // namespace

TEST(WorkFileCopy, MovesTheFileInPiecesOfAtMost4000Bytes) {
    const struct {
        qsizetype length;
        std::vector<qint64> pieces;
    } cases[] = {
        {9000, {4000, 4000, 1000}}, {4000, {4000}}, {8000, {4000, 4000}},
        {4001, {4000, 1}},          {0, {0}},  // an empty work file still makes one (empty) pass
    };
    for (const auto& c : cases) {
        QByteArray source = pattern(c.length);
        QBuffer from(&source);
        ASSERT_TRUE(from.open(QIODevice::ReadOnly));
        RecordingDevice to;
        ASSERT_TRUE(to.open(QIODevice::WriteOnly));
        WorkFileCopy::copyInPieces(from, source.size(), to, QStringLiteral("a"),
                                   QStringLiteral("b"));
        EXPECT_EQ(to.data(), source) << c.length;
        EXPECT_EQ(to.writes, c.pieces) << c.length;
    }
}

TEST(WorkFileCopy, AReadFailureNamesTheSource) {
    QByteArray source = pattern(9000);
    FailingDevice from(5000);
    from.setBuffer(&source);
    ASSERT_TRUE(from.open(QIODevice::ReadOnly));
    QBuffer to;
    ASSERT_TRUE(to.open(QIODevice::WriteOnly));
    try {
        WorkFileCopy::copyInPieces(from, source.size(), to, QStringLiteral("/p/pk001.fsh"),
                                   QStringLiteral("/t/x.fsh"));
        FAIL() << "no error";
    } catch (const SaveError& error) {
        EXPECT_NE(std::string(error.what()).find("/p/pk001.fsh"), std::string::npos)
            << error.what();
    }
}

TEST(WorkFileCopy, LeavesExactlyTheSourceBytesOrTheOldTarget) {
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("pk001.fsh"));
    const QString target = dir.filePath(QStringLiteral("kit.fsh"));
    const auto put = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    const auto get = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    };
    put(source, pattern(9000));
    put(target, QByteArray(20000, 'x'));

    WorkFileCopy::copyFile(source, target);
    EXPECT_EQ(get(target), pattern(9000));

    QFile::remove(source);
    EXPECT_THROW(WorkFileCopy::copyFile(source, target), SaveError);
    EXPECT_EQ(get(target), pattern(9000));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kit.fsh")});
}
