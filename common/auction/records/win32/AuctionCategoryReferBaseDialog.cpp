#include "auction/records/AuctionCategoryReferBaseDialog.h"

#include "controls/HtmlFrame.h"

IMPLEMENT_DYNAMIC(CAuctionCategoryReferBaseDialog, CTabbedDialog)

BEGIN_MESSAGE_MAP(CAuctionCategoryReferBaseDialog, CTabbedDialog)
ON_LBN_SELCHANGE(IDC_CATEGORY_HISTORY, OnHistorySelChange)
ON_LBN_DBLCLK(IDC_CATEGORY_HISTORY, OnHistoryDoubleClick)
ON_BN_CLICKED(IDC_CATEGORY_CLEAR, OnClearHistory)
ON_COMMAND(IDC_CATEGORY_BACK, OnBack)
ON_COMMAND(IDC_CATEGORY_FORWARD, OnForward)
END_MESSAGE_MAP()

CAuctionCategoryReferBaseDialog::CAuctionCategoryReferBaseDialog(UINT nIDTemplate, UINT nIDTabCtrl,
                                                                 CWnd* pParentWnd, UINT nHelpId,
                                                                 UINT nSettingsId)
    : CTabbedDialog(nIDTemplate, nIDTabCtrl, pParentWnd, nHelpId, nSettingsId)
{
}

CAuctionCategoryReferBaseDialog::~CAuctionCategoryReferBaseDialog() {}

CHtmlFrame* CAuctionCategoryReferBaseDialog::GetBrowserFrame()
{
    return nullptr;
}

BOOL CAuctionCategoryReferBaseDialog::OnInitDialog()
{
    CTabbedDialog::OnInitDialog();
    UpdateCategoryButtons();
    return TRUE;
}

void CAuctionCategoryReferBaseDialog::ClearCategoryList(CListBox* pList)
{
    if (!ConfirmClearCategories())
        return;
    if (pList != nullptr && pList->GetSafeHwnd() != nullptr)
        pList->ResetContent();
    m_categories.ClearCount(GetSettingsId());
    UpdateCategoryButtons();
}

void CAuctionCategoryReferBaseDialog::UpdateCategoryButtons()
{
    const BOOL bSelected = m_historyList.GetSafeHwnd() != nullptr && m_historyList.GetCurSel() != LB_ERR;
    for (CButton& button : m_selectionButtons)
    {
        if (button.GetSafeHwnd() != nullptr)
            button.EnableWindow(bSelected);
    }
}

void CAuctionCategoryReferBaseDialog::OnHistorySelChange()
{
    UpdateCategoryButtons();
}

void CAuctionCategoryReferBaseDialog::OnHistoryDoubleClick()
{
    OnOK();
}

void CAuctionCategoryReferBaseDialog::OnClearHistory()
{
    ClearCategoryList(&m_historyList);
}

void CAuctionCategoryReferBaseDialog::OnBack()
{
    CHtmlFrame* pFrame = GetBrowserFrame();
    if (pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr)
        pFrame->GoBack();
}

void CAuctionCategoryReferBaseDialog::OnForward()
{
    CHtmlFrame* pFrame = GetBrowserFrame();
    if (pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr)
        pFrame->GoForward();
}
