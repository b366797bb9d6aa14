#include "platform/Registry.h"
#include "tests/common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

TEST(Registry, KeepsValuesAcrossInstancesAndCreatesMissingKeys) {
    TestEnvironment env;
    const QStringList key{QStringLiteral("Software"), QStringLiteral("VARNO"),
                          QStringLiteral("Deep")};
    EXPECT_FALSE(env.registry.keyExists(key));
    EXPECT_TRUE(env.registry.setValue(key, QString(), QStringLiteral("value")));
    EXPECT_TRUE(env.registry.keyExists({QStringLiteral("Software"), QStringLiteral("VARNO")}));

    Registry again(env.registry.filePath());
    EXPECT_EQ(again.value(key, QString()), QStringLiteral("value"));
    EXPECT_FALSE(again.value(key, QStringLiteral("other")).has_value());
    EXPECT_TRUE(again.createKey({QStringLiteral("Empty")}));
    EXPECT_TRUE(again.keyExists({QStringLiteral("Empty")}));
    EXPECT_FALSE(again.value({QStringLiteral("Empty")}, QString()).has_value());
}

TEST(Registry, NamedValuesKeepTheirOrder) {
    TestEnvironment env;
    const QStringList key{QStringLiteral("Fonts")};
    env.registry.setValue(key, QStringLiteral("b"), QStringLiteral("2"));
    env.registry.setValue(key, QStringLiteral("a"), QStringLiteral("1"));
    env.registry.setValue(key, QStringLiteral("b"), QStringLiteral("3"));
    EXPECT_EQ(env.registry.valueNames(key),
              (QStringList{QStringLiteral("b"), QStringLiteral("a")}));
    EXPECT_EQ(env.registry.value(key, QStringLiteral("b")), QStringLiteral("3"));
}

TEST(Registry, DamagedFileReadsEmptyAndIsKeptAside) {
    TestEnvironment env;
    const QString path = env.writeFile(QStringLiteral("damaged.json"), "{ this is not json");
    Registry registry(path);
    EXPECT_FALSE(registry.keyExists({QStringLiteral("Software")}));
    EXPECT_TRUE(registry.setValue({QStringLiteral("Software")}, QString(), QStringLiteral("new")));
    EXPECT_EQ(registry.value({QStringLiteral("Software")}, QString()), QStringLiteral("new"));

    const QStringList kept =
        QDir(env.folder.path()).entryList({QStringLiteral("damaged.json.damaged-*")});
    ASSERT_EQ(kept.size(), 1);
    QFile aside(env.path(kept.first()));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), QByteArray("{ this is not json"));
}

TEST(Registry, UnwritableLocationReportsFailure) {
    TestEnvironment env;
    env.writeFile(QStringLiteral("plainfile"), "x");
    Registry registry(env.path(QStringLiteral("plainfile/below/registry.json")));
    EXPECT_FALSE(registry.setValue({QStringLiteral("A")}, QString(), QStringLiteral("1")));
    EXPECT_FALSE(registry.createKey({QStringLiteral("A")}));
}

// Two processes write different settings at the same moment: neither write is lost.
TEST(Registry, ConcurrentWritersFromTwoProcessesLoseNothing) {
    TestEnvironment env;
    const QString file = env.path(QStringLiteral("shared.json"));
    const QString tool = QStringLiteral(TESSALY_BIN_DIR "/registry-writer");
    ASSERT_TRUE(QFile::exists(tool));
    QProcess first;
    QProcess second;
    first.start(tool, {file, QStringLiteral("First"), QStringLiteral("40")});
    second.start(tool, {file, QStringLiteral("Second"), QStringLiteral("40")});
    ASSERT_TRUE(first.waitForFinished(60000));
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(second.exitCode(), 0);

    Registry registry(file);
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(registry.value({QStringLiteral("First"), QString::number(i)}, QString()),
                  QString::number(i));
        EXPECT_EQ(registry.value({QStringLiteral("Second"), QString::number(i)}, QString()),
                  QString::number(i));
    }
}
