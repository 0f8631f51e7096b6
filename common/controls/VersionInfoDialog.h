#ifndef TANZO_CONTROLS_VERSIONINFODIALOG_H
#define TANZO_CONTROLS_VERSIONINFODIALOG_H

// CVersionInfoDialog: the program's version dialog (template 509, Windows
// builds): the application's icon, its name and version in a read-only
// edit that can be copied, the product's web address as a link, and the
// notice line with the years from the first to the current one.

#include "afx/Controls.h"
#include "app/BaseDialog.h"
#include "app/URLStatic.h"
#include "controls/CommEdit.h"
#include "controls/ControlsResourceIds.h"

class CVersionInfoDialog : public CBaseDialog
{
public:
    explicit CVersionInfoDialog(CWnd* pParentWnd = nullptr, UINT nIDTemplate = IDD_VERSION_INFO,
                                UINT nHelpId = 0, UINT nSettingsId = 0);
    ~CVersionInfoDialog() override;

    // The year the notice starts at (below 1: the current year).
    void SetFirstYear(int nYear) { m_nFirstYear = nYear; }
    // The year it ends at, 1 or more; else the year of now.
    void SetCurrentYear(int nYear) { m_nCurrentYear = nYear; }

    BOOL OnInitDialog() override;
    void SetStandardToolTips() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    CStatic m_icon;
    CCommEdit m_versionLine;
    CURLStatic m_webAddress;
    CStatic m_notice;
    int m_nFirstYear = 0;
    int m_nCurrentYear = 0;
};

#endif // TANZO_CONTROLS_VERSIONINFODIALOG_H
