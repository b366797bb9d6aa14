#pragma once

#include <QString>
#include <QStringList>

// The demonstration's command line:
//   vimble [--disc DIR] [--catalogue FILE] [--slides-ms N] [--no-timer]
// Without --disc the disc is the parent of the program's own folder, as the program lies in
// "<disc>/What you can do".
struct DemoOptions {
    QString discFolder;
    // "" lets the demonstration look for the catalogue itself.
    QString catalogueFile;
    int slideMs = DefaultSlideMs;
    // Off: the slides neither move on by themselves nor fade (for tests).
    bool timer = true;
    // Not empty when the command line could not be read.
    QString error;

    static constexpr int DefaultSlideMs = 4000;

    // arguments without the program's name.
    static DemoOptions parse(const QStringList& arguments, const QString& programFolder);
};
