#include "app/shell/TsMsgBox.h"

#include "app/Texts.h"
#include "app/shell/BusyCursor.h"
#include "app/shell/PictureButton.h"
#include "app/shell/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <cmath>

namespace {

// Design measures in twips.
constexpr int labelLeft = 180;
constexpr int labelTop = 180;
constexpr int buttonMargin = 120;
constexpr int buttonWidth = 1050;
constexpr int buttonHeight = 630;
constexpr int buttonGap = 60;
// Everything above and below the message: its top margin, the space before the buttons and
// the buttons themselves.
constexpr int fixedHeight = labelTop + 180 + buttonHeight;
constexpr int maximumLines = 10;

const QColor background(0xC8, 0xBC, 0xD8); // &H00D8BCC8& as BGR

QFont messageFont() {
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

QString forDisplay(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QSize measureTwips(const QString& text) {
    const QFontMetrics metrics(messageFont());
    const QStringList lines = forDisplay(text).split(QLatin1Char('\n'));
    int width = 0;
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const int height = static_cast<int>(lines.size()) * metrics.lineSpacing();
    return {Twips::fromPixels(width), Twips::fromPixels(height)};
}

int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

QString TsMsgBox::BreakIntoLines(const QString& original, int lines, bool* ok) {
    const qsizetype length = original.size();
    QString broken = original;
    for (int i = 1; i < lines; ++i) {
        const int start = std::max(1, roundHalfEven(double(length) * i / lines - 1));
        const qsizetype blank = broken.indexOf(QLatin1Char(' '), start - 1);
        if (blank < 0) {
            *ok = false;
            return original;
        }
        broken.replace(blank, 1, QStringLiteral("\r\n"));
    }
    *ok = true;
    return broken;
}

TsMsgBox::TsMsgBox(const QString& msg, int Buttons, const QString& DesiredCaption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      message(msg), buttonSet(Buttons & 0xF), label(new QLabel(this)) {
    setWindowTitle(DesiredCaption.isEmpty() ? Texts::at(2001) : DesiredCaption);
    setModal(true);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);

    switch (buttonSet) {
    case 1:
        roles = {{34, OK}, {9, Cancel}};
        break;
    case 3:
        roles = {{32, Yes}, {33, No}, {9, Cancel}};
        break;
    case 4:
        roles = {{32, Yes}, {33, No}};
        break;
    default:
        roles = {{34, OK}};
        break;
    }
    for (const ButtonRole& role : roles) {
        auto* button = new PictureButton(this);
        button->setCell(role.cell);
        const int result = role.result;
        connect(button, &PictureButton::clicked, this, [this, result] { choose(result); });
        buttons.append(button);
    }
    label->setFont(messageFont());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    layOut();
}

int TsMsgBox::minimumButtonRowTwips() const {
    switch (roles.size()) {
    case 1:
        return buttonMargin * 2 + buttonWidth;
    case 2:
        return buttonWidth * 2 + 120 + buttonMargin * 2;
    default:
        return buttonWidth * 3 + 120 + buttonMargin * 2;
    }
}

void TsMsgBox::layOut() {
    const int rowWidth = minimumButtonRowTwips();
    QSize measured = measureTwips(message);
    if (!message.contains(QLatin1Char('\r')) && !message.contains(QLatin1Char('\n'))) {
        const QString unbroken = message;
        QString result = unbroken;
        int n = 1;
        while (measured.height() * 5 < measured.width() && rowWidth < measured.width() &&
               n < maximumLines) {
            bool ok = false;
            result = BreakIntoLines(unbroken, n + 1, &ok);
            measured = measureTwips(result);
            ++n;
        }
        message = result;
    }
    const int w = measured.width();
    const int h = measured.height();
    const int windowWidth = std::max(labelLeft * 2 + w, rowWidth);
    const int windowHeight = fixedHeight + h;
    setFixedSize(Twips::size(windowWidth, windowHeight));

    label->setText(forDisplay(message));
    label->setGeometry(Twips::rect((windowWidth - w) / 2, labelTop, w, h));

    const int top = windowHeight - buttonHeight;
    QVector<int> lefts;
    const int centre = windowWidth / 2;
    switch (buttons.size()) {
    case 1:
        lefts = {(windowWidth - buttonWidth) / 2};
        break;
    case 2:
        lefts = {centre - buttonGap - buttonWidth, centre + buttonGap};
        break;
    default: {
        const int middle = (windowWidth - buttonWidth) / 2;
        lefts = {middle - buttonGap - buttonWidth, middle, middle + buttonWidth + buttonGap};
        break;
    }
    }
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        buttons[i]->setGeometry(Twips::rect(lefts[i], top, buttonWidth, buttonHeight));
    }

    // Slightly above the centre of the screen.
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        const int frameHeight = height() + style()->pixelMetric(QStyle::PM_TitleBarHeight);
        move(area.left() + (area.width() - width()) / 2,
             area.top() + static_cast<int>((area.height() - frameHeight) / 2.2));
    }
}

QVector<PictureButton*> TsMsgBox::visibleButtons() const {
    return buttons;
}

void TsMsgBox::choose(int result) {
    answer = result;
    answered = true;
    done(result);
}

void TsMsgBox::keyPressEvent(QKeyEvent* event) {
    const bool yesNo = buttonSet == 3 || buttonSet == 4;
    const bool okSet = buttonSet == 0 || buttonSet == 1;
    switch (event->key()) {
    case Qt::Key_Y:
        if (yesNo) {
            choose(Yes);
        }
        return;
    case Qt::Key_N:
        if (yesNo) {
            choose(No);
        }
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (okSet) {
            choose(OK);
        }
        return;
    case Qt::Key_Escape:
        if (buttonSet == 1 || buttonSet == 3) {
            choose(Cancel);
        }
        return;
    default:
        event->ignore();
    }
}

void TsMsgBox::closeEvent(QCloseEvent* event) {
    // Only the buttons and their keys close the box.
    if (!answered) {
        event->ignore();
    }
}

int TsMsgBox::Display(const QString& msg, int Buttons, const QString& DesiredCaption) {
    TsMsgBox box(msg, Buttons, DesiredCaption, QApplication::activeWindow());
    BusyCursorOff();
    box.exec();
    return box.answer;
}
