#ifndef TANZO_CLIENT_TANZORESUBMITCONFIRMLISTCTRL_H
#define TANZO_CLIENT_TANZORESUBMITCONFIRMLISTCTRL_H

// CTanzoResubmitConfirmListCtrl: the items about to be re-listed, in the
// re-listing confirmation dialog (Windows builds). The rows own copies of
// the items. The dialog around it is reached through CTanzoListParent: it
// shows the hover texts and the find's results in its status line, owns
// the pop-up menu's commands and says which of them can run.

#include "client/FindController.h"
#include "client/TanzoAItemBaseListCtrl.h"

class CTanzoListParent;

class CTanzoResubmitConfirmListCtrl : public CTanzoAItemBaseListCtrl
{
    DECLARE_DYNAMIC(CTanzoResubmitConfirmListCtrl)
public:
    CTanzoResubmitConfirmListCtrl();
    ~CTanzoResubmitConfirmListCtrl() override;

    int GetColumnKind(int nColumn) override;
    int GetKindColumn(int nKind) override;
    CListCellMenu* CreateCellMenu() override;
    void ShowHoverText(LPCTSTR lpszText) override;

    // Ctrl+F, F3 and Shift+F3 over the rows.
    CFindController& GetFind() { return m_find; }
    // The dialog that holds the list, when it offers the interface.
    CTanzoListParent* GetListParent() const;

protected:
    class CRowFind : public CFindController
    {
    public:
        explicit CRowFind(CTanzoResubmitConfirmListCtrl& list) : m_list(list) {}
        BOOL FindText(LPCTSTR lpszText, BOOL bMatchCase, BOOL bUpward, int nStartRow) override;
        void ShowFindStatus(LPCTSTR lpszText) override;

    protected:
        COptionSettings* GetOptions() override;

    private:
        CTanzoResubmitConfirmListCtrl& m_list;
    };

    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);

    CRowFind m_find{*this};

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_TANZORESUBMITCONFIRMLISTCTRL_H
