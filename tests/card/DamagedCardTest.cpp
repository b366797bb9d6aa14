#include "card/CardReader.h"
#include "card/CardWriter.h"
#include "tests/card/CardFixture.h"

#include <QRandomGenerator>

namespace {

const QByteArray goodCard = "[Varno Tessaly Picture]\r\n"
                            "FileType = Varno Tessaly Picture\r\n"
                            "Occasion = Birthday,BDAY\r\n"
                            "Style = Balloons,1001\r\n"
                            "Template = 4\r\n"
                            "Photo = \r\n"
                            "Brightness =  1\r\n"
                            "[Display Objects]\r\n"
                            "Object = art object\r\n"
                            "Position =  120, 0, 600, 450, 0, 0, 600, 450, 0\r\n"
                            "Source = Birthday\\Balloons\\cakes.bmp\r\n"
                            "Object = text object\r\n"
                            "Position =  900, 300, 2400, 600, 0, 0, 2300, 600, 300\r\n"
                            "Source = //\"Happy\x1f//\",//\"Birthday//\"\r\n"
                            "Properties =  3,FF,True,300\r\n"
                            "Font = Liberation Serif,9.75,False,True,12\r\n";

QByteArray junk(int size, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random.bounded(256));
    }
    return bytes;
}

QByteArray utf16(const QByteArray& text) {
    QByteArray bytes("\xFF\xFE", 2);
    for (const char c : text) {
        bytes.append(c);
        bytes.append('\0');
    }
    return bytes;
}

struct DamagedCase {
    const char* name;
    QByteArray content;
    int problem;
    int objects; // objects read when the header is sound
};

class DamagedCard : public CardFixture {
protected:
    // Reads the card as the program opens it; the disc is there, so missing art is dropped.
    void read(const DamagedCase& c) {
        SCOPED_TRACE(c.name);
        useCard(QStringLiteral("damaged.ocd"), c.content);
        ASSERT_EQ(ReadCardHeader(), c.problem);
        if (c.problem != CardProblem::None) {
            return;
        }
        EXPECT_TRUE(ReadCardObjects());
        env.dialogs.messageAnswers = {7};
        EXPECT_TRUE(ReadCardPhoto());
        if (c.objects >= 0) {
            EXPECT_EQ(Model().pictureObjects->Count(), c.objects);
        }
        // Whatever was read can be written again and read back the same.
        const QString again = env.path(QStringLiteral("again.ocd"));
        QString error;
        ASSERT_TRUE(WriteCardFile(again, CardSelection::FromCatalogue(*Model().dataManager),
                                  *Model().photoManager, *Model().pictureObjects, graphics(),
                                  &error))
            << error.toStdString();
        const int count = Model().pictureObjects->Count();
        App().CurrentCardFile = again;
        ASSERT_EQ(ReadCardHeader(), CardProblem::None);
        EXPECT_TRUE(ReadCardObjects());
        int kept = 0;
        for (const auto& object : *Model().pictureObjects) {
            kept += object->PictureType == PictureObject::Placeholder ? 0 : 1;
        }
        EXPECT_LE(Model().pictureObjects->Count(), count);
        EXPECT_EQ(Model().pictureObjects->Count(), kept);
    }

    void SetUp() override {
        CardFixture::SetUp();
        putDiscHelpFile();
    }
};

TEST_F(DamagedCard, EveryTruncationReadsWithoutHarm) {
    for (qsizetype size = 0; size <= goodCard.size(); ++size) {
        const QByteArray prefix = goodCard.left(size);
        // The header needs its file type, occasion and style (their names suffice); the rest is
        // optional.
        const QByteArray section = "[Varno Tessaly Picture]";
        int problem = CardProblem::None;
        if (!prefix.contains(section) || prefix.mid(section.size()).trimmed().isEmpty()) {
            problem = CardProblem::NoHeader;
        } else if (!prefix.contains("FileType = Varno Tessaly Picture")) {
            problem = CardProblem::NotACard;
        } else if (!prefix.contains("Occasion = Birthday")) {
            problem = CardProblem::UnknownOccasion;
        } else if (!prefix.contains("Style = Balloons")) {
            problem = CardProblem::UnknownStyle;
        }
        read({"truncated", prefix, problem, -1});
    }
}

