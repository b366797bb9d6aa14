#pragma once

#include "card/KeyedCollection.h"
#include "card/PictureObject.h"

#include <memory>

// The card's objects in stacking order: position 1 lies at the bottom, Count on top. Each object
// is keyed by the decimal text of its Index; an object taken out with Item is shared.
class PictureObjects {
public:
    using Pointer = std::shared_ptr<PictureObject>;

    // Makes an object and puts it on top. A placeholder (PictureType 2) takes only Index and
    // PictureType and keeps every default; other kinds take every argument, Text and Font by
    // reference (none leaves the object without lines or font). Throws CollectionError when
    // the key is taken.
    Pointer Add(qint16 Index, qint16 PictureType, qint32 BitmapTop, qint32 BitmapLeft,
                qint32 BitmapWidth, qint32 BitmapHeight, bool WordWrap, qint16 Align, qint32 Left,
                qint32 Top, qint16 LongestLine, qint32 Width, qint32 Height,
                std::shared_ptr<TextLines> Text, qint32 Color, std::shared_ptr<CardFont> Font,
                const QString& Source, qint32 LineHeight, float ApparentFontSize);

    // By 1-based position, or by key.
    Pointer Item(int position) const { return objects.Item(position); }
    Pointer Item(const QString& key) const { return objects.Item(key); }
    int Count() const { return objects.Count(); }
    void Remove(int position) { objects.Remove(position); }
    void Remove(const QString& key) { objects.Remove(key); }

    // Puts an existing object on top under the key of its Index.
    void AddClass(const Pointer& object);
    // Removes the object keyed by Index.
    void DeleteClass(qint16 Index);
    // Moves the object keyed by Index to the top, keeping the order of the others.
    void MoveClassToTop(qint16 Index);

    static QString KeyOf(qint16 Index) { return QString::number(Index); }

    auto begin() const { return objects.begin(); }
    auto end() const { return objects.end(); }

private:
    KeyedCollection<PictureObject> objects;
};
