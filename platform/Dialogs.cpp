#include "platform/Dialogs.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

QString Dialogs::printerSetup(const QString& title) {
    QPrinter printer;
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintShowPageSize, false);
    return dialog.exec() == QDialog::Accepted ? printer.printerName() : QString();
}
