#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// The application-wide state that lives for the whole run.
struct AppState {
    QString ApplicationTitle;
    // Full path of the card file being edited; "" when never saved or opened.
    QString CurrentCardFile;
    // "" normally; "BMP" or "JPG" to print into a test image file.
    QString PrintToFileFormat;
    bool DebugMode = false;
    // Ends each stored text line that the user ended with Enter.
    QChar LineEndMarker = QChar(31);
    // Installed font families, each once, in the order the system reports them.
    QStringList FontFamilies;
    // The content root of the application disc (see ResolveApplicationDrive).
    QString ApplicationDrive;
};

AppState& App();

// The content root of the application disc: the "CDDrive" setting when it is set (a folder, or a
// drive letter with or without ":"), else the "disc" folder beside the program.
QString ResolveApplicationDrive();
