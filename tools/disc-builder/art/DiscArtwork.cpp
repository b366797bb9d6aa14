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
// the screen picture about 80 pixels on its long side.
constexpr int kSubjectCanvas = 360;

const QString kFontFolder = "/usr/share/fonts/opentype/comic-neue/";

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
    QImage art(kSubjectCanvas, kSubjectCanvas, QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    QPainter painter(&art);
    painter.scale(kSubjectCanvas / 100.0, kSubjectCanvas / 100.0);
    const bool known = Subjects::paint(painter, subject, tint);
    painter.end();
    return known && ClipArtImages::fromPrintArt(art).save(stemPath);
}

// Runs the jobs on a few threads while this thread first does its own work and then helps
// with the jobs; true when the own work and every job succeeded.
bool runInParallel(const QVector<Job>& jobs, const Job& ownWork) {
    std::atomic<int> next = 0;
    std::atomic<bool> allDone = true;
    auto work = [&] {
        for (int i = next++; i < jobs.size(); i = next++) {
            if (!jobs[i]()) {
                allDone = false;
            }
        }
    };
    const unsigned helpers = qBound(1u, std::thread::hardware_concurrency(), 4u);
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < helpers; ++i) {
        threads.emplace_back(work);
    }
    const bool ownDone = ownWork();
    work();
    for (std::thread& thread : threads) {
        thread.join();
    }
    return ownDone && allDone;
}

} // namespace

DiscRows PaintGraphics(const QString& graphicsFolder) {
    if (!QDir().mkpath(graphicsFolder)) {
        return {};
    }
    loadFonts();
    DiscRows rows;
    QVector<Job> pictureJobs;
    QStringList allOccasions;
    for (const OccasionSpec& occasion : ArtCatalogue::occasions()) {
        rows.occasions.append({occasion.id, occasion.name});
        allOccasions << occasion.id;
    }

    int seed = 1;
    for (const StyleSpec& style : ArtCatalogue::styles()) {
        rows.styles.append({style.id, style.name, true, style.occasionIds});
        for (const QString& code : CardLayout::codes()) {
            const QString path = catalogPath(style.folder, code + style.code + "s.bmp");
            rows.frames.append({code + style.code, style.id, path});
            const CardLayout layout = CardLayout::forCode(code);
            const QString file = diskPath(graphicsFolder, path);
            const FrameTheme theme = style.theme;
            const int frameSeed = seed++;
            pictureJobs.append([layout, theme, frameSeed, file] {
                return paintFrame(layout, theme, frameSeed, file);
            });
        }
        for (const ArtSpec& art : style.art) {
            const QString stem = catalogPath(style.folder, art.name);
            rows.art.append(
                {style.id, stem, art.occasionIds.isEmpty() ? style.occasionIds : art.occasionIds});
            const QString file = diskPath(graphicsFolder, stem);
            pictureJobs.append([art, file] { return paintSubject(art.subject, art.tint, file); });
        }
    }

    // Text is drawn on this thread only: fonts are safest where they were loaded.
    QVector<Job> textJobs;
    int sentimentStyle = 4101;
    for (const OccasionSpec& occasion : ArtCatalogue::occasions()) {
        const QString styleId = QString::number(sentimentStyle++);
        rows.styles.append({styleId, occasion.name + " Sentiments", false, {occasion.id}});
        for (const SentimentSpec& sentiment : ArtCatalogue::sentiments()) {
            if (sentiment.occasionId != occasion.id) {
                continue;
            }
            const QString stem = catalogPath(occasion.folder + "\\SNTIMNT", sentiment.name);
            rows.art.append({styleId, stem, {occasion.id}});
            const QString file = diskPath(graphicsFolder, stem);
            textJobs.append([sentiment, file] {
                return ClipArtImages::fromPrintArt(
                           GreetingPainter::sentiment(sentiment.text, sentiment.ink, sentiment.glow,
                                                      sentiment.ornament))
                    .save(file);
            });
        }
    }
    rows.styles.append({ArtCatalogue::kSentimentStyleId, "Sentiments", false, allOccasions});
    for (const GreetingSpec& greeting : ArtCatalogue::greetings()) {
        const QString stem =
            catalogPath("SNTIMNT\\" + ArtCatalogue::kSentimentStyleId, greeting.name);
        rows.art.append({ArtCatalogue::kSentimentStyleId, stem, allOccasions});
        const QString file = diskPath(graphicsFolder, stem);
        textJobs.append([greeting, file] {
            return ClipArtImages::fromPrintArt(
                       GreetingPainter::badge(greeting.text, greeting.badge, greeting.colour))
                .save(file);
        });
    }
    const QString testPattern = QDir(graphicsFolder).filePath("xpicture.jpg");
    textJobs.append([testPattern] {
        return PictureFiles::savePrintPicture(TestPattern::paint(), testPattern);
    });

    const Job ownWork = [&textJobs] {
        bool done = true;
        for (const Job& job : textJobs) {
            done = job() && done;
        }
        return done;
    };
    if (!runInParallel(pictureJobs, ownWork)) {
        return {};
    }
    return rows;
}
