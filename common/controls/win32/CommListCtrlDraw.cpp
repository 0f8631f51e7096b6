// CCommListCtrl: drawing a row. Each row is composed off-screen and copied
// in one step: colours and styles come from the virtual queries, check
// boxes from the cell flags, and link texts leave their rectangles for the
// hit tests.
#include "controls/CommListCtrl.h"

#include "afx/DC.h"
#include "afx/ScopedWin.h"
#include "text/Colors.h"

#include <cstring>

namespace
{
// DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_EDITCONTROL | DT_END_ELLIPSIS.
const UINT kCellTextFormat = 0xA824;
// Characters read of a cell; DT_MODIFYSTRING may write four more.
const int kCellTextChars = 256;
const int kModifySpare = 4;

// Line breaks inside a cell are dropped, so it stays on one line.
void RemoveLineBreaks(char* pszText)
{
    char* pOut = pszText;
    for (const char* p = pszText; *p != '\0'; ++p)
    {
        if (p[0] == '\r' && p[1] == '\n')
        {
            ++p;
            continue;
        }
        *pOut++ = *p;
    }
    *pOut = '\0';
}

UINT AlignFormat(int nAlign)
{
    switch (nAlign)
    {
    case LIST_ALIGN_RIGHT:
        return DT_RIGHT;
    case LIST_ALIGN_CENTER:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

// A fixed check box: its white inside is tinted light grey.
void TintFixedCheck(CDC* pDC, const CRect& rcCheck)
{
    int nSide = FixedCheckTintSide(rcCheck.Width());
    for (int y = 0; y < nSide; ++y)
    {
        for (int x = 0; x < nSide; ++x)
        {
            int px = rcCheck.left + 2 + x;
            int py = rcCheck.top + 2 + y;
            COLORREF cr = pDC->GetPixel(px, py);
            if (cr != CLR_INVALID && ColorsClose(cr, RGB(255, 255, 255), 32))
            {
                CBrush brush(RGB(0xD0, 0xD0, 0xD0));
                CScopedSelectObject selectBrush(*pDC, brush);
                ::ExtFloodFill(*pDC, px, py, cr, FLOODFILLSURFACE);
                return;
            }
        }
    }
}
} // namespace

COLORREF CCommListCtrl::GetItemTextColor(int, BOOL bSelected)
{
    return bSelected ? m_crSelectedText : LIST_NO_COLOR;
}

COLORREF CCommListCtrl::GetItemBkColor(int, BOOL bSelected)
{
    return bSelected ? m_crSelectedBack : m_crRowBack;
}

int CCommListCtrl::GetItemFontStyle(int, BOOL)
{
    return (int)(m_font.GetStyle() & LISTCOLUMN_FONTSTYLE);
}

COLORREF CCommListCtrl::GetGridColor(int, BOOL)
{
    return m_crGrid;
}

COLORREF CCommListCtrl::GetRowLineColor(int, BOOL)
{
    return LIST_NO_COLOR;
}

COLORREF CCommListCtrl::GetColumnTextColor(int, int nColumn, BOOL)
{
    return FindColumnTextColor(nColumn);
}

COLORREF CCommListCtrl::GetCellBkColor(int, int, BOOL)
{
    return LIST_NO_COLOR;
}

int CCommListCtrl::GetCellStyle(int, int nColumn, BOOL)
{
    return GetColumnStyle(nColumn);
}

HICON CCommListCtrl::GetCellIcon(int, int, BOOL)
{
    return nullptr;
}

void CCommListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    DoCustomDraw(lpDrawItemStruct);
}

BOOL CCommListCtrl::ApplyRowHeight(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (m_bRowHeightApplied || m_bRemeasured)
        return TRUE;
    // A parent that reflects no WM_MEASUREITEM leaves the height as it is:
    // the rows are drawn anyway rather than left blank.
    m_bRemeasured = TRUE;
    RemeasureRows();
    if (m_bRowHeightApplied && CRect(lpDrawItemStruct->rcItem).Height() != m_nRowHeight)
    {
        Invalidate(FALSE);
        return FALSE;
    }
    return TRUE;
}

void CCommListCtrl::RemeasureRows()
{
    // The list view measures its rows again when its size changes.
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    WINDOWPOS pos = {};
    pos.hwnd = m_hWnd;
    pos.cx = rcWindow.Width();
    pos.cy = rcWindow.Height();
    pos.flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    ::SendMessageA(m_hWnd, WM_WINDOWPOSCHANGED, 0, (LPARAM)&pos);
}

void CCommListCtrl::DoCustomDraw(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct == nullptr || !ApplyRowHeight(lpDrawItemStruct))
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rcClip;
    int nClip = pDC->GetClipBox(&rcClip);
    if (nClip == NULLREGION || nClip == ERROR || rcClip.IsRectEmpty())
        return;
    const int nRow = (int)lpDrawItemStruct->itemID;
    // The row's own rectangle gives the x range: not every list view puts
    // the item rectangle's left edge at the row's.
    CRect rcItem(lpDrawItemStruct->rcItem);
    CRect rcBounds;
    if (GetItemRect(nRow, &rcBounds, LVIR_BOUNDS))
    {
        rcItem.left = rcBounds.left;
        rcItem.right = rcBounds.right;
    }
    CDC* pMemDC = m_rowBuffer.Begin(pDC, rcItem.Width(), rcItem.Height());
    if (pMemDC == nullptr)
        return;
    DrawRow(pDC, pMemDC, lpDrawItemStruct, rcItem);
    m_rowBuffer.End();
}

