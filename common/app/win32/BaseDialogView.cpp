#include "app/BaseDialogView.h"

#include "app/BaseDialog.h"
#include "app/WindowHelpers.h"

IMPLEMENT_DYNAMIC(CBaseDialogView, CView)

BEGIN_MESSAGE_MAP(CBaseDialogView, CView)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CBaseDialogView::~CBaseDialogView()
{
    delete m_pDialog;
}

void CBaseDialogView::OnDraw(CDC*) {}

int CBaseDialogView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pDialog = CreateHostedDialog();
    if (m_pDialog == nullptr)
        return -1;
    // OK and Cancel of the hosted dialog go to the view.
    m_pDialog->SetDialogOption(CBaseDialog::dialogHosted);
    if (!m_pDialog->CreateModeless(this))
        return -1;
    m_pDialog->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
    return 0;
}

void CBaseDialogView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (IsWindowValid(m_pDialog))
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        m_pDialog->MoveWindow(&rcClient, TRUE);
    }
}

void CBaseDialogView::OnDestroy()
{
    CView::OnDestroy();
    if (IsWindowValid(m_pDialog))
        m_pDialog->DestroyWindow();
}
