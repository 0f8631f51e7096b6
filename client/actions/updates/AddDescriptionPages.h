#ifndef TANZO_CLIENT_ACTIONS_ADDDESCRIPTIONPAGES_H
#define TANZO_CLIENT_ACTIONS_ADDDESCRIPTIONPAGES_H

// The pages of the description-addition dialog (Windows builds): the text
// and its preview as HTML.

#include "afx/String.h"
#include "app/TabbedPage.h"
#include "client/actions/updates/AddDescriptionResourceIds.h"
#include "controls/CommEdit.h"
#include "controls/TempHtmlPreviewBasePage.h"

class CAddDescriptionTextPage : public CTabbedPage
{
    DECLARE_DYNAMIC(CAddDescriptionTextPage)
public:
    enum
    {
        TextByteLimit = 50999,
    };

    explicit CAddDescriptionTextPage(CWnd* pParentWnd = nullptr);

    void GetTitle(CString& strTitle) override;
    // The edit's text while the page exists, else the one it starts with.
    CString GetText() const;
    void SetText(LPCTSTR text);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void RegisterLayoutControls() override;

    CCommEdit m_edit;
    CString m_strText;
};

class CAddDescriptionPreviewPage : public CTempHtmlPreviewBasePage
{
    DECLARE_DYNAMIC(CAddDescriptionPreviewPage)
public:
    explicit CAddDescriptionPreviewPage(CWnd* pParentWnd = nullptr);

    void GetTitle(CString& strTitle) override;
    LPCTSTR GetPreviewName() override;
    // The preview of the text, shown at once when the page exists.
    void ShowText(LPCTSTR text);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

#endif // TANZO_CLIENT_ACTIONS_ADDDESCRIPTIONPAGES_H
