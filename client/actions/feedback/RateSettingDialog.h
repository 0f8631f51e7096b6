#ifndef TANZO_CLIENT_ACTIONS_RATESETTINGDIALOG_H
#define TANZO_CLIENT_ACTIONS_RATESETTINGDIALOG_H

// The rating and comment of a feedback run, asked for with a confirmation,
// and the same dialog as the editor of one rating template (Windows
// builds).

#include "afx/Controls.h"
#include "afx/List.h"
#include "app/BaseDialog.h"
#include "app/CharCountStatic.h"
#include "app/DecorateStatic.h"
#include "client/actions/feedback/RateTargetText.h"
#include "client/actions/shared/TanzoTemplateMenu.h"
#include "controls/CommComboBox.h"
#include "controls/CommEdit.h"
#include "controls/QuestionDialog.h"

class AuctionItem;
class CTanzoDocData;

// The rating templates of one role in the document's set, for the rating
// dialog's template menu.
class CRateTemplateMenu : public CTanzoTemplateMenu
{
public:
    // bAsSeller: the seller's set, else the buyer's.
    CRateTemplateMenu(CTanzoDocData* pDocument, BOOL bAsSeller, CWnd* pOwner = nullptr);
};

class CRateSettingDialog : public CBaseDialog, public CTemplateMenuOwner
{
    DECLARE_DYNAMIC(CRateSettingDialog)
public:
    enum : DWORD
    {
        flagAsSeller = 0x1,
        flagAsBuyer = 0x2,
        flagFeedback = 0x10000,     // the feedback run's form, else a template's
        flagNewTemplate = 0x20000,  // caption of a template being added
        flagEditTemplate = 0x40000, // caption of a template being edited
    };
    enum
    {
        MaxCommentBytes = 254,
        CommentWarningBytes = 200
    };

    CRateSettingDialog(DWORD dwFlags, CWnd* pParentWnd = nullptr);
    ~CRateSettingDialog() override;

    // The items of the run; the caller's.
    void AddTarget(AuctionItem* pItem) { m_targetItems.AddTail(pItem); }
    void SetRateValue(int nValue) { m_nRateValue = nValue; }
    int GetRateValue() const { return m_nRateValue; }
    void SetComment(LPCTSTR lpszComment) { m_strComment = lpszComment; }
    void GetComment(CString& out) const { out = m_strComment; }
    // Whose rating templates the menu offers; null: none.
    void SetDocument(CTanzoDocData* pDocument) { m_pDocument = pDocument; }

    BOOL IsFeedbackForm() const { return (m_dwFlags & flagFeedback) != 0; }
    BOOL IsAsSeller() const { return (m_dwFlags & flagAsSeller) != 0; }
    // The targets' texts joined with ", ".
    void GetTargetsText(CString& out);
    // A template of the selected rating and the comment; null, the comment
    // focused, when it is empty.
    CTemplateStringItem* CreateTemplateFromInput() override;
    // The comment and, when it has one, the rating of a template.
    void ApplyTemplate(const CTemplateStringItem& item) override;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void RegisterLayoutControls() override;
    void UpdateCount();
    int GetSelectedValue();
    LPCTSTR GetCommentKey() const;

    CRateTargetTextConverter m_targetText;
    CRateTemplateMenu m_templateMenu;
    CCharCountStatic m_count;
    CCommEdit m_comment;
    CCommComboBox m_rating;
    CButton m_templateButton;
    CStatic m_targetsLabel;
    CButton m_targetsButton;
    CCommEdit m_targets;
    DWORD m_dwFlags;
    int m_nRateValue;
    CString m_strComment;
    CTypedPtrList<CPtrList, AuctionItem*> m_targetItems;
    CTanzoDocData* m_pDocument;

    DECLARE_MESSAGE_MAP()
};

// Asks whether the rating, targets and comment shown are meant.
class CRateConfirmDialog : public CQuestionDialog
{
public:
    CRateConfirmDialog(LPCTSTR rating, LPCTSTR targets, LPCTSTR comment, CWnd* pParentWnd = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

protected:
    void RegisterLayoutControls() override;

    CDecorateStatic m_rating;
    CDecorateStatic m_targets;
    CDecorateStatic m_comment;
    CString m_strRating, m_strTargets, m_strComment;
};

#endif // TANZO_CLIENT_ACTIONS_RATESETTINGDIALOG_H
