#include "tests/common/TestSupport.h"
#include "tools/disc-builder/art/ArtCatalogue.h"
#include "tools/disc-builder/art/CardLayout.h"
#include "tools/disc-builder/art/ClipArtImages.h"
#include "tools/disc-builder/art/DiscArtwork.h"
#include "tools/disc-builder/art/FramePainter.h"
#include "tools/disc-builder/art/PictureFiles.h"
#include "tools/disc-builder/art/Subjects.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QString nativeUnder(const QString& folder, const QString& cataloguePath) {
    QString relative = cataloguePath;
    relative.replace('\\', '/');
    return QDir(folder).filePath(relative.mid(1));
}

// The colour depth written in a BMP file's header.
int bitsPerPixel(const QString& bmpPath) {
    QFile file(bmpPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray header = file.read(30);
    return header.size() < 30 ? 0 : uchar(header[28]) | uchar(header[29]) << 8;
}

// The rectangle of the black pixels, and how many there are.
struct BlackArea {
    QRect bounds;
    qint64 count = 0;
    bool onlyBlackAndWhite = true;
};

BlackArea blackArea(const QImage& mask) {
    BlackArea area;
    const QImage rgb = mask.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb pixel = row[x] & 0xffffff;
            if (pixel == 0) {
                area.bounds |= QRect(x, y, 1, 1);
                ++area.count;
            } else if (pixel != 0xffffff) {
                area.onlyBlackAndWhite = false;
            }
        }
    }
    return area;
}

FrameTheme plainTheme(HoleShape shape) {
    FrameTheme theme;
    theme.palette = {QColor(230, 240, 255), QColor(255, 250, 240), QColor(220, 60, 80),
                     QColor(60, 140, 220),  QColor(250, 200, 50),  QColor(255, 250, 235),
                     QColor(240, 246, 255)};
    theme.landscapeHoles[0] = theme.landscapeHoles[1] = shape;
    theme.portraitHoles[0] = theme.portraitHoles[1] = shape;
    theme.motifs = {{"balloon", Qt::red}};
    return theme;
}

struct LayoutCase {
    const char* code;
    QSize screen;
    QSize print;
    QRect screenHole; // the hole of the layout table divided by 15, rounded inwards
};

