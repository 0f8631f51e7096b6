// The document's data sets in a folder of the test's own: the file frame,
// files it must not read, atomic writing, the user's records and the
// switch of the current user.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "client/ClientTestSupport.h"
#include "client/DataFileTestSupport.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TemplateRateEditItem.h"

#include "auction/accounts/UserAccount.h"

namespace
{
const LONGLONG kNow = 1700000000;
const LONGLONG kDay = 24 * 60 * 60;

TanzoAuctionItemUserEdit Record(const char* id, const char* memo, int mark = 0)
{
    TanzoAuctionItem item;
    item.SetAuctionID(id);
    item.SetMemo(memo);
    item.GetUserState().SetMark(mark);
    return TanzoAuctionItemUserEdit(item);
}

std::string MemoOf(CTanzoDocData& doc, const char* id)
{
    TanzoAuctionItemUserEdit record;
    TanzoAuctionItem item;
    item.SetAuctionID(id);
    record = TanzoAuctionItemUserEdit(item);
    if (!doc.LookupUserEdit(record))
        return "(none)";
    return (LPCTSTR)record.GetMemo();
}

CUserAccount Account(const char* id)
{
    CUserAccount account;
    account.SetID(id);
    return account;
}

// A file as the document frames it: type name, version, then body.
Bytes Framed(const char* typeName, DWORD version, const Bytes& body)
{
    return Concat({Stored(
                       [&](CArchive& ar)
                       {
                           ar << CString(typeName);
                           ar << version;
                       }),
                   body});
}

// A user-edit file of the given version with the records.
Bytes UserEditFile(DWORD version, std::vector<TanzoAuctionItemUserEdit> records,
                   const char* typeName = nullptr)
{
    Bytes body = Stored(
        [&](CArchive& ar)
        {
            ar << (DWORD)records.size();
            for (TanzoAuctionItemUserEdit& record : records)
                record.Serialize(ar, (int)version);
        });
    return Framed(typeName != nullptr ? typeName : "TanzoAuctionItemUserEditDocument", version, body);
}

class DataSets : public ::testing::Test
{
protected:
    DataSets() : clock(CTime(kNow)) {}

    // The document of "alice", with her account current.
    void MakeAliceCurrent(CTanzoDocData& doc)
    {
        doc.Add(Account("alice"));
        ASSERT_EQ("alice", std::string((LPCTSTR)doc.GetCurrentUserID()));
    }
    CString AliceFile() const { return folder / "alice\\TanzoAuctionItem.useredit"; }

    CClockScope clock;
    CTempFolder folder;
};
} // namespace

