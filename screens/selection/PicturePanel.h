#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

// A panel that shows painted artwork filling its whole area, painted again when its size changes.
class PicturePanel : public QWidget {
    Q_OBJECT
public:
    using Artwork = std::function<QPixmap(const QSize&)>;

    PicturePanel(Artwork artwork, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Artwork artwork;
    QPixmap picture;
};
