#ifndef TANZO_TEXT_JSONSCALARS_H
#define TANZO_TEXT_JSONSCALARS_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "text/JsonValue.h"

// A 32-bit signed number.
class CJsonInteger : public CJsonScalar
{
public:
    explicit CJsonInteger(int nValue = 0) : m_nValue(nValue) {}
    ~CJsonInteger() override;

    int GetValue() const { return m_nValue; }
    void SetValue(int nValue) { m_nValue = nValue; }

    int GetTypeId() const override;
    CJsonValue* Clone() const override;
    void GetTypeName(CString& strName) const override;
    void ToText(CString& strText) const override;
    int GetInt() const override;

private:
    int m_nValue;
};

class CJsonBoolean : public CJsonScalar
{
public:
    explicit CJsonBoolean(BOOL bValue = FALSE) : m_bValue(bValue) {}
    ~CJsonBoolean() override;

    BOOL GetValue() const { return m_bValue; }
    void SetValue(BOOL bValue) { m_bValue = bValue; }

    int GetTypeId() const override;
    CJsonValue* Clone() const override;
    void GetTypeName(CString& strName) const override;
    void ToText(CString& strText) const override;
    // 0 or 1.
    int GetInt() const override;

private:
    BOOL m_bValue;
};

// The word null. It has a type id of its own, so that an object, which
// takes key-values only, never takes it for a member.
class CJsonNull : public CJsonScalar
{
public:
    CJsonNull() = default;
    ~CJsonNull() override;

    int GetTypeId() const override;
    CJsonValue* Clone() const override;
    void GetTypeName(CString& strName) const override;
    void ToText(CString& strText) const override;
};

#endif // TANZO_TEXT_JSONSCALARS_H
