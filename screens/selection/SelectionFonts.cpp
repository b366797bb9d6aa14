#include "screens/selection/SelectionFonts.h"

namespace {

QFont rounded(double points, bool bold) {
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

QFont SelectionFonts::ui() {
    return rounded(12.75, true);
}

QFont SelectionFonts::occasionCaption() {
    return rounded(11, false);
}

QFont SelectionFonts::styleLabels(bool bold) {
    return rounded(9.75, bold);
}

QFont SelectionFonts::occasionList() {
    return rounded(9, false);
}
