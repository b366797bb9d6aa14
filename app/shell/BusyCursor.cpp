#include "app/shell/BusyCursor.h"

#include <QApplication>

void BusyCursorOn() {
    if (QApplication::overrideCursor() == nullptr) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

void BusyCursorOff() {
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

bool BusyCursorShown() {
    return QApplication::overrideCursor() != nullptr;
}
