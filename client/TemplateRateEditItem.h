#ifndef TANZO_CLIENT_TEMPLATERATEEDITITEM_H
#define TANZO_CLIENT_TEMPLATERATEEDITITEM_H

#include "afx/String.h"
#include "afx/wintypes.h"
#include "auction/templates/TemplateStringItem.h"
#include "client/TextResourceIds.h"

// A feedback comment kept for reuse with its rating (1 to 5). The comment
// is the title; the text stays empty. In the data files the rating follows
// the strings as a 32-bit value, whatever the fields written.
class CTemplateRateEditItem : public CTemplateStringItem
{
    DECLARE_SERIAL(CTemplateRateEditItem)
public:
    enum
    {
        DefaultRating = 5,
    };

    CTemplateRateEditItem(int nRating = DefaultRating, LPCTSTR lpszTitle = nullptr,
                          LPCTSTR lpszText = nullptr);
    CTemplateRateEditItem(const CTemplateRateEditItem& other);
    ~CTemplateRateEditItem() override;

    using CTemplateStringItem::Serialize;
    void Serialize(CArchive& ar, DWORD flags) override;
    // The texts; the rating too from another rating template.
    void CopyFrom(const CTemplateStringItem& other) override;
    CTemplateStringItem* Clone() const override;
    // Empty texts, rating 5.
    void Clear() override;
    // "[mark]" of the rating (none outside 1 to 5) before the text, or the
    // title when the text is empty, cut for a menu.
    void GetMenuText(CString& strOut) const override;

    int GetRating() const { return m_nRating; }
    void SetRating(int nRating) { m_nRating = nRating; }

    // The short mark of a rating; FALSE outside 1 to 5.
    static BOOL LoadRatingMark(int nRating, CString& strOut);

private:
    int m_nRating;
};

#endif // TANZO_CLIENT_TEMPLATERATEEDITITEM_H
