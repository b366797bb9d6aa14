#pragma once

#include <QString>
#include <QStringList>

class SingleInstance;

// The start-up routine of the program, in its order.
class Startup {
public:
    // Runs every step up to the splash screen. False when another instance of the program was
    // running: it was asked to come forward and this process should end at once.
    static bool Run(const QStringList& arguments, SingleInstance& instance);

    // Reads the command line (all arguments as one text).
    static void ReadCommandLine(const QString& commandLine);
    static void LoadFontFamilies();
    // Adds "Comic.ttf" and "Comicbd.ttf" from the program's folder for this run.
    static void InstallFonts();
    // Records where the help file lies.
    static void RegisterHelpFile();
    // Creates the card's object collection and the catalogue.
    static void CreateModel();
};
