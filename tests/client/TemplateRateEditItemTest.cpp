// The rating template: its record in the data files, copies, and its menu
// text with the rating's mark.
#include <gtest/gtest.h>

#include <string>

#include "afx/ArchiveBytes.h"
#include "client/TanzoTemplateList.h"
#include "client/TemplateRateEditItem.h"

TEST(RatingTemplate, TheRatingFollowsTheStringsWhateverTheFields)
{
    CTemplateRateEditItem item(2, "ab", "c");
    EXPECT_EQ("02 61 62 01 63 02 00 00 00",
              ToHex(Stored([&](CArchive& ar) { item.Serialize(ar, CTemplateStringItem::AllFields); })));
    EXPECT_EQ("02 61 62 02 00 00 00",
              ToHex(Stored([&](CArchive& ar) { item.Serialize(ar, CTemplateStringItem::FieldTitle); })));
    EXPECT_EQ("02 00 00 00", ToHex(Stored([&](CArchive& ar) { item.Serialize(ar, 0); })));

    // Any stored rating loads, even one outside 1 to 5.
    for (int rating : {0, 1, 5, 6, -3})
    {
        Bytes bytes = Stored(
            [&](CArchive& ar)
            {
                CTemplateRateEditItem stored(rating, "t", "");
                stored.Serialize(ar, CTemplateStringItem::AllFields);
            });
        CTemplateRateEditItem loaded;
        ASSERT_EQ(-1, LoadCause(bytes,
                                [&](CArchive& ar) { loaded.Serialize(ar, CTemplateStringItem::AllFields); }));
        EXPECT_EQ(rating, loaded.GetRating());
        EXPECT_EQ("t", std::string(loaded.GetTitle()));
    }
    // A record cut off in its rating is a broken file.
    CTemplateRateEditItem loaded;
    EXPECT_EQ(CArchiveException::endOfFile,
              LoadCause(HexBytes("01 61 00 05 00"),
                        [&](CArchive& ar) { loaded.Serialize(ar, CTemplateStringItem::AllFields); }));
}

TEST(RatingTemplate, CopiesClonesAndClears)
{
    CTemplateRateEditItem item(1, "bad", "");
    CTemplateRateEditItem copy;
    copy.CopyFrom(item);
    EXPECT_EQ(1, copy.GetRating());
    // A plain template gives its texts only.
    CTemplateStringItem plain("plain", "text");
    copy.CopyFrom(plain);
    EXPECT_EQ(1, copy.GetRating());
    EXPECT_EQ("text", std::string(copy.GetText()));
    std::unique_ptr<CTemplateStringItem> clone(item.Clone());
    ASSERT_NE(nullptr, dynamic_cast<CTemplateRateEditItem*>(clone.get()));
    EXPECT_EQ(1, static_cast<CTemplateRateEditItem*>(clone.get())->GetRating());
    item.Clear();
    EXPECT_EQ(5, item.GetRating());
    EXPECT_TRUE(item.GetTitle().IsEmpty());

    // Objects made from the run-time class start rated 5.
    std::unique_ptr<CObject> made(RUNTIME_CLASS(CTemplateRateEditItem)->CreateObject());
    EXPECT_EQ(5, static_cast<CTemplateRateEditItem*>(made.get())->GetRating());
}

TEST(RatingTemplate, TheSetsMakeTheirKindOfTemplate)
{
    CTemplateRateEditItem rated(3, "r", "");
    for (int set : {1, 2})
    {
        std::unique_ptr<CTemplateStringItem> empty(CreateTemplateItem(set, nullptr));
        CTemplateRateEditItem* pEmpty = dynamic_cast<CTemplateRateEditItem*>(empty.get());
        ASSERT_NE(nullptr, pEmpty) << set;
        EXPECT_EQ(5, pEmpty->GetRating());
        std::unique_ptr<CTemplateStringItem> copy(CreateTemplateItem(set, &rated));
        EXPECT_EQ(3, static_cast<CTemplateRateEditItem*>(copy.get())->GetRating());
    }
    std::unique_ptr<CTemplateStringItem> plain(CreateTemplateItem(0, &rated));
    EXPECT_EQ(nullptr, dynamic_cast<CTemplateRateEditItem*>(plain.get()));
    EXPECT_EQ("r", std::string(plain->GetTitle()));
}

TEST(RatingTemplate, MenuTextsCarryTheMark)
{
    const struct
    {
        int rating;
        std::string title;
        const char* text;
        std::string menu;
    } cases[] = {
        {5, "とても良い取引でした", "", "[非良]とても良い取引でした"},
        {4, "t", "", "[良い]t"},
        {3, "t", "", "[どち]t"},
        {2, "t", "", "[悪い]t"},
        {1, "t", "", "[非悪]t"},
        {0, "no mark", "", "no mark"},
        {6, "no mark", "", "no mark"},
        // The text wins over the title; line breaks go.
        {5, "title", "line\r\nbreak", "[非良]linebreak"},
        // The whole entry is cut for the menu.
        {4, std::string(70, 'x'), "", "[良い]" + std::string(56, 'x') + "..."},
    };
    for (const auto& c : cases)
    {
        CTemplateRateEditItem item(c.rating, c.title.c_str(), c.text);
        CString menu;
        item.GetMenuText(menu);
        EXPECT_EQ(c.menu, std::string(menu)) << c.rating << " " << c.title;
    }
}
