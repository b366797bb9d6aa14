#include "catalogue/DataManager.h"
#include "app/AppState.h"
#include "app/Settings.h"
#include "tests/catalogue/CatalogueFixture.h"
#include "tests/common/TestSupport.h"
#include "tools/disc-builder/CatalogueWriter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QSet>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

const QString hostileId = QStringLiteral("x\" = 1 or \"1");
const QString quoteStyleId = QStringLiteral("S' or '1'='1");

QStringList frameRowsOf(const QString& styleId, const QString& folder, QVector<FrameRow>& frames) {
    QStringList paths;
    for (const QString& code : QStringList{"F1", "F2", "F3", "F5", "F6", "F7"}) {
        const QString id = code + styleId;
        const QString path = folder + QLatin1Char('\\') + id + QStringLiteral("s.bmp");
        frames.append({id, styleId, path});
        paths.append(path);
    }
    return paths;
}

DiscRows smallCatalogue() {
    DiscRows rows;
    rows.occasions = {{"Birthday", " Birthday  "},
                      {"XMas", "Christmas"},
                      {hostileId, "Hostile"},
                      {"Empty", "Nothing"}};
    rows.styles = {{"S1", "Balloons", true, {"Birthday", "XMas"}},
                   {"S2", "Stars", true, {"Birthday", hostileId}},
                   {"S3", "Hidden", false, {"Birthday"}},
                   {quoteStyleId, "Quotes", true, {"XMas"}},
                   {"4010", "Sentiments", true, {}}};
    frameRowsOf("S1", "\\Birthday\\Balloons", rows.frames);
    frameRowsOf("S2", "\\Birthday\\Stars", rows.frames);
    rows.art = {{"S1", "\\Birthday\\Balloons\\cake", {"Birthday"}},
                {"S1", "\\Birthday\\Balloons\\hat", {"Birthday", "XMas"}},
                {"S1", "\\Birthday\\Balloons\\cake", {"Birthday"}},
                {"S1", "\\Birthday\\SNTIMNT\\wishes", {"Birthday"}},
                {"S2", "\\Birthday\\Stars\\star", {"Birthday"}},
                {quoteStyleId, "\\XMas\\Quotes\\quote", {"XMas"}},
                {"4010", "\\SNTIMNT\\4010\\thanks", {}},
                {"4010", "\\SNTIMNT\\Any\\hello", {}}};
    return rows;
}

class DataManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        catalogueFile = env.path(QStringLiteral("Tessaly.db"));
        QString error;
        ASSERT_TRUE(WriteCatalogue(catalogueFile, smallCatalogue(), &error)) << error.toStdString();
        catalogue = std::make_unique<DataManager>(catalogueFile, QStringLiteral("D:"));
    }

    QString art(const QString& stem) const {
        return QStringLiteral("D:\\Graphics") + stem + QStringLiteral("s.bmp");
    }

    QStringList plainMessages() const {
        QStringList texts;
        for (const auto& asked : env.dialogs.asked) {
            if (asked.kind == QStringLiteral("plain")) {
                texts.append(asked.text);
            }
        }
        return texts;
    }

    TestEnvironment env;
    QString catalogueFile;
    std::unique_ptr<DataManager> catalogue;
};

TEST_F(DataManagerTest, ListsOccasionsInTableOrderAndStartsWithNoneSelected) {
    EXPECT_EQ(catalogue->Occasions(),
              QStringList({" Birthday  ", "Christmas", "Hostile", "Nothing"}));
    EXPECT_EQ(catalogue->CurrentOccasionIdx(), 0);
    EXPECT_EQ(catalogue->CurrentOccasionID(), QString());
    EXPECT_FALSE(catalogue->OccasionSelected());
    EXPECT_TRUE(catalogue->TheSelectedStyles().isEmpty());
    EXPECT_TRUE(catalogue->TheOccasionalArt().isEmpty());
}

