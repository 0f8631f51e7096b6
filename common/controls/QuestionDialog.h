#ifndef TANZO_CONTROLS_QUESTIONDIALOG_H
#define TANZO_CONTROLS_QUESTIONDIALOG_H

// CQuestionDialog: a yes/no question with the system's question icon in
// the template's first static (Windows builds). No answers by default
// (the focus starts on Cancel, id 2) and the system menu cannot close it;
// Escape answers IDCANCEL.

#include "afx/Controls.h"
#include "app/BaseDialog.h"
#include "app/DecorateStatic.h"

// The text of a question: bold and word-wrapped, with margins of 2.
class CNoteStatic : public CDecorateStatic
{
public:
    CNoteStatic()
    {
        AddStyleBits(styleBold);
        AddOptions(optionMultiLine);
        SetMargins(2);
    }
};

class CQuestionDialog : public CBaseDialog
{
public:
    CQuestionDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0, UINT nSettingsId = 0);
    ~CQuestionDialog() override;

    BOOL OnInitDialog() override;
    void AdjustSystemMenu(CMenu* pSystemMenu) override;

protected:
    CStatic m_icon;
};

#endif // TANZO_CONTROLS_QUESTIONDIALOG_H
