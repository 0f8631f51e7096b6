#ifndef TANZO_CLIENT_ACTIONS_ADDDESCRIPTIONDIALOG_H
#define TANZO_CLIENT_ACTIONS_ADDDESCRIPTIONDIALOG_H

// The text added to the descriptions of items on sale (Windows builds): a
// text page and its HTML preview. In mode 0 the text goes to the job, after
// a confirmation, and comes back at the next opening; in modes 1 and 2 the
// dialog adds or edits a template and asks nothing.

#include "afx/String.h"
#include "app/TabbedDialog.h"
#include "client/actions/shared/TanzoTemplateMenu.h"
#include "client/actions/updates/AddDescriptionResourceIds.h"
#include "client/actions/updates/DescriptionAdditionSink.h"
#include "controls/ControlsResourceIds.h"

class CAddDescriptionTextPage;
class CAddDescriptionPreviewPage;

class CAddDescriptionDialog : public CTabbedDialog, public CTemplateMenuOwner
{
    DECLARE_DYNAMIC(CAddDescriptionDialog)
public:
    enum
    {
        ModeAddToItems = 0,
        ModeAddTemplate = 1,
        ModeEditTemplate = 2
    };
    enum
    {
        DefaultWidth = 750,
        DefaultHeight = 350
    };

    CAddDescriptionDialog(CWnd* pParentWnd, int nMode);

    int GetMode() const { return m_nMode; }
    void SetText(LPCTSTR text) { m_strText = text; }
    const CString& GetText() const { return m_strText; }
    // What the job writes into each item's form: the text taken on OK.
    CDescriptionAdditionSink& GetSettingsPane() { return m_settings; }

    // The text page's text, the dialog's before the page exists.
    CString GetEditedText() const;
    // Puts a text into the text page, refreshing the preview when it shows.
    void InsertText(LPCTSTR text);
    // The 定型文 menu over the document's templates of additions.
    CTanzoTemplateMenu& GetTemplateMenu() { return m_templateMenu; }

    CTemplateStringItem* CreateTemplateFromInput() override;
    void ApplyTemplate(const CTemplateStringItem& item) override;

protected:
    void AddPages() override;
    BOOL OnInitDialog() override;
    void RegisterLayoutControls() override;
    void OnOK() override;
    void ShowSelectedPage(BOOL bPostActivate) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The user agrees to add the text to the items; tests answer here.
    virtual BOOL ConfirmAddition(const CString& text);

private:
    int m_nMode;
    CString m_strText;
    CDescriptionAdditionSink m_settings;
    CTanzoTemplateMenu m_templateMenu;
    CAddDescriptionTextPage* m_pTextPage;
    CAddDescriptionPreviewPage* m_pPreviewPage;
};

#endif // TANZO_CLIENT_ACTIONS_ADDDESCRIPTIONDIALOG_H
