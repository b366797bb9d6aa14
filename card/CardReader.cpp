#include "card/CardReader.h"

#include "app/AppState.h"
#include "app/Media.h"
#include "app/Settings.h"
#include "app/Texts.h"
#include "card/AppModel.h"
#include "card/CardFormat.h"
#include "card/CardParsing.h"
#include "card/FileSaveDialog.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace CardParsing;

namespace {

constexpr int twipsPerPixel = 15;
constexpr qint32 cardWidthLimit = 640 * twipsPerPixel;
constexpr qint32 cardHeightLimit = 480 * twipsPerPixel;
constexpr qint32 shortLimit = 32767;

// Message box answers and button sets.
constexpr int okButton = 0;
constexpr int yesNoCancelButtons = 3;
constexpr int answerYes = 6;
constexpr int answerNo = 7;

const QString lineBreak = QStringLiteral("\r\n");

QString cardPath() {
    return NativePath(App().CurrentCardFile);
}

QStringList readSection(const QString& name) {
    return IniFile::ReadSection(cardPath(), name, CardFormat::TooLargeBytes - 1);
}

// Every item of a comma-separated value; items that are not there read as "".
QStringList listItems(const QString& value) {
    QStringList items;
    int position = 0;
    do {
        items.append(NextListItem(value, position));
    } while (position != 0);
    return items;
}

QString item(const QStringList& items, int number) {
    return number <= items.size() ? items.at(number - 1) : QString();
}

// The stored art path on the current graphics folder: the part after "\Graphics" (either
// separator), or the whole path when it is relative.
QString rerootedArtPath(const QString& stored, const QString& graphicsPath) {
    const qsizetype backslash = stored.indexOf(QStringLiteral("\\Graphics"));
    const qsizetype slash = stored.indexOf(QStringLiteral("/Graphics"));
    const qsizetype at =
        backslash < 0 ? slash : (slash < 0 ? backslash : std::min(backslash, slash));
    QString rest = at < 0 ? QLatin1Char('\\') + stored : stored.mid(at + 9);
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return graphicsPath + rest;
}

void readTextObject(PictureObject& object, const QStringList& group) {
    const QString properties = GetEntryValue(QStringLiteral("Properties"), group);
    if (!properties.isEmpty()) {
        const QStringList items = listItems(properties);
        if (!item(items, 1).isEmpty()) {
            object.Align = static_cast<qint16>(ParseLong(item(items, 1), -32768, 32767, 0));
        }
        if (!item(items, 2).isEmpty()) {
            object.Color = ParseColor(item(items, 2));
        }
        object.WordWrap = ParseBoolean(item(items, 3));
        if (!item(items, 4).isEmpty()) {
            object.LineHeight = ParseLong(item(items, 4));
        }
    }
    const QString font = GetEntryValue(QStringLiteral("Font"), group);
    if (!font.isEmpty()) {
        const QStringList items = listItems(font);
        object.setFontName(item(items, 1));
        if (!item(items, 1).isEmpty()) {
            object.setFontSize(static_cast<float>(ParseDouble(item(items, 2), 3, 1000, 9.8)));
            object.setFontBold(ParseBoolean(item(items, 3)));
            object.setFontItalic(ParseBoolean(item(items, 4)));
            object.ApparentFontSize = static_cast<float>(ParseDouble(item(items, 5), 3, 1000, 12));
        }
    }
}

void readPosition(PictureObject& object, const QStringList& group) {
    const QString position = GetEntryValue(QStringLiteral("Position"), group);
    if (position.isEmpty()) {
        return;
    }
    const QStringList items = listItems(position);
    object.Left = ParseLong(item(items, 1), 0, cardWidthLimit, 0);
    object.Top = ParseLong(item(items, 2), 0, cardHeightLimit, 0);
    object.Width = ParseLong(item(items, 3), 0, cardWidthLimit, 0);
    object.Height = ParseLong(item(items, 4), 0, cardHeightLimit, 0);
    object.BitmapLeft = ParseLong(item(items, 5), 0, shortLimit, 0);
    object.BitmapTop = ParseLong(item(items, 6), 0, shortLimit, 0);
    object.BitmapWidth = ParseLong(item(items, 7), 0, shortLimit, 0);
    object.BitmapHeight = ParseLong(item(items, 8), 0, shortLimit, 0);
    if (object.LineHeight == 0) {
        object.LineHeight = ParseLong(item(items, 9), 10, 1500, 0);
    }
}

qint16 readShort(const QStringList& entries, const QString& key, qint32 min, qint32 max,
                 qint32 fallback) {
    return static_cast<qint16>(ParseLong(GetEntryValue(key, entries), min, max, fallback));
}

QString fileNamePart(const QString& path) {
    const qsizetype last =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(last + 1);
}

bool isSampleCard(const QString& cardFile) {
    return cardFile.contains(QStringLiteral("\\SamplePictureCards\\")) ||
           cardFile.contains(QStringLiteral("/SamplePictureCards/"));
}

QString applicationDrive() {
    return Model().dataManager ? Model().dataManager->ApplicationDrive() : App().ApplicationDrive;
}

// Lets the user find a missing photo. Returns false on Cancel; on No the card goes on without
// the photo and *discrepancy is set.
bool findMissingPhoto(PhotoManager& photo, bool* discrepancy) {
    Dialogs& dialogs = Dialogs::current();
    while (CheckForFile(photo.PhotoInProcess, false) != FileFound) {
        const QString question = Texts::at(1012) + QStringLiteral(" (") + photo.PhotoInProcess +
                                 QStringLiteral(") ") + Texts::at(1013);
        const int answer = dialogs.messageBox(question, yesNoCancelButtons, QString());
        if (answer == answerNo) {
            dialogs.messageBox(Texts::at(1014), okButton, QString());
            photo.PhotoInProcess.clear();
            *discrepancy = true;
            return true;
        }
        if (answer != answerYes) {
            return false;
        }
        FileDialogRequest request;
        const QString storedFolder = FileSaveDialog::FolderOf(photo.PhotoInProcess);
        if (!storedFolder.isEmpty() && QFileInfo(NativePath(storedFolder)).isDir()) {
            request.initialFolder = NativePath(storedFolder);
        } else {
            request.initialFolder = ReadSetting(
                QStringLiteral("PicturePath"),
                applicationDrive() + QStringLiteral("/SamplePictures/"), QStringLiteral("..Files"));
        }
        const QString chosen = dialogs.openFile(request).trimmed();
        if (!chosen.isEmpty() && CheckForFile(chosen, false) == FileFound) {
            photo.PhotoInProcess = chosen;
        }
    }
    return true;
}

} // namespace

