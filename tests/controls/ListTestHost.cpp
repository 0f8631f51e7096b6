#ifdef _WIN32
#include "ListTestHost.h"

#include "afx/WinApp.h"

#include <cstring>

namespace
{
void PushWide(std::vector<WORD>& words, const wchar_t* text)
{
    do
        words.push_back((WORD)*text);
    while (*text++ != L'\0');
}

void AlignDword(std::vector<WORD>& words)
{
    if (words.size() % 2 != 0)
        words.push_back(0);
}

void PushDword(std::vector<WORD>& words, DWORD dw)
{
    words.push_back(LOWORD(dw));
    words.push_back(HIWORD(dw));
}
} // namespace

BEGIN_MESSAGE_MAP(CListHost, CControlHost)
ON_MESSAGE(WM_LIST_LINKCLICKED, OnLinkClicked)
END_MESSAGE_MAP()

CControlHost::CControlHost(CWnd& control, const wchar_t* pszClass, DWORD dwStyle, short cx, short cy)
    : m_control(control)
{
    // DLGTEMPLATE, then menu, class, title and font; one item, DWORD aligned.
    PushDword(m_template, DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    PushDword(m_template, 0);
    m_template.push_back(1);
    m_template.push_back(10);
    m_template.push_back(10);
    m_template.push_back((WORD)(cx + 8));
    m_template.push_back((WORD)(cy + 8));
    m_template.push_back(0);
    m_template.push_back(0);
    PushWide(m_template, L"コントロールのテスト");
    m_template.push_back(9);
    PushWide(m_template, L"MS UI Gothic");
    AlignDword(m_template);
    PushDword(m_template, dwStyle);
    PushDword(m_template, 0);
    m_template.push_back(4);
    m_template.push_back(4);
    m_template.push_back((WORD)cx);
    m_template.push_back((WORD)cy);
    m_template.push_back(IDC_TEST_CONTROL);
    PushWide(m_template, pszClass);
    m_template.push_back(0);
    m_template.push_back(0);
}

CListHost::CListHost(CCommListCtrl& list, DWORD dwListStyle, short cx, short cy)
    : CControlHost(list, L"SysListView32", dwListStyle, cx, cy), m_list(list)
{
}

CControlHost::~CControlHost()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CControlHost::Open(CWnd* pParent)
{
    AfxInitCommonControls();
    if (!CreateIndirect((LPCDLGTEMPLATE)m_template.data(), pParent))
        return FALSE;
    // Shown without taking the foreground from other programs' tests.
    ShowWindow(SW_SHOWNOACTIVATE);
    UpdateWindow();
    return TRUE;
}

void CControlHost::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEST_CONTROL, m_control);
}

LRESULT CListHost::OnLinkClicked(WPARAM wParam, LPARAM lParam)
{
    m_linkClicks.emplace_back((int)wParam, (int)lParam);
    return 0;
}

void AddColumns(CListCtrl& list, std::initializer_list<int> widths)
{
    char name[2] = "A";
    int nColumn = 0;
    for (int nWidth : widths)
    {
        list.InsertColumn(nColumn++, name, LVCFMT_LEFT, nWidth);
        ++name[0];
    }
}

void AddRows(CListCtrl& list, const std::vector<std::vector<const char*>>& rows)
{
    for (const auto& row : rows)
    {
        int nRow = list.InsertItem(list.GetItemCount(), row[0]);
        for (size_t i = 1; i < row.size(); ++i)
            list.SetItemText(nRow, (int)i, row[i]);
    }
}

CString ColumnTexts(CListCtrl& list, int nColumn)
{
    CString strTexts;
    for (int nRow = 0; nRow < list.GetItemCount(); ++nRow)
    {
        if (nRow > 0)
            strTexts += "|";
        strTexts += list.GetItemText(nRow, nColumn);
    }
    return strTexts;
}

CPoint CellCenter(CCommListCtrl& list, int nRow, int nColumn)
{
    CRect rc;
    EXPECT_TRUE(list.GetCellRect(nRow, nColumn, LVIR_BOUNDS, &rc)) << nRow << "," << nColumn;
    return rc.CenterPoint();
}

void ClickHeader(CListCtrl& list, int nColumn)
{
    HWND hHeader = (HWND)list.SendMessage(LVM_GETHEADER);
    ASSERT_NE(nullptr, hHeader);
    CRect rc;
    ASSERT_TRUE(::SendMessageA(hHeader, HDM_GETITEMRECT, nColumn, (LPARAM)&rc));
    LPARAM lParam = MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y);
    ::SendMessageA(hHeader, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    ::SendMessageA(hHeader, WM_LBUTTONUP, 0, lParam);
    PumpPending();
}

void ClickAt(CWnd& wnd, CPoint pt, UINT nKeys)
{
    LPARAM lParam = MAKELPARAM(pt.x, pt.y);
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | nKeys, lParam);
    wnd.SendMessage(WM_LBUTTONUP, nKeys, lParam);
    PumpPending();
}

CClientPixels::CClientPixels(HWND hWnd)
{
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    m_cx = rc.right;
    m_cy = rc.bottom;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = m_cx;
    bmi.bmiHeader.biHeight = -m_cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    m_hDC = ::CreateCompatibleDC(nullptr);
    m_hBitmap = ::CreateDIBSection(m_hDC, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    m_pBits = (const DWORD*)pBits;
    m_hOld = ::SelectObject(m_hDC, m_hBitmap);
    ::SendMessageA(hWnd, WM_PRINTCLIENT, (WPARAM)m_hDC, PRF_CLIENT | PRF_ERASEBKGND);
    ::GdiFlush();
}

CClientPixels::~CClientPixels()
{
    ::SelectObject(m_hDC, m_hOld);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

COLORREF CClientPixels::At(int x, int y) const
{
    if (m_pBits == nullptr || x < 0 || y < 0 || x >= m_cx || y >= m_cy)
        return CLR_INVALID;
    DWORD px = m_pBits[y * m_cx + x];
    return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
}

int CClientPixels::CountOtherThan(const RECT& rc, COLORREF cr) const
{
    int nCount = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
    {
        for (int x = rc.left; x < rc.right; ++x)
        {
            if (At(x, y) != cr)
                ++nCount;
        }
    }
    return nCount;
}
#endif // _WIN32
