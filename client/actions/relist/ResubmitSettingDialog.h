#ifndef TANZO_CLIENT_ACTIONS_RESUBMITSETTINGDIALOG_H
#define TANZO_CLIENT_ACTIONS_RESUBMITSETTINGDIALOG_H

// The common re-listing settings (Windows builds): the way to re-list
// (keep the previous listing's settings, or set them anew) and that way's
// settings in a pane. In its settings mode OK stores what was shown; before
// a re-listing it hands the chosen pane's settings to the job, stored or,
// with "設定を保存しない", for this run only.

#include "afx/Controls.h"
#include "app/BaseDialog.h"
#include "client/actions/relist/ResubmitResourceIds.h"

class CCallbackSink;

class CResubmitSettingDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CResubmitSettingDialog)
public:
    enum
    {
        ModeSettings = 0,
        ModeBeforeResubmit = 1
    };
    enum
    {
        TypeKeepPrevious = 0,
        TypeSetAnew = 1,
        TypeCount = 2
    };

    // Reads the way last chosen.
    explicit CResubmitSettingDialog(int nMode, CWnd* pParentWnd = nullptr);
    // Deletes the panes.
    ~CResubmitSettingDialog() override;

    // The settings of the chosen way's pane, while this object lives; null
    // when that pane was never made.
    CCallbackSink* GetSelectedSettings() const;
    int GetResubmitType() const { return m_nResubmitType; }
    int GetMode() const { return m_nMode; }

protected:
    // Whether a way has a pane to offer; one that has none is greyed.
    virtual BOOL HasPane(int nType) const;
    // Makes the pane of a way (its window not yet).
    virtual BOOL CreatePane(int nType, CBaseDialog*& pWindow, CCallbackSink*& pSettings);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void SetStandardToolTips() override;

    afx_msg void OnTypeClicked(UINT nID);
    afx_msg void OnReset();

    // Makes the pane when it is missing, places it and shows it alone.
    BOOL ShowPane(int nType);

    struct Pane
    {
        CBaseDialog* pWindow = nullptr;
        CCallbackSink* pSettings = nullptr;
    };
    Pane m_panes[TypeCount];
    CStatic m_placeholder;
    CButton m_dontSave;
    int m_nMode;
    int m_nResubmitType;

    DECLARE_MESSAGE_MAP()
};

#endif // TANZO_CLIENT_ACTIONS_RESUBMITSETTINGDIALOG_H
