#include "card/CardReader.h"
#include "card/CardWriter.h"
#include "tests/card/CardFixture.h"

#include <functional>

namespace {

const QChar lineEnd(31);

struct CardCase {
    const char* name;
    CardSelection selection;
    std::function<void(class CardRoundTrip&, PhotoManager&, PictureObjects&)> compose;
};

void PrintTo(const CardCase& card, std::ostream* out) {
    *out << card.name;
}

class CardRoundTrip : public CardFixture, public ::testing::WithParamInterface<CardCase> {
public:
    QString photoFile() const { return env.writeFile(QStringLiteral("photos/beach.jpg"), "jpeg"); }
    QString artPath(const char* stem) const { return art(QString::fromLatin1(stem)); }
};

void addText(PictureObjects& objects, qint16 index, const QStringList& lines, const CardFont& font,
             qint32 color, qint16 align, bool wordWrap, float apparentSize, qint32 left = 300,
             qint32 top = 450) {
    objects.Add(index, PictureObject::TextObject, 0, 0, 1500 + index, lines.size() * 320, wordWrap,
                align, left, top, static_cast<qint16>(lines.size()), 1600, lines.size() * 330,
                std::make_shared<TextLines>(lines), color, std::make_shared<CardFont>(font),
                QString(), 320, apparentSize);
}

void addArt(PictureObjects& objects, qint16 index, const QString& source, qint32 left, qint32 top) {
    objects.Add(index, PictureObject::ArtObject, 30, 15, 1200, 900, false, 0, left, top, 0, 1200,
                900, std::make_shared<TextLines>(), 0, std::make_shared<CardFont>(), source, 0, 12);
}

const CardCase cases[] = {
    {"EmptyCard",
     {QStringLiteral("Birthday"), QStringLiteral("BDAY"), QStringLiteral("Balloons"),
      QStringLiteral("1001"), QStringLiteral("0")},
     [](CardRoundTrip&, PhotoManager&, PictureObjects&) {}},
    {"PhotoAndArt",
     {QStringLiteral("Birthday"), QStringLiteral("BDAY"), QStringLiteral("Party Hats"),
      QStringLiteral("1002"), QStringLiteral("5")},
     [](CardRoundTrip& test, PhotoManager& photo, PictureObjects& objects) {
         photo.PhotoInProcess = test.photoFile();
         photo.Brightness = -9;
         photo.Contrast = 9;
         photo.RotationFactor = 270;
         photo.ZoomFactor = 100;
         photo.ViewableBitmapLeft = -32767;
         photo.ViewableBitmapTop = 32767;
         addArt(objects, 1, test.artPath("\\Birthday\\Balloons\\cake"), 0, 0);
         addArt(objects, 2, test.artPath("\\SNTIMNT\\wishes"), 9600, 7200);
         addArt(objects, 3, test.artPath("\\Birthday\\Balloons\\hat"), 4500, 15);
     }},
    {"TextInFontsSizesColoursAndAlignments",
     {QStringLiteral("Christmas"), QStringLiteral("XMAS"), QStringLiteral("Holly"),
      QStringLiteral("2001"), QStringLiteral("0")},
     [](CardRoundTrip&, PhotoManager&, PictureObjects& objects) {
         addText(objects, 1, {QStringLiteral("Merry") + lineEnd, QStringLiteral("Christmas")},
                 {QStringLiteral("Liberation Serif"), 9.75f, false, true}, 0x0000FF, 3, true, 12);
         addText(objects, 2, {QStringLiteral("to all")},
                 {QStringLiteral("Comic Neue"), 36.5f, true, false}, 0xFF00, 0, false, 28);
         addText(objects, 3,
                 {QStringLiteral("a, b = c;") + lineEnd, QString(), QStringLiteral("[x]")},
                 {QStringLiteral("Liberation Mono"), 8.25f, true, true}, 0xABCDEF, 6, true, 8.5f);
         addText(objects, 4, {QStringLiteral("  padded  ") + lineEnd},
                 {QStringLiteral("DejaVu Sans"), 1000.0f, false, false}, 0xFFFFFF, 3, false, 3);
     }},
    {"TextBeyondWindows1252",
     {QStringLiteral("Birthday"), QStringLiteral("BDAY"), QStringLiteral("Balloons"),
      QStringLiteral("1001"), QStringLiteral("1")},
     [](CardRoundTrip&, PhotoManager&, PictureObjects& objects) {
         addText(objects, 1,
                 {QStringLiteral("F\u00EAte \u20AC") + lineEnd,
                  QStringLiteral("\u65E5\u672C\u8A9E \u2713 \U0001F382"),
                  QStringLiteral("\u0416\u0438\u0432\u0438")},
                 {QStringLiteral("DejaVu Sans"), 14.0f, false, false}, 0x336699, 0, true, 14);
     }},
    {"ManyObjects",
     {QStringLiteral("Birthday"), QStringLiteral("BDAY"), QStringLiteral("Balloons"),
      QStringLiteral("1001"), QStringLiteral("3")},
     [](CardRoundTrip& test, PhotoManager& photo, PictureObjects& objects) {
         photo.PhotoInProcess = test.photoFile();
         photo.ZoomFactor = 1;
         for (qint16 index = 1; index <= 60; ++index) {
             if (index % 3 == 0) {
                 addText(objects, index, {QStringLiteral("line %1").arg(index)},
                         {QStringLiteral("Liberation Sans"), 10.0f + index / 4.0f, index % 2 == 0,
                          false},
                         index * 4000, static_cast<qint16>(index % 9 / 3 * 3), index % 2 == 1, 11,
                         index * 100, index * 90);
             } else {
                 addArt(objects, index,
                        test.artPath(index % 2 ? "\\Birthday\\Balloons\\cake"
                                               : "\\Birthday\\Balloons\\hat"),
                        index * 150, index * 100);
             }
         }
     }},
};

void expectSameObject(const PictureObject& read, const PictureObject& written) {
    EXPECT_EQ(read.PictureType, written.PictureType);
    EXPECT_EQ(read.Left, written.Left);
    EXPECT_EQ(read.Top, written.Top);
    EXPECT_EQ(read.Width, written.Width);
    EXPECT_EQ(read.Height, written.Height);
    EXPECT_EQ(read.BitmapLeft, written.BitmapLeft);
    EXPECT_EQ(read.BitmapTop, written.BitmapTop);
    EXPECT_EQ(read.BitmapWidth, written.BitmapWidth);
    EXPECT_EQ(read.BitmapHeight, written.BitmapHeight);
    EXPECT_EQ(read.LineHeight, written.LineHeight);
    EXPECT_EQ(read.Source, written.Source);
    if (written.PictureType == PictureObject::TextObject) {
        EXPECT_EQ(read.Text->toList(), written.Text->toList());
        EXPECT_EQ(read.Color, written.Color);
        EXPECT_EQ(read.Align, written.Align);
        EXPECT_EQ(read.WordWrap, written.WordWrap);
        EXPECT_EQ(*read.Font, *written.Font);
        EXPECT_EQ(read.ApparentFontSize, written.ApparentFontSize);
    }
}

TEST_P(CardRoundTrip, ReadsBackWhatWasWritten) {
    const CardCase& card = GetParam();
    PhotoManager photo;
    PictureObjects objects;
    card.compose(*this, photo, objects);
    const QString path = env.path(QStringLiteral("roundtrip.ocd"));
    QString error;
    ASSERT_TRUE(WriteCardFile(path, card.selection, photo, objects, graphics(), &error))
        << error.toStdString();

    App().CurrentCardFile = path;
    ASSERT_EQ(ReadCardHeader(), CardProblem::None);
    bool discrepancy = true;
    ASSERT_TRUE(ReadCardObjects(&discrepancy));
    EXPECT_FALSE(discrepancy);
    ASSERT_TRUE(ReadCardPhoto(&discrepancy));
    EXPECT_FALSE(discrepancy);
    EXPECT_TRUE(env.dialogs.asked.empty());
    EXPECT_TRUE(Model().dataManager->SavedSinceChange());

    DataManager& catalogue = *Model().dataManager;
    EXPECT_EQ(catalogue.CurrentOccasionID(), card.selection.occasionID);
    EXPECT_EQ(catalogue.CurrentStyleID(), card.selection.styleID);
    EXPECT_EQ(QString::number(catalogue.TheTemplate()), card.selection.templateNumber);

    const PhotoManager& readPhoto = *Model().photoManager;
    EXPECT_EQ(readPhoto.PhotoInProcess, photo.PhotoInProcess);
    if (!photo.PhotoInProcess.isEmpty()) {
        EXPECT_EQ(readPhoto.Brightness, photo.Brightness);
        EXPECT_EQ(readPhoto.Contrast, photo.Contrast);
        EXPECT_EQ(readPhoto.RotationFactor, photo.RotationFactor);
        EXPECT_EQ(readPhoto.ZoomFactor, photo.ZoomFactor);
        EXPECT_EQ(readPhoto.ViewableBitmapLeft, photo.ViewableBitmapLeft);
        EXPECT_EQ(readPhoto.ViewableBitmapTop, photo.ViewableBitmapTop);
    }

    const PictureObjects& read = *Model().pictureObjects;
    ASSERT_EQ(read.Count(), objects.Count());
    for (int position = 1; position <= objects.Count(); ++position) {
        SCOPED_TRACE(position);
        EXPECT_EQ(read.Item(position)->Index, position - 1);
        expectSameObject(*read.Item(position), *objects.Item(position));
    }

    // Written again, the card is the same file.
    const QByteArray first = readAll(path);
    const QString again = env.path(QStringLiteral("again.ocd"));
    ASSERT_TRUE(WriteCardFile(again, CardSelection::FromCatalogue(catalogue), readPhoto, read,
                              graphics(), &error));
    EXPECT_EQ(readAll(again), first);
}

INSTANTIATE_TEST_SUITE_P(Cards, CardRoundTrip, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<CardCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
