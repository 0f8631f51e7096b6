#ifndef TANZO_CONTROLS_TEMPHTMLPREVIEWBASEDIALOG_H
#define TANZO_CONTROLS_TEMPHTMLPREVIEWBASEDIALOG_H

// CTempHtmlPreviewBaseDialog: a dialog that shows HTML the program makes
// or receives (Windows builds). The derived dialog gives the template and
// binds the two statics below to its controls in DoDataExchange; the
// browser takes the placeholder's place when the dialog starts and shows
// the host's HTML through a temporary file.

#include "afx/Controls.h"
#include "afx/Rect.h"
#include "app/BaseDialog.h"
#include "controls/TempHtmlPreviewHost.h"

class CTempHtmlPreviewBaseDialog : public CBaseDialog, public CTempHtmlPreviewHost
{
    DECLARE_DYNAMIC(CTempHtmlPreviewBaseDialog)
public:
    CTempHtmlPreviewBaseDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nSettingsId = 0);

    // The size the dialog opens at; FALSE (the base) for the template's.
    virtual BOOL GetDefaultSize(CSize& size);
    // Writes the HTML and shows it.
    virtual BOOL ShowPreview();
    // The name in the temporary file's name.
    virtual LPCTSTR GetPreviewName();
    // The control id of the browser.
    virtual UINT GetPreviewCtrlId();
    virtual void RefreshPreview();
    // The browser could not be made: the dialog goes on without one.
    virtual void OnCreateFrameFailed();

    BOOL OnInitDialog() override;
    void RegisterLayoutControls() override;
    void AdjustSystemMenu(CMenu* pSystemMenu) override;

protected:
    // The static under the browser for link addresses, and the placeholder
    // whose place the browser takes.
    CDecorateStatic m_statusStatic;
    CStatic m_placeholder;

private:
    void CreatePreviewFrame();
};

#endif // TANZO_CONTROLS_TEMPHTMLPREVIEWBASEDIALOG_H
