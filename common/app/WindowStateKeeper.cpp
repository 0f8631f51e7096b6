#include "app/WindowStateKeeper.h"

#include "afx/WinApp.h"

namespace
{
const char kWidth[] = "Width";
const char kHeight[] = "Height";
const char kLeft[] = "Left";
const char kTop[] = "Top";
const char kMaximized[] = "Maximized";
} // namespace

CString GetWindowStateSection(int nIndex)
{
    CString strSection;
    strSection.Format("WindowState\\%d", nIndex);
    return strSection;
}

CWindowStateKeeper::~CWindowStateKeeper() = default;

void CWindowStateKeeper::Init(int nIndex, CKeptWindow* pWindow, int cxDefault, int cyDefault, DWORD dwOptions)
{
    m_nIndex = nIndex;
    m_pWindow = pWindow;
    m_cxDefault = cxDefault;
    m_cyDefault = cyDefault;
    Set(dwOptions);
}

void CWindowStateKeeper::SetDefaultSize(int cxDefault, int cyDefault)
{
    m_cxDefault = cxDefault;
    m_cyDefault = cyDefault;
}

BOOL CWindowStateKeeper::IsActive() const
{
    return m_nIndex != -1 && m_pWindow != nullptr && m_pWindow->IsKeptWindowValid();
}

BOOL CWindowStateKeeper::RestorePlacement()
{
    if (!IsActive())
        return FALSE;
    int width = m_cxDefault;
    int height = m_cyDefault;
    int left = 0;
    int top = 0;
    if (CWinApp* pApp = AfxGetApp())
    {
        const CString strSection = GetWindowStateSection(m_nIndex);
        width = (int)pApp->GetProfileInt(strSection, kWidth, m_cxDefault);
        height = (int)pApp->GetProfileInt(strSection, kHeight, m_cyDefault);
        left = (int)pApp->GetProfileInt(strSection, kLeft, 0);
        top = (int)pApp->GetProfileInt(strSection, kTop, 0);
    }
    return m_pWindow->MoveInWorkArea(left, top, width, height, TestAny(optionAlwaysCenter) != 0);
}

BOOL CWindowStateKeeper::RestoreMaximized()
{
    if (!IsActive())
        return FALSE;
    int nDefault = TestAny(optionStartMaximized) != 0 ? 1 : 0;
    int nMaximized = nDefault;
    if (CWinApp* pApp = AfxGetApp())
        nMaximized = (int)pApp->GetProfileInt(GetWindowStateSection(m_nIndex), kMaximized, nDefault);
    if (nMaximized != 0)
        m_pWindow->ShowMaximized();
    m_state.Add(stateMaximizedRestored);
    return TRUE;
}

BOOL CWindowStateKeeper::Save()
{
    CWinApp* pApp = AfxGetApp();
    CRect rcNormal;
    if (!IsActive() || pApp == nullptr || !m_pWindow->GetNormalRect(rcNormal))
        return FALSE;
    const CString strSection = GetWindowStateSection(m_nIndex);
    BOOL bWritten = pApp->WriteProfileInt(strSection, kWidth, rcNormal.Width());
    bWritten = pApp->WriteProfileInt(strSection, kHeight, rcNormal.Height()) && bWritten;
    bWritten = pApp->WriteProfileInt(strSection, kLeft, rcNormal.left) && bWritten;
    bWritten = pApp->WriteProfileInt(strSection, kTop, rcNormal.top) && bWritten;
    if (IsMaximizedRestored())
        bWritten =
            pApp->WriteProfileInt(strSection, kMaximized, m_pWindow->IsKeptWindowMaximized() ? 1 : 0) &&
            bWritten;
    return bWritten;
}
