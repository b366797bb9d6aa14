#include "app/Media.h"
#include "catalogue/DataManager.h"
#include "tests/common/TestSupport.h"
#include "tools/disc-builder/DiscCheck.h"

#include <gtest/gtest.h>

namespace {

const QString builtCatalogue = QStringLiteral(TESSALY_BIN_DIR "/Tessaly.db");

TEST(DiscConsistency, TheBuiltDiscMatchesItsCatalogue) {
    const QStringList problems = CheckDisc(BuiltDiscFolder(), builtCatalogue);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

// The program's own reading: every path the catalogue hands out opens as a file.
TEST(DiscConsistency, EveryPathTheCatalogueHandsOutIsAFile) {
    TestEnvironment env;
    DataManager catalogue(builtCatalogue, BuiltDiscFolder());
    const QStringList occasions = catalogue.Occasions();
    ASSERT_FALSE(occasions.isEmpty());
    for (int occasion = 0; occasion < occasions.size(); ++occasion) {
        catalogue.setCurrentOccasionIndex(occasion);
        for (const QString& path : catalogue.TheOccasionalArt()) {
            EXPECT_TRUE(FileExistsNow(path)) << path.toStdString();
        }
        const QStringList styles = catalogue.TheSelectedStyles();
        EXPECT_GE(styles.size(), 2) << occasions[occasion].toStdString();
        for (int style = 0; style < styles.size(); ++style) {
            catalogue.setCurrentStyleIndex(style);
            const QStringList frames = catalogue.TheSelectedTemplates();
            EXPECT_EQ(frames.size(), 6) << styles[style].toStdString();
            for (const QString& path : frames + catalogue.TheSelectedArt()) {
                EXPECT_TRUE(FileExistsNow(path)) << path.toStdString();
            }
        }
    }
    EXPECT_TRUE(env.dialogs.asked.empty());
}

} // namespace