void CCommListCtrl::DrawRow(CDC* pDC, CDC* pMemDC, LPDRAWITEMSTRUCT lpDrawItemStruct, const CRect& rcItem)
{
    const int nRow = (int)lpDrawItemStruct->itemID;
    const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    pMemDC->FillSolidRect(0, 0, rcItem.Width(), rcItem.Height(), GetGridColor(nRow, bSelected));
    // Bitmap x 0 is the row's left edge.
    pMemDC->SetViewportOrg(-rcItem.left, 0);
    COLORREF crLine = GetRowLineColor(nRow, bSelected);
    if (crLine != LIST_NO_COLOR)
        pMemDC->FillSolidRect(rcItem.left, rcItem.Height() - 1, rcItem.Width(), 1, crLine);

    CFont* pFont = GetFont();
    CScopedSelectObject selectFont(*pMemDC, pFont != nullptr ? pFont->m_hObject : nullptr);
    pMemDC->SetTextColor(GetTextColor());
    pMemDC->SetBkMode(TRANSPARENT);
    COLORREF crRowText = GetItemTextColor(nRow, bSelected);
    COLORREF crRowBack = GetItemBkColor(nRow, bSelected);
    int nRowStyle = GetItemFontStyle(nRow, bSelected);
    int nColumns = GetColumnCount();
    for (int nColumn = 0; nColumn < nColumns; ++nColumn)
        DrawCell(pMemDC, nRow, nColumn, rcItem, bSelected, crRowText, crRowBack, nRowStyle);

    if ((lpDrawItemStruct->itemState & (ODS_SELECTED | ODS_FOCUS)) == (ODS_SELECTED | ODS_FOCUS))
    {
        CPen pen(PS_DOT, 1, m_crFocusFrame);
        CScopedSelectObject selectPen(*pMemDC, pen);
        const int left = rcItem.left;
        const int right = rcItem.right - m_nGridWidth - 1;
        const int bottom = rcItem.Height() - m_nGridHeight - 1;
        pMemDC->MoveTo(left, 0);
        pMemDC->LineTo(right, 0);
        pMemDC->LineTo(right, bottom);
        pMemDC->LineTo(left, bottom);
        pMemDC->LineTo(left, 0);
    }
    pMemDC->SetViewportOrg(0, 0);
    pDC->BitBlt(rcItem.left, rcItem.top, rcItem.Width(), rcItem.Height(), pMemDC, 0, 0, SRCCOPY);
}

