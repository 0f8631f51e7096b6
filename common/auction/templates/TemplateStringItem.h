#ifndef TANZO_AUCTION_TEMPLATESTRINGITEM_H
#define TANZO_AUCTION_TEMPLATESTRINGITEM_H

#include "afx/Object.h"
#include "afx/String.h"
#include "afx/wintypes.h"

class CArchive;

// A text the user keeps for reuse ("定型文"): a title and the text.
class CTemplateStringItem : public CObject
{
    DECLARE_SERIAL(CTemplateStringItem)
public:
    // Fields of Serialize.
    enum
    {
        FieldTitle = 0x1,
        FieldText = 0x2,
        AllFields = 0x3
    };

    // A null pointer leaves its string empty.
    CTemplateStringItem(LPCTSTR lpszTitle = nullptr, LPCTSTR lpszText = nullptr);
    CTemplateStringItem(const CTemplateStringItem& other);
    ~CTemplateStringItem() override;

    using CObject::Serialize;
    // The chosen fields, each a string with its length prefix; loading
    // clears first.
    virtual void Serialize(CArchive& ar, DWORD flags);
    virtual void CopyFrom(const CTemplateStringItem& other);
    // A new item of the same kind and texts; the caller owns it.
    virtual CTemplateStringItem* Clone() const;
    virtual void Clear();
    // The text, or the title when the text is empty, cut for a menu.
    virtual void GetMenuText(CString& strOut) const;

    const CString& GetTitle() const { return m_title; }
    const CString& GetText() const { return m_text; }
    void SetTitle(LPCTSTR lpszTitle) { m_title = lpszTitle; }
    void SetText(LPCTSTR lpszText) { m_text = lpszText; }

private:
    CTemplateStringItem& operator=(const CTemplateStringItem&) = delete;

    CString m_title;
    CString m_text;
};

#endif // TANZO_AUCTION_TEMPLATESTRINGITEM_H
