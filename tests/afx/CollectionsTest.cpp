// Lists, arrays and maps: their structure under insertion and removal, and
// their archive format.
#include "afx/Collections.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "TestObjects.h"
#include "afx/ArchiveBytes.h"

using namespace afxtest;

namespace
{
// The elements joined by commas, walked both ways: a broken link shows as
// a difference between the two walks.
std::string Walk(const CStringList& list)
{
    std::vector<std::string> forward;
    std::vector<std::string> backward;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        forward.push_back((LPCTSTR)list.GetNext(pos));
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        backward.insert(backward.begin(), (LPCTSTR)list.GetPrev(pos));
    EXPECT_EQ(forward, backward);
    EXPECT_EQ((size_t)list.GetCount(), forward.size());
    EXPECT_EQ(forward.empty(), (bool)list.IsEmpty());
    std::string joined;
    for (const std::string& s : forward)
        joined += (joined.empty() ? "" : ",") + s;
    return joined;
}

std::string Join(const CStringArray& array)
{
    std::string joined;
    for (int i = 0; i < array.GetSize(); ++i)
        joined += (i == 0 ? "" : ",") + std::string((LPCTSTR)array[i]);
    return joined;
}

CStringArray* MakeArray(std::initializer_list<const char*> items, CStringArray& array)
{
    array.RemoveAll();
    for (const char* psz : items)
        array.Add(psz);
    return &array;
}

template <class COLL> Bytes Serialized(COLL& coll)
{
    return Stored([&](CArchive& ar) { coll.Serialize(ar); });
}

template <class COLL> void LoadInto(COLL& coll, const Bytes& bytes)
{
    Load(bytes, [&](CArchive& ar) { coll.Serialize(ar); });
}
} // namespace

TEST(List, InsertAndRemoveAtHeadMiddleAndTail)
{
    CStringList list;
    list.AddTail("b");
    list.AddHead("a");
    POSITION posC = list.AddTail("c");
    EXPECT_EQ("a,b,c", Walk(list));
    list.InsertBefore(posC, "b2");
    list.InsertAfter(posC, "d");
    list.InsertBefore(nullptr, "0");
    list.InsertAfter(nullptr, "e");
    EXPECT_EQ("0,a,b,b2,c,d,e", Walk(list));
    EXPECT_STREQ("0", list.GetHead());
    EXPECT_STREQ("e", list.GetTail());

    list.RemoveAt(list.GetHeadPosition());
    EXPECT_EQ("a,b,b2,c,d,e", Walk(list));
    list.RemoveAt(posC);
    EXPECT_EQ("a,b,b2,d,e", Walk(list));
    list.RemoveAt(list.GetTailPosition());
    EXPECT_EQ("a,b,b2,d", Walk(list));
    EXPECT_STREQ("a", list.RemoveHead());
    EXPECT_STREQ("d", list.RemoveTail());
    EXPECT_EQ("b,b2", Walk(list));
    list.GetHead() = "B";
    list.SetAt(list.GetTailPosition(), "B2");
    EXPECT_EQ("B,B2", Walk(list));

    list.RemoveAll();
    EXPECT_EQ("", Walk(list));
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    EXPECT_EQ(nullptr, list.GetTailPosition());
    list.AddHead("again");
    EXPECT_EQ("again", Walk(list));
}

TEST(List, FindAndFindIndex)
{
    CStringList list;
    for (const char* psz : {"x", "y", "x", "ソ"})
        list.AddTail(psz);
    POSITION first = list.Find("x");
    EXPECT_EQ(list.FindIndex(0), first);
    EXPECT_EQ(list.FindIndex(2), list.Find("x", first));
    EXPECT_EQ(nullptr, list.Find("x", list.FindIndex(2)));
    EXPECT_EQ(list.FindIndex(3), list.Find("ソ"));
    EXPECT_EQ(nullptr, list.Find("w"));
    EXPECT_EQ(nullptr, list.FindIndex(-1));
    EXPECT_EQ(nullptr, list.FindIndex(4));
}