int ReadCardHeader() {
    AppModel& model = Model();
    model.BeginNewCard();
    const QString path = cardPath();
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        return CardProblem::FileMissing;
    }
    if (info.size() >= CardFormat::TooLargeBytes) {
        return CardProblem::TooLarge;
    }
    // A card copied from the disc can be saved over later.
    const QFileDevice::Permissions permissions = info.permissions();
    if (!permissions.testFlag(QFileDevice::WriteOwner)) {
        QFile::setPermissions(path, permissions | QFileDevice::WriteOwner);
    }
    IniFile file(path);
    if (!file.load(CardFormat::TooLargeBytes - 1)) {
        return CardProblem::FileMissing;
    }
    const QStringList header = file.section(CardFormat::HeaderSection);
    if (header.isEmpty()) {
        return CardProblem::NoHeader;
    }
    if (GetEntryValue(QStringLiteral("FileType"), header) != CardFormat::FileType) {
        return CardProblem::NotACard;
    }
    DataManager& catalogue = *model.dataManager;
    const QStringList occasion = listItems(GetEntryValue(QStringLiteral("Occasion"), header));
    catalogue.setCurrentOccasionName(item(occasion, 1));
    if (!catalogue.OccasionSelected()) {
        catalogue.setCurrentOccasionID(item(occasion, 2));
    }
    if (!catalogue.OccasionSelected()) {
        return CardProblem::UnknownOccasion;
    }
    const QStringList style = listItems(GetEntryValue(QStringLiteral("Style"), header));
    catalogue.setCurrentStyleName(item(style, 1));
    if (!catalogue.StyleSelected()) {
        catalogue.setCurrentStyleID(item(style, 2));
    }
    if (!catalogue.StyleSelected()) {
        return CardProblem::UnknownStyle;
    }
    catalogue.setTheTemplate(ParseLong(GetEntryValue(QStringLiteral("Template"), header), 0, 5, 0));
    return CardProblem::None;
}

