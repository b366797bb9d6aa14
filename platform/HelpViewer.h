#pragma once

#include "platform/HelpFile.h"

#include <QWidget>

class QListWidget;
class QTextBrowser;

// The help viewer: the topics of a help file on the left, the chosen topic on the right.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    HelpViewer();

    // Opens (or brings forward) the viewer on a topic; the first topic when there is none with
    // that number.
    static void showTopic(const QString& helpFile, int context);
    // The viewer that showTopic uses; null before the first call.
    static HelpViewer* instance();

    void open(const QString& helpFile, int context);
    int currentContext() const;
    QString currentTitle() const;

private:
    void showRow(int row);

    HelpFile help;
    QListWidget* list;
    QTextBrowser* page;
};
