#ifndef TANZO_TEXT_JSONKEYVALUE_H
#define TANZO_TEXT_JSONKEYVALUE_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "text/BitFlags.h"
#include "text/JsonValue.h"

// A member of an object: its key and its value, which it owns and which may
// be missing (a member written without one).
class CJsonKeyValue : public CJsonScalar
{
public:
    explicit CJsonKeyValue(LPCTSTR lpszKey = nullptr, DWORD dwQuote = 0);
    ~CJsonKeyValue() override;

    const CString& GetKey() const { return m_strKey; }
    void SetKey(LPCTSTR lpszKey) { m_strKey = lpszKey; }
    // JSON_QUOTE_SINGLE: the key is written in single quotes.
    CBitFlags& GetQuote() { return m_quote; }
    const CBitFlags& GetQuote() const { return m_quote; }

    CJsonValue* GetValue() const { return m_pValue; }
    // Takes ownership of pValue (null allowed) and deletes the previous
    // value; FALSE, pValue still the caller's, when it is held elsewhere.
    BOOL SetValue(CJsonValue* pValue);
    // The value, now the caller's; the member is left without one.
    CJsonValue* DetachValue();

    int GetTypeId() const override;
    // Looks into the value.
    CJsonKeyValue* Find(LPCTSTR lpszName, UINT nFlags) const override;
    CJsonValue* Clone() const override;
    void GetTypeName(CString& strName) const override;
    void ToText(CString& strText) const override;
    void ToTextStyled(CString& strText, int nStyle) const override;

private:
    CString m_strKey;
    CBitFlags m_quote;
    CJsonValue* m_pValue = nullptr;
};

#endif // TANZO_TEXT_JSONKEYVALUE_H
