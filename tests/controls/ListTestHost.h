#ifndef TANZO_TESTS_CONTROLS_LISTTESTHOST_H
#define TANZO_TESTS_CONTROLS_LISTTESTHOST_H

// The lists' Windows tests: a dialog made in memory around one list view
// (the list is subclassed after the dialog made it, as in the programs'
// dialogs), the mouse position the lists see, and the pixels they draw.
#ifdef _WIN32

#include "ControlsTestUtil.h"

#include "afx/DataExchange.h"
#include "afx/Dialog.h"
#include "controls/CommListCtrl.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#define IDC_TEST_CONTROL 61001

// Report list, owner-drawn, with its selection shown without the focus.
const DWORD kTestListStyle =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS;

// A modeless dialog holding one control of a window class at (4, 4), cx x
// cy dialog units, subclassed by the control's object.
class CControlHost : public CDialog
{
public:
    CControlHost(CWnd& control, const wchar_t* pszClass, DWORD dwStyle, short cx, short cy);
    ~CControlHost() override;

    // Makes and shows the dialog, owned by pParent; FALSE when it could not
    // be made.
    BOOL Open(CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    CWnd& m_control;
    std::vector<WORD> m_template;
};

// The host of a list, which also keeps the links the list reports.
class CListHost : public CControlHost
{
public:
    CListHost(CCommListCtrl& list, DWORD dwListStyle = kTestListStyle, short cx = 200, short cy = 120);

    CCommListCtrl& m_list;
    // Links clicked, as the list told: (row, column).
    std::vector<std::pair<int, int>> m_linkClicks;

protected:
    afx_msg LRESULT OnLinkClicked(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

// A list whose mouse position the test gives: other programs running at
// the same time move the real pointer.
template <class TList> class CTestCursorList : public TList
{
public:
    BOOL GetCursorScreenPos(POINT* pPoint) const override
    {
        *pPoint = m_ptCursor;
        return TRUE;
    }
    // Places the mouse at a client point.
    void SetCursorAt(CPoint pt)
    {
        this->ClientToScreen(&pt);
        m_ptCursor = pt;
    }
    CPoint m_ptCursor;
};

// Columns named "A", "B", ... of the given widths, and rows of texts.
void AddColumns(CListCtrl& list, std::initializer_list<int> widths);
void AddRows(CListCtrl& list, const std::vector<std::vector<const char*>>& rows);
// The texts of one column, top to bottom, joined by "|".
CString ColumnTexts(CListCtrl& list, int nColumn);

// Client points of a cell and of the list's header items.
CPoint CellCenter(CCommListCtrl& list, int nRow, int nColumn);
// Presses and releases the left button on a column's header item.
void ClickHeader(CListCtrl& list, int nColumn);
// Presses and releases the left button at a client point of the list.
void ClickAt(CWnd& wnd, CPoint pt, UINT nKeys = 0);

// The list's client area as drawn by WM_PRINTCLIENT.
class CClientPixels
{
public:
    explicit CClientPixels(HWND hWnd);
    ~CClientPixels();
    COLORREF At(int x, int y) const;
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    // Pixels of a rectangle that differ from the colour.
    int CountOtherThan(const RECT& rc, COLORREF cr) const;

private:
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    const DWORD* m_pBits = nullptr;
    int m_cx = 0;
    int m_cy = 0;
};

#endif // _WIN32
#endif // TANZO_TESTS_CONTROLS_LISTTESTHOST_H
