// The user's data file while the client runs: one that another program
// holds open cannot be read, and the close of the main window leaves it
// byte for byte as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClientAppFixture.h"

#include "auction/accounts/UserAccount.h"
#include "client/ClientTestSupport.h"
#include "client/DataSetFiles.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"

namespace
{
TanzoAuctionItemUserEdit Record(const char* id, const char* memo)
{
    TanzoAuctionItem item;
    item.SetAuctionID(id);
    item.SetMemo(memo);
    return TanzoAuctionItemUserEdit(item);
}

CUserAccount Account(const char* id)
{
    CUserAccount account;
    account.SetID(id);
    return account;
}

// A file held open with no sharing, as another program may hold it.
class CHeldFile
{
public:
    explicit CHeldFile(LPCTSTR path)
        : m_hFile(::CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr))
    {
    }
    ~CHeldFile() { Release(); }
    bool IsHeld() const { return m_hFile != INVALID_HANDLE_VALUE; }
    void Release()
    {
        if (IsHeld())
            ::CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_hFile;
};
} // namespace

TEST_F(ClientAppTest, AHeldDataFileIsLeftAsItWasWhenTheWindowCloses)
{
    const CString file = m_folder / "demo_seller1\\TanzoAuctionItem.useredit";
    {
        CTestDocData before(m_folder.Path());
        before.Add(Account("demo_seller1"));
        before.StoreUserEdit(Record("x1", "the user's memo"));
        ASSERT_TRUE(before.TransferDataSet(dataSetUserEdits, TRUE));
    }
    const Bytes old = ReadFileBytes(file);
    ASSERT_NE(ToHex(HexBytes("'(missing)'")), ToHex(old));

    CBoxRecorder boxes;
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Doc()->Add(Account("demo_seller1")));
    ASSERT_STREQ("demo_seller1", Doc()->GetCurrentUserID());
    CHeldFile held(file);
    ASSERT_TRUE(held.IsHeld());

    Doc()->StoreUserEdit(Record("x2", "this run's memo"));
    EXPECT_TRUE(Doc()->IsUnreadable(dataSetUserEdits));
    Close();
    // The close told that the records were not saved.
    ASSERT_EQ(1u, boxes.texts.size());
    const std::string saveFailed = Text(982);
    EXPECT_EQ(0u, boxes.texts[0].find(saveFailed.substr(0, saveFailed.find("%1"))));

    held.Release();
    EXPECT_EQ(ToHex(old), ToHex(ReadFileBytes(file)));
    EXPECT_EQ(std::vector<std::string>{"TanzoAuctionItem.useredit"},
              FolderEntries(m_folder / "demo_seller1"));
}
