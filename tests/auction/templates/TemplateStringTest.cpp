#include <gtest/gtest.h>

#include <string>

#include "afx/ArchiveBytes.h"
#include "auction/templates/TemplateMenuText.h"
#include "auction/templates/TemplateStringList.h"

namespace
{
// A list that keeps at most nMax items and counts its cuts.
class CLimitedList : public CTemplateStringList
{
public:
    explicit CLimitedList(int nMax) : m_nMax(nMax) {}
    int GetMaxCount() override { return m_nMax; }
    void OnCountLimited() override { ++m_nLimited; }

    int m_nMax;
    int m_nLimited = 0;
};

// An item with a rating after its texts, as the client's rating templates
// have; its list must read surplus items in this longer form.
class CRatedItem : public CTemplateStringItem
{
public:
    using CTemplateStringItem::Serialize;
    void Serialize(CArchive& ar, DWORD flags) override
    {
        CTemplateStringItem::Serialize(ar, flags);
        if (ar.IsStoring())
            ar << m_nRating;
        else
            ar >> m_nRating;
    }
    CTemplateStringItem* Clone() const override
    {
        CRatedItem* pItem = new CRatedItem;
        pItem->CopyFrom(*this);
        pItem->m_nRating = m_nRating;
        return pItem;
    }
    DWORD m_nRating = 5;
};

class CRatedList : public CLimitedList
{
public:
    using CLimitedList::CLimitedList;
    CTemplateStringItem* CreateItem(const CTemplateStringItem* pSource) override
    {
        return pSource != nullptr ? pSource->Clone() : new CRatedItem;
    }
};

std::string Title(const CTemplateStringList& list, int nIndex)
{
    CTemplateStringItem item("untouched");
    list.GetAt(nIndex, item);
    return (LPCTSTR)item.GetTitle();
}

// "T1" .. "Tn" with texts "x", as a list stores them with both fields.
Bytes StoredTitles(int nCount)
{
    CTemplateStringList list;
    for (int i = 1; i <= nCount; ++i)
    {
        CString title;
        title.Format("T%d", i);
        list.Append(new CTemplateStringItem(title, "x"));
    }
    return Stored([&](CArchive& ar) { list.Serialize(ar, CTemplateStringItem::AllFields); });
}
} // namespace

TEST(TemplateStringItem, ArchiveBytesByField)
{
    CTemplateStringItem item("挨拶", "ab");
    struct Case
    {
        DWORD flags;
        const char* bytes;
    } cases[] = {
        {3, "04 88 a5 8e 41 02 'ab'"},
        {1, "04 88 a5 8e 41"},
        {2, "02 'ab'"},
        {0, ""},
    };
    for (const Case& c : cases)
    {
        Bytes bytes = Stored([&](CArchive& ar) { item.Serialize(ar, c.flags); });
        EXPECT_EQ(ToHex(HexBytes(c.bytes)), ToHex(bytes)) << c.flags;
        // Loading clears the fields that are not read.
        CTemplateStringItem loaded("old title", "old text");
        ASSERT_EQ(-1, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar, c.flags); }));
        EXPECT_STREQ(c.flags & 1 ? "挨拶" : "", loaded.GetTitle()) << c.flags;
        EXPECT_STREQ(c.flags & 2 ? "ab" : "", loaded.GetText()) << c.flags;
    }
}

TEST(TemplateStringItem, CutArchiveThrows)
{
    CTemplateStringItem loaded;
    EXPECT_EQ(CArchiveException::endOfFile,
              LoadCause(HexBytes("04 88 a5 8e"), [&](CArchive& ar) { loaded.Serialize(ar, 3); }));
}

TEST(TemplateStringItem, NullTextsCopiesAndMenuText)
{
    CTemplateStringItem empty(nullptr, nullptr);
    EXPECT_TRUE(empty.GetTitle().IsEmpty());
    EXPECT_TRUE(empty.GetText().IsEmpty());

    CTemplateStringItem item("title", "line1\r\nline2");
    item.CopyFrom(item);
    EXPECT_STREQ("title", item.GetTitle());
    CTemplateStringItem* pClone = item.Clone();
    EXPECT_STREQ("line1\r\nline2", pClone->GetText());
    delete pClone;

    CString menu;
    item.GetMenuText(menu);
    EXPECT_STREQ("line1line2", menu);
    item.SetText("");
    item.GetMenuText(menu);
    EXPECT_STREQ("title", menu);
    item.Clear();
    item.GetMenuText(menu);
    EXPECT_STREQ("", menu);
}

