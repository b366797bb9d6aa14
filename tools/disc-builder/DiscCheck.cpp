#include "tools/disc-builder/DiscCheck.h"

#include "catalogue/DataManager.h"

#include <QAtomicInt>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr qint64 discSizeLimit = 100LL * 1024 * 1024;
const QString sentimentStyleId = QStringLiteral("4010");

struct Layout {
    QString code;
    QSize cardTwips;
    QRect holeTwips; // null for blank cards
    QSize screenSize;
    QSize printSize;
};

// Frame-index order; the card areas and holes are the editor's, in twips.
const QVector<Layout>& layouts() {
    static const QVector<Layout> table = {
        {QStringLiteral("F1"), {6975, 3495}, {735, 675, 3210, 2030}, {465, 233}, {2100, 1050}},
        {QStringLiteral("F2"), {6975, 3495}, {660, 585, 2325, 2175}, {465, 233}, {2100, 1050}},
        {QStringLiteral("F3"), {6975, 3495}, {}, {465, 233}, {2100, 1050}},
        {QStringLiteral("F5"), {2500, 5100}, {525, 525, 1470, 2325}, {167, 340}, {1050, 2100}},
        {QStringLiteral("F6"), {2500, 5100}, {450, 465, 1605, 1740}, {167, 340}, {1050, 2100}},
        {QStringLiteral("F7"), {2500, 5100}, {}, {167, 340}, {1050, 2100}},
    };
    return table;
}

const Layout* layoutFor(const QString& frameId) {
    for (const Layout& layout : layouts()) {
        if (frameId.startsWith(layout.code)) {
            return &layout;
        }
    }
    return nullptr;
}

// The black pixels of a mask: how many, and their bounding box.
struct BlackRegion {
    qint64 count = 0;
    QRect bounds;
};

BlackRegion blackRegion(const QImage& mask) {
    const QImage image = mask.convertToFormat(QImage::Format_RGB32);
    BlackRegion region;
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0x00FFFFFFu) == 0) {
                ++region.count;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (region.count > 0) {
        region.bounds = QRect(QPoint(left, top), QPoint(right, bottom));
    }
    return region;
}

// The hole of the layout table in the pixels of an image of the given size.
QRectF holeIn(const Layout& layout, const QSize& imageSize) {
    const double sx = double(imageSize.width()) / layout.cardTwips.width();
    const double sy = double(imageSize.height()) / layout.cardTwips.height();
    const QRect& hole = layout.holeTwips;
    return QRectF(hole.x() * sx, hole.y() * sy, hole.width() * sx, hole.height() * sy);
}

