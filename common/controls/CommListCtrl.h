#ifndef TANZO_CONTROLS_COMMLISTCTRL_H
#define TANZO_CONTROLS_COMMLISTCTRL_H

// CCommListCtrl: the owner-drawn report list on which every list of the
// programs stands (Windows builds). Beside the list view it keeps styles
// and a text colour per column, flags (check boxes) and link rectangles
// per cell, sorts by a clicked column with an arrow in the header, selects
// rows with a rubber band dragged in its empty part, and selects all rows
// on Ctrl+A. Rows are drawn by DoCustomDraw from the colour, style and
// icon queries that derived lists override to colour rows by their data.
//
// Cell flags and link rectangles move with their rows through DeleteRow,
// MoveRow and sorting; DeleteAllRows clears them.

#include "afx/CommonControls.h"
#include "afx/ImageList.h"
#include "afx/List.h"
#include "app/DialogFont.h"
#include "app/ImeModeSwitch.h"
#include "controls/ListCellMap.h"
#include "controls/ListGeometry.h"
#include "controls/ListHeaderCtrl.h"
#include "controls/ListRowBuffer.h"
#include "controls/SelectionBandTracker.h"

#include <map>
#include <vector>

// Column style bits; the low four are the font style bits of CDialogFont.
#define LISTCOLUMN_BOLD 0x0001
#define LISTCOLUMN_ITALIC 0x0002
#define LISTCOLUMN_UNDERLINE 0x0004
#define LISTCOLUMN_STRIKEOUT 0x0008
#define LISTCOLUMN_FONTSTYLE 0x000F
#define LISTCOLUMN_LINK 0x10000     // the text is a link: hand cursor, clicks reported
#define LISTCOLUMN_ICON 0x20000     // the cell shows GetCellIcon instead of its text
#define LISTCOLUMN_CHECKBOX 0x40000 // a check box whose state is the cell's flag

// Cell flags.
#define LISTCELL_CHECKED 0x1
#define LISTCELL_FIXED 0x2 // greyed, never toggled

// Posted to the parent when a link text is clicked: wParam row, lParam column.
#define WM_LIST_LINKCLICKED 0x606

// Timers of the list: the derived list's hook, and the band's auto-scroll.
#define LIST_TIMER_HOOK 4378
#define LIST_TIMER_AUTOSCROLL 4381
#define LIST_AUTOSCROLL_PERIOD 500

// Sort modes: none; by the rows' texts; by the rows' records.
#define LIST_SORT_NONE 0
#define LIST_SORT_BY_ROW 1
#define LIST_SORT_BY_RECORD 2

// A colour query's answer for "no colour of its own".
#define LIST_NO_COLOR ((COLORREF)-1)

// Style and text colour of one column.
struct CListColumnInfo
{
    int nStyle = 0;
    COLORREF crText = LIST_NO_COLOR;
};

// The record a row's item data leads to in sort mode 2: it carries the
// row it stood on when the sort began.
class CListSortRecord
{
public:
    virtual ~CListSortRecord();
    int GetListRow() const { return m_nListRow; }
    void SetListRow(int nRow) { m_nListRow = nRow; }

private:
    int m_nListRow = -1;
};

class CCommListCtrl : public CListCtrl
{
    DECLARE_DYNAMIC(CCommListCtrl)
public:
    CCommListCtrl();
    ~CCommListCtrl() override;

