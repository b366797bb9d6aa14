#include "tools/demo/DemoOptions.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const QString programFolder = QStringLiteral("/media/disc/What you can do");

TEST(DemoOptions, WithoutOptionsTheDiscIsTheProgramsParentFolder) {
    const DemoOptions options = DemoOptions::parse({}, programFolder);
    EXPECT_TRUE(options.error.isEmpty());
    EXPECT_EQ(options.discFolder, QStringLiteral("/media/disc"));
    EXPECT_TRUE(options.catalogueFile.isEmpty());
    EXPECT_EQ(options.slideMs, DemoOptions::DefaultSlideMs);
    EXPECT_TRUE(options.timer);
}

TEST(DemoOptions, ReadsEveryOption) {
    const DemoOptions options = DemoOptions::parse(
        {QStringLiteral("--disc"), QStringLiteral("/tmp/disc/"), QStringLiteral("--slides-ms"),
         QStringLiteral("1500"), QStringLiteral("--no-timer"), QStringLiteral("--catalogue"),
         QStringLiteral("/tmp/Tessaly.db")},
        programFolder);
    EXPECT_TRUE(options.error.isEmpty()) << options.error.toStdString();
    EXPECT_EQ(options.discFolder, QStringLiteral("/tmp/disc"));
    EXPECT_EQ(options.slideMs, 1500);
    EXPECT_FALSE(options.timer);
    EXPECT_EQ(options.catalogueFile, QStringLiteral("/tmp/Tessaly.db"));
}

struct BadLine {
    const char* name;
    QStringList arguments;
};

class DemoOptionsRefuse : public ::testing::TestWithParam<BadLine> {};

TEST_P(DemoOptionsRefuse, SaysWhatIsWrong) {
    EXPECT_FALSE(DemoOptions::parse(GetParam().arguments, programFolder).error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    DemoOptions, DemoOptionsRefuse,
    ::testing::Values(
        BadLine{"UnknownOption", {QStringLiteral("--fast")}},
        BadLine{"DiscWithoutFolder", {QStringLiteral("--disc")}},
        BadLine{"SlidesWithoutTime", {QStringLiteral("--slides-ms")}},
        BadLine{"TimeNotANumber", {QStringLiteral("--slides-ms"), QStringLiteral("x")}},
        BadLine{"TimeTooShort", {QStringLiteral("--slides-ms"), QStringLiteral("0")}},
        BadLine{"TimeTooLong", {QStringLiteral("--slides-ms"), QStringLiteral("3600000")}}),
    [](const ::testing::TestParamInfo<BadLine>& info) { return std::string(info.param.name); });

} // namespace
