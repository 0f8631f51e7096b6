#ifndef TANZO_TEXT_JSONCONTAINER_H
#define TANZO_TEXT_JSONCONTAINER_H

#include <vector>

#include "afx/String.h"
#include "afx/wintypes.h"
#include "text/JsonValue.h"

// An ordered list of owned values. A slot may be empty (null) only in a
// container made by CreateEmpty and not filled yet.
class CJsonContainer : public CJsonValue
{
public:
    ~CJsonContainer() override;

    int GetCount() const override;
    CJsonValue* GetAt(int nIndex) const override;
    BOOL SetAt(int nIndex, CJsonValue* pValue) override;
    int IndexOf(const CJsonValue* pValue) const override;
    CJsonKeyValue* Find(LPCTSTR lpszName, UINT nFlags) const override;
    BOOL Append(CJsonValue* pValue) override;
    BOOL Remove(CJsonValue* pValue) override;
    CJsonValue* Clone() const override;
    void ToText(CString& strText) const override;
    void ToTextStyled(CString& strText, int nStyle) const override;

    // A container of the same kind with as many empty slots.
    virtual CJsonContainer* CreateEmpty() const = 0;
    // Takes the element out without deleting it; FALSE out of range.
    virtual BOOL RemoveAt(int nIndex);

protected:
    explicit CJsonContainer(int nCount = 0);

    // Whether the container holds a value of that kind.
    virtual BOOL Accepts(const CJsonValue* pValue) const;
    // Opening and closing bracket.
    virtual LPCTSTR GetBrackets() const = 0;

private:
    BOOL CanTake(const CJsonValue* pValue) const;
    void JoinElements(CString& strText, int nStyle, BOOL bJson) const;

    std::vector<CJsonValue*> m_elements;
};

class CJsonArray : public CJsonContainer
{
public:
    explicit CJsonArray(int nCount = 0) : CJsonContainer(nCount) {}
    ~CJsonArray() override;

    int GetTypeId() const override;
    void GetTypeName(CString& strName) const override;
    CJsonContainer* CreateEmpty() const override;

protected:
    LPCTSTR GetBrackets() const override;
};

// Members (key-values) in the order they were read.
class CJsonObject : public CJsonContainer
{
public:
    explicit CJsonObject(int nCount = 0) : CJsonContainer(nCount) {}
    ~CJsonObject() override;

    int GetTypeId() const override;
    void GetTypeName(CString& strName) const override;
    CJsonContainer* CreateEmpty() const override;

protected:
    BOOL Accepts(const CJsonValue* pValue) const override;
    LPCTSTR GetBrackets() const override;
};

#endif // TANZO_TEXT_JSONCONTAINER_H