TEST_F(DamagedCard, Corpus) {
    QByteArray padded = goodCard + "[Padding]\r\n";
    padded += QByteArray(32000 - padded.size(), 'p');
    const DamagedCase cases[] = {
        {"binary junk", junk(20000, 1), CardProblem::NoHeader, -1},
        {"junk behind a sound card", goodCard + junk(8000, 2), CardProblem::None, -1},
        {"junk inside the objects",
         QByteArray(goodCard).insert(goodCard.indexOf("Object = text"), junk(3000, 3)),
         CardProblem::None, -1},
        {"NUL in the file type",
         QByteArray(goodCard).replace("Varno Tessaly Picture\r\n",
                                      QByteArray("Varno\0Tessaly Picture\r\n", 23)),
         CardProblem::NotACard, -1},
        {"32000 bytes", padded, CardProblem::None, 2},
        {"32001 bytes", padded + "p", CardProblem::TooLarge, -1},
        {"objects only", goodCard.mid(goodCard.indexOf("[Display Objects]")), CardProblem::NoHeader,
         -1},
        {"header only", goodCard.left(goodCard.indexOf("[Display Objects]")), CardProblem::None, 0},
        {"unclosed section name",
         QByteArray(goodCard).replace("[Varno Tessaly Picture]", "[Varno Tessaly Picture"),
         CardProblem::NoHeader, -1},
        {"blanks inside the brackets",
         QByteArray(goodCard).replace("[Varno Tessaly Picture]", "[  Varno Tessaly Picture  ]"),
         CardProblem::None, 2},
        {"two header sections: the first counts",
         goodCard + "[Varno Tessaly Picture]\r\nFileType = other\r\n", CardProblem::None, 2},
        {"huge numbers",
         "[Varno Tessaly Picture]\r\nFileType = Varno Tessaly Picture\r\nOccasion = "
         "Birthday,BDAY\r\n"
         "Style = Balloons,1001\r\nTemplate = 99999999999999999999\r\nZoom = -99999999999999\r\n"
         "[Display Objects]\r\nObject = text object\r\n"
         "Position = 1e999,99999999999999999999,-2147483649,2147483648,9,9,9,9,9999999999\r\n"
         "Source = //\"x//\"\r\nProperties = 99999999999,FFFFFFFFFFFFFFFF,True,99999999999\r\n"
         "Font = A,1e999,True,True,-1e999\r\n",
         CardProblem::None, 1},
        {"many items and none",
         goodCard +
             "Object = text object\r\nPosition = ,,,,,,,,,,,,,,,,,,,,\r\nSource = //\"y//\"\r\n"
             "Properties = \r\nFont = ,\r\nObject = art object\r\nPosition\r\nSource\r\n",
         CardProblem::None, 3},
        {"thousands of markers",
         goodCard + "Object = text object\r\nSource = " + QByteArray("//\"a//\",").repeated(2000) +
             "\r\n",
         CardProblem::None, 3},
        {"a very long line",
         goodCard + "Object = text object\r\nSource = //\"" + QByteArray(25000, 'w') + "//\"\r\n",
         CardProblem::None, 3},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + goodCard, CardProblem::None, 2},
        {"UTF-16", utf16(goodCard.left(goodCard.indexOf("[Display Objects]"))),
         CardProblem::NoHeader, -1},
        {"Windows-1252 text", QByteArray(goodCard).replace("Happy", "Joyeux \xE9t\xE9 \x80"),
         CardProblem::None, 2},
        {"broken UTF-8", QByteArray(goodCard).replace("Happy", "\xC3\x28\xE2\x82"),
         CardProblem::None, 2},
        {"lone CR line ends", QByteArray(goodCard).replace("\r\n", "\r"), CardProblem::None, 2},
        {"LF line ends", QByteArray(goodCard).replace("\r\n", "\n"), CardProblem::None, 2},
        {"empty", QByteArray(), CardProblem::NoHeader, -1},
        {"only blanks and line ends", QByteArray(" \r\n\t\n\r\n"), CardProblem::NoHeader, -1},
    };
    for (const DamagedCase& c : cases) {
        read(c);
    }
}

TEST_F(DamagedCard, DecodedTextKeepsItsCharacters) {
    useCard(QStringLiteral("w.ocd"),
            QByteArray(goodCard).replace("Happy", "Joyeux \xE9t\xE9 \x80"));
    ASSERT_EQ(ReadCardHeader(), CardProblem::None);
    ASSERT_TRUE(ReadCardObjects());
    EXPECT_EQ(Model().pictureObjects->Item(2)->Text->Item(1),
              QStringLiteral("Joyeux \u00E9t\u00E9 \u20AC") + QChar(31));

    useCard(QStringLiteral("u.ocd"),
            QByteArray(goodCard).replace("Happy", "Joyeux \xC3\xA9t\xC3\xA9 \xE2\x82\xAC"));
    ASSERT_EQ(ReadCardHeader(), CardProblem::None);
    ASSERT_TRUE(ReadCardObjects());
    EXPECT_EQ(Model().pictureObjects->Item(2)->Text->Item(1),
              QStringLiteral("Joyeux \u00E9t\u00E9 \u20AC") + QChar(31));
}

} // namespace