TEST_F(DataManagerTest, SelectsOccasionByPositionAndTrimsTheNameOnRead) {
    catalogue->setCurrentOccasionIndex(0);
    EXPECT_EQ(catalogue->CurrentOccasionIdx(), 0);
    EXPECT_EQ(catalogue->CurrentOccasionID(), QStringLiteral("Birthday"));
    EXPECT_EQ(catalogue->CurrentOccasionName(), QStringLiteral("Birthday"));
    EXPECT_TRUE(catalogue->OccasionSelected());
    EXPECT_TRUE(plainMessages().isEmpty());
}

TEST_F(DataManagerTest, AnInvalidPositionShowsItsMessageAndLeavesNoOccasion) {
    for (int position : {-1, 4, 99}) {
        catalogue->setCurrentOccasionIndex(1);
        catalogue->setCurrentOccasionIndex(position);
        EXPECT_FALSE(catalogue->OccasionSelected()) << position;
        EXPECT_EQ(catalogue->CurrentOccasionIdx(), -1) << position;
    }
    EXPECT_EQ(plainMessages(), QStringList(3, QStringLiteral("CurrentOccasionindex")));
}

TEST_F(DataManagerTest, SelectsOccasionByExactName) {
    struct Case {
        QString name;
        int position;
    };
    const Case cases[] = {{"Christmas", 1},   {" Birthday  ", 0}, {"christmas", -1},
                          {"Christmas ", -1}, {"Easter", -1},     {"", -1}};
    for (const Case& c : cases) {
        catalogue->setCurrentOccasionIndex(3);
        catalogue->setCurrentOccasionName(c.name);
        EXPECT_EQ(catalogue->CurrentOccasionIdx(), c.position) << c.name.toStdString();
        EXPECT_EQ(catalogue->OccasionSelected(), c.position >= 0) << c.name.toStdString();
    }
    EXPECT_TRUE(plainMessages().isEmpty());
}

TEST_F(DataManagerTest, SelectsOccasionByIdAndKeepsItWhenTheIdIsUnknown) {
    catalogue->setCurrentOccasionID(QStringLiteral("XMas"));
    EXPECT_EQ(catalogue->CurrentOccasionIdx(), 1);
    EXPECT_EQ(catalogue->CurrentOccasionName(), QStringLiteral("Christmas"));
    catalogue->setCurrentOccasionID(QStringLiteral("xmas"));
    EXPECT_EQ(catalogue->CurrentOccasionID(), QStringLiteral("XMas"));
    EXPECT_EQ(catalogue->CurrentOccasionIdx(), 1);
}

TEST_F(DataManagerTest, ListsTheVisibleStylesOfTheOccasionInTableOrder) {
    struct Case {
        int occasion;
        QStringList names;
        QStringList ids;
    };
    const Case cases[] = {{0, {"Balloons", "Stars"}, {"S1", "S2"}},
                          {1, {"Balloons", "Quotes"}, {"S1", quoteStyleId}},
                          {2, {"Stars"}, {"S2"}},
                          {3, {}, {}}};
    for (const Case& c : cases) {
        catalogue->setCurrentOccasionIndex(c.occasion);
        EXPECT_EQ(catalogue->TheSelectedStyles(), c.names) << c.occasion;
        EXPECT_EQ(catalogue->TheSelectedStyleIDs(), c.ids) << c.occasion;
    }
}

TEST_F(DataManagerTest, NoStyleSelectedReadsIndexZeroButNotSelected) {
    catalogue->setCurrentOccasionIndex(0);
    EXPECT_EQ(catalogue->CurrentStyleIndex(), 0);
    EXPECT_FALSE(catalogue->StyleSelected());
    EXPECT_EQ(catalogue->CurrentStyleID(), QString());

    catalogue->setCurrentStyleIndex(1);
    EXPECT_TRUE(catalogue->StyleSelected());
    EXPECT_EQ(catalogue->CurrentStyleIndex(), 1);
    EXPECT_EQ(catalogue->CurrentStyleName(), QStringLiteral("Stars"));
    EXPECT_EQ(catalogue->CurrentStyleID(), QStringLiteral("S2"));

    catalogue->setCurrentStyleIndex(-1);
    EXPECT_FALSE(catalogue->StyleSelected());
    EXPECT_EQ(catalogue->CurrentStyleName(), QString());
    EXPECT_EQ(catalogue->CurrentStyleID(), QString());
}

