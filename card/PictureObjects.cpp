#include "card/PictureObjects.h"

PictureObjects::Pointer
PictureObjects::Add(qint16 Index, qint16 PictureType, qint32 BitmapTop, qint32 BitmapLeft,
                    qint32 BitmapWidth, qint32 BitmapHeight, bool WordWrap, qint16 Align,
                    qint32 Left, qint32 Top, qint16 LongestLine, qint32 Width, qint32 Height,
                    std::shared_ptr<TextLines> Text, qint32 Color, std::shared_ptr<CardFont> Font,
                    const QString& Source, qint32 LineHeight, float ApparentFontSize) {
    auto object = std::make_shared<PictureObject>();
    object->Index = Index;
    object->PictureType = PictureType;
    if (PictureType != PictureObject::Placeholder) {
        object->BitmapTop = BitmapTop;
        object->BitmapLeft = BitmapLeft;
        object->BitmapWidth = BitmapWidth;
        object->BitmapHeight = BitmapHeight;
        object->WordWrap = WordWrap;
        object->Align = Align;
        object->Left = Left;
        object->Top = Top;
        object->LongestLine = LongestLine;
        object->Width = Width;
        object->Height = Height;
        object->Text = std::move(Text);
        object->Color = Color;
        object->Font = std::move(Font);
        object->Source = Source;
        object->LineHeight = LineHeight;
        object->ApparentFontSize = ApparentFontSize;
    }
    objects.Append(object, KeyOf(Index));
    return object;
}

void PictureObjects::AddClass(const Pointer& object) {
    objects.Append(object, KeyOf(object->Index));
}

void PictureObjects::DeleteClass(qint16 Index) {
    objects.Remove(KeyOf(Index));
}

void PictureObjects::MoveClassToTop(qint16 Index) {
    if (Count() < 2 || Item(Count())->Index == Index) {
        return;
    }
    const QString key = KeyOf(Index);
    const Pointer object = objects.Item(key);
    objects.Remove(key);
    objects.Append(object, key);
}
