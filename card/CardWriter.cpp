#include "card/CardWriter.h"

#include "app/AppState.h"
#include "app/Texts.h"
#include "card/AppModel.h"
#include "card/CardFormat.h"
#include "card/FileSaveDialog.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "platform/TextEncoding.h"

#include <QFileInfo>

#include <cerrno>

namespace {

QString backslashed(QString path) {
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

QString position(const PictureObject& object) {
    const qint64 numbers[] = {object.Left,        object.Top,          object.Width,
                              object.Height,      object.BitmapLeft,   object.BitmapTop,
                              object.BitmapWidth, object.BitmapHeight, object.LineHeight};
    QStringList items;
    for (const qint64 number : numbers) {
        items.append(CardFormat::Number(number));
    }
    return items.join(QLatin1Char(','));
}

void appendArt(QStringList& entries, const PictureObject& object, const QString& graphicsPath) {
    entries.append(CardFormat::Entry(QStringLiteral("Object"), CardFormat::ArtObjectWord));
    entries.append(CardFormat::Entry(QStringLiteral("Position"), position(object)));
    entries.append(
        CardFormat::Entry(QStringLiteral("Source"), RelativeArtPath(object.Source, graphicsPath)));
}

void appendText(QStringList& entries, const PictureObject& object) {
    entries.append(CardFormat::Entry(QStringLiteral("Object"), CardFormat::TextObjectWord));
    entries.append(CardFormat::Entry(QStringLiteral("Position"), position(object)));
    entries.append(CardFormat::Entry(QStringLiteral("Source"),
                                     object.Text ? CardFormat::Lines(*object.Text) : QString()));
    const QStringList properties = {
        CardFormat::Number(object.Align), CardFormat::Color(object.Color),
        CardFormat::Boolean(object.WordWrap), QString::number(object.LineHeight)};
    entries.append(
        CardFormat::Entry(QStringLiteral("Properties"), properties.join(QLatin1Char(','))));
    const QStringList font = {object.FontName(), CardFormat::Size(object.FontSize()),
                              CardFormat::Boolean(object.FontBold()),
                              CardFormat::Boolean(object.FontItalic()),
                              CardFormat::Size(object.ApparentFontSize)};
    entries.append(CardFormat::Entry(QStringLiteral("Font"), font.join(QLatin1Char(','))));
}

// The other content of an existing file is kept only when it is a card: a file of any other
// kind that the user chose to replace is replaced.
IniFile existingCardOrNew(const QString& path) {
    IniFile file(path);
    if (!file.load(CardFormat::TooLargeBytes - 1) || !file.hasSection(CardFormat::HeaderSection)) {
        return IniFile(path);
    }
    return file;
}

} // namespace

QStringList CardHeaderEntries(const CardSelection& selection, const PhotoManager& photo) {
    using CardFormat::Entry;
    using CardFormat::Number;
    return {
        Entry(QStringLiteral("FileType"), CardFormat::FileType),
        Entry(QStringLiteral("Occasion"),
              selection.occasionName + QLatin1Char(',') + selection.occasionID),
        Entry(QStringLiteral("Style"), selection.styleName + QLatin1Char(',') + selection.styleID),
        Entry(QStringLiteral("Template"), selection.templateNumber),
        Entry(QStringLiteral("Photo"), photo.PhotoInProcess),
        Entry(QStringLiteral("Brightness"), Number(photo.Brightness)),
        Entry(QStringLiteral("Contrast"), Number(photo.Contrast)),
        Entry(QStringLiteral("Rotation"), Number(photo.RotationFactor)),
        Entry(QStringLiteral("Zoom"), Number(photo.ZoomFactor)),
        Entry(QStringLiteral("HOffset"), Number(photo.ViewableBitmapLeft)),
        Entry(QStringLiteral("VOffset"), Number(photo.ViewableBitmapTop))};
}

QStringList CardObjectEntries(const PictureObjects& objects, const QString& graphicsPath) {
    QStringList entries;
    for (const PictureObjects::Pointer& object : objects) {
        if (object->PictureType == PictureObject::ArtObject) {
            appendArt(entries, *object, graphicsPath);
        } else if (object->PictureType == PictureObject::TextObject) {
            appendText(entries, *object);
        }
    }
    return entries;
}

bool WriteCardFile(const QString& path, const CardSelection& selection, const PhotoManager& photo,
                   const PictureObjects& objects, const QString& graphicsPath, QString* error) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        *error = qt_error_string(target.isDir() ? EISDIR : EPERM);
        return false;
    }
    // A read-only card stays as it is, whoever runs the program.
    if (target.exists() && !target.permissions().testFlag(QFileDevice::WriteOwner)) {
        *error = qt_error_string(EACCES);
        return false;
    }
    IniFile file = existingCardOrNew(path);
    file.setSection(CardFormat::HeaderSection, CardHeaderEntries(selection, photo));
    if (objects.Count() > 0) {
        file.setSection(CardFormat::ObjectsSection, CardObjectEntries(objects, graphicsPath));
    } else {
        // Objects deleted since the last save must not come back when the card is opened.
        file.removeSection(CardFormat::ObjectsSection);
    }
    if (TextEncoding::encode(file.text()).size() >= CardFormat::TooLargeBytes) {
        *error = Texts::at(306);
        return false;
    }
    if (!file.save()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool SaveCard(bool saveToCurrentFile, const CardSelection& selection) {
    const QString previousFile = App().CurrentCardFile;
    if (App().CurrentCardFile.isEmpty() || !saveToCurrentFile) {
        if (!FileSaveDialog::DisplaySave()) {
            return false;
        }
    }
    AppModel& model = Model();
    const PhotoManager noPhoto;
    const PhotoManager& photo = model.photoManager ? *model.photoManager : noPhoto;
    const PictureObjects noObjects;
    const PictureObjects& objects = model.pictureObjects ? *model.pictureObjects : noObjects;
    const QString graphicsPath = model.dataManager ? model.dataManager->GraphicsPath() : QString();
    QString error;
    if (!WriteCardFile(App().CurrentCardFile, selection, photo, objects, graphicsPath, &error)) {
        // The card is not in that file, so it stays the card it was.
        App().CurrentCardFile = previousFile;
        Dialogs::current().messageBox(Texts::at(305) + QStringLiteral("\r\n") + error, 0,
                                      QString());
        return false;
    }
    if (model.dataManager) {
        model.dataManager->setSavedSinceChange(true);
    }
    return true;
}

QString RelativeArtPath(const QString& path) {
    return RelativeArtPath(path,
                           Model().dataManager ? Model().dataManager->GraphicsPath() : QString());
}

QString RelativeArtPath(const QString& path, const QString& graphicsPath) {
    const QString normalised = backslashed(path);
    const QString graphics = backslashed(graphicsPath);
    const qsizetype at = normalised.indexOf(graphics);
    if (at < 0) {
        return path;
    }
    QString relative = normalised.mid(at + graphics.size());
    if (relative.startsWith(QLatin1Char('\\'))) {
        relative.remove(0, 1);
    }
    return relative;
}
