#ifndef TANZO_TESTS_ACTIONS_WIN32_LISTJOBFIXTURE_H
#define TANZO_TESTS_ACTIONS_WIN32_LISTJOBFIXTURE_H

// The client's main window signed in as the demo seller against the
// stand-in, with the item actions registered, as the tests of the jobs run
// from the lists drive it; and the captions of the run dialog.

#include <string>
#include <vector>

#include "ActionControls.h"
#include "auction/operations/OperationResourceIds.h"
#include "client/TanzoAuctionItem.h"
#include "client/TanzoTabbedPage.h"
#include "client/TanzoTabsTabbedDialog.h"
#include "client/actions/shared/ActionJobs.h"
#include "client/win32/ClientAppFixture.h"
#include "net/ServiceHosts.h"
#include "net/win32/StandIn.h"
#include "text/Scramble.h"

// The captions the run dialog is given while the hook is set, in order.
class CRunCaptions
{
public:
    CRunCaptions()
    {
        s_pThis = this;
        m_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~CRunCaptions()
    {
        if (m_hHook != nullptr)
            ::UnhookWindowsHookEx(m_hHook);
        s_pThis = nullptr;
    }
    bool IsHooked() const { return m_hHook != nullptr; }

    std::vector<std::string> captions;

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const auto* pCall = (const CWPSTRUCT*)lParam;
        if (nCode == HC_ACTION && s_pThis != nullptr && pCall->message == WM_SETTEXT && pCall->lParam != 0 &&
            ::GetDlgItem(pCall->hwnd, IDC_PREPARE_ABORT) != nullptr)
            s_pThis->captions.push_back((const char*)pCall->lParam);
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    static inline CRunCaptions* s_pThis = nullptr;
    HHOOK m_hHook;
};

class ListJobTest : public ClientAppTest
{
protected:
    ListJobTest()
    {
        StandIn::Reset();
        StandIn::UseServiceOrigins();
        m_app.m_bFirstRefresh = TRUE;
        CString scrambled;
        EncodeScrambledText32("pass-seller1", scrambled);
        SetSetting("UserCount", 1);
        SetSettingText("UserID01", "demo_seller1");
        SetSettingText("UserPswd01", scrambled);
        SetSettingText("CurUserID", "demo_seller1");
        SetItemJobs(&m_jobs);
    }
    ~ListJobTest() override
    {
        Close();
        SetItemJobs(nullptr);
        ResetServiceOrigins();
        StandIn::Reset();
    }

    void SetSettingText(LPCTSTR lpszKey, LPCTSTR lpszValue)
    {
        AfxProfileWrite(CLIENT_PROFILE_KEY "\\Settings", lpszKey, REG_SZ, lpszValue,
                        (DWORD)::lstrlenA(lpszValue) + 1);
    }
    CTanzoTabbedPage* Page(int nTab)
    {
        CTanzoView* pView = Frame() != nullptr ? Frame()->GetTanzoView() : nullptr;
        return pView != nullptr && pView->GetTabs() != nullptr ? pView->GetTabs()->GetTanzoPage(nTab)
                                                               : nullptr;
    }
    // The tab shown and read; its first count rows selected.
    CTanzoListCtrl* ShowTab(int nTab, int count)
    {
        ClickTab(Frame()->GetTanzoView()->GetTabs()->GetTabCtrl().m_hWnd, nTab);
        CTanzoTabbedPage* pPage = Page(nTab);
        if (pPage == nullptr || pPage->GetList().GetItemCount() < count)
            return nullptr;
        CTanzoListCtrl& list = pPage->GetList();
        list.SetItemStateMasked(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (int nRow = 0; nRow < count; ++nRow)
            list.SetItemStateMasked(nRow, LVIS_SELECTED, LVIS_SELECTED);
        return &list;
    }
    static std::vector<std::string> RowIds(CTanzoAItemBaseListCtrl& list)
    {
        std::vector<std::string> ids;
        for (int nRow = 0; nRow < list.GetItemCount(); ++nRow)
            ids.push_back((LPCTSTR)list.GetRowRecord(nRow)->GetAuctionID());
        return ids;
    }
    static void Select(CTanzoAItemBaseListCtrl& list, std::initializer_list<int> rows)
    {
        list.SetItemStateMasked(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (int nRow : rows)
            list.SetItemStateMasked(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }

    CActionJobs m_jobs;
    CMessageBoxRecorder m_boxes;
};

#endif // TANZO_TESTS_ACTIONS_WIN32_LISTJOBFIXTURE_H
