#include "app/shell/QtDialogs.h"

#include "app/AppState.h"
#include "app/shell/BusyCursor.h"
#include "app/shell/TsMsgBox.h"
#include "platform/HelpViewer.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QFileDialog* makeFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    auto* dialog = new QFileDialog(QApplication::activeWindow(), request.title,
                                   request.initialFolder, request.filter);
    // Qt's own dialog looks and behaves the same on every desktop.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.defaultExtension.isEmpty()) {
        dialog->setDefaultSuffix(request.defaultExtension);
    }
    if (!request.initialName.isEmpty()) {
        dialog->selectFile(request.initialName);
    }
    return dialog;
}

QString runFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    BusyCursorOff();
    QFileDialog* dialog = makeFileDialog(request, mode);
    QString chosen;
    if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
        chosen = dialog->selectedFiles().constFirst();
    }
    delete dialog;
    return chosen;
}

} // namespace

int QtDialogs::messageBox(const QString& message, int buttons, const QString& caption) {
    return TsMsgBox::Display(message, buttons, caption);
}

void QtDialogs::plainMessage(const QString& message, const QString& caption) {
    BusyCursorOff();
    QMessageBox::information(QApplication::activeWindow(),
                             caption.isEmpty() ? App().ApplicationTitle : caption, message);
}

QString QtDialogs::openFile(const FileDialogRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptOpen);
}

QString QtDialogs::saveFile(const FileDialogRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptSave);
}

std::optional<QColor> QtDialogs::chooseColor(const QColor& initial) {
    BusyCursorOff();
    const QColor chosen = QColorDialog::getColor(initial, QApplication::activeWindow());
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return chosen;
}

void QtDialogs::showHelp(const QString& helpFile, int context) {
    HelpViewer::showTopic(helpFile, context);
}
