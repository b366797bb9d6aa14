#include "tools/disc-builder/art/Subjects.h"

#include "tools/disc-builder/art/SubjectPainters.h"

#include <QHash>

namespace {

const QHash<QString, SubjectPainter>& painters() {
    static const QHash<QString, SubjectPainter> table = {
        {"balloon", PartySubjects::balloon},   {"balloonBunch", PartySubjects::balloonBunch},
        {"cake", PartySubjects::cake},         {"cupcake", PartySubjects::cupcake},
        {"gift", PartySubjects::gift},         {"giftStack", PartySubjects::giftStack},
        {"partyHat", PartySubjects::partyHat}, {"candle", PartySubjects::candle},
        {"star", PartySubjects::star},         {"shootingStar", PartySubjects::shootingStar},
        {"confetti", PartySubjects::confetti}, {"partyHorn", PartySubjects::partyHorn},
        {"lollipop", PartySubjects::lollipop}, {"iceCream", PartySubjects::iceCream},
        {"rainbow", PartySubjects::rainbow},   {"bow", PartySubjects::bow},
        {"trophy", PartySubjects::trophy},     {"medal", PartySubjects::medal},
        {"firework", PartySubjects::firework}, {"champagne", PartySubjects::champagne},
        {"glasses", PartySubjects::glasses},   {"clock", PartySubjects::clock},
        {"moon", PartySubjects::moon},
    };
    return table;
}

} // namespace

namespace Subjects {

bool exists(const QString& name) {
    return painters().contains(name);
}

bool paint(QPainter& painter, const QString& name, const QColor& tint) {
    const SubjectPainter painterFunction = painters().value(name);
    if (!painterFunction) {
        return false;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painterFunction(painter, tint);
    painter.restore();
    return true;
}

QStringList names() {
    QStringList all = painters().keys();
    all.sort();
    return all;
}

} // namespace Subjects
