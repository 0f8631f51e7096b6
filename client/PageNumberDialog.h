#ifndef TANZO_CLIENT_PAGENUMBERDIALOG_H
#define TANZO_CLIENT_PAGENUMBERDIALOG_H

// CPageNumberDialog: asks for a page of the current list (dialog 156,
// Windows builds), from 1 to the list's page count.

#include "afx/CommonControls.h"
#include "app/BaseDialog.h"
#include "controls/NumberEdit.h"

class CPageNumberDialog : public CBaseDialog
{
public:
    explicit CPageNumberDialog(CWnd* pParentWnd = nullptr);
    ~CPageNumberDialog() override;

    void SetCurrentPage(int nPage) { m_nCurrentPage = nPage; }
    int GetCurrentPage() const { return m_nCurrentPage; }
    void SetMaxPage(int nMaxPage) { m_nMaxPage = nMaxPage; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // An empty or out-of-range number keeps the dialog open.
    void OnOK() override;

    CStatic m_range;
    CSpinButtonCtrl m_spin;
    CDigitEdit m_edit;
    int m_nCurrentPage = 1;
    int m_nMaxPage = 1;
};

#endif // TANZO_CLIENT_PAGENUMBERDIALOG_H