TEST_F(DataSets, AMissingFileIsAnEmptySetAndIsNotAnError)
{
    ASSERT_FALSE(folder.Path().IsEmpty());
    CBoxRecorder boxes;
    CTestDocData doc(folder.Path());
    MakeAliceCurrent(doc);
    EXPECT_EQ(0, doc.GetUserEditCount());
    EXPECT_FALSE(doc.IsUnreadable(dataSetUserEdits));
    EXPECT_TRUE(boxes.texts.empty());
    // Nothing changed, so closing writes nothing.
    EXPECT_TRUE(doc.TransferDataSet(dataSetUserEdits, TRUE));
    EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

TEST_F(DataSets, WritesTheFileFrameAndReadsItBack)
{
    CBoxRecorder boxes;
    {
        CTestDocData doc(folder.Path());
        MakeAliceCurrent(doc);
        doc.StoreUserEdit(Record("x1", "メモ", 256));
        ASSERT_TRUE(doc.TransferDataSet(dataSetUserEdits, TRUE));
    }
    TanzoAuctionItemUserEdit expected = Record("x1", "メモ", 256);
    EXPECT_EQ(ToHex(UserEditFile(2, {expected})), ToHex(ReadFileBytes(AliceFile())));
    EXPECT_EQ(std::vector<std::string>{"TanzoAuctionItem.useredit"}, FolderEntries(folder / "alice"));

    CTestDocData again(folder.Path());
    MakeAliceCurrent(again);
    EXPECT_EQ("メモ", MemoOf(again, "x1"));
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(DataSets, ReadsVersionOneAndTwoFiles)
{
    for (DWORD version : {1u, 2u})
    {
        ASSERT_TRUE(
            WriteFileBytes(AliceFile(), UserEditFile(version, {Record("a", "one"), Record("b", "two")})));
        CBoxRecorder boxes;
        CTestDocData doc(folder.Path());
        MakeAliceCurrent(doc);
        EXPECT_EQ(2, doc.GetUserEditCount()) << "version " << version;
        EXPECT_EQ("two", MemoOf(doc, "b"));
        EXPECT_TRUE(boxes.texts.empty());
    }
}

TEST_F(DataSets, AFileItCannotReadIsToldAndNeverWrittenOver)
{
    Bytes truncated = UserEditFile(2, {Record("a", "one"), Record("b", "two")});
    truncated.resize(truncated.size() - 3);
    const struct
    {
        const char* name;
        Bytes file;
        UINT idsRead;       // the box on reading
        bool reasonOfError; // the unsaved box gives the error's text
    } cases[] = {
        // A template file stored under the user-data file's name.
        {"other type", Framed("TanzoTemplateUpdateAuctionDocument", 1, HexBytes("00 00 00 00")), 980, false},
        {"newer version", UserEditFile(3, {}), 981, false},
        {"truncated", truncated, 983, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteFileBytes(AliceFile(), c.file));
        CBoxRecorder boxes;
        CTestDocData doc(folder.Path());
        MakeAliceCurrent(doc);
        doc.StoreUserEdit(Record("c", "new"));
        ASSERT_EQ(1u, boxes.texts.size());
        if (c.reasonOfError)
            EXPECT_EQ(0u, boxes.texts[0].find(Text(c.idsRead).substr(0, Text(c.idsRead).find("\r\n"))));
        else
            EXPECT_EQ(Text(c.idsRead), boxes.texts[0]);
        EXPECT_TRUE(doc.IsUnreadable(dataSetUserEdits));

        // The close finds the set changed: told once, not written.
        EXPECT_FALSE(doc.TransferDataSet(dataSetUserEdits, TRUE));
        EXPECT_FALSE(doc.TransferDataSet(dataSetUserEdits, TRUE));
        ASSERT_EQ(2u, boxes.texts.size());
        const std::string saveFailed = Text(982);
        EXPECT_EQ(0u, boxes.texts[1].find(saveFailed.substr(0, saveFailed.find("%1"))));
        if (!c.reasonOfError)
        {
            std::string reason = Text(c.idsRead);
            for (size_t at; (at = reason.find("\r\n")) != std::string::npos;)
                reason.erase(at, 2);
            EXPECT_NE(std::string::npos, boxes.texts[1].find(reason));
        }
        EXPECT_EQ(ToHex(c.file), ToHex(ReadFileBytes(AliceFile())));
        EXPECT_EQ(std::vector<std::string>{"TanzoAuctionItem.useredit"}, FolderEntries(folder / "alice"));
    }
}

namespace
{
// The disk, but the data file of path cannot be asked about or cannot be
// opened, as when access is denied or the network behind a redirected
// folder fails.
class CFailingFileSystem : public CDataFileSystem
{
public:
    enum Failure
    {
        failQuery,
        failOpen
    };
    CFailingFileSystem(Failure failure, const CString& path) : m_failure(failure), m_path(path) {}

    FileQuery QueryFile(LPCTSTR path, CFileException* pError) override
    {
        if (m_failure == failQuery && m_path == path)
        {
            Deny(path, pError);
            return fileUnknown;
        }
        return Disk().QueryFile(path, pError);
    }
    CFile* OpenForReading(LPCTSTR path, CFileException* pError) override
    {
        if (m_failure == failOpen && m_path == path)
        {
            Deny(path, pError);
            return nullptr;
        }
        return Disk().OpenForReading(path, pError);
    }
    BOOL EnsureFolderOfFile(LPCTSTR path) override { return Disk().EnsureFolderOfFile(path); }
    BOOL RemoveFolderTree(LPCTSTR path) override { return Disk().RemoveFolderTree(path); }
    CFile* CreateTemporary(LPCTSTR path, CString& tempPath, CFileException* pError) override
    {
        return Disk().CreateTemporary(path, tempPath, pError);
    }
    void Replace(LPCTSTR tempPath, LPCTSTR path) override { Disk().Replace(tempPath, path); }
    void RemoveFile(LPCTSTR path) override { Disk().RemoveFile(path); }

    // The reason the document gives for the failure.
    static std::string Reason(LPCTSTR path)
    {
        CFileException error;
        Deny(path, &error);
        char text[256] = {};
        error.GetErrorMessage(text, sizeof(text));
        return text;
    }

private:
    static CDataFileSystem& Disk() { return GetDiskFileSystem(); }
    static void Deny(LPCTSTR path, CFileException* pError)
    {
        pError->m_cause = CFileException::accessDenied;
#ifdef _WIN32
        pError->m_lOsError = ERROR_ACCESS_DENIED;
#else
        pError->m_lOsError = EACCES;
#endif
        pError->m_strFileName = path;
    }

    Failure m_failure;
    CString m_path;
};
} // namespace

TEST_F(DataSets, AFileItCannotAskAboutOrOpenIsNeverWrittenOver)
{
    const Bytes old = UserEditFile(2, {Record("a", "the user's memo", 16)});
    const struct
    {
        const char* name;
        CFailingFileSystem::Failure failure;
    } cases[] = {{"query", CFailingFileSystem::failQuery}, {"open", CFailingFileSystem::failOpen}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteFileBytes(AliceFile(), old));
        CFailingFileSystem failing(c.failure, AliceFile());
        CBoxRecorder boxes;
        {
            CTestDocData doc(folder.Path());
            doc.SetFileSystem(&failing);
            MakeAliceCurrent(doc);
            // Read as nothing, silently, yet not taken for a missing file.
            EXPECT_EQ(0, doc.GetUserEditCount());
            EXPECT_TRUE(doc.IsUnreadable(dataSetUserEdits));
            EXPECT_TRUE(boxes.texts.empty());
            doc.StoreUserEdit(Record("b", "this run's memo"));

            // The close: told once, with the reason, not written.
            EXPECT_FALSE(doc.TransferDataSet(dataSetUserEdits, TRUE));
            EXPECT_FALSE(doc.TransferDataSet(dataSetUserEdits, TRUE));
            ASSERT_EQ(1u, boxes.texts.size());
            CString told;
            told.FormatMessage(982, CFailingFileSystem::Reason(AliceFile()).c_str());
            EXPECT_EQ((LPCTSTR)told, boxes.texts[0]);
        }
        EXPECT_EQ(ToHex(old), ToHex(ReadFileBytes(AliceFile())));
        EXPECT_EQ(std::vector<std::string>{"TanzoAuctionItem.useredit"}, FolderEntries(folder / "alice"));
    }
}

TEST(DataFileSystem, OnlyWhatIsNotThereIsMissing)
{
    CTempFolder folder;
    ASSERT_TRUE(WriteFileBytes(folder / "file", HexBytes("01")));
    CDataFileSystem& disk = GetDiskFileSystem();
    const struct
    {
        CString path;
        CDataFileSystem::FileQuery answer;
    } cases[] = {
        {folder / "file", CDataFileSystem::fileFound},
        {folder.Path(), CDataFileSystem::fileFound},
        {folder / "none", CDataFileSystem::fileMissing},
        {folder / "no folder\\none", CDataFileSystem::fileMissing},
        // A file where a folder should be.
        {folder / "file\\none", CDataFileSystem::fileMissing},
#ifdef _WIN32
        // An error that is no answer: a name the system refuses.
        {folder / "a<b>", CDataFileSystem::fileUnknown},
#else
        // An error that is no answer: a name too long.
        {folder / CString('n', 300), CDataFileSystem::fileUnknown},
#endif
    };
    for (const auto& c : cases)
    {
        CFileException error;
        EXPECT_EQ(c.answer, disk.QueryFile(c.path, &error)) << (LPCTSTR)c.path;
        if (c.answer == CDataFileSystem::fileUnknown)
        {
            EXPECT_NE(CFileException::none, error.m_cause);
            EXPECT_EQ(c.path, error.m_strFileName);
        }
    }
}

namespace
{
// Fails one step of writing, counting the failures.
struct Fault
{
    DataFileStep step;
    DWORD afterBytes; // for dataFileWrite: fails once this many were written
    int failed = 0;

    static BOOL Proc(DataFileStep step, LPCTSTR, DWORD bytesSoFar, void* param)
    {
        Fault* self = static_cast<Fault*>(param);
        if (step != self->step || (step == dataFileWrite && bytesSoFar < self->afterBytes))
            return TRUE;
        ++self->failed;
        return FALSE;
    }
};

class FaultScope
{
public:
    explicit FaultScope(Fault* fault) { SetDataFileFaultHook(Fault::Proc, fault); }
    ~FaultScope() { SetDataFileFaultHook(nullptr); }
};
} // namespace

TEST_F(DataSets, AWriteThatFailsLeavesTheOldFileAndNoTemporaryFile)
{
    const Bytes old = UserEditFile(2, {Record("a", "old")});
    std::vector<TanzoAuctionItemUserEdit> many;
    for (int i = 0; i < 2000; ++i)
        many.push_back(Record(("id" + std::to_string(i)).c_str(), "a memo long enough to fill the buffer"));
    for (const Fault& fault : {Fault{dataFileCreate, 0}, Fault{dataFileWrite, 4096}, Fault{dataFileFlush, 0},
                               Fault{dataFileClose, 0}, Fault{dataFileReplace, 0}})
    {
        SCOPED_TRACE(fault.step);
        ASSERT_TRUE(WriteFileBytes(AliceFile(), old));
        CBoxRecorder boxes;
        CTestDocData doc(folder.Path());
        MakeAliceCurrent(doc);
        for (const TanzoAuctionItemUserEdit& record : many)
            doc.StoreUserEdit(record);
        Fault hook = fault;
        {
            FaultScope scope(&hook);
            EXPECT_FALSE(doc.TransferDataSet(dataSetUserEdits, TRUE));
        }
        EXPECT_EQ(1, hook.failed);
        ASSERT_EQ(1u, boxes.texts.size());
        const std::string saveFailed = Text(982);
        EXPECT_EQ(0u, boxes.texts[0].find(saveFailed.substr(0, saveFailed.find("%1"))));
        EXPECT_EQ(ToHex(old), ToHex(ReadFileBytes(AliceFile())));
        EXPECT_EQ(std::vector<std::string>{"TanzoAuctionItem.useredit"}, FolderEntries(folder / "alice"));
        // The set stays changed: the next write goes through.
        EXPECT_TRUE(doc.TransferDataSet(dataSetUserEdits, TRUE));
        CTestDocData again(folder.Path());
        MakeAliceCurrent(again);
        EXPECT_EQ(2001, again.GetUserEditCount());
    }
}

TEST_F(DataSets, RecordsOlderThanOneHundredTwentyDaysGoAtTheNextWrite)
{
    CClockScope::Now() = CTime(kNow - 121 * kDay);
    ASSERT_TRUE(
        WriteFileBytes(AliceFile(), UserEditFile(2, {Record("stale", "old"), Record("kept", "old")})));
    CClockScope::Now() = CTime(kNow - 119 * kDay);
    {
        CTestDocData doc(folder.Path());
        MakeAliceCurrent(doc);
        doc.StoreUserEdit(Record("kept", "touched"));
        ASSERT_TRUE(doc.TransferDataSet(dataSetUserEdits, TRUE));
    }
    CClockScope::Now() = CTime(kNow);
    CTestDocData doc(folder.Path());
    MakeAliceCurrent(doc);
    // Read as they are...
    EXPECT_EQ("old", MemoOf(doc, "stale"));
    doc.StoreUserEdit(Record("new", "today"));
    ASSERT_TRUE(doc.TransferDataSet(dataSetUserEdits, TRUE));
    // ...and dropped when written.
    CTestDocData again(folder.Path());
    MakeAliceCurrent(again);
    EXPECT_EQ("(none)", MemoOf(again, "stale"));
    EXPECT_EQ("touched", MemoOf(again, "kept"));
    EXPECT_EQ(2, again.GetUserEditCount());
}

TEST_F(DataSets, StoringLookingUpAndRemovingRecords)
{
    const DWORD modified = GetDataSetInfo(dataSetUserEdits)->modifiedBit;
    CTestDocData doc(folder.Path());
    MakeAliceCurrent(doc);

    // A record without an ID changes nothing.
    doc.StoreUserEdit(Record("", "memo"));
    EXPECT_EQ(0u, doc.TestSetFlags(modified));
    EXPECT_EQ(0, doc.GetUserEditCount());

    // An empty record of an unknown item stores nothing, yet counts as a change.
    doc.StoreUserEdit(Record("x", ""));
    EXPECT_EQ(0, doc.GetUserEditCount());
    EXPECT_NE(0u, doc.TestSetFlags(modified));

    doc.StoreUserEdit(Record("x", "first"));
    doc.StoreUserEdit(Record("x", "second", 16));
    EXPECT_EQ(1, doc.GetUserEditCount());
    EXPECT_EQ("second", MemoOf(doc, "x"));
    // Keys are compared byte for byte.
    EXPECT_EQ("(none)", MemoOf(doc, "X"));

    // An empty record removes the item's entry.
    doc.StoreUserEdit(Record("x", ""));
    EXPECT_EQ("(none)", MemoOf(doc, "x"));

    doc.StoreUserEdit(Record("y", "memo"));
    doc.ClearSetFlags(modified);
    EXPECT_FALSE(doc.RemoveUserEdit("nothing"));
    EXPECT_FALSE(doc.RemoveUserEdit(""));
    EXPECT_FALSE(doc.RemoveUserEdit(nullptr));
    EXPECT_EQ(0u, doc.TestSetFlags(modified));
    EXPECT_TRUE(doc.RemoveUserEdit("y"));
    EXPECT_NE(0u, doc.TestSetFlags(modified));
    EXPECT_EQ(0, doc.GetUserEditCount());
}

TEST_F(DataSets, SwitchingUsersWritesTheOldUsersRecordsOnceAndReadsTheNewOnes)
{
    ASSERT_TRUE(
        WriteFileBytes(folder / "bob\\TanzoAuctionItem.useredit", UserEditFile(2, {Record("b", "bob's")})));
    CBoxRecorder boxes;
    CTestDocData doc(folder.Path());
    MakeAliceCurrent(doc);
    doc.Add(Account("bob"));
    doc.StoreUserEdit(Record("a", "alice's"));
    doc.SetCurrentPage(2, 5);
    doc.SetPageCount(2, 9);

    struct Replaces
    {
        int count = 0;
        static BOOL Proc(DataFileStep step, LPCTSTR, DWORD, void* param)
        {
            static_cast<Replaces*>(param)->count += step == dataFileReplace;
            return TRUE;
        }
    } replaces;
    SetDataFileFaultHook(Replaces::Proc, &replaces);
    doc.SetCurrentUserID("bob");
    // The same ID in other case is no switch.
    doc.SetCurrentUserID("BOB");
    SetDataFileFaultHook(nullptr);

    EXPECT_EQ(1, replaces.count);
    EXPECT_EQ("bob", std::string((LPCTSTR)doc.GetCurrentUserID()));
    EXPECT_EQ("bob's", MemoOf(doc, "b"));
    EXPECT_EQ("(none)", MemoOf(doc, "a"));
    EXPECT_EQ(1, doc.GetCurrentPage(2));
    EXPECT_EQ(1, doc.GetPageCount(2));

    doc.SetCurrentUserID("alice");
    EXPECT_EQ("alice's", MemoOf(doc, "a"));
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(DataSets, RemovingAnAccountDeletesOnlyItsOwnFolder)
{
    const Bytes file = UserEditFile(2, {Record("a", "memo")});
    for (const char* id : {"alice", "bob", "carol"})
        ASSERT_TRUE(WriteFileBytes(folder / (CString(id) + "\\TanzoAuctionItem.useredit"), file));
    ASSERT_TRUE(WriteFileBytes(folder / "TanzoTemplate.updateauction", HexBytes("00")));
    const std::vector<std::string> all = {"TanzoTemplate.updateauction", "alice", "bob", "carol"};

    CBoxRecorder boxes;
    CTestDocData doc(folder.Path());
    MakeAliceCurrent(doc);
    for (const char* id : {"bob", "", "..", ".", "a\\b", "carol."})
        doc.Add(Account(id));
    doc.StoreUserEdit(Record("new", "unsaved"));

    // IDs that name no folder of their own delete nothing.
    for (const char* id : {"", "..", ".", "a\\b", "carol."})
    {
        SCOPED_TRACE(id);
        const int index = doc.FindByID(id);
        ASSERT_GE(index, *id == '\0' ? -1 : 0);
        if (index >= 0)
        {
            EXPECT_TRUE(doc.RemoveAt(index));
        }
        EXPECT_EQ(all, FolderEntries(folder.Path()));
    }
    // An account without an ID is held at its index all the same.
    ASSERT_EQ(3, doc.GetCount());
    EXPECT_TRUE(doc.RemoveAt(2));
    EXPECT_EQ(all, FolderEntries(folder.Path()));

    EXPECT_TRUE(doc.RemoveAt(doc.FindByID("bob")));
    EXPECT_EQ((std::vector<std::string>{"TanzoTemplate.updateauction", "alice", "carol"}),
              FolderEntries(folder.Path()));

    // The current account goes with its unsaved records, which are not
    // written anywhere.
    EXPECT_TRUE(doc.RemoveAt(doc.FindByID("alice")));
    EXPECT_EQ("", std::string((LPCTSTR)doc.GetCurrentUserID()));
    EXPECT_EQ((std::vector<std::string>{"TanzoTemplate.updateauction", "carol"}),
              FolderEntries(folder.Path()));
    EXPECT_TRUE(doc.TransferDataSet(dataSetUserEdits, TRUE));
    EXPECT_EQ((std::vector<std::string>{"TanzoTemplate.updateauction", "carol"}),
              FolderEntries(folder.Path()));
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(DataSets, WithoutACurrentUserTheRecordsHaveNoFile)
{
    CBoxRecorder boxes;
    CTestDocData doc(folder.Path());
    CString path;
    EXPECT_FALSE(doc.GetDataFilePath(path, dataSetUserEdits));
    EXPECT_TRUE(doc.GetDataFilePath(path, dataSetDescriptionTemplates));
    EXPECT_EQ(folder / "TanzoTemplate.updateauction", path);
    doc.StoreUserEdit(Record("x", "memo"));
    EXPECT_FALSE(doc.TransferDataSet(dataSetUserEdits, TRUE));
    EXPECT_TRUE(FolderEntries(folder.Path()).empty());
    EXPECT_TRUE(boxes.texts.empty());
    // An ID given explicitly wins over the current one.
    EXPECT_TRUE(doc.GetDataFolder(path, dataSetUserEdits, "dave"));
    EXPECT_EQ(folder / "dave", path);
}

TEST_F(DataSets, TheRecordsOfAnIdThatNamesNoFolderAreToldOnceAsNotSaved)
{
    for (const char* id : {"carol.", "a\\b", "a*"})
    {
        SCOPED_TRACE(id);
        CBoxRecorder boxes;
        CTestDocData doc(folder.Path());
        doc.Add(Account(id));
        ASSERT_EQ(id, std::string((LPCTSTR)doc.GetCurrentUserID()));
        doc.StoreUserEdit(Record("x", "memo"));
        // Kept for the run.
        EXPECT_EQ("memo", MemoOf(doc, "x"));
        EXPECT_TRUE(boxes.texts.empty());

        EXPECT_FALSE(doc.TransferDataSet(dataSetUserEdits, TRUE));
        CString told;
        told.FormatMessage(982, Text(959).c_str());
        EXPECT_EQ((std::vector<std::string>{(LPCTSTR)told}), boxes.texts);
        // Once: not at the switch to another ID either, whose records go
        // to its folder as ever.
        doc.Add(Account("alice"));
        doc.SetCurrentUserID("alice");
        doc.StoreUserEdit(Record("y", "alice's"));
        EXPECT_TRUE(doc.TransferDataSet(dataSetUserEdits, TRUE));
        EXPECT_EQ(1u, boxes.texts.size());
        EXPECT_EQ(std::vector<std::string>{"alice"}, FolderEntries(folder.Path()));
        ASSERT_TRUE(GetDiskFileSystem().RemoveFolderTree(folder / "alice"));
    }
}

TEST(DataSetFolders, OnlyAPlainNameFormsAUserFolder)
{
    const struct
    {
        const char* id;
        bool plain;
    } cases[] = {
        {"alice", true}, {"a.b", true}, {"ソ", true}, // its trail byte is "\"
        {"", false},     {".", false},  {"..", false},   {"a\\b", false},   {"a/b", false},
        {"c:", false},   {"a*", false}, {"a?", false},   {"a\"", false},    {"a<", false},
        {"a>", false},   {"a|", false}, {"a\tb", false}, {"alice.", false}, {"alice ", false},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.plain, IsPlainFolderName(c.id) != FALSE) << c.id;
        CString folder;
        EXPECT_EQ(c.plain, MakeDataFolder("C:\\Data", dataSetUserEdits, c.id, folder) != FALSE) << c.id;
        EXPECT_EQ(c.plain ? CString("C:\\Data\\") + c.id : CString(), folder) << c.id;
    }
    CString path;
    EXPECT_TRUE(MakeDataFilePath("C:\\Data\\", dataSetBuyerRatingTemplates, "", path));
    EXPECT_EQ("C:\\Data\\TanzoTemplate.rateeditasbuyer", path);
    EXPECT_TRUE(MakeDataFilePath("C:\\Data", dataSetUserEdits, "alice", path));
    EXPECT_EQ("C:\\Data\\alice\\TanzoAuctionItem.useredit", path);
    EXPECT_FALSE(MakeDataFilePath("", dataSetSellerRatingTemplates, "", path));
    EXPECT_FALSE(MakeDataFilePath("C:\\Data", 4, "alice", path));
}

TEST(PagePositions, StartAtOneAndGiveTheFirstOfTenPageChoices)
{
    CTempFolder folder;
    CTestDocData doc(folder.Path());
    for (int kind = 0; kind < 4; ++kind)
    {
        EXPECT_EQ(1, doc.GetCurrentPage(kind));
        EXPECT_EQ(1, doc.GetPageCount(kind));
    }
    const struct
    {
        int current, count, first;
    } cases[] = {
        {0, 20, 1}, {5, 0, 1},   {-1, 5, 1},   {1, 1, 1},    {3, 20, 1}, {5, 20, 1},
        {6, 20, 2}, {12, 20, 8}, {18, 20, 11}, {20, 20, 11}, {7, 8, 1},  {30, 20, 11},
    };
    for (const auto& c : cases)
    {
        doc.SetCurrentPage(3, c.current);
        doc.SetPageCount(3, c.count);
        EXPECT_EQ(c.first, doc.GetFirstPageChoice(3)) << c.current << " of " << c.count;
    }
    // Other kinds keep theirs; kinds outside 0..3 hold nothing.
    EXPECT_EQ(1, doc.GetCurrentPage(0));
    doc.SetCurrentPage(4, 7);
    EXPECT_EQ(0, doc.GetCurrentPage(4));
    doc.DeleteContents();
    EXPECT_EQ(1, doc.GetCurrentPage(3));
    EXPECT_EQ(1, doc.GetPageCount(3));
}

TEST_F(DataSets, TemplateSetsHoldTwentyAndKeepTheirRatings)
{
    CBoxRecorder boxes;
    {
        CTestDocData doc(folder.Path());
        for (int i = 0; i < 21; ++i)
        {
            CTemplateStringItem plain(("title " + std::to_string(i)).c_str(), "text");
            doc.AddTemplate(dataSetDescriptionTemplates, &plain);
        }
        EXPECT_EQ(20, doc.GetTemplateCount(dataSetDescriptionTemplates));
        // A set that is full is marked changed all the same.
        doc.ClearSetFlags(GetDataSetInfo(dataSetDescriptionTemplates)->modifiedBit);
        CTemplateStringItem more("21", "");
        doc.AddTemplate(dataSetDescriptionTemplates, &more);
        EXPECT_EQ(20, doc.GetTemplateCount(dataSetDescriptionTemplates));
        EXPECT_NE(0u, doc.TestSetFlags(GetDataSetInfo(dataSetDescriptionTemplates)->modifiedBit));

        CTemplateRateEditItem good(4, "ありがとうございました", "");
        CTemplateRateEditItem odd(6, "six", "");
        CTemplateStringItem plain("plain", "");
        doc.AddTemplate(dataSetSellerRatingTemplates, &good);
        doc.AddTemplate(dataSetSellerRatingTemplates, &odd);
        doc.AddTemplate(dataSetSellerRatingTemplates, &plain);
        doc.AddTemplate(dataSetSellerRatingTemplates, nullptr);
        for (int set = 0; set < 3; ++set)
            EXPECT_TRUE(doc.TransferDataSet(set, TRUE)) << set;
    }
    // Set 1's file: the frame, the count, each record's strings and rating.
    const Bytes expected = Framed(
        "TanzoTemplateRateEditAsSellerDocument", 1,
        Concat(
            {HexBytes("04 00 00 00"),
             Stored([](CArchive& ar) { ar << CString("ありがとうございました") << CString(""); }),
             HexBytes("04 00 00 00 03 'six' 00 06 00 00 00 05 'plain' 00 05 00 00 00 00 00 05 00 00 00")}));
    EXPECT_EQ(ToHex(expected), ToHex(ReadFileBytes(folder / "TanzoTemplate.rateeditasseller")));
    // The buyer's set was never touched, so it has no file.
    EXPECT_EQ((std::vector<std::string>{"TanzoTemplate.rateeditasseller", "TanzoTemplate.updateauction"}),
              FolderEntries(folder.Path()));

    CTestDocData again(folder.Path());
    EXPECT_EQ(20, again.GetTemplateCount(dataSetDescriptionTemplates));
    CTemplateStringItem first;
    ASSERT_TRUE(again.GetTemplate(dataSetDescriptionTemplates, 19, first));
    EXPECT_EQ("title 19", std::string(first.GetTitle()));
    const int ratings[] = {4, 6, 5, 5};
    ASSERT_EQ(4, again.GetTemplateCount(dataSetSellerRatingTemplates));
    for (int i = 0; i < 4; ++i)
    {
        CTemplateRateEditItem item(0);
        ASSERT_TRUE(again.GetTemplate(dataSetSellerRatingTemplates, i, item));
        EXPECT_EQ(ratings[i], item.GetRating()) << i;
    }
    CTemplateRateEditItem none;
    EXPECT_FALSE(again.GetTemplate(dataSetSellerRatingTemplates, 4, none));
    EXPECT_EQ(0, again.GetTemplateCount(dataSetBuyerRatingTemplates));
    again.RemoveAllTemplates(dataSetSellerRatingTemplates);
    EXPECT_EQ(0, again.GetTemplateCount(dataSetSellerRatingTemplates));
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(DataSets, ATemplateFileOfANewerVersionIsNotWrittenOver)
{
    const Bytes newer = Framed("TanzoTemplateRateEditAsBuyerDocument", 2, HexBytes("00 00 00 00"));
    ASSERT_TRUE(WriteFileBytes(folder / "TanzoTemplate.rateeditasbuyer", newer));
    CBoxRecorder boxes;
    CTestDocData doc(folder.Path());
    doc.AddTemplate(dataSetBuyerRatingTemplates, nullptr);
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ(Text(964), boxes.texts[0]);
    EXPECT_FALSE(doc.TransferDataSet(dataSetBuyerRatingTemplates, TRUE));
    ASSERT_EQ(2u, boxes.texts.size());
    EXPECT_EQ(0u, boxes.texts[1].find(Text(965).substr(0, Text(965).find("%1"))));
    EXPECT_EQ(ToHex(newer), ToHex(ReadFileBytes(folder / "TanzoTemplate.rateeditasbuyer")));
}
