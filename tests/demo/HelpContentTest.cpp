#include "app/Texts.h"
#include "platform/HelpFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

QString helpSourcePath() {
    return QDir::cleanPath(
        QStringLiteral(TESSALY_TEST_DATA_DIR "/../../tools/disc-builder/content/Quillon.hlp"));
}

QString helpSource() {
    QFile file(helpSourcePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString collapsed(const QString& text) {
    return text.simplified();
}

// Where the program's own wording can be quoted from: every text of the table, messages made of
// two neighbouring texts, and the titles of the help topics (a quote may point to a topic).
QStringList quotableTexts(const HelpFile& help) {
    QStringList texts;
    QString previous;
    for (int number = 0; number < 10000; ++number) {
        if (!Texts::has(number)) {
            continue;
        }
        const QString text = collapsed(Texts::at(number));
        texts << text;
        if (!previous.isEmpty()) {
            texts << previous + QLatin1Char(' ') + text;
        }
        previous = text;
    }
    for (const HelpFile::Topic& topic : help.topics()) {
        texts << topic.title;
    }
    return texts;
}

bool isQuotable(const QStringList& quotable, const QString& piece) {
    return std::any_of(quotable.begin(), quotable.end(),
                       [&piece](const QString& text) { return text.contains(piece); });
}

class HelpContent : public ::testing::Test {
protected:
    void SetUp() override {
        source = helpSource();
        ASSERT_FALSE(source.isEmpty()) << helpSourcePath().toStdString();
        help = HelpFile::parse(source);
    }

    QString source;
    HelpFile help;
};

TEST_F(HelpContent, EveryContextTheProgramOpensHasATopic) {
    struct Screen {
        int context;
        const char* name;
    };
    const Screen screens[] = {
        {1, "contents"},    {131169, "occasions"}, {131170, "frames"},
        {131171, "design"}, {131176, "text"},      {131177, "printing"},
    };
    for (const Screen& screen : screens) {
        SCOPED_TRACE(screen.name);
        const HelpFile::Topic* topic = help.topic(screen.context);
        ASSERT_NE(topic, nullptr);
        EXPECT_FALSE(topic->title.trimmed().isEmpty());
        EXPECT_GT(topic->body.size(), 200);
    }
}

TEST_F(HelpContent, ContentsIsTheFirstTopicSoUnknownContextsLandThere) {
    ASSERT_FALSE(help.topics().isEmpty());
    EXPECT_EQ(help.topics().first().context, 1);
}

TEST_F(HelpContent, NoTwoTopicsShareANumberOrATitle) {
    QSet<int> numbers;
    QSet<QString> titles;
    for (const HelpFile::Topic& topic : help.topics()) {
        SCOPED_TRACE(topic.title.toStdString());
        EXPECT_FALSE(numbers.contains(topic.context)) << topic.context;
        EXPECT_FALSE(titles.contains(topic.title));
        EXPECT_FALSE(topic.body.isEmpty());
        numbers.insert(topic.context);
        titles.insert(topic.title);
    }
    EXPECT_GE(numbers.size(), 12);
}

TEST_F(HelpContent, EveryTopicLineIsReadByTheParser) {
    // A heading the parser does not recognise would glue two topics into one.
    const QStringList lines = source.split(QLatin1Char('\n'));
    qsizetype headings = 0;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("==="))) {
            ++headings;
        }
    }
    EXPECT_EQ(headings, help.topics().size());
}

TEST_F(HelpContent, ListsAreWholeParagraphs) {
    // The viewer shows a paragraph as a list when its first line is an item, and as running
    // text otherwise: a paragraph mixing both would lose its items or its prose.
    static const QRegularExpression blankLine(QStringLiteral("\\n\\s*\\n"));
    for (const HelpFile::Topic& topic : help.topics()) {
        for (const QString& paragraph : topic.body.split(blankLine)) {
            const QStringList lines = paragraph.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            qsizetype items = 0;
            for (const QString& line : lines) {
                items += line.startsWith(QLatin1String("- ")) ? 1 : 0;
            }
            EXPECT_TRUE(items == 0 || items == lines.size())
                << topic.title.toStdString() << ": " << paragraph.left(80).toStdString();
        }
    }
}

TEST_F(HelpContent, QuotedWordsAreTheProgramsOwnTextsOrTopicTitles) {
    const QStringList quotable = quotableTexts(help);
    static const QRegularExpression quote(QStringLiteral("\"([^\"]+)\""));
    qsizetype quotes = 0;
    for (const HelpFile::Topic& topic : help.topics()) {
        QRegularExpressionMatchIterator matches = quote.globalMatch(topic.body);
        while (matches.hasNext()) {
            const QString quoted = collapsed(matches.next().captured(1));
            ++quotes;
            // " ... " stands for a part the program fills in, such as a file's path.
            for (const QString& piece : quoted.split(QStringLiteral(" ... "))) {
                EXPECT_TRUE(isQuotable(quotable, piece))
                    << topic.title.toStdString() << ": \"" << piece.toStdString() << "\"";
            }
        }
    }
    EXPECT_GT(quotes, 40);
}

TEST(HelpContentCheck, AQuoteOutsideTheProgramsTextsIsNoticed) {
    const HelpFile help = HelpFile::parse(QStringLiteral("=== 1 Contents\nText.\n"));
    const QStringList quotable = quotableTexts(help);
    const auto known = [&quotable](const QString& piece) { return isQuotable(quotable, piece); };
    EXPECT_TRUE(known(QStringLiteral("Add/Edit Text...")));
    EXPECT_TRUE(known(QStringLiteral("You have not saved your work. Do you want to save it now?")));
    EXPECT_TRUE(known(QStringLiteral("Contents")));
    EXPECT_FALSE(known(QStringLiteral("Add/Edit Txt...")));
    EXPECT_FALSE(known(QStringLiteral("Print Test")));
}

} // namespace