TEST_F(DataManagerTest, AStylePositionBeyondTheListShowsAMessageAndKeepsTheStyle) {
    catalogue->setCurrentOccasionIndex(0);
    catalogue->setCurrentStyleIndex(1);
    catalogue->setCurrentStyleIndex(2);
    EXPECT_EQ(plainMessages().size(), 1);
    EXPECT_EQ(catalogue->CurrentStyleIndex(), 1);
    EXPECT_EQ(catalogue->CurrentStyleID(), QStringLiteral("S2"));
}

TEST_F(DataManagerTest, SelectsStyleByExactNameOrId) {
    catalogue->setCurrentOccasionIndex(0);
    catalogue->setCurrentStyleName(QStringLiteral("Stars"));
    EXPECT_EQ(catalogue->CurrentStyleIndex(), 1);
    EXPECT_EQ(catalogue->CurrentStyleID(), QStringLiteral("S2"));

    catalogue->setCurrentStyleName(QStringLiteral("stars"));
    EXPECT_FALSE(catalogue->StyleSelected());

    catalogue->setCurrentStyleID(QStringLiteral("S1"));
    EXPECT_EQ(catalogue->CurrentStyleIndex(), 0);
    EXPECT_EQ(catalogue->CurrentStyleName(), QStringLiteral("Balloons"));

    // The hidden style is not offered, so it cannot be chosen either.
    catalogue->setCurrentStyleID(QStringLiteral("S3"));
    EXPECT_FALSE(catalogue->StyleSelected());
}

TEST_F(DataManagerTest, ChoosingAnOccasionByPositionClearsTheStyle) {
    catalogue->setCurrentOccasionIndex(0);
    catalogue->setCurrentStyleIndex(0);
    catalogue->setCurrentOccasionIndex(1);
    EXPECT_FALSE(catalogue->StyleSelected());
    EXPECT_EQ(catalogue->CurrentStyleID(), QString());
    EXPECT_TRUE(catalogue->TheSelectedArt().isEmpty());
    EXPECT_TRUE(catalogue->TheSelectedTemplates().isEmpty());
}

TEST_F(DataManagerTest, SelectedArtIsTheStylesArtForTheOccasionWithoutRepeats) {
    catalogue->setCurrentOccasionIndex(0);
    catalogue->setCurrentStyleIndex(0);
    const QStringList expected = {art("\\Birthday\\Balloons\\cake"),
                                  art("\\Birthday\\Balloons\\hat"),
                                  art("\\Birthday\\SNTIMNT\\wishes")};
    EXPECT_EQ(catalogue->TheSelectedArt(), expected);
    EXPECT_EQ(catalogue->NumberOfArt(), 3);

    catalogue->setCurrentOccasionIndex(1);
    catalogue->setCurrentStyleIndex(0);
    EXPECT_EQ(catalogue->TheSelectedArt(), QStringList({art("\\Birthday\\Balloons\\hat")}));
    EXPECT_EQ(catalogue->NumberOfArt(), 1);
}

