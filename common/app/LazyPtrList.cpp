#include "app/LazyPtrList.h"

CLazyPtrList::~CLazyPtrList()
{
    delete m_pList;
}

POSITION CLazyPtrList::AddTail(DWORD value)
{
    if (m_pList == nullptr)
        m_pList = new CDWordValueList;
    return m_pList->AddTail(value);
}

#ifndef _WIN32
// No windows in the native build, so no cursor over any of them.
BOOL CLazyPtrList::IsCursorOutside() const
{
    return TRUE;
}
#endif
