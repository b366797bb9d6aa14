#include "card/CardReader.h"
#include "app/Settings.h"
#include "app/Texts.h"
#include "tests/card/CardFixture.h"

#include <sys/stat.h>

namespace {

QByteArray header(const QByteArray& occasion = "Birthday,BDAY",
                  const QByteArray& style = "Balloons,1001", const QByteArray& frame = "2",
                  const QByteArray& fileType = "Varno Tessaly Picture") {
    return "[Varno Tessaly Picture]\r\nFileType = " + fileType + "\r\nOccasion = " + occasion +
           "\r\nStyle = " + style + "\r\nTemplate = " + frame + "\r\nPhoto = \r\n";
}

class CardReader : public CardFixture {};

TEST_F(CardReader, HeaderProblemCodes) {
    struct Case {
        const char* name;
        QByteArray content;
        int code;
    };
    const Case cases[] = {
        {"valid", header(), CardProblem::None},
        {"no header section", "[Display Objects]\r\nObject = art object\r\n",
         CardProblem::NoHeader},
        {"empty header section", "[Varno Tessaly Picture]\r\n\r\n[Other]\r\nA = 1\r\n",
         CardProblem::NoHeader},
        {"empty file", "", CardProblem::NoHeader},
        {"file type in other case",
         header("Birthday,BDAY", "Balloons,1001", "2", "VARNO TESSALY PICTURE"),
         CardProblem::NotACard},
        {"no file type", "[Varno Tessaly Picture]\r\nOccasion = Birthday,BDAY\r\n",
         CardProblem::NotACard},
        {"unknown occasion", header("Easter,EAST"), CardProblem::UnknownOccasion},
        {"renamed occasion found by ID", header("Birthdays,BDAY"), CardProblem::None},
        {"comma in the name: the rest is the ID", header("Birth,day,BDAY"),
         CardProblem::UnknownOccasion},
        {"comma in the name, ID after it", header("Birth,BDAY"), CardProblem::None},
        {"unknown style", header("Birthday,BDAY", "Stars,9999"), CardProblem::UnknownStyle},
        {"style of another occasion", header("Birthday,BDAY", "Holly,2001"),
         CardProblem::UnknownStyle},
        {"renamed style found by ID", header("Birthday,BDAY", "Big Balloons,1001"),
         CardProblem::None},
        {"blanks and no blanks around =",
         "[varno tessaly picture]\nFileType=Varno Tessaly "
         "Picture\nOccasion=Birthday,BDAY\nStyle=Balloons,1001\n",
         CardProblem::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        useCard(QStringLiteral("header.ocd"), c.content);
        EXPECT_EQ(ReadCardHeader(), c.code);
    }
}

TEST_F(CardReader, HeaderSelectsTheCardsOccasionStyleAndFrame) {
    useCard(QStringLiteral("card.ocd"), header("Birthdays,BDAY", "Party Hats,1002", "4"));
    ASSERT_EQ(ReadCardHeader(), CardProblem::None);
    DataManager& catalogue = *Model().dataManager;
    EXPECT_EQ(catalogue.CurrentOccasionName(), QStringLiteral("Birthday"));
    EXPECT_EQ(catalogue.CurrentStyleID(), QStringLiteral("1002"));
    EXPECT_EQ(catalogue.TheTemplate(), 4);

    for (const char* frame : {"7", "-1", "x", ""}) {
        useCard(QStringLiteral("card.ocd"), header("Birthday,BDAY", "Balloons,1001", frame));
        ASSERT_EQ(ReadCardHeader(), CardProblem::None);
        EXPECT_EQ(catalogue.TheTemplate(), 0) << frame;
    }
}

TEST_F(CardReader, HeaderStartsANewEmptyCard) {
    auto oldObjects = Model().pictureObjects;
    oldObjects->Add(1, PictureObject::ArtObject, 0, 0, 0, 0, false, 0, 0, 0, 0, 0, 0, nullptr, 0,
                    nullptr, QString(), 0, 12);
    Model().photoManager->PhotoInProcess = QStringLiteral("/old.jpg");
    auto oldPhoto = Model().photoManager;
    App().CurrentCardFile = env.path(QStringLiteral("missing.ocd"));
    EXPECT_EQ(ReadCardHeader(), CardProblem::FileMissing);
    EXPECT_NE(Model().pictureObjects, oldObjects);
    EXPECT_EQ(Model().pictureObjects->Count(), 0);
    ASSERT_TRUE(Model().photoManager);
    EXPECT_NE(Model().photoManager, oldPhoto);
    EXPECT_TRUE(Model().photoManager->PhotoInProcess.isEmpty());
}

TEST_F(CardReader, FilesOf32001BytesOrMoreAreRefused) {
    QByteArray card = header();
    card += "[Padding]\r\n";
    const QByteArray filler(32000 - card.size(), 'x');
    useCard(QStringLiteral("limit.ocd"), card + filler);
    ASSERT_EQ(QFileInfo(App().CurrentCardFile).size(), 32000);
    EXPECT_EQ(ReadCardHeader(), CardProblem::None);
    useCard(QStringLiteral("limit.ocd"), card + filler + "x");
    EXPECT_EQ(ReadCardHeader(), CardProblem::TooLarge);
}

TEST_F(CardReader, AnythingButARegularFileIsRefusedAtOnce) {
    const QString fifo = env.path(QStringLiteral("pipe.ocd"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir().mkpath(env.path(QStringLiteral("folder.ocd")));
    for (const QString& path :
         {fifo, env.path(QStringLiteral("folder.ocd")), QStringLiteral("/dev/null"),
          QStringLiteral("/dev/zero"), QString(), env.path(QStringLiteral("none.ocd"))}) {
        App().CurrentCardFile = path;
        EXPECT_EQ(ReadCardHeader(), CardProblem::FileMissing) << path.toStdString();
        EXPECT_TRUE(ReadCardObjects());
        EXPECT_EQ(Model().pictureObjects->Count(), 0);
    }
}

TEST_F(CardReader, ProblemMessages) {
    EXPECT_EQ(CardProblemMessage(0), QString());
    EXPECT_EQ(CardProblemMessage(1),
              QStringLiteral("Error\r\nhas occurred in trying to load a picture card."));
    for (int code : {2, 3, 4}) {
        EXPECT_EQ(CardProblemMessage(code),
                  QStringLiteral("This file is not a VARNO Picture Card."));
    }
    EXPECT_EQ(CardProblemMessage(5), Texts::at(1010));
    EXPECT_EQ(CardProblemMessage(6), Texts::at(1011));
    ReportCardProblem(0);
    EXPECT_TRUE(env.dialogs.asked.empty());
    ReportCardProblem(4);
    ASSERT_EQ(env.dialogs.asked.size(), 1u);
    EXPECT_EQ(env.dialogs.asked[0].buttons, 0);
    EXPECT_TRUE(env.dialogs.asked[0].caption.isEmpty());
}

TEST_F(CardReader, HeaderMakesACardFromTheDiscWritable) {
    const QString path = useCard(QStringLiteral("fromdisc.ocd"), header());
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    EXPECT_EQ(ReadCardHeader(), CardProblem::None);
    EXPECT_TRUE(QFileInfo(path).permissions().testFlag(QFileDevice::WriteOwner));
}

// Objects.

QByteArray objectsCard(const QByteArray& objects) {
    return header() + "[Display Objects]\r\n" + objects;
}

TEST_F(CardReader, ObjectsGetIndexesFromZeroInFileOrder) {
    useCard(QStringLiteral("objects.ocd"),
            objectsCard("Object = text object\r\nSource = //\"one//\"\r\n"
                        "Object = mystery\r\nPosition =  15, 30, 45, 60, 0, 0, 0, 0, 0\r\n"
                        "Object = ART OBJECT\r\nSource = Birthday\\Balloons\\cakes.bmp\r\n"));
    ASSERT_EQ(ReadCardHeader(), CardProblem::None);
    ASSERT_TRUE(ReadCardObjects());
    PictureObjects& objects = *Model().pictureObjects;
    ASSERT_EQ(objects.Count(), 3);
    EXPECT_EQ(objects.Item(1)->Index, 0);
    EXPECT_EQ(objects.Item(1)->PictureType, PictureObject::TextObject);
    EXPECT_EQ(objects.Item(2)->Index, 1);
    EXPECT_EQ(objects.Item(2)->PictureType, PictureObject::Placeholder);
    EXPECT_EQ(objects.Item(2)->Width, 45);
    EXPECT_EQ(objects.Item(3)->Index, 2);
    EXPECT_EQ(objects.Item(3)->PictureType, PictureObject::ArtObject);
    EXPECT_TRUE(Model().dataManager->SavedSinceChange());
    EXPECT_TRUE(env.dialogs.asked.empty());
}

TEST_F(CardReader, TextObjectsWithoutLinesAreDroppedSilently) {
    useCard(QStringLiteral("nolines.ocd"),
            objectsCard("Object = text object\r\nSource = \r\n"
                        "Object = text object\r\nSource = //\"kept//\"\r\n"));
    Model().dataManager->setSavedSinceChange(false);
    ASSERT_TRUE(ReadCardObjects());
    ASSERT_EQ(Model().pictureObjects->Count(), 1);
    EXPECT_EQ(Model().pictureObjects->Item(1)->Index, 0);
    EXPECT_EQ(Model().pictureObjects->Item(1)->Text->toList(), QStringList{QStringLiteral("kept")});
    EXPECT_TRUE(env.dialogs.asked.empty());
    EXPECT_TRUE(Model().dataManager->SavedSinceChange());
}

TEST_F(CardReader, ValuesOutsideTheirRangeTakeTheDefaultAndFontSizesAreClamped) {
    useCard(QStringLiteral("ranges.ocd"),
            objectsCard("Object = text object\r\n"
                        "Position =  9601, 7201, 9600, 7200,-1, 32767, 32768, 5, 2000\r\n"
                        "Source = //\"x//\"\r\n"
                        "Properties =  6,FF00,True,\r\n"
                        "Font = Liberation Sans,2000,True,False,1\r\n"
                        "Object = text object\r\n"
                        "Position =  1, 2, 3, 4, 5, 6, 7, 8, 900\r\n"
                        "Source = //\"y//\"\r\n"
                        "Properties = 99999999,,False,450\r\n"
                        "Font = Liberation Mono,big,False,True,\r\n"
                        "Object = text object\r\n"
                        "Source = //\"z//\"\r\n"
                        "Font = ,20,True,True,20\r\n"));
    ASSERT_TRUE(ReadCardObjects());
    PictureObjects& objects = *Model().pictureObjects;
    ASSERT_EQ(objects.Count(), 3);
    const auto first = objects.Item(1);
    EXPECT_EQ(first->Left, 0);
    EXPECT_EQ(first->Top, 0);
    EXPECT_EQ(first->Width, 9600);
    EXPECT_EQ(first->Height, 7200);
    EXPECT_EQ(first->BitmapLeft, 0);
    EXPECT_EQ(first->BitmapTop, 32767);
    EXPECT_EQ(first->BitmapWidth, 0);
    EXPECT_EQ(first->BitmapHeight, 5);
    EXPECT_EQ(first->LineHeight, 0);
    EXPECT_EQ(first->Align, 6);
    EXPECT_EQ(first->Color, 65280);
    EXPECT_TRUE(first->WordWrap);
    EXPECT_EQ(first->FontName(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(first->FontSize(), 1000.0f);
    EXPECT_TRUE(first->FontBold());
    EXPECT_FALSE(first->FontItalic());
    EXPECT_EQ(first->ApparentFontSize, 3.0f);

    const auto second = objects.Item(2);
    EXPECT_EQ(second->Left, 1);
    EXPECT_EQ(second->BitmapHeight, 8);
    // Properties gave a line height, so Position's ninth item does not count.
    EXPECT_EQ(second->LineHeight, 450);
    EXPECT_EQ(second->Align, 0);
    EXPECT_EQ(second->Color, 0);
    EXPECT_FALSE(second->WordWrap);
    EXPECT_EQ(second->FontSize(), 3.0f);
    EXPECT_TRUE(second->FontItalic());
    EXPECT_EQ(second->ApparentFontSize, 3.0f);

    // An empty font name is kept, and nothing else of the font is read.
    const auto third = objects.Item(3);
    EXPECT_EQ(third->FontName(), QString());
    EXPECT_EQ(third->FontSize(), CardFont().Size);
    EXPECT_FALSE(third->FontBold());
    EXPECT_EQ(third->ApparentFontSize, 12.0f);
}

TEST_F(CardReader, LineHeightFromPositionWhenPropertiesGaveNone) {
    useCard(QStringLiteral("lines.ocd"),
            objectsCard(
                "Object = text object\r\nPosition = 0,0,0,0,0,0,0,0,450\r\nSource = //\"a//\"\r\n"
                "Object = text object\r\nPosition = 0,0,0,0,0,0,0,0,5\r\nSource = //\"b//\"\r\n"));
    ASSERT_TRUE(ReadCardObjects());
    EXPECT_EQ(Model().pictureObjects->Item(1)->LineHeight, 450);
    EXPECT_EQ(Model().pictureObjects->Item(2)->LineHeight, 0);
}

TEST_F(CardReader, ClipArtIsReadFromTheCurrentGraphicsFolder) {
    const struct {
        const char* stored;
        const char* stem;
    } cases[] = {
        {"Birthday\\Balloons\\cakes.bmp", "\\Birthday\\Balloons\\cakes.bmp"},
        {"E:\\Graphics\\Birthday\\Balloons\\cakes.bmp", "\\Birthday\\Balloons\\cakes.bmp"},
        {"/media/cdrom/Graphics/Birthday/Balloons/hats.bmp", "\\Birthday\\Balloons\\hats.bmp"},
        {"Birthday/Balloons/cakes.bmp", "\\Birthday\\Balloons\\cakes.bmp"},
        {"birthday\\balloons\\CAKES.BMP", "\\birthday\\balloons\\CAKES.BMP"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        useCard(QStringLiteral("art.ocd"),
                objectsCard(QByteArray("Object = art object\r\nSource = ") + c.stored + "\r\n"));
        ASSERT_EQ(ReadCardHeader(), CardProblem::None);
        ASSERT_TRUE(ReadCardObjects());
        ASSERT_EQ(Model().pictureObjects->Count(), 1);
        EXPECT_EQ(Model().pictureObjects->Item(1)->Source,
                  graphics() + QString::fromLatin1(c.stem));
    }
}

TEST_F(CardReader, MissingClipArtOnThePresentDiscIsDroppedWithOneWarning) {
    putDiscHelpFile();
    useCard(QStringLiteral("missing.ocd"),
            objectsCard("Object = art object\r\nSource = Birthday\\gone.bmp\r\n"
                        "Object = art object\r\nSource = Birthday\\Balloons\\cakes.bmp\r\n"
                        "Object = art object\r\nSource = Birthday\\alsogone.bmp\r\n"));
    ASSERT_EQ(ReadCardHeader(), CardProblem::None);
    bool discrepancy = false;
    ASSERT_TRUE(ReadCardObjects(&discrepancy));
    EXPECT_TRUE(discrepancy);
    ASSERT_EQ(Model().pictureObjects->Count(), 1);
    EXPECT_EQ(Model().pictureObjects->Item(1)->Index, 0);
    ASSERT_EQ(env.dialogs.asked.size(), 1u);
    EXPECT_EQ(env.dialogs.asked[0].text, Texts::at(1015));
    EXPECT_EQ(env.dialogs.asked[0].buttons, 0);
    EXPECT_EQ(env.dialogs.asked[0].caption, QStringLiteral("Warning"));
    EXPECT_FALSE(Model().dataManager->SavedSinceChange());
}

TEST_F(CardReader, CancellingTheDiscPromptStopsTheLoad) {
    useCard(QStringLiteral("nodisc.ocd"),
            objectsCard("Object = text object\r\nSource = //\"kept//\"\r\n"
                        "Object = art object\r\nSource = Birthday\\gone.bmp\r\n"
                        "Object = text object\r\nSource = //\"never read//\"\r\n"));
    ASSERT_EQ(ReadCardHeader(), CardProblem::None);
    EXPECT_FALSE(ReadCardObjects());
    ASSERT_EQ(env.dialogs.asked.size(), 1u);
    EXPECT_EQ(env.dialogs.asked[0].buttons, 1);
    EXPECT_TRUE(env.dialogs.asked[0].text.startsWith(Texts::at(1200)));
    // What was read before stays.
    ASSERT_EQ(Model().pictureObjects->Count(), 2);
    EXPECT_EQ(Model().pictureObjects->Item(1)->Text->Item(1), QStringLiteral("kept"));
}

TEST_F(CardReader, ArtFoundAfterTheDiscIsInsertedStays) {
    useCard(QStringLiteral("later.ocd"),
            objectsCard("Object = art object\r\nSource = Birthday\\late.bmp\r\n"));
    ASSERT_EQ(ReadCardHeader(), CardProblem::None);
    env.dialogs.messageAnswers.push_back(1);
    bool inserted = false;
    env.clock.onPause = [&](qint64) {
        if (!inserted && !env.dialogs.asked.empty()) {
            writeDiscFile(QStringLiteral("Graphics/Birthday/late.bmp"), "BM");
            inserted = true;
        }
    };
    ASSERT_TRUE(ReadCardObjects());
    EXPECT_EQ(Model().pictureObjects->Count(), 1);
    EXPECT_TRUE(Model().dataManager->SavedSinceChange());
}

// Photo.

class CardPhoto : public CardFixture {
protected:
    QByteArray photoHeader(const QString& photo, const QByteArray& adjustments) const {
        return header().replace("Photo = \r\n", "Photo = " + photo.toUtf8() + "\r\n") + adjustments;
    }
};

TEST_F(CardPhoto, AnExistingPhotoAndItsAdjustmentsAreRead) {
    const QString photo = env.writeFile(QStringLiteral("photos/beach.jpg"), "jpeg");
    useCard(QStringLiteral("photo.ocd"),
            photoHeader(photo,
                        "Brightness = -3\r\nContrast =  9\r\nRotation =  270\r\nZoom =  35\r\n"
                        "HOffset = -32767\r\nVOffset =  120\r\n"));
    ASSERT_EQ(ReadCardHeader(), CardProblem::None);
    ASSERT_TRUE(ReadCardObjects());
    bool discrepancy = true;
    ASSERT_TRUE(ReadCardPhoto(&discrepancy));
    EXPECT_FALSE(discrepancy);
    const PhotoManager& state = *Model().photoManager;
    EXPECT_EQ(state.PhotoInProcess, photo);
    EXPECT_EQ(state.Brightness, -3);
    EXPECT_EQ(state.Contrast, 9);
    EXPECT_EQ(state.RotationFactor, 270);
    EXPECT_EQ(state.ZoomFactor, 35);
    EXPECT_EQ(state.ViewableBitmapLeft, -32767);
    EXPECT_EQ(state.ViewableBitmapTop, 120);
    EXPECT_TRUE(Model().dataManager->SavedSinceChange());
    EXPECT_TRUE(env.dialogs.asked.empty());
}

TEST_F(CardPhoto, AdjustmentsOutsideTheirRangeTakeTheirDefaults) {
    const QString photo = env.writeFile(QStringLiteral("photos/beach.jpg"), "jpeg");
    useCard(QStringLiteral("photo.ocd"),
            photoHeader(photo, "Brightness = 10\r\nContrast = -10\r\nRotation = 360\r\nZoom = 0\r\n"
                               "HOffset = -32768\r\nVOffset = 99999999999\r\n"));
    ASSERT_EQ(ReadCardHeader(), CardProblem::None);
    ASSERT_TRUE(ReadCardPhoto());
    const PhotoManager& state = *Model().photoManager;
    EXPECT_EQ(state.Brightness, 0);
    EXPECT_EQ(state.Contrast, 0);
    EXPECT_EQ(state.RotationFactor, 0);
    EXPECT_EQ(state.ZoomFactor, 10);
    EXPECT_EQ(state.ViewableBitmapLeft, 0);
    EXPECT_EQ(state.ViewableBitmapTop, 0);
}

TEST_F(CardPhoto, WithoutAPhotoTheAdjustmentsStayAtTheirDefaults) {
    useCard(QStringLiteral("nophoto.ocd"),
            photoHeader(QString(), "Zoom =  40\r\nBrightness =  3\r\n"));
    ASSERT_EQ(ReadCardHeader(), CardProblem::None);
    ASSERT_TRUE(ReadCardPhoto());
    EXPECT_EQ(Model().photoManager->ZoomFactor, 10);
    EXPECT_EQ(Model().photoManager->Brightness, 0);
    EXPECT_TRUE(env.dialogs.asked.empty());
}

TEST_F(CardPhoto, ASampleCardTakesItsPhotoFromTheDisc) {
    const QString photo = writeDiscFile(QStringLiteral("SamplePictures/sunset.jpg"), "jpeg");
    const QString card = writeDiscFile(
        QStringLiteral("SamplePictureCards/sunset.ocd"),
        photoHeader(QStringLiteral("D:\\SamplePictures\\sunset.jpg"), "Zoom =  12\r\n"));
    App().CurrentCardFile = card;
    ASSERT_EQ(ReadCardHeader(), CardProblem::None);
    ASSERT_TRUE(ReadCardPhoto());
    EXPECT_EQ(Model().photoManager->PhotoInProcess, photo);
    EXPECT_EQ(Model().photoManager->ZoomFactor, 12);
    EXPECT_TRUE(env.dialogs.asked.empty());

    // A sample card without a photo stays without one.
    const QString plain = writeDiscFile(QStringLiteral("SamplePictureCards/plain.ocd"), header());
    App().CurrentCardFile = plain;
    ASSERT_EQ(ReadCardHeader(), CardProblem::None);
    ASSERT_TRUE(ReadCardPhoto());
    EXPECT_TRUE(Model().photoManager->PhotoInProcess.isEmpty());
    EXPECT_TRUE(env.dialogs.asked.empty());
}

TEST_F(CardPhoto, AMissingPhotoAnsweredNoLeavesTheCardWithoutPhoto) {
    useCard(QStringLiteral("lost.ocd"),
            photoHeader(QStringLiteral("/gone/beach.jpg"), "Zoom =  20\r\n"));
    ASSERT_EQ(ReadCardHeader(), CardProblem::None);
    ASSERT_TRUE(ReadCardObjects());
    env.dialogs.messageAnswers = {7};
    bool discrepancy = false;
    ASSERT_TRUE(ReadCardPhoto(&discrepancy));
    EXPECT_TRUE(discrepancy);
    EXPECT_TRUE(Model().photoManager->PhotoInProcess.isEmpty());
    EXPECT_EQ(Model().photoManager->ZoomFactor, 20);
    EXPECT_FALSE(Model().dataManager->SavedSinceChange());
    ASSERT_EQ(env.dialogs.asked.size(), 2u);
    EXPECT_EQ(env.dialogs.asked[0].text,
              QStringLiteral("The picture specified for this card (/gone/beach.jpg) is not at the "
                             "expected location.  Do you want to look for it yourself?"));
    EXPECT_EQ(env.dialogs.asked[0].buttons, 3);
    EXPECT_TRUE(env.dialogs.asked[0].caption.isEmpty());
    EXPECT_EQ(env.dialogs.asked[1].text, Texts::at(1014));
    EXPECT_EQ(env.dialogs.asked[1].buttons, 0);
}

TEST_F(CardPhoto, AMissingPhotoAnsweredCancelStopsTheLoad) {
    useCard(QStringLiteral("lost.ocd"), photoHeader(QStringLiteral("/gone/beach.jpg"), ""));
    ASSERT_EQ(ReadCardHeader(), CardProblem::None);
    env.dialogs.messageAnswers = {2};
    EXPECT_FALSE(ReadCardPhoto());
    EXPECT_EQ(env.dialogs.asked.size(), 1u);
}

TEST_F(CardPhoto, TheUserCanFindAMovedPhoto) {
    const QString folder = env.path(QStringLiteral("old"));
    QDir().mkpath(folder);
    const QString moved = env.writeFile(QStringLiteral("new/beach.jpg"), "jpeg");
    useCard(QStringLiteral("moved.ocd"),
            photoHeader(folder + QStringLiteral("/beach.jpg"), "Contrast = 2\r\n"));
    ASSERT_EQ(ReadCardHeader(), CardProblem::None);
    // First a file that is not there: the question comes again; then the moved photo.
    env.dialogs.messageAnswers = {6, 6};
    env.dialogs.fileAnswers = {env.path(QStringLiteral("new/nothing.jpg")), moved};
    bool discrepancy = true;
    ASSERT_TRUE(ReadCardPhoto(&discrepancy));
    EXPECT_FALSE(discrepancy);
    EXPECT_EQ(Model().photoManager->PhotoInProcess, moved);
    EXPECT_EQ(Model().photoManager->Contrast, 2);
    std::vector<QString> openedIn;
    for (const auto& asked : env.dialogs.asked) {
        if (asked.kind == QStringLiteral("open")) {
            openedIn.push_back(asked.request.initialFolder);
        }
    }
    ASSERT_EQ(openedIn.size(), 2u);
    EXPECT_EQ(openedIn[0], folder + QLatin1Char('/'));
}

TEST_F(CardPhoto, TheSearchStartsInThePictureFolderWhenThePhotosFolderIsGone) {
    useCard(QStringLiteral("lost.ocd"), photoHeader(QStringLiteral("/gone/beach.jpg"), ""));
    ASSERT_EQ(ReadCardHeader(), CardProblem::None);
    env.dialogs.messageAnswers = {6, 2};
    EXPECT_FALSE(ReadCardPhoto());
    ASSERT_GE(env.dialogs.asked.size(), 2u);
    EXPECT_EQ(env.dialogs.asked[1].request.initialFolder,
              disc + QStringLiteral("/SamplePictures/"));

    WriteSetting(QStringLiteral("PicturePath"), QStringLiteral("/home/ann/Pictures/"),
                 QStringLiteral("..Files"));
    env.dialogs.asked.clear();
    env.dialogs.messageAnswers = {6, 2};
    EXPECT_FALSE(ReadCardPhoto());
    EXPECT_EQ(env.dialogs.asked[1].request.initialFolder, QStringLiteral("/home/ann/Pictures/"));
}

} // namespace
