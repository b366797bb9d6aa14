#include "platform/ImagingControl.h"
#include "platform/PhotoLoader.h"
#include "tests/common/TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>

namespace {

QImage solid(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Every pixel a different colour, so a moved pixel can be traced.
QImage numbered(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(10 + x * 20, 10 + y * 20, 100));
        }
    }
    return image;
}

QByteArray encoded(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

void appendBigEndian16(QByteArray& bytes, quint16 value) {
    bytes.append(char(value >> 8));
    bytes.append(char(value & 0xFF));
}

void appendBigEndian32(QByteArray& bytes, quint32 value) {
    appendBigEndian16(bytes, quint16(value >> 16));
    appendBigEndian16(bytes, quint16(value & 0xFFFF));
}

// A JPEG carrying an EXIF segment whose only entry is the orientation tag, as cameras write it.
QByteArray jpegWithOrientation(const QImage& image, int orientation) {
    QByteArray tiff("MM");
    appendBigEndian16(tiff, 0x002A);
    appendBigEndian32(tiff, 8); // first directory right after this header
    appendBigEndian16(tiff, 1); // one entry
    appendBigEndian16(tiff, 0x0112);
    appendBigEndian16(tiff, 3); // SHORT
    appendBigEndian32(tiff, 1);
    appendBigEndian16(tiff, quint16(orientation));
    appendBigEndian16(tiff, 0);
    appendBigEndian32(tiff, 0); // no further directory
    const QByteArray payload = QByteArray("Exif", 4) + QByteArray(2, '\0') + tiff;
    QByteArray segment("\xFF\xE1", 2);
    appendBigEndian16(segment, quint16(payload.size() + 2));
    segment += payload;
    QByteArray jpeg = encoded(image, "JPEG", 100);
    jpeg.insert(2, segment);
    return jpeg;
}

bool isRed(QRgb pixel) {
    return qRed(pixel) > 190 && qBlue(pixel) < 70;
}

bool isBlue(QRgb pixel) {
    return qBlue(pixel) > 190 && qRed(pixel) < 70;
}

int errorNumberOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const ImagingError& error) {
        return error.number();
    }
    return ImagingError::None;
}

// The smallest rectangle holding every pixel that is not white.
QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & RGB_MASK) != 0xFFFFFF) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

class ImagingControlTest : public ::testing::Test {
protected:
    QString writePicture(const QString& name, const QImage& image, const char* format) const {
        return env.writeFile(name, encoded(image, format));
    }

    TestEnvironment env;
    ImagingControl control;
};

// --- Loading -----------------------------------------------------------------------------

TEST_F(ImagingControlTest, BitmapDataPathLoadsAtOnceAndReadsBack) {
    const QString path = writePicture(QStringLiteral("frame.bmp"), numbered(6, 4), "BMP");

    control.setBitmapDataPath(path);

    EXPECT_EQ(control.BitmapDataPath(), path);
    EXPECT_EQ(control.BitmapWidth(), 6);
    EXPECT_EQ(control.BitmapHeight(), 4);
    EXPECT_EQ(control.image().pixel(5, 3), numbered(6, 4).pixel(5, 3));
    EXPECT_NE(control.Bitmap(), 0u);

    control.setBitmapDataPath(QString());

    EXPECT_EQ(control.BitmapDataPath(), QString());
    EXPECT_EQ(control.BitmapHeight(), 0);
    EXPECT_EQ(control.Bitmap(), 0u);
}

TEST_F(ImagingControlTest, CataloguePathWithBackslashesAndOtherCaseIsFound) {
    writePicture(QStringLiteral("Graphics/Birthday/CakeS.bmp"), solid(3, 2, 0xFF0000), "BMP");
    const QString cataloguePath =
        env.folder.path() + QStringLiteral("\\graphics\\BIRTHDAY\\cakes.BMP");

    control.setBitmapDataPath(cataloguePath);

    EXPECT_EQ(control.BitmapWidth(), 3);
    EXPECT_EQ(control.BitmapDataPath(), cataloguePath);
}

TEST_F(ImagingControlTest, MissingFileLeavesTheControlEmptyWithThePendingError) {
    control.setBitmapDataPath(writePicture(QStringLiteral("old.bmp"), solid(2, 2, 0), "BMP"));

    EXPECT_EQ(errorNumberOf([&] { control.setBitmapDataPath(env.path("missing.bmp")); }),
              ImagingError::FileNotFound);

    EXPECT_EQ(control.BitmapHeight(), 0);
    EXPECT_EQ(control.BitmapDataPath(), QString());
    EXPECT_EQ(control.lastError().number, ImagingError::FileNotFound);
    EXPECT_FALSE(control.lastError().description.isEmpty());

    control.LoadImage(env.path("old.bmp"), 24);
    EXPECT_EQ(control.lastError().number, ImagingError::None);
}

