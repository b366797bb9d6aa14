#include "card/PictureObject.h"

PictureObject::PictureObject()
    : Text(std::make_shared<TextLines>()), Font(std::make_shared<CardFont>()) {}

CardFont& PictureObject::font() {
    if (!Font) {
        Font = std::make_shared<CardFont>();
    }
    return *Font;
}

std::shared_ptr<PictureObject> PictureObject::CopyOfMe() const {
    auto copy = std::make_shared<PictureObject>();
    copy->Align = Align;
    copy->BitmapHeight = BitmapHeight;
    copy->BitmapLeft = BitmapLeft;
    copy->BitmapTop = BitmapTop;
    copy->BitmapWidth = BitmapWidth;
    if (PictureType == TextObject) {
        if (Text) {
            copy->Text = std::make_shared<TextLines>(Text->toList());
        }
        copy->Color = Color;
        copy->setFontName(FontName());
        copy->setFontBold(FontBold());
        copy->setFontItalic(FontItalic());
        copy->setFontSize(FontSize());
    }
    copy->Height = Height;
    copy->Index = -1;
    copy->Left = Left;
    copy->LineHeight = LineHeight;
    copy->LongestLine = LongestLine;
    copy->PictureType = PictureType;
    copy->Source = Source;
    copy->Top = Top;
    copy->Width = Width;
    copy->WordWrap = WordWrap;
    copy->ApparentFontSize = ApparentFontSize;
    return copy;
}
