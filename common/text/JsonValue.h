#ifndef TANZO_TEXT_JSONVALUE_H
#define TANZO_TEXT_JSONVALUE_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CJsonKeyValue;

// Type ids of the values. Containers have JSON_TYPE_CONTAINER set.
enum
{
    JSON_TYPE_STRING = 1,
    JSON_TYPE_INTEGER = 2,
    JSON_TYPE_BOOLEAN = 3,
    JSON_TYPE_KEY_VALUE = 4,
    JSON_TYPE_NULL = 5,
    JSON_TYPE_CONTAINER = 0x10000,
    JSON_TYPE_ARRAY = 0x10001,
    JSON_TYPE_OBJECT = 0x10002,
};

// Quoting flag of strings and keys.
enum
{
    JSON_QUOTE_SINGLE = 1,
};

// Styles of ToTextStyled: the plain text of a value.
enum
{
    JSON_STYLE_UNESCAPE = 1, // \" \\ \/ (and \' in single quotes) to the character
    JSON_STYLE_UNICODE = 2,  // \uXXXX to the character in code page 932
};

// A value read from JSON text. A container owns its elements; a key-value
// owns its value. Each value knows what holds it, and a value that is held
// already is refused elsewhere, so nothing is owned twice. The defaults are
// those of single values.
class CJsonValue
{
public:
    virtual ~CJsonValue();

    virtual int GetTypeId() const = 0;
    virtual CJsonValue* GetParent() const;
    virtual int GetCount() const;
    // Null out of range.
    virtual CJsonValue* GetAt(int nIndex) const;
    // Puts pValue (now owned) at the index in place of the element there,
    // which is deleted. FALSE, pValue still the caller's, for an index out of
    // range, a null value, a value held elsewhere or one the container
    // refuses.
    virtual BOOL SetAt(int nIndex, CJsonValue* pValue);
    virtual BOOL SetAtText(int nIndex, LPCTSTR lpszText);
    virtual BOOL SetAtInt(int nIndex, int nValue);
    // Index of that very element; -1 when absent.
    virtual int IndexOf(const CJsonValue* pValue) const;
    // The first key-value whose key matches the name (MatchText flags) and
    // whose value is set: the elements in order first, then their contents.
    virtual CJsonKeyValue* Find(LPCTSTR lpszName, UINT nFlags) const;
    // Adds at the end and takes ownership; FALSE (still the caller's) as for
    // SetAt. An object accepts key-values only.
    virtual BOOL Append(CJsonValue* pValue);
    // Takes the element out without deleting it; it is the caller's again.
    virtual BOOL Remove(CJsonValue* pValue);
    virtual CJsonValue* Clone() const = 0;
    virtual void GetTypeName(CString& strName) const = 0;
    // JSON text.
    virtual void ToText(CString& strText) const = 0;
    // Plain text: strings bare, unescaped by the JSON_STYLE_ bits.
    virtual void ToTextStyled(CString& strText, int nStyle) const;
    virtual void ResetCache();
    virtual int GetInt() const;

    BOOL IsContainer() const { return (GetTypeId() & JSON_TYPE_CONTAINER) != 0; }
    // The value of Find's key-value; null when none.
    CJsonValue* FindValue(LPCTSTR lpszName, UINT nFlags) const;

    CJsonValue(const CJsonValue&) = delete;
    CJsonValue& operator=(const CJsonValue&) = delete;

protected:
    CJsonValue() = default;

    // A value that is free to be taken: not null, held by nothing, and
    // neither this value nor one that holds it.
    BOOL CanHold(const CJsonValue* pValue) const;
    // Holders set and clear the back pointer of what they take and give.
    static void SetParentOf(CJsonValue* pValue, CJsonValue* pParent) { pValue->m_pParent = pParent; }

private:
    CJsonValue* m_pParent = nullptr;
};

// The base of the single values: string, integer, boolean, null and the
// key-value member of an object.
class CJsonScalar : public CJsonValue
{
protected:
    CJsonScalar() = default;
};

#endif // TANZO_TEXT_JSONVALUE_H
