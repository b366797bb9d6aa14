#include "card/PhotoManager.h"

#include <gtest/gtest.h>

namespace {

TEST(PhotoManager, StartsWithoutPhotoAtFullSize) {
    const PhotoManager photo;
    EXPECT_TRUE(photo.PhotoInProcess.isEmpty());
    EXPECT_EQ(photo.ZoomFactor, 10);
    EXPECT_EQ(photo.Brightness, 0);
    EXPECT_EQ(photo.Contrast, 0);
    EXPECT_EQ(photo.RotationFactor, 0);
    EXPECT_EQ(photo.ViewableBitmapLeft, 0);
    EXPECT_EQ(photo.ViewableBitmapTop, 0);
}

TEST(PhotoManager, StoresValuesUnchanged) {
    PhotoManager photo;
    photo.Brightness = 40;
    photo.ZoomFactor = -3;
    EXPECT_EQ(photo.Brightness, 40);
    EXPECT_EQ(photo.ZoomFactor, -3);
}

TEST(PhotoManager, CopyIsIndependent) {
    PhotoManager photo;
    photo.PhotoInProcess = QStringLiteral("/photos/beach.jpg");
    photo.ZoomFactor = 14;
    photo.Brightness = -2;
    photo.Contrast = 3;
    photo.RotationFactor = 90;
    photo.ViewableBitmapLeft = 12;
    photo.ViewableBitmapTop = -7;

    const auto copy = photo.CopyOfMe();
    EXPECT_EQ(copy->PhotoInProcess, photo.PhotoInProcess);
    EXPECT_EQ(copy->ZoomFactor, 14);
    EXPECT_EQ(copy->Brightness, -2);
    EXPECT_EQ(copy->Contrast, 3);
    EXPECT_EQ(copy->RotationFactor, 90);
    EXPECT_EQ(copy->ViewableBitmapLeft, 12);
    EXPECT_EQ(copy->ViewableBitmapTop, -7);

    copy->ZoomFactor = 1;
    copy->PhotoInProcess = QStringLiteral("/photos/garden.jpg");
    EXPECT_EQ(photo.ZoomFactor, 14);
    EXPECT_EQ(photo.PhotoInProcess, QStringLiteral("/photos/beach.jpg"));
}

TEST(PhotoManager, QuarterTurnsStayWithinAFullCircle) {
    struct Case {
        qint16 from;
        int delta;
        qint16 expected;
    };
    for (const Case& c :
         {Case{0, -90, 270}, Case{270, 90, 0}, Case{90, 90, 180}, Case{180, -90, 90}}) {
        EXPECT_EQ(PhotoManager::TurnedRotation(c.from, c.delta), c.expected)
            << c.from << " " << c.delta;
    }
}

TEST(PhotoManager, ANewPhotoStartsWithoutAdjustments) {
    PhotoManager photo;
    photo.ZoomFactor = 30;
    photo.Brightness = 4;
    photo.Contrast = -4;
    photo.RotationFactor = 180;
    photo.ViewableBitmapLeft = 100;
    photo.ViewableBitmapTop = 50;
    photo.UseNewPhoto(QStringLiteral("/photos/pet.jpg"));
    EXPECT_EQ(photo.PhotoInProcess, QStringLiteral("/photos/pet.jpg"));
    EXPECT_EQ(photo.ZoomFactor, 10);
    EXPECT_EQ(photo.Brightness, 0);
    EXPECT_EQ(photo.Contrast, 0);
    EXPECT_EQ(photo.RotationFactor, 0);
    EXPECT_EQ(photo.ViewableBitmapLeft, 0);
    EXPECT_EQ(photo.ViewableBitmapTop, 0);
}

} // namespace
