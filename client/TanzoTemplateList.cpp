#include "client/TanzoTemplateList.h"

#include "client/DataSetFiles.h"
#include "client/TemplateRateEditItem.h"

CTanzoTemplateList::~CTanzoTemplateList() {}

CTemplateStringItem* CTanzoTemplateList::CreateItem(const CTemplateStringItem* pSource)
{
    return CreateTemplateItem(m_set, pSource);
}

CTemplateStringItem* CreateTemplateItem(int set, const CTemplateStringItem* pSource)
{
    CTemplateStringItem* pItem = nullptr;
    if (set == dataSetSellerRatingTemplates || set == dataSetBuyerRatingTemplates)
        pItem = new CTemplateRateEditItem;
    else
        pItem = new CTemplateStringItem;
    if (pSource != nullptr)
        pItem->CopyFrom(*pSource);
    return pItem;
}
