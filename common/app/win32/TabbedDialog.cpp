#include "app/TabbedDialog.h"

#include "afx/DataExchange.h"
#include "afx/ImageList.h"
#include "app/WindowHelpers.h"

namespace
{
const char kSelectTabKey[] = "SelectTab";
} // namespace

IMPLEMENT_DYNAMIC(CTabbedDialog, CBaseDialog)

BEGIN_MESSAGE_MAP(CTabbedDialog, CBaseDialog)
ON_WM_SIZE()
ON_WM_DESTROY()
ON_WM_CLOSE()
END_MESSAGE_MAP()

CTabbedDialog::CTabbedDialog(UINT nIDTemplate, UINT nIDTabCtrl, CWnd* pParentWnd, UINT nHelpId,
                             UINT nSettingsId)
    : CBaseDialog(nIDTemplate, pParentWnd, nHelpId, nSettingsId), m_nIDTabCtrl(nIDTabCtrl),
      m_display(displayPages)
{
    m_nStartTab = GetSettingInt(kSelectTabKey, 0);
}

CTabbedDialog::~CTabbedDialog()
{
    for (int i = 0; i < GetPageCount(); ++i)
        delete static_cast<CTabbedPageLink*>(m_entries[i]);
    m_entries.RemoveAll();
}

void CTabbedDialog::OnTabStripMouseMove(UINT, int, int) {}

void CTabbedDialog::CreatePage(int nIndex)
{
    CTabbedPageLink* pEntry = GetPageEntry(nIndex);
    if (pEntry == nullptr || !pEntry->Create(this))
        return;
    if (CTabbedPage* pPage = pEntry->GetPage())
        pPage->ModifyStyle(WS_CAPTION, 0);
}

BOOL CTabbedDialog::ValidatePages()
{
    auto counts = [this](CTabbedPageLink* pEntry)
    { return m_validation.TestAny(validateUncreated) || pEntry->IsPageCreated(); };
    if (m_validation.TestAny(validateSelectedOnly))
    {
        CTabbedPageLink* pEntry = GetCurPageEntry();
        return pEntry == nullptr || !counts(pEntry) || pEntry->Validate(this);
    }
    for (int i = 0; i < GetPageCount(); ++i)
    {
        CTabbedPageLink* pEntry = GetPageEntry(i);
        if (counts(pEntry) && !pEntry->Validate(this))
        {
            SelectPage(i, FALSE);
            return FALSE;
        }
    }
    return TRUE;
}

void CTabbedDialog::OnSelChanging() {}

void CTabbedDialog::ShowSelectedPage(BOOL bPostActivate)
{
    for (int i = 0; i < GetPageCount(); ++i)
    {
        if (GetPageEntry(i)->IsPageCreated())
            GetPage(i)->ShowWindow(SW_HIDE);
    }
    const int nIndex = GetCurSel();
    CTabbedPageLink* pEntry = GetPageEntry(nIndex);
    if (pEntry == nullptr || !m_display.TestAny(displayPages))
        return;
    BOOL bCreated = FALSE;
    if (!pEntry->IsPageCreated())
    {
        CreatePage(nIndex);
        bCreated = TRUE;
        if (!pEntry->IsPageCreated())
            return;
    }
    FitPage(nIndex, bCreated && pEntry->TestOption(CTabbedPageLink::optionFitTwice) ? fitTwice : 0);
    CTabbedPage* pPage = pEntry->GetPage();
    pPage->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    if (bPostActivate)
        pPage->PostMessage(WM_DIALOG_SET_INITIAL_FOCUS);
}

void CTabbedDialog::OnBeforeAddPages() {}

int CTabbedDialog::GetTabImage(int nIndex)
{
    return nIndex;
}

UINT CTabbedDialog::GetHelpId()
{
    CTabbedPageLink* pEntry = GetCurPageEntry();
    CHelpIdSource* pPage = pEntry != nullptr && pEntry->IsPageCreated() ? pEntry->GetPage() : nullptr;
    return ResolveTabbedHelpId(m_nHelpId, pPage, CBaseDialog::GetHelpId());
}

void CTabbedDialog::AddPage(CTabbedPageLink* pEntry)
{
    if (pEntry != nullptr)
        m_entries.Add(pEntry);
}

CTabbedPageLink* CTabbedDialog::GetPageEntry(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetPageCount())
        return nullptr;
    return static_cast<CTabbedPageLink*>(m_entries[nIndex]);
}

CTabbedPage* CTabbedDialog::GetPage(int nIndex) const
{
    CTabbedPageLink* pEntry = GetPageEntry(nIndex);
    return pEntry != nullptr ? pEntry->GetPage() : nullptr;
}

int CTabbedDialog::IndexOfEntry(const CTabbedPageLink* pEntry) const
{
    for (int i = 0; i < GetPageCount(); ++i)
    {
        if (m_entries[i] == pEntry)
            return i;
    }
    return -1;
}

int CTabbedDialog::GetCurSel() const
{
    if (!IsWindowValid(&m_tabCtrl))
        return -1;
    return m_tabCtrl.GetCurSel();
}

