#pragma once

#include <QColor>
#include <QString>
#include <optional>

// What a file dialog is asked to show.
struct FileDialogRequest {
    QString title;
    QString filter; // e.g. "Picture Cards (*.ocd)"
    QString initialFolder;
    QString initialName;
    QString defaultExtension; // without the dot
    bool confirmOverwrite = false;
};

// Every question the program asks a person goes through this seam: the program's own message
// box, the plain system message box, the file, colour and help dialogs. The program installs the
// real dialogs; tests install ScriptedDialogs.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The program's message box: button code (low four bits: 0 OK, 1 OK/Cancel, 3 Yes/No/Cancel,
    // 4 Yes/No); returns 1 OK, 2 Cancel, 6 Yes, 7 No.
    virtual int messageBox(const QString& message, int buttons, const QString& caption) = 0;
    // The plain system message box with one OK button.
    virtual void plainMessage(const QString& message, const QString& caption) = 0;
    // Full path of the chosen file, "" when cancelled.
    virtual QString openFile(const FileDialogRequest& request) = 0;
    virtual QString saveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
    // Opens the help viewer on a topic of a help file.
    virtual void showHelp(const QString& helpFile, int context) = 0;
    // The printer set-up (no page range, no print-to-file box); the chosen printer's name, ""
    // when cancelled.
    virtual QString printerSetup(const QString& title);

    static Dialogs& current();
    static void setCurrent(Dialogs* dialogs);
};
