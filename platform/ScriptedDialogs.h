#pragma once

#include "platform/Dialogs.h"

#include <QStringList>
#include <deque>
#include <vector>

// Answers dialogs from queues and records what was asked; for tests and for the command-line
// tool. With an empty queue a message box is answered with its "safe" button: OK for code 0,
// Cancel for codes 1 and 3, No for code 4; file dialogs are cancelled.
class ScriptedDialogs : public Dialogs {
public:
    struct Asked {
        QString kind; // "message", "plain", "open", "save", "color", "help", "printer"
        QString text; // message, or dialog title
        int buttons = 0;
        QString caption;
        FileDialogRequest request;
        int context = 0;
    };

    std::deque<int> messageAnswers;
    std::deque<QString> fileAnswers;
    std::deque<std::optional<QColor>> colorAnswers;
    std::vector<Asked> asked;
    // When set, every message and plain message is also written to standard error.
    bool echoToStandardError = false;

    int messageBox(const QString& message, int buttons, const QString& caption) override;
    void plainMessage(const QString& message, const QString& caption) override;
    QString openFile(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    void showHelp(const QString& helpFile, int context) override;
    // Records the request and cancels.
    QString printerSetup(const QString& title) override;

    // Texts of the message boxes shown so far, in order.
    QStringList messages() const;

    static int safeAnswer(int buttons);
};
