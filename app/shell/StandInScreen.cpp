#include "app/shell/StandInScreen.h"

#include "app/Texts.h"
#include "app/shell/Navigator.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

StandInScreen::StandInScreen(int screenId, int captionText, QVector<Link> links, int cancel)
    : Screen(screenId, 9510, 6825, captionText), cancelTarget(cancel) {
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(Texts::at(captionText), this);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSize(16);
    font.setBold(true);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    for (const Link& link : links) {
        auto* button = new QPushButton(Texts::at(link.text), this);
        button->setObjectName(QStringLiteral("link%1").arg(link.target));
        const int target = link.target;
        connect(button, &QPushButton::clicked, this, [target] { ShowScreen(target); });
        layout->addWidget(button);
    }
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xC8, 0xBC, 0xD8));
    setPalette(colours);
    setAutoFillBackground(true);
}

void StandInScreen::Load() {}

void StandInScreen::CancelRequested() {
    if (cancelTarget > 0) {
        ShowScreen(cancelTarget);
    }
}
