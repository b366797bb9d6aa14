#include "tools/demo/SlideWindow.h"

#include "app/Texts.h"
#include "tools/demo/SlidePainter.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int barHeight = 60;
constexpr int fadeTickMs = 30;
constexpr double fadeStep = 1.0 / 16;

const char* const buttonStyle =
    "QPushButton { font-family: 'Comic Sans MS', 'Comic Neue'; font-size: 16px; font-weight: bold;"
    " color: #4b2e83; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbf8ff,"
    " stop:1 #dccaf0); border: 2px solid #9a84c4; border-radius: 15px; padding: 4px 18px; }"
    "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff,"
    " stop:1 #e7dbf7); }"
    "QPushButton:pressed { background: #c9b4e6; padding-top: 6px; }"
    "QPushButton:disabled { color: #b3a8c8; border-color: #cfc5e0; }";

QPushButton* makeButton(QWidget* parent, const QString& name, int text, QRect place) {
    auto* button = new QPushButton(Texts::at(text), parent);
    button->setObjectName(name);
    button->setGeometry(place);
    // The window takes every key, so that the arrows always turn the slides.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

SlideWindow::SlideWindow(const QVector<Slide>& slides, int slideMs, bool timer)
    : slideshow(static_cast<int>(slides.size())), timed(timer) {
    setWindowTitle(Texts::at(2001) + Texts::at(1004));
    setFixedSize(SlidePainter::Size.width(), SlidePainter::Size.height() + barHeight);
    setStyleSheet(QString::fromLatin1(buttonStyle));
    for (const Slide& slide : slides) {
        pictures << QPixmap::fromImage(SlidePainter::paint(slide));
    }

    const int top = SlidePainter::Size.height() + 12;
    const int right = SlidePainter::Size.width();
    backButton = makeButton(this, QStringLiteral("back"), 1102, QRect(20, top, 120, 36));
    nextButton = makeButton(this, QStringLiteral("next"), 1101, QRect(right - 270, top, 120, 36));
    closeButton = makeButton(this, QStringLiteral("close"), 1103, QRect(right - 140, top, 120, 36));
    connect(backButton, &QPushButton::clicked, this, &SlideWindow::goBack);
    connect(nextButton, &QPushButton::clicked, this, &SlideWindow::goNext);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    advance.setSingleShot(true);
    advance.setInterval(slideMs);
    connect(&advance, &QTimer::timeout, this, &SlideWindow::goNext);
    fading.setInterval(fadeTickMs);
    connect(&fading, &QTimer::timeout, this, &SlideWindow::stepFade);
    showCurrent(-1);
}

void SlideWindow::goNext() {
    const int before = slideshow.current();
    if (!slideshow.next()) {
        return;
    }
    if (slideshow.isFinished()) {
        close();
    } else {
        showCurrent(before);
    }
}

void SlideWindow::goBack() {
    const int before = slideshow.current();
    if (slideshow.back()) {
        showCurrent(before);
    }
}

void SlideWindow::showCurrent(int fadeFrom) {
    backButton->setEnabled(!slideshow.isFirst());
    if (fadeFrom >= 0 && timed) {
        previous = pictures[fadeFrom];
        fade = 0;
        fading.start();
    } else {
        fade = 1;
        fading.stop();
    }
    if (timed) {
        advance.start();
    }
    update();
}

void SlideWindow::stepFade() {
    fade = std::min(1.0, fade + fadeStep);
    if (fade >= 1.0) {
        fading.stop();
        previous = QPixmap();
    }
    update();
}

void SlideWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!pictures.isEmpty() && !slideshow.isFinished()) {
        if (fade < 1.0 && !previous.isNull()) {
            painter.drawPixmap(0, 0, previous);
            painter.setOpacity(fade);
        }
        painter.drawPixmap(0, 0, pictures[slideshow.current()]);
        painter.setOpacity(1.0);
    }

    const QRect bar(0, SlidePainter::Size.height(), width(), barHeight);
    painter.fillRect(bar, QColor(214, 200, 236));
    painter.fillRect(QRect(bar.topLeft(), QSize(width(), 2)), QColor(190, 172, 222));

    // One dot per slide, the current one filled.
    const int gap = 16;
    const int between = (backButton->geometry().right() + nextButton->geometry().left()) / 2;
    const int dotsLeft = between - gap * slideshow.count() / 2;
    for (int i = 0; i < slideshow.count(); ++i) {
        const bool current = i == slideshow.current();
        painter.setPen(QPen(QColor(120, 92, 170), 1.5));
        painter.setBrush(current ? QColor(120, 92, 170) : QColor(250, 247, 255));
        painter.drawEllipse(QPointF(dotsLeft + i * gap + gap / 2.0, bar.center().y() + 1),
                            current ? 5.5 : 4.5, current ? 5.5 : 4.5);
    }
}

void SlideWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Right:
        goNext();
        break;
    case Qt::Key_Left:
        goBack();
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void SlideWindow::closeEvent(QCloseEvent* event) {
    slideshow.finish();
    advance.stop();
    fading.stop();
    event->accept();
}
