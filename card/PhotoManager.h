#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

// What the card remembers about its photo: the file and the user's adjustments. Values are
// stored as given; the callers keep them in range.
class PhotoManager {
public:
    // Full path of the photo file; "" when the card has no photo.
    QString PhotoInProcess;
    // Tenths: 10 shows the photo as first fitted to the hole.
    qint16 ZoomFactor = 10;
    qint16 Brightness = 0;
    qint16 Contrast = 0;
    // Degrees: 0, 90, 180 or 270.
    qint16 RotationFactor = 0;
    // The pixel of the adjusted photo shown at the hole's left and top edges.
    qint16 ViewableBitmapLeft = 0;
    qint16 ViewableBitmapTop = 0;

    std::shared_ptr<PhotoManager> CopyOfMe() const { return std::make_shared<PhotoManager>(*this); }

    // A new photo starts without adjustments.
    void UseNewPhoto(const QString& path);

    // The rotation after a quarter turn by delta degrees, brought into 0..359.
    static qint16 TurnedRotation(qint16 rotation, int delta);
};
