#include "auction/templates/TemplateStringList.h"

#include <memory>

#include "afx/Archive.h"
#include "auction/records/ArchiveWords.h"

CTemplateStringList::CTemplateStringList() : m_items(10) {}

CTemplateStringList::~CTemplateStringList()
{
    DeleteAll();
}

void CTemplateStringList::Serialize(CArchive& ar, DWORD flags)
{
    if (ar.IsStoring())
    {
        ar << (DWORD)m_items.GetCount();
        for (POSITION pos = m_items.GetHeadPosition(); pos != nullptr;)
            m_items.GetNext(pos)->Serialize(ar, flags);
        return;
    }
    DeleteAll();
    const DWORD nStored = LoadCount(ar, MaxStoredItems);
    const int nMax = GetMaxCount();
    DWORD nKept = nStored;
    if (nMax >= 0 && (DWORD)nMax < nStored)
    {
        OnCountLimited();
        nKept = (DWORD)nMax;
    }
    for (DWORD i = 0; i < nStored; ++i)
    {
        std::unique_ptr<CTemplateStringItem> item(CreateItem(nullptr));
        item->Serialize(ar, flags);
        if (i < nKept)
            Append(item.release());
    }
}

CTemplateStringItem* CTemplateStringList::CreateItem(const CTemplateStringItem* pSource)
{
    return pSource != nullptr ? pSource->Clone() : new CTemplateStringItem;
}

int CTemplateStringList::GetMaxCount()
{
    return -1;
}

void CTemplateStringList::OnCountLimited() {}

void CTemplateStringList::Append(CTemplateStringItem* pItem)
{
    if (pItem != nullptr)
        m_items.AddTail(pItem);
}

void CTemplateStringList::DeleteAll()
{
    while (!m_items.IsEmpty())
        delete m_items.RemoveHead();
}

BOOL CTemplateStringList::GetAt(int nIndex, CTemplateStringItem& item) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    POSITION pos = m_items.FindIndex(nIndex);
    if (pos == nullptr)
        return FALSE;
    item.CopyFrom(*m_items.GetAt(pos));
    return TRUE;
}
