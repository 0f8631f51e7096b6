// The archive's byte format, checked against bytes written out by hand from
// the format, and its behaviour on files that are cut short or corrupt.
#include "afx/Archive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "TestObjects.h"
#include "afx/ArchiveBytes.h"

using namespace afxtest;

namespace
{
CString Pattern(int nLength)
{
    CString str;
    LPTSTR p = str.GetBufferSetLength(nLength);
    for (int i = 0; i < nLength; ++i)
        p[i] = (char)('a' + i % 26);
    str.ReleaseBuffer(nLength);
    return str;
}

Bytes ToBytes(const CString& str)
{
    LPCTSTR p = str;
    return Bytes(p, p + str.GetLength());
}
} // namespace

TEST(Archive, NumbersAreLittleEndianInFixedWidths)
{
    Bytes bytes = Stored(
        [](CArchive& ar)
        {
            ar << (BYTE)0x12 << (WORD)0x1234 << (LONG)-2 << (DWORD)0x12345678 << 1.0 << 1.0f;
            ar << (short)-2 << 'A' << -1 << 0x80000000u;
        });
    EXPECT_EQ(HexBytes("12 34 12 FE FF FF FF 78 56 34 12 00 00 00 00 00 00 F0 3F 00 00 80 3F"
                       " FE FF 41 FF FF FF FF 00 00 00 80"),
              bytes);

    Load(bytes,
         [](CArchive& ar)
         {
             BYTE by;
             WORD w;
             LONG l;
             DWORD dw;
             double d;
             float f;
             short s;
             char ch;
             int i;
             unsigned u;
             ar >> by >> w >> l >> dw >> d >> f >> s >> ch >> i >> u;
             EXPECT_EQ(0x12, by);
             EXPECT_EQ(0x1234, w);
             EXPECT_EQ(-2, l);
             EXPECT_EQ(0x12345678u, dw);
             EXPECT_EQ(1.0, d);
             EXPECT_EQ(1.0f, f);
             EXPECT_EQ(-2, s);
             EXPECT_EQ('A', ch);
             EXPECT_EQ(-1, i);
             EXPECT_EQ(0x80000000u, u);
         });
}

TEST(Archive, TimesAre32BitsAndReadBackUnsigned)
{
    // 0xF0000000 is in 2097: past 2038, it must not come back negative.
    const struct
    {
        LONGLONG nTime;
        const char* pszBytes;
    } cases[] = {
        {0, "00 00 00 00"},
        {0x5F5E1000, "00 10 5E 5F"},
        {0xF0000000LL, "00 00 00 F0"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszBytes);
        Bytes bytes = Stored([&](CArchive& ar) { ar << CTime(c.nTime); });
        EXPECT_EQ(HexBytes(c.pszBytes), bytes);
        CTime time;
        Load(bytes, [&](CArchive& ar) { ar >> time; });
        EXPECT_EQ(c.nTime, time.GetTime());
    }

    Bytes bytes = Stored([](CArchive& ar) { ar << CTimeSpan(-60); });
    EXPECT_EQ(HexBytes("C4 FF FF FF"), bytes);
    CTimeSpan span;
    Load(bytes, [&](CArchive& ar) { ar >> span; });
    EXPECT_EQ(-60, span.GetTotalSeconds());
}

TEST(Archive, StringLengthPrefixes)
{
    const struct
    {
        int nLength;
        const char* pszPrefix;
    } cases[] = {
        {0, "00"},
        {1, "01"},
        {254, "FE"},
        {255, "FF FF 00"},
        {65533, "FF FD FF"},
        {65534, "FF FF FF FE FF 00 00"},
        {65535, "FF FF FF FF FF 00 00"},
        {70000, "FF FF FF 70 11 01 00"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nLength);
        CString str = Pattern(c.nLength);
        Bytes bytes = Stored([&](CArchive& ar) { ar << str; });
        EXPECT_EQ(Concat({HexBytes(c.pszPrefix), ToBytes(str)}), bytes);

        CString strLoaded("old");
        Load(bytes, [&](CArchive& ar) { ar >> strLoaded; });
        EXPECT_TRUE(strLoaded == str);

        bytes.pop_back();
        EXPECT_EQ(
            CArchiveException::endOfFile,
            CaughtCause<CArchiveException>([&] { Load(bytes, [&](CArchive& ar) { ar >> strLoaded; }); }));
    }
}

