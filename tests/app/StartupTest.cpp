#include "app/shell/Startup.h"
#include "app/AppState.h"
#include "tests/common/TestSupport.h"

#include <QFontInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QUuid>
#include <gtest/gtest.h>

namespace {

struct AppStateGuard {
    AppState saved = App();
    AppStateGuard() {
        App().PrintToFileFormat.clear();
        App().DebugMode = false;
        App().CurrentCardFile.clear();
    }
    ~AppStateGuard() { App() = saved; }
};

} // namespace

TEST(Startup, CommandLineWordsInAnyLetterCase) {
    const struct {
        const char* line;
        const char* format;
        bool debug;
    } cases[] = {{"jpg", "JPG", false}, {"BMP", "BMP", false}, {"Bmp", "BMP", false},
                 {"_debug_", "", true}, {"_DEBUG_", "", true}, {"", "", false}};
    for (const auto& c : cases) {
        TestEnvironment env;
        AppStateGuard guard;
        Startup::ReadCommandLine(QString::fromLatin1(c.line));
        EXPECT_EQ(App().PrintToFileFormat, QString::fromLatin1(c.format)) << c.line;
        EXPECT_EQ(App().DebugMode, c.debug) << c.line;
        EXPECT_EQ(App().CurrentCardFile, QString()) << c.line;
    }
}

TEST(Startup, CardPathIsTakenWhenTheFileExists) {
    TestEnvironment env;
    AppStateGuard guard;
    const QString card =
        env.writeFile(QStringLiteral("My Card.ocd"), "[Varno Tessaly Picture]\r\n");
    Startup::ReadCommandLine(card);
    EXPECT_EQ(App().CurrentCardFile, card);
}

TEST(Startup, MissingCardPathIsDroppedAfterTheTenSecondWait) {
    TestEnvironment env;
    AppStateGuard guard;
    Startup::ReadCommandLine(env.path(QStringLiteral("gone.ocd")));
    EXPECT_EQ(App().CurrentCardFile, QString());
    EXPECT_GE(env.clock.elapsedMs(), 10000);
}

TEST(Startup, HelpFileIsRegisteredUnderTheWindowsKey) {
    TestEnvironment env;
    AppStateGuard guard;
    App().ApplicationDrive = QStringLiteral("/media/disc");
    Startup::RegisterHelpFile();
    EXPECT_EQ(env.registry.value({QStringLiteral("Software"), QStringLiteral("Microsoft"),
                                  QStringLiteral("Windows"), QStringLiteral("Help")},
                                 QStringLiteral("Quillon.hlp")),
              QStringLiteral("/media/disc"));
}

// A second start of the real program finds the first, asks it to come forward and ends.
TEST(Startup, SecondStartActivatesTheFirstAndEnds) {
    TestEnvironment env;
    const QString program = QStringLiteral(TESSALY_BIN_DIR "/tessaly");
    const QString name =
        QStringLiteral("tessaly-test-") + QUuid::createUuid().toString(QUuid::Id128);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TESSALY_INSTANCE_NAME"), name);
    environment.insert(QStringLiteral("TESSALY_REGISTRY"),
                       env.path(QStringLiteral("registry.json")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), env.folder.path());

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted(10000));
    // Wait until the first listens for later starts.
    bool listening = false;
    for (int attempt = 0; attempt < 200 && !listening; ++attempt) {
        QLocalSocket probe;
        probe.connectToServer(name);
        listening = probe.waitForConnected(100);
        if (!listening) {
            first.waitForFinished(100);
        }
    }
    ASSERT_TRUE(listening);

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(program, {});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardError().isEmpty());
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished(10000);
}

TEST(Startup, DesignFontsDrawWithInstalledFreeFonts) {
    AppStateGuard guard;
    Startup::LoadFontFamilies();
    EXPECT_FALSE(App().FontFamilies.isEmpty());
    EXPECT_EQ(App().FontFamilies.removeDuplicates(), 0);
    Startup::InstallFonts();
    const struct {
        const char* design;
        const char* drawnWith;
    } cases[] = {{"Comic Sans MS", "Comic Neue"},
                 {"Arial", "Liberation Sans"},
                 {"MS Sans Serif", "Liberation Sans"},
                 {"Times New Roman", "Liberation Serif"}};
    for (const auto& c : cases) {
        EXPECT_EQ(QFontInfo(QFont(QString::fromLatin1(c.design))).family(),
                  QString::fromLatin1(c.drawnWith))
            << c.design;
    }
}
