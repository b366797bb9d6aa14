#pragma once

#include "card/PictureObject.h"

#include <QString>
#include <QtGlobal>
#include <memory>

// One record of the editor's history: the state from before a change, read according to Action.
class Undo {
public:
    enum ActionCode : qint32 {
        ObjectAdded = 0,
        // PreviousObject: a copy of the text object from before the edit.
        TextEdited = 1,
        // Values: Left, Top, Width, Height before.
        ObjectMoved = 2,
        // PreviousObject: the deleted object.
        ObjectDeleted = 3,
        // Value 1: Brightness before.
        BrightnessChanged = 6,
        // Value 1: Contrast before.
        ContrastChanged = 7,
        // Values: ZoomFactor, ViewableBitmapLeft, ViewableBitmapTop before.
        PhotoZoomed = 8,
        // Values: RotationFactor, ViewableBitmapLeft, ViewableBitmapTop before.
        PhotoTurned = 9,
        // Values: ViewableBitmapTop, ViewableBitmapLeft before (top first).
        PhotoDragged = 10,
    };

    qint32 Action = ObjectAdded;
    qint16 Index = 0;
    qint32 PreviousValue1 = 0;
    qint32 PreviousValue2 = 0;
    qint32 PreviousValue3 = 0;
    qint32 PreviousValue4 = 0;
    std::shared_ptr<PictureObject> PreviousObject;
    QString PreviousText;

    bool ConcernsPhoto() const { return Action >= BrightnessChanged && Action <= PhotoDragged; }
};
