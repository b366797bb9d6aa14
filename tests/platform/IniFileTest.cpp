#include "platform/IniFile.h"
#include "platform/FileFilter.h"
#include "platform/TextEncoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& content) const {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder;
};

TEST_F(IniFileTest, ReadsASectionWhateverTheCaseOfItsName) {
    const QString path =
        write(QStringLiteral("a.ini"), "; comment\r\n[First]\r\nA = 1\r\n\r\n  B=2  \r\n"
                                       "; inside\r\n[Second]\r\nC = 3\r\n");
    EXPECT_EQ(IniFile::ReadSection(path, QStringLiteral("first")),
              (QStringList{QStringLiteral("A = 1"), QStringLiteral("B=2")}));
    EXPECT_EQ(IniFile::ReadSection(path, QStringLiteral("SECOND")),
              QStringList{QStringLiteral("C = 3")});
    EXPECT_TRUE(IniFile::ReadSection(path, QStringLiteral("Third")).isEmpty());
    EXPECT_TRUE(IniFile::ReadSection(folder.filePath(QStringLiteral("missing.ini")),
                                     QStringLiteral("First"))
                    .isEmpty());
}

TEST_F(IniFileTest, ReplacesAWholeSectionAndKeepsEverythingElse) {
    const QString path =
        write(QStringLiteral("b.ini"), "; top\n[One]\nA = 1\nB = 2\n\n[Two]\nC = 3\n");
    IniFile file(path);
    ASSERT_TRUE(file.load());
    file.setSection(QStringLiteral("one"), {QStringLiteral("X = 9")});
    file.setSection(QStringLiteral("Three"), {QStringLiteral("Y = 8"), QStringLiteral("Z = 7")});
    ASSERT_TRUE(file.save()) << file.errorString().toStdString();
    EXPECT_EQ(
        read(path),
        QByteArray(
            "; top\r\n[One]\r\nX = 9\r\n\r\n[Two]\r\nC = 3\r\n[Three]\r\nY = 8\r\nZ = 7\r\n"));
}

TEST_F(IniFileTest, RemovesASection) {
    const QString path = write(QStringLiteral("c.ini"),
                               "[One]\r\nA = 1\r\n[Two]\r\nB = 2\r\n\r\n[Three]\r\nC = 3\r\n");
    IniFile file(path);
    ASSERT_TRUE(file.load());
    file.removeSection(QStringLiteral("TWO"));
    file.removeSection(QStringLiteral("Absent"));
    ASSERT_TRUE(file.save());
    EXPECT_EQ(read(path), QByteArray("[One]\r\nA = 1\r\n[Three]\r\nC = 3\r\n"));
    EXPECT_FALSE(file.hasSection(QStringLiteral("Two")));
}

TEST_F(IniFileTest, CreatesAMissingFile) {
    const QString path = folder.filePath(QStringLiteral("new.ini"));
    IniFile file(path);
    ASSERT_TRUE(file.load());
    file.setSection(QStringLiteral("Only"), {QStringLiteral("A = 1")});
    ASSERT_TRUE(file.save());
    EXPECT_EQ(read(path), QByteArray("[Only]\r\nA = 1\r\n"));
}

TEST_F(IniFileTest, NeverWaitsOnAPipeOrDevice) {
    const QString fifo = folder.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {fifo, QStringLiteral("/dev/zero"), folder.path()}) {
        IniFile file(path);
        EXPECT_FALSE(file.load()) << path.toStdString();
        EXPECT_FALSE(file.errorString().isEmpty());
        EXPECT_TRUE(IniFile::ReadSection(path, QStringLiteral("Any")).isEmpty());
        EXPECT_FALSE(file.save());
    }
}

TEST_F(IniFileTest, RefusesFilesAboveTheGivenSize) {
    const QString path =
        write(QStringLiteral("big.ini"), "[A]\r\nB = 1\r\n" + QByteArray(100, ';'));
    IniFile file(path);
    EXPECT_FALSE(file.load(111));
    EXPECT_TRUE(file.load(112));
    EXPECT_EQ(file.section(QStringLiteral("A")), QStringList{QStringLiteral("B = 1")});
}

