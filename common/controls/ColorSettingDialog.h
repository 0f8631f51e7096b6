#ifndef TANZO_CONTROLS_COLORSETTINGDIALOG_H
#define TANZO_CONTROLS_COLORSETTINGDIALOG_H

// The base of a colour settings dialog (Windows builds): one colour combo
// per row, each with an "other" entry whose colour the dialog remembers in
// its profile section under the row's key. The derived dialog names each
// row's combo and key; the caller sets the rows' colours before DoModal
// and reads them after OK.

#include "app/BaseDialog.h"
#include "controls/ColorCombo.h"

#include <memory>
#include <vector>

class CColorSettingDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CColorSettingDialog)
public:
    CColorSettingDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0);
    ~CColorSettingDialog() override;

    // The control id of a row's combo, 0 for none.
    virtual UINT GetComboId(int nRow) = 0;
    // The key of a row's remembered other colour, empty for none.
    virtual CString GetProfileKey(int nRow) = 0;
    virtual BOOL UseLightShade(int nRow);
    virtual UINT GetToolTipId(int nRow);
    // The derived dialog sets its default colours here.
    virtual void OnResetColors();

    // 0 empties the rows.
    void SetRowCount(int nCount);
    int GetRowCount() const { return (int)m_colors.size(); }
    void SetColor(int nRow, COLORREF c);
    // -1 outside the rows.
    COLORREF GetColor(int nRow) const;
    // The row's combo, null when it has none.
    CColorCombo* GetCombo(int nRow);

    // The colour dialog for the row, from its selected colour; the chosen
    // colour becomes the row's other colour. TRUE on OK.
    BOOL ChooseOtherColor(int nRow);
    // The defaults again, in every combo.
    void ResetColors();

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void SetStandardToolTips() override;

protected:
    void OnOK() override;
    afx_msg void OnDestroy();

    std::vector<std::unique_ptr<CColorCombo>> m_combos;
    std::vector<COLORREF> m_colors;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CONTROLS_COLORSETTINGDIALOG_H