void CCommListCtrl::DrawCell(CDC* pDC, int nRow, int nColumn, const CRect& rcItem, BOOL bSelected,
                             COLORREF crRowText, COLORREF crRowBack, int nRowStyle)
{
    char szText[kCellTextChars + kModifySpare] = {};
    GetCellDrawText(nRow, nColumn, szText, kCellTextChars);
    szText[kCellTextChars - 1] = '\0';
    RemoveLineBreaks(szText);

    CRect rcCell;
    if (!GetCellRect(nRow, nColumn, LVIR_BOUNDS, &rcCell) || rcCell.IsRectEmpty())
        return;
    // Bitmap coordinates: the row's top is 0, x the client x (through the
    // viewport origin). The grid shows right of and below each cell.
    rcCell.OffsetRect(0, -rcItem.top);
    rcCell.right -= m_nGridWidth;
    rcCell.bottom -= m_nGridHeight;
    COLORREF crBack = GetCellBkColor(nRow, nColumn, bSelected);
    pDC->FillSolidRect(&rcCell, crBack != LIST_NO_COLOR ? crBack : crRowBack);

    int nStyle = GetCellStyle(nRow, nColumn, bSelected) | nRowStyle;
    if ((nStyle & LISTCOLUMN_CHECKBOX) != 0)
    {
        int nSide = rcCell.Height() - 6;
        CRect rcCheck(rcCell.left + 3, 3, rcCell.left + 3 + nSide, 3 + nSide);
        pDC->FillSolidRect(&rcCheck, RGB(255, 255, 255));
        int nFlags = GetCellFlags(nRow, nColumn);
        UINT nState = DFCS_BUTTONCHECK | DFCS_MONO;
        if (nFlags & LISTCELL_CHECKED)
            nState |= DFCS_CHECKED;
        if (nFlags & LISTCELL_FIXED)
            nState |= DFCS_INACTIVE;
        pDC->DrawFrameControl(&rcCheck, DFC_BUTTON, nState);
        if (nFlags & LISTCELL_FIXED)
            TintFixedCheck(pDC, rcCheck);
        rcCell.left += nSide + 3;
    }
    if ((nStyle & LISTCOLUMN_ICON) != 0)
    {
        HICON hIcon = GetCellIcon(nRow, nColumn, bSelected);
        if (hIcon != nullptr)
        {
            int x = rcCell.Width() > 16 ? rcCell.left + (rcCell.Width() - 16) / 2 : rcCell.left;
            int y = rcCell.Height() > 16 ? rcCell.top + (rcCell.Height() - 16) / 2 : rcCell.top;
            pDC->DrawIconEx(x, y, hIcon, 16, 16, DI_NORMAL);
        }
        szText[0] = '\0';
    }
    if (szText[0] == '\0')
    {
        if ((nStyle & LISTCOLUMN_LINK) != 0)
            ForgetCellLink(nRow, nColumn);
        return;
    }

    CFont styled;
    if ((nStyle & LISTCOLUMN_FONTSTYLE) != 0)
    {
        LOGFONTA lf = {};
        CFont* pFont = GetFont();
        if (pFont == nullptr || pFont->GetLogFont(&lf) == 0)
            ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
        lf.lfWeight = (nStyle & LISTCOLUMN_BOLD) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (nStyle & LISTCOLUMN_ITALIC) ? TRUE : FALSE;
        lf.lfUnderline = (nStyle & LISTCOLUMN_UNDERLINE) ? TRUE : FALSE;
        lf.lfStrikeOut = (nStyle & LISTCOLUMN_STRIKEOUT) ? TRUE : FALSE;
        styled.CreateFontIndirect(&lf);
    }
    CScopedSelectObject selectFont(*pDC, styled.m_hObject);
    COLORREF crText = GetColumnTextColor(nRow, nColumn, bSelected);
    if (crText == LIST_NO_COLOR)
        crText = crRowText;
    COLORREF crOld = pDC->GetTextColor();
    if (crText != LIST_NO_COLOR)
        pDC->SetTextColor(crText);

    CRect rcText(rcCell);
    rcText.DeflateRect(m_nTextMarginX, m_nTextMarginY);
    int nAlign = GetColumnAlign(nColumn);
    if ((nStyle & LISTCOLUMN_LINK) != 0)
    {
        CRect rcCalc(rcText);
        pDC->DrawText((LPCTSTR)szText, -1, &rcCalc, kCellTextFormat | DT_CALCRECT);
        RememberCellLink(nRow, nColumn, PlaceLinkText(rcText, rcCalc.Width(), rcCalc.Height(), nAlign));
    }
    pDC->DrawText(szText, -1, &rcText, AlignFormat(nAlign) | DT_MODIFYSTRING | kCellTextFormat);
    pDC->SetTextColor(crOld);
}
