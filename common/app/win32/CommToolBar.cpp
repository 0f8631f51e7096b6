#include "app/CommToolBar.h"

#include "afx/CommonControls.h"
#include "afx/DC.h"
#include "afx/Menu.h"
#include "afx/Rect.h"
#include "app/ControlGeometry.h"

#include <vector>

IMPLEMENT_DYNAMIC(CCommToolBar, CToolBar)

BEGIN_MESSAGE_MAP(CCommToolBar, CToolBar)
ON_NOTIFY_REFLECT(TBN_DROPDOWN, OnDropDown)
ON_WM_ERASEBKGND()
ON_WM_NCPAINT()
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CCommToolBar::CCommToolBar()
{
    RebuildBrush();
}

CCommToolBar::~CCommToolBar() = default;

COLORREF CCommToolBar::GetEffectiveBackColor() const
{
    return m_crBack != (COLORREF)-1 ? m_crBack : ::GetSysColor(COLOR_BTNFACE);
}

void CCommToolBar::RebuildBrush()
{
    m_brush.DeleteObject();
    if (!m_brush.CreateSolidBrush(GetEffectiveBackColor()))
        return;
    // The dock bar behind the tool bar shows the same colour.
    CWnd* pParent = ::IsWindow(m_hWnd) ? GetParent() : nullptr;
    if (pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CControlBar)))
        ::SetClassLongPtrA(pParent->m_hWnd, GCLP_HBRBACKGROUND, (LONG_PTR)m_brush.m_hObject);
}

void CCommToolBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
    DrawGripper(pDC, rect);
}

void CCommToolBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    if (!IsTransparent())
        pDC->FillSolidRect(&rect, GetEffectiveBackColor());
    CToolBar::DrawGripper(pDC, rect);
}

void CCommToolBar::EraseNonClient()
{
    CWindowDC dc(this);
    CRect rectClient;
    GetClientRect(&rectClient);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    ScreenToClient(&rectWindow);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(&rectClient);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    DrawBorders(&dc, rectWindow);
    SendMessage(WM_ERASEBKGND, (WPARAM)dc.m_hDC);
    DrawGripper(&dc, rectWindow);
}

void CCommToolBar::OnPrepareDropDownMenu(CMenu*) {}

void CCommToolBar::SetImageList(int nIndex, UINT nIDBitmap, COLORREF crMask, UINT nFlags)
{
    static const UINT kMessages[ImageListCount] = {TB_SETIMAGELIST, TB_SETHOTIMAGELIST,
                                                   TB_SETDISABLEDIMAGELIST};
    if (nIndex < 0 || nIndex >= ImageListCount)
        return;
    // The size comes from the list the bar holds now, which may be the one
    // replaced here: it goes only once the bar holds the new one.
    HIMAGELIST hCurrent = (HIMAGELIST)SendMessage(TB_GETIMAGELIST);
    const int nCount = hCurrent != nullptr ? ::ImageList_GetImageCount(hCurrent) : 0;
    if (nCount <= 0)
        return;
    IMAGEINFO info = {};
    if (!::ImageList_GetImageInfo(hCurrent, 0, &info))
        return;
    const CRect rcImage(info.rcImage);
    CImageList images;
    if (!images.Create(rcImage.Width(), rcImage.Height(), nFlags | ILC_MASK, nCount, 1))
        return;
    CBitmap bitmap;
    if (bitmap.LoadBitmap(nIDBitmap))
        images.Add(&bitmap, crMask);
    SendMessage(kMessages[nIndex], 0, (LPARAM)images.GetSafeHandle());
    m_images[nIndex] = std::move(images);
}

void CCommToolBar::SetImageLists(UINT nIDNormal, UINT nIDHot, COLORREF crMaskNormal, COLORREF crMaskHot,
                                 UINT nFlags)
{
    SetImageList(imagesNormal, nIDNormal, crMaskNormal, nFlags);
    SetImageList(imagesHot, nIDHot, crMaskHot, nFlags);
}

BOOL CCommToolBar::AddDropDownMenu(UINT nCommand, UINT nIDMenu)
{
    if (!SetButtonStyleBits(nCommand, TBSTYLE_DROPDOWN, TRUE))
        return FALSE;
    m_dropDownMenus.SetAt(nCommand, nIDMenu);
    return TRUE;
}

BOOL CCommToolBar::SetButtonStyleBits(UINT nCommand, DWORD dwBits, BOOL bOn)
{
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_STYLE;
    if (SendMessage(TB_GETBUTTONINFOA, nCommand, (LPARAM)&info) == -1)
        return FALSE;
    info.fsStyle = (BYTE)(bOn ? (info.fsStyle | dwBits) : (info.fsStyle & ~dwBits));
    return (BOOL)SendMessage(TB_SETBUTTONINFOA, nCommand, (LPARAM)&info);
}

