#include "client/actions/updates/FeaturedAmountDialog.h"

#include "afx/DataExchange.h"
#include "afx/MessageBox.h"
#include "client/actions/updates/FeaturedAmountPageReaders.h"
#include "client/actions/updates/FeaturedAmountResourceIds.h"

namespace
{
const char kAmountKey[] = "FeaturedAmount";
}

IMPLEMENT_DYNAMIC(CFeaturedAmountDialog, CBaseDialog)

CFeaturedAmountDialog::CFeaturedAmountDialog(CWnd* pParentWnd)
    : CBaseDialog(IDD_FEATURED_AMOUNT, pParentWnd, IDH_FEATURED_AMOUNT), m_nAmount(FeaturedAmountDefault)
{
    m_nAmount = GetSettingInt(kAmountKey, FeaturedAmountDefault);
}

void CFeaturedAmountDialog::DoDataExchange(CDataExchange* pDX)
{
    CBaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FEATURED_HINT, m_hint);
    DDX_Control(pDX, IDC_FEATURED_AMOUNT, m_amountEdit);
}

BOOL CFeaturedAmountDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_amountEdit.SetDigitLimit(FeaturedAmountDigits);
    m_amountEdit.SetValue(ClampFeaturedAmount(m_nAmount));
    AddToolTipById(IDC_FEATURED_AMOUNT, IDS_AMOUNT_TIP);
    return TRUE;
}

void CFeaturedAmountDialog::OnOK()
{
    // No digits read as 0, below the range.
    const LONGLONG nValue = m_amountEdit.GetValue();
    if (nValue < FeaturedAmountMin || nValue > FeaturedAmountMax)
    {
        CString message;
        message.FormatMessage(IDS_NUMBER_OUT_OF_RANGE, (int)FeaturedAmountMin, (int)FeaturedAmountMax);
        AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
        GotoDlgCtrl(&m_amountEdit);
        m_amountEdit.SetSel(0, -1);
        return;
    }
    CString question;
    question.FormatMessage(IDS_CONFIRM_AMOUNT, (int)nValue);
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    m_nAmount = (int)nValue;
    WriteSettingInt(kAmountKey, m_nAmount);
    CBaseDialog::OnOK();
}
