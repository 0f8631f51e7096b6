#ifndef TANZO_CLIENT_ACTIONS_ADDDESCRIPTIONCONFIRMDIALOG_H
#define TANZO_CLIENT_ACTIONS_ADDDESCRIPTIONCONFIRMDIALOG_H

// The last look at the text before it is added to the items (Windows
// builds): the text shown as HTML, はい or いいえ.

#include "controls/TempHtmlPreviewBaseDialog.h"

class CAddDescriptionConfirmDialog : public CTempHtmlPreviewBaseDialog
{
    DECLARE_DYNAMIC(CAddDescriptionConfirmDialog)
public:
    enum
    {
        DefaultWidth = 800,
        DefaultHeight = 360
    };

    CAddDescriptionConfirmDialog(LPCTSTR text, CWnd* pParentWnd = nullptr);

    LPCTSTR GetPreviewName() override;
    BOOL GetDefaultSize(CSize& size) override;
    void RegisterLayoutControls() override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

#endif // TANZO_CLIENT_ACTIONS_ADDDESCRIPTIONCONFIRMDIALOG_H
