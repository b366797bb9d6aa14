#include "card/Undos.h"
#include "card/CollectionError.h"

#include <gtest/gtest.h>

namespace {

std::vector<qint32> actionsOf(const Undos& history) {
    std::vector<qint32> actions;
    for (const Undos::Pointer& record : history) {
        actions.push_back(record->Action);
    }
    return actions;
}

// What the editor does before an object record: make room, then add.
void noteObjectChange(Undos& history, qint16& undoMark, qint16 index) {
    history.MakeRoomForChange(undoMark);
    history.Add(Undo::ObjectMoved, index, index, 0, 0, 0, nullptr, QString(), QString());
}

TEST(Undos, AddKeepsEveryValueAndAppendsAsTheNewest) {
    Undos history;
    auto previous = std::make_shared<PictureObject>();
    history.Add(Undo::ObjectAdded, 1, 0, 0, 0, 0, nullptr, QString(), QString());
    const auto record = history.Add(Undo::ObjectMoved, 4, 10, 20, 30, 40, previous, QString(),
                                    QStringLiteral("move"));
    EXPECT_EQ(history.Count(), 2);
    EXPECT_EQ(history.Item(2), record);
    EXPECT_EQ(history.Item(QStringLiteral("move")), record);
    EXPECT_EQ(record->Action, Undo::ObjectMoved);
    EXPECT_EQ(record->Index, 4);
    EXPECT_EQ(record->PreviousValue1, 10);
    EXPECT_EQ(record->PreviousValue2, 20);
    EXPECT_EQ(record->PreviousValue3, 30);
    EXPECT_EQ(record->PreviousValue4, 40);
    EXPECT_EQ(record->PreviousObject, previous);
    EXPECT_TRUE(record->PreviousText.isEmpty());
    EXPECT_THROW(history.Item(3), CollectionError);
}

TEST(Undos, After31ObjectChangesTheFirstIsGone) {
    Undos history;
    qint16 undoMark = 0;
    for (qint16 change = 1; change <= 31; ++change) {
        noteObjectChange(history, undoMark, change);
    }
    EXPECT_EQ(history.Count(), Undos::MaxRecords);
    EXPECT_EQ(history.Item(1)->Index, 2);
    EXPECT_EQ(history.Item(30)->Index, 31);
}

TEST(Undos, MakingRoomLowersThePhotoToolsMarkButNotBelowZero) {
    Undos history;
    qint16 undoMark = 0;
    for (qint16 change = 1; change <= 30; ++change) {
        noteObjectChange(history, undoMark, change);
    }
    undoMark = 2;
    noteObjectChange(history, undoMark, 31);
    EXPECT_EQ(undoMark, 1);
    undoMark = 0;
    noteObjectChange(history, undoMark, 32);
    EXPECT_EQ(undoMark, 0);
    EXPECT_EQ(history.Count(), 30);
}

TEST(Undos, PhotoAdjustmentsAreNotLimited) {
    Undos history;
    for (int change = 0; change < 40; ++change) {
        history.Add(Undo::BrightnessChanged, 0, change, 0, 0, 0, nullptr, QString(), QString());
    }
    EXPECT_EQ(history.Count(), 40);
}

TEST(Undos, ANewPhotoRemovesOnlyThePhotoRecords) {
    Undos history;
    const qint32 sequence[] = {Undo::ObjectAdded,  Undo::BrightnessChanged, Undo::ContrastChanged,
                               Undo::ObjectMoved,  Undo::PhotoZoomed,       Undo::PhotoTurned,
                               Undo::PhotoDragged, Undo::ObjectDeleted,     Undo::TextEdited};
    for (const qint32 action : sequence) {
        history.Add(static_cast<qint16>(action), 1, 0, 0, 0, 0, nullptr, QString(), QString());
    }
    history.RemovePhotoRecords();
    EXPECT_EQ(actionsOf(history), (std::vector<qint32>{Undo::ObjectAdded, Undo::ObjectMoved,
                                                       Undo::ObjectDeleted, Undo::TextEdited}));
}

TEST(Undos, CancellingThePhotoToolsTakesOffExactlyTheirRecords) {
    Undos history;
    history.Add(Undo::ObjectAdded, 1, 0, 0, 0, 0, nullptr, QString(), QString());
    const int undoMark = history.Count();
    history.Add(Undo::BrightnessChanged, 0, 0, 0, 0, 0, nullptr, QString(), QString());
    history.Add(Undo::BrightnessChanged, 0, 1, 0, 0, 0, nullptr, QString(), QString());
    history.RemoveNewest(history.Count() - undoMark);
    EXPECT_EQ(actionsOf(history), (std::vector<qint32>{Undo::ObjectAdded}));
    history.RemoveNewest(5);
    EXPECT_EQ(history.Count(), 0);
}

TEST(Undos, RecordsFollowAnEditedTextObjectToItsNewIndex) {
    Undos history;
    history.Add(Undo::ObjectAdded, 4, 0, 0, 0, 0, nullptr, QString(), QString());
    history.Add(Undo::ObjectMoved, 5, 0, 0, 0, 0, nullptr, QString(), QString());
    history.Add(Undo::ObjectMoved, 4, 0, 0, 0, 0, nullptr, QString(), QString());
    history.Add(Undo::TextEdited, 9, 2, 0, 0, 0, std::make_shared<PictureObject>(), QString(),
                QString());
    history.RepointIndex(4, 9);
    std::vector<qint16> indexes;
    for (const Undos::Pointer& record : history) {
        indexes.push_back(record->Index);
    }
    EXPECT_EQ(indexes, (std::vector<qint16>{9, 5, 9, 9}));
}

TEST(Undo, PhotoRecordsAreCodesSixToTen) {
    Undo record;
    for (qint32 action = 0; action <= 11; ++action) {
        record.Action = action;
        EXPECT_EQ(record.ConcernsPhoto(), action >= 6 && action <= 10) << action;
    }
}

} // namespace
