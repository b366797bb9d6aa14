#include "screens/selection/FrameChange.h"

#include "app/Texts.h"
#include "card/PhotoManager.h"
#include "card/PictureObjects.h"

#include <QStringList>
#include <initializer_list>

namespace {

bool isFrame(int frame) {
    return frame >= 0 && frame < FrameChange::FrameCount;
}

double marginFor(int size) {
    return size > 500 ? 250.0 : size / 2.0;
}

QString joinTexts(std::initializer_list<int> numbers) {
    QStringList lines;
    for (int number : numbers) {
        lines.append(Texts::at(number));
    }
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

FrameChange::Consequences FrameChange::between(int entryFrame, int newFrame, bool hasPhoto,
                                               bool hasArt) {
    Consequences consequences;
    if (!isFrame(entryFrame) || !isFrame(newFrame)) {
        return consequences;
    }
    consequences.photoLost = hasPhoto && !isBlank(entryFrame) && isBlank(newFrame);
    consequences.artAtRisk = hasArt && isPortrait(entryFrame) != isPortrait(newFrame);
    return consequences;
}

QString FrameChange::warning(const Consequences& consequences) {
    QString text;
    if (consequences.photoLost && consequences.artAtRisk) {
        text = joinTexts({221, 222, 223, 224, 225, 226});
    } else if (consequences.photoLost) {
        text = joinTexts({202, 203, 204});
    } else {
        text = joinTexts({211, 212, 213});
    }
    return text + QStringLiteral("\r\n\r\n") + Texts::at(230);
}

bool FrameChange::fallsOutside(int newFrame, int left, int top, int width, int height) {
    if (isPortrait(newFrame)) {
        return left > PortraitCardWidth - marginFor(width);
    }
    return top > LandscapeCardHeight - marginFor(height);
}

void FrameChange::apply(const Consequences& consequences, int newFrame, PhotoManager* photo,
                        PictureObjects& objects) {
    if (consequences.photoLost && photo != nullptr) {
        photo->PhotoInProcess.clear();
    }
    if (!consequences.artAtRisk) {
        return;
    }
    for (int position = objects.Count(); position >= 1; --position) {
        const PictureObjects::Pointer object = objects.Item(position);
        if (fallsOutside(newFrame, object->Left, object->Top, object->Width, object->Height)) {
            objects.Remove(position);
        }
    }
}
