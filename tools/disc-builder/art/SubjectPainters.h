#pragma once

#include <QColor>
#include <QPainter>

// The painters behind Subjects, grouped by theme in their own files.
using SubjectPainter = void (*)(QPainter&, const QColor&);

namespace PartySubjects {
void balloon(QPainter& p, const QColor& tint);
void balloonBunch(QPainter& p, const QColor& tint);
void cake(QPainter& p, const QColor& tint);
void cupcake(QPainter& p, const QColor& tint);
void gift(QPainter& p, const QColor& tint);
void giftStack(QPainter& p, const QColor& tint);
void partyHat(QPainter& p, const QColor& tint);
void candle(QPainter& p, const QColor& tint);
void star(QPainter& p, const QColor& tint);
void shootingStar(QPainter& p, const QColor& tint);
void confetti(QPainter& p, const QColor& tint);
void partyHorn(QPainter& p, const QColor& tint);
void lollipop(QPainter& p, const QColor& tint);
void iceCream(QPainter& p, const QColor& tint);
void rainbow(QPainter& p, const QColor& tint);
void bow(QPainter& p, const QColor& tint);
void trophy(QPainter& p, const QColor& tint);
void medal(QPainter& p, const QColor& tint);
void firework(QPainter& p, const QColor& tint);
void champagne(QPainter& p, const QColor& tint);
void glasses(QPainter& p, const QColor& tint);
void clock(QPainter& p, const QColor& tint);
void moon(QPainter& p, const QColor& tint);
} // namespace PartySubjects

namespace WinterSubjects {
void christmasTree(QPainter& p, const QColor& tint);
void snowman(QPainter& p, const QColor& tint);
void ornament(QPainter& p, const QColor& tint);
void bell(QPainter& p, const QColor& tint);
void weddingBells(QPainter& p, const QColor& tint);
void holly(QPainter& p, const QColor& tint);
void candyCane(QPainter& p, const QColor& tint);
void snowflake(QPainter& p, const QColor& tint);
void wreath(QPainter& p, const QColor& tint);
void stocking(QPainter& p, const QColor& tint);
void mitten(QPainter& p, const QColor& tint);
void santaHat(QPainter& p, const QColor& tint);
void gingerbread(QPainter& p, const QColor& tint);
} // namespace WinterSubjects

namespace LoveSubjects {
void heart(QPainter& p, const QColor& tint);
void heartArrow(QPainter& p, const QColor& tint);
void heartTrio(QPainter& p, const QColor& tint);
void rose(QPainter& p, const QColor& tint);
void tulip(QPainter& p, const QColor& tint);
void daisy(QPainter& p, const QColor& tint);
void bouquet(QPainter& p, const QColor& tint);
void butterfly(QPainter& p, const QColor& tint);
void loveLetter(QPainter& p, const QColor& tint);
void chocolates(QPainter& p, const QColor& tint);
void rings(QPainter& p, const QColor& tint);
void dove(QPainter& p, const QColor& tint);
void doves(QPainter& p, const QColor& tint);
void weddingCake(QPainter& p, const QColor& tint);
void heartBalloon(QPainter& p, const QColor& tint);
} // namespace LoveSubjects

namespace SpringSubjects {
void egg(QPainter& p, const QColor& tint);
void dottedEgg(QPainter& p, const QColor& tint);
void eggBasket(QPainter& p, const QColor& tint);
void bunny(QPainter& p, const QColor& tint);
void chick(QPainter& p, const QColor& tint);
void carrot(QPainter& p, const QColor& tint);
void flowerPot(QPainter& p, const QColor& tint);
void bee(QPainter& p, const QColor& tint);
void ladybug(QPainter& p, const QColor& tint);
void sun(QPainter& p, const QColor& tint);
void wateringCan(QPainter& p, const QColor& tint);
} // namespace SpringSubjects

namespace AutumnSubjects {
void pumpkin(QPainter& p, const QColor& tint);
void jackOLantern(QPainter& p, const QColor& tint);
void bat(QPainter& p, const QColor& tint);
void ghost(QPainter& p, const QColor& tint);
void witchHat(QPainter& p, const QColor& tint);
void spider(QPainter& p, const QColor& tint);
void candyCorn(QPainter& p, const QColor& tint);
void blackCat(QPainter& p, const QColor& tint);
void wrappedCandy(QPainter& p, const QColor& tint);
void mapleLeaf(QPainter& p, const QColor& tint);
void oakLeaf(QPainter& p, const QColor& tint);
void acorn(QPainter& p, const QColor& tint);
void turkey(QPainter& p, const QColor& tint);
void pie(QPainter& p, const QColor& tint);
void corn(QPainter& p, const QColor& tint);
void apple(QPainter& p, const QColor& tint);
void pilgrimHat(QPainter& p, const QColor& tint);
void sunflower(QPainter& p, const QColor& tint);
} // namespace AutumnSubjects

namespace FamilySubjects {
void mortarboard(QPainter& p, const QColor& tint);
void diploma(QPainter& p, const QColor& tint);
void books(QPainter& p, const QColor& tint);
void pencil(QPainter& p, const QColor& tint);
void tie(QPainter& p, const QColor& tint);
void hammer(QPainter& p, const QColor& tint);
void wrench(QPainter& p, const QColor& tint);
void mug(QPainter& p, const QColor& tint);
void sailboat(QPainter& p, const QColor& tint);
void fish(QPainter& p, const QColor& tint);
void teddy(QPainter& p, const QColor& tint);
void rattle(QPainter& p, const QColor& tint);
void bottle(QPainter& p, const QColor& tint);
void pacifier(QPainter& p, const QColor& tint);
void duck(QPainter& p, const QColor& tint);
void blocks(QPainter& p, const QColor& tint);
void pram(QPainter& p, const QColor& tint);
void onesie(QPainter& p, const QColor& tint);
} // namespace FamilySubjects