TEST_F(DataManagerTest, OccasionalArtListsSentimentsLast) {
    catalogue->setCurrentOccasionIndex(0);
    const QStringList list = catalogue->TheOccasionalArt();
    ASSERT_EQ(list.size(), 6);
    const QStringList others = list.mid(0, 4);
    const QStringList sentiments = list.mid(4);
    for (const QString& path : others) {
        EXPECT_FALSE(DataManager::ArtIsSentiment(path)) << path.toStdString();
    }
    EXPECT_EQ(QSet<QString>(others.begin(), others.end()),
              QSet<QString>({art("\\Birthday\\Balloons\\cake"), art("\\Birthday\\Balloons\\hat"),
                             art("\\Birthday\\Stars\\star"), art("\\SNTIMNT\\4010\\thanks")}));
    EXPECT_EQ(QSet<QString>(sentiments.begin(), sentiments.end()),
              QSet<QString>({art("\\Birthday\\SNTIMNT\\wishes"), art("\\SNTIMNT\\Any\\hello")}));
}

TEST_F(DataManagerTest, HostileIdentifiersCannotChangeWhatAQueryMeans) {
    // The occasion ID is a column name holding quotes; the style ID a text holding quotes.
    catalogue->setCurrentOccasionName(QStringLiteral("Hostile"));
    EXPECT_EQ(catalogue->CurrentOccasionID(), hostileId);
    EXPECT_EQ(catalogue->TheSelectedStyles(), QStringList({"Stars"}));
    EXPECT_EQ(catalogue->TheOccasionalArt(),
              QStringList({art("\\SNTIMNT\\4010\\thanks"), art("\\SNTIMNT\\Any\\hello")}));

    catalogue->setCurrentOccasionIndex(1);
    catalogue->setCurrentStyleID(quoteStyleId);
    ASSERT_TRUE(catalogue->StyleSelected());
    EXPECT_EQ(catalogue->TheSelectedArt(), QStringList({art("\\XMas\\Quotes\\quote")}));
}

TEST_F(DataManagerTest, AnOccasionIdThatIsNoColumnRaisesAnError) {
    ASSERT_TRUE(ChangeCatalogue(
        catalogueFile, {"insert into Occasions values (9, 'Styles\" or 1 or \"', 'Bad')"}));
    catalogue->setCurrentOccasionName(QStringLiteral("Bad"));
    ASSERT_TRUE(catalogue->OccasionSelected());
    EXPECT_THROW(catalogue->TheSelectedStyles(), CatalogueError);
    EXPECT_THROW(catalogue->TheOccasionalArt(), CatalogueError);
    // The failure is not remembered as an empty answer.
    EXPECT_THROW(catalogue->TheSelectedStyles(), CatalogueError);
}

TEST_F(DataManagerTest, AskingTwiceForTheSameListsReadsTheCatalogueOnce) {
    catalogue->setCurrentOccasionIndex(0);
    catalogue->setCurrentStyleIndex(0);
    const QStringList styles = catalogue->TheSelectedStyles();
    const QStringList artList = catalogue->TheSelectedArt();
    const QStringList frames = catalogue->TheSelectedTemplates();
    ASSERT_TRUE(ChangeCatalogue(
        catalogueFile,
        {"insert into Styles (StyleID, Style, Visible, Birthday) values ('S9', 'New', 1, 1)",
         "insert into Art (StyleId, Stem, Birthday) values ('S1', '\\new', 1)",
         "insert into ScreenTemplates values ('F1NEW', 'S1', '\\new.bmp')"}));

    EXPECT_EQ(catalogue->TheSelectedStyles(), styles);
    EXPECT_EQ(catalogue->TheSelectedArt(), artList);
    EXPECT_EQ(catalogue->TheSelectedTemplates(), frames);

    // Reading for another selection and coming back reads again, and sees the change.
    catalogue->setCurrentOccasionIndex(1);
    catalogue->setCurrentStyleIndex(1);
    catalogue->TheSelectedArt();
    catalogue->TheSelectedTemplates();
    catalogue->setCurrentOccasionIndex(0);
    catalogue->setCurrentStyleIndex(0);
    EXPECT_EQ(catalogue->TheSelectedStyles(), styles + QStringList({"New"}));
    EXPECT_EQ(catalogue->TheSelectedArt(), artList + QStringList({art("\\new")}));
    EXPECT_EQ(catalogue->TheSelectedTemplates(), frames + QStringList({"D:\\Graphics\\new.bmp"}));
}

