#include "afx/Object.h"

#include <cstring>
#include <string>

#include "afx/Archive.h"
#include "afx/Exception.h"

namespace
{
// Zero before any constructor runs, so registrars may link in whatever the
// order in which the object files are initialised.
AFX_CLASSINIT* g_pFirstClass = nullptr;

BOOL IsRegistered(const CRuntimeClass* pClass)
{
    for (const AFX_CLASSINIT* p = g_pFirstClass; p != nullptr; p = p->m_pNext)
        if (p->m_pClass == pClass)
            return TRUE;
    return FALSE;
}
} // namespace

const CRuntimeClass CObject::classCObject = {"CObject", (int)sizeof(CObject), 0xFFFF, nullptr, nullptr};

AFX_CLASSINIT::AFX_CLASSINIT(const CRuntimeClass* pNewClass) : m_pClass(pNewClass), m_pNext(nullptr)
{
    if (IsRegistered(pNewClass))
        return;
    m_pNext = g_pFirstClass;
    g_pFirstClass = this;
}

void AFXAPI AfxClassInit(const CRuntimeClass* pNewClass)
{
    // The node stays reachable from the list for the life of the program.
    if (!IsRegistered(pNewClass))
        new AFX_CLASSINIT(pNewClass);
}

CObject* CRuntimeClass::CreateObject() const
{
    if (m_pfnCreateObject == nullptr)
        return nullptr;
    return m_pfnCreateObject();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p != nullptr; p = p->m_pBaseClass)
        if (p == pBaseClass)
            return TRUE;
    return FALSE;
}

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD nLen = (WORD)std::strlen(m_lpszClassName);
    ar << (WORD)m_wSchema << nLen;
    ar.Write(m_lpszClassName, nLen);
}

CRuntimeClass* CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    WORD wSchema;
    WORD nLen;
    ar >> wSchema >> nLen;
    *pwSchemaNum = wSchema;
    // A WORD bounds the name: at most 64 KiB, whatever the file says.
    std::string name(nLen, '\0');
    if (ar.Read(&name[0], nLen) != nLen)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    if (name.find('\0') != std::string::npos)
        return nullptr;
    return FromName(name.c_str());
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    for (const AFX_CLASSINIT* p = g_pFirstClass; p != nullptr; p = p->m_pNext)
        if (std::strcmp(p->m_pClass->m_lpszClassName, lpszClassName) == 0)
            return const_cast<CRuntimeClass*>(p->m_pClass);
    return nullptr;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

void CObject::Serialize(CArchive&) {}

void CObject::AssertValid() const {}
