#include "TestObjects.h"

namespace afxtest
{
IMPLEMENT_SERIAL(CItem, CObject, 1)
IMPLEMENT_SERIAL(CSubItem, CItem, 1)
IMPLEMENT_SERIAL(CGroup, CObject, 1)
IMPLEMENT_SERIAL(CVersioned, CObject, 2 | VERSIONABLE_SCHEMA)
IMPLEMENT_DYNCREATE(CDynamicOnly, CObject)

void CItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_strName << m_lValue;
    else
        ar >> m_strName >> m_lValue;
}

void CSubItem::Serialize(CArchive& ar)
{
    CItem::Serialize(ar);
    if (ar.IsStoring())
        ar << m_wExtra;
    else
        ar >> m_wExtra;
}

CGroup::~CGroup()
{
    while (!m_children.IsEmpty())
        delete m_children.RemoveHead();
}

void CGroup::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_strTitle << m_pParent;
    else
        ar >> m_strTitle >> m_pParent;
    m_children.Serialize(ar);
}

void CVersioned::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_lValue << m_strNote;
        return;
    }
    m_nLoadedSchema = ar.GetObjectSchema();
    ar >> m_lValue;
    if (m_nLoadedSchema >= 2)
        ar >> m_strNote;
}
} // namespace afxtest