TEST(List, AddingListsIncludingItself)
{
    CStringList list;
    CStringList other;
    list.AddTail("1");
    list.AddTail("2");
    other.AddTail("3");
    list.AddTail(&other);
    EXPECT_EQ("1,2,3", Walk(list));
    list.AddHead(&other);
    EXPECT_EQ("3,1,2,3", Walk(list));
    other.RemoveAll();
    other.AddTail("a");
    other.AddTail("b");
    list.AddHead(&other);
    EXPECT_EQ("a,b,3,1,2,3", Walk(list));

    CStringList self;
    self.AddTail("p");
    self.AddTail("q");
    self.AddTail(&self);
    EXPECT_EQ("p,q,p,q", Walk(self));
    self.RemoveTail();
    self.AddHead(&self);
    EXPECT_EQ("p,q,p,p,q,p", Walk(self));
}

TEST(List, TypedPointerLists)
{
    CTypedPtrList<CObList, CItem*> items;
    items.AddTail(new CItem("one", 1));
    items.AddTail(new CItem("two", 2));
    items.AddHead(new CItem("zero", 0));
    LONG lExpected = 0;
    for (POSITION pos = items.GetHeadPosition(); pos != nullptr;)
    {
        CItem* pItem = items.GetNext(pos);
        EXPECT_EQ(lExpected++, pItem->m_lValue);
    }
    EXPECT_EQ(items.FindIndex(1), items.Find(items.GetAt(items.FindIndex(1))));
    while (!items.IsEmpty())
        delete items.RemoveTail();

    int values[3] = {10, 20, 30};
    CTypedPtrList<CPtrList, int*> ptrs;
    for (int& v : values)
        ptrs.AddTail(&v);
    EXPECT_EQ(30, *ptrs.GetTail());
    POSITION pos = ptrs.GetTailPosition();
    ptrs.GetPrev(pos);
    EXPECT_EQ(20, *ptrs.GetAt(pos));
}

TEST(Array, SetSizeGrowsWithZeroedElements)
{
    CDWordArray dwords;
    dwords.SetSize(3);
    EXPECT_EQ(2, dwords.GetUpperBound());
    dwords[1] = 7;
    dwords.SetSize(1000, 16);
    EXPECT_EQ(1000, dwords.GetSize());
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(i == 1 ? 7u : 0u, dwords[i]) << i;
    dwords.SetSize(2);
    EXPECT_EQ(2, dwords.GetSize());
    dwords.SetSize(4);
    EXPECT_EQ(0u, dwords[2]) << "an element cut off comes back as zero";

    CStringArray strings;
    strings.SetSize(2);
    EXPECT_TRUE(strings[0].IsEmpty() && strings[1].IsEmpty());
    strings.SetAtGrow(4, "e");
    EXPECT_EQ(",,,,e", Join(strings));
}

