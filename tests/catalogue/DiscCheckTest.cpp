#include "tools/disc-builder/DiscCheck.h"
#include "tests/common/TestSupport.h"
#include "tools/disc-builder/CatalogueWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct FrameLayout {
    QString code;
    QSize screen;
    QSize print;
    QRect holeTwips; // null for a blank card
    QSize cardTwips;
};

const FrameLayout frameLayouts[] = {
    {"F1", {465, 233}, {2100, 1050}, {735, 675, 3210, 2030}, {6975, 3495}},
    {"F2", {465, 233}, {2100, 1050}, {660, 585, 2325, 2175}, {6975, 3495}},
    {"F3", {465, 233}, {2100, 1050}, {}, {6975, 3495}},
    {"F5", {167, 340}, {1050, 2100}, {525, 525, 1470, 2325}, {2500, 5100}},
    {"F6", {167, 340}, {1050, 2100}, {450, 465, 1605, 1740}, {2500, 5100}},
    {"F7", {167, 340}, {1050, 2100}, {}, {2500, 5100}},
};

// A mask of the given size, black in the hole scaled from twips and shrunk by a small margin.
QImage maskImage(const QSize& size, const FrameLayout& layout, QPoint shift = {}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!layout.holeTwips.isNull()) {
        const double sx = double(size.width()) / layout.cardTwips.width();
        const double sy = double(size.height()) / layout.cardTwips.height();
        const QRectF hole(layout.holeTwips.x() * sx, layout.holeTwips.y() * sy,
                          layout.holeTwips.width() * sx, layout.holeTwips.height() * sy);
        QPainter painter(&image);
        painter.fillRect(hole.toAlignedRect().adjusted(2, 2, -2, -2).translated(shift), Qt::black);
    }
    return image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
}

QImage picture(const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 120, 60));
    return image;
}

// A disc with two styles that share one set of six frames, art with a sentiment, and the
// test pattern; each case changes it in one way.
class DiscCheckTest : public ::testing::Test {
public:
    void SetUp() override {
        rows = DiscRows{};
        root = env.path(QStringLiteral("disc"));
        graphics = root + QStringLiteral("/Graphics");
        QDir().mkpath(graphics + QStringLiteral("/Frames"));
        QDir().mkpath(graphics + QStringLiteral("/Art"));
        for (const FrameLayout& layout : frameLayouts) {
            const QString base = graphics + QStringLiteral("/Frames/") + layout.code;
            ASSERT_TRUE(picture(layout.screen).save(base + QStringLiteral("s.bmp")));
            ASSERT_TRUE(picture(layout.print).save(base + QStringLiteral("b.jpg")));
            ASSERT_TRUE(maskImage(layout.screen, layout).save(base + QStringLiteral("t.bmp")));
            ASSERT_TRUE(maskImage(layout.print, layout).save(base + QStringLiteral("m.bmp")));
        }
        for (const QString& stem : QStringList{"Art/cake", "Art/SNTIMNT/wishes"}) {
            const QString base = graphics + QLatin1Char('/') + stem;
            QDir().mkpath(QFileInfo(base).absolutePath());
            ASSERT_TRUE(picture({40, 30}).save(base + QStringLiteral("s.bmp")));
            ASSERT_TRUE(picture({160, 120}).save(base + QStringLiteral("b.jpg")));
            ASSERT_TRUE(picture({160, 120}).save(base + QStringLiteral("m.bmp")));
        }
        ASSERT_TRUE(picture({300, 300}).save(graphics + QStringLiteral("/xpicture.jpg")));

        rows.occasions = {{"Birthday", "Birthday"}};
        rows.styles = {{"S1", "One", true, {"Birthday"}},
                       {"S2", "Two", true, {"Birthday"}},
                       {"4010", "Sentiments", true, {}}};
        for (const QString& style : QStringList{"S1", "S2"}) {
            for (const FrameLayout& layout : frameLayouts) {
                rows.frames.append(
                    {layout.code + style, style,
                     QStringLiteral("\\Frames\\") + layout.code + QStringLiteral("s.bmp")});
            }
        }
        rows.art = {{"S1", "\\Art\\cake", {"Birthday"}}, {"4010", "\\Art\\SNTIMNT\\wishes", {}}};
    }

