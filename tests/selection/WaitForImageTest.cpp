#include "screens/selection/WaitForImage.h"

#include "platform/ImagingControl.h"
#include "tests/common/TestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(WaitForImageTest, APictureThatIsThereEndsTheWaitAtOnce) {
    TestEnvironment env;
    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const QString file = env.path(QStringLiteral("frame.bmp"));
    ASSERT_TRUE(picture.save(file, "BMP"));
    ImagingControl control;
    control.setBitmapDataPath(file);

    EXPECT_EQ(WaitForImage(control), 0);
    EXPECT_EQ(env.clock.pauses, 0);
}

TEST(WaitForImageTest, APictureThatNeverArrivesIsWaitedForFiveSeconds) {
    TestEnvironment env;
    ImagingControl control;

    EXPECT_EQ(WaitForImage(control), 0);
    EXPECT_GE(env.clock.elapsedMs(), 5000);
    EXPECT_LT(env.clock.elapsedMs(), 5100);
}

TEST(WaitForImageTest, AFailedLoadIsReportedByItsErrorNumber) {
    TestEnvironment env;
    ImagingControl control;
    EXPECT_THROW(control.setBitmapDataPath(env.path(QStringLiteral("missing.bmp"))), ImagingError);

    EXPECT_EQ(WaitForImage(control), ImagingError::FileNotFound);
}

TEST(WaitForImageTest, APictureArrivingDuringTheWaitEndsIt) {
    TestEnvironment env;
    ImagingControl control;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    env.clock.onPause = [&](qint64 now) {
        if (now >= 1000 && control.BitmapHeight() == 0) {
            control.setImage(picture);
        }
    };

    EXPECT_EQ(WaitForImage(control), 0);
    EXPECT_GE(env.clock.elapsedMs(), 1000);
    EXPECT_LT(env.clock.elapsedMs(), 1100);
}
