// The client under names of its own, for the test of what its closing
// writes (tests/client/win32/ClosePathTest.cpp). Its data lie in the folder
// TANZO_CLOSEPATH_DATA; it logs each data file it writes, with the number
// of accounts the profile holds at that moment, to TANZO_CLOSEPATH_LOG.
// TANZO_CLOSEPATH_MODE "fill" gives it accounts, templates and a user
// record after its start; "report" logs what it read.
#include "afx/String.h"
#include "auction/accounts/UserAccount.h"
#include "client/DataFileSystem.h"
#include "client/TanzoApp.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoAuctionItemUserEdit.h"
#include "client/TanzoDoc.h"
#include "client/TemplateRateEditItem.h"

#include <cstdlib>
#include <cstring>

namespace
{
CString Env(LPCTSTR lpszName)
{
    char szValue[1024] = {};
    ::GetEnvironmentVariableA(lpszName, szValue, sizeof(szValue));
    return szValue;
}

void AppendLog(const CString& line)
{
    HANDLE h = ::CreateFileA(Env("TANZO_CLOSEPATH_LOG"), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                             OPEN_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    const CString text = line + "\r\n";
    DWORD dwWritten = 0;
    ::WriteFile(h, (LPCTSTR)text, (DWORD)text.GetLength(), &dwWritten, nullptr);
    ::CloseHandle(h);
}

class CClosePathApp : public CTanzoApp
{
public:
    void InitProfileName() override
    {
        free((void*)m_pszProfileName);
        m_pszProfileName = strdup("TanzoClosePath");
    }
    LPCTSTR GetWindowClassName() override { return "TanzoClosePathClass"; }
    LPCTSTR GetMutexName() override { return "Mutex-Tanzo-ClosePath"; }
    BOOL GetUserDataRoot(CString& out) override
    {
        out = Env("TANZO_CLOSEPATH_DATA");
        return !out.IsEmpty();
    }

    // The lists are not what this program is about: they stay unread.
    void StartFirstRefresh(CMainFrame*) override {}

    BOOL InitInstance() override
    {
        SetDataFileFaultHook(LogReplace, this);
        if (!CTanzoApp::InitInstance())
            return FALSE;
        CTanzoDoc* pDoc = GetTanzoDoc(nullptr);
        if (pDoc == nullptr)
            return FALSE;
        if (Env("TANZO_CLOSEPATH_MODE") == "fill")
            Fill(*pDoc);
        else
            Report(*pDoc);
        return TRUE;
    }

private:
    static BOOL LogReplace(DataFileStep step, LPCTSTR lpszPath, DWORD, void* pParam)
    {
        if (step == dataFileReplace)
        {
            CString line;
            CString name(lpszPath);
            line.Format("wrote %s users=%d", (LPCTSTR)name.Mid(name.ReverseFind('\\') + 1),
                        (int)static_cast<CClosePathApp*>(pParam)->GetSettingInt("UserCount", 0));
            AppendLog(line);
        }
        return TRUE;
    }

    static void Fill(CTanzoDoc& doc)
    {
        for (const char* id : {"closepath_a", "closepath_b"})
        {
            CUserAccount account;
            account.SetID(id);
            account.SetPassword("pass");
            doc.Add(account);
        }
        CTemplateStringItem description("追加", "本文");
        doc.AddTemplate(0, &description);
        CTemplateRateEditItem seller(4, "出品者として", "");
        doc.AddTemplate(1, &seller);
        CTemplateRateEditItem buyer(2, "落札者として", "");
        doc.AddTemplate(2, &buyer);
        TanzoAuctionItem item;
        item.SetAuctionID("x100");
        item.SetMemo("メモ");
        doc.StoreUserEdit(TanzoAuctionItemUserEdit(item));
        AppendLog("filled");
    }

    static void Report(CTanzoDoc& doc)
    {
        CString line;
        line.Format("accounts=%d current=%s", doc.GetCount(), (LPCTSTR)doc.GetCurrentUserID());
        AppendLog(line);
        for (int set = 0; set < 3; ++set)
        {
            CTemplateRateEditItem item(0);
            doc.GetTemplate(set, 0, item);
            line.Format("set%d count=%d title=%s rating=%d", set, doc.GetTemplateCount(set),
                        (LPCTSTR)item.GetTitle(), set == 0 ? 0 : item.GetRating());
            AppendLog(line);
        }
        TanzoAuctionItem item;
        item.SetAuctionID("x100");
        TanzoAuctionItemUserEdit record(item);
        doc.LookupUserEdit(record);
        line.Format("set3 count=%d memo=%s", doc.GetUserEditCount(), (LPCTSTR)record.GetMemo());
        AppendLog(line);
    }
};

CClosePathApp theApp;
} // namespace