TEST(TemplateMenuText, CutsLongTexts)
{
    const std::string a61(61, 'a');
    const std::string a62(62, 'a');
    struct Case
    {
        std::string text;
        std::string shown;
    } cases[] = {
        {a62, a62},
        {a62 + "b", a62 + "..."},
        // The 62nd byte would be the lead byte of "あ".
        {a61 + "あ", a61 + "..."},
        {a61 + "あいう", a61 + "..."},
        {a62 + "\r\n", a62},
        {std::string(31, 'a') + "\r\n" + std::string(31, 'a') + "\r\n", a62},
        {"a\rb\nc\n\rd", "a\rb\nc\n\rd"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.shown, (LPCTSTR)MakeTemplateMenuText(c.text.c_str())) << c.text;
}

TEST(TemplateMenuText, EntriesAreNumberedWithMnemonicsUpToTen)
{
    struct Case
    {
        int nIndex;
        const char* text;
        const char* entry;
    } cases[] = {
        {0, "お礼", "&1 お礼"}, {8, "x", "&9 x"},      {9, "x", "&0 x"},      {10, "x", "11 x"},
        {19, "x", "20 x"},      {0, "A&B", "&1 A&&B"}, {10, "&&", "11 &&&&"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.entry, FormatTemplateMenuEntry(c.nIndex, c.text)) << c.nIndex << " " << c.text;
}

TEST(TemplateMenuText, SecondColumnOnlyPastTenTemplates)
{
    struct Case
    {
        int nFixed;
        int nTemplates;
        int nBreak;
    } cases[] = {
        {3, 0, -1}, {3, 1, -1}, {3, 10, -1}, {3, 11, 4},   {3, 20, 9},
        {3, 21, 9}, {1, 15, 7}, {0, 11, 6},  {30, 11, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nBreak, GetTemplateMenuBreakIndex(c.nFixed, c.nTemplates))
            << c.nFixed << " " << c.nTemplates;
}

TEST(TemplateStringList, ArchiveBytes)
{
    CTemplateStringList list;
    list.Append(new CTemplateStringItem("A", "あ"));
    list.Append(new CTemplateStringItem("", "bc"));
    EXPECT_EQ(ToHex(HexBytes("02 00 00 00  01 'A' 02 82 a0  00 02 'bc'")),
              ToHex(Stored([&](CArchive& ar) { list.Serialize(ar, 3); })));
    EXPECT_EQ(ToHex(HexBytes("02 00 00 00  02 82 a0  02 'bc'")),
              ToHex(Stored([&](CArchive& ar) { list.Serialize(ar, 2); })));
    CTemplateStringList empty;
    EXPECT_EQ(ToHex(HexBytes("00 00 00 00")), ToHex(Stored([&](CArchive& ar) { empty.Serialize(ar, 3); })));
}

TEST(TemplateStringList, LoadingReplacesTheItems)
{
    CTemplateStringList list;
    list.Append(new CTemplateStringItem("old"));
    ASSERT_EQ(-1, LoadCause(StoredTitles(3), [&](CArchive& ar) { list.Serialize(ar, 3); }));
    ASSERT_EQ(3, list.GetCount());
    EXPECT_EQ("T1", Title(list, 0));
    EXPECT_EQ("T3", Title(list, 2));
    EXPECT_EQ("untouched", Title(list, 3));
    EXPECT_EQ("untouched", Title(list, -1));
    list.DeleteAll();
    EXPECT_EQ(0, list.GetCount());
}

TEST(TemplateStringList, LimitKeepsTheFirstAndReadsPastTheRest)
{
    struct Case
    {
        int nMax;
        int nKept;
        int nLimited;
    } cases[] = {{10, 10, 1}, {15, 15, 0}, {20, 15, 0}, {0, 0, 1}, {-1, 15, 0}, {-5, 15, 0}};
    for (const Case& c : cases)
    {
        // The value after the list must come out right.
        Bytes bytes = Concat({StoredTitles(15), HexBytes("78 56 34 12")});
        CLimitedList list(c.nMax);
        DWORD after = 0;
        ASSERT_EQ(-1, LoadCause(bytes,
                                [&](CArchive& ar)
                                {
                                    list.Serialize(ar, 3);
                                    ar >> after;
                                }))
            << c.nMax;
        EXPECT_EQ(c.nKept, list.GetCount()) << c.nMax;
        EXPECT_EQ(c.nLimited, list.m_nLimited) << c.nMax;
        EXPECT_EQ(0x12345678u, after) << c.nMax;
        if (c.nKept > 0)
        {
            EXPECT_EQ("T" + std::to_string(c.nKept), Title(list, c.nKept - 1));
        }
    }
}

TEST(TemplateStringList, SurplusIsReadInTheListsOwnItemForm)
{
    CRatedList stored(-1);
    for (DWORD i = 1; i <= 3; ++i)
    {
        CRatedItem* pItem = new CRatedItem;
        pItem->SetTitle("r");
        pItem->m_nRating = i;
        stored.Append(pItem);
    }
    Bytes bytes = Concat({Stored([&](CArchive& ar) { stored.Serialize(ar, 1); }), HexBytes("2a 00 00 00")});
    CRatedList loaded(2);
    DWORD after = 0;
    ASSERT_EQ(-1, LoadCause(bytes,
                            [&](CArchive& ar)
                            {
                                loaded.Serialize(ar, 1);
                                ar >> after;
                            }));
    EXPECT_EQ(2, loaded.GetCount());
    EXPECT_EQ(42u, after);
}

TEST(TemplateStringList, CorruptOrCutArchivesThrow)
{
    struct Case
    {
        Bytes bytes;
        int nCause;
    } cases[] = {
        {HexBytes("ff ff ff ff"), CArchiveException::badIndex},
        {HexBytes("11 27 00 00"), CArchiveException::badIndex},
        {HexBytes("02 00 00 00 01 'A' 01"), CArchiveException::endOfFile},
        {HexBytes("01 00"), CArchiveException::endOfFile},
    };
    for (const Case& c : cases)
    {
        CTemplateStringList list;
        EXPECT_EQ(c.nCause, LoadCause(c.bytes, [&](CArchive& ar) { list.Serialize(ar, 3); }))
            << ToHex(c.bytes);
    }
    // Every prefix of a good archive throws.
    Bytes good = StoredTitles(2);
    for (size_t n = 0; n < good.size(); ++n)
    {
        CTemplateStringList list;
        EXPECT_EQ(CArchiveException::endOfFile, LoadCause(Bytes(good.begin(), good.begin() + n),
                                                          [&](CArchive& ar) { list.Serialize(ar, 3); }))
            << n;
    }
}
