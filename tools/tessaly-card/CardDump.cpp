#include "tools/tessaly-card/CardDump.h"

#include "card/AppModel.h"
#include "card/CardFormat.h"

#include <QJsonArray>

namespace {

// Sizes as the card file writes them, so 9.8 stays 9.8.
double size(float value) {
    return CardFormat::Size(value).toDouble();
}

QJsonValue font(const PictureObject& object) {
    if (!object.Font) {
        return QJsonValue::Null;
    }
    return QJsonObject{{QStringLiteral("name"), object.FontName()},
                       {QStringLiteral("size"), size(object.FontSize())},
                       {QStringLiteral("bold"), object.FontBold()},
                       {QStringLiteral("italic"), object.FontItalic()}};
}

QJsonObject object(const PictureObject& object) {
    QJsonArray lines;
    if (object.Text) {
        for (const QString& line : *object.Text) {
            lines.append(line);
        }
    }
    return QJsonObject{{QStringLiteral("index"), object.Index},
                       {QStringLiteral("type"), object.PictureType},
                       {QStringLiteral("left"), object.Left},
                       {QStringLiteral("top"), object.Top},
                       {QStringLiteral("width"), object.Width},
                       {QStringLiteral("height"), object.Height},
                       {QStringLiteral("bitmapLeft"), object.BitmapLeft},
                       {QStringLiteral("bitmapTop"), object.BitmapTop},
                       {QStringLiteral("bitmapWidth"), object.BitmapWidth},
                       {QStringLiteral("bitmapHeight"), object.BitmapHeight},
                       {QStringLiteral("lineHeight"), object.LineHeight},
                       {QStringLiteral("source"), object.Source},
                       {QStringLiteral("text"), lines},
                       {QStringLiteral("color"), object.Color},
                       {QStringLiteral("align"), object.Align},
                       {QStringLiteral("wordWrap"), object.WordWrap},
                       {QStringLiteral("longestLine"), object.LongestLine},
                       {QStringLiteral("apparentFontSize"), size(object.ApparentFontSize)},
                       {QStringLiteral("font"), font(object)}};
}

} // namespace

QJsonObject CardDump(int problem, bool discrepancy) {
    AppModel& model = Model();
    DataManager& catalogue = *model.dataManager;
    const PhotoManager photo = model.photoManager ? *model.photoManager : PhotoManager();
    QJsonArray objects;
    if (model.pictureObjects) {
        for (const PictureObjects::Pointer& item : *model.pictureObjects) {
            objects.append(object(*item));
        }
    }
    return QJsonObject{{QStringLiteral("problem"), problem},
                       {QStringLiteral("occasion"),
                        QJsonObject{{QStringLiteral("name"), catalogue.CurrentOccasionName()},
                                    {QStringLiteral("id"), catalogue.CurrentOccasionID()}}},
                       {QStringLiteral("style"),
                        QJsonObject{{QStringLiteral("name"), catalogue.CurrentStyleName()},
                                    {QStringLiteral("id"), catalogue.CurrentStyleID()}}},
                       {QStringLiteral("template"), catalogue.TheTemplate()},
                       {QStringLiteral("photo"),
                        QJsonObject{{QStringLiteral("path"), photo.PhotoInProcess},
                                    {QStringLiteral("brightness"), photo.Brightness},
                                    {QStringLiteral("contrast"), photo.Contrast},
                                    {QStringLiteral("rotation"), photo.RotationFactor},
                                    {QStringLiteral("zoom"), photo.ZoomFactor},
                                    {QStringLiteral("hOffset"), photo.ViewableBitmapLeft},
                                    {QStringLiteral("vOffset"), photo.ViewableBitmapTop}}},
                       {QStringLiteral("savedSinceChange"), catalogue.SavedSinceChange()},
                       {QStringLiteral("discrepancy"), discrepancy},
                       {QStringLiteral("objects"), objects}};
}
