#pragma once

#include <QString>
#include <QStringList>

// Starts another program and waits until it has ended. While waiting, windows still repaint
// but take no input from the user.
class ProcessRunner {
public:
    // False when the program could not be started or waited for; how it ended does not matter.
    static bool runAndWait(const QString& program, const QStringList& arguments = {});
};