TEST_F(IniFileTest, AFailedSaveLeavesTheFileAsItWas) {
    const QString blocker = write(QStringLiteral("blocker"), "x");
    IniFile file(blocker + QStringLiteral("/inside.ini"));
    file.setSection(QStringLiteral("A"), {QStringLiteral("B = 1")});
    EXPECT_FALSE(file.save());
    EXPECT_FALSE(file.errorString().isEmpty());
    EXPECT_EQ(read(blocker), QByteArray("x"));
}

TEST_F(IniFileTest, ReadsWindowsTextAndKeepsItsEncodingWhenItFits) {
    const QString path = write(QStringLiteral("w.ini"), "[A]\nName = F\xEAte \x80\n");
    IniFile file(path);
    ASSERT_TRUE(file.load());
    EXPECT_EQ(file.section(QStringLiteral("A")),
              QStringList{QStringLiteral("Name = F\u00EAte \u20AC")});
    ASSERT_TRUE(file.save());
    EXPECT_EQ(read(path), QByteArray("[A]\r\nName = F\xEAte \x80\r\n"));

    file.setSection(QStringLiteral("B"), {QStringLiteral("Name = \u65E5\u672C")});
    ASSERT_TRUE(file.save());
    EXPECT_EQ(read(path), QByteArray("[A]\r\nName = F\xC3\xAAte \xE2\x82\xAC\r\n[B]\r\nName = "
                                     "\xE6\x97\xA5\xE6\x9C\xAC\r\n"));
    ASSERT_TRUE(file.load());
    EXPECT_EQ(file.section(QStringLiteral("B")),
              QStringList{QStringLiteral("Name = \u65E5\u672C")});
}

TEST(TextEncoding, Windows1252BothWays) {
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte) {
        all.append(static_cast<char>(byte));
    }
    const QString text = TextEncoding::fromWindows1252(all);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0x9F), QChar(0x0178));
    EXPECT_EQ(text.at(0x81), QChar(0x0081));
    EXPECT_EQ(text.at(0xE9), QChar(0x00E9));
    EXPECT_TRUE(TextEncoding::fitsWindows1252(text));
    EXPECT_EQ(TextEncoding::toWindows1252(text), all);
    EXPECT_FALSE(TextEncoding::fitsWindows1252(QStringLiteral("\u0416")));
    EXPECT_FALSE(TextEncoding::fitsWindows1252(QStringLiteral("\U0001F382")));
}

TEST(TextEncoding, DecodesUtf8WhenValidElseWindows1252) {
    EXPECT_EQ(TextEncoding::decode("caf\xC3\xA9"), QStringLiteral("caf\u00E9"));
    EXPECT_EQ(TextEncoding::decode("caf\xE9"), QStringLiteral("caf\u00E9"));
    EXPECT_EQ(TextEncoding::decode("\xEF\xBB\xBFok"), QStringLiteral("ok"));
    // A sequence cut short at the end is no UTF-8.
    EXPECT_EQ(TextEncoding::decode("a\xE2\x82"), QStringLiteral("a\u00E2\u201A"));
    EXPECT_EQ(TextEncoding::encode(QStringLiteral("caf\u00E9")), QByteArray("caf\xE9"));
    EXPECT_EQ(TextEncoding::encode(QStringLiteral("\u0416")), QByteArray("\xD0\x96"));
}

TEST(FileFilter, TurnsPairsIntoDialogFilters) {
    EXPECT_EQ(FileDialogFilter(QStringLiteral("Tessaly Files (*.ocd)|*.ocd|All Files (*.*)|*.*||")),
              QStringLiteral("Tessaly Files (*.ocd);;All Files (*.*)"));
    EXPECT_EQ(FileDialogFilter(QStringLiteral("Graphic Files|*.jpg;*.bmp|JPEG - (*.jpg)|*.jpg||")),
              QStringLiteral("Graphic Files (*.jpg *.bmp);;JPEG - (*.jpg)"));
    EXPECT_EQ(FileDialogFilter(QString()), QString());
}

} // namespace
