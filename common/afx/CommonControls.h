#ifndef TANZO_AFX_COMMONCONTROLS_H
#define TANZO_AFX_COMMONCONTROLS_H

// The common controls (Windows builds): list view, header, tab, tool tip,
// spin, progress, slider, tool bar and status bar controls. Each method is
// the control's message (the ANSI form: texts in code page 932).

#include "afx/Collections.h"
#include "afx/ImageList.h"
#include "afx/Rect.h"
#include "afx/String.h"
#include "afx/Wnd.h"

#include <commctrl.h>

class CEdit;
class CToolTipCtrl;

class CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    CHeaderCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(WC_HEADERA, nullptr, dwStyle, rect, pParentWnd, nID);
    }
    int GetItemCount() const { return (int)SendMessage(HDM_GETITEMCOUNT); }
    BOOL GetItem(int nPos, HDITEMA* pHeaderItem) const
    {
        return (BOOL)SendMessage(HDM_GETITEMA, nPos, (LPARAM)pHeaderItem);
    }
    BOOL SetItem(int nPos, HDITEMA* pHeaderItem)
    {
        return (BOOL)SendMessage(HDM_SETITEMA, nPos, (LPARAM)pHeaderItem);
    }
    int InsertItem(int nPos, HDITEMA* phdi) { return (int)SendMessage(HDM_INSERTITEMA, nPos, (LPARAM)phdi); }
    BOOL DeleteItem(int nPos) { return (BOOL)SendMessage(HDM_DELETEITEM, nPos); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(HDM_GETITEMRECT, nIndex, (LPARAM)lpRect);
    }
    BOOL Layout(HDLAYOUT* pHeaderLayout) { return (BOOL)SendMessage(HDM_LAYOUT, 0, (LPARAM)pHeaderLayout); }
    CImageList* GetImageList() const
    {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(HDM_GETIMAGELIST));
    }
    CImageList* SetImageList(CImageList* pImageList)
    {
        return CImageList::FromHandle(
            (HIMAGELIST)SendMessage(HDM_SETIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
    }
    BOOL GetOrderArray(LPINT piArray, int iCount) const
    {
        return (BOOL)SendMessage(HDM_GETORDERARRAY, (WPARAM)iCount, (LPARAM)piArray);
    }
    BOOL SetOrderArray(int iCount, LPINT piArray)
    {
        return (BOOL)SendMessage(HDM_SETORDERARRAY, (WPARAM)iCount, (LPARAM)piArray);
    }
    int HitTest(LPHDHITTESTINFO pHeaderHitTestInfo)
    {
        return (int)SendMessage(HDM_HITTEST, 0, (LPARAM)pHeaderHitTestInfo);
    }
};

class CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(WC_LISTVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    COLORREF GetBkColor() const { return (COLORREF)SendMessage(LVM_GETBKCOLOR); }
    BOOL SetBkColor(COLORREF cr) { return (BOOL)SendMessage(LVM_SETBKCOLOR, 0, (LPARAM)cr); }
    COLORREF GetTextColor() const { return (COLORREF)SendMessage(LVM_GETTEXTCOLOR); }
    BOOL SetTextColor(COLORREF cr) { return (BOOL)SendMessage(LVM_SETTEXTCOLOR, 0, (LPARAM)cr); }
    COLORREF GetTextBkColor() const { return (COLORREF)SendMessage(LVM_GETTEXTBKCOLOR); }
    BOOL SetTextBkColor(COLORREF cr) { return (BOOL)SendMessage(LVM_SETTEXTBKCOLOR, 0, (LPARAM)cr); }
    CImageList* GetImageList(int nImageList) const
    {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(LVM_GETIMAGELIST, (WPARAM)nImageList));
    }
    CImageList* SetImageList(CImageList* pImageList, int nImageListType)
    {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(LVM_SETIMAGELIST, (WPARAM)nImageListType,
                                                              (LPARAM)pImageList->GetSafeHandle()));
    }
    int GetItemCount() const { return (int)SendMessage(LVM_GETITEMCOUNT); }
    BOOL GetItem(LVITEMA* pItem) const { return (BOOL)SendMessage(LVM_GETITEMA, 0, (LPARAM)pItem); }
    BOOL SetItem(const LVITEMA* pItem) { return (BOOL)SendMessage(LVM_SETITEMA, 0, (LPARAM)pItem); }
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    UINT GetCallbackMask() const { return (UINT)SendMessage(LVM_GETCALLBACKMASK); }
    BOOL SetCallbackMask(UINT nMask) { return (BOOL)SendMessage(LVM_SETCALLBACKMASK, nMask); }
    int GetNextItem(int nItem, int nFlags) const
    {
        return (int)SendMessage(LVM_GETNEXTITEM, (WPARAM)nItem, MAKELPARAM(nFlags, 0));
    }
    // Selected rows in order: a position is the row index plus one.
    POSITION GetFirstSelectedItemPosition() const
    {
        return (POSITION)(INT_PTR)(1 + GetNextItem(-1, LVNI_SELECTED));
    }
    int GetNextSelectedItem(POSITION& pos) const;
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL SetItemPosition(int nItem, POINT pt)
    {
        return (BOOL)SendMessage(LVM_SETITEMPOSITION32, (WPARAM)nItem, (LPARAM)&pt);
    }
    BOOL GetItemPosition(int nItem, LPPOINT lpPoint) const
    {
        return (BOOL)SendMessage(LVM_GETITEMPOSITION, (WPARAM)nItem, (LPARAM)lpPoint);
    }
    int GetStringWidth(LPCTSTR lpsz) const { return (int)SendMessage(LVM_GETSTRINGWIDTHA, 0, (LPARAM)lpsz); }
    CEdit* GetEditControl() const;
    BOOL GetColumn(int nCol, LVCOLUMNA* pColumn) const
    {
        return (BOOL)SendMessage(LVM_GETCOLUMNA, (WPARAM)nCol, (LPARAM)pColumn);
    }
    BOOL SetColumn(int nCol, const LVCOLUMNA* pColumn)
    {
        return (BOOL)SendMessage(LVM_SETCOLUMNA, (WPARAM)nCol, (LPARAM)pColumn);
    }
    int GetColumnWidth(int nCol) const { return (int)SendMessage(LVM_GETCOLUMNWIDTH, (WPARAM)nCol); }
    BOOL SetColumnWidth(int nCol, int cx)
    {
        return (BOOL)SendMessage(LVM_SETCOLUMNWIDTH, (WPARAM)nCol, MAKELPARAM(cx, 0));
    }
    BOOL GetColumnOrderArray(LPINT piArray, int iCount = -1) const;
    BOOL SetColumnOrderArray(int iCount, LPINT piArray)
    {
        return (BOOL)SendMessage(LVM_SETCOLUMNORDERARRAY, (WPARAM)iCount, (LPARAM)piArray);
    }
    BOOL GetCheck(int nItem) const
    {
        return ((UINT)SendMessage(LVM_GETITEMSTATE, (WPARAM)nItem, LVIS_STATEIMAGEMASK) >> 12) - 1;
    }
    BOOL SetCheck(int nItem, BOOL fCheck = TRUE)
    {
        return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
    }
    BOOL GetViewRect(LPRECT lpRect) const { return (BOOL)SendMessage(LVM_GETVIEWRECT, 0, (LPARAM)lpRect); }
    int GetTopIndex() const { return (int)SendMessage(LVM_GETTOPINDEX); }
    int GetCountPerPage() const { return (int)SendMessage(LVM_GETCOUNTPERPAGE); }
    BOOL GetOrigin(LPPOINT lpPoint) const { return (BOOL)SendMessage(LVM_GETORIGIN, 0, (LPARAM)lpPoint); }
    BOOL SetItemState(int nItem, LVITEMA* pItem)
    {
        return (BOOL)SendMessage(LVM_SETITEMSTATE, (WPARAM)nItem, (LPARAM)pItem);
    }
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const
    {
        return (UINT)SendMessage(LVM_GETITEMSTATE, (WPARAM)nItem, nMask);
    }
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    void SetItemCount(int nItems) { SendMessage(LVM_SETITEMCOUNT, (WPARAM)nItems); }
    BOOL SetItemCountEx(int iCount, DWORD dwFlags = LVSICF_NOINVALIDATEALL)
    {
        return (BOOL)SendMessage(LVM_SETITEMCOUNT, (WPARAM)iCount, (LPARAM)dwFlags);
    }
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    UINT GetSelectedCount() const { return (UINT)SendMessage(LVM_GETSELECTEDCOUNT); }
    int GetSelectionMark() const { return (int)SendMessage(LVM_GETSELECTIONMARK); }
    int SetSelectionMark(int iIndex) { return (int)SendMessage(LVM_SETSELECTIONMARK, 0, (LPARAM)iIndex); }
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE); }
    DWORD SetExtendedStyle(DWORD dwNewStyle)
    {
        return (DWORD)SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, (LPARAM)dwNewStyle);
    }
    CHeaderCtrl* GetHeaderCtrl() const
    {
        return (CHeaderCtrl*)CWnd::FromHandle((HWND)SendMessage(LVM_GETHEADER));
    }
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    int GetHotItem() const { return (int)SendMessage(LVM_GETHOTITEM); }
    int SetHotItem(int iIndex) { return (int)SendMessage(LVM_SETHOTITEM, (WPARAM)iIndex); }
    int GetItemSpacing(BOOL fSmall) const { return (int)SendMessage(LVM_GETITEMSPACING, fSmall); }

    int HitTest(LVHITTESTINFO* pHitTestInfo) const
    {
        return (int)SendMessage(LVM_HITTEST, 0, (LPARAM)pHitTestInfo);
    }
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int SubItemHitTest(LVHITTESTINFO* pInfo)
    {
        return (int)SendMessage(LVM_SUBITEMHITTEST, 0, (LPARAM)pInfo);
    }
    int InsertItem(const LVITEMA* pItem) { return (int)SendMessage(LVM_INSERTITEMA, 0, (LPARAM)pItem); }
    int InsertItem(int nItem, LPCTSTR lpszItem) { return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0); }
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
    {
        return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
    }
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                   LPARAM lParam);
    BOOL DeleteItem(int nItem) { return (BOOL)SendMessage(LVM_DELETEITEM, (WPARAM)nItem); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(LVM_DELETEALLITEMS); }
    int FindItem(LVFINDINFOA* pFindInfo, int nStart = -1) const
    {
        return (int)SendMessage(LVM_FINDITEMA, (WPARAM)nStart, (LPARAM)pFindInfo);
    }
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
    {
        return (BOOL)SendMessage(LVM_SORTITEMS, (WPARAM)dwData, (LPARAM)pfnCompare);
    }
    BOOL Arrange(UINT nCode) { return (BOOL)SendMessage(LVM_ARRANGE, nCode); }
    CEdit* EditLabel(int nItem);
    int InsertColumn(int nCol, const LVCOLUMNA* pColumn)
    {
        return (int)SendMessage(LVM_INSERTCOLUMNA, (WPARAM)nCol, (LPARAM)pColumn);
    }
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL DeleteColumn(int nCol) { return (BOOL)SendMessage(LVM_DELETECOLUMN, (WPARAM)nCol); }
    BOOL Update(int nItem) { return (BOOL)SendMessage(LVM_UPDATE, (WPARAM)nItem); }
    BOOL EnsureVisible(int nItem, BOOL bPartialOK)
    {
        return (BOOL)SendMessage(LVM_ENSUREVISIBLE, (WPARAM)nItem, bPartialOK);
    }
    BOOL Scroll(CSize size) { return (BOOL)SendMessage(LVM_SCROLL, (WPARAM)size.cx, (LPARAM)size.cy); }
    BOOL RedrawItems(int nFirst, int nLast)
    {
        return (BOOL)SendMessage(LVM_REDRAWITEMS, (WPARAM)nFirst, (LPARAM)nLast);
    }

    // Owner-drawn lists (LVS_OWNERDRAWFIXED) draw here (reflected WM_DRAWITEM).
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)
public:
    CTabCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(WC_TABCONTROLA, nullptr, dwStyle, rect, pParentWnd, nID);
    }
    CImageList* GetImageList() const
    {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(TCM_GETIMAGELIST));
    }
    CImageList* SetImageList(CImageList* pImageList)
    {
        return CImageList::FromHandle(
            (HIMAGELIST)SendMessage(TCM_SETIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
    }
    int GetItemCount() const { return (int)SendMessage(TCM_GETITEMCOUNT); }
    BOOL GetItem(int nItem, TCITEMA* pTabCtrlItem) const
    {
        return (BOOL)SendMessage(TCM_GETITEMA, (WPARAM)nItem, (LPARAM)pTabCtrlItem);
    }
    BOOL SetItem(int nItem, TCITEMA* pTabCtrlItem)
    {
        return (BOOL)SendMessage(TCM_SETITEMA, (WPARAM)nItem, (LPARAM)pTabCtrlItem);
    }
    BOOL SetItemExtra(int nBytes) { return (BOOL)SendMessage(TCM_SETITEMEXTRA, (WPARAM)nBytes); }
    BOOL GetItemRect(int nItem, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(TCM_GETITEMRECT, (WPARAM)nItem, (LPARAM)lpRect);
    }
    int GetCurSel() const { return (int)SendMessage(TCM_GETCURSEL); }
    int SetCurSel(int nItem) { return (int)SendMessage(TCM_SETCURSEL, (WPARAM)nItem); }
    void SetCurFocus(int nItem) { SendMessage(TCM_SETCURFOCUS, (WPARAM)nItem); }
    int GetCurFocus() const { return (int)SendMessage(TCM_GETCURFOCUS); }
    CSize SetItemSize(CSize size)
    {
        return CSize((DWORD)SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy)));
    }
    void SetPadding(CSize size) { SendMessage(TCM_SETPADDING, 0, MAKELPARAM(size.cx, size.cy)); }
    int GetRowCount() const { return (int)SendMessage(TCM_GETROWCOUNT); }
    CToolTipCtrl* GetToolTips() const;
    void SetToolTips(CToolTipCtrl* pWndTip);
    int SetMinTabWidth(int cx) { return (int)SendMessage(TCM_SETMINTABWIDTH, 0, (LPARAM)cx); }
    LONG InsertItem(int nItem, TCITEMA* pTabCtrlItem)
    {
        return (LONG)SendMessage(TCM_INSERTITEMA, (WPARAM)nItem, (LPARAM)pTabCtrlItem);
    }
    LONG InsertItem(int nItem, LPCTSTR lpszItem);
    LONG InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    BOOL DeleteItem(int nItem) { return (BOOL)SendMessage(TCM_DELETEITEM, (WPARAM)nItem); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(TCM_DELETEALLITEMS); }
    // bLarger: the window rectangle for a display area lpRect; else the
    // display area of a window rectangle lpRect.
    void AdjustRect(BOOL bLarger, LPRECT lpRect) { SendMessage(TCM_ADJUSTRECT, bLarger, (LPARAM)lpRect); }
    void RemoveImage(int nImage) { SendMessage(TCM_REMOVEIMAGE, (WPARAM)nImage); }
    int HitTest(TCHITTESTINFO* pHitTestInfo) const
    {
        return (int)SendMessage(TCM_HITTEST, 0, (LPARAM)pHitTestInfo);
    }
    void DeselectAll(BOOL fExcludeFocus) { SendMessage(TCM_DESELECTALL, fExcludeFocus); }
    BOOL HighlightItem(int idItem, BOOL fHighlight = TRUE)
    {
        return (BOOL)SendMessage(TCM_HIGHLIGHTITEM, (WPARAM)idItem, MAKELPARAM(fHighlight, 0));
    }
    // Owner-drawn tabs (TCS_OWNERDRAWFIXED) draw here (reflected WM_DRAWITEM).
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CToolTipCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;
    // A pop-up tool tip owned by pParentWnd.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    BOOL GetToolInfo(TTTOOLINFOA* pToolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void SetToolInfo(TTTOOLINFOA* pToolInfo) { SendMessage(TTM_SETTOOLINFOA, 0, (LPARAM)pToolInfo); }
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    int GetToolCount() const { return (int)SendMessage(TTM_GETTOOLCOUNT); }
    int GetDelayTime(DWORD dwDuration) const { return (int)SendMessage(TTM_GETDELAYTIME, dwDuration); }
    void SetDelayTime(UINT nDelay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, (LPARAM)nDelay); }
    void SetDelayTime(DWORD dwDuration, int iTime)
    {
        SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
    }
    COLORREF GetTipBkColor() const { return (COLORREF)SendMessage(TTM_GETTIPBKCOLOR); }
    void SetTipBkColor(COLORREF clr) { SendMessage(TTM_SETTIPBKCOLOR, (WPARAM)clr); }
    COLORREF GetTipTextColor() const { return (COLORREF)SendMessage(TTM_GETTIPTEXTCOLOR); }
    void SetTipTextColor(COLORREF clr) { SendMessage(TTM_SETTIPTEXTCOLOR, (WPARAM)clr); }
    int GetMaxTipWidth() const { return (int)SendMessage(TTM_GETMAXTIPWIDTH); }
    int SetMaxTipWidth(int iWidth) { return (int)SendMessage(TTM_SETMAXTIPWIDTH, 0, (LPARAM)iWidth); }
    void SetMargin(LPRECT lprc) { SendMessage(TTM_SETMARGIN, 0, (LPARAM)lprc); }

    void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate); }
    // A tool for a control window (TTF_IDISHWND); with text
    // LPSTR_TEXTCALLBACK the owner answers TTN_NEEDTEXT.
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACKA, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    BOOL HitTest(CWnd* pWnd, CPoint pt, TTTOOLINFOA* lpToolInfo) const;
    void RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, (LPARAM)lpMsg); }
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void Update() { SendMessage(TTM_UPDATE); }
    void Pop() { SendMessage(TTM_POP); }