CTabbedPageLink* CTabbedDialog::GetCurPageEntry() const
{
    return GetPageEntry(GetCurSel());
}

void CTabbedDialog::SelectPage(int nIndex, BOOL bPostActivate)
{
    if (!::IsWindow(m_hWnd) || !IsWindowValid(&m_tabCtrl) || nIndex < 0 || nIndex >= GetPageCount())
        return;
    // Selecting by message raises no notification: the page is shown here.
    m_tabCtrl.SetCurSel(nIndex);
    ShowSelectedPage(bPostActivate);
}

void CTabbedDialog::SelectEntry(CTabbedPageLink* pEntry, BOOL bPostActivate)
{
    const int nIndex = IndexOfEntry(pEntry);
    if (nIndex >= 0)
        SelectPage(nIndex, bPostActivate);
}

void CTabbedDialog::EnableTabs(BOOL bEnable)
{
    EnableWindowIfExists(&m_tabCtrl, bEnable);
}

BOOL CTabbedDialog::FitPage(int nIndex, UINT nFlags)
{
    CTabbedPageLink* pEntry = GetPageEntry(nIndex);
    if (pEntry == nullptr || !pEntry->IsPageCreated() || !IsWindowValid(&m_tabCtrl))
        return FALSE;
    CRect rcArea;
    m_tabCtrl.GetWindowRect(&rcArea);
    m_tabCtrl.AdjustRect(FALSE, &rcArea);
    ScreenToClient(&rcArea);
    CTabbedPage* pPage = pEntry->GetPage();
    const BOOL bRepaint = (nFlags & fitRepaint) != 0;
    if ((nFlags & fitTwice) != 0 && !rcArea.IsRectEmpty())
    {
        // A size change is what makes a new page lay out its controls.
        CRect rcSmaller = rcArea;
        if (rcSmaller.Width() > 2)
            rcSmaller.DeflateRect(1, 0);
        if (rcSmaller.Height() > 2)
            rcSmaller.DeflateRect(0, 1);
        pPage->MoveWindow(&rcSmaller, bRepaint);
    }
    pPage->MoveWindow(&rcArea, bRepaint);
    return TRUE;
}

void CTabbedDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, (int)m_nIDTabCtrl, m_tabCtrl);
}

BOOL CTabbedDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    OnBeforeAddPages();
    if (GetPageCount() == 0)
        AddPages();

    CImageList* pImages = m_tabCtrl.GetImageList();
    const int nImages =
        pImages != nullptr && pImages->GetSafeHandle() != nullptr ? pImages->GetImageCount() : 0;
    for (int i = 0; i < GetPageCount(); ++i)
    {
        CString strTitle;
        GetPageEntry(i)->GetTitle(strTitle);
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<LPSTR>((LPCTSTR)strTitle);
        if (nImages > 0)
        {
            const int nImage = GetTabImage(i);
            item.mask |= TCIF_IMAGE;
            item.iImage = nImage < nImages ? nImage : -1;
        }
        m_tabCtrl.InsertItem(i, &item);
    }

    if (m_nStartTab < 0)
        m_nStartTab = 0;
    if (m_nStartTab >= GetPageCount())
        m_nStartTab = GetPageCount() - 1;
    SelectPage(m_nStartTab, !m_validation.TestAny(validateNoInitialPost));
    return TRUE;
}

void CTabbedDialog::OnOK()
{
    if (ValidatePages())
        CBaseDialog::OnOK();
}

BOOL CTabbedDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR != nullptr && pNMHDR->idFrom == m_nIDTabCtrl)
    {
        if (pNMHDR->code == TCN_SELCHANGING)
        {
            OnSelChanging();
            *pResult = 0;
            return TRUE;
        }
        if (pNMHDR->code == TCN_SELCHANGE)
        {
            ShowSelectedPage(TRUE);
            *pResult = 0;
            return TRUE;
        }
    }
    return CBaseDialog::OnNotify(wParam, lParam, pResult);
}

void CTabbedDialog::OnSize(UINT nType, int cx, int cy)
{
    CBaseDialog::OnSize(nType, cx, cy);
    if (GetLayout() != nullptr && m_display.TestAny(displayPages))
        FitPage(GetCurSel(), fitRepaint);
}

void CTabbedDialog::OnDestroy()
{
    for (int i = 0; i < GetPageCount(); ++i)
    {
        if (GetPageEntry(i)->IsPageCreated())
            GetPage(i)->DestroyWindow();
    }
    if (IsWindowValid(&m_tabCtrl))
    {
        m_nStartTab = m_tabCtrl.GetCurSel();
        WriteSettingInt(kSelectTabKey, m_nStartTab);
    }
    CBaseDialog::OnDestroy();
}

void CTabbedDialog::OnClose()
{
    for (int i = 0; i < GetPageCount(); ++i)
    {
        if (GetPageEntry(i)->IsPageCreated())
            GetPage(i)->SendMessage(WM_CLOSE);
    }
    Default();
}
