#include "tools/disc-builder/art/Subjects.h"

#include "tools/disc-builder/art/SubjectPainters.h"

#include <QHash>

namespace {

const QHash<QString, SubjectPainter>& painters() {
    static const QHash<QString, SubjectPainter> table = {
        {"balloon", PartySubjects::balloon},
        {"balloonBunch", PartySubjects::balloonBunch},
        {"cake", PartySubjects::cake},
        {"cupcake", PartySubjects::cupcake},
        {"gift", PartySubjects::gift},
        {"giftStack", PartySubjects::giftStack},
        {"partyHat", PartySubjects::partyHat},
        {"candle", PartySubjects::candle},
        {"star", PartySubjects::star},
        {"shootingStar", PartySubjects::shootingStar},
        {"confetti", PartySubjects::confetti},
        {"partyHorn", PartySubjects::partyHorn},
        {"lollipop", PartySubjects::lollipop},
        {"iceCream", PartySubjects::iceCream},
        {"rainbow", PartySubjects::rainbow},
        {"bow", PartySubjects::bow},
        {"trophy", PartySubjects::trophy},
        {"medal", PartySubjects::medal},
        {"firework", PartySubjects::firework},
        {"champagne", PartySubjects::champagne},
        {"glasses", PartySubjects::glasses},
        {"clock", PartySubjects::clock},
        {"moon", PartySubjects::moon},
        {"christmasTree", WinterSubjects::christmasTree},
        {"snowman", WinterSubjects::snowman},
        {"ornament", WinterSubjects::ornament},
        {"bell", WinterSubjects::bell},
        {"weddingBells", WinterSubjects::weddingBells},
        {"holly", WinterSubjects::holly},
        {"candyCane", WinterSubjects::candyCane},
        {"snowflake", WinterSubjects::snowflake},
        {"wreath", WinterSubjects::wreath},
        {"stocking", WinterSubjects::stocking},
        {"mitten", WinterSubjects::mitten},
        {"santaHat", WinterSubjects::santaHat},
        {"gingerbread", WinterSubjects::gingerbread},
        {"heart", LoveSubjects::heart},
        {"heartArrow", LoveSubjects::heartArrow},
        {"heartTrio", LoveSubjects::heartTrio},
        {"rose", LoveSubjects::rose},
        {"tulip", LoveSubjects::tulip},
        {"daisy", LoveSubjects::daisy},
        {"bouquet", LoveSubjects::bouquet},
        {"butterfly", LoveSubjects::butterfly},
        {"loveLetter", LoveSubjects::loveLetter},
        {"chocolates", LoveSubjects::chocolates},
        {"rings", LoveSubjects::rings},
        {"dove", LoveSubjects::dove},
        {"doves", LoveSubjects::doves},
        {"weddingCake", LoveSubjects::weddingCake},
        {"heartBalloon", LoveSubjects::heartBalloon},
        {"egg", SpringSubjects::egg},
        {"dottedEgg", SpringSubjects::dottedEgg},
        {"eggBasket", SpringSubjects::eggBasket},
        {"bunny", SpringSubjects::bunny},
        {"chick", SpringSubjects::chick},
        {"carrot", SpringSubjects::carrot},
        {"flowerPot", SpringSubjects::flowerPot},
        {"bee", SpringSubjects::bee},
        {"ladybug", SpringSubjects::ladybug},
        {"sun", SpringSubjects::sun},
        {"wateringCan", SpringSubjects::wateringCan},
        {"pumpkin", AutumnSubjects::pumpkin},
        {"jackOLantern", AutumnSubjects::jackOLantern},
        {"bat", AutumnSubjects::bat},
        {"ghost", AutumnSubjects::ghost},
        {"witchHat", AutumnSubjects::witchHat},
        {"spider", AutumnSubjects::spider},
        {"candyCorn", AutumnSubjects::candyCorn},
        {"blackCat", AutumnSubjects::blackCat},
        {"wrappedCandy", AutumnSubjects::wrappedCandy},
        {"mapleLeaf", AutumnSubjects::mapleLeaf},
        {"oakLeaf", AutumnSubjects::oakLeaf},
        {"acorn", AutumnSubjects::acorn},
        {"turkey", AutumnSubjects::turkey},
        {"pie", AutumnSubjects::pie},
        {"corn", AutumnSubjects::corn},
        {"apple", AutumnSubjects::apple},
        {"pilgrimHat", AutumnSubjects::pilgrimHat},
        {"sunflower", AutumnSubjects::sunflower},
        {"mortarboard", FamilySubjects::mortarboard},
        {"diploma", FamilySubjects::diploma},
        {"books", FamilySubjects::books},
        {"pencil", FamilySubjects::pencil},
        {"tie", FamilySubjects::tie},
        {"hammer", FamilySubjects::hammer},
        {"wrench", FamilySubjects::wrench},
        {"mug", FamilySubjects::mug},
        {"sailboat", FamilySubjects::sailboat},
        {"fish", FamilySubjects::fish},
        {"teddy", FamilySubjects::teddy},
        {"rattle", FamilySubjects::rattle},
        {"bottle", FamilySubjects::bottle},
        {"pacifier", FamilySubjects::pacifier},
        {"duck", FamilySubjects::duck},
        {"blocks", FamilySubjects::blocks},
        {"pram", FamilySubjects::pram},
        {"onesie", FamilySubjects::onesie},
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
