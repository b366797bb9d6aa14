#include "card/CardWriter.h"
#include "app/Settings.h"
#include "app/Texts.h"
#include "card/CardFormat.h"
#include "tests/card/CardFixture.h"

#include <QStandardPaths>

namespace {

const QChar lineEnd(31);

class CardWriter : public CardFixture {
protected:
    // A photo with adjustments, a piece of clip art and a two-line text.
    void composeCard() {
        PhotoManager& photo = *Model().photoManager;
        photo.PhotoInProcess = QStringLiteral("/photos/beach.jpg");
        photo.Brightness = -2;
        photo.RotationFactor = 90;
        photo.ZoomFactor = 12;
        photo.ViewableBitmapLeft = 5;
        photo.ViewableBitmapTop = -3;
        PictureObjects& objects = *Model().pictureObjects;
        objects.Add(1, PictureObject::ArtObject, 0, -5, 600, 450, false, 0, 120, 0, 0, 600, 450,
                    nullptr, 0, nullptr, art(QStringLiteral("\\Birthday\\Balloons\\cake")), 0, 12);
        objects.Add(2, PictureObject::TextObject, 0, 0, 2300, 600, true, 3, 900, 300, 2, 2400, 600,
                    std::make_shared<TextLines>(
                        QStringList{QStringLiteral("Happy") + lineEnd, QStringLiteral("Birthday")}),
                    255,
                    std::make_shared<CardFont>(
                        CardFont{QStringLiteral("Liberation Serif"), 9.75f, false, true}),
                    QString(), 300, 12);
    }

    bool write(const QString& path) {
        QString error;
        const bool written = WriteCardFile(path, birthday(), *Model().photoManager,
                                           *Model().pictureObjects, graphics(), &error);
        lastError = error;
        return written;
    }

