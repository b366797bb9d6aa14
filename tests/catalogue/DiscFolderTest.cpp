#include "tools/disc-builder/DiscFolder.h"
#include "tests/common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(DiscFolder, EmptiesAnOldDiscAndRemovesItsCatalogue) {
    TestEnvironment env;
    const QString disc = env.path(QStringLiteral("disc"));
    env.writeFile(QStringLiteral("disc/Graphics/old/F1s.bmp"), "old");
    env.writeFile(QStringLiteral("disc/Quillon.hlp"), "old");
    const QString catalogue = env.writeFile(QStringLiteral("Tessaly.db"), "old");
    QString error;
    ASSERT_TRUE(DiscFolder::Prepare(disc, catalogue, &error)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(catalogue));
    EXPECT_TRUE(QDir(disc + QStringLiteral("/Graphics")).isEmpty());
    EXPECT_EQ(QDir(disc).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({"Graphics"}));
}

TEST(DiscFolder, CreatesAMissingDisc) {
    TestEnvironment env;
    const QString disc = env.path(QStringLiteral("new/disc"));
    QString error;
    ASSERT_TRUE(DiscFolder::Prepare(disc, env.path(QStringLiteral("Tessaly.db")), &error));
    EXPECT_TRUE(QDir(disc + QStringLiteral("/Graphics")).exists());
}

TEST(DiscFolder, LeavesAFolderThatIsNoDiscAlone) {
    TestEnvironment env;
    const QString precious = env.writeFile(QStringLiteral("home/letter.txt"), "keep me");
    QString error;
    EXPECT_FALSE(DiscFolder::Prepare(env.path(QStringLiteral("home")),
                                     env.path(QStringLiteral("Tessaly.db")), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFile::exists(precious));
}

TEST(DiscFolder, CopiesTheContentFolderToTheDiscRoot) {
    TestEnvironment env;
    env.writeFile(QStringLiteral("content/Quillon.hlp"), "help");
    env.writeFile(QStringLiteral("content/What you can do/vimble.txt"), "demo");
    const QString disc = env.path(QStringLiteral("disc"));
    QDir().mkpath(disc);
    QString error;
    ASSERT_TRUE(DiscFolder::CopyContent(env.path(QStringLiteral("content")), disc, &error))
        << error.toStdString();
    QFile copied(disc + QStringLiteral("/What you can do/vimble.txt"));
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), QByteArray("demo"));
    EXPECT_TRUE(QFile::exists(disc + QStringLiteral("/Quillon.hlp")));

    EXPECT_TRUE(DiscFolder::CopyContent(env.path(QStringLiteral("no such folder")), disc, &error));
}

} // namespace
