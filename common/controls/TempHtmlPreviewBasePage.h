#ifndef TANZO_CONTROLS_TEMPHTMLPREVIEWBASEPAGE_H
#define TANZO_CONTROLS_TEMPHTMLPREVIEWBASEPAGE_H

// CTempHtmlPreviewBasePage: a tab page that shows HTML through a temporary
// file, as the preview dialog does (Windows builds). The derived page
// gives the template and binds the two statics below in DoDataExchange;
// when its tab shows, the browser gets the focus.

#include "afx/Controls.h"
#include "app/TabbedPage.h"
#include "controls/TempHtmlPreviewHost.h"

class CTempHtmlPreviewBasePage : public CTabbedPage, public CTempHtmlPreviewHost
{
    DECLARE_DYNAMIC(CTempHtmlPreviewBasePage)
public:
    explicit CTempHtmlPreviewBasePage(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0,
                                      UINT nSettingsId = 0);

    virtual BOOL ShowPreview();
    virtual LPCTSTR GetPreviewName();
    virtual UINT GetPreviewCtrlId();
    virtual void RefreshPreview();

    BOOL OnInitDialog() override;
    void RegisterLayoutControls() override;
    void OnSetInitialFocus() override;

protected:
    CDecorateStatic m_statusStatic;
    CStatic m_placeholder;

private:
    void CreatePreviewFrame();
};

#endif // TANZO_CONTROLS_TEMPHTMLPREVIEWBASEPAGE_H