TEST_F(DataManagerTest, FramesOfTheStyleAndTheChosenFrame) {
    catalogue->setCurrentOccasionIndex(0);
    catalogue->setCurrentStyleIndex(0);
    QVector<FrameRow> rows;
    QStringList expected;
    for (const QString& path : frameRowsOf("S1", "\\Birthday\\Balloons", rows)) {
        expected.append(QStringLiteral("D:\\Graphics") + path);
    }
    EXPECT_EQ(catalogue->TheSelectedTemplates(), expected);
    EXPECT_EQ(catalogue->TheSelectedTemplateIDs(),
              QStringList({"F1S1", "F2S1", "F3S1", "F5S1", "F6S1", "F7S1"}));

    EXPECT_EQ(catalogue->TheTemplate(), 0);
    EXPECT_EQ(catalogue->TheTemplateID(), QStringLiteral("F1S1"));
    catalogue->setTheTemplate(4);
    EXPECT_EQ(catalogue->TheTemplate(), 4);
    EXPECT_EQ(catalogue->TheTemplateID(), QStringLiteral("F6S1"));
    EXPECT_EQ(catalogue->TheTemplatePath(), expected[4]);
    catalogue->setTheTemplate(-1);
    EXPECT_EQ(catalogue->TheTemplate(), 0);
    EXPECT_TRUE(plainMessages().isEmpty());

    catalogue->setTheTemplate(6);
    EXPECT_EQ(catalogue->TheTemplateID(), QString());
    EXPECT_EQ(catalogue->TheTemplatePath(), QString());
    EXPECT_EQ(plainMessages().size(), 2);
}

TEST_F(DataManagerTest, SetUpOccasionComboFillsTheListAndSelectsTheCurrentOccasion) {
    catalogue->setCurrentOccasionIndex(2);
    QComboBox combo;
    combo.addItem(QStringLiteral("left over"));
    QSignalSpy picks(&combo, &QComboBox::currentIndexChanged);
    catalogue->SetUpOccasionCombo(&combo);
    ASSERT_EQ(combo.count(), 4);
    EXPECT_EQ(combo.itemText(1), QStringLiteral("Christmas"));
    EXPECT_EQ(combo.currentIndex(), 2);
    // Filling is no pick: the list passes through "none" to the current occasion.
    ASSERT_EQ(picks.size(), 2);
    EXPECT_EQ(picks[0][0].toInt(), -1);
    EXPECT_EQ(picks[1][0].toInt(), 2);
}

TEST_F(DataManagerTest, SetUpOccasionComboNamesItselfWhenTheCatalogueFails) {
    ASSERT_TRUE(ChangeCatalogue(catalogueFile, {"create table Gone (a)", "drop table Occasions",
                                                "create view Occasions as select * from Gone",
                                                "drop table Gone"}));
    DataManager broken(catalogueFile, QStringLiteral("D:"));
    QComboBox combo;
    broken.SetUpOccasionCombo(&combo);
    ASSERT_EQ(plainMessages().size(), 1);
    EXPECT_TRUE(plainMessages()[0].startsWith(QStringLiteral("SetUpOccasionCombo")));
    EXPECT_GT(plainMessages()[0].size(), QStringLiteral("SetUpOccasionCombo").size());
    EXPECT_EQ(combo.count(), 0);
}

TEST_F(DataManagerTest, TwoInstancesReadTheSameCatalogue) {
    DataManager other(catalogueFile, QStringLiteral("D:"));
    other.setCurrentOccasionIndex(1);
    catalogue->setCurrentOccasionIndex(0);
    EXPECT_EQ(other.TheSelectedStyles(), QStringList({"Balloons", "Quotes"}));
    EXPECT_EQ(catalogue->TheSelectedStyles(), QStringList({"Balloons", "Stars"}));
}

