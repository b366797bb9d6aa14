#pragma once

#include <QIcon>

// The hidden window of the program: it carries the program's icon (and, for printing, the
// off-screen pictures). It is never shown.
class UIWindow {
public:
    static QIcon icon();
};
