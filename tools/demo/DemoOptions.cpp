#include "tools/demo/DemoOptions.h"

#include <QDir>

namespace {

// A slide shows for at least a moment and at most ten minutes.
constexpr int shortestSlideMs = 100;
constexpr int longestSlideMs = 600000;

} // namespace

DemoOptions DemoOptions::parse(const QStringList& arguments, const QString& programFolder) {
    DemoOptions options;
    options.discFolder = QDir::cleanPath(programFolder + QStringLiteral("/.."));
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--no-timer")) {
            options.timer = false;
        } else if (argument == QLatin1String("--disc") && hasValue) {
            options.discFolder = QDir::cleanPath(arguments[++i]);
        } else if (argument == QLatin1String("--catalogue") && hasValue) {
            options.catalogueFile = arguments[++i];
        } else if (argument == QLatin1String("--slides-ms") && hasValue) {
            bool number = false;
            const int ms = arguments[++i].toInt(&number);
            if (!number || ms < shortestSlideMs || ms > longestSlideMs) {
                options.error = QStringLiteral("--slides-ms takes a number of milliseconds from "
                                               "%1 to %2.")
                                    .arg(shortestSlideMs)
                                    .arg(longestSlideMs);
                return options;
            }
            options.slideMs = ms;
        } else {
            options.error = QStringLiteral("Unknown or incomplete option: %1").arg(argument);
            return options;
        }
    }
    return options;
}
