#include "card/Undos.h"

Undos::Pointer Undos::Add(qint16 Action, qint16 Index, qint32 PreviousValue1, qint32 PreviousValue2,
                          qint32 PreviousValue3, qint32 PreviousValue4,
                          std::shared_ptr<PictureObject> PreviousObject,
                          const QString& PreviousText, const QString& sKey) {
    auto record = std::make_shared<Undo>();
    record->Action = Action;
    record->Index = Index;
    record->PreviousValue1 = PreviousValue1;
    record->PreviousValue2 = PreviousValue2;
    record->PreviousValue3 = PreviousValue3;
    record->PreviousValue4 = PreviousValue4;
    record->PreviousObject = std::move(PreviousObject);
    record->PreviousText = PreviousText;
    records.Append(record, sKey);
    return record;
}

void Undos::MakeRoomForChange(qint16& undoMark) {
    if (Count() >= MaxRecords) {
        Remove(1);
        if (undoMark > 0) {
            --undoMark;
        }
    }
}

void Undos::RemovePhotoRecords() {
    for (int position = Count(); position >= 1; --position) {
        if (Item(position)->ConcernsPhoto()) {
            Remove(position);
        }
    }
}

void Undos::RemoveNewest(int count) {
    for (int i = 0; i < count && Count() > 0; ++i) {
        Remove(Count());
    }
}

void Undos::RepointIndex(qint16 oldIndex, qint16 newIndex) {
    for (const Pointer& record : records) {
        if (record->Index == oldIndex) {
            record->Index = newIndex;
        }
    }
}
