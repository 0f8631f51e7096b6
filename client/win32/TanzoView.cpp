#include "client/TanzoView.h"

#include "app/BaseDialog.h"
#include "app/WindowHelpers.h"
#include "client/DataSetFiles.h"
#include "client/TanzoDoc.h"
#include "client/TanzoResourceIds.h"

IMPLEMENT_DYNCREATE(CTanzoView, CBaseDialogView)

BEGIN_MESSAGE_MAP(CTanzoView, CBaseDialogView)
ON_WM_CREATE()
ON_WM_SETFOCUS()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CTanzoView::CTanzoView() : m_viewFlags(0) {}

CTanzoView::~CTanzoView() {}

CBaseDialog* CTanzoView::CreateHostedDialog()
{
    return new CBaseDialog(IDD_TANZO_TABS, this);
}

CTanzoDoc* CTanzoView::GetTanzoDocument() const
{
    CDocument* pDoc = GetDocument();
    return pDoc != nullptr && pDoc->IsKindOf(RUNTIME_CLASS(CTanzoDoc)) ? static_cast<CTanzoDoc*>(pDoc)
                                                                       : nullptr;
}

int CTanzoView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CBaseDialogView::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_imeKeeper.Save(this);
    m_imeKeeper.SetOpen(TRUE);
    return 0;
}

void CTanzoView::OnInitialUpdate()
{
    CBaseDialogView::OnInitialUpdate();
    m_viewFlags.Add(flagInitialUpdateDone);
    CTanzoDoc* pDoc = GetTanzoDocument();
    if (pDoc != nullptr)
        pDoc->LoadFromProfile();
}

void CTanzoView::OnDraw(CDC*) {}

void CTanzoView::OnSetFocus(CWnd* pOldWnd)
{
    if (IsWindowValid(m_pDialog))
        m_pDialog->SetFocus();
    else
        CBaseDialogView::OnSetFocus(pOldWnd);
}

void CTanzoView::OnDestroy()
{
    CTanzoDoc* pDoc = GetTanzoDocument();
    if (TestViewFlags(flagInitialUpdateDone) && pDoc != nullptr)
    {
        pDoc->SaveToProfile();
        for (int set = 0; set < DataSetCount; ++set)
            pDoc->TransferDataSet(set, TRUE);
    }
    m_imeKeeper.Restore();
    CBaseDialogView::OnDestroy();
}

BOOL CTanzoView::IsCommandEnabled(UINT)
{
    return FALSE;
}

BOOL CTanzoView::IsCommandChecked(UINT)
{
    return FALSE;
}

void CTanzoView::RefreshCurrentPage(int, int) {}

BOOL CTanzoView::FindText(LPCTSTR, int, DWORD, int)
{
    return FALSE;
}

int CTanzoView::GetListKind()
{
    return 0;
}

void CTanzoView::ResetPages() {}

void CTanzoView::ApplyFonts() {}

void CTanzoView::ApplyColours() {}