TEST(Archive, StringsKeepShiftJisBytesAndEmbeddedNuls)
{
    CString str("表示ソフト");
    str += CString("\0x", 2);
    Bytes bytes = Stored([&](CArchive& ar) { ar << str; });
    EXPECT_EQ(Concat({HexBytes("0C"), ToBytes(str)}), bytes);
    CString strLoaded;
    Load(bytes, [&](CArchive& ar) { ar >> strLoaded; });
    EXPECT_EQ(12, strLoaded.GetLength());
    EXPECT_TRUE(strLoaded == str);
}

TEST(Archive, LoadsUnicodeStringsAsShiftJis)
{
    const struct
    {
        const char* pszBytes;
        const char* pszExpected;
    } cases[] = {
        {"FF FE FF 00", ""},
        {"FF FE FF 02 E5 65 2C 67", "日本"},
        {"FF FE FF FF 03 00 61 00 62 00 63 00", "abc"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszBytes);
        CString str("old");
        Load(HexBytes(c.pszBytes), [&](CArchive& ar) { ar >> str; });
        EXPECT_STREQ(c.pszExpected, str);
    }
}

TEST(Archive, Counts)
{
    const struct
    {
        DWORD dwCount;
        const char* pszBytes;
    } cases[] = {
        {0, "00 00"},
        {1, "01 00"},
        {0xFFFE, "FE FF"},
        {0xFFFF, "FF FF FF FF 00 00"},
        {70000, "FF FF 70 11 01 00"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.dwCount);
        Bytes bytes = Stored([&](CArchive& ar) { ar.WriteCount(c.dwCount); });
        EXPECT_EQ(HexBytes(c.pszBytes), bytes);
        DWORD dwLoaded = 0;
        Load(bytes, [&](CArchive& ar) { dwLoaded = ar.ReadCount(); });
        EXPECT_EQ(c.dwCount, dwLoaded);
    }
}

TEST(Archive, ObjectsClassesAndReferences)
{
    CItem a("ab", 7);
    CItem b("c", 8);
    CGroup g("G");
    Bytes bytes = Stored([&](CArchive& ar) { ar << &a << &b << &a << (CObject*)nullptr << &g << &g; });
    // Classes and objects share the numbering: CItem 1, a 2, b 3, CGroup 4, g 5.
    EXPECT_EQ(HexBytes("FF FF 01 00 05 00 'CItem' 02 'ab' 07 00 00 00"
                       " 01 80 01 'c' 08 00 00 00"
                       " 02 00"
                       " 00 00"
                       " FF FF 01 00 06 00 'CGroup' 01 'G' 00 00 00 00"
                       " 05 00"),
              bytes);

    Load(bytes,
         [](CArchive& ar)
         {
             CObject* p[6];
             for (CObject*& pOb : p)
                 ar >> pOb;
             std::unique_ptr<CObject> own0(p[0]), own1(p[1]), own4(p[4]);
             ASSERT_TRUE(p[0] != nullptr && p[0]->IsKindOf(RUNTIME_CLASS(CItem)));
             EXPECT_STREQ("ab", static_cast<CItem*>(p[0])->m_strName);
             EXPECT_EQ(7, static_cast<CItem*>(p[0])->m_lValue);
             EXPECT_EQ(8, static_cast<CItem*>(p[1])->m_lValue);
             EXPECT_EQ(p[0], p[2]);
             EXPECT_EQ(nullptr, p[3]);
             ASSERT_TRUE(p[4] != nullptr && p[4]->IsKindOf(RUNTIME_CLASS(CGroup)));
             EXPECT_EQ(p[4], p[5]);
         });
}

TEST(Archive, IndexesFrom0x7FFFUseTheBigTag)
{
    // CItem is class 1 and item i is object i + 2: the last three items
    // reach 0x7FFF, where references need the big tag.
    const int nItems = 0x7FFF;
    std::vector<std::unique_ptr<CItem>> items;
    for (int i = 0; i < nItems; ++i)
        items.emplace_back(new CItem("", i));
    CGroup g1("1"), g2("2");
    Bytes bytes = Stored(
        [&](CArchive& ar)
        {
            for (auto& p : items)
                ar << p.get();
            ar << items[0x7FFC].get() << items[0x7FFD].get() << &g1 << &g2;
        });
    Bytes tail = HexBytes("FE 7F"                                          // item 0x7FFC, object 0x7FFE
                          " FF 7F FF 7F 00 00"                             // item 0x7FFD, object 0x7FFF
                          " FF FF 01 00 06 00 'CGroup' 01 '1' 00 00 00 00" // class 0x8001
                          " FF 7F 01 80 00 80 01 '2' 00 00 00 00");
    ASSERT_GT(bytes.size(), tail.size());
    EXPECT_EQ(tail, Bytes(bytes.end() - tail.size(), bytes.end()));

    Load(bytes,
         [&](CArchive& ar)
         {
             std::vector<std::unique_ptr<CObject>> loaded;
             for (int i = 0; i < nItems; ++i)
             {
                 CItem* p;
                 ar >> p;
                 loaded.emplace_back(p);
             }
             CObject* pRefs[4];
             for (CObject*& p : pRefs)
                 ar >> p;
             std::unique_ptr<CObject> own2(pRefs[2]), own3(pRefs[3]);
             EXPECT_EQ(loaded[0x7FFC].get(), pRefs[0]);
             EXPECT_EQ(loaded[0x7FFD].get(), pRefs[1]);
             EXPECT_EQ(0x7FFD, static_cast<CItem*>(pRefs[1])->m_lValue);
             ASSERT_TRUE(pRefs[3]->IsKindOf(RUNTIME_CLASS(CGroup)));
             EXPECT_STREQ("2", static_cast<CGroup*>(pRefs[3])->m_strTitle);
         });
}

