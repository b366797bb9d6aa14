#include "card/PictureObjects.h"
#include "card/CollectionError.h"

#include <gtest/gtest.h>

namespace {

PictureObjects::Pointer addArt(PictureObjects& objects, qint16 index) {
    return objects.Add(index, PictureObject::ArtObject, 1, 2, 3, 4, false, 0, 100 * index, 50, 0,
                       300, 200, std::make_shared<TextLines>(), 0, nullptr,
                       QStringLiteral("/disc\\Graphics\\Birthday\\cakes.bmp"), 0, 12);
}

std::vector<qint16> indexesOf(const PictureObjects& objects) {
    std::vector<qint16> indexes;
    for (const PictureObjects::Pointer& object : objects) {
        indexes.push_back(object->Index);
    }
    return indexes;
}

PictureObjects threeObjects() {
    PictureObjects objects;
    for (qint16 index : {1, 2, 3}) {
        addArt(objects, index);
    }
    return objects;
}

TEST(PictureObject, StartsWithDefaultsAndAFontOfItsOwn) {
    const PictureObject object;
    ASSERT_TRUE(object.Text);
    EXPECT_EQ(object.Text->Count(), 0);
    ASSERT_TRUE(object.Font);
    EXPECT_FALSE(object.FontName().isEmpty());
    EXPECT_GT(object.FontSize(), 0.0f);
    EXPECT_EQ(object.ApparentFontSize, 12.0f);
    EXPECT_EQ(object.Left, 0);
    EXPECT_EQ(object.Color, 0);
    EXPECT_TRUE(object.Source.isEmpty());
    EXPECT_FALSE(object.WordWrap);
}

TEST(PictureObject, FontAccessorsReadNoFontAndCreateOneWhenWritten) {
    PictureObjects objects;
    const auto object = objects.Add(0, PictureObject::TextObject, 0, 0, 0, 0, false, 0, 0, 0, 0, 0,
                                    0, nullptr, 0, nullptr, QString(), 0, 12);
    EXPECT_FALSE(object->Font);
    EXPECT_FALSE(object->Text);
    EXPECT_EQ(object->FontName(), QString());
    EXPECT_EQ(object->FontSize(), 0.0f);
    EXPECT_FALSE(object->FontBold());
    EXPECT_FALSE(object->FontItalic());

    object->setFontBold(true);
    ASSERT_TRUE(object->Font);
    EXPECT_TRUE(object->FontBold());
    // The new font is a default one apart from what was written.
    EXPECT_EQ(object->FontName(), CardFont().Name);
}

TEST(PictureObject, CopyOfATextObjectSharesNothing) {
    PictureObject source;
    source.PictureType = PictureObject::TextObject;
    source.Index = 4;
    source.Text = std::make_shared<TextLines>(
        QStringList{QStringLiteral("Happy") + QChar(31), QStringLiteral("Birthday")});
    source.Color = 0xFF00;
    source.setFontName(QStringLiteral("Liberation Serif"));
    source.setFontSize(9.75f);
    source.setFontBold(true);
    source.setFontItalic(true);
    source.Align = 3;
    source.Left = 120;
    source.Top = 240;
    source.Width = 2000;
    source.Height = 600;
    source.LineHeight = 300;
    source.LongestLine = 2;
    source.WordWrap = true;
    source.BitmapWidth = 1900;
    source.BitmapHeight = 600;
    source.ApparentFontSize = 14;

    const auto copy = source.CopyOfMe();
    EXPECT_EQ(copy->Index, -1);
    EXPECT_EQ(copy->Text->toList(), source.Text->toList());
    EXPECT_EQ(copy->Color, 0xFF00);
    EXPECT_EQ(*copy->Font, *source.Font);
    EXPECT_EQ(copy->Align, 3);
    EXPECT_EQ(copy->Left, 120);
    EXPECT_EQ(copy->Top, 240);
    EXPECT_EQ(copy->Width, 2000);
    EXPECT_EQ(copy->Height, 600);
    EXPECT_EQ(copy->LineHeight, 300);
    EXPECT_EQ(copy->LongestLine, 2);
    EXPECT_TRUE(copy->WordWrap);
    EXPECT_EQ(copy->BitmapWidth, 1900);
    EXPECT_EQ(copy->BitmapHeight, 600);
    EXPECT_EQ(copy->ApparentFontSize, 14.0f);

    copy->Text->Add(QStringLiteral("again"));
    copy->setFontName(QStringLiteral("Other"));
    EXPECT_EQ(source.Text->Count(), 2);
    EXPECT_EQ(source.FontName(), QStringLiteral("Liberation Serif"));
    EXPECT_NE(copy->Text, source.Text);
    EXPECT_NE(copy->Font, source.Font);
}

TEST(PictureObject, CopyOfArtGetsNoColourLinesOrFontOfTheSource) {
    PictureObject source;
    source.PictureType = PictureObject::ArtObject;
    source.Source = QStringLiteral("/disc\\Graphics\\Birthday\\cakes.bmp");
    source.Color = 255;
    source.Text->Add(QStringLiteral("stray"));
    source.setFontName(QStringLiteral("Liberation Mono"));
    source.BitmapLeft = 15;
    source.BitmapTop = 30;
    source.BitmapWidth = 450;
    source.BitmapHeight = 600;

    const auto copy = source.CopyOfMe();
    EXPECT_EQ(copy->Color, 0);
    EXPECT_EQ(copy->Text->Count(), 0);
    EXPECT_EQ(*copy->Font, CardFont());
    EXPECT_EQ(copy->Source, source.Source);
    EXPECT_EQ(copy->BitmapLeft, 15);
    EXPECT_EQ(copy->BitmapTop, 30);
    EXPECT_EQ(copy->BitmapWidth, 450);
    EXPECT_EQ(copy->BitmapHeight, 600);
}

TEST(PictureObjects, AddSetsEveryArgumentAndKeepsTextAndFontByReference) {
    PictureObjects objects;
    auto lines = std::make_shared<TextLines>(QStringList{QStringLiteral("Hi")});
    auto font =
        std::make_shared<CardFont>(CardFont{QStringLiteral("Liberation Sans"), 20, true, false});
    const auto object = objects.Add(7, PictureObject::TextObject, 11, 12, 13, 14, true, 6, 21, 22,
                                    1, 23, 24, lines, 0xABCDEF, font, QString(), 25, 18.5f);
    EXPECT_EQ(object->Index, 7);
    EXPECT_EQ(object->BitmapTop, 11);
    EXPECT_EQ(object->BitmapLeft, 12);
    EXPECT_EQ(object->BitmapWidth, 13);
    EXPECT_EQ(object->BitmapHeight, 14);
    EXPECT_TRUE(object->WordWrap);
    EXPECT_EQ(object->Align, 6);
    EXPECT_EQ(object->Left, 21);
    EXPECT_EQ(object->Top, 22);
    EXPECT_EQ(object->LongestLine, 1);
    EXPECT_EQ(object->Width, 23);
    EXPECT_EQ(object->Height, 24);
    EXPECT_EQ(object->Color, 0xABCDEF);
    EXPECT_EQ(object->LineHeight, 25);
    EXPECT_EQ(object->ApparentFontSize, 18.5f);
    EXPECT_EQ(object->Text, lines);
    EXPECT_EQ(object->Font, font);
    EXPECT_EQ(objects.Item(QStringLiteral("7")), object);
    EXPECT_EQ(objects.Item(1), object);
}

TEST(PictureObjects, AddOfAPlaceholderKeepsEveryDefault) {
    PictureObjects objects;
    const auto object = objects.Add(3, PictureObject::Placeholder, 1, 2, 3, 4, true, 6, 5, 6, 7, 8,
                                    9, nullptr, 255, nullptr, QStringLiteral("x"), 10, 30);
    EXPECT_EQ(object->Index, 3);
    EXPECT_EQ(object->PictureType, PictureObject::Placeholder);
    EXPECT_EQ(object->ApparentFontSize, 12.0f);
    ASSERT_TRUE(object->Text);
    EXPECT_EQ(object->Text->Count(), 0);
    ASSERT_TRUE(object->Font);
    EXPECT_EQ(*object->Font, CardFont());
    EXPECT_EQ(object->Left, 0);
    EXPECT_EQ(object->Color, 0);
    EXPECT_TRUE(object->Source.isEmpty());
    EXPECT_FALSE(object->WordWrap);
}

TEST(PictureObjects, ItemsAreSharedAndFoundByPositionOrKey) {
    PictureObjects objects = threeObjects();
    EXPECT_EQ(objects.Count(), 3);
    objects.Item(QStringLiteral("2"))->Left = 999;
    EXPECT_EQ(objects.Item(2)->Left, 999);
    objects.Remove(1);
    EXPECT_EQ(indexesOf(objects), (std::vector<qint16>{2, 3}));
    objects.Remove(QStringLiteral("3"));
    EXPECT_EQ(indexesOf(objects), (std::vector<qint16>{2}));
}

TEST(PictureObjects, MissingPositionsAndKeysFailWithTheirErrors) {
    PictureObjects objects = threeObjects();
    struct Case {
        const char* name;
        std::function<void()> call;
        CollectionError::Code code;
    };
    const Case cases[] = {
        {"item 0", [&] { objects.Item(0); }, CollectionError::OutOfRange},
        {"item 4", [&] { objects.Item(4); }, CollectionError::OutOfRange},
        {"item key 9", [&] { objects.Item(QStringLiteral("9")); }, CollectionError::InvalidKey},
        {"remove 4", [&] { objects.Remove(4); }, CollectionError::OutOfRange},
        {"remove key 9", [&] { objects.Remove(QStringLiteral("9")); }, CollectionError::InvalidKey},
        {"delete 9", [&] { objects.DeleteClass(9); }, CollectionError::InvalidKey},
        {"move 9", [&] { objects.MoveClassToTop(9); }, CollectionError::InvalidKey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.call();
            ADD_FAILURE() << "no error";
        } catch (const CollectionError& error) {
            EXPECT_EQ(error.code(), c.code);
        }
        EXPECT_EQ(indexesOf(objects), (std::vector<qint16>{1, 2, 3}));
    }
}

TEST(PictureObjects, ADuplicateKeyFailsAndLeavesTheCollectionUnchanged) {
    PictureObjects objects = threeObjects();
    try {
        addArt(objects, 2);
        ADD_FAILURE() << "Add accepted a duplicate key";
    } catch (const CollectionError& error) {
        EXPECT_EQ(error.code(), CollectionError::DuplicateKey);
    }
    auto stray = std::make_shared<PictureObject>();
    stray->Index = 3;
    EXPECT_THROW(objects.AddClass(stray), CollectionError);
    EXPECT_EQ(indexesOf(objects), (std::vector<qint16>{1, 2, 3}));
}

TEST(PictureObjects, MoveClassToTop) {
    struct Case {
        std::vector<qint16> start;
        qint16 moved;
        std::vector<qint16> expected;
    };
    const Case cases[] = {
        {{1, 2, 3}, 2, {1, 3, 2}},
        {{1, 2, 3}, 1, {2, 3, 1}},
        {{1, 2, 3}, 3, {1, 2, 3}},
        {{5}, 5, {5}},
        {{5}, 7, {5}}, // one object: nothing to move, nothing looked up
    };
    for (const Case& c : cases) {
        PictureObjects objects;
        for (qint16 index : c.start) {
            addArt(objects, index);
        }
        const auto moved =
            objects.Count() > 1 ? objects.Item(PictureObjects::KeyOf(c.moved)) : nullptr;
        objects.MoveClassToTop(c.moved);
        EXPECT_EQ(indexesOf(objects), c.expected);
        if (moved) {
            EXPECT_EQ(objects.Item(PictureObjects::KeyOf(c.moved)), moved);
        }
    }
}

TEST(PictureObjects, AddClassPutsAnObjectOnTopUnderItsIndexAndDeleteClassTakesItOut) {
    PictureObjects objects = threeObjects();
    auto object = std::make_shared<PictureObject>();
    object->Index = 9;
    objects.AddClass(object);
    EXPECT_EQ(indexesOf(objects), (std::vector<qint16>{1, 2, 3, 9}));
    EXPECT_EQ(objects.Item(QStringLiteral("9")), object);
    objects.DeleteClass(2);
    EXPECT_EQ(indexesOf(objects), (std::vector<qint16>{1, 3, 9}));
}

TEST(TextLines, CountFromOne) {
    TextLines lines(QStringList{QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_EQ(lines.Item(1), QStringLiteral("a"));
    EXPECT_EQ(lines.Item(2), QStringLiteral("b"));
    EXPECT_THROW(lines.Item(0), CollectionError);
    EXPECT_THROW(lines.Item(3), CollectionError);
    lines.Remove(1);
    EXPECT_EQ(lines.toList(), QStringList{QStringLiteral("b")});
}

} // namespace
