#ifndef TANZO_AUCTION_ITEMCONDITION_H
#define TANZO_AUCTION_ITEMCONDITION_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CArchive;

// The condition of an item: a code 0..7 (5 when unknown) and a free comment.
class CItemCondition
{
public:
    enum
    {
        DefaultCondition = 5,
        MaxCondition = 7
    };
    // Parts of Serialize.
    enum
    {
        PartCode = 0x1,
        PartComment = 0x2
    };

    CItemCondition();
    CItemCondition(const CItemCondition& other) = default;
    CItemCondition& operator=(const CItemCondition& other);

    void Clear();
    void Assign(const CItemCondition& other);
    void CopyTo(CItemCondition& other) const;

    int GetCondition() const { return m_condition; }
    const CString& GetComment() const { return m_comment; }
    void SetCondition(int condition) { m_condition = condition; }
    void SetComment(LPCTSTR comment) { m_comment = comment; }

    BOOL IsEqual(const CItemCondition& other) const;

    // Reading clears the record first; a code outside 0..7 reads as 5.
    void Serialize(CArchive& ar, DWORD parts);

private:
    int m_condition;
    CString m_comment;
};

#endif // TANZO_AUCTION_ITEMCONDITION_H