TEST_F(ImagingControlTest, LoadImageRefusesWhatIsNotAPicture) {
    const QString text = env.writeFile(QStringLiteral("notes.jpg"), "just some words\n");
    const QString broken = env.writeFile(QStringLiteral("broken.jpg"),
                                         encoded(solid(40, 40, 0xFF0000), "JPEG").left(100));

    EXPECT_EQ(errorNumberOf([&] { control.LoadImage(text, 24); }), ImagingError::UnknownFormat);
    EXPECT_EQ(errorNumberOf([&] { control.LoadImage(broken, 24); }), ImagingError::ReadFailed);
    EXPECT_EQ(control.BitmapHeight(), 0);
}

TEST_F(ImagingControlTest, FormatIsToldByContentNotByName) {
    const QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01"
                         "\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02"
                         "D\x01\x00;",
                         43);
    const QImage picture = numbered(8, 8);
    struct Case {
        QString name;
        QByteArray content;
        int code;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("png-named.bmp"), encoded(picture, "PNG"), PhotoLoader::Png},
        {QStringLiteral("bmp-named.jpg"), encoded(picture, "BMP"), PhotoLoader::Bmp},
        {QStringLiteral("jpeg-named.png"), encoded(picture, "JPEG"), PhotoLoader::Jpeg},
        {QStringLiteral("gif-named.dat"), gif, PhotoLoader::Gif},
        {QStringLiteral("tiff-named.bmp"), encoded(picture, "TIFF"), PhotoLoader::Tiff},
        {QStringLiteral("webp-named.jpg"), encoded(picture, "WEBP"), PhotoLoader::WebP},
        {QStringLiteral("words.bmp"), QByteArray("hello, not a picture"), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        ASSERT_FALSE(c.content.isEmpty());
        const QString path = env.writeFile(c.name, c.content);

        control.GetFileInfo(path);

        EXPECT_EQ(control.InfoFormat(), c.code);
        if (c.code != 0) {
            control.LoadImage(path, 24);
            EXPECT_GT(control.BitmapHeight(), 0);
        }
    }
    control.GetFileInfo(env.path("nothing-here.jpg"));
    EXPECT_EQ(control.InfoFormat(), 0);
}

TEST_F(ImagingControlTest, TwentyFourBitsLaysTransparencyOnWhiteAsStoredKeepsIt) {
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(0, 0, 0, 0));
    picture.setPixel(1, 0, qRgba(200, 0, 0, 255));
    const QString path = writePicture(QStringLiteral("clear.png"), picture, "PNG");

    control.LoadImage(path, 24);
    EXPECT_EQ(control.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(control.image().pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(control.image().pixel(1, 0), qRgb(200, 0, 0));

    control.LoadImage(path, 0);
    EXPECT_EQ(control.image().format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(qAlpha(control.image().pixel(0, 0)), 0);
}

TEST_F(ImagingControlTest, PhotosAreLoadedUpright) {
    // Left half red, right half blue, as the camera stored it.
    QImage stored(32, 16, QImage::Format_RGB32);
    stored.fill(qRgb(0, 0, 255));
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            stored.setPixel(x, y, qRgb(255, 0, 0));
        }
    }
    struct Case {
        int orientation;
        QSize size;
        QPoint red;
        QPoint blue;
    };
    const std::vector<Case> cases = {
        {1, {32, 16}, {4, 8}, {28, 8}}, // as stored
        {3, {32, 16}, {28, 8}, {4, 8}}, // upside down
        {6, {16, 32}, {8, 4}, {8, 28}}, // turned a quarter clockwise to show
        {8, {16, 32}, {8, 28}, {8, 4}}, // turned a quarter anticlockwise to show
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.orientation);
        const QString path = env.writeFile(QStringLiteral("photo%1.jpg").arg(c.orientation),
                                           jpegWithOrientation(stored, c.orientation));

        control.LoadImage(path, 24);

        EXPECT_EQ(control.image().size(), c.size);
        EXPECT_TRUE(isRed(control.image().pixel(c.red)));
        EXPECT_TRUE(isBlue(control.image().pixel(c.blue)));
    }
}

TEST_F(ImagingControlTest, LargePhotoIsDecodedAtTheSizeAskedFor) {
    const QString path = env.writeFile(QStringLiteral("big.jpg"),
                                       jpegWithOrientation(solid(3000, 2000, 0xFF0000), 6));
    control.setMaxDecodeSide(600);

    control.LoadImage(path, 24);

    EXPECT_EQ(control.image().size(), QSize(400, 600));
    EXPECT_TRUE(isRed(control.image().pixel(200, 300)));
}