TEST(Archive, ClassesOnTheirOwn)
{
    Bytes bytes = Stored(
        [](CArchive& ar)
        {
            ar.WriteClass(RUNTIME_CLASS(CItem));
            ar.SerializeClass(RUNTIME_CLASS(CItem));
        });
    EXPECT_EQ(HexBytes("FF FF 01 00 05 00 'CItem' 01 80"), bytes);

    Load(bytes,
         [](CArchive& ar)
         {
             UINT nSchema = 0;
             EXPECT_EQ(RUNTIME_CLASS(CItem), ar.ReadClass(nullptr, &nSchema));
             EXPECT_EQ(1u, nSchema);
             EXPECT_EQ(CArchiveException::badClass,
                       CaughtCause<CArchiveException>([&] { ar.ReadClass(RUNTIME_CLASS(CGroup)); }));
         });
}

TEST(Archive, MappedObjectsAreReferencedByIndex)
{
    CGroup doc("D");
    CGroup* pChild = new CGroup("C", &doc);
    doc.m_children.AddTail(pChild);
    Bytes bytes = Stored(
        [&](CArchive& ar)
        {
            ar.MapObject(&doc);
            ar << pChild;
        });
    EXPECT_EQ(HexBytes("FF FF 01 00 06 00 'CGroup' 01 'C' 01 00 00 00"), bytes);

    CGroup doc2;
    Load(bytes,
         [&](CArchive& ar)
         {
             ar.MapObject(&doc2);
             CGroup* p;
             ar >> p;
             doc2.m_children.AddTail(p);
             EXPECT_EQ(&doc2, p->m_pParent);
         });
}

TEST(Archive, VersionableClassLoadsOlderSchemas)
{
    CVersioned v;
    v.m_lValue = 5;
    v.m_strNote = "hi";
    EXPECT_EQ(HexBytes("FF FF 02 00 0A 00 'CVersioned' 05 00 00 00 02 'hi'"),
              Stored([&](CArchive& ar) { ar << &v; }));

    // Schema 1, and a second object of the class by class tag: it keeps the
    // schema of the file, not the program's.
    Load(HexBytes("FF FF 01 00 0A 00 'CVersioned' 05 00 00 00 01 80 06 00 00 00"),
         [](CArchive& ar)
         {
             CVersioned* p1;
             CVersioned* p2;
             ar >> p1 >> p2;
             std::unique_ptr<CVersioned> own1(p1), own2(p2);
             EXPECT_EQ(1u, p1->m_nLoadedSchema);
             EXPECT_EQ(5, p1->m_lValue);
             EXPECT_TRUE(p1->m_strNote.IsEmpty());
             EXPECT_EQ(1u, p2->m_nLoadedSchema);
             EXPECT_EQ(6, p2->m_lValue);
         });

    // Outside an object the schema is there once, after its class.
    Load(HexBytes("FF FF 01 00 0A 00 'CVersioned'"),
         [](CArchive& ar)
         {
             ar.SerializeClass(RUNTIME_CLASS(CVersioned));
             EXPECT_EQ(1u, ar.GetObjectSchema());
             EXPECT_EQ((UINT)-1, ar.GetObjectSchema());
         });
}

TEST(Archive, ClassesThatCannotBeSerialised)
{
    CDynamicOnly dyn;
    EXPECT_TRUE(Throws<CNotSupportedException>([&] { Stored([&](CArchive& ar) { ar << &dyn; }); }));
    EXPECT_TRUE(Throws<CNotSupportedException>(
        [] { Load(HexBytes("00 00"), [](CArchive& ar) { ar.ReadObject(RUNTIME_CLASS(CDynamicOnly)); }); }));
}

