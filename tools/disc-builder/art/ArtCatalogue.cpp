#include "tools/disc-builder/art/ArtCatalogue.h"

namespace {

using Ornament = GreetingPainter::Ornament;
using Badge = GreetingPainter::Badge;

const QColor kRed(232, 62, 80);
const QColor kPink(244, 128, 170);
const QColor kOrange(246, 146, 40);
const QColor kYellow(250, 204, 50);
const QColor kGreen(92, 184, 92);
const QColor kTeal(40, 170, 170);
const QColor kBlue(66, 150, 232);
const QColor kPurple(156, 96, 210);
const QColor kGold(240, 190, 50);
const QColor kBrown(150, 96, 56);
const QColor kCream(255, 248, 230);

FrameTheme theme(const Palette& palette, BorderKind border, Backdrop backdrop,
                 std::initializer_list<HoleShape> holes, QVector<Motif> motifs) {
    FrameTheme result;
    result.palette = palette;
    result.border = border;
    result.backdrop = backdrop;
    const QVector<HoleShape> shapes(holes);
    result.landscapeHoles[0] = shapes.value(0, HoleShape::Rounded);
    result.landscapeHoles[1] = shapes.value(1, HoleShape::Oval);
    result.portraitHoles[0] = shapes.value(2, HoleShape::Arch);
    result.portraitHoles[1] = shapes.value(3, HoleShape::Oval);
    result.motifs = std::move(motifs);
    return result;
}

} // namespace

namespace ArtCatalogue {

QVector<OccasionSpec> occasions() {
    return {
        {"BDAY", "Birthday", "Birthday"},         {"NEWYR", "New Year", "NewYear"},
        {"VDAY", "Valentine's Day", "Valentine"}, {"EASTER", "Easter", "Easter"},
        {"MDAY", "Mother's Day", "MothersDay"},   {"FDAY", "Father's Day", "FathersDay"},
        {"GRAD", "Graduation", "Graduation"},     {"WEDDING", "Wedding", "Wedding"},
        {"BABY", "New Baby", "NewBaby"},          {"HWEEN", "Halloween", "Halloween"},
        {"TGIV", "Thanksgiving", "Thanksgiving"}, {"XMAS", "Christmas", "Christmas"},
    };
}

QVector<StyleSpec> styles() {
    return {
        {"1001",
         "Balloons",
         "BAL",
         "Birthday\\Balloons",
         {"BDAY"},
         theme({QColor(226, 244, 255), QColor(255, 252, 236), kRed, kBlue, kYellow, kCream,
                QColor(236, 246, 255)},
               BorderKind::Dots, Backdrop::Sparkles,
               {HoleShape::Rounded, HoleShape::Oval, HoleShape::Arch, HoleShape::Oval},
               {{"balloonBunch", kRed}, {"balloon", kBlue}, {"balloon", kYellow}}),
         {{"redballoon", "balloon", kRed, {}},
          {"blueballoon", "balloon", kBlue, {}},
          {"bunch", "balloonBunch", kPink, {}},
          {"partyhat", "partyHat", kPurple, {}},
          {"present", "gift", kRed, {}},
          {"horn", "partyHorn", kBlue, {}}}},
    };
}

QVector<SentimentSpec> sentiments() {
    return {
        {"BDAY", "hbday", "Happy Birthday!", kRed, kCream, Ornament::Stars},
        {"BDAY", "wish", "Make a Wish!", kBlue, kCream, Ornament::Stars},
    };
}

QVector<GreetingSpec> greetings() {
    return {
        {"thinking", "Thinking\nof You", Badge::Cloud, QColor(160, 200, 250)},
        {"congrats", "Congrats!", Badge::Star, kGold},
        {"withlove", "With\nLove", Badge::Heart, kPink},
        {"thankyou", "Thank You", Badge::Banner, kTeal},
        {"bestwish", "Best\nWishes", Badge::Banner, kPurple},
    };
}

} // namespace ArtCatalogue
