#pragma once

#include "card/KeyedCollection.h"
#include "card/Undo.h"

#include <memory>

// The editor's history, oldest first; the newest record is at position Count.
class Undos {
public:
    using Pointer = std::shared_ptr<Undo>;

    // The most records kept once room is made for an object change.
    static constexpr int MaxRecords = 30;

    // Appends a record as the newest; a non-empty sKey also makes it findable by that key.
    Pointer Add(qint16 Action, qint16 Index, qint32 PreviousValue1, qint32 PreviousValue2,
                qint32 PreviousValue3, qint32 PreviousValue4,
                std::shared_ptr<PictureObject> PreviousObject, const QString& PreviousText,
                const QString& sKey);

    Pointer Item(int position) const { return records.Item(position); }
    Pointer Item(const QString& key) const { return records.Item(key); }
    int Count() const { return records.Count(); }
    void Remove(int position) { records.Remove(position); }
    void Remove(const QString& key) { records.Remove(key); }

    // Before an object record or a photo drag is added: drops the oldest record when the
    // history is full, lowering undoMark (the photo tools' mark) with it.
    void MakeRoomForChange(qint16& undoMark);
    // A new photo makes the records of the old one meaningless; object records stay.
    void RemovePhotoRecords();
    // Takes off the count newest records.
    void RemoveNewest(int count);
    // An edited text object gets a new Index; older records follow it.
    void RepointIndex(qint16 oldIndex, qint16 newIndex);

    auto begin() const { return records.begin(); }
    auto end() const { return records.end(); }

private:
    KeyedCollection<Undo> records;
};
