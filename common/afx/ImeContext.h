#ifndef TANZO_AFX_IMECONTEXT_H
#define TANZO_AFX_IMECONTEXT_H

// The input method context of a window for the object's life (Windows
// builds): taken with ImmGetContext, given back with ImmReleaseContext.

#include "afx/String.h"
#include "afx/wintypes.h"

#include <imm.h>

class CImeContext
{
public:
    explicit CImeContext(HWND hWnd) : m_hWnd(hWnd), m_hImc(hWnd != nullptr ? ::ImmGetContext(hWnd) : nullptr)
    {
    }
    ~CImeContext()
    {
        if (m_hImc != nullptr)
            ::ImmReleaseContext(m_hWnd, m_hImc);
    }
    CImeContext(const CImeContext&) = delete;
    CImeContext& operator=(const CImeContext&) = delete;

    operator HIMC() const { return m_hImc; }
    BOOL IsValid() const { return m_hImc != nullptr; }

    // A composition string (GCS_RESULTSTR, GCS_COMPSTR...) in code page
    // 932; FALSE when there is none.
    BOOL GetCompositionString(DWORD dwIndex, CString& rString) const
    {
        rString.Empty();
        if (m_hImc == nullptr)
            return FALSE;
        LONG nBytes = ::ImmGetCompositionStringA(m_hImc, dwIndex, nullptr, 0);
        if (nBytes <= 0)
            return FALSE;
        nBytes = ::ImmGetCompositionStringA(m_hImc, dwIndex, rString.GetBuffer(nBytes), nBytes);
        rString.ReleaseBuffer(nBytes > 0 ? nBytes : 0);
        return !rString.IsEmpty();
    }
    // Places the composition window's top-left corner at the point (client
    // coordinates of the window).
    BOOL SetCompositionWindowAt(POINT pt) const
    {
        if (m_hImc == nullptr)
            return FALSE;
        COMPOSITIONFORM form = {};
        form.dwStyle = CFS_POINT;
        form.ptCurrentPos = pt;
        return ::ImmSetCompositionWindow(m_hImc, &form);
    }
    BOOL SetCompositionStringW(DWORD dwIndex, LPVOID lpComp, DWORD dwCompLen) const
    {
        return m_hImc != nullptr &&
               ::ImmSetCompositionStringW(m_hImc, dwIndex, lpComp, dwCompLen, nullptr, 0);
    }

private:
    HWND m_hWnd;
    HIMC m_hImc;
};

#endif // TANZO_AFX_IMECONTEXT_H