    QStringList check() {
        const QString catalogue = env.path(QStringLiteral("Tessaly.db"));
        QString error;
        if (!WriteCatalogue(catalogue, rows, &error)) {
            return {QStringLiteral("catalogue not written: ") + error};
        }
        return CheckDisc(root, catalogue);
    }

    TestEnvironment env;
    QString root;
    QString graphics;
    DiscRows rows;
};

TEST_F(DiscCheckTest, ASoundDiscHasNoProblems) {
    const QStringList problems = check();
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

TEST_F(DiscCheckTest, FindsEachKindOfFault) {
    struct Case {
        const char* fault;
        std::function<void(DiscCheckTest&)> spoil;
        const char* reported;
    };
    const FrameLayout& f1 = frameLayouts[0];
    const FrameLayout& f5 = frameLayouts[3];
    const Case cases[] = {
        {"missing print mask",
         [](DiscCheckTest& t) { QFile::remove(t.graphics + QStringLiteral("/Frames/F2m.bmp")); },
         "F2m.bmp is missing"},
        {"missing art print picture",
         [](DiscCheckTest& t) { QFile::remove(t.graphics + QStringLiteral("/Art/cakeb.jpg")); },
         "cakeb.jpg is missing"},
        {"frames out of order",
         [](DiscCheckTest& t) { std::swap(t.rows.frames[0], t.rows.frames[1]); },
         "Style S1 has the frames F2 F1"},
        {"five frames", [](DiscCheckTest& t) { t.rows.frames.removeAt(11); },
         "Style S2 has the frames"},
        {"portrait picture of the wrong size",
         [](DiscCheckTest& t) {
             picture({170, 340}).save(t.graphics + QStringLiteral("/Frames/F5s.bmp"));
         },
         "screen picture is 170x340"},
        {"print picture of the wrong size",
         [](DiscCheckTest& t) {
             picture({2000, 1050}).save(t.graphics + QStringLiteral("/Frames/F1b.jpg"));
         },
         "print picture is 2000x1050"},
        {"screen hole leaving the layout's hole",
         [f1](DiscCheckTest& t) {
             maskImage(f1.screen, f1, {20, 0}).save(t.graphics + QStringLiteral("/Frames/F1t.bmp"));
         },
         "F1S1 screen mask: the hole"},
        {"print hole elsewhere than the screen hole",
         [f5](DiscCheckTest& t) {
             maskImage(f5.print, f5, {0, 40}).save(t.graphics + QStringLiteral("/Frames/F5m.bmp"));
         },
         "is not the screen mask's hole"},
        {"small hole",
         [f1](DiscCheckTest& t) {
             QImage mask(f1.screen, QImage::Format_RGB32);
             mask.fill(Qt::white);
             QPainter(&mask).fillRect(QRect(100, 100, 20, 20), Qt::black);
             mask.save(t.graphics + QStringLiteral("/Frames/F1t.bmp"));
         },
         "fills too little"},
        {"blank card with a hole",
         [f1](DiscCheckTest& t) {
             maskImage(f1.screen, f1).save(t.graphics + QStringLiteral("/Frames/F3t.bmp"));
         },
         "a blank card's masks must have no black"},
        {"occasion with one style", [](DiscCheckTest& t) { t.rows.styles[1].visible = false; },
         "Occasion Birthday offers 1 styles"},
        {"no sentiment", [](DiscCheckTest& t) { t.rows.art.removeLast(); },
         "Occasion Birthday has no sentiments"},
        {"no sentiment style",
         [](DiscCheckTest& t) { t.rows.styles[2].id = QStringLiteral("4011"); },
         "sentiment style 4010 is missing"},
        {"no test pattern",
         [](DiscCheckTest& t) { QFile::remove(t.graphics + QStringLiteral("/xpicture.jpg")); },
         "xpicture.jpg is missing"},
        {"forward slashes",
         [](DiscCheckTest& t) { t.rows.art[0].stem = QStringLiteral("/Art/cake"); },
         "must start with"},
    };
    for (const Case& c : cases) {
        SetUp();
        c.spoil(*this);
        const QStringList problems = check();
        const QString all = problems.join(QLatin1Char('\n'));
        EXPECT_TRUE(all.contains(QString::fromUtf8(c.reported))) << c.fault << ":\n"
                                                                 << all.toStdString();
    }
}

} // namespace
