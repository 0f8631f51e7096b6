#include "client/actions/shared/TanzoTemplateListDialog.h"

#include "client/MainFrame.h"
#include "client/OptionSettings.h"
#include "client/TanzoDocData.h"
#include "client/TanzoTemplateList.h"
#include "client/actions/shared/TemplateMenuResourceIds.h"

IMPLEMENT_DYNAMIC(CTanzoTemplateListDialog, CTemplateListBaseDialog)

CTanzoTemplateListDialog::CTanzoTemplateListDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CTemplateListBaseDialog(nIDTemplate, pParentWnd, IDH_TEMPLATE_MANAGER)
{
}

BOOL CTanzoTemplateListDialog::OnInitDialog()
{
    CTemplateListBaseDialog::OnInitDialog();
    const struct
    {
        CButton& button;
        UINT nTip;
    } tips[] = {{m_addButton, IDS_TIP_TEMPLATE_ADD},
                {m_editButton, IDS_TIP_TEMPLATE_EDIT},
                {m_deleteButton, IDS_TIP_TEMPLATE_DELETE},
                {m_upButton, IDS_TIP_MOVE_UP},
                {m_downButton, IDS_TIP_MOVE_DOWN}};
    for (const auto& tip : tips)
    {
        if (tip.button.m_hWnd != nullptr)
            AddToolTip(&tip.button, tip.nTip);
    }
    COptionSettings loaded;
    const COptionSettings* pOptions = GetOptionSettings();
    if (pOptions == nullptr)
    {
        loaded.LoadFromProfile();
        pOptions = &loaded;
    }
    pOptions->ApplyListFontSize(&m_list);
    pOptions->ApplyListMetrics(&m_list);
    pOptions->ApplyListColors(&m_list);
    return TRUE;
}

int CTanzoTemplateListDialog::GetMaxCount()
{
    return CTanzoDocData::MaxTemplates;
}

CTemplateStringItem* CTanzoTemplateListDialog::CreateItem()
{
    return CreateTemplateItem(GetTemplateSet(), nullptr);
}
