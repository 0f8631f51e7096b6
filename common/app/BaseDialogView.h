#ifndef TANZO_APP_BASEDIALOGVIEW_H
#define TANZO_APP_BASEDIALOGVIEW_H

// A view that shows one CBaseDialog as a child filling it (Windows
// builds). The dialog is hosted: Enter and Esc in it never end it.

#include "afx/View.h"

class CBaseDialog;

class CBaseDialogView : public CView
{
    DECLARE_DYNAMIC(CBaseDialogView)
public:
    CBaseDialogView() = default;
    ~CBaseDialogView() override;

    // The dialog to host, made on the heap; the view deletes it. Its
    // template must make a child window.
    virtual CBaseDialog* CreateHostedDialog() = 0;
    void OnDraw(CDC* pDC) override;

    CBaseDialog* GetHostedDialog() const { return m_pDialog; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();

    CBaseDialog* m_pDialog = nullptr;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_APP_BASEDIALOGVIEW_H
