#include "tools/disc-builder/art/DiscArtwork.h"

#include "tools/disc-builder/art/ArtCatalogue.h"
#include "tools/disc-builder/art/CardLayout.h"
#include "tools/disc-builder/art/ClipArtImages.h"
#include "tools/disc-builder/art/FramePainter.h"
#include "tools/disc-builder/art/GreetingPainter.h"
#include "tools/disc-builder/art/PictureFiles.h"
#include "tools/disc-builder/art/Subjects.h"
#include "tools/disc-builder/art/TestPattern.h"

#include <QDir>
#include <QFontDatabase>
#include <QPainter>
#include <atomic>
#include <functional>
#include <thread>

namespace {

using Job = std::function<bool()>;

// Print canvas for one subject: its 100-unit box at 3.6 print pixels per unit, which makes
// the screen picture about 80 pixels on its long side, and room around the box for a stroke
// or shadow that reaches a little past it.
constexpr double kPrintPixelsPerUnit = 3.6;
constexpr double kCanvasMarginUnits = 6;

const QString kFontFolder = "/usr/share/fonts/opentype/comic-neue/";

// The hidden styles that hold each occasion's sentiments are numbered from here.
constexpr int kFirstSentimentStyle = 4101;

void loadFonts() {
    for (const char* file : {"ComicNeue-Regular.otf", "ComicNeue-Bold.otf"}) {
        QFontDatabase::addApplicationFont(kFontFolder + file);
    }
}

QString catalogPath(const QString& folder, const QString& name) {
    return "\\" + folder + "\\" + name;
}

QString diskPath(const QString& graphicsFolder, const QString& catalogueRelative) {
    QString relative = catalogueRelative;
    relative.replace('\\', '/');
    return QDir(graphicsFolder).filePath(relative.mid(1));
}

bool paintFrame(const CardLayout& layout, const FrameTheme& theme, int seed,
                const QString& screenPath) {
    const FramePainter painter(layout, theme, seed);
    const QString base = screenPath.left(screenPath.size() - 5);
    return PictureFiles::saveScreenPicture(painter.picture(layout.screenSize), screenPath) &&
           PictureFiles::saveMask(painter.mask(layout.screenSize), base + "t.bmp") &&
           PictureFiles::savePrintPicture(painter.picture(layout.printSize), base + "b.jpg") &&
           PictureFiles::saveMask(painter.mask(layout.printSize), base + "m.bmp");
}

bool paintSubject(const QString& subject, const QColor& tint, const QString& stemPath) {
    const int side = int((100 + 2 * kCanvasMarginUnits) * kPrintPixelsPerUnit);
    QImage art(side, side, QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    QPainter painter(&art);
    painter.scale(kPrintPixelsPerUnit, kPrintPixelsPerUnit);
    painter.translate(kCanvasMarginUnits, kCanvasMarginUnits);
    const bool known = Subjects::paint(painter, subject, tint);
    painter.end();
    return known && ClipArtImages::fromPrintArt(art).save(stemPath);
}

// Runs the jobs on this thread and a few more; true when every job succeeded.
bool runInParallel(const QVector<Job>& jobs) {
    std::atomic<int> next = 0;
    std::atomic<bool> allDone = true;
    auto work = [&] {
        for (int i = next++; i < jobs.size(); i = next++) {
            if (!jobs[i]()) {
                allDone = false;
            }
        }
    };
    const unsigned helpers = qBound(1u, std::thread::hardware_concurrency(), 4u) - 1;
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < helpers; ++i) {
        threads.emplace_back(work);
    }
    work();
    for (std::thread& thread : threads) {
        thread.join();
    }
    return allDone;
}

// What one paint of the disc collects: the rows, and the pictures still to be painted.
struct DiscPlan {
    QString graphicsFolder;
    DiscRows rows;
    QVector<Job> jobs;
    QStringList allOccasions;
};

void planOccasions(DiscPlan& plan) {
    for (const OccasionPlan& occasion : ArtCatalogue::occasions()) {
        plan.rows.occasions.append({occasion.id, occasion.name});
        plan.allOccasions << occasion.id;
    }
}

void planStyles(DiscPlan& plan) {
    int seed = 1;
    for (const StylePlan& style : ArtCatalogue::styles()) {
        plan.rows.styles.append({style.id, style.name, true, style.occasionIds});
        for (const QString& code : CardLayout::codes()) {
            const QString path = catalogPath(style.folder, code + style.code + "s.bmp");
            plan.rows.frames.append({code + style.code, style.id, path});
            const CardLayout layout = CardLayout::forCode(code);
            const QString file = diskPath(plan.graphicsFolder, path);
            const FrameTheme theme = style.theme;
            const int frameSeed = seed++;
            plan.jobs.append([layout, theme, frameSeed, file] {
                return paintFrame(layout, theme, frameSeed, file);
            });
        }
        for (const ArtPlan& art : style.art) {
            const QString stem = catalogPath(style.folder, art.name);
            plan.rows.art.append(
                {style.id, stem, art.occasionIds.isEmpty() ? style.occasionIds : art.occasionIds});
            const QString file = diskPath(plan.graphicsFolder, stem);
            plan.jobs.append([art, file] { return paintSubject(art.subject, art.tint, file); });
        }
    }
}

// Each occasion's sentiments belong to a hidden style of their own, so that they are offered
// with their occasion but never crowd a frame style's palette.
void planSentiments(DiscPlan& plan) {
    int styleNumber = kFirstSentimentStyle;
    for (const OccasionPlan& occasion : ArtCatalogue::occasions()) {
        const QString styleId = QString::number(styleNumber++);
        plan.rows.styles.append({styleId, occasion.name + " Sentiments", false, {occasion.id}});
        for (const SentimentPlan& sentiment : ArtCatalogue::sentiments()) {
            if (sentiment.occasionId != occasion.id) {
                continue;
            }
            const QString stem = catalogPath(occasion.folder + "\\SNTIMNT", sentiment.name);
            plan.rows.art.append({styleId, stem, {occasion.id}});
            const QString file = diskPath(plan.graphicsFolder, stem);
            plan.jobs.append([sentiment, file] {
                return ClipArtImages::fromPrintArt(
                           GreetingPainter::sentiment(sentiment.text, sentiment.ink, sentiment.glow,
                                                      sentiment.ornament))
                    .save(file);
            });
        }
    }
}

void planGreetings(DiscPlan& plan) {
    const QString styleId = ArtCatalogue::kSentimentStyleId;
    plan.rows.styles.append({styleId, "Sentiments", false, plan.allOccasions});
    for (const GreetingPlan& greeting : ArtCatalogue::greetings()) {
        const QString stem = catalogPath("SNTIMNT\\" + styleId, greeting.name);
        plan.rows.art.append({styleId, stem, plan.allOccasions});
        const QString file = diskPath(plan.graphicsFolder, stem);
        plan.jobs.append([greeting, file] {
            return ClipArtImages::fromPrintArt(
                       GreetingPainter::badge(greeting.text, greeting.badge, greeting.colour))
                .save(file);
        });
    }
}

} // namespace

DiscRows PaintGraphics(const QString& graphicsFolder) {
    if (!QDir().mkpath(graphicsFolder)) {
        return {};
    }
    // Fonts are registered before any painting thread starts.
    loadFonts();
    DiscPlan plan;
    plan.graphicsFolder = graphicsFolder;
    planOccasions(plan);
    planStyles(plan);
    planSentiments(plan);
    planGreetings(plan);
    const QString testPattern = QDir(graphicsFolder).filePath("xpicture.jpg");
    plan.jobs.append([testPattern] {
        return PictureFiles::savePrintPicture(TestPattern::paint(), testPattern);
    });
    if (!runInParallel(plan.jobs)) {
        return {};
    }
    return plan.rows;
}
