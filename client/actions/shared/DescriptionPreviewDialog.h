#ifndef TANZO_CLIENT_ACTIONS_DESCRIPTIONPREVIEWDIALOG_H
#define TANZO_CLIENT_ACTIONS_DESCRIPTIONPREVIEWDIALOG_H

// A description shown as the service would show it (Windows builds):
// the text as HTML in the browser, 閉じる to end.

#include "controls/TempHtmlPreviewBaseDialog.h"

class CDescriptionPreviewDialog : public CTempHtmlPreviewBaseDialog
{
    DECLARE_DYNAMIC(CDescriptionPreviewDialog)
public:
    enum
    {
        DefaultWidth = 780,
        DefaultHeight = 600
    };

    // A null text shows an empty preview.
    explicit CDescriptionPreviewDialog(LPCTSTR text, CWnd* pParentWnd = nullptr);

    BOOL GetDefaultSize(CSize& size) override;
    // Tells the user when the temporary file cannot be made.
    BOOL ShowPreview() override;
    LPCTSTR GetPreviewName() override;
    void RegisterLayoutControls() override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

#endif // TANZO_CLIENT_ACTIONS_DESCRIPTIONPREVIEWDIALOG_H
