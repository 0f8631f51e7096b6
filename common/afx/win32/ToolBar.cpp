// CToolBar: buttons on the common tool bar control.
#include "afx/ControlBar.h"

#include "afx/CmdTarget.h"
#include "afx/CommonControls.h"
#include "afx/FrameWnd.h"
#include "afx/WinApp.h"

#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
ON_WM_PAINT()
ON_MESSAGE(TB_SETBUTTONSIZE, OnSetButtonSize)
ON_MESSAGE(TB_SETBITMAPSIZE, OnSetBitmapSize)
END_MESSAGE_MAP()

namespace
{
// The TOOLBAR resource. Microsoft's compiler writes WORDs: version 1,
// button width and height, count, ids; GNU windres writes DWORDs: width,
// height, count, ids. The resource's size tells them apart.
BOOL ReadToolBarResource(const BYTE* p, DWORD dwSize, CSize& sizeImage, std::vector<UINT>& items)
{
    auto word = [p](DWORD i) { return (UINT)((const WORD*)p)[i]; };
    auto dword = [p](DWORD i)
    {
        DWORD v;
        std::memcpy(&v, p + 4 * i, sizeof(v));
        return (UINT)v;
    };
    if (dwSize >= 8 && word(0) == 1 && dwSize == 8 + 2 * word(3))
    {
        sizeImage = CSize((int)word(1), (int)word(2));
        for (DWORD i = 0; i < word(3); ++i)
            items.push_back(word(4 + i));
        return TRUE;
    }
    if (dwSize >= 12 && dwSize == 12 + 4 * dword(2))
    {
        sizeImage = CSize((int)dword(0), (int)dword(1));
        for (DWORD i = 0; i < dword(2); ++i)
            items.push_back(dword(3 + i));
        return TRUE;
    }
    return FALSE;
}

// Buttons follow the update handlers of their commands.
class CToolCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        CToolBar* pBar = static_cast<CToolBar*>(m_pOther);
        UINT nOld = pBar->GetButtonStyle((int)m_nIndex);
        UINT nNew = bOn ? (nOld & ~TBBS_DISABLED) : (nOld | TBBS_DISABLED);
        if (!bOn)
            nNew &= ~TBBS_PRESSED;
        if (nNew != nOld)
            pBar->SetButtonStyle((int)m_nIndex, nNew);
    }
    void SetCheck(int nCheck) override
    {
        CToolBar* pBar = static_cast<CToolBar*>(m_pOther);
        UINT nOld = pBar->GetButtonStyle((int)m_nIndex);
        UINT nNew = nOld & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
        if (nCheck == 1)
            nNew |= TBBS_CHECKED;
        else if (nCheck == 2)
            nNew |= TBBS_INDETERMINATE;
        if (nNew != nOld)
            pBar->SetButtonStyle((int)m_nIndex, nNew);
    }
    void SetRadio(BOOL bOn) override { SetCheck(bOn ? 1 : 0); }
    void SetText(LPCTSTR) override {}
};
} // namespace

CToolBar::CToolBar() : m_sizeButton(23, 22), m_sizeImage(16, 15)
{
    m_cxLeftBorder = m_cxRightBorder = 0;
    m_cyTopBorder = m_cyBottomBorder = 0;
}

CToolBar::~CToolBar()
{
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, CRect(0, 0, 0, 0), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect, UINT nID)
{
    SetupBar(pParentWnd, dwStyle);
    DWORD dwWindowStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle;
    if ((dwStyle & CBRS_TOOLTIPS) != 0)
        dwWindowStyle |= TBSTYLE_TOOLTIPS;
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, dwWindowStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->AddControlBar(this);
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeImage = sizeImage;
    m_sizeButton = sizeButton;
    if (m_hWnd != nullptr)
    {
        SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
        SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
        Invalidate();
    }
}

void CToolBar::SetHeight(int cyHeight)
{
    m_cyTopBorder = (cyHeight - m_sizeButton.cy) / 2;
    m_cyBottomBorder = cyHeight - m_sizeButton.cy - m_cyTopBorder;
    if (m_cyBottomBorder < 0)
        m_cyBottomBorder = 0;
}

BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRsrc = ::FindResourceA(hInst, lpszResourceName, MAKEINTRESOURCEA(241));
    if (hRsrc == nullptr)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const BYTE* pData = hGlobal != nullptr ? (const BYTE*)::LockResource(hGlobal) : nullptr;
    CSize sizeImage;
    std::vector<UINT> items;
    if (pData == nullptr || !ReadToolBarResource(pData, ::SizeofResource(hInst, hRsrc), sizeImage, items))
        return FALSE;
    if (!SetButtons(items.data(), (int)items.size()))
        return FALSE;
    SetSizes(CSize(sizeImage.cx + 7, sizeImage.cy + 7), sizeImage);
    return LoadBitmap(lpszResourceName);
}

BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName)
{
    // Grey, white and black of the bitmap become the system's button
    // colours.
    HBITMAP hbm = ::CreateMappedBitmap(AfxGetResourceHandle(), (INT_PTR)lpszResourceName, 0, nullptr, 0);
    return hbm != nullptr && SetBitmap(hbm);
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    if (hbmImageWell == nullptr)
        return FALSE;
    BITMAP bm = {};
    ::GetObjectA(hbmImageWell, sizeof(bm), &bm);
    TBADDBITMAP tbab = {};
    tbab.hInst = nullptr;
    tbab.nID = (UINT_PTR)hbmImageWell;
    int nImages = m_sizeImage.cx > 0 ? bm.bmWidth / m_sizeImage.cx : 0;
    if (SendMessage(TB_ADDBITMAP, (WPARAM)nImages, (LPARAM)&tbab) == -1)
    {
        ::DeleteObject(hbmImageWell);
        return FALSE;
    }
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmImageWell;
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    while (SendMessage(TB_BUTTONCOUNT) > 0)
        SendMessage(TB_DELETEBUTTON, 0);
    if (nIDCount <= 0)
    {
        m_nCount = 0;
        return TRUE;
    }
    std::vector<TBBUTTON> buttons((size_t)nIDCount);
    int iImage = 0;
    for (int i = 0; i < nIDCount; ++i)
    {
        TBBUTTON& button = buttons[(size_t)i];
        button = TBBUTTON();
        UINT nID = lpIDArray != nullptr ? lpIDArray[i] : 0;
        if (nID == ID_SEPARATOR)
        {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = 8; // the separator's width
        }
        else
        {
            button.fsStyle = TBSTYLE_BUTTON;
            button.fsState = TBSTATE_ENABLED;
            button.idCommand = (int)nID;
            button.iBitmap = iImage++;
        }
        button.iString = -1;
    }
    BOOL bResult = (BOOL)SendMessage(TB_ADDBUTTONSA, (WPARAM)nIDCount, (LPARAM)buttons.data());
    m_nCount = (int)SendMessage(TB_BUTTONCOUNT);
    return bResult;
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    return (int)SendMessage(TB_COMMANDTOINDEX, nIDFind);
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button = {};
    if (!SendMessage(TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)&button))
        return 0;
    return (button.fsStyle & TBSTYLE_SEP) != 0 ? ID_SEPARATOR : (UINT)button.idCommand;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!SendMessage(TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect))
        ::SetRectEmpty(lpRect);
}

BOOL CToolBar::GetButton(int nIndex, TBBUTTON* pButton) const
{
    if (!SendMessage(TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)pButton))
        return FALSE;
    // TBBS_DISABLED is a "not enabled" bit.
    pButton->fsState ^= TBSTATE_ENABLED;
    return TRUE;
}

