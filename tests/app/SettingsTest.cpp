#include "app/Settings.h"
#include "app/Texts.h"
#include "tests/common/TestSupport.h"

#include <gtest/gtest.h>

TEST(Settings, KeyPathOfEachKindOfSection) {
    const QString app = QStringLiteral("Software/VARNO/TsOccasions");
    ASSERT_EQ(Texts::at(2002), app);
    EXPECT_EQ(SettingsKeyPath(QString()), app + QStringLiteral("/"));
    EXPECT_EQ(SettingsKeyPath(QStringLiteral("..Printing")), app + QStringLiteral("/Printing/"));
    EXPECT_EQ(SettingsKeyPath(QStringLiteral("Software/Microsoft/Windows")),
              QStringLiteral("Software/Microsoft/Windows/"));
    EXPECT_EQ(SettingsKeyPath(QStringLiteral("Already/")), QStringLiteral("Already/"));
}

TEST(Settings, ReadGivesDefaultUntilWrittenThenTheValue) {
    TestEnvironment env;
    EXPECT_EQ(
        ReadSetting(QStringLiteral("HNudge"), QStringLiteral("0"), QStringLiteral("..Printing")),
        QStringLiteral("0"));
    EXPECT_TRUE(
        WriteSetting(QStringLiteral("HNudge"), QStringLiteral("3"), QStringLiteral("..Printing")));
    EXPECT_EQ(
        ReadSetting(QStringLiteral("HNudge"), QStringLiteral("0"), QStringLiteral("..Printing")),
        QStringLiteral("3"));
    // Each setting is a key of its own whose default value holds the setting.
    EXPECT_EQ(env.registry.value({QStringLiteral("Software"), QStringLiteral("VARNO"),
                                  QStringLiteral("TsOccasions"), QStringLiteral("Printing"),
                                  QStringLiteral("HNudge")},
                                 QString()),
              QStringLiteral("3"));
}

TEST(Settings, KeyWithoutDefaultValueReadsEmptyNotTheDefault) {
    TestEnvironment env;
    ASSERT_TRUE(
        CreateKeyPath(SettingsKeyPath(QStringLiteral("..Files")) + QStringLiteral("SaveFile")).ok);
    EXPECT_EQ(ReadSetting(QStringLiteral("SaveFile"), QStringLiteral("C:\\My Documents"),
                          QStringLiteral("..Files")),
              QString());
}

TEST(Settings, NamedValueWriteAndValueCutAtNul) {
    TestEnvironment env;
    EXPECT_TRUE(WriteSetting(QStringLiteral("Help"), QStringLiteral("D:"),
                             QStringLiteral("Software/Microsoft/Windows"),
                             QStringLiteral("Quillon.hlp")));
    const KeyHandle help = OpenKeyPath(QStringLiteral("Software/Microsoft/Windows/Help"));
    ASSERT_TRUE(help.ok);
    EXPECT_EQ(env.registry.value(help.path, QStringLiteral("Quillon.hlp")), QStringLiteral("D:"));
    // Only the named value was written: the key's default value does not exist.
    EXPECT_EQ(ReadSetting(QStringLiteral("Help"), QStringLiteral("x"),
                          QStringLiteral("Software/Microsoft/Windows")),
              QString());

    WriteSetting(QStringLiteral("CDDrive"), QStringLiteral("E") + QChar(0) + QStringLiteral("junk"),
                 QString());
    EXPECT_EQ(ReadSetting(QStringLiteral("CDDrive"), QString(), QString()), QStringLiteral("E"));
}

TEST(Settings, OpenKeyPathFailsOnFirstMissingKeyAndTrailingSlashOpensReached) {
    TestEnvironment env;
    EXPECT_FALSE(OpenKeyPath(QStringLiteral("Software/Nothing/Here")).ok);
    ASSERT_TRUE(CreateKeyPath(QStringLiteral("Software/Something")).ok);
    const KeyHandle reached = OpenKeyPath(QStringLiteral("Software/Something/"));
    EXPECT_TRUE(reached.ok);
    EXPECT_EQ(reached.path, (QStringList{QStringLiteral("Software"), QStringLiteral("Something")}));
}

TEST(Settings, FailedWriteReturnsFalse) {
    TestEnvironment env;
    env.writeFile(QStringLiteral("blocker"), "x");
    Registry broken(env.path(QStringLiteral("blocker/registry.json")));
    Registry::setCurrent(&broken);
    EXPECT_FALSE(
        WriteSetting(QStringLiteral("HNudge"), QStringLiteral("1"), QStringLiteral("..Printing")));
    EXPECT_EQ(
        ReadSetting(QStringLiteral("HNudge"), QStringLiteral("0"), QStringLiteral("..Printing")),
        QStringLiteral("0"));
    Registry::setCurrent(&env.registry);
}
