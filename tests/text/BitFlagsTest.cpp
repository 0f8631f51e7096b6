#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "afx/Archive.h"
#include "afx/File.h"
#include "text/BitFlags.h"

namespace
{
struct FlagCase
{
    const char* name;
    DWORD start;
    std::function<void(CBitFlags&)> op;
    DWORD expected;
};

TEST(BitFlagsTest, OperationsChangeTheWordAsDescribed)
{
    const FlagCase cases[] = {
        {"Set replaces", 0xF0, [](CBitFlags& f) { f.Set(0x0F); }, 0x0F},
        {"Add ors", 0x01, [](CBitFlags& f) { f.Add(0x06); }, 0x07},
        {"Remove clears the bits", 0x0F, [](CBitFlags& f) { f.Remove(0x05); }, 0x0A},
        {"SetOrRemove on adds", 0x01, [](CBitFlags& f) { f.SetOrRemove(0x10, TRUE); }, 0x11},
        {"SetOrRemove non-zero on adds", 0x01, [](CBitFlags& f) { f.SetOrRemove(0x10, 42); }, 0x11},
        {"SetOrRemove off removes", 0x11, [](CBitFlags& f) { f.SetOrRemove(0x10, FALSE); }, 0x01},
        {"Toggle some set removes all", 0x05, [](CBitFlags& f) { f.Toggle(0x03); }, 0x04},
        {"Toggle all set removes all", 0x07, [](CBitFlags& f) { f.Toggle(0x03); }, 0x04},
        {"Toggle none set adds all", 0x04, [](CBitFlags& f) { f.Toggle(0x03); }, 0x07},
        {"Toggle zero adds nothing", 0x04, [](CBitFlags& f) { f.Toggle(0); }, 0x04},
        {"SetMasked takes the masked bits", 0xFF00, [](CBitFlags& f) { f.SetMasked(0x0AA0, 0x0FF0); },
         0xFAA0},
        {"SetMasked empty mask changes nothing", 0x1234, [](CBitFlags& f) { f.SetMasked(0xFFFF, 0); },
         0x1234},
        {"SetMasked full mask is Set", 0x1234, [](CBitFlags& f) { f.SetMasked(0x8001, 0xFFFFFFFF); }, 0x8001},
        {"Clear", 0xFFFFFFFF, [](CBitFlags& f) { f.Clear(); }, 0},
        {"Assign copies", 0x1, [](CBitFlags& f) { f.Assign(CBitFlags(0x80000000)); }, 0x80000000},
        {"operators chain", 0, [](CBitFlags& f) { f.Add(0x3).Remove(0x1).Toggle(0x8); }, 0xA},
    };
    for (const FlagCase& c : cases)
    {
        CBitFlags flags(c.start);
        c.op(flags);
        EXPECT_EQ(c.expected, flags.Get()) << c.name;
    }
}

TEST(BitFlagsTest, Tests)
{
    CBitFlags flags(0x0C);
    EXPECT_EQ(0x04u, flags.TestAny(0x05));
    EXPECT_EQ(0u, flags.TestAny(0x03));
    EXPECT_EQ(0u, flags.TestAny(0));
    EXPECT_TRUE(flags.TestAll(0x0C));
    EXPECT_TRUE(flags.TestAll(0x04));
    EXPECT_FALSE(flags.TestAll(0x1C));
    EXPECT_FALSE(flags.TestAll(0));
    EXPECT_FALSE(CBitFlags(0).TestAll(0));

    EXPECT_EQ(0u, CBitFlags().Get());
    EXPECT_TRUE(flags.Equals(CBitFlags(0x0C)));
    EXPECT_FALSE(flags.Equals(CBitFlags(0x0D)));
    CBitFlags copy(flags);
    EXPECT_EQ(0x0Cu, copy.Get());
}

// Records which operations the compound ones call through the table.
class CRecordingFlags : public CBitFlags
{
public:
    explicit CRecordingFlags(std::vector<std::string>* pLog) : m_pLog(pLog) {}

    CBitFlags& Set(DWORD dw) override
    {
        m_pLog->push_back("Set");
        return CBitFlags::Set(dw);
    }
    CBitFlags& Add(DWORD dw) override
    {
        m_pLog->push_back("Add");
        return CBitFlags::Add(dw);
    }
    CBitFlags& Remove(DWORD dw) override
    {
        m_pLog->push_back("Remove");
        return CBitFlags::Remove(dw);
    }
    DWORD TestAny(DWORD dw) const override
    {
        m_pLog->push_back("TestAny");
        return CBitFlags::TestAny(dw);
    }
    CBitFlags& Assign(const CBitFlags& other) override
    {
        m_pLog->push_back("Assign");
        return CBitFlags::Assign(other);
    }

private:
    std::vector<std::string>* m_pLog;
};

TEST(BitFlagsTest, CompoundOperationsGoThroughTheTable)
{
    struct
    {
        std::function<void(CBitFlags&)> op;
        std::vector<std::string> calls;
    } const cases[] = {
        {[](CBitFlags& f) { f.SetOrRemove(1, TRUE); }, {"Add"}},
        {[](CBitFlags& f) { f.SetOrRemove(1, FALSE); }, {"Remove"}},
        {[](CBitFlags& f) { f.Toggle(1); }, {"TestAny", "Add"}},
        {[](CBitFlags& f) { f.Toggle(2); }, {"TestAny", "Remove"}},
        {[](CBitFlags& f) { f.SetMasked(1, 1); }, {"Set"}},
        {[](CBitFlags& f) { f = CBitFlags(9); }, {"Assign"}},
    };
    for (const auto& c : cases)
    {
        std::vector<std::string> log;
        CRecordingFlags flags(&log);
        flags.CBitFlags::Set(2);
        c.op(flags);
        EXPECT_EQ(c.calls, log);
    }
    // Assignment between derived objects still assigns through the table.
    std::vector<std::string> log;
    CRecordingFlags a(&log), b(&log);
    b.CBitFlags::Set(5);
    a = b;
    EXPECT_EQ(5u, a.Get());
    EXPECT_EQ(std::vector<std::string>{"Assign"}, log);
}

template <class TFlags> std::vector<BYTE> Store(DWORD dw)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        TFlags flags(dw);
        EXPECT_EQ(&ar, &flags.Serialize(ar));
        ar.Close();
    }
    std::vector<BYTE> bytes(file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

template <class TFlags> DWORD Load(std::vector<BYTE> bytes)
{
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    TFlags flags(0xDEADBEEF);
    flags.Serialize(ar);
    return flags.Get();
}

TEST(BitFlagsTest, ArchiveFormIsOneLittleEndianWord)
{
    const std::vector<BYTE> golden = {0x78, 0x56, 0x34, 0x12};
    EXPECT_EQ(golden, Store<CBitFlags>(0x12345678));
    EXPECT_EQ(golden, Store<CBitFlagsEx>(0x12345678));
    EXPECT_EQ((std::vector<BYTE>{0xFF, 0xFF, 0xFF, 0xFF}), Store<CBitFlagsEx>(0xFFFFFFFF));

    EXPECT_EQ(0x12345678u, Load<CBitFlags>(golden));
    EXPECT_EQ(0x12345678u, Load<CBitFlagsEx>(golden));
    EXPECT_EQ(0x80000001u, Load<CBitFlagsEx>(Store<CBitFlags>(0x80000001)));
    EXPECT_EQ(0x80000001u, Load<CBitFlags>(Store<CBitFlagsEx>(0x80000001)));
}

} // namespace