    // ---- Drawing and its queries (colours: LIST_NO_COLOR for the default)
    virtual void DoCustomDraw(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual COLORREF GetItemTextColor(int nRow, BOOL bSelected);
    virtual COLORREF GetItemBkColor(int nRow, BOOL bSelected);
    virtual int GetItemFontStyle(int nRow, BOOL bSelected);
    virtual COLORREF GetGridColor(int nRow, BOOL bSelected);
    virtual COLORREF GetRowLineColor(int nRow, BOOL bSelected);
    virtual COLORREF GetColumnTextColor(int nRow, int nColumn, BOOL bSelected);
    virtual COLORREF GetCellBkColor(int nRow, int nColumn, BOOL bSelected);
    virtual int GetCellStyle(int nRow, int nColumn, BOOL bSelected);
    virtual HICON GetCellIcon(int nRow, int nColumn, BOOL bSelected);
    // Sets the row height (WM_MEASUREITEM reflected by the parent).
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

    // ---- Rows
    // State changes let a pending delayed action of the list view finish.
    virtual BOOL SetItemStateLv(int nRow, LVITEMA* pItem);
    // nRow -1: every row.
    virtual BOOL SetItemStateMasked(int nRow, UINT nState, UINT nMask);
    virtual CString GetCellText(int nRow, int nColumn);
    // The text a cell is drawn with, at most nChars - 1 bytes and ended.
    virtual void GetCellDrawText(int nRow, int nColumn, char* pszText, int nChars);
    virtual BOOL DeleteRow(int nRow);
    virtual BOOL DeleteAllRows();
    // The row's new index, -1 when it could not move.
    virtual int MoveRow(int nFrom, int nTo);

    // ---- Sorting
    virtual CListSortRecord* GetItemRecord(DWORD_PTR dwItemData);
    // Non-zero when sorting would change nothing: no valid sort column, or
    // no row has text (or, in an icon column, an icon) in it.
    virtual BOOL IsSortColumnEmpty();
    virtual void OnSortColumnClick(int nColumn);
    // Stores each row's index in its record (mode 2) or item data.
    virtual BOOL RenumberRows();
    virtual BOOL SortByColumn();
    // Mode 2: the rows' texts in the sort column, without case.
    virtual int CompareRows(CListSortRecord* pRecord1, CListSortRecord* pRecord2, int nColumn);

    // ---- Cells
    // Posts WM_LIST_LINKCLICKED to the parent.
    virtual void PostNotifyToParent(int nRow, int nColumn);
    // Flips the check of a cell that is not fixed.
    virtual void ToggleCellFlag(int nRow, int nColumn);

    // ---- Hooks and the band
    virtual void OnListTimerHook(int nValue);
    virtual void OnHeaderMouseMove(UINT nFlags, int x, int y);
    virtual void BeginDrag();
    // Where the mouse is now, in screen coordinates.
    virtual BOOL GetCursorScreenPos(POINT* pPoint) const;
    virtual void DragMove(CPoint point);
    virtual void EndDrag();

    // ---- Looks
    void SetRowHeight(int nHeight);
    int GetRowHeight() const { return m_nRowHeight; }
    void SetHeaderHeight(int nHeight) { m_header.SetHeight(nHeight); }
    int GetHeaderHeight() const { return m_header.GetHeight(); }
    BOOL SetRowBkColor(COLORREF cr);
    BOOL SetSelectedTextColor(COLORREF cr);
    BOOL SetSelectedBkColor(COLORREF cr);
    BOOL SetGridColor(COLORREF cr);
    BOOL SetFocusFrameColor(COLORREF cr);
    // Tenths of a point; an empty face keeps the list's.
    void SetListFont(int nPointSize, LPCTSTR lpszFaceName);
    CDialogFont& GetListFont() { return m_font; }
    void SetTextMargins(int cx, int cy);

    // ---- Columns
    void SetColumnStyle(int nColumn, int nStyle);
    int GetColumnStyle(int nColumn) const;
    void AddColumnStyle(int nColumn, int nStyle);
    void SetColumnTextColor(int nColumn, COLORREF cr);
    COLORREF FindColumnTextColor(int nColumn) const;
    // The text colour of every link column; FALSE when there is none.
    BOOL SetLinkColumnsColor(COLORREF cr);
    int GetColumnCount() const;
    // LVCFMT justification: LIST_ALIGN_LEFT, _RIGHT or _CENTER.
    int GetColumnAlign(int nColumn) const;
    BOOL FitColumnsToWidth();

    // ---- Cell flags and links
    void SetCellFlags(int nRow, int nColumn, int nFlags);
    int GetCellFlags(int nRow, int nColumn) const;
    // Checks (or clears) the cells of a column; with bSkipFixed fixed cells
    // keep theirs. The row count.
    int SetColumnChecks(int nColumn, BOOL bCheck, BOOL bSkipFixed);
    BOOL AnyCellFlagged(int nColumn, BOOL bIgnoreFixed) const;
    // Column 0 ends where column 1 begins.
    BOOL GetCellRect(int nRow, int nColumn, int nCode, RECT* pRect) const;
    BOOL HitTestCell(int x, int y, int* pRow, int* pColumn) const;
    BOOL HitTestCheckCell(int x, int y, int* pRow, int* pColumn) const;
    BOOL RememberCellLink(int nRow, int nColumn, const RECT& rcText);
    BOOL ForgetCellLink(int nRow, int nColumn);
    // Where a cell's remembered link text lies, in client coordinates.
    BOOL GetCellLinkRect(int nRow, int nColumn, RECT* pRect) const;

    // ---- Selection
    int SelectSingleItem(int nRow);
    int GetFirstSelected() const;
    int GetFocusedSelected() const;
    int GetFocusedRow() const;
    int GetCurrentRow() const;
    void SelectAll();
    BOOL IsRowSelected(int nRow) const;
    BOOL IsSingleSelect() const;
    BOOL GetSelectedRows(CList<int, int>& rows) const;
    std::vector<int> GetSelectedRowIndexes() const;
    BOOL EnsureSelectionVisible();
    BOOL EnsureVisible(int nRow);
    void RedrawRow(int nRow);
    void RedrawCell(int nRow, int nColumn);
    // Only the rows shown are redrawn; nColumn -1 for whole rows.
    void RedrawRows(const CList<int, int>& rows, int nColumn);
    int MoveSelectedItem(BOOL bUp);
    int FindText(LPCTSTR lpszText, int nStartRow, int nColumn, BOOL bCaseSensitive, BOOL bBackward);
    // nStartRow -1: the row after (before) the current one.
    BOOL FindNextAndSelect(LPCTSTR lpszText, int nStartRow, int nColumn, BOOL bCaseSensitive, BOOL bBackward);

    // ---- The band
    BOOL GetBandClipRect(RECT* pRect) const;
    // With a null point the band goes.
    BOOL ShowBand(const POINT* pScreenPoint);
    void SelectRowsInBand();
    // The pixels scrolled (negative towards the start).
    int ScrollBy(BOOL bHorizontal, BOOL bTowardsEnd, int nMinimum);
    CSelectionBandTracker& GetBandTracker() { return m_band; }

    // ---- Sorting
    void SetSortMode(int nMode) { m_nSortMode = nMode; }
    int GetSortMode() const { return m_nSortMode; }
    void SetSortColumn(int nColumn) { m_nSortColumn = nColumn; }
    int GetSortColumn() const { return m_nSortColumn; }
    void SetDescending(BOOL bDescending) { m_bDescending = bDescending; }
    BOOL GetDescending() const { return m_bDescending; }
    void ToggleDescending() { m_bDescending = !m_bDescending; }
    void SetSortArrowStyle(int nStyle) { m_nSortArrowStyle = nStyle; }
    BOOL SortByClickedColumn(int nColumn);
    // nColumn -1: the sort column.
    BOOL SetSortMark(int nColumn, BOOL bOn);
    void ClearSortMark();

    // ---- Misc
    void CenterChildWindow(CWnd* pChild);
    // An image of the main frame's icon menu as an icon, made once and kept
    // by the menu; null for a negative index or without such a frame.
    HICON GetFrameMenuIcon(int nIndex) const;
    static HICON LoadSmallIcon(UINT nID);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void PreSubclassWindow() override;
    void SubclassHeader();
    // Text of each row in the sort column, taken before a sort.
    void TakeSortSnapshot();
    const std::vector<CString>& GetSortSnapshot() const { return m_sortSnapshot; }
    // Cells' values follow a sort: the row now at i stood at oldRows[i].
    void ReorderCellValues(const std::vector<int>& oldRows);
    void SwapCellValues(int nRow1, int nRow2);
    void DeleteCellValues(int nRow);
    void ClearCellValues();
    // Rows from nCount on are gone.
    void TruncateCellValues(int nCount);
    // The height of the rows as the list view draws them.
    int GetVisibleRowHeight() const;
    // Makes a pending delayed action of the list view (timer 42) finish.
    void FlushDelayedAction();
    // Composes the row in pMemDC (x 0 at the row's left edge) and copies it to pDC.
    void DrawRow(CDC* pDC, CDC* pMemDC, LPDRAWITEMSTRUCT lpDrawItemStruct, const CRect& rcItem);
    void DrawCell(CDC* pDC, int nRow, int nColumn, const CRect& rcItem, BOOL bSelected, COLORREF crRowText,
                  COLORREF crRowBack, int nRowStyle);
    // FALSE when the row is not drawn now (it is measured again first).
    BOOL ApplyRowHeight(LPDRAWITEMSTRUCT lpDrawItemStruct);
    // Makes the list view ask for the row height (WM_MEASUREITEM).
    void RemeasureRows();

    static int CALLBACK CompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnEditSelectAll();

    CListHeaderCtrl m_header;
    int m_nTextMarginX = 5;
    int m_nTextMarginY = 0;
    int m_nGridWidth = 1;
    int m_nGridHeight = 1;
    COLORREF m_crRowBack;
    COLORREF m_crGrid;
    COLORREF m_crSelectedText;
    COLORREF m_crSelectedBack;
    COLORREF m_crFocusFrame;
    int m_nRowHeight = 20;
    BOOL m_bRowHeightApplied = FALSE;
    // A re-measure was asked for since the height last changed.
    BOOL m_bRemeasured = FALSE;
    CDialogFont m_font;
    CListRowBuffer m_rowBuffer;
    CImeModeSwitch m_ime;
    std::map<int, CListColumnInfo> m_columns;
    CListCellMap<CCellInsets> m_links;
    CListCellMap<int> m_cellFlags;
    CSelectionBandTracker m_band;
    HACCEL m_hAccel = nullptr;
    CImageList m_sortImages;
    int m_nSortColumn = -1;
    int m_nSortMode = LIST_SORT_NONE;
    BOOL m_bDescending = TRUE;
    int m_nSortArrowStyle = 0;
    std::vector<CString> m_sortSnapshot;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CONTROLS_COMMLISTCTRL_H
