#pragma once

#include "card/CardFont.h"
#include "card/TextLines.h"

#include <QString>
#include <QtGlobal>
#include <memory>

// One piece of clip art or block of text on the card. Positions and sizes are twips from the
// top-left corner of the card area. Text and Font may be absent; the font accessors then read
// as "no font" and create a font when written.
class PictureObject {
public:
    enum Type : qint32 {
        ArtObject = 0,
        TextObject = 1,
        // Only while a card file is read: the kind is not known yet.
        Placeholder = 2,
    };

    PictureObject();

    qint16 Index = 0;
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Width = 0;
    qint32 Height = 0;
    qint32 LineHeight = 0;
    qint32 PictureType = ArtObject;
    std::shared_ptr<TextLines> Text;
    // 0x00BBGGRR.
    qint32 Color = 0;
    std::shared_ptr<CardFont> Font;
    QString Source;
    // 0 left, 3 centred, 6 right.
    qint16 Align = 0;
    bool WordWrap = false;
    qint32 BitmapWidth = 0;
    qint32 BitmapHeight = 0;
    qint32 BitmapLeft = 0;
    qint32 BitmapTop = 0;
    qint16 LongestLine = 0;
    float ApparentFontSize = 12.0f;

    QString FontName() const { return Font ? Font->Name : QString(); }
    float FontSize() const { return Font ? Font->Size : 0.0f; }
    bool FontBold() const { return Font && Font->Bold; }
    bool FontItalic() const { return Font && Font->Italic; }
    void setFontName(const QString& name) { font().Name = name; }
    void setFontSize(float size) { font().Size = size; }
    void setFontBold(bool bold) { font().Bold = bold; }
    void setFontItalic(bool italic) { font().Italic = italic; }

    // A deep copy with Index -1 that shares nothing with this object. Only a text object passes
    // on its colour, lines and font; an art copy gets colour 0 and a new default font.
    std::shared_ptr<PictureObject> CopyOfMe() const;

private:
    CardFont& font();
};
