#ifndef TANZO_TESTS_AFX_TESTOBJECTS_H
#define TANZO_TESTS_AFX_TESTOBJECTS_H

// Serialisable classes of the archive and collection tests.

#include "afx/Archive.h"
#include "afx/Collections.h"
#include "afx/Object.h"
#include "afx/String.h"

namespace afxtest
{
// Schema 1: name, value.
class CItem : public CObject
{
    DECLARE_SERIAL(CItem)
public:
    CItem() : m_lValue(0) {}
    CItem(LPCTSTR lpszName, LONG lValue) : m_strName(lpszName), m_lValue(lValue) {}
    void Serialize(CArchive& ar) override;

    CString m_strName;
    LONG m_lValue;
};

// Schema 1: what CItem writes, then a WORD.
class CSubItem : public CItem
{
    DECLARE_SERIAL(CSubItem)
public:
    CSubItem() : m_wExtra(0) {}
    void Serialize(CArchive& ar) override;

    WORD m_wExtra;
};

// Schema 1: title, parent (a reference back, not owned), children (owned).
class CGroup : public CObject
{
    DECLARE_SERIAL(CGroup)
public:
    CGroup() : m_pParent(nullptr) {}
    explicit CGroup(LPCTSTR lpszTitle, CGroup* pParent = nullptr) : m_strTitle(lpszTitle), m_pParent(pParent)
    {
    }
    ~CGroup() override;
    void Serialize(CArchive& ar) override;

    CString m_strTitle;
    CGroup* m_pParent;
    CObList m_children;
};

// Schema 2, versionable: schema 1 had the value only; 2 added the note.
class CVersioned : public CObject
{
    DECLARE_SERIAL(CVersioned)
public:
    CVersioned() : m_lValue(0), m_nLoadedSchema(0) {}
    void Serialize(CArchive& ar) override;

    LONG m_lValue;
    CString m_strNote;
    UINT m_nLoadedSchema;
};

// Created by class, not serialisable.
class CDynamicOnly : public CObject
{
    DECLARE_DYNCREATE(CDynamicOnly)
};
} // namespace afxtest

#endif // TANZO_TESTS_AFX_TESTOBJECTS_H