TEST(Archive, CorruptTagsAndClasses)
{
    const char* const pszItem = "FF FF 01 00 05 00 'CItem' 02 'ab' 07 00 00 00 "; // class 1, object 2
    const struct
    {
        const char* pszName;
        std::string strBytes;
        int nCause;
    } cases[] = {
        {"class index never defined", "01 80", CArchiveException::badIndex},
        {"class index zero", "00 80", CArchiveException::badIndex},
        {"object index never defined", "03 00", CArchiveException::badIndex},
        {"object index that is a class", std::string(pszItem) + "01 00", CArchiveException::badIndex},
        {"class index that is an object", std::string(pszItem) + "02 80", CArchiveException::badIndex},
        {"big object tag past the end", "FF 7F 09 00 00 00", CArchiveException::badIndex},
        {"big class tag past the end", "FF 7F 09 00 00 80", CArchiveException::badIndex},
        {"unknown class", "FF FF 01 00 04 00 'CFoo'", CArchiveException::badClass},
        {"class that is not serialisable", "FF FF FF FF 0C 00 'CDynamicOnly'", CArchiveException::badClass},
        {"class name with a NUL", "FF FF 01 00 06 00 'CItem' 00", CArchiveException::badClass},
        {"schema of a fixed class differs", "FF FF 02 00 05 00 'CItem' 00 00 00 00 00",
         CArchiveException::badSchema},
        {"parent that is an item by reference",
         std::string(pszItem) + "FF FF 01 00 06 00 'CGroup' 01 'G' 02 00 00 00", CArchiveException::badClass},
        {"parent that is a new item",
         "FF FF 01 00 06 00 'CGroup' 01 'G' FF FF 01 00 05 00 'CItem' 00 00 00 00 00",
         CArchiveException::badClass},
        {"huge string length", "FF FF 01 00 05 00 'CItem' FF FF FF FF FF FF 7F 'abc'",
         CArchiveException::endOfFile},
        {"huge Unicode string length", "FF FF 01 00 05 00 'CItem' FF FE FF FF FF FF FF FF FF 7F 61 00",
         CArchiveException::endOfFile},
        {"huge class name length", "FF FF 01 00 FF FF 'CItem'", CArchiveException::endOfFile},
        {"huge count of children", "FF FF 01 00 06 00 'CGroup' 01 'G' 00 00 FF FF FF FF FF FF 00 00",
         CArchiveException::endOfFile},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        // Objects are read until something fails; those read are deleted.
        int nCause = CaughtCause<CArchiveException>(
            [&]
            {
                Load(HexBytes(c.strBytes.c_str()),
                     [](CArchive& ar)
                     {
                         std::vector<std::unique_ptr<CObject>> loaded;
                         for (;;)
                         {
                             CObject* p;
                             ar >> p;
                             bool bNew = std::none_of(loaded.begin(), loaded.end(),
                                                      [&](const std::unique_ptr<CObject>& q)
                                                      { return q.get() == p; });
                             if (p != nullptr && bNew)
                                 loaded.emplace_back(p);
                         }
                     });
            });
        EXPECT_EQ(c.nCause, nCause);
    }
}

