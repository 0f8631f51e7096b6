#include "client/actions/ActionCommands.h"

#include "client/MainFrame.h"
#include "client/TanzoDoc.h"
#include "client/TanzoResourceIds.h"
#include "client/actions/DescriptionTemplateListDialog.h"
#include "client/actions/ResubmitSettingDialog.h"

BEGIN_MESSAGE_MAP(CActionCommands, CCmdTarget)
ON_COMMAND(ID_RESUBMIT_SETTINGS, OnResubmitSettings)
ON_COMMAND(ID_TEMPLATES_DESCRIPTION, OnDescriptionTemplates)
END_MESSAGE_MAP()

CActionCommands::CActionCommands() {}

CActionCommands::~CActionCommands() {}

void CActionCommands::OnResubmitSettings()
{
    CResubmitSettingDialog dialog(CResubmitSettingDialog::ModeSettings, GetMainFrame());
    dialog.DoModal();
}

void CActionCommands::OnDescriptionTemplates()
{
    CTanzoDoc* pDoc = GetTanzoDoc(nullptr);
    if (pDoc != nullptr)
        CDescriptionTemplateListDialog::EditDocumentTemplates(GetMainFrame(), *pDoc);
}
