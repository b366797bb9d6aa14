#include "app/Settings.h"
#include "app/Texts.h"
#include "card/CardWriter.h"
#include "tests/card/CardFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <sys/stat.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

const QByteArray validHeader = "[Varno Tessaly Picture]\r\n"
                               "FileType = Varno Tessaly Picture\r\n"
                               "Occasion = Birthday,BDAY\r\n"
                               "Style = Balloons,1001\r\n"
                               "Template = 3\r\n";

class TessalyCardTool : public CardFixture {
protected:
    // The test's own catalogue, settings and disc come first, so that a test can override them.
    ToolRun run(const QStringList& testArguments, bool withDisc = true) const {
        QStringList arguments = {QStringLiteral("--catalogue"),  catalogue,
                                 QStringLiteral("--settings"),   env.registry.filePath(),
                                 QStringLiteral("--media-wait"), QStringLiteral("0")};
        if (withDisc) {
            arguments << QStringLiteral("--disc") << disc;
        }
        arguments += testArguments;
        QProcess process;
        process.start(QStringLiteral(TESSALY_BIN_DIR "/tessaly-card"), arguments);
        ToolRun result;
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "tessaly-card did not finish";
            return result;
        }
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }

    static QJsonObject json(const ToolRun& result) {
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(result.out, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << result.out.toStdString();
        return document.object();
    }
};

