#include "client/actions/shared/TanzoTemplateMenu.h"

#include "afx/Wnd.h"
#include "client/DataSetFiles.h"
#include "client/TanzoDoc.h"
#include "client/TanzoTemplateList.h"
#include "client/actions/feedback/RateTemplateListDialog.h"
#include "client/actions/shared/TemplateMenuResourceIds.h"
#include "client/actions/updates/DescriptionTemplateListDialog.h"

CTemplateMenuOwner::~CTemplateMenuOwner() {}

CTanzoTemplateMenu::CTanzoTemplateMenu(int nSet, CWnd* pOwner)
    : CTemplateTextMenu(pOwner), m_nSet(nSet), m_pDocument(GetTanzoDoc(nullptr))
{
}

CTemplateMenuOwner* CTanzoTemplateMenu::GetMenuOwner() const
{
    return dynamic_cast<CTemplateMenuOwner*>(m_pOwner);
}

int CTanzoTemplateMenu::GetCount()
{
    return m_pDocument != nullptr ? m_pDocument->GetTemplateCount(m_nSet) : 0;
}

int CTanzoTemplateMenu::GetMaxCount()
{
    return m_nSet >= 0 && m_nSet < TemplateSetCount ? (int)CTanzoDocData::MaxTemplates : 0;
}

BOOL CTanzoTemplateMenu::GetItem(int nIndex, CTemplateStringItem& item)
{
    return m_pDocument != nullptr && m_pDocument->GetTemplate(m_nSet, nIndex, item);
}

void CTanzoTemplateMenu::AddItem(const CTemplateStringItem& item)
{
    if (m_pDocument != nullptr)
        m_pDocument->AddTemplate(m_nSet, &item);
}

void CTanzoTemplateMenu::DeleteAll()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveAllTemplates(m_nSet);
}

CTemplateListBaseDialog* CTanzoTemplateMenu::CreateListDialog(CWnd* pOwner)
{
    switch (m_nSet)
    {
    case dataSetDescriptionTemplates:
        return new CDescriptionTemplateListDialog(pOwner);
    case dataSetSellerRatingTemplates:
        return new CRateTemplateListDialog(CRateTemplateListDialog::KindSeller, pOwner);
    case dataSetBuyerRatingTemplates:
        return new CRateTemplateListDialog(CRateTemplateListDialog::KindBuyer, pOwner);
    default:
        return nullptr;
    }
}

CTemplateStringItem* CTanzoTemplateMenu::CreateScratchItem()
{
    return CreateTemplateItem(m_nSet, nullptr);
}

CTemplateStringItem* CTanzoTemplateMenu::CreateDefaultItem()
{
    CTemplateMenuOwner* pMenuOwner = GetMenuOwner();
    return pMenuOwner != nullptr ? pMenuOwner->CreateTemplateFromInput() : nullptr;
}

void CTanzoTemplateMenu::InsertIntoOwner(const CTemplateStringItem& item)
{
    if (CTemplateMenuOwner* pMenuOwner = GetMenuOwner())
        pMenuOwner->ApplyTemplate(item);
}

UINT CTanzoTemplateMenu::GetFirstCommandId()
{
    switch (m_nSet)
    {
    case dataSetDescriptionTemplates:
        return ID_TEMPLATE_FIRST_DESCRIPTION;
    case dataSetSellerRatingTemplates:
    case dataSetBuyerRatingTemplates:
        return ID_TEMPLATE_FIRST_RATING;
    default:
        return 0;
    }
}

BOOL CTanzoTemplateMenu::Show(int x, int y)
{
    return ShowMenu(IDR_TEMPLATE_MENU, ID_TEMPLATE_ADD_CURRENT, x, y);
}

BOOL CTanzoTemplateMenu::HandleCommand(UINT nID)
{
    if (nID == ID_TEMPLATE_MANAGE)
    {
        RunManagementDialog();
        return TRUE;
    }
    if (nID == ID_TEMPLATE_ADD_CURRENT)
    {
        // The menu greys the command on a full set; the document would drop
        // the template while the user is told it was added.
        if (CanAdd())
            AddDefaultTemplate(IDS_TEMPLATE_ADD_QUESTION, IDS_TEMPLATE_ADDED);
        return TRUE;
    }
    const UINT nFirst = GetFirstCommandId();
    if (nFirst != 0 && nID >= nFirst && nID < nFirst + (UINT)CTanzoDocData::MaxTemplates)
    {
        InsertTemplate((int)(nID - nFirst));
        return TRUE;
    }
    return FALSE;
}
