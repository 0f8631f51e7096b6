#include "client/actions/shared/ActionCommands.h"

#include "client/DataSetFiles.h"
#include "client/MainFrame.h"
#include "client/TanzoResourceIds.h"
#include "client/actions/relist/ResubmitSettingDialog.h"
#include "client/actions/shared/TanzoTemplateMenu.h"

BEGIN_MESSAGE_MAP(CActionCommands, CCmdTarget)
ON_COMMAND(ID_RESUBMIT_SETTINGS, OnResubmitSettings)
ON_COMMAND_RANGE(ID_TEMPLATES_DESCRIPTION, ID_TEMPLATES_RATE_AS_BUYER, OnTemplates)
END_MESSAGE_MAP()

CActionCommands::CActionCommands() {}

CActionCommands::~CActionCommands() {}

void CActionCommands::OnResubmitSettings()
{
    CResubmitSettingDialog dialog(CResubmitSettingDialog::ModeSettings, GetMainFrame());
    dialog.DoModal();
}

void CActionCommands::OnTemplates(UINT nID)
{
    const int nSet = nID == ID_TEMPLATES_RATE_AS_SELLER  ? dataSetSellerRatingTemplates
                     : nID == ID_TEMPLATES_RATE_AS_BUYER ? dataSetBuyerRatingTemplates
                                                         : dataSetDescriptionTemplates;
    CTanzoTemplateMenu menu(nSet, GetMainFrame());
    if (menu.GetDocument() != nullptr)
        menu.RunManagementDialog();
}
