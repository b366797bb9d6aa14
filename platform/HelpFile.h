#pragma once

#include <QString>
#include <QVector>

// A help file: topics by context number. Text layout, UTF-8:
//   === 1000 Title of the topic
//   Paragraphs separated by blank lines; lines starting with "- " are list items.
// Anything before the first topic line is ignored.
class HelpFile {
public:
    struct Topic {
        int context = 0;
        QString title;
        QString body;
    };

    static HelpFile read(const QString& path);
    static HelpFile parse(const QString& text);

    const QVector<Topic>& topics() const { return entries; }
    // The topic with that number; null when there is none.
    const Topic* topic(int context) const;
    // The topic as rich text for display.
    static QString toHtml(const Topic& topic);

private:
    QVector<Topic> entries;
};