void CToolBar::SetButton(int nIndex, const TBBUTTON* pButton)
{
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_STYLE | TBIF_STATE | TBIF_COMMAND | TBIF_IMAGE;
    info.fsStyle = pButton->fsStyle;
    info.fsState = (BYTE)(pButton->fsState ^ TBSTATE_ENABLED);
    info.idCommand = pButton->idCommand;
    info.iImage = pButton->iBitmap;
    SendMessage(TB_SETBUTTONINFOA, (WPARAM)nIndex, (LPARAM)&info);
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button = {};
    if (!GetButton(nIndex, &button))
        return 0;
    return MAKELONG(button.fsStyle, button.fsState);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    TBBUTTON button = {};
    if (!GetButton(nIndex, &button))
        return;
    BYTE fsStyle = (BYTE)LOWORD(nStyle);
    BYTE fsState = (BYTE)HIWORD(nStyle);
    if (button.fsStyle != fsStyle || button.fsState != fsState)
    {
        button.fsStyle = fsStyle;
        button.fsState = fsState;
        SetButton(nIndex, &button);
    }
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON button = {};
    if (!GetButton(nIndex, &button))
    {
        nID = 0;
        nStyle = 0;
        iImage = 0;
        return;
    }
    nID = (UINT)button.idCommand;
    nStyle = MAKELONG(button.fsStyle, button.fsState);
    iImage = button.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    TBBUTTON button = {};
    if (!GetButton(nIndex, &button))
        return;
    button.idCommand = (int)nID;
    button.fsStyle = (BYTE)LOWORD(nStyle);
    button.fsState = (BYTE)HIWORD(nStyle);
    button.iBitmap = iImage;
    SetButton(nIndex, &button);
}

BOOL CToolBar::SetButtonText(int nIndex, LPCTSTR lpszText)
{
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_TEXT;
    info.pszText = const_cast<LPSTR>(lpszText != nullptr ? lpszText : "");
    return (BOOL)SendMessage(TB_SETBUTTONINFOA, (WPARAM)nIndex, (LPARAM)&info);
}

void CToolBar::GetButtonText(int nIndex, CString& rString) const
{
    char buf[256] = {};
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_TEXT;
    info.pszText = buf;
    info.cchText = (int)sizeof(buf);
    if (SendMessage(TB_GETBUTTONINFOA, (WPARAM)nIndex, (LPARAM)&info) == -1)
        buf[0] = '\0';
    rString = buf;
}

CString CToolBar::GetButtonText(int nIndex) const
{
    CString str;
    GetButtonText(nIndex, str);
    return str;
}

CToolBarCtrl& CToolBar::GetToolBarCtrl() const
{
    // The bar is the control: the wrapper adds methods, no data.
    return *reinterpret_cast<CToolBarCtrl*>(const_cast<CToolBar*>(this));
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // The buttons' extent plus the borders and gripper of the bar.
    CRect rectButtons(0, 0, 0, 0);
    int nCount = (int)SendMessage(TB_BUTTONCOUNT);
    for (int i = 0; i < nCount; ++i)
    {
        TBBUTTON button = {};
        SendMessage(TB_GETBUTTON, (WPARAM)i, (LPARAM)&button);
        if ((button.fsState & TBSTATE_HIDDEN) != 0)
            continue;
        CRect rect;
        if (SendMessage(TB_GETITEMRECT, (WPARAM)i, (LPARAM)&rect))
        {
            rectButtons.right = rect.right > rectButtons.right ? rect.right : rectButtons.right;
            rectButtons.bottom = rect.bottom > rectButtons.bottom ? rect.bottom : rectButtons.bottom;
        }
    }
    if (rectButtons.bottom == 0)
        rectButtons.bottom = m_sizeButton.cy;
    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, bHorz);
    CSize size(rectButtons.right + rectInside.left - rectInside.right + m_cxLeftBorder + m_cxRightBorder,
               rectButtons.bottom + rectInside.top - rectInside.bottom + m_cyTopBorder + m_cyBottomBorder);
    if (bStretch)
    {
        if (bHorz)
            size.cx = 32767;
        else
            size.cy = 32767;
    }
    return size;
}

CSize CToolBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & 0x0010) != 0, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)SendMessage(TB_BUTTONCOUNT);
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        TBBUTTON button = {};
        SendMessage(TB_GETBUTTON, (WPARAM)state.m_nIndex, (LPARAM)&button);
        if ((button.fsStyle & TBSTYLE_SEP) != 0)
            continue;
        state.m_nID = (UINT)button.idCommand;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

void CToolBar::OnPaint()
{
    Default();
}

LRESULT CToolBar::OnSetButtonSize(WPARAM, LPARAM lParam)
{
    m_sizeButton = CSize((short)LOWORD(lParam), (short)HIWORD(lParam));
    return Default();
}

LRESULT CToolBar::OnSetBitmapSize(WPARAM, LPARAM lParam)
{
    m_sizeImage = CSize((short)LOWORD(lParam), (short)HIWORD(lParam));
    return Default();
}
