#include "card/PhotoManager.h"

void PhotoManager::UseNewPhoto(const QString& path) {
    ZoomFactor = 10;
    Brightness = 0;
    Contrast = 0;
    RotationFactor = 0;
    ViewableBitmapLeft = 0;
    ViewableBitmapTop = 0;
    PhotoInProcess = path;
}

qint16 PhotoManager::TurnedRotation(qint16 rotation, int delta) {
    return static_cast<qint16>((rotation + delta + 360) % 360);
}