protected:
    void FillInToolInfo(TTTOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const;
};

class CSpinButtonCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(UPDOWN_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
    }
    BOOL SetAccel(int nAccel, UDACCEL* pAccel)
    {
        return (BOOL)SendMessage(UDM_SETACCEL, (WPARAM)nAccel, (LPARAM)pAccel);
    }
    UINT GetAccel(int nAccel, UDACCEL* pAccel) const
    {
        return (UINT)SendMessage(UDM_GETACCEL, (WPARAM)nAccel, (LPARAM)pAccel);
    }
    int SetBase(int nBase) { return (int)SendMessage(UDM_SETBASE, (WPARAM)nBase); }
    UINT GetBase() const { return (UINT)SendMessage(UDM_GETBASE); }
    CWnd* SetBuddy(CWnd* pWndBuddy)
    {
        return CWnd::FromHandle((HWND)SendMessage(UDM_SETBUDDY, (WPARAM)pWndBuddy->GetSafeHwnd()));
    }
    CWnd* GetBuddy() const { return CWnd::FromHandle((HWND)SendMessage(UDM_GETBUDDY)); }
    int SetPos(int nPos) { return (int)SendMessage(UDM_SETPOS32, 0, (LPARAM)nPos); }
    int GetPos() const { return (int)SendMessage(UDM_GETPOS32); }
    void SetRange(int nLower, int nUpper) { SendMessage(UDM_SETRANGE32, (WPARAM)nLower, (LPARAM)nUpper); }
    void SetRange32(int nLower, int nUpper) { SetRange(nLower, nUpper); }
    void GetRange(int& lower, int& upper) const
    {
        SendMessage(UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper);
    }
    void GetRange32(int& lower, int& upper) const { GetRange(lower, upper); }
};