TEST(DataManagerFile, AMissingOrUnreadableCatalogueGivesEmptyLists) {
    TestEnvironment env;
    const QString files[] = {
        env.path(QStringLiteral("missing.db")),
        env.writeFile(QStringLiteral("empty.db"), QByteArray()),
        env.writeFile(QStringLiteral("garbage.db"), QByteArray(4096, '\x5a')),
        env.folder.path(),
    };
    for (const QString& file : files) {
        DataManager catalogue(file, QStringLiteral("D:"));
        EXPECT_TRUE(catalogue.Occasions().isEmpty()) << file.toStdString();
        catalogue.setCurrentOccasionID(QStringLiteral("Birthday"));
        EXPECT_FALSE(catalogue.OccasionSelected());
        EXPECT_TRUE(catalogue.TheSelectedStyles().isEmpty());
        EXPECT_TRUE(catalogue.TheSelectedArt().isEmpty());
        EXPECT_TRUE(catalogue.TheOccasionalArt().isEmpty());
        EXPECT_TRUE(catalogue.TheSelectedTemplates().isEmpty());
        EXPECT_EQ(catalogue.NumberOfArt(), 0);
    }
    EXPECT_TRUE(env.dialogs.asked.empty());
}

TEST(DataManagerFile, GraphicsPathFollowsTheDiscSetting) {
    TestEnvironment env;
    ASSERT_TRUE(WriteSetting(QStringLiteral("CDDrive"), QStringLiteral("E"), QString()));
    DataManager letter(env.path(QStringLiteral("Tessaly.db")), ResolveApplicationDrive());
    EXPECT_EQ(letter.GraphicsPath(), QStringLiteral("E:\\Graphics"));
    EXPECT_EQ(letter.ApplicationDrive(), QStringLiteral("E:"));

    ASSERT_TRUE(WriteSetting(QStringLiteral("CDDrive"), QString(), QString()));
    DataManager beside(env.path(QStringLiteral("Tessaly.db")), ResolveApplicationDrive());
    const QString disc = QCoreApplication::applicationDirPath() + QStringLiteral("/disc");
    EXPECT_EQ(beside.ApplicationDrive(), disc);
    EXPECT_EQ(beside.GraphicsPath(), disc + QStringLiteral("\\Graphics"));
}

TEST(DataManagerFile, DefaultCatalogueIsBesideTheProgramUnlessOverridden) {
    const QByteArray saved = qgetenv("TESSALY_CATALOGUE");
    qunsetenv("TESSALY_CATALOGUE");
    EXPECT_EQ(DataManager::DefaultCatalogueFile(),
              QCoreApplication::applicationDirPath() + QStringLiteral("/Tessaly.db"));
    qputenv("TESSALY_CATALOGUE", "/elsewhere/cards.db");
    EXPECT_EQ(DataManager::DefaultCatalogueFile(), QStringLiteral("/elsewhere/cards.db"));
    if (saved.isNull()) {
        qunsetenv("TESSALY_CATALOGUE");
    } else {
        qputenv("TESSALY_CATALOGUE", saved);
    }
}

TEST(DataManagerFile, ArtIsSentimentAcceptsEitherSeparator) {
    struct Case {
        const char* path;
        bool sentiment;
    };
    const Case cases[] = {
        {"D:\\Graphics\\Birthday\\SNTIMNT\\wishess.bmp", true},
        {"/disc/Graphics/Birthday/SNTIMNT/wishess.bmp", true},
        {"/disc\\Graphics\\birthday\\sntimnt\\wishess.bmp", true},
        {"D:\\Graphics\\SNTIMNT\\4010\\thankss.bmp", false},
        {"/disc/Graphics/SNTIMNT/4010/thankss.bmp", false},
        {"D:\\Graphics\\Birthday\\Balloons\\cakes.bmp", false},
        {"D:\\Graphics\\BirthdaySNTIMNT\\cakes.bmp", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DataManager::ArtIsSentiment(QString::fromUtf8(c.path)), c.sentiment) << c.path;
    }
}

} // namespace