BOOL CCommToolBar::SetAllButtonStyleBits(DWORD dwBits, BOOL bOn)
{
    const int nCount = (int)SendMessage(TB_BUTTONCOUNT);
    for (int i = 0; i < nCount; ++i)
    {
        TBBUTTON button = {};
        if (!SendMessage(TB_GETBUTTON, i, (LPARAM)&button))
            return FALSE;
        if ((button.fsStyle & TBSTYLE_SEP) != 0)
            continue;
        if (!SetButtonStyleBits((UINT)button.idCommand, dwBits, bOn))
            return FALSE;
    }
    return TRUE;
}

BOOL CCommToolBar::SetButtonTexts(const UINT* pIDs)
{
    const int nCount = (int)SendMessage(TB_BUTTONCOUNT);
    if (pIDs == nullptr || nCount <= 0)
        return FALSE;
    for (int i = 0; i < nCount && *pIDs != 0; ++i)
    {
        TBBUTTON button = {};
        SendMessage(TB_GETBUTTON, i, (LPARAM)&button);
        if ((button.fsStyle & TBSTYLE_SEP) != 0)
            continue;
        CString strText;
        if (!strText.LoadString(*pIDs++) || !SetButtonText(i, strText))
            return FALSE;
    }
    return TRUE;
}

BOOL CCommToolBar::ClearButtonTexts()
{
    const int nCount = (int)SendMessage(TB_BUTTONCOUNT);
    for (int i = 0; i < nCount; ++i)
    {
        TBBUTTON button = {};
        SendMessage(TB_GETBUTTON, i, (LPARAM)&button);
        if ((button.fsStyle & TBSTYLE_SEP) == 0 && !SetButtonText(i, ""))
            return FALSE;
    }
    return TRUE;
}

BOOL CCommToolBar::FitButtonSize(BOOL bWithTexts)
{
    const int nCount = (int)SendMessage(TB_BUTTONCOUNT);
    if (nCount <= 0)
        return FALSE;
    CSize size;
    if (bWithTexts)
    {
        std::vector<int> widths;
        for (int i = 0; i < nCount; ++i)
        {
            TBBUTTON button = {};
            CRect rcButton;
            SendMessage(TB_GETBUTTON, i, (LPARAM)&button);
            if ((button.fsStyle & TBSTYLE_SEP) != 0 || !SendMessage(TB_GETITEMRECT, i, (LPARAM)&rcButton))
                continue;
            if (widths.empty())
                size.cy = rcButton.Height();
            widths.push_back(rcButton.Width());
        }
        // No button to take the width from: nothing to fit.
        if (widths.empty())
            return FALSE;
        size.cx = AverageButtonWidth(widths.data(), (int)widths.size());
    }
    else
    {
        CRect rcButton;
        SendMessage(TB_GETITEMRECT, 0, (LPARAM)&rcButton);
        size = rcButton.Size();
    }
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy));
    return TRUE;
}

BOOL CCommToolBar::SetDisplayFormat(const UINT* pIDs, DWORD dwStyleA, DWORD dwStyleB, BOOL bWithTexts)
{
    if (pIDs != nullptr)
        SetButtonTexts(pIDs);
    else
        ClearButtonTexts();
    SendMessage(TB_SETMAXTEXTROWS, pIDs != nullptr ? 1 : 0);
    SetAllButtonStyleBits(TBSTYLE_AUTOSIZE, bWithTexts);
    // Changed twice so that the control lays its buttons out again.
    ModifyStyle(dwStyleA, dwStyleB);
    ModifyStyle(dwStyleB, dwStyleA);
    return FitButtonSize(bWithTexts);
}

BOOL CCommToolBar::SetBackgroundColor(COLORREF crBack)
{
    if (crBack == m_crBack)
        return FALSE;
    m_crBack = crBack;
    RebuildBrush();
    return TRUE;
}

void CCommToolBar::Repaint()
{
    if (!::IsWindow(m_hWnd))
        return;
    Invalidate(TRUE);
    EraseNonClient();
    CWnd* pParent = GetParent();
    if (pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CControlBar)))
        pParent->Invalidate(TRUE);
}

void CCommToolBar::OnDropDown(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = TBDDRET_DEFAULT;
    auto* pInfo = (NMTOOLBARA*)pNMHDR;
    DWORD dwMenu = 0;
    if (!m_dropDownMenus.Lookup((DWORD)pInfo->iItem, dwMenu))
        return;
    CRect rcButton;
    SendMessage(TB_GETRECT, pInfo->iItem, (LPARAM)&rcButton);
    ClientToScreen(&rcButton);
    CMenu menu;
    if (!menu.LoadMenu(dwMenu))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == nullptr)
        return;
    OnPrepareDropDownMenu(pPopup);
    CWnd* pOwner = GetOwner() != nullptr ? GetOwner() : GetParent();
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, rcButton.left, rcButton.bottom, pOwner);
}

BOOL CCommToolBar::OnEraseBkgnd(CDC* pDC)
{
    if (IsTransparent() || pDC == nullptr)
        return (BOOL)Default();
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, GetEffectiveBackColor());
    return TRUE;
}

void CCommToolBar::OnNcPaint()
{
    EraseNonClient();
}

void CCommToolBar::OnMouseMove(UINT, CPoint)
{
    Default();
}
