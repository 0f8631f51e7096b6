#ifndef TANZO_AUCTION_ITEMCONDITIONDIALOG_H
#define TANZO_AUCTION_ITEMCONDITIONDIALOG_H

// CItemConditionDialog: the base of the dialog that sets an item's
// condition and its comment, with the comments used before offered again
// (Windows builds). The client supplies the template, the list of
// conditions and its texts.

#include "app/BaseDialog.h"
#include "auction/records/AuctionResourceIds.h"
#include "auction/records/ItemCondition.h"
#include "controls/CommComboBox.h"

class CItemConditionDialog : public CBaseDialog
{
    DECLARE_DYNAMIC(CItemConditionDialog)
public:
    // Controls of the template.
    enum
    {
        CommentBytes = 30,
        CommentHistoryCount = 10,
    };

    CItemConditionDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nHelpId = 0);
    ~CItemConditionDialog() override;

    void SetCondition(const CItemCondition& condition) { m_condition = condition; }
    const CItemCondition& GetCondition() const { return m_condition; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // The combo's position of a code (-1 when the list lacks it), and back.
    virtual int IndexFromCondition(int nCode) = 0;
    virtual int ConditionFromIndex(int nIndex) = 0;
    // A string resource with the combo's texts, one per line.
    virtual UINT GetConditionListTextId() = 0;
    // The code wants a comment and there is none.
    virtual void NotifyCommentRequired();
    // The question to ask before storing the code (and comment); FALSE, or
    // an empty text, for none.
    virtual BOOL GetConfirmText(int nCode, BOOL bHasComment, CString& strText);

    CItemCondition m_condition;
    CCommComboBox m_conditionCombo;
    CCommComboBox m_commentCombo;
};

#endif // TANZO_AUCTION_ITEMCONDITIONDIALOG_H
