#ifndef TANZO_AUCTION_VALUETEXTCONVERTER_H
#define TANZO_AUCTION_VALUETEXTCONVERTER_H

#include "afx/String.h"
#include "afx/wintypes.h"

class CChoiceValue;
class CPtrList;

// Turns the values a dialog lists (items, buyers) into the texts it shows.
class CValueTextConverter
{
public:
    virtual ~CValueTextConverter() {}

    // TRUE when the value has a text.
    virtual BOOL GetText(const void* pValue, CString& out) = 0;
    // The texts of all values of the list that have one, joined by ", ".
    BOOL JoinTexts(const CPtrList& values, CString& out);
};

// Appends string formatId formatted with the record's value (its "%d").
BOOL AppendFormattedValue(const CChoiceValue& record, UINT formatId, CString& out);

#endif // TANZO_AUCTION_VALUETEXTCONVERTER_H
