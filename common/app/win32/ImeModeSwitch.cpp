#include "app/ImeModeSwitch.h"

#include "afx/Wnd.h"

#include <imm.h>

namespace
{
BOOL ReadOpenStatus(HWND hWnd, BOOL& bOpen)
{
    HIMC hImc = ::ImmGetContext(hWnd);
    if (hImc == nullptr)
        return FALSE;
    bOpen = ::ImmGetOpenStatus(hImc);
    ::ImmReleaseContext(hWnd, hImc);
    return TRUE;
}

BOOL WriteOpenStatus(HWND hWnd, BOOL bOpen)
{
    HIMC hImc = ::ImmGetContext(hWnd);
    if (hImc == nullptr)
        return FALSE;
    BOOL bDone = ::ImmSetOpenStatus(hImc, bOpen);
    ::ImmReleaseContext(hWnd, hImc);
    return bDone;
}
} // namespace

BOOL CImeStatusKeeper::Save(CWnd* pWnd)
{
    if (IsSaved())
        return TRUE;
    HWND hWnd = pWnd->GetSafeHwnd();
    if (hWnd == nullptr || !::IsWindow(hWnd))
        return FALSE;
    BOOL bOpen = FALSE;
    if (!ReadOpenStatus(hWnd, bOpen))
        return FALSE;
    m_hWnd = hWnd;
    m_bOpen = bOpen;
    return TRUE;
}

BOOL CImeStatusKeeper::SetOpen(BOOL bOpen)
{
    if (!IsSaved() || !::IsWindow(m_hWnd))
        return FALSE;
    return WriteOpenStatus(m_hWnd, bOpen);
}

BOOL CImeStatusKeeper::Restore()
{
    if (!IsSaved())
        return FALSE;
    BOOL bDone = ::IsWindow(m_hWnd) && WriteOpenStatus(m_hWnd, m_bOpen);
    Reset();
    return bDone;
}

void CImeStatusKeeper::Reset()
{
    m_hWnd = nullptr;
    m_bOpen = FALSE;
}

CImeModeSwitch::~CImeModeSwitch() = default;

void CImeModeSwitch::Apply(CWnd* pWnd)
{
    if (!Switches() || !m_keeper.Save(pWnd))
        return;
    m_keeper.SetOpen(m_nMode == modeOpen);
}

void CImeModeSwitch::Restore()
{
    if (Switches() && m_keeper.IsSaved())
        m_keeper.Restore();
}
