// CDialog: creation from templates, the modal loop, initialisation.
#include "afx/Dialog.h"

#include "afx/Gdi.h"
#include "afx/WinApp.h"
#include "afx/win32/AfxState.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_MESSAGE(WM_SETFONT, HandleSetFont)
END_MESSAGE_MAP()

void AFXAPI AfxInitCommonControls()
{
    static BOOL bDone = FALSE;
    if (bDone)
        return;
    INITCOMMONCONTROLSEX icc = {};
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES |
                ICC_COOL_CLASSES | ICC_INTERNET_CLASSES | ICC_LINK_CLASS;
    bDone = ::InitCommonControlsEx(&icc);
}

// The dialog manager calls it for WM_INITDIALOG only; every other message
// reaches the dialog's object through its window procedure.
static INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CDialog)))
        return TRUE;
    return static_cast<CDialog*>(pWnd)->OnInitDialog();
}

namespace
{
LPCDLGTEMPLATE LoadTemplate(HINSTANCE hInst, LPCTSTR lpszTemplateName)
{
    HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, (LPCSTR)RT_DIALOG);
    if (hResource == nullptr)
        return nullptr;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    return hTemplate != nullptr ? (LPCDLGTEMPLATE)::LockResource(hTemplate) : nullptr;
}

// Style and position of either template form.
void TemplateStyleAndPos(LPCDLGTEMPLATE lpTemplate, DWORD& dwStyle, short& x, short& y)
{
    const WORD* pw = (const WORD*)lpTemplate;
    if (pw[1] == 0xFFFF)
    {
        // DLGTEMPLATEEX: version, signature, help id, extended style,
        // style, item count, x, y.
        const BYTE* p = (const BYTE*)lpTemplate;
        dwStyle = *(const DWORD*)(p + 12);
        x = *(const short*)(p + 18);
        y = *(const short*)(p + 20);
    }
    else
    {
        dwStyle = lpTemplate->style;
        x = lpTemplate->x;
        y = lpTemplate->y;
    }
}
} // namespace

CDialog::CDialog() = default;

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog() = default;

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
    HINSTANCE hInst = AfxGetResourceHandle();
    LPCDLGTEMPLATE lpTemplate = LoadTemplate(hInst, lpszTemplateName);
    if (lpTemplate == nullptr)
        return FALSE;
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    return CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDHelp = nIDTemplate;
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, AfxGetInstanceHandle());
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (m_hWnd != nullptr || lpDialogTemplate == nullptr)
        return FALSE;
    AfxInitCommonControls();
    m_lpCreatedTemplate = lpDialogTemplate;
    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(), AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
    {
        PostNcDestroy();
        return FALSE;
    }
    m_lpCreatedTemplate = nullptr;
    return hWnd != nullptr;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = AfxGetResourceHandle();
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    if (m_lpszTemplateName != nullptr)
        lpTemplate = LoadTemplate(hInst, m_lpszTemplateName);
    if (lpTemplate == nullptr)
        return -1;

    // The owner (and the top-level window above it) take no input while
    // the dialog runs.
    HWND hWndParent = GetSafeOwner(m_pParentWnd, &m_hWndTop)->GetSafeHwnd();
    BOOL bEnableParent = FALSE;
    if (hWndParent != nullptr && ::IsWindowEnabled(hWndParent))
    {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        pApp->EnableModeless(FALSE);

    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndParent), hInst))
    {
        // EndDialog in OnInitDialog ends the dialog before the loop.
        if ((m_nFlags & WF_CONTINUEMODAL) != 0)
        {
            DWORD dwFlags = MLF_SHOWONIDLE;
            if ((GetStyle() & DS_NOIDLEMSG) != 0)
                dwFlags |= MLF_NOIDLEMSG;
            RunModalLoop(dwFlags);
        }
        if (m_hWnd != nullptr)
            SetWindowPos(nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_nFlags &= ~WF_CONTINUEMODAL;

    if (pApp != nullptr)
        pApp->EnableModeless(TRUE);
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    DestroyWindow();
    if (m_hWndTop != nullptr)
    {
        ::EnableWindow(m_hWndTop, TRUE);
        m_hWndTop = nullptr;
    }
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if ((m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL)) != 0)
        EndModalLoop(nResult);
    else
        m_nModalResult = nResult;
    ::EndDialog(m_hWnd, nResult);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->GetSafeHwnd(), 1L);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    PreInitDialog();
    // The dialog manager calls OnInitDialog (AfxDlgProc) and sets the focus.
    LRESULT lResult = Default();
    if (m_hWnd != nullptr && CheckAutoCenter())
        CenterWindow();
    return lResult;
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM)
{
    OnSetFont(CFont::FromHandle((HFONT)wParam));
    return Default();
}

void CDialog::PreInitDialog() {}

void CDialog::OnSetFont(CFont*) {}

BOOL CDialog::CheckAutoCenter()
{
    if (m_lpCreatedTemplate == nullptr)
        return FALSE;
    DWORD dwStyle = 0;
    short x = 0;
    short y = 0;
    TemplateStyleAndPos(m_lpCreatedTemplate, dwStyle, x, y);
    if ((dwStyle & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) != 0 || (dwStyle & WS_CHILD) != 0)
        return FALSE;
    return x == 0 && y == 0;
}

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE))
    {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if ((pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) &&
        (pMsg->message < WM_MOUSEFIRST || pMsg->message > WM_MOUSELAST))
        return FALSE;
    // Esc in a multi-line edit would be eaten by the edit: it cancels the
    // dialog as anywhere else, unless Cancel is disabled.
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE &&
        (::GetWindowLongPtrA(pMsg->hwnd, GWL_STYLE) & ES_MULTILINE) != 0)
    {
        char szClass[16] = {};
        ::GetClassNameA(pMsg->hwnd, szClass, sizeof(szClass));
        HWND hCancel = ::GetDlgItem(m_hWnd, IDCANCEL);
        if (::lstrcmpiA(szClass, "Edit") == 0 && (hCancel == nullptr || ::IsWindowEnabled(hCancel)))
        {
            SendMessage(WM_COMMAND, IDCANCEL, 0);
            return TRUE;
        }
    }
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Only commands and their update handlers go further, and no system
    // commands.
    if ((nCode != CN_COMMAND && (UINT)nCode != CN_UPDATE_COMMAND_UI) || nID >= 0xF000 || nID == 0)
        return FALSE;
    CWnd* pOwner = GetParent();
    if (pOwner != nullptr && pOwner != this && pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