namespace
{
// A bit of everything, to be cut short at every byte.
void StoreSample(CArchive& ar)
{
    CGroup root("root");
    root.m_children.AddTail(new CItem("first", 1));
    CSubItem* pSub = new CSubItem;
    pSub->m_strName = Pattern(300);
    pSub->m_wExtra = 0xBEEF;
    root.m_children.AddTail(pSub);
    CGroup* pInner = new CGroup("inner", &root);
    pInner->m_children.AddTail(new CItem("表示", -5));
    root.m_children.AddTail(pInner);
    CVersioned* pVersioned = new CVersioned;
    pVersioned->m_strNote = "note";
    root.m_children.AddTail(pVersioned);

    CStringArray strings;
    strings.Add("one");
    strings.Add("");
    strings.Add("三");
    CMapStringToString map;
    map["k"] = "v";
    map["キー"] = "値";

    ar << (BYTE)1 << (WORD)2 << (LONG)-3 << (DWORD)4 << 5.5 << CString("text") << CTime(0x5F5E1000);
    ar.WriteCount(3);
    ar << &root;
    strings.Serialize(ar);
    map.Serialize(ar);
    ar << (CObject*)pInner << (CObject*)nullptr;
}

void LoadSample(CArchive& ar)
{
    BYTE by;
    WORD w;
    LONG l;
    DWORD dw;
    double d;
    CString str;
    CTime time;
    ar >> by >> w >> l >> dw >> d >> str >> time;
    EXPECT_EQ(3u, ar.ReadCount());
    CGroup* pRoot;
    ar >> pRoot;
    std::unique_ptr<CGroup> own(pRoot);
    CStringArray strings;
    strings.Serialize(ar);
    CMapStringToString map;
    map.Serialize(ar);
    CObject* pInner;
    CObject* pNull;
    ar >> pInner >> pNull;

    EXPECT_EQ(-3, l);
    EXPECT_EQ(5.5, d);
    EXPECT_STREQ("text", str);
    ASSERT_EQ(4, pRoot->m_children.GetCount());
    EXPECT_EQ(pRoot->m_children.GetAt(pRoot->m_children.FindIndex(2)), pInner);
    EXPECT_EQ(pRoot, static_cast<CGroup*>(pInner)->m_pParent);
    EXPECT_EQ(0xBEEF,
              static_cast<CSubItem*>(pRoot->m_children.GetAt(pRoot->m_children.FindIndex(1)))->m_wExtra);
    EXPECT_EQ(3, strings.GetSize());
    CString strValue;
    EXPECT_TRUE(map.Lookup("キー", strValue) && strValue == "値");
    EXPECT_EQ(nullptr, pNull);
}
} // namespace

TEST(Archive, EveryTruncationThrowsEndOfFile)
{
    Bytes bytes = Stored(StoreSample);
    Load(bytes, LoadSample);
    for (size_t n = 0; n < bytes.size(); ++n)
    {
        Bytes prefix(bytes.begin(), bytes.begin() + n);
        int nCause = CaughtCause<CArchiveException>([&] { Load(prefix, LoadSample); });
        ASSERT_EQ(CArchiveException::endOfFile, nCause)
            << "cut after " << n << " of " << bytes.size() << " bytes";
    }
}

TEST(Archive, DirectionIsChecked)
{
    EXPECT_EQ(
        CArchiveException::readOnly,
        CaughtCause<CArchiveException>([] { Load(HexBytes("00"), [](CArchive& ar) { ar << (BYTE)1; }); }));
    EXPECT_EQ(CArchiveException::writeOnly, CaughtCause<CArchiveException>(
                                                []
                                                {
                                                    Stored(
                                                        [](CArchive& ar)
                                                        {
                                                            BYTE by;
                                                            ar >> by;
                                                        });
                                                }));
}

TEST(Archive, ClosingALoadLeavesTheFileAfterWhatWasRead)
{
    BYTE data[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    CMemFile file(data, sizeof(data));
    {
        CArchive ar(&file, CArchive::load);
        BYTE b[3];
        EXPECT_EQ(3u, ar.Read(b, 3));
        ar.Close();
    }
    EXPECT_EQ(3u, file.GetPosition());

    // Reads larger than the buffer and across its end.
    std::vector<BYTE> big(10000);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = (BYTE)(i * 7);
    CMemFile bigFile(big.data(), (UINT)big.size());
    CArchive ar(&bigFile, CArchive::load, 128);
    std::vector<BYTE> got(big.size() + 1);
    EXPECT_EQ(100u, ar.Read(got.data(), 100));
    EXPECT_EQ(9000u, ar.Read(got.data() + 100, 9000));
    EXPECT_EQ(900u, ar.Read(got.data() + 9100, 901));
    got.pop_back();
    EXPECT_EQ(big, got);
}

TEST(Archive, TextLines)
{
    Bytes bytes = Stored(
        [](CArchive& ar)
        {
            ar.WriteString("one\r\ntwo\n\nthree\rfour\r\r\n表\n");
            ar.WriteString("last");
        });
    const char* const expected[] = {"one", "two", "", "three", "four", "", "表", "last"};

    Load(bytes,
         [&](CArchive& ar)
         {
             CString line;
             for (const char* pszLine : expected)
             {
                 ASSERT_TRUE(ar.ReadString(line));
                 EXPECT_STREQ(pszLine, line);
             }
             EXPECT_FALSE(ar.ReadString(line));
             EXPECT_TRUE(line.IsEmpty());
         });

    Load(bytes,
         [&](CArchive& ar)
         {
             char sz[16];
             for (const char* pszLine : expected)
             {
                 ASSERT_EQ(sz, ar.ReadString(sz, 15));
                 EXPECT_STREQ(pszLine, sz);
             }
             EXPECT_EQ(nullptr, ar.ReadString(sz, 15));
         });
}