class CProgressCtrl : public CWnd
{
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    CProgressCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(PROGRESS_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
    }
    void SetRange(short nLower, short nUpper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper)); }
    void SetRange32(int nLower, int nUpper) { SendMessage(PBM_SETRANGE32, (WPARAM)nLower, (LPARAM)nUpper); }
    void GetRange(int& nLower, int& nUpper) const;
    int GetPos() const { return (int)SendMessage(PBM_GETPOS); }
    int SetPos(int nPos) { return (int)SendMessage(PBM_SETPOS, (WPARAM)nPos); }
    int OffsetPos(int nPos) { return (int)SendMessage(PBM_DELTAPOS, (WPARAM)nPos); }
    int SetStep(int nStep) { return (int)SendMessage(PBM_SETSTEP, (WPARAM)nStep); }
    int StepIt() { return (int)SendMessage(PBM_STEPIT); }
};

class CSliderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSliderCtrl)
public:
    CSliderCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(TRACKBAR_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
    }
    int GetPos() const { return (int)SendMessage(TBM_GETPOS); }
    void SetPos(int nPos) { SendMessage(TBM_SETPOS, TRUE, (LPARAM)nPos); }
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE)
    {
        SendMessage(TBM_SETRANGEMIN, FALSE, (LPARAM)nMin);
        SendMessage(TBM_SETRANGEMAX, bRedraw, (LPARAM)nMax);
    }
    int GetRangeMin() const { return (int)SendMessage(TBM_GETRANGEMIN); }
    int GetRangeMax() const { return (int)SendMessage(TBM_GETRANGEMAX); }
    void SetTicFreq(int nFreq) { SendMessage(TBM_SETTICFREQ, (WPARAM)nFreq); }
    int SetPageSize(int nSize) { return (int)SendMessage(TBM_SETPAGESIZE, 0, (LPARAM)nSize); }
    int SetLineSize(int nSize) { return (int)SendMessage(TBM_SETLINESIZE, 0, (LPARAM)nSize); }
};

class CToolBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolBarCtrl)
public:
    CToolBarCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    BOOL EnableButton(int nID, BOOL bEnable = TRUE)
    {
        return (BOOL)SendMessage(TB_ENABLEBUTTON, (WPARAM)nID, MAKELPARAM(bEnable, 0));
    }
    BOOL CheckButton(int nID, BOOL bCheck = TRUE)
    {
        return (BOOL)SendMessage(TB_CHECKBUTTON, (WPARAM)nID, MAKELPARAM(bCheck, 0));
    }
    BOOL PressButton(int nID, BOOL bPress = TRUE)
    {
        return (BOOL)SendMessage(TB_PRESSBUTTON, (WPARAM)nID, MAKELPARAM(bPress, 0));
    }
    BOOL HideButton(int nID, BOOL bHide = TRUE)
    {
        return (BOOL)SendMessage(TB_HIDEBUTTON, (WPARAM)nID, MAKELPARAM(bHide, 0));
    }
    BOOL Indeterminate(int nID, BOOL bIndeterminate = TRUE)
    {
        return (BOOL)SendMessage(TB_INDETERMINATE, (WPARAM)nID, MAKELPARAM(bIndeterminate, 0));
    }
    BOOL IsButtonEnabled(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONENABLED, (WPARAM)nID); }
    BOOL IsButtonChecked(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONCHECKED, (WPARAM)nID); }
    BOOL IsButtonHidden(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONHIDDEN, (WPARAM)nID); }
    BOOL SetState(int nID, UINT nState)
    {
        return (BOOL)SendMessage(TB_SETSTATE, (WPARAM)nID, MAKELPARAM(nState, 0));
    }
    int GetState(int nID) const { return (int)SendMessage(TB_GETSTATE, (WPARAM)nID); }
    BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const
    {
        return (BOOL)SendMessage(TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)lpButton);
    }
    int GetButtonCount() const { return (int)SendMessage(TB_BUTTONCOUNT); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect);
    }
    BOOL GetRect(int nID, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(TB_GETRECT, (WPARAM)nID, (LPARAM)lpRect);
    }
    void SetButtonStructSize(int nSize) { SendMessage(TB_BUTTONSTRUCTSIZE, (WPARAM)nSize); }
    BOOL SetButtonSize(CSize size)
    {
        return (BOOL)SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy));
    }
    BOOL SetBitmapSize(CSize size)
    {
        return (BOOL)SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy));
    }
    CSize GetButtonSize() const { return CSize((DWORD)SendMessage(TB_GETBUTTONSIZE)); }
    BOOL GetButtonInfo(int nID, TBBUTTONINFOA* ptbbi) const
    {
        return (BOOL)SendMessage(TB_GETBUTTONINFOA, (WPARAM)nID, (LPARAM)ptbbi);
    }
    BOOL SetButtonInfo(int nID, TBBUTTONINFOA* ptbbi)
    {
        return (BOOL)SendMessage(TB_SETBUTTONINFOA, (WPARAM)nID, (LPARAM)ptbbi);
    }
    BOOL AddButtons(int nNumButtons, LPTBBUTTON lpButtons)
    {
        return (BOOL)SendMessage(TB_ADDBUTTONSA, (WPARAM)nNumButtons, (LPARAM)lpButtons);
    }
    BOOL InsertButton(int nIndex, LPTBBUTTON lpButton)
    {
        return (BOOL)SendMessage(TB_INSERTBUTTONA, (WPARAM)nIndex, (LPARAM)lpButton);
    }
    BOOL DeleteButton(int nIndex) { return (BOOL)SendMessage(TB_DELETEBUTTON, (WPARAM)nIndex); }
    int CommandToIndex(UINT nID) const { return (int)SendMessage(TB_COMMANDTOINDEX, nID); }
    int AddStrings(LPCTSTR lpszStrings) { return (int)SendMessage(TB_ADDSTRINGA, 0, (LPARAM)lpszStrings); }
    void AutoSize() { SendMessage(TB_AUTOSIZE); }
    CImageList* SetImageList(CImageList* pImageList)
    {
        return CImageList::FromHandle(
            (HIMAGELIST)SendMessage(TB_SETIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
    }
    CImageList* GetImageList() const
    {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(TB_GETIMAGELIST));
    }
    CImageList* SetHotImageList(CImageList* pImageList)
    {
        return CImageList::FromHandle(
            (HIMAGELIST)SendMessage(TB_SETHOTIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
    }
    CImageList* SetDisabledImageList(CImageList* pImageList)
    {
        return CImageList::FromHandle(
            (HIMAGELIST)SendMessage(TB_SETDISABLEDIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
    }
    BOOL SetMaxTextRows(int iMaxRows) { return (BOOL)SendMessage(TB_SETMAXTEXTROWS, (WPARAM)iMaxRows); }
    DWORD GetStyle() const { return (DWORD)SendMessage(TB_GETSTYLE); }
    void SetStyle(DWORD dwStyle) { SendMessage(TB_SETSTYLE, 0, (LPARAM)dwStyle); }
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(TB_GETEXTENDEDSTYLE); }
    DWORD SetExtendedStyle(DWORD dwExStyle)
    {
        return (DWORD)SendMessage(TB_SETEXTENDEDSTYLE, 0, (LPARAM)dwExStyle);
    }
    int GetRows() const { return (int)SendMessage(TB_GETROWS); }
    void SetRows(int nRows, BOOL bLarger, LPRECT lpRect)
    {
        SendMessage(TB_SETROWS, MAKEWPARAM(nRows, bLarger), (LPARAM)lpRect);
    }
    int HitTest(LPPOINT ppt) const { return (int)SendMessage(TB_HITTEST, 0, (LPARAM)ppt); }
    BOOL GetMaxSize(LPSIZE pSize) const { return (BOOL)SendMessage(TB_GETMAXSIZE, 0, (LPARAM)pSize); }
};

class CStatusBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CStatusBarCtrl)
public:
    CStatusBarCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(STATUSCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID);
    }
    BOOL SetText(LPCTSTR lpszText, int nPane, int nType)
    {
        return (BOOL)SendMessage(SB_SETTEXTA, (WPARAM)(nPane | nType), (LPARAM)lpszText);
    }
    BOOL SetParts(int nParts, int* pWidths)
    {
        return (BOOL)SendMessage(SB_SETPARTS, (WPARAM)nParts, (LPARAM)pWidths);
    }
    int GetParts(int nParts, int* pParts) const
    {
        return (int)SendMessage(SB_GETPARTS, (WPARAM)nParts, (LPARAM)pParts);
    }
    BOOL GetBorders(int* pBorders) const { return (BOOL)SendMessage(SB_GETBORDERS, 0, (LPARAM)pBorders); }
    void SetMinHeight(int nMin) { SendMessage(SB_SETMINHEIGHT, (WPARAM)nMin); }
    BOOL SetSimple(BOOL bSimple = TRUE) { return (BOOL)SendMessage(SB_SIMPLE, bSimple); }
    BOOL GetRect(int nPane, LPRECT lpRect) const
    {
        return (BOOL)SendMessage(SB_GETRECT, (WPARAM)nPane, (LPARAM)lpRect);
    }
    void SetTipText(int nPane, LPCTSTR pszTipText)
    {
        SendMessage(SB_SETTIPTEXTA, (WPARAM)nPane, (LPARAM)pszTipText);
    }
    void SetIcon(int nPane, HICON hIcon) { SendMessage(SB_SETICON, (WPARAM)nPane, (LPARAM)hIcon); }
};

#endif // TANZO_AFX_COMMONCONTROLS_H
