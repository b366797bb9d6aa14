#include "tests/common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString demonstration() {
    return BuiltDiscFolder() + QStringLiteral("/What you can do/vimble");
}

// Runs the demonstration as the welcome screen does, without a screen.
int runDemonstration(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(demonstration(), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitCode();
}

TEST(BuiltDisc, HoldsTheHelpFileAtItsRoot) {
    const QByteArray source = contentOf(QDir::cleanPath(
        QStringLiteral(TESSALY_TEST_DATA_DIR "/../../tools/disc-builder/content/Quillon.hlp")));
    ASSERT_FALSE(source.isEmpty());
    EXPECT_EQ(contentOf(BuiltDiscFolder() + QStringLiteral("/Quillon.hlp")), source);
}

TEST(BuiltDisc, HoldsTheDemonstrationWhereTheWelcomeScreenStartsIt) {
    const QFileInfo program(demonstration());
    ASSERT_TRUE(program.isFile());
    EXPECT_TRUE(program.isExecutable());
}

TEST(BuiltDisc, TheDemonstrationEndsByItselfAfterItsLastSlide) {
    TestEnvironment env;
    QDir().mkpath(env.path(QStringLiteral("empty-disc")));
    EXPECT_EQ(runDemonstration({QStringLiteral("--disc"), env.path(QStringLiteral("empty-disc")),
                                QStringLiteral("--slides-ms"), QStringLiteral("100")}),
              0);
}

TEST(BuiltDisc, TheDemonstrationRefusesAnUnknownOption) {
    EXPECT_EQ(runDemonstration({QStringLiteral("--fast")}), 2);
}

} // namespace
