#include "platform/FilePaths.h"
#include "tests/common/TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(FilePaths, EitherSeparatorAndAnyLetterCaseFindTheFile) {
    TestEnvironment env;
    const QString file = env.writeFile(QStringLiteral("Graphics/Birthday/CakeS.bmp"), "x");
    const QString root = env.folder.path();
    struct Case {
        QString given;
        QString expected;
    };
    const std::vector<Case> cases = {
        {file, file},
        {root + QStringLiteral("\\Graphics\\Birthday\\CakeS.bmp"), file},
        {root + QStringLiteral("/graphics\\BIRTHDAY/cakes.BMP"), file},
        {root + QStringLiteral("\\Graphics\\Birthday\\Missing.bmp"),
         root + QStringLiteral("/Graphics/Birthday/Missing.bmp")},
        {root + QStringLiteral("\\GRAPHICS\\new.bmp"), root + QStringLiteral("/GRAPHICS/new.bmp")},
        {QString(), QString()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FilePaths::native(c.given), c.expected) << c.given.toStdString();
    }
}

} // namespace
