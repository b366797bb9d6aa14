#include "card/TextLines.h"

#include "card/CollectionError.h"

namespace {

void checkPosition(int position, int count) {
    if (position < 1 || position > count) {
        throw CollectionError(CollectionError::OutOfRange, "Subscript out of range");
    }
}

} // namespace

const QString& TextLines::Item(int position) const {
    checkPosition(position, Count());
    return lines.at(position - 1);
}

void TextLines::Remove(int position) {
    checkPosition(position, Count());
    lines.removeAt(position - 1);
}
