#include "platform/HelpViewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QTextBrowser>

namespace {
QPointer<HelpViewer> viewer;
}

HelpViewer::HelpViewer()
    : QWidget(nullptr, Qt::Window), list(new QListWidget(this)), page(new QTextBrowser(this)) {
    resize(760, 520);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list, 1);
    layout->addWidget(page, 3);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSize(10);
    list->setFont(font);
    page->setFont(font);
    connect(list, &QListWidget::currentRowChanged, this, &HelpViewer::showRow);
}

void HelpViewer::showTopic(const QString& helpFile, int context) {
    if (viewer.isNull()) {
        viewer = new HelpViewer;
        viewer->setAttribute(Qt::WA_DeleteOnClose);
    }
    viewer->open(helpFile, context);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

HelpViewer* HelpViewer::instance() {
    return viewer.data();
}

void HelpViewer::open(const QString& helpFile, int context) {
    help = HelpFile::read(helpFile);
    setWindowTitle(QFileInfo(helpFile).completeBaseName());
    list->blockSignals(true);
    list->clear();
    int row = 0;
    for (qsizetype i = 0; i < help.topics().size(); ++i) {
        list->addItem(help.topics()[i].title);
        if (help.topics()[i].context == context) {
            row = static_cast<int>(i);
        }
    }
    list->blockSignals(false);
    if (help.topics().isEmpty()) {
        page->clear();
        return;
    }
    list->setCurrentRow(row);
    showRow(row);
}

void HelpViewer::showRow(int row) {
    if (row < 0 || row >= help.topics().size()) {
        return;
    }
    page->setHtml(HelpFile::toHtml(help.topics()[row]));
}

int HelpViewer::currentContext() const {
    const int row = list->currentRow();
    return row >= 0 && row < help.topics().size() ? help.topics()[row].context : 0;
}

QString HelpViewer::currentTitle() const {
    const int row = list->currentRow();
    return row >= 0 && row < help.topics().size() ? help.topics()[row].title : QString();
}
