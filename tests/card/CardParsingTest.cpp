#include "card/CardParsing.h"

#include <gtest/gtest.h>
#include <limits>

using namespace CardParsing;

namespace {

const QChar lineEnd(31);

TEST(GetEntryValue, AcceptsBlanksOrNoneAroundTheEqualsSign) {
    const QStringList entries = {QStringLiteral("Zoom =  12"), QStringLiteral("Rotation=90"),
                                 QStringLiteral("Contrast= -3"), QStringLiteral("Brightness =4 "),
                                 QStringLiteral("Photo = ")};
    EXPECT_EQ(GetEntryValue(QStringLiteral("Zoom"), entries), QStringLiteral("12"));
    EXPECT_EQ(GetEntryValue(QStringLiteral("Rotation"), entries), QStringLiteral("90"));
    EXPECT_EQ(GetEntryValue(QStringLiteral("Contrast"), entries), QStringLiteral("-3"));
    EXPECT_EQ(GetEntryValue(QStringLiteral("Brightness"), entries), QStringLiteral("4"));
    EXPECT_EQ(GetEntryValue(QStringLiteral("Photo"), entries), QString());
}

TEST(GetEntryValue, ComparesKeysWithLetterCaseAndMovesThePosition) {
    const QStringList entries = {QStringLiteral("Object = art object"),
                                 QStringLiteral("object = lower"),
                                 QStringLiteral("Object = text object")};
    int position = 0;
    EXPECT_EQ(GetEntryValue(QStringLiteral("Object"), entries, position),
              QStringLiteral("art object"));
    EXPECT_EQ(position, 2);
    EXPECT_EQ(GetEntryValue(QStringLiteral("Object"), entries, position),
              QStringLiteral("text object"));
    EXPECT_EQ(position, 4);
    EXPECT_EQ(GetEntryValue(QStringLiteral("Object"), entries, position), QString());
    EXPECT_EQ(position, 0);
    EXPECT_EQ(GetEntryValue(QStringLiteral("OBJECT"), entries), QString());
}

TEST(GetEntryValue, KeepsEqualsSignsInsideTheValue) {
    const QStringList entries = {QStringLiteral("Source = //\"a = b//\"")};
    EXPECT_EQ(GetEntryValue(QStringLiteral("Source"), entries), QStringLiteral("//\"a = b//\""));
}

TEST(GetEntryValue, NeverTakesAValueThatMerelyContainsTheKey) {
    // Text a person typed must not pass for the entries that follow it.
    const QStringList group = {QStringLiteral("Object = text object"),
                               QStringLiteral("Source = //\"Font = huge, Properties=1//\""),
                               QStringLiteral("Properties =  3,FF,True,240"),
                               QStringLiteral("Font = Arial,12,False,False,12")};
    EXPECT_EQ(GetEntryValue(QStringLiteral("Font"), group),
              QStringLiteral("Arial,12,False,False,12"));
    EXPECT_EQ(GetEntryValue(QStringLiteral("Properties"), group), QStringLiteral("3,FF,True,240"));
    const QStringList header = {QStringLiteral("Photo = /home/ann/Zoom = 3.jpg"),
                                QStringLiteral("Zoom =  20")};
    EXPECT_EQ(GetEntryValue(QStringLiteral("Zoom"), header), QStringLiteral("20"));
    EXPECT_EQ(GetEntryValue(QStringLiteral("Photo"), header),
              QStringLiteral("/home/ann/Zoom = 3.jpg"));
}

TEST(GetEntryGroup, TakesAnEntryWithItsFollowersUpToTheNextOfTheSameKey) {
    const QStringList entries = {QStringLiteral("Object = art object"),
                                 QStringLiteral("Position = 1"), QStringLiteral("Source = a"),
                                 QStringLiteral("Object = text object"),
                                 QStringLiteral("Source = //\"x//\"")};
    int position = 0;
    EXPECT_EQ(GetEntryGroup(QStringLiteral("Object"), entries, position), entries.mid(0, 3));
    EXPECT_EQ(position, 4);
    EXPECT_EQ(GetEntryGroup(QStringLiteral("Object"), entries, position), entries.mid(3, 2));
    EXPECT_EQ(position, 6);
    EXPECT_TRUE(GetEntryGroup(QStringLiteral("Object"), entries, position).isEmpty());
}

TEST(GetEntryGroup, SkipsEntriesBeforeTheFirstOfTheKey) {
    const QStringList entries = {QStringLiteral("Stray = 1"), QStringLiteral("Object = art object"),
                                 QStringLiteral("Source = a")};
    int position = 0;
    EXPECT_EQ(GetEntryGroup(QStringLiteral("Object"), entries, position), entries.mid(1));
    position = 0;
    EXPECT_TRUE(GetEntryGroup(QStringLiteral("Nothing"), entries, position).isEmpty());
}

TEST(NextListItem, ReturnsUntrimmedItemsAndEndsWithPositionZero) {
    const QString value = QStringLiteral(" 120, 0,-5,,x");
    int position = 0;
    const QStringList expected = {QStringLiteral(" 120"), QStringLiteral(" 0"),
                                  QStringLiteral("-5"), QString(), QStringLiteral("x")};
    for (const QString& item : expected) {
        EXPECT_EQ(NextListItem(value, position), item);
    }
    EXPECT_EQ(position, 0);

    position = 0;
    EXPECT_EQ(NextListItem(QStringLiteral("a,"), position), QStringLiteral("a"));
    EXPECT_EQ(position, 3);
    EXPECT_EQ(NextListItem(QStringLiteral("a,"), position), QString());
    EXPECT_EQ(position, 0);
}

TEST(ParseTextLines, TakesTheTextBetweenMarkerPairs) {
    struct Case {
        QString value;
        QStringList lines;
    };
    const Case cases[] = {
        {QStringLiteral("//\"Happy") + lineEnd + QStringLiteral("//\",//\"Birthday//\""),
         {QStringLiteral("Happy") + lineEnd, QStringLiteral("Birthday")}},
        {QStringLiteral("//\"//\""), {QString()}},
        {QStringLiteral("//\"a, b//\" junk //\"c//\""),
         {QStringLiteral("a, b"), QStringLiteral("c")}},
        {QStringLiteral("//\"unclosed"), {}},
        {QStringLiteral("no markers"), {}},
        {QString(), {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseTextLines(c.value)->toList(), c.lines) << c.value.toStdString();
    }
}

TEST(ParseLong, ReadsLeadingNumbersAndFallsBackOutsideTheRange) {
    struct Case {
        const char* text;
        std::optional<qint32> min;
        std::optional<qint32> max;
        qint32 fallback;
        qint32 expected;
    };
    const Case cases[] = {
        {" 120", {}, {}, 0, 120},
        {"-5", {}, {}, 0, -5},
        {"12abc", {}, {}, 0, 12},
        {"abc", {}, {}, 0, 0},
        {"", {}, {}, 7, 0},
        {"7", 0, 5, 0, 0},
        {"5", 0, 5, 0, 5},
        {"0", 1, 100, 10, 10},
        {"", 1, 100, 10, 10},
        {"360", 0, 359, 0, 0},
        {"2147483647", {}, {}, 1, 2147483647},
        {"-2147483648", {}, {}, 1, std::numeric_limits<qint32>::min()},
        {"2147483648", {}, {}, 1, 1},
        {"99999999999999999999999", {}, {}, 3, 3},
        {"0000000000000000000042", {}, {}, 0, 42},
        {"2.5", {}, {}, 0, 2},
        {"3.5", {}, {}, 0, 4},
        {"2.51", {}, {}, 0, 3},
        {"-2.5", {}, {}, 0, -2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseLong(QString::fromLatin1(c.text), c.min, c.max, c.fallback), c.expected)
            << '"' << c.text << '"';
    }
}

TEST(ParseDouble, ClampsToTheRangeAndFallsBackOnlyWhenTooLarge) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"9.75", 9.75}, {"12", 12},   {"2000", 1000}, {"1", 3},       {"abc", 3},
        {"", 3},        {"1e2", 100}, {"1e", 3},      {"1e400", 9.8}, {" 4.5xyz", 4.5},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(ParseDouble(QString::fromLatin1(c.text), 3, 1000, 9.8), c.expected)
            << '"' << c.text << '"';
    }
    EXPECT_DOUBLE_EQ(ParseDouble(QStringLiteral("-7.25")), -7.25);
}

TEST(ParseBoolean, OnlyExactlyTrueIsTrue) {
    EXPECT_TRUE(ParseBoolean(QStringLiteral("True")));
    for (const char* text : {"true", "TRUE", " True", "-1", "1", "", "False"}) {
        EXPECT_FALSE(ParseBoolean(QString::fromLatin1(text))) << text;
    }
}

TEST(ParseColor, ReadsHexadecimalDigitsAsAnUnsignedColour) {
    struct Case {
        const char* text;
        qint32 expected;
    };
    const Case cases[] = {
        {"FF", 255}, {"FF00", 65280}, {"ff0000", 0xFF0000}, {"0", 0},         {"", 0},
        {"xyz", 0},  {"12G", 0x12},   {"FFFFFFFF", -1},     {"123456789", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseColor(QString::fromLatin1(c.text)), c.expected) << c.text;
    }
}

} // namespace
