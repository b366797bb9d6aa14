#include "screens/selection/WaitForImage.h"

#include "platform/Clock.h"
#include "platform/ImagingControl.h"

#include <QCoreApplication>

namespace {

constexpr qint64 patienceMs = 5000;
// Between two looks the processor gets a moment's rest.
constexpr int pauseMs = 5;

} // namespace

int WaitForImage(ImagingControl& image) {
    Clock& clock = Clock::current();
    const qint64 start = clock.elapsedMs();
    for (;;) {
        QCoreApplication::processEvents();
        if (image.BitmapHeight() != 0 || clock.elapsedMs() - start >= patienceMs) {
            break;
        }
        clock.pause(pauseMs);
    }
    return image.lastError().number;
}
