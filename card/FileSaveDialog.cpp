#include "card/FileSaveDialog.h"

#include "app/AppState.h"
#include "app/Settings.h"
#include "app/Texts.h"
#include "card/AppModel.h"
#include "platform/Dialogs.h"
#include "platform/FileFilter.h"

#include <QDir>
#include <QStandardPaths>

namespace {

const QString filesSection = QStringLiteral("..Files");
const QString cardExtension = QStringLiteral("ocd");

QString applicationDrive() {
    return Model().dataManager ? Model().dataManager->ApplicationDrive() : App().ApplicationDrive;
}

QString slashed(QString path) {
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// Where cards are saved when the user has not saved one yet: the documents folder.
QString defaultSaveFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/');
}

FileDialogRequest cardRequest(int title) {
    FileDialogRequest request;
    request.title = Texts::at(title);
    request.filter = FileDialogFilter(Texts::at(302));
    request.defaultExtension = cardExtension;
    return request;
}

} // namespace

QString FileSaveDialog::FolderOf(const QString& path) {
    const qsizetype last =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return last < 0 ? QString() : path.left(last + 1);
}

bool FileSaveDialog::LiesOnApplicationDisc(const QString& path) {
    QString root = slashed(applicationDrive());
    if (root.isEmpty()) {
        return false;
    }
    if (!root.endsWith(QLatin1Char('/'))) {
        root += QLatin1Char('/');
    }
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity sensitivity = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity sensitivity = Qt::CaseSensitive;
#endif
    const QString normalised = slashed(path);
    return normalised.startsWith(root, sensitivity) ||
           normalised.compare(root.chopped(1), sensitivity) == 0;
}

bool FileSaveDialog::DisplaySave() {
    FileDialogRequest request = cardRequest(303);
    request.initialFolder =
        ReadSetting(QStringLiteral("SaveFile"), defaultSaveFolder(), filesSection);
    if (!App().CurrentCardFile.isEmpty()) {
        // A card opened from the disc is saved elsewhere; any other card next to itself.
        const QString folder = FolderOf(App().CurrentCardFile);
        if (!LiesOnApplicationDisc(folder)) {
            request.initialFolder = folder;
        }
    }
    request.confirmOverwrite = true;
    const QString chosen = Dialogs::current().saveFile(request);
    if (chosen.isEmpty()) {
        return false;
    }
    App().CurrentCardFile = chosen;
    const QString folder = FolderOf(chosen);
    if (!folder.trimmed().isEmpty()) {
        WriteSetting(QStringLiteral("SaveFile"), folder, filesSection);
    }
    return true;
}

bool FileSaveDialog::DisplayLoad() {
    FileDialogRequest request = cardRequest(301);
    request.initialName = QStringLiteral("*.") + cardExtension;
    request.initialFolder =
        ReadSetting(QStringLiteral("LoadFile"),
                    applicationDrive() + QStringLiteral("/SamplePictureCards/"), filesSection);
    const QString chosen = Dialogs::current().openFile(request);
    if (chosen.isEmpty()) {
        return false;
    }
    App().CurrentCardFile = chosen;
    WriteSetting(QStringLiteral("LoadFile"), FolderOf(chosen), filesSection);
    return true;
}

bool FileSaveDialog::DisplayPrint() {
    Dialogs::current().printerSetup(Texts::at(304));
    return false;
}
