#pragma once

#include "platform/Dialogs.h"

// The real dialogs: the program's message box, Qt's file and colour dialogs, the help viewer.
class QtDialogs : public Dialogs {
public:
    int messageBox(const QString& message, int buttons, const QString& caption) override;
    void plainMessage(const QString& message, const QString& caption) override;
    QString openFile(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    void showHelp(const QString& helpFile, int context) override;
};
