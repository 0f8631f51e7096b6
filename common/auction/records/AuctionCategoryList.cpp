#include "auction/records/AuctionCategoryList.h"

#include "app/DialogProfile.h"

namespace
{
BOOL HasName(LPCTSTR lpszKey)
{
    return lpszKey != nullptr && *lpszKey != '\0';
}
} // namespace

CAuctionCategoryList::CAuctionCategoryList() : m_elements(10) {}

CAuctionCategoryList::~CAuctionCategoryList()
{
    RemoveAll();
}

AuctionCategory* CAuctionCategoryList::CreateElement()
{
    return new AuctionCategory;
}

void CAuctionCategoryList::WriteElement(const AuctionCategory& element, UINT nDialogId, int nIndex)
{
    LPCTSTR lpszNumberKey = GetKeyName(KeyNumber);
    if (HasName(lpszNumberKey))
        WriteDialogProfileInt(nDialogId, FormatDialogProfileKey(lpszNumberKey, nIndex + 1),
                              element.GetNumber());
    LPCTSTR lpszNameKey = GetKeyName(KeyName);
    if (HasName(lpszNameKey))
        WriteDialogProfileString(nDialogId, FormatDialogProfileKey(lpszNameKey, nIndex + 1),
                                 element.GetName());
}

BOOL CAuctionCategoryList::ReadElement(AuctionCategory& element, UINT nDialogId, int nIndex)
{
    LPCTSTR lpszNumberKey = GetKeyName(KeyNumber);
    LPCTSTR lpszNameKey = GetKeyName(KeyName);
    if (!HasName(lpszNumberKey) || !HasName(lpszNameKey))
        return FALSE;
    const int nNumber = GetDialogProfileInt(nDialogId, FormatDialogProfileKey(lpszNumberKey, nIndex + 1), 0);
    if (nNumber == 0)
        return FALSE;
    CString name;
    GetDialogProfileString(nDialogId, FormatDialogProfileKey(lpszNameKey, nIndex + 1), name, "");
    element.SetNumber(nNumber);
    element.SetName(name);
    return TRUE;
}

LPCTSTR CAuctionCategoryList::GetKeyName(int nKind)
{
    switch (nKind)
    {
    case KeyCount:
        return "CategoryNum";
    case KeyNumber:
        return "Category%03d";
    case KeyName:
        return "CategoryName%03d";
    default:
        return nullptr;
    }
}

void CAuctionCategoryList::WriteCount(UINT nDialogId, int nCount)
{
    LPCTSTR lpszKey = GetKeyName(KeyCount);
    if (HasName(lpszKey))
        WriteDialogProfileInt(nDialogId, lpszKey, nCount);
}

void CAuctionCategoryList::ClearCount(UINT nDialogId)
{
    WriteCount(nDialogId, 0);
}

void CAuctionCategoryList::Append(AuctionCategory* pElement)
{
    if (pElement != nullptr)
        m_elements.AddTail(pElement);
}

AuctionCategory* CAuctionCategoryList::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    return m_elements.GetAt(m_elements.FindIndex(nIndex));
}

void CAuctionCategoryList::RemoveAll()
{
    while (!m_elements.IsEmpty())
        delete m_elements.RemoveHead();
}