    QString lastError;
};

TEST_F(CardWriter, WritesBothSectionsExactly) {
    composeCard();
    const QString path = env.path(QStringLiteral("card.ocd"));
    ASSERT_TRUE(write(path)) << lastError.toStdString();
    const QByteArray expected = "[Varno Tessaly Picture]\r\n"
                                "FileType = Varno Tessaly Picture\r\n"
                                "Occasion = Birthday,BDAY\r\n"
                                "Style = Balloons,1001\r\n"
                                "Template = 2\r\n"
                                "Photo = /photos/beach.jpg\r\n"
                                "Brightness = -2\r\n"
                                "Contrast =  0\r\n"
                                "Rotation =  90\r\n"
                                "Zoom =  12\r\n"
                                "HOffset =  5\r\n"
                                "VOffset = -3\r\n"
                                "[Display Objects]\r\n"
                                "Object = art object\r\n"
                                "Position =  120, 0, 600, 450,-5, 0, 600, 450, 0\r\n"
                                "Source = Birthday\\Balloons\\cakes.bmp\r\n"
                                "Object = text object\r\n"
                                "Position =  900, 300, 2400, 600, 0, 0, 2300, 600, 300\r\n"
                                "Source = //\"Happy\x1f//\",//\"Birthday//\"\r\n"
                                "Properties =  3,FF,True,300\r\n"
                                "Font = Liberation Serif,9.75,False,True,12\r\n";
    EXPECT_EQ(readAll(path), expected);
}

TEST_F(CardWriter, ACardWithoutPhotoOrObjectsHasOnlyTheHeader) {
    const QString path = env.path(QStringLiteral("empty.ocd"));
    ASSERT_TRUE(write(path));
    const QByteArray written = readAll(path);
    EXPECT_TRUE(written.contains("\r\nPhoto = \r\n"));
    EXPECT_TRUE(written.contains("\r\nZoom =  10\r\n"));
    EXPECT_FALSE(written.contains("[Display Objects]"));
    EXPECT_FALSE(written.contains("\n\n"));
}

TEST_F(CardWriter, ValueFormats) {
    EXPECT_EQ(CardFormat::Number(0), QStringLiteral(" 0"));
    EXPECT_EQ(CardFormat::Number(120), QStringLiteral(" 120"));
    EXPECT_EQ(CardFormat::Number(-5), QStringLiteral("-5"));
    EXPECT_EQ(CardFormat::Color(255), QStringLiteral("FF"));
    EXPECT_EQ(CardFormat::Color(0), QStringLiteral("0"));
    EXPECT_EQ(CardFormat::Color(0xABCDEF), QStringLiteral("ABCDEF"));
    EXPECT_EQ(CardFormat::Color(-1), QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(CardFormat::Boolean(true), QStringLiteral("True"));
    EXPECT_EQ(CardFormat::Boolean(false), QStringLiteral("False"));
    const std::pair<float, const char*> sizes[] = {
        {9.75f, "9.75"}, {12.0f, "12"}, {9.8f, "9.8"},          {1000.0f, "1000"},
        {3.3f, "3.3"},   {0.0f, "0"},   {1234567.0f, "1234567"}};
    for (const auto& [size, text] : sizes) {
        EXPECT_EQ(CardFormat::Size(size), QString::fromLatin1(text));
    }
}

TEST_F(CardWriter, ArtPathsBecomeRelativeToTheGraphicsFolder) {
    struct Case {
        QString path;
        QString graphicsPath;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral("D:\\Graphics\\Birthday\\cake.bmp"), QStringLiteral("D:\\Graphics"),
         QStringLiteral("Birthday\\cake.bmp")},
        {QStringLiteral("/disc\\Graphics\\Birthday\\cakes.bmp"), QStringLiteral("/disc\\Graphics"),
         QStringLiteral("Birthday\\cakes.bmp")},
        {QStringLiteral("/disc/Graphics/Birthday/cakes.bmp"), QStringLiteral("/disc\\Graphics"),
         QStringLiteral("Birthday\\cakes.bmp")},
        {QStringLiteral("/home/ann/art/star.bmp"), QStringLiteral("/disc\\Graphics"),
         QStringLiteral("/home/ann/art/star.bmp")},
        {QStringLiteral("d:\\graphics\\cake.bmp"), QStringLiteral("D:\\Graphics"),
         QStringLiteral("d:\\graphics\\cake.bmp")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RelativeArtPath(c.path, c.graphicsPath), c.expected) << c.path.toStdString();
    }
    EXPECT_EQ(RelativeArtPath(art(QStringLiteral("\\SNTIMNT\\wishes"))),
              QStringLiteral("SNTIMNT\\wishess.bmp"));
}

TEST_F(CardWriter, LeavesOutObjectsOfNoKnownKind) {
    Model().pictureObjects->Add(0, PictureObject::Placeholder, 0, 0, 0, 0, false, 0, 0, 0, 0, 0, 0,
                                nullptr, 0, nullptr, QString(), 0, 0);
    const QStringList entries = CardObjectEntries(*Model().pictureObjects, graphics());
    EXPECT_TRUE(entries.isEmpty());
}

TEST_F(CardWriter, KeepsOtherContentOfAnExistingCard) {
    const QString path =
        env.writeFile(QStringLiteral("kept.ocd"), "; made by hand\r\n"
                                                  "[varno tessaly picture]\r\n"
                                                  "FileType = Varno Tessaly Picture\r\n"
                                                  "Zoom = 99\r\n"
                                                  "\r\n"
                                                  "[Notes]\r\n"
                                                  "Remember = grandma\r\n"
                                                  "[Display Objects]\r\n"
                                                  "Object = art object\r\n"
                                                  "Source = old\\art.bmp\r\n");
    composeCard();
    ASSERT_TRUE(write(path));
    const QString written = QString::fromLatin1(readAll(path));
    EXPECT_TRUE(written.startsWith(QStringLiteral("; made by hand\r\n[varno tessaly picture]\r\n"
                                                  "FileType = Varno Tessaly Picture\r\nOccasion")));
    EXPECT_TRUE(
        written.contains(QStringLiteral("VOffset = -3\r\n\r\n[Notes]\r\nRemember = grandma\r\n"
                                        "[Display Objects]\r\nObject = art object\r\n")));
    EXPECT_FALSE(written.contains(QStringLiteral("Zoom = 99")));
    EXPECT_FALSE(written.contains(QStringLiteral("old\\art.bmp")));
    EXPECT_EQ(written.count(QStringLiteral("[Display Objects]")), 1);
}

TEST_F(CardWriter, ACardWhoseObjectsWereDeletedLosesItsOldObjectsSection) {
    const QString path = env.path(QStringLiteral("deleted.ocd"));
    composeCard();
    ASSERT_TRUE(write(path));
    Model().pictureObjects = std::make_shared<PictureObjects>();
    ASSERT_TRUE(write(path));
    EXPECT_FALSE(readAll(path).contains("Display Objects"));
    EXPECT_FALSE(readAll(path).contains("Object ="));
}

TEST_F(CardWriter, ReplacesAFileThatIsNoCard) {
    const QString path = env.writeFile(QStringLiteral("photo.ocd"), QByteArray(5000, '\xFF'));
    ASSERT_TRUE(write(path));
    EXPECT_TRUE(readAll(path).startsWith("[Varno Tessaly Picture]\r\n"));
    EXPECT_FALSE(readAll(path).contains('\xFF'));
}

TEST_F(CardWriter, WritesWindows1252WhenEveryCharacterFitsElseUtf8) {
    const QString path = env.path(QStringLiteral("text.ocd"));
    auto& objects = *Model().pictureObjects;
    auto lines = std::make_shared<TextLines>(QStringList{QStringLiteral("F\u00EAte \u20AC5")});
    objects.Add(1, PictureObject::TextObject, 0, 0, 0, 0, false, 0, 0, 0, 1, 0, 0, lines, 0,
                std::make_shared<CardFont>(), QString(), 300, 12);
    ASSERT_TRUE(write(path));
    EXPECT_TRUE(readAll(path).contains("//\"F\xEAte \x80"
                                       "5//\""));

    lines->Add(QStringLiteral("\u65E5\u672C \u2713"));
    ASSERT_TRUE(write(path));
    EXPECT_TRUE(readAll(path).contains("//\"F\xC3\xAAte \xE2\x82\xAC"
                                       "5//\""));
    EXPECT_TRUE(readAll(path).contains("\xE6\x97\xA5\xE6\x9C\xAC \xE2\x9C\x93"));
    EXPECT_FALSE(readAll(path).startsWith("\xEF\xBB\xBF"));
}

TEST_F(CardWriter, ALineBreakInsideATextLineCannotSplitTheEntry) {
    const QString path = env.path(QStringLiteral("break.ocd"));
    Model().pictureObjects->Add(
        1, PictureObject::TextObject, 0, 0, 0, 0, false, 0, 0, 0, 1, 0, 0,
        std::make_shared<TextLines>(QStringList{QStringLiteral("a\r\n[Display Objects]\nb")}), 0,
        std::make_shared<CardFont>(), QString(), 300, 12);
    ASSERT_TRUE(write(path));
    EXPECT_TRUE(readAll(path).contains("Source = //\"a  [Display Objects] b//\"\r\n"));
    EXPECT_EQ(readAll(path).count("[Display Objects]"), 2);
}

class SaveCardTest : public CardWriter {
protected:
    void SetUp() override {
        CardWriter::SetUp();
        Model().dataManager->setSavedSinceChange(false);
    }
};

TEST_F(SaveCardTest, AsksForAFileEvenWhenTheCardHasOne) {
    const QString first = env.path(QStringLiteral("cards/first.ocd"));
    QDir().mkpath(env.path(QStringLiteral("cards")));
    App().CurrentCardFile = first;
    const QString chosen = env.path(QStringLiteral("cards/second.ocd"));
    env.dialogs.fileAnswers.push_back(chosen);
    ASSERT_TRUE(SaveCard(false, birthday()));
    ASSERT_EQ(env.dialogs.asked.size(), 1u);
    const FileDialogRequest& request = env.dialogs.asked[0].request;
    EXPECT_EQ(env.dialogs.asked[0].kind, QStringLiteral("save"));
    EXPECT_EQ(request.title, QStringLiteral("Save File"));
    EXPECT_EQ(request.filter, QStringLiteral("Tessaly Files (*.ocd);;All Files (*.*)"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("ocd"));
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_EQ(request.initialFolder, env.path(QStringLiteral("cards/")));
    EXPECT_EQ(App().CurrentCardFile, chosen);
    EXPECT_TRUE(QFileInfo::exists(chosen));
    EXPECT_FALSE(QFileInfo::exists(first));
    EXPECT_TRUE(Model().dataManager->SavedSinceChange());
    EXPECT_EQ(ReadSetting(QStringLiteral("SaveFile"), QString(), QStringLiteral("..Files")),
              env.path(QStringLiteral("cards/")));
}

TEST_F(SaveCardTest, WritesToTheCurrentFileWithoutAskingWhenToldTo) {
    App().CurrentCardFile = env.path(QStringLiteral("direct.ocd"));
    ASSERT_TRUE(SaveCard(true, birthday()));
    EXPECT_TRUE(env.dialogs.asked.empty());
    EXPECT_TRUE(QFileInfo::exists(App().CurrentCardFile));
}

TEST_F(SaveCardTest, ACancelledDialogWritesNothing) {
    EXPECT_FALSE(SaveCard(false, birthday()));
    EXPECT_EQ(env.dialogs.asked.size(), 1u);
    EXPECT_TRUE(App().CurrentCardFile.isEmpty());
    EXPECT_FALSE(Model().dataManager->SavedSinceChange());
}

TEST_F(SaveCardTest, ACardThatCannotBeWrittenIsReportedAndStaysUnsaved) {
    const QString notAFolder = env.writeFile(QStringLiteral("plain.txt"), "x");
    const QString readOnly =
        env.writeFile(QStringLiteral("locked.ocd"), "[Varno Tessaly Picture]\r\n");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    QDir().mkpath(env.path(QStringLiteral("folder.ocd")));
    const QString targets[] = {notAFolder + QStringLiteral("/card.ocd"), readOnly,
                               env.path(QStringLiteral("folder.ocd"))};
    for (const QString& target : targets) {
        SCOPED_TRACE(target.toStdString());
        env.dialogs.asked.clear();
        App().CurrentCardFile = env.path(QStringLiteral("before.ocd"));
        env.dialogs.fileAnswers.push_back(target);
        EXPECT_FALSE(SaveCard(false, birthday()));
        EXPECT_FALSE(Model().dataManager->SavedSinceChange());
        EXPECT_EQ(App().CurrentCardFile, env.path(QStringLiteral("before.ocd")));
        const QStringList messages = env.dialogs.messages();
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith(Texts::at(305) + QStringLiteral("\r\n")));
        EXPECT_GT(messages[0].size(), Texts::at(305).size() + 2);
    }
    EXPECT_EQ(readAll(readOnly), QByteArray("[Varno Tessaly Picture]\r\n"));
    EXPECT_TRUE(QFileInfo(env.path(QStringLiteral("folder.ocd"))).isDir());
}

TEST_F(SaveCardTest, ACardTooLargeToBeReadBackIsNotWritten) {
    const QString line(60, QLatin1Char('w'));
    for (qint16 index = 1; index <= 200; ++index) {
        Model().pictureObjects->Add(index, PictureObject::TextObject, 0, 0, 0, 0, false, 0, 0, 0, 1,
                                    0, 0,
                                    std::make_shared<TextLines>(QStringList{line, line, line}), 0,
                                    std::make_shared<CardFont>(), QString(), 300, 12);
    }
    const QString target = env.path(QStringLiteral("huge.ocd"));
    env.dialogs.fileAnswers.push_back(target);
    EXPECT_FALSE(SaveCard(false, birthday()));
    EXPECT_FALSE(QFileInfo::exists(target));
    ASSERT_EQ(env.dialogs.messages().size(), 1);
    EXPECT_EQ(env.dialogs.messages()[0], Texts::at(305) + QStringLiteral("\r\n") + Texts::at(306));
}

} // namespace
