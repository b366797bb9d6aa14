#include "tools/disc-builder/samples/SampleCards.h"

#include "card/CardWriter.h"
#include "tools/disc-builder/samples/SamplePhotos.h"
#include "tools/disc-builder/samples/SampleTextObject.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <cmath>
#include <optional>

namespace {

constexpr int twipsPerPixel = 15;

// A piece of clip art by its style and file stem, placed by its centre (twips on the card).
struct ArtSpot {
    QString styleId;
    QString name;
    int centreX;
    int centreY;
};

// A text placed by the point its alignment hangs on: the left edge, the centre or the right
// edge of its block, and its top.
struct TextSpot {
    SampleText text;
    int x;
    int top;
};

struct PhotoSpot {
    SamplePhotos::Scene scene;
    qint16 zoom = 10;
    qint16 brightness = 0;
    qint16 contrast = 0;
};

struct SampleCardPlan {
    QString file;
    QString occasionId;
    QString styleId;
    QString layoutCode;
    std::optional<PhotoSpot> photo;
    QVector<ArtSpot> art;
    QVector<TextSpot> texts;
};

const QColor kRed(200, 30, 50);
const QColor kNavy(30, 45, 110);
const QColor kWine(130, 20, 60);
const QColor kPlum(110, 40, 130);
const QColor kPine(20, 90, 50);
const QColor kGold(255, 215, 90);
const QColor kPurple(90, 30, 120);
const QColor kRust(150, 60, 20);

QVector<SampleCardPlan> sampleCardPlans() {
    return {
        {QStringLiteral("Happy Birthday Grandma.ocd"),
         QStringLiteral("BDAY"),
         QStringLiteral("1001"),
         QStringLiteral("F1"),
         PhotoSpot{SamplePhotos::BirthdayTable, 10, 0, 0},
         {{QStringLiteral("4101"), QStringLiteral("hbday"), 4950, 820},
          {QStringLiteral("1001"), QStringLiteral("present"), 4650, 2700}},
         {{{{QStringLiteral("To the best Grandma"), QStringLiteral("in the whole world!")},
            QStringLiteral("Comic Neue"),
            11,
            true,
            false,
            kRed,
            3},
           4900,
           1200},
          {{{QStringLiteral("Love, Emma & Jack")},
            QStringLiteral("Comic Neue"),
            10,
            false,
            true,
            kNavy,
            3},
           2340,
           2880}}},
        {QStringLiteral("Best Dad.ocd"),
         QStringLiteral("FDAY"),
         QStringLiteral("1013"),
         QStringLiteral("F5"),
         PhotoSpot{SamplePhotos::Puppy, 11, 1, 0},
         {{QStringLiteral("4106"), QStringLiteral("bestdad"), 1250, 3300}},
         {{{{QStringLiteral("Love, Max")},
            QStringLiteral("Liberation Serif"),
            10,
            true,
            true,
            kRust,
            0},
           380,
           3760}}},
        {QStringLiteral("Beach Wedding.ocd"),
         QStringLiteral("WEDDING"),
         QStringLiteral("1021"),
         QStringLiteral("F2"),
         PhotoSpot{SamplePhotos::BeachSunset, 10, 0, 1},
         {{QStringLiteral("4108"), QStringLiteral("married"), 4450, 800}},
         {{{{QStringLiteral("Anna & Tom")},
            QStringLiteral("Liberation Serif"),
            22,
            true,
            true,
            kWine,
            3},
           4450,
           1250},
          {{{QStringLiteral("June 14th at Seaview Beach"),
             QStringLiteral("Thank you for sharing our day")},
            QStringLiteral("Liberation Sans"),
            9,
            false,
            false,
            QColor(70, 70, 70),
            3},
           4150,
           1950}}},
        {QStringLiteral("Mother's Day Garden.ocd"),
         QStringLiteral("MDAY"),
         QStringLiteral("1008"),
         QStringLiteral("F6"),
         PhotoSpot{SamplePhotos::Garden, 10, 0, 0},
         {{QStringLiteral("4105"), QStringLiteral("hmday"), 1250, 2650}},
         {{{{QStringLiteral("For you, Mum,"), QStringLiteral("with all my love")},
            QStringLiteral("Comic Neue"),
            10,
            true,
            false,
            kPlum,
            3},
           1250,
           2950}}},
        {QStringLiteral("Christmas Cabin.ocd"),
         QStringLiteral("XMAS"),
         QStringLiteral("1011"),
         QStringLiteral("F1"),
         PhotoSpot{SamplePhotos::SnowyEvening, 12, 0, 0},
         {{QStringLiteral("4112"), QStringLiteral("merry"), 5100, 900}},
         {{{{QStringLiteral("Warm wishes"), QStringLiteral("for a peaceful"),
             QStringLiteral("holiday season"), QStringLiteral("from the Millers")},
            QStringLiteral("DejaVu Serif"),
            9,
            false,
            true,
            kPine,
            3},
           4720,
           1500}}},
        {QStringLiteral("New Year Party.ocd"),
         QStringLiteral("NEWYR"),
         QStringLiteral("1019"),
         QStringLiteral("F3"),
         std::nullopt,
         {{QStringLiteral("4102"), QStringLiteral("hnewyear"), 3065, 650},
          {QStringLiteral("1019"), QStringLiteral("champagne"), 1000, 2500},
          {QStringLiteral("1019"), QStringLiteral("glasses"), 6000, 2500}},
         {{{{QStringLiteral("You're invited!")},
            QStringLiteral("DejaVu Serif"),
            16,
            true,
            false,
            kPurple,
            3},
           3065,
           1100},
          {{{QStringLiteral("Saturday, December 31st"), QStringLiteral("8 o'clock till late")},
            QStringLiteral("Liberation Sans"),
            11,
            false,
            false,
            kNavy,
            3},
           3065,
           1750},
          {{{QStringLiteral("Bring your dancing shoes!")},
            QStringLiteral("Comic Neue"),
            10,
            false,
            true,
            kGold,
            3},
           3065,
           2750}}},
        {QStringLiteral("Thanksgiving Dinner.ocd"),
         QStringLiteral("TGIV"),
         QStringLiteral("1017"),
         QStringLiteral("F7"),
         std::nullopt,
         {{QStringLiteral("4111"), QStringLiteral("givethanks"), 1235, 2150},
          {QStringLiteral("1017"), QStringLiteral("redleaf"), 700, 4300},
          {QStringLiteral("1017"), QStringLiteral("apple"), 1850, 4350}},
         {{{{QStringLiteral("Join us for dinner"), QStringLiteral("Thursday at four")},
            QStringLiteral("Liberation Sans"),
            10,
            true,
            false,
            kRust,
            3},
           1235,
           2500},
          {{{QStringLiteral("Grandma's famous"), QStringLiteral("pumpkin pie, too!")},
            QStringLiteral("Comic Neue"),
            9,
            false,
            false,
            kPine,
            6},
           2050,
           3050}}},
    };
}

// What a card file names a path with: the separators of the catalogue.
QString catalogueToFile(const QString& discRoot, const QString& cataloguePath) {
    return discRoot + QStringLiteral("/Graphics") +
           QString(cataloguePath).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

const ArtRow* findArt(const DiscRows& rows, const QString& styleId, const QString& name) {
    const ArtRow* sameStyle = nullptr;
    for (const ArtRow& art : rows.art) {
        if (art.styleId != styleId) {
            continue;
        }
        if (art.stem.endsWith(QLatin1Char('\\') + name)) {
            return &art;
        }
        if (!sameStyle) {
            sameStyle = &art;
        }
    }
    return sameStyle;
}

// The hole of a frame: the bounding box of the black pixels of its screen mask, in pixels.
QRect holeOf(const QString& maskFile) {
    const QImage mask = QImage(maskFile).convertToFormat(QImage::Format_RGB32);
    int left = mask.width();
    int top = mask.height();
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < mask.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < mask.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

double even(double value) {
    return std::nearbyint(value);
}

// The editor fits a photo over the hole with 10 pixels to spare, zooms it and, for a new photo,
// centres it; the sample cards store the offsets of a centred photo.
void centrePhoto(PhotoManager& photo, const QSize& photoSize, const QRect& hole) {
    const double w = photoSize.width();
    const double h = photoSize.height();
    double width;
    double height;
    if (w > h) {
        height = hole.height() + 10;
        width = even(height * w / h);
        if (hole.width() > width) {
            width = hole.width() + 10;
            height = even(width * h / w);
        }
    } else {
        width = hole.width() + 10;
        height = even(width * h / w);
        if (hole.height() > height) {
            height = hole.height() + 10;
            width = even(height * w / h);
        }
    }
    const double scale = photo.ZoomFactor * 0.1;
    const double shownWidth = even(width * scale);
    const double shownHeight = even(height * scale);
    photo.ViewableBitmapLeft = static_cast<qint16>(even((shownWidth - hole.width()) / 2));
    photo.ViewableBitmapTop = static_cast<qint16>(even((shownHeight - hole.height()) / 2));
}

class SampleCardWriter {
public:
    SampleCardWriter(QString discRoot, const DiscRows& rows)
        : root(std::move(discRoot)), rows(rows) {}

    bool paintPhotos(QString* error) {
        const QString folder = root + QStringLiteral("/SamplePictures");
        if (!QDir().mkpath(folder)) {
            *error = QStringLiteral("cannot make ") + folder;
            return false;
        }
        for (const auto scene :
             {SamplePhotos::BeachSunset, SamplePhotos::Garden, SamplePhotos::BirthdayTable,
              SamplePhotos::SnowyEvening, SamplePhotos::Puppy}) {
            const QString file = folder + QLatin1Char('/') + SamplePhotos::fileName(scene);
            if (!SamplePhotos::paint(scene, SamplePhotos::cameraSize(scene))
                     .save(file, "JPEG", 90)) {
                *error = QStringLiteral("cannot write ") + file;
                return false;
            }
        }
        return true;
    }

    bool write(const SampleCardPlan& plan, QString* error) {
        CardSelection selection;
        QString framePath;
        if (!select(plan, &selection, &framePath)) {
            *error =
                plan.file + QStringLiteral(": the catalogue lacks its occasion, style or frame");
            return false;
        }
        PhotoManager photo;
        if (plan.photo) {
            const QRect hole =
                holeOf(catalogueToFile(root, framePath.chopped(5) + QStringLiteral("t.bmp")));
            if (hole.isEmpty()) {
                *error = plan.file + QStringLiteral(": its frame has no photo hole");
                return false;
            }
            const QString file = QDir(root).absoluteFilePath(
                QStringLiteral("SamplePictures/") + SamplePhotos::fileName(plan.photo->scene));
            photo.UseNewPhoto(QDir::toNativeSeparators(file));
            photo.ZoomFactor = plan.photo->zoom;
            photo.Brightness = plan.photo->brightness;
            photo.Contrast = plan.photo->contrast;
            centrePhoto(photo, SamplePhotos::cameraSize(plan.photo->scene), hole);
        }
        PictureObjects objects;
        qint16 index = 1;
        for (const ArtSpot& spot : plan.art) {
            if (!addArt(objects, index, spot)) {
                *error = plan.file + QStringLiteral(": no clip art of style ") + spot.styleId;
                return false;
            }
            ++index;
        }
        for (const TextSpot& spot : plan.texts) {
            auto object = MakeTextObject(spot.text);
            object->Index = index++;
            object->Left = spot.text.align == 0   ? spot.x
                           : spot.text.align == 6 ? spot.x - object->Width
                                                  : spot.x - object->Width / 2;
            object->Top = spot.top;
            objects.AddClass(object);
        }
        const QString file = root + QStringLiteral("/SamplePictureCards/") + plan.file;
        QString writeError;
        if (!WriteCardFile(file, selection, photo, objects, graphicsPath(), &writeError)) {
            *error = QStringLiteral("cannot write ") + file + QStringLiteral(": ") + writeError;
            return false;
        }
        return true;
    }

private:
    QString graphicsPath() const { return root + QStringLiteral("\\Graphics"); }

    bool select(const SampleCardPlan& plan, CardSelection* selection, QString* framePath) const {
        for (const OccasionRow& occasion : rows.occasions) {
            if (occasion.id == plan.occasionId) {
                selection->occasionName = occasion.name;
                selection->occasionID = occasion.id;
            }
        }
        for (const StyleRow& style : rows.styles) {
            if (style.id == plan.styleId && style.occasionIds.contains(plan.occasionId)) {
                selection->styleName = style.name;
                selection->styleID = style.id;
            }
        }
        int position = 0;
        for (const FrameRow& frame : rows.frames) {
            if (frame.styleId != plan.styleId) {
                continue;
            }
            if (frame.id.startsWith(plan.layoutCode)) {
                selection->templateNumber = QString::number(position);
                *framePath = frame.path;
                break;
            }
            ++position;
        }
        return !selection->occasionID.isEmpty() && !selection->styleID.isEmpty() &&
               !framePath->isEmpty();
    }

    bool addArt(PictureObjects& objects, qint16 index, const ArtSpot& spot) const {
        const ArtRow* art = findArt(rows, spot.styleId, spot.name);
        if (!art) {
            return false;
        }
        const QString source = graphicsPath() + art->stem + QStringLiteral("s.bmp");
        const QSize pixels =
            QImageReader(catalogueToFile(root, art->stem + QStringLiteral("s.bmp"))).size();
        if (!pixels.isValid()) {
            return false;
        }
        const qint32 width = pixels.width() * twipsPerPixel;
        const qint32 height = pixels.height() * twipsPerPixel;
        objects.Add(index, PictureObject::ArtObject, 0, 0, width, height, false, 0,
                    spot.centreX - width / 2, spot.centreY - height / 2, 0, width, height, nullptr,
                    0, nullptr, source, 0, 0);
        return true;
    }

    QString root;
    const DiscRows& rows;
};

} // namespace

bool WriteSampleCards(const QString& discRoot, const DiscRows& rows, QString* error) {
    SampleCardWriter writer(discRoot, rows);
    if (!writer.paintPhotos(error)) {
        return false;
    }
    const QString folder = discRoot + QStringLiteral("/SamplePictureCards");
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot make ") + folder;
        return false;
    }
    for (const SampleCardPlan& plan : sampleCardPlans()) {
        if (!writer.write(plan, error)) {
            return false;
        }
    }
    return true;
}
