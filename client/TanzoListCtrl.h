#ifndef TANZO_CLIENT_TANZOLISTCTRL_H
#define TANZO_CLIENT_TANZOLISTCTRL_H

// CTanzoListCtrl: the list of an item page (Windows builds). Its page
// decides the columns; the list adds the page's context menu, the paid
// options' highlighted rows and bold titles on the selling page, the
// number of selected rows in the status bar and the hover texts there.

#include "client/TanzoAItemBaseListCtrl.h"

#include <utility>
#include <vector>

class CTanzoTabbedPage;

class CTanzoListCtrl : public CTanzoAItemBaseListCtrl
{
    DECLARE_DYNAMIC(CTanzoListCtrl)
public:
    enum
    {
        optionPaidOptions = 0x1 // highlighted rows, bold titles
    };
    // The background of a highlighted row, and of one that is selected.
    static const COLORREF kHighlightColor = 0x99FFFF;
    static const COLORREF kHighlightSelectedColor = 0x81E7E7;

    CTanzoListCtrl();
    ~CTanzoListCtrl() override;

    COLORREF GetCellBkColor(int nRow, int nColumn, BOOL bSelected) override;
    int GetCellStyle(int nRow, int nColumn, BOOL bSelected) override;
    int GetColumnKind(int nColumn) override;
    int GetKindColumn(int nKind) override;
    CListCellMenu* CreateCellMenu() override;
    void ShowHoverText(LPCTSTR lpszText) override;
    // Not while the status bar shows a notice of its own.
    void OnHover(CPoint point) override;
    BOOL IsAlwaysResortKind(int nKind) override;

    void SetOptions(DWORD dwBits) { m_dwOptions |= dwBits; }
    BOOL TestOptions(DWORD dwBits) const { return (m_dwOptions & dwBits) != 0; }
    // The page the list lies on, null when its parent is none.
    CTanzoTabbedPage* GetPage() const;
    // The field kind of each column, kept by the list once its columns are
    // in: every cell drawn asks for its column's. Inserting or deleting a
    // column forgets them, and the page is asked again until they are set.
    void SetColumnKinds(std::vector<int> kinds) { m_columnKinds = std::move(kinds); }

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);

    DWORD m_dwOptions = 0;
    std::vector<int> m_columnKinds;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_TANZOLISTCTRL_H
