#ifndef TANZO_AFX_COLORDIALOG_H
#define TANZO_AFX_COLORDIALOG_H

// CColorDialog: the system's colour dialog (Windows builds). m_cc is
// handed to ChooseColor as it is; its custom colours are the shared array
// of GetSavedCustomColors unless the caller gives its own.

#include "afx/Dialog.h"

#include <commdlg.h>

class CColorDialog : public CDialog
{
    DECLARE_DYNAMIC(CColorDialog)
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    // IDOK with the chosen colour in m_cc.rgbResult, else IDCANCEL.
    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF clr);
    // Sixteen colours kept for the program's run.
    static COLORREF* GetSavedCustomColors();

    CHOOSECOLORA m_cc;
};

#endif // TANZO_AFX_COLORDIALOG_H