bool within(const QRect& bounds, const QRectF& area, double tolerance) {
    const QRectF pixels(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    return area.adjusted(-tolerance, -tolerance, tolerance, tolerance).contains(pixels);
}

QString text(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString text(const QSize& s) {
    return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

struct Frame {
    QString id;
    QString styleId;
    QString path;
};

struct Art {
    QString styleId;
    QString stem;
    QSet<QString> occasionIds;
};

struct Style {
    QString id;
    bool visible = false;
    QSet<QString> occasionIds;
};

class DiscChecker {
public:
    DiscChecker(const QString& discRoot, const QString& catalogueFile)
        : graphics(discRoot + QStringLiteral("/Graphics")), root(discRoot),
          catalogue(catalogueFile) {}

    QStringList run() {
        if (!QFileInfo(root).isDir()) {
            return {QStringLiteral("The disc folder %1 does not exist.").arg(root)};
        }
        if (!QFileInfo(catalogue).isFile()) {
            return {QStringLiteral("The catalogue %1 does not exist.").arg(catalogue)};
        }
        if (!readCatalogue()) {
            return problems;
        }
        checkFrames();
        checkArt();
        checkOccasions();
        checkGraphicsFolder();
        checkDiscSize();
        return problems;
    }

private:
    QString graphics;
    QString root;
    QString catalogue;
    QStringList problems;
    QStringList occasionIds;
    QVector<Style> styles;
    QVector<Frame> frames;
    QVector<Art> art;

    void problem(const QString& what) { problems.append(what); }

    bool readCatalogue() {
        static QAtomicInt counter;
        const QString name =
            QStringLiteral("tessaly-disc-check-%1").arg(counter.fetchAndAddRelaxed(1));
        bool read = false;
        {
            QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            database.setDatabaseName(catalogue);
            database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            if (database.open()) {
                read = readTables(database);
            } else {
                problem(QStringLiteral("The catalogue cannot be opened: %1")
                            .arg(database.lastError().text()));
            }
            database.close();
        }
        QSqlDatabase::removeDatabase(name);
        return read;
    }

    std::optional<QSqlQuery> select(QSqlDatabase& database, const QString& table) {
        QSqlQuery query(database);
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("select * from \"%1\"").arg(table))) {
            problem(
                QStringLiteral("Table %1 cannot be read: %2").arg(table, query.lastError().text()));
            return std::nullopt;
        }
        return query;
    }

    QSet<QString> memberships(const QSqlQuery& query) const {
        QSet<QString> ids;
        const QSqlRecord record = query.record();
        for (const QString& id : occasionIds) {
            const int column = record.indexOf(id);
            if (column >= 0 && query.value(column).toInt() == 1) {
                ids.insert(id);
            }
        }
        return ids;
    }

    bool readTables(QSqlDatabase& database) {
        std::optional<QSqlQuery> query = select(database, QStringLiteral("Occasions"));
        if (!query) {
            return false;
        }
        while (query->next()) {
            occasionIds.append(query->value(1).toString());
        }
        for (const QString& table : {QStringLiteral("Styles"), QStringLiteral("Art")}) {
            const QSqlRecord record = database.record(table);
            for (const QString& id : std::as_const(occasionIds)) {
                if (record.indexOf(id) < 0) {
                    problem(
                        QStringLiteral("Table %1 has no column for occasion %2.").arg(table, id));
                }
            }
        }
        if (!(query = select(database, QStringLiteral("Styles")))) {
            return false;
        }
        while (query->next()) {
            styles.append({query->value(QStringLiteral("StyleID")).toString(),
                           query->value(QStringLiteral("Visible")).toInt() == 1,
                           memberships(*query)});
        }
        if (!(query = select(database, QStringLiteral("Art")))) {
            return false;
        }
        while (query->next()) {
            art.append({query->value(QStringLiteral("StyleId")).toString(),
                        query->value(1).toString(), memberships(*query)});
        }
        if (!(query = select(database, QStringLiteral("ScreenTemplates")))) {
            return false;
        }
        while (query->next()) {
            frames.append({query->value(0).toString(),
                           query->value(QStringLiteral("Style")).toString(),
                           query->value(2).toString()});
        }
        return true;
    }

    QString filePath(const QString& cataloguePath) const {
        QString path = graphics + cataloguePath;
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return path;
    }

    bool checkCataloguePath(const QString& path, const QString& owner) {
        if (!path.startsWith(QLatin1Char('\\')) || path.contains(QLatin1Char('/'))) {
            problem(QStringLiteral("%1: path \"%2\" must start with \"\\\" and use \"\\\" only.")
                        .arg(owner, path));
            return false;
        }
        return true;
    }

    // The size of a picture file, or an empty size (and a problem) when it is missing or
    // unreadable.
    QSize pictureSize(const QString& file, const QString& owner) {
        if (!QFileInfo(file).isFile()) {
            problem(QStringLiteral("%1: %2 is missing.").arg(owner, file));
            return {};
        }
        QImageReader reader(file);
        const QSize size = reader.size();
        if (!size.isValid() || size.isEmpty()) {
            problem(QStringLiteral("%1: %2 cannot be read.").arg(owner, file));
            return {};
        }
        return size;
    }

    QImage mask(const QString& file, const QString& owner) {
        if (!QFileInfo(file).isFile()) {
            problem(QStringLiteral("%1: %2 is missing.").arg(owner, file));
            return {};
        }
        QImage image(file);
        if (image.isNull()) {
            problem(QStringLiteral("%1: %2 cannot be read.").arg(owner, file));
        }
        return image;
    }

    void checkFrames() {
        QHash<QString, QVector<const Frame*>> framesOfStyle;
        QSet<QString> styleIds;
        for (const Style& style : std::as_const(styles)) {
            styleIds.insert(style.id);
        }
        for (const Frame& frame : std::as_const(frames)) {
            framesOfStyle[frame.styleId].append(&frame);
            if (!styleIds.contains(frame.styleId)) {
                problem(QStringLiteral("Frame %1 belongs to unknown style %2.")
                            .arg(frame.id, frame.styleId));
            }
            checkFrame(frame);
        }
        for (const Style& style : std::as_const(styles)) {
            // Only a style that some occasion offers is ever shown with its frames.
            if (!style.visible || style.occasionIds.isEmpty()) {
                continue;
            }
            QStringList codes;
            for (const Frame* frame : framesOfStyle.value(style.id)) {
                codes.append(frame->id.left(2));
            }
            QStringList expected;
            for (const Layout& layout : layouts()) {
                expected.append(layout.code);
            }
            if (codes != expected) {
                problem(QStringLiteral("Style %1 has the frames %2 instead of %3.")
                            .arg(style.id, codes.join(QLatin1Char(' ')),
                                 expected.join(QLatin1Char(' '))));
            }
        }
    }

    void checkFrame(const Frame& frame) {
        const QString owner = QStringLiteral("Frame %1").arg(frame.id);
        if (!checkCataloguePath(frame.path, owner)) {
            return;
        }
        const Layout* layout = layoutFor(frame.id);
        if (layout == nullptr) {
            problem(QStringLiteral("%1 has no known layout code.").arg(owner));
            return;
        }
        if (!frame.path.endsWith(QStringLiteral(".bmp")) || frame.path.size() < 6) {
            problem(QStringLiteral("%1: \"%2\" is no screen picture name.").arg(owner, frame.path));
            return;
        }
        const QString screen = filePath(frame.path);
        const QString base = screen.left(screen.size() - 5);
        const QSize screenSize = pictureSize(screen, owner);
        const QSize printSize = pictureSize(base + QStringLiteral("b.jpg"), owner);
        const QImage screenMask = mask(base + QStringLiteral("t.bmp"), owner);
        const QImage printMask = mask(base + QStringLiteral("m.bmp"), owner);
        if (screenSize.isValid() && screenSize != layout->screenSize) {
            problem(QStringLiteral("%1: screen picture is %2, not %3.")
                        .arg(owner, text(screenSize), text(layout->screenSize)));
        }
        if (printSize.isValid() && printSize != layout->printSize) {
            problem(QStringLiteral("%1: print picture is %2, not %3.")
                        .arg(owner, text(printSize), text(layout->printSize)));
        }
        if (screenMask.isNull() || printMask.isNull()) {
            return;
        }
        if (screenMask.size() != layout->screenSize) {
            problem(QStringLiteral("%1: screen mask is %2, not %3.")
                        .arg(owner, text(screenMask.size()), text(layout->screenSize)));
            return;
        }
        if (printMask.size() != layout->printSize) {
            problem(QStringLiteral("%1: print mask is %2, not %3.")
                        .arg(owner, text(printMask.size()), text(layout->printSize)));
            return;
        }
        checkHole(owner, *layout, blackRegion(screenMask), blackRegion(printMask));
    }

    void checkHole(const QString& owner, const Layout& layout, const BlackRegion& screenHole,
                   const BlackRegion& printHole) {
        if (layout.holeTwips.isNull()) {
            if (screenHole.count > 0 || printHole.count > 0) {
                problem(QStringLiteral("%1: a blank card's masks must have no black.").arg(owner));
            }
            return;
        }
        checkHoleIn(owner + QStringLiteral(" screen mask"), screenHole,
                    holeIn(layout, layout.screenSize), 1.0);
        checkHoleIn(owner + QStringLiteral(" print mask"), printHole,
                    holeIn(layout, layout.printSize), 5.0);
        if (screenHole.count == 0 || printHole.count == 0) {
            return;
        }
        // Both masks mark the same hole: the print one is the screen one scaled.
        const double sx = double(layout.printSize.width()) / layout.screenSize.width();
        const double sy = double(layout.printSize.height()) / layout.screenSize.height();
        const QRect& s = screenHole.bounds;
        const QRect& p = printHole.bounds;
        const bool samePlace = std::abs(p.left() - s.left() * sx) <= 2 * sx &&
                               std::abs(p.right() + 1 - (s.right() + 1) * sx) <= 2 * sx &&
                               std::abs(p.top() - s.top() * sy) <= 2 * sy &&
                               std::abs(p.bottom() + 1 - (s.bottom() + 1) * sy) <= 2 * sy;
        if (!samePlace) {
            problem(QStringLiteral("%1: the print mask's hole %2 is not the screen mask's hole %3 "
                                   "scaled.")
                        .arg(owner, text(p), text(s)));
        }
    }

    void checkHoleIn(const QString& owner, const BlackRegion& hole, const QRectF& area,
                     double tolerance) {
        if (hole.count == 0) {
            problem(QStringLiteral("%1 has no hole.").arg(owner));
            return;
        }
        if (!within(hole.bounds, area, tolerance)) {
            problem(QStringLiteral("%1: the hole %2 leaves the layout's hole %3.")
                        .arg(owner, text(hole.bounds), text(area.toAlignedRect())));
        }
        // A hole that fills less than this would leave a photo mostly covered by the frame.
        const double fairShare = 0.4;
        if (hole.count < fairShare * area.width() * area.height()) {
            problem(
                QStringLiteral("%1: the hole fills too little of the layout's hole.").arg(owner));
        }
    }

    void checkArt() {
        for (const Art& item : std::as_const(art)) {
            const QString owner = QStringLiteral("Art %1").arg(item.stem);
            if (!checkCataloguePath(item.stem, owner)) {
                continue;
            }
            const QString base = filePath(item.stem);
            const QSize screenSize = pictureSize(base + QStringLiteral("s.bmp"), owner);
            const QSize printSize = pictureSize(base + QStringLiteral("b.jpg"), owner);
            const QSize maskSize = pictureSize(base + QStringLiteral("m.bmp"), owner);
            if (printSize.isValid() && maskSize.isValid() && printSize != maskSize) {
                problem(QStringLiteral("%1: print picture %2 and print mask %3 differ in size.")
                            .arg(owner, text(printSize), text(maskSize)));
            }
            if (screenSize.isValid() && printSize.isValid()) {
                const double screenRatio = double(screenSize.width()) / screenSize.height();
                const double printRatio = double(printSize.width()) / printSize.height();
                if (std::abs(screenRatio / printRatio - 1.0) > 0.05) {
                    problem(QStringLiteral("%1: screen picture %2 and print picture %3 differ in "
                                           "shape.")
                                .arg(owner, text(screenSize), text(printSize)));
                }
            }
        }
    }

    void checkOccasions() {
        bool sentimentStyle = false;
        for (const Style& style : std::as_const(styles)) {
            sentimentStyle = sentimentStyle || style.id == sentimentStyleId;
        }
        if (!sentimentStyle) {
            problem(QStringLiteral("The sentiment style %1 is missing.").arg(sentimentStyleId));
        }
        for (const QString& id : std::as_const(occasionIds)) {
            int offered = 0;
            for (const Style& style : std::as_const(styles)) {
                offered += style.visible && style.occasionIds.contains(id) ? 1 : 0;
            }
            if (offered < 2) {
                problem(QStringLiteral("Occasion %1 offers %2 styles; at least two are needed.")
                            .arg(id)
                            .arg(offered));
            }
            bool sentiment = false;
            for (const Art& item : std::as_const(art)) {
                const bool offeredArt =
                    item.occasionIds.contains(id) || item.styleId == sentimentStyleId;
                sentiment = sentiment || (offeredArt && DataManager::ArtIsSentiment(
                                                            item.stem + QStringLiteral("s.bmp")));
            }
            if (!sentiment) {
                problem(QStringLiteral("Occasion %1 has no sentiments.").arg(id));
            }
        }
    }

    void checkGraphicsFolder() {
        if (!QFileInfo(graphics + QStringLiteral("/xpicture.jpg")).isFile()) {
            problem(QStringLiteral("The test pattern xpicture.jpg is missing."));
        }
    }

    void checkDiscSize() {
        qint64 total = QFileInfo(catalogue).size();
        QDirIterator files(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            files.next();
            total += files.fileInfo().size();
        }
        if (total >= discSizeLimit) {
            problem(QStringLiteral("The disc takes %1 MB; it must stay under %2 MB.")
                        .arg(total / (1024 * 1024))
                        .arg(discSizeLimit / (1024 * 1024)));
        }
    }
};

} // namespace

QStringList CheckDisc(const QString& discRoot, const QString& catalogueFile) {
    return DiscChecker(discRoot, catalogueFile).run();
}