class LayoutGeometry : public testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutGeometry, SizesAndHoleFollowTheLayoutTable) {
    const LayoutCase& expected = GetParam();
    const CardLayout layout = CardLayout::forCode(expected.code);
    EXPECT_EQ(layout.screenSize, expected.screen);
    EXPECT_EQ(layout.printSize, expected.print);
    EXPECT_EQ(layout.holePixels(layout.screenSize), expected.screenHole);
    EXPECT_EQ(layout.hasHole(), !expected.screenHole.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Artwork, LayoutGeometry,
    testing::Values(LayoutCase{"F1", {465, 233}, {2100, 1050}, QRect(49, 45, 214, 135)},
                    LayoutCase{"F2", {465, 233}, {2100, 1050}, QRect(44, 39, 155, 145)},
                    LayoutCase{"F3", {465, 233}, {2100, 1050}, QRect()},
                    LayoutCase{"F5", {167, 340}, {1050, 2100}, QRect(35, 35, 98, 155)},
                    LayoutCase{"F6", {167, 340}, {1050, 2100}, QRect(30, 31, 107, 116)},
                    LayoutCase{"F7", {167, 340}, {1050, 2100}, QRect()}));

struct HoleCase {
    const char* code;
    HoleShape shape;
};

class FrameHole : public testing::TestWithParam<HoleCase> {};

// The photo is composed into the black pixels of the mask, and the editor and the print place
// it by the layout table's hole: the black region must lie in that hole and fill most of it.
TEST_P(FrameHole, MaskIsBlackOnlyInsideTheHoleAndFillsMostOfIt) {
    const CardLayout layout = CardLayout::forCode(GetParam().code);
    const FramePainter painter(layout, plainTheme(GetParam().shape), 7);
    for (const QSize& size : {layout.screenSize, layout.printSize}) {
        const QImage mask = painter.mask(size);
        ASSERT_EQ(mask.size(), size);
        const BlackArea black = blackArea(mask);
        const QRect hole = layout.holePixels(size);
        EXPECT_TRUE(black.onlyBlackAndWhite);
        EXPECT_TRUE(hole.contains(black.bounds)) << size.width();
        EXPECT_GT(double(black.count) / (qint64(hole.width()) * hole.height()), 0.6)
            << size.width();
        EXPECT_GT(black.bounds.width(), hole.width() * 0.9);
        EXPECT_GT(black.bounds.height(), hole.height() * 0.9);
    }
}

TEST_P(FrameHole, PictureIsSoftInsideTheHole) {
    const CardLayout layout = CardLayout::forCode(GetParam().code);
    const FramePainter painter(layout, plainTheme(GetParam().shape), 7);
    const QImage picture = painter.picture(layout.screenSize);
    ASSERT_EQ(picture.size(), layout.screenSize);
    const QImage mask = painter.mask(layout.screenSize);
    for (int y = 2; y < picture.height() - 2; y += 3) {
        for (int x = 2; x < picture.width() - 2; x += 3) {
            // The rim of the hole lies under the mount's line; the photo covers it anyway.
            const bool inside =
                qGray(mask.pixel(x, y)) == 0 && qGray(mask.pixel(x - 2, y - 2)) == 0 &&
                qGray(mask.pixel(x + 2, y + 2)) == 0 && qGray(mask.pixel(x - 2, y + 2)) == 0 &&
                qGray(mask.pixel(x + 2, y - 2)) == 0;
            if (inside) {
                ASSERT_GT(QColor(picture.pixel(x, y)).lightness(), 200) << x << "," << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Artwork, FrameHole,
    testing::Values(HoleCase{"F1", HoleShape::Rounded}, HoleCase{"F1", HoleShape::Oval},
                    HoleCase{"F1", HoleShape::Heart}, HoleCase{"F1", HoleShape::Arch},
                    HoleCase{"F2", HoleShape::Scalloped}, HoleCase{"F2", HoleShape::Ticket},
                    HoleCase{"F2", HoleShape::Heart}, HoleCase{"F5", HoleShape::Arch},
                    HoleCase{"F5", HoleShape::Scalloped}, HoleCase{"F6", HoleShape::Heart},
                    HoleCase{"F6", HoleShape::Oval}, HoleCase{"F6", HoleShape::Ticket}));

TEST(Artwork, BlankCardsHaveAnAllWhiteMask) {
    for (const char* code : {"F3", "F7"}) {
        const CardLayout layout = CardLayout::forCode(code);
        const FramePainter painter(layout, plainTheme(HoleShape::Oval), 3);
        EXPECT_TRUE(painter.holePath().isEmpty());
        for (const QSize& size : {layout.screenSize, layout.printSize}) {
            const BlackArea black = blackArea(painter.mask(size));
            EXPECT_EQ(black.count, 0) << code;
            EXPECT_TRUE(black.onlyBlackAndWhite);
        }
    }
}

// Masks are written run-length compressed; the program reads them back with Qt's BMP reader.
TEST(Artwork, MaskFilesReadBackPixelForPixel) {
    TestEnvironment env;
    QImage mask(613, 7, QImage::Format_Grayscale8);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const bool black = (x > 100 && x < 420 && y > 1) || x == 0 || (x % 97 == 3 && y == 5);
            mask.setPixel(x, y, black ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    mask.setPixel(612, 0, qRgb(100, 100, 100)); // darker than middle grey counts as black
    mask.setPixel(611, 0, qRgb(200, 200, 200));
    const QString path = env.path("sub/maskm.bmp");
    ASSERT_TRUE(PictureFiles::saveMask(mask, path));
    const QImage read(path);
    ASSERT_EQ(read.size(), mask.size());
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb expected =
                qGray(mask.pixel(x, y)) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            ASSERT_EQ(read.pixel(x, y), expected) << x << "," << y;
        }
    }
    EXPECT_LT(QFileInfo(path).size(), mask.width() * mask.height() / 8);
}

TEST(Artwork, MaskCannotBeWrittenWhereNoFolderCanBeMade) {
    TestEnvironment env;
    const QString blocker = env.writeFile("blocker", "a file, not a folder");
    QImage mask(10, 10, QImage::Format_Grayscale8);
    mask.fill(0);
    EXPECT_FALSE(PictureFiles::saveMask(mask, blocker + "/maskm.bmp"));
}

TEST(Artwork, ClipArtIsCroppedMaskedAndKeepsWhiteOutOfTheArt) {
    QImage art(360, 360, QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    {
        QPainter painter(&art);
        painter.fillRect(QRect(100, 120, 160, 90), QColor(220, 40, 60));
        painter.fillRect(QRect(150, 150, 60, 30), Qt::white);
    }
    const ClipArtImages images = ClipArtImages::fromPrintArt(art);
    // Cropped to the art with a margin of about one screen pixel.
    EXPECT_EQ(images.print.size(), QSize(170, 100));
    EXPECT_EQ(images.mask.size(), images.print.size());
    EXPECT_EQ(images.screen.size(), QSize(38, 22));

    EXPECT_EQ(qGray(images.mask.pixel(2, 2)), 255);
    EXPECT_EQ(qGray(images.mask.pixel(20, 20)), 0);
    EXPECT_EQ(qGray(images.mask.pixel(85, 50)), 0); // white inside the art is still solid art
    EXPECT_EQ(images.print.pixel(1, 1) & 0xffffff, 0xffffffu);

    EXPECT_EQ(images.screen.pixel(0, 0) & 0xffffff, 0xffffffu);
    for (int y = 2; y < images.screen.height() - 2; ++y) {
        for (int x = 2; x < images.screen.width() - 2; ++x) {
            ASSERT_NE(images.screen.pixel(x, y) & 0xffffff, 0xffffffu) << x << "," << y;
        }
    }
}

// Every subject draws something recognisable-sized and stays inside its 100 x 100 box, so
// that nothing of it is cut off on the clip-art canvas.
TEST(Artwork, EverySubjectPaintsInsideItsBox) {
    constexpr int kMargin = 30;
    constexpr double kScale = 2.0;
    for (const QString& name : Subjects::names()) {
        QImage canvas(int(100 * kScale) + 2 * kMargin, int(100 * kScale) + 2 * kMargin,
                      QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        painter.translate(kMargin, kMargin);
        painter.scale(kScale, kScale);
        ASSERT_TRUE(Subjects::paint(painter, name, QColor(200, 80, 120)));
        painter.end();
        QRect ink;
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                if (qAlpha(canvas.pixel(x, y)) > 40) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        const QRect box(kMargin - 8, kMargin - 8, int(100 * kScale) + 16, int(100 * kScale) + 16);
        EXPECT_TRUE(box.contains(ink)) << name.toStdString() << " reaches " << ink.left() << ","
                                       << ink.top() << " to " << ink.right() << "," << ink.bottom();
        EXPECT_GT(qMax(ink.width(), ink.height()), 70 * kScale) << name.toStdString();
    }
    QImage scratch(10, 10, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    EXPECT_FALSE(Subjects::paint(painter, "noSuchSubject", Qt::red));
}

TEST(Artwork, CatalogueOffersWhatTheProductPromises) {
    const QVector<OccasionPlan> occasions = ArtCatalogue::occasions();
    const QVector<StylePlan> styles = ArtCatalogue::styles();
    EXPECT_EQ(occasions.size(), 12);
    const QRegularExpression columnName("^[A-Z][A-Z0-9]{1,9}$");
    const QRegularExpression folderName("^[A-Za-z0-9]+(\\\\[A-Za-z0-9]+)*$");
    const QRegularExpression stemName("^[a-z0-9]+$");
    QSet<QString> occasionIds;
    for (const OccasionPlan& occasion : occasions) {
        EXPECT_TRUE(columnName.match(occasion.id).hasMatch()) << occasion.id.toStdString();
        EXPECT_TRUE(folderName.match(occasion.folder).hasMatch());
        occasionIds << occasion.id;
        int stylesOfOccasion = 0;
        int sentiments = 0;
        for (const StylePlan& style : styles) {
            stylesOfOccasion += style.occasionIds.contains(occasion.id);
        }
        for (const SentimentPlan& sentiment : ArtCatalogue::sentiments()) {
            sentiments += sentiment.occasionId == occasion.id;
        }
        EXPECT_GE(stylesOfOccasion, 2) << occasion.id.toStdString();
        EXPECT_GE(sentiments, 1) << occasion.id.toStdString();
    }

    int mostStyles = 0;
    for (const QString& id : occasionIds) {
        int count = 0;
        for (const StylePlan& style : styles) {
            count += style.occasionIds.contains(id);
        }
        mostStyles = qMax(mostStyles, count);
    }
    EXPECT_GT(mostStyles, 8); // the style list needs its second page

    QFont bold("Comic Neue");
    bold.setPointSize(10);
    bold.setBold(true);
    const QFontMetricsF metrics(bold);
    int mostArt = 0;
    bool someNameWraps = false;
    QSet<QString> codes;
    QSet<QString> ids;
    for (const StylePlan& style : styles) {
        EXPECT_TRUE(folderName.match(style.folder).hasMatch()) << style.folder.toStdString();
        EXPECT_FALSE(codes.contains(style.code));
        EXPECT_FALSE(ids.contains(style.id));
        codes << style.code;
        ids << style.id;
        EXPECT_GE(style.art.size(), 5) << style.name.toStdString();
        mostArt = qMax(mostArt, int(style.art.size()));
        someNameWraps = someNameWraps || metrics.horizontalAdvance(style.name) * 15 > 1650;
        QSet<QString> stems;
        for (const ArtPlan& art : style.art) {
            EXPECT_TRUE(stemName.match(art.name).hasMatch()) << art.name.toStdString();
            EXPECT_FALSE(stems.contains(art.name)) << art.name.toStdString();
            stems << art.name;
            EXPECT_TRUE(Subjects::exists(art.subject)) << art.subject.toStdString();
            for (const QString& id : art.occasionIds) {
                EXPECT_TRUE(style.occasionIds.contains(id)) << art.name.toStdString();
            }
        }
        for (const Motif& motif : style.theme.motifs) {
            EXPECT_TRUE(Subjects::exists(motif.subject)) << motif.subject.toStdString();
        }
        for (const QString& id : style.occasionIds) {
            EXPECT_TRUE(occasionIds.contains(id)) << id.toStdString();
        }
    }
    EXPECT_GT(mostArt, 12);
    EXPECT_TRUE(someNameWraps);
    EXPECT_FALSE(ids.contains(ArtCatalogue::kSentimentStyleId));
    EXPECT_FALSE(ArtCatalogue::greetings().isEmpty());
}

TEST(Artwork, NoRowsWhenTheGraphicsFolderCannotBeMade) {
    TestEnvironment env;
    const QString blocker = env.writeFile("blocker", "a file, not a folder");
    const DiscRows rows = PaintGraphics(blocker + "/Graphics");
    EXPECT_TRUE(rows.occasions.isEmpty());
    EXPECT_TRUE(rows.styles.isEmpty());
    EXPECT_TRUE(rows.frames.isEmpty());
    EXPECT_TRUE(rows.art.isEmpty());
}

// The whole disc painted once: every row names files that exist with the right sizes, the
// sentiment rules hold, and the test pattern is there.
TEST(Artwork, PaintedGraphicsMatchTheirRows) {
    TestEnvironment env;
    const QString graphics = env.path("Graphics");
    const DiscRows rows = PaintGraphics(graphics);
    ASSERT_EQ(rows.occasions.size(), 12);

    QStringList allOccasions;
    for (const OccasionRow& occasion : rows.occasions) {
        allOccasions << occasion.id;
    }
    QSet<QString> frameIds;
    for (const StyleRow& style : rows.styles) {
        QVector<FrameRow> frames;
        for (const FrameRow& frame : rows.frames) {
            if (frame.styleId == style.id) {
                frames << frame;
            }
        }
        if (!style.visible) {
            EXPECT_TRUE(frames.isEmpty()) << style.id.toStdString();
            continue;
        }
        ASSERT_EQ(frames.size(), 6) << style.name.toStdString();
        for (int i = 0; i < 6; ++i) {
            const FrameRow& frame = frames[i];
            const CardLayout layout = CardLayout::forCode(CardLayout::codes()[i]);
            EXPECT_TRUE(frame.id.startsWith(layout.code)) << frame.id.toStdString();
            EXPECT_FALSE(frameIds.contains(frame.id));
            frameIds << frame.id;
            ASSERT_TRUE(frame.path.startsWith('\\') && frame.path.endsWith("s.bmp"));
            const QString screen = nativeUnder(graphics, frame.path);
            const QString base = screen.left(screen.size() - 5);
            EXPECT_EQ(QImage(screen).size(), layout.screenSize) << frame.path.toStdString();
            EXPECT_EQ(bitsPerPixel(screen), 24) << frame.path.toStdString();
            const QImage screenMask(base + "t.bmp");
            const QImage printMask(base + "m.bmp");
            EXPECT_EQ(screenMask.size(), layout.screenSize);
            EXPECT_EQ(QImage(base + "b.jpg").size(), layout.printSize);
            EXPECT_EQ(printMask.size(), layout.printSize);
            const BlackArea black = blackArea(screenMask);
            EXPECT_EQ(black.count > 0, layout.hasHole()) << frame.path.toStdString();
            if (layout.hasHole()) {
                EXPECT_TRUE(layout.holePixels(layout.screenSize).contains(black.bounds));
                EXPECT_TRUE(
                    layout.holePixels(layout.printSize).contains(blackArea(printMask).bounds));
            }
        }
    }

    const StyleRow* sentimentStyle = nullptr;
    for (const StyleRow& style : rows.styles) {
        if (style.id == ArtCatalogue::kSentimentStyleId) {
            sentimentStyle = &style;
        }
    }
    ASSERT_NE(sentimentStyle, nullptr);
    EXPECT_FALSE(sentimentStyle->visible);
    EXPECT_EQ(sentimentStyle->occasionIds, allOccasions);

    QSet<QString> occasionsWithSentiments;
    for (const ArtRow& art : rows.art) {
        const QString stem = nativeUnder(graphics, art.stem);
        const QImage screen(stem + "s.bmp");
        const QImage print(stem + "b.jpg");
        ASSERT_FALSE(screen.isNull()) << art.stem.toStdString();
        EXPECT_EQ(QImage(stem + "m.bmp").size(), print.size()) << art.stem.toStdString();
        EXPECT_NEAR(print.width() / double(screen.width()), 4.5, 0.3) << art.stem.toStdString();
        const bool general = art.stem.contains("\\4010\\");
        const bool sentiment = art.stem.toUpper().contains("\\SNTIMNT") && !general;
        EXPECT_EQ(general, art.styleId == ArtCatalogue::kSentimentStyleId);
        if (general) {
            EXPECT_EQ(art.occasionIds, allOccasions);
        } else if (sentiment) {
            ASSERT_EQ(art.occasionIds.size(), 1) << art.stem.toStdString();
            occasionsWithSentiments << art.occasionIds.first();
            EXPECT_GE(screen.width(), 60);
        } else {
            EXPECT_GE(qMax(screen.width(), screen.height()), 40) << art.stem.toStdString();
            EXPECT_LE(qMax(screen.width(), screen.height()), 90) << art.stem.toStdString();
        }
    }
    EXPECT_EQ(occasionsWithSentiments.size(), 12);
    EXPECT_EQ(QImage(QDir(graphics).filePath("xpicture.jpg")).size(), QSize(2100, 1050));
}

} // namespace
