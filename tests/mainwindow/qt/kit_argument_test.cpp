// The kit named on the command line becomes the full path the Load command remembers.
#include "kit_argument.h"

#include <gtest/gtest.h>

#include <QDir>

TEST(KitArgument, RelativeNamesCountFromTheCurrentFolderAndFileUrlsAreLocalFiles) {
    const QString here = QDir::currentPath();
    const struct {
        QString argument;
        QString expected;
    } cases[] = {
        {QString(), QString()},
        {QStringLiteral("club.fsh"), here + QStringLiteral("/club.fsh")},
        {QStringLiteral("kits/../kits/club.fsh"), here + QStringLiteral("/kits/club.fsh")},
        {QStringLiteral("/home/a/My Kits/club.fsh"), QStringLiteral("/home/a/My Kits/club.fsh")},
        {QStringLiteral("file:///home/a/My%20Kits/club.fsh"),
         QStringLiteral("/home/a/My Kits/club.fsh")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KitArgument::fullPath(c.argument), QDir::toNativeSeparators(c.expected))
            << c.argument.toStdString();
    }
}
