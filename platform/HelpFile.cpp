#include "platform/HelpFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

HelpFile HelpFile::read(const QString& path) {
    QFile file(path);
    const QFileInfo info(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return parse(QString::fromUtf8(file.readAll()));
}

HelpFile HelpFile::parse(const QString& text) {
    static const QRegularExpression heading(QStringLiteral("^===\\s*(\\d+)\\s+(.*)$"));
    HelpFile help;
    Topic* current = nullptr;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line.remove(QLatin1Char('\r'));
        const QRegularExpressionMatch match = heading.match(line);
        if (match.hasMatch()) {
            help.entries.append({match.captured(1).toInt(), match.captured(2).trimmed(), {}});
            current = &help.entries.last();
        } else if (current != nullptr) {
            current->body += line + QLatin1Char('\n');
        }
    }
    for (Topic& topic : help.entries) {
        topic.body = topic.body.trimmed();
    }
    return help;
}

const HelpFile::Topic* HelpFile::topic(int context) const {
    for (const Topic& entry : entries) {
        if (entry.context == context) {
            return &entry;
        }
    }
    return nullptr;
}

QString HelpFile::toHtml(const Topic& topic) {
    QString html = QStringLiteral("<h2>") + topic.title.toHtmlEscaped() + QStringLiteral("</h2>");
    const QStringList paragraphs =
        topic.body.split(QRegularExpression(QStringLiteral("\\n\\s*\\n")));
    for (const QString& paragraph : paragraphs) {
        const QStringList lines = paragraph.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (lines.isEmpty()) {
            continue;
        }
        if (lines.first().startsWith(QLatin1String("- "))) {
            html += QStringLiteral("<ul>");
            for (const QString& line : lines) {
                html += QStringLiteral("<li>") + line.mid(2).trimmed().toHtmlEscaped() +
                        QStringLiteral("</li>");
            }
            html += QStringLiteral("</ul>");
        } else {
            html += QStringLiteral("<p>") + lines.join(QLatin1Char(' ')).toHtmlEscaped() +
                    QStringLiteral("</p>");
        }
    }
    return html;
}
