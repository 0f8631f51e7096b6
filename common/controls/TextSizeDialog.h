#ifndef TANZO_CONTROLS_TEXTSIZEDIALOG_H
#define TANZO_CONTROLS_TEXTSIZEDIALOG_H

// CTextSizeDialog: choosing a text size from a list (IDC_TEXT_SIZE_LIST)
// with a framed sample in that size (IDC_TEXT_SIZE_SAMPLE) and a button
// that goes back to the default (IDC_TEXT_SIZE_RESET) (Windows builds). The
// derived dialog names the sizes and their point sizes.

#include "app/BaseDialog.h"
#include "app/DecorateStatic.h"
#include "controls/CommComboBox.h"

// The sample: black on white in a grey frame.
class CTextSizeSample : public CDecorateStatic
{
public:
    CTextSizeSample();
};

class CTextSizeDialog : public CBaseDialog
{
public:
    CTextSizeDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0, UINT nSettingsId = 0);
    ~CTextSizeDialog() override;

    void SetSelection(int nIndex) { m_nSelection = nIndex; }
    int GetSelection() const { return m_nSelection; }

    BOOL OnInitDialog() override;

protected:
    // Puts the default selection back (SetSelection).
    virtual void OnReset();
    // A format with two %s, the application's title and the version; 0:
    // the template's sample text.
    virtual UINT GetSampleFormatId();
    // The string ids of the size names, ended by 0; null: none.
    virtual const UINT* GetSizeListId();
    // Accepts, and may correct, an index of the list.
    virtual BOOL MapSelection(int& nIndex);
    // Tenths of a point of an index; FALSE when it has none.
    virtual BOOL GetPointSize(int nIndex, int& nTenths);

    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    // The sample shows the size chosen in the list.
    void ShowChosenSize();

    afx_msg void OnSizeChanged();
    afx_msg void OnResetClicked();
    DECLARE_MESSAGE_MAP()

    CCommComboBox m_combo;
    CTextSizeSample m_sample;
    int m_nSelection = 0;
};

#endif // TANZO_CONTROLS_TEXTSIZEDIALOG_H