bool ReadCardObjects(bool* discrepancy) {
    AppModel& model = Model();
    PictureObjects& objects = *model.pictureObjects;
    const QString graphicsPath = model.dataManager->GraphicsPath();
    const QStringList entries = readSection(CardFormat::ObjectsSection);
    qint16 nextIndex = 0;
    bool dropped = false;
    int position = 1;
    while (position != 0 && position <= entries.size()) {
        const QStringList group = GetEntryGroup(QStringLiteral("Object"), entries, position);
        if (group.isEmpty()) {
            break;
        }
        const qint16 index = nextIndex++;
        const PictureObjects::Pointer object =
            objects.Add(index, PictureObject::Placeholder, 0, 0, 0, 0, false, 0, 0, 0, 0, 0, 0,
                        nullptr, 0, nullptr, QString(), 0, 0);
        const QString kind = GetEntryValue(QStringLiteral("Object"), group).trimmed().toUpper();
        if (kind == CardFormat::ArtObjectWord.toUpper()) {
            object->PictureType = PictureObject::ArtObject;
            object->Source =
                rerootedArtPath(GetEntryValue(QStringLiteral("Source"), group), graphicsPath);
            const int found = CheckForFile(object->Source, true);
            if (found == FileNotFound) {
                if (discrepancy) {
                    *discrepancy = dropped;
                }
                return false;
            }
            if (found == FileMissingFromDisc) {
                objects.Remove(PictureObjects::KeyOf(index));
                --nextIndex;
                dropped = true;
                continue;
            }
        } else if (kind == CardFormat::TextObjectWord.toUpper()) {
            object->PictureType = PictureObject::TextObject;
            object->Text = ParseTextLines(GetEntryValue(QStringLiteral("Source"), group));
            if (object->Text->Count() == 0) {
                objects.Remove(PictureObjects::KeyOf(index));
                --nextIndex;
                continue;
            }
            readTextObject(*object, group);
        }
        readPosition(*object, group);
    }
    if (dropped) {
        Dialogs::current().messageBox(Texts::at(1015), okButton, Texts::at(1016));
    }
    model.dataManager->setSavedSinceChange(!dropped);
    if (discrepancy) {
        *discrepancy = dropped;
    }
    return true;
}

bool ReadCardPhoto(bool* discrepancy) {
    AppModel& model = Model();
    if (!model.photoManager) {
        model.photoManager = std::make_shared<PhotoManager>();
    }
    PhotoManager& photo = *model.photoManager;
    const QStringList header = readSection(CardFormat::HeaderSection);
    photo.PhotoInProcess = GetEntryValue(QStringLiteral("Photo"), header);
    // A sample card of the disc finds its photo on the disc, wherever the disc is now.
    if (!photo.PhotoInProcess.isEmpty() && isSampleCard(App().CurrentCardFile)) {
        photo.PhotoInProcess = NativePath(applicationDrive() + QStringLiteral("/SamplePictures/") +
                                          fileNamePart(photo.PhotoInProcess));
    }
    bool withoutPhoto = false;
    if (!photo.PhotoInProcess.trimmed().isEmpty()) {
        if (!findMissingPhoto(photo, &withoutPhoto)) {
            if (discrepancy) {
                *discrepancy = false;
            }
            return false;
        }
        photo.RotationFactor = readShort(header, QStringLiteral("Rotation"), 0, 359, 0);
        photo.Contrast = readShort(header, QStringLiteral("Contrast"), -9, 9, 0);
        photo.Brightness = readShort(header, QStringLiteral("Brightness"), -9, 9, 0);
        photo.ZoomFactor = readShort(header, QStringLiteral("Zoom"), 1, 100, 10);
        photo.ViewableBitmapLeft = readShort(header, QStringLiteral("HOffset"), -32767, 32767, 0);
        photo.ViewableBitmapTop = readShort(header, QStringLiteral("VOffset"), -32767, 32767, 0);
    }
    if (withoutPhoto) {
        model.dataManager->setSavedSinceChange(false);
    }
    if (discrepancy) {
        *discrepancy = withoutPhoto;
    }
    return true;
}

QString CardProblemMessage(int code) {
    switch (code) {
    case CardProblem::None:
        return QString();
    case CardProblem::FileMissing:
        return Texts::at(1007) + lineBreak + Texts::at(1008);
    case CardProblem::UnknownOccasion:
        return Texts::at(1010);
    case CardProblem::UnknownStyle:
        return Texts::at(1011);
    default:
        return Texts::at(1009);
    }
}

void ReportCardProblem(int code) {
    if (code != CardProblem::None) {
        Dialogs::current().messageBox(CardProblemMessage(code), okButton, QString());
    }
}
