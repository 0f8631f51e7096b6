#include "client/RunOperationDialog.h"

#include "app/ChoiceMessageDialog.h"
#include "auction/operations/OperationPageReaders.h"
#include "auction/operations/OperationResourceIds.h"
#include "auction/settings/SubmitPayEasyTradingSettings.h"
#include "client/TanzoOperation.h"

IMPLEMENT_DYNAMIC(CRunOperationDialog, CPrepareProgressDialog)

CRunOperationDialog::CRunOperationDialog(CTanzoOperation* pOperation, CWnd* pParentWnd)
    : CPrepareProgressDialog(IDD_PREPARE_PROGRESS, pOperation, pParentWnd)
{
}

CRunOperationDialog::~CRunOperationDialog() {}

BOOL CRunOperationDialog::GetMessageLink(UINT nID, CString& strUrl, UINT& nIDLinkText)
{
    switch (nID)
    {
    case IDS_REFUSED_BY_SERVICE:
        strUrl = GetAnnouncementPageUrl();
        nIDLinkText = 0;
        return TRUE;
    case IDS_BANK_ACCOUNT_MISSING:
        strUrl = CSubmitPayEasyTradingSettings::GetContactSettingsURL();
        nIDLinkText = IDS_BANK_ACCOUNT_LINK;
        return TRUE;
    default:
        return FALSE;
    }
}

int CRunOperationDialog::ShowMessageId(UINT nID, UINT nType)
{
    CString strUrl;
    UINT nIDLinkText = 0;
    if (!GetMessageLink(nID, strUrl, nIDLinkText))
        return CPrepareProgressDialog::ShowMessageId(nID, nType);
    if (!MayTell())
        return IDCANCEL;
    CChoiceMessageDialog dialog(nID, this);
    dialog.SetStyle(nType);
    if (nIDLinkText != 0)
        dialog.SetUrl(strUrl, nIDLinkText);
    else
        dialog.SetUrl(strUrl);
    return (int)dialog.DoModal();
}