TEST_F(TessalyCardTool, CheckPrintsTheProblemCodeAndItsMessage) {
    const QString fifo = env.path(QStringLiteral("pipe.ocd"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    struct Case {
        const char* name;
        QString file;
        int exitCode;
        QByteArray out;
    };
    const Case cases[] = {
        {"valid", env.writeFile(QStringLiteral("ok.ocd"), validHeader), 0, "code 0\n"},
        {"missing", env.path(QStringLiteral("none.ocd")), 2,
         "code 1\nError\nhas occurred in trying to load a picture card.\n"},
        {"pipe", fifo, 2, "code 1\nError\nhas occurred in trying to load a picture card.\n"},
        {"not a card",
         env.writeFile(QStringLiteral("text.ocd"), "[Varno Tessaly Picture]\r\nFileType = x\r\n"),
         2, "code 4\nThis file is not a VARNO Picture Card.\n"},
        {"too large",
         env.writeFile(QStringLiteral("big.ocd"), validHeader + QByteArray(32001, ';')), 2,
         "code 2\nThis file is not a VARNO Picture Card.\n"},
        {"unknown style",
         env.writeFile(QStringLiteral("style.ocd"),
                       QByteArray(validHeader).replace("Balloons,1001", "X,9")),
         2, "code 6\nThis VARNO Picture Card refers to a style not found in this release.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ToolRun result = run({QStringLiteral("check"), c.file});
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out, c.out);
    }
}

TEST_F(TessalyCardTool, DumpPrintsTheWholeCard) {
    const QString photo = env.writeFile(QStringLiteral("photos/beach.jpg"), "jpeg");
    const QString card =
        env.writeFile(QStringLiteral("full.ocd"),
                      validHeader + "Photo = " + photo.toUtf8() +
                          "\r\nBrightness = -2\r\nContrast =  1\r\nRotation =  90\r\nZoom =  15\r\n"
                          "HOffset =  7\r\nVOffset = -8\r\n"
                          "[Display Objects]\r\n"
                          "Object = art object\r\n"
                          "Position =  120, 0, 600, 450, 15, 30, 600, 450, 0\r\n"
                          "Source = Birthday\\Balloons\\cakes.bmp\r\n"
                          "Object = text object\r\n"
                          "Position =  900, 300, 2400, 600, 0, 0, 2300, 600, 300\r\n"
                          "Source = //\"Happy\x1f//\",//\"Birthday//\"\r\n"
                          "Properties =  3,FF,True,300\r\n"
                          "Font = Liberation Serif,9.8,False,True,12\r\n");
    const ToolRun result = run({QStringLiteral("dump"), card});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains("Happy\\u001f"));
    const QJsonObject dump = json(result);
    EXPECT_EQ(dump[QStringLiteral("problem")].toInt(), 0);
    EXPECT_EQ(dump[QStringLiteral("occasion")][QStringLiteral("name")].toString(),
              QStringLiteral("Birthday"));
    EXPECT_EQ(dump[QStringLiteral("occasion")][QStringLiteral("id")].toString(),
              QStringLiteral("BDAY"));
    EXPECT_EQ(dump[QStringLiteral("style")][QStringLiteral("name")].toString(),
              QStringLiteral("Balloons"));
    EXPECT_EQ(dump[QStringLiteral("style")][QStringLiteral("id")].toString(),
              QStringLiteral("1001"));
    EXPECT_EQ(dump[QStringLiteral("template")].toInt(), 3);
    const QJsonObject photoState = dump[QStringLiteral("photo")].toObject();
    EXPECT_EQ(photoState[QStringLiteral("path")].toString(), photo);
    EXPECT_EQ(photoState[QStringLiteral("brightness")].toInt(), -2);
    EXPECT_EQ(photoState[QStringLiteral("contrast")].toInt(), 1);
    EXPECT_EQ(photoState[QStringLiteral("rotation")].toInt(), 90);
    EXPECT_EQ(photoState[QStringLiteral("zoom")].toInt(), 15);
    EXPECT_EQ(photoState[QStringLiteral("hOffset")].toInt(), 7);
    EXPECT_EQ(photoState[QStringLiteral("vOffset")].toInt(), -8);
    EXPECT_TRUE(dump[QStringLiteral("savedSinceChange")].toBool());
    EXPECT_FALSE(dump[QStringLiteral("discrepancy")].toBool());

    const QJsonArray objects = dump[QStringLiteral("objects")].toArray();
    ASSERT_EQ(objects.size(), 2);
    const QJsonObject art = objects[0].toObject();
    EXPECT_EQ(art[QStringLiteral("index")].toInt(), 0);
    EXPECT_EQ(art[QStringLiteral("type")].toInt(), 0);
    EXPECT_EQ(art[QStringLiteral("left")].toInt(), 120);
    EXPECT_EQ(art[QStringLiteral("bitmapLeft")].toInt(), 15);
    EXPECT_EQ(art[QStringLiteral("bitmapTop")].toInt(), 30);
    EXPECT_EQ(art[QStringLiteral("source")].toString(),
              graphics() + QStringLiteral("\\Birthday\\Balloons\\cakes.bmp"));
    EXPECT_TRUE(art[QStringLiteral("text")].toArray().isEmpty());
    EXPECT_TRUE(art[QStringLiteral("font")].isObject());

    const QJsonObject text = objects[1].toObject();
    EXPECT_EQ(text[QStringLiteral("index")].toInt(), 1);
    EXPECT_EQ(text[QStringLiteral("type")].toInt(), 1);
    EXPECT_EQ(text[QStringLiteral("top")].toInt(), 300);
    EXPECT_EQ(text[QStringLiteral("width")].toInt(), 2400);
    EXPECT_EQ(text[QStringLiteral("height")].toInt(), 600);
    EXPECT_EQ(text[QStringLiteral("bitmapWidth")].toInt(), 2300);
    EXPECT_EQ(text[QStringLiteral("bitmapHeight")].toInt(), 600);
    EXPECT_EQ(text[QStringLiteral("lineHeight")].toInt(), 300);
    EXPECT_EQ(text[QStringLiteral("source")].toString(), QString());
    const QJsonArray lines = text[QStringLiteral("text")].toArray();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].toString(), QStringLiteral("Happy") + QChar(31));
    EXPECT_EQ(lines[1].toString(), QStringLiteral("Birthday"));
    EXPECT_EQ(text[QStringLiteral("color")].toInt(), 255);
    EXPECT_EQ(text[QStringLiteral("align")].toInt(), 3);
    EXPECT_TRUE(text[QStringLiteral("wordWrap")].toBool());
    EXPECT_EQ(text[QStringLiteral("longestLine")].toInt(), 0);
    EXPECT_EQ(text[QStringLiteral("apparentFontSize")].toDouble(), 12.0);
    const QJsonObject font = text[QStringLiteral("font")].toObject();
    EXPECT_EQ(font[QStringLiteral("name")].toString(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(font[QStringLiteral("size")].toDouble(), 9.8);
    EXPECT_FALSE(font[QStringLiteral("bold")].toBool());
    EXPECT_TRUE(font[QStringLiteral("italic")].toBool());
}

TEST_F(TessalyCardTool, DumpAnswersTheQuestionsWithoutAPerson) {
    putDiscHelpFile();
    const QString card =
        env.writeFile(QStringLiteral("lost.ocd"),
                      validHeader + "Photo = /gone/beach.jpg\r\nZoom =  30\r\n"
                                    "[Display Objects]\r\n"
                                    "Object = art object\r\nSource = Birthday\\gone.bmp\r\n"
                                    "Object = text object\r\nSource = //\"kept//\"\r\n");
    const ToolRun result = run({QStringLiteral("dump"), card});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject dump = json(result);
    EXPECT_TRUE(dump[QStringLiteral("discrepancy")].toBool());
    EXPECT_FALSE(dump[QStringLiteral("savedSinceChange")].toBool());
    EXPECT_EQ(dump[QStringLiteral("photo")][QStringLiteral("path")].toString(), QString());
    EXPECT_EQ(dump[QStringLiteral("photo")][QStringLiteral("zoom")].toInt(), 30);
    ASSERT_EQ(dump[QStringLiteral("objects")].toArray().size(), 1);
    EXPECT_EQ(dump[QStringLiteral("objects")][0][QStringLiteral("index")].toInt(), 0);
    const QString messages = QString::fromUtf8(result.err);
    EXPECT_TRUE(messages.contains(Texts::at(1015)));
    EXPECT_TRUE(messages.contains(Texts::at(1013)));
    EXPECT_TRUE(messages.contains(Texts::at(1014)));
}

TEST_F(TessalyCardTool, DumpStopsWhenClipArtIsMissingAndTheDiscIsNot) {
    const QString card =
        env.writeFile(QStringLiteral("nodisc.ocd"),
                      validHeader + "[Display Objects]\r\n"
                                    "Object = text object\r\nSource = //\"first//\"\r\n"
                                    "Object = art object\r\nSource = Birthday\\gone.bmp\r\n");
    const ToolRun result = run({QStringLiteral("dump"), card});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_TRUE(QString::fromUtf8(result.err).contains(Texts::at(1200)));
    EXPECT_EQ(json(result)[QStringLiteral("objects")].toArray().size(), 2);

    const ToolRun problem = run({QStringLiteral("dump"), env.path(QStringLiteral("none.ocd"))});
    EXPECT_EQ(problem.exitCode, 2);
    EXPECT_EQ(json(problem)[QStringLiteral("problem")].toInt(), 1);
}

TEST_F(TessalyCardTool, ResaveWritesTheCardWithTheCardWriter) {
    // A card as Windows wrote it: no blanks around "=", LF only, Windows-1252, an absolute art
    // path.
    const QString card = env.writeFile(QStringLiteral("windows.ocd"),
                                       "[Varno Tessaly Picture]\n"
                                       "FileType=Varno Tessaly Picture\n"
                                       "Occasion=Birthday,BDAY\n"
                                       "Style=Balloons,1001\n"
                                       "Template=1\n"
                                       "Photo=\n"
                                       "[Display Objects]\n"
                                       "Object=art object\n"
                                       "Position=15,15,600,450,0,0,600,450,0\n"
                                       "Source=D:\\Graphics\\Birthday\\Balloons\\hats.bmp\n"
                                       "Object=text object\n"
                                       "Position=30,30,900,300,0,0,900,300,300\n"
                                       "Source=//\"F\xEAte \x80//\"\n"
                                       "Properties=0,FF0000,False,300\n"
                                       "Font=Liberation Sans,12,True,False,12\n");
    const QString out = env.path(QStringLiteral("out.ocd"));
    const ToolRun result = run({QStringLiteral("resave"), card, out});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QByteArray written = readAll(out);
    EXPECT_TRUE(
        written.startsWith("[Varno Tessaly Picture]\r\nFileType = Varno Tessaly Picture\r\n"
                           "Occasion = Birthday,BDAY\r\nStyle = Balloons,1001\r\nTemplate = 1\r\n"
                           "Photo = \r\nBrightness =  0\r\n"));
    EXPECT_TRUE(written.contains("\r\nPosition =  15, 15, 600, 450, 0, 0, 600, 450, 0\r\n"
                                 "Source = Birthday\\Balloons\\hats.bmp\r\n"));
    EXPECT_TRUE(
        written.contains("Source = //\"F\xEAte \x80//\"\r\nProperties =  0,FF0000,False,300\r\n"
                         "Font = Liberation Sans,12,True,False,12\r\n"));

    // Written again from its own output, the card does not change.
    const QString again = env.path(QStringLiteral("again.ocd"));
    ASSERT_EQ(run({QStringLiteral("resave"), out, again}).exitCode, 0);
    EXPECT_EQ(readAll(again), written);
}

TEST_F(TessalyCardTool, ResaveReportsWhatItCannotDo) {
    const QString card = env.writeFile(QStringLiteral("ok.ocd"), validHeader);
    const ToolRun unwritable =
        run({QStringLiteral("resave"), card, card + QStringLiteral("/inside.ocd")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains("cannot write"));

    const ToolRun notACard =
        run({QStringLiteral("resave"), env.writeFile(QStringLiteral("x.ocd"), "junk"),
             env.path(QStringLiteral("y.ocd"))});
    EXPECT_EQ(notACard.exitCode, 2);
    EXPECT_FALSE(QFileInfo::exists(env.path(QStringLiteral("y.ocd"))));
}

TEST_F(TessalyCardTool, TheDiscComesFromTheSettingsWhenNotGiven) {
    putDiscHelpFile();
    WriteSetting(QStringLiteral("CDDrive"), disc, QString());
    const QString card = env.writeFile(QStringLiteral("art.ocd"),
                                       validHeader + "[Display Objects]\r\nObject = art object\r\n"
                                                     "Source = Birthday\\Balloons\\cakes.bmp\r\n");
    const ToolRun result = run({QStringLiteral("dump"), card}, false);
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(json(result)[QStringLiteral("objects")][0][QStringLiteral("source")].toString(),
              disc + QStringLiteral("\\Graphics\\Birthday\\Balloons\\cakes.bmp"));
}

TEST_F(TessalyCardTool, WrongUseIsRefusedWithTheUsage) {
    const QString card = env.writeFile(QStringLiteral("ok.ocd"), validHeader);
    const QStringList wrong[] = {
        {},
        {QStringLiteral("print"), card},
        {QStringLiteral("check")},
        {QStringLiteral("resave"), card},
        {QStringLiteral("check"), card, QStringLiteral("--colour"), QStringLiteral("red")},
        {QStringLiteral("check"), card, QStringLiteral("--media-wait"), QStringLiteral("soon")}};
    for (const QStringList& arguments : wrong) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        const ToolRun result = run(arguments);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(result.err.contains("usage: tessaly-card"));
        EXPECT_TRUE(result.out.isEmpty());
    }
    const ToolRun noCatalogue = run({QStringLiteral("check"), card, QStringLiteral("--catalogue"),
                                     env.path(QStringLiteral("none.db"))});
    EXPECT_EQ(noCatalogue.exitCode, 1);
    EXPECT_TRUE(noCatalogue.err.contains("no catalogue"));
}

TEST_F(TessalyCardTool, ACatalogueThatCannotAnswerIsReported) {
    {
        QSqlDatabase database =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("damage"));
        database.setDatabaseName(catalogue);
        ASSERT_TRUE(database.open());
        QSqlQuery query(database);
        ASSERT_TRUE(query.exec(QStringLiteral("ALTER TABLE Styles DROP COLUMN BDAY")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("damage"));
    const ToolRun result =
        run({QStringLiteral("check"), env.writeFile(QStringLiteral("ok.ocd"), validHeader)});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_TRUE(result.err.startsWith("tessaly-card: ")) << result.err.toStdString();
}

} // namespace