TEST_F(ImagingControlTest, PictureAboveQtsAllocationLimitIsNotRefused) {
    const QString path =
        writePicture(QStringLiteral("wide.png"), solid(1200, 600, 0x0000FF), "PNG");
    const int previousLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);

    control.LoadImage(path, 24);

    QImageReader::setAllocationLimit(previousLimit);
    EXPECT_EQ(control.image().size(), QSize(1200, 600));
}

quint32 crc32Of(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void appendPngChunk(QByteArray& png, const QByteArray& type, const QByteArray& data) {
    appendBigEndian32(png, quint32(data.size()));
    png += type + data;
    appendBigEndian32(png, crc32Of(type + data));
}

TEST_F(ImagingControlTest, PictureThatCouldNeverFitIsRefusedBeforeDecoding) {
    // A PNG announcing 30000 x 30000 pixels, with hardly any of them.
    QByteArray header;
    appendBigEndian32(header, 30000);
    appendBigEndian32(header, 30000);
    header.append("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, no interlace
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendPngChunk(png, "IHDR", header);
    appendPngChunk(png, "IDAT", QByteArray("\x78\x9c\x03\x00\x00\x00\x00\x01", 8));
    const QString path = env.writeFile(QStringLiteral("huge.png"), png);

    EXPECT_EQ(errorNumberOf([&] { control.LoadImage(path, 24); }), ImagingError::TooLarge);
}

// --- Handles -----------------------------------------------------------------------------

TEST_F(ImagingControlTest, BitmapHandleCopiesTheImageAndZeroReleases) {
    ImagingControl other;
    other.setImage(numbered(4, 3));

    control.setBitmap(other.Bitmap());
    other.Fill(Qt::black);

    EXPECT_EQ(control.image().size(), QSize(4, 3));
    EXPECT_EQ(control.image().pixel(2, 1), numbered(4, 3).pixel(2, 1));
    EXPECT_EQ(ImagingControl::imageOfHandle(other.Bitmap()).pixel(2, 1), qRgb(0, 0, 0));

    control.setBitmap(0);
    EXPECT_EQ(control.BitmapHeight(), 0);
    EXPECT_EQ(control.Bitmap(), 0u);
}

TEST_F(ImagingControlTest, HandlesOfGoneOrEmptyControlsAndRegionHandlesAreRefused) {
    ImageHandle goneImage = 0;
    ImageHandle goneRegion = 0;
    {
        ImagingControl temporary;
        temporary.setImage(solid(2, 2, 0));
        temporary.RegionFromRect(0, 0, 1, 1);
        goneImage = temporary.Bitmap();
        goneRegion = temporary.RegionHandle();
        EXPECT_NE(goneImage, goneRegion);
        EXPECT_EQ(errorNumberOf([&] { control.setBitmap(goneRegion); }),
                  ImagingError::InvalidHandle);
    }
    ImagingControl empty;
    control.setImage(solid(2, 2, 0xFFFFFF));

    EXPECT_EQ(errorNumberOf([&] { control.setBitmap(goneImage); }), ImagingError::InvalidHandle);
    EXPECT_EQ(errorNumberOf([&] { control.Combine(0, 0, 2, 2, goneImage, 0, 0); }),
              ImagingError::InvalidHandle);
    EXPECT_EQ(errorNumberOf([&] { control.RegionFromHandle(goneRegion, 0, 0); }),
              ImagingError::InvalidHandle);
    EXPECT_EQ(errorNumberOf([&] { control.RegionFromHandle(empty.RegionHandle(), 0, 0); }),
              ImagingError::InvalidHandle);
    EXPECT_TRUE(ImagingControl::imageOfHandle(goneImage).isNull());
    EXPECT_EQ(control.lastError().number, ImagingError::InvalidHandle);
    EXPECT_EQ(control.image().pixel(0, 0), qRgb(255, 255, 255));
}

// --- Image operations --------------------------------------------------------------------

TEST_F(ImagingControlTest, CreateImageMakesAWhiteImageAndRefusesBadSizes) {
    control.CreateImage(5, 3, 24);

    EXPECT_EQ(control.image().size(), QSize(5, 3));
    EXPECT_EQ(control.image().pixel(4, 2), qRgb(255, 255, 255));
    EXPECT_EQ(errorNumberOf([&] { control.CreateImage(0, 3, 24); }), ImagingError::InvalidArgument);
    EXPECT_EQ(errorNumberOf([&] { control.CreateImage(3, 3, 8); }), ImagingError::InvalidArgument);
}

TEST_F(ImagingControlTest, OperationsOnAnEmptyControlRaiseNoImage) {
    const std::vector<std::function<void()>> operations = {
        [&] { control.Resize(2, 2); },
        [&] { control.Rotate(9000); },
        [&] { control.AdjustBrightness(100); },
        [&] { control.AdjustContrast(100); },
        [&] { control.Fill(Qt::red); },
        [&] { control.RegionFromColor(Qt::black); },
        [&] { control.RegionFromRect(0, 0, 1, 1); },
        [&] { control.DrawText(QStringLiteral("x")); },
        [&] { control.SaveImage(env.path("empty.bmp"), 6, 24, 50); },
    };
    for (const auto& operation : operations) {
        EXPECT_EQ(errorNumberOf(operation), ImagingError::NoImage);
    }
}

TEST_F(ImagingControlTest, ResizeResamplesSmoothlyToTheExactSize) {
    QImage halves(2, 1, QImage::Format_RGB32);
    halves.setPixel(0, 0, qRgb(0, 0, 0));
    halves.setPixel(1, 0, qRgb(255, 255, 255));
    control.setImage(halves);

    control.Resize(8, 3);

    EXPECT_EQ(control.image().size(), QSize(8, 3));
    EXPECT_EQ(control.image().pixel(0, 1), qRgb(0, 0, 0));
    EXPECT_EQ(control.image().pixel(7, 1), qRgb(255, 255, 255));
    const int middle = qRed(control.image().pixel(4, 1));
    EXPECT_GT(middle, 0);
    EXPECT_LT(middle, 255);
    EXPECT_EQ(errorNumberOf([&] { control.Resize(0, 5); }), ImagingError::InvalidArgument);
}

TEST_F(ImagingControlTest, RotateTurnsClockwiseForPositiveAnglesAndTheSizeFollows) {
    const QImage original = numbered(3, 2);
    struct Case {
        int hundredths;
        QSize size;
        // Where original pixel (x, y) lands.
        std::function<QPoint(int, int)> moved;
    };
    const std::vector<Case> cases = {
        {9000, {2, 3}, [](int x, int y) { return QPoint(1 - y, x); }},
        {-9000, {2, 3}, [](int x, int y) { return QPoint(y, 2 - x); }},
        {27000, {2, 3}, [](int x, int y) { return QPoint(y, 2 - x); }},
        {18000, {3, 2}, [](int x, int y) { return QPoint(2 - x, 1 - y); }},
        {36000, {3, 2}, [](int x, int y) { return QPoint(x, y); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hundredths);
        control.setImage(original);

        control.Rotate(c.hundredths, true, Qt::black);

        ASSERT_EQ(control.image().size(), c.size);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x) {
                EXPECT_EQ(control.image().pixel(c.moved(x, y)), original.pixel(x, y));
            }
        }
    }
}

TEST_F(ImagingControlTest, RotateByOtherAnglesGrowsAndFillsTheNewCorners) {
    control.setImage(solid(10, 10, 0xFFFFFF));

    control.Rotate(4500, true, Qt::black);

    EXPECT_EQ(control.image().size(), QSize(15, 15));
    EXPECT_EQ(control.image().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(control.image().pixel(14, 14), qRgb(0, 0, 0));
    EXPECT_EQ(control.image().pixel(7, 7), qRgb(255, 255, 255));
}

struct LevelCase {
    int value;
    std::array<int, 4> expected; // for the grey levels 0, 100, 128, 250
};

QImage greyLevels() {
    QImage image(4, 1, QImage::Format_RGB32);
    const std::array<int, 4> levels = {0, 100, 128, 250};
    for (int x = 0; x < 4; ++x) {
        image.setPixel(x, 0, qRgb(levels[x], levels[x], levels[x]));
    }
    return image;
}

void expectLevels(const QImage& image, const std::array<int, 4>& expected) {
    for (int x = 0; x < 4; ++x) {
        SCOPED_TRACE(x);
        const QRgb pixel = image.pixel(x, 0);
        EXPECT_EQ(qRed(pixel), expected[x]);
        EXPECT_EQ(qGreen(pixel), expected[x]);
        EXPECT_EQ(qBlue(pixel), expected[x]);
    }
}

TEST_F(ImagingControlTest, BrightnessShiftsSevenLevelsPerStepAndClamps) {
    const std::vector<LevelCase> cases = {
        {0, {0, 100, 128, 250}},  {100, {7, 107, 135, 255}}, {900, {63, 163, 191, 255}},
        {-900, {0, 37, 65, 187}}, {-9900, {0, 0, 0, 0}},
    };
    for (const LevelCase& c : cases) {
        SCOPED_TRACE(c.value);
        control.setImage(greyLevels());
        control.AdjustBrightness(c.value);
        expectLevels(control.image(), c.expected);
    }
}

TEST_F(ImagingControlTest, ContrastStretchesAroundMidGreyAndClamps) {
    const std::vector<LevelCase> cases = {
        {0, {0, 100, 128, 250}},     {300, {0, 92, 128, 255}},      {900, {0, 75, 128, 255}},
        {-900, {61, 113, 128, 192}}, {-9900, {116, 125, 128, 139}},
    };
    for (const LevelCase& c : cases) {
        SCOPED_TRACE(c.value);
        control.setImage(greyLevels());
        control.AdjustContrast(c.value);
        expectLevels(control.image(), c.expected);
    }
}

TEST_F(ImagingControlTest, AdjustmentsLeaveTransparencyAlone) {
    QImage picture(1, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(100, 100, 100, 0));
    control.setImage(picture);

    control.AdjustBrightness(500);

    EXPECT_EQ(qAlpha(control.image().pixel(0, 0)), 0);
}

// --- Regions, Fill and Combine -------------------------------------------------------------

// A white 6 x 5 mask with a black L-shaped hole: (1,1) (1,2) (1,3) (2,3) (3,3).
QImage lShapedMask() {
    QImage mask = solid(6, 5, 0xFFFFFF);
    for (const QPoint p : {QPoint(1, 1), QPoint(1, 2), QPoint(1, 3), QPoint(2, 3), QPoint(3, 3)}) {
        mask.setPixel(p, qRgb(0, 0, 0));
    }
    return mask;
}

TEST_F(ImagingControlTest, RegionFromColorTakesExactlyThatColour) {
    QImage mask = lShapedMask();
    mask.setPixel(4, 0, qRgb(1, 1, 1)); // almost black is not black
    control.setImage(mask);

    control.RegionFromColor(Qt::black);

    ASSERT_TRUE(control.HasRegion());
    EXPECT_EQ(QRect(control.RegionLeft(), control.RegionTop(), control.RegionWidth(),
                    control.RegionHeight()),
              QRect(1, 1, 3, 3));
    EXPECT_TRUE(control.region()->contains(2, 3));
    EXPECT_FALSE(control.region()->contains(2, 2));
    EXPECT_FALSE(control.region()->contains(4, 0));
}

TEST_F(ImagingControlTest, RegionFromColorWithoutMatchIsAnEmptyRegion) {
    control.setImage(solid(4, 4, 0xFFFFFF));

    control.RegionFromColor(Qt::black);
    control.Fill(Qt::red);

    EXPECT_TRUE(control.HasRegion());
    EXPECT_EQ(control.RegionWidth(), 0);
    EXPECT_EQ(control.RegionHeight(), 0);
    EXPECT_EQ(control.image().pixel(1, 1), qRgb(255, 255, 255));
}

TEST_F(ImagingControlTest, RegionFromRectIsCutToTheImage) {
    control.setImage(solid(10, 8, 0));

    control.RegionFromRect(6, -2, 10, 5);

    EXPECT_EQ(QRect(control.RegionLeft(), control.RegionTop(), control.RegionWidth(),
                    control.RegionHeight()),
              QRect(6, 0, 4, 3));
}

TEST_F(ImagingControlTest, FillPaintsTheWholeImageOrOnlyTheRegion) {
    ImagingControl mask;
    mask.setImage(lShapedMask());
    mask.RegionFromColor(Qt::black);
    control.setImage(solid(6, 5, 0xFFFFFF));

    control.RegionFromHandle(mask.RegionHandle(), 0, 0);
    control.Fill(Qt::red);

    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool inHole = mask.region()->contains(x, y);
            EXPECT_EQ(control.image().pixel(x, y), inHole ? qRgb(255, 0, 0) : qRgb(255, 255, 255))
                << x << "," << y;
        }
    }

    control.Resize(6, 5);
    control.Resize(3, 3);
    EXPECT_FALSE(control.HasRegion());
    control.Fill(Qt::blue);
    EXPECT_EQ(control.image().pixel(0, 0), qRgb(0, 0, 255));
}

