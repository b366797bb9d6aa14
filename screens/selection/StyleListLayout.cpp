#include "screens/selection/StyleListLayout.h"

#include "app/shell/Twips.h"

#include <QFontMetrics>
#include <algorithm>

StyleListLayout::StyleListLayout(const QStringList& names, const QFont& measuringFont,
                                 int nextArrowTop)
    : arrowTop(nextArrowTop) {
    const QFontMetrics metrics(measuringFont);
    const int count = std::min<int>(static_cast<int>(names.size()), MaximumStyles);
    int top = FirstRowTop;
    for (int k = 0; k < count; ++k) {
        Row row{names[k], top, RowHeight};
        if (Twips::fromPixels(metrics.horizontalAdvance(names[k])) > WrapWidth) {
            const QRect wrapped = metrics.boundingRect(
                QRect(0, 0, Twips::toPixels(WrapWidth), 10000), Qt::TextWordWrap, names[k]);
            const int lines = std::max(
                2, qRound(double(wrapped.height() + metrics.leading()) / metrics.lineSpacing()));
            const int extra = Twips::fromPixels((lines - 1) * metrics.height());
            row.height += extra;
            top += extra;
        }
        rows.append(row);
        top += RowPitch;
    }
    if (hasSecondPage()) {
        const int shift = rows[FirstPageRows].top - SecondPageFirstTop;
        for (int k = FirstPageRows; k < count; ++k) {
            rows[k].top -= shift;
        }
    }
}

QRect StyleListLayout::firstPageCatcher() const {
    if (rows.isEmpty()) {
        return {};
    }
    const int top = rows[0].top - 60;
    const Row& last = rows[lastFirstPageRow()];
    const int bottom = std::min(last.top + last.height, arrowTop);
    return {RowLeft, top, RowWidth, bottom - top};
}

QRect StyleListLayout::secondPageCatcher(int pageWidth) const {
    if (!hasSecondPage()) {
        return {};
    }
    const Row& last = rows.last();
    return {0, rows[FirstPageRows].top, pageWidth, last.top + last.height};
}

int StyleListLayout::rowAt(bool secondPage, int y) const {
    const int first = secondPage ? FirstPageRows : 0;
    const int last = secondPage ? count() - 1 : lastFirstPageRow();
    if (last < first) {
        return -1;
    }
    int chosen = first;
    for (int k = first; k <= last; ++k) {
        if (rows[k].top <= y) {
            chosen = k;
        }
    }
    return chosen;
}
