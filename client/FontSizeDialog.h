#ifndef TANZO_CLIENT_FONTSIZEDIALOG_H
#define TANZO_CLIENT_FONTSIZEDIALOG_H

// The text size of lists and edits (dialog 272; Windows builds): the seven
// sizes of the options, the sample in the chosen one.

#include "controls/TextSizeDialog.h"

class CFontSizeDialog : public CTextSizeDialog
{
public:
    explicit CFontSizeDialog(CWnd* pParentWnd = nullptr);
    ~CFontSizeDialog() override;

    void SetStandardToolTips() override;

protected:
    void OnReset() override;
    UINT GetSampleFormatId() override;
    const UINT* GetSizeListId() override;
    BOOL MapSelection(int& nIndex) override;
    // The sample also takes the row's size.
    BOOL GetPointSize(int nIndex, int& nTenths) override;
};

#endif // TANZO_CLIENT_FONTSIZEDIALOG_H