TEST_F(ImagingControlTest, RegionFromHandleMovesTheRegionAndCutsItToThisImage) {
    ImagingControl mask;
    mask.setImage(lShapedMask());
    mask.RegionFromColor(Qt::black);
    control.setImage(solid(4, 4, 0xFFFFFF));

    control.RegionFromHandle(mask.RegionHandle(), 1, -1);

    EXPECT_EQ(QRect(control.RegionLeft(), control.RegionTop(), control.RegionWidth(),
                    control.RegionHeight()),
              QRect(2, 0, 2, 3));
    EXPECT_TRUE(control.region()->contains(2, 0));
    EXPECT_TRUE(control.region()->contains(3, 2));
    EXPECT_FALSE(control.region()->contains(3, 1));
}

TEST_F(ImagingControlTest, NewImageDropsTheRegion) {
    control.setImage(solid(4, 4, 0));
    control.RegionFromRect(0, 0, 2, 2);

    control.CreateImage(4, 4, 24);

    EXPECT_FALSE(control.HasRegion());
    EXPECT_EQ(control.RegionHandle(), 0u);
}

TEST_F(ImagingControlTest, CombineCopiesTheSourceIntoTheTargetRectangle) {
    ImagingControl source;
    source.setImage(numbered(3, 3));
    control.setImage(solid(5, 5, 0xFFFFFF));

    control.Combine(1, 2, 3, 3, source.Bitmap(), 0, 0);

    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            const bool inside = x >= 1 && x <= 3 && y >= 2;
            const QRgb expected = inside ? numbered(3, 3).pixel(x - 1, y - 2) : qRgb(255, 255, 255);
            EXPECT_EQ(control.image().pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST_F(ImagingControlTest, CombineChangesOnlyTheRegionsPixels) {
    ImagingControl mask;
    mask.setImage(lShapedMask());
    mask.RegionFromColor(Qt::black);
    ImagingControl photo;
    photo.setImage(numbered(6, 5));
    control.setImage(solid(6, 5, 0x000000));
    control.RegionFromHandle(mask.RegionHandle(), 0, 0);

    control.Combine(control.RegionLeft(), control.RegionTop(), control.RegionWidth(),
                    control.RegionHeight(), photo.Bitmap(), 2, 1);

    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            const QRgb expected = mask.region()->contains(x, y)
                                      ? numbered(6, 5).pixel(x - 1 + 2, y - 1 + 1)
                                      : qRgb(0, 0, 0);
            EXPECT_EQ(control.image().pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST_F(ImagingControlTest, CombineSkipsPixelsBeyondTheSource) {
    // A photo smaller than the hole, placed with negative offsets: the uncovered hole stays black.
    ImagingControl photo;
    photo.setImage(numbered(2, 2));
    control.setImage(solid(5, 5, 0x000000));

    control.Combine(0, 0, 5, 5, photo.Bitmap(), -1, -2);

    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            const int sourceX = x - 1;
            const int sourceY = y - 2;
            const bool covered = sourceX >= 0 && sourceX < 2 && sourceY >= 0 && sourceY < 2;
            const QRgb expected = covered ? numbered(2, 2).pixel(sourceX, sourceY) : qRgb(0, 0, 0);
            EXPECT_EQ(control.image().pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST_F(ImagingControlTest, CombineIntoARectangleReachingPastTheImageIsCut) {
    ImagingControl art;
    art.setImage(solid(6, 6, 0xFF0000));
    control.setImage(solid(4, 4, 0xFFFFFF));

    control.Combine(2, -3, 6, 6, art.Bitmap(), 0, 0);

    EXPECT_EQ(control.image().size(), QSize(4, 4));
    EXPECT_EQ(control.image().pixel(3, 2), qRgb(255, 0, 0));
    EXPECT_EQ(control.image().pixel(1, 2), qRgb(255, 255, 255));
    EXPECT_EQ(control.image().pixel(3, 3), qRgb(255, 255, 255));
}

TEST_F(ImagingControlTest, CombineFromItselfReadsThePixelsBeforeTheCopy) {
    control.setImage(numbered(4, 1));

    control.Combine(1, 0, 3, 1, control.Bitmap(), 0, 0);

    EXPECT_EQ(control.image().pixel(0, 0), numbered(4, 1).pixel(0, 0));
    EXPECT_EQ(control.image().pixel(1, 0), numbered(4, 1).pixel(0, 0));
    EXPECT_EQ(control.image().pixel(3, 0), numbered(4, 1).pixel(2, 0));
}

TEST_F(ImagingControlTest, ArtMaskComposition) {
    // The print path for one clip art object: the art's mask combined into a working mask inside
    // the object's rectangle, its black pixels made the region of the card, the art combined.
    ImagingControl workingMask;
    workingMask.setImage(solid(8, 6, 0xFFFFFF));
    ImagingControl artMask;
    QImage shape = solid(3, 3, 0xFFFFFF);
    shape.setPixel(1, 0, 0);
    shape.setPixel(0, 1, 0);
    shape.setPixel(1, 1, 0);
    shape.setPixel(2, 1, 0);
    shape.setPixel(1, 2, 0);
    artMask.setImage(shape);
    ImagingControl art;
    art.setImage(solid(3, 3, 0x00FF00));
    control.setImage(solid(8, 6, 0x0000FF));

    workingMask.RegionFromRect(4, 2, 3, 3);
    workingMask.Combine(4, 2, 3, 3, artMask.Bitmap(), 0, 0);
    workingMask.RegionFromColor(Qt::black);
    control.RegionFromHandle(workingMask.RegionHandle(), 0, 0);
    control.Combine(4, 2, 3, 3, art.Bitmap(), 0, 0);

    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inShape =
                x >= 4 && x < 7 && y >= 2 && y < 5 && shape.pixel(x - 4, y - 2) == qRgb(0, 0, 0);
            EXPECT_EQ(control.image().pixel(x, y), inShape ? qRgb(0, 255, 0) : qRgb(0, 0, 255))
                << x << "," << y;
        }
    }
}

// --- View ---------------------------------------------------------------------------------

TEST_F(ImagingControlTest, ViewOffsetsAreKeptAndReadBack) {
    control.setViewLeft(-12);
    control.setViewTop(40);

    EXPECT_EQ(control.ViewLeft(), -12);
    EXPECT_EQ(control.ViewTop(), 40);

    control.setImage(solid(10, 10, 0));
    EXPECT_EQ(control.ViewLeft(), -12);
    EXPECT_EQ(control.shownRect(), QRect(12, -40, 10, 10));
}

TEST_F(ImagingControlTest, ViewSizeAndPlaceFollowTheFit) {
    using Fit = ImagingControl::DisplayFit;
    struct Case {
        Fit fit;
        QSize display;
        QRect expected; // BitmapLeft, BitmapTop, ViewWidth, ViewHeight
    };
    const std::vector<Case> cases = {
        {Fit::Actual, {}, {0, 0, 200, 100}},        {Fit::Actual, {50, 50}, {0, 0, 200, 100}},
        {Fit::Shrink, {}, {0, 0, 200, 100}},        {Fit::Shrink, {100, 100}, {0, 0, 100, 50}},
        {Fit::Shrink, {300, 30}, {0, 0, 60, 30}},   {Fit::Shrink, {400, 400}, {0, 0, 200, 100}},
        {Fit::Stretch, {120, 90}, {0, 0, 120, 90}},
    };
    control.setImage(solid(200, 100, 0));
    for (const Case& c : cases) {
        control.setDisplayFit(c.fit);
        control.setDisplay([size = c.display] { return size; });
        EXPECT_EQ(QRect(control.BitmapLeft(), control.BitmapTop(), control.ViewWidth(),
                        control.ViewHeight()),
                  c.expected);
    }
}

// --- Text ---------------------------------------------------------------------------------

TEST(ImagingText, DoubleAmpersandShowsOneAndASingleOneShowsItself) {
    const std::vector<std::pair<QString, QString>> cases = {
        {QStringLiteral("Tom && Jerry"), QStringLiteral("Tom & Jerry")},
        {QStringLiteral("Tom & Jerry"), QStringLiteral("Tom & Jerry")},
        {QStringLiteral("a&&&b"), QStringLiteral("a&&b")},
        {QStringLiteral("&&&&"), QStringLiteral("&&")},
        {QStringLiteral("&"), QStringLiteral("&")},
        {QString(), QString()},
    };
    for (const auto& [line, shown] : cases) {
        EXPECT_EQ(ImagingControl::shownText(line), shown) << line.toStdString();
    }
}

class ImagingTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(15); // 20 pixels at 96 dots per inch
        control.setFont(font);
        control.CreateImage(300, 40, 24);
        control.setTextLeft(20);
        control.setTextTop(5);
        control.setTextWidth(260);
        control.setTextHeight(30);
        control.setTextTransparent(true);
    }

    ImagingControl control;
};

TEST_F(ImagingTextTest, DrawTextShowsDoubledAmpersandsAsOne) {
    control.DrawText(QStringLiteral("Tom && Jerry"));
    const QImage doubled = control.image();
    control.Fill(Qt::white);
    control.DrawText(QStringLiteral("Tom & Jerry"));

    EXPECT_FALSE(inkBox(doubled).isEmpty());
    EXPECT_EQ(doubled, control.image());
    EXPECT_EQ(control.TextWidthOf(QStringLiteral("Tom && Jerry")),
              control.TextWidthOf(QStringLiteral("Tom & Jerry")));
    EXPECT_GT(control.TextWidthOf(QStringLiteral("Tom & Jerry")),
              control.TextWidthOf(QStringLiteral("Tom  Jerry")));
}

TEST_F(ImagingTextTest, DrawTextAlignsTheLineInTheRectanglesWidth) {
    struct Case {
        int align;
        std::function<void(const QRect&)> check;
    };
    const std::vector<Case> cases = {
        {ImagingControl::AlignLeft,
         [](const QRect& ink) {
             EXPECT_GE(ink.left(), 20);
             EXPECT_LE(ink.left(), 24);
         }},
        {ImagingControl::AlignCentre,
         [](const QRect& ink) { EXPECT_NEAR(ink.center().x(), 150, 3); }},
        {ImagingControl::AlignRight,
         [](const QRect& ink) {
             EXPECT_LE(ink.right(), 280);
             EXPECT_GE(ink.right(), 276);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.align);
        control.Fill(Qt::white);
        control.setTextAlign(c.align);

        control.DrawText(QStringLiteral("HIH"));

        const QRect ink = inkBox(control.image());
        ASSERT_FALSE(ink.isEmpty());
        c.check(ink);
        EXPECT_GE(ink.top(), 5);
        EXPECT_LE(ink.bottom(), 5 + control.TextHeightOf(QStringLiteral("HIH")));
    }
}

TEST_F(ImagingTextTest, TextWidthOfMatchesWhatDrawTextCovers) {
    control.DrawText(QStringLiteral("Happy Birthday"));

    const QRect ink = inkBox(control.image());
    const int width = control.TextWidthOf(QStringLiteral("Happy Birthday"));
    EXPECT_GE(width, ink.width());
    EXPECT_LE(width, ink.width() + 6);
}

TEST_F(ImagingTextTest, TextSizeFollowsTheFontSize) {
    const int smallHeight = control.TextHeightOf(QStringLiteral("x"));
    const int smallWidth = control.TextWidthOf(QStringLiteral("Hello"));
    QFont font = control.Font();
    font.setPointSizeF(30);
    control.setFont(font);

    EXPECT_NEAR(control.TextHeightOf(QStringLiteral("x")), 2 * smallHeight, 2);
    EXPECT_NEAR(control.TextWidthOf(QStringLiteral("Hello")), 2 * smallWidth, 3);
    EXPECT_EQ(control.TextWidthOf(QString()), 0);
}

TEST_F(ImagingTextTest, TextColourAndBackground) {
    control.Fill(Qt::black);
    control.setTextColor(Qt::red);

    control.DrawText(QStringLiteral("I"));
    EXPECT_EQ(control.image().pixel(270, 10), qRgb(0, 0, 0));
    bool redInk = false;
    for (int x = 20; x < 40; ++x) {
        redInk = redInk || control.image().pixel(x, 15) == qRgb(255, 0, 0);
    }
    EXPECT_TRUE(redInk);

    control.setTextTransparent(false);
    control.DrawText(QStringLiteral("I"));
    EXPECT_EQ(control.image().pixel(270, 10), qRgb(255, 255, 255));
    EXPECT_EQ(control.image().pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(control.image().pixel(270, 5 + control.TextHeightOf(QStringLiteral("I")) + 1),
              qRgb(0, 0, 0));
}

TEST_F(ImagingTextTest, WordWrapBreaksOnlyWhenAsked) {
    control.CreateImage(300, 120, 24);
    control.setTextWidth(80);
    const int lineHeight = control.TextHeightOf(QStringLiteral("x"));

    control.DrawText(QStringLiteral("one two three"));
    EXPECT_LE(inkBox(control.image()).height(), lineHeight);

    control.Fill(Qt::white);
    control.setTextWordWrap(true);
    control.DrawText(QStringLiteral("one two three"));
    EXPECT_GT(inkBox(control.image()).height(), lineHeight);
}

// --- Saving -------------------------------------------------------------------------------

TEST_F(ImagingControlTest, SaveImageWritesA24BitBitmapThatReadsBackExactly) {
    control.setImage(numbered(5, 3));
    const QString path = env.path("card.bmp");

    control.SaveImage(path, ImagingControl::SaveBmp, 24, 50);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24);
    ImagingControl reread;
    reread.LoadImage(path, 24);
    EXPECT_EQ(reread.image(), control.image());
}

TEST_F(ImagingControlTest, SaveImageWritesAJpegWithTheQualityOfTheFactor) {
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.fill(qRgba(0, 0, 0, 0));
    control.setImage(picture.scaled(64, 32));
    const QString path = env.path("card.jpg");

    control.SaveImage(path, ImagingControl::SaveJpeg, 24, 50);

    control.GetFileInfo(path);
    EXPECT_EQ(control.InfoFormat(), PhotoLoader::Jpeg);
    ImagingControl reread;
    reread.LoadImage(path, 24);
    EXPECT_GT(qRed(reread.image().pixel(30, 16)), 245); // transparency was laid on white
    EXPECT_EQ(ImagingControl::jpegQualityOf(50), 82);
    EXPECT_EQ(ImagingControl::jpegQualityOf(2), 100);
    EXPECT_EQ(ImagingControl::jpegQualityOf(255), 5);
}

TEST_F(ImagingControlTest, SaveImageReportsWhatItCannotDo) {
    control.setImage(solid(2, 2, 0));

    EXPECT_EQ(errorNumberOf([&] { control.SaveImage(env.path("a.png"), 23, 24, 50); }),
              ImagingError::InvalidArgument);
    EXPECT_EQ(errorNumberOf([&] { control.SaveImage(env.path("a.bmp"), 6, 8, 50); }),
              ImagingError::InvalidArgument);
    EXPECT_EQ(
        errorNumberOf([&] { control.SaveImage(env.path("no/such/folder/a.bmp"), 6, 24, 50); }),
        ImagingError::WriteFailed);
    EXPECT_EQ(control.lastError().number, ImagingError::WriteFailed);
}

} // namespace
