#pragma once

#include "app/shell/Screen.h"

#include <QVector>

// A screen that is not built yet: its caption, and buttons to the screens it leads to.
class StandInScreen : public Screen {
    Q_OBJECT
public:
    struct Link {
        int text;   // number of the button's text
        int target; // ScreenId
    };

    StandInScreen(int screenId, int captionText, QVector<Link> links, int cancelTarget);

protected:
    void Load() override;
    void CancelRequested() override;

private:
    int cancelTarget;
};