TEST(Array, InsertAtAndRemoveAt)
{
    const struct
    {
        const char* pszName;
        std::function<void(CStringArray&)> change;
        const char* pszExpected;
    } cases[] = {
        {"insert at the start", [](CStringArray& a) { a.InsertAt(0, "x"); }, "x,a,b,c,d"},
        {"insert two in the middle", [](CStringArray& a) { a.InsertAt(2, "x", 2); }, "a,b,x,x,c,d"},
        {"insert at the end", [](CStringArray& a) { a.InsertAt(4, "x"); }, "a,b,c,d,x"},
        {"insert past the end", [](CStringArray& a) { a.InsertAt(6, "x"); }, "a,b,c,d,,,x"},
        {"remove the first", [](CStringArray& a) { a.RemoveAt(0); }, "b,c,d"},
        {"remove two in the middle", [](CStringArray& a) { a.RemoveAt(1, 2); }, "a,d"},
        {"remove the last", [](CStringArray& a) { a.RemoveAt(3); }, "a,b,c"},
        {"remove all", [](CStringArray& a) { a.RemoveAt(0, 4); }, ""},
        {"insert an array",
         [](CStringArray& a)
         {
             CStringArray other;
             a.InsertAt(1, MakeArray({"p", "q"}, other));
         },
         "a,p,q,b,c,d"},
        {"insert into itself", [](CStringArray& a) { a.InsertAt(2, &a); }, "a,b,a,b,c,d,c,d"},
        {"append an array",
         [](CStringArray& a)
         {
             CStringArray other;
             EXPECT_EQ(4, a.Append(*MakeArray({"p"}, other)));
         },
         "a,b,c,d,p"},
        {"append itself", [](CStringArray& a) { a.Append(a); }, "a,b,c,d,a,b,c,d"},
        {"copy an array",
         [](CStringArray& a)
         {
             CStringArray other;
             a.Copy(*MakeArray({"p"}, other));
         },
         "p"},
        {"copy itself", [](CStringArray& a) { a.Copy(a); }, "a,b,c,d"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        CStringArray array;
        MakeArray({"a", "b", "c", "d"}, array);
        c.change(array);
        EXPECT_EQ(c.pszExpected, Join(array));
    }
}

TEST(Array, ElementsOfTheArrayItselfSurviveGrowth)
{
    // Each call takes a reference into the array and then grows it; the
    // sanitiser catches a use of the old storage.
    CStringArray array;
    array.Add("seed");
    for (int i = 0; i < 200; ++i)
        array.Add(array[0]);
    array.SetAtGrow(array.GetSize() + 5, array[1]);
    array.InsertAt(0, array[2], 50);
    EXPECT_EQ(257, array.GetSize());
    for (int i = 0; i < array.GetSize(); ++i)
    {
        if (i < 251 || i == 256)
        {
            ASSERT_STREQ("seed", array[i]) << i;
        }
        else
        {
            ASSERT_TRUE(array[i].IsEmpty()) << i;
        }
    }

    array.FreeExtra();
    EXPECT_EQ(257, array.GetSize());
    EXPECT_STREQ("seed", array[256]);
}

TEST(Array, TypedPointerArrays)
{
    CTypedPtrArray<CObArray, CItem*> items;
    items.Add(new CItem("a", 1));
    items.InsertAt(0, new CItem("b", 2));
    EXPECT_EQ(2, items[0]->m_lValue);
    EXPECT_EQ(1, items.GetAt(1)->m_lValue);
    for (int i = 0; i < items.GetSize(); ++i)
        delete items[i];
    items.RemoveAll();

    int values[2] = {5, 6};
    CTypedPtrArray<CPtrArray, int*> ptrs;
    ptrs.SetAtGrow(1, &values[1]);
    ptrs[0] = &values[0];
    EXPECT_EQ(5, *ptrs[0]);
    EXPECT_EQ(6, *ptrs.ElementAt(1));
}

TEST(Map, ManyKeysPastTheHashTableSize)
{
    CMapStringToString map;
    EXPECT_EQ(17u, map.GetHashTableSize());
    std::set<std::string> keys;
    for (int i = 0; i < 1000; ++i)
    {
        CString key;
        key.Format(i % 2 ? "キー%d" : "key%d", i);
        map[key] = key + "=";
        keys.insert((LPCTSTR)key);
    }
    EXPECT_EQ(1000, map.GetCount());
    map.SetAt("key0", "changed");
    EXPECT_EQ(1000, map.GetCount());

    for (const std::string& key : keys)
    {
        CString value;
        ASSERT_TRUE(map.Lookup(key.c_str(), value)) << key;
        EXPECT_STREQ(key == "key0" ? "changed" : (key + "=").c_str(), value);
    }
    int nRemoved = 0;
    for (auto it = keys.begin(); it != keys.end(); ++nRemoved)
        if (nRemoved % 2 == 0)
        {
            ASSERT_TRUE(map.RemoveKey(it->c_str()));
            it = keys.erase(it);
        }
        else
            ++it;
    EXPECT_FALSE(map.RemoveKey("no such key"));
    EXPECT_EQ((int)keys.size(), map.GetCount());

    // A walk meets every remaining key once.
    std::multiset<std::string> walked;
    POSITION pos = map.GetStartPosition();
    while (pos != nullptr)
    {
        CString key;
        CString value;
        map.GetNextAssoc(pos, key, value);
        walked.insert((LPCTSTR)key);
    }
    EXPECT_EQ(std::multiset<std::string>(keys.begin(), keys.end()), walked);

    map.RemoveAll();
    EXPECT_EQ(nullptr, map.GetStartPosition());
    CString value;
    EXPECT_FALSE(map.Lookup("key1", value));
}

TEST(Map, HashTableSizeAndNewValues)
{
    CMapStringToPtr ptrs;
    ptrs.InitHashTable(257);
    EXPECT_EQ(257u, ptrs.GetHashTableSize());
    EXPECT_EQ(nullptr, ptrs["a"]) << "a new value is zero";
    EXPECT_EQ(1, ptrs.GetCount());
    void* p = &ptrs;
    ptrs["b"] = p;
    void* pFound = nullptr;
    EXPECT_TRUE(ptrs.Lookup("b", pFound));
    EXPECT_EQ(p, pFound);
    ptrs.RemoveAll();
    EXPECT_EQ(257u, ptrs.GetHashTableSize());

    // Small keys all fall into one bucket and stay apart.
    CMapWordToPtr words;
    for (WORD w = 0; w < 16; ++w)
        words[w] = (void*)(UINT_PTR)(w + 100);
    for (WORD w = 0; w < 16; ++w)
    {
        void* pValue;
        ASSERT_TRUE(words.Lookup(w, pValue));
        EXPECT_EQ((UINT_PTR)(w + 100), (UINT_PTR)pValue);
    }

    int a = 0, b = 0;
    CMapPtrToWord ptrToWord;
    ptrToWord[&a] = 1;
    ptrToWord[&b] = 2;
    WORD w = 0;
    EXPECT_TRUE(ptrToWord.Lookup(&b, w));
    EXPECT_EQ(2, w);
    CMapPtrToPtr ptrToPtr;
    ptrToPtr[&a] = &b;
    EXPECT_TRUE(ptrToPtr.RemoveKey(&a));
    EXPECT_FALSE(ptrToPtr.Lookup(&a, pFound));

    CMap<int, int, CString, const CString&> generic;
    generic[-1] = "minus";
    generic[70000] = "big";
    CString str;
    EXPECT_TRUE(generic.Lookup(-1, str));
    EXPECT_STREQ("minus", str);
}

TEST(Map, TypedPointerMaps)
{
    CTypedPtrMap<CMapStringToOb, CString, CItem*> items;
    items["x"] = new CItem("x", 1);
    items.SetAt("y", new CItem("y", 2));
    CItem* pItem = nullptr;
    ASSERT_TRUE(items.Lookup("y", pItem));
    EXPECT_EQ(2, pItem->m_lValue);
    POSITION pos = items.GetStartPosition();
    while (pos != nullptr)
    {
        CString key;
        items.GetNextAssoc(pos, key, pItem);
        EXPECT_STREQ(key, pItem->m_strName);
        delete pItem;
    }
    items.RemoveAll();
}

TEST(CollectionFormat, ElementsAfterTheirCount)
{
    CDWordArray dwords;
    dwords.Add(1);
    dwords.Add(0x01020304);
    CWordArray words;
    words.Add(1);
    words.Add(0xABCD);
    CByteArray bytes;
    for (BYTE b : {1, 2, 3})
        bytes.Add(b);
    CStringArray strings;
    strings.Add("a");
    strings.Add("");
    CStringList list;
    list.AddTail("x");
    list.AddTail("表");
    CArray<LONG, LONG> longs;
    longs.Add(-1);
    EXPECT_EQ(HexBytes("02 00 01 00 00 00 04 03 02 01"), Serialized(dwords));
    EXPECT_EQ(HexBytes("02 00 01 00 CD AB"), Serialized(words));
    EXPECT_EQ(HexBytes("03 00 01 02 03"), Serialized(bytes));
    EXPECT_EQ(HexBytes("02 00 01 'a' 00"), Serialized(strings));
    EXPECT_EQ(HexBytes("02 00 01 'x' 02 95 5C"), Serialized(list));
    EXPECT_EQ(HexBytes("01 00 FF FF FF FF"), Serialized(longs));

    // Arrays load in place of what they held; lists add to it.
    CDWordArray dwords2;
    dwords2.Add(99);
    LoadInto(dwords2, Serialized(dwords));
    ASSERT_EQ(2, dwords2.GetSize());
    EXPECT_EQ(0x01020304u, dwords2[1]);
    CStringList list2;
    list2.AddTail("old");
    LoadInto(list2, Serialized(list));
    EXPECT_EQ("old,x,表", Walk(list2));
}

TEST(CollectionFormat, MapsWriteBucketByBucket)
{
    // With 17 buckets "a" and "r" share bucket 12, the later first; "b" is
    // in 13. The bytes of "あ" (82 A0) count as negative chars: bucket 14.
    CMapStringToString map;
    map["b"] = "1";
    map["あ"] = "2";
    map["a"] = "3";
    map["r"] = "4";
    Bytes bytes = Serialized(map);
    EXPECT_EQ(HexBytes("04 00 01 'r' 01 '4' 01 'a' 01 '3' 01 'b' 01 '1' 02 82 A0 01 '2'"), bytes);

    CMapStringToString loaded;
    LoadInto(loaded, bytes);
    EXPECT_EQ(4, loaded.GetCount());
    CString value;
    EXPECT_TRUE(loaded.Lookup("あ", value) && value == "2");
    EXPECT_TRUE(loaded.Lookup("r", value) && value == "4");
    // Loaded entries keep the order of the file: written again, the same
    // bytes.
    EXPECT_EQ(bytes, Serialized(loaded));
}

TEST(CollectionFormat, BigMapsKeepTheirOrderThroughLoadingAndWriting)
{
    // Far more keys than buckets (the lookup index grows several times),
    // some removed again.
    CMapStringToString map;
    for (int i = 0; i < 20000; ++i)
    {
        CString key;
        key.Format(i % 3 ? "キー%d" : "key%d", i);
        map[key] = key;
    }
    for (int i = 0; i < 20000; i += 7)
    {
        CString key;
        key.Format(i % 3 ? "キー%d" : "key%d", i);
        ASSERT_TRUE(map.RemoveKey(key));
    }
    const Bytes bytes = Serialized(map);
    CMapStringToString loaded;
    LoadInto(loaded, bytes);
    ASSERT_EQ(map.GetCount(), loaded.GetCount());
    EXPECT_TRUE(bytes == Serialized(loaded));
    CString value;
    EXPECT_TRUE(loaded.Lookup("key3", value) && value == "key3");
    EXPECT_FALSE(loaded.Lookup("key7", value));

    // Loading into a map that holds keys already: a key read again takes
    // the new value where it stands, new keys follow in the file's order.
    CMapStringToString small;
    small["key3"] = "old";
    small["only here"] = "x";
    LoadInto(small, bytes);
    EXPECT_EQ(map.GetCount() + 1, small.GetCount());
    EXPECT_TRUE(small.Lookup("key3", value) && value == "key3");
    small.RemoveKey("only here");
    EXPECT_EQ(map.GetCount(), small.GetCount());
}

TEST(CollectionFormat, ObjectCollections)
{
    CObList list;
    CItem item("i", 1);
    list.AddTail(&item);
    list.AddTail((CObject*)nullptr);
    list.AddTail(&item);
    Bytes bytes = Serialized(list);
    EXPECT_EQ(HexBytes("03 00 FF FF 01 00 05 00 'CItem' 01 'i' 01 00 00 00 00 00 02 00"), bytes);

    CObArray array;
    LoadInto(array, bytes);
    ASSERT_EQ(3, array.GetSize());
    std::unique_ptr<CObject> own(array[0]);
    EXPECT_EQ(nullptr, array[1]);
    EXPECT_EQ(array[0], array[2]);

    CMapStringToOb map;
    map["k"] = &item;
    CMapStringToOb map2;
    LoadInto(map2, Serialized(map));
    CObject* p = nullptr;
    ASSERT_TRUE(map2.Lookup("k", p));
    std::unique_ptr<CObject> own2(p);
    EXPECT_STREQ("i", static_cast<CItem*>(p)->m_strName);

    CMapWordToOb words;
    words[3] = &item;
    EXPECT_EQ(HexBytes("01 00 03 00 FF FF 01 00 05 00 'CItem' 01 'i' 01 00 00 00"), Serialized(words));

    // Pointers other than objects have no archive form.
    CPtrArray ptrs;
    ptrs.Add(&item);
    EXPECT_TRUE(Throws<CNotSupportedException>([&] { Serialized(ptrs); }));
}

TEST(CollectionFormat, CollectionsAreObjectsOfTheirOwn)
{
    CStringList list;
    list.AddTail("x");
    CMapStringToString map;
    map["k"] = "v";
    Bytes bytes = Stored([&](CArchive& ar) { ar << &list << &map; });
    EXPECT_EQ(HexBytes("FF FF 00 00 0B 00 'CStringList' 01 00 01 'x'"
                       " FF FF 00 00 12 00 'CMapStringToString' 01 00 01 'k' 01 'v'"),
              bytes);
    Load(bytes,
         [](CArchive& ar)
         {
             CObject* p1;
             CObject* p2;
             ar >> p1 >> p2;
             std::unique_ptr<CObject> own1(p1), own2(p2);
             ASSERT_EQ(RUNTIME_CLASS(CStringList), p1->GetRuntimeClass());
             EXPECT_EQ("x", Walk(*static_cast<CStringList*>(p1)));
             ASSERT_EQ(RUNTIME_CLASS(CMapStringToString), p2->GetRuntimeClass());
             EXPECT_EQ(1, static_cast<CMapStringToString*>(p2)->GetCount());
         });
}

TEST(CollectionFormat, LargeArraysAndCorruptCounts)
{
    CByteArray bytes;
    bytes.SetSize(200000);
    for (int i = 0; i < bytes.GetSize(); ++i)
        bytes[i] = (BYTE)(i * 31);
    CDWordArray dwords;
    for (DWORD i = 0; i < 70000; ++i)
        dwords.Add(i * 2654435761u);

    Bytes stored = Serialized(bytes);
    EXPECT_EQ(HexBytes("FF FF 40 0D 03 00"), Bytes(stored.begin(), stored.begin() + 6));
    CByteArray bytes2;
    LoadInto(bytes2, stored);
    ASSERT_EQ(bytes.GetSize(), bytes2.GetSize());
    EXPECT_EQ(0, std::memcmp(bytes.GetData(), bytes2.GetData(), bytes.GetSize()));

    stored = Serialized(dwords);
    CDWordArray dwords2;
    LoadInto(dwords2, stored);
    ASSERT_EQ(70000, dwords2.GetSize());
    EXPECT_EQ(0, std::memcmp(dwords.GetData(), dwords2.GetData(), 70000 * sizeof(DWORD)));
    stored.pop_back();
    EXPECT_EQ(CArchiveException::endOfFile,
              CaughtCause<CArchiveException>([&] { LoadInto(dwords2, stored); }));

    // A count of 0xFFFFFFFF before a few elements: the end of the file comes
    // long before the memory for such a count would be taken.
    const Bytes corrupt = HexBytes("FF FF FF FF FF FF 01 'a' 01 'b'");
    const struct
    {
        const char* pszName;
        std::function<void()> load;
        int nCause;
    } cases[] = {
        {"bytes",
         [&]
         {
             CByteArray c;
             LoadInto(c, corrupt);
         },
         CArchiveException::endOfFile},
        {"dwords",
         [&]
         {
             CDWordArray c;
             LoadInto(c, corrupt);
         },
         CArchiveException::endOfFile},
        {"strings",
         [&]
         {
             CStringArray c;
             LoadInto(c, corrupt);
         },
         CArchiveException::endOfFile},
        {"string list",
         [&]
         {
             CStringList c;
             LoadInto(c, corrupt);
         },
         CArchiveException::endOfFile},
        {"string map",
         [&]
         {
             CMapStringToString c;
             LoadInto(c, corrupt);
         },
         CArchiveException::endOfFile},
        // 01 61 reads as a reference to object 0x6101.
        {"object array",
         [&]
         {
             CObArray c;
             LoadInto(c, corrupt);
         },
         CArchiveException::badIndex},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        EXPECT_EQ(c.nCause, CaughtCause<CArchiveException>(c.load));
    }
}
